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
// The most the silent clock renders at once after the program was stopped,
// and the longest a device's stream is caught up after it.
constexpr std::int64_t kSilentCatchUpNs = 10000 * kMs;
// A device left with nothing to play is closed after this long, so an idle
// program does not keep the sound server busy; long enough that a player
// pressing notes now and then does not wait for the stream to open each time.
constexpr std::int64_t kDeviceIdleCloseNs = 30000 * kMs;
// After the device failed, it is tried again this often while sounds play,
// and at the first sound after that: a server that starts late or restarts
// is heard again within about a second.
constexpr std::int64_t kDeviceRetryNs = 1000 * kMs;
// How long before it is heard a beat must reach a device's server at the
// least to be sounded (see AudioMixer::setLossLeadNsLocked): a block; and
// while the stream catches up after the program was stopped, about half the
// buffer, as the sink takes its sound from the stream that much ahead of
// playing it.
constexpr std::int64_t kLossLeadNs = 10 * kMs;
constexpr std::int64_t kCatchUpLossLeadNs = 40 * kMs;
// The longest the engine's thread waits on the server at a time while the
// stream takes sound; the slices count the time the server leaves unanswered.
constexpr std::int64_t kPumpSliceNs = 10 * kMs;
// A stream whose server has not asked for sound for this long (twice its
// buffer, of the time the program ran) has stalled: the silent clock
// carries the beat on while the server is waited for.
constexpr std::int64_t kStallNs = 2 * std::int64_t(PulseOutput::kBufferMs) * kMs;

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
        runOutput();
        lock.lock();
        m_bPrepare = false;
    }
}

bool AudioEngine::silentOnly() const
{
    return m_bForceSilent.load() || silentByEnvironment();
}

void AudioEngine::setOutput(PulseOutput* output)
{
    std::lock_guard<std::mutex> lock(m_outputMutex);
    m_pOutput = output;
    // Asked to quit (or to go silent) before the output existed.
    if (output && (m_bQuit.load() || m_bForceSilent.load()))
        output->interrupt();
}

void AudioEngine::startSilentClock(StreamClock const* from)
{
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    StreamClock clock;
    if (from && from->valid) {
        // The device's own timeline, carried on: the beats keep their frames
        // and the moments they are heard.
        clock = *from;
    } else {
        clock.valid = true;
        clock.rate = m_mixer.outputRate();
        clock.epochNs = nowNs();
        clock.offsetFrames = double(m_mixer.renderedFramesLocked());
        clock.generation = ++m_uStreams;
    }
    m_mixer.setClockLocked(clock);
    // While a device is wanted, the beats are heard when the device would
    // play them, so that its lamps keep one grid through an outage.
    m_mixer.setHeardDelayNsLocked(silentOnly() ? 0 : deviceBufferNs());
    m_mixer.setLossLeadNsLocked(-1);
    m_bSilentNow = true;
}

void AudioEngine::renderSilently(std::vector<float>& scratch)
{
    std::int64_t due = 0;
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        due = std::int64_t(std::floor(m_mixer.clockLocked().frameAt(nowNs()))) - m_mixer.renderedFramesLocked();
    }
    if (due > kSilentCatchUpNs / 1000 * m_mixer.outputRate() / 1000000) {
        // Back from a long stop of the program (a suspended laptop): not
        // hours of frames, but a clock from now, on which every series goes
        // on on its own grid; the beats it missed are stepped as it goes.
        startSilentClock(nullptr);
        return;
    }
    for (std::int64_t left = due; left > 0;) {
        int const n = int(std::min<std::int64_t>(left, 2048));
        scratch.resize(std::size_t(n) * 2);
        renderBlock(scratch.data(), n);
        left -= n;
    }
}

std::int64_t AudioEngine::behindNs()
{
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    StreamClock const clock = m_mixer.clockLocked();
    return clock.valid ? nowNs() - clock.nsAt(double(m_mixer.renderedFramesLocked())) : 0;
}

void AudioEngine::renderBlock(float* stereo, int frames)
{
    int restarts = 0;
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        restarts = m_mixer.seriesRestartsLocked();
    }
    m_mixer.render(stereo, frames);
    logSeriesRestart(restarts);
}

bool AudioEngine::primeDevice(PulseOutput& output)
{
    // The server's buffer filled with silence first: the writes that fill it
    // return at once, and a clock estimated from them would put the first
    // sounds of the stream a buffer early against all that follow.
    std::vector<std::int16_t> const silence(std::size_t(PulseOutput::kRate * PulseOutput::kBufferMs / 1000)
                                            * PulseOutput::kChannels);
    return output.write(silence.data(), int(silence.size()) / PulseOutput::kChannels);
}

