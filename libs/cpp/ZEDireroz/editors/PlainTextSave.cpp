#include "ZEDireroz/editors/PlainTextSave.h"

#include "ZEDireroz/dialogs/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextDocument>

namespace ZEDireroz {

QString plainTextOf(QTextDocument const* document)
{
    QString text = document->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfdd0) || c == QChar(0xfdd1))
            c = QLatin1Char('\n');
    }
    return text;
}

PlainTextSave encodeForSave(QWidget* parent, QString const& title, QString const& path, QString const& text,
                            PlainTextFormat* format, QByteArray* bytes)
{
    if (writePlainText(text, *format, bytes, format))
        return PlainTextSave::Encoded;
    int const answer = MessageBox::question(
        parent, title,
        QCoreApplication::translate("ZEDireroz::PlainTextSave",
                                    "%1 is written in %2, which cannot hold some of the characters of the document.\n"
                                    "Do you want to save it in UTF-8 instead?")
            .arg(QFileInfo(path).fileName(), QString::fromLatin1(format->codec)),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return PlainTextSave::Declined;
    // The same lines and line ends, in UTF-8 without a mark.
    PlainTextFormat utf8 = *format;
    utf8.codec = QByteArrayLiteral("UTF-8");
    utf8.byteOrderMark = false;
    if (!writePlainText(text, utf8, bytes, format))
        return PlainTextSave::Failed;
    return PlainTextSave::Encoded;
}

} // namespace ZEDireroz
