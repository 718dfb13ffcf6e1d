// The stream clock's estimate, fed a simulated output: blocks written every
// 5 ms by a thread that sometimes wakes late, against a sound card whose
// clock drifts from the steady clock or whose stream moves. It keeps to the
// card within a frame or two while the drift is within its slew, follows a
// larger drift by jumps of at most a millisecond, and follows a moved stream
// at once.
#include "platform/audio/ClockEstimator.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <random>

using TickwrenAudio::ClockEstimator;

namespace {

constexpr int kRate = 48000;
constexpr std::int64_t kMs = 1000000;
constexpr std::int64_t kBlockNs = 5 * kMs;

// The output as the engine sees it: by a moment t, the frames rendered are
// those the card's clock reached at the moment the writer woke, t - late.
struct Output
{
    std::function<double(std::int64_t)> trueOffset; // frames, by steady time
    std::int64_t lateMaxNs = 0;
    std::mt19937 random{7};

    std::int64_t late()
    {
        // Most wake-ups are prompt; the rest late by up to lateMaxNs.
        std::uniform_int_distribution<std::int64_t> any(0, lateMaxNs);
        return random() % 4 == 0 ? 0 : any(random);
    }
    std::int64_t renderedBy(std::int64_t ns, std::int64_t lateNs) const
    {
        std::int64_t const woke = ns - lateNs;
        return std::int64_t(std::floor(double(woke) * kRate / 1e9 + trueOffset(woke)));
    }
};

// Runs the estimate from 0 to endNs; calls check(ns, estimate error in frames) after settling.
void run(Output& output, std::int64_t endNs, std::function<void(std::int64_t, double)> const& check)
{
    ClockEstimator clock(kRate, 0);
    for (std::int64_t ns = kBlockNs; ns <= endNs; ns += kBlockNs) {
        std::int64_t const late = output.late();
        TickwrenAudio::StreamClock const& c = clock.observe(ns, output.renderedBy(ns, late));
        QVERIFY(c.valid);
        if (ns >= ClockEstimator::kSettleNs) {
            double const truth = double(ns) * kRate / 1e9 + output.trueOffset(ns);
            check(ns, c.frameAt(ns) - truth);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

} // namespace

class TestClockEstimator : public QObject
{
    Q_OBJECT
private slots:
    void keepsToADriftingCard_data()
    {
        QTest::addColumn<double>("ppm");
        QTest::addColumn<int>("lateMaxMs");
        QTest::addColumn<double>("boundFrames");
        QTest::newRow("steady, prompt writes") << 0.0 << 0 << 1.0;
        QTest::newRow("steady, writes up to 3 ms late") << 0.0 << 3 << 1.0;
        QTest::newRow("card 50 ppm fast") << 50.0 << 3 << 2.0;
        QTest::newRow("card 100 ppm fast") << 100.0 << 3 << 2.0;
        QTest::newRow("card 30 ppm slow") << -30.0 << 3 << 3.0;
        // Beyond the slew: followed by jumps, never more than a millisecond
        // off (and a frame of rounding); a slower card also by what it loses
        // while the highest observations of the last second are kept.
        double const jump = ClockEstimator::kJumpSeconds * kRate + 1.5;
        QTest::newRow("card 400 ppm fast") << 400.0 << 3 << jump;
        QTest::newRow("card 400 ppm slow")
            << -400.0 << 3 << jump + 400e-6 * kRate * 2 * ClockEstimator::kBucketNs / 1e9;
    }
    void keepsToADriftingCard()
    {
        QFETCH(double, ppm);
        QFETCH(int, lateMaxMs);
        QFETCH(double, boundFrames);
        Output output;
        output.trueOffset = [ppm](std::int64_t ns) { return 900.0 + ppm * 1e-6 * kRate * double(ns) / 1e9; };
        output.lateMaxNs = lateMaxMs * kMs;
        double worst = 0.0;
        run(output, 20000 * kMs, [&](std::int64_t, double error) { worst = std::max(worst, std::fabs(error)); });
        QVERIFY2(worst <= boundFrames, qPrintable(QString("%1 frames off").arg(worst)));
    }

    // A difference under a millisecond is taken as drift and followed at the
    // slew's pace; a larger one as a moved stream, followed at once when the
    // stream moved ahead and within the second the highest observations are
    // kept when it moved back.
    void followsAMovedStream_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("afterOneSecond");
        QTest::addColumn<std::int64_t>("settledWithinNs");
        QTest::newRow("20 frames ahead") << 20.0 << ClockEstimator::kSlewFramesPerSecond
                                         << std::int64_t(20.0 / ClockEstimator::kSlewFramesPerSecond * 1e9 + 1e8);
        QTest::newRow("2 ms ahead") << 96.0 << 96.0 << kBlockNs;
        QTest::newRow("2 ms back") << -96.0 << -96.0 << 2 * ClockEstimator::kBucketNs + kBlockNs;
    }
    void followsAMovedStream()
    {
        QFETCH(double, step);
        QFETCH(double, afterOneSecond);
        QFETCH(std::int64_t, settledWithinNs);
        std::int64_t const stepNs = 3000 * kMs;
        Output output;
        output.trueOffset = [=](std::int64_t ns) { return ns < stepNs ? 0.0 : step; };
        std::int64_t settledAt = -1;
        double moved = 0.0;
        run(output, 10000 * kMs, [&](std::int64_t ns, double error) {
            double const estimateMoved = error + (ns < stepNs ? 0.0 : step);
            if (ns < stepNs) {
                QVERIFY2(std::fabs(error) <= 1.0, qPrintable(QString::number(error)));
                return;
            }
            if (ns == stepNs + 1000 * kMs)
                moved = estimateMoved;
            if (settledAt < 0 && std::fabs(error) <= 1.0)
                settledAt = ns;
        });
        QVERIFY(settledAt >= 0);
        QVERIFY2(settledAt - stepNs <= settledWithinNs,
                 qPrintable(QString("after %1 ms").arg((settledAt - stepNs) / kMs)));
        QVERIFY2(std::fabs(moved - afterOneSecond) <= 1.0, qPrintable(QString("moved %1 frames").arg(moved)));
    }
};

QTEST_GUILESS_MAIN(TestClockEstimator)
#include "tst_clockestimator.moc"
