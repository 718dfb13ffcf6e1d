// Bits::setCode with arbitrary bytes on an array of a length taken from the input,
// then shifts, rotations, deletions and concatenations driven by the input: every
// bit must come from the bytes, and the bits past the end must never show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "MTools/Bits.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The array read bit by bit, and operator int checked against it.
std::vector<int> bitsOf(const MTools::Bits& b)
{
    std::vector<int> bits;
    unsigned value = 0;
    for (unsigned i = 0; i < b.count(); ++i) {
        const int bit = b.getBit(i);
        check(bit == 0 || bit == 1);
        bits.push_back(bit);
        if (i < 32)
            value |= unsigned(bit) << i;
    }
    check(b.getBit(b.count()) == -1);
    check(int(b) == int(value));
    check(b.byteCount() == int((b.count() + 7) / 8));
    return bits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int n = (data[0] | (data[1] << 8)) % 256;
    const auto* code = reinterpret_cast<const char*>(data + 2);
    const int codeLength = int(size - 2);

    MTools::Bits b(n);
    b.setCode(code, codeLength);
    std::vector<int> bits = bitsOf(b);
    for (int i = 0; i < n; ++i) {
        const int expected = i / 8 < codeLength ? (data[2 + i / 8] >> (i % 8)) & 1 : 0;
        check(bits[size_t(i)] == expected);
    }

    // Each further byte is one operation; its high bits give the amount.
    for (int i = 0; i < codeLength && i < 16; ++i) {
        const unsigned k = unsigned(data[2 + i] >> 3) * 37u;
        const size_t before = bits.size();
        switch (data[2 + i] % 8) {
        case 0:
            b.ror(k);
            break;
        case 1:
            b.rol(k);
            break;
        case 2:
            b.shr(k);
            break;
        case 3:
            b.shl(k);
            break;
        case 4:
            b.del(int(k));
            check(b.count() == (k >= before ? 0 : before - k));
            break;
        case 5:
            if (before < 256) {
                MTools::Bits copy(b);
                b.cat(copy);
                check(b.count() == 2 * before);
            }
            break;
        case 6:
            b.negOp();
            break;
        case 7: {
            MTools::Bits other(static_cast<int>(k));
            other.setCode(code, codeLength);
            b.xorOp(other);
            b.andOp(other);
            b.orOp(other);
            break;
        }
        }
        bits = bitsOf(b);
    }
    return 0;
}
