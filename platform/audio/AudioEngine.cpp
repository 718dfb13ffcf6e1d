#include "platform/audio/AudioEngine.h"

#include "platform/audio/ClockEstimator.h"
#include "platform/audio/PulseOutput_p.h"
#include "platform/audio/RealtimeScheduling.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSet>

#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace TickwrenAudio {

namespace {

// Warnings by default; QT_LOGGING_RULES="tickwren.audio.debug=true" shows more.
Q_LOGGING_CATEGORY(lcAudio, "tickwren.audio", QtInfoMsg)

std::atomic<AudioEngine*> s_engine{nullptr};
std::mutex s_engineMutex;
bool s_postRoutineAdded = false;

constexpr std::int64_t kMs = 1000000;
// The silent clock's step.
constexpr std::int64_t kSilentStepNs = 5 * kMs;
// A device left with nothing to play is closed after this long, so an idle
// program does not keep the sound server busy; long enough that a player
// pressing notes now and then does not wait for the stream to open each time.
constexpr std::int64_t kDeviceIdleCloseNs = 30000 * kMs;
// After the device failed, it is tried again this often while sounds play,
// and at the first sound after that: a server that starts late or restarts
// is heard again within about a second.
constexpr std::int64_t kDeviceRetryNs = 1000 * kMs;

} // namespace

AudioEngine::AudioEngine()
{
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    m_mixer.setLatencyNsLocked(kPlacementLatencyNs);
}

AudioEngine::~AudioEngine()
{
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        m_bQuit = true;
    }
    m_wake.notify_all();
    interruptOutput();
    if (m_thread.joinable())
        m_thread.join();
}

AudioEngine& AudioEngine::instance()
{
    if (AudioEngine* e = s_engine.load())
        return *e;
    std::lock_guard<std::mutex> lock(s_engineMutex);
    if (!s_engine.load()) {
        s_engine = new AudioEngine;
        if (QCoreApplication::instance() && !s_postRoutineAdded) {
            qAddPostRoutine(&AudioEngine::shutdown);
            s_postRoutineAdded = true;
        }
    }
    return *s_engine.load();
}

AudioEngine* AudioEngine::existing()
{
    return s_engine.load();
}

void AudioEngine::shutdown()
{
    std::lock_guard<std::mutex> lock(s_engineMutex);
    delete s_engine.exchange(nullptr);
    s_postRoutineAdded = false;
}

std::int64_t AudioEngine::deviceBufferNs()
{
    return std::int64_t(PulseOutput::kBufferMs) * kMs
           + std::int64_t(PulseOutput::kBlockFrames) * 1000000000 / PulseOutput::kRate;
}

bool AudioEngine::silentByEnvironment()
{
    QByteArray const v = qgetenv("TICKWREN_SILENT_AUDIO");
    return !v.isEmpty() && v != "0";
}

void AudioEngine::startThreadLocked()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void AudioEngine::voiceActivatedLocked()
{
    startThreadLocked();
    m_wake.notify_all();
}

void AudioEngine::prepare()
{
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        m_bPrepare = true;
        startThreadLocked();
    }
    m_wake.notify_all();
}

void AudioEngine::setForceSilent(bool on)
{
    m_bForceSilent = on;
    if (on) {
        m_bSilentNow = true;
        interruptOutput();
    }
    m_wake.notify_all();
}

void AudioEngine::interruptOutput()
{
    std::lock_guard<std::mutex> lock(m_outputMutex);
    if (m_pOutput)
        m_pOutput->interrupt();
}

OutputFormat AudioEngine::outputFormat() const
{
    std::lock_guard<std::mutex> lock(m_formatMutex);
    return m_format;
}

QString AudioEngine::deviceName() const
{
    std::lock_guard<std::mutex> lock(m_formatMutex);
    return m_sDeviceName;
}

