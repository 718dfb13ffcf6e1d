#pragma once
// The mixer of the audio engine: adds every sounding voice into one stereo
// stream at the output's rate, with each voice's volume and pan, and converts
// the result to the output's channels and sample type. It knows nothing about
// devices or threads, so it renders the same way into a sound card, into the
// silent clock and into a test.
//
// Sounds played together (the strings of a chord) can add up past full scale.
// The mix is left exactly as it is while it stays within full scale; where it
// would pass it, one gain for both channels comes down in a smooth ramp that
// ends before the loud part begins, and rises again slowly after it, so no
// sample is clipped and the gain never steps. The mixer knows the block it is
// rendering and what the voices already sounding will add next, so the ramp
// starts in time without delaying anything: every sound keeps its frame.

#include "platform/audio/DecodedSound.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace TickwrenAudio {

class BeatSeries;
class BeatTrack;

// One loaded file as the mixer sees it: a decoded sound or a streamed one.
// Every field is guarded by the mixer's mutex; the player side changes them
// between two rendered blocks.
struct Voice
{
    SoundPtr sound;
    StreamPtr stream;
    double position = 0.0; // in frames of the sound
    bool playing = false;
    float volume = 1.0f; // 0..1, linear gain
    float pan = 0.0f;    // -1 left .. 0 centre .. 1 right
    bool active = false; // in the mixer's list of sounding voices
    // When the sound should start, on the steady clock (AudioMixer::nowNs());
    // it is placed at that moment plus the output's constant latency.
    std::int64_t dueNs = -1;
    // A beat of a series instead: placed by counting the output's frames
    // from the series' earlier beats (dueNs is then the beat's due time).
    std::shared_ptr<BeatSeries> series;
    std::int64_t beat = -1;

    // The mixer's own: the gains of the last rendered frame (for smooth
    // changes), whether its first frame still waits for its place, and the
    // output frame its first sample went to.
    float lastGainLeft = 0.0f;
    float lastGainRight = 0.0f;
    bool gainsKnown = false;
    bool pendingStart = false;
    std::int64_t startFrame = -1;

    std::int64_t frames() const { return sound ? sound->frames : stream ? stream->frames() : 0; }
    // The same for every play of one file (decoded or streamed).
    void const* source() const
    {
        return sound ? static_cast<void const*>(sound.get()) : stream ? stream->source() : nullptr;
    }
    int sampleRate() const { return sound ? sound->sampleRate : stream ? stream->sampleRate() : 0; }
};

using VoicePtr = std::shared_ptr<Voice>;

struct OutputFormat
{
    enum SampleType { Int16, Int32, Float32, UInt8 };
    int sampleRate = 48000;
    int channels = 2;
    SampleType type = Int16;

    int bytesPerSample() const { return type == Int16 ? 2 : type == UInt8 ? 1 : 4; }
    int bytesPerFrame() const { return bytesPerSample() * channels; }
};

// Where the output stream stands against the steady clock: the output frame
// that is being rendered at a given moment, frame = rate * t + offset. Kept
// by the engine from what the output consumes; the mixer places sounds by it.
struct StreamClock
{
    bool valid = false;
    int rate = 48000;
    std::int64_t epochNs = 0; // keeps the numbers small
    double offsetFrames = 0.0;
    // Grows whenever the stream really moves (a new stream, one the server
    // ran dry): frames counted before it mean nothing after.
    std::uint64_t generation = 0;

    double frameAt(std::int64_t ns) const { return double(ns - epochNs) * rate / 1e9 + offsetFrames; }
    std::int64_t nsAt(double frame) const { return epochNs + std::llround((frame - offsetFrames) * 1e9 / rate); }
};

// A sound as it was placed in the output stream.
struct Placement
{
    std::int64_t dueNs;      // when it was asked to start
    std::int64_t startFrame; // output frame of its first sample
    std::int64_t lateFrames; // how much after its place it started (0: on time)
};

class AudioMixer
{
public:
    explicit AudioMixer(int outputRate = 48000);

    int outputRate() const { return m_iOutputRate; }
    // Only while no voice sounds (the output changed).
    void setOutputRate(int rate);

    std::mutex& mutex() { return m_mutex; }

    // With the mutex held: start or stop mixing a voice. A sound longer than
    // the time between its plays (a long tick at a fast tempo) would overlap
    // itself without end: beyond kMaxPlaysOfOneSound plays of one file at
    // once, the oldest gives way to the new one and ends as if played out.
    void activateLocked(VoicePtr const& voice);
    void deactivateLocked(Voice& voice);
    int activeCountLocked() const { return int(m_lActive.size()); }
    // Something still sounds: a voice or the fade of one just cut off.
    bool busyLocked() const;

    static constexpr int kMaxPlaysOfOneSound = 16;
    // How long a sound cut off in mid-play takes to fade out.
    static constexpr int kTailMs = 5;

