// Runs the metronome page as the program does, on the offscreen platform, and
// measures what a listener hears: the program's sound goes to a PulseAudio
// null sink of the benchmark's own and is recorded from its monitor. The
// engine keeps a record of every beat it rendered (its frame, its sound); the
// recording is aligned to that record once, and each sound is then looked for
// at its expected place by its own samples (SinkRecorder::matchSounds), so a
// sound that is not there is "missing", a sound that no beat explains is
// "doubled", and a tick under a ringing bell counts like any other. The real
// tick and bell of the build's resource folder are played (--clicks: clicks
// of the benchmark's own instead).
//
// Parts, one after the other: at 38 bpm from the program's start (its first
// bar included); with the GUI thread held for 30 ms, for 300 ms and for 3 s at
// random moments; a resize storm (the window resized every 100 ms, as a user
// dragging a corner); a quiet part whose processor time is measured; then a
// change to 208 bpm (first bar included) and the same parts again. For each
// part: the spread (max - min) of the intervals between consecutive beats as
// recorded, their median against the asked interval, and the sounds placed
// late, missing and doubled. Besides: the longest time one resize held the
// GUI thread, the processor time of the program over each quiet part (the
// recorder's own threads left out), the time to the first paint and the
// resident memory.
//
//   bench_metronome [--seconds S] [--ticks N] [--bpm B] [--storm-seconds S]
//                   [--cpu-seconds S] [--memory-after S] [--clicks]
//   bench_metronome --memory [S]
// --seconds is the length of each part at 38 bpm (default 30; the first is
// half as long again), --ticks the ticks of each part at the new tempo
// (default 105, about 30 s at 208 bpm), --bpm the new tempo (39 to 208),
// --storm-seconds the length of each resize storm (default 30), --cpu-seconds
// that of each quiet part (default 30), --memory-after when the resident
// memory is read after the change (default 60, 0: not read).
// --memory runs the program's own start-up instead (fresh home folder, real
// sounds, on an X display: a virtual one of its own when none is set), sets
// 208 bpm and prints the resident memory after S (default 60) seconds of
// ticking, with its parts and the aim.
// Without pulseaudio the sound goes to the silent clock and only the engine's
// own record, the resizes and the processor time are reported.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/frame/App.h"
#include "app/MainPageStartup.h"
#include "app/Startup.h"
#include "app/TickwrenStyle.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"
#include "platform/audio/DecodedSound.h"

#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/ProcessMemory.h"
#include "TestSupport/SinkRecorder.h"
#include "TestSupport/TestTone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFutureWatcherBase>
#include <QMetaEnum>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <sched.h>
#include <set>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using TickwrenAudio::RenderedBeat;

constexpr int kRate = 48000;
// What every part aims at.
constexpr double kSpreadAimFrames = 2.0;
constexpr double kMedianAimPpm = 100.0;
constexpr double kResizeAimMs = 16.0;
// Processor time of the program per 30 s of ticking, at 38 bpm and at 208 bpm.
constexpr double kCpuAim38S = 0.30;
constexpr double kCpuAimFastS = 0.35;

// Milliseconds since the process started, from the kernel's record of its
// start (clock-tick resolution, usually 10 ms).
double msSinceProcessStart()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    QByteArray const line = stat.readAll();
    // Field 22 (start time); fields after the command name, which may hold blanks.
    QList<QByteArray> const fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    double const startTicks = fields.at(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    double const nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

double percentile(std::vector<double> sorted, double p)
{
    if (sorted.empty())
        return 0;
    std::sort(sorted.begin(), sorted.end());
    std::size_t const i = std::min(sorted.size() - 1, std::size_t(std::ceil(p * sorted.size())) - 1);
    return sorted[i];
}

QString loadAverage()
{
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    return QString::asprintf("%.2f %.2f %.2f", load[0], load[1], load[2]);
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            // Measured when the paint has been handled and the loop is free again.
            QTimer::singleShot(0, [this] {
                m_fFromMain = m_timer.nsecsElapsed() / 1e6;
                m_fFromStart = msSinceProcessStart();
            });
        }
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer m_timer;
    bool m_bSeen = false;
    double m_fFromMain = -1;
    double m_fFromStart = -1;
};

// ---------------------------------------------------------------------------
// Processor time of each thread of the process.

std::int64_t threadCpuNs(int tid)
{
    // The kernel's per-thread CPU clock of any thread of this process.
    clockid_t const clock = clockid_t((~unsigned(tid) << 3) | 6u);
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0)
        return 0;
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