std::int64_t AudioEngine::threadCpuNs() const
{
    if (!m_thread.joinable())
        return 0;
    clockid_t clock;
    timespec ts{};
    if (pthread_getcpuclockid(const_cast<std::thread&>(m_thread).native_handle(), &clock) != 0
        || clock_gettime(clock, &ts) != 0)
        return 0;
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

bool AudioEngine::deviceWanted() const
{
    if (m_bForceSilent || silentByEnvironment())
        return false;
    std::int64_t const failed = m_iFailedAtNs.load();
    return failed < 0 || nowNs() - failed >= kDeviceRetryNs;
}

void AudioEngine::noteDeviceFailure(QString const& why)
{
    m_iFailedAtNs = nowNs();
    if (!m_bFailureReported) {
        // Once per outage: the retries that follow fail the same way.
        qCWarning(lcAudio).noquote() << "No sound from" << PulseOutput::serverName() << "(" + why + ")"
                                     << "- sounds keep their time silently until it answers again.";
        m_bFailureReported = true;
    }
}

void AudioEngine::run()
{
    pthread_setname_np(pthread_self(), "TickwrenAudio");
    requestRealtimeScheduling();
    std::unique_lock<std::mutex> lock(m_mixer.mutex());
    while (!m_bQuit) {
        m_wake.wait(lock, [this] { return m_bQuit.load() || m_bPrepare || m_mixer.busyLocked(); });
        if (m_bQuit)
            break;
        lock.unlock();
        if (!deviceWanted() || !runDevice())
            runSilent();
        lock.lock();
        m_bPrepare = false;
    }
}

bool AudioEngine::runDevice()
{
    PulseOutput output;
    {
        std::lock_guard<std::mutex> lock(m_outputMutex);
        m_pOutput = &output;
        // Asked to quit (or to go silent) before the output existed.
        if (m_bQuit.load() || m_bForceSilent.load())
            output.interrupt();
    }
    struct Unregister
    {
        AudioEngine* e;
        ~Unregister()
        {
            std::lock_guard<std::mutex> lock(e->m_outputMutex);
            e->m_pOutput = nullptr;
        }
    } const unregister{this};

    if (!output.open()) {
        if (!m_bQuit.load() && !m_bForceSilent.load())
            noteDeviceFailure(output.error());
        return false;
    }
    if (m_bFailureReported) {
        qCInfo(lcAudio).noquote() << "Sound is back on" << PulseOutput::serverName();
        m_bFailureReported = false;
    }
    m_iFailedAtNs = -1;
    {
        std::lock_guard<std::mutex> lock(m_formatMutex);
        m_format = OutputFormat{PulseOutput::kRate, PulseOutput::kChannels, OutputFormat::Int16};
        m_sDeviceName = PulseOutput::serverName();
    }
    m_mixer.setOutputRate(PulseOutput::kRate);

    constexpr int kBlock = PulseOutput::kBlockFrames;
    std::vector<float> mix(std::size_t(kBlock) * 2);
    std::vector<std::int16_t> pcm(std::size_t(kBlock) * PulseOutput::kChannels);
    OutputFormat const format{PulseOutput::kRate, PulseOutput::kChannels, OutputFormat::Int16};
    // The server's buffer filled with silence first: the writes that fill it
    // return at once, and a clock estimated from them would put the first
    // sounds of the stream a buffer early against all that follow.
    std::vector<std::int16_t> const silence(std::size_t(PulseOutput::kRate * PulseOutput::kBufferMs / 1000)
                                            * PulseOutput::kChannels);
    if (!output.write(silence.data(), int(silence.size()) / PulseOutput::kChannels)) {
        noteDeviceFailure(output.error());
        return false;
    }
    ClockEstimator clock(PulseOutput::kRate, nowNs(), ++m_uStreams);
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        m_mixer.setHeardDelayNsLocked(deviceBufferNs());
    }
    std::int64_t idleSince = -1;
    int underflows = 0;
    bool ok = true;
    for (;;) {
        PulseOutput::Wait const wait = output.waitForRoom();
        if (wait == PulseOutput::Wait::Failed) {
            ok = false;
            break;
        }
        if (wait == PulseOutput::Wait::Interrupted)
            break;
        bool stop = false;
        // As many blocks as the server has room for, so that it wakes the
        // engine once a block at the most.
        while (!stop && output.roomFrames() >= kBlock) {
            std::int64_t const now = nowNs();
            int restarts = 0;
            {
                std::lock_guard<std::mutex> lock(m_mixer.mutex());
                if (m_bQuit || m_bForceSilent) {
                    stop = true;
                    break;
                }
                if (m_mixer.busyLocked() || std::exchange(m_bPrepare, false)) {
                    idleSince = -1;
                } else if (idleSince < 0) {
                    idleSince = now;
                } else if (now - idleSince >= kDeviceIdleCloseNs) {
                    stop = true;
                    break;
                }
                m_mixer.setClockLocked(clock.observe(now, m_mixer.renderedFramesLocked() + kBlock));
                restarts = m_mixer.seriesRestartsLocked();
            }
            m_bSilentNow = false;
            m_mixer.render(mix.data(), kBlock);
            logSeriesRestart(restarts);
            AudioMixer::convert(mix.data(), kBlock, format, reinterpret_cast<char*>(pcm.data()));
            if (!output.write(pcm.data(), kBlock)) {
                ok = false;
                stop = true;
            }
        }
        if (output.underflows() != underflows) {
            underflows = output.underflows();
            // The engine's thread was held up for longer than the buffer (an
            // overloaded machine): the stream played silence meanwhile.
            qCDebug(lcAudio) << "The sound server ran out of sound" << underflows << "times on this stream";
        }
        if (stop)
            break;
    }
    std::string const why = output.error().toStdString();
    output.close();
    m_bSilentNow = true;
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        m_mixer.setClockLocked(StreamClock{});
        m_mixer.setHeardDelayNsLocked(0);
    }
    if (!ok && !m_bQuit.load()) {
        // The server went away or stopped answering: the silent clock carries
        // on so that sounds still end and their players still finish.
        noteDeviceFailure(QString::fromStdString(why));
        return false;
    }
    return true;
}

