#pragma once

// Text helpers shared by the parameter, property and card classes; not part of
// the library's interface.

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include "vCard/vCardParam.h"

class vCardProperty;

Q_DECLARE_LOGGING_CATEGORY(lcVCard)

namespace vCardText {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Without any space, tab, CR or LF: Base64 data as it is meant.
QByteArray withoutWhiteSpace(const QByteArray& bytes);
QString withoutWhiteSpace(const QString& text);
// Without spaces, tabs and carriage returns at either end, or at the front only.
QByteArray trimmed(const QByteArray& bytes);
QByteArray trimmedFront(const QByteArray& bytes);
// The bytes up to, not including, the first NUL byte.
QByteArray beforeNul(const QByteArray& bytes);
// Case-insensitive comparison with an ASCII keyword.
bool sameKeyword(const QString& text, const char* keyword);
bool sameKeyword(const QByteArray& bytes, const char* keyword);
// ASCII letters a to z in capitals; every other character unchanged.
QString asciiUpper(const QString& text);

// Decodes bytes in the named character set. Without one (or with one this system
// does not know), as decodeUtf8.
QString decode(const QByteArray& bytes, const QString& charset = QString());
// UTF-8 bytes as text. Each byte that is not part of well-formed UTF-8 is read
// as Latin-1, so that none is lost and the text around it stays as written.
QString decodeUtf8(const QByteArray& bytes);

QByteArray encodeQuotedPrintable(const QByteArray& bytes);
QByteArray decodeQuotedPrintable(const QByteArray& bytes);

// Escapes one value of a property line; version 3.0 also escapes "," and writes
// line breaks as "\n".
QString escapeValue(const QString& value, vCardVersion version);
// Undoes escapeValue; an unknown escape is kept as it stands.
QString unescapeValue(const QString& text, vCardVersion version);
// A property line gives at most this many values, and its parameter text at
// most this many parameters (plus one for each piece after a TYPE list that
// used them up). Past that the rest stays unsplit in the last piece, so that
// what a line costs in memory stays in proportion to its text however many
// separators it holds.
const int kMaxPieces = 1000;

// Splits the raw value text of a line at every ";" that no backslash escapes,
// into at most kMaxPieces values; `cut` tells whether the last one holds more.
QList<QByteArray> splitValues(const QByteArray& raw, bool* cut);

// Index of the first `c` outside double quotes in `text`, or -1.
int indexOutsideQuotes(const QString& text, QChar c);
// Splits at every `separator` outside double quotes, into at most `maxParts`
// parts; sets `cut` when the last part holds further separators.
QStringList splitOutsideQuotes(const QString& text, QChar separator, int maxParts, bool* cut);
// A parameter value as written: "^" escapes, and double quotes where needed.
QString quoteParamValue(const QString& value);
// A parameter value as read: quotes removed and "^" escapes decoded.
QString unquoteParamValue(const QString& text);
// Letters, digits, "-" and "_": a name that needs no quoting.
bool isToken(const QString& text);

// Whether a word is one of the types of version 2.1 (HOME, WORK, CELL, PREF,
// INTERNET, JPEG...), which 2.1 writes bare, without "TYPE=". Any case.
bool isVersion21TypeWord(const QString& word);

// Whether a parameter asks for quoted-printable or Base64 values; 2.1 allows the
// bare words as well as the ENCODING= form.
bool isQuotedPrintable(const vCardParam& param);
bool isBase64(const vCardParam& param);

// Index of the ":" that ends the name and parameters of a line: the first one
// outside double-quoted parameter values (or, when quotes are left open, the
// first one at all); -1 when the line has none.
int headEnd(const QByteArray& line);

// Whether a line is BEGIN:VCARD or END:VCARD (any case, any white space around).
bool isFrameLine(const QByteArray& line);

// Turns a text into logical lines: lines end with LF or CR LF; a line indented
// further than the first line of its card continues the line before it (so a
// card indented as a whole reads as one that is not); a quoted-printable line
// ending in "=" continues on the next line whatever that begins with. A frame
// line never continues another line nor takes a continuation.
class LineReader
{
public:
    explicit LineReader(const QByteArray& data);
    // The next logical line; false when the text is used up.
    bool next(QByteArray* line);
    // By the rules of 2.1 the blank that leads a continuation line belongs to the
    // text; by those of 3.0 it is part of the fold and dropped.
    void setKeepFoldBlank(bool keep);

private:
    bool atEnd() const;
    // The physical line at the current position, without its line end, and
    // where the line after it begins.
    QByteArray peek(int* nextPos) const;

    QByteArray m_data;
    int m_pos = 0;
    bool m_keepFoldBlank = false;
    // The indentation of the lines of the current card, set by its first line
    // that is not blank.
    int m_base = 0;
    bool m_baseKnown = false;
};

// The input as UTF-8 bytes: a UTF-8 byte-order mark dropped, UTF-16 converted.
QByteArray withoutByteOrderMark(const QByteArray& data);

// What one logical line holds.
struct Line
{
    enum Kind {
        Nothing,
        Begin,
        End,
        Version,
        Property,
    };
    Kind kind = Nothing;
    QByteArray version;
};

// Reads one logical line by the rules of a version; a property line fills
// `property`.
Line readLine(const QByteArray& logicalLine, vCardVersion rules, vCardProperty* property);

} // namespace vCardText