std::int64_t processCpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (std::int64_t(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000
           + (std::int64_t(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000;
}

struct CpuSnapshot
{
    std::int64_t processNs = 0;
    std::map<int, std::pair<QString, std::int64_t>> threads; // tid: name, CPU
    std::map<int, long> switches;                            // tid: voluntary context switches (its waits)
};

long voluntarySwitches(int tid)
{
    QFile status(QStringLiteral("/proc/self/task/%1/status").arg(tid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLong();
    return 0;
}

CpuSnapshot cpuSnapshot()
{
    CpuSnapshot s;
    s.processNs = processCpuNs();
    for (QString const& entry : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        int const tid = entry.toInt();
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(tid));
        QString name = comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : QString();
        s.threads[tid] = {name, threadCpuNs(tid)};
        s.switches[tid] = voluntarySwitches(tid);
    }
    return s;
}

std::set<int> threadIds()
{
    std::set<int> ids;
    for (auto const& t : cpuSnapshot().threads)
        ids.insert(t.first);
    return ids;
}

// ---------------------------------------------------------------------------
// Where the time goes on a loaded machine: how long the engine's thread and
// the sound server's threads were ready to run but waited for a processor
// (the kernel's schedstat: time on a processor, time waiting for one, turns).

struct Waiting
{
    std::int64_t waitedNs = 0;
    std::int64_t turns = 0;
};

bool readSchedstat(QString const& path, std::int64_t* waitedNs, std::int64_t* turns)
{
    QFile stat(path);
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> const fields = stat.readAll().trimmed().split(' ');
    if (fields.size() < 3)
        return false;
    *waitedNs = fields.at(1).toLongLong();
    *turns = fields.at(2).toLongLong();
    return true;
}

int engineTid()
{
    for (QString const& entry : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(entry));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "TickwrenAudio")
            return entry.toInt();
    }
    return -1;
}

Waiting engineWaiting()
{
    Waiting w;
    if (int const tid = engineTid(); tid > 0)
        readSchedstat(QStringLiteral("/proc/self/task/%1/schedstat").arg(tid), &w.waitedNs, &w.turns);
    return w;
}

// The sound server's threads by name (its main thread carries the program's
// name).
std::map<QString, Waiting> serverWaiting(qint64 pid)
{
    std::map<QString, Waiting> threads;
    QString const tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (QString const& entry : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks + QLatin1Char('/') + entry + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        std::int64_t waited = 0, turns = 0;
        if (readSchedstat(tasks + QLatin1Char('/') + entry + QStringLiteral("/schedstat"), &waited, &turns)) {
            Waiting& w = threads[QString::fromUtf8(comm.readAll().trimmed())];
            w.waitedNs += waited;
            w.turns += turns;
        }
    }
    return threads;
}

QString schedulingOf(int tid)
{
    int const policy = sched_getscheduler(tid) & ~SCHED_RESET_ON_FORK;
    sched_param param{};
    sched_getparam(tid, &param);
    if (policy == SCHED_FIFO || policy == SCHED_RR)
        return QStringLiteral("real time (%1, priority %2)")
            .arg(policy == SCHED_FIFO ? QStringLiteral("FIFO") : QStringLiteral("round robin"))
            .arg(param.sched_priority);
    return QStringLiteral("normal priority");
}

// ---------------------------------------------------------------------------
// How long the GUI thread is held by each event it handles: every event of
// the GUI thread (but input, of which there is none) is delivered once more
// from inside this application-wide filter, between two readings of the
// clocks, and then counted as handled. Events sent while one is handled (the
// paint inside an update request) fall into the one around them.
class HoldTimer : public QObject
{
public:
    HoldTimer() { m_clock.start(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_bInside || !timed(event->type()))
            return false;
        // Named first: the receiver may be gone once it has handled the event
        // (a single-shot timer deletes itself).
        QString const what = QStringLiteral("%1 to %2")
                                 .arg(QLatin1String(QMetaEnum::fromType<QEvent::Type>().valueToKey(event->type())),
                                      QLatin1String(watched->metaObject()->className()));
        m_bInside = true;
        qint64 const wall = m_clock.nsecsElapsed();
        std::int64_t const cpu = guiCpuNs();
        QCoreApplication::instance()->notify(watched, event);
        double const wallMs = (m_clock.nsecsElapsed() - wall) / 1e6;
        double const cpuMs = (guiCpuNs() - cpu) / 1e6;
        m_bInside = false;
        m_fStepMs += wallMs;
        m_fStepCpuMs += cpuMs;
        m_lByKind[what].push_back(wallMs);
        m_lLongest.push_back({wallMs, cpuMs, what, int(m_lStepMs.size())});
        std::sort(m_lLongest.rbegin(), m_lLongest.rend());
        if (m_lLongest.size() > 5)
            m_lLongest.pop_back();
        if (wallMs > m_fLongestMs) {
            m_fLongestMs = wallMs;
            m_fLongestCpuMs = cpuMs;
            m_sLongest = what;
        }
        return true;
    }

    // A resize begins: what was handled since the last one belongs to it.
    void nextStep()
    {
        if (m_bStepOpen) {
            m_lStepMs.push_back(m_fStepMs);
            m_lStepCpuMs.push_back(m_fStepCpuMs);
        }
        m_bStepOpen = true;
        m_fStepMs = 0;
        m_fStepCpuMs = 0;
    }

    static std::int64_t guiCpuNs()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }

    std::vector<double> m_lStepMs;
    std::vector<double> m_lStepCpuMs;
    double m_fLongestMs = 0;
    double m_fLongestCpuMs = 0;
    QString m_sLongest;
    struct Event
    {
        double ms;
        double cpuMs;
        QString what;
        int step;
        bool operator<(Event const& o) const { return ms < o.ms; }
    };
    std::vector<Event> m_lLongest;
    // Wall times of each kind of event (type and receiver).
    std::map<QString, std::vector<double>> m_lByKind;

private:
    static bool timed(QEvent::Type type)
    {
        switch (type) {
        case QEvent::Timer:
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::UpdateLater:
        case QEvent::LayoutRequest:
        case QEvent::Expose:
        case QEvent::MetaCall:
        case QEvent::FutureCallOut:
        case QEvent::SockAct:
        case QEvent::Polish:
        case QEvent::PolishRequest:
            return true;
        default:
            return false;
        }
    }

    QElapsedTimer m_clock;
    bool m_bInside = false;
    bool m_bStepOpen = false;
    double m_fStepMs = 0;
    double m_fStepCpuMs = 0;
};

// Counts what reaches the metronome during a resize storm.
class ResizeCount : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_bOn && event->type() == QEvent::Resize)
            ++m_nResizes;
        return QObject::eventFilter(watched, event);
    }
    bool m_bOn = false;
    int m_nResizes = 0;
};

