#pragma once

namespace MTools::detail {

// Whether this processor runs AVX2 code, and this library was built with its
// AVX2 parts (TW_AVX2, on x86-64).
inline bool hasAvx2()
{
#if defined(TW_AVX2)
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
#else
    return false;
#endif
}

} // namespace MTools::detail
