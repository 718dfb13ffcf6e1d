#include "ZEDireroz/editors/PlainTextFile.h"

#include <QHash>
#include <QTextCodec>

#include <algorithm>
#include <cstring>
#include <utility>

// Every encoding Unicode defines is read and written here in one pass, checking
// as it goes: an encoding is taken only when the bytes are exactly what it
// writes, so the text written back without an edit is the same bytes. Only a
// system 8-bit encoding other than Latin-1 goes through QTextCodec.

namespace ZEDireroz {

namespace {

enum class Utf { Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Latin1, Other };

struct ByteOrderMark
{
    char const* bytes;
    int size;
    char const* codec;
    Utf utf;
};

// UTF-32 LE first: its mark begins with the mark of UTF-16 LE.
ByteOrderMark const kMarks[] = {
    {"\xef\xbb\xbf", 3, "UTF-8", Utf::Utf8},           {"\xff\xfe\x00\x00", 4, "UTF-32LE", Utf::Utf32LE},
    {"\x00\x00\xfe\xff", 4, "UTF-32BE", Utf::Utf32BE}, {"\xff\xfe", 2, "UTF-16LE", Utf::Utf16LE},
    {"\xfe\xff", 2, "UTF-16BE", Utf::Utf16BE},
};

char const* const kLatin1 = "ISO-8859-1";
char32_t const kLastCodePoint = 0x10ffff;

QByteArray markOf(QByteArray const& codec)
{
    for (ByteOrderMark const& mark : kMarks) {
        if (codec == mark.codec)
            return QByteArray(mark.bytes, mark.size);
    }
    return QByteArray();
}

Utf utfOf(QByteArray const& codec)
{
    for (ByteOrderMark const& mark : kMarks) {
        if (codec == mark.codec)
            return mark.utf;
    }
    if (codec == kLatin1 || codec == "ISO 8859-1" || codec == "latin1")
        return Utf::Latin1;
    return Utf::Other;
}

bool isSurrogate(char32_t c)
{
    return c >= 0xd800 && c <= 0xdfff;
}

// --- Reading ---------------------------------------------------------------

// The character of an n-byte UTF-8 sequence at p, or -1 where it is not valid.
long utf8Sequence(unsigned char const* p, unsigned char const* end)
{
    unsigned char const lead = p[0];
    int size = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        size = 2;
        c = lead & 0x1f;
        least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        size = 3;
        c = lead & 0x0f;
        least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        size = 4;
        c = lead & 0x07;
        least = 0x10000;
    } else {
        return -1;
    }
    if (end - p < size)
        return -1;
    for (int i = 1; i < size; ++i) {
        if ((p[i] & 0xc0) != 0x80)
            return -1;
        c = (c << 6) | (p[i] & 0x3f);
    }
    if (c < least || c > kLastCodePoint || isSurrogate(c))
        return -1;
    return long(c) | (long(size) << 24);
}

quint64 const kHighBits = 0x8080808080808080ull;

quint64 loadEight(unsigned char const* p)
{
    quint64 eight;
    std::memcpy(&eight, p, sizeof eight);
    return eight;
}

void appendCodePoint(char32_t c, ushort*& out)
{
    if (c < 0x10000) {
        *out++ = ushort(c);
    } else {
        *out++ = QChar::highSurrogate(c);
        *out++ = QChar::lowSurrogate(c);
    }
}

bool decodeUtf8(QByteArray const& bytes, QString* text)
{
    auto const* p = reinterpret_cast<unsigned char const*>(bytes.constData());
    auto const* const end = p + bytes.size();
    QString decoded(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<ushort*>(decoded.data());
    ushort* const start = out;
    while (p < end) {
        if (*p < 0x80) {
            // Most text is ASCII: eight bytes at a time while it lasts.
            while (end - p >= 8 && (loadEight(p) & kHighBits) == 0) {
                for (int i = 0; i < 8; ++i)
                    out[i] = p[i];
                out += 8;
                p += 8;
            }
            if (p < end && *p < 0x80)
                *out++ = *p++;
            continue;
        }
        long const sequence = utf8Sequence(p, end);
        if (sequence < 0)
            return false;
        appendCodePoint(char32_t(sequence & 0x1fffff), out);
        p += sequence >> 24;
    }
    decoded.resize(int(out - start));
    *text = decoded;
    return true;
}

// UTF-16 with every surrogate in a pair: such text is written back as the same bytes.
bool decodeUtf16(QByteArray const& bytes, bool littleEndian, QString* text)
{
    if (bytes.size() % 2 != 0)
        return false;
    int const units = bytes.size() / 2;
    auto const* p = reinterpret_cast<unsigned char const*>(bytes.constData());
    QString decoded(units, Qt::Uninitialized);
    auto* out = reinterpret_cast<ushort*>(decoded.data());
    for (int i = 0; i < units; ++i, p += 2)
        out[i] = littleEndian ? ushort(p[0] | p[1] << 8) : ushort(p[0] << 8 | p[1]);
    for (int i = 0; i < units; ++i) {
        if (QChar::isHighSurrogate(out[i]) && i + 1 < units && QChar::isLowSurrogate(out[i + 1]))
            ++i;
        else if (QChar::isSurrogate(out[i]))
            return false;
    }
    *text = decoded;
    return true;
}

bool decodeUtf32(QByteArray const& bytes, bool littleEndian, QString* text)
{
    if (bytes.size() % 4 != 0)
        return false;
    auto const* p = reinterpret_cast<unsigned char const*>(bytes.constData());
    auto const* const end = p + bytes.size();
    QString decoded(bytes.size() / 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<ushort*>(decoded.data());
    ushort* const start = out;
    for (; p < end; p += 4) {
        char32_t const c = littleEndian
                               ? char32_t(p[0]) | char32_t(p[1]) << 8 | char32_t(p[2]) << 16 | char32_t(p[3]) << 24
                               : char32_t(p[3]) | char32_t(p[2]) << 8 | char32_t(p[1]) << 16 | char32_t(p[0]) << 24;
        if (c > kLastCodePoint || isSurrogate(c))
            return false;
        appendCodePoint(c, out);
    }
    decoded.resize(int(out - start));
    *text = decoded;
    return true;
}

// UTF-32 without a mark: every code unit a character, none of them zero, and
// most of them in the first plane (as UTF-16 text read as UTF-32 is not).
bool plainlyUtf32(QString const& text)
{
    int outside = 0;
    for (QChar const c : text) {
        if (c.unicode() == 0)
            return false;
        if (c.isHighSurrogate())
            ++outside;
    }
    return !text.isEmpty() && 2 * outside <= text.size() - outside;
}

// UTF-16 without a mark: text whose characters are mostly in Latin-1 has a
// zero in every other byte, which no other text has; a zero character is
// taken as a sign of something else.
bool plainlyUtf16(QString const& text)
{
    int latin1 = 0;
    for (QChar const c : text) {
        if (c.unicode() == 0)
            return false;
        if (c.unicode() < 0x100)
            ++latin1;
    }
    return !text.isEmpty() && 2 * latin1 >= text.size();
}

// The text when codec reads the bytes without loss and writes the same bytes again.
bool decodeWithCodec(QTextCodec* codec, QByteArray const& bytes, QString* text)
{
    if (!codec)
        return false;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString const decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0)
        return false;
    QTextCodec::ConverterState back(QTextCodec::IgnoreHeader);
    if (codec->fromUnicode(decoded.constData(), decoded.size(), &back) != bytes || back.invalidChars != 0)
        return false;
    *text = decoded;
    return true;
}

// The system's 8-bit encoding; none on a system whose encoding is UTF-8.
QTextCodec* systemEightBitCodec()
{
    QTextCodec* codec = QTextCodec::codecForLocale();
    if (!codec || codec->mibEnum() == 106 || codec->mibEnum() == 4 || codec->name().startsWith("UTF-"))
        return nullptr;
    return codec;
}

bool isOwnLineBreak(ushort c)
{
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == 0xfdd0 || c == 0xfdd1;
}

LineEnd ownLineBreak(ushort c)
{
    switch (c) {
    case QChar::LineSeparator:
        return LineEnd::LineSeparator;
    case QChar::ParagraphSeparator:
        return LineEnd::ParagraphSeparator;
    case 0xfdd0:
        return LineEnd::Fdd0;
    default:
        return LineEnd::Fdd1;
    }
}

// Puts "\n" for every line end, in place, and notes each line end that is not
// the file's style.
PlainText withLineEnds(QString text, PlainTextFormat format)
{
    format.lineEnd = LineEnd::Lf;
    bool styleFound = false;
    int const size = text.size();
    auto* chars = reinterpret_cast<ushort*>(text.data());
    int to = 0;
    for (int from = 0; from < size; ++from) {
        ushort const c = chars[from];
        bool const cr = c == '\r';
        if (c != '\n' && !cr && !isOwnLineBreak(c)) {
            chars[to++] = c;
            continue;
        }
        LineEnd end = LineEnd::Lf;
        if (cr) {
            end = from + 1 < size && chars[from + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            if (end == LineEnd::CrLf)
                ++from;
        } else if (c != '\n') {
            end = ownLineBreak(c);
        }
        bool const ownStyle = end == LineEnd::Lf || end == LineEnd::CrLf || end == LineEnd::Cr;
        if (ownStyle && !styleFound) {
            format.lineEnd = end;
            styleFound = true;
        } else if (end != format.lineEnd || !styleFound) {
            format.otherLineEnds.append({to, end});
        }
        chars[to++] = '\n';
    }
    text.resize(to);
    if (!format.otherLineEnds.isEmpty())
        format.text = text;
    return PlainText{text, format};
}

// --- Writing ---------------------------------------------------------------

QString lineEndText(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return QStringLiteral("\n");
    case LineEnd::CrLf:
        return QStringLiteral("\r\n");
    case LineEnd::Cr:
        return QStringLiteral("\r");
    case LineEnd::LineSeparator:
        return QString(QChar::LineSeparator);
    case LineEnd::ParagraphSeparator:
        return QString(QChar::ParagraphSeparator);
    case LineEnd::Fdd0:
        return QString(QChar(0xfdd0));
    case LineEnd::Fdd1:
        return QString(QChar(0xfdd1));
    }
    return QStringLiteral("\n");
}

// The line of text that the "\n" at position ends.
QStringRef lineEndingAt(QString const& text, int position)
{
    int const start = position > 0 ? text.lastIndexOf(QLatin1Char('\n'), position - 1) + 1 : 0;
    return text.midRef(start, position - start);
}

// The line ends of the format that text still holds where it was read: the
// lines before the first change and after the last one keep theirs, and so do
// the lines in between: by their order when none was added or removed there,
// else by their text.
QVector<PlainTextFormat::OtherLineEnd> otherLineEndsIn(QString const& text, PlainTextFormat const& format)
{
    QVector<PlainTextFormat::OtherLineEnd> kept;
    if (format.otherLineEnds.isEmpty())
        return kept;
    QString const& old = format.text;
    int const shorter = std::min(old.size(), text.size());
    int prefix = 0;
    while (prefix < shorter && old.at(prefix) == text.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix && old.at(old.size() - 1 - suffix) == text.at(text.size() - 1 - suffix))
        ++suffix;
    int const oldMiddleEnd = old.size() - suffix;
    int const newMiddleEnd = text.size() - suffix;
    int const shift = text.size() - old.size();

    // The line ends of the changed middle, old and new, by their order there.
    QVector<int> oldBreaks;
    QVector<int> newBreaks;
    for (int i = prefix; i < oldMiddleEnd; ++i) {
        if (old.at(i) == QLatin1Char('\n'))
            oldBreaks.append(i);
    }
    for (int i = prefix; i < newMiddleEnd; ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            newBreaks.append(i);
    }
    // A line end there goes with the next line of the same text, in order, as
    // a line moved by lines added or removed above it; a line edited in place
    // keeps its line end where no line was added or removed.
    bool const sameCount = oldBreaks.size() == newBreaks.size();
    QHash<QStringRef, QVector<int>> newLines;
    for (int i = 0; i < newBreaks.size(); ++i)
        newLines[lineEndingAt(text, newBreaks.at(i))].append(i);
    int next = 0;
    for (PlainTextFormat::OtherLineEnd const& other : format.otherLineEnds) {
        if (other.at < prefix) {
            kept.append(other);
            continue;
        }
        if (other.at >= oldMiddleEnd) {
            kept.append({other.at + shift, other.end});
            continue;
        }
        int const index = int(std::lower_bound(oldBreaks.cbegin(), oldBreaks.cend(), other.at) - oldBreaks.cbegin());
        QStringRef const line = lineEndingAt(old, other.at);
        int target = -1;
        if (sameCount && index >= next && lineEndingAt(text, newBreaks.at(index)) == line) {
            target = index;
        } else {
            QVector<int> const candidates = newLines.value(line);
            auto const found = std::lower_bound(candidates.cbegin(), candidates.cend(), next);
            if (found != candidates.cend())
                target = *found;
            else if (sameCount && index >= next)
                target = index;
        }
        if (target >= 0) {
            kept.append({newBreaks.at(target), other.end});
            next = target + 1;
        }
    }
    return kept;
}

// Puts one character in the encoding at out; the caller has made room for it.
char* put(Utf utf, char32_t c, char* out)
{
    switch (utf) {
    case Utf::Utf8:
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xc0 | c >> 6);
            *out++ = char(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            *out++ = char(0xe0 | c >> 12);
            *out++ = char(0x80 | (c >> 6 & 0x3f));
            *out++ = char(0x80 | (c & 0x3f));
        } else {
            *out++ = char(0xf0 | c >> 18);
            *out++ = char(0x80 | (c >> 12 & 0x3f));
            *out++ = char(0x80 | (c >> 6 & 0x3f));
            *out++ = char(0x80 | (c & 0x3f));
        }
        return out;
    case Utf::Utf16LE:
    case Utf::Utf16BE:
        if (c >= 0x10000) {
            out = put(utf, QChar::highSurrogate(c), out);
            return put(utf, QChar::lowSurrogate(c), out);
        }
        *out++ = char(utf == Utf::Utf16LE ? c & 0xff : c >> 8);
        *out++ = char(utf == Utf::Utf16LE ? c >> 8 : c & 0xff);
        return out;
    case Utf::Utf32LE:
        for (int shift = 0; shift < 32; shift += 8)
            *out++ = char(c >> shift & 0xff);
        return out;
    case Utf::Utf32BE:
        for (int shift = 24; shift >= 0; shift -= 8)
            *out++ = char(c >> shift & 0xff);
        return out;
    case Utf::Latin1:
    case Utf::Other:
        *out++ = char(c);
        return out;
    }
    return out;
}

// The most bytes one UTF-16 code unit of the text can take, a "\n" written as
// CR LF included.
int mostBytesPerUnit(Utf utf)
{
    switch (utf) {
    case Utf::Utf8:
        return 3;
    case Utf::Utf16LE:
    case Utf::Utf16BE:
        return 4;
    case Utf::Utf32LE:
    case Utf::Utf32BE:
        return 8;
    case Utf::Latin1:
    case Utf::Other:
        break;
    }
    return 2;
}

// Writes text in a Unicode encoding or Latin-1, each "\n" as the line end
// others or the style give it; false for a character the encoding cannot hold
// (a surrogate outside a pair is no character).
bool encodeText(Utf utf, QString const& text, LineEnd style, QVector<PlainTextFormat::OtherLineEnd> const& others,
                QByteArray* encoded)
{
    int const start = encoded->size();
    encoded->resize(start + text.size() * mostBytesPerUnit(utf));
    char* out = encoded->data() + start;
    auto const* chars = reinterpret_cast<ushort const*>(text.constData());
    int const size = text.size();
    int next = 0;
    for (int i = 0; i < size; ++i) {
        char32_t c = chars[i];
        if (c == '\n') {
            LineEnd const end = next < others.size() && others.at(next).at == i ? others.at(next++).end : style;
            if (end == LineEnd::CrLf || end == LineEnd::Cr)
                out = put(utf, '\r', out);
            if (end == LineEnd::CrLf || end == LineEnd::Lf) {
                out = put(utf, '\n', out);
            } else if (end != LineEnd::Cr) {
                ushort const unit = lineEndText(end).at(0).unicode();
                if (utf == Utf::Latin1)
                    return false;
                out = put(utf, unit, out);
            }
            continue;
        }
        if (c >= 0x80 && utf == Utf::Latin1) {
            if (c > 0xff)
                return false;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(chars[i + 1])) {
            c = QChar::surrogateToUcs4(ushort(c), chars[++i]);
        } else if (isSurrogate(c)) {
            return false;
        }
        out = put(utf, c, out);
    }
    encoded->resize(int(out - encoded->constData()));
    return true;
}

// Through the codec, checked by reading the bytes back.
bool encodeWithCodec(QTextCodec* codec, QString const& text, QByteArray* out)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QByteArray const encoded = codec->fromUnicode(text.constData(), text.size(), &state);
    QTextCodec::ConverterState back(QTextCodec::IgnoreHeader);
    if (state.invalidChars != 0 || codec->toUnicode(encoded.constData(), encoded.size(), &back) != text)
        return false;
    out->append(encoded);
    return true;
}

