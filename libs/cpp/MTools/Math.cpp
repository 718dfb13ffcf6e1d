#include "MTools/Math.h"

#include "MTools/Fft_p.h"

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
    return detail::fftTransform(n, re, im, true);
}

bool Math::ifft(const int& n, float* re, float* im)
{
    return detail::fftTransform(n, re, im, false);
}

} // namespace MTools

MTools::Math g_math(1e-10f);
