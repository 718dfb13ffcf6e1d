// A series of beats fed a simulated estimate of the stream's clock: one that
// drifts from the steady clock faster than a frame a beat can follow, one
// that jumps by a millisecond now and then as the estimate catches up, one
// that wobbles by a frame or two. Consecutive beats stay whole intervals of
// frames apart, corrected by one frame at a time toward the clock; only a
// new stream or one that moved far places the series afresh.
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

struct Run
{
    std::vector<std::int64_t> frames;
    std::vector<int> corrections;
    double finalGap = 0.0; // the clock's frame of the last beat minus the series'
};

// Places `beats` beats, each 40 ms before it is due, as a metronome asks.
Run placeBeats(BeatSeries& series, int beats, std::function<double(std::int64_t)> const& offsetAt)
{
    Run run;
    for (int k = 0; k < beats; ++k) {
        std::int64_t const asked = series.dueNs(k) - 40 * kMs;
        StreamClock const c = clockAt(offsetAt(asked));
        std::int64_t const frame = series.place(k, c, kLatencyNs);
        run.frames.push_back(frame);
        run.corrections.push_back(series.lastCorrection());
        run.finalGap = c.frameAt(series.dueNs(k) + kLatencyNs) - double(frame);
    }
    return run;
}

} // namespace

class TestBeatSeries : public QObject
{
    Q_OBJECT
private slots:
    void evenWhateverTheEstimateDoes_data()
    {
        QTest::addColumn<qint64>("intervalNs");
        QTest::addColumn<int>("beats");
        QTest::addColumn<double>("ppm");
        QTest::addColumn<double>("jumpFrames"); // every 30 beats
        QTest::addColumn<double>("wobbleFrames");
        QTest::addColumn<int>("lean");         // the sign the corrections take, 0 either
        QTest::addColumn<int>("minCorrected"); // beats corrected at least
        QTest::addColumn<double>("gapMax");    // the series' distance from the clock at the end, -1 any
        // 200 ppm is 2.8 frames a beat at 208 bpm, 15 at 38: followed a frame
        // a beat, the rest builds up without a jump for the length of the run.
        QTest::newRow("208 bpm, card 200 ppm fast")
            << qint64(288 * kMs) << 150 << 200.0 << 0.0 << 0.0 << 1 << 147 << -1.0;
        QTest::newRow("208 bpm, card 200 ppm slow")
            << qint64(288 * kMs) << 150 << -200.0 << 0.0 << 0.0 << -1 << 147 << -1.0;
        QTest::newRow("38 bpm, card 200 ppm fast")
            << qint64(1578 * kMs) << 25 << 200.0 << 0.0 << 0.0 << 1 << 23 << -1.0;
        QTest::newRow("38 bpm, card 41 ppm slow, wobbling")
            << qint64(1578 * kMs) << 60 << -41.0 << 0.0 << 1.5 << -1 << 50 << -1.0;
        // Within a frame a beat the series keeps to the clock.
        QTest::newRow("208 bpm, card 41 ppm fast") << qint64(288 * kMs) << 300 << 41.0 << 0.0 << 0.0 << 1 << 100 << 3.0;
        QTest::newRow("208 bpm, steady estimate wobbling by a frame and a half")
            << qint64(288 * kMs) << 200 << 0.0 << 0.0 << 1.5 << 0 << 0 << 4.0;
        // An estimate that rises at 100 ppm and jumps back a millisecond
        // every 30 beats, as the stream's clock looked on a null sink, and
        // one that jumps ahead: taken a frame a beat.
        QTest::newRow("208 bpm, estimate rising and jumping back")
            << qint64(288 * kMs) << 200 << 100.0 << -48.0 << 0.0 << 0 << 50 << 60.0;
        QTest::newRow("208 bpm, estimate jumping ahead a millisecond")
            << qint64(288 * kMs) << 200 << 0.0 << 48.0 << 1.0 << 1 << 150 << -1.0;
    }
    void evenWhateverTheEstimateDoes()
    {
        QFETCH(qint64, intervalNs);
        QFETCH(int, beats);
        QFETCH(double, ppm);
        QFETCH(double, jumpFrames);
        QFETCH(double, wobbleFrames);
        QFETCH(int, lean);
        QFETCH(int, minCorrected);
        QFETCH(double, gapMax);
        BeatSeries series(1000 * kMs, intervalNs);
        double const interval = double(intervalNs) * kRate / 1e9;
        auto offsetAt = [&](std::int64_t ns) {
            double const beatsSoFar = std::floor(double(ns - series.originNs()) / double(intervalNs));
            return 900.0 + ppm * 1e-6 * kRate * double(ns) / 1e9 + jumpFrames * std::floor((beatsSoFar + 1) / 30.0)
                   + wobbleFrames * std::sin(double(ns) / 1e8);
        };
        Run const run = placeBeats(series, beats, offsetAt);
        QCOMPARE(series.restarts(), 0);
        int corrected = 0;
        int leaning = 0;
        for (int k = 1; k < beats; ++k) {
            double const step = double(run.frames[std::size_t(k)] - run.frames[std::size_t(k - 1)]);
            // No jump: every beat whole intervals after the one before, give
            // or take the one frame of a correction.
            QVERIFY2(std::fabs(step - interval) <= 1.0,
                     qPrintable(QString("beat %1: %2 frames after the one before").arg(k).arg(step)));
            corrected += run.corrections[std::size_t(k)] != 0;
            leaning += run.corrections[std::size_t(k)];
        }
        QVERIFY2(corrected >= minCorrected, qPrintable(QString("%1 beats corrected").arg(corrected)));
        if (lean != 0)
            QVERIFY2(lean * leaning == corrected, qPrintable(QString("corrections add up to %1").arg(leaning)));
        if (gapMax >= 0)
            QVERIFY2(std::fabs(run.finalGap) <= gapMax, qPrintable(QString("%1 frames off").arg(run.finalGap)));
    }

