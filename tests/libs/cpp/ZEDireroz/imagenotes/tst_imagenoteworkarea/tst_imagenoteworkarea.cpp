// The image-note work area on a 64 x 48 picture driven by synthesized mouse
// events: what each tool leaves in the layer, the undo and redo history and its
// memory bound, text notes, that painting changes nothing, saving, and cursors.
#include "TestSupport/ChildNamespace.h"
#include "TestSupport/FileDialogDriver.h"
#include "TestSupport/ModalAnswer.h"
#include "VAruzoD/DrawTools.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <cmath>

using ZEDireroz::App;
using ZEDireroz::ImageNoteWorkArea;
using ZEDireroz::NoteEditWidget;

namespace {

QSize const kSize(64, 48);
QColor const kBase(40, 80, 120);

QPixmap basePicture()
{
    QPixmap picture(kSize);
    picture.fill(kBase);
    return picture;
}

// A picture with sharp vertical stripes, for the blur.
QPixmap stripedPicture()
{
    QImage image(kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x)
            image.setPixel(x, y, (x / 2) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

void move(QWidget* widget, QPoint const& pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

struct Fixture
{
    explicit Fixture(QPixmap const& picture = basePicture()) { area.slotSetPixmap(picture); }

    void drag(QList<QPoint> const& points)
    {
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, points.first());
        for (int i = 1; i < points.size(); ++i)
            move(&area, points.at(i));
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, points.last());
    }
    void drag(QPoint const& from, QPoint const& to) { drag(QList<QPoint>{from, to}); }

    QImage layer() const { return area.layer().convertToFormat(QImage::Format_ARGB32_Premultiplied); }
    int alpha(QPoint const& p) const { return qAlpha(layer().pixel(p)); }

    ImageNoteWorkArea area;
};

// What the tool is meant to draw, painted independently from its pen table.
QImage expected(std::function<void(QPainter&)> const& draw)
{
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QPen toolPen(QColor const& colour, int width, Qt::PenStyle style, Qt::PenCapStyle cap = Qt::SquareCap)
{
    return QPen(QBrush(colour, Qt::SolidPattern), width, style, cap, Qt::BevelJoin);
}

bool transparent(QImage const& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

using Draw = std::function<void(QPainter&)>;

// The picture with the whole layer drawn over it, as a plain composition does.
QImage plainComposition(QPixmap const& picture, QImage const& layer)
{
    QImage content = picture.toImage().copy();
    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, layer);
    painter.end();
    return content;
}

// A picture of the given device pixel ratio with stripes in two colours.
QPixmap stripedPicture(qreal ratio)
{
    QImage stripes = stripedPicture().toImage().scaled(kSize * ratio);
    stripes.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(stripes);
}

// A stroke of 200 points across a large picture, from left to right in a wave.
QList<QPoint> strokeAcross(QSize const& picture, int stroke, int strokes)
{
    QList<QPoint> points;
    int const rows = picture.height() - 800;
    for (int i = 0; i < 200; ++i) {
        double const t = i / 199.0;
        points.append(QPoint(int(200 + (picture.width() - 400) * t),
                             int(400 + rows * stroke / strokes + 300 * std::sin(t * 12.6 + stroke))));
    }
    return points;
}

} // namespace

Q_DECLARE_METATYPE(Draw)
Q_DECLARE_METATYPE(QList<QPoint>)

class TestImageNoteWorkArea : public QObject
{
    Q_OBJECT
private slots:
    void shapes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<bool>("dash");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<Draw>("draw");
        QColor const red(Qt::red);
        QColor fill = red;
        fill.setAlpha(200);
        QTest::newRow("oval 5 wide stays solid with dash on")
            << int(ImageNoteWorkArea::Oval) << 1 << true << QPoint(10, 5) << QPoint(14, 40) << Draw([=](QPainter& p) {
                   p.setPen(toolPen(red, 1, Qt::SolidLine));
                   p.drawEllipse(QRect(10, 5, 5, 36));
               });
        QTest::newRow("oval 6 wide is dashed")
            << int(ImageNoteWorkArea::Oval) << 1 << true << QPoint(10, 5) << QPoint(15, 40) << Draw([=](QPainter& p) {
                   p.setPen(toolPen(red, 1, Qt::DashLine));
                   p.drawEllipse(QRect(10, 5, 6, 36));
               });
        QTest::newRow("oval dragged up and left is normalised")
            << int(ImageNoteWorkArea::Oval) << 2 << false << QPoint(50, 40) << QPoint(10, 8) << Draw([=](QPainter& p) {
                   p.setPen(toolPen(red, 2, Qt::SolidLine));
                   p.drawEllipse(QRect(QPoint(10, 8), QPoint(50, 40)));
               });
        QTest::newRow("filled oval") << int(ImageNoteWorkArea::FilledOval) << 1 << false << QPoint(5, 5)
                                     << QPoint(40, 30) << Draw([=](QPainter& p) {
                                            p.setPen(toolPen(red, 1, Qt::SolidLine));
                                            p.setBrush(fill);
                                            p.drawEllipse(QRect(QPoint(5, 5), QPoint(40, 30)));
                                        });
        QTest::newRow("rectangle dragged up and left is normalised")
            << int(ImageNoteWorkArea::Rectangle) << 3 << false << QPoint(50, 40) << QPoint(10, 8)
            << Draw([=](QPainter& p) {
                   p.setPen(toolPen(red, 3, Qt::SolidLine));
                   p.drawRect(QRect(QPoint(10, 8), QPoint(50, 40)));
               });
        QTest::newRow("filled rectangle dashed") << int(ImageNoteWorkArea::FilledRectangle) << 1 << true << QPoint(4, 4)
                                                 << QPoint(30, 20) << Draw([=](QPainter& p) {
                                                        p.setPen(toolPen(red, 1, Qt::DashLine));
                                                        p.setBrush(fill);
                                                        p.drawRect(QRect(QPoint(4, 4), QPoint(30, 20)));
                                                    });
        QTest::newRow("line") << int(ImageNoteWorkArea::Line) << 4 << false << QPoint(3, 40) << QPoint(60, 5)
                              << Draw([=](QPainter& p) {
                                     p.setPen(toolPen(red, 4, Qt::SolidLine));
                                     p.drawLine(QPoint(3, 40), QPoint(60, 5));
                                 });
        QTest::newRow("pen stroke") << int(ImageNoteWorkArea::Pen) << 2 << false << QPoint(5, 5) << QPoint(50, 30)
                                    << Draw([=](QPainter& p) {
                                           p.setPen(toolPen(red, 2, Qt::SolidLine, Qt::RoundCap));
                                           QLine const dot(QPoint(5, 5), QPoint(5, 5));
                                           QLine const stroke(QPoint(5, 5), QPoint(50, 30));
                                           p.drawLines(&dot, 1);
                                           p.drawLines(&stroke, 1);
                                       });
    }
    void shapes()
    {
        QFETCH(int, mode);
        QFETCH(int, thickness);
        QFETCH(bool, dash);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(Draw, draw);
        Fixture f;
        f.area.slotSetMode(mode);
        f.area.slotSetColor(Qt::red);
        f.area.slotSetThikness(thickness);
        f.area.slotSetDashLine(dash);
        f.drag(from, to);
        QCOMPARE(f.layer(), expected(draw));
    }

    // Solid and dashed outlines must really differ for the oval rows to tell them apart.
    void dashedOvalDiffersFromSolid()
    {
        QImage const dashed = expected([](QPainter& p) {
            p.setPen(toolPen(Qt::red, 1, Qt::DashLine));
            p.drawEllipse(QRect(10, 5, 6, 36));
        });
        QImage const solid = expected([](QPainter& p) {
            p.setPen(toolPen(Qt::red, 1, Qt::SolidLine));
            p.drawEllipse(QRect(10, 5, 6, 36));
        });
        QVERIFY(dashed != solid);
    }

    void eraserClearsToTransparent()
    {
        Fixture f;
        f.area.slotSetThikness(8);
        f.drag(QPoint(5, 24), QPoint(60, 24));
        QCOMPARE(f.alpha(QPoint(32, 24)), 255);
        f.area.slotSetMode(ImageNoteWorkArea::Eraser);
        f.area.slotSetThikness(1);
        f.drag(QPoint(32, 5), QPoint(32, 44));
        // A 10-pixel round eraser: transparent on its line, the stroke kept beside it.
        for (int x = 28; x <= 36; ++x)
            QCOMPARE(f.alpha(QPoint(x, 24)), 0);
        QCOMPARE(f.alpha(QPoint(15, 24)), 255);
        QCOMPARE(f.alpha(QPoint(50, 24)), 255);
    }

    void blurStaysInsideItsRectangle()
    {
        Fixture f(stripedPicture());
        f.area.slotSetThikness(3);
        f.drag(QPoint(0, 20), QPoint(63, 20));
        f.area.slotSetMode(ImageNoteWorkArea::Blur);
        QRect const r(QPoint(10, 10), QPoint(40, 30));
        f.drag(r.bottomRight(), r.topLeft());
        QImage const layer = f.layer();
        QImage const stripes = stripedPicture().toImage();
        int softened = 0;
        for (int y = 0; y < kSize.height(); ++y) {
            for (int x = 0; x < kSize.width(); ++x) {
                QRgb const pixel = layer.pixel(x, y);
                if (r.contains(x, y)) {
                    // The blurred copy of the picture covers the earlier stroke.
                    QCOMPARE(qAlpha(pixel), 255);
                    QVERIFY(qBlue(pixel) == qRed(pixel));
                    softened += qRed(pixel) != qRed(stripes.pixel(x, y)) ? 1 : 0;
                } else if (y != 20 && std::abs(y - 20) > 3) {
                    QCOMPARE(qAlpha(pixel), 0);
                }
            }
        }
        QVERIFY2(softened > r.width() * r.height() / 2, qPrintable(QString::number(softened)));
    }

    void arrowHead_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::newRow("down right") << QPoint(56, 42);
        QTest::newRow("down left") << QPoint(8, 42);
        QTest::newRow("up right") << QPoint(56, 6);
        QTest::newRow("up left") << QPoint(8, 6);
    }
    void arrowHead()
    {
        QFETCH(QPoint, to);
        QPoint const from(32, 24);
        Fixture f;
        f.area.slotSetMode(ImageNoteWorkArea::Arrow);
        f.area.slotSetThikness(2);
        f.area.slotSetDashLine(true);
        f.drag(from, to);
        // The legs start at the tip and run back along the shaft, 30 along and
        // 12 aside; a point at four fifths of each leg must be drawn, and points
        // as far out beyond the tip must not.
        double const angle = std::atan2(double(from.y() - to.y()), double(from.x() - to.x()));
        auto at = [&](double along, double aside) {
            return QPoint(int(std::lround(to.x() + along * std::cos(angle) - aside * std::sin(angle))),
                          int(std::lround(to.y() + along * std::sin(angle) + aside * std::cos(angle))));
        };
        QVERIFY(f.alpha(at(24, 9.6)) > 100);
        QVERIFY(f.alpha(at(24, -9.6)) > 100);
        QVERIFY(f.alpha(at(-5, 0)) == 0);
    }