void AudioEngine::runSilent()
{
    m_bSilentNow = true;
    int const rate = m_mixer.outputRate();
    std::int64_t const start = nowNs();
    std::int64_t startFrame = 0;
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        startFrame = m_mixer.renderedFramesLocked();
        StreamClock clock;
        clock.valid = true;
        clock.rate = rate;
        clock.epochNs = start;
        clock.offsetFrames = double(startFrame);
        clock.generation = ++m_uStreams;
        m_mixer.setClockLocked(clock);
    }
    std::vector<float> scratch;
    std::int64_t rendered = 0;
    for (std::int64_t step = 1;; ++step) {
        {
            std::unique_lock<std::mutex> lock(m_mixer.mutex());
            // Woken early only to quit; the frames keep to the steady clock.
            auto const until =
                std::chrono::steady_clock::time_point(std::chrono::nanoseconds(start + step * kSilentStepNs));
            m_wake.wait_until(lock, until, [this] { return m_bQuit.load(); });
            if (m_bQuit)
                break;
        }
        std::int64_t const due = (nowNs() - start) * rate / 1000000000 - rendered;
        for (std::int64_t left = due; left > 0;) {
            int const n = int(std::min<std::int64_t>(left, 2048));
            scratch.resize(std::size_t(n) * 2);
            int restarts = 0;
            {
                std::lock_guard<std::mutex> lock(m_mixer.mutex());
                restarts = m_mixer.seriesRestartsLocked();
            }
            m_mixer.render(scratch.data(), n);
            logSeriesRestart(restarts);
            rendered += n;
            left -= n;
        }
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        // Nothing sounds: the clock rests until the next play.
        if (!m_mixer.busyLocked())
            break;
        if (deviceWanted())
            break;
    }
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    m_mixer.setClockLocked(StreamClock{});
}

void AudioEngine::logSeriesRestart(int restartsBefore)
{
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        if (m_mixer.seriesRestartsLocked() == restartsBefore)
            return;
    }
    // Only a stream that really started anew: the beat's frames are counted
    // on through any drift of the clocks.
    qCInfo(lcAudio) << "A new sound stream: the beat goes on from its next sound.";
}

std::int64_t AudioEngine::heardAtNs(BeatSeries const& series, std::int64_t beat)
{
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    std::int64_t const latency = m_mixer.latencyNsLocked();
    StreamClock const clock = m_mixer.clockLocked();
    std::int64_t const after = m_bSilentNow ? 0 : deviceBufferNs();
    if (!clock.valid)
        return series.dueNs(beat) + latency + after;
    return clock.nsAt(series.frameOf(beat, clock, latency)) + after;
}

// ---------------------------------------------------------------------------

std::atomic<int> AudioVoice::s_iLive{0};

AudioVoice::AudioVoice(SoundPtr sound, StreamPtr stream)
    : m_pVoice(std::make_shared<Voice>())
{
    m_pVoice->sound = std::move(sound);
    m_pVoice->stream = std::move(stream);
    ++s_iLive;
}

namespace {

// A sound that cannot be played is told once per file, not at every tick.
void reportUnplayable(QString const& path, QString const& why)
{
    static std::mutex s_mutex;
    static QSet<QString> s_reported;
    std::lock_guard<std::mutex> lock(s_mutex);
    if (path.isEmpty() || s_reported.contains(path))
        return;
    s_reported.insert(path);
    qCWarning(lcAudio).noquote() << "Cannot play" << path << "(" + why + ")";
}

} // namespace

SoundPtr AudioEngine::loadShortSound(QString const& path)
{
    std::int64_t const bytes = DecodedSoundCache::decodedBytes(path);
    if (bytes < 0) {
        reportUnplayable(path, DecodedSoundCache::lastOpenError());
        return {};
    }
    if (bytes > DecodedSoundCache::kMaxDecodedBytes) {
        reportUnplayable(path, QStringLiteral("it is too long to be decoded whole"));
        return {};
    }
    SoundPtr sound = DecodedSoundCache::load(path);
    if (!sound)
        reportUnplayable(path, QStringLiteral("it cannot be decoded"));
    return sound;
}

