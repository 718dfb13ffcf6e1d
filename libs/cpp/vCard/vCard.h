#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "vCard/vCardParam.h"
#include "vCard/vCardProperty.h"

// One electronic business card: an ordered list of property lines. A card keeps
// no version; the version is chosen each time it is written.
class vCard
{
public:
    vCard();
    vCard(const vCard& other);
    explicit vCard(const QList<vCardProperty>& properties);
    virtual ~vCard();
    vCard& operator=(const vCard& other);

    QList<vCardProperty> properties() const;
    void addProperty(const vCardProperty& property);
    void addProperties(const QList<vCardProperty>& properties);

    // The first property named `name` (case-sensitively; a grouped property
    // answers to its name alone and to "group.name") whose parameters match,
    // or a default-constructed property. Strict: the parameter list equals
    // `params`, element by element. Not strict: every parameter of `params` is
    // among the property's own, in any order; an empty list matches any.
    vCardProperty property(const QString& name, const QList<vCardParam>& params = {}, bool strict = false) const;
    bool contains(const QString& name, const QList<vCardParam>& params = {}, bool strict = false) const;
    // Whether some property has the same name and values (parameters aside).
    bool contains(const vCardProperty& property) const;

    // At least one property, and every property valid.
    bool isValid() const;
    int count() const;

    // The card's text: "BEGIN:VCARD", the version line, one line per property,
    // "END:VCARD", joined with LF, no LF at the end. Empty for a version other
    // than VC21 and VC30.
    QByteArray toByteArray(vCardVersion version) const;
    // Writes the card's text in version 2.1, replacing the file only once the
    // whole text is written. False when the file could not be written.
    bool saveToFile(const QString& fileName) const;

    // Every card of a text, in order. Lines are read as vCardProperty::fromByteArray
    // reads them; BEGIN:VCARD and END:VCARD in any case frame the cards. A
    // BEGIN:VCARD inside an open card ends that card and starts the next; a card
    // still open when the text ends is incomplete and dropped. Lines outside
    // cards are ignored. A byte-order mark (UTF-8 or UTF-16) is honoured. A card
    // embedded after an empty AGENT line (the 2.1 way of writing an agent)
    // becomes that line's value, as text, and the owner's card goes on after it.
    static QList<vCard> fromByteArray(const QByteArray& data);
    // Every card of a file; an empty list when it cannot be read.
    static QList<vCard> fromFile(const QString& fileName);

private:
    QList<vCardProperty> m_properties;
};