    // An arrow that ends where it starts has no direction: it gets no head,
    // neither at the press, nor when dragged back to its start, nor when kept.
    void zeroLengthArrowHasNoHead()
    {
        Fixture f;
        f.area.slotSetMode(ImageNoteWorkArea::Arrow);
        f.area.slotSetThikness(3);
        QPoint const at(20, 20);
        QImage const before = f.area.grab().toImage();
        auto marksAway = [&](QImage const& image) {
            int marks = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (QLineF(at, QPoint(x, y)).length() > 5 && image.pixel(x, y) != before.pixel(x, y))
                        ++marks;
            return marks;
        };
        QTest::mousePress(&f.area, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(marksAway(f.area.grab().toImage()), 0);
        move(&f.area, QPoint(44, 30));
        QVERIFY(marksAway(f.area.grab().toImage()) > 0);
        move(&f.area, at);
        QCOMPARE(marksAway(f.area.grab().toImage()), 0);
        QTest::mouseRelease(&f.area, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(marksAway(f.area.grab().toImage()), 0);
    }

    void aClickDrawsNothing_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = ImageNoteWorkArea::Pen; mode <= ImageNoteWorkArea::Arrow; ++mode)
            QTest::newRow(qPrintable(QString::number(mode))) << mode;
    }
    void aClickDrawsNothing()
    {
        QFETCH(int, mode);
        Fixture f;
        f.area.slotSetMode(mode);
        f.area.slotSetThikness(5);
        QSignalSpy undo(&f.area, &ImageNoteWorkArea::undoAvailable);
        f.drag(QPoint(20, 20), QPoint(20, 20));
        QVERIFY(transparent(f.layer()));
        QCOMPARE(f.area.undoCount(), 0);
        QCOMPARE(undo.count(), 0);
    }

