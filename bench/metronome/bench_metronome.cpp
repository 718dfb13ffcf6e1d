// Runs the metronome page as the program does, on the offscreen platform, and
// measures:
//  - what a listener hears: the program's sound goes to a PulseAudio null sink
//    of the benchmark's own and is recorded from its monitor. Four parts: 100 s
//    at 38 bpm from the program's start (its first bar included), 100 s more
//    while the benchmark holds the GUI thread for 30 ms at random moments, then
//    a change to 208 bpm and 500 ticks from it (the first bar included), then
//    500 more with the stalls. For each part, the spread (max - min) of the
//    intervals between onsets and their median against the asked interval;
//    for the first bars each interval. The benchmark's own clicks stand in
//    for the tick and the bell (a bell rings over the following ticks), so
//    that every onset is one exact frame;
//  - for comparison, when each tick's timer event is dispatched at 208 bpm,
//    against the timer's grid (what a sound started at that moment would
//    follow);
//  - the time from process start (and from main) to the page's first paint,
//    and the time each tick's own work takes;
//  - the resident memory after 60 s of ticking.
//
//   bench_metronome [--ticks N] [--seconds S] [--memory-after S] [--bpm B]
//   bench_metronome --memory [S]
// --ticks changes the 500 ticks of each part at the new tempo, --seconds the
// 100 s of each part at 38 bpm, --bpm the new tempo (39 to 208).
// --memory runs the program's own start-up instead (fresh home folder, real
// sounds, on an X display: a virtual one of its own when none is set), sets
// 208 bpm and prints the resident memory after S (default 60) seconds of
// ticking, with its parts and the aim.
// Without pulseaudio the sound goes to the silent clock and only the timer
// figures are printed.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/frame/App.h"
#include "app/MainPageStartup.h"
#include "app/Startup.h"
#include "app/TickwrenStyle.h"
#include "platform/audio/AudioEngine.h"

#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/ProcessMemory.h"
#include "TestSupport/SinkRecorder.h"
#include "TestSupport/TestTone.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

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

// Time stamps of the tick timer's events as they are dispatched, before the
// metronome's tick runs.
class TickStamps : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && m_bOn && int(m_vDispatched.size()) < m_nTicks)
            m_vDispatched.push_back(m_clock.nsecsElapsed());
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer m_clock;
    bool m_bOn = false;
    int m_nTicks = 0;
    std::vector<qint64> m_vDispatched;
    std::vector<qint64> m_vDone;
};

// The onsets of one part against its asked interval, in frames of the
// recording (48 kHz). An interval of k whole asked intervals (k > 1) means
// sounds missing from the recording (a starved sound server dropped them):
// counted, and left out of the spread.
void reportPart(char const* what, std::vector<std::int64_t> const& onsets, double asked, int rate, int listFirst)
{
    std::vector<double> intervals;
    int missing = 0;
    int off = 0; // more than 2 frames from the asked interval
    for (std::size_t k = 1; k < onsets.size(); ++k) {
        double const interval = double(onsets[k] - onsets[k - 1]);
        double const steps = std::max(1.0, std::round(interval / asked));
        if (steps > 1.0) {
            missing += int(steps) - 1;
        } else {
            intervals.push_back(interval);
            off += std::fabs(interval - asked) > 2.0;
        }
    }
    if (intervals.empty()) {
        std::printf("%s: no intervals recorded\n", what);
        return;
    }
    auto const [lo, hi] = std::minmax_element(intervals.begin(), intervals.end());
    double const median = percentile(intervals, 0.5);
    std::printf("%s: %zu intervals, spread %.0f frames (%.3f ms), median %+.1f frames against %.0f (%+.0f ppm); "
                "%d more than 2 frames off; %d sounds missing\n",
                what, intervals.size(), *hi - *lo, (*hi - *lo) * 1000.0 / rate, median - asked, asked,
                (median - asked) / asked * 1e6, off, missing);
    if (listFirst > 0) {
        std::printf("    the first intervals (ms):");
        for (std::size_t k = 1; k < std::min<std::size_t>(onsets.size(), std::size_t(listFirst) + 1); ++k)
            std::printf(" %.3f", double(onsets[k] - onsets[k - 1]) * 1000.0 / rate);
        std::printf("\n");
    }
}

