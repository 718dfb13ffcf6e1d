#pragma once
// The stream's clock, estimated from the output's pace. Rendering runs ahead
// of what the server has played by at most the server's buffer plus one
// block, so the frames rendered by a moment lie on or below a line of slope
// `rate` whose height is the most ever seen; writes that wake late fall
// below it. The estimate follows the highest observation of the last second
// or so: slowly while the two differ by less than a millisecond (drift
// between the sound card's clock and the steady clock), at once when they
// differ by more (the stream has really moved: a new stream, or one the
// server ran dry and skipped ahead).

#include "platform/audio/AudioMixer.h"

#include <cstdint>

namespace TickwrenAudio {

class ClockEstimator
{
public:
    // `generation` tells this stream's frames from those of the streams
    // before it (StreamClock::generation).
    ClockEstimator(int rate, std::int64_t openedNs, std::uint64_t generation = 0);

    // Takes in that by `ns` (steady clock) the output had been given
    // `renderedEnd` frames, and gives the estimate that follows.
    StreamClock const& observe(std::int64_t ns, std::int64_t renderedEnd);

    // The estimate follows the observations at once for this long after the
    // stream opens, while the server fills its buffer.
    static constexpr std::int64_t kSettleNs = 1000 * 1000000LL;
    // The highest observation is kept per stretch of this length, over the
    // current stretch and the one before.
    static constexpr std::int64_t kBucketNs = 500 * 1000000LL;
    // A difference larger than this is followed at once.
    static constexpr double kJumpSeconds = 0.001;
    // 100 ppm up, 40 ppm down: about what sound cards drift, and at most
    // 1.5 frames over a beat of 288 ms while it moves. A card drifting
    // faster than that is followed by jumps of a millisecond now and then.
    // A lower maximum is mostly a stretch without a prompt write, so the
    // estimate comes down more slowly than it goes up.
    static constexpr double kSlewFramesPerSecond = 5.0;
    static constexpr double kSlewDownFramesPerSecond = 2.0;

private:
    StreamClock m_clock;
    std::int64_t m_iOpenedNs;
    std::int64_t m_iLastNs = -1;
    std::int64_t m_iBucketStartNs = -1;
    double m_fCurrentMax = 0.0;
    double m_fPreviousMax = 0.0;
};

} // namespace TickwrenAudio
