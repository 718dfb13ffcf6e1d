// The three voices of the instrument sample set. Every voice puts the
// fundamental exactly where the note's name says: the tuners' reference tones
// must hold to half a cent, so the plucked string's loop is tuned by its
// phase delay at the fundamental, not by rounding its length, and the additive
// voices set their fundamental directly.
#include "InstrumentSynth.h"

#include "AssetGenerator.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace InstrumentSynth {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

// A resonance of an instrument's body (or the bowed strings' formants).
struct Resonance
{
    double frequency;
    double q;
    double gain;
};

struct PluckedVoice
{
    double decaySeconds;     // time for the fundamental to fall by 60 dB, at 200 Hz
    double tap;              // outer taps of the loop filter: more is darker and damps the highs sooner
    double pickPosition;     // where the string is plucked, as a fraction of its length
    double excitationCutoff; // hertz; a soft finger or a pick
    std::vector<Resonance> body;
};

PluckedVoice pluckedVoice(QString const& instrument)
{
    static QHash<QString, PluckedVoice> const voices = {
        // Steel strings on a large hollow body.
        {QStringLiteral("guitar"),
         {3.2, 0.07, 0.18, 5200.0, {{98.0, 10.0, 0.9}, {204.0, 9.0, 0.7}, {395.0, 7.0, 0.35}, {2600.0, 2.5, 0.2}}}},
        // Round-wound bass strings; the electric instrument's body adds little.
        {QStringLiteral("bass"), {4.0, 0.16, 0.24, 2200.0, {{75.0, 2.0, 0.25}, {700.0, 1.5, 0.15}}}},
        {QStringLiteral("bassguitar"), {4.0, 0.16, 0.24, 2200.0, {{75.0, 2.0, 0.25}, {700.0, 1.5, 0.15}}}},
        // Nylon strings on a small body: soft and short.
        {QStringLiteral("ukulele"),
         {2.0, 0.17, 0.22, 3000.0, {{245.0, 9.0, 0.7}, {480.0, 8.0, 0.4}, {1800.0, 3.0, 0.15}}}},
        // A drum head as the soundboard: bright, twangy and quickly gone.
        {QStringLiteral("banjo"),
         {2.0, 0.04, 0.10, 7500.0, {{360.0, 16.0, 0.9}, {1150.0, 6.0, 0.4}, {3000.0, 3.0, 0.25}}}},
        // Paired metal strings played with a pick.
        {QStringLiteral("mandolin"),
         {2.2, 0.05, 0.12, 6500.0, {{300.0, 10.0, 0.6}, {620.0, 8.0, 0.35}, {2900.0, 3.0, 0.2}}}},
        // A triangular body, bright and fairly dry.
        {QStringLiteral("balalaika"),
         {2.2, 0.06, 0.13, 6000.0, {{275.0, 12.0, 0.6}, {900.0, 6.0, 0.35}, {2500.0, 3.0, 0.15}}}},
        // Gut-like strings on a long-necked pear-shaped body.
        {QStringLiteral("dombra"),
         {2.4, 0.13, 0.20, 3600.0, {{175.0, 10.0, 0.6}, {410.0, 8.0, 0.4}, {1500.0, 3.0, 0.15}}}},
    };
    return voices.value(instrument, voices.value(QStringLiteral("guitar")));
}

