// One-shot players, as every tick, note and chord string makes them: parentless,
// finished() connected to their own deleteLater(), started with play(path) and
// forgotten. Whatever happens to the file, nothing may stay behind; the
// sanitizer's leak check at exit covers the memory side. And a file far too
// long to keep decoded, played ten times at once, is read as it plays
// rather than decoded whole for every play.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/DecodedSound.h"
#include "platform/audio/NativeAudioPlayer.h"
#include "platform/audio/NativeAudioPlayerInternal.h"

#include "TestSupport/PlayerRecorder.h"
#include "TestSupport/ProcessMemory.h"
#include "TestSupport/TestTone.h"

#include <QTemporaryDir>
#include <QtTest>

using QMMultiMedia::NativeAudioPlayer;
using QMMultiMedia::NativeAudioPlayerInternal;
using TickwrenAudio::AudioVoice;
using TickwrenAudio::DecodedSoundCache;
using TickwrenAudio::StreamedSound;

using PlayerTest::playAndForget;

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
    }

    void everyPlayerReleasesItself_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("spacingMs"); // 0: all in one go, like a chord
        QTest::newRow("1000 missing files") << "missing.wav" << 1000 << 0;
        QTest::newRow("1000 undecodable files") << "garbage.wav" << 1000 << 0;
        QTest::newRow("a chord of 12 sounds") << "short.wav" << 12 << 0;
        QTest::newRow("a fast metronome") << "short.wav" << 40 << 25;
        QTest::newRow("200 sounds at once") << "short.wav" << 200 << 0;
    }
    void everyPlayerReleasesItself()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(int, spacingMs);
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
        // thousand frames at a time.
        QCOMPARE(DecodedSoundCache::decodeCount(), decodes);
        QCOMPARE(DecodedSoundCache::liveBytes(), liveBytes);
        QCOMPARE(StreamedSound::openCount(), 10);
        long const grownKiB = ProcessMemory::residentKiB() - rssBefore;
        QVERIFY2(grownKiB < decoded / 1024 / 2, qPrintable(QString::number(grownKiB)));
        for (NativeAudioPlayer* p : players)
            QVERIFY(p->isPlaying());
        qDeleteAll(players);
        // Closed once their short fade-outs have played.
        QTRY_COMPARE_WITH_TIMEOUT(StreamedSound::openCount(), 0, 2000);
        QCOMPARE(AudioVoice::liveCount(), 0);
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
