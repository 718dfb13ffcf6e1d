#include "vCard/vCard.h"

#include "vCardText_p.h"

using namespace vCardText;

vCard::vCard() = default;

vCard::vCard(const vCard& other) = default;

vCard::vCard(const QList<vCardProperty>& properties)
    : m_properties(properties)
{
}

vCard::~vCard() = default;

vCard& vCard::operator=(const vCard& other) = default;

QList<vCardProperty> vCard::properties() const
{
    return m_properties;
}

void vCard::addProperty(const vCardProperty& property)
{
    m_properties.append(property);
}

void vCard::addProperties(const QList<vCardProperty>& properties)
{
    m_properties += properties;
}

namespace {

bool paramsMatch(const QList<vCardParam>& own, const QList<vCardParam>& wanted, bool strict)
{
    if (strict)
        return own == wanted;
    for (const vCardParam& param : wanted) {
        if (!own.contains(param))
            return false;
    }
    return true;
}

} // namespace

vCardProperty vCard::property(const QString& name, const QList<vCardParam>& params, bool strict) const
{
    for (const vCardProperty& candidate : m_properties) {
        if (candidate.name() == name && paramsMatch(candidate.params(), params, strict))
            return candidate;
    }
    return vCardProperty();
}

bool vCard::contains(const QString& name, const QList<vCardParam>& params, bool strict) const
{
    for (const vCardProperty& candidate : m_properties) {
        if (candidate.name() == name && paramsMatch(candidate.params(), params, strict))
            return true;
    }
    return false;
}

bool vCard::contains(const vCardProperty& property) const
{
    return m_properties.contains(property);
}

bool vCard::isValid() const
{
    if (m_properties.isEmpty())
        return false;
    for (const vCardProperty& property : m_properties) {
        if (!property.isValid())
            return false;
    }
    return true;
}

int vCard::count() const
{
    return m_properties.count();
}

QByteArray vCard::toByteArray(vCardVersion version) const
{
    if (version != VC21 && version != VC30)
        return QByteArray();
    QList<QByteArray> lines;
    lines.append("BEGIN:VCARD");
    const QString versionText = version == VC21 ? QStringLiteral("2.1") : QStringLiteral("3.0");
    lines.append(vCardProperty(QStringLiteral("VERSION"), versionText).toByteArray(VC21));
    for (const vCardProperty& property : m_properties) {
        // The card writes its own version line; a second one would contradict it
        // and change how the lines after it are read.
        if (property.group().isEmpty() && sameKeyword(property.name(), "VERSION"))
            continue;
        lines.append(beforeNul(property.toByteArray(version)));
    }
    lines.append("END:VCARD");
    QByteArray text;
    for (const QByteArray& line : lines) {
        if (!text.isEmpty())
            text += '\n';
        text += line;
    }
    return text;
}

QList<vCard> vCard::fromByteArray(const QByteArray& data)
{
    QList<vCard> cards;
    LineReader reader(withoutByteOrderMark(data));
    bool open = false;
    vCard card;
    vCardVersion rules = VC30;
    QByteArray logicalLine;
    vCardProperty property;
    while (reader.next(&logicalLine)) {
        const Line line = readLine(logicalLine, rules, &property);
        switch (line.kind) {
        case Line::Begin:
            // A card whose END:VCARD is missing ends where the next one begins.
            if (open)
                cards.append(card);
            card = vCard();
            open = true;
            rules = VC30;
            reader.setKeepFoldBlank(false);
            break;
        case Line::End:
            if (open)
                cards.append(card);
            open = false;
            break;
        case Line::Version:
            rules = line.version == "2.1" ? VC21 : VC30;
            reader.setKeepFoldBlank(rules == VC21);
            break;
        case Line::Property:
            if (open)
                card.addProperty(property);
            break;
        case Line::Nothing:
            break;
        }
    }
    return cards;
}
