// The file side of the rich-text window: new, open, save, the question about
// unsaved changes, printing, print preview and PDF export.
#include "ZEDireroz/editors/TextEdit.h"

#include "MTools/WholeFile.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/editors/PlainTextSave.h"
#include "ZEDireroz/editors/TextFileKind.h"
#include "ZEDireroz/frame/FileDialog.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextEdit>

namespace {

// The writer's format for a file name, by its suffix without regard to case;
// empty for a suffix the document cannot be written in.
QByteArray writerFormat(QString const& path)
{
    QByteArray const suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "odt" || suffix == "htm" || suffix == "html" || suffix == "txt")
        return suffix;
    return QByteArray();
}

QString shownPath(QString const& path)
{
    return QDir::toNativeSeparators(path);
}

// Only a file named as HTML is read as rich text: a text file that merely
// holds something like markup must come back with its tags and line breaks
// when it is saved again.
bool mayHoldHtml(QString const& path)
{
    QString const suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
}

// HTML in the encoding its mark or its declared character set names; without
// either, in UTF-8 where the bytes are valid UTF-8 (as most HTML written today
// is), else in Latin-1.
QString htmlText(QByteArray const& data)
{
    QTextCodec* codec = QTextCodec::codecForHtml(data, nullptr);
    if (!codec)
        codec = QTextCodec::codecForName(ZEDireroz::isUtf8(data) ? "UTF-8" : "ISO-8859-1");
    return codec->toUnicode(data);
}

} // namespace

bool TextEdit::load(QString const& f)
{
    return loadFile(f, nullptr);
}

bool TextEdit::loadFile(QString const& f, QString* problem)
{
    MTools::WholeFileRead const read = MTools::readWholeFile(f, ZEDireroz::kMaxTextFileBytes);
    QString refused = read.reason;
    if (read.ok()) {
        switch (ZEDireroz::fileKind(read.bytes)) {
        case ZEDireroz::FileKind::Text:
            break;
        case ZEDireroz::FileKind::OpenDocument:
            refused = tr("It is an OpenDocument file, which this window writes but cannot read back.\n"
                         "Documents saved as HTML open here again.");
            break;
        case ZEDireroz::FileKind::NotText:
            refused = tr("It is not a text file: it holds a picture, an archive or other binary data.");
            break;
        }
    }
    // Shown, its bytes would be saved over the file as text.
    if (!refused.isEmpty()) {
        if (problem)
            *problem = refused;
        return false;
    }
    QByteArray const& data = read.bytes;

    m_plainTextFormat = ZEDireroz::PlainTextFormat();
    QString const html = mayHoldHtml(f) ? htmlText(data) : QString();
    if (!html.isNull() && Qt::mightBeRichText(html)) {
        m_pTextEdit->setHtml(html);
    } else {
        // Every byte is decoded, zero bytes included: text after a zero byte
        // must still be there when the file is saved again.
        ZEDireroz::PlainText const plain = ZEDireroz::readPlainText(data);
        m_plainTextFormat = plain.format;
        m_pTextEdit->setPlainText(plain.text);
    }
    setCurrentFileName(f);
    return true;
}

bool TextEdit::maybeSave()
{
    if (!m_pTextEdit->document()->isModified())
        return true;
    // A document from the program's own resources cannot be saved back.
    if (m_fileName.startsWith(QLatin1String(":/")))
        return true;
    QMessageBox::StandardButton const ret = QMessageBox::warning(
        this, tr("Application"), tr("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::NoButton);
    if (ret == QMessageBox::Save)
        return slotFileSave();
    if (ret == QMessageBox::Cancel)
        return false;
    return true;
}

void TextEdit::slotFileNew()
{
    if (!maybeSave())
        return;
    m_pTextEdit->clear();
    m_plainTextFormat = ZEDireroz::PlainTextFormat();
    setCurrentFileName(QString());
}

void TextEdit::slotFileOpen()
{
    if (!maybeSave())
        return;
    QString const fn = ZEDireroz::FileDialog::getOpenFileName(this, tr("Open File..."), QString(),
                                                              tr("HTML-Files (*.htm *.html);;All Files (*)"));
    if (fn.isEmpty())
        return;
    QString problem;
    if (!loadFile(fn, &problem))
        showFileError(tr("The file %1 could not be opened:\n%2").arg(shownPath(fn), problem));
}

bool TextEdit::slotFileSave()
{
    if (m_fileName.isEmpty())
        return slotFileSaveAs();
    if (writerFormat(m_fileName).isEmpty()) {
        showFileError(tr("%1 cannot be saved in this format.\nChoose a name ending in .odt, .html or .txt.")
                          .arg(QFileInfo(m_fileName).fileName()));
        return slotFileSaveAs();
    }
    if (!writeDocument(m_fileName))
        return false;
    m_pTextEdit->document()->setModified(false);
    return true;
}

bool TextEdit::slotFileSaveAs()
{
    // HTML first: the window reads back what it wrote. OpenDocument is written
    // for a name that asks for it, but the window cannot open it again.
    QString const chosen = ZEDireroz::FileDialog::getSaveFileName(
        this, tr("Save as..."), QString(), tr("HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)"));
    if (chosen.isEmpty())
        return false;
    QString fn = chosen;
    if (!(fn.endsWith(QLatin1String(".odt"), Qt::CaseInsensitive)
          || fn.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)
          || fn.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)))
        fn += QLatin1String(".html");
    if (!mayReplace(chosen, fn))
        return false;
    // The new name is taken only once the document is in the file, so that a
    // failed write never looks saved.
    if (!writeDocument(fn))
        return false;
    setCurrentFileName(fn);
    return true;
}

