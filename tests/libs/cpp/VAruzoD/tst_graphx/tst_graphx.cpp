#include <QtTest>

#include <QRandomGenerator>

#include <climits>
#include <ctime>

#include "VAruzoD/GraphX.h"
#include "VAruzoD/ImageProcess.h"
#include "VAruzoD/ProgressLine.h"
#include "libs/cpp/VAruzoD/RecordingSurface.h"
#include "libs/cpp/VAruzoD/tst_graphx/ReferenceRaster.h"

using VAruzoD::GraphX;

namespace {

// The eight mirror images (±u, ±v) and (±v, ±u) of the points of one octant.
QSet<QPoint> mirrored(const QString& octant)
{
    QSet<QPoint> set;
    for (const QPoint& p : points(octant)) {
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) {
                set.insert(QPoint(sx * p.x(), sy * p.y()));
                set.insert(QPoint(sx * p.y(), sy * p.x()));
            }
    }
    return set;
}

QSet<QPoint> transposed(const QSet<QPoint>& set)
{
    QSet<QPoint> t;
    for (const QPoint& p : set)
        t.insert(QPoint(p.y(), p.x()));
    return t;
}

enum class Shape { Circle, FillCircle, Ellipse, FillEllipse };

enum class Primitive { Line, LineH, LineV, Rect, FillRect, Circle, FillCircle, Ellipse, FillEllipse };

// A primitive and its arguments, colour left out.
struct Call
{
    Primitive primitive;
    QVector<int> args;
};

void draw(const GraphX& surface, const Call& call, int color)
{
    const QVector<int>& a = call.args;
    switch (call.primitive) {
    case Primitive::Line:
        surface.line(a[0], a[1], a[2], a[3], color);
        break;
    case Primitive::LineH:
        surface.lineH(a[0], a[1], a[2], color);
        break;
    case Primitive::LineV:
        surface.lineV(a[0], a[1], a[2], color);
        break;
    case Primitive::Rect:
        surface.rect(a[0], a[1], a[2], a[3], color);
        break;
    case Primitive::FillRect:
        surface.fillRect(a[0], a[1], a[2], a[3], color);
        break;
    case Primitive::Circle:
        surface.circle(a[0], a[1], a[2], color);
        break;
    case Primitive::FillCircle:
        surface.fillCircle(a[0], a[1], a[2], color);
        break;
    case Primitive::Ellipse:
        surface.ellipse(a[0], a[1], a[2], a[3], color);
        break;
    case Primitive::FillEllipse:
        surface.fillEllipse(a[0], a[1], a[2], a[3], color);
        break;
    }
}

// The pixels of the whole shape, walked the plain way, that lie in the window.
QSet<QPoint> wholeShapeIn(const Call& call, const QRect& window)
{
    QSet<QPoint> set;
    auto put = [&](long long x, long long y) {
        if (x >= window.left() && x <= window.right() && y >= window.top() && y <= window.bottom())
            set.insert(QPoint(int(x), int(y)));
    };
    const QVector<int>& a = call.args;
    switch (call.primitive) {
    case Primitive::Line:
        ReferenceRaster::line(a[0], a[1], a[2], a[3], put);
        break;
    case Primitive::LineH:
        for (long long x = a[0]; x < a[1]; ++x)
            put(x, a[2]);
        break;
    case Primitive::LineV:
        for (long long y = a[0]; y < a[1]; ++y)
            put(a[2], y);
        break;
    case Primitive::Rect:
        ReferenceRaster::rect(a[0], a[1], a[2], a[3], put);
        break;
    case Primitive::FillRect:
        ReferenceRaster::fillRect(a[0], a[1], a[2], a[3], put);
        break;
    case Primitive::Circle:
    case Primitive::FillCircle:
        ReferenceRaster::ellipse(a[0], a[1], a[2], a[2], call.primitive == Primitive::FillCircle, put);
        break;
    case Primitive::Ellipse:
    case Primitive::FillEllipse:
        ReferenceRaster::ellipse(a[0], a[1], a[2], a[3], call.primitive == Primitive::FillEllipse, put);
        break;
    }
    return set;
}