// The text with every "\n" put back as the line end it stands for.
QString withLineEndsWritten(QString const& text, LineEnd style, QVector<PlainTextFormat::OtherLineEnd> const& others)
{
    QString full;
    full.reserve(text.size() + text.size() / 8);
    int from = 0;
    int next = 0;
    for (int i = text.indexOf(QLatin1Char('\n')); i >= 0; i = text.indexOf(QLatin1Char('\n'), i + 1)) {
        full.append(text.midRef(from, i - from));
        bool const other = next < others.size() && others.at(next).at == i;
        full.append(lineEndText(other ? others.at(next++).end : style));
        from = i + 1;
    }
    full.append(text.midRef(from));
    return full;
}

} // namespace

PlainText readPlainText(QByteArray const& bytes)
{
    PlainTextFormat format;
    QString text;
    for (ByteOrderMark const& mark : kMarks) {
        if (!bytes.startsWith(QByteArray::fromRawData(mark.bytes, mark.size)))
            continue;
        QByteArray const body = QByteArray::fromRawData(bytes.constData() + mark.size, bytes.size() - mark.size);
        bool const read = mark.utf == Utf::Utf8      ? decodeUtf8(body, &text)
                          : mark.utf == Utf::Utf16LE ? decodeUtf16(body, true, &text)
                          : mark.utf == Utf::Utf16BE ? decodeUtf16(body, false, &text)
                                                     : decodeUtf32(body, mark.utf == Utf::Utf32LE, &text);
        if (read) {
            format.codec = mark.codec;
            format.byteOrderMark = true;
            return withLineEnds(std::move(text), format);
        }
    }
    // Zero bytes are rare in 8-bit text and in UTF-8, and common in UTF-16 and UTF-32.
    if (bytes.contains('\0')) {
        struct Unmarked
        {
            char const* codec;
            bool (*decode)(QByteArray const&, QString*);
            bool (*plainly)(QString const&);
        };
        Unmarked const unmarked[] = {
            {"UTF-32LE", [](QByteArray const& b, QString* t) { return decodeUtf32(b, true, t); }, plainlyUtf32},
            {"UTF-32BE", [](QByteArray const& b, QString* t) { return decodeUtf32(b, false, t); }, plainlyUtf32},
            {"UTF-16LE", [](QByteArray const& b, QString* t) { return decodeUtf16(b, true, t); }, plainlyUtf16},
            {"UTF-16BE", [](QByteArray const& b, QString* t) { return decodeUtf16(b, false, t); }, plainlyUtf16},
        };
        for (Unmarked const& candidate : unmarked) {
            if (candidate.decode(bytes, &text) && candidate.plainly(text)) {
                format.codec = candidate.codec;
                return withLineEnds(std::move(text), format);
            }
        }
    }
    if (decodeUtf8(bytes, &text))
        return withLineEnds(std::move(text), format);
    QTextCodec* const system = systemEightBitCodec();
    if (system && decodeWithCodec(system, bytes, &text)) {
        format.codec = system->name();
        return withLineEnds(std::move(text), format);
    }
    format.codec = kLatin1;
    return withLineEnds(QString::fromLatin1(bytes.constData(), bytes.size()), format);
}

