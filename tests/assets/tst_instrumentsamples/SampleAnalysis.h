#pragma once
// Measurements of one decoded note: its fundamental (found with the FFT of
// the utility library, then refined on the spectrum between the FFT's bins,
// where a windowed decaying partial has its maximum exactly at its frequency),
// its level, and how it starts and ends.

#include "MTools/Math.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace SampleAnalysis {

constexpr double kPi = 3.14159265358979323846;

inline double dB(double ratio)
{
    return 20.0 * std::log10(std::max(ratio, 1e-12));
}

inline double cents(double measured, double expected)
{
    return 1200.0 * std::log2(measured / expected);
}

// The signal under a Hann window over its whole length.
inline std::vector<double> windowed(std::vector<float> const& x)
{
    std::vector<double> w(x.size());
    double const n = double(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        w[i] = x[i] * 0.5 * (1.0 - std::cos(2 * kPi * (double(i) + 0.5) / n));
    return w;
}

// Magnitudes of the first half of the zero-padded FFT of the windowed signal.
struct Spectrum
{
    std::vector<double> magnitude;
    double binHz = 0.0;

    int bin(double hz) const { return std::clamp(int(std::lround(hz / binHz)), 0, int(magnitude.size()) - 1); }
    // The strongest bin between two frequencies.
    int peakBin(double fromHz, double toHz) const
    {
        int best = bin(fromHz);
        for (int k = bin(fromHz); k <= bin(toHz); ++k)
            if (magnitude[std::size_t(k)] > magnitude[std::size_t(best)])
                best = k;
        return best;
    }
    double peak(double fromHz, double toHz) const { return magnitude[std::size_t(peakBin(fromHz, toHz))]; }
};

inline Spectrum spectrum(std::vector<double> const& w, int rate)
{
    int n = 1;
    while (n < int(w.size()))
        n *= 2;
    std::vector<float> re(std::size_t(n), 0.0f), im(std::size_t(n), 0.0f);
    for (std::size_t i = 0; i < w.size(); ++i)
        re[i] = float(w[i]);
    MTools::Math::fft(n, re.data(), im.data());
    Spectrum s;
    s.binHz = double(rate) / n;
    s.magnitude.resize(std::size_t(n / 2));
    for (std::size_t k = 0; k < s.magnitude.size(); ++k)
        s.magnitude[k] = std::hypot(double(re[k]), double(im[k]));
    return s;
}

// |sum w[n] e^(-i 2 pi f n / rate)|, the spectrum between the FFT's bins.
inline double magnitudeAt(std::vector<double> const& w, double hz, int rate)
{
    std::complex<double> const step = std::polar(1.0, -2 * kPi * hz / rate);
    std::complex<double> rotor(1.0, 0.0);
    std::complex<double> sum(0.0, 0.0);
    for (std::size_t i = 0; i < w.size(); ++i) {
        sum += w[i] * rotor;
        rotor *= step;
        if ((i & 1023) == 1023)
            rotor /= std::abs(rotor); // keep the rotor on the unit circle
    }
    return std::abs(sum);
}

// The maximum of the spectrum within a bin of `nearHz`, by golden-section search.
inline double refinePeak(std::vector<double> const& w, double nearHz, double binHz, int rate)
{
    double const g = (std::sqrt(5.0) - 1) / 2;
    double a = nearHz - binHz, b = nearHz + binHz;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = magnitudeAt(w, c, rate), fd = magnitudeAt(w, d, rate);
    while (b - a > 1e-7) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = magnitudeAt(w, c, rate);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = magnitudeAt(w, d, rate);
        }
    }
    return (a + b) / 2;
}

struct Pitch
{
    double hz = 0.0;
    double belowStrongestDb = 0.0; // the fundamental's level against the strongest partial
    double subharmonicDb = 0.0;    // the strongest level around half the fundamental, against it
};

// The fundamental near `expectedHz` (within a semitone).
inline Pitch pitch(std::vector<float> const& x, int rate, double expectedHz)
{
    std::vector<double> const w = windowed(x);
    Spectrum const s = spectrum(w, rate);
    double const semitone = std::pow(2.0, 1.0 / 12.0);
    int const k = s.peakBin(expectedHz / semitone, expectedHz * semitone);
    double const level = s.magnitude[std::size_t(k)];
    Pitch p;
    p.hz = refinePeak(w, k * s.binHz, s.binHz, rate);
    p.belowStrongestDb = dB(level / s.peak(20.0, rate / 2.0 - 1));
    p.subharmonicDb = dB(s.peak(expectedHz / 2 / semitone, expectedHz / 2 * semitone) / level);
    return p;
}

inline double peakOf(std::vector<float> const& x, std::size_t from, std::size_t to)
{
    double peak = 0.0;
    for (std::size_t i = from; i < std::min(to, x.size()); ++i)
        peak = std::max(peak, double(std::fabs(x[i])));
    return peak;
}

} // namespace SampleAnalysis
