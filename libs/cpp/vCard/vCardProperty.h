#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "vCard/vCardParam.h"

// One property line of a card: a name such as "TEL" or "ADR", an ordered list of
// values and a list of parameters, and the group that may stand before the name
// ("item1" in "item1.TEL"), which ties related lines together.
class vCardProperty
{
public:
    // An empty name, no values, no parameters: not valid.
    vCardProperty();
    // A value given as one string is split at every ";" into the values, empty
    // parts kept: an empty string gives one empty value. A parameter text given
    // as a string is read by vCardParam::fromByteArray.
    vCardProperty(const QString& name, const QString& value, const QList<vCardParam>& params = {});
    vCardProperty(const QString& name, const QStringList& values, const QList<vCardParam>& params = {});
    vCardProperty(const QString& name, const QString& value, const QString& params);
    vCardProperty(const QString& name, const QStringList& values, const QString& params);

    QString name() const;
    QString group() const;
    void setGroup(const QString& group);
    // The values joined with ";".
    QString value() const;
    QStringList values() const;
    QList<vCardParam> params() const;

    // A name, at least one value (an empty string counts) and only valid parameters.
    bool isValid() const;

    // Same name and the same values in the same order, case-sensitively. Neither
    // the parameters nor the group are compared.
    bool operator==(const vCardProperty& other) const;
    bool operator!=(const vCardProperty& other) const;

    // The property's line in UTF-8, without a line end, or an empty byte array for
    // a version other than VC21 and VC30. The name is written in capitals; values
    // are escaped as the version requires. Version 2.1 writes a value holding a
    // line break (or ending in white space) quoted-printable and marks a value
    // outside ASCII "CHARSET=UTF-8"; version 3.0 escapes line breaks as "\n".
    // The writer chooses the transfer encoding and the character set itself:
    // the property's own quoted-printable and character-set parameters stand
    // for nothing in the text it writes.
    QByteArray toByteArray(vCardVersion version) const;

    // The properties of the lines of a text: folded lines unfolded,
    // quoted-printable values and character sets decoded, escapes undone. A line
    // without ":", a BEGIN:VCARD or END:VCARD line and a VERSION line give
    // nothing (a VERSION:2.1 line makes the lines after it read by the rules of
    // version 2.1; the rules of 3.0 hold until then). A decoded value no longer
    // carries the quoted-printable and character-set parameters it was read with.
    // By the rules of 2.1 a bare word that is one of that version's type words
    // (HOME, CELL, PREF...) is a Type parameter. A line gives at most 1000
    // values; the rest of it stays unsplit in the last one, and a warning is
    // logged. A line break in a value is one LF, however the text wrote it.
    static QList<vCardProperty> fromByteArray(const QByteArray& data);

    // "ADR" with the values in the order post-office box, extended address,
    // street, locality, region, postal code, country.
    static vCardProperty createAddress(const QString& street, const QString& locality, const QString& region,
                                       const QString& postalCode, const QString& country,
                                       const QString& postOfficeBox = QString(),
                                       const QString& extendedAddress = QString(),
                                       const QList<vCardParam>& params = {});
    // "BDAY" as "yyyy-MM-dd".
    static vCardProperty createBirthday(const QDate& date, const QList<vCardParam>& params = {});
    // "BDAY" as "yyyy-MM-ddThh:mm:ssZ", the moment converted to UTC.
    static vCardProperty createBirthday(const QDateTime& dateTime, const QList<vCardParam>& params = {});
    // "GEO" with the two numbers in six significant digits and "." as decimal point.
    static vCardProperty createGeographicPosition(double first, double second, const QList<vCardParam>& params = {});
    // "N" with the values in the order family name, given name, additional
    // names, prefixes, suffixes.
    static vCardProperty createName(const QString& givenName, const QString& familyName,
                                    const QString& additionalNames = QString(), const QString& prefixes = QString(),
                                    const QString& suffixes = QString(), const QList<vCardParam>& params = {});
    // "ORG" with the organisation's name and then its units.
    static vCardProperty createOrganization(const QString& name, const QStringList& units = {},
                                            const QList<vCardParam>& params = {});

private:
    QString m_name;
    QStringList m_values;
    QList<vCardParam> m_params;
    QString m_group;
};

Q_DECLARE_METATYPE(vCardProperty)