// ---------------------------------------------------------------------------
// The parts of the run and what was heard in each.

struct Part
{
    QString name;
    std::int64_t beginNs = 0;
    std::int64_t endNs = -1;
    int holdMs = 0; // the GUI thread held this long at random moments
    bool storm = false;
    bool quiet = false; // its processor time is measured
    bool first = false; // its first intervals are listed
    int holds = 0;
    // Processor time over the part.
    CpuSnapshot cpuBefore;
    CpuSnapshot cpuAfter;
    std::int64_t engineCpuBefore = 0; // AudioEngine::threadCpuNs()
    std::int64_t engineCpuAfter = 0;
    // Time waiting for a processor over the part.
    Waiting engineBefore, engineAfter;
    std::map<QString, Waiting> serverBefore, serverAfter;
    // Resizes.
    int resizes = 0;
    int resizeEvents = 0;
    int rescaled = 0;
    double settledMs = -1; // until the pictures were scaled for the last size
    HoldTimer* holdTimes = nullptr;
};

// The asked interval of each series in frames: the tempo's whole
// milliseconds, whichever of the two tempos is nearer to the engine's own
// distances.
std::map<std::uint64_t, double> askedPerSeries(std::vector<RenderedBeat> const& beats, int intervalA, int intervalB)
{
    std::map<std::uint64_t, std::vector<double>> distances;
    for (std::size_t k = 1; k < beats.size(); ++k)
        if (beats[k].series == beats[k - 1].series && beats[k].index == beats[k - 1].index + 1)
            distances[beats[k].series].push_back(double(beats[k].frame - beats[k - 1].frame));
    std::map<std::uint64_t, double> asked;
    for (auto const& d : distances) {
        double const median = percentile(d.second, 0.5);
        double const a = intervalA * kRate / 1000.0;
        double const b = intervalB * kRate / 1000.0;
        asked[d.first] = std::fabs(median - a) <= std::fabs(median - b) ? a : b;
    }
    return asked;
}

// Prints one part's figures; true when it meets every aim.
bool reportPart(Part const& part, std::vector<RenderedBeat> const& beats, SinkRecorder::SoundMatch const* match,
                std::map<std::uint64_t, double> const& asked, std::vector<int> const& extraBeat)
{
    auto const inPart = [&](std::size_t k) {
        return beats[k].heardNs >= part.beginNs && (part.endNs < 0 || beats[k].heardNs < part.endNs);
    };
    int count = 0, sounded = 0, late = 0, missing = 0, gaps = 0, unrecorded = 0, doubled = 0;
    std::vector<double> heard, engine, firstMs;
    double askedFrames = 0;
    for (std::size_t k = 0; k < beats.size(); ++k) {
        if (!inPart(k))
            continue;
        RenderedBeat const& b = beats[k];
        ++count;
        sounded += b.sound >= 0;
        late += b.late;
        std::int64_t const at = match ? match->at[k] : SinkRecorder::SoundMatch::kNotExpected;
        if (match && b.sound >= 0) {
            missing += at == SinkRecorder::SoundMatch::kNotFound;
            unrecorded += at == SinkRecorder::SoundMatch::kPastRecording;
        }
        if (k == 0 || beats[k - 1].series != b.series)
            continue;
        // The engine's own record: a beat of the series that was never rendered.
        if (b.index > beats[k - 1].index + 1)
            gaps += int(b.index - beats[k - 1].index - 1);
        if (b.index != beats[k - 1].index + 1)
            continue;
        askedFrames = asked.count(b.series) ? asked.at(b.series) : 0;
        engine.push_back(double(b.frame - beats[k - 1].frame));
        std::int64_t const before = match ? match->at[k - 1] : -1;
        if (at >= 0 && before >= 0) {
            heard.push_back(double(at - before));
            if (part.first && firstMs.size() < 4)
                firstMs.push_back(double(at - before) * 1000.0 / kRate);
        }
    }
    for (int k : extraBeat)
        doubled += k >= 0 && inPart(std::size_t(k));
    missing += gaps;

    std::printf("  %s: %d beats, %d with a sound", qPrintable(part.name), count, sounded);
    if (part.holds > 0)
        std::printf("; the GUI thread held %d times for %d ms", part.holds, part.holdMs);
    std::printf("\n");
    std::vector<double> const& measured = match ? heard : engine;
    bool ok = late == 0 && missing == 0 && doubled == 0;
    if (measured.empty() || askedFrames <= 0) {
        std::printf("      no intervals\n");
        return false;
    }
    auto const [lo, hi] = std::minmax_element(measured.begin(), measured.end());
    double const median = percentile(measured, 0.5);
    double const ppm = (median - askedFrames) / askedFrames * 1e6;
    ok = ok && *hi - *lo <= kSpreadAimFrames && std::fabs(ppm) <= kMedianAimPpm;
    std::printf("      %s, %zu intervals: spread %.0f frames (%.3f ms), median %+.1f frames against %.0f (%+.0f ppm); "
                "late %d, missing %d, doubled %d: %s\n",
                match ? "recorded" : "the engine's record (no recording)", measured.size(), *hi - *lo,
                (*hi - *lo) * 1000.0 / kRate, median - askedFrames, askedFrames, ppm, late, missing, doubled,
                ok ? "aims met" : "AIMS NOT MET");
    if (match) {
        auto const [elo, ehi] = std::minmax_element(engine.begin(), engine.end());
        std::printf("      the engine's own frames: spread %.0f frames", engine.empty() ? 0.0 : *ehi - *elo);
        if (gaps > 0)
            std::printf(", %d beats of a series never rendered", gaps);
        if (unrecorded > 0)
            std::printf(", %d sounds after the recording's end", unrecorded);
        std::printf("\n");
    }
    if (!firstMs.empty()) {
        std::printf("      the first intervals (ms):");
        for (double ms : firstMs)
            std::printf(" %.3f", ms);
        std::printf("\n");
    }
    return ok;
}