// Where the parts of the run begin, in frames of the recording.
struct Parts
{
    std::size_t stalls38 = 0;
    std::size_t changed = 0;
    std::size_t stallsNew = 0;
};

// Splits the recording's onsets into the four parts and reports each.
void reportRecording(std::vector<std::int16_t> const& left, Parts const& parts, int bpm, int intervalMs)
{
    int const rate = 48000;
    std::vector<std::int64_t> const all = SinkRecorder::onsets(left, 6000, 480);
    // Sounds asked for before the change still come out during the first
    // 100 ms or so after it; the first sound of the new tempo comes a whole
    // interval (at least 288 ms) after it.
    std::size_t const newTempo = parts.changed + std::size_t(rate / 5);
    std::vector<std::int64_t> part[4];
    for (std::int64_t o : all) {
        std::size_t const at = std::size_t(o);
        if (at < parts.stalls38)
            part[0].push_back(o);
        else if (at < parts.changed)
            part[1].push_back(o);
        else if (at >= newTempo && at < parts.stallsNew)
            part[2].push_back(o);
        else if (at >= parts.stallsNew)
            part[3].push_back(o);
    }
    double const asked38 = rate * 1.578;
    double const askedNew = rate * intervalMs / 1000.0;
    std::printf("sound recorded from a null sink's monitor (%zu onsets):\n", all.size());
    reportPart("  38 bpm from the program's start, first bar included", part[0], asked38, rate, 4);
    reportPart("  38 bpm, GUI thread held for 30 ms at random moments", part[1], asked38, rate, 0);
    reportPart(qPrintable(QString("  %1 bpm from the change, first bar included").arg(bpm)), part[2], askedNew, rate,
               4);
    reportPart(qPrintable(QString("  %1 bpm, GUI thread held for 30 ms at random moments").arg(bpm)), part[3], askedNew,
               rate, 0);
}

// Sounds the engine started after their place: asked for after it had been
// rendered (the GUI thread held up beyond the timer's lead).
void reportLateSounds()
{
    std::vector<TickwrenAudio::Placement> const placements =
        TickwrenAudio::AudioEngine::instance().mixer().takePlacements();
    std::vector<double> late;
    for (TickwrenAudio::Placement const& p : placements)
        if (p.lateFrames > 0)
            late.push_back(p.lateFrames * 1000.0 / 48000);
    std::printf("sounds placed: %zu, late: %zu", placements.size(), late.size());
    for (double ms : late)
        std::printf(" %.1f ms", ms);
    std::printf("\n");
}

