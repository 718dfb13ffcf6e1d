// Runs the metronome page as the program does, on the offscreen platform, and
// measures:
//  - what a listener hears: the program's sound goes to a PulseAudio null sink
//    of the benchmark's own and is recorded from its monitor; the interval
//    between each two onsets against the 288 ms grid of 208 bpm, over N ticks
//    from the tempo change on (the first bar included), then over N more
//    while the benchmark holds the GUI thread for 30 ms at random moments.
//    The benchmark's own clicks stand in for the tick and the bell (a bell
//    rings over the following ticks), so that every onset is one exact frame;
//  - for comparison, when each tick's timer event is dispatched, against the
//    same grid (what a sound started at that moment would follow);
//  - the time from process start (and from main) to the page's first paint,
//    and the time each tick's own work takes;
//  - the resident memory after 60 s of ticking.
//
//   bench_metronome [--ticks N] [--memory-after S] [--bpm B]
//   bench_metronome --memory [S]
// --bpm takes another tempo than 208 (38 to 208).
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

// Onset intervals against the grid, in ms. An interval of k whole grid steps
// (k > 1) means sounds missing from the recording (a starved sound server
// dropped them); it counts against k steps and the missing ones are counted.
void reportIntervals(char const* what, std::vector<std::int64_t> const& onsets, double gridFrames, int rate,
                     bool listFirst)
{
    std::vector<double> errors;
    int missing = 0;
    for (std::size_t k = 1; k < onsets.size(); ++k) {
        double const interval = double(onsets[k] - onsets[k - 1]);
        double const steps = std::max(1.0, std::round(interval / gridFrames));
        missing += int(steps) - 1;
        errors.push_back(std::fabs(interval - steps * gridFrames) * 1000.0 / rate);
    }
    if (errors.empty()) {
        std::printf("%s: no onsets recorded\n", what);
        return;
    }
    std::printf("%s, %zu intervals: error median %.4f ms, p99 %.4f ms, max %.4f ms; %d sounds missing\n", what,
                errors.size(), percentile(errors, 0.5), percentile(errors, 0.99), percentile(errors, 1.0), missing);
    if (listFirst) {
        std::printf("    the first intervals (ms):");
        for (std::size_t k = 1; k < std::min<std::size_t>(onsets.size(), 9); ++k)
            std::printf(" %.3f", double(onsets[k] - onsets[k - 1]) * 1000.0 / rate);
        std::printf("\n");
    }
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
    int memoryAfterS = 60;
    int bpm = 208;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--ticks") == 0)
            ticks = std::max(2, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--memory-after") == 0)
            memoryAfterS = std::max(0, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--bpm") == 0)
            bpm = std::clamp(atoi(argv[++i]), 38, 208);
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
    RADarir::MetronomeMainPage page;
    page.metronome()->installEventFilter(&firstPaint);
    MainPageStartup::sizeAndTitle(&page);
    MainPageStartup::showAndRegister(&page);

    RADarir::Metronome* metronome = page.metronome();
    QTimer const& timer = metronome->tickTimer();
    TickStamps stamps;
    stamps.m_nTicks = 2 * ticks;
    const_cast<QTimer&>(timer).installEventFilter(&stamps);
    long rssKiB = -1;
    std::size_t changed = 0;  // recorded frames when the tempo changed
    std::size_t boundary = 0; // recorded frames when the stalls began

    // 30 ms of other work in the GUI thread, at random moments.
    QTimer stall;
    stall.setSingleShot(true);
    QObject::connect(&stall, &QTimer::timeout, [&stall] {
        QThread::msleep(30);
        stall.start(50 + int(QRandomGenerator::global()->bounded(450)));
    });

    // A fresh null sink holds the first stream back for up to two seconds;
    // the first ticks at the starting tempo are recorded, then the tempo
    // changes.
    QTimer::singleShot(recording ? 8000 : 500, [&] {
        // The tempo as the plus button would leave it; the timer starts afresh.
        changed = recorder.left().size();
        metronome->controls()->setInterval(bpm);
        stamps.m_clock.start();
        stamps.m_bOn = true;
        if (memoryAfterS > 0)
            QTimer::singleShot(memoryAfterS * 1000, [&] { rssKiB = ProcessMemory::residentKiB(); });
    });
    // Connected after the metronome's own tick, so this runs when the tick is done.
    QObject::connect(&timer, &QTimer::timeout, &app, [&] {
        if (!stamps.m_bOn)
            return;
        if (stamps.m_vDone.size() < stamps.m_vDispatched.size())
            stamps.m_vDone.push_back(stamps.m_clock.nsecsElapsed());
        if (int(stamps.m_vDone.size()) == ticks && !stall.isActive()) {
            boundary = recorder.left().size();
            stall.start(100);
        }
        // With few ticks, keep ticking until the memory has been read.
        if (int(stamps.m_vDone.size()) >= 2 * ticks && (memoryAfterS == 0 || rssKiB >= 0)) {
            stall.stop();
            // The last sound through the sink and its monitor.
            QTimer::singleShot(500, &app, &QCoreApplication::quit);
        }
    });
    app.exec();
    recorder.stop();

    int const intervalMs = timer.interval();
    std::vector<qint64> const& times = stamps.m_vDispatched;
    std::vector<double> deviations, work;
    qint64 const t0 = times.front();
    // The timer's own figures over the first half, without the stalls.
    for (int k = 0; k < ticks; ++k) {
        deviations.push_back(std::fabs((times[k] - t0) / 1e6 - double(k) * intervalMs));
        work.push_back((stamps.m_vDone[k] - times[k]) / 1e6);
    }
    double const drift = (times[ticks - 1] - t0) / 1e6 - double(ticks - 1) * intervalMs;

    std::printf("first paint: %.1f ms from process start, %.1f ms from main\n", firstPaint.m_fFromStart,
                firstPaint.m_fFromMain);
    std::printf("ticks: %d at %d ms (%d bpm), timer type %s\n", ticks, intervalMs, bpm,
                timer.timerType() == Qt::PreciseTimer ? "precise" : "coarse");
    std::printf("deviation from the grid: median %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(deviations, 0.5),
                percentile(deviations, 0.99), percentile(deviations, 1.0));
    std::printf("drift after the last tick: %+.3f ms\n", drift);
    std::printf("work of one tick: median %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(work, 0.5),
                percentile(work, 0.99), percentile(work, 1.0));
    if (recording) {
        std::vector<std::int16_t> const left = recorder.left();
        std::vector<std::int64_t> const all = SinkRecorder::onsets(left, 6000, 480);
        std::vector<std::int64_t> start;
        std::vector<std::int64_t> calm;
        std::vector<std::int64_t> stalled;
        for (std::int64_t o : all)
            (std::size_t(o) < changed ? start : std::size_t(o) < boundary ? calm : stalled).push_back(o);
        double const grid = 48000.0 * intervalMs / 1000.0;
        std::printf("sound recorded from a null sink's monitor (%zu onsets):\n", all.size());
        reportIntervals("  from the program's start at 38 bpm, against the 1578 ms grid", start, 48000 * 1.578, 48000,
                        true);
        reportIntervals(qPrintable(QString("  from the change to %1 bpm, first bar included, against the %2 ms grid")
                                       .arg(bpm)
                                       .arg(intervalMs)),
                        calm, grid, 48000, true);
        reportIntervals("  the same, GUI thread held for 30 ms at random moments", stalled, grid, 48000, false);
    }
    if (memoryAfterS > 0)
        std::printf("resident memory after %d s of ticking: %.1f MiB\n", memoryAfterS, rssKiB / 1024.0);
    return 0;
}
