// The engine on a real sound server: a server of the test's own with a sink
// that discards what it gets, so that the device path runs without a sound
// card and nothing is heard. The server starts only after the first sound,
// is killed in mid-sound and started again: each time the engine must find
// it by itself at the next sound. Then what reaches the sink is recorded
// from its monitor: clicks asked for at due times on a beat grid must start
// on that grid to the frame, and so must the beats the engine sounds by
// itself while the thread that started them is held. Last, a server that
// stops answering must not hold up quitting.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"

#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/SinkRecorder.h"
#include "TestSupport/TestTone.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

using TickwrenAudio::AudioEngine;
using TickwrenAudio::AudioVoice;

namespace {

// Sleeps until a moment on the engine's clock: the test asks for sounds at
// chosen moments, as a beat timer does.
void sleepUntil(std::int64_t ns)
{
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns)));
}

// The engine's lines, as its thread writes them, while one of these lives.
class AudioLog
{
public:
    AudioLog() { s_previous = qInstallMessageHandler(&AudioLog::handle); }
    ~AudioLog()
    {
        qInstallMessageHandler(s_previous);
        std::lock_guard<std::mutex> lock(s_mutex);
        s_lines.clear();
    }
    AudioLog(AudioLog const&) = delete;
    AudioLog& operator=(AudioLog const&) = delete;

    static int count(QString const& start)
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return int(
            std::count_if(s_lines.begin(), s_lines.end(), [&](QString const& l) { return l.startsWith(start); }));
    }

private:
    static void handle(QtMsgType type, QMessageLogContext const& context, QString const& message)
    {
        if (context.category && qstrcmp(context.category, "tickwren.audio") == 0) {
            std::lock_guard<std::mutex> lock(s_mutex);
            s_lines << message;
        }
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline std::mutex s_mutex;
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

class TestAudioDevice : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PrivateSoundServer m_server;
    QString m_tone;
    QString m_click;

    // Plays the sound to its end, again and again, until one has gone to
    // the device; false when none has within `timeoutMs`.
    static bool reachesDevice(AudioVoice& voice, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            voice.play();
            if (!QTest::qWaitFor([&] { return !voice.isPlaying(); }, 5000))
                return false;
            if (!AudioEngine::instance().isSilent())
                return true;
        } while (clock.elapsed() < timeoutMs);
        return false;
    }

