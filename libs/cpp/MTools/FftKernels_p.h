#pragma once

// The butterflies of the transform, for any width of vector register. This
// header is compiled twice, for the baseline instruction set and for AVX2, so it
// includes nothing with inline functions of its own (the two copies must not
// trade code), and everything in it has internal linkage.

#include <cstdint>
#include <cstring>

namespace MTools::detail {
namespace {

template <int W>
struct VectorOf;

template <>
struct VectorOf<4>
{
    using type = float __attribute__((vector_size(16)));
};

template <>
struct VectorOf<8>
{
    using type = float __attribute__((vector_size(32)));
};

template <int W>
using Vec = typename VectorOf<W>::type;

template <int W>
inline Vec<W> load(const float* p)
{
    Vec<W> v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <int W>
inline void store(float* p, Vec<W> v)
{
    std::memcpy(p, &v, sizeof v);
}

template <int W>
inline Vec<W> splat(float x)
{
    Vec<W> v;
    for (int i = 0; i < W; ++i)
        v[i] = x;
    return v;
}

// A complex value, or W of them side by side.
template <typename T>
struct Complex
{
    T re;
    T im;
};

// One radix-2 butterfly: a and b become a + w b and a - w b, rounded step by step
// as written (no fused multiply-add: the results stay those of the plain
// stage-by-stage transform).
template <typename T>
inline void butterfly(Complex<T>& a, Complex<T>& b, const Complex<T>& w)
{
    const T tr = w.re * b.re - w.im * b.im;
    const T ti = w.im * b.re + w.re * b.im;
    b.re = a.re - tr;
    b.im = a.im - ti;
    a.re = a.re + tr;
    a.im = a.im + ti;
}

// Two stages on the four values at t, t + L, t + 2L and t + 3L of a block of 4L:
// the stage of half-size L pairs (x0, x1) and (x2, x3) with w1 = w_L[t]; the stage
// of half-size 2L pairs (x0, x2) with wa = w_2L[t] and (x1, x3) with wb = w_2L[t + L].
template <typename T>
inline void radix4(Complex<T>* x, const Complex<T>& w1, const Complex<T>& wa, const Complex<T>& wb)
{
    butterfly(x[0], x[1], w1);
    butterfly(x[2], x[3], w1);
    butterfly(x[0], x[2], wa);
    butterfly(x[1], x[3], wb);
}

// The factors of the stage with half-size le2 stand at [le2 - 1, 2 le2 - 1) of
// (wr, wi).
struct Twiddles
{
    const float* wr;
    const float* wi;
};

template <int W>
inline Complex<Vec<W>> twiddles(const Twiddles& w, int index)
{
    return {load<W>(w.wr + index), load<W>(w.wi + index)};
}

// The stages of half-size L and 2L (L a multiple of W) on the values at
// [begin, end), from (sr, si) into (dr, di), which may be the same arrays;
// multiplied by `scale` as they are stored when `scaled`.
template <int W>
inline void radix4PassOf(int begin, int end, int L, const float* sr, const float* si, float* dr, float* di,
                         const Twiddles& w, bool scaled, float scale)
{
    const Vec<W> s = splat<W>(scale);
    for (int block = begin; block < end; block += 4 * L) {
        for (int t = 0; t < L; t += W) {
            Complex<Vec<W>> x[4];
            for (int k = 0; k < 4; ++k) {
                const int at = block + t + k * L;
                x[k] = {load<W>(sr + at), load<W>(si + at)};
            }
            radix4(x, twiddles<W>(w, L - 1 + t), twiddles<W>(w, 2 * L - 1 + t), twiddles<W>(w, 3 * L - 1 + t));
            for (int k = 0; k < 4; ++k) {
                const int at = block + t + k * L;
                store<W>(dr + at, scaled ? x[k].re * s : x[k].re);
                store<W>(di + at, scaled ? x[k].im * s : x[k].im);
            }
        }
    }
}

// The last stage alone (half-size L = n / 2, a multiple of W), for an odd number
// of stages.
template <int W>
inline void radix2PassOf(int L, const float* sr, const float* si, float* dr, float* di, const Twiddles& w, bool scaled,
                         float scale)
{
    const Vec<W> s = splat<W>(scale);
    for (int t = 0; t < L; t += W) {
        Complex<Vec<W>> a{load<W>(sr + t), load<W>(si + t)};
        Complex<Vec<W>> b{load<W>(sr + t + L), load<W>(si + t + L)};
        butterfly(a, b, twiddles<W>(w, L - 1 + t));
        store<W>(dr + t, scaled ? a.re * s : a.re);
        store<W>(di + t, scaled ? a.im * s : a.im);
        store<W>(dr + t + L, scaled ? b.re * s : b.re);
        store<W>(di + t + L, scaled ? b.im * s : b.im);
    }
}

} // namespace
} // namespace MTools::detail
