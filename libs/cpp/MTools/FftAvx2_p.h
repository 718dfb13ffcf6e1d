#pragma once

namespace MTools::detail {

// Defined only where the library is built for x86-64 (TW_AVX2); see
// FftKernels_p.h for what the passes do.
void radix4PassAvx2(int begin, int end, int L, const float* sr, const float* si, float* dr, float* di, const float* wr,
                    const float* wi, bool scaled, float scale);
void radix2PassAvx2(int L, const float* sr, const float* si, float* dr, float* di, const float* wr, const float* wi,
                    bool scaled, float scale);

} // namespace MTools::detail
