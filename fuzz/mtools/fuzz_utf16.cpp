// The UTF-16 byte form: every byte sequence reads as text and that text writes
// back as the same bytes (an odd last byte gains a zero low byte).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QString>

#include "MTools/QByteArrayExtensions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using MTools::QByteArrayExtensions;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const QString text = QByteArrayExtensions::convertToQString(bytes);
    if (text.size() != (bytes.size() + 1) / 2)
        std::abort();
    for (int i = 0; i < text.size(); ++i) {
        const ushort high = uchar(bytes[2 * i]);
        const ushort low = 2 * i + 1 < bytes.size() ? uchar(bytes[2 * i + 1]) : 0;
        if (text.at(i).unicode() != ushort((high << 8) | low))
            std::abort();
    }
    QByteArray expected = bytes;
    if (expected.size() % 2)
        expected.append('\0');
    if (QByteArrayExtensions::convertFromQString(text) != expected)
        std::abort();
    return 0;
}