constexpr int kSide = 16;

QSet<QPoint> rowOf(int y)
{
    QSet<QPoint> set;
    for (int x = 0; x < kSide; ++x)
        set.insert(QPoint(x, y));
    return set;
}

QSet<QPoint> columnOf(int x)
{
    return transposed(rowOf(x));
}

QSet<QPoint> everyPixel()
{
    QSet<QPoint> set;
    for (int y = 0; y < kSide; ++y)
        set += rowOf(y);
    return set;
}

QSet<QPoint> diagonal()
{
    QSet<QPoint> set;
    for (int i = 0; i < kSide; ++i)
        set.insert(QPoint(i, i));
    return set;
}

// A surface written against the drawing interface alone: it supplies putPixel
// and getPixel and nothing else, and answers 0 outside its 8 x 8 grid.
class PlainSurface : public GraphX
{
public:
    void putPixel(int x, int y, int color) const override
    {
        if (x >= 0 && y >= 0 && x < 8 && y < 8)
            m_pixels[y][x] = color;
    }
    int getPixel(int x, int y) const override { return x >= 0 && y >= 0 && x < 8 && y < 8 ? m_pixels[y][x] : 0; }

    QStringList rows() const
    {
        QStringList lines;
        for (const auto& row : m_pixels) {
            QString line;
            for (int v : row)
                line += QString::number(v);
            lines << line;
        }
        return lines;
    }

private:
    mutable int m_pixels[8][8] = {};
};

} // namespace

Q_DECLARE_METATYPE(Shape)
Q_DECLARE_METATYPE(Call)

class TestGraphX : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void straightLinesAndRectangles_data();
    void straightLinesAndRectangles();
    void round_data();
    void round();
    void fillStopsAtItsBorder_data();
    void fillStopsAtItsBorder();
    void fillWithTheSeedColourDrawsNothing();
    void fillOnASurfaceThatCannotHoldTheColourEnds();
    void largeFillNeedsNoDeepStack();
    void progress_data();
    void progress();
    void clippedShapesKeepTheirPixels_data();
    void clippedShapesKeepTheirPixels();
    void randomShapesKeepTheirPixels();
    void hostileSizesDrawOnlyTheSurface_data();
    void hostileSizesDrawOnlyTheSurface();
    void surfaceWithPutAndGetOnly();
};

void TestGraphX::line_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("pixels");

    QTest::newRow("x-major rising") << QPoint(0, 0) << QPoint(4, 2) << "0,0 1,1 2,1 3,2 4,2";
    QTest::newRow("x-major falling") << QPoint(0, 2) << QPoint(4, 0) << "0,2 1,1 2,1 3,0 4,0";
    QTest::newRow("y-major rightward") << QPoint(0, 0) << QPoint(2, 4) << "0,0 1,1 1,2 2,3 2,4";
    QTest::newRow("y-major leftward") << QPoint(2, 0) << QPoint(0, 4) << "2,0 1,1 1,2 0,3 0,4";
    QTest::newRow("diagonal is y-major") << QPoint(0, 0) << QPoint(3, 3) << "0,0 1,1 2,2 3,3";
    QTest::newRow("horizontal") << QPoint(1, 2) << QPoint(4, 2) << "1,2 2,2 3,2 4,2";
    QTest::newRow("vertical") << QPoint(3, 1) << QPoint(3, 4) << "3,1 3,2 3,3 3,4";
    QTest::newRow("single point") << QPoint(2, 2) << QPoint(2, 2) << "2,2";
    QTest::newRow("beyond the surface") << QPoint(-2, -1) << QPoint(2, 1) << "-2,-1 -1,0 0,0 1,1 2,1";
}

void TestGraphX::line()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, pixels);
    RecordingSurface forward(10, 10);
    forward.line(from.x(), from.y(), to.x(), to.y(), 1);
    QCOMPARE(text(forward.touched()), text(points(pixels)));
    // Every pixel once, and the same pixels with the ends swapped.
    QCOMPARE(forward.calls(), points(pixels).size());
    RecordingSurface backward(10, 10);
    backward.line(to.x(), to.y(), from.x(), from.y(), 1);
    QCOMPARE(text(backward.touched()), text(points(pixels)));
}

