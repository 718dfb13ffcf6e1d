#include "vCard/vCardParam.h"

#include <QStringList>

#include "vCardText_p.h"

using namespace vCardText;

namespace {

const char* groupName(vCardParam::vCardParamGroup group)
{
    switch (group) {
    case vCardParam::Type:
        return "TYPE";
    case vCardParam::Encoding:
        return "ENCODING";
    case vCardParam::Charset:
        return "CHARSET";
    case vCardParam::Undefined:
        break;
    }
    return nullptr;
}

// An Undefined parameter's own text: a "name=value" form with a plain name is
// written with the name in capitals; anything else as one quoted word.
QString undefinedText(const QString& text)
{
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals > 0 && isToken(text.left(equals)))
        return asciiUpper(text.left(equals)) + QLatin1Char('=') + quoteParamValue(text.mid(equals + 1));
    return quoteParamValue(text);
}

QString paramText(const vCardParam& param, vCardVersion version)
{
    // 2.1 writes its own type words bare; any other type keeps its name, so
    // that it is read back as a type.
    if (version == VC21 && param.group() == vCardParam::Type && isVersion21TypeWord(param.value()))
        return param.value();
    if (const char* name = groupName(param.group()))
        return QLatin1String(name) + QLatin1Char('=') + quoteParamValue(param.value());
    return undefinedText(param.value());
}

bool isKnownVersion(vCardVersion version)
{
    return version == VC21 || version == VC30;
}

} // namespace

vCardParam::vCardParam() = default;

vCardParam::vCardParam(const QString& value, vCardParamGroup group)
    : m_group(group)
    , m_value(value)
{
}

vCardParam::vCardParamGroup vCardParam::group() const
{
    return m_group;
}

QString vCardParam::value() const
{
    return m_value;
}

bool vCardParam::isValid() const
{
    return !m_value.isEmpty();
}

bool vCardParam::operator==(const vCardParam& other) const
{
    return m_group == other.m_group && m_value == other.m_value;
}

bool vCardParam::operator!=(const vCardParam& other) const
{
    return !(*this == other);
}

QByteArray vCardParam::toByteArray(vCardVersion version) const
{
    if (!isKnownVersion(version))
        return QByteArray();
    return paramText(*this, version).toUtf8();
}

QByteArray vCardParam::toByteArray(const QList<vCardParam>& params, vCardVersion version)
{
    if (!isKnownVersion(version))
        return QByteArray();
    QStringList parts;
    if (version == VC21) {
        for (const vCardParam& param : params)
            parts.append(paramText(param, version));
        return parts.join(QLatin1Char(';')).toUtf8();
    }
    // 3.0 gathers the types into one list, which comes first; encodings come last.
    QStringList types;
    QStringList byGroup[3];
    for (const vCardParam& param : params) {
        switch (param.group()) {
        case Type:
            types.append(quoteParamValue(param.value()));
            break;
        case Undefined:
            byGroup[0].append(paramText(param, version));
            break;
        case Charset:
            byGroup[1].append(paramText(param, version));
            break;
        case Encoding:
            byGroup[2].append(paramText(param, version));
            break;
        }
    }
    if (!types.isEmpty())
        parts.append(QLatin1String("TYPE=") + types.join(QLatin1Char(',')));
    for (const QStringList& group : byGroup)
        parts += group;
    return parts.join(QLatin1Char(';')).toUtf8();
}

QList<vCardParam> vCardParam::fromByteArray(const QByteArray& data)
{
    QList<vCardParam> params;
    bool cut = false;
    const QStringList pieces = splitOutsideQuotes(decodeUtf8(beforeNul(data)), QLatin1Char(';'), kMaxPieces, &cut);
    for (const QString& untrimmed : pieces) {
        const QString piece = untrimmed.trimmed();
        if (piece.isEmpty())
            continue;
        const int equals = indexOutsideQuotes(piece, QLatin1Char('='));
        if (equals < 0) {
            params.append(vCardParam(unquoteParamValue(piece), Undefined));
            continue;
        }
        const QString name = piece.left(equals).trimmed();
        const QString value = piece.mid(equals + 1).trimmed();
        if (sameKeyword(name, "TYPE")) {
            const int room = qMax(1, kMaxPieces - params.size());
            for (const QString& type : splitOutsideQuotes(value, QLatin1Char(','), room, &cut))
                params.append(vCardParam(unquoteParamValue(type.trimmed()), Type));
        } else if (sameKeyword(name, "ENCODING")) {
            params.append(vCardParam(unquoteParamValue(value), Encoding));
        } else if (sameKeyword(name, "CHARSET")) {
            params.append(vCardParam(unquoteParamValue(value), Charset));
        } else {
            params.append(vCardParam(name + QLatin1Char('=') + unquoteParamValue(value), Undefined));
        }
    }
    if (cut)
        qCWarning(lcVCard) << "a parameter text holds more than" << kMaxPieces
                           << "parameters; the rest is kept unsplit in the last one";
    return params;
}