void AudioEngine::startDevice(std::unique_ptr<ClockEstimator>& estimator)
{
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
    estimator = std::make_unique<ClockEstimator>(PulseOutput::kRate, nowNs(), ++m_uStreams);
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    m_mixer.setHeardDelayNsLocked(deviceBufferNs());
    m_mixer.setLossLeadNsLocked(kLossLeadNs);
    m_bCatchingUp = false;
    m_bSilentNow = false;
}

bool AudioEngine::renderToDevice(PulseOutput& output, ClockEstimator& estimator, std::int64_t& idleSince)
{
    constexpr int kBlock = PulseOutput::kBlockFrames;
    OutputFormat const format{PulseOutput::kRate, PulseOutput::kChannels, OutputFormat::Int16};
    m_deviceMix.resize(std::size_t(kBlock) * 2);
    m_devicePcm.resize(std::size_t(kBlock) * PulseOutput::kChannels);
    // As many blocks as the server has room for, so that it wakes the engine
    // once a block at the most.
    while (output.roomFrames() >= kBlock) {
        std::int64_t const now = nowNs();
        {
            std::lock_guard<std::mutex> lock(m_mixer.mutex());
            if (m_bQuit || m_bForceSilent)
                return true;
            if (m_mixer.busyLocked() || std::exchange(m_bPrepare, false))
                idleSince = -1;
            else if (idleSince < 0)
                idleSince = now;
            StreamClock const& clock = estimator.observe(now, m_mixer.renderedFramesLocked() + kBlock);
            m_mixer.setClockLocked(clock);
            // Behind by more than the stream's buffer (the engine's thread,
            // or the whole program, was stopped): the server has played on
            // without the frames it was not given, and takes those it asks
            // for now a block at a time, so the stream is caught up with a
            // margin before a beat sounds again. Back on time, a beat that
            // reaches the server a block before it is played is heard whole.
            std::int64_t const behind = now - clock.nsAt(double(m_mixer.renderedFramesLocked()));
            if (behind > std::int64_t(PulseOutput::kBufferMs) * kMs)
                m_bCatchingUp = true;
            else if (behind <= 0)
                m_bCatchingUp = false;
            m_mixer.setLossLeadNsLocked(m_bCatchingUp ? kCatchUpLossLeadNs : kLossLeadNs);
        }
        renderBlock(m_deviceMix.data(), kBlock);
        AudioMixer::convert(m_deviceMix.data(), kBlock, format, reinterpret_cast<char*>(m_devicePcm.data()));
        if (!output.write(m_devicePcm.data(), kBlock))
            return false;
    }
    return true;
}

