#include "vCard/vCardProperty.h"

#include <algorithm>

#include "vCardText_p.h"

using namespace vCardText;

vCardProperty::vCardProperty() = default;

vCardProperty::vCardProperty(const QString& name, const QString& value, const QList<vCardParam>& params)
    : m_name(name)
    , m_values(value.split(QLatin1Char(';')))
    , m_params(params)
{
}

vCardProperty::vCardProperty(const QString& name, const QStringList& values, const QList<vCardParam>& params)
    : m_name(name)
    , m_values(values)
    , m_params(params)
{
}

vCardProperty::vCardProperty(const QString& name, const QString& value, const QString& params)
    : vCardProperty(name, value, vCardParam::fromByteArray(params.toUtf8()))
{
}

vCardProperty::vCardProperty(const QString& name, const QStringList& values, const QString& params)
    : vCardProperty(name, values, vCardParam::fromByteArray(params.toUtf8()))
{
}

QString vCardProperty::name() const
{
    return m_name;
}

QString vCardProperty::group() const
{
    return m_group;
}

void vCardProperty::setGroup(const QString& group)
{
    m_group = group;
}

QString vCardProperty::value() const
{
    return m_values.join(QLatin1Char(';'));
}

QStringList vCardProperty::values() const
{
    return m_values;
}

QList<vCardParam> vCardProperty::params() const
{
    return m_params;
}

bool vCardProperty::isValid() const
{
    if (m_name.isEmpty() || m_values.isEmpty())
        return false;
    for (const vCardParam& param : m_params) {
        if (!param.isValid())
            return false;
    }
    return true;
}

bool vCardProperty::operator==(const vCardProperty& other) const
{
    return m_name == other.m_name && m_values == other.m_values;
}

bool vCardProperty::operator!=(const vCardProperty& other) const
{
    return !(*this == other);
}

namespace {

// A name or group as written: characters that would change the structure of
// the line (white space, ";", ":", ",", quotes, line breaks...) become "-". The
// name is written in capitals and may hold "." (an old way of writing the
// group); the group keeps its case and may not.
QString writtenName(const QString& text, bool isName)
{
    QString result = isName ? asciiUpper(text) : text;
    for (QChar& c : result) {
        const bool kept =
            c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || (isName && c == QLatin1Char('.'));
        if (!kept)
            c = QLatin1Char('-');
    }
    return result;
}

// An Undefined "name=value" parameter whose name is one of the known ones is
// written, and would be read, as that parameter; take it as such from the start.
vCardParam canonical(const vCardParam& param)
{
    if (param.group() != vCardParam::Undefined)
        return param;
    const int equals = param.value().indexOf(QLatin1Char('='));
    if (equals < 0)
        return param;
    const QString name = param.value().left(equals).trimmed();
    const QString value = param.value().mid(equals + 1).trimmed();
    if (sameKeyword(name, "TYPE"))
        return vCardParam(value, vCardParam::Type);
    if (sameKeyword(name, "ENCODING"))
        return vCardParam(value, vCardParam::Encoding);
    if (sameKeyword(name, "CHARSET"))
        return vCardParam(value, vCardParam::Charset);
    return param;
}

QByteArray composeLine(const QString& head, QList<vCardParam> params, QByteArray value, bool quotedPrintable,
                       vCardVersion version)
{
    if (quotedPrintable) {
        // One transfer encoding per line: quoted-printable takes the place of
        // any other the property named (8BIT, 7BIT).
        const auto isEncoding = [](const vCardParam& param) { return param.group() == vCardParam::Encoding; };
        params.erase(std::remove_if(params.begin(), params.end(), isEncoding), params.end());
        params.append(vCardParam(QStringLiteral("QUOTED-PRINTABLE"), vCardParam::Encoding));
        value = encodeQuotedPrintable(value);
    }
    QByteArray line = head.toUtf8();
    const QByteArray paramText = vCardParam::toByteArray(params, version);
    if (!paramText.isEmpty())
        line += ';' + paramText;
    return line + ':' + value;
}

bool isAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

} // namespace

