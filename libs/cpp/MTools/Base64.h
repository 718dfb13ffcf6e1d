#pragma once

#include <QByteArray>
#include <QString>

namespace MTools {

// Base64 with the standard alphabet, '=' padding and no line breaks. The text
// functions work on the big-endian UTF-16 byte form of QByteArrayExtensions.
class Base64
{
public:
    static QString codeQString(const QString& text);
    static QString decodeQString(const QString& code);
    static QString codeQByteArray(const QByteArray& data);
    // Characters outside the alphabet are passed over.
    static QByteArray decodeQByteArray(const QString& code);
};

} // namespace MTools
