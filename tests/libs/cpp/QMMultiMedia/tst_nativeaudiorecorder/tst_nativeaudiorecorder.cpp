// The recorder where there is no sound input, as on a build machine: every
// start must fail visibly and leave the recorder stopped. Recording itself is
// tested on a sound server of the test's own in tst_audiorecording.
#include "QMMultiMedia/NativeAudioRecorder.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using QMMultiMedia::MAudioFormat;
using QMMultiMedia::NativeAudioRecorder;

class TestNativeAudioRecorder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void freshRecorder();
    void formatIsKeptAndPassedOn();
    void noInputIsReportedAndStaysStopped_data();
    void noInputIsReportedAndStaysStopped();
    void stopAndPauseWithoutRecordingDoNothing();
};

void TestNativeAudioRecorder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A sound server that is not there, whatever the machine runs.
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("none"))));
}

void TestNativeAudioRecorder::freshRecorder()
{
    NativeAudioRecorder recorder;
    QVERIFY(recorder.isStopped());
    QVERIFY(recorder.outputFileName().isEmpty());
    QCOMPARE(recorder.format(), MAudioFormat());
    QCOMPARE(recorder.processedUSecs(), qint64(0));
    QVERIFY(recorder.errorString().isEmpty());
}

void TestNativeAudioRecorder::formatIsKeptAndPassedOn()
{
    NativeAudioRecorder recorder;
    MAudioFormat format;
    format.codec = QStringLiteral("CAF");
    format.sampleRate = 48000;
    format.channelCount = 1;
    format.sampleSize = 24;
    format.bitRate = 96000;
    format.quality = 4;
    recorder.setFormat(format);
    QCOMPARE(recorder.format(), format);
    recorder.setOutputFileName(QStringLiteral("later.caf"));
    QCOMPARE(recorder.outputFileName(), QStringLiteral("later.caf"));
    QVERIFY(recorder.isStopped());
}

void TestNativeAudioRecorder::noInputIsReportedAndStaysStopped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::newRow("wav") << "take.wav"
                         << "WAV";
    QTest::newRow("m4a") << "take.m4a"
                         << "MPEG4ACC";
}

void TestNativeAudioRecorder::noInputIsReportedAndStaysStopped()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    NativeAudioRecorder recorder;
    // No input: an empty list, not a list with one empty name.
    QVERIFY(recorder.availableInputDevices().isEmpty());
    QVERIFY(recorder.defaultInputDevice().isEmpty());
    // Naming a device changes nothing.
    recorder.setInputDevice(QStringLiteral("hw:0"));
    QVERIFY(recorder.availableInputDevices().isEmpty());

    MAudioFormat format;
    format.codec = codec;
    recorder.setFormat(format);
    QSignalSpy failed(&recorder, &NativeAudioRecorder::failed);
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QString const path = m_dir.filePath(name);
    QVERIFY(!recorder.slotStart(path));
    QVERIFY(recorder.isStopped());
    QCOMPARE(recorder.outputFileName(), path);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    QCOMPARE(recorder.errorString(), failed.at(0).at(0).toString());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(recorder.processedUSecs(), qint64(0));
    // The stored name again: the same answer.
    QVERIFY(!recorder.slotStart());
    QVERIFY(recorder.isStopped());
    QCOMPARE(failed.count(), 2);
    QCOMPARE(finished.count(), 0);
}

void TestNativeAudioRecorder::stopAndPauseWithoutRecordingDoNothing()
{
    NativeAudioRecorder recorder;
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QSignalSpy failed(&recorder, &NativeAudioRecorder::failed);
    recorder.slotSuspend();
    recorder.slotResume();
    recorder.slotStop();
    QVERIFY(recorder.isStopped());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 0);
}

QTEST_GUILESS_MAIN(TestNativeAudioRecorder)
#include "tst_nativeaudiorecorder.moc"
