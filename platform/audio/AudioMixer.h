#pragma once
// The mixer of the audio engine: adds every sounding voice into one stereo
// stream at the output's rate, with each voice's volume and pan, and converts
// the result to the output's channels and sample type. It knows nothing about
// devices or threads, so it renders the same way into a sound card, into the
// silent clock and into a test.

#include "platform/audio/DecodedSound.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace TickwrenAudio {

// One loaded file as the mixer sees it. Every field is guarded by the mixer's
// mutex; the player side changes them between two rendered blocks.
struct Voice
{
    SoundPtr sound;
    double position = 0.0; // in frames of the sound
    bool playing = false;
    float volume = 1.0f; // 0..1, linear gain
    float pan = 0.0f;    // -1 left .. 0 centre .. 1 right
    bool active = false; // in the mixer's list of sounding voices

    // The mixer's own: the gains of the last rendered frame (for smooth
    // changes) and the moment play was asked for (for the latency figures).
    float lastGainLeft = 0.0f;
    float lastGainRight = 0.0f;
    bool gainsKnown = false;
    std::int64_t startRequestNs = -1;
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

class AudioMixer
{
public:
    explicit AudioMixer(int outputRate = 48000);

    int outputRate() const { return m_iOutputRate; }
    // Only while no voice sounds (the output changed).
    void setOutputRate(int rate);

    std::mutex& mutex() { return m_mutex; }

    // With the mutex held: start or stop mixing a voice.
    void activateLocked(VoicePtr const& voice);
    void deactivateLocked(Voice& voice);
    int activeCountLocked() const { return int(m_lActive.size()); }
    // Something still sounds: a voice or the fade of one just cut off.
    bool busyLocked() const;

    // How long a sound cut off in mid-play takes to fade out.
    static constexpr int kTailMs = 5;

    // Mixes the next `frames` frames into `stereo` (2 floats per frame, overwritten).
    // A voice that reaches its end stops, rewinds and leaves the list.
    void render(float* stereo, int frames);
    // Renders and converts in one go; returns the bytes written (frames * bytesPerFrame).
    int renderTo(char* out, int frames, OutputFormat const& format);

    static void convert(float const* stereo, int frames, OutputFormat const& format, char* out);

    // Delay from a voice's play request to its first rendered sample, in
    // nanoseconds, for every voice started since the last call, while recording
    // is on (off by default: a metronome plays for hours).
    void setLatencyRecording(bool on);
    std::vector<std::int64_t> takeLatencySamples();
    std::int64_t renderedFrames() const;
    int activeCount();

    static std::int64_t nowNs();

private:
    struct Tail
    {
        SoundPtr sound;
        double position;
        float gainLeft;
        float gainRight;
        int remaining; // frames of the fade still to come
    };

    // Adds `frames` frames of `s` from `position`, the gains gliding from the
    // first pair to the second; returns the position after them.
    double mixSamples(DecodedSound const& s, double position, float fromLeft, float fromRight, float toLeft,
                      float toRight, float* stereo, int frames) const;
    void mixVoice(Voice& voice, float* stereo, int frames);
    void mixTail(Tail& tail, float* stereo, int frames);
    int tailFrames() const;

    int m_iOutputRate;
    mutable std::mutex m_mutex;
    std::vector<VoicePtr> m_lActive;
    std::vector<Tail> m_lTails;
    std::vector<std::int64_t> m_lLatencies;
    bool m_bRecordLatencies = false;
    std::int64_t m_iRenderedFrames = 0;
    std::vector<float> m_lScratch;
};

} // namespace TickwrenAudio
