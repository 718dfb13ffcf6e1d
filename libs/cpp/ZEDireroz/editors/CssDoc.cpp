#include "ZEDireroz/editors/CssDoc.h"

#include "ZEDireroz/editors/CssSyntaxHighlighter.h"
#include "ZEDireroz/frame/FileDialog.h"

#include <QFile>
#include <QFont>
#include <QSaveFile>
#include <QTextStream>

namespace ZEDireroz {

CssDoc::CssDoc(QWidget* parent)
    : QTextEdit(parent)
{
    new CssSyntaxHighlighter(document()); // owned by the document
    applyOwnPalette();
}

void CssDoc::applyOwnPalette()
{
    QFont font(QStringLiteral("Lucida Console"), 12, QFont::Normal, false);
    // Where that family is missing, a fixed-width one stands in.
    font.setStyleHint(QFont::TypeWriter);
    document()->setDefaultFont(font);
    setStyleSheet(QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
    // Setting a sheet hands the text edit the font the application's sheet gives
    // text edits, and the text edit passes it on to its document; the document's
    // own font is put back over it.
    document()->setDefaultFont(font);
}

void CssDoc::slotLoad()
{
    QString const name = FileDialog::getOpenFileName(this, QString(), QString(), QString(), nullptr, {});
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream in(&file);
    setPlainText(in.readAll());
    file.close();
    m_fileName = name;
    emit changeWindowTitle(m_fileName);
}

void CssDoc::slotSave()
{
    if (m_fileName.isEmpty()) {
        slotSaveAs();
        return;
    }
    // Written beside the file and put in its place only when complete, so that a
    // failed write never leaves the old sheet truncated.
    QSaveFile file(m_fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return;
    {
        QTextStream out(&file);
        out << toPlainText();
    }
    if (!file.commit())
        return;
    emit changeWindowTitle(m_fileName);
}

void CssDoc::slotSaveAs()
{
    QString const name = FileDialog::getSaveFileName(this, m_fileName, QString(), QString(), nullptr, {});
    if (name.isEmpty())
        return;
    m_fileName = name;
    slotSave();
}

} // namespace ZEDireroz
