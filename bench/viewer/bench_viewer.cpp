// Fills the icon view from a folder of large photos, as a user's camera folder
// would be: 2000 JPEGs of 4000 x 3000 (12 megapixels), written by this program
// into a temporary folder. Each way of filling runs in a process of its own, so
// that its peak resident memory is its own. It prints, for each way,
//  - the time until the first 50 icons are in the view,
//  - the time until the view is full,
//  - the longest stall of the event loop while it fills,
//  - the peak resident memory of the process,
// for the icon view (pictures read at icon size in a thread pool) against the
// plain way: on the GUI thread, each picture decoded whole and then shrunk, with
// pending events let through between pictures. The plain way runs on the first
// --plain files only (it takes long) and its full time is extrapolated.
//
// Usage: tw-bench-viewer [--files N] [--distinct N] [--plain N]
// --files     pictures in the folder (2000)
// --distinct  pictures drawn and encoded; the others are copies of them (100)
// --plain     pictures filled the plain way (100)
// Build it optimised; a sanitizer build measures mostly the sanitizer.
#include "QMViewer/Thumbnail.h"
#include "ZEDireroz/widgets/IconView.h"
#include "ZEDireroz/widgets/ListWidgetItem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace {

constexpr int kFirstIcons = 50;
constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kTickMs = 2;

int argValue(QStringList const& args, char const* name, int fallback)
{
    int const i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

QString argText(QStringList const& args, char const* name)
{
    int const i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

// Peak resident memory (VmHWM) in MiB.
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// A landscape-like photo: a sky gradient, hills and a few discs, different for
// each index, so the encoder has real work.
QImage drawPhoto(int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor::fromHsv((index * 37) % 360, 120, 250));
    sky.setColorAt(1, QColor::fromHsv((index * 37 + 60) % 360, 200, 120));
    painter.fillRect(image.rect(), sky);
    for (int hill = 0; hill < 4; ++hill) {
        QPainterPath path;
        path.moveTo(0, kHeight);
        for (int x = 0; x <= kWidth; x += 200)
            path.lineTo(x, kHeight * (0.55 + 0.1 * hill) + 180 * std::sin((x + index * 97 + hill * 500) / 600.0));
        path.lineTo(kWidth, kHeight);
        painter.fillPath(path, QColor::fromHsv((120 + hill * 15 + index * 7) % 360, 160, 160 - hill * 25));
    }
    for (int disc = 0; disc < 12; ++disc) {
        painter.setBrush(QColor::fromHsv((index * 53 + disc * 29) % 360, 200, 230, 160));
        painter.setPen(Qt::NoPen);
        int const r = 80 + (index * 13 + disc * 41) % 300;
        painter.drawEllipse(QPoint((index * 311 + disc * 577) % kWidth, (index * 173 + disc * 263) % (kHeight / 2)), r,
                            r);
    }
    return image;
}

bool writeFolder(QString const& folder, int files, int distinct)
{
    QVector<int> indices(std::min(files, distinct));
    std::iota(indices.begin(), indices.end(), 0);
    auto name = [&](int i) { return QDir(folder).filePath(QString("IMG_%1.jpg").arg(i, 5, 10, QChar('0'))); };
    std::atomic<bool> failed{false};
    QtConcurrent::blockingMap(indices, [&](int const& i) {
        if (!drawPhoto(i).save(name(i), "JPG", 85))
            failed = true;
    });
    if (failed)
        return false;
    for (int i = indices.size(); i < files; ++i)
        if (!QFile::copy(name(i % indices.size()), name(i)))
            return false;
    return true;
}

// The longest gap between two turns of the event loop, from a timer that asks
// for a turn every few milliseconds.
class StallMeter
{
public:
    StallMeter()
    {
        m_clock.start();
        m_last = 0;
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            qint64 const now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_tick.start(kTickMs);
    }
    double longestMs() const { return m_longest / 1e6; }

private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// The plain fill: decode whole on the GUI thread, shrink, let events through.
class PlainView : public ZEDireroz::IconView
{
public:
    void fill(QStringList const& paths)
    {
        clear();
        int n = 0;
        for (QString const& path : paths) {
            QCoreApplication::processEvents();
            QImage picture;
            if (!picture.load(path))
                continue;
            addPiece(QMViewer::Thumbnail(80, 80, picture), QPoint(0, n++), path);
        }
    }
};

// One way of filling, in this process; prints one line of figures.
int runFill(QString const& way, QString const& folder, int limit)
{
    QElapsedTimer clock;
    double firstMs = -1;
    double totalMs = -1;
    int shown = 0;
    if (way == "iconview") {
        ZEDireroz::IconView view;
        view.resize(800, 600);
        view.show();
        QObject::connect(view.model(), &QAbstractItemModel::rowsInserted, [&] {
            if (firstMs < 0 && view.count() >= kFirstIcons)
                firstMs = clock.nsecsElapsed() / 1e6;
        });
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!view.isFilling())
                loop.quit();
        });
        // The window's first paint is not part of the fill.
        QCoreApplication::processEvents();
        StallMeter stalls;
        clock.start();
        view.addItems(folder);
        std::fprintf(stderr, "(icon view: addItems returned after %.1f ms)\n", clock.nsecsElapsed() / 1e6);
        poll.start(1);
        loop.exec();
        totalMs = clock.nsecsElapsed() / 1e6;
        shown = view.count();
        std::printf("%s %.1f %.1f %.1f %.1f %d\n", qPrintable(way), firstMs, totalMs, stalls.longestMs(),
                    peakResidentMiB(), shown);
    } else {
        QStringList paths;
        for (QFileInfo const& file : QDir(folder).entryInfoList({"*.*"}, QDir::Files, QDir::Name | QDir::IgnoreCase))
            paths << file.absoluteFilePath();
        paths = paths.mid(0, limit);
        PlainView view;
        view.resize(800, 600);
        view.show();
        QObject::connect(view.model(), &QAbstractItemModel::rowsInserted, [&] {
            if (firstMs < 0 && view.count() >= kFirstIcons)
                firstMs = clock.nsecsElapsed() / 1e6;
        });
        QCoreApplication::processEvents();
        StallMeter stalls;
        clock.start();
        view.fill(paths);
        totalMs = clock.nsecsElapsed() / 1e6;
        shown = view.count();
        std::printf("%s %.1f %.1f %.1f %.1f %d\n", qPrintable(way), firstMs, totalMs, stalls.longestMs(),
                    peakResidentMiB(), shown);
    }
    return 0;
}

