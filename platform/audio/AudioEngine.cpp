#include "platform/audio/AudioEngine.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <utility>

namespace TickwrenAudio {

namespace {

std::atomic<AudioEngine*> s_engine{nullptr};
std::mutex s_engineMutex;
bool s_postRoutineAdded = false;

// About 20 ms asked of the sound server: short enough that a tick starts when
// it is due, long enough for a busy desktop not to starve the stream.
constexpr int kDeviceBufferMs = 20;
// The silent clock's step.
constexpr int kSilentTickMs = 5;
// A device left with nothing to play is closed after this long, so an idle
// program does not keep the sound server busy; long enough that a player
// pressing notes now and then does not wait for the stream to open each time.
constexpr int kDeviceIdleCloseMs = 30000;
// After the device failed, the silent clock serves at least this long.
constexpr int kDeviceRetryMs = 10000;

bool toOutputFormat(QAudioFormat const& f, OutputFormat& out)
{
    if (!f.isValid() || f.codec() != QLatin1String("audio/pcm") || f.channelCount() < 1 || f.sampleRate() <= 0)
        return false;
    if (f.sampleSize() > 8 && f.byteOrder() != QAudioFormat::LittleEndian)
        return false;
    out.sampleRate = f.sampleRate();
    out.channels = f.channelCount();
    if (f.sampleType() == QAudioFormat::SignedInt && f.sampleSize() == 16)
        out.type = OutputFormat::Int16;
    else if (f.sampleType() == QAudioFormat::SignedInt && f.sampleSize() == 32)
        out.type = OutputFormat::Int32;
    else if (f.sampleType() == QAudioFormat::Float && f.sampleSize() == 32)
        out.type = OutputFormat::Float32;
    else if (f.sampleType() == QAudioFormat::UnSignedInt && f.sampleSize() == 8)
        out.type = OutputFormat::UInt8;
    else
        return false;
    return true;
}

// What QAudioOutput pulls the mix from.
class MixerDevice : public QIODevice
{
public:
    MixerDevice(AudioMixer& mixer, OutputFormat const& format)
        : m_mixer(mixer)
        , m_format(format)
    {
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 const frames = std::min<qint64>(maxSize / m_format.bytesPerFrame(), 1 << 16);
        if (frames <= 0)
            return 0;
        return m_mixer.renderTo(data, int(frames), m_format);
    }
    qint64 writeData(char const*, qint64) override { return -1; }

private:
    AudioMixer& m_mixer;
    OutputFormat m_format;
};

} // namespace

// Lives in the engine's thread and consumes the mix: either a device through
// QAudioOutput or the silent clock.
class EngineWorker : public QObject
{
    Q_OBJECT
public:
    explicit EngineWorker(AudioEngine& engine)
        : m_engine(engine)
    {
        m_silentTimer.setTimerType(Qt::PreciseTimer);
        m_silentTimer.setInterval(kSilentTickMs);
        connect(&m_silentTimer, &QTimer::timeout, this, &EngineWorker::silentTick);
        m_idleTimer.setInterval(1000);
        connect(&m_idleTimer, &QTimer::timeout, this, &EngineWorker::idleCheck);
    }
    ~EngineWorker() override { stopOutput(); }

public slots:
    void wake()
    {
        if (m_eMode != Off)
            return;
        // After a failure the device is tried again now and then, so that a
        // sound server that comes back (or is restarted) is heard again.
        bool const deviceResting = m_failedAt.isValid() && m_failedAt.elapsed() < kDeviceRetryMs;
        bool const silent = m_engine.isForcedSilent() || AudioEngine::silentByEnvironment() || deviceResting;
        if (silent || !openDevice())
            startSilent();
    }

    void applyForceSilent()
    {
        if (m_eMode == Device && m_engine.isForcedSilent()) {
            closeDevice();
            startSilent();
        }
    }

private slots:
    void silentTick()
    {
        std::int64_t const rate = m_engine.m_mixer.outputRate();
        std::int64_t const due = std::int64_t(m_clock.nsecsElapsed()) * rate / 1000000000 - m_iSilentFrames;
        for (std::int64_t left = due; left > 0;) {
            int const n = int(std::min<std::int64_t>(left, 2048));
            m_lScratch.resize(std::size_t(n) * 2);
            m_engine.m_mixer.render(m_lScratch.data(), n);
            m_iSilentFrames += n;
            left -= n;
        }
        bool idle = false;
        {
            std::lock_guard<std::mutex> lock(m_engine.m_mixer.mutex());
            if (!m_engine.m_mixer.busyLocked()) {
                m_engine.m_bOutputRunning = false;
                idle = true;
            }
        }
        if (idle) {
            // Nothing sounds: the clock rests until the next play.
            m_silentTimer.stop();
            m_eMode = Off;
        }
    }

