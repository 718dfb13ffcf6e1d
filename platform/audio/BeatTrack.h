#pragma once
// A series of beats that the audio engine sounds by itself. Each beat is
// placed at its frame of the output stream (whole intervals of frames after
// the one before, see BeatSeries) by the engine's thread as it renders the
// block the frame falls in, and at that moment the track's pattern chooses
// what the beat sounds (one of the track's sounds, or nothing) and a tag its
// owner wants back when the beat is heard. So no stall of the owner's
// thread, however long, moves, drops or doubles a beat: the owner only sets
// what is to happen (a new series, the pattern's settings) and shows what
// has happened, beat by beat, when each is heard.
//
// Changes the owner makes through withPattern() hold from the next beat not
// yet rendered; start() begins a new series whose first beat is due at the
// given moment, and no beat of the old series is rendered after it.

#include "platform/audio/BeatSeries.h"
#include "platform/audio/DecodedSound.h"

#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace TickwrenAudio {

class AudioMixer;

// What one beat sounds: an index into the track's sounds (-1 for none), and
// a tag of the owner's that comes back with the beat when it is heard.
struct BeatChoice
{
    int sound = -1;
    std::uint32_t tag = 0;
};

// Chooses each beat as the engine renders it: runs on the engine's thread
// with the mixer's mutex held, so it must be quick and must not block.
class BeatPattern
{
public:
    virtual ~BeatPattern() = default;
    virtual BeatChoice beat(std::int64_t index) = 0;
};

// A beat as it was rendered.
struct RenderedBeat
{
    std::uint64_t series = 0; // counts the track's series, from 1
    std::int64_t index = 0;   // the beat's number in its series, from 0
    std::int64_t frame = 0;   // output frame of its first sample
    std::int64_t heardNs = 0; // when it leaves the output, on the steady clock
    int sound = -1;
    std::uint32_t tag = 0;
    // Its place had been rendered, or played by the server, before it could
    // be placed: counted and stepped, not sounded (sound is -1).
    bool late = false;
    std::int64_t renderedNs = 0; // when the engine rendered it, on the steady clock
};

class BeatTrack
{
public:
    // `soundPaths` are decoded once; a path that cannot be played sounds as
    // nothing (and is told once in the engine's log).
    BeatTrack(QStringList const& soundPaths, std::unique_ptr<BeatPattern> pattern);
    ~BeatTrack();
    BeatTrack(BeatTrack const&) = delete;
    BeatTrack& operator=(BeatTrack const&) = delete;

    // A new series: beat k due at firstDueNs + k * intervalNs on the steady
    // clock (AudioMixer::nowNs()), its first sample that moment plus the
    // engine's constant latency.
    void start(std::int64_t firstDueNs, std::int64_t intervalNs);
    // No beat is rendered after this.
    void stop();
    bool isRunning() const;

    // Runs `change` on the pattern between two rendered blocks.
    void withPattern(std::function<void(BeatPattern&)> const& change);

    // The rendered beats heard by `nowNs`, oldest first, each given once;
    // none while a beat heard by then has still to be rendered, so that the
    // last one given is always the current beat.
    std::vector<RenderedBeat> takeHeard(std::int64_t nowNs);
    // Every rendered beat not taken yet, heard or not.
    std::vector<RenderedBeat> takeRendered();
    // When the next beat not taken yet is heard (rendered or still to be);
    // -1 when nothing is left to hear.
    std::int64_t nextHeardNs() const;

    void setVolume(float volume);
    // Beats rendered so far, and those among them late (not sounded).
    std::int64_t renderedCount() const;
    std::int64_t lateCount() const;

    // Every beat rendered from now on is kept for takeHistory() as well (off
    // by default: a metronome plays for hours).
    void setHistory(bool on);
    std::vector<RenderedBeat> takeHistory();

    // The engine's side, with the mixer's mutex held: renders the beats whose
    // frames fall in [blockStart, blockStart + frames).
    void renderLocked(AudioMixer& mixer, std::int64_t blockStart, int frames);
    bool runningLocked() const { return m_pSeries != nullptr; }

    // Rendered beats kept for the owner at the most; an owner that stalls
    // longer than this many beats only needs the last.
    static constexpr std::size_t kMaxKept = 256;

private:
    static std::int64_t heardNsLocked(AudioMixer const& mixer, std::int64_t frame);
    // When the next beat still to be rendered is heard.
    std::int64_t nextToRenderHeardNsLocked(AudioMixer const& mixer) const;

    std::vector<SoundPtr> m_lSounds;
    std::unique_ptr<BeatPattern> m_pPattern;
    BeatSeriesPtr m_pSeries;
    std::uint64_t m_uSeries = 0;
    std::int64_t m_iNext = 0;
    float m_fVolume = 0.5f;
    std::deque<RenderedBeat> m_lKept;
    bool m_bHistory = false;
    std::vector<RenderedBeat> m_lHistory;
    std::int64_t m_iRendered = 0;
    std::int64_t m_iLate = 0;
};

} // namespace TickwrenAudio
