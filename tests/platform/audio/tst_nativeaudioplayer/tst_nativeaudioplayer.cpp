// The player's states, poll and signals, run against the engine's silent clock
// so that sounds take their real time without a sound card.
#include "platform/audio/NativeAudioPlayer.h"

#include "TestSupport/PlayerRecorder.h"
#include "TestSupport/TestTone.h"

#include <QTemporaryDir>
#include <QtTest>

using QMMultiMedia::NativeAudioPlayer;

using PlayerTest::kSlackMs;
using PlayerTest::Recorder;

class TestNativeAudioPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString tone(int ms, int rate = 48000, int channels = 1)
    {
        return TestTone::toneIn(QDir(m_dir.path()), ms, rate, channels);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(qEnvironmentVariableIsSet("TICKWREN_SILENT_AUDIO"));
    }

    void freshPlayer()
    {
        NativeAudioPlayer p;
        QVERIFY(p.isStopped());
        QVERIFY(!p.isPaused());
        QVERIFY(!p.isPlaying());
        QCOMPARE(p.volume(), 0.5);
        QVERIFY(!p.isMuted());
        QCOMPARE(p.position(), qint64(0));
        QCOMPARE(p.duration(), qint64(0));
        QCOMPARE(p.fileName(), QString());
        p.play(); // nothing loaded: nothing happens
        QVERIFY(!p.isPlaying());
    }

    void stopRewindsWithoutFinishing()
    {
        NativeAudioPlayer p;
        Recorder r(p);
        p.play(tone(1200));
        QTest::qWait(600);
        p.stop();
        QVERIFY(p.isStopped());
        QVERIFY(!p.isPlaying());
        QCOMPARE(p.position(), qint64(0));
        int const polls = r.positions.size();
        QTest::qWait(1200);
        QCOMPARE(r.finishes.size(), 0);
        QCOMPARE(r.positions.size(), polls);

        // Starts again from the beginning and then ends normally.
        r.clock.restart();
        p.play();
        QVERIFY(p.isPlaying());
        QVERIFY(!p.isStopped());
        QTest::qWait(200);
        qint64 const pos = p.position();
        QVERIFY2(pos >= 100 && pos <= r.clock.elapsed() + 20, qPrintable(QString::number(pos)));
        QTRY_COMPARE_WITH_TIMEOUT(r.finishes.size(), 1, 3000);
        QVERIFY(r.finishes.first() >= 1200);
    }

    void pauseThenResume()
    {
        NativeAudioPlayer p;
        Recorder r(p);
        p.play(tone(1200));
        QTest::qWait(400);
        p.pause();
        QVERIFY(p.isPaused());
        QVERIFY(!p.isPlaying());
        qint64 const paused = p.position();
        QVERIFY2(paused >= 300 && paused <= 700, qPrintable(QString::number(paused)));
        int const polls = r.positions.size();
        QTest::qWait(1300); // longer than the rest of the sound
        QCOMPARE(r.finishes.size(), 0);
        QCOMPARE(r.positions.size(), polls);
        QCOMPARE(p.position(), paused);

        r.clock.restart();
        p.play();
        QVERIFY(!p.isPaused());
        QVERIFY(p.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(r.finishes.size(), 1, 3000);
        qint64 const rest = 1200 - paused;
        qint64 const end = r.finishes.first();
        QVERIFY2(end >= rest - 20 && end <= rest + 500 + kSlackMs, qPrintable(QString::number(end)));
    }

    void seekBeforePlay()
    {
        NativeAudioPlayer p;
        Recorder r(p);
        p.setMedia(tone(1200));
        p.setPosition(250);
        QCOMPARE(p.position(), qint64(250));
        p.setPosition(-40);
        QCOMPARE(p.position(), qint64(0));
        p.setPosition(900);
        p.play(); // 300 ms left: over by the first poll
        QTRY_COMPARE_WITH_TIMEOUT(r.finishes.size(), 1, 2000);
        QVERIFY(r.finishes.first() <= 500 + kSlackMs);
        QCOMPARE(r.positions.size(), 0);
    }

    void durationIsTruncated()
    {
        // 44099 frames at 44.1 kHz last 999.98 ms.
        QString const path = m_dir.filePath("almost_a_second.wav");
        QVERIFY(TestTone::writeWav(path, 44099, 44100, 1));
        NativeAudioPlayer p;
        p.setMedia(path);
        QCOMPARE(p.duration(), qint64(999));
    }

    void fileThatCannotBeLoaded_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("oneShot"); // play(path) rather than setMedia + play()
        QTest::addColumn<int>("finishes");
        QTest::newRow("missing, play(path)") << "missing" << true << 1;
        QTest::newRow("missing, setMedia and play()") << "missing" << false << 0;
        QTest::newRow("not a sound, play(path)") << "text" << true << 1;
        QTest::newRow("not a sound, setMedia and play()") << "text" << false << 0;
        QTest::newRow("a folder, play(path)") << "folder" << true << 1;
        QTest::newRow("empty path, play(path)") << "empty" << true << 1;
    }
    void fileThatCannotBeLoaded()
    {
        QFETCH(QString, kind);
        QFETCH(bool, oneShot);
        QFETCH(int, finishes);
        QString path;
        if (kind == "missing") {
            path = m_dir.filePath("no_such_file.wav");
        } else if (kind == "text") {
            path = m_dir.filePath("not_a_sound.wav");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("RIFF but not really a wave file, just some text\n");
        } else if (kind == "folder") {
            path = m_dir.path();
        }
        NativeAudioPlayer p;
        Recorder r(p);
        if (oneShot) {
            p.play(path);
        } else {
            p.setMedia(path);
            p.play();
        }
        // Never reported from inside the call itself.
        QCOMPARE(r.finishes.size(), 0);
        QVERIFY(!p.isPlaying());
        QCOMPARE(p.duration(), qint64(0));
        QCOMPARE(p.position(), qint64(0));
        p.pause();
        p.stop();
        p.setPosition(100);
        QCOMPARE(p.position(), qint64(0));
        QTest::qWait(700);
        QCOMPARE(r.finishes.size(), finishes);
        QCOMPARE(r.positions.size(), 0);
    }

    void failedPlayNoticeDroppedByNextLoad()
    {
        NativeAudioPlayer p;
        Recorder r(p);
        p.play(m_dir.filePath("no_such_file.wav"));
        p.setMedia(tone(1200)); // before the event loop runs
        QTest::qWait(300);
        QCOMPARE(r.finishes.size(), 0);
        QCOMPARE(p.duration(), qint64(1200));
    }

    void setMediaDuringSound_data()
    {
        QTest::addColumn<bool>("pauseFirst");
        QTest::newRow("while playing") << false;
        QTest::newRow("while paused") << true;
    }
    void setMediaDuringSound()
    {
        QFETCH(bool, pauseFirst);
        NativeAudioPlayer p;
        Recorder r(p);
        p.play(tone(1200));
        QTest::qWait(300);
        if (pauseFirst)
            p.pause();
        QString const next = tone(700);
        p.setMedia(next);
        QCOMPARE(p.fileName(), next);
        QCOMPARE(p.duration(), qint64(700));
        QVERIFY(!p.isPlaying());
        QVERIFY(p.isStopped());
        QTest::qWait(1300); // several polls: none may take the new file for a finished one
        QCOMPARE(r.finishes.size(), 0);
        QCOMPARE(p.duration(), qint64(700));

        r.clock.restart();
        p.play();
        QCOMPARE(p.position(), qint64(0));
        QTRY_COMPARE_WITH_TIMEOUT(r.finishes.size(), 1, 2500);
        QVERIFY2(r.finishes.first() >= 700 && r.finishes.first() <= 1200 + kSlackMs,
                 qPrintable(QString::number(r.finishes.first())));
    }

    void volumeAndMute_data()
    {
        // Operations: vX = setVolume(X), m = setMuted(true), u = setMuted(false);
        // expected: volume() after each operation.
        QTest::addColumn<QString>("ops");
        QTest::addColumn<QString>("volumes");
        QTest::newRow("mute and unmute at 0.8") << "v0.8 m u"
                                                << "0.8 0 0.8";
        QTest::newRow("mute twice keeps the volume") << "v0.8 m m u"
                                                     << "0.8 0 0 0.8";
        QTest::newRow("unmute before any mute changes nothing") << "u v0.8 u"
                                                                << "0.5 0.8 0.8";
        QTest::newRow("volume 0 is muted; unmute gives the default") << "v0 u"
                                                                     << "0 0.5";
        QTest::newRow("mute after volume 0 keeps the default") << "v0 m u"
                                                               << "0 0 0.5";
        QTest::newRow("volume clamped to 0..1") << "v1.7 v-0.3 u v0.25"
                                                << "1 0 0.5 0.25";
        QTest::newRow("remembers the latest volume") << "v0.8 m v0.3 m u"
                                                     << "0.8 0 0.3 0 0.3";
    }
    void volumeAndMute()
    {
        QFETCH(QString, ops);
        QFETCH(QString, volumes);
        QStringList const o = ops.split(' ');
        QStringList const v = volumes.split(' ');
        QCOMPARE(o.size(), v.size());
        NativeAudioPlayer p;
        p.setMedia(tone(300));
        for (int i = 0; i < o.size(); ++i) {
            if (o[i] == "m")
                p.setMuted(true);
            else if (o[i] == "u")
                p.setMuted(false);
            else
                p.setVolume(o[i].mid(1).toDouble());
            double const expected = v[i].toDouble();
            QVERIFY2(qFuzzyCompare(1.0 + p.volume(), 1.0 + expected),
                     qPrintable(QString("after %1: %2").arg(o[i]).arg(p.volume())));
            QCOMPARE(p.isMuted(), expected <= 0);
        }
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("ops"); // s = setMedia(a), p = play(b), q = setMedia(missing)
        QTest::addColumn<QString>("expected");
        QTest::newRow("play(path) leaves it empty") << "p"
                                                    << "";
        QTest::newRow("setMedia sets it") << "s"
                                          << "a";
        QTest::newRow("play(path) keeps the last setMedia") << "s p"
                                                            << "a";
        QTest::newRow("setMedia of a missing file sets it") << "s q"
                                                            << "missing";
    }
    void fileName()
    {
        QFETCH(QString, ops);
        QFETCH(QString, expected);
        QMap<QString, QString> const paths{{"a", tone(300)}, {"", ""}, {"missing", m_dir.filePath("gone.wav")}};
        NativeAudioPlayer p;
        for (QString const& op : ops.split(' ')) {
            if (op == "s")
                p.setMedia(paths["a"]);
            else if (op == "p")
                p.play(tone(700));
            else if (op == "q")
                p.setMedia(paths["missing"]);
        }
        QCOMPARE(p.fileName(), paths[expected]);
        p.stop();
    }
};

QTEST_GUILESS_MAIN(TestNativeAudioPlayer)
#include "tst_nativeaudioplayer.moc"
