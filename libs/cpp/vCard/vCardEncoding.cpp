// Bytes as text and back: character sets, quoted-printable and Base64 data.
#include "vCardText_p.h"

#include <QTextCodec>

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

} // namespace vCardText
