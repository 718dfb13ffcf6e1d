#pragma once
// Sounds due at equal intervals, such as a metronome's beats, counted in the
// output's own frames. The first beat of a series goes where the stream's
// clock puts its due time; every later beat k goes exactly k intervals of
// frames after it (the fraction carried, so no rounding builds up), whatever
// the estimate of the stream's clock does meanwhile. The ear judges a beat by
// the distance to the one before, and the frames of one stream are the only
// clock that distance is heard on: the series follows no other clock and is
// never placed afresh while its stream plays.
//
// Only a stream that really starts anew (the engine's first, one reopened
// after a pause or a lost server: a new generation of the clock) places the
// series afresh, at the next beat, from the due times, so that it goes on on
// its own grid; its frames before mean nothing on the new stream.
//
// Guarded by the mixer's mutex; the engine's thread places the beats, the
// GUI thread asks when they will be heard.

#include "platform/audio/AudioMixer.h"

#include <climits>
#include <cstdint>
#include <memory>

namespace TickwrenAudio {

class BeatSeries
{
public:
    // Beat k is due at originNs + k * intervalNs on the steady clock.
    BeatSeries(std::int64_t originNs, std::int64_t intervalNs);

    std::int64_t originNs() const { return m_iOriginNs; }
    std::int64_t intervalNs() const { return m_iIntervalNs; }
    std::int64_t dueNs(std::int64_t beat) const { return m_iOriginNs + beat * m_iIntervalNs; }

    // The output frame of beat `beat`'s first sample. `clock` is the current
    // estimate, `latencyNs` the constant time from a due moment to its place.
    // `notBefore` is the first frame not yet rendered: a series whose first
    // beat was asked for too late starts where that sound really goes, and
    // the beats after it keep whole intervals from there. Placed afresh on a
    // new stream, the series keeps to its due times whatever `notBefore`
    // says: the frame returned may then lie before it (that beat is late).
    std::int64_t place(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs,
                       std::int64_t notBefore = INT64_MIN);
    // Where a beat goes by the series as it stands, without placing it;
    // where the clock puts it while nothing has been placed on this stream.
    double frameOf(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs) const;

    // Something has been placed on the current clock's generation.
    bool anchored() const { return m_bAnchored; }
    // How often the series was placed afresh on a new stream after its first beat.
    int restarts() const { return m_nRestarts; }

private:
    std::int64_t m_iOriginNs;
    std::int64_t m_iIntervalNs;
    bool m_bAnchored = false;
    std::uint64_t m_uGeneration = 0;
    std::int64_t m_iAnchorBeat = -1;
    double m_fAnchorFrame = 0.0;
    int m_nRestarts = 0;
};

using BeatSeriesPtr = std::shared_ptr<BeatSeries>;

} // namespace TickwrenAudio
