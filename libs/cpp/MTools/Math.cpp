#include "MTools/Math.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace MTools {

float Math::sm_fPrecision = 1e-10f;
int Math::sm_nCounter = 0;
float Math::sm_fSin[360];
float Math::sm_fCos[360];

const float Math::PI = 3.1415927f;
const float Math::PIH = 1.5707964f;
const float Math::EXP = 2.7182817f;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Beyond this many steps a float step counter is no longer exact; no series in
// its convergence range gets near it, and it ends the loop for a threshold that
// can never be met (a negative one, or an argument outside the range).
constexpr int kMaxSeriesSteps = 1 << 23;
constexpr int kMaxNewtonSteps = 1000;

// The common series loop: stop when the magnitudes of the last two partial sums
// differ by no more than the threshold, else add the next term. A not-a-number
// sum compares false and ends the loop as well.
template <typename NextTerm>
float runSeries(float sum, float previous, NextTerm nextTerm)
{
    for (int step = 0; step < kMaxSeriesSteps; ++step) {
        if (!(std::fabs(std::fabs(sum) - std::fabs(previous)) > Math::sm_fPrecision))
            break;
        previous = sum;
        sum = nextTerm() + previous;
    }
    return sum;
}

// Each term's power and factorial are kept from the previous term and extended by
// the same multiplications that forming them from 1 would do, so the results are
// those of recomputing them at every step, in linear rather than quadratic time.
// Terms (x^k (-1)^n) / k! with k = 2n + 1 for the sine (firstK 1, starting at x)
// and k = 2n for the cosine (firstK 0, starting at 1).
float trigSeries(float x, int firstK)
{
    float power = firstK == 1 ? x : 1.0f; // x^k
    float factorial = 1;                  // k!
    float sign = 1;                       // (-1)^n
    int k = firstK;
    return runSeries(power, 0.0f, [&] {
        power = power * x;
        factorial = float(k + 1) * factorial;
        power = power * x;
        factorial = float(k + 2) * factorial;
        k += 2;
        sign = -sign;
        return (power * sign) / factorial;
    });
}

float sineSeries(float x)
{
    return trigSeries(x, 1);
}

float cosineSeries(float x)
{
    return trigSeries(x, 0);
}

// Terms (x^k (-1)^n) / k for n = 0, 1, 2, ... with k = 2n + 1 (arctangent,
// kStep 2) or k = n + 1 (logarithm of 1 + x, kStep 1).
float alternatingPowerSeries(float x, int kStep)
{
    float power = 1; // x^k
    float sign = -1; // (-1)^n
    int k = 0;
    return runSeries(0.0f, 1.0f, [&] {
        const int nextK = k == 0 ? 1 : k + kStep;
        for (; k < nextK; ++k)
            power = power * x;
        sign = -sign;
        return (power * sign) / float(k);
    });
}

float newtonSqrt(float x)
{
    if (x < 0)
        return kNaN;
    float y = 1;
    float previous = 0;
    // Near the root the float iterates can alternate between two neighbours that
    // differ by more than the threshold; the step limit ends that.
    for (int step = 0; step < kMaxNewtonSteps && std::fabs(y - previous) > Math::sm_fPrecision; ++step) {
        previous = y;
        y = (x / y + y) * 0.5f;
    }
    return y;
}

bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// What a transform of one length and direction needs besides the data: the swaps
// of the bit-reversal reordering and the twiddle factors of every stage. They
// depend on n, the direction and the series threshold only, so each thread keeps
// the last plan of each direction.
struct FftPlan
{
    int n = 0;
    float precision = 0;
    std::vector<std::pair<int, int>> swaps;
    // Stage with half-size le2 keeps its factors at [le2 - 1, 2 * le2 - 1).
    std::vector<float> wr;
    std::vector<float> wi;
};

