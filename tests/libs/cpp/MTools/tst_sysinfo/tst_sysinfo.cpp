#include <QtTest>

#include <cstring>

#include "MTools/SysInfo.h"

using MTools::SysInfo;

// Callers with names of their own, exported, so that the trace can name them.
__attribute__((noinline)) QString traceOneLevelDown(int depth, int skip)
{
    const QString trace = SysInfo::stackTrace(depth, skip);
    asm volatile("" ::: "memory");
    return trace;
}

__attribute__((noinline)) void traceIntoBuffer(char* buffer, unsigned long size, int depth, int skip)
{
    SysInfo::stackTrace(buffer, size, depth, skip);
    asm volatile("" ::: "memory");
}

class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void namesTheCallerFromFrameOne();
    void bufferForm();
    void depthAndSkip();
    void neverPastTheBuffer_data();
    void neverPastTheBuffer();
    void releaseBuildNamesTheCaller();
};

void TestSysInfo::namesTheCallerFromFrameOne()
{
    const QStringList lines = traceOneLevelDown(0, 0).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 3);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(QString::number(i + 1) + ' '), qPrintable(lines[i]));
    QVERIFY2(lines[0].contains("traceOneLevelDown(int, int)"), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains("TestSysInfo::namesTheCallerFromFrameOne()"), qPrintable(lines[1]));
}

void TestSysInfo::bufferForm()
{
    char buffer[4096];
    std::memset(buffer, 'x', sizeof buffer);
    traceIntoBuffer(buffer, sizeof buffer, 0, 0);
    const QStringList lines = QString::fromLocal8Bit(buffer).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);
    QVERIFY2(lines[0].startsWith("0 ") && lines[0].contains("traceIntoBuffer"), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith("1 ") && lines[1].contains("TestSysInfo::bufferForm()"), qPrintable(lines[1]));
}

void TestSysInfo::depthAndSkip()
{
    const QStringList all = traceOneLevelDown(0, 0).split('\n', Qt::SkipEmptyParts);
    // Depth counts the hidden frame 0 of the text form too.
    const QStringList two = traceOneLevelDown(3, 0).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(two.size(), 2);
    QCOMPARE(two[0], all[0]);
    QVERIFY2(two[1].startsWith("2 ") && two[1].contains("TestSysInfo::depthAndSkip()"), qPrintable(two[1]));

    const QStringList skipped = traceOneLevelDown(0, 1).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(skipped[0].startsWith("2 ") && skipped[0].contains("TestSysInfo::depthAndSkip()"), qPrintable(skipped[0]));
    QCOMPARE(traceOneLevelDown(0, 1000), QString());
}

void TestSysInfo::neverPastTheBuffer_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("1") << 1;
    QTest::newRow("10") << 10;
    QTest::newRow("200") << 200;
}

void TestSysInfo::neverPastTheBuffer()
{
    QFETCH(int, size);
    QByteArray buffer(size + 16, 'x');
    traceIntoBuffer(buffer.data(), ulong(size), 0, 0);
    const int length = int(std::strlen(buffer.constData()));
    QVERIFY(length < size);
    // Only whole lines.
    QVERIFY(length == 0 || buffer[length - 1] == '\n');
    QCOMPARE(buffer.mid(size), QByteArray(16, 'x'));
    if (size == 200)
        QVERIFY(length > 0);
}

void TestSysInfo::releaseBuildNamesTheCaller()
{
    QProcess probe;
    probe.start(STACKTRACE_PROBE, QStringList());
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);
    QVERIFY2(lines[0].startsWith("1 ") && lines[0].contains("probe::traceFromHere()"), qPrintable(lines.join('\n')));
    QVERIFY2(lines[1].startsWith("2 ") && lines[1].contains("(main+"), qPrintable(lines.join('\n')));
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