void reportStorm(Part const& part)
{
    HoldTimer const& h = *part.holdTimes;
    double const maxStep = percentile(h.m_lStepMs, 1.0);
    double const maxStepCpu = percentile(h.m_lStepCpuMs, 1.0);
    std::printf("  %s: %d resizes, %d resize events reached the metronome, pictures rescaled %d times\n",
                qPrintable(part.name), part.resizes, part.resizeEvents, part.rescaled);
    std::printf("      GUI thread per resize (every event it handled until the next resize: the resize, its paint, "
                "new pictures): median %.2f ms, p99 %.2f ms, max %.2f ms (processor time of the longest %.2f ms) "
                "(aim: <= %.0f ms) %s\n",
                percentile(h.m_lStepMs, 0.5), percentile(h.m_lStepMs, 0.99), maxStep, maxStepCpu, kResizeAimMs,
                maxStep <= kResizeAimMs ? "met" : "NOT MET");
    std::printf("      longest single event: %.2f ms (processor time %.2f ms), %s\n", h.m_fLongestMs, h.m_fLongestCpuMs,
                qPrintable(h.m_sLongest));
    // The kinds of event that took longest.
    std::vector<std::pair<double, QString>> kinds;
    for (auto const& [what, times] : h.m_lByKind)
        kinds.push_back({percentile(times, 1.0), what});
    std::sort(kinds.rbegin(), kinds.rend());
    for (std::size_t k = 0; k < kinds.size() && k < 4; ++k) {
        std::vector<double> const& times = h.m_lByKind.at(kinds[k].second);
        std::printf("        %s: %zu, median %.2f ms, max %.2f ms\n", qPrintable(kinds[k].second), times.size(),
                    percentile(times, 0.5), kinds[k].first);
    }
    std::printf("      the longest events:");
    for (HoldTimer::Event const& e : h.m_lLongest)
        std::printf(" %.2f ms (processor %.2f ms, resize %d),", e.ms, e.cpuMs, e.step);
    std::printf("\n");
    if (part.settledMs >= 0)
        std::printf("      pictures for the last size ready %.0f ms after the storm\n", part.settledMs);
    else
        std::printf("      pictures for the last size NOT ready 20 s after the storm\n");
}

// The processor time of the part: the whole process, the recorder's threads
// left out, per thread, per 30 s.
void reportCpu(Part const& part, std::set<int> const& recorderThreads, double aimS)
{
    double const seconds = (part.endNs - part.beginNs) / 1e9;
    double const per30 = 30.0 / seconds;
    double const process = (part.cpuAfter.processNs - part.cpuBefore.processNs) / 1e9;
    double recorder = 0, gui = 0, engine = 0;
    double guiWaits = 0, engineWaits = 0;
    std::map<QString, double> others;
    for (auto const& [tid, after] : part.cpuAfter.threads) {
        auto const before = part.cpuBefore.threads.find(tid);
        double const used = (after.second - (before == part.cpuBefore.threads.end() ? 0 : before->second.second)) / 1e9;
        auto const waitsBefore = part.cpuBefore.switches.find(tid);
        double const waits = double(part.cpuAfter.switches.at(tid)
                                    - (waitsBefore == part.cpuBefore.switches.end() ? 0 : waitsBefore->second))
                             / seconds;
        if (recorderThreads.count(tid)) {
            recorder += used;
        } else if (tid == getpid()) {
            gui += used;
            guiWaits = waits;
        } else if (after.first == QLatin1String("TickwrenAudio")) {
            engine += used;
            engineWaits = waits;
        } else
            others[after.first] += used;
    }
    double const program = process - recorder;
    std::printf("  %s: processor time of the program over %.1f s: %.3f s, %.3f s per 30 s (%.2f %% of a core) "
                "(aim: <= %.2f s per 30 s) %s\n",
                qPrintable(part.name), seconds, program, program * per30, program / seconds * 100, aimS,
                program * per30 <= aimS ? "met" : "NOT MET");
    std::printf("      whole process %.3f s, the benchmark's recorder (left out) %.3f s; GUI thread %.3f s, engine "
                "thread %.3f s",
                process, recorder, gui, engine);
    double listed = gui + engine;
    for (auto const& [name, used] : others) {
        if (used >= 0.0005)
            std::printf(", %s %.3f s", qPrintable(name), used);
        listed += used;
    }
    std::printf(", threads gone meanwhile %.3f s\n", std::max(0.0, program - listed));
    std::printf("      the engine's thread by its own count (AudioEngine::threadCpuNs): %.3f s; wake-ups a second: "
                "engine thread %.0f, GUI thread %.0f\n",
                (part.engineCpuAfter - part.engineCpuBefore) / 1e9, engineWaits, guiWaits);
}