void TestGraphX::straightLinesAndRectangles_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QVector<int>>("args");
    QTest::addColumn<QString>("pixels");

    using V = QVector<int>;
    QTest::newRow("lineH empty") << "lineH" << V{3, 3, 1} << "";
    QTest::newRow("lineH two") << "lineH" << V{3, 5, 1} << "3,1 4,1";
    QTest::newRow("lineH reversed") << "lineH" << V{5, 3, 1} << "";
    QTest::newRow("lineV two") << "lineV" << V{2, 4, 7} << "7,2 7,3";
    QTest::newRow("lineV empty") << "lineV" << V{4, 4, 7} << "";
    QTest::newRow("rect 1x1") << "rect" << V{0, 0, 1, 1} << "0,0";
    QTest::newRow("rect 4x3") << "rect" << V{1, 1, 4, 3} << "1,1 2,1 3,1 4,1 1,2 4,2 1,3 2,3 3,3 4,3";
    QTest::newRow("rect 2x1") << "rect" << V{5, 5, 2, 1} << "5,5 6,5";
    QTest::newRow("rect no width") << "rect" << V{1, 1, 0, 3} << "";
    // A rectangle of no height is nothing, not rows y and y - 1.
    QTest::newRow("rect no height") << "rect" << V{1, 1, 3, 0} << "";
    QTest::newRow("fillRect 3x2") << "fillRect" << V{1, 1, 3, 2} << "1,1 2,1 3,1 1,2 2,2 3,2";
    QTest::newRow("fillRect negative") << "fillRect" << V{1, 1, 3, -2} << "";
}

void TestGraphX::straightLinesAndRectangles()
{
    QFETCH(QString, call);
    QFETCH(QVector<int>, args);
    QFETCH(QString, pixels);
    RecordingSurface s(10, 10);
    if (call == "lineH")
        s.lineH(args[0], args[1], args[2], 1);
    else if (call == "lineV")
        s.lineV(args[0], args[1], args[2], 1);
    else if (call == "rect")
        s.rect(args[0], args[1], args[2], args[3], 1);
    else
        s.fillRect(args[0], args[1], args[2], args[3], 1);
    QCOMPARE(text(s.touched()), text(points(pixels)));
}

void TestGraphX::round_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("ry");
    QTest::addColumn<QSet<QPoint>>("pixels"); // relative to the centre

    QTest::newRow("circle r0") << Shape::Circle << 0 << 0 << points("0,0");
    QTest::newRow("circle r1") << Shape::Circle << 1 << 1 << points("-1,-1 0,-1 1,-1 -1,0 1,0 -1,1 0,1 1,1");
    QTest::newRow("circle r5") << Shape::Circle << 5 << 5 << mirrored("0,5 1,5 2,5 3,4");
    QTest::newRow("filled r0") << Shape::FillCircle << 0 << 0 << QSet<QPoint>();
    // Spans of 2w pixels from the centre minus w.
    QTest::newRow("filled r1") << Shape::FillCircle << 1 << 1 << points("-1,-1 0,-1 -1,0 0,0 -1,1 0,1");
    QTest::newRow("filled r2") << Shape::FillCircle << 2 << 2
                               << points("-1,-2 0,-2 -2,-1 -1,-1 0,-1 1,-1 -2,0 -1,0 0,0 1,0 "
                                         "-2,1 -1,1 0,1 1,1 -1,2 0,2");
    const QSet<QPoint> tall = points("0,-4 -1,-4 1,-4 -1,-3 1,-3 -2,-2 2,-2 -2,-1 2,-1 -2,0 2,0 "
                                     "-2,1 2,1 -2,2 2,2 -1,3 1,3 0,4 -1,4 1,4");
    QTest::newRow("ellipse 2x4") << Shape::Ellipse << 2 << 4 << tall;
    QTest::newRow("ellipse 4x2") << Shape::Ellipse << 4 << 2 << transposed(tall);
    QTest::newRow("ellipse 5x5 is the circle") << Shape::Ellipse << 5 << 5 << mirrored("0,5 1,5 2,5 3,4");
    QTest::newRow("ellipse 0x3") << Shape::Ellipse << 0 << 3 << points("0,-3 0,-2 0,-1 0,0 0,1 0,2 0,3");
    QTest::newRow("ellipse 0x0") << Shape::Ellipse << 0 << 0 << points("0,0");
    QTest::newRow("filled ellipse 0x0") << Shape::FillEllipse << 0 << 0 << QSet<QPoint>();
    QTest::newRow("filled ellipse 2x2 is the circle")
        << Shape::FillEllipse << 2 << 2
        << points("-1,-2 0,-2 -2,-1 -1,-1 0,-1 1,-1 -2,0 -1,0 0,0 1,0 -2,1 -1,1 0,1 1,1 -1,2 0,2");
    // Radius 2 scaled to 1 across: the half-widths 2, 2, 1 of the circle become 1, 1, 0.
    QTest::newRow("filled ellipse 1x2") << Shape::FillEllipse << 1 << 2 << points("-1,-1 0,-1 -1,0 0,0 -1,1 0,1");
}

