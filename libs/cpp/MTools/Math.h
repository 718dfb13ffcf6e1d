#pragma once

namespace MTools {

// The library's small numeric kit in single precision: a sine and a cosine table
// with one entry per whole degree, elementary functions by power series sharing
// one stop threshold, a fixed-step integral and a radix-2 FFT.
//
// The tables are filled by the first Math object constructed; the global g_math
// does that before main, so any code may read them at any time.
class Math
{
public:
    explicit Math(const float& precision);
    virtual ~Math();

    static void lutInit();
    static void setPrecision(const float& p);

    static float sinRad(const float& x);
    static float cosRad(const float& x);
    static float secRad(const float& x);
    // The series converge for |x| < 1.
    static float atanRad(const float& x);
    static float acosRad(const float& x);
    static float acotRad(const float& x);
    // Converges for 0 < x < 2.
    static float ln(const float& x);
    static float exp(const float& x);
    // Binomial series in x - 1, converging for 0 < x < 2.
    static float pow(const float& x, const float& a);
    static float powInt(const float& x, const int& n);
    // Newton iteration; not-a-number for a negative x.
    static float sqrt(const float& x);
    // Defined for whole numbers 0 or greater; anything else is not-a-number.
    static float factorialf(const float& x);
    // Wraps modulo 2^64 above 20.
    static unsigned long factorial(const unsigned long& n);
    static float abs(const float& x);
    static float maximum(const float& a, const float& b);
    static float minimum(const float& a, const float& b);
    // Truncates toward zero: -1.5 gives -1.
    static float floor(const float& x);
    // Table lookups; any whole degree is reduced to 0 ... 359 first.
    static const float& sin(const int& d);
    static const float& cos(const int& d);
    static float tan(const int& d);
    static float rad(const int& d);
    // Left-point rectangle sum over 50 steps; 0 when b is not greater than a.
    static float integral(const float& a, const float& b, float (*f)(float));
    // In-place transform of n complex values (n a power of two). fft scales by
    // 1/n, ifft does not, so ifft(fft(x)) gives x back. Any other n leaves the
    // arrays unchanged and returns false.
    static bool fft(const int& n, float* re, float* im);
    static bool ifft(const int& n, float* re, float* im);

    static float sm_fPrecision;
    static int sm_nCounter;
    static float sm_fSin[360];
    static float sm_fCos[360];

    static const float PI;
    static const float PIH;
    static const float EXP;
};

} // namespace MTools

// Fills the tables during static initialisation, before main.
extern MTools::Math g_math;
