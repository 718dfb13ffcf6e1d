#include "QMRequest/FtpReplies.h"

#include <QList>

#include <limits>

namespace QMRequest {
namespace FtpReplies {

namespace {

// A decimal number of at most `maxDigits` digits, or -1.
qint64 parseDecimal(QByteArray const& digits, int maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return -1;
    qint64 value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

quint16 toPort(qint64 value)
{
    return value > 0 && value <= 65535 ? quint16(value) : 0;
}

// "YYYYMMDDHHMMSS[.sss]" in UTC.
QDateTime parseModify(QByteArray const& value)
{
    QByteArray const whole = value.left(value.indexOf('.') < 0 ? value.size() : value.indexOf('.'));
    if (whole.size() != 14 || parseDecimal(whole, 14) < 0)
        return QDateTime();
    QDateTime time = QDateTime::fromString(QString::fromLatin1(whole), QStringLiteral("yyyyMMddHHmmss"));
    if (!time.isValid())
        return QDateTime();
    time.setTimeSpec(Qt::UTC);
    return time;
}

} // namespace

bool parseMlsdLine(QByteArray const& rawLine, FtpEntry* entry)
{
    QByteArray line = rawLine;
    while (line.endsWith('\r') || line.endsWith('\n'))
        line.chop(1);
    // The facts end at the first space; the name is everything after it, spaces included.
    int const space = line.indexOf(' ');
    if (space < 0 || space + 1 >= line.size())
        return false;
    // A NUL cannot stand in a file name; it would also cut the name short.
    QByteArray const name = line.mid(space + 1);
    if (name.contains('\0'))
        return false;
    FtpEntry result;
    result.name = QString::fromUtf8(name);
    QString type;
    for (QByteArray const& fact : line.left(space).split(';')) {
        int const eq = fact.indexOf('=');
        if (eq <= 0)
            continue;
        QByteArray const key = fact.left(eq).toLower();
        QByteArray const value = fact.mid(eq + 1);
        if (key == "type")
            type = QString::fromLatin1(value).toLower();
        else if (key == "size")
            result.size = parseDecimal(value, 18);
        else if (key == "modify")
            result.lastModified = parseModify(value);
    }
    if (type == QLatin1String("cdir") || type == QLatin1String("pdir"))
        return false;
    result.isDir = type == QLatin1String("dir");
    *entry = result;
    return true;
}

quint16 parseEpsvPort(QByteArray const& text)
{
    int const open = text.indexOf('(');
    int const close = text.indexOf(')', open + 1);
    if (open < 0 || close < 0)
        return 0;
    QByteArray const inner = text.mid(open + 1, close - open - 1);
    // "|||6446|": the delimiter is the first character and occurs four times.
    if (inner.size() < 5)
        return 0;
    char const delimiter = inner.at(0);
    QList<QByteArray> const parts = inner.split(delimiter);
    if (parts.size() != 5 || !parts.at(1).isEmpty() || !parts.at(2).isEmpty() || !parts.at(4).isEmpty())
        return 0;
    return toPort(parseDecimal(parts.at(3), 5));
}

quint16 parsePasvPort(QByteArray const& text)
{
    // The six numbers may stand with or without parentheses; take the first
    // run of digits and commas that holds exactly six numbers.
    int start = 0;
    while (start < text.size()) {
        while (start < text.size() && (text.at(start) < '0' || text.at(start) > '9'))
            ++start;
        int end = start;
        while (end < text.size() && ((text.at(end) >= '0' && text.at(end) <= '9') || text.at(end) == ','))
            ++end;
        QList<QByteArray> const numbers = text.mid(start, end - start).split(',');
        if (numbers.size() == 6) {
            qint64 values[6];
            bool valid = true;
            for (int i = 0; i < 6; ++i) {
                values[i] = parseDecimal(numbers.at(i), 3);
                valid = valid && values[i] >= 0 && values[i] <= 255;
            }
            if (valid)
                return toPort(values[4] * 256 + values[5]);
        }
        start = end;
    }
    return 0;
}

qint64 parseSize(QByteArray const& text)
{
    return parseDecimal(text.trimmed(), 18);
}

bool isSafeArgument(QString const& argument)
{
    for (QChar c : argument) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            return false;
    }
    return true;
}

} // namespace FtpReplies
} // namespace QMRequest
