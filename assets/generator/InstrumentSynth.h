#pragma once
// The instrument voices of the sample set: plucked strings by a digital
// waveguide string with a body, bowed strings by a sustained harmonic tone
// with bow noise and vibrato, and the piano by stretched, decaying partials
// with a hammer knock. Each renders one note at an exact frequency.

#include "InstrumentSamples.h"

#include <QString>

#include <vector>

namespace InstrumentSynth {

// One note of the named instrument (a sample prefix such as "guitar" or
// "violine") at `frequency` hertz: mono, `seconds` long at `rate`, rising from
// silence and faded to silence at its end, peaking at `peak` (0..1).
std::vector<float> render(QString const& instrument, double frequency, int rate, double seconds, double peak);

// The waveguide's loop as the plucked voice builds it, for checking its
// tuning: integer delay, allpass coefficient and the loop filter's taps.
struct StringLoop
{
    int delay = 0;
    double allpass = 0.0;
    double tap = 0.0; // outer taps of the symmetric three-tap loop filter
    double gain = 1.0;
};
StringLoop tuneStringLoop(double frequency, int rate, double tap, double decaySeconds);

// Phase delay in samples of the first-order allpass (c + z^-1) / (1 + c z^-1)
// at `omega` radians per sample.
double allpassPhaseDelay(double c, double omega);

} // namespace InstrumentSynth
