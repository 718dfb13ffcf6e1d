#pragma once

namespace MTools::detail {

// Encodes whole groups of 24 bytes of `in` (as many as can be read 32 bytes at a
// time) into 32 UTF-16 characters each at `out`, and returns how many bytes of
// `in` it took, a multiple of 3; the caller encodes the rest. Defined only where
// the library is built for x86-64 (TW_AVX2); call it only when hasAvx2().
int encodeBase64Avx2(const unsigned char* in, int size, unsigned short* out);

} // namespace MTools::detail
