#include <QtTest>

#include "MTools/Delay.h"
#include "MTools/TimeInfo.h"

using MTools::Delay;
using MTools::TimeInfo;

class TestTimeInfo : public QObject
{
    Q_OBJECT

private slots:
    void msecsToTime_data();
    void msecsToTime();
    void usecsToTime_data();
    void usecsToTime();
    void delayKeepsEventsRunning_data();
    void delayKeepsEventsRunning();
    void delayObjectWaitsAgain();
};

void TestTimeInfo::msecsToTime_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QTime>("time");
    QTest::newRow("milliseconds dropped") << qint64(3723004) << QTime(1, 2, 3);
    QTest::newRow("just under a minute") << qint64(59999) << QTime(0, 0, 59);
    QTest::newRow("zero") << qint64(0) << QTime(0, 0, 0);
    QTest::newRow("last second of a day") << qint64(86399999) << QTime(23, 59, 59);
    QTest::newRow("24 hours") << qint64(86400000) << QTime();
    QTest::newRow("hours beyond int") << qint64(4294967296LL) * 3600000 << QTime();
    QTest::newRow("one second back") << qint64(-1000) << QTime();
    QTest::newRow("one millisecond back") << qint64(-1) << QTime();
}

void TestTimeInfo::msecsToTime()
{
    QFETCH(qint64, ms);
    QFETCH(QTime, time);
    const QTime got = TimeInfo::msecsToTime(ms);
    QCOMPARE(got.isValid(), time.isValid());
    QCOMPARE(got, time);
}

void TestTimeInfo::usecsToTime_data()
{
    QTest::addColumn<qint64>("us");
    QTest::addColumn<QTime>("time");
    QTest::newRow("1:02:03") << qint64(3723000000) << QTime(1, 2, 3);
    QTest::newRow("2:01:00") << qint64(7260000000) << QTime(2, 1, 0);
    QTest::newRow("fraction dropped") << qint64(59999999) << QTime(0, 0, 59);
    QTest::newRow("24 hours") << qint64(86400000000) << QTime();
    QTest::newRow("negative") << qint64(-1) << QTime();
}

void TestTimeInfo::usecsToTime()
{
    QFETCH(qint64, us);
    QFETCH(QTime, time);
    const QTime got = TimeInfo::usecsToTime(us);
    QCOMPARE(got.isValid(), time.isValid());
    QCOMPARE(got, time);
}

void TestTimeInfo::delayKeepsEventsRunning_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("0") << 0;
    QTest::newRow("60") << 60;
    QTest::newRow("negative") << -5;
}

void TestTimeInfo::delayKeepsEventsRunning()
{
    QFETCH(int, ms);
    bool handled = false;
    QTimer::singleShot(0, this, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    MTools::delay(ms);
    QVERIFY(handled);
    QVERIFY(clock.elapsed() >= qMax(0, ms) - 1);
    QVERIFY(clock.elapsed() < qMax(0, ms) + 5000);
}

void TestTimeInfo::delayObjectWaitsAgain()
{
    Delay delay(this);
    QCOMPARE(delay.parent(), nullptr);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
    timer.start(5);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(delay.wait(40), 0);
    QVERIFY(clock.elapsed() >= 39);
    QVERIFY(ticks > 0);
    QCOMPARE(delay.wait(20), 0);
    QVERIFY(clock.elapsed() >= 59);
    QCOMPARE(delay.wait(-1), 0);
}

QTEST_GUILESS_MAIN(TestTimeInfo)
#include "tst_timeinfo.moc"
