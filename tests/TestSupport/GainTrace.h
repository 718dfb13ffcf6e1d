#pragma once

// How the gain a mix went out with moved, frame by frame: what came out over
// what the sounds add up to plainly. Shared by the tests that show sounds
// played together are brought down smoothly rather than clipped.

#include <cmath>
#include <cstdint>

struct GainTrace
{
    double lowest = 1.0;
    double highest = 0.0;
    std::int64_t highestAt = -1;
    double largestStep = 0.0; // between two frames told one after the other
    std::int64_t largestAt = -1;
};

// `plainAt(n)` is the plain sum at frame n (full scale 1.0), `heardAt(n)` what
// came out there in 16-bit units. Frames where the plain sum is too quiet to
// tell the gain to well within a 16-bit step are passed over, and so are
// frames `skip(n)` names (silence a starved sound server left in a recording);
// a step is measured only between frames told without a gap.
template <class Plain, class Heard, class Skip>
GainTrace traceGain(std::int64_t frames, Plain plainAt, Heard heardAt, Skip skip)
{
    constexpr float kQuietest = 0.1f;
    GainTrace trace;
    double previous = -1.0;
    for (std::int64_t n = 0; n < frames; ++n) {
        float const p = plainAt(n);
        if (std::fabs(p) < kQuietest || skip(n)) {
            previous = -1.0;
            continue;
        }
        double const gain = heardAt(n) / (double(p) * 32767.0);
        if (gain > trace.highest) {
            trace.highest = gain;
            trace.highestAt = n;
        }
        if (gain < trace.lowest)
            trace.lowest = gain;
        if (previous >= 0.0 && std::fabs(gain - previous) > trace.largestStep) {
            trace.largestStep = std::fabs(gain - previous);
            trace.largestAt = n;
        }
        previous = gain;
    }
    return trace;
}