// A two-pole band-pass with a peak gain of one at its centre.
class Resonator
{
public:
    Resonator(Resonance const& r, int rate)
    {
        double const w = kTwoPi * r.frequency / rate;
        double const alpha = std::sin(w) / (2 * r.q);
        double const a0 = 1 + alpha;
        m_b0 = r.gain * alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }
    double process(double x)
    {
        double const y = m_b0 * (x - m_x2) - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// The dry signal plus the body's resonances, which colour the tone without
// moving any partial's frequency (a linear filter only scales them).
void applyBody(std::vector<double>& signal, std::vector<Resonance> const& body, int rate)
{
    std::vector<Resonator> resonators;
    for (Resonance const& r : body)
        resonators.emplace_back(r, rate);
    for (double& v : signal) {
        double wet = 0.0;
        for (Resonator& r : resonators)
            wet += r.process(v);
        v += wet;
    }
}

// One-pole high-pass at a few hertz: whatever offset the excitation leaves.
void removeOffset(std::vector<double>& signal, int rate)
{
    double const k = std::exp(-kTwoPi * 8.0 / rate);
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (double& v : signal) {
        double const out = v - previousIn + k * previousOut;
        previousIn = v;
        previousOut = out;
        v = out;
    }
}

// Raised-cosine ramps: up from silence at the start (no step, so no click)
// and down to silence at the end.
void shapeEnds(std::vector<double>& signal, int rate, double attackSeconds, double releaseSeconds)
{
    std::size_t const attack = std::min(signal.size(), std::size_t(attackSeconds * rate));
    for (std::size_t n = 0; n < attack; ++n)
        signal[n] *= 0.5 * (1 - std::cos(kPi * double(n) / double(attack)));
    std::size_t const release = std::min(signal.size(), std::size_t(releaseSeconds * rate));
    std::size_t const start = signal.size() - release;
    for (std::size_t n = start; n < signal.size(); ++n)
        signal[n] *= 0.5 * (1 + std::cos(kPi * double(n - start + 1) / double(release)));
}

std::vector<float> finish(std::vector<double> const& signal, double peak)
{
    double max = 0.0;
    for (double v : signal)
        max = std::max(max, std::fabs(v));
    double const scale = max > 0.0 ? peak / max : 0.0;
    std::vector<float> out(signal.size());
    for (std::size_t n = 0; n < signal.size(); ++n)
        out[n] = float(signal[n] * scale);
    return out;
}

// A seed of its own for every note, so that no two strings sound alike and
// every build makes the same files.
std::uint32_t seedOf(QString const& instrument, double frequency)
{
    return std::uint32_t(qHash(instrument)) ^ std::uint32_t(std::lround(frequency * 1000.0));
}

// A plucked string: a waveguide loop (delay line, a first-order allpass for
// the fraction of a sample, and a symmetric three-tap low-pass whose delay is
// exactly one sample at every frequency), excited by the plucked shape of the
// string, heard through the instrument's body.
std::vector<double> pluck(QString const& instrument, double frequency, int rate, std::size_t frames)
{
    PluckedVoice const voice = pluckedVoice(instrument);
    double const decay = std::clamp(voice.decaySeconds * std::pow(200.0 / frequency, 0.35), 0.6, 6.0);
    StringLoop const loop = tuneStringLoop(frequency, rate, voice.tap, decay);

    // The excitation: one period of the string's shape at the moment it is
    // let go (a triangle with its apex at the plucking point, which leaves
    // the harmonics with a node there weak and the fundamental strongest),
    // roughened with a little noise so that no two notes sound quite alike,
    // and softened by a one-pole low-pass (a fingertip more than a pick).
    int const period = int(std::lround(rate / frequency));
    int const apex = std::max(1, int(std::lround(voice.pickPosition * period)));
    AssetGen::Random noise(seedOf(instrument, frequency));
    std::vector<double> input(std::size_t(period), 0.0);
    double const smooth = std::exp(-kTwoPi * voice.excitationCutoff / rate);
    double state = 0.0;
    double mean = 0.0;
    for (int n = 0; n < period; ++n) {
        double const shape = n < apex ? double(n) / apex : double(period - n) / double(period - apex);
        state = (1 - smooth) * (shape + 0.15 * (2 * noise.next() - 1)) + smooth * state;
        input[std::size_t(n)] = state;
        mean += state / period;
    }
    for (double& v : input)
        v -= mean;

    std::vector<double> out(frames, 0.0);
    double const c = loop.allpass;
    double const a = loop.tap;
    double apIn1 = 0.0, apOut1 = 0.0, ap2 = 0.0;
    for (std::size_t n = 0; n < frames; ++n) {
        double const delayed = n >= std::size_t(loop.delay) ? out[n - std::size_t(loop.delay)] : 0.0;
        double const ap = c * delayed + apIn1 - c * apOut1;
        double const filtered = a * ap + (1 - 2 * a) * apOut1 + a * ap2;
        ap2 = apOut1;
        apIn1 = delayed;
        apOut1 = ap;
        out[n] = (n < input.size() ? input[n] : 0.0) + loop.gain * filtered;
    }
    removeOffset(out, rate);
    applyBody(out, voice.body, rate);
    shapeEnds(out, rate, 0.003, 0.30);
    return out;
}

// A bowed string: the Helmholtz motion's sawtooth-like series of harmonics,
// weighted by the bowing point and the body's formants, rising as the bow
// bites, with vibrato that sets in after the attack and a little bow noise.
std::vector<double> bow(QString const& instrument, double frequency, int rate, std::size_t frames)
{
    std::vector<Resonance> formants;
    double vibratoCents = 6.0;
    if (instrument == QLatin1String("doublebass")) {
        formants = {{95.0, 4.0, 1.0}, {250.0, 3.0, 0.7}, {900.0, 2.0, 0.35}};
        vibratoCents = 5.0;
    } else if (instrument == QLatin1String("cello")) {
        formants = {{160.0, 4.0, 1.0}, {420.0, 3.0, 0.7}, {1500.0, 2.0, 0.4}};
    } else {
        formants = {{290.0, 5.0, 1.0}, {480.0, 4.0, 0.7}, {2700.0, 2.5, 0.6}};
    }
    int const harmonics = std::max(1, std::min(40, int(15000.0 / frequency)));
    std::vector<double> gain(std::size_t(harmonics) + 1, 0.0);
    double const bowPoint = 1.0 / 9.3;
    for (int k = 1; k <= harmonics; ++k) {
        double const f = k * frequency;
        double body = 0.35;
        for (Resonance const& r : formants)
            body += r.gain / std::sqrt(1 + r.q * r.q * std::pow(f / r.frequency - r.frequency / f, 2));
        double const node = std::fabs(std::sin(kPi * k * bowPoint)) / (kPi * k * bowPoint);
        gain[std::size_t(k)] = body * (0.25 + 0.75 * node) / k;
    }

    double const attack = 0.11;
    double const release = 0.35;
    double const total = double(frames) / rate;
    double const vibratoRate = 5.4;
    double const depth = std::pow(2.0, vibratoCents / 1200.0) - 1.0;
    AssetGen::Random noise(seedOf(instrument, frequency));
    Resonator hiss({2400.0, 1.2, 1.0}, rate);
    double const w0 = kTwoPi * frequency / rate;
    double phase = 0.0;
    std::vector<double> out(frames, 0.0);
    for (std::size_t n = 0; n < frames; ++n) {
        double const t = double(n) / rate;
        // Amplitude: the bow's attack, a slight swell, the release.
        double level = t < attack ? 0.5 * (1 - std::cos(kPi * t / attack)) : 1.0;
        level *= 1.0 + 0.06 * std::sin(kPi * std::min(1.0, t / total));
        // Brightness grows as the bow takes hold of the string.
        double const bright = std::min(1.0, 0.55 + 0.45 * t / (2 * attack));
        // Vibrato fades in between 0.35 s and 0.75 s; its mean is the note.
        double const vibrato = depth * std::clamp((t - 0.35) / 0.4, 0.0, 1.0);
        phase += w0 * (1.0 + vibrato * std::sin(kTwoPi * vibratoRate * t));
        if (phase > kTwoPi)
            phase -= kTwoPi;
        double const s1 = std::sin(phase);
        double const twoCos = 2 * std::cos(phase);
        double previous = 0.0;
        double current = s1;
        double weight = 1.0;
        double sum = 0.0;
        for (int k = 1; k <= harmonics; ++k) {
            sum += gain[std::size_t(k)] * weight * current;
            double const next = twoCos * current - previous;
            previous = current;
            current = next;
            weight *= bright;
        }
        double const scratch = hiss.process(2 * noise.next() - 1) * (0.012 + 0.05 * std::max(0.0, 1 - t / attack));
        out[n] = level * (sum + scratch);
    }
    shapeEnds(out, rate, 0.003, release);
    return out;
}

// The piano: partials stretched by the string's stiffness (the fundamental
// itself stays on the note), struck one seventh along the string, each dying
// away in two stages (the prompt sound and the aftersound), with the felt
// hammer's knock at the start.
std::vector<double> strike(double frequency, int rate, std::size_t frames)
{
    double const midi = 69 + 12 * std::log2(frequency / 440.0);
    double const stiffness = 0.0004 * std::pow(2.0, 0.8 * (midi - 60) / 12.0);
    double const tau1 = std::clamp(1.4 * std::pow(261.6 / frequency, 0.5), 0.2, 5.0);
    double const hammerCutoff = 1200.0 + 2.5 * frequency;
    int const partials = std::max(1, std::min(60, int(15000.0 / frequency)));
    std::vector<double> out(frames, 0.0);
    for (int k = 1; k <= partials; ++k) {
        double const f = k * frequency * std::sqrt((1 + stiffness * k * k) / (1 + stiffness));
        if (f > 0.45 * rate)
            break;
        double amplitude = std::fabs(std::sin(kPi * k / 7.0)) / std::pow(k, 0.8);
        amplitude /= 1 + std::pow(f / hammerCutoff, 2);
        if (k == 1)
            amplitude = std::max(amplitude, 0.6);
        double const tau = tau1 / (1 + 0.12 * (k - 1) + f / 6000.0);
        double const fast = std::exp(-1.0 / (tau * rate));
        double const slow = std::exp(-1.0 / (3.5 * tau * rate));
        double const w = kTwoPi * f / rate;
        double const cw = std::cos(w), sw = std::sin(w);
        double re = 1.0, im = 0.0; // e^{i w n}; the sine part starts at zero
        double prompt = 0.72 * amplitude, after = 0.28 * amplitude;
        for (std::size_t n = 0; n < frames; ++n) {
            out[n] += (prompt + after) * im;
            double const nre = re * cw - im * sw;
            im = re * sw + im * cw;
            re = nre;
            prompt *= fast;
            after *= slow;
        }
    }
    // The hammer: a soft thump of low-passed noise lasting a few milliseconds.
    AssetGen::Random noise(seedOf(QStringLiteral("piano"), frequency));
    double const smooth = std::exp(-kTwoPi * hammerCutoff / rate);
    double const knockDecay = std::exp(-1.0 / (0.006 * rate));
    double state = 0.0, level = 0.08;
    for (std::size_t n = 0; n < frames && level > 1e-6; ++n) {
        state = (1 - smooth) * (2 * noise.next() - 1) + smooth * state;
        out[n] += level * state;
        level *= knockDecay;
    }
    shapeEnds(out, rate, 0.003, 0.25);
    return out;
}

} // namespace

double allpassPhaseDelay(double c, double omega)
{
    double const phase =
        std::atan2(-std::sin(omega), c + std::cos(omega)) - std::atan2(-c * std::sin(omega), 1 + c * std::cos(omega));
    return -phase / omega;
}

StringLoop tuneStringLoop(double frequency, int rate, double tap, double decaySeconds)
{
    StringLoop loop;
    loop.tap = tap;
    // The loop must delay the fundamental by exactly one period. The low-pass
    // takes one sample; the delay line whole samples; the allpass the rest,
    // kept between half a sample and one and a half, where it is smooth.
    double const period = double(rate) / frequency;
    loop.delay = int(std::floor(period - 1.5));
    double const fraction = period - 1.0 - loop.delay;
    // The allpass's delay at the fundamental (not its low-frequency
    // approximation) falls as its coefficient grows: bisect for it.
    double const omega = kTwoPi * frequency / rate;
    double low = -0.999, high = 0.999;
    for (int i = 0; i < 100; ++i) {
        double const mid = 0.5 * (low + high);
        if (allpassPhaseDelay(mid, omega) > fraction)
            low = mid;
        else
            high = mid;
    }
    loop.allpass = 0.5 * (low + high);
    // Per period the fundamental loses the loop filter's gain there times
    // the loop gain; together they give the decay time asked for.
    double const filterGain = 1 - 2 * tap + 2 * tap * std::cos(omega);
    double const perPeriod = std::pow(10.0, -3.0 / (decaySeconds * frequency));
    loop.gain = std::min(0.99999, perPeriod / filterGain);
    return loop;
}

std::vector<float> render(QString const& instrument, double frequency, int rate, double seconds, double peak)
{
    std::size_t const frames = std::size_t(std::lround(seconds * rate));
    switch (InstrumentSamples::familyOf(instrument)) {
    case InstrumentSamples::Family::Piano:
        return finish(strike(frequency, rate, frames), peak);
    case InstrumentSamples::Family::Bowed:
        return finish(bow(instrument, frequency, rate, frames), peak);
    case InstrumentSamples::Family::Plucked:
        break;
    }
    return finish(pluck(instrument, frequency, rate, frames), peak);
}

} // namespace InstrumentSynth
