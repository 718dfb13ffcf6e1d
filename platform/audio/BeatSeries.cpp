#include "platform/audio/BeatSeries.h"

#include <algorithm>
#include <cmath>

namespace TickwrenAudio {

BeatSeries::BeatSeries(std::int64_t originNs, std::int64_t intervalNs)
    : m_iOriginNs(originNs)
    , m_iIntervalNs(std::max<std::int64_t>(1, intervalNs))
{
}

double BeatSeries::frameOf(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs) const
{
    if (!m_bAnchored || clock.generation != m_uGeneration)
        return clock.frameAt(dueNs(beat) + latencyNs);
    double const intervalFrames = double(m_iIntervalNs) * clock.rate / 1e9;
    return m_fAnchorFrame + double(beat - m_iAnchorBeat) * intervalFrames;
}

std::int64_t BeatSeries::place(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs,
                               std::int64_t notBefore)
{
    double const target = clock.frameAt(dueNs(beat) + latencyNs);
    bool const fresh = !m_bAnchored || clock.generation != m_uGeneration;
    if (!fresh && beat <= m_iAnchorBeat)
        return std::llround(frameOf(beat, clock, latencyNs));
    // Whole intervals of frames on from the last beat, beats without a sound
    // counted too; the clock only nudges the series, a frame per beat at most.
    double const nominal = frameOf(beat, clock, latencyNs);
    double const gap = target - nominal;
    // A positive gap: the clock puts the beat after the series' frame, so
    // the series would sound early.
    bool const moved = gap > double(kMovedNs) * clock.rate / 1e9 || -gap > double(kHeldBackNs) * clock.rate / 1e9;
    if (fresh || moved) {
        if (m_bAnchored) {
            ++m_nRestarts;
            m_fLastMoveFrames = fresh ? 0.0 : gap;
        }
        m_bAnchored = true;
        m_uGeneration = clock.generation;
        m_iAnchorBeat = beat;
        m_fAnchorFrame = std::max(target, double(notBefore));
        m_nLastCorrection = 0;
        return std::llround(m_fAnchorFrame);
    }
    std::int64_t const steps = beat - m_iAnchorBeat;
    int correction = 0;
    if (std::fabs(gap) > kDeadBandFrames)
        correction = int(std::min(double(steps), std::floor(std::fabs(gap)))) * (gap > 0 ? 1 : -1);
    m_fAnchorFrame = nominal + correction;
    m_iAnchorBeat = beat;
    m_nLastCorrection = correction;
    return std::llround(m_fAnchorFrame);
}

} // namespace TickwrenAudio
