// The passes of the transform eight butterflies at a time, for processors with
// AVX2. Built with -mavx2 where the compiler targets x86-64 (see CMakeLists.txt);
// Fft.cpp calls it only when the processor has it.
#include "MTools/FftAvx2_p.h"

#ifdef __AVX2__

#include "MTools/FftKernels_p.h"

namespace MTools::detail {

void radix4PassAvx2(int begin, int end, int L, const float* sr, const float* si, float* dr, float* di, const float* wr,
                    const float* wi, bool scaled, float scale)
{
    radix4PassOf<8>(begin, end, L, sr, si, dr, di, Twiddles{wr, wi}, scaled, scale);
}

void radix2PassAvx2(int L, const float* sr, const float* si, float* dr, float* di, const float* wr, const float* wi,
                    bool scaled, float scale)
{
    radix2PassOf<8>(L, sr, si, dr, di, Twiddles{wr, wi}, scaled, scale);
}

} // namespace MTools::detail

#endif