bool TextEdit::writeDocument(QString const& path)
{
    // The writer closes its device when it is done with an OpenDocument file,
    // which a save file does not allow before commit(): the document is
    // written to memory first, then put in place in one step. Plain text is
    // written here, in the form its file came in.
    QByteArray content;
    // The plain-text form is taken on only once the file holds it.
    ZEDireroz::PlainTextFormat plainTextFormat = m_plainTextFormat;
    if (writerFormat(path) == "txt") {
        if (!plainTextBytes(path, &plainTextFormat, &content))
            return false;
    } else {
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, writerFormat(path));
        if (!writer.write(m_pTextEdit->document())) {
            showFileError(tr("The document could not be saved as %1:\n%2")
                              .arg(shownPath(path), tr("The document could not be converted.")));
            return false;
        }
    }
    QString reason;
    if (MTools::writeWholeFile(path, content, &reason)) {
        m_plainTextFormat = plainTextFormat;
        return true;
    }
    showFileError(tr("The document could not be saved as %1:\n%2").arg(shownPath(path), reason));
    return false;
}

bool TextEdit::plainTextBytes(QString const& path, ZEDireroz::PlainTextFormat* format, QByteArray* bytes)
{
    ZEDireroz::PlainTextSave const result = ZEDireroz::encodeForSave(
        this, tr("Rich Text"), path, ZEDireroz::plainTextOf(m_pTextEdit->document()), format, bytes);
    if (result == ZEDireroz::PlainTextSave::Failed)
        showFileError(tr("The document could not be saved as %1:\n%2")
                          .arg(shownPath(path), tr("The document could not be converted.")));
    return result == ZEDireroz::PlainTextSave::Encoded;
}

// The file dialog has asked about replacing the file the user named; a suffix
// added afterwards names another file, which must not be replaced unasked.
bool TextEdit::mayReplace(QString const& chosen, QString const& path)
{
    if (path == chosen || !QFileInfo::exists(path))
        return true;
    int const answer = ZEDireroz::MessageBox::warning(
        this, tr("Rich Text"), tr("%1 already exists.\nDo you want to replace it?").arg(shownPath(path)),
        QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void TextEdit::showFileError(QString const& text)
{
    ZEDireroz::MessageBox::warning(this, tr("Rich Text"), text, QMessageBox::Ok);
}

void TextEdit::slotFilePrint()
{
    QPrinter printer(QPrinter::HighResolution);
    QPointer<QPrintDialog> dlg = new QPrintDialog(&printer, this);
    if (m_pTextEdit->textCursor().hasSelection())
        dlg->setOption(QAbstractPrintDialog::PrintSelection);
    dlg->setWindowTitle(tr("Print Document"));
    if (dlg->exec() == QDialog::Accepted) {
        m_pTextEdit->print(&printer);
        if (printer.printerState() == QPrinter::Error)
            showFileError(tr("The document could not be printed."));
    }
    delete dlg.data();
}

void TextEdit::slotFilePrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &TextEdit::printPreview);
    preview.exec();
}

void TextEdit::printPreview(QPrinter* printer)
{
    m_pTextEdit->print(printer);
}

void TextEdit::slotFilePrintPdf()
{
    QString const chosen =
        ZEDireroz::FileDialog::getSaveFileName(this, QStringLiteral("Export PDF"), QString(), QStringLiteral("*.pdf"));
    if (chosen.isEmpty())
        return;
    QString fileName = chosen;
    // A PDF always carries its own suffix, so that it never lands in a file
    // that claims to hold something else.
    if (QFileInfo(fileName).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        fileName += QLatin1String(".pdf");
    if (!mayReplace(chosen, fileName))
        return;

    // The printer writes to a file of its own; the chosen file is replaced only
    // by a complete PDF, so a failed export leaves an earlier one whole.
    QTemporaryFile temp(QDir::tempPath() + QStringLiteral("/richtext-XXXXXX.pdf"));
    QByteArray pdf;
    if (temp.open()) {
        temp.close();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temp.fileName());
        m_pTextEdit->document()->print(&printer);
        if (printer.printerState() != QPrinter::Error && temp.open())
            pdf = temp.readAll();
    }
    if (!pdf.startsWith("%PDF")) {
        showFileError(tr("The PDF could not be written to %1:\n%2")
                          .arg(shownPath(fileName), tr("The document could not be printed.")));
        return;
    }
    QString reason;
    if (!MTools::writeWholeFile(fileName, pdf, &reason))
        showFileError(tr("The PDF could not be written to %1:\n%2").arg(shownPath(fileName), reason));
}

// Embedded in another widget, the window cannot be brought back once hidden:
// closing it (Quit) closes the document instead, as New does, and the window
// stays in place.
void TextEdit::closeEvent(QCloseEvent* event)
{
    if (!isWindow()) {
        event->ignore();
        slotFileNew();
        return;
    }
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
