// Base64 encoding 24 bytes at a time for processors with AVX2. Built with -mavx2
// where the compiler targets x86-64 (see CMakeLists.txt); Base64.cpp calls it only
// when the processor has it.
#include "MTools/Base64Avx2_p.h"

#ifdef __AVX2__

#include <immintrin.h>

namespace MTools::detail {

int encodeBase64Avx2(const unsigned char* in, int size, unsigned short* out)
{
    // Each 3 bytes [a, b, c] are spread over a 32-bit lane as [b, a, c, b], from
    // which multiplications move the four 6-bit values into the lane's four
    // bytes; each value then finds its character by adding the offset of its
    // range of the alphabet (A-Z, a-z, 0-9, +, /).
    const __m256i spread = _mm256_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10, 1, 0, 2, 1, 4, 3, 5, 4,
                                            7, 6, 8, 7, 10, 9, 11, 10);
    const __m256i offsets = _mm256_setr_epi8('a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                             '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0,
                                             'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                             '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
    int i = 0;
    // The second 16-byte load starts 12 bytes in, so 28 bytes must be there.
    for (; i + 28 <= size; i += 24) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 12));
        __m256i v = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
        v = _mm256_shuffle_epi8(v, spread);
        const __m256i ac =
            _mm256_mulhi_epu16(_mm256_and_si256(v, _mm256_set1_epi32(0x0fc0fc00)), _mm256_set1_epi32(0x04000040));
        const __m256i bd =
            _mm256_mullo_epi16(_mm256_and_si256(v, _mm256_set1_epi32(0x003f03f0)), _mm256_set1_epi32(0x01000010));
        const __m256i values = _mm256_or_si256(ac, bd);
        // Range 0 for 26..51, 1 to 10 for 52..61, 11 for 62, 12 for 63, 13 for 0..25.
        __m256i range = _mm256_subs_epu8(values, _mm256_set1_epi8(51));
        const __m256i upper = _mm256_cmpgt_epi8(_mm256_set1_epi8(26), values);
        range = _mm256_or_si256(range, _mm256_and_si256(upper, _mm256_set1_epi8(13)));
        const __m256i text = _mm256_add_epi8(_mm256_shuffle_epi8(offsets, range), values);
        const __m256i first = _mm256_cvtepu8_epi16(_mm256_castsi256_si128(text));
        const __m256i second = _mm256_cvtepu8_epi16(_mm256_extracti128_si256(text, 1));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), first);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 16), second);
        out += 32;
    }
    return i;
}

} // namespace MTools::detail

#endif
