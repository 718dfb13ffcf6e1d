#include "platform/audio/ClockEstimator.h"

#include <algorithm>
#include <cmath>

namespace TickwrenAudio {

ClockEstimator::ClockEstimator(int rate, std::int64_t openedNs, std::uint64_t generation)
    : m_iOpenedNs(openedNs)
{
    m_clock.rate = rate;
    m_clock.epochNs = openedNs;
    m_clock.generation = generation;
}

StreamClock const& ClockEstimator::observe(std::int64_t ns, std::int64_t renderedEnd)
{
    double const o = double(renderedEnd) - double(ns - m_clock.epochNs) * m_clock.rate / 1e9;
    if (ns - m_iBucketStartNs >= kBucketNs || m_iBucketStartNs < 0) {
        m_fPreviousMax = m_iBucketStartNs < 0 ? o : m_fCurrentMax;
        m_fCurrentMax = o;
        m_iBucketStartNs = ns;
    } else {
        m_fCurrentMax = std::max(m_fCurrentMax, o);
    }
    double const target = std::max(m_fCurrentMax, m_fPreviousMax);
    bool const settling = ns - m_iOpenedNs < kSettleNs;
    if (!m_clock.valid || settling || std::fabs(target - m_clock.offsetFrames) > m_clock.rate * kJumpSeconds) {
        m_clock.offsetFrames = target;
    } else {
        double const elapsed = m_iLastNs > 0 ? double(ns - m_iLastNs) / 1e9 : 0.0;
        double const up = kSlewFramesPerSecond * elapsed;
        double const down = kSlewDownFramesPerSecond * elapsed;
        m_clock.offsetFrames += std::clamp(target - m_clock.offsetFrames, -down, up);
    }
    m_clock.valid = true;
    m_iLastNs = ns;
    return m_clock;
}

} // namespace TickwrenAudio
