// A series of beats fed a simulated estimate of the stream's clock: one that
// drifts from the steady clock, one that jumps by a millisecond now and then
// or by 10 ms, one that wobbles by a frame or two. On one stream every beat
// is exactly its intervals of frames after the first, whatever the estimate
// does; only a new stream places the series afresh, from its due times.
#include "platform/audio/BeatSeries.h"

#include <QtTest>

#include <cmath>
#include <functional>

using TickwrenAudio::BeatSeries;
using TickwrenAudio::StreamClock;

namespace {

constexpr int kRate = 48000;
constexpr std::int64_t kMs = 1000000;
constexpr std::int64_t kLatencyNs = 5 * kMs;

// The estimate as it stands at a moment: frame = rate * t + offset(t).
StreamClock clockAt(double offsetFrames, std::uint64_t generation = 1)
{
    StreamClock c;
    c.valid = true;
    c.rate = kRate;
    c.epochNs = 0;
    c.offsetFrames = offsetFrames;
    c.generation = generation;
    return c;
}

} // namespace

class TestBeatSeries : public QObject
{
    Q_OBJECT
private slots:
    void exactWhateverTheEstimateDoes_data()
    {
        QTest::addColumn<qint64>("intervalNs");
        QTest::addColumn<qint64>("intervalFrames");
        QTest::addColumn<int>("beats");
        QTest::addColumn<double>("ppm");
        QTest::addColumn<double>("jumpFrames"); // every 30 beats
        QTest::addColumn<double>("wobbleFrames");
        QTest::newRow("208 bpm, card 200 ppm fast") << qint64(288 * kMs) << qint64(13824) << 300 << 200.0 << 0.0 << 0.0;
        QTest::newRow("38 bpm, card 200 ppm slow") << qint64(1578 * kMs) << qint64(75744) << 60 << -200.0 << 0.0 << 0.0;
        QTest::newRow("208 bpm, wobbling by a frame and a half")
            << qint64(288 * kMs) << qint64(13824) << 200 << 0.0 << 0.0 << 1.5;
        // The estimate catching up a millisecond at a time, and a stream the
        // estimate sees move by 10 ms: the beat stays where it is counted.
        QTest::newRow("208 bpm, estimate jumping back a millisecond")
            << qint64(288 * kMs) << qint64(13824) << 200 << 100.0 << -48.0 << 0.0;
        QTest::newRow("38 bpm, estimate jumping ahead 10 ms")
            << qint64(1578 * kMs) << qint64(75744) << 100 << 0.0 << 480.0 << 1.0;
        // An interval of no whole number of frames: the fraction is carried.
        QTest::newRow("interval of 1000.01 frames") << qint64(20833541) << qint64(-1) << 1000 << 41.0 << 0.0 << 0.0;
    }
    void exactWhateverTheEstimateDoes()
    {
        QFETCH(qint64, intervalNs);
        QFETCH(qint64, intervalFrames);
        QFETCH(int, beats);
        QFETCH(double, ppm);
        QFETCH(double, jumpFrames);
        QFETCH(double, wobbleFrames);
        BeatSeries series(1000 * kMs, intervalNs);
        auto offsetAt = [&](std::int64_t ns) {
            double const beatsSoFar = std::floor(double(ns - series.originNs()) / double(intervalNs));
            return 900.0 + ppm * 1e-6 * kRate * double(ns) / 1e9 + jumpFrames * std::floor((beatsSoFar + 1) / 30.0)
                   + wobbleFrames * std::sin(double(ns) / 1e8);
        };
        std::vector<std::int64_t> frames;
        for (int k = 0; k < beats; ++k) {
            // Placed as the block that holds it is rendered, shortly before it is due.
            StreamClock const c = clockAt(offsetAt(series.dueNs(k) - 40 * kMs));
            frames.push_back(series.place(k, c, kLatencyNs));
        }
        QCOMPARE(series.restarts(), 0);
        double const exact = double(intervalNs) * kRate / 1e9;
        for (int k = 1; k < beats; ++k) {
            std::int64_t const step = frames[std::size_t(k)] - frames[std::size_t(k - 1)];
            if (intervalFrames > 0)
                QVERIFY2(step == intervalFrames,
                         qPrintable(QString("beat %1: %2 frames after the one before").arg(k).arg(step)));
            // Counted from the first beat: no rounding builds up.
            double const fromFirst = double(frames[std::size_t(k)] - frames[0]) - k * exact;
            QVERIFY2(std::fabs(fromFirst) <= 1.0,
                     qPrintable(QString("beat %1: %2 frames off its count").arg(k).arg(fromFirst)));
        }
    }

    void placedAfreshOnlyOnANewStream_data()
    {
        QTest::addColumn<bool>("newStream");
        QTest::addColumn<double>("moveFrames");
        QTest::newRow("a new stream") << true << 3.0;
        QTest::newRow("a new stream, 20 ms on") << true << 960.0;
        // The same stream, however far the estimate moved.
        QTest::newRow("estimate 20 ms ahead") << false << 960.0;
        QTest::newRow("estimate 2 s behind") << false << -96000.0;
    }
    void placedAfreshOnlyOnANewStream()
    {
        QFETCH(bool, newStream);
        QFETCH(double, moveFrames);
        BeatSeries series(0, 288 * kMs);
        std::int64_t last = 0;
        for (int k = 0; k < 5; ++k)
            last = series.place(k, clockAt(100.0), kLatencyNs);
        StreamClock const moved = clockAt(100.0 + moveFrames, newStream ? 2 : 1);
        std::int64_t const frame = series.place(5, moved, kLatencyNs);
        QCOMPARE(series.restarts(), newStream ? 1 : 0);
        if (newStream)
            QCOMPARE(frame, std::llround(moved.frameAt(series.dueNs(5) + kLatencyNs)));
        else
            QCOMPARE(frame - last, std::int64_t(13824));
        // From there on, whole intervals again.
        QCOMPARE(series.place(6, moved, kLatencyNs) - frame, std::int64_t(13824));
        // A beat already placed keeps its frame.
        QCOMPARE(series.place(5, moved, kLatencyNs), frame);
    }

    // A first beat placed after its frame was rendered (a stream still
    // opening) starts the series where it really went: the second beat is
    // one interval after it.
    void lateFirstBeatStartsTheSeriesWhereItWent()
    {
        BeatSeries series(0, 288 * kMs);
        StreamClock const c = clockAt(0.0);
        QCOMPARE(series.place(0, c, kLatencyNs, 5000), std::int64_t(5000));
        QCOMPARE(series.place(1, c, kLatencyNs, 6000), std::int64_t(5000 + 13824));
        QCOMPARE(series.restarts(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBeatSeries)
#include "tst_beatseries.moc"
