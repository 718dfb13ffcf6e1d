#include "vCardText_p.h"

#include <QTextCodec>

Q_LOGGING_CATEGORY(lcVCard, "tickwren.vcard")

namespace vCardText {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

namespace {

bool isBlankOrCr(char c)
{
    return isBlank(c) || c == '\r';
}

} // namespace

QByteArray trimmed(const QByteArray& bytes)
{
    int begin = 0;
    int end = bytes.size();
    while (begin < end && isBlankOrCr(bytes.at(begin)))
        ++begin;
    while (end > begin && isBlankOrCr(bytes.at(end - 1)))
        --end;
    return bytes.mid(begin, end - begin);
}

QByteArray trimmedFront(const QByteArray& bytes)
{
    int begin = 0;
    while (begin < bytes.size() && isBlankOrCr(bytes.at(begin)))
        ++begin;
    return bytes.mid(begin);
}

namespace {

template <typename Text>
Text withoutWhiteSpaceIn(const Text& text)
{
    Text result;
    result.reserve(text.size());
    for (const auto c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            result += c;
    }
    return result;
}

} // namespace

QByteArray withoutWhiteSpace(const QByteArray& bytes)
{
    return withoutWhiteSpaceIn(bytes);
}

QString withoutWhiteSpace(const QString& text)
{
    return withoutWhiteSpaceIn(text);
}

QByteArray beforeNul(const QByteArray& bytes)
{
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

bool isFrameLine(const QByteArray& line)
{
    const QByteArray read = trimmed(beforeNul(line));
    return sameKeyword(read, "BEGIN:VCARD") || sameKeyword(read, "END:VCARD");
}

bool sameKeyword(const QString& text, const char* keyword)
{
    return text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool sameKeyword(const QByteArray& bytes, const char* keyword)
{
    return qstricmp(bytes.constData(), keyword) == 0 && bytes.size() == int(qstrlen(keyword));
}

QString asciiUpper(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

namespace {

bool inRange(const QByteArray& bytes, int i, uchar low, uchar high)
{
    return i < bytes.size() && uchar(bytes.at(i)) >= low && uchar(bytes.at(i)) <= high;
}

// The length of the well-formed UTF-8 sequence at `i`, or 0 when the byte there
// starts none (a stray continuation byte, a sequence cut short, an overlong
// form, a surrogate or a code point past U+10FFFF).
int utf8SequenceLength(const QByteArray& bytes, int i)
{
    const uchar lead = uchar(bytes.at(i));
    if (lead < 0x80)
        return 1;
    uchar low = 0x80;
    uchar high = 0xBF;
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (!inRange(bytes, i + 1, low, high))
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!inRange(bytes, i + k, 0x80, 0xBF))
            return 0;
    }
    return length;
}

} // namespace

QString decodeUtf8(const QByteArray& bytes)
{
    QString text;
    int runStart = 0;
    int i = 0;
    while (i < bytes.size()) {
        const int length = utf8SequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        // One byte that is not UTF-8 is read as Latin-1; the text around it
        // stays UTF-8.
        text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        text += QChar(uchar(bytes.at(i)));
        runStart = ++i;
    }
    if (runStart == 0)
        return QString::fromUtf8(bytes);
    text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
    return text;
}

QString decode(const QByteArray& bytes, const QString& charset)
{
    if (!charset.isEmpty() && !sameKeyword(charset, "UTF-8")) {
        if (QTextCodec* codec = QTextCodec::codecForName(charset.toLatin1()))
            return codec->toUnicode(bytes);
    }
    return decodeUtf8(bytes);
}

QByteArray encodeQuotedPrintable(const QByteArray& bytes)
{
    QByteArray result;
    result.reserve(bytes.size() * 3);
    for (int i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes.at(i));
        // A space is kept, except at the end, where readers would trim it.
        const bool plain = (b > 32 && b < 127 && b != '=') || (b == ' ' && i + 1 < bytes.size());
        if (plain) {
            result += char(b);
        } else {
            result += '=';
            result += kHexDigits[b >> 4];
            result += kHexDigits[b & 15];
        }
    }
    return result;
}

QByteArray decodeQuotedPrintable(const QByteArray& bytes)
{
    QByteArray result;
    result.reserve(bytes.size());
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '=' && i + 2 < bytes.size()) {
            const int high = hexValue(bytes.at(i + 1));
            const int low = hexValue(bytes.at(i + 2));
            if (high >= 0 && low >= 0) {
                result += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        // A soft break with nothing after it (the value ended before the card
        // did) stands for nothing; any other stray "=" is kept as it stands.
        if (c == '=' && i + 1 == bytes.size())
            break;
        result += c;
    }
    return result;
}

QString escapeValue(const QString& value, vCardVersion version)
{
    QString result;
    result.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char(';')) {
            result += QLatin1Char('\\');
            result += c;
        } else if (version == VC30 && c == QLatin1Char(',')) {
            result += QLatin1String("\\,");
        } else if (version == VC30 && isLineBreak(c)) {
            // CR LF, a lone CR and a lone LF are all one line break.
            if (c == QLatin1Char('\r') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('\n'))
                ++i;
            result += QLatin1String("\\n");
        } else {
            result += c;
        }
    }
    return result;
}

