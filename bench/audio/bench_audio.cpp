// Measures the audio engine as the metronome uses it:
//  1. where sounds land: N clicks asked for at irregular due times, recorded
//     from a PulseAudio null sink's monitor (a server of the benchmark's own),
//     each click's first sample in the recording against its due time plus
//     the engine's constant latency (what follows in the server and the
//     recording is one further constant for the whole run, taken out as the
//     median), in frames; and the interval between each two clicks against
//     their due times' distance; beside it the same clicks played with a
//     plain play() at the moment they are due, as callers without a due time
//     do; and the constant latency itself;
//  2. CPU and memory while 12 players sound at once;
//  3. what 1000 one-shot players (played and missing files) leave behind.
//
// Usage: tw-bench-audio [--silent] [--plays N] [--rounds N] [--listen]
//                       [--listen-strings STEM [PITCH]]
// --silent runs the silent clock (placement then from the engine's own
// record of where each sound went); without pulseaudio it runs silent too;
// --listen only plays four bars of the metronome (bell and three ticks at
// 100 beats per minute) on the session's sound server, to check by ear;
// --listen-strings plays the strings of one tuner (a sample stem such as
// "guitar" or "violine") at a concert pitch (440 unless given), low to high,
// or, for a chord page's prefix ("bass", "piano"), its whole chromatic set.
#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/SinkRecorder.h"
#include "TestSupport/TestTone.h"
#include "assets/generator/InstrumentSamples.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/DecodedSound.h"
#include "platform/audio/NativeAudioPlayer.h"
#include "platform/audio/NativeAudioPlayerInternal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

using QMMultiMedia::NativeAudioPlayer;
using QMMultiMedia::NativeAudioPlayerInternal;
using TickwrenAudio::AudioEngine;
using TickwrenAudio::AudioVoice;

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

template <class Pred>
bool waitFor(Pred done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        wait(10);
    }
    return true;
}

void playAndForget(QString const& path)
{
    auto* player = new NativeAudioPlayer;
    QObject::connect(player, &NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(path);
}

long statusKb(char const* field)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

double processCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Snapshot
{
    int players = 0;
    int voices = 0;
    long rssKb = 0;
    long heapBytes = 0;

    // Trimming gives freed memory back so that RSS shows what is really held,
    // but trimming and reading /proc reshuffle the allocator's free lists,
    // which shows as heap noise in the following round: only the first and
    // last snapshots measure RSS.
    static Snapshot take(bool trim)
    {
        Snapshot s;
        s.players = NativeAudioPlayerInternal::instanceCount();
        s.voices = AudioVoice::liveCount();
        // The heap first: reading /proc allocates itself.
        s.heapBytes = long(mallinfo2().uordblks);
        if (trim) {
            malloc_trim(0);
            s.rssKb = statusKb("VmRSS:");
        }
        return s;
    }
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    std::size_t const i = std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

void sleepUntil(std::int64_t ns)
{
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns)));
}

// Errors in frames of each start against its due time: the frames between
// a start and the one before against the due times' distance, so that the
// constant latency and the recording's own start drop out, and a recording
// that lost audio somewhere spoils one pair rather than all that follow.
// Starts are matched to due times in order; a due time with no start within
// 5 ms of where it belongs counts in `missing`.
std::vector<double> placementErrors(std::vector<std::int64_t> const& starts, std::vector<std::int64_t> const& dues,
                                    int rate, int& missing)
{
    std::vector<double> errors;
    missing = 0;
    std::size_t s = 0;
    std::int64_t previousStart = -1;
    std::size_t previousDue = 0;
    for (std::size_t d = 0; d < dues.size(); ++d) {
        if (previousStart < 0) {
            // The first, or after a gap: take the next start as this one's.
            if (s >= starts.size()) {
                ++missing;
                continue;
            }
            previousStart = starts[s++];
            previousDue = d;
            continue;
        }
        double const expected = double(previousStart) + double(dues[d] - dues[previousDue]) * rate / 1e9;
        while (s < starts.size() && double(starts[s]) < expected - rate * 0.005)
            ++s;
        if (s < starts.size() && std::fabs(double(starts[s]) - expected) <= rate * 0.005) {
            errors.push_back(std::fabs(double(starts[s]) - expected));
            previousStart = starts[s++];
            previousDue = d;
        } else {
            ++missing;
            previousStart = -1;
        }
    }
    return errors;
}