// One channel of a sound file as the engine decodes it.
std::vector<float> soundSamples(QString const& path)
{
    TickwrenAudio::SoundPtr const sound = TickwrenAudio::DecodedSoundCache::decode(path);
    std::vector<float> samples;
    if (!sound || sound->channels < 1)
        return samples;
    for (std::int64_t i = 0; i < sound->frames; ++i)
        samples.push_back(sound->samples[std::size_t(i * sound->channels)]);
    return samples;
}

} // namespace

// The memory the running program may use after a minute of ticking at 208 bpm.
constexpr double kMemoryAimMB = 100.0;

// One line of /proc/self/status in KiB ("VmRSS", "RssAnon", "RssFile"); -1 when missing.
long statusKiB(QByteArray const& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return -1;
}

// A virtual X display of the benchmark's own; empty when none can be started.
QString startVirtualDisplay(QProcess* xvfb)
{
    // The server picks a free display number and writes it to its output.
    xvfb->start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!xvfb->waitForStarted(5000))
        return {};
    QByteArray number;
    QElapsedTimer waited;
    waited.start();
    while (!number.contains('\n') && waited.elapsed() < 10000 && xvfb->waitForReadyRead(10000))
        number += xvfb->readAllStandardOutput();
    return number.trimmed().isEmpty() ? QString() : QStringLiteral(":") + QString::fromLatin1(number.trimmed());
}

