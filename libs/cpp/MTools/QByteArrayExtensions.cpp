#include "MTools/QByteArrayExtensions.h"

namespace MTools {

QByteArray QByteArrayExtensions::convertFromQString(QString text)
{
    const int count = text.size();
    QByteArray bytes(count * 2, Qt::Uninitialized);
    const ushort* units = text.utf16();
    char* out = bytes.data();
    for (int i = 0; i < count; ++i) {
        out[2 * i] = char(units[i] >> 8);
        out[2 * i + 1] = char(units[i] & 0xFF);
    }
    return bytes;
}

QString QByteArrayExtensions::convertToQString(const QByteArray& bytes)
{
    // The bytes are read unsigned: a plain char is signed here, and widening it
    // would smear its top bit over the high byte (0xE9 would become U+FFE9).
    const auto* in = reinterpret_cast<const uchar*>(bytes.constData());
    const int size = bytes.size();
    QString text((size + 1) / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (int i = 0; i < size; i += 2) {
        const ushort high = in[i];
        const ushort low = i + 1 < size ? in[i + 1] : 0;
        out[i / 2] = QChar(ushort((high << 8) | low));
    }
    return text;
}

} // namespace MTools
