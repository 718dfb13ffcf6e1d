#pragma once
// Sounds due at equal intervals, such as a metronome's beats, counted in the
// output's own frames. The first sound of a series goes where the stream's
// clock puts its due time; every later beat k goes exactly k intervals of
// frames after that (the fraction carried, so no rounding builds up), however
// the estimate of the stream's clock moves meanwhile. Consecutive beats are
// therefore whole intervals of frames apart, which is what the ear judges.
//
// The series still follows the steady clock the beats are due on, slowly:
// where the output's clock drifts from it (sound cards differ by tens of
// ppm), a beat is moved by at most one frame against the one before. Only a
// stream that really moved places the series afresh: a new stream (a new
// generation of the clock, as after a restarted server), or one that moved
// so that the series would sound more than kMovedNs early (a server that
// skipped ahead; also a card drifting faster than a frame a beat follows,
// once it has drifted that far): a sound that early would be asked for
// after its place had been rendered. A stream the server held back (a fresh
// one, mostly) is counted on: the beats keep their frames and are heard that
// much later, up to kHeldBackNs.
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
    // the beats after it keep whole intervals from there. Beats are placed
    // in order; asking again for a beat already placed (or an earlier one)
    // gives its frame without moving the series.
    std::int64_t place(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs,
                       std::int64_t notBefore = INT64_MIN);
    // Where a beat goes by the series as it stands, without placing it;
    // where the clock puts it while nothing has been placed.
    double frameOf(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs) const;

    // Something has been placed on the current clock's generation.
    bool anchored() const { return m_bAnchored; }
    // How often the series was placed afresh on a moved stream after its
    // first beat, and by how many frames it moved the last time.
    int restarts() const { return m_nRestarts; }
    double lastMoveFrames() const { return m_fLastMoveFrames; }
    // The last beat placed and the correction in frames it carried (-1, 0, 1).
    std::int64_t lastBeat() const { return m_iAnchorBeat; }
    int lastCorrection() const { return m_nLastCorrection; }

    // The series is only corrected once it is this far off the clock, so
    // that the estimate's jitter of a frame or so moves nothing.
    static constexpr double kDeadBandFrames = 2.0;
    // How far the series may come before the clock's due times (early) and
    // after them (late) before it is placed afresh.
    static constexpr std::int64_t kMovedNs = 10000000;
    static constexpr std::int64_t kHeldBackNs = 1000000000;

private:
    std::int64_t m_iOriginNs;
    std::int64_t m_iIntervalNs;
    bool m_bAnchored = false;
    std::uint64_t m_uGeneration = 0;
    std::int64_t m_iAnchorBeat = -1;
    double m_fAnchorFrame = 0.0;
    int m_nRestarts = 0;
    double m_fLastMoveFrames = 0.0;
    int m_nLastCorrection = 0;
};

using BeatSeriesPtr = std::shared_ptr<BeatSeries>;

} // namespace TickwrenAudio
