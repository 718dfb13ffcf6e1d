#include "vCardText_p.h"

Q_LOGGING_CATEGORY(lcVCard, "tickwren.vcard")

namespace vCardText {

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

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
