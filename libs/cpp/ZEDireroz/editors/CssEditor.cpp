#include "ZEDireroz/editors/CssEditor.h"

#include "ZEDireroz/editors/CssDoc.h"
#include "ZEDireroz/frame/App.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace ZEDireroz {

CssEditor::CssEditor(QWidget* parent)
    : QMainWindow(parent)
{
    // Opened without a parent and kept by nobody: closing must free it.
    setAttribute(Qt::WA_DeleteOnClose);

    QMenu* fileMenu = new QMenu(tr("&File"), menuBar());
    QMenu* helpMenu = new QMenu(tr("&Help"), menuBar());
    m_doc = new CssDoc;

    QAction* openAction =
        fileMenu->addAction(tr("&Open..."), m_doc, SLOT(slotLoad()), QKeySequence(QStringLiteral("CTRL+O")));
    QAction* saveAction =
        fileMenu->addAction(tr("&Save"), m_doc, SLOT(slotSave()), QKeySequence(QStringLiteral("CTRL+S")));
    QAction* infoAction = fileMenu->addAction(tr("&SetInfo"), this, SLOT(slotApplyToolTipsInfo()),
                                              QKeySequence(QStringLiteral("CTRL+I")));
    // Ctrl+A stays Select All in the text; applying is Ctrl+Return.
    QAction* applyAction =
        fileMenu->addAction(tr("&Apply"), this, SLOT(slotApply()), QKeySequence(QStringLiteral("CTRL+RETURN")));
    fileMenu->addAction(tr("S&ave As..."), m_doc, SLOT(slotSaveAs()));

    helpMenu->addAction(tr("&About"), this, SLOT(slotAbout()), QKeySequence(Qt::Key_F1));
    // A bare key would reset the whole application's look on a stray press
    // whenever the text does not have the focus.
    QAction* resetAction =
        helpMenu->addAction(tr("&Reset"), this, SLOT(slotReset()), QKeySequence(QStringLiteral("CTRL+R")));

    menuBar()->addMenu(fileMenu);
    menuBar()->addMenu(helpMenu);

    QToolBar* toolBar = addToolBar(tr("Operations"));
    toolBar->addAction(openAction);
    toolBar->addAction(saveAction);
    toolBar->addAction(applyAction);
    toolBar->addAction(resetAction);
    toolBar->addAction(infoAction);

    setCentralWidget(m_doc);
    connect(m_doc, &CssDoc::changeWindowTitle, this, &CssEditor::slotChangeWindowTitle);
    statusBar()->showMessage(tr("Ready"), 2000);
}

void CssEditor::slotApply()
{
    qApp->setStyleSheet(m_doc->toPlainText());
    m_doc->applyOwnPalette();
}

void CssEditor::slotReset()
{
    qApp->setStyleSheet(QString());
}

void CssEditor::slotAbout()
{
    QMessageBox::about(this, tr("About"), tr("CSS Style Editor"));
}

void CssEditor::slotChangeWindowTitle(QString const& str)
{
    setWindowTitle(str);
}

void CssEditor::addInfoToToolTip(QWidget* widget)
{
    if (widget->objectName().isEmpty())
        return;
    widget->setToolTip(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('\n') + widget->objectName()
                       + QLatin1Char('\n') + widget->toolTip());
}

void CssEditor::slotApplyToolTipsInfo()
{
    App* app = App::theApp();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window)
            continue;
        addInfoToToolTip(window);
        for (QWidget* child : window->findChildren<QWidget*>()) {
            bool const inDocument = app ? app->isChildOf(child, m_doc) : m_doc->isAncestorOf(child);
            if (child == m_doc || inDocument)
                continue;
            addInfoToToolTip(child);
        }
    }
}

} // namespace ZEDireroz
