#pragma once
// The process-wide audio engine: every sounding player is mixed into one stream
// that a thread of its own hands to the sound server through QAudioOutput (which
// reaches PulseAudio or PipeWire). Without an output device, with
// TICKWREN_SILENT_AUDIO=1 in the environment, or when forced, a silent clock
// consumes the mix at the same rate instead, so positions advance in real time
// and sounds end exactly as they would on a sound card.

#include "platform/audio/AudioMixer.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

class QThread;

namespace TickwrenAudio {

class EngineThread;

class AudioEngine
{
public:
    static AudioEngine& instance();
    // The engine if it exists and has not been shut down.
    static AudioEngine* existing();
    // Stops the engine's thread and frees it; runs by itself when the
    // application object goes away.
    static void shutdown();

    AudioMixer& mixer() { return m_mixer; }

    // With the mixer's mutex held, after a voice was activated: makes sure
    // something consumes the mix.
    void voiceActivatedLocked();

    // The silent clock in place of any device, whatever the environment says.
    void setForceSilent(bool on);
    bool isForcedSilent() const { return m_bForceSilent.load(); }
    // True while the mix goes to the silent clock rather than a device.
    bool isSilent() const { return m_bSilentNow.load(); }
    OutputFormat outputFormat() const;
    QString deviceName() const;

    // CPU time used by the engine's thread so far (0 before it started).
    std::int64_t threadCpuNs() const;

    // What the environment asks for: TICKWREN_SILENT_AUDIO set to anything but "0".
    static bool silentByEnvironment();

private:
    AudioEngine();
    ~AudioEngine();
    AudioEngine(AudioEngine const&) = delete;
    AudioEngine& operator=(AudioEngine const&) = delete;

    void startThread();

    friend class EngineWorker;

    AudioMixer m_mixer;
    EngineThread* m_pThread = nullptr;
    // Guarded by the mixer's mutex: whether the worker consumes the mix now.
    bool m_bOutputRunning = false;
    std::atomic<bool> m_bForceSilent{false};
    std::atomic<bool> m_bSilentNow{true};
    mutable std::mutex m_formatMutex;
    OutputFormat m_format;
    QString m_sDeviceName;
};

// One loaded sound file as its owner sees it: what any platform player offers
// (play once from the start, pause, stop and rewind, playing or not, position,
// duration, volume and pan), played through the engine.
class AudioVoice
{
public:
    // Null when the file does not exist or cannot be decoded.
    static std::unique_ptr<AudioVoice> open(QString const& path);
    ~AudioVoice();

    void play();
    void pause();
    // Stops and rewinds.
    void stop();
    bool isPlaying() const;
    double currentTime() const; // seconds
    void setCurrentTime(double seconds);
    double duration() const; // seconds
    void setVolume(float volume);
    void setPan(float pan);

    // Voices in existence, for leak checks.
    static int liveCount();

private:
    explicit AudioVoice(SoundPtr sound);

    VoicePtr m_pVoice;
    static std::atomic<int> s_iLive;
};

} // namespace TickwrenAudio