QByteArray vCardProperty::toByteArray(vCardVersion version) const
{
    if (version != VC21 && version != VC30)
        return QByteArray();

    // The writer picks the transfer encoding and character set itself; the
    // parameters that named them are set aside.
    QList<vCardParam> params;
    bool quotedPrintable = false;
    bool hadCharset = false;
    bool base64 = false;
    for (const vCardParam& original : m_params) {
        const vCardParam param = canonical(original);
        if (isQuotedPrintable(param))
            quotedPrintable = version == VC21;
        else if (param.group() == vCardParam::Charset)
            hadCharset = true;
        else
            params.append(param);
        base64 = base64 || isBase64(param);
    }
    // Base64 data is its own transfer encoding: it is never quoted-printable
    // as well, and white space and line breaks in it carry nothing.
    if (base64)
        quotedPrintable = false;

    QStringList escaped;
    bool lineBreak = false;
    bool ascii = true;
    for (QString value : m_values) {
        if (base64)
            value = withoutWhiteSpace(value);
        escaped.append(escapeValue(value, version));
        lineBreak = lineBreak || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
        ascii = ascii && isAscii(value);
    }
    const QString valueText = escaped.join(QLatin1Char(';'));
    const QString head =
        (m_group.isEmpty() ? QString() : writtenName(m_group, false) + QLatin1Char('.')) + writtenName(m_name, true);

    if (version == VC21 && !base64) {
        // 2.1 has no escape for a line break, and readers trim the end of a line.
        const bool endsBlank = valueText.endsWith(QLatin1Char(' ')) || valueText.endsWith(QLatin1Char('\t'));
        quotedPrintable = quotedPrintable || lineBreak || endsBlank;
    }
    if (hadCharset || (version == VC21 && !ascii))
        params.append(vCardParam(QStringLiteral("UTF-8"), vCardParam::Charset));
    QByteArray line = composeLine(head, params, valueText.toUtf8(), quotedPrintable, version);
    // A line that would read as the start or end of a card is encoded, so that
    // it reads back as the property it is.
    if (!quotedPrintable && isFrameLine(line))
        line = composeLine(head, params, valueText.toUtf8(), true, version);
    return line;
}

