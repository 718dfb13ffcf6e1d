#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

// The two text versions a card can be written in. Every writer gives an empty
// byte array for any other value; the fixed underlying type makes any int a
// value the enum can hold, so such a value is well-defined to pass and test.
enum vCardVersion : int {
    VC21 = 0, // "2.1"
    VC30 = 1, // "3.0"
};

// One parameter of a property line: what kind of value follows (a type such as
// home or work, a transfer encoding, a character set).
//
// For a Type, Encoding or Charset parameter the value is the text after the name
// and "="; an Undefined parameter holds its whole text, a bare word ("HOME") or a
// name, "=" and a value ("X-SERVICE=skype").
class vCardParam
{
public:
    enum vCardParamGroup {
        Type = 0,
        Encoding = 1,
        Charset = 2,
        Undefined = 3,
    };

    vCardParam();
    vCardParam(const QString& value, vCardParamGroup group);

    vCardParamGroup group() const;
    QString value() const;
    // True when the value is not empty, whatever the group.
    bool isValid() const;

    // Same group and the same value, compared case-sensitively.
    bool operator==(const vCardParam& other) const;
    bool operator!=(const vCardParam& other) const;

    // The text of this parameter: "TYPE=", "ENCODING=" or "CHARSET=" and the
    // value, or an Undefined parameter's own text (the name of a "name=value"
    // form in capitals). Version 2.1 writes a type that is one of its own type
    // words (HOME, CELL, PREF...) bare, as the word alone. Values keep their case. A value holding ";", ":", ","
    // "=" or white space at either end is put in double quotes; a double quote,
    // "^" and a line break in it are written "^'", "^^" and "^n".
    QByteArray toByteArray(vCardVersion version) const;

    // The parameter text of a property line (what stands between the name plus
    // ";" and the ":"). Version 2.1: each parameter in list order, joined with
    // ";". Version 3.0: one "TYPE=" part holding every type value joined with ","
    // first, then the Undefined, the Charset and the Encoding parameters.
    static QByteArray toByteArray(const QList<vCardParam>& params, vCardVersion version);

    // Reads a parameter text: pieces split at ";" outside double quotes, white
    // space around pieces and around "=" ignored, empty pieces skipped. A piece
    // named TYPE (any case) gives one Type parameter per value split at ",";
    // ENCODING and CHARSET give one parameter each; anything else, a bare word
    // included, is Undefined. Quotes are removed and "^" escapes decoded. At
    // most 1000 parameters are split off (a TYPE list counts each value); the
    // rest of the text stays unsplit in the last one, and a warning is logged.
    static QList<vCardParam> fromByteArray(const QByteArray& data);

private:
    vCardParamGroup m_group = Undefined;
    QString m_value;
};

Q_DECLARE_METATYPE(vCardParam)