    // With the mutex held: the clock that sounds are placed by, and the
    // constant time from a sound's due moment to its place in the stream.
    void setClockLocked(StreamClock const& clock) { m_clock = clock; }
    StreamClock clockLocked() const { return m_clock; }
    void setLatencyNsLocked(std::int64_t ns) { m_iLatencyNs = ns; }
    std::int64_t latencyNsLocked() const { return m_iLatencyNs; }
    std::int64_t renderedFramesLocked() const { return m_iRenderedFrames; }
    // The time from a frame's place in the stream to its leaving the output
    // (the stream's buffer on a device, 0 on the silent clock).
    void setHeardDelayNsLocked(std::int64_t ns) { m_iHeardDelayNs = ns; }
    std::int64_t heardDelayNsLocked() const { return m_iHeardDelayNs; }
    // How often a series of beats was placed afresh on a new stream.
    int seriesRestartsLocked() const { return m_nSeriesRestarts; }
    // Beat `beat` of `series` placed on the clock as it stands (see
    // BeatSeries::place), counting a series placed afresh.
    std::int64_t placeBeatLocked(BeatSeries& series, std::int64_t beat, std::int64_t notBefore);

    // With the mutex held: tracks of beats that the mixer sounds by itself
    // (BeatTrack), rendered before the voices of each block.
    void addTrackLocked(BeatTrack* track);
    void removeTrackLocked(BeatTrack* track);

    // Mixes the next `frames` frames into `stereo` (2 floats per frame,
    // overwritten). The beats of every track that fall in the block are
    // started first. A voice waiting for its start begins at the frame its due
    // time maps to (a beat of a series: the frame its series gives it),
    // inside the block; one whose place has already been rendered begins at
    // once. A voice that reaches its end stops, rewinds
    // and leaves the list.
    void render(float* stereo, int frames);
    // Renders and converts in one go; returns the bytes written (frames * bytesPerFrame).
    int renderTo(char* out, int frames, OutputFormat const& format);

    static void convert(float const* stereo, int frames, OutputFormat const& format, char* out);

    // The level beyond which a sample counts as reaching full scale (it would
    // come out as the largest 16-bit value or be clipped), and the level the
    // loudest samples of a mix that would pass it are brought down to.
    static constexpr float kFullScale = 32766.0f / 32767.0f;
    static constexpr float kCeiling = 0.98f;
    // How fast the gain may fall (a full swing in this time; faster only when
    // a sound that could not be foreseen leaves less room) and rise again.
    static constexpr int kLimiterAttackMs = 3;
    static constexpr int kLimiterReleaseMs = 100;
    // How far beyond the block rendered the mixer looks at the voices sounding.
    static constexpr int kLookAheadMs = 5;
    // With the mutex held: the gain the last rendered frame went out with (1
    // while the mix stays within full scale).
    float limiterGainLocked() const { return m_fLimiterGain; }

    // Where every voice started since the last call was placed, while
    // recording is on (off by default: a metronome plays for hours).
    void setPlacementRecording(bool on);
    std::vector<Placement> takePlacements();
    std::int64_t renderedFrames() const;
    int activeCount();

    static std::int64_t nowNs();

private:
    struct Tail
    {
        SoundPtr sound;
        StreamPtr stream;
        double position;
        float gainLeft;
        float gainRight;
        int remaining; // frames of the fade still to come
    };

    // Adds `frames` frames of `s` from `position`, the gains gliding from the
    // first pair to the second; returns the position after them.
    double mixSamples(SoundPtr const& sound, StreamPtr const& stream, double position, float fromLeft, float fromRight,
                      float toLeft, float toRight, float* stereo, int frames) const;
    double mixView(SampleView const& s, double position, float fromLeft, float fromRight, float toLeft, float toRight,
                   float* stereo, int frames) const;
    void mixVoice(Voice& voice, float* stereo, int frames);
    void mixTail(Tail& tail, float* stereo, int frames);
    int tailFrames() const;
    // What the voices and fades now sounding add to the `frames` frames from
    // output frame `from`, if nothing changes meanwhile; changes no voice.
    void peekLocked(float* stereo, int frames, std::int64_t from);
    // Whether the voices and fades now sounding could add up past full scale.
    bool mayPassFullScaleLocked() const;
    // Brings the block just rendered down where it would pass full scale.
    void limitLocked(float* stereo, int frames);

    int m_iOutputRate;
    mutable std::mutex m_mutex;
    std::vector<VoicePtr> m_lActive;
    std::vector<Tail> m_lTails;
    std::vector<Placement> m_lPlacements;
    bool m_bRecordPlacements = false;
    std::int64_t m_iRenderedFrames = 0;
    StreamClock m_clock;
    std::int64_t m_iLatencyNs = 0;
    std::int64_t m_iHeardDelayNs = 0;
    int m_nSeriesRestarts = 0;
    std::vector<BeatTrack*> m_lTracks;
    std::vector<float> m_lScratch;
    float m_fLimiterGain = 1.0f;
    std::vector<float> m_lAhead;
    std::vector<float> m_lGains;
};

} // namespace TickwrenAudio
