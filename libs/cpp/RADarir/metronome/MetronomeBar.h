#pragma once
// What each beat of the metronome lights, shows and sounds: the count of
// ticks and of the beats of a bar, and the eye and ear switches. The audio
// engine steps it as it renders each beat (so the bell and the tick are
// chosen where they are placed, whatever the GUI thread is doing); the
// metronome's window shows each step when its beat is heard.
//
// Because the beat index starts at 0 and a bar only starts when it reaches
// the beats per bar, the very first tick lights lamp 0, sounds nothing and
// leaves the picture as it is; the first bell rings on tick n + 1.

#include <cstdint>

namespace RADarir {

class MetronomeBar
{
public:
    enum Picture : std::uint8_t {
        Unchanged = 0,
        BaseEyesLeft,
        EyesRight,
        Beat,
        MuteEyesLeft,
        MuteEyesRight,
        MuteBeat,
        EyesClosed,
        EyesClosedMute,
    };
    static constexpr int kPictureCount = 8;
    enum Sound { NoSound = -1, TickSound = 0, BellSound = 1 };

    struct Step
    {
        int lamp = -1; // -1: the lamps stay as they are
        Picture picture = Unchanged;
        Sound sound = NoSound;

        // Packed into a beat's tag, and back.
        std::uint32_t tag() const;
        static Step fromTag(std::uint32_t tag);
        bool operator==(Step const& o) const { return lamp == o.lamp && picture == o.picture && sound == o.sound; }
    };

    // One tick: the step of the beat, then the tick counted.
    Step tick();
    // Advances (tick = true, without counting the tick) or only takes in new
    // switches (tick = false: never sounds or advances, but at the end of a
    // bar starts the next one silently).
    Step updateState(bool tick);
    // An ordinary beat: the eyes alternate with the tick counter's parity.
    Step normalBehavior(bool tick) const;

    // 0 (no bar: every beat an ordinary one) or 2 to 12.
    void setBeatsPerBar(int n) { m_nBeatsPerBar = n; }
    int beatsPerBar() const { return m_nBeatsPerBar; }
    void setVisible(bool on) { m_bVisible = on; }
    bool isVisible() const { return m_bVisible; }
    void setAudible(bool on) { m_bAudible = on; }
    bool isAudible() const { return m_bAudible; }
    int tickCounter() const { return m_nTickCounter; }
    int beatIndex() const { return m_nBeatIndex; }

private:
    Picture firstBeatPicture() const;

    int m_nBeatsPerBar = 4;
    bool m_bVisible = true;
    bool m_bAudible = true;
    int m_nTickCounter = 0;
    int m_nBeatIndex = 0;
};

} // namespace RADarir