    // Every move of a quick stroke counts, however the paints were coalesced,
    // and painting (also through render(), as a screen grab does) changes nothing.
    void quickStrokeKeepsAllPointsAndPaintChangesNothing()
    {
        Fixture f;
        f.area.slotSetThikness(2);
        f.area.show();
        QTest::mousePress(&f.area, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        for (QPoint const& p : {QPoint(50, 10), QPoint(50, 40), QPoint(10, 40)})
            move(&f.area, p);
        QImage const during = f.layer();
        f.area.grab();
        f.area.repaint();
        QCOMPARE(f.layer(), during);
        QVERIFY(transparent(during));
        QCOMPARE(f.area.undoCount(), 0);
        QTest::mouseRelease(&f.area, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
        for (QPoint const& p : {QPoint(30, 10), QPoint(50, 25), QPoint(30, 40)})
            QVERIFY2(f.alpha(p) > 100, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QImage const after = f.layer();
        f.area.grab();
        f.area.repaint();
        QCOMPARE(f.layer(), after);
        QCOMPARE(f.area.undoCount(), 1);
    }

    // Three strokes A, B, C, each along row 10, 20 or 30 and then slanting back
    // across the others, so that undoing one must restore pixels the others
    // painted; u undo, r redo.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<bool>("undoAvailable");
        QTest::addColumn<bool>("redoAvailable");
        QTest::newRow("two strokes") << "AB"
                                     << "AB" << true << false;
        QTest::newRow("undo one") << "ABu"
                                  << "A" << true << true;
        QTest::newRow("undo all") << "ABuu"
                                  << "" << false << true;
        QTest::newRow("undo beyond the start") << "Auuu"
                                               << "" << false << true;
        QTest::newRow("undo and redo") << "ABuur"
                                       << "A" << true << true;
        QTest::newRow("redo all") << "ABuurr"
                                  << "AB" << true << false;
        QTest::newRow("a new stroke drops the redo steps") << "ABuC"
                                                           << "AC" << true << false;
        QTest::newRow("redo after a new stroke does nothing") << "ABuCr"
                                                              << "AC" << true << false;
        QTest::newRow("undo after a new stroke") << "ABuCu"
                                                 << "A" << true << true;
        QTest::newRow("redo on nothing") << "r"
                                         << "" << false << false;
    }
    void undoRedo()
    {
        QFETCH(QString, steps);
        QFETCH(QString, visible);
        QFETCH(bool, undoAvailable);
        QFETCH(bool, redoAvailable);
        Fixture f;
        f.area.slotSetThikness(3);
        QSignalSpy undo(&f.area, &ImageNoteWorkArea::undoAvailable);
        QSignalSpy redo(&f.area, &ImageNoteWorkArea::redoAvailable);
        // The layers seen after each stroke: undo and redo must bring back
        // exactly these, pixel for pixel.
        QList<QImage> done{f.layer()};
        QList<QImage> undone;
        for (QChar step : steps) {
            if (step == QLatin1Char('u')) {
                f.area.slotUndo();
                if (done.size() > 1)
                    undone.append(done.takeLast());
            } else if (step == QLatin1Char('r')) {
                f.area.slotRedo();
                if (!undone.isEmpty())
                    done.append(undone.takeLast());
            } else {
                int const y = 10 * (step.unicode() - 'A' + 1);
                f.drag({QPoint(5, y), QPoint(58, y), QPoint(32, 45 - y)});
                done.append(f.layer());
                undone.clear();
            }
            QCOMPARE(f.layer(), done.last());
        }
        for (char stroke : {'A', 'B', 'C'}) {
            int const y = 10 * (stroke - 'A' + 1);
            QCOMPARE(f.alpha(QPoint(32, y)) > 0, visible.contains(QLatin1Char(stroke)));
        }
        QCOMPARE(undo.last().first().toBool(), undoAvailable);
        QCOMPARE(f.area.undoCount() > 0, undoAvailable);
        if (!redo.isEmpty())
            QCOMPARE(redo.last().first().toBool(), redoAvailable);
        QCOMPARE(f.area.redoCount() > 0, redoAvailable);
    }

    void aNewPictureForgetsTheHistory()
    {
        Fixture f;
        f.drag(QPoint(5, 10), QPoint(58, 10));
        f.drag(QPoint(5, 20), QPoint(58, 20));
        f.area.slotUndo();
        QSignalSpy undo(&f.area, &ImageNoteWorkArea::undoAvailable);
        QSignalSpy redo(&f.area, &ImageNoteWorkArea::redoAvailable);
        f.area.slotSetPixmap(basePicture());
        QCOMPARE(undo.last().first().toBool(), false);
        QCOMPARE(redo.last().first().toBool(), false);
        f.area.slotUndo();
        f.area.slotRedo();
        QVERIFY(transparent(f.layer()));
        QVERIFY(f.area.isDirty());
    }

    void undoIsBoundedByMemory()
    {
        // Eight by six tiles, all inked, and a thin stroke along each row of tiles.
        QSize const size(8 * ImageNoteWorkArea::kTileSize, 6 * ImageNoteWorkArea::kTileSize);
        QPixmap picture(size);
        picture.fill(kBase);
        Fixture f(picture);
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(Qt::green);
        f.drag(QPoint(1, 1), QPoint(size.width() - 1, size.height() - 1));
        f.area.slotSetMode(ImageNoteWorkArea::Pen);
        f.area.slotSetColor(Qt::red);
        auto row = [&](int i) { return ImageNoteWorkArea::kTileSize * i + 10; };
        auto stroke = [&](int i) { f.drag(QPoint(5, row(i)), QPoint(size.width() - 5, row(i))); };
        auto red = [&](int i) { return qRed(f.layer().pixel(size.width() / 2, row(i))) > 0; };
        qint64 const layerBytes = qint64(size.width()) * size.height() * 4;
        qint64 const filled = f.area.undoMemory();
        stroke(0);
        qint64 const stepBytes = f.area.undoMemory() - filled;
        // A thin stroke keeps only its strip of the layer.
        QVERIFY2(stepBytes > 0 && stepBytes <= layerBytes / 5, qPrintable(QString::number(stepBytes)));
        f.area.slotUndo();
        f.area.slotRedo();
        QCOMPARE(f.area.undoMemory(), filled + stepBytes);
        f.area.setUndoMemoryLimit(3 * stepBytes);
        for (int i = 1; i < 6; ++i)
            stroke(i);
        QCOMPARE(f.area.undoCount(), 3);
        QVERIFY(f.area.undoMemory() <= 3 * stepBytes);
        // The newest steps survive: three undos leave the first three strokes.
        for (int i = 0; i < 3; ++i)
            f.area.slotUndo();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(red(i), i < 3);
        // Undo moved the steps to the redo side; together they stay within the bound.
        f.area.slotUndo();
        QCOMPARE(f.area.redoCount(), 3);
        QVERIFY(f.area.undoMemory() <= 3 * stepBytes);
    }

    // Undo and redo share one memory bound. On a picture of 8 x 6 tiles, each
    // letter fills a rectangle: L the left half red, R the right half green, F,
    // Y and M the whole picture blue, yellow and magenta; u undo, r redo. The
    // bound is given in layers; the oldest undo steps go first, then the redo
    // steps farthest from the current one, and one step always stays.
    void undoAndRedoShareTheMemoryBound_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<double>("layers");
        QTest::addColumn<int>("undoCount");
        QTest::addColumn<int>("redoCount");
        QTest::addColumn<QString>("shown"); // the colours left and right at the end
        QTest::newRow("two undone fill redo beyond the bound") << "FYuu" << 1.5 << 0 << 1 << "-,-";
        QTest::newRow("the farthest redo step goes") << "FYuurr" << 1.5 << 1 << 0 << "blue,blue";
        QTest::newRow("three undone, two redone") << "FYMuuurrr" << 2.5 << 2 << 0 << "yellow,yellow";
        QTest::newRow("undo steps go before redo steps") << "LRFuu" << 1.25 << 0 << 1 << "red,-";
        QTest::newRow("then only the kept redo step") << "LRFuurr" << 1.25 << 1 << 0 << "red,green";
        QTest::newRow("within the bound all stay") << "FYMuuurrr" << 3.5 << 3 << 0 << "magenta,magenta";
    }
    void undoAndRedoShareTheMemoryBound()
    {
        QFETCH(QString, steps);
        QFETCH(double, layers);
        QFETCH(int, undoCount);
        QFETCH(int, redoCount);
        QFETCH(QString, shown);
        int const tile = ImageNoteWorkArea::kTileSize;
        QSize const size(8 * tile, 6 * tile);
        QPixmap picture(size);
        picture.fill(kBase);
        Fixture f(picture);
        qint64 const limit = qint64(layers * size.width() * size.height() * 4);
        f.area.setUndoMemoryLimit(limit);
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        QRect const left(QPoint(1, 1), QPoint(size.width() / 2 - 10, size.height() - 2));
        QRect const right(QPoint(size.width() / 2 + 10, 1), QPoint(size.width() - 2, size.height() - 2));
        QRect const all(QPoint(1, 1), QPoint(size.width() - 2, size.height() - 2));
        QSignalSpy undo(&f.area, &ImageNoteWorkArea::undoAvailable);
        QSignalSpy redo(&f.area, &ImageNoteWorkArea::redoAvailable);
        for (QChar const step : steps) {
            switch (step.toLatin1()) {
            case 'u':
                f.area.slotUndo();
                break;
            case 'r':
                f.area.slotRedo();
                break;
            default: {
                QColor const colour = step == QLatin1Char('L')   ? Qt::red
                                      : step == QLatin1Char('R') ? Qt::green
                                      : step == QLatin1Char('F') ? Qt::blue
                                      : step == QLatin1Char('Y') ? Qt::yellow
                                                                 : Qt::magenta;
                QRect const area = step == QLatin1Char('L') ? left : step == QLatin1Char('R') ? right : all;
                f.area.slotSetColor(colour);
                f.drag(area.topLeft(), area.bottomRight());
            }
            }
            QVERIFY2(f.area.undoMemory() <= limit || f.area.undoCount() + f.area.redoCount() == 1,
                     qPrintable(QStringLiteral("%1 bytes after %2").arg(f.area.undoMemory()).arg(step)));
            QCOMPARE(undo.last().first().toBool(), f.area.undoCount() > 0);
            QCOMPARE(redo.last().first().toBool(), f.area.redoCount() > 0);
        }
        QCOMPARE(f.area.undoCount(), undoCount);
        QCOMPARE(f.area.redoCount(), redoCount);
        auto const colourAt = [&f](QPoint const& p) {
            QRgb const pixel = f.layer().pixel(p);
            if (qAlpha(pixel) == 0)
                return QStringLiteral("-");
            int const r = qRed(pixel) > 100, g = qGreen(pixel) > 100, b = qBlue(pixel) > 100;
            QStringList const names{"black", "blue", "green", "cyan", "red", "magenta", "yellow", "white"};
            return names.at(r * 4 + g * 2 + b);
        };
        QCOMPARE(colourAt(left.center()) + QLatin1Char(',') + colourAt(right.center()), shown);
    }

    // On a large picture a small gesture must not cost a copy of the whole layer.
    void aStepKeepsOnlyWhatItChanged()
    {
        QPixmap large(2000, 1500);
        large.fill(kBase);
        Fixture f(large);
        f.area.slotSetThikness(4);
        f.drag({QPoint(100, 100), QPoint(150, 120), QPoint(180, 160)});
        // The stroke spans 80 x 60 points; with the pen it is well under 200 x 200.
        QVERIFY2(f.area.undoMemory() <= 200 * 200 * 4, qPrintable(QString::number(f.area.undoMemory())));
        QVERIFY(f.alpha(QPoint(150, 120)) > 0);
        f.area.slotUndo();
        QVERIFY(transparent(f.layer()));
    }

    // Over a layer painted all over, each tool's step is undone to the exact
    // pixels and redone to the exact result, also on a picture with two device
    // pixels per point, and at the widths where the pen reaches furthest.
    void undoRestoresEachToolExactly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QList<QPoint>>("points");
        QList<QPoint> const slant{QPoint(12, 30), QPoint(30, 14), QPoint(50, 34)};
        QList<QPoint> const corner{QPoint(40, 36), QPoint(20, 10)};
        QTest::newRow("pen 15") << int(ImageNoteWorkArea::Pen) << 15 << 1.0 << slant;
        QTest::newRow("pen on a 2x picture") << int(ImageNoteWorkArea::Pen) << 3 << 2.0 << slant;
        QTest::newRow("eraser") << int(ImageNoteWorkArea::Eraser) << 2 << 1.0 << slant;
        QTest::newRow("highlighter") << int(ImageNoteWorkArea::Highlighter) << 2 << 1.0 << slant;
        QTest::newRow("rectangle 10") << int(ImageNoteWorkArea::Rectangle) << 10 << 1.0 << corner;
        QTest::newRow("filled oval") << int(ImageNoteWorkArea::FilledOval) << 3 << 1.0 << corner;
        QTest::newRow("oval 15 on a 2x picture") << int(ImageNoteWorkArea::Oval) << 15 << 2.0 << corner;
        QTest::newRow("wide flat oval") << int(ImageNoteWorkArea::Oval) << 1 << 1.0
                                        << QList<QPoint>{QPoint(0, 22), QPoint(63, 26)};
        QTest::newRow("line 15 at a slant") << int(ImageNoteWorkArea::Line) << 15 << 1.0 << corner;
        QTest::newRow("arrow") << int(ImageNoteWorkArea::Arrow) << 4 << 1.0 << corner;
        QTest::newRow("blur") << int(ImageNoteWorkArea::Blur) << 1 << 1.0 << corner;
        QTest::newRow("blur on a 2x picture") << int(ImageNoteWorkArea::Blur) << 1 << 2.0 << corner;
    }
    void undoRestoresEachToolExactly()
    {
        QFETCH(int, mode);
        QFETCH(int, thickness);
        QFETCH(qreal, ratio);
        QFETCH(QList<QPoint>, points);
        Fixture f(stripedPicture(ratio));
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(Qt::green);
        f.drag(QPoint(0, 0), QPoint(63, 47));
        QImage const before = f.layer();
        QCOMPARE(before.size(), kSize * ratio);
        f.area.slotSetMode(mode);
        f.area.slotSetColor(Qt::red);
        f.area.slotSetThikness(thickness);
        f.drag(points);
        QImage const after = f.layer();
        QVERIFY(after != before);
        f.area.slotUndo();
        QCOMPARE(f.layer(), before);
        f.area.slotRedo();
        QCOMPARE(f.layer(), after);
        f.area.slotUndo();
        QCOMPARE(f.layer(), before);
    }

