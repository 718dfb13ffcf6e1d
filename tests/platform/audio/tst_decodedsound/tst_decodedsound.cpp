// Decoding and caching of sound files, and the metronome's generated sounds.
#include "platform/audio/DecodedSound.h"

#include "TestSupport/TestTone.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sndfile.h>

#include <cmath>

using namespace TickwrenAudio;

namespace {

struct Levels
{
    double peak = 0;
    double rms = 0;
};

Levels levels(DecodedSound const& s, double fromSeconds, double toSeconds)
{
    Levels l;
    std::int64_t const a = std::int64_t(fromSeconds * s.sampleRate);
    std::int64_t const b = std::min<std::int64_t>(s.frames, std::int64_t(toSeconds * s.sampleRate));
    double sum = 0;
    for (std::int64_t n = a; n < b; ++n) {
        double const v = s.samples[std::size_t(n * s.channels)];
        l.peak = std::max(l.peak, std::fabs(v));
        sum += v * v;
    }
    l.rms = b > a ? std::sqrt(sum / double(b - a)) : 0.0;
    return l;
}

// Where most of the sound's energy lies, from its rate of zero crossings.
double crossingFrequency(DecodedSound const& s)
{
    int crossings = 0;
    for (std::int64_t n = 1; n < s.frames; ++n)
        if ((s.samples[std::size_t(n - 1)] < 0) != (s.samples[std::size_t(n)] < 0))
            ++crossings;
    return crossings / 2.0 / s.durationSeconds();
}

QString resource(QString const& name)
{
    return QDir(QString::fromLocal8Bit(qgetenv("TICKWREN_RESOURCE_DIR"))).filePath(name);
}

} // namespace

