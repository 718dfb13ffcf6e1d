// Measures the audio engine as the metronome uses it:
//  1. latency from play() to the first sample of that sound leaving the mixer;
//  2. CPU and memory while 12 players sound at once;
//  3. what 1000 one-shot players (played and missing files) leave behind.
//
// Usage: tw-bench-audio [--silent] [--plays N] [--rounds N] [--listen]
// --silent runs the silent clock even when a sound device is there;
// --listen only plays four bars of the metronome (bell and three ticks at
// 100 beats per minute) to check by ear that sound comes out.
#include "TestSupport/TestTone.h"
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
#include <cstdio>
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

    // Warm up: start the engine and fill the decode cache, as a running
    // metronome has long done before the figures that matter.
    engine.mixer().setLatencyRecording(true);
    playAndForget(tick);
    playAndForget(bell);
    waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 3000);
    TickwrenAudio::OutputFormat const format = engine.outputFormat();
    if (engine.isSilent())
        std::printf("output: silent clock at %d Hz\n", engine.mixer().outputRate());
    else
        std::printf("output: device \"%s\", %d Hz, %d channels, %d-byte samples, 20 ms buffer asked\n",
                    qPrintable(engine.deviceName()), format.sampleRate, format.channels, format.bytesPerSample());

    std::vector<std::int64_t> const first = engine.mixer().takeLatencySamples();
    if (!first.empty())
        std::printf("first play, which opens the output: %.2f ms\n", double(first.front()) / 1e6);

    // 1. Latency.
    for (int i = 0; i < plays; ++i) {
        playAndForget(tick);
        // Irregular spacing, so that plays fall anywhere in the mixer's period.
        wait(5 + int(QRandomGenerator::global()->bounded(15)));
    }
    waitFor([] { return NativeAudioPlayerInternal::instanceCount() == 0; }, 5000);
    std::vector<double> ms;
    for (std::int64_t ns : engine.mixer().takeLatencySamples())
        ms.push_back(double(ns) / 1e6);
    std::printf(
        "latency play() -> first sample out of the mixer, %zu plays: median %.2f ms, p99 %.2f ms, max %.2f ms\n",
        ms.size(), percentile(ms, 0.5), percentile(ms, 0.99), percentile(ms, 1.0));

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
    engine.mixer().setLatencyRecording(false);
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