QString unescapeValue(const QString& text, vCardVersion version)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('\\') || next == QLatin1Char(';') || next == QLatin1Char(',')
            || next == QLatin1Char(':')) {
            result += next;
            ++i;
        } else if (version == VC30 && (next == QLatin1Char('n') || next == QLatin1Char('N'))) {
            result += QLatin1Char('\n');
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QList<QByteArray> splitValues(const QByteArray& raw, bool* cut)
{
    QList<QByteArray> values;
    int start = 0;
    *cut = false;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw.at(i) == '\\') {
            ++i;
        } else if (raw.at(i) == ';') {
            if (values.size() + 1 == kMaxPieces) {
                *cut = true;
                break;
            }
            values.append(raw.mid(start, i - start));
            start = i + 1;
        }
    }
    values.append(raw.mid(start));
    return values;
}

int indexOutsideQuotes(const QString& text, QChar c)
{
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && text.at(i) == c)
            return i;
    }
    return -1;
}

QStringList splitOutsideQuotes(const QString& text, QChar separator, int maxParts, bool* cut)
{
    QStringList parts;
    bool quoted = false;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && text.at(i) == separator) {
            if (parts.size() + 1 == maxParts) {
                *cut = true;
                break;
            }
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

QString quoteParamValue(const QString& value)
{
    QString text;
    text.reserve(value.size());
    bool needsQuotes = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('^')) {
            text += QLatin1String("^^");
        } else if (c == QLatin1Char('"')) {
            text += QLatin1String("^'");
        } else if (isLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('\n'))
                ++i;
            text += QLatin1String("^n");
        } else {
            needsQuotes = needsQuotes || c == QLatin1Char(';') || c == QLatin1Char(':') || c == QLatin1Char(',')
                          || c == QLatin1Char('=');
            text += c;
        }
    }
    // Readers drop white space around a parameter; quotes keep it.
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    if (!value.isEmpty() && (blank(value.front()) || blank(value.back())))
        needsQuotes = true;
    return needsQuotes ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

QString unquoteParamValue(const QString& text)
{
    QString bare = text;
    bare.remove(QLatin1Char('"'));
    if (!bare.contains(QLatin1Char('^')))
        return bare;
    QString result;
    result.reserve(bare.size());
    for (int i = 0; i < bare.size(); ++i) {
        const QChar c = bare.at(i);
        const QChar next = i + 1 < bare.size() ? bare.at(i + 1) : QChar();
        if (c == QLatin1Char('^') && next == QLatin1Char('^')) {
            result += QLatin1Char('^');
            ++i;
        } else if (c == QLatin1Char('^') && next == QLatin1Char('\'')) {
            result += QLatin1Char('"');
            ++i;
        } else if (c == QLatin1Char('^') && (next == QLatin1Char('n') || next == QLatin1Char('N'))) {
            result += QLatin1Char('\n');
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

bool isToken(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const ushort u = c.unicode();
        const bool ok =
            (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '_';
        if (!ok)
            return false;
    }
    return true;
}

bool isVersion21TypeWord(const QString& word)
{
    static const char* const words[] = {// addresses and labels
                                        "DOM", "INTL", "POSTAL", "PARCEL", "HOME", "WORK", "PREF",
                                        // telephone numbers
                                        "VOICE", "FAX", "MSG", "CELL", "PAGER", "BBS", "MODEM", "CAR", "ISDN", "VIDEO",
                                        // e-mail addresses
                                        "AOL", "APPLELINK", "ATTMAIL", "CIS", "EWORLD", "INTERNET", "IBMMAIL",
                                        "MCIMAIL", "POWERSHARE", "PRODIGY", "TLX", "X400",
                                        // pictures, sounds and keys
                                        "GIF", "CGM", "WMF", "BMP", "MET", "PMB", "DIB", "PICT", "TIFF", "PDF", "PS",
                                        "JPEG", "QTIME", "MPEG", "MPEG2", "AVI", "WAVE", "AIFF", "PCM", "X509", "PGP"};
    for (const char* known : words) {
        if (sameKeyword(word, known))
            return true;
    }
    return false;
}

bool isQuotedPrintable(const vCardParam& param)
{
    return (param.group() == vCardParam::Encoding || param.group() == vCardParam::Undefined)
           && sameKeyword(param.value(), "QUOTED-PRINTABLE");
}

bool isBase64(const vCardParam& param)
{
    if (param.group() == vCardParam::Encoding)
        return sameKeyword(param.value(), "BASE64") || sameKeyword(param.value(), "B");
    return param.group() == vCardParam::Undefined && sameKeyword(param.value(), "BASE64");
}

int headEnd(const QByteArray& line)
{
    bool inParams = false;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == ';')
            inParams = true;
        if (inParams && c == '"')
            quoted = !quoted;
        else if (!quoted && c == ':')
            return i;
    }
    return line.indexOf(':');
}

} // namespace vCardText
