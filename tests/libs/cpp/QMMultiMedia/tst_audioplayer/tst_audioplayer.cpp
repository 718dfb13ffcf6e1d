// The audio player service: looped play and how play, pause and stop end or
// hold a loop, and volume and mute carried from one run to the next. Sounds run
// on the audio engine's silent clock, so they take their real time.
#include "QMMultiMedia/AudioPlayer.h"
#include "ZEDireroz/frame/App.h"

#include "TestSupport/TestTone.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using QMMultiMedia::AudioPlayer;

namespace {

// How late a timer-driven signal may come on a loaded test machine.
constexpr int kSlackMs = 250;
// How long to wait for something that must come, on a loaded machine.
constexpr int kEventMs = 15000;

// Every position the player reports, in order.
struct PositionLog
{
    QVector<qint64> positions;
    explicit PositionLog(AudioPlayer* player)
    {
        QObject::connect(player, &AudioPlayer::positionChanged, player, [this](qint64 ms) { positions.append(ms); });
    }
    // True when the reports went back to an earlier position: the sound restarted.
    bool restarted() const
    {
        for (int i = 1; i < positions.size(); ++i) {
            if (positions.at(i) < positions.at(i - 1))
                return true;
        }
        return false;
    }
};

} // namespace

class TestAudioPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString tone(int ms) { return TestTone::toneIn(QDir(m_dir.path()), ms); }
    AudioPlayer* player() { return AudioPlayer::instance(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(qEnvironmentVariableIsSet("TICKWREN_SILENT_AUDIO"));
    }

    void cleanup()
    {
        // Every test starts with a new player.
        delete AudioPlayer::instance();
    }

    void loopRestartsUntilStop()
    {
        QSignalSpy finished(player(), &AudioPlayer::finished);
        QSignalSpy stopped(player(), &AudioPlayer::stopped);
        PositionLog log(player());
        player()->play(tone(700), true);
        QCOMPARE(player()->duration(), qint64(700));
        QVERIFY(player()->isLooping());
        // Three rounds: the sound keeps starting again and never reports an end.
        QTRY_VERIFY_WITH_TIMEOUT(log.positions.size() >= 4 && log.restarted(), kEventMs);
        QVERIFY(player()->isPlaying());
        QCOMPARE(finished.count(), 0);

        player()->stop();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(player()->isStopped());
        QVERIFY(!player()->isLooping());
        // The loop point that was pending starts nothing.
        QTest::qWait(700 + kSlackMs);
        QVERIFY(!player()->isPlaying());
        QCOMPARE(finished.count(), 0);
    }

    void pauseHoldsTheLoopPoint()
    {
        QSignalSpy finished(player(), &AudioPlayer::finished);
        player()->play(tone(900), true);
        QTRY_VERIFY(player()->position() >= 300);
        player()->pause();
        qint64 const pausedAt = player()->position();
        QCOMPARE(player()->remainingDuration(), 900 - pausedAt);
        // Past the loop point the sound still rests where it was paused.
        QTest::qWait(900 + kSlackMs);
        QVERIFY(player()->isPaused());
        QVERIFY(!player()->isPlaying());
        QCOMPARE(player()->position(), pausedAt);

        // Resuming goes on from there, and the loop with it.
        PositionLog log(player());
        player()->play();
        QVERIFY(player()->isPlaying());
        QVERIFY(player()->position() >= pausedAt);
        QTRY_VERIFY_WITH_TIMEOUT(log.restarted(), kEventMs);
        QCOMPARE(finished.count(), 0);
    }

    void anotherSoundEndsTheLoop()
    {
        QSignalSpy finished(player(), &AudioPlayer::finished);
        player()->play(tone(400), true);
        QTRY_VERIFY(player()->position() >= 100);
        PositionLog log(player());
        QString const other = tone(1600);
        player()->play(other, false);
        QVERIFY(!player()->isLooping());
        QCOMPARE(player()->fileName(), other);
        // The other sound plays through once, past the first one's loop point.
        QVERIFY(finished.wait(kEventMs));
        QVERIFY2(!log.restarted(), "the first sound's loop point restarted the second sound");
        QVERIFY(log.positions.size() >= 2);
        QTest::qWait(400 + kSlackMs);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!player()->isPlaying());
    }

    void loopWithoutLengthEnds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("empty sound") << "empty";
        QTest::newRow("missing file") << "missing";
    }
    void loopWithoutLengthEnds()
    {
        QFETCH(QString, file);
        QString path = m_dir.filePath(file + QStringLiteral(".wav"));
        if (file == QLatin1String("empty"))
            QVERIFY(TestTone::writeWav(path, 0, 48000, 1));
        QSignalSpy finished(player(), &AudioPlayer::finished);
        player()->play(path, true);
        QCOMPARE(player()->duration(), qint64(0));
        // The loop ends at once rather than restarting a silent sound for ever,
        // and the end of the sound is reported once.
        QVERIFY(!player()->isLooping());
        QVERIFY(finished.wait(kEventMs));
        QTest::qWait(500 + kSlackMs);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!player()->isLooping());
    }

    void volumeAndMuteCarryOverToTheNextRun()
    {
        // Each step is one run of a program: what it finds, then what it changes.
        struct Run
        {
            QStringList args;
            QByteArray found;
        };
        QVector<Run> const runs = {
            {{"0.8", "-"}, "0.5 0"},  // first run: the defaults
            {{"-", "mute"}, "0.8 0"}, // the volume was kept
            {{"-", "unmute"}, "0 1"}, // muted as the run before ended
            {{"-", "-"}, "0.8 0"},    // unmuting brought back the volume before the mute
        };
        // The runs keep their settings apart from this test's own application
        // object, which holds the file of the test's home folder in memory.
        QTemporaryDir data;
        QVERIFY(data.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        QString const settingsFile = data.path() + QStringLiteral("/Olvenar/TickwrenTrial/settings.plist");
        for (int i = 0; i < runs.size(); ++i) {
            QProcess run;
            run.setProcessEnvironment(env);
            run.start(QStringLiteral(MEDIA_RUN), runs.at(i).args);
            QVERIFY(run.waitForFinished(30000));
            QCOMPARE(run.exitCode(), 0);
            QCOMPARE(run.readAllStandardOutput().trimmed(), runs.at(i).found);
            if (i == 1) {
                // A muted run keeps its real volume in the file.
                QSettings stored(settingsFile, QSettings::IniFormat);
                QCOMPARE(stored.value(QStringLiteral("TickwrenTrial/SoundMute")).toBool(), true);
                QCOMPARE(stored.value(QStringLiteral("TickwrenTrial/SoundVolume")).toDouble(), 0.8);
            }
        }
    }
};

int main(int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestAudioPlayer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audioplayer.moc"
