// The recording format: its defaults, the codec names and the settings map
// handed to the platform recorder.
#include "QMMultiMedia/MAudioFormat.h"
#include "platform/audio/AudioRecorder.h"

#include <QtTest>

using QMMultiMedia::MAudioFormat;
namespace Keys = TickwrenAudio::RecorderSettings;

class TestMAudioFormat : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void codecIDFromString_data();
    void codecIDFromString();
    void quality_data();
    void quality();
    void settings_data();
    void settings();
};

void TestMAudioFormat::defaults()
{
    MAudioFormat const format;
    QCOMPARE(format.codec, QStringLiteral("WAV"));
    QCOMPARE(format.sampleRate, 44100);
    QCOMPARE(format.channelCount, 2);
    QCOMPARE(format.sampleSize, 16);
    QCOMPARE(format.bitRate, 128000);
    QCOMPARE(format.quality, 3);
}

void TestMAudioFormat::codecIDFromString_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::newRow("AIFF") << "AIFF" << 1;
    QTest::newRow("MPEG4ACC") << "MPEG4ACC" << 2;
    QTest::newRow("CAF") << "CAF" << 3;
    QTest::newRow("WAV") << "WAV" << 0;
    QTest::newRow("lower case") << "mpeg4acc" << 0;
    QTest::newRow("mixed case") << "Aiff" << 0;
    QTest::newRow("trailing space") << "CAF " << 0;
    QTest::newRow("other") << "MP3" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestMAudioFormat::codecIDFromString()
{
    QFETCH(QString, name);
    QFETCH(int, id);
    QCOMPARE(MAudioFormat::codecIDFromString(name), id);
}

void TestMAudioFormat::quality_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::newRow("0 minimum") << 0 << 0;
    QTest::newRow("1 low") << 1 << 32;
    QTest::newRow("2 medium") << 2 << 64;
    QTest::newRow("3 high") << 3 << 96;
    QTest::newRow("4 maximum") << 4 << 127;
    QTest::newRow("7 high") << 7 << 96;
    QTest::newRow("-1 high") << -1 << 96;
}

void TestMAudioFormat::quality()
{
    QFETCH(int, step);
    QFETCH(int, value);
    MAudioFormat format;
    format.quality = step;
    QCOMPARE(QMMultiMedia::recorderSettings(format).value(QLatin1String(Keys::kQuality)).toInt(), value);
}

void TestMAudioFormat::settings_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("formatId");
    QTest::addColumn<bool>("hasBitRate");
    // 'aac ' and 'lpcm' as four-character codes.
    QTest::newRow("WAV") << "WAV" << 0x6c70636d << false;
    QTest::newRow("AIFF") << "AIFF" << 0x6c70636d << false;
    QTest::newRow("MPEG4ACC") << "MPEG4ACC" << 0x61616320 << true;
    QTest::newRow("CAF") << "CAF" << 0x61616320 << true;
    QTest::newRow("unknown") << "OGG" << 0x6c70636d << false;
}

void TestMAudioFormat::settings()
{
    QFETCH(QString, codec);
    QFETCH(int, formatId);
    QFETCH(bool, hasBitRate);
    MAudioFormat format;
    format.codec = codec;
    format.sampleRate = 22050;
    format.channelCount = 1;
    format.sampleSize = 24;
    QVariantMap const settings = QMMultiMedia::recorderSettings(format);
    QCOMPARE(settings.value(QLatin1String(Keys::kFormatId)).toInt(), formatId);
    QVariant const rate = settings.value(QLatin1String(Keys::kSampleRate));
    QCOMPARE(int(rate.type()), int(QVariant::Double));
    QCOMPARE(rate.toDouble(), 22050.0);
    QCOMPARE(settings.value(QLatin1String(Keys::kChannelCount)).toInt(), 1);
    QCOMPARE(settings.contains(QLatin1String(Keys::kBitRate)), hasBitRate);
    if (hasBitRate)
        QCOMPARE(settings.value(QLatin1String(Keys::kBitRate)).toInt(), 128000);
    // Rate, channels, encoding, quality, and the bit rate for AAC: nothing else
    // (no bit depth, the sample size is carried only).
    QCOMPARE(settings.size(), hasBitRate ? 5 : 4);
}

QTEST_GUILESS_MAIN(TestMAudioFormat)
#include "tst_maudioformat.moc"
