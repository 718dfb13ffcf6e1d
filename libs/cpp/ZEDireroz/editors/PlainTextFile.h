#pragma once
// How a plain-text file is written down: its encoding, whether it starts with
// a byte-order mark, and its line ends. Reading a file finds them, and writing
// the text again puts them back, so a file that was not edited is saved byte
// for byte as it was read, whichever program wrote it.

#include <QByteArray>
#include <QString>

namespace ZEDireroz {

struct PlainTextFormat
{
    // The name of the QTextCodec that reads and writes the text.
    QByteArray codec = QByteArrayLiteral("UTF-8");
    bool byteOrderMark = false;
    // "\n", "\r\n" or "\r".
    QString lineEnd = QStringLiteral("\n");
};

struct PlainText
{
    // The text with "\n" for every line end.
    QString text;
    PlainTextFormat format;
};

// Reads bytes: by their byte-order mark (UTF-8, UTF-16 or UTF-32 in either
// byte order), else as UTF-8 when they are valid UTF-8, else in the system's
// 8-bit encoding, or Latin-1 where the system has none that holds them. Only an
// encoding that gives back the very same bytes is taken, and Latin-1 holds
// every byte, so nothing is ever replaced. The first line end sets the style.
PlainText readPlainText(QByteArray const& bytes);

// Writes text (with "\n" line ends) in format; false, with bytes untouched,
// when the encoding cannot hold every character of the text.
bool writePlainText(QString const& text, PlainTextFormat const& format, QByteArray* bytes);

} // namespace ZEDireroz
