// Draws freehand strokes of 200 points each on a 3840 x 2160 picture through
// synthesized mouse events and prints the time per stroke against painting the
// same strokes straight onto a picture with QPainter (no undo, no widget), the
// peak memory of the process with the undo bound, and the time to save the PNG
// against encoding the bare picture.
//
//   bench_imagenotes [strokes]      (1000 when not given)
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

using ZEDireroz::ImageNoteWorkArea;

namespace {

QSize const kPicture(3840, 2160);
int const kPoints = 200;

QPoint strokePoint(int stroke, int i)
{
    double const t = double(i) / (kPoints - 1);
    int const x = int(100 + (stroke * 37) % 3400 + 300 * t);
    int const y = int(100 + (stroke * 53) % 1800 + 120 * std::sin(t * 6.28 + stroke));
    return QPoint(x, y);
}

void send(QWidget* widget, QEvent::Type type, QPoint const& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int const strokes = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;

    QPixmap base(kPicture);
    base.fill(QColor(60, 90, 130));
    ImageNoteWorkArea area;
    area.slotSetPixmap(base);
    area.slotSetThikness(3);
    long const before = peakKiB();

    QElapsedTimer clock;
    clock.start();
    for (int s = 0; s < strokes; ++s) {
        send(&area, QEvent::MouseButtonPress, strokePoint(s, 0), Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i < kPoints; ++i)
            send(&area, QEvent::MouseMove, strokePoint(s, i), Qt::NoButton, Qt::LeftButton);
        send(&area, QEvent::MouseButtonRelease, strokePoint(s, kPoints - 1), Qt::LeftButton, Qt::NoButton);
    }
    double const areaMs = clock.nsecsElapsed() / 1e6 / strokes;

    QImage plain(kPicture, QImage::Format_ARGB32_Premultiplied);
    plain.fill(Qt::transparent);
    clock.restart();
    for (int s = 0; s < strokes; ++s) {
        QPainter painter(&plain);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::yellow, 3, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
        for (int i = 1; i < kPoints; ++i)
            painter.drawLine(strokePoint(s, i - 1), strokePoint(s, i));
    }
    double const plainMs = clock.nsecsElapsed() / 1e6 / strokes;

    QTemporaryDir folder;
    clock.restart();
    bool const saved = area.pixContent().save(folder.path() + QStringLiteral("/bench.png"), "PNG");
    double const saveMs = clock.nsecsElapsed() / 1e6;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    clock.restart();
    base.save(&buffer, "PNG");
    double const bareMs = clock.nsecsElapsed() / 1e6;

    std::printf("strokes: %d of %d points on %d x %d\n", strokes, kPoints, kPicture.width(), kPicture.height());
    std::printf("work area: %.2f ms per stroke (undo kept %d steps, %.0f MiB)\n", areaMs, area.undoCount(),
                area.undoMemory() / 1048576.0);
    std::printf("plain QPainter: %.2f ms per stroke; ratio %.2f\n", plainMs, areaMs / plainMs);
    std::printf("peak memory: %.0f MiB (%.0f MiB before drawing; undo bound %.0f MiB)\n", peakKiB() / 1024.0,
                before / 1024.0, ImageNoteWorkArea::kDefaultUndoMemory / 1048576.0);
    std::printf("save PNG: %.0f ms%s; bare picture %.0f ms; ratio %.2f\n", saveMs, saved ? "" : " (failed)", bareMs,
                saveMs / bareMs);
    return saved ? 0 : 1;
}