    void idleCheck()
    {
        bool close = false;
        {
            std::lock_guard<std::mutex> lock(m_engine.m_mixer.mutex());
            if (m_engine.m_mixer.busyLocked()) {
                m_idleSince.invalidate();
            } else if (!m_idleSince.isValid()) {
                m_idleSince.start();
            } else if (m_idleSince.elapsed() >= kDeviceIdleCloseMs) {
                m_engine.m_bOutputRunning = false;
                close = true;
            }
        }
        if (close) {
            // Off first: a play that arrives while the output is being deleted
            // must open a new one rather than be taken for already served.
            m_eMode = Off;
            closeDevice();
        }
    }

    void deviceStateChanged(QAudio::State state)
    {
        if (!m_pOutput || state != QAudio::StoppedState || m_pOutput->error() == QAudio::NoError)
            return;
        // The output says so from inside its own calls (start() when the stream
        // cannot be opened, its feed when the server goes away): deleting it here
        // would pull it out from under that call, and openDevice would find no
        // output left to check. It is dropped once the call has returned.
        QPointer<QAudioOutput> const failed(m_pOutput);
        QMetaObject::invokeMethod(
            this, [this, failed] { deviceFailed(failed); }, Qt::QueuedConnection);
    }

private:
    enum Mode { Off, Silent, Device };

    void deviceFailed(QPointer<QAudioOutput> const& failed)
    {
        // Gone already: openDevice saw the failure itself, or the device was closed.
        if (!failed || failed != m_pOutput)
            return;
        // The device went away or refused the stream: carry on with the silent
        // clock so that sounds still end and their players still finish.
        m_failedAt.start();
        closeDevice();
        startSilent();
    }

    bool openDevice()
    {
        QAudioDeviceInfo const device = QAudioDeviceInfo::defaultOutputDevice();
        if (device.isNull()) {
            m_failedAt.start();
            return false;
        }
        QAudioFormat wanted;
        wanted.setSampleRate(48000);
        wanted.setChannelCount(2);
        wanted.setSampleSize(16);
        wanted.setSampleType(QAudioFormat::SignedInt);
        wanted.setByteOrder(QAudioFormat::LittleEndian);
        wanted.setCodec(QStringLiteral("audio/pcm"));
        QAudioFormat format = device.isFormatSupported(wanted) ? wanted : device.nearestFormat(wanted);
        OutputFormat out;
        if (!toOutputFormat(format, out)) {
            m_failedAt.start();
            return false;
        }

        m_engine.m_mixer.setOutputRate(out.sampleRate);
        m_pDevice = new MixerDevice(m_engine.m_mixer, out);
        // Unbuffered: QIODevice would otherwise read 16 KB (85 ms) of mix ahead.
        m_pDevice->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        m_pOutput = new QAudioOutput(device, format, this);
        // The sound server's low-latency class: the stream is fed every 10 ms
        // instead of every 20 ms, which halves the delay before a tick starts.
        m_pOutput->setCategory(QStringLiteral("game"));
        m_pOutput->setBufferSize(out.bytesPerFrame() * out.sampleRate * kDeviceBufferMs / 1000);
        connect(m_pOutput, &QAudioOutput::stateChanged, this, &EngineWorker::deviceStateChanged);
        m_pOutput->start(m_pDevice);
        if (m_pOutput->error() != QAudio::NoError || m_pOutput->state() == QAudio::StoppedState) {
            m_failedAt.start();
            closeDevice();
            return false;
        }
        {
            std::lock_guard<std::mutex> lock(m_engine.m_formatMutex);
            m_engine.m_format = out;
            m_engine.m_sDeviceName = device.deviceName();
        }
        m_engine.m_bSilentNow = false;
        m_eMode = Device;
        m_idleSince.invalidate();
        m_idleTimer.start();
        return true;
    }

    void closeDevice()
    {
        m_idleTimer.stop();
        // Forgotten before they are deleted: an output delivers pending events
        // while it goes away, and what runs then must find the device closed
        // rather than close it a second time.
        QAudioOutput* const output = std::exchange(m_pOutput, nullptr);
        MixerDevice* const device = std::exchange(m_pDevice, nullptr);
        if (output) {
            output->disconnect(this);
            output->stop();
            delete output;
        }
        delete device;
    }

    void startSilent()
    {
        m_engine.m_bSilentNow = true;
        m_eMode = Silent;
        m_clock.start();
        m_iSilentFrames = 0;
        m_silentTimer.start();
    }

