#include "MTools/Base64.h"

#include "MTools/QByteArrayExtensions.h"

#include <cstdint>
#include <cstring>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace MTools {

QString Base64::codeQString(const QString& text)
{
    return codeQByteArray(QByteArrayExtensions::convertFromQString(text));
}

QString Base64::decodeQString(const QString& code)
{
    return QByteArrayExtensions::convertToQString(decodeQByteArray(code));
}

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Every 12 bits of input as their two output characters, laid out as they stand
// in the text: one lookup and one four-byte store per two characters.
struct PairTable
{
    quint32 pairs[4096];
    PairTable()
    {
        for (int v = 0; v < 4096; ++v) {
            const ushort two[2] = {ushort(kAlphabet[v >> 6]), ushort(kAlphabet[v & 63])};
            std::memcpy(&pairs[v], two, sizeof two);
        }
    }
};

// A large text is fresh memory, and faulting it in page by page costs more than
// the encoding itself; on Linux, ask for huge pages where the system allows them.
void adviseLargeOutput(void* begin, size_t bytes)
{
#ifdef __linux__
    constexpr size_t kHuge = size_t(2) << 20;
    if (bytes < 4 * kHuge)
        return;
    const auto first = (reinterpret_cast<uintptr_t>(begin) + kHuge - 1) & ~(uintptr_t(kHuge) - 1);
    const auto last = (reinterpret_cast<uintptr_t>(begin) + bytes) & ~(uintptr_t(kHuge) - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(begin)
    Q_UNUSED(bytes)
#endif
}

} // namespace

QString Base64::codeQByteArray(const QByteArray& data)
{
    // Written straight into the text's UTF-16 buffer: going through a Latin-1
    // byte array first would cost a second pass and a second copy of the output.
    static const PairTable table;
    const auto* in = reinterpret_cast<const uchar*>(data.constData());
    const int size = data.size();
    const qint64 length = (qint64(size) + 2) / 3 * 4;
    // Beyond what a QString can hold (about a gigabyte of input) there is no text.
    if (length > (std::numeric_limits<int>::max() - 64) / 2)
        return QString();
    QString code(int(length), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(code.data());
    adviseLargeOutput(out, size_t(code.size()) * 2);
    int i = 0;
    for (; i + 3 <= size; i += 3) {
        const quint32 triple = (quint32(in[i]) << 16) | (quint32(in[i + 1]) << 8) | in[i + 2];
        std::memcpy(out, &table.pairs[triple >> 12], 4);
        std::memcpy(out + 4, &table.pairs[triple & 0xFFF], 4);
        out += 8;
    }
    if (i < size) {
        const bool two = i + 1 < size;
        const quint32 triple = (quint32(in[i]) << 16) | (two ? quint32(in[i + 1]) << 8 : 0u);
        const ushort tail[4] = {ushort(kAlphabet[triple >> 18]), ushort(kAlphabet[(triple >> 12) & 63]),
                                two ? ushort(kAlphabet[(triple >> 6) & 63]) : ushort('='), ushort('=')};
        std::memcpy(out, tail, sizeof tail);
    }
    return code;
}

QByteArray Base64::decodeQByteArray(const QString& code)
{
    return QByteArray::fromBase64(code.toLatin1());
}

} // namespace MTools