std::unique_ptr<AudioVoice> AudioVoice::open(QString const& path)
{
    // Another play of a long file that sounds now shares its open file.
    if (StreamPtr stream = StreamedSound::share(path))
        return std::unique_ptr<AudioVoice>(new AudioVoice({}, std::move(stream)));
    std::int64_t const bytes = DecodedSoundCache::decodedBytes(path);
    if (bytes < 0) {
        reportUnplayable(path, DecodedSoundCache::lastOpenError());
        return {};
    }
    if (bytes > DecodedSoundCache::kMaxDecodedBytes) {
        // Long files are read as they play, so that no play decodes a whole
        // file and any number of plays holds no decoded copy at all.
        StreamPtr stream = StreamedSound::open(path);
        if (!stream) {
            reportUnplayable(path, DecodedSoundCache::lastOpenError());
            return {};
        }
        return std::unique_ptr<AudioVoice>(new AudioVoice({}, std::move(stream)));
    }
    SoundPtr sound = DecodedSoundCache::load(path);
    if (!sound) {
        reportUnplayable(path, QStringLiteral("it cannot be decoded"));
        return {};
    }
    return std::unique_ptr<AudioVoice>(new AudioVoice(std::move(sound), {}));
}

AudioVoice::~AudioVoice()
{
    if (AudioEngine* e = AudioEngine::existing()) {
        std::lock_guard<std::mutex> lock(e->mixer().mutex());
        m_pVoice->playing = false;
        e->mixer().deactivateLocked(*m_pVoice);
    }
    --s_iLive;
}

int AudioVoice::liveCount()
{
    return s_iLive.load();
}

void AudioVoice::play(std::int64_t dueNs)
{
    std::int64_t const now = AudioMixer::nowNs();
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    if (m_pVoice->playing)
        return;
    m_pVoice->playing = true;
    m_pVoice->dueNs = dueNs >= 0 ? dueNs : now;
    m_pVoice->series.reset();
    e.mixer().activateLocked(m_pVoice);
    e.voiceActivatedLocked();
}

void AudioVoice::play(BeatSeriesPtr const& series, std::int64_t beat)
{
    if (!series) {
        play();
        return;
    }
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    if (m_pVoice->playing)
        return;
    m_pVoice->playing = true;
    m_pVoice->dueNs = series->dueNs(beat);
    m_pVoice->series = series;
    m_pVoice->beat = beat;
    e.mixer().activateLocked(m_pVoice);
    e.voiceActivatedLocked();
}

std::int64_t AudioVoice::startFrame() const
{
    AudioEngine* e = AudioEngine::existing();
    if (!e)
        return m_pVoice->startFrame;
    std::lock_guard<std::mutex> lock(e->mixer().mutex());
    return m_pVoice->startFrame;
}

void AudioVoice::pause()
{
    if (AudioEngine* e = AudioEngine::existing()) {
        std::lock_guard<std::mutex> lock(e->mixer().mutex());
        m_pVoice->playing = false;
        e->mixer().deactivateLocked(*m_pVoice);
    }
}

void AudioVoice::stop()
{
    if (AudioEngine* e = AudioEngine::existing()) {
        std::lock_guard<std::mutex> lock(e->mixer().mutex());
        m_pVoice->playing = false;
        e->mixer().deactivateLocked(*m_pVoice); // fades out from where it was
        m_pVoice->position = 0.0;
    } else {
        m_pVoice->position = 0.0;
    }
}

bool AudioVoice::isPlaying() const
{
    AudioEngine* e = AudioEngine::existing();
    if (!e)
        return false;
    std::lock_guard<std::mutex> lock(e->mixer().mutex());
    return m_pVoice->playing;
}

double AudioVoice::currentTime() const
{
    int const rate = m_pVoice->sampleRate();
    AudioEngine* e = AudioEngine::existing();
    if (!e)
        return m_pVoice->position / rate;
    std::lock_guard<std::mutex> lock(e->mixer().mutex());
    return m_pVoice->position / rate;
}

void AudioVoice::setCurrentTime(double seconds)
{
    if (!std::isfinite(seconds))
        return;
    double const frames = std::clamp(seconds * m_pVoice->sampleRate(), 0.0, double(m_pVoice->frames()));
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pVoice->position = frames;
}

double AudioVoice::duration() const
{
    int const rate = m_pVoice->sampleRate();
    return rate > 0 ? double(m_pVoice->frames()) / rate : 0.0;
}

void AudioVoice::setVolume(float volume)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pVoice->volume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
}

void AudioVoice::setPan(float pan)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pVoice->pan = std::isfinite(pan) ? std::clamp(pan, -1.0f, 1.0f) : 0.0f;
}

} // namespace TickwrenAudio
