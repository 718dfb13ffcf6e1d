#pragma once
// The process-wide audio engine: every sounding player is mixed into one stream
// that a thread of its own writes to the sound server (PulseAudio, or
// PipeWire's PulseAudio service). Without a server, with TICKWREN_SILENT_AUDIO=1
// in the environment, or when forced, a silent clock consumes the mix at the
// same rate instead, so positions advance in real time and sounds end exactly
// as they would on a sound card. A server that is missing, starts late or
// restarts is looked for again while sounds play and at the next sound.
//
// Every sound is placed at an exact frame of the stream: the moment it was
// asked for (or the due time its player gave) plus one constant latency,
// mapped onto the stream through a steady estimate of the stream's clock.
// Sounds asked for at equal intervals come out at equal intervals, to the
// frame, on the device and on the silent clock alike.

#include "platform/audio/AudioMixer.h"
#include "platform/audio/BeatSeries.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace TickwrenAudio {

class ClockEstimator;
class PulseOutput;

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
    // Opens the output now, as a sound would, so that the first sound finds
    // the stream running and its clock settled.
    void prepare();

    // The silent clock in place of any device, whatever the environment says.
    void setForceSilent(bool on);
    bool isForcedSilent() const { return m_bForceSilent.load(); }
    // True while the mix goes to the silent clock rather than a device.
    bool isSilent() const { return m_bSilentNow.load(); }
    OutputFormat outputFormat() const;
    QString deviceName() const;

    // The constant time from a sound's due moment to its place in the stream.
    static constexpr std::int64_t kPlacementLatencyNs = 5000000;
    // What the device adds after that: the audio the server holds for the
    // stream and the block written ahead (the sink's own latency comes on top).
    static std::int64_t deviceBufferNs();

    // The steady clock that due times are given in, in nanoseconds.
    static std::int64_t nowNs() { return AudioMixer::nowNs(); }

    // When beat `beat` of a series leaves the output (the sink's own latency
    // not counted), on the steady clock: where the series has placed it or
    // will place it, through the stream's clock as it stands.
    std::int64_t heardAtNs(BeatSeries const& series, std::int64_t beat);

    // A short sound (up to DecodedSoundCache::kMaxDecodedBytes decoded)
    // decoded once and cached; null, told once in the log, when it cannot be.
    static SoundPtr loadShortSound(QString const& path);

    // How often the sound server ran out of sound so far (the engine's thread,
    // or the server, held up for longer than the stream's buffer).
    std::uint64_t underflowCount() const { return m_uUnderflows.load(); }

    // CPU time used by the engine's thread so far (0 before it started).
    std::int64_t threadCpuNs() const;

    // What the environment asks for: TICKWREN_SILENT_AUDIO set to anything but "0".
    static bool silentByEnvironment();

private:
    AudioEngine();
    ~AudioEngine();
    AudioEngine(AudioEngine const&) = delete;
    AudioEngine& operator=(AudioEngine const&) = delete;

    void startThreadLocked();
    void run();
    // Renders until nothing is left to play for long enough, or quit: on the
    // device while its stream takes sound, on the silent clock whenever it
    // does not.
    void runOutput();
    // The silent clock from now on: carrying on the timeline `from` (a
    // device's), or a fresh one.
    void startSilentClock(StreamClock const* from);
    // What the silent clock has to render by now.
    void renderSilently(std::vector<float>& scratch);
    void renderBlock(float* stereo, int frames);
    // How far rendering is behind the clock it follows (after a stop).
    std::int64_t behindNs();
    // A stream that has become ready is given its first silence: false when it failed.
    bool primeDevice(PulseOutput& output);
    // The stream takes the beat over.
    void startDevice(std::unique_ptr<ClockEstimator>& estimator);
    // Renders as many blocks as the stream has room for; false when a write failed.
    bool renderToDevice(PulseOutput& output, ClockEstimator& estimator, std::int64_t& idleSince);
    void setOutput(PulseOutput* output);
    bool silentOnly() const;
    bool deviceWanted() const;
    void noteDeviceFailure(QString const& why);
    // Logs a series of beats placed afresh on a new stream since the mixer
    // counted `restartsBefore`.
    void logSeriesRestart(int restartsBefore);
    // Ends any wait of the output on the sound server at once.
    void interruptOutput();

    AudioMixer m_mixer;
    std::thread m_thread;
    // Guarded by the mixer's mutex.
    std::condition_variable m_wake;
    std::atomic<bool> m_bQuit{false};
    bool m_bPrepare = false;
    // Counts the streams (device or silent clock) so far; engine thread only.
    std::uint64_t m_uStreams = 0;

    std::atomic<bool> m_bForceSilent{false};
    std::atomic<bool> m_bSilentNow{true};
    std::atomic<std::int64_t> m_iFailedAtNs{-1}; // last failed attempt at the device
    bool m_bFailureReported = false;             // engine thread only
    std::mutex m_outputMutex;
    PulseOutput* m_pOutput = nullptr; // the device's stream while it runs
    std::atomic<std::uint64_t> m_uUnderflows{0};
    // The stream is being caught up after a stop; engine thread only.
    bool m_bCatchingUp = false;
    // The device's block, mixed and converted; engine thread only.
    std::vector<float> m_deviceMix;
    std::vector<std::int16_t> m_devicePcm;
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

    // Starts at `dueNs` on the engine's clock plus the constant latency;
    // -1 means now.
    void play(std::int64_t dueNs = -1);
    // Starts as beat `beat` of a series: whole intervals of the output's
    // frames after the series' earlier beats.
    void play(BeatSeriesPtr const& series, std::int64_t beat);
    void pause();
    // Stops and rewinds.
    void stop();
    bool isPlaying() const;
    double currentTime() const; // seconds
    void setCurrentTime(double seconds);
    double duration() const; // seconds
    void setVolume(float volume);
    void setPan(float pan);
    // The output frame its last start went to; -1 before it has started.
    std::int64_t startFrame() const;

    // Voices in existence, for leak checks.
    static int liveCount();

private:
    AudioVoice(SoundPtr sound, StreamPtr stream);

    VoicePtr m_pVoice;
    static std::atomic<int> s_iLive;
};

} // namespace TickwrenAudio
