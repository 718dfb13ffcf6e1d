// One-shot players, as every tick, note and chord string makes them: parentless,
// finished() connected to their own deleteLater(), started with play(path) and
// forgotten. Whatever happens to the file, nothing may stay behind; the
// sanitizer's leak check at exit covers the memory side, and a file that
// cannot be played is told once. A file far too long to keep decoded, played
// ten times at once, is read as it plays rather than decoded whole for every
// play, and a long tick at a fast tempo under a lowered file-handle limit
// keeps one file open and every tick placed.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/DecodedSound.h"
#include "platform/audio/NativeAudioPlayer.h"
#include "platform/audio/NativeAudioPlayerInternal.h"

#include "TestSupport/PlayerRecorder.h"
#include "TestSupport/ProcessMemory.h"
#include "TestSupport/TestTone.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <sys/resource.h>

using QMMultiMedia::NativeAudioPlayer;
using QMMultiMedia::NativeAudioPlayerInternal;
using TickwrenAudio::AudioVoice;
using TickwrenAudio::DecodedSoundCache;
using TickwrenAudio::StreamedSound;

using PlayerTest::playAndForget;

namespace {

// Warnings that a file cannot be played, counted by the message handler.
int s_unplayableReports = 0;
QtMessageHandler s_previousHandler = nullptr;

void countingHandler(QtMsgType type, QMessageLogContext const& context, QString const& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Cannot play")))
        ++s_unplayableReports;
    s_previousHandler(type, context, message);
}

int openDescriptors()
{
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

// The process's soft limit on open files, lowered for a test and given back.
class HandleLimit
{
public:
    explicit HandleLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(limit, m_saved.rlim_max);
        m_bSet = setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~HandleLimit() { setrlimit(RLIMIT_NOFILE, &m_saved); }
    bool isSet() const { return m_bSet; }

private:
    rlimit m_saved{};
    bool m_bSet = false;
};

} // namespace

class TestFireAndForget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(TestTone::writeWavMs(m_dir.filePath("short.wav"), 80));
        QCOMPARE(NativeAudioPlayerInternal::instanceCount(), 0);
        s_previousHandler = qInstallMessageHandler(countingHandler);
    }

    void cleanupTestCase() { qInstallMessageHandler(s_previousHandler); }

    void everyPlayerReleasesItself_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("spacingMs"); // 0: all in one go, like a chord
        QTest::addColumn<int>("reports");   // warnings that it cannot be played
        QTest::newRow("1000 missing files") << "missing.wav" << 1000 << 0 << 1;
        QTest::newRow("1000 undecodable files") << "garbage.wav" << 1000 << 0 << 1;
        QTest::newRow("a chord of 12 sounds") << "short.wav" << 12 << 0 << 0;
        QTest::newRow("a fast metronome") << "short.wav" << 40 << 25 << 0;
        QTest::newRow("200 sounds at once") << "short.wav" << 200 << 0 << 0;
    }
    void everyPlayerReleasesItself()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(int, spacingMs);
        QFETCH(int, reports);
        s_unplayableReports = 0;
        QString const path = m_dir.filePath(file);
        if (file == "garbage.wav") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, '\x5a'));
        }
        for (int i = 0; i < count; ++i) {
            playAndForget(path);
            if (spacingMs)
                QTest::qWait(spacingMs);
        }
        QVERIFY(NativeAudioPlayerInternal::instanceCount() > 0 || count == 0);
        QTRY_COMPARE_WITH_TIMEOUT(NativeAudioPlayerInternal::instanceCount(), 0, 5000);
        QCOMPARE(AudioVoice::liveCount(), 0);
        QCOMPARE(TickwrenAudio::AudioEngine::instance().mixer().activeCount(), 0);
        QCOMPARE(s_unplayableReports, reports);
    }

    void longFilePlayedTenTimesAtOnce()
    {
        // Three minutes of 48 kHz stereo: 35 MB on disk, 69 MB decoded, more
        // than the decoded-sound cache keeps.
        QString const path = m_dir.filePath("long.wav");
        QVERIFY(TestTone::writeWav(path, 48000 * 180, 48000, 2, 220.0, 0.3));
        std::int64_t const decoded = DecodedSoundCache::decodedBytes(path);
        QVERIFY(decoded > DecodedSoundCache::kMaxCachedBytes);
        int const decodes = DecodedSoundCache::decodeCount();
        std::int64_t const liveBytes = DecodedSoundCache::liveBytes();
        long const rssBefore = ProcessMemory::residentKiB();

        QObject owner;
        QList<NativeAudioPlayer*> players;
        for (int i = 0; i < 10; ++i) {
            auto* p = new NativeAudioPlayer(&owner);
            p->setVolume(0);
            p->play(path);
            players << p;
        }
        for (NativeAudioPlayer* p : players) {
            QVERIFY(p->isPlaying());
            QCOMPARE(p->duration(), qint64(180000));
        }
        QTRY_VERIFY_WITH_TIMEOUT(players.last()->position() >= 300, 5000);
        // Nothing decoded whole, not even once: each play reads its own few
        // thousand frames at a time, all from one open file.
        QCOMPARE(DecodedSoundCache::decodeCount(), decodes);
        QCOMPARE(DecodedSoundCache::liveBytes(), liveBytes);
        QCOMPARE(StreamedSound::openCount(), 1);
        long const grownKiB = ProcessMemory::residentKiB() - rssBefore;
        QVERIFY2(grownKiB < decoded / 1024 / 2, qPrintable(QString::number(grownKiB)));
        for (NativeAudioPlayer* p : players)
            QVERIFY(p->isPlaying());
        qDeleteAll(players);
        // Closed once their short fade-outs have played.
        QTRY_COMPARE_WITH_TIMEOUT(StreamedSound::openCount(), 0, 2000);
        QCOMPARE(AudioVoice::liveCount(), 0);
    }

    // A tick far longer than the beat, played at 208 bpm as the metronome
    // plays it, with the process allowed only a few more open files than it
    // has: the plays share one open file, no more than a bounded number of
    // them sound at once, and every tick is still placed in the stream.
    void longTickAtAFastTempo()
    {
        // 30 s of 48 kHz mono: 5.8 MB decoded, so streamed.
        QString const path = m_dir.filePath("long-tick.wav");
        QVERIFY(TestTone::writeWav(path, 48000 * 30, 48000, 1, 220.0, 0.3));
        QVERIFY(DecodedSoundCache::decodedBytes(path) > DecodedSoundCache::kMaxDecodedBytes);
        TickwrenAudio::AudioEngine& engine = TickwrenAudio::AudioEngine::instance();
        engine.setForceSilent(true);
        engine.prepare();
        TickwrenAudio::AudioMixer& mixer = engine.mixer();
        mixer.setPlacementRecording(true);
        mixer.takePlacements();
        s_unplayableReports = 0;

        constexpr int kPlays = 40;
        constexpr int kSpareHandles = 16;
        int const before = openDescriptors();
        int mostOpen = 0;
        int mostSounding = 0;
        int placed = 0;
        int finished = 0;
        {
            HandleLimit limit(rlim_t(before + kSpareHandles));
            QVERIFY(limit.isSet());
            QObject owner;
            int plays = 0;
            QTimer beat;
            beat.setTimerType(Qt::PreciseTimer);
            beat.setInterval(60000 / 208);
            connect(&beat, &QTimer::timeout, &owner, [&] {
                if (plays == kPlays)
                    return;
                auto* player = new NativeAudioPlayer(&owner);
                connect(player, &NativeAudioPlayer::finished, player, [&finished] { ++finished; });
                connect(player, &NativeAudioPlayer::finished, player, &QObject::deleteLater);
                player->setVolume(0);
                player->play(path);
                ++plays;
                mostOpen = std::max(mostOpen, openDescriptors());
                mostSounding = std::max(mostSounding, mixer.activeCount());
            });
            beat.start();
            QTRY_VERIFY_WITH_TIMEOUT((placed += int(mixer.takePlacements().size())) >= kPlays, 120000);
            // The plays that gave way have ended like played-out ones: their
            // players are told and release themselves.
            QTRY_VERIFY_WITH_TIMEOUT(finished >= kPlays - TickwrenAudio::AudioMixer::kMaxPlaysOfOneSound, 10000);
        }
        mixer.setPlacementRecording(false);
        engine.setForceSilent(false);

        QCOMPARE(placed, kPlays);
        QCOMPARE(s_unplayableReports, 0);
        QVERIFY2(mostOpen <= before + 2, qPrintable(QString("%1 open, %2 before").arg(mostOpen).arg(before)));
        QVERIFY2(mostSounding <= TickwrenAudio::AudioMixer::kMaxPlaysOfOneSound,
                 qPrintable(QString::number(mostSounding)));
        QTRY_COMPARE_WITH_TIMEOUT(StreamedSound::openCount(), 0, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(AudioVoice::liveCount(), 0, 2000);
    }

    void ownerMayDeleteMidSound()
    {
        // A player deleted while it sounds takes its voice out of the mix.
        auto* player = new NativeAudioPlayer;
        player->play(m_dir.filePath("short.wav"));
        QVERIFY(player->isPlaying());
        QCOMPARE(TickwrenAudio::AudioEngine::instance().mixer().activeCount(), 1);
        delete player;
        QCOMPARE(TickwrenAudio::AudioEngine::instance().mixer().activeCount(), 0);
        QCOMPARE(AudioVoice::liveCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFireAndForget)
#include "tst_fireandforget.moc"
