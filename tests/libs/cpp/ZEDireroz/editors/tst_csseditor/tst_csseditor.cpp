// The style-sheet editor window on a running application object: its menus and
// tool bar, Apply and Reset on the application's style sheet, the keys, the
// SetInfo tool tips, and its end when closed.
#include "ZEDireroz/editors/CssDoc.h"
#include "ZEDireroz/editors/CssEditor.h"
#include "ZEDireroz/frame/App.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace ZEDireroz;

namespace {

QString const ownSheet = QStringLiteral("QTextEdit{background: #000060; color: yellow;}");

QList<QAction*> menuActions(CssEditor& editor, int index)
{
    return editor.menuBar()->actions().at(index)->menu()->actions();
}

} // namespace

class TestCssEditor : public QObject
{
    Q_OBJECT
private:
    // A fresh shown and active editor for each test; deleted with close().
    QPointer<CssEditor> m_editor;

private slots:
    void init()
    {
        qApp->setStyleSheet(QString());
        m_editor = new CssEditor(nullptr);
        m_editor->show();
        m_editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor));
    }
    void cleanup()
    {
        if (m_editor)
            m_editor->close();
        qApp->setStyleSheet(QString());
    }

    void menusAndToolBar()
    {
        CssEditor& editor = *m_editor;
        QCOMPARE(editor.menuBar()->actions().size(), 2);
        QCOMPARE(editor.menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(editor.menuBar()->actions().at(1)->text(), QStringLiteral("&Help"));

        QStringList texts;
        for (QAction* action : menuActions(editor, 0))
            texts << action->text();
        QCOMPARE(texts, (QStringList{"&Open...", "&Save", "&SetInfo", "&Apply", "S&ave As..."}));
        texts.clear();
        for (QAction* action : menuActions(editor, 1))
            texts << action->text();
        QCOMPARE(texts, (QStringList{"&About", "&Reset"}));

        QList<QAction*> const file = menuActions(editor, 0);
        QList<QAction*> const help = menuActions(editor, 1);
        QCOMPARE(file.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(file.at(1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(file.at(2)->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QCOMPARE(file.at(4)->shortcut(), QKeySequence());
        QCOMPARE(help.at(0)->shortcut(), QKeySequence(Qt::Key_F1));

        auto* toolBar = editor.findChild<QToolBar*>();
        QVERIFY(toolBar);
        QCOMPARE(toolBar->windowTitle(), QStringLiteral("Operations"));
        QCOMPARE(editor.toolBarArea(toolBar), Qt::TopToolBarArea);
        QCOMPARE(toolBar->actions(), (QList<QAction*>{file.at(0), file.at(1), file.at(3), help.at(1), file.at(2)}));

        QVERIFY(qobject_cast<CssDoc*>(editor.centralWidget()));
        QCOMPARE(editor.centralWidget(), editor.document());
        QCOMPARE(editor.statusBar()->currentMessage(), QStringLiteral("Ready"));
        QCOMPARE(editor.windowTitle(), QString());
    }

    void applyAndReset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a sheet") << "QPushButton { color: red; }";
        // An empty text clears the application's sheet, as Reset does.
        QTest::newRow("empty") << "";
        // A sheet that restyles text edits still leaves the document its own look.
        QTest::newRow("restyles text edits") << "QTextEdit { font: 20pt \"Serif\"; color: red; }";
    }
    void applyAndReset()
    {
        QFETCH(QString, text);
        CssDoc* doc = m_editor->document();
        qApp->setStyleSheet(QStringLiteral("QLabel{color: green;}"));
        doc->setPlainText(text);
        // Disturb the document's look: Apply must bring it back.
        doc->setStyleSheet(QStringLiteral("QTextEdit{color: red;}"));
        doc->document()->setDefaultFont(QFont(QStringLiteral("Serif"), 30));

        m_editor->slotApply();
        // Any re-polish the new sheet posted is done before the look is read.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(qApp->styleSheet(), text);
        QCOMPARE(doc->styleSheet(), ownSheet);
        QCOMPARE(doc->document()->defaultFont().family(), QStringLiteral("Lucida Console"));
        QCOMPARE(doc->document()->defaultFont().pointSize(), 12);

        // Reset leaves the document's own sheet as it is.
        doc->setStyleSheet(QStringLiteral("QTextEdit{color: red;}"));
        m_editor->slotReset();
        QCOMPARE(qApp->styleSheet(), QString());
        QCOMPARE(doc->styleSheet(), QStringLiteral("QTextEdit{color: red;}"));
    }

    void selectAllStaysInTheText()
    {
        CssDoc* doc = m_editor->document();
        doc->setPlainText(QStringLiteral("QLabel{color: blue;}"));
        doc->setFocus();
        QTRY_VERIFY(doc->hasFocus());
        QTest::keyClick(doc, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(doc->textCursor().selectedText(), QStringLiteral("QLabel{color: blue;}"));
        QCOMPARE(qApp->styleSheet(), QString());

        QTest::keyClick(doc, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color: blue;}"));
        QCOMPARE(doc->toPlainText(), QStringLiteral("QLabel{color: blue;}"));
    }

    void bareRDoesNotReset()
    {
        qApp->setStyleSheet(QStringLiteral("QLabel{color: blue;}"));
        auto* toolBar = m_editor->findChild<QToolBar*>();
        QVERIFY(toolBar);
        // The focus outside the text, as after clicking a tool button.
        toolBar->setFocusPolicy(Qt::StrongFocus);
        toolBar->setFocus();
        QTRY_VERIFY(toolBar->hasFocus());
        QTest::keyClick(toolBar, Qt::Key_R);
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color: blue;}"));

        QTest::keyClick(toolBar, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(qApp->styleSheet(), QString());
    }

    void typingRInTheTextIsText()
    {
        qApp->setStyleSheet(QStringLiteral("QLabel{color: blue;}"));
        CssDoc* doc = m_editor->document();
        doc->setFocus();
        QTRY_VERIFY(doc->hasFocus());
        QTest::keyClicks(doc, QStringLiteral("Rr"));
        QCOMPARE(doc->toPlainText(), QStringLiteral("Rr"));
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color: blue;}"));
    }

    void setInfoTips()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("Window"));
        auto* named = new QLabel(&window);
        named->setObjectName(QStringLiteral("Title"));
        named->setToolTip(QStringLiteral("Old tip"));
        auto* unnamed = new QLabel(&window);
        window.show();
        // Named parts inside the document stay as they are.
        CssDoc* doc = m_editor->document();
        doc->setObjectName(QStringLiteral("Doc"));
        doc->viewport()->setObjectName(QStringLiteral("DocViewport"));
        doc->verticalScrollBar()->setObjectName(QStringLiteral("DocScroll"));

        m_editor->slotApplyToolTipsInfo();
        QCOMPARE(window.toolTip(), QStringLiteral("QWidget\nWindow\n"));
        QCOMPARE(named->toolTip(), QStringLiteral("QLabel\nTitle\nOld tip"));
        QCOMPARE(unnamed->toolTip(), QString());
        QCOMPARE(doc->toolTip(), QString());
        QCOMPARE(doc->viewport()->toolTip(), QString());
        QCOMPARE(doc->verticalScrollBar()->toolTip(), QString());
        QCOMPARE(m_editor->toolTip(), QString());

        // Nothing takes the lines back: a second pass adds two more.
        m_editor->slotApplyToolTipsInfo();
        QCOMPARE(window.toolTip(), QStringLiteral("QWidget\nWindow\nQWidget\nWindow\n"));
        QCOMPARE(named->toolTip(), QStringLiteral("QLabel\nTitle\nQLabel\nTitle\nOld tip"));
    }

    void titleFollowsTheDocumentsFile()
    {
        emit m_editor->document()->changeWindowTitle(QStringLiteral("/tmp/look.qss"));
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("/tmp/look.qss"));
    }

    void about()
    {
        QString title;
        QString text;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        m_editor->slotAbout();
        QCOMPARE(title, QStringLiteral("About"));
        QCOMPARE(text, QStringLiteral("CSS Style Editor"));
    }

    void closingDeletesTheWindowButKeepsTheSheet()
    {
        m_editor->document()->setPlainText(QStringLiteral("QLabel{color: blue;}"));
        m_editor->slotApply();
        QPointer<CssEditor> editor = m_editor;
        editor->close();
        QTRY_VERIFY(editor.isNull());
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color: blue;}"));
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestCssEditor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_csseditor.moc"