    void placedAfreshOnlyWhenTheStreamMoved_data()
    {
        QTest::addColumn<bool>("newStream");
        QTest::addColumn<double>("moveFrames");
        QTest::addColumn<bool>("afresh");
        QTest::newRow("a new stream") << true << 3.0 << true;
        // The clock ahead of the series: its sounds would come early.
        QTest::newRow("skipped 20 ms ahead") << false << 960.0 << true;
        QTest::newRow("moved 5 ms ahead: followed a frame a beat") << false << 240.0 << false;
        // Held back: the frames are heard later, all alike.
        QTest::newRow("held back 500 ms: counted on") << false << -24000.0 << false;
        QTest::newRow("held back 2 s") << false << -96000.0 << true;
    }
    void placedAfreshOnlyWhenTheStreamMoved()
    {
        QFETCH(bool, newStream);
        QFETCH(double, moveFrames);
        QFETCH(bool, afresh);
        std::int64_t const interval = 288 * kMs;
        BeatSeries series(0, interval);
        for (int k = 0; k < 5; ++k)
            series.place(k, clockAt(100.0), kLatencyNs);
        StreamClock const moved = clockAt(100.0 + moveFrames, newStream ? 2 : 1);
        std::int64_t const before = series.place(4, moved, kLatencyNs);
        std::int64_t const frame = series.place(5, moved, kLatencyNs);
        std::int64_t const expected = std::llround(moved.frameAt(series.dueNs(5) + kLatencyNs));
        QCOMPARE(series.restarts(), afresh ? 1 : 0);
        if (afresh) {
            QCOMPARE(frame, expected);
            QCOMPARE(series.lastMoveFrames(), newStream ? 0.0 : moveFrames);
        } else {
            QCOMPARE(frame - before, std::int64_t(13824 + (moveFrames > 0 ? 1 : -1)));
        }
        // From there on, whole intervals again.
        std::int64_t const next = series.place(6, moved, kLatencyNs);
        QVERIFY(std::abs(next - frame - 13824) <= 1);
    }

    // A first sound asked for after its place was rendered (a stream still
    // opening) starts the series where it really went: the second beat is
    // still one interval after it.
    void lateFirstBeatStartsTheSeriesWhereItWent()
    {
        BeatSeries series(0, 288 * kMs);
        StreamClock const c = clockAt(0.0);
        QCOMPARE(series.place(0, c, kLatencyNs, 5000), std::int64_t(5000));
        // One interval on, give or take the one frame it is nudged toward the clock.
        QVERIFY(std::abs(series.place(1, c, kLatencyNs, 6000) - (5000 + 13824)) <= 1);
        QCOMPARE(series.restarts(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBeatSeries)
#include "tst_beatseries.moc"
