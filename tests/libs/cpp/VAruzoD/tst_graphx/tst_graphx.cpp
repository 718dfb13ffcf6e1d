#include <QtTest>

#include <ctime>

#include "VAruzoD/GraphX.h"
#include "VAruzoD/ImageProcess.h"
#include "VAruzoD/ProgressLine.h"
#include "libs/cpp/VAruzoD/RecordingSurface.h"

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

} // namespace

Q_DECLARE_METATYPE(Shape)

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
    // Processor time, not wall time, so that a busy machine does not fail it.
    const std::clock_t start = std::clock();
    s.fill(0, 0, 5);
    const long elapsed = long((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
    QCOMPARE(s.count(5), size * size - walls);
    QCOMPARE(s.count(0), 0);
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
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

QTEST_APPLESS_MAIN(TestGraphX)
#include "tst_graphx.moc"
