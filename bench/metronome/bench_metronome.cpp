// Runs the metronome page as the program does, on the offscreen platform, and
// measures:
//  - the time from process start (and from main) to the page's first paint;
//  - every tick's deviation from the ideal grid at 208 bpm (288 ms), over 500
//    ticks: median, 99th percentile and maximum, and the drift of the last tick,
//    taken when the timer's event is dispatched; and the time each tick's own
//    work takes (state, picture, sound);
//  - the resident memory after 60 s of ticking.
//
//   bench_metronome [--ticks N] [--memory-after S]
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/frame/App.h"
#include "app/MainPageStartup.h"
#include "app/TickwrenStyle.h"

#include <QElapsedTimer>
#include <QFile>
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

long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
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

} // namespace

int main(int argc, char** argv)
{
    FirstPaint firstPaint;
    firstPaint.m_timer.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    int ticks = 500;
    int memoryAfterS = 60;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--ticks") == 0)
            ticks = std::max(2, atoi(argv[++i]));
        else if (qstrcmp(argv[i], "--memory-after") == 0)
            memoryAfterS = std::max(0, atoi(argv[++i]));
    }

    // The program's own start-up: application object, style sheet, page.
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    app.setStyleSheet(TickwrenStyle().m_sStyleSheet);
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

    QTimer::singleShot(500, [&] {
        // 208 bpm, as the plus button would leave it; the timer starts afresh.
        metronome->controls()->setInterval(208);
        stamps.m_clock.start();
        stamps.m_bOn = true;
        if (memoryAfterS > 0)
            QTimer::singleShot(memoryAfterS * 1000, [&] { rssKiB = residentKiB(); });
    });
    // Connected after the metronome's own tick, so this runs when the tick is done.
    QObject::connect(&timer, &QTimer::timeout, &app, [&] {
        if (!stamps.m_bOn)
            return;
        if (stamps.m_vDone.size() < stamps.m_vDispatched.size())
            stamps.m_vDone.push_back(stamps.m_clock.nsecsElapsed());
        // With few ticks, keep ticking until the memory has been read.
        if (int(stamps.m_vDone.size()) == ticks && (memoryAfterS == 0 || rssKiB >= 0))
            app.quit();
    });
    app.exec();

    int const intervalMs = timer.interval();
    std::vector<qint64> const& times = stamps.m_vDispatched;
    std::vector<double> deviations, work;
    qint64 const t0 = times.front();
    for (int k = 0; k < ticks; ++k) {
        deviations.push_back(std::fabs((times[k] - t0) / 1e6 - double(k) * intervalMs));
        work.push_back((stamps.m_vDone[k] - times[k]) / 1e6);
    }
    double const drift = (times[ticks - 1] - t0) / 1e6 - double(ticks - 1) * intervalMs;

    std::printf("first paint: %.1f ms from process start, %.1f ms from main\n", firstPaint.m_fFromStart,
                firstPaint.m_fFromMain);
    std::printf("ticks: %d at %d ms (208 bpm), timer type %s\n", ticks, intervalMs,
                timer.timerType() == Qt::PreciseTimer ? "precise" : "coarse");
    std::printf("deviation from the grid: median %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(deviations, 0.5),
                percentile(deviations, 0.99), percentile(deviations, 1.0));
    std::printf("drift after the last tick: %+.3f ms\n", drift);
    std::printf("work of one tick: median %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(work, 0.5),
                percentile(work, 0.99), percentile(work, 1.0));
    if (memoryAfterS > 0)
        std::printf("resident memory after %d s of ticking: %.1f MiB\n", memoryAfterS, rssKiB / 1024.0);
    return 0;
}