struct Figures
{
    double firstMs = -1, totalMs = -1, stallMs = -1, peakMiB = -1;
    int shown = 0;
    bool ok = false;
};

Figures runChild(QString const& way, QString const& folder, int limit)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--run", way, "--folder", folder, "--plain", QString::number(limit)});
    Figures f;
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return f;
    QStringList const parts = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(' ');
    if (parts.size() != 6)
        return f;
    f.firstMs = parts.at(1).toDouble();
    f.totalMs = parts.at(2).toDouble();
    f.stallMs = parts.at(3).toDouble();
    f.peakMiB = parts.at(4).toDouble();
    f.shown = parts.at(5).toInt();
    f.ok = true;
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList const args = app.arguments();
    int const files = argValue(args, "--files", 2000);
    int const distinct = argValue(args, "--distinct", 100);
    int const plain = std::min(files, argValue(args, "--plain", 100));
    if (args.contains("--run"))
        return runFill(argText(args, "--run"), argText(args, "--folder"), plain);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    std::printf("Writing %d JPEGs of %d x %d (%d drawn, the others copies) to %s ...\n", files, kWidth, kHeight,
                std::min(files, distinct), qPrintable(dir.path()));
    std::fflush(stdout);
    QElapsedTimer writing;
    writing.start();
    if (!writeFolder(dir.path(), files, distinct)) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }
    std::printf("(written in %.0f s; the reads below come from a warm file cache)\n\n", writing.elapsed() / 1000.0);
    std::fflush(stdout);

    Figures const view = runChild("iconview", dir.path(), files);
    Figures const naive = runChild("plain", dir.path(), plain);
    if (!view.ok || !naive.ok) {
        std::fprintf(stderr, "a fill did not finish\n");
        return 1;
    }
    double const naiveTotal = naive.totalMs * files / std::max(1, naive.shown);
    std::printf("%-34s %14s %18s %8s\n", "", "icon view", "decode whole", "ratio");
    std::printf("%-34s %11.0f ms %15.0f ms %7.1fx\n", "first 50 icons shown after", view.firstMs, naive.firstMs,
                naive.firstMs / view.firstMs);
    std::printf("%-34s %11.0f ms %15.0f ms %7.1fx   (decode whole: %d files, extrapolated)\n",
                qPrintable(QString("all %1 icons shown after").arg(files)), view.totalMs, naiveTotal,
                naiveTotal / view.totalMs, naive.shown);
    std::printf("%-34s %11.1f ms %15.1f ms %7.1fx\n", "longest event-loop stall", view.stallMs, naive.stallMs,
                naive.stallMs / view.stallMs);
    std::printf("%-34s %10.0f MiB %14.0f MiB %7.1fx\n", "peak resident memory", view.peakMiB, naive.peakMiB,
                naive.peakMiB / view.peakMiB);
    std::printf("(icons in the view: %d of %d)\n", view.shown, files);
    return view.shown == files ? 0 : 1;
}