namespace vCardText {

namespace {

// A line break in a value is one LF, however the file wrote it (CR LF from
// phones, a lone CR from old systems): 3.0 has no way to write anything else.
QString withLineFeeds(QString text)
{
    if (text.contains(QLatin1Char('\r')))
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

Line readLine(const QByteArray& logicalLine, vCardVersion rules, vCardProperty* property)
{
    Line result;
    const QByteArray whole = beforeNul(logicalLine);
    const QByteArray bare = trimmed(whole);
    if (sameKeyword(bare, "BEGIN:VCARD")) {
        result.kind = Line::Begin;
        return result;
    }
    if (sameKeyword(bare, "END:VCARD")) {
        result.kind = Line::End;
        return result;
    }
    // By the rules of 3.0 a blank that ends a value belongs to it (the format
    // has no escape for one); the 2.1 writer encodes such a blank, so a 2.1
    // line's end is trimmed.
    const QByteArray line = rules == VC21 ? bare : trimmedFront(whole);
    const int colon = headEnd(line);
    if (colon < 0)
        return result;
    const QByteArray head = line.left(colon);
    const QByteArray raw = line.mid(colon + 1);

    const int semicolon = head.indexOf(';');
    const QByteArray groupAndName = trimmed(semicolon < 0 ? head : head.left(semicolon));
    // A group needs a name of its own: a leading "." starts no group.
    const int dot = groupAndName.indexOf('.') > 0 ? groupAndName.indexOf('.') : -1;
    const QString group = dot < 0 ? QString() : decodeUtf8(groupAndName.left(dot));
    const QString name = decodeUtf8(dot < 0 ? groupAndName : groupAndName.mid(dot + 1));
    if (group.isEmpty() && sameKeyword(name, "VERSION")) {
        result.kind = Line::Version;
        result.version = trimmed(raw);
        return result;
    }

    const QList<vCardParam> read =
        semicolon < 0 ? QList<vCardParam>() : vCardParam::fromByteArray(head.mid(semicolon + 1));
    QList<vCardParam> params;
    bool quotedPrintable = false;
    bool base64 = false;
    QString charset;
    for (vCardParam param : read) {
        // 2.1 writes its types as bare words.
        if (rules == VC21 && param.group() == vCardParam::Undefined && isVersion21TypeWord(param.value()))
            param = vCardParam(param.value(), vCardParam::Type);
        // The decoded value is plain text: the parameters that described its
        // bytes no longer apply to it.
        if (isQuotedPrintable(param)) {
            quotedPrintable = true;
            continue;
        }
        if (param.group() == vCardParam::Charset) {
            if (charset.isEmpty())
                charset = param.value();
            continue;
        }
        base64 = base64 || isBase64(param);
        params.append(param);
    }

    QStringList values;
    bool cut = false;
    const QList<QByteArray> pieces = splitValues(raw, &cut);
    if (cut)
        qCWarning(lcVCard) << "a" << name << "line holds more than" << kMaxPieces
                           << "values; the rest is kept unsplit in the last one";
    for (QByteArray bytes : pieces) {
        if (base64) {
            // Folding puts white space into encoded data; it never belongs there.
            bytes = withoutWhiteSpace(bytes);
        }
        if (quotedPrintable)
            bytes = decodeQuotedPrintable(bytes);
        values.append(withLineFeeds(unescapeValue(decode(bytes, charset), rules)));
    }
    *property = vCardProperty(name, values, params);
    property->setGroup(group);
    result.kind = Line::Property;
    return result;
}

} // namespace vCardText

QList<vCardProperty> vCardProperty::fromByteArray(const QByteArray& data)
{
    QList<vCardProperty> properties;
    LineReader reader(withoutByteOrderMark(data));
    vCardVersion rules = VC30;
    QByteArray logicalLine;
    vCardProperty property;
    while (reader.next(&logicalLine)) {
        const Line line = readLine(logicalLine, rules, &property);
        if (line.kind == Line::Property) {
            properties.append(property);
        } else if (line.kind == Line::Version) {
            rules = line.version == "2.1" ? VC21 : VC30;
            reader.setKeepFoldBlank(rules == VC21);
        }
    }
    return properties;
}

vCardProperty vCardProperty::createAddress(const QString& street, const QString& locality, const QString& region,
                                           const QString& postalCode, const QString& country,
                                           const QString& postOfficeBox, const QString& extendedAddress,
                                           const QList<vCardParam>& params)
{
    return vCardProperty(QStringLiteral("ADR"),
                         QStringList{postOfficeBox, extendedAddress, street, locality, region, postalCode, country},
                         params);
}

vCardProperty vCardProperty::createBirthday(const QDate& date, const QList<vCardParam>& params)
{
    return vCardProperty(QStringLiteral("BDAY"), QStringList{date.toString(QStringLiteral("yyyy-MM-dd"))}, params);
}

vCardProperty vCardProperty::createBirthday(const QDateTime& dateTime, const QList<vCardParam>& params)
{
    // "Z" says the time is UTC, so it must be.
    const QString text = dateTime.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
    return vCardProperty(QStringLiteral("BDAY"), QStringList{text}, params);
}

vCardProperty vCardProperty::createGeographicPosition(double first, double second, const QList<vCardParam>& params)
{
    // QString::arg without "L" formats in the C locale: "." whatever the user's locale.
    const QString format = QStringLiteral("%1");
    return vCardProperty(QStringLiteral("GEO"),
                         QStringList{format.arg(first, 0, 'g', 6), format.arg(second, 0, 'g', 6)}, params);
}

vCardProperty vCardProperty::createName(const QString& givenName, const QString& familyName,
                                        const QString& additionalNames, const QString& prefixes,
                                        const QString& suffixes, const QList<vCardParam>& params)
{
    return vCardProperty(QStringLiteral("N"), QStringList{familyName, givenName, additionalNames, prefixes, suffixes},
                         params);
}

vCardProperty vCardProperty::createOrganization(const QString& name, const QStringList& units,
                                                const QList<vCardParam>& params)
{
    return vCardProperty(QStringLiteral("ORG"), QStringList{name} + units, params);
}
