#include "ZEDireroz/editors/CssDoc.h"

#include "MTools/WholeFile.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/editors/CssSyntaxHighlighter.h"
#include "ZEDireroz/editors/TextFileKind.h"
#include "ZEDireroz/frame/FileDialog.h"

#include <QDir>
#include <QFont>
#include <QMessageBox>
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
    // A file larger than the text area can hold is refused before it is read.
    MTools::WholeFileRead const read = MTools::readWholeFile(name, kMaxTextFileBytes);
    if (!read.ok()) {
        showFileError(
            tr("The style sheet %1 could not be opened:\n%2").arg(QDir::toNativeSeparators(name), read.reason));
        return;
    }
    QTextStream in(read.bytes);
    setPlainText(in.readAll());
    m_fileName = name;
    emit changeWindowTitle(m_fileName);
}

void CssDoc::slotSave()
{
    if (m_fileName.isEmpty()) {
        slotSaveAs();
        return;
    }
    QByteArray bytes;
    {
        QTextStream out(&bytes, QIODevice::WriteOnly);
        out << toPlainText();
    }
    // Written beside the file and put in its place only when complete, so that a
    // failed write never leaves the old sheet truncated.
    QString reason;
    if (!MTools::writeWholeFile(m_fileName, bytes, &reason)) {
        showFileError(
            tr("The style sheet could not be saved as %1:\n%2").arg(QDir::toNativeSeparators(m_fileName), reason));
        return;
    }
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
    MessageBox::warning(this, tr("Style Sheet"), text, QMessageBox::Ok);
}

} // namespace ZEDireroz