class TestDecodedSound : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void decodesWav_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("mono 44.1 kHz") << 44100 << 1;
        QTest::newRow("stereo 48 kHz") << 48000 << 2;
        QTest::newRow("mono 8 kHz") << 8000 << 1;
    }
    void decodesWav()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QString const path = m_dir.filePath(QString("d_%1_%2.wav").arg(rate).arg(channels));
        QVERIFY(TestTone::writeWav(path, rate / 10, rate, channels, 1000.0, 0.5));
        SoundPtr s = DecodedSoundCache::decode(path);
        QVERIFY(s);
        QCOMPARE(s->sampleRate, rate);
        QCOMPARE(s->channels, channels);
        QCOMPARE(s->frames, std::int64_t(rate / 10));
        QCOMPARE(std::int64_t(s->samples.size()), s->frames * channels);
        // A quarter period of 1 kHz in: the crest of the sine, on every channel.
        std::size_t const crest = std::size_t(rate / 4000) * std::size_t(channels);
        for (int c = 0; c < channels; ++c)
            QVERIFY(qAbs(s->samples[crest + std::size_t(c)] - 0.5f) < 1e-3f);
    }

    void decodesOtherFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("lengthSlack"); // seconds a lossy coder may add
        QTest::newRow("FLAC") << "tone.flac" << int(SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 0.0;
        QTest::newRow("AIFF") << "tone.aiff" << int(SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << 0.0;
        QTest::newRow("Ogg Vorbis") << "tone.ogg" << int(SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 0.05;
        QTest::newRow("MP3") << "tone.mp3" << int(SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << 0.1;
    }
    void decodesOtherFormats()
    {
        QFETCH(QString, name);
        QFETCH(int, format);
        QFETCH(double, lengthSlack);
        // Half a second of a 440 Hz tone at half scale, 44.1 kHz stereo.
        QString const path = m_dir.filePath(name);
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 2;
        info.format = format;
        SNDFILE* out = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!out)
            QSKIP("this libsndfile cannot write the format");
        std::vector<float> samples(22050 * 2);
        for (std::size_t n = 0; n < 22050; ++n)
            samples[2 * n] = samples[2 * n + 1] = float(0.5 * std::sin(2 * M_PI * 440.0 * double(n) / 44100));
        QCOMPARE(sf_writef_float(out, samples.data(), 22050), sf_count_t(22050));
        sf_close(out);

        SoundPtr s = DecodedSoundCache::load(path);
        QVERIFY(s);
        QCOMPARE(s->sampleRate, 44100);
        QCOMPARE(s->channels, 2);
        QVERIFY2(s->durationSeconds() >= 0.5 - 0.001 && s->durationSeconds() <= 0.5 + lengthSlack + 0.001,
                 qPrintable(QString::number(s->durationSeconds())));
        // The tone's level survives: RMS of a sine at 0.5 is 0.354.
        Levels const l = levels(*s, 0.1, 0.4);
        QVERIFY2(qAbs(l.rms - 0.354) < 0.02, qPrintable(QString::number(l.rms)));
    }

    void unreadableFilesGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("text") << QByteArray("just some words, not a sound\n");
        QTest::newRow("truncated header") << QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16);
    }
    void unreadableFilesGiveNothing()
    {
        QFETCH(QByteArray, content);
        QString const path = m_dir.filePath(QString("bad_%1.wav").arg(QTest::currentDataTag()));
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QVERIFY(!DecodedSoundCache::load(path));
        QVERIFY(!DecodedSoundCache::decode(path));
    }

    void repeatedLoadsDecodeOnce()
    {
        QString const path = m_dir.filePath("cached.wav");
        QVERIFY(TestTone::writeWavMs(path, 100));
        int const before = DecodedSoundCache::decodeCount();
        SoundPtr a = DecodedSoundCache::load(path);
        QVERIFY(a);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(DecodedSoundCache::load(path).get(), a.get());
        QCOMPARE(DecodedSoundCache::decodeCount(), before + 1);

        // A file that changes on disk is decoded again.
        QThread::msleep(20);
        QVERIFY(TestTone::writeWavMs(path, 250));
        SoundPtr b = DecodedSoundCache::load(path);
        QVERIFY(b);
        QCOMPARE(b->frames, std::int64_t(12000));
        QCOMPARE(DecodedSoundCache::decodeCount(), before + 2);
        QCOMPARE(a->frames, std::int64_t(4800)); // a player still holding the old one keeps it
    }

    // A file pushed out of the cache by others while a player still holds it
    // is taken up again, not decoded into a second copy.
    void heldFileOutOfTheCacheIsNotDecodedTwice()
    {
        // Mono frames whose decoded samples stay just under the size that is streamed.
        std::int64_t const frames = DecodedSoundCache::kMaxDecodedBytes / std::int64_t(sizeof(float)) - 1000;
        int const others = int(DecodedSoundCache::kMaxCachedBytes / (frames * std::int64_t(sizeof(float)))) + 2;
        QString const held = m_dir.filePath("held.wav");
        QVERIFY(TestTone::writeWav(held, frames, 48000, 1));
        QStringList paths;
        for (int i = 0; i < others; ++i) {
            paths << m_dir.filePath(QString("other_%1.wav").arg(i));
            QVERIFY(TestTone::writeWav(paths.last(), frames, 48000, 1));
        }
        int const before = DecodedSoundCache::decodeCount();
        SoundPtr playing = DecodedSoundCache::load(held);
        QVERIFY(playing);
        std::int64_t const live = DecodedSoundCache::liveBytes();
        for (QString const& path : paths)
            QVERIFY(DecodedSoundCache::load(path));
        QCOMPARE(DecodedSoundCache::decodeCount(), before + 1 + others);
        QVERIFY(DecodedSoundCache::cachedBytes() <= DecodedSoundCache::kMaxCachedBytes);

        QCOMPARE(DecodedSoundCache::load(held).get(), playing.get());
        QCOMPARE(DecodedSoundCache::decodeCount(), before + 1 + others);
        QVERIFY(DecodedSoundCache::liveBytes() <= live + DecodedSoundCache::kMaxCachedBytes);

        // Once nobody holds it and it has left the cache, it is decoded again.
        playing.reset();
        for (QString const& path : paths)
            QVERIFY(DecodedSoundCache::load(path));
        int const decodes = DecodedSoundCache::decodeCount();
        QVERIFY(DecodedSoundCache::load(held));
        QCOMPARE(DecodedSoundCache::decodeCount(), decodes + 1);
    }

    void generatedSounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("tick") << "tick.wav" << 0.04 << 0.2;
        QTest::newRow("bell") << "bell.wav" << 0.8 << 1.5;
    }
    void generatedSounds()
    {
        QFETCH(QString, name);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        QString const path = resource(name);
        QFile f(path);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
        QByteArray const header = f.read(44);
        // Plain 16-bit PCM WAV.
        QVERIFY(header.startsWith("RIFF") && header.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 34), quint16(16));

        SoundPtr s = DecodedSoundCache::decode(path);
        QVERIFY(s);
        double const seconds = s->durationSeconds();
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));
        Levels const all = levels(*s, 0, seconds);
        // Loud enough to hear at half volume, never at full scale.
        QVERIFY2(all.peak >= 0.5 && all.peak <= 0.95, qPrintable(QString::number(all.peak)));
        // It starts at once and dies away to silence, without a click at either end.
        Levels const start = levels(*s, 0, seconds * 0.1);
        Levels const end = levels(*s, seconds - 0.005, seconds);
        QVERIFY(start.peak >= 0.5 * all.peak);
        QVERIFY2(end.peak < 0.003, qPrintable(QString::number(end.peak)));
        QVERIFY(std::fabs(s->samples.front()) < 0.01);
        Levels const firstHalf = levels(*s, 0, seconds / 2);
        Levels const secondHalf = levels(*s, seconds / 2, seconds);
        QVERIFY(secondHalf.rms < firstHalf.rms * 0.5);
    }

    void tickAndBellDiffer()
    {
        SoundPtr tick = DecodedSoundCache::decode(resource("tick.wav"));
        SoundPtr bell = DecodedSoundCache::decode(resource("bell.wav"));
        QVERIFY(tick && bell);
        // The bell rings several times longer than the knock ...
        QVERIFY(bell->durationSeconds() > 5 * tick->durationSeconds());
        // ... and sits lower: its strike note is below the knock's main mode.
        double const fTick = crossingFrequency(*tick);
        double const fBell = crossingFrequency(*bell);
        QVERIFY2(fBell < fTick * 0.9, qPrintable(QString("%1 vs %2").arg(fBell).arg(fTick)));
        // Still ringing at half a second, when the knock is long over.
        QVERIFY(levels(*bell, 0.45, 0.55).rms > 0.05);
    }
};

QTEST_GUILESS_MAIN(TestDecodedSound)
#include "tst_decodedsound.moc"