// The timer's events against its own grid, and the work of each tick.
void reportTimer(TickStamps const& stamps, int ticks, int intervalMs, QTimer const& timer, int bpm)
{
    std::vector<qint64> const& times = stamps.m_vDispatched;
    if (int(times.size()) < ticks || int(stamps.m_vDone.size()) < ticks)
        return;
    std::vector<double> deviations, work;
    qint64 const t0 = times.front();
    for (int k = 0; k < ticks; ++k) {
        deviations.push_back(std::fabs((times[k] - t0) / 1e6 - double(k) * intervalMs));
        work.push_back((stamps.m_vDone[k] - times[k]) / 1e6);
    }
    double const drift = (times[ticks - 1] - t0) / 1e6 - double(ticks - 1) * intervalMs;
    std::printf("ticks: %d at %d ms (%d bpm), timer type %s\n", ticks, intervalMs, bpm,
                timer.timerType() == Qt::PreciseTimer ? "precise" : "coarse");
    std::printf("timer events against the grid: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                percentile(deviations, 0.5), percentile(deviations, 0.99), percentile(deviations, 1.0));
    std::printf("drift after the last tick: %+.3f ms\n", drift);
    std::printf("work of one tick: median %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(work, 0.5),
                percentile(work, 0.99), percentile(work, 1.0));
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

    FirstPaint firstPaint;
    firstPaint.m_timer.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    int ticks = 500;
    int seconds38 = 100;
    int memoryAfterS = 60;
    int bpm = 208;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--ticks") == 0)
            ticks = std::max(2, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--seconds") == 0)
            seconds38 = std::max(5, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--memory-after") == 0)
            memoryAfterS = std::max(0, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--bpm") == 0)
            bpm = std::clamp(atoi(argv[++i]), 39, 208);
    }

    // Clicks in place of the tick and the bell, from a resource folder of the
    // benchmark's own.
    QTemporaryDir sounds;
    TestTone::writeClick(sounds.filePath("tick.wav"), 10);
    TestTone::writeClick(sounds.filePath("bell.wav"), 10);
    qputenv("TICKWREN_RESOURCE_DIR", QFile::encodeName(sounds.path()));

    // The program's own start-up: application object, style sheet, page.
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    app.setStyleSheet(TickwrenStyle().m_sStyleSheet);

    PrivateSoundServer server;
    SinkRecorder recorder;
    bool recording = false;
    if (server.start()) {
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
        recording = recorder.start(server.address().toUtf8());
    } else {
        std::printf("no pulseaudio to start: the sound runs on the silent clock, only the timer is measured\n");
    }
    TickwrenAudio::AudioEngine::instance().mixer().setPlacementRecording(true);
    RADarir::MetronomeMainPage page;
    page.metronome()->installEventFilter(&firstPaint);
    MainPageStartup::sizeAndTitle(&page);
    MainPageStartup::showAndRegister(&page);

    RADarir::Metronome* metronome = page.metronome();
    QTimer const& timer = metronome->tickTimer();
    TickStamps stamps;
    stamps.m_nTicks = ticks;
    const_cast<QTimer&>(timer).installEventFilter(&stamps);
    long rssKiB = -1;
    Parts parts;
    int const pause38Ms = (recording ? seconds38 : 2) * 1000;

    // 30 ms of other work in the GUI thread, at random moments.
    QTimer stall;
    stall.setSingleShot(true);
    QObject::connect(&stall, &QTimer::timeout, [&stall] {
        QThread::msleep(30);
        stall.start(50 + int(QRandomGenerator::global()->bounded(450)));
    });

    // 38 bpm from the start, then with the stalls, then the new tempo.
    QTimer::singleShot(pause38Ms, [&] {
        parts.stalls38 = recorder.left().size();
        stall.start(100);
    });
    QTimer::singleShot(2 * pause38Ms, [&] {
        stall.stop();
        // The tempo as the plus button would leave it; the timer starts afresh.
        parts.changed = recorder.left().size();
        metronome->controls()->setInterval(bpm);
        stamps.m_clock.start();
        stamps.m_bOn = true;
        if (memoryAfterS > 0)
            QTimer::singleShot(memoryAfterS * 1000, [&] { rssKiB = ProcessMemory::residentKiB(); });
    });
    int done = 0;
    // Connected after the metronome's own tick, so this runs when the tick is done.
    QObject::connect(&timer, &QTimer::timeout, &app, [&] {
        if (!stamps.m_bOn)
            return;
        ++done;
        if (stamps.m_vDone.size() < stamps.m_vDispatched.size())
            stamps.m_vDone.push_back(stamps.m_clock.nsecsElapsed());
        if (done == ticks && !stall.isActive()) {
            parts.stallsNew = recorder.left().size();
            stall.start(100);
        }
        // With few ticks, keep ticking until the memory has been read.
        if (done >= 2 * ticks && (memoryAfterS == 0 || rssKiB >= 0)) {
            stall.stop();
            // The last sound through the sink and its monitor.
            QTimer::singleShot(500, &app, &QCoreApplication::quit);
        }
    });
    app.exec();
    recorder.stop();
    reportLateSounds();

    std::printf("first paint: %.1f ms from process start, %.1f ms from main\n", firstPaint.m_fFromStart,
                firstPaint.m_fFromMain);
    reportTimer(stamps, ticks, timer.interval(), timer, bpm);
    if (recording)
        reportRecording(recorder.left(), parts, bpm, timer.interval());
    if (memoryAfterS > 0)
        std::printf("resident memory after %d s of ticking: %.1f MiB\n", memoryAfterS, rssKiB / 1024.0);
    return 0;
}