void AudioEngine::runOutput()
{
    // The beat never waits on the server. The device's stream drives the
    // rendering while it takes sound; whenever it does not (no server, one
    // being connected to, one that has stalled or gone), the silent clock
    // renders on in real time on the same timeline, and the connection is
    // run in short slices between its steps.
    std::unique_ptr<PulseOutput> output;
    std::unique_ptr<ClockEstimator> estimator;
    // The stream stalled and the silent clock carried on without it: once
    // its server answers again, the sound goes on in a stream of its own.
    bool stale = false;
    // The stream is ready and given its first silence; it takes over at the
    // server's first request for sound.
    bool primed = false;
    bool onDevice = false;
    // Nothing rendered while sounds played once wait for a stream.
    bool held = false;
    std::int64_t idleSince = -1;
    int underflows = 0;
    std::vector<float> scratch;
    auto const dropOutput = [&] {
        setOutput(nullptr);
        output.reset();
        estimator.reset();
        stale = false;
        primed = false;
    };
    auto const leaveDevice = [&] {
        onDevice = false;
        StreamClock const clock = [&] {
            std::lock_guard<std::mutex> lock(m_mixer.mutex());
            return m_mixer.clockLocked();
        }();
        startSilentClock(&clock);
    };
    startSilentClock(nullptr);

    while (!m_bQuit.load()) {
        if (output && silentOnly()) {
            if (onDevice)
                leaveDevice();
            dropOutput();
        }
        std::int64_t const now = nowNs();
        {
            std::lock_guard<std::mutex> lock(m_mixer.mutex());
            if (m_mixer.busyLocked() || std::exchange(m_bPrepare, false))
                idleSince = -1;
            else if (idleSince < 0)
                idleSince = now;
        }
        // Nothing sounds: the device is closed after a while; the silent
        // clock rests at once, unless a stream is on its way.
        if (idleSince >= 0) {
            if (onDevice ? now - idleSince >= kDeviceIdleCloseNs : !output || stale)
                break;
        }
        if (!output && deviceWanted()) {
            output = std::make_unique<PulseOutput>();
            setOutput(output.get());
            if (!output->begin()) {
                noteDeviceFailure(output->error());
                dropOutput();
            }
        }

        if (onDevice && behindNs() > kSilentCatchUpNs) {
            // Back from a long stop of the program (a suspended laptop): the
            // server would take what it missed a block at a time for long
            // after; a new stream takes the beat on at once, on its grid.
            leaveDevice();
            dropOutput();
            continue;
        }
        if (onDevice) {
            bool const written = renderToDevice(*output, *estimator, idleSince);
            output->pump(written && output->roomFrames() < PulseOutput::kBlockFrames ? kPumpSliceNs : 0);
            if (output->underflows() != underflows) {
                m_uUnderflows.fetch_add(std::uint64_t(output->underflows() - underflows));
                underflows = output->underflows();
                // The server ran out of sound: the engine's thread was held
                // up for longer than the buffer (an overloaded machine), or
                // the server itself was.
                qCDebug(lcAudio) << "The sound server ran out of sound" << underflows << "times on this stream";
            }
            if (m_bQuit.load())
                break;
            if (!written || output->state() == PulseOutput::State::Failed) {
                if (!silentOnly())
                    noteDeviceFailure(output->error());
                leaveDevice();
                dropOutput();
            } else if (output->unansweredNs() >= kStallNs) {
                // The server has stopped asking for sound (hung, stopped):
                // the silent clock carries the beat on from here.
                qCDebug(lcAudio) << "The sound server asked for no sound for" << output->unansweredNs() / kMs
                                 << "ms: the silent clock carries the beat";
                leaveDevice();
                stale = true;
            }
            continue;
        }

        // A stream on its way is waited for by sounds played once, which it
        // then plays from their start, however late (the engine's first
        // stream, a server back after an outage); beats that keep time go on
        // meanwhile on the silent clock.
        bool const holdForStream = output && !stale && [&] {
            std::lock_guard<std::mutex> lock(m_mixer.mutex());
            return !m_mixer.tracksRunningLocked();
        }();
        if (holdForStream) {
            held = true;
        } else {
            if (std::exchange(held, false))
                startSilentClock(nullptr);
            renderSilently(scratch);
        }
        std::int64_t const nextStep = nowNs() + kSilentStepNs;
        if (!output) {
            std::unique_lock<std::mutex> lock(m_mixer.mutex());
            // Woken early only to quit; the frames keep to the clock.
            auto const until = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(nextStep));
            m_wake.wait_until(lock, until, [this] { return m_bQuit.load(); });
            continue;
        }
        output->pump(nextStep - nowNs());
        if (m_bQuit.load())
            break;
        if (output->state() == PulseOutput::State::Failed) {
            if (!silentOnly())
                noteDeviceFailure(output->error());
            dropOutput();
        } else if (stale) {
            // The stalled stream answers again: its frames are behind the
            // beat, so the sound goes on in a new one, at once.
            if (output->roomFrames() >= PulseOutput::kBlockFrames) {
                dropOutput();
                m_iFailedAtNs = -1;
            }
        } else if (output->state() == PulseOutput::State::Ready && !primed) {
            primed = primeDevice(*output);
            if (!primed) {
                noteDeviceFailure(output->error());
                dropOutput();
            }
        } else if (primed && output->roomFrames() >= PulseOutput::kBlockFrames) {
            // The server asks for sound: the stream takes the beat over.
            startDevice(estimator);
            onDevice = true;
            underflows = 0;
        }
    }
    dropOutput();
    m_bSilentNow = true;
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    m_mixer.setClockLocked(StreamClock{});
    m_mixer.setHeardDelayNsLocked(0);
    m_mixer.setLossLeadNsLocked(-1);
}

void AudioEngine::logSeriesRestart(int restartsBefore)
{
    {
        std::lock_guard<std::mutex> lock(m_mixer.mutex());
        if (m_mixer.seriesRestartsLocked() == restartsBefore)
            return;
    }
    // Only a stream that really started anew; the beat's frames are counted
    // on through any drift of the clocks. The outage itself is told once
    // when it starts and once when the sound is back.
    qCDebug(lcAudio) << "A new sound stream: the beat goes on on its own grid.";
}

std::int64_t AudioEngine::heardAtNs(BeatSeries const& series, std::int64_t beat)
{
    std::lock_guard<std::mutex> lock(m_mixer.mutex());
    std::int64_t const latency = m_mixer.latencyNsLocked();
    StreamClock const clock = m_mixer.clockLocked();
    if (!clock.valid)
        return series.dueNs(beat) + latency + (silentOnly() ? 0 : deviceBufferNs());
    return clock.nsAt(series.frameOf(beat, clock, latency)) + m_mixer.heardDelayNsLocked();
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
