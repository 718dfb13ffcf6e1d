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

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
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

    static QStringList lines()
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_lines;
    }

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

// Every beat a click.
class Clicks : public TickwrenAudio::BeatPattern
{
public:
    TickwrenAudio::BeatChoice beat(std::int64_t) override { return TickwrenAudio::BeatChoice{0, 0}; }
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

    // A metronome's beats as one series, from a stream just opened (which
    // the server may hold back at first): every interval in
    // the recording is the asked one in frames, within the recording's own
    // rounding, by the engine's own record of where it put each beat. On a
    // loaded machine the sound server itself may be starved and drop or move
    // a click the engine rendered on time (it tells so by running out of
    // sound), and the test's own thread may ask for a beat too late: only a
    // click lost or misplaced by the program fails the test.
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
        // Closes the stream and opens a new one, whose clock is still settling
        // when the beats begin (beats due before a stream takes sound are
        // kept by the silent clock, unheard).
        engine.setForceSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(engine.isSilent(), 5000);
        QTest::qWait(100);
        engine.setForceSilent(false);
        engine.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 10000);

        std::int64_t const interval = std::int64_t(60000 / bpm) * 1000000;
        std::int64_t const intervalFrames = interval * 48 / 1000000;
        auto series = std::make_shared<TickwrenAudio::BeatSeries>(AudioEngine::nowNs() + 100000000, interval);
        engine.mixer().setPlacementRecording(true);
        std::uint64_t const underflowsBefore = engine.underflowCount();
        std::vector<std::unique_ptr<AudioVoice>> clicks;
        std::vector<std::int64_t> asked;
        for (int k = 0; k < beats; ++k) {
            // Asked for at a random moment of 30 ms, as a held-up timer does;
            // early enough that a test thread woken late on a loaded machine
            // still asks before the place is rendered.
            sleepUntil(series->dueNs(k) - 120000000 + std::int64_t(QRandomGenerator::global()->bounded(30000000)));
            clicks.push_back(AudioVoice::open(m_click));
            QVERIFY(clicks.back());
            clicks.back()->setVolume(1.0f);
            clicks.back()->play(series, k);
            asked.push_back(AudioEngine::nowNs());
            // Only the last few are kept sounding; the rest have ended.
            if (clicks.size() > 4)
                clicks.erase(clicks.begin());
        }
        std::int64_t const recordedAt = qint64(recorder.left().size());
        QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 10000);
        recorder.stop();

        std::vector<TickwrenAudio::Placement> const placed = engine.mixer().takePlacements();
        engine.mixer().setPlacementRecording(false);
        std::uint64_t const underflows = engine.underflowCount() - underflowsBefore;
        // The program's side, by its own record: every beat asked for in time
        // (before the engine renders its place, which it does up to the
        // stream's buffer ahead) went on time, whole intervals of frames
        // after the first. One the test's own thread asked for too late (on
        // a loaded machine) starts at once, and tells nothing of the program.
        QCOMPARE(int(placed.size()), beats);
        std::vector<bool> inTime(std::size_t(beats), false);
        for (int k = 0; k < beats; ++k) {
            std::size_t const i = std::size_t(k);
            inTime[i] = asked[i] <= series->dueNs(k) + AudioEngine::kPlacementLatencyNs - AudioEngine::deviceBufferNs();
            if (!inTime[i] || k == 0)
                continue;
            QVERIFY2(
                placed[i].lateFrames == 0,
                qPrintable(QString("beat %1 started %2 frames late, asked in time").arg(k).arg(placed[i].lateFrames)));
            QCOMPARE(placed[i].startFrame - placed[0].startFrame, k * intervalFrames);
        }

        // What reached the sink: each click where the engine put it, the
        // recording's frames a constant away from the engine's.
        std::vector<std::int64_t> const onsets = SinkRecorder::onsets(recorder.left());
        QString found;
        for (std::size_t k = 1; k < onsets.size(); ++k)
            found += QString(" %1").arg(onsets[k] - onsets[k - 1]);
        auto const nearest = [&](std::int64_t frame) {
            std::int64_t best = INT64_MAX / 2;
            for (std::int64_t o : onsets)
                if (qAbs(o - frame) < qAbs(best - frame))
                    best = o;
            return best;
        };
        QVERIFY2(!onsets.empty(), "no click in the recording");
        std::int64_t offset = onsets.front() - placed.front().startFrame;
        int missing = 0;
        int shifted = 0;
        for (int k = 0; k < beats; ++k) {
            std::int64_t const at = placed[std::size_t(k)].startFrame + offset;
            std::int64_t const o = nearest(at);
            if (qAbs(o - at) <= 2)
                continue;
            // Not where the engine put it: a click the server dropped, or the
            // stream moved on by the server after it ran dry.
            if (qAbs(o - at) < intervalFrames / 4) {
                ++shifted;
                offset += o - at;
            } else {
                ++missing;
            }
        }
        // Only a server that ran out of sound (starved on a loaded machine)
        // drops or moves a click the engine rendered on time; otherwise the
        // program lost it.
        if (missing > 0 || shifted > 0) {
            QVERIFY2(underflows > 0, qPrintable(QString("%1 of %2 clicks missing and %3 moved, and the server never "
                                                        "ran out of sound; apart:%4")
                                                    .arg(missing)
                                                    .arg(beats)
                                                    .arg(shifted)
                                                    .arg(found)));
            qInfo("%d of %d clicks dropped and %d moved by the sound server, which ran out of sound %llu times",
                  missing, beats, shifted, static_cast<unsigned long long>(underflows));
        }
    }
    // Beats the engine sounds by itself (a metronome's): the thread that
    // started them is held for two intervals and more, and every beat still
    // comes out exactly its interval of frames after the one before.
    void trackBeatsThroughAStall()
    {
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

    // The beats of a track (a metronome's) through an outage of the server:
    // one that hangs (stopped) for longer than the engine waits for it, and
    // one killed and started again. Meanwhile the silent clock carries the
    // beat: every beat is rendered, stepped and heard on the series' own grid
    // (beat k at its due time plus the constant latency), none of them late
    // or rendered long after it was to be heard, whatever the stream does;
    // the sound joins them again on that grid, and the log tells the outage
    // once when it starts and once when the sound is back.
    void beatsThroughAnOutage_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("server stopped 3 s") << false;
        QTest::newRow("server killed and started again") << true;
    }
    void beatsThroughAnOutage()
    {
        QFETCH(bool, killed);
        if (!m_server.running())
            QVERIFY(m_server.start());
        AudioEngine& engine = AudioEngine::instance();
        engine.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 5000);
        SinkRecorder recorder;
        QVERIFY(recorder.start(m_server.address().toUtf8()));
        TickwrenAudio::BeatTrack track({m_click}, std::make_unique<Clicks>());
        track.setVolume(1.0f);
        track.setHistory(true);
        constexpr std::int64_t kInterval = 288000000;
        std::int64_t const first = AudioEngine::nowNs() + 300000000;
        AudioLog log;
        track.start(first, kInterval);
        QTRY_VERIFY_WITH_TIMEOUT(track.renderedCount() >= 5, 10000);

        if (killed)
            m_server.kill();
        else
            m_server.pause();
        QTest::qWait(3000); // the outage itself, beyond the engine's two seconds
        if (killed)
            QVERIFY(m_server.start());
        else
            m_server.resume();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 10000);
        std::int64_t const soundBack = AudioEngine::nowNs();
        QTRY_VERIFY_WITH_TIMEOUT(track.renderedCount() >= (soundBack - first) / kInterval + 8, 20000);
        track.stop();
        std::int64_t const recordedAt = qint64(recorder.left().size());
        if (!killed)
            QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 10000);
        recorder.stop();

        std::vector<TickwrenAudio::RenderedBeat> const beats = track.takeHistory();
        std::int64_t const delay = AudioEngine::kPlacementLatencyNs + AudioEngine::deviceBufferNs();
        for (std::size_t i = 0; i < beats.size(); ++i) {
            TickwrenAudio::RenderedBeat const& b = beats[i];
            QCOMPARE(b.index, std::int64_t(i));
            std::int64_t const offGrid = b.heardNs - (first + b.index * kInterval + delay);
            QVERIFY2(qAbs(offGrid) <= 20000000,
                     qPrintable(QString("beat %1 heard %2 ms off its grid").arg(b.index).arg(offGrid / 1e6)));
            QVERIFY2(b.renderedNs - b.heardNs <= 300000000,
                     qPrintable(QString("beat %1 rendered %2 ms after it was to be heard")
                                    .arg(b.index)
                                    .arg((b.renderedNs - b.heardNs) / 1e6)));
            QVERIFY2(!b.late, qPrintable(QString("beat %1 late").arg(b.index)));
        }
        // The outage began and ended once each: nothing else was told.
        QVERIFY2(AudioLog::count("No sound from") == 1 && AudioLog::count("Sound is back on") == 1
                     && AudioLog::count(QString()) == 2,
                 qPrintable(AudioLog::lines().join('\n')));
    }

    // The program itself stopped and continued (kill -STOP and -CONT, as a
    // debugger or a suspended laptop does) while its beats sound: the time it
    // did not run is no silence of the server's, so no outage is told; the
    // beats due meanwhile are counted and stepped, and the sound goes on at
    // once, on the series' own grid, with the next beat due whose place the
    // server has not played yet, and every beat sounded is in the recording
    // at its place (none cut short).
    // The window shows the current beat at once, never one that has been
    // followed by another already heard.
    void programStoppedAndContinued_data()
    {
        QTest::addColumn<int>("stopMs");
        QTest::addColumn<int>("stops");
        QTest::newRow("half a second, three times") << 500 << 3;
        QTest::newRow("two and a half seconds") << 2500 << 1;
    }
    void programStoppedAndContinued()
    {
        QFETCH(int, stopMs);
        QFETCH(int, stops);
        if (!m_server.running())
            QVERIFY(m_server.start());
        // A stream of the test's own keeps the sink at a short latency, as a
        // desktop's server is: a sink just started takes its sound in long
        // stretches for a while.
        AudioEngine& engine = AudioEngine::instance();
        engine.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSilent(), 10000);
        SinkRecorder recorder;
        QVERIFY(recorder.start(m_server.address().toUtf8()));
        QProcess player;
        player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tickwren.audio.debug=true"));
        player.setProcessEnvironment(env);
        player.start(QStringLiteral(BEAT_PLAYER), {m_click, QStringLiteral("208")});
        QVERIFY(player.waitForStarted(10000));
        QByteArray out;
        auto const readOut = [&] { out += player.readAllStandardOutput(); };
        QTRY_VERIFY_WITH_TIMEOUT((readOut(), out.contains("ready\n")), 20000);
        std::vector<std::int64_t> continued;
        for (int i = 0; i < stops; ++i) {
            QTest::qWait(1500);
            ::kill(pid_t(player.processId()), SIGSTOP);
            QThread::msleep(std::uint32_t(stopMs));
            continued.push_back(AudioEngine::nowNs());
            ::kill(pid_t(player.processId()), SIGCONT);
        }
        QTest::qWait(2000);
        std::int64_t const quitAt = AudioEngine::nowNs();
        player.write("quit\n");
        QVERIFY(player.waitForFinished(30000));
        readOut();
        std::int64_t const recordedAt = qint64(recorder.left().size());
        QTRY_VERIFY_WITH_TIMEOUT(std::int64_t(recorder.left().size()) > recordedAt + 24000, 10000);
        recorder.stop();

        struct Beat
        {
            std::int64_t index, frame, heardNs, renderedNs, sound, late;
        };
        std::vector<Beat> beats;
        std::vector<std::pair<std::int64_t, std::int64_t>> shown; // beat, asked by
        std::int64_t first = 0, interval = 0;
        QStringList log;
        for (QByteArray const& line : out.split('\n')) {
            QList<QByteArray> const f = line.split(' ');
            if (f[0] == "beat" && f.size() == 7)
                beats.push_back({f[1].toLongLong(), f[2].toLongLong(), f[3].toLongLong(), f[4].toLongLong(),
                                 f[5].toLongLong(), f[6].toLongLong()});
            else if (f[0] == "shown" && f.size() == 3)
                shown.emplace_back(f[1].toLongLong(), f[2].toLongLong());
            else if (f[0] == "series" && f.size() == 3)
                first = f[1].toLongLong(), interval = f[2].toLongLong();
            else if (f[0] == "log")
                log << QString::fromUtf8(line.mid(4));
        }
        QVERIFY(out.endsWith("end\n"));
        QVERIFY(interval > 0);
        QVERIFY2(!log.join('\n').contains("No sound from"), qPrintable(log.join('\n')));

        std::int64_t const delay = AudioEngine::kPlacementLatencyNs + AudioEngine::deviceBufferNs();
        std::vector<std::int64_t> const onsets = SinkRecorder::onsets(recorder.left());
        QVERIFY(!onsets.empty());
        std::int64_t const offset = onsets.front() - beats.front().frame;
        auto const foundAt = [&](std::int64_t frame) {
            return std::any_of(onsets.begin(), onsets.end(), [&](std::int64_t o) { return qAbs(o - frame) <= 3; });
        };
        for (std::size_t i = 0; i < beats.size(); ++i) {
            Beat const& b = beats[i];
            QCOMPARE(b.index, std::int64_t(i));
            std::int64_t const offGrid = b.heardNs - (first + b.index * interval + delay);
            QVERIFY2(qAbs(offGrid) <= 20000000,
                     qPrintable(QString("beat %1 heard %2 ms off its grid").arg(b.index).arg(offGrid / 1e6)));
            // A beat the engine sounded is heard whole, at its place (but
            // those still in the stream when the program quit).
            if (b.sound == 0 && b.heardNs < quitAt)
                QVERIFY2(foundAt(b.frame + offset),
                         qPrintable(QString("beat %1 not in the recording (rendered %2 ms before it was heard, "
                                            "%3 ms after the program continued)")
                                        .arg(b.index)
                                        .arg((b.heardNs - b.renderedNs) / 1e6)
                                        .arg([&] {
                                            std::int64_t after = -1;
                                            for (std::int64_t c : continued)
                                                if (b.renderedNs >= c)
                                                    after = b.renderedNs - c;
                                            return after / 1e6;
                                        }())));
        }
        // The sound came back after each stop: a beat heard within a second
        // of the program continuing sounded, and was recorded.
        for (std::int64_t c : continued) {
            auto const back = std::find_if(beats.begin(), beats.end(), [&](Beat const& b) {
                return b.heardNs >= c && b.sound == 0 && foundAt(b.frame + offset);
            });
            QVERIFY2(back != beats.end() && back->heardNs < c + 1000000000,
                     qPrintable(QString("no sound after the program continued; its log:\n%1").arg(log.join('\n'))));
        }
        // Each time beats were shown, the last of them was the current one.
        for (auto const& [beat, by] : shown) {
            if (beat + 1 < std::int64_t(beats.size()))
                QVERIFY2(beats[std::size_t(beat + 1)].heardNs > by,
                         qPrintable(QString("beat %1 shown %2 ms after beat %3 was heard")
                                        .arg(beat)
                                        .arg((by - beats[std::size_t(beat + 1)].heardNs) / 1e6)
                                        .arg(beat + 1)));
        }
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
        // The engine has found the server stopped: the silent clock carries
        // on while it waits on the server between its steps.
        QTRY_VERIFY_WITH_TIMEOUT(engine.isSilent(), 5000);
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
