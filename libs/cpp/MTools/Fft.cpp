#include "MTools/Fft_p.h"

#include "MTools/Cpu_p.h"
#include "MTools/FftAvx2_p.h"
#include "MTools/FftKernels_p.h"
#include "MTools/Math.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

// The radix-2 transform, computed faster but to the bit the same. Each output is
// formed by the same operations in the same order as the stage-by-stage
// transform with the series' twiddle factors would form it; what changes is the
// order in which independent butterflies run and how often the data travel
// through memory:
// - the bit-reversal reordering is a gather into a scratch copy, fused with the
//   first two stages, instead of a pass of swaps;
// - two stages at a time run as one pass (a radix-4 pass of radix-2
//   butterflies), so the data are read and written half as often;
// - the butterflies run four at a time in vector registers;
// - the forward transform's 1/n is applied as the last pass stores its results.
namespace MTools::detail {

namespace {

using Float4 = Vec<4>;

// What a transform of one length and direction needs besides the data. The
// factors depend on n, the direction and the series threshold only.
struct Plan
{
    float precision = -1;
    bool built = false;
    // The factors of the stage with half-size le2 stand at [le2 - 1, 2 le2 - 1).
    std::vector<float> wr;
    std::vector<float> wi;
    // The bit reversal of g in log2(n) - 2 bits, for g < n / 4.
    std::vector<uint32_t> quarterReversal;
};

constexpr int kMaxLog2 = 31;

int log2Of(int n)
{
    int m = 0;
    while ((1 << m) != n)
        ++m;
    return m;
}

const Plan& planFor(int n, bool forward)
{
    thread_local std::array<Plan, 2 * (kMaxLog2 + 1)> plans;
    const int m = log2Of(n);
    Plan& plan = plans[size_t(2 * m + (forward ? 1 : 0))];
    if (plan.built && plan.precision == Math::sm_fPrecision)
        return plan;
    plan.built = true;
    plan.precision = Math::sm_fPrecision;

    // Each stage's factor advances by the rotation (c, s) from (1, 0), rounded
    // step by step as the stage-by-stage transform does.
    plan.wr.assign(size_t(n > 1 ? n - 1 : 0), 0.0f);
    plan.wi.assign(plan.wr.size(), 0.0f);
    for (int le2 = 1; le2 < n; le2 *= 2) {
        const float angle = Math::PI / float(le2);
        const float c = Math::cosRad(angle);
        float s = Math::sinRad(angle);
        if (forward)
            s = -s;
        float ur = 1;
        float ui = 0;
        for (int t = 0; t < le2; ++t) {
            plan.wr[size_t(le2 - 1 + t)] = ur;
            plan.wi[size_t(le2 - 1 + t)] = ui;
            const float nr = c * ur - s * ui;
            ui = c * ui + s * ur;
            ur = nr;
        }
    }

    plan.quarterReversal.clear();
    if (m >= 2) {
        const int bits = m - 2;
        plan.quarterReversal.resize(size_t(n / 4));
        for (uint32_t g = 0; g < uint32_t(n / 4); ++g) {
            uint32_t r = 0;
            for (int b = 0; b < bits; ++b)
                r |= ((g >> b) & 1u) << (bits - 1 - b);
            plan.quarterReversal[g] = r;
        }
    }
    return plan;
}

Complex<Float4> twiddleSplat(const Plan& plan, int index)
{
    return {splat<4>(plan.wr[size_t(index)]), splat<4>(plan.wi[size_t(index)])};
}

// Small transforms: the reordering by swaps, then one stage after the other.
void smallTransform(int n, float* re, float* im, const Plan& plan)
{
    int j = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
        int k = n / 2;
        while (k <= j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
    for (int le2 = 1; le2 < n; le2 *= 2) {
        for (int block = 0; block < n; block += 2 * le2) {
            for (int t = 0; t < le2; ++t) {
                const Complex<float> w{plan.wr[size_t(le2 - 1 + t)], plan.wi[size_t(le2 - 1 + t)]};
                Complex<float> a{re[block + t], im[block + t]};
                Complex<float> b{re[block + t + le2], im[block + t + le2]};
                butterfly(a, b, w);
                re[block + t] = a.re;
                im[block + t] = a.im;
                re[block + t + le2] = b.re;
                im[block + t + le2] = b.im;
            }
        }
    }
}

// The reordering and the stages of half-size 1 and 2, from (re, im) into (dr, di).
// Output group g (positions 4g ... 4g + 3) takes its inputs from the bit-reversed
// positions q_k + j, j = rev(g), with q = 0, n/2, n/4, 3n/4. The work goes by
// j, four at a time: the inputs are read in order, and each group's four values
// are written where they belong.
struct FirstPass
{
    const float* re;
    const float* im;
    float* dr;
    float* di;
    const uint32_t* rev;
    int offset[4];
    Complex<Float4> w1;
    Complex<Float4> wa;
    Complex<Float4> wb;

    void fourGroups(int j) const
    {
        Complex<Float4> x[4];
        for (int k = 0; k < 4; ++k)
            x[k] = {load<4>(re + offset[k] + j), load<4>(im + offset[k] + j)};
        radix4(x, w1, wa, wb);
        // Lane h of x[k] belongs at 4 rev(j + h) + k: a 4 x 4 transposition.
        for (int h = 0; h < 4; ++h) {
            const uint32_t at = 4 * rev[j + h];
            store<4>(dr + at, Float4{x[0].re[h], x[1].re[h], x[2].re[h], x[3].re[h]});
            store<4>(di + at, Float4{x[0].im[h], x[1].im[h], x[2].im[h], x[3].im[h]});
        }
    }
};

void firstPass(int n, const float* re, const float* im, float* dr, float* di, const Plan& plan)
{
    const int quarter = n / 4;
    const FirstPass pass{re,
                         im,
                         dr,
                         di,
                         plan.quarterReversal.data(),
                         {0, 2 * quarter, quarter, 3 * quarter},
                         twiddleSplat(plan, 0),
                         twiddleSplat(plan, 1),
                         twiddleSplat(plan, 2)};
    if (n < 256) {
        for (int j = 0; j < quarter; j += 4)
            pass.fourGroups(j);
        return;
    }
    // The four groups of one 16-value line of the output come from j that differ
    // in their top two bits only (j, j + n/16, j + n/8, j + 3n/16): those go one
    // after the other, so that each line is written whole at once.
    const int sixteenth = n / 16;
    for (int middle = 0; middle < sixteenth; middle += 16)
        for (int low = 0; low < 16; low += 4)
            for (int top = 0; top < quarter; top += sixteenth)
                pass.fourGroups(top + middle + low);
}

// The passes after the first, eight butterflies at a time where the processor
// can and the stage is wide enough, else four.
void radix4Pass(int begin, int end, int L, const float* sr, const float* si, float* dr, float* di, const Plan& plan,
                bool scaled, float scale)
{
#if defined(TW_AVX2)
    if (L >= 8 && hasAvx2()) {
        radix4PassAvx2(begin, end, L, sr, si, dr, di, plan.wr.data(), plan.wi.data(), scaled, scale);
        return;
    }
#endif
    radix4PassOf<4>(begin, end, L, sr, si, dr, di, Twiddles{plan.wr.data(), plan.wi.data()}, scaled, scale);
}

void radix2Pass(int L, const float* sr, const float* si, float* dr, float* di, const Plan& plan, bool scaled,
                float scale)
{
#if defined(TW_AVX2)
    if (L >= 8 && hasAvx2()) {
        radix2PassAvx2(L, sr, si, dr, di, plan.wr.data(), plan.wi.data(), scaled, scale);
        return;
    }
#endif
    radix2PassOf<4>(L, sr, si, dr, di, Twiddles{plan.wr.data(), plan.wi.data()}, scaled, scale);
}

} // namespace

bool fftTransform(int n, float* re, float* im, bool forward)
{
    if (n <= 0 || (n & (n - 1)) != 0 || !re || !im || re == im)
        return false;
    const Plan& plan = planFor(n, forward);
    // n is a power of two, so multiplying by its reciprocal rounds exactly as
    // dividing by n does.
    const float scale = 1.0f / float(n);

    constexpr int kSmall = 16;
    if (n < kSmall) {
        smallTransform(n, re, im, plan);
        if (forward) {
            for (int i = n - 1; i >= 0; --i) {
                re[i] *= scale;
                im[i] *= scale;
            }
        }
        return true;
    }

    thread_local std::vector<float> scratch;
    if (scratch.size() < size_t(2) * size_t(n))
        scratch.resize(size_t(2) * size_t(n));
    float* sr = scratch.data();
    float* si = sr + n;

    // Stages of half-size 4, 8, 16, ... n / 2 follow the first pass, two by
    // two; with an odd count the last one runs alone. The last pass writes back
    // into (re, im). The passes that stay within a block of kBlock values run
    // block by block, while the block is in the nearest cache.
    constexpr int kBlock = 2048;
    const int block = n < kBlock ? n : kBlock;
    firstPass(n, re, im, sr, si, plan);
    int L = 4;
    for (int begin = 0; begin < n; begin += block) {
        for (L = 4; 4 * L <= block; L *= 4) {
            const bool last = 4 * L == n;
            radix4Pass(begin, begin + block, L, sr, si, last ? re : sr, last ? im : si, plan, last && forward, scale);
        }
    }
    for (; 4 * L <= n; L *= 4) {
        const bool last = 4 * L == n;
        radix4Pass(0, n, L, sr, si, last ? re : sr, last ? im : si, plan, last && forward, scale);
    }
    if (L < n)
        radix2Pass(n / 2, sr, si, re, im, plan, forward, scale);
    return true;
}

} // namespace MTools::detail