const FftPlan& fftPlan(int n, bool forward)
{
    thread_local FftPlan plans[2];
    FftPlan& plan = plans[forward ? 1 : 0];
    if (plan.n == n && plan.precision == Math::sm_fPrecision)
        return plan;
    plan.n = n;
    plan.precision = Math::sm_fPrecision;

    plan.swaps.clear();
    int j = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (i < j)
            plan.swaps.emplace_back(i, j);
        int k = n / 2;
        while (k <= j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }

    // Each stage's factor advances by the rotation (c, s) from (1, 0).
    plan.wr.assign(size_t(n > 1 ? n - 1 : 0), 0.0f);
    plan.wi.assign(plan.wr.size(), 0.0f);
    for (int le2 = 1; le2 < n; le2 *= 2) {
        const float angle = Math::PI / float(le2);
        const float c = cosineSeries(angle);
        float s = sineSeries(angle);
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
    return plan;
}

// One run of butterflies: the pairs (r0[t], r1[t]) with the factors w[t]; the
// four ranges never overlap. From four butterflies on they go four at a time in
// vector registers, element by element the same arithmetic as one at a time.
using Float4 = float __attribute__((vector_size(16)));

Float4 load4(const float* p)
{
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store4(float* p, Float4 v)
{
    std::memcpy(p, &v, sizeof v);
}

void butterflies(int le2, const float* __restrict wre, const float* __restrict wim, float* __restrict r0,
                 float* __restrict i0, float* __restrict r1, float* __restrict i1)
{
    if (le2 % 4 != 0) {
        for (int t = 0; t < le2; ++t) {
            const float tr = wre[t] * r1[t] - wim[t] * i1[t];
            const float ti = wim[t] * r1[t] + wre[t] * i1[t];
            r1[t] = r0[t] - tr;
            i1[t] = i0[t] - ti;
            r0[t] = r0[t] + tr;
            i0[t] = i0[t] + ti;
        }
        return;
    }
    for (int t = 0; t < le2; t += 4) {
        const Float4 wr = load4(wre + t), wi = load4(wim + t);
        const Float4 a = load4(r0 + t), b = load4(i0 + t), c = load4(r1 + t), d = load4(i1 + t);
        const Float4 tr = wr * c - wi * d;
        const Float4 ti = wi * c + wr * d;
        store4(r1 + t, a - tr);
        store4(i1 + t, b - ti);
        store4(r0 + t, a + tr);
        store4(i0 + t, b + ti);
    }
}

bool transform(int n, float* re, float* im, bool forward)
{
    if (!isPowerOfTwo(n) || !re || !im || re == im)
        return false;
    const FftPlan& plan = fftPlan(n, forward);

    for (const auto& swap : plan.swaps) {
        std::swap(re[swap.first], re[swap.second]);
        std::swap(im[swap.first], im[swap.second]);
    }

    // The butterflies of a stage touch disjoint pairs, so they run block after
    // block over neighbouring memory; the arithmetic of each is unchanged.
    for (int le2 = 1; le2 < n; le2 *= 2) {
        const int le = 2 * le2;
        const float* wre = plan.wr.data() + (le2 - 1);
        const float* wim = plan.wi.data() + (le2 - 1);
        for (int block = 0; block < n; block += le)
            butterflies(le2, wre, wim, re + block, im + block, re + block + le2, im + block + le2);
    }

    if (forward) {
        // n is a power of two, so multiplying by its reciprocal rounds exactly as
        // dividing by n does.
        const float scale = 1.0f / float(n);
        for (int i = n - 1; i >= 0; --i) {
            re[i] *= scale;
            im[i] *= scale;
        }
    }
    return true;
}

int reduceDegrees(int d)
{
    const int r = d % 360;
    return r < 0 ? r + 360 : r;
}

} // namespace

Math::Math(const float& precision)
{
    if (sm_nCounter == 0) {
        sm_fPrecision = precision;
        lutInit();
    }
    ++sm_nCounter;
}

Math::~Math() = default;

void Math::lutInit()
{
    for (int i = 359; i >= 0; --i) {
        const float x = float(i) * PI / 180.0f;
        sm_fSin[i] = sineSeries(x);
        sm_fCos[i] = cosineSeries(x);
    }
}

void Math::setPrecision(const float& p)
{
    sm_fPrecision = p;
}

float Math::sinRad(const float& x)
{
    return sineSeries(x);
}

float Math::cosRad(const float& x)
{
    return cosineSeries(x);
}

float Math::secRad(const float& x)
{
    return 1.0f / cosineSeries(x);
}

float Math::atanRad(const float& x)
{
    return alternatingPowerSeries(x, 2);
}

float Math::acosRad(const float& x)
{
    const float s = 1.0f - x * x;
    const float r = newtonSqrt(s);
    const float t = x / r;
    return PIH - alternatingPowerSeries(t, 2);
}

float Math::acotRad(const float& x)
{
    return PIH - alternatingPowerSeries(x, 2);
}

float Math::ln(const float& x)
{
    return alternatingPowerSeries(x - 1.0f, 1);
}

float Math::exp(const float& x)
{
    float power = 1;
    float factorial = 1;
    int n = 0;
    return runSeries(1.0f, 0.0f, [&] {
        ++n;
        power = power * x;
        factorial = float(n) * factorial;
        return power / factorial;
    });
}

float Math::pow(const float& x, const float& a)
{
    // (1 + y)^a = sum of C(a, n) y^n; each term follows from the one before.
    const float y = x - 1.0f;
    float term = 1;
    int n = 0;
    return runSeries(1.0f, 0.0f, [&] {
        ++n;
        term = term * (a - float(n - 1)) / float(n) * y;
        return term;
    });
}

float Math::powInt(const float& x, const int& n)
{
    float r = 1;
    for (int i = 0; i < n; ++i)
        r = r * x;
    return r;
}

float Math::sqrt(const float& x)
{
    return newtonSqrt(x);
}

float Math::factorialf(const float& x)
{
    // Only whole numbers from 0 have a factorial here; counting down from
    // anything else would never reach 0.
    if (std::isnan(x) || x < 0 || x != std::trunc(x))
        return kNaN;
    // 35! is beyond the float range.
    if (x > 34)
        return std::numeric_limits<float>::infinity();
    float r = 1;
    for (int k = 1; float(k) <= x; ++k)
        r = float(k) * r;
    return r;
}

unsigned long Math::factorial(const unsigned long& n)
{
    unsigned long r = 1;
    // From 66! on the product holds 2^64 and wraps to 0, where it stays.
    for (unsigned long k = 2; k <= n && r != 0; ++k)
        r *= k;
    return r;
}

float Math::abs(const float& x)
{
    return x < 0 ? -x : x;
}

float Math::maximum(const float& a, const float& b)
{
    return a > b ? a : b;
}

float Math::minimum(const float& a, const float& b)
{
    return a < b ? a : b;
}

float Math::floor(const float& x)
{
    // From 2^24 on every float is already whole (and may not fit an int).
    if (!(std::fabs(x) < 16777216.0f))
        return x;
    return float(int(x));
}

const float& Math::sin(const int& d)
{
    return sm_fSin[reduceDegrees(d)];
}

const float& Math::cos(const int& d)
{
    return sm_fCos[reduceDegrees(d)];
}

float Math::tan(const int& d)
{
    const int i = reduceDegrees(d);
    return sm_fSin[i] / sm_fCos[i];
}

float Math::rad(const int& d)
{
    return float(d) * PI / 180.0f;
}

float Math::integral(const float& a, const float& b, float (*f)(float))
{
    if (!(b > a) || !f)
        return 0.0f;
    const float h = (b - a) / 50.0f;
    float sum = 0;
    float p = a;
    for (int i = 0; i < 50; ++i) {
        sum += f(p) * h;
        p += h;
    }
    return sum;
}

bool Math::fft(const int& n, float* re, float* im)
{
    return transform(n, re, im, true);
}

bool Math::ifft(const int& n, float* re, float* im)
{
    return transform(n, re, im, false);
}

} // namespace MTools

MTools::Math g_math(1e-10f);