private slots:
    void initTestCase()
    {
        if (!PrivateSoundServer::available())
            QSKIP("no sound server program (pulseaudio) to start");
        QVERIFY(m_dir.isValid());
        m_tone = m_dir.filePath(QStringLiteral("tone.wav"));
        m_click = m_dir.filePath(QStringLiteral("click.wav"));
        QVERIFY(TestTone::writeWavMs(m_tone, 300));
        QVERIFY(TestTone::writeClick(m_click));
        // The address of a server that is not there yet.
        qputenv("PULSE_SERVER", m_server.address().toUtf8());
        // The device, not the silent clock the other tests run on.
        qunsetenv("TICKWREN_SILENT_AUDIO");
    }

    void serverStartedAfterTheFirstSound()
    {
        auto voice = AudioVoice::open(m_tone);
        QVERIFY(voice);
        voice->setVolume(0.0f);
        AudioEngine& engine = AudioEngine::instance();
        // No server: the sound still takes its time, on the silent clock.
        QElapsedTimer clock;
        clock.start();
        voice->play();
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 5000);
        QVERIFY(clock.elapsed() >= 290);
        QVERIFY(engine.isSilent());

        // The server comes up, as one started after the program at login.
        QVERIFY(m_server.start());
        QVERIFY(reachesDevice(*voice, 5000));
        QVERIFY(!engine.deviceName().isEmpty());
    }

    void serverRestarted()
    {
        auto voice = AudioVoice::open(m_tone);
        QVERIFY(voice);
        voice->setVolume(0.0f);
        AudioEngine& engine = AudioEngine::instance();
        QVERIFY(reachesDevice(*voice, 5000));
        AudioLog log;

        // The server dies in the middle of a sound: the silent clock takes
        // over and the sound still ends.
        voice->play();
        m_server.kill();
        QTRY_VERIFY_WITH_TIMEOUT(engine.isSilent(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 5000);

        // Still gone a while later: the next sound ends on the silent clock.
        QTest::qWait(1100);
        voice->play();
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 5000);
        QVERIFY(engine.isSilent());

        // Back again: the next sounds find it.
        QVERIFY(m_server.start());
        QVERIFY(reachesDevice(*voice, 5000));

        // The outage and the return were told once each, however often the
        // engine tried meanwhile.
        QCOMPARE(AudioLog::count("No sound from"), 1);
        QCOMPARE(AudioLog::count("Sound is back on"), 1);
    }

    void clicksLandOnTheGrid()
    {
        AudioEngine& engine = AudioEngine::instance();
        SinkRecorder recorder;
        QVERIFY(recorder.start(m_server.address().toUtf8()));
        engine.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 5000);

        // Ten clicks 288 ms apart (208 beats a minute), each asked for at a
        // random moment some 60 to 90 ms before it is due to start.
        constexpr std::int64_t kInterval = 288000000;
        constexpr int kClicks = 10;
        std::int64_t const first = AudioEngine::nowNs() + 1500000000;
        std::vector<std::unique_ptr<AudioVoice>> clicks;
        for (int k = 0; k < kClicks; ++k) {
            std::int64_t const due = first + k * kInterval;
            // Asked for at a random moment of 30 ms, before the engine has
            // rendered the stream ahead to that place.
            sleepUntil(due - 90000000 + std::int64_t(QRandomGenerator::global()->bounded(30000000)));
            clicks.push_back(AudioVoice::open(m_click));
            QVERIFY(clicks.back());
            clicks.back()->setVolume(1.0f);
            clicks.back()->play(due);
        }
        // Recorded until the last click has come through the sink.
        std::int64_t const recordedAt = qint64(recorder.left().size());
        QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 5000);
        recorder.stop();

        std::vector<std::int64_t> const onsets = SinkRecorder::onsets(recorder.left());
        QCOMPARE(int(onsets.size()), kClicks);
        for (int k = 1; k < kClicks; ++k) {
            std::int64_t const interval = onsets[std::size_t(k)] - onsets[std::size_t(k - 1)];
            QVERIFY2(qAbs(interval - 13824) <= 2, qPrintable(QString("interval %1: %2 frames").arg(k).arg(interval)));
        }
    }

    // A metronome's beats as one series, from a stream opened by the first
    // of them (which the server may hold back at first): every interval in
    // the recording is the asked one in frames, within the recording's own
    // rounding.
    void beatsOfASeriesFromAFreshStream_data()
    {
        QTest::addColumn<int>("bpm");
        QTest::addColumn<int>("beats");
        QTest::newRow("208 bpm") << 208 << 40;
        QTest::newRow("38 bpm") << 38 << 12;
    }
    void beatsOfASeriesFromAFreshStream()
    {
        QFETCH(int, bpm);
        QFETCH(int, beats);
        AudioEngine& engine = AudioEngine::instance();
        SinkRecorder recorder;
        QVERIFY(recorder.start(m_server.address().toUtf8()));
        // Closes the stream; the first beat opens a new one.
        engine.setForceSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(engine.isSilent(), 5000);
        QTest::qWait(100);
        engine.setForceSilent(false);

        std::int64_t const interval = std::int64_t(60000 / bpm) * 1000000;
        std::int64_t const intervalFrames = interval * 48 / 1000000;
        auto series = std::make_shared<TickwrenAudio::BeatSeries>(AudioEngine::nowNs() + 100000000, interval);
        engine.mixer().setPlacementRecording(true);
        std::vector<std::unique_ptr<AudioVoice>> clicks;
        for (int k = 0; k < beats; ++k) {
            // Asked for at a random moment of 30 ms, as a held-up timer does;
            // early enough that a test thread woken late on a loaded machine
            // still asks before the place is rendered.
            sleepUntil(series->dueNs(k) - 120000000 + std::int64_t(QRandomGenerator::global()->bounded(30000000)));
            clicks.push_back(AudioVoice::open(m_click));
            QVERIFY(clicks.back());
            clicks.back()->setVolume(1.0f);
            clicks.back()->play(series, k);
            // Only the last few are kept sounding; the rest have ended.
            if (clicks.size() > 4)
                clicks.erase(clicks.begin());
        }
        std::int64_t const recordedAt = qint64(recorder.left().size());
        QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 10000);
        recorder.stop();

        std::vector<TickwrenAudio::Placement> const placed = engine.mixer().takePlacements();
        engine.mixer().setPlacementRecording(false);
        std::vector<std::int64_t> const onsets = SinkRecorder::onsets(recorder.left());
        QString found;
        for (std::size_t k = 1; k < onsets.size(); ++k)
            found += QString(" %1").arg(onsets[k] - onsets[k - 1]);
        QVERIFY2(int(onsets.size()) == beats, qPrintable(QString("%1 found, apart:%2").arg(onsets.size()).arg(found)));
        QCOMPARE(int(placed.size()), beats);
        for (int k = 1; k < beats; ++k) {
            std::int64_t const step = onsets[std::size_t(k)] - onsets[std::size_t(k - 1)];
            QVERIFY2(qAbs(step - intervalFrames) <= 2,
                     qPrintable(QString("interval %1: %2 frames, %3 asked (the engine "
                                        "started the beats %4 and %5 frames late)")
                                    .arg(k)
                                    .arg(step)
                                    .arg(intervalFrames)
                                    .arg(placed[std::size_t(k - 1)].lateFrames)
                                    .arg(placed[std::size_t(k)].lateFrames)));
        }
    }
    // Beats the engine sounds by itself (a metronome's): the thread that
    // started them is held for two intervals and more, and every beat still
    // comes out exactly its interval of frames after the one before.
    void trackBeatsThroughAStall()
    {
        class Clicks : public TickwrenAudio::BeatPattern
        {
        public:
            TickwrenAudio::BeatChoice beat(std::int64_t) override { return TickwrenAudio::BeatChoice{0, 0}; }
        };
        AudioEngine& engine = AudioEngine::instance();
        SinkRecorder recorder;
        QVERIFY(recorder.start(m_server.address().toUtf8()));
        engine.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 5000);
        TickwrenAudio::BeatTrack track({m_click}, std::make_unique<Clicks>());
        track.setVolume(1.0f);
        constexpr std::int64_t kInterval = 288000000;
        track.start(AudioEngine::nowNs() + 300000000, kInterval);
        QTRY_VERIFY_WITH_TIMEOUT(track.renderedCount() >= 3, 10000);
        QThread::msleep(2 * 288 + 100); // the hold-up itself
        QTRY_VERIFY_WITH_TIMEOUT(track.renderedCount() >= 16, 20000);
        track.stop();
        int const beats = int(track.renderedCount());
        std::int64_t const recordedAt = qint64(recorder.left().size());
        QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 10000);
        recorder.stop();

        std::vector<std::int64_t> const onsets = SinkRecorder::onsets(recorder.left());
        QString found;
        for (std::size_t k = 1; k < onsets.size(); ++k)
            found += QString(" %1").arg(onsets[k] - onsets[k - 1]);
        QVERIFY2(int(onsets.size()) == beats,
                 qPrintable(QString("%1 of %2 found, apart:%3").arg(onsets.size()).arg(beats).arg(found)));
        for (int k = 1; k < beats; ++k) {
            std::int64_t const step = onsets[std::size_t(k)] - onsets[std::size_t(k - 1)];
            QVERIFY2(qAbs(step - 13824) <= 1, qPrintable(QString("interval %1: %2 frames").arg(k).arg(step)));
        }
        QCOMPARE(track.lateCount(), std::int64_t(0));
    }

    // A server that stops answering in the middle of a sound (stopped, as a
    // hung one is) must not hold up the end of the program: the engine's
    // thread never waits on it without a bound, and quitting interrupts it.
    void quitDoesNotWaitOnAStoppedServer()
    {
        AudioEngine& engine = AudioEngine::instance();
        auto voice = AudioVoice::open(m_tone);
        QVERIFY(voice);
        voice->setVolume(0.0f);
        QVERIFY(reachesDevice(*voice, 5000));
        voice->play();
        m_server.pause();
        QTest::qWait(300); // the engine is waiting on the server by now
        QVERIFY(!engine.isSilent());
        std::atomic<bool> done{false};
        std::thread quitter([&done] {
            AudioEngine::shutdown();
            done = true;
        });
        bool const quit = QTest::qWaitFor([&done] { return done.load(); }, 30000);
        m_server.resume(); // lets a waiting engine go, should it still wait
        quitter.join();
        voice.reset();
        QVERIFY2(quit, "the engine waited for the stopped server");
    }
};

QTEST_GUILESS_MAIN(TestAudioDevice)
#include "tst_audiodevice.moc"