struct PlacementRun
{
    std::vector<std::int64_t> dues;
    std::vector<std::int64_t> starts; // frames: in the recording, or the engine's record when silent
    int late = 0;
};

// `plays` clicks 20 to 60 ms apart, each asked for at a random moment 60 to
// 90 ms before it is due: the engine renders up to about 50 ms ahead, so a
// sound asked for later than that starts late. With `withDue` false they are
// played plainly at their due moment instead.
constexpr std::int64_t kAskAheadMinNs = 60000000;
constexpr std::int64_t kAskAheadMaxNs = 90000000;

PlacementRun placeClicks(QString const& click, int plays, bool withDue, SinkRecorder* recorder)
{
    AudioEngine& engine = AudioEngine::instance();
    PlacementRun run;
    engine.mixer().setPlacementRecording(true);
    engine.mixer().takePlacements();
    std::size_t const recordedBefore = recorder ? recorder->left().size() : 0;
    std::vector<std::unique_ptr<AudioVoice>> voices;
    std::int64_t due = AudioEngine::nowNs() + 200000000;
    auto* random = QRandomGenerator::global();
    for (int k = 0; k < plays; ++k) {
        due += 20000000 + std::int64_t(random->bounded(40000000));
        auto voice = AudioVoice::open(click);
        voice->setVolume(1.0f);
        if (withDue) {
            sleepUntil(due - kAskAheadMaxNs + std::int64_t(random->bounded(int(kAskAheadMaxNs - kAskAheadMinNs))));
            voice->play(due);
        } else {
            sleepUntil(due);
            voice->play();
        }
        run.dues.push_back(due);
        voices.push_back(std::move(voice));
        if (voices.size() > 8)
            voices.erase(voices.begin()); // long over by now
    }
    sleepUntil(AudioEngine::nowNs() + 1000000000);
    for (TickwrenAudio::Placement const& p : engine.mixer().takePlacements()) {
        run.late += p.lateFrames > 0 ? 1 : 0;
        if (!recorder)
            run.starts.push_back(p.startFrame);
    }
    if (recorder) {
        std::vector<std::int16_t> const left = recorder->left();
        std::vector<std::int16_t> const part(left.begin() + std::ptrdiff_t(recordedBefore), left.end());
        run.starts = SinkRecorder::onsets(part, 6000, 480);
    }
    return run;
}

