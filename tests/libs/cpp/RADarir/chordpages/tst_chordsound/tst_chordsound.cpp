// A chord strummed from the guitar page reaches the speakers unclipped: the
// strings of C add up past full scale, and what a private sound server's sink
// receives never reaches full scale, while the gain it went out with (the
// recording over the strings added up plainly, each at the frame the engine
// started it) comes down and back without a step.
#include "RADarir/chordpages/GuitarChordsMainPage.h"
#include "RADarir/chordviews/ChordView.h"
#include "TestSupport/GainTrace.h"
#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/SinkRecorder.h"
#include "ZEDireroz/frame/App.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/AudioMixer.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace RADarir;
using namespace TickwrenAudio;

namespace {

constexpr int kRate = 48000;
constexpr float kPageVolume = 0.5f; // a page's players keep the default volume

// Frames from the first sample above `level` (16-bit units) on; -1 when none.
template <class Samples, class Level>
std::int64_t firstAbove(Samples const& x, Level level)
{
    for (std::size_t i = 0; i < x.size(); ++i)
        if (std::fabs(double(x[i])) > double(level))
            return std::int64_t(i);
    return -1;
}

// The left channel of `sound` at `volume` as the mixer renders it alone.
std::vector<float> renderedAlone(SoundPtr const& sound, float volume, int frames)
{
    AudioMixer mixer(kRate);
    auto voice = std::make_shared<Voice>();
    voice->sound = sound;
    voice->volume = volume;
    voice->playing = true;
    {
        std::lock_guard<std::mutex> lock(mixer.mutex());
        mixer.activateLocked(voice);
    }
    std::vector<float> stereo(std::size_t(frames) * 2);
    mixer.render(stereo.data(), frames);
    std::vector<float> left(static_cast<std::size_t>(frames));
    for (int n = 0; n < frames; ++n)
        left[std::size_t(n)] = stereo[std::size_t(2 * n)];
    return left;
}

} // namespace

class TestChordSound : public QObject
{
    Q_OBJECT

private slots:
    void strummedChordNeverClips()
    {
        if (!PrivateSoundServer::available())
            QSKIP("no sound server program (pulseaudio) to start");
        PrivateSoundServer server;
        QVERIFY(server.start());
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
        SinkRecorder recorder;
        QVERIFY(recorder.start(server.address().toUtf8()));

        GuitarChordsMainPage page(nullptr);
        page.show();
        page.setCurrentChord("C");
        QStringList paths = page.sounds().value(page.currentChordIndex());
        paths.removeAll(QString());
        QCOMPARE(paths.size(), 6);
        AudioMixer& mixer = AudioEngine::instance().mixer();
        mixer.setPlacementRecording(true);
        emit page.chordView()->play();

        // Where the engine started each string, in its order of play.
        std::vector<Placement> placements;
        auto const placed = [&] {
            std::vector<Placement> const more = mixer.takePlacements();
            placements.insert(placements.end(), more.begin(), more.end());
            return placements.size();
        };
        QTRY_VERIFY_WITH_TIMEOUT(placed() >= std::size_t(paths.size()), 10000);
        QCOMPARE(placements.size(), std::size_t(paths.size()));
        constexpr int kSeconds = 2;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                std::vector<std::int16_t> const heard = recorder.left();
                std::int64_t const onset = firstAbove(heard, 200);
                return onset >= 0 && std::int64_t(heard.size()) >= onset + kSeconds * kRate;
            }(),
            20000);
        recorder.stop();
        std::vector<std::int16_t> const heard = recorder.left();

        // The strings added up plainly, at the frames the engine gave them.
        std::int64_t const first = std::min_element(placements.begin(), placements.end(), [](auto& a, auto& b) {
                                       return a.startFrame < b.startFrame;
                                   })->startFrame;
        std::vector<float> plain(std::size_t(kSeconds * kRate), 0.0f);
        for (int k = 0; k < paths.size(); ++k) {
            SoundPtr const sound = DecodedSoundCache::load(paths.at(k));
            QVERIFY2(sound, qPrintable(paths.at(k)));
            std::int64_t const at = placements[std::size_t(k)].startFrame - first;
            std::vector<float> const alone = renderedAlone(sound, kPageVolume, int(plain.size()));
            for (std::size_t n = 0; std::int64_t(n) + at < std::int64_t(plain.size()); ++n)
                plain[std::size_t(std::int64_t(n) + at)] += alone[n];
        }
        float plainPeak = 0.0f;
        for (float v : plain)
            plainPeak = std::max(plainPeak, std::fabs(v));
        QVERIFY2(plainPeak > 1.1f, qPrintable(QString("the chord peaks at only %1").arg(plainPeak)));

        int atFullScale = 0;
        for (std::int16_t v : heard)
            atFullScale += (v >= 32767 || v <= -32767);
        QCOMPARE(atFullScale, 0);

        // The recording lined up with the plain sum, to the frame.
        std::int64_t const onset = firstAbove(heard, 200) - firstAbove(plain, 200.0f / 32767.0f);
        std::int64_t best = onset;
        double bestDot = -1.0;
        for (std::int64_t d = onset - 48; d <= onset + 48; ++d) {
            double dot = 0.0;
            for (std::int64_t n = 0; n < 9600; ++n)
                if (n + d >= 0 && n + d < std::int64_t(heard.size()))
                    dot += double(plain[std::size_t(n)]) * heard[std::size_t(n + d)];
            if (dot > bestDot) {
                bestDot = dot;
                best = d;
            }
        }
        QVERIFY(best >= 0);
        // The first second, where the strings are loud. A machine too busy to
        // feed the server in time leaves silence in the recording (the frames
        // after it keep their places): such frames tell nothing of the gain.
        std::int64_t const frames = std::min<std::int64_t>(kRate, std::int64_t(heard.size()) - best);
        GainTrace const gain = traceGain(
            frames, [&](std::int64_t n) { return plain[std::size_t(n)]; },
            [&](std::int64_t n) { return double(heard[std::size_t(n + best)]); },
            [&](std::int64_t n) { return heard[std::size_t(n + best)] == 0; });
        QVERIFY2(gain.highest < 1.005,
                 qPrintable(QString("gain %1 at frame %2").arg(gain.highest).arg(gain.highestAt)));
        QVERIFY2(gain.largestStep < 0.02,
                 qPrintable(QString("the gain steps by %1 at frame %2").arg(gain.largestStep).arg(gain.largestAt)));
        QVERIFY2(gain.lowest < 0.95, "the chord was never brought down");
    }
};

int main(int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, "Olvenar", "TickwrenTrial");
    TestChordSound test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chordsound.moc"
