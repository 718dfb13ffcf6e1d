// The engine's mixer rendered offline (volume, pan, rate conversion, output
// formats, sounds placed at their frame, files streamed from disk, sounds
// that add up past full scale), and the engine's silent clock keeping real
// time and placing due sounds exactly.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/BeatSeries.h"

#include "TestSupport/GainTrace.h"
#include "TestSupport/TestTone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

using namespace TickwrenAudio;

namespace {

SoundPtr constantSound(int rate, std::int64_t frames, float left, float right, int channels)
{
    auto s = std::make_shared<DecodedSound>();
    s->sampleRate = rate;
    s->channels = channels;
    s->frames = frames;
    for (std::int64_t n = 0; n < frames; ++n) {
        s->samples.push_back(left);
        if (channels == 2)
            s->samples.push_back(right);
    }
    return s;
}

VoicePtr startVoice(AudioMixer& mixer, SoundPtr sound, float volume = 1.0f, float pan = 0.0f)
{
    auto v = std::make_shared<Voice>();
    v->sound = std::move(sound);
    v->volume = volume;
    v->pan = pan;
    std::lock_guard<std::mutex> lock(mixer.mutex());
    v->playing = true;
    mixer.activateLocked(v);
    return v;
}

QString resource(QString const& name)
{
    return QDir(QString::fromLocal8Bit(qgetenv("TICKWREN_RESOURCE_DIR"))).filePath(name);
}

// What goes out to a 16-bit stereo device: `frames` frames rendered in blocks
// of `block`.
std::vector<std::int16_t> renderOut(AudioMixer& mixer, int frames, int block)
{
    OutputFormat const format;
    std::vector<std::int16_t> out(std::size_t(frames) * 2);
    for (int done = 0; done < frames; done += block)
        mixer.renderTo(reinterpret_cast<char*>(out.data() + 2 * done), std::min(block, frames - done), format);
    return out;
}

// The same voices added up plainly: each rendered alone (well within full
// scale), in the mixer's order, so the sum is exactly the mixer's before any
// gain of its own.
std::vector<float> plainSum(std::vector<SoundPtr> const& sounds, float volume, int frames, int block)
{
    std::vector<float> sum(std::size_t(frames) * 2, 0.0f);
    std::vector<float> one(std::size_t(block) * 2);
    for (SoundPtr const& sound : sounds) {
        AudioMixer alone(48000);
        startVoice(alone, sound, volume);
        for (int done = 0; done < frames; done += block) {
            int const n = std::min(block, frames - done);
            alone.render(one.data(), n);
            for (int i = 0; i < 2 * n; ++i)
                sum[std::size_t(2 * done + i)] += one[std::size_t(i)];
        }
    }
    return sum;
}

} // namespace

