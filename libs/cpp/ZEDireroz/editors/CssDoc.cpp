#include "ZEDireroz/editors/CssDoc.h"

#include "MTools/WholeFile.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/editors/CssSyntaxHighlighter.h"
#include "ZEDireroz/editors/PlainTextSave.h"
#include "ZEDireroz/editors/TextFileKind.h"
#include "ZEDireroz/frame/FileDialog.h"

#include <QDir>
#include <QFont>
#include <QMessageBox>

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
    // A file larger than the text area can hold is refused before it is read.
    MTools::WholeFileRead const read = MTools::readWholeFile(name, kMaxTextFileBytes);
    if (!read.ok()) {
        showFileError(
            tr("The style sheet %1 could not be opened:\n%2").arg(QDir::toNativeSeparators(name), read.reason));
        return;
    }
    // Read as the rich-text window reads plain text, so that a sheet saved
    // without an edit keeps its encoding, its mark and its line ends.
    PlainText const sheet = readPlainText(read.bytes);
    setPlainText(sheet.text);
    m_format = sheet.format;
    m_fileName = name;
    emit changeWindowTitle(m_fileName);
}

void CssDoc::slotSave()
{
    if (m_fileName.isEmpty()) {
        slotSaveAs();
        return;
    }
    PlainTextFormat format = m_format;
    QByteArray bytes;
    if (encodeForSave(this, tr("CSS Style Editor"), m_fileName, plainTextOf(document()), &format, &bytes)
        != PlainTextSave::Encoded)
        return;
    // Written beside the file and put in its place only when complete, so that a
    // failed write never leaves the old sheet truncated.
    QString reason;
    if (!MTools::writeWholeFile(m_fileName, bytes, &reason)) {
        showFileError(
            tr("The style sheet could not be saved as %1:\n%2").arg(QDir::toNativeSeparators(m_fileName), reason));
        return;
    }
    m_format = format;
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

void CssDoc::showFileError(QString const& text)
{
    MessageBox::warning(this, tr("CSS Style Editor"), text, QMessageBox::Ok);
}

} // namespace ZEDireroz