// Errors in frames of each start against its due time plus the constant
// latency. Everything after the stream (the server's buffer, the sink, where
// the recording began) adds one further constant to every start alike. It is
// found by trying each pairing of the first few due times with the first few
// starts and keeping the one under which the most due times find a start
// within 5 ms, then taken as the median of those starts' offsets; each due
// time's error is then that of the start nearest its expected frame, and a due
// time without one within 5 ms counts in `missing`.
std::vector<double> dueErrors(std::vector<std::int64_t> starts, std::vector<std::int64_t> const& dues, int rate,
                              std::int64_t latencyNs, int& missing)
{
    std::sort(starts.begin(), starts.end());
    double const window = rate * 0.005;
    auto expected = [&](std::int64_t due) { return double(due + latencyNs) * rate / 1e9; };
    // The signed distance from `want` to the nearest start.
    auto nearest = [&](double want) {
        auto const it = std::lower_bound(starts.begin(), starts.end(), std::int64_t(std::floor(want)));
        double best = 1e18;
        if (it != starts.end())
            best = double(*it) - want;
        if (it != starts.begin() && std::fabs(double(*(it - 1)) - want) < std::fabs(best))
            best = double(*(it - 1)) - want;
        return best;
    };
    auto offsetsUnder = [&](double offset) {
        std::vector<double> found;
        for (std::int64_t due : dues) {
            double const e = nearest(expected(due) + offset);
            if (std::fabs(e) <= window)
                found.push_back(offset + e);
        }
        return found;
    };
    std::vector<double> best;
    for (std::size_t d = 0; d < std::min<std::size_t>(dues.size(), 5); ++d)
        for (std::size_t s = 0; s < std::min<std::size_t>(starts.size(), 5); ++s) {
            std::vector<double> found = offsetsUnder(double(starts[s]) - expected(dues[d]));
            if (found.size() > best.size())
                best = std::move(found);
        }
    std::vector<double> errors;
    missing = int(dues.size());
    if (best.empty())
        return errors;
    std::sort(best.begin(), best.end());
    double const offset = best[best.size() / 2];
    missing = 0;
    for (std::int64_t due : dues) {
        double const e = std::fabs(nearest(expected(due) + offset));
        if (e <= window)
            errors.push_back(e);
        else
            ++missing;
    }
    return errors;
}