class TestAudioMixer : public QObject
{
    Q_OBJECT

private slots:
    void volumeAndPan_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<float>("volume");
        QTest::addColumn<float>("pan");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("right");
        // The source holds 0.5 (left) and -0.25 (right, stereo sources only).
        QTest::newRow("mono, full, centre") << 1 << 1.0f << 0.0f << 0.5f << 0.5f;
        QTest::newRow("mono, half volume") << 1 << 0.5f << 0.0f << 0.25f << 0.25f;
        QTest::newRow("mono, hard right") << 1 << 1.0f << 1.0f << 0.0f << 0.5f;
        QTest::newRow("mono, half left") << 1 << 1.0f << -0.5f << 0.5f << 0.25f;
        QTest::newRow("mono, silent") << 1 << 0.0f << 0.0f << 0.0f << 0.0f;
        QTest::newRow("stereo, centre") << 2 << 1.0f << 0.0f << 0.5f << -0.25f;
        QTest::newRow("stereo, hard left, 0.8") << 2 << 0.8f << -1.0f << 0.4f << 0.0f;
    }
    void volumeAndPan()
    {
        QFETCH(int, channels);
        QFETCH(float, volume);
        QFETCH(float, pan);
        QFETCH(float, left);
        QFETCH(float, right);
        AudioMixer mixer(48000);
        startVoice(mixer, constantSound(48000, 1000, 0.5f, -0.25f, channels), volume, pan);
        std::vector<float> out(200);
        mixer.render(out.data(), 100);
        for (int n = 0; n < 100; ++n) {
            QVERIFY(qAbs(out[2 * n] - left) < 1e-6f);
            QVERIFY(qAbs(out[2 * n + 1] - right) < 1e-6f);
        }
    }

    void voicesAddUp()
    {
        AudioMixer mixer(48000);
        startVoice(mixer, constantSound(48000, 100, 0.3f, 0, 1));
        startVoice(mixer, constantSound(48000, 50, 0.2f, 0, 1), 0.5f);
        std::vector<float> out(400);
        mixer.render(out.data(), 200);
        QVERIFY(qAbs(out[0] - 0.4f) < 1e-6f);   // both
        QVERIFY(qAbs(out[120] - 0.3f) < 1e-6f); // the second has ended
        QCOMPARE(out[250], 0.0f);               // both have ended
        QCOMPARE(mixer.activeCount(), 0);
    }

    void rateConversion_data()
    {
        QTest::addColumn<int>("sourceRate");
        QTest::addColumn<int>("sourceFrames");
        QTest::addColumn<int>("outputRate");
        QTest::newRow("24 kHz up to 48 kHz") << 24000 << 480 << 48000;
        QTest::newRow("44.1 kHz up to 48 kHz") << 44100 << 4410 << 48000;
        QTest::newRow("96 kHz down to 48 kHz") << 96000 << 960 << 48000;
        QTest::newRow("48 kHz down to 44.1 kHz") << 48000 << 4800 << 44100;
    }
    void rateConversion()
    {
        QFETCH(int, sourceRate);
        QFETCH(int, sourceFrames);
        QFETCH(int, outputRate);
        // A 440 Hz sine keeps its pitch, its level and its length in time.
        auto s = std::make_shared<DecodedSound>();
        s->sampleRate = sourceRate;
        s->channels = 1;
        s->frames = sourceFrames;
        for (int n = 0; n < sourceFrames; ++n)
            s->samples.push_back(float(0.5 * std::sin(2 * M_PI * 440.0 * n / sourceRate)));
        AudioMixer mixer(outputRate);
        VoicePtr v = startVoice(mixer, s);
        int const expected = int(std::ceil(double(sourceFrames) * outputRate / sourceRate));
        std::vector<float> out(std::size_t(expected + 100) * 2);
        mixer.render(out.data(), expected + 100);
        double worst = 0;
        // Away from the very end (where the interpolation runs out of samples).
        for (int n = 0; n < expected - 4; ++n) {
            double const ideal = 0.5 * std::sin(2 * M_PI * 440.0 * n / outputRate);
            worst = std::max(worst, std::fabs(out[2 * std::size_t(n)] - ideal));
        }
        QVERIFY2(worst < 5e-3, qPrintable(QString::number(worst)));
        for (int n = expected; n < expected + 100; ++n)
            QCOMPARE(out[2 * std::size_t(n)], 0.0f);
        std::lock_guard<std::mutex> lock(mixer.mutex());
        QVERIFY(!v->playing);
        QCOMPARE(v->position, 0.0); // rewound, as a finished player is
    }

    void volumeChangeGlides()
    {
        AudioMixer mixer(48000);
        VoicePtr v = startVoice(mixer, constantSound(48000, 10000, 0.5f, 0, 1));
        std::vector<float> out(200);
        mixer.render(out.data(), 100);
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            v->volume = 0.0f;
        }
        mixer.render(out.data(), 100);
        // No step from 0.5 to 0: it falls by 1/100 of the way per frame.
        QVERIFY(out[0] > 0.49f);
        for (int n = 1; n < 100; ++n)
            QVERIFY(out[2 * n] < out[2 * (n - 1)]);
        QVERIFY(qAbs(out[198]) < 1e-6f);
    }

    void cutAndResumeFade_data()
    {
        QTest::addColumn<bool>("stop"); // stop rewinds; pause keeps the place
        QTest::newRow("pause") << false;
        QTest::newRow("stop") << true;
    }
    void cutAndResumeFade()
    {
        QFETCH(bool, stop);
        AudioMixer mixer(48000);
        VoicePtr v = startVoice(mixer, constantSound(48000, 48000, 0.5f, 0, 1));
        std::vector<float> out(2 * 1000);
        mixer.render(out.data(), 500);
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            v->playing = false;
            mixer.deactivateLocked(*v);
            if (stop)
                v->position = 0.0;
            QVERIFY(mixer.busyLocked()); // still fading
        }
        int const fade = 48000 * AudioMixer::kTailMs / 1000;
        mixer.render(out.data(), 1000);
        // Falls steadily from the level it had to silence within the fade, no step.
        QVERIFY(out[0] > 0.45f);
        for (int n = 1; n < fade; ++n)
            QVERIFY(out[2 * n] < out[2 * (n - 1)]);
        for (int n = fade; n < 1000; ++n)
            QCOMPARE(out[2 * n], 0.0f);
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            QVERIFY(!mixer.busyLocked());
            QCOMPARE(v->position, stop ? 0.0 : 500.0); // the fade does not move the voice
            v->playing = true;
            mixer.activateLocked(v);
        }
        mixer.render(out.data(), 100);
        if (stop) {
            QCOMPARE(out[0], 0.5f); // from the start of the file: its own attack, untouched
        } else {
            // Resumed in mid-sound: rises from silence over the block.
            QVERIFY(out[0] < 0.01f);
            QVERIFY(qAbs(out[198] - 0.5f) < 1e-6f);
        }
    }

    void outputFormats_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QByteArray>("expected"); // one frame, for left 0.5 and right -0.25
        auto i16 = [](std::initializer_list<std::int16_t> v) {
            return QByteArray(reinterpret_cast<char const*>(v.begin()), int(v.size() * 2));
        };
        auto i32 = [](std::initializer_list<std::int32_t> v) {
            return QByteArray(reinterpret_cast<char const*>(v.begin()), int(v.size() * 4));
        };
        auto f32 = [](std::initializer_list<float> v) {
            return QByteArray(reinterpret_cast<char const*>(v.begin()), int(v.size() * 4));
        };
        QTest::newRow("16-bit stereo") << int(OutputFormat::Int16) << 2 << i16({16384, -8192});
        QTest::newRow("16-bit mono takes the middle") << int(OutputFormat::Int16) << 1 << i16({4096});
        QTest::newRow("16-bit, 4 channels") << int(OutputFormat::Int16) << 4 << i16({16384, -8192, 0, 0});
        QTest::newRow("32-bit stereo") << int(OutputFormat::Int32) << 2 << i32({1073741824, -536870912});
        QTest::newRow("float stereo") << int(OutputFormat::Float32) << 2 << f32({0.5f, -0.25f});
        QTest::newRow("8-bit unsigned stereo") << int(OutputFormat::UInt8) << 2 << QByteArray("\xc0\x60", 2);
    }
    void outputFormats()
    {
        QFETCH(int, type);
        QFETCH(int, channels);
        QFETCH(QByteArray, expected);
        OutputFormat f;
        f.type = OutputFormat::SampleType(type);
        f.channels = channels;
        float const stereo[2] = {0.5f, -0.25f};
        QByteArray out(f.bytesPerFrame(), '\0');
        AudioMixer::convert(stereo, 1, f, out.data());
        // Exact up to one step of the integer formats.
        for (int i = 0; i < out.size(); ++i)
            QVERIFY2(qAbs(int(std::uint8_t(out[i])) - int(std::uint8_t(expected[i]))) <= 1
                         || (i % f.bytesPerSample()) != 0,
                     qPrintable(out.toHex() + " != " + expected.toHex()));
        QCOMPARE(out.size(), expected.size());
    }

    void overloadIsClampedNotWrapped()
    {
        float const stereo[4] = {1.7f, -2.0f, 0.99f, -1.0f};
        OutputFormat f;
        std::int16_t out[4];
        AudioMixer::convert(stereo, 2, f, reinterpret_cast<char*>(out));
        QCOMPARE(out[0], std::int16_t(32767));
        QCOMPARE(out[1], std::int16_t(-32767));
        QVERIFY(out[2] > 32000);
        QCOMPARE(out[3], std::int16_t(-32767));
    }

    // The strings of a guitar chord started together, each at a page's
    // volume, add up past full scale. What goes out never reaches full scale,
    // the gain it went out with (output over the plain sum) never steps, and
    // once the chord has faded below full scale the output is the plain sum
    // again, sample for sample.
    void chordNeverClipsNorSteps_data()
    {
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<int>("block"); // frames rendered at a time
        QStringList const a{"E2", "A2", "E3", "A3", "Cd4", "E4"};
        QTest::newRow("A, blocks of 10 ms") << a << 480;
        QTest::newRow("A, blocks of 64 frames") << a << 64;
        QTest::newRow("A, blocks of 4000 frames") << a << 4000;
        QTest::newRow("E, blocks of 10 ms") << QStringList{"E2", "B2", "E3", "Gd3", "B3", "E4"} << 480;
        QTest::newRow("G, blocks of 10 ms") << QStringList{"G2", "B2", "D3", "G3", "B3", "G4"} << 480;
        QTest::newRow("C, five strings") << QStringList{"C3", "E3", "G3", "C4", "E4"} << 480;
    }
    void chordNeverClipsNorSteps()
    {
        QFETCH(QStringList, notes);
        QFETCH(int, block);
        constexpr float kVolume = 0.5f; // a page's player
        constexpr int kFrames = 48000 * 4;
        std::vector<SoundPtr> sounds;
        for (QString const& note : notes) {
            SoundPtr s = DecodedSoundCache::load(resource("guitar_440_" + note + ".mp3"));
            QVERIFY2(s, qPrintable(note));
            sounds.push_back(s);
        }
        std::vector<float> const plain = plainSum(sounds, kVolume, kFrames, block);
        float plainPeak = 0.0f;
        for (float v : plain)
            plainPeak = std::max(plainPeak, std::fabs(v));
        QVERIFY2(plainPeak > 1.15f, qPrintable(QString("the chord peaks at only %1").arg(plainPeak)));

        AudioMixer mixer(48000);
        for (SoundPtr const& s : sounds)
            startVoice(mixer, s, kVolume);
        std::vector<std::int16_t> const out = renderOut(mixer, kFrames, block);

        int atFullScale = 0;
        for (std::int16_t v : out)
            atFullScale += (v >= 32767 || v <= -32767);
        QCOMPARE(atFullScale, 0);
        // The gain, wherever the sum is loud enough to tell it to well within
        // a 16-bit step.
        GainTrace const gain = traceGain(
            kFrames, [&](std::int64_t n) { return plain[std::size_t(2 * n)]; },
            [&](std::int64_t n) { return double(out[std::size_t(2 * n)]); }, [](std::int64_t) { return false; });
        QVERIFY2(gain.highest < 1.001,
                 qPrintable(QString("gain %1 at frame %2").arg(gain.highest).arg(gain.highestAt)));
        QVERIFY2(gain.largestStep < 0.02,
                 qPrintable(QString("the gain steps by %1 at frame %2").arg(gain.largestStep).arg(gain.largestAt)));
        QVERIFY2(gain.lowest < 0.9, "the mix was never brought down");
        // Faded: the plain sum again (the last second of the chord lies well
        // within full scale).
        std::vector<std::int16_t> expected(std::size_t(48000) * 2);
        AudioMixer::convert(plain.data() + std::size_t(kFrames - 48000) * 2, 48000, OutputFormat(),
                            reinterpret_cast<char*>(expected.data()));
        QVERIFY(std::equal(expected.begin(), expected.end(), out.end() - std::ptrdiff_t(expected.size())));
        std::lock_guard<std::mutex> lock(mixer.mutex());
        QCOMPARE(mixer.limiterGainLocked(), 1.0f);
    }

    // A sound alone, at a page's volume or at full volume, goes out exactly
    // as its own samples times its volume, as it always has.
    void loneSoundIsUntouched_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<float>("volume");
        QTest::newRow("tick") << "tick.wav" << 0.5f;
        QTest::newRow("tick at full volume") << "tick.wav" << 1.0f;
        QTest::newRow("bell") << "bell.wav" << 0.5f;
        QTest::newRow("bell at full volume") << "bell.wav" << 1.0f;
    }
    void loneSoundIsUntouched()
    {
        QFETCH(QString, file);
        QFETCH(float, volume);
        SoundPtr sound = DecodedSoundCache::load(resource(file));
        QVERIFY(sound);
        QCOMPARE(sound->sampleRate, 48000);
        QCOMPARE(sound->channels, 1);
        AudioMixer mixer(48000);
        startVoice(mixer, sound, volume);
        int const frames = int(sound->frames) + 480;
        std::vector<float> out(std::size_t(frames) * 2);
        for (int done = 0; done < frames; done += 480)
            mixer.render(out.data() + 2 * done, std::min(480, frames - done));
        for (int n = 0; n < frames; ++n) {
            float const expected = n < sound->frames ? sound->samples[std::size_t(n)] * volume : 0.0f;
            QVERIFY2(out[std::size_t(2 * n)] == expected && out[std::size_t(2 * n + 1)] == expected,
                     qPrintable(QString("frame %1: %2 for %3").arg(n).arg(out[std::size_t(2 * n)]).arg(expected)));
        }
    }

    void placesSoundsAtTheirFrame_data()
    {
        QTest::addColumn<double>("dueFrame");    // due time, in frames of the test's clock
        QTest::addColumn<int>("renderedBefore"); // frames rendered before the play
        QTest::addColumn<int>("block");          // frames the output takes at once
        QTest::addColumn<qint64>("expected");    // first frame of the sound
        // The test's clock: frame = 48000 * seconds + 1000; latency 5 ms = 240 frames.
        QTest::newRow("inside the first block") << 100.0 << 0 << 512 << qint64(1340);
        QTest::newRow("some blocks on, odd block size") << 2000.3 << 0 << 333 << qint64(3240);
        QTest::newRow("rounded to the nearest frame") << 1000.6 << 0 << 256 << qint64(2241);
        QTest::newRow("asked after its due time, within the latency") << 100.0 << 1300 << 128 << qint64(1340);
        QTest::newRow("its place already rendered: starts at once") << 100.0 << 1500 << 200 << qint64(1500);
    }
    void placesSoundsAtTheirFrame()
    {
        QFETCH(double, dueFrame);
        QFETCH(int, renderedBefore);
        QFETCH(int, block);
        QFETCH(qint64, expected);
        AudioMixer mixer(48000);
        std::int64_t const epoch = 1000000000;
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            StreamClock clock;
            clock.valid = true;
            clock.rate = 48000;
            clock.epochNs = epoch;
            clock.offsetFrames = 1000.0;
            mixer.setClockLocked(clock);
            mixer.setLatencyNsLocked(5000000);
        }
        mixer.setPlacementRecording(true);
        std::vector<float> out(std::size_t(std::max(renderedBefore, 1)) * 2);
        mixer.render(out.data(), renderedBefore);

        auto v = std::make_shared<Voice>();
        v->sound = constantSound(48000, 1000, 0.5f, 0, 1);
        v->dueNs = epoch + std::int64_t(std::llround(dueFrame * 1e9 / 48000));
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            v->playing = true;
            mixer.activateLocked(v);
        }
        std::vector<float> stream;
        std::vector<float> piece(std::size_t(block) * 2);
        while (int(stream.size() / 2) + renderedBefore < expected + 2000) {
            mixer.render(piece.data(), block);
            stream.insert(stream.end(), piece.begin(), piece.end());
        }
        auto firstSounding = std::find_if(stream.begin(), stream.end(), [](float x) { return x != 0.0f; });
        QVERIFY(firstSounding != stream.end());
        qint64 const first = qint64(firstSounding - stream.begin()) / 2 + renderedBefore;
        QCOMPARE(first, expected);
        QCOMPARE(stream[std::size_t(first - renderedBefore) * 2], 0.5f); // its first sample, whole
        // All of it, not a frame cut off at the start.
        QCOMPARE(std::count(stream.begin(), stream.end(), 0.5f), std::ptrdiff_t(2000));
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            QCOMPARE(qint64(v->startFrame), expected);
        }
        std::vector<Placement> const placements = mixer.takePlacements();
        QCOMPARE(int(placements.size()), 1);
        QCOMPARE(qint64(placements[0].startFrame), expected);
        QCOMPARE(qint64(placements[0].lateFrames), qMax(qint64(0), qint64(renderedBefore) - qint64(1340)));
    }

    // Beats of a series go exactly whole intervals of frames apart while the
    // clock estimate moves between them (by 30 frames here: a jump of under
    // a millisecond); a single sound with a due time follows the estimate.
    void beatsOfASeriesCountFrames_data()
    {
        QTest::addColumn<bool>("series");
        QTest::addColumn<qint64>("expectedStep");
        QTest::newRow("beats of a series") << true << qint64(13824);
        QTest::newRow("single sounds with due times") << false << qint64(13824 + 30);
    }
    void beatsOfASeriesCountFrames()
    {
        QFETCH(bool, series);
        QFETCH(qint64, expectedStep);
        AudioMixer mixer(48000);
        std::int64_t const epoch = 1000000000;
        StreamClock clock;
        clock.valid = true;
        clock.rate = 48000;
        clock.epochNs = epoch;
        clock.offsetFrames = 1000.0;
        clock.generation = 1;
        {
            std::lock_guard<std::mutex> lock(mixer.mutex());
            mixer.setClockLocked(clock);
            mixer.setLatencyNsLocked(5000000);
        }
        auto beats = std::make_shared<BeatSeries>(epoch + 10000000, 288000000);
        std::vector<VoicePtr> voices;
        std::vector<float> piece(256 * 2);
        for (int k = 0; k < 3; ++k) {
            auto v = std::make_shared<Voice>();
            v->sound = constantSound(48000, 100, 0.5f, 0, 1);
            v->dueNs = beats->dueNs(k);
            if (series) {
                v->series = beats;
                v->beat = k;
            }
            {
                std::lock_guard<std::mutex> lock(mixer.mutex());
                v->playing = true;
                mixer.activateLocked(v);
            }
            voices.push_back(v);
            while (true) {
                mixer.render(piece.data(), 256);
                std::lock_guard<std::mutex> lock(mixer.mutex());
                if (v->startFrame >= 0)
                    break;
            }
            // The estimate moves on after each beat.
            clock.offsetFrames += 30.0;
            std::lock_guard<std::mutex> lock(mixer.mutex());
            mixer.setClockLocked(clock);
        }
        std::lock_guard<std::mutex> lock(mixer.mutex());
        QCOMPARE(qint64(voices[0]->startFrame), qint64(1000 + 480 + 240));
        QCOMPARE(qint64(voices[1]->startFrame - voices[0]->startFrame), expectedStep);
        QCOMPARE(qint64(voices[2]->startFrame - voices[1]->startFrame), expectedStep);
    }

    void streamedFileSoundsLikeTheDecodedOne()
    {
        // 44.1 kHz stereo, so that rate conversion reads across the pieces
        // the stream is read in; a jump in the middle makes it seek.
        QTemporaryDir dir;
        QString const path = dir.filePath("long.wav");
        QVERIFY(TestTone::writeWav(path, 44100 * 2, 44100, 2, 523.0, 0.4));
        SoundPtr decoded = DecodedSoundCache::decode(path);
        StreamPtr streamed = StreamedSound::open(path);
        QVERIFY(decoded && streamed);
        QCOMPARE(streamed->frames(), decoded->frames);
        AudioMixer a(48000);
        AudioMixer b(48000);
        VoicePtr va = startVoice(a, decoded, 0.9f, 0.3f);
        auto vb = std::make_shared<Voice>();
        vb->stream = streamed;
        vb->volume = 0.9f;
        vb->pan = 0.3f;
        {
            std::lock_guard<std::mutex> lock(b.mutex());
            vb->playing = true;
            b.activateLocked(vb);
        }
        std::vector<float> outA(2 * 3000);
        std::vector<float> outB(2 * 3000);
        for (int round = 0; round < 40; ++round) {
            if (round == 20) {
                std::lock_guard<std::mutex> la(a.mutex());
                std::lock_guard<std::mutex> lb(b.mutex());
                va->position = vb->position = 60000.5;
            }
            int const n = 700 + round * 53;
            a.render(outA.data(), n);
            b.render(outB.data(), n);
            for (int i = 0; i < 2 * n; ++i)
                QVERIFY2(qAbs(outA[std::size_t(i)] - outB[std::size_t(i)]) < 1e-6f,
                         qPrintable(QString("round %1, sample %2").arg(round).arg(i)));
        }
    }

    void silentClockPlacesDueSoundsExactly()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("click.wav");
        QVERIFY(TestTone::writeWavMs(path, 30));
        AudioEngine& engine = AudioEngine::instance();
        engine.setForceSilent(true);
        int const rate = engine.mixer().outputRate();
        // Irregular gaps, none a whole number of frames.
        double const gapsMs[] = {0, 37.123, 81.9, 5.01, 288.0, 13.337, 120.4, 0.7, 61.11, 250.05};
        std::vector<std::unique_ptr<AudioVoice>> voices;
        for (std::size_t k = 0; k < std::size(gapsMs); ++k) {
            voices.push_back(AudioVoice::open(path));
            QVERIFY(voices.back());
            voices.back()->setVolume(0.0f);
        }
        // Due times counted from after the files are open, with a lead that a
        // loaded machine cannot use up before the last is asked for.
        std::vector<std::int64_t> due;
        std::int64_t t = AudioEngine::nowNs() + 200000000;
        for (double gap : gapsMs) {
            t += std::int64_t(gap * 1e6);
            due.push_back(t);
        }
        // Asked for in a muddle, all before they are due.
        for (std::size_t k : {3, 0, 9, 1, 2, 5, 4, 8, 6, 7})
            voices[k]->play(due[k]);
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(voices.begin(), voices.end(), [](auto const& v) { return v->startFrame() >= 0; }), 5000);
        for (std::size_t k = 1; k < voices.size(); ++k) {
            double const ideal = double(voices[0]->startFrame()) + double(due[k] - due[0]) * rate / 1e9;
            QVERIFY2(std::fabs(double(voices[k]->startFrame()) - ideal) <= 1.0,
                     qPrintable(QString("sound %1 at %2, ideal %3").arg(k).arg(voices[k]->startFrame()).arg(ideal)));
        }
    }

    void silentClockKeepsRealTime()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("second.wav");
        QVERIFY(TestTone::writeWavMs(path, 1000, 44100));
        AudioEngine& engine = AudioEngine::instance();
        engine.setForceSilent(true);
        QVERIFY(engine.isSilent());
        auto voice = AudioVoice::open(path);
        QVERIFY(voice);
        QCOMPARE(voice->duration(), 1.0);
        std::int64_t const before = engine.mixer().renderedFrames();
        QElapsedTimer clock;
        clock.start();
        voice->play();
        QTest::qWait(400);
        double const t = voice->currentTime();
        double const elapsed = clock.elapsed() / 1000.0;
        // The bounds leave room for a mixing thread that a loaded machine schedules late; a clock
        // that ran fast, slow or not at all would still be far outside them.
        QVERIFY2(t > elapsed - 0.15 && t <= elapsed + 0.01, qPrintable(QString("%1 vs %2").arg(t).arg(elapsed)));
        double const rendered = double(engine.mixer().renderedFrames() - before) / engine.mixer().outputRate();
        QVERIFY2(qAbs(rendered - elapsed) < 0.15, qPrintable(QString::number(rendered)));
        // It started soon after the play, on the stream.
        double const startedAfter = double(voice->startFrame() - before) / engine.mixer().outputRate();
        QVERIFY2(startedAfter >= 0 && startedAfter < 0.15, qPrintable(QString::number(startedAfter)));
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 1500);
        QVERIFY(clock.elapsed() >= 1000);
        QCOMPARE(voice->currentTime(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestAudioMixer)
#include "tst_audiomixer.moc"
