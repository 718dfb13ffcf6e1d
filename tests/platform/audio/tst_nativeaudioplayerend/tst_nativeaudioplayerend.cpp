// A sound played to its end: the 500 ms position reports, then one finished(),
// for several lengths, rates and channel counts. Runs against the engine's
// silent clock, so that sounds take their real time without a sound card.
#include "platform/audio/NativeAudioPlayer.h"

#include "TestSupport/PlayerRecorder.h"
#include "TestSupport/TestTone.h"

#include <QTemporaryDir>
#include <QtTest>

using PlayerTest::kSlackMs;
using PlayerTest::Recorder;
using QMMultiMedia::NativeAudioPlayer;

class TestNativeAudioPlayerEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString tone(int ms, int rate, int channels) { return TestTone::toneIn(QDir(m_dir.path()), ms, rate, channels); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(qEnvironmentVariableIsSet("TICKWREN_SILENT_AUDIO"));
    }

    void playsToEndThenFinishesOnce_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("polls"); // positionChanged expected before the end
        QTest::newRow("1.2 s mono 48 kHz") << 1200 << 48000 << 1 << 2;
        QTest::newRow("1.2 s stereo 44.1 kHz") << 1200 << 44100 << 2 << 2;
        QTest::newRow("1.2 s mono 22.05 kHz") << 1200 << 22050 << 1 << 2;
        QTest::newRow("0.7 s") << 700 << 48000 << 1 << 1;
        QTest::newRow("0.3 s, shorter than a poll") << 300 << 48000 << 1 << 0;
    }
    void playsToEndThenFinishesOnce()
    {
        QFETCH(int, ms);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, polls);
        NativeAudioPlayer p;
        Recorder r(p);
        p.play(tone(ms, rate, channels));
        QVERIFY(p.isPlaying());
        QCOMPARE(p.duration(), qint64(ms));

        QTRY_COMPARE_WITH_TIMEOUT(r.finishes.size(), 1, ms + 2000);
        qint64 const end = r.finishes.first();
        QVERIFY2(end >= ms && end <= ms + 500 + kSlackMs, qPrintable(QString::number(end)));
        QCOMPARE(r.positions.size(), polls);
        for (int i = 0; i < r.positions.size(); ++i) {
            qint64 const at = r.positions[i].first;
            qint64 const pos = r.positions[i].second;
            QVERIFY2(qAbs(at - 500 * (i + 1)) <= kSlackMs, qPrintable(QString::number(at)));
            // The position follows real time (an engine thread starved by a
            // loaded machine may lag as much as a poll may be late).
            QVERIFY2(qAbs(pos - at) <= kSlackMs, qPrintable(QString("%1 at %2").arg(pos).arg(at)));
        }
        QVERIFY(!p.isPlaying());
        QCOMPARE(p.duration(), qint64(0)); // released with the end
        p.play();
        QVERIFY(!p.isPlaying());
        QTest::qWait(700);
        QCOMPARE(r.finishes.size(), 1);
        QCOMPARE(r.positions.size(), polls);
    }
};

QTEST_GUILESS_MAIN(TestNativeAudioPlayerEnd)
#include "tst_nativeaudioplayerend.moc"