void reportPlacement(char const* what, PlacementRun const& run, int rate)
{
    int missingDue = 0;
    std::vector<double> const d = dueErrors(run.starts, run.dues, rate, AudioEngine::kPlacementLatencyNs, missingDue);
    int missing = 0;
    std::vector<double> const e = placementErrors(run.starts, run.dues, rate, missing);
    std::printf("%s, %zu clicks:\n"
                "    start against due time + latency: error median %.1f, p99 %.1f, max %.1f frames "
                "(%.3f / %.3f / %.3f ms); %d of %zu not found within 5 ms\n"
                "    interval against the due times' distance: error median %.1f, p99 %.1f, max %.1f frames "
                "(%.3f / %.3f / %.3f ms); %d not found\n"
                "    %d started late\n",
                what, run.dues.size(), percentile(d, 0.5), percentile(d, 0.99), percentile(d, 1.0),
                percentile(d, 0.5) * 1000 / rate, percentile(d, 0.99) * 1000 / rate, percentile(d, 1.0) * 1000 / rate,
                missingDue, run.dues.size(), percentile(e, 0.5), percentile(e, 0.99), percentile(e, 1.0),
                percentile(e, 0.5) * 1000 / rate, percentile(e, 0.99) * 1000 / rate, percentile(e, 1.0) * 1000 / rate,
                missing, run.late);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList const args = app.arguments();
    int plays = 1000;
    int const at = int(args.indexOf("--plays"));
    if (at >= 0 && at + 1 < args.size())
        plays = std::max(10, args[at + 1].toInt());
    int kRounds = 20;
    int const roundsAt = int(args.indexOf("--rounds"));
    if (roundsAt >= 0 && roundsAt + 1 < args.size())
        kRounds = std::max(1, args[roundsAt + 1].toInt());
    AudioEngine& engine = AudioEngine::instance();
    if (args.contains("--silent"))
        engine.setForceSilent(true);

    QString resources = QString::fromLocal8Bit(qgetenv("TICKWREN_RESOURCE_DIR"));
    if (resources.isEmpty())
        resources = QStringLiteral(TW_BUILD_RESOURCE_DIR);
    int const stringsAt = int(args.indexOf("--listen-strings"));
    if (stringsAt >= 0) {
        QString const prefix = args.value(stringsAt + 1);
        int const pitch = args.value(stringsAt + 2, "440").toInt();
        QVector<InstrumentSamples::Sample> notes;
        for (InstrumentSamples::Sample const& s : InstrumentSamples::all())
            if (s.prefix == prefix && s.pitch == pitch)
                notes << s;
        if (notes.isEmpty()) {
            std::fprintf(stderr, "no notes named %s_%d_*.mp3\n", qPrintable(prefix), pitch);
            return 1;
        }
        std::sort(notes.begin(), notes.end(), [](auto const& a, auto const& b) { return a.midi < b.midi; });
        for (InstrumentSamples::Sample const& s : notes) {
            std::printf("%s (%.2f Hz)\n", qPrintable(s.fileName()), s.frequency());
            std::fflush(stdout);
            playAndForget(QDir(resources).filePath(s.fileName()));
            wait(int(InstrumentSamples::kSeconds * 1000) + 300);
        }
        waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 3000);
        std::printf("played through %s\n",
                    engine.isSilent() ? "the silent clock (no sound device)" : qPrintable(engine.deviceName()));
        return 0;
    }

    QString const tick = QDir(resources).filePath("tick.wav");
    QString const bell = QDir(resources).filePath("bell.wav");
    if (!QFile::exists(tick) || !QFile::exists(bell)) {
        std::fprintf(stderr, "tick.wav or bell.wav not found in %s\n", qPrintable(resources));
        return 1;
    }
    if (args.contains("--listen")) {
        for (int beat = 0; beat < 16; ++beat) {
            playAndForget(beat % 4 == 0 ? bell : tick);
            wait(600);
        }
        waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 3000);
        std::printf("played 16 beats through %s\n",
                    engine.isSilent() ? "the silent clock (no sound device)" : qPrintable(engine.deviceName()));
        return 0;
    }

    QTemporaryDir dir;
    // Long enough to sound through the whole measurement; 44.1 kHz stereo so
    // that the mixer converts the rate as well.
    QString const longTone = dir.filePath("long.wav");
    TestTone::writeWav(longTone, 44100 * 10, 44100, 2, 330.0, 0.3);
    QString const click = dir.filePath("click.wav");
    TestTone::writeClick(click, 8);
    // Silence for as long as the placement runs take.
    QString const hold = dir.filePath("hold.wav");
    TestTone::writeWavOf(hold, std::int64_t(48000) * (plays / 10 + 30), 48000, 1, [](std::int64_t) { return 0.0; });

    // 1. Placement, on a null sink of the benchmark's own, or the silent clock.
    PrivateSoundServer server;
    SinkRecorder recorder;
    {
        bool recording = false;
        if (!engine.isForcedSilent() && server.start()) {
            qputenv("PULSE_SERVER", server.address().toUtf8());
            qunsetenv("TICKWREN_SILENT_AUDIO");
            recording = recorder.start(server.address().toUtf8());
        }
        if (!recording)
            engine.setForceSilent(true);
        // A silent voice sounding throughout keeps the silent clock running,
        // so that every placement is on one stretch of its frames.
        NativeAudioPlayer keepAlive;
        keepAlive.setMedia(hold);
        keepAlive.setVolume(0);
        keepAlive.play();
        engine.prepare();
        waitFor([&] { return recording ? !engine.isSilent() : true; }, 5000);
        // A null sink that had no stream yet holds the first one back for up
        // to two seconds; the stream's clock settles after that.
        wait(3500);
        int const rate = engine.mixer().outputRate();
        if (recording)
            std::printf("output: PulseAudio null sink (\"%s\"), %d Hz, recorded from its monitor\n",
                        qPrintable(engine.deviceName()), rate);
        else
            std::printf("output: silent clock at %d Hz, starts from the engine's own record\n", rate);

        PlacementRun withDue = placeClicks(click, plays, true, recording ? &recorder : nullptr);
        PlacementRun plain = placeClicks(click, plays, false, recording ? &recorder : nullptr);
        std::printf("each click with a due time asked for %lld to %lld ms before it is due (the engine renders up to "
                    "about 50 ms ahead)\n",
                    static_cast<long long>(kAskAheadMinNs / 1000000), static_cast<long long>(kAskAheadMaxNs / 1000000));
        reportPlacement("placement, play with a due time", withDue, rate);
        reportPlacement("placement, plain play() at the due moment (the alternative)", plain, rate);
        std::printf("constant latency: %.1f ms from the due time to the sound's place in the stream",
                    double(AudioEngine::kPlacementLatencyNs) / 1e6);
        if (recording)
            std::printf(", then %.1f ms in the stream's buffer before the sink: %.1f ms in all\n",
                        double(AudioEngine::deviceBufferNs()) / 1e6,
                        double(AudioEngine::kPlacementLatencyNs + AudioEngine::deviceBufferNs()) / 1e6);
        else
            std::printf("\n");
        keepAlive.stop();
        recorder.stop();
    }

    // 2. Twelve players at once.
    {
        long const rssBefore = statusKb("VmRSS:");
        std::vector<NativeAudioPlayer*> players;
        for (int i = 0; i < 12; ++i) {
            auto* p = new NativeAudioPlayer(&app);
            p->setMedia(longTone);
            p->setVolume(0.3 + 0.05 * i);
            p->setBalance(-1.0f + 2.0f * float(i) / 11.0f);
            p->play();
            players.push_back(p);
        }
        wait(200);
        double const cpu0 = processCpuSeconds();
        std::int64_t const thread0 = engine.threadCpuNs();
        QElapsedTimer wall;
        wall.start();
        int minActive = 12;
        for (int i = 0; i < 50; ++i) {
            wait(100);
            minActive = std::min(minActive, engine.mixer().activeCount());
        }
        double const seconds = wall.elapsed() / 1000.0;
        double const cpu = (processCpuSeconds() - cpu0) / seconds * 100.0;
        double const thread = double(engine.threadCpuNs() - thread0) / 1e9 / seconds * 100.0;
        std::printf("12 players (44.1 kHz stereo, converted) for %.1f s: at least %d sounding; CPU %.2f%% of one core "
                    "(engine thread %.2f%%); RSS %ld kB (+%ld kB for the players and their sound)\n",
                    seconds, minActive, cpu, thread, statusKb("VmRSS:"), statusKb("VmRSS:") - rssBefore);
        for (NativeAudioPlayer* p : players)
            delete p;
    }
    TickwrenAudio::DecodedSoundCache::clear();
    playAndForget(tick);
    waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 3000);

    // 3. A thousand one-shot players, played and failed, several rounds: the
    // first rounds may still grow containers to their working size; after
    // that nothing may be left behind per play.
    auto thousands = [&](char const* what, QString const& path) {
        wait(100);
        Snapshot const start = Snapshot::take(true);
        Snapshot last = start;
        std::vector<long> deltas;
        deltas.reserve(std::size_t(kRounds)); // nothing of the benchmark's own may grow between snapshots
        int peak = 0;
        bool drained = true;
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < 1000; ++i) {
                playAndForget(path);
                peak = std::max(peak, NativeAudioPlayerInternal::instanceCount());
                if (i % 50 == 49)
                    wait(20);
            }
            drained = waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 10000) && drained;
            wait(100);
            Snapshot const now = Snapshot::take(round == kRounds - 1);
            deltas.push_back(now.heapBytes - last.heapBytes);
            last = now;
        }
        QString text;
        for (long d : deltas)
            text += QString(" %1%2").arg(d >= 0 ? "+" : "").arg(d);
        std::printf("%d x 1000 one-shot players, %s: up to %d alive at once; afterwards %d players, %d voices "
                    "(before: %d, %d); heap change per round (B):%s; RSS %ld -> %ld kB%s\n",
                    kRounds, what, peak, last.players, last.voices, start.players, start.voices, qPrintable(text),
                    start.rssKb, last.rssKb, drained ? "" : "  NOT DRAINED");
    };
    thousands("tick.wav", tick);
    thousands("missing file", dir.filePath("missing.wav"));
    return 0;
}
