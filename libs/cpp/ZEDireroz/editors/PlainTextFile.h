#pragma once
// How a plain-text file is written down: its encoding, whether it starts with
// a byte-order mark, and its line ends. Reading a file finds them, and writing
// the text again puts them back, so a file that was not edited is saved byte
// for byte as it was read, whichever program wrote it.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace ZEDireroz {

// The ways a line may end in a file. Besides CR and LF, the text box breaks a
// line at four characters of its own, which it cannot keep as characters: they
// are line ends here too, and written back as themselves.
enum class LineEnd : quint8 { Lf, CrLf, Cr, LineSeparator, ParagraphSeparator, Fdd0, Fdd1 };

struct PlainTextFormat
{
    // A line end that differs from the file's own style, by the place of its
    // "\n" in the text.
    struct OtherLineEnd
    {
        int at = 0;
        LineEnd end = LineEnd::Lf;
    };

    // The name of the QTextCodec that reads and writes the text.
    QByteArray codec = QByteArrayLiteral("UTF-8");
    bool byteOrderMark = false;
    // The file's style: its first CR, LF or CR LF.
    LineEnd lineEnd = LineEnd::Lf;
    // The line ends that differ from that style, in order, and the text they
    // belong to (empty when there are none). A later text is matched against
    // it, so that lines left as they were keep their line ends.
    QVector<OtherLineEnd> otherLineEnds;
    QString text;
};

struct PlainText
{
    // The text with "\n" for every line end.
    QString text;
    PlainTextFormat format;
};

// Reads bytes: by their byte-order mark (UTF-8, UTF-16 or UTF-32 in either
// byte order); else as UTF-32 or UTF-16 without a mark where the bytes plainly
// are (every code unit a character, most of them in Latin-1 and none zero);
// else as UTF-8 when they are valid UTF-8; else in the system's 8-bit encoding,
// or Latin-1 where the system has none that holds them. Only an encoding that
// gives back the very same bytes is taken, and Latin-1 holds every byte, so
// nothing is ever replaced. Every line end is kept in the format.
PlainText readPlainText(QByteArray const& bytes);

// Writes text (with "\n" line ends) in format: the lines that are as they were
// read keep their line ends, every other line gets the file's style. False,
// with bytes untouched, when the encoding cannot hold every character of the
// text. When written is given, it receives the format of the bytes written,
// for the next save of a later text.
bool writePlainText(QString const& text, PlainTextFormat const& format, QByteArray* bytes,
                    PlainTextFormat* written = nullptr);

// Whether bytes are valid UTF-8 (nothing above U+10FFFF, no surrogates, no
// overlong forms).
bool isUtf8(QByteArray const& bytes);

} // namespace ZEDireroz