// The program as a user starts it: its start-up, a fresh home folder, the real
// tick and bell, a window on an X display. The resident memory after `seconds`
// of ticking at 208 bpm, against the aim.
int measureMemory(int argc, char** argv, int seconds)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(".local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(".cache")));
    QProcess xvfb;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        QString const display = startVirtualDisplay(&xvfb);
        if (display.isEmpty()) {
            std::printf("no X display and no Xvfb: measured on the offscreen platform\n");
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else {
            qputenv("DISPLAY", display.toLatin1());
        }
    }
    PrivateSoundServer server;
    if (server.start()) {
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
    } else {
        std::printf("no pulseaudio to start: the sound runs on the silent clock\n");
    }

    Startup::prepareApplication();
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    long rssKiB = -1;
    long anonKiB = -1;
    long fileKiB = -1;
    // Once the page is up (the event loop runs from its first paint on).
    QTimer::singleShot(1000, &app, [&] {
        auto* page = qobject_cast<RADarir::MetronomeMainPage*>(app.mainWidget());
        if (!page) {
            std::printf("the metronome page did not come up\n");
            app.exit(1);
            return;
        }
        page->metronome()->controls()->setInterval(208);
        QTimer::singleShot(seconds * 1000, &app, [&] {
            rssKiB = statusKiB("VmRSS");
            anonKiB = statusKiB("RssAnon");
            fileKiB = statusKiB("RssFile");
            app.quit();
        });
    });
    int const result = Startup::run(app);
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }
    if (result != 0 || rssKiB < 0)
        return 1;
    double const mb = rssKiB * 1024.0 / 1e6;
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("platform %s, load average %.2f %.2f %.2f\n", qPrintable(QGuiApplication::platformName()), load[0],
                load[1], load[2]);
    std::printf("resident memory after %d s of ticking at 208 bpm: %.1f MB (aim: <= %.0f MB) %s\n", seconds, mb,
                kMemoryAimMB, mb <= kMemoryAimMB ? "met" : "NOT MET");
    std::printf("  of which anonymous (heap and stacks) %.1f MB, mapped files (libraries) %.1f MB\n",
                anonKiB * 1024.0 / 1e6, fileKiB * 1024.0 / 1e6);
    return 0;
}

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--memory") == 0)
            return measureMemory(argc, argv, i + 1 < argc ? std::max(1, atoi(argv[i + 1])) : 60);

    // Line by line, so that the engine's messages fall where they happened.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    FirstPaint firstPaint;
    firstPaint.m_timer.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    int seconds38 = 30;
    int ticks = 105;
    int bpm = 208;
    int stormSeconds = 30;
    int cpuSeconds = 30;
    int memoryAfterS = 60;
    bool ownClicks = false;
    for (int i = 1; i < argc; ++i) {
        bool const hasValue = i + 1 < argc;
        if (qstrcmp(argv[i], "--clicks") == 0)
            ownClicks = true;
        else if (qstrcmp(argv[i], "--seconds") == 0 && hasValue)
            seconds38 = std::max(5, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--ticks") == 0 && hasValue)
            ticks = std::max(8, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--bpm") == 0 && hasValue)
            bpm = std::clamp(atoi(argv[++i]), 39, 208);
        else if (qstrcmp(argv[i], "--storm-seconds") == 0 && hasValue)
            stormSeconds = std::max(1, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--cpu-seconds") == 0 && hasValue)
            cpuSeconds = std::max(1, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--memory-after") == 0 && hasValue)
            memoryAfterS = std::max(0, atoi(argv[++i]));
    }

    // Clicks of the benchmark's own in place of the tick and the bell, from a
    // resource folder of its own; otherwise the build's real sounds.
    QTemporaryDir clicks;
    if (ownClicks) {
        TestTone::writeClick(clicks.filePath("tick.wav"), 10);
        TestTone::writeClick(clicks.filePath("bell.wav"), 10);
        qputenv("TICKWREN_RESOURCE_DIR", QFile::encodeName(clicks.path()));
    }

    // The program's own start-up: application object, style sheet, page.
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    app.setStyleSheet(TickwrenStyle().m_sStyleSheet);
    QString const resources = app.bundleResourcePath();
    std::vector<std::vector<float>> const sounds{soundSamples(resources + "tick.wav"),
                                                 soundSamples(resources + "bell.wav")};
    std::printf("load average at the start %s; platform %s; sounds %s from %s\n", qPrintable(loadAverage()),
                qPrintable(QGuiApplication::platformName()),
                ownClicks ? "the benchmark's own clicks" : "the real tick.wav and bell.wav", qPrintable(resources));
    if (sounds[0].empty() || sounds[1].empty()) {
        std::printf("tick.wav or bell.wav cannot be read from %s\n", qPrintable(resources));
        return 1;
    }

    PrivateSoundServer server;
    SinkRecorder recorder;
    bool recording = false;
    std::set<int> recorderThreads;
    qint64 serverPid = -1;
    if (server.start()) {
        serverPid = server.processId();
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
        // Every thread that appears while the recorder starts is its own.
        std::set<int> const before = threadIds();
        recording = recorder.start(server.address().toUtf8());
        for (int tid : threadIds())
            if (!before.count(tid))
                recorderThreads.insert(tid);
    } else {
        std::printf("no pulseaudio to start: the sound runs on the silent clock, only the engine's record is "
                    "measured\n");
    }
    RADarir::MetronomeMainPage page;
    RADarir::Metronome* metronome = page.metronome();
    metronome->track().setHistory(true);
    metronome->installEventFilter(&firstPaint);
    ResizeCount resizeCount;
    metronome->installEventFilter(&resizeCount);
    MainPageStartup::sizeAndTitle(&page);
    MainPageStartup::showAndRegister(&page);
    int const interval38 = metronome->tickTimer().interval();
    int const intervalNew = RADarir::Metronome::intervalForTempo(bpm);
    int const partNewMs = ticks * intervalNew;

    // The parts, one after the other.
    std::vector<Part> parts;
    std::vector<int> durations;
    std::vector<std::unique_ptr<HoldTimer>> holdTimers;
    auto const addParts = [&](QString const& tempo, int partMs) {
        Part quiet;
        quiet.name = tempo + ", nothing else";
        quiet.quiet = true;
        parts.push_back(quiet);
        durations.push_back(cpuSeconds * 1000);
        Part held;
        held.name = tempo + ", GUI thread held for 30 ms at random moments";
        held.holdMs = 30;
        parts.push_back(held);
        durations.push_back(partMs);
        held.name = tempo + ", GUI thread held for 300 ms at random moments";
        held.holdMs = 300;
        parts.push_back(held);
        durations.push_back(partMs);
        held.name = tempo + ", GUI thread held for 3 s at random moments";
        held.holdMs = 3000;
        parts.push_back(held);
        durations.push_back(std::max(partMs, 12000));
        Part storm;
        storm.name = tempo + ", the window resized every 100 ms";
        storm.storm = true;
        holdTimers.push_back(std::make_unique<HoldTimer>());
        storm.holdTimes = holdTimers.back().get();
        parts.push_back(storm);
        durations.push_back(stormSeconds * 1000);
    };
    Part start;
    start.name = QStringLiteral("38 bpm from the program's start, first bar included");
    start.first = true;
    parts.push_back(start);
    durations.push_back(seconds38 * 1500);
    addParts(QStringLiteral("38 bpm"), seconds38 * 1000);
    std::size_t const changeAt = parts.size();
    Part change;
    change.name = QStringLiteral("%1 bpm from the change, first bar included").arg(bpm);
    change.first = true;
    parts.push_back(change);
    durations.push_back(partNewMs);
    addParts(QStringLiteral("%1 bpm").arg(bpm), partNewMs);

    // The GUI thread held at random moments.
    QTimer hold;
    hold.setSingleShot(true);
    std::size_t current = 0;
    auto const nextHold = [&] {
        int const ms = parts[current].holdMs;
        // Two to twenty holds' time between holds for the short ones; up to
        // two holds' time for the long one.
        int const gap = ms >= 3000 ? 1000 + int(QRandomGenerator::global()->bounded(5000))
                                   : ms * 2 + int(QRandomGenerator::global()->bounded(ms * 18));
        hold.start(gap);
    };
    QObject::connect(&hold, &QTimer::timeout, [&] {
        QThread::msleep(std::uint32_t(parts[current].holdMs));
        ++parts[current].holds;
        nextHold();
    });

    // The window resized every 100 ms, as a corner dragged slowly out and in.
    QTimer storm;
    storm.setTimerType(Qt::PreciseTimer);
    storm.setInterval(100);
    int stormStep = 0;
    QSize const startSize = page.size();
    QObject::connect(&storm, &QTimer::timeout, [&] {
        Part& part = parts[current];
        part.holdTimes->nextStep();
        ++part.resizes;
        ++stormStep;
        // Out by 24 pixels a step for 20 steps, then back.
        int const phase = stormStep % 40;
        int const grow = 24 * (phase < 20 ? phase : 40 - phase);
        page.resize(startSize.width() + grow, startSize.height() + grow * 4 / 3);
    });
    int rescaled = 0;
    QObject::connect(metronome, &RADarir::Metronome::picturesRescaled, [&] { ++rescaled; });

    long rssKiB = -1;
    std::function<void(std::size_t)> startPart;
    auto const endPart = [&](std::size_t i) {
        Part& part = parts[i];
        hold.stop();
        if (part.storm) {
            storm.stop();
            part.holdTimes->nextStep();
            app.removeEventFilter(part.holdTimes);
            resizeCount.m_bOn = false;
            part.resizeEvents = resizeCount.m_nResizes;
            part.rescaled = rescaled;
        }
        part.endNs = TickwrenAudio::AudioEngine::nowNs();
        part.engineAfter = engineWaiting();
        part.serverAfter = serverWaiting(serverPid);
        if (part.quiet) {
            part.cpuAfter = cpuSnapshot();
            part.engineCpuAfter = TickwrenAudio::AudioEngine::instance().threadCpuNs();
        }
        auto const next = [&startPart, &app, i, count = parts.size()] {
            if (i + 1 < count)
                startPart(i + 1);
            else
                // The last sounds through the sink and its monitor.
                QTimer::singleShot(1500, &app, &QCoreApplication::quit);
        };
        if (!part.storm) {
            next();
            return;
        }
        // The next part once the pictures are scaled for the last size (their
        // scaling is work a resize causes, not the ticking's).
        auto* settle = new QTimer(&app);
        auto* since = new QElapsedTimer;
        since->start();
        QObject::connect(settle, &QTimer::timeout, [settle, since, &part, metronome, next] {
            bool const ready = metronome->picturesScaled();
            if (!ready && since->elapsed() < 20000)
                return;
            part.settledMs = ready ? double(since->elapsed()) : -1;
            settle->deleteLater();
            delete since;
            next();
        });
        settle->start(20);
    };
    startPart = [&](std::size_t i) {
        current = i;
        Part& part = parts[i];
        if (i == changeAt) {
            // The tempo as the plus button would leave it.
            metronome->controls()->setInterval(bpm);
            if (memoryAfterS > 0)
                QTimer::singleShot(memoryAfterS * 1000, [&] { rssKiB = ProcessMemory::residentKiB(); });
        }
        part.beginNs = TickwrenAudio::AudioEngine::nowNs();
        part.engineBefore = engineWaiting();
        part.serverBefore = serverWaiting(serverPid);
        if (part.quiet) {
            part.cpuBefore = cpuSnapshot();
            part.engineCpuBefore = TickwrenAudio::AudioEngine::instance().threadCpuNs();
        }
        if (part.holdMs > 0)
            nextHold();
        if (part.storm) {
            resizeCount.m_nResizes = 0;
            resizeCount.m_bOn = true;
            rescaled = 0;
            app.installEventFilter(part.holdTimes);
            storm.start();
        }
        QTimer::singleShot(durations[i], &app, [&endPart, i] { endPart(i); });
    };
    startPart(0);
    parts[0].beginNs = 0; // from the program's start
    app.exec();
    recorder.stop();
    page.resize(startSize);

    std::vector<RenderedBeat> const beats = metronome->track().takeHistory();
    std::printf("load average at the end %s; sound through %s\n", qPrintable(loadAverage()),
                TickwrenAudio::AudioEngine::instance().isSilent()
                    ? "the silent clock"
                    : qPrintable(TickwrenAudio::AudioEngine::instance().deviceName()));
    std::printf("first paint: %.1f ms from process start, %.1f ms from main\n", firstPaint.m_fFromStart,
                firstPaint.m_fFromMain);
    std::printf("beats rendered by the engine: %lld, late %lld\n",
                static_cast<long long>(metronome->track().renderedCount()),
                static_cast<long long>(metronome->track().lateCount()));
    for (RenderedBeat const& b : beats)
        if (b.late)
            std::printf("  late: beat %lld of series %llu (%s), %.3f s after the start\n",
                        static_cast<long long>(b.index), static_cast<unsigned long long>(b.series),
                        b.sound < 0    ? "no sound"
                        : b.sound == 0 ? "tick"
                                       : "bell",
                        (b.heardNs - beats.front().heardNs) / 1e9 + interval38 / 1000.0);

    // Where every sound of the engine's record is in the recording.
    SinkRecorder::SoundMatch match;
    std::vector<int> extraBeat;
    if (recording) {
        std::vector<SinkRecorder::ExpectedSound> expected;
        for (RenderedBeat const& b : beats)
            expected.push_back({b.frame, b.sound});
        std::vector<std::int16_t> const left = recorder.left();
        match = SinkRecorder::matchSounds(left, expected, sounds);
        // Each doubled sound to the part of the beat found nearest before it.
        std::vector<std::pair<std::int64_t, int>> found;
        for (std::size_t k = 0; k < beats.size(); ++k)
            if (match.at[k] >= 0)
                found.push_back({match.at[k], int(k)});
        for (std::int64_t x : match.extra) {
            auto const it = std::upper_bound(found.begin(), found.end(), std::make_pair(x, int(beats.size())));
            extraBeat.push_back(it == found.begin() ? (found.empty() ? -1 : found.front().second)
                                                    : std::prev(it)->second);
        }
        std::printf("recorded from the null sink's monitor: %.1f s; aligned to the engine's record: %s, %d later "
                    "shifts of the stream against the recording; %zu sounds no beat explains\n",
                    double(left.size()) / kRate, match.aligned ? "yes" : "NO", match.shifts, match.extra.size());
    }
    if (recording) {
        int shown = 0;
        for (std::size_t k = 0; k < beats.size() && shown < 10; ++k)
            if (beats[k].sound >= 0 && match.at[k] == SinkRecorder::SoundMatch::kNotFound) {
                ++shown;
                std::printf("  missing: beat %lld of series %llu (%s), engine frame %lld\n",
                            static_cast<long long>(beats[k].index), static_cast<unsigned long long>(beats[k].series),
                            beats[k].sound == 0 ? "tick" : "bell", static_cast<long long>(beats[k].frame));
            }
        for (std::size_t e = 0; e < match.extra.size() && e < 10; ++e) {
            std::int64_t const x = match.extra[e];
            int const k = extraBeat[e];
            std::printf("  doubled: a sound at recording frame %lld, %lld frames after beat %lld of series %llu was "
                        "found; what no beat explains there peaks at %d and lasts %lld frames\n",
                        static_cast<long long>(x), static_cast<long long>(k >= 0 ? x - match.at[std::size_t(k)] : 0),
                        static_cast<long long>(k >= 0 ? beats[std::size_t(k)].index : -1),
                        static_cast<unsigned long long>(k >= 0 ? beats[std::size_t(k)].series : 0), match.extraPeak[e],
                        static_cast<long long>(match.extraFrames[e]));
        }
    }
    std::map<std::uint64_t, double> const asked = askedPerSeries(beats, interval38, intervalNew);
    std::printf("each part (aims: spread <= %.0f frames, median within %.0f ppm, 0 late, 0 missing, 0 doubled):\n",
                kSpreadAimFrames, kMedianAimPpm);
    int met = 0;
    for (Part const& part : parts)
        met += reportPart(part, beats, recording ? &match : nullptr, asked, extraBeat);
    std::printf("  %d of %zu parts meet every aim\n", met, parts.size());
    std::printf("resizes:\n");
    for (Part const& part : parts)
        if (part.storm)
            reportStorm(part);
    std::printf("waiting for a processor (ready to run while another thread had it), per part: the engine's "
                "thread (%s), then the sound server's threads\n",
                qPrintable(schedulingOf(engineTid())));
    for (Part const& part : parts) {
        auto const line = [](Waiting const& before, Waiting const& after) {
            std::int64_t const turns = after.turns - before.turns;
            double const waitedMs = (after.waitedNs - before.waitedNs) / 1e6;
            return QString::asprintf("%.1f ms in %lld turns (%.0f us a turn)", waitedMs, static_cast<long long>(turns),
                                     waitedMs * 1000 / std::max<std::int64_t>(1, turns));
        };
        std::printf("  %s: engine %s", qPrintable(part.name), qPrintable(line(part.engineBefore, part.engineAfter)));
        for (auto const& [name, after] : part.serverAfter) {
            auto const before = part.serverBefore.find(name);
            std::printf("; %s %s", qPrintable(name),
                        qPrintable(line(before == part.serverBefore.end() ? Waiting{} : before->second, after)));
        }
        std::printf("\n");
    }
    std::printf("processor time:\n");
    for (Part const& part : parts)
        if (part.quiet)
            reportCpu(part, recorderThreads, &part < &parts[changeAt] ? kCpuAim38S : kCpuAimFastS);
    if (memoryAfterS > 0)
        std::printf("resident memory %d s after the change: %.1f MiB (the benchmark's recording included)\n",
                    memoryAfterS, rssKiB / 1024.0);
    // The engine lets go of the sound server before the server goes.
    TickwrenAudio::AudioEngine::shutdown();
    return 0;
}
