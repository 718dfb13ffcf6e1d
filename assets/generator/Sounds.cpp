// The metronome's two sounds, synthesized: "tick.wav", a short dry knock like a
// woodblock, for the ordinary beats, and "bell.wav", a small bell with decaying
// inharmonic partials, for the first beat of a bar. Both are 48 kHz mono 16-bit
// PCM (the usual rate of a desktop sound server, so nothing is resampled there),
// normalised below full scale so that several overlapping sounds at the player's
// default volume 0.5 stay clear of clipping.
#include "AssetGenerator.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr double kTwoPi = 6.283185307179586;

struct Partial
{
    double frequency; // Hz
    double amplitude;
    double decay; // seconds for the amplitude to fall to 1/e
};

// White noise in -1..1, from the generator's deterministic sequence so that the
// files come out byte-identical on every run and do not force rebuilds.
double noiseSample(AssetGen::Random& noise)
{
    return 2 * noise.next() - 1.0;
}

void addPartials(std::vector<double>& out, std::vector<Partial> const& partials)
{
    for (Partial const& p : partials) {
        // Sine phase: every partial starts from zero, so the onset has no step.
        double const w = kTwoPi * p.frequency / kRate;
        double const k = std::exp(-1.0 / (p.decay * kRate));
        double env = p.amplitude;
        for (std::size_t n = 0; n < out.size(); ++n) {
            out[n] += env * std::sin(w * double(n));
            env *= k;
        }
    }
}

// The strike itself: a few milliseconds of brightened noise.
void addStrike(std::vector<double>& out, double amplitude, double decay, std::uint32_t seed)
{
    AssetGen::Random noise(seed);
    double const k = std::exp(-1.0 / (decay * kRate));
    double env = amplitude;
    double previous = 0.0;
    std::size_t const length = std::min(out.size(), std::size_t(decay * 8 * kRate));
    for (std::size_t n = 0; n < length; ++n) {
        double const x = noiseSample(noise);
        out[n] += env * 0.5 * (x - previous); // first difference tilts it toward the highs
        previous = x;
        env *= k;
    }
}

void shapeEnds(std::vector<double>& out, double attackSeconds, double fadeSeconds)
{
    std::size_t const attack = std::size_t(attackSeconds * kRate);
    for (std::size_t n = 0; n < attack && n < out.size(); ++n)
        out[n] *= double(n) / double(attack);
    // A raised-cosine fade lets the tail reach exactly zero without a click.
    std::size_t const fade = std::min(out.size(), std::size_t(fadeSeconds * kRate));
    std::size_t const start = out.size() - fade;
    for (std::size_t n = start; n < out.size(); ++n) {
        double const t = double(n - start) / double(fade);
        out[n] *= 0.5 * (1.0 + std::cos(t * kTwoPi / 2));
    }
}

void normalise(std::vector<double>& out, double peak)
{
    double max = 0.0;
    for (double v : out)
        max = std::max(max, std::fabs(v));
    if (max > 0.0)
        for (double& v : out)
            v *= peak / max;
}

// RIFF/WAVE, one "fmt " chunk (PCM), one "data" chunk; triangular dither on the
// way to 16 bits keeps the quiet end of the bell's tail smooth.
QByteArray encodeWav16(std::vector<double> const& samples, int rate, std::uint32_t ditherSeed)
{
    auto putU32 = [](QByteArray& b, std::uint32_t v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        b.append(bytes, 4);
    };
    auto putU16 = [](QByteArray& b, std::uint16_t v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        b.append(bytes, 2);
    };
    std::uint32_t const dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray wav;
    wav.reserve(int(44 + dataBytes));
    wav.append("RIFF", 4);
    putU32(wav, 36 + dataBytes);
    wav.append("WAVE", 4);
    wav.append("fmt ", 4);
    putU32(wav, 16);
    putU16(wav, 1); // PCM
    putU16(wav, 1); // mono
    putU32(wav, std::uint32_t(rate));
    putU32(wav, std::uint32_t(rate * 2)); // bytes per second
    putU16(wav, 2);                       // bytes per frame
    putU16(wav, 16);                      // bits per sample
    wav.append("data", 4);
    putU32(wav, dataBytes);
    AssetGen::Random dither(ditherSeed);
    for (double v : samples) {
        double const d = (noiseSample(dither) + noiseSample(dither)) * 0.5;
        long const s = std::lround(std::clamp(v * 32767.0 + d, -32768.0, 32767.0));
        putU16(wav, std::uint16_t(std::int16_t(s)));
    }
    return wav;
}

std::vector<double> synthesizeTick()
{
    // A hollow wooden block: a few stiff modes that die within tens of
    // milliseconds, the lowest one giving the knock its pitch.
    std::vector<double> out(std::size_t(0.09 * kRate), 0.0);
    addPartials(out, {
                         {640.0, 0.22, 0.016},
                         {1180.0, 1.00, 0.020},
                         {1935.0, 0.50, 0.011},
                         {2870.0, 0.30, 0.0065},
                         {4160.0, 0.16, 0.0040},
                     });
    addStrike(out, 0.35, 0.0012, 0x7157u);
    shapeEnds(out, 0.0003, 0.02);
    normalise(out, 0.89);
    return out;
}

std::vector<double> synthesizeBell()
{
    // A small bell on A5: hum an octave below, the strike note, a minor third,
    // a fifth, the octave and a cluster of higher partials that fade first.
    // The doublets a hertz or so apart give the slow shimmer of a real bell.
    double const f = 880.0;
    std::vector<double> out(std::size_t(1.1 * kRate), 0.0);
    addPartials(out, {
                         {f * 0.500, 0.30, 0.90},
                         {f * 1.000, 1.00, 0.60},
                         {f * 1.000 + 1.3, 0.30, 0.60},
                         {f * 1.183, 0.42, 0.45},
                         {f * 1.506, 0.28, 0.35},
                         {f * 2.000, 0.55, 0.30},
                         {f * 2.000 + 2.1, 0.18, 0.30},
                         {f * 2.514, 0.22, 0.20},
                         {f * 2.662, 0.18, 0.17},
                         {f * 3.011, 0.16, 0.13},
                         {f * 4.166, 0.10, 0.085},
                         {f * 5.433, 0.07, 0.055},
                     });
    addStrike(out, 0.25, 0.0025, 0xbe11u);
    shapeEnds(out, 0.001, 0.25);
    normalise(out, 0.80);
    return out;
}

void generateSounds(AssetGen::Context& context)
{
    context.saveBundleFile("tick.wav", encodeWav16(synthesizeTick(), kRate, 0x1u));
    context.saveBundleFile("bell.wav", encodeWav16(synthesizeBell(), kRate, 0x2u));
}

} // namespace

TW_ASSET_GENERATOR(generateSounds)
