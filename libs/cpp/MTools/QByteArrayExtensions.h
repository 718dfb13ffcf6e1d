#pragma once

#include <QByteArray>
#include <QString>

namespace MTools {

// The byte form of a text: every UTF-16 code unit as two bytes, high byte first,
// with no byte-order mark and no terminator.
class QByteArrayExtensions
{
public:
    static QByteArray convertFromQString(QString text);
    // An odd last byte becomes the high byte of a final character whose low byte is 0.
    static QString convertToQString(const QByteArray& bytes);
};

} // namespace MTools