    // The composed picture is the picture with its whole layer over it, after
    // every kind of change to the layer, also when it is asked for in between.
    void contentIsThePictureUnderItsLayer_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void contentIsThePictureUnderItsLayer()
    {
        QFETCH(qreal, ratio);
        QPixmap const picture = stripedPicture(ratio);
        Fixture f(picture);
        auto check = [&](char const* after) {
            QImage const content = f.area.pixContent().toImage();
            QCOMPARE(content.devicePixelRatio(), ratio);
            QVERIFY2(content.convertToFormat(QImage::Format_ARGB32)
                         == plainComposition(picture, f.area.layer()).convertToFormat(QImage::Format_ARGB32),
                     after);
        };
        check("nothing drawn");
        f.area.slotSetThikness(4);
        f.area.slotSetColor(QColor(255, 0, 0, 160));
        f.drag({QPoint(3, 5), QPoint(30, 40), QPoint(60, 8)});
        check("a translucent stroke");
        f.area.slotSetMode(ImageNoteWorkArea::Highlighter);
        f.drag(QPoint(2, 30), QPoint(62, 30));
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(Qt::green);
        f.drag(QPoint(40, 20), QPoint(60, 44));
        check("highlighter and filled rectangle");
        f.area.slotSetMode(ImageNoteWorkArea::Eraser);
        f.area.slotSetThikness(1);
        f.drag(QPoint(50, 0), QPoint(50, 47));
        check("eraser");
        f.area.slotSetMode(ImageNoteWorkArea::Blur);
        f.drag(QPoint(5, 25), QPoint(30, 45));
        check("blur");
        f.area.slotUndo();
        check("undo");
        f.area.slotUndo();
        f.area.slotRedo();
        check("undo and redo");
        f.area.slotSetPixmap(picture);
        check("a new picture");
    }

