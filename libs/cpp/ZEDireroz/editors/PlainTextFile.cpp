#include "ZEDireroz/editors/PlainTextFile.h"

#include <QTextCodec>

namespace ZEDireroz {

namespace {

struct ByteOrderMark
{
    char const* bytes;
    int size;
    char const* codec;
};

// UTF-32 LE first: its mark begins with the mark of UTF-16 LE.
ByteOrderMark const kMarks[] = {
    {"\xef\xbb\xbf", 3, "UTF-8"}, {"\xff\xfe\x00\x00", 4, "UTF-32LE"}, {"\x00\x00\xfe\xff", 4, "UTF-32BE"},
    {"\xff\xfe", 2, "UTF-16LE"},  {"\xfe\xff", 2, "UTF-16BE"},
};

char const* const kLatin1 = "ISO-8859-1";

QByteArray markOf(QByteArray const& codec)
{
    for (ByteOrderMark const& mark : kMarks) {
        if (codec == mark.codec)
            return QByteArray(mark.bytes, mark.size);
    }
    return QByteArray();
}

// The codec's own marks are left alone: a mark is read and written here, and a
// U+FEFF inside the text stays a character.
bool encode(QTextCodec* codec, QString const& text, QByteArray* bytes)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QByteArray const encoded = codec->fromUnicode(text.constData(), text.size(), &state);
    QTextCodec::ConverterState back(QTextCodec::IgnoreHeader);
    if (state.invalidChars != 0 || codec->toUnicode(encoded.constData(), encoded.size(), &back) != text)
        return false;
    *bytes = encoded;
    return true;
}

// The text when codec reads the bytes without loss and writes the same bytes again.
bool decode(QTextCodec* codec, QByteArray const& bytes, QString* text)
{
    if (!codec)
        return false;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString const decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    QByteArray again;
    if (state.invalidChars != 0 || state.remainingChars != 0 || !encode(codec, decoded, &again) || again != bytes)
        return false;
    *text = decoded;
    return true;
}

// The system's 8-bit encoding; Latin-1 on a system whose encoding is UTF-8.
QTextCodec* systemEightBitCodec()
{
    QTextCodec* codec = QTextCodec::codecForLocale();
    if (!codec || codec->mibEnum() == 106 || codec->name().startsWith("UTF-"))
        return QTextCodec::codecForName(kLatin1);
    return codec;
}

PlainText withLineEnds(QString text, PlainTextFormat format)
{
    int end = 0;
    while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
        ++end;
    if (end < text.size() && text.at(end) == QLatin1Char('\r'))
        format.lineEnd = text.midRef(end, 2) == QLatin1String("\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\r");
    else
        format.lineEnd = QStringLiteral("\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return PlainText{text, format};
}

} // namespace

PlainText readPlainText(QByteArray const& bytes)
{
    PlainTextFormat format;
    QString text;
    for (ByteOrderMark const& mark : kMarks) {
        if (!bytes.startsWith(QByteArray::fromRawData(mark.bytes, mark.size)))
            continue;
        if (decode(QTextCodec::codecForName(mark.codec), bytes.mid(mark.size), &text)) {
            format.codec = mark.codec;
            format.byteOrderMark = true;
            return withLineEnds(text, format);
        }
    }
    if (decode(QTextCodec::codecForName("UTF-8"), bytes, &text))
        return withLineEnds(text, format);
    QTextCodec* codec = systemEightBitCodec();
    if (!decode(codec, bytes, &text))
        codec = QTextCodec::codecForName(kLatin1);
    decode(codec, bytes, &text);
    format.codec = codec->name();
    return withLineEnds(text, format);
}

bool writePlainText(QString const& text, PlainTextFormat const& format, QByteArray* bytes)
{
    QTextCodec* codec = QTextCodec::codecForName(format.codec);
    QByteArray encoded;
    if (!codec || !encode(codec, QString(text).replace(QLatin1Char('\n'), format.lineEnd), &encoded))
        return false;
    *bytes = (format.byteOrderMark ? markOf(format.codec) : QByteArray()) + encoded;
    return true;
}

} // namespace ZEDireroz
