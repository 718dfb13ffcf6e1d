#include "MTools/Base64.h"

#include "MTools/Base64Avx2_p.h"
#include "MTools/Cpu_p.h"
#include "MTools/QByteArrayExtensions.h"

#include <QtEndian>

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
#if defined(TW_AVX2)
    if (detail::hasAvx2()) {
        i = detail::encodeBase64Avx2(in, size, reinterpret_cast<ushort*>(out));
        out += qint64(i) / 3 * 8;
    }
#endif
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

namespace {

constexpr quint32 kInvalid = 0x80000000u;

// Each character's six bits at the place they take in a group of four, with
// kInvalid for anything outside the alphabet; one table per place, so that a
// group is four lookups and an OR.
struct DecodeTables
{
    quint32 shifted[4][256];
    DecodeTables()
    {
        for (auto& table : shifted)
            for (quint32& entry : table)
                entry = kInvalid;
        for (quint32 v = 0; v < 64; ++v)
            for (int place = 0; place < 4; ++place)
                shifted[place][uchar(kAlphabet[v])] = v << (18 - 6 * place);
    }
};

} // namespace

QByteArray Base64::decodeQByteArray(const QString& code)
{
    // The same bytes as decoding the text's Latin-1 form with QByteArray's own
    // conversion: characters outside the alphabet ('=' included, and anything
    // that Latin-1 cannot hold) are passed over, and the remaining six-bit values
    // are joined into whole bytes. Whole groups of four go by table; the rest,
    // and any group with a character to pass over, one character at a time.
    static const DecodeTables tables;
    const auto* in = reinterpret_cast<const ushort*>(code.constData());
    const int size = code.size();
    // One spare byte: a group stores four bytes, of which three count.
    QByteArray data(int(qint64(size) * 3 / 4) + 1, Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(data.data());
    auto* const begin = out;
    quint32 bits = 0;
    int bitCount = 0;
    int i = 0;
    while (i < size) {
        if (bitCount == 0) {
            for (; i + 4 <= size; i += 4) {
                const ushort a = in[i], b = in[i + 1], c = in[i + 2], d = in[i + 3];
                if ((a | b | c | d) > 0xFF)
                    break;
                const quint32 group =
                    tables.shifted[0][a] | tables.shifted[1][b] | tables.shifted[2][c] | tables.shifted[3][d];
                if (group & kInvalid)
                    break;
                const quint32 bigEndian = qToBigEndian(group << 8);
                std::memcpy(out, &bigEndian, 4);
                out += 3;
            }
            if (i >= size)
                break;
        }
        const ushort u = in[i++];
        const quint32 value = u <= 0xFF ? tables.shifted[3][u] : kInvalid;
        if (value & kInvalid)
            continue;
        bits = (bits << 6) | value;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            *out++ = uchar(bits >> bitCount);
            bits &= (1u << bitCount) - 1;
        }
    }
    data.resize(int(out - begin));
    return data;
}

} // namespace MTools