bool writePlainText(QString const& text, PlainTextFormat const& format, QByteArray* bytes, PlainTextFormat* written)
{
    Utf const utf = utfOf(format.codec);
    QTextCodec* const codec = utf == Utf::Other ? QTextCodec::codecForName(format.codec) : nullptr;
    if (utf == Utf::Other && !codec)
        return false;
    QVector<PlainTextFormat::OtherLineEnd> const others = otherLineEndsIn(text, format);
    QByteArray encoded = format.byteOrderMark ? markOf(format.codec) : QByteArray();
    bool const done = utf == Utf::Other
                          ? encodeWithCodec(codec, withLineEndsWritten(text, format.lineEnd, others), &encoded)
                          : encodeText(utf, text, format.lineEnd, others, &encoded);
    if (!done)
        return false;
    *bytes = encoded;
    if (written) {
        *written = format;
        written->otherLineEnds = others;
        written->text = others.isEmpty() ? QString() : text;
    }
    return true;
}

bool isUtf8(QByteArray const& bytes)
{
    auto const* p = reinterpret_cast<unsigned char const*>(bytes.constData());
    auto const* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            while (end - p >= 8 && (loadEight(p) & kHighBits) == 0)
                p += 8;
            if (p < end && *p < 0x80)
                ++p;
            continue;
        }
        long const sequence = utf8Sequence(p, end);
        if (sequence < 0)
            return false;
        p += sequence >> 24;
    }
    return true;
}

} // namespace ZEDireroz