void TestGraphX::round()
{
    QFETCH(Shape, shape);
    QFETCH(int, rx);
    QFETCH(int, ry);
    QFETCH(QSet<QPoint>, pixels);
    const QPoint centre(10, 10);
    RecordingSurface s(21, 21);
    switch (shape) {
    case Shape::Circle:
        s.circle(centre.x(), centre.y(), rx, 1);
        break;
    case Shape::FillCircle:
        s.fillCircle(centre.x(), centre.y(), rx, 1);
        break;
    case Shape::Ellipse:
        s.ellipse(centre.x(), centre.y(), rx, ry, 1);
        break;
    case Shape::FillEllipse:
        s.fillEllipse(centre.x(), centre.y(), rx, ry, 1);
        break;
    }
    QCOMPARE(text(s.touched(centre)), text(pixels));
}

void TestGraphX::fillStopsAtItsBorder_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("dir");

    QTest::newRow("inside a frame") << QStringList{"999999", "900009", "900909", "999999"} << QPoint(1, 1)
                                    << QStringList{"999999", "955559", "955959", "999999"} << 4 << 1;
    QTest::newRow("to the surface edge, not past it")
        << QStringList{"0000", "0990", "0000"} << QPoint(0, 0) << QStringList{"5555", "5995", "5555"} << 3 << 1;
    QTest::newRow("not through a diagonal gap")
        << QStringList{"0900", "9090", "0900"} << QPoint(0, 0) << QStringList{"5900", "9090", "0900"} << 0 << 1;
    // The corner (4, 0) touches the seed's row only at the span's right end.
    QTest::newRow("above the right end of the seed's span")
        << QStringList{"99990", "00000", "99999"} << QPoint(0, 1) << QStringList{"99995", "55555", "99999"} << 4 << 1;
    QTest::newRow("around a walled room, both ways")
        << QStringList{"0000000", "0999990", "0900090", "0999990", "0000000"} << QPoint(3, 4)
        << QStringList{"5555555", "5999995", "5900095", "5999995", "5555555"} << 6 << 1;
    // Only the sign of the direction counts: -4 is one row up, not four.
    QTest::newRow("direction -4") << QStringList{"0000", "0000", "0000", "0000", "0000"} << QPoint(1, 4)
                                  << QStringList{"5555", "5555", "5555", "5555", "5555"} << 3 << -4;
}

void TestGraphX::fillStopsAtItsBorder()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, seed);
    QFETCH(QStringList, after);
    QFETCH(int, right);
    QFETCH(int, dir);
    RecordingSurface s(before[0].size(), before.size());
    s.setRows(before);
    QCOMPARE(s.lineFill(seed.x(), seed.y(), dir, seed.x(), seed.x(), 5), right);
    QCOMPARE(s.rows(), after);
    for (const QPoint& p : s.touched())
        QVERIFY2(s.contains(p.x(), p.y()), qPrintable(QStringLiteral("set outside: %1,%2").arg(p.x()).arg(p.y())));
}

