#include <QtTest>

#include <cmath>

#include "MTools/Statistic.h"

using MTools::BoxWhiskerValues;
using MTools::Statistic;

using Sample = QVector<float>;
Q_DECLARE_METATYPE(Sample)

class TestStatistic : public QObject
{
    Q_OBJECT

private slots:
    void moments();
    void sampleIsNotChanged();
    void median_data();
    void median();
    void rang_data();
    void rang();
    void boxWhiskerPlot_data();
    void boxWhiskerPlot();
    void tooSmallSamples();
};

void TestStatistic::moments()
{
    const Sample v{1, 2, 3, 4};
    QCOMPARE(Statistic::sum(v), 10.0f);
    QCOMPARE(Statistic::qSum(v), 30.0f);
    QCOMPARE(Statistic::min(Sample{3, -2, 5}), -2.0f);
    QCOMPARE(Statistic::max(Sample{3, -2, 5}), 5.0f);
    QCOMPARE(Statistic::ma(v), 2.5f);
    // Divisor n - 1: 5 / 3.
    QCOMPARE(Statistic::variance(v), 1.6666666f);
    QCOMPARE(Statistic::stdDev(v), std::sqrt(5.0f / 3.0f));
    QCOMPARE(Statistic::stdErr(v), Statistic::stdDev(v) / 2.0f);
}

void TestStatistic::sampleIsNotChanged()
{
    const Sample v{5, 1, 4, 2, 3};
    Sample copy = v;
    Statistic::median(copy);
    Statistic::rang(copy);
    Statistic::boxWhiskerPlot(copy);
    QCOMPARE(copy, v);
}

void TestStatistic::median_data()
{
    QTest::addColumn<Sample>("v");
    QTest::addColumn<float>("median");
    QTest::newRow("empty") << Sample{} << 0.0f;
    QTest::newRow("one") << Sample{7} << 7.0f;
    QTest::newRow("odd") << Sample{5, 1, 3} << 3.0f;
    QTest::newRow("even") << Sample{4, 1, 3, 2} << 2.5f;
}

void TestStatistic::median()
{
    QFETCH(Sample, v);
    QFETCH(float, median);
    QCOMPARE(Statistic::median(v), median);
}

void TestStatistic::rang_data()
{
    QTest::addColumn<Sample>("v");
    QTest::addColumn<Sample>("ranks");
    QTest::newRow("distinct") << Sample{10, 20, 30} << Sample{1, 2, 3};
    QTest::newRow("unsorted, ranks in sorted order") << Sample{30, 10, 20} << Sample{1, 2, 3};
    QTest::newRow("all equal") << Sample{7, 7, 7} << Sample{2, 2, 2};
    QTest::newRow("tie at the end") << Sample{3, 1, 3, 2} << Sample{1, 2, 3.5f, 3.5f};
    QTest::newRow("tie at the start") << Sample{1, 1, 5} << Sample{1.5f, 1.5f, 3};
    QTest::newRow("neighbouring ties") << Sample{2, 1, 2, 1} << Sample{1.5f, 1.5f, 3.5f, 3.5f};
    QTest::newRow("empty") << Sample{} << Sample{};
    QTest::newRow("one value") << Sample{4} << Sample{1};
}

void TestStatistic::rang()
{
    QFETCH(Sample, v);
    QFETCH(Sample, ranks);
    QCOMPARE(Statistic::rang(v), ranks);
}

