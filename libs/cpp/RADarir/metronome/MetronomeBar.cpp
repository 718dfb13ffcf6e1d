#include "RADarir/metronome/MetronomeBar.h"

#include <climits>

namespace RADarir {

std::uint32_t MetronomeBar::Step::tag() const
{
    // The lamp shifted by one so that "the lamps stay" is 0.
    return std::uint32_t(lamp + 1) | std::uint32_t(picture) << 8 | std::uint32_t(sound + 1) << 16;
}

MetronomeBar::Step MetronomeBar::Step::fromTag(std::uint32_t tag)
{
    Step s;
    s.lamp = int(tag & 0xff) - 1;
    s.picture = Picture((tag >> 8) & 0xff);
    s.sound = Sound(int((tag >> 16) & 0xff) - 1);
    return s;
}

MetronomeBar::Step MetronomeBar::tick()
{
    Step const s = updateState(true);
    // Only the parity matters; wrap instead of overflowing (INT_MAX is odd).
    m_nTickCounter = m_nTickCounter == INT_MAX ? 0 : m_nTickCounter + 1;
    return s;
}

MetronomeBar::Picture MetronomeBar::firstBeatPicture() const
{
    if (m_bVisible)
        return m_bAudible ? Beat : MuteBeat;
    return m_bAudible ? EyesClosed : EyesClosedMute;
}

MetronomeBar::Step MetronomeBar::updateState(bool tick)
{
    int const n = m_nBeatsPerBar;
    if (n == 0)
        return normalBehavior(tick);
    Step step;
    if (m_nBeatIndex >= n) {
        m_nBeatIndex = 0;
        step.picture = firstBeatPicture();
        if (tick && m_bAudible)
            step.sound = BellSound;
    }
    step.lamp = m_nBeatIndex;
    if (m_nBeatIndex != 0) {
        Step const normal = normalBehavior(tick);
        step.picture = normal.picture;
        step.sound = normal.sound;
    }
    if (tick)
        ++m_nBeatIndex;
    return step;
}

MetronomeBar::Step MetronomeBar::normalBehavior(bool tick) const
{
    Step step;
    if (tick && m_bAudible)
        step.sound = TickSound;
    bool const odd = m_nTickCounter % 2 != 0;
    if (m_bVisible && m_bAudible)
        step.picture = odd ? BaseEyesLeft : EyesRight;
    else if (m_bVisible)
        step.picture = odd ? MuteEyesLeft : MuteEyesRight;
    else
        step.picture = m_bAudible ? EyesClosed : EyesClosedMute;
    return step;
}

} // namespace RADarir