void TestGraphX::fillWithTheSeedColourDrawsNothing()
{
    RecordingSurface s(5, 5);
    s.fill(2, 2, 0);
    QCOMPARE(s.calls(), 0);
    s.fill(7, 2, 3); // outside the surface
    QCOMPARE(s.calls(), 0);
}

void TestGraphX::fillOnASurfaceThatCannotHoldTheColourEnds()
{
    // An 8-bit picture keeps the low byte: 256 would be stored as 0 again.
    VAruzoD::ImageProcess picture(8, 6, 4, 0, nullptr);
    picture.fill(2, 2, 256);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            QCOMPARE(picture.getPixel(x, y), 0);
    picture.fill(2, 2, 7);
    QCOMPARE(picture.getPixel(0, 0), 7);
    QCOMPARE(picture.getPixel(5, 3), 7);
}

void TestGraphX::largeFillNeedsNoDeepStack()
{
    // A serpentine of one-pixel corridors between walls in every odd column,
    // open at the bottom and the top in turn: two million spans in one chain,
    // far deeper than any call stack.
    const int size = 2000;
    RecordingSurface s(size, size, false);
    int walls = 0;
    for (int x = 1; x < size; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? size - 1 : 0;
        for (int y = 0; y < size; ++y) {
            if (y != gap) {
                s.putPixel(x, y, 9);
                ++walls;
            }
        }
    }
    // Processor time, not wall time, so that a busy machine does not fail it; the
    // bound is far above a linear fill under the sanitizers (about a second) and
    // far below one that revisits spans (hours).
    const std::clock_t start = std::clock();
    s.fill(0, 0, 5);
    const long elapsed = long((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
    QCOMPARE(s.count(5), size * size - walls);
    QCOMPARE(s.count(0), 0);
    QVERIFY2(elapsed < 10000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

void TestGraphX::progress_data()
{
    QTest::addColumn<QVector<int>>("steps"); // absolute values, relative ones as value + 1000
    QTest::addColumn<int>("expected");

    using V = QVector<int>;
    QTest::newRow("never falls") << V{50, 30} << 50;
    QTest::newRow("capped") << V{150} << 100;
    QTest::newRow("negative ignored") << V{20, -5} << 20;
    QTest::newRow("relative capped") << V{50, 1070} << 100;
    QTest::newRow("relative adds") << V{10, 1015, 1005} << 30;
    QTest::newRow("relative negative ignored") << V{40, 1000 - 10} << 40;
}

void TestGraphX::progress()
{
    QFETCH(QVector<int>, steps);
    QFETCH(int, expected);
    VAruzoD::ProgressLine line(1, 2, 3, 4, 5);
    QCOMPARE(line.current(), 0);
    for (int step : steps) {
        if (step >= 900)
            line.progressRel(step - 1000);
        else
            line.progress(step);
    }
    QCOMPARE(line.current(), expected);
}

void TestGraphX::clippedShapesKeepTheirPixels_data()
{
    QTest::addColumn<Call>("call");

    using P = Primitive;
    QTest::newRow("line inside") << Call{P::Line, {1, 2, 13, 7}};
    QTest::newRow("line steep, leaving at the bottom") << Call{P::Line, {3, 4, 9, 40}};
    QTest::newRow("line across from far left") << Call{P::Line, {-50, -7, 30, 19}};
    QTest::newRow("line falling, both ends outside") << Call{P::Line, {-10, 25, 26, -9}};
    QTest::newRow("line passing by") << Call{P::Line, {-20, -1, 40, -3}};
    QTest::newRow("lineH through") << Call{P::LineH, {-5, 30, 6}};
    QTest::newRow("lineV from above") << Call{P::LineV, {-9, 4, 15}};
    QTest::newRow("rect around the surface") << Call{P::Rect, {-1, -1, 18, 18}};
    QTest::newRow("rect over a corner") << Call{P::Rect, {10, -3, 9, 8}};
    QTest::newRow("fillRect over the left edge") << Call{P::FillRect, {-6, 3, 10, 5}};
    QTest::newRow("circle inside") << Call{P::Circle, {8, 7, 5}};
    QTest::newRow("circle cut by all edges") << Call{P::Circle, {8, 8, 10}};
    QTest::newRow("circle outside, arc inside") << Call{P::Circle, {-20, 8, 27}};
    QTest::newRow("circle r0") << Call{P::Circle, {3, 3, 0}};
    QTest::newRow("circle negative") << Call{P::Circle, {5, 5, -3}};
    QTest::newRow("fillCircle cut") << Call{P::FillCircle, {2, 13, 9}};
    QTest::newRow("fillCircle big") << Call{P::FillCircle, {30, -4, 33}};
    QTest::newRow("ellipse wide") << Call{P::Ellipse, {8, 8, 20, 5}};
    QTest::newRow("ellipse tall, off centre") << Call{P::Ellipse, {-3, 10, 9, 30}};
    QTest::newRow("ellipse flat") << Call{P::Ellipse, {8, 8, 0, 12}};
    QTest::newRow("ellipse negative shorter") << Call{P::Ellipse, {8, 8, -4, 6}};
    QTest::newRow("ellipse shorter beyond minus the longer") << Call{P::Ellipse, {8, 8, -30, 6}};
    QTest::newRow("fillEllipse wide") << Call{P::FillEllipse, {7, 15, 25, 7}};
    QTest::newRow("fillEllipse tall") << Call{P::FillEllipse, {12, 2, 3, 17}};
    QTest::newRow("fillEllipse negative") << Call{P::FillEllipse, {8, 8, -9, -2}};
}

void TestGraphX::clippedShapesKeepTheirPixels()
{
    QFETCH(Call, call);
    ClippedSurface surface(kSide, kSide);
    draw(surface, call, 1);
    // Only pixels of the surface are handed out, and exactly those the whole
    // shape has there.
    QCOMPARE(text(surface.touched()), text(wholeShapeIn(call, QRect(0, 0, kSide, kSide))));
}

void TestGraphX::randomShapesKeepTheirPixels()
{
    QRandomGenerator random(39);
    auto coordinate = [&] { return random.bounded(-40, 56); };
    auto size = [&] { return random.bounded(-8, 70); };
    for (int n = 0; n < 3000; ++n) {
        const auto primitive = Primitive(random.bounded(int(Primitive::FillEllipse) + 1));
        const Call call{primitive, {coordinate(), coordinate(), size(), size()}};
        Call shifted = call;
        if (primitive == Primitive::Line)
            shifted.args = {call.args[0], call.args[1], coordinate(), coordinate()};
        else if (primitive == Primitive::LineH || primitive == Primitive::LineV)
            shifted.args = {call.args[0], coordinate(), coordinate()};
        ClippedSurface surface(kSide, kSide);
        draw(surface, shifted, 1);
        const QString args = QStringLiteral("primitive %1, args %2 %3 %4 %5")
                                 .arg(int(primitive))
                                 .arg(shifted.args.value(0))
                                 .arg(shifted.args.value(1))
                                 .arg(shifted.args.value(2))
                                 .arg(shifted.args.value(3));
        QVERIFY2(surface.touched() == wholeShapeIn(shifted, QRect(0, 0, kSide, kSide)), qPrintable(args));
    }
}

void TestGraphX::hostileSizesDrawOnlyTheSurface_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QSet<QPoint>>("pixels");

    using P = Primitive;
    // y = -5 + floor(10 i / M + 1/2) with i = x + 2^31 and M = 2^32 - 1: row 0.
    QTest::newRow("line across the int range") << Call{P::Line, {INT_MIN, -5, INT_MAX, 5}} << rowOf(0);
    QTest::newRow("line corner to corner") << Call{P::Line, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}} << diagonal();
    // x + y = -1 all along.
    QTest::newRow("line the other corners") << Call{P::Line, {INT_MAX, INT_MIN, INT_MIN, INT_MAX}} << QSet<QPoint>();
    QTest::newRow("line vertical") << Call{P::Line, {8, INT_MIN, 8, INT_MAX}} << columnOf(8);
    QTest::newRow("lineH") << Call{P::LineH, {INT_MIN, INT_MAX, 3}} << rowOf(3);
    QTest::newRow("lineV") << Call{P::LineV, {INT_MIN, INT_MAX, 5}} << columnOf(5);
    QTest::newRow("fillRect 40000") << Call{P::FillRect, {0, 0, 40000, 40000}} << everyPixel();
    QTest::newRow("fillRect to the int limit") << Call{P::FillRect, {-5, -5, INT_MAX, INT_MAX}} << everyPixel();
    QTest::newRow("fillRect ending left of the surface")
        << Call{P::FillRect, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}} << QSet<QPoint>();
    QTest::newRow("rect wide") << Call{P::Rect, {-1000000, 3, 2000000, 5}} << rowOf(3) + rowOf(7);
    QTest::newRow("fillCircle 20000") << Call{P::FillCircle, {8, 8, 20000}} << everyPixel();
    QTest::newRow("fillCircle int limit") << Call{P::FillCircle, {8, 8, INT_MAX}} << everyPixel();
    QTest::newRow("fillCircle far away") << Call{P::FillCircle, {INT_MIN, INT_MIN, INT_MAX}} << QSet<QPoint>();
    QTest::newRow("circle around the surface") << Call{P::Circle, {8, 8, 20000}} << QSet<QPoint>();
    // The top of a circle of radius 2^30 keeps v = r while u * u <= r: row 8
    // across the surface, every other row 2^15 away.
    QTest::newRow("circle touching the surface") << Call{P::Circle, {8, 8 + (1 << 30), 1 << 30}} << rowOf(8);
    QTest::newRow("circle int limit") << Call{P::Circle, {INT_MAX, INT_MAX, INT_MAX}} << QSet<QPoint>();
    // The y factor 1 / (2^31 - 1) is 0 in 16.16: every span lies on the centre row.
    QTest::newRow("fillEllipse flat") << Call{P::FillEllipse, {8, 8, INT_MAX, 1}} << rowOf(8);
    // The x factor is 0: the offsets u = 0 .. 8 fill the centre column.
    QTest::newRow("ellipse thin") << Call{P::Ellipse, {8, 8, 3, INT_MAX}} << columnOf(8);
}

void TestGraphX::hostileSizesDrawOnlyTheSurface()
{
    QFETCH(Call, call);
    QFETCH(QSet<QPoint>, pixels);
    ClippedSurface surface(kSide, kSide);
    draw(surface, call, 1);
    QCOMPARE(text(surface.touched()), text(pixels));
    QCOMPARE(surface.count(1), pixels.size());
    // The picture planes clip alike.
    VAruzoD::ImageProcess picture(8, kSide, kSide, 0, nullptr);
    draw(picture, call, 1);
    int set = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            set += picture.getPixel(x, y) == 1 ? 1 : 0;
    QCOMPARE(set, pixels.size());
}

void TestGraphX::surfaceWithPutAndGetOnly()
{
    PlainSurface surface;
    surface.line(0, 0, 7, 3, 1);
    surface.rect(1, 5, 3, 3, 2);
    surface.fillCircle(6, 6, 1, 3);
    QCOMPARE(surface.rows(), (QStringList{"11000000", "00110000", "00001100", "00000011", "00000000", "02220330",
                                          "02020330", "02220330"}));
    // The background reaches past the grid, where getPixel answers 0 too; the
    // fill still ends at the grid, whose outside does not take the colour, and
    // so does not reach round the line into the corner above it.
    surface.fill(0, 4, 5);
    QCOMPARE(surface.rows(), (QStringList{"11000000", "55110000", "55551100", "55555511", "55555555", "52225335",
                                          "52025335", "52225335"}));
    QVERIFY(surface.contains(INT_MIN, INT_MAX));
}

QTEST_APPLESS_MAIN(TestGraphX)
#include "tst_graphx.moc"
