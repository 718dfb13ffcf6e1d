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
    // Multiplied out from the anchor rather than summed beat by beat, so that
    // a series of hours carries no rounding.
    double const intervalFrames = double(m_iIntervalNs) * clock.rate / 1e9;
    return m_fAnchorFrame + double(beat - m_iAnchorBeat) * intervalFrames;
}

std::int64_t BeatSeries::place(std::int64_t beat, StreamClock const& clock, std::int64_t latencyNs,
                               std::int64_t notBefore)
{
    if (m_bAnchored && clock.generation == m_uGeneration)
        return std::llround(frameOf(beat, clock, latencyNs));
    // On a new stream the series goes on on its own grid, from the due times:
    // a beat whose place has gone by is late, the beats after it are not.
    bool const restart = m_bAnchored;
    if (restart)
        ++m_nRestarts;
    m_bAnchored = true;
    m_uGeneration = clock.generation;
    m_iAnchorBeat = beat;
    m_fAnchorFrame = clock.frameAt(dueNs(beat) + latencyNs);
    if (!restart)
        m_fAnchorFrame = std::max(m_fAnchorFrame, double(notBefore));
    return std::llround(m_fAnchorFrame);
}

} // namespace TickwrenAudio