void TestStatistic::boxWhiskerPlot_data()
{
    QTest::addColumn<Sample>("v");
    QTest::addColumn<float>("mean");
    QTest::addColumn<float>("median");
    QTest::addColumn<float>("q1");
    QTest::addColumn<float>("q3");
    QTest::addColumn<float>("lowerWhisker");
    QTest::addColumn<float>("upperWhisker");
    QTest::addColumn<Sample>("outliers");
    // Fences 11 and -1.
    QTest::newRow("high outlier") << Sample{7, 1, 100, 2, 3, 4, 5, 6} << 16.0f << 4.5f << 3.0f << 7.0f << 1.0f << 7.0f
                                  << Sample{100};
    // Fences 10 and -2.
    QTest::newRow("low outlier") << Sample{1, 2, 3, 4, 5, 6, 7, -100} << -9.0f << 3.5f << 2.0f << 6.0f << 1.0f << 7.0f
                                 << Sample{-100};
    // Fences 6.5 and 0.5: nothing lies below the lower fence.
    QTest::newRow("five, averaged quartiles")
        << Sample{5, 4, 3, 2, 1} << 3.0f << 3.0f << 2.5f << 4.5f << 1.0f << 5.0f << Sample{};
    QTest::newRow("four") << Sample{1, 2, 3, 4} << 2.5f << 2.5f << 2.0f << 4.0f << 1.0f << 4.0f << Sample{};
    QTest::newRow("three") << Sample{3, 1, 2} << 2.0f << 2.0f << 2.0f << 3.0f << 1.0f << 3.0f << Sample{};
    QTest::newRow("both sides") << Sample{-50, 1, 2, 3, 4, 5, 6, 50} << 2.625f << 3.5f << 2.0f << 6.0f << 1.0f << 6.0f
                                << Sample{-50, 50};
}

void TestStatistic::boxWhiskerPlot()
{
    QFETCH(Sample, v);
    const BoxWhiskerValues b = Statistic::boxWhiskerPlot(v);
    QTEST(b.mean, "mean");
    QTEST(b.median, "median");
    QTEST(b.lowerQuartile, "q1");
    QTEST(b.upperQuartile, "q3");
    QTEST(b.lowerWhisker, "lowerWhisker");
    QTEST(b.upperWhisker, "upperWhisker");
    QTEST(b.outliers, "outliers");
}

void TestStatistic::tooSmallSamples()
{
    const Sample empty;
    const Sample one{4};
    QCOMPARE(Statistic::sum(empty), 0.0f);
    QCOMPARE(Statistic::qSum(empty), 0.0f);
    QVERIFY(std::isnan(Statistic::min(empty)));
    QVERIFY(std::isnan(Statistic::max(empty)));
    QVERIFY(std::isnan(Statistic::ma(empty)));
    QVERIFY(std::isnan(Statistic::variance(empty)));
    QVERIFY(std::isnan(Statistic::stdErr(empty)));
    QCOMPARE(Statistic::min(one), 4.0f);
    QCOMPARE(Statistic::ma(one), 4.0f);
    QVERIFY(std::isnan(Statistic::variance(one)));
    QVERIFY(std::isnan(Statistic::stdDev(one)));
    QVERIFY(std::isnan(Statistic::stdErr(one)));

    const BoxWhiskerValues none = Statistic::boxWhiskerPlot(empty);
    QVERIFY(std::isnan(none.mean));
    QVERIFY(std::isnan(none.lowerQuartile));
    QVERIFY(std::isnan(none.upperWhisker));
    QVERIFY(none.outliers.isEmpty());

    const BoxWhiskerValues single = Statistic::boxWhiskerPlot(one);
    QCOMPARE(single.mean, 4.0f);
    QCOMPARE(single.median, 4.0f);
    QCOMPARE(single.lowerQuartile, 4.0f);
    QCOMPARE(single.upperQuartile, 4.0f);
    QCOMPARE(single.lowerWhisker, 4.0f);
    QCOMPARE(single.upperWhisker, 4.0f);
    QVERIFY(single.outliers.isEmpty());

    const BoxWhiskerValues pair = Statistic::boxWhiskerPlot(Sample{9, 1});
    QCOMPARE(pair.median, 5.0f);
    QCOMPARE(pair.lowerQuartile, 1.0f);
    QCOMPARE(pair.upperQuartile, 9.0f);
    QCOMPARE(pair.lowerWhisker, 1.0f);
    QCOMPARE(pair.upperWhisker, 9.0f);
    QVERIFY(pair.outliers.isEmpty());
}

QTEST_APPLESS_MAIN(TestStatistic)
#include "tst_statistic.moc"