    void stopOutput()
    {
        m_silentTimer.stop();
        closeDevice();
        m_eMode = Off;
    }

    AudioEngine& m_engine;
    Mode m_eMode = Off;
    QTimer m_silentTimer;
    QTimer m_idleTimer;
    QElapsedTimer m_clock;
    QElapsedTimer m_idleSince;
    std::int64_t m_iSilentFrames = 0;
    std::vector<float> m_lScratch;
    QAudioOutput* m_pOutput = nullptr;
    MixerDevice* m_pDevice = nullptr;
    QElapsedTimer m_failedAt; // invalid until opening the device failed
};

class EngineThread : public QThread
{
public:
    explicit EngineThread(AudioEngine& engine)
        : m_engine(engine)
    {
        setObjectName(QStringLiteral("TickwrenAudio"));
    }

    EngineWorker* worker() const { return m_pWorker.load(std::memory_order_acquire); }
    pthread_t nativeThread() const { return m_thread; }
    void waitReady()
    {
        std::unique_lock<std::mutex> lock(m_readyMutex);
        m_readyCondition.wait(lock, [this] { return m_bReady; });
    }

protected:
    void run() override
    {
        EngineWorker worker(m_engine);
        m_thread = pthread_self();
        m_pWorker.store(&worker, std::memory_order_release);
        {
            std::lock_guard<std::mutex> lock(m_readyMutex);
            m_bReady = true;
        }
        m_readyCondition.notify_all();
        exec();
        m_pWorker.store(nullptr, std::memory_order_release);
    }

private:
    AudioEngine& m_engine;
    std::atomic<EngineWorker*> m_pWorker{nullptr};
    pthread_t m_thread{};
    std::mutex m_readyMutex;
    std::condition_variable m_readyCondition;
    bool m_bReady = false;
};

AudioEngine::AudioEngine() = default;

AudioEngine::~AudioEngine()
{
    if (m_pThread) {
        m_pThread->quit();
        m_pThread->wait();
        delete m_pThread;
    }
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

bool AudioEngine::silentByEnvironment()
{
    QByteArray const v = qgetenv("TICKWREN_SILENT_AUDIO");
    return !v.isEmpty() && v != "0";
}

void AudioEngine::startThread()
{
    m_pThread = new EngineThread(*this);
    m_pThread->start(QThread::TimeCriticalPriority);
    m_pThread->waitReady();
}

void AudioEngine::voiceActivatedLocked()
{
    if (m_bOutputRunning)
        return;
    m_bOutputRunning = true;
    if (!m_pThread)
        startThread();
    QMetaObject::invokeMethod(m_pThread->worker(), "wake", Qt::QueuedConnection);
}

void AudioEngine::setForceSilent(bool on)
{
    m_bForceSilent = on;
    if (on)
        m_bSilentNow = true;
    std::lock_guard<std::mutex> lock(s_engineMutex);
    if (m_pThread && m_pThread->worker())
        QMetaObject::invokeMethod(m_pThread->worker(), "applyForceSilent", Qt::BlockingQueuedConnection);
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
    if (!m_pThread || !m_pThread->isRunning())
        return 0;
    clockid_t clock;
    timespec ts{};
    if (pthread_getcpuclockid(m_pThread->nativeThread(), &clock) != 0 || clock_gettime(clock, &ts) != 0)
        return 0;
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// ---------------------------------------------------------------------------

std::atomic<int> AudioVoice::s_iLive{0};

AudioVoice::AudioVoice(SoundPtr sound)
    : m_pVoice(std::make_shared<Voice>())
{
    m_pVoice->sound = std::move(sound);
    ++s_iLive;
}

std::unique_ptr<AudioVoice> AudioVoice::open(QString const& path)
{
    SoundPtr sound = DecodedSoundCache::load(path);
    if (!sound)
        return {};
    return std::unique_ptr<AudioVoice>(new AudioVoice(std::move(sound)));
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

void AudioVoice::play()
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    if (m_pVoice->playing)
        return;
    m_pVoice->playing = true;
    m_pVoice->startRequestNs = AudioMixer::nowNs();
    e.mixer().activateLocked(m_pVoice);
    e.voiceActivatedLocked();
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
    int const rate = m_pVoice->sound->sampleRate;
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
    double const frames = std::clamp(seconds * m_pVoice->sound->sampleRate, 0.0, double(m_pVoice->sound->frames));
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pVoice->position = frames;
}

double AudioVoice::duration() const
{
    return m_pVoice->sound->durationSeconds();
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

#include "AudioEngine.moc"