    // While the button is down the screen shows the picture, the layer and the
    // gesture under way; the eraser and the blur show their effect on the layer
    // without changing it.
    void paintShowsTheGestureUnderWay_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<Draw>("draw");
        QList<QPoint> const wave{QPoint(4, 40), QPoint(20, 6), QPoint(36, 42), QPoint(58, 10)};
        QTest::newRow("eraser") << int(ImageNoteWorkArea::Eraser) << wave << Draw([=](QPainter& p) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.setPen(QPen(QBrush(QColor(0, 0, 0, 0)), 20, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
            QLine const dot(wave.first(), wave.first());
            p.drawLines(&dot, 1);
            for (int i = 1; i < wave.size(); ++i) {
                QLine const segment(wave.at(i - 1), wave.at(i));
                p.drawLines(&segment, 1);
            }
        });
        QTest::newRow("blur") << int(ImageNoteWorkArea::Blur)
                              << QList<QPoint>{QPoint(50, 40), QPoint(8, 4), QPoint(30, 12), QPoint(12, 12)}
                              << Draw([](QPainter& p) {
                                     QRect const r(QPoint(12, 12), QPoint(50, 40));
                                     QImage const blurred =
                                         VAruzoD::DrawTools::blurred(stripedPicture().toImage(), r, 10, false);
                                     p.drawImage(r, blurred, r);
                                 });
    }
    void paintShowsTheGestureUnderWay()
    {
        QFETCH(int, mode);
        QFETCH(QList<QPoint>, points);
        QFETCH(Draw, draw);
        Fixture f(stripedPicture(1.0));
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(Qt::green);
        f.drag(QPoint(0, 0), QPoint(45, 35));
        f.area.slotSetMode(mode);
        f.area.slotSetThikness(2);
        QImage const layer = f.layer();
        f.area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.area));
        QTest::mousePress(&f.area, Qt::LeftButton, Qt::NoModifier, points.first());
        for (int i = 1; i < points.size(); ++i) {
            move(&f.area, points.at(i));
            QCoreApplication::processEvents();
            // What the partial repaints left on the screen is what a full paint shows.
            QImage const full = f.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(f.area.screen()->grabWindow(f.area.winId()).toImage().convertToFormat(QImage::Format_RGB32), full);
        }
        QImage shown = layer.copy();
        {
            QPainter painter(&shown);
            painter.setRenderHint(QPainter::Antialiasing);
            draw(painter);
        }
        QCOMPARE(f.area.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 plainComposition(stripedPicture(1.0), shown).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(f.layer(), layer);
        QTest::mouseRelease(&f.area, Qt::LeftButton, Qt::NoModifier, points.last());
    }

    // Each step keeps only the tiles its stroke changed, so fifty strokes across
    // a large picture all stay within the default bound, even where every tile
    // they cross already holds ink.
    void fiftyStrokesAcrossALargePictureFitTheUndoBound()
    {
        QSize const size(8000, 8000);
        QPixmap large(size);
        large.fill(kBase);
        Fixture f(large);
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(QColor(0, 255, 0, 40));
        f.drag(QPoint(1, 1), QPoint(size.width() - 1, size.height() - 1));
        f.area.slotSetMode(ImageNoteWorkArea::Pen);
        f.area.slotSetColor(Qt::red);
        f.area.slotSetThikness(5);
        int const strokes = 50;
        for (int s = 0; s < strokes; ++s)
            f.drag(strokeAcross(size, s, strokes));
        QCOMPARE(f.area.undoCount(), strokes + 1);
        QVERIFY2(f.area.undoMemory() <= ImageNoteWorkArea::kDefaultUndoMemory,
                 qPrintable(QString::number(f.area.undoMemory())));
        QPoint const onLast = strokeAcross(size, strokes - 1, strokes).at(100);
        QCOMPARE(qRed(f.area.layer().pixel(onLast)), 255);
        f.area.slotUndo();
        QCOMPARE(qRed(f.area.layer().pixel(onLast)), 0);
        f.area.slotRedo();
        QCOMPARE(qRed(f.area.layer().pixel(onLast)), 255);
    }

    // Outlines across a large inked picture keep only the tiles along them,
    // and still undo and redo to the exact pixels.
    void outlinesKeepTheTilesAlongThem_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("oval 15") << int(ImageNoteWorkArea::Oval) << 15 << QPoint(40, 30) << QPoint(1000, 740);
        QTest::newRow("flat oval") << int(ImageNoteWorkArea::Oval) << 1 << QPoint(1010, 380) << QPoint(10, 420);
        QTest::newRow("narrow oval") << int(ImageNoteWorkArea::Oval) << 2 << QPoint(500, 5) << QPoint(530, 760);
        QTest::newRow("rectangle 10") << int(ImageNoteWorkArea::Rectangle) << 10 << QPoint(1000, 740) << QPoint(30, 20);
        QTest::newRow("arrow 4") << int(ImageNoteWorkArea::Arrow) << 4 << QPoint(20, 700) << QPoint(990, 40);
    }
    void outlinesKeepTheTilesAlongThem()
    {
        QFETCH(int, mode);
        QFETCH(int, thickness);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QSize const size(1024, 768);
        QPixmap picture(size);
        picture.fill(kBase);
        Fixture f(picture);
        f.area.slotSetMode(ImageNoteWorkArea::FilledRectangle);
        f.area.slotSetColor(Qt::green);
        f.drag(QPoint(1, 1), QPoint(size.width() - 1, size.height() - 1));
        QImage const before = f.layer();
        qint64 const filled = f.area.undoMemory();
        f.area.slotSetMode(mode);
        f.area.slotSetColor(Qt::red);
        f.area.slotSetThikness(thickness);
        f.area.slotSetDashLine(true);
        f.drag(from, to);
        QImage const after = f.layer();
        qint64 const stepBytes = f.area.undoMemory() - filled;
        QVERIFY2(stepBytes < qint64(size.width()) * size.height() * 4 / 2, qPrintable(QString::number(stepBytes)));
        f.area.slotUndo();
        QCOMPARE(f.layer(), before);
        f.area.slotRedo();
        QCOMPARE(f.layer(), after);
    }

    void textBoxPlacement_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("box");
        QTest::newRow("click") << QPoint(5, 6) << QPoint(5, 6) << QRect(5, 6, 220, 90);
        QTest::newRow("short drag up and left") << QPoint(50, 40) << QPoint(10, 0) << QRect(50, 40, 220, 90);
        QTest::newRow("drag over 100 up and left")
            << QPoint(150, 100) << QPoint(20, 30) << QRect(QPoint(20, 30), QPoint(150, 100));
    }
    void textBoxPlacement()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, box);
        Fixture f;
        f.area.show();
        f.area.slotSetMode(ImageNoteWorkArea::Text);
        f.drag(from, to);
        QVERIFY(f.area.textBox()->isVisible());
        QCOMPARE(f.area.textBox()->geometry(), box);
        QCOMPARE(f.area.undoCount(), 1);
        // Moving the open box keeps its text and adds no undo step.
        f.area.textBox()->textEdit()->setPlainText(QStringLiteral("kept"));
        f.drag(QPoint(1, 1), QPoint(1, 1));
        QCOMPARE(f.area.textBox()->geometry(), QRect(1, 1, 220, 90));
        QCOMPARE(f.area.textBox()->textEdit()->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(f.area.undoCount(), 1);
    }

    void textAcceptedAndCancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("written");
        QTest::newRow("accepted") << "NoteEditWidgetAccept" << true;
        QTest::newRow("cancelled") << "NoteEditWidgetReject" << false;
    }
    void textAcceptedAndCancelled()
    {
        QFETCH(QString, button);
        QFETCH(bool, written);
        Fixture f;
        f.area.show();
        f.area.slotSetMode(ImageNoteWorkArea::Text);
        f.area.slotSetColor(Qt::red);
        f.drag(QPoint(2, 2), QPoint(2, 2));
        f.area.textBox()->textEdit()->setPlainText(QStringLiteral("WWW WWW"));
        QImage const before = f.layer();
        QTest::mouseClick(f.area.textBox()->findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(!f.area.textBox()->isVisible());
        QVERIFY(f.area.textBox()->textEdit()->toPlainText().isEmpty());
        QCOMPARE(f.area.undoCount(), 1);
        QCOMPARE(!transparent(f.layer()), written);
        if (written) {
            // The text sits inside the box, 3 pixels in from its corner, in the colour.
            QImage const layer = f.layer();
            bool redInside = false;
            for (int y = 0; y < kSize.height(); ++y)
                for (int x = 0; x < kSize.width(); ++x) {
                    QRgb const pixel = layer.pixel(x, y);
                    if (qAlpha(pixel) > 0) {
                        QVERIFY(x >= 5 && y >= 5);
                        redInside = redInside || (qRed(pixel) > 200 && qGreen(pixel) == 0);
                    }
                }
            QVERIFY(redInside);
        }
        f.area.slotUndo();
        QCOMPARE(f.layer(), before);
        QTRY_COMPARE(f.area.mode(), int(ImageNoteWorkArea::Text));
    }

    void directAcceptIsIgnored()
    {
        Fixture f;
        f.area.show();
        f.area.slotSetMode(ImageNoteWorkArea::Text);
        f.drag(QPoint(2, 2), QPoint(2, 2));
        f.area.textBox()->textEdit()->setPlainText(QStringLiteral("WWW"));
        f.area.slotEditAccepted();
        QVERIFY(f.area.textBox()->isVisible());
        QVERIFY(transparent(f.layer()));
    }

    // Another tool's press hides the box; a note typed into it goes into the
    // picture as one undo step of its own, before the tool's gesture.
    void anotherToolWritesTheOpenNote_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("gestureSteps");
        QTest::newRow("pen click") << int(ImageNoteWorkArea::Pen) << QPoint(5, 40) << "WWW WWW" << 0;
        QTest::newRow("line drag") << int(ImageNoteWorkArea::Line) << QPoint(60, 40) << "WWW WWW" << 1;
        QTest::newRow("eraser drag") << int(ImageNoteWorkArea::Eraser) << QPoint(60, 40) << "WWW WWW" << 1;
        QTest::newRow("blur drag") << int(ImageNoteWorkArea::Blur) << QPoint(60, 46) << "WWW WWW" << 1;
        QTest::newRow("empty box, line drag") << int(ImageNoteWorkArea::Line) << QPoint(60, 40) << "" << 1;
    }
    void anotherToolWritesTheOpenNote()
    {
        QFETCH(int, tool);
        QFETCH(QPoint, to);
        QFETCH(QString, note);
        QFETCH(int, gestureSteps);
        Fixture f;
        f.area.show();
        f.area.slotSetColor(Qt::red);
        f.area.slotSetMode(ImageNoteWorkArea::Text);
        f.drag(QPoint(2, 2), QPoint(2, 2));
        f.area.textBox()->textEdit()->setPlainText(note);
        f.area.slotSetMode(tool);
        f.drag(QPoint(5, 40), to);
        QVERIFY(!f.area.textBox()->isVisible());
        QVERIFY(f.area.textBox()->textEdit()->toPlainText().isEmpty());
        QCOMPARE(f.area.mode(), tool);
        // The note's red ink lies in its box, clear of the gesture below it.
        auto const noteInk = [&f] {
            QImage const layer = f.layer().copy(QRect(0, 0, kSize.width(), 30));
            int ink = 0;
            for (int y = 0; y < layer.height(); ++y)
                for (int x = 0; x < layer.width(); ++x)
                    ink += qAlpha(layer.pixel(x, y)) > 0 ? 1 : 0;
            return ink;
        };
        QCOMPARE(noteInk() > 0, !note.isEmpty());
        QCOMPARE(f.area.undoCount(), 1 + gestureSteps);
        for (int i = 0; i < gestureSteps; ++i)
            f.area.slotUndo();
        QCOMPARE(noteInk() > 0, !note.isEmpty());
        f.area.slotUndo();
        QVERIFY(transparent(f.layer()));
    }

    void savedPictureIsTheContent()
    {
        QTemporaryDir folder;
        Fixture f;
        f.area.show();
        f.area.slotSetThikness(3);
        f.drag(QPoint(5, 5), QPoint(58, 40));
        // A note open in its box goes into the picture first, as accept writes it.
        f.area.slotSetMode(ImageNoteWorkArea::Text);
        f.drag(QPoint(2, 2), QPoint(2, 2));
        f.area.textBox()->textEdit()->setPlainText(QStringLiteral("WWW"));
        QImage const withoutNote = f.layer();
        QString const path = folder.path() + QStringLiteral("/note.jpg");
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, path);
            pressAccept(dialog);
        });
        QVERIFY(f.area.slotSave());
        QVERIFY(driver.done());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(8).startsWith("\x89PNG"));
        QImage const saved(path, "PNG");
        QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32),
                 f.area.pixContent().toImage().convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(saved.pixel(32, 2), QColor(kBase).rgb());
        QVERIFY(f.layer() != withoutNote);
        QVERIFY(!f.area.textBox()->isVisible());
        QVERIFY(!f.area.isDirty());
        QCOMPARE(App::theApp()->saveDirPath(), folder.path() + QLatin1Char('/'));
    }

    void failedSaveIsReported()
    {
        QTemporaryDir earlier;
        App::theApp()->setSaveDirPath(earlier.path() + QStringLiteral("/x.png"));
        Fixture f;
        f.drag(QPoint(5, 5), QPoint(58, 40));
        QString const path = QStringLiteral("/proc/EditedScreenShot_cannot.png");
        QString text;
        bool seen = false;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, path);
            pressAccept(dialog);
            ModalAnswer::answerNextWindow([&](QWidget* box) {
                seen = true;
                for (QLabel* label : box->findChildren<QLabel*>())
                    text += label->text();
                static_cast<QDialog*>(box)->reject();
            });
        });
        QVERIFY(!f.area.slotSave());
        QVERIFY(seen);
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY(f.area.isDirty());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(App::theApp()->saveDirPath(), earlier.path() + QLatin1Char('/'));
    }

    // On a full disk the message names the reason, and no file is left.
    void fullDiskIsNamed()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::OwnMounts);
        QTemporaryDir folder;
        QString const mounted = ChildNamespace::mountSmallDisk(folder.path(), 64);
        if (!mounted.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no tmpfs: ") + mounted));
        {
            QFile fill(folder.filePath(QStringLiteral("fill")));
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QByteArray const block(4096, 'x');
            while (fill.write(block) == block.size()) { }
        }
        Fixture f;
        f.drag(QPoint(5, 5), QPoint(58, 40));
        QString const path = folder.filePath(QStringLiteral("note.png"));
        QString text;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, path);
            pressAccept(dialog);
            ModalAnswer::answerNextWindow([&](QWidget* box) {
                for (QLabel* label : box->findChildren<QLabel*>())
                    text += label->text();
                static_cast<QDialog*>(box)->reject();
            });
        });
        QVERIFY(!f.area.slotSave());
        QVERIFY2(text.contains(path) && text.contains(QStringLiteral("There is no space left on the device.")),
                 qPrintable(text));
        QVERIFY(f.area.isDirty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("fill")});
        QVERIFY(::umount(QFile::encodeName(folder.path()).constData()) == 0);
    }

    void cursors_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("tinted");
        QTest::newRow("pen follows the colour") << int(ImageNoteWorkArea::Pen) << true;
        QTest::newRow("text follows the colour") << int(ImageNoteWorkArea::Text) << true;
        QTest::newRow("eraser keeps its own") << int(ImageNoteWorkArea::Eraser) << false;
    }
    void cursors()
    {
        QFETCH(int, mode);
        QFETCH(bool, tinted);
        Fixture f;
        f.area.slotSetMode(mode);
        f.area.slotSetColor(QColor(0, 200, 0));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&f.area, &enter);
        QVERIFY(QGuiApplication::overrideCursor());
        QImage const picture = QGuiApplication::overrideCursor()->pixmap().toImage();
        QVERIFY(!picture.isNull());
        bool green = false;
        bool blue = false;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                QColor const c = QColor::fromRgba(picture.pixel(x, y));
                green = green || (c.alpha() == 255 && c.green() > 150 && c.red() < 60 && c.blue() < 60);
                blue = blue || (c.alpha() == 255 && c.blue() > 200 && c.red() < 60 && c.green() < 60);
            }
        QCOMPARE(green, tinted);
        QVERIFY(!blue);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&f.area, &leave);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        f.area.slotSetMode(ImageNoteWorkArea::FilledOval);
        QCoreApplication::sendEvent(&f.area, &enter);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestImageNoteWorkArea test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_imagenoteworkarea.moc"
