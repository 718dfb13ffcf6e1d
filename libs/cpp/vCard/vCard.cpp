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

// A property answers to its name, and to its group and name together
// ("itemA.TEL") as the line wrote them.
bool nameMatches(const vCardProperty& property, const QString& name)
{
    if (property.name() == name)
        return true;
    const QString group = property.group();
    return !group.isEmpty() && name.size() == group.size() + 1 + property.name().size() && name.startsWith(group)
           && name.at(group.size()) == QLatin1Char('.') && name.endsWith(property.name());
}

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
        if (nameMatches(candidate, name) && paramsMatch(candidate.params(), params, strict))
            return candidate;
    }
    return vCardProperty();
}

bool vCard::contains(const QString& name, const QList<vCardParam>& params, bool strict) const
{
    for (const vCardProperty& candidate : m_properties) {
        if (nameMatches(candidate, name) && paramsMatch(candidate.params(), params, strict))
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

namespace {

// An AGENT line with no value: in 2.1 the agent's card follows it, whole.
bool holdsEmbeddedCard(const vCardProperty& property)
{
    return sameKeyword(property.name(), "AGENT") && property.values() == QStringList{QString()};
}

// The lines of a card embedded in another, from its BEGIN:VCARD (already read)
// up to its own END:VCARD, cards embedded in it included; false when the text
// ends first.
bool readEmbeddedCard(LineReader* reader, QByteArray* text)
{
    *text = "BEGIN:VCARD";
    int depth = 1;
    QByteArray line;
    while (depth > 0 && reader->next(&line)) {
        line = trimmed(beforeNul(line));
        if (isFrameLine(line))
            depth += sameKeyword(line, "END:VCARD") ? -1 : 1;
        *text += '\n' + line;
    }
    return depth == 0;
}

} // namespace

QList<vCard> vCard::fromByteArray(const QByteArray& data)
{
    QList<vCard> cards;
    LineReader reader(withoutByteOrderMark(data));
    bool open = false;
    vCard card;
    vCardVersion rules = VC30;
    QByteArray logicalLine;
    vCardProperty property;
    // An empty AGENT line waits for the line after it: the agent's card, or not.
    bool agentWaiting = false;
    vCardProperty agent;
    while (reader.next(&logicalLine)) {
        const Line line = readLine(logicalLine, rules, &property);
        if (agentWaiting) {
            agentWaiting = false;
            if (line.kind == Line::Begin) {
                // The agent's card is the AGENT value; the owner's card goes on
                // after it.
                QByteArray embedded;
                if (!readEmbeddedCard(&reader, &embedded))
                    break;
                vCardProperty filled(agent.name(), QStringList{decodeUtf8(embedded)}, agent.params());
                filled.setGroup(agent.group());
                card.addProperty(filled);
                continue;
            }
            card.addProperty(agent);
        }
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
            if (open && holdsEmbeddedCard(property)) {
                agent = property;
                agentWaiting = true;
            } else if (open) {
                card.addProperty(property);
            }
            break;
        case Line::Nothing:
            break;
        }
    }
    return cards;
}
