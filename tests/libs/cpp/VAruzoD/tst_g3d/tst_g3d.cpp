#include <QtTest>

#include <QVector3D>

#include "VAruzoD/G3D.h"
#include "libs/cpp/VAruzoD/RecordingSurface.h"

using VAruzoD::G3D;

namespace {

// One vertex, no edges.
G3D point(const QVector3D& v, float xOffset = 0, float yOffset = 0)
{
    float xyz[] = {v.x(), v.y(), v.z()};
    return G3D(1, xyz, 0, nullptr, 1, 0, xOffset, yOffset, 0);
}

QVector3D vertexOf(const G3D& model, int i)
{
    return QVector3D(model.vertex(i, 0), model.vertex(i, 1), model.vertex(i, 2));
}

bool near(const QVector3D& a, const QVector3D& b)
{
    return (a - b).length() < 1e-5f;
}

// Restores the projection every model shares after a test changes it.
struct PerspectiveGuard
{
    ~PerspectiveGuard()
    {
        G3D::sm_perspective[0] = 20000;
        G3D::sm_perspective[1] = 19950;
    }
};

// A square in the plane z = 0 with its two diagonals, around (40, 30) on the
// surface.
float kSquare[] = {-20, -20, 0, 20, -20, 0, 20, 20, 0, -20, 20, 0};
int kSquareEdges[] = {0, 1, 1, 2, 2, 3, 3, 0, 0, 2, 1, 3};

} // namespace

class TestG3D : public QObject
{
    Q_OBJECT

private slots:
    void projection_data();
    void projection();
    void rotation_data();
    void rotation();
    void rotationsAccumulateAndZoomScales();
    void delUndoesDraw();
    void edgesThatCannotBeDrawnAreLeftOut();
    void edgesNearTheEyePlaneDrawOnlyTheSurface();
    void vertexMarks();
    void objectCounterAndCopies();
    void perspectiveIsShared();
};

void TestG3D::projection_data()
{
    QTest::addColumn<QVector3D>("vertex");
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<bool>("drawable");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("origin") << QVector3D(0, 0, 0) << QPointF(10.7, 20.2) << true << QPoint(10, 20);
    QTest::newRow("origin, truncated toward zero")
        << QVector3D(0, 0, 0) << QPointF(-0.5, -3.9) << true << QPoint(0, -3);
    // 20000 x 100 / (19950 + 50) = 100.
    QTest::newRow("100, 0, 50") << QVector3D(100, 0, 50) << QPointF(5, 7) << true << QPoint(105, 7);
    QTest::newRow("0, -100, 50") << QVector3D(0, -100, 50) << QPointF(0, 0) << true << QPoint(0, -100);
    // 20000 x 40 / 10000 = 80: nearer the eye is larger.
    QTest::newRow("nearer") << QVector3D(40, 40, -9950) << QPointF(0, 0) << true << QPoint(80, 80);
    QTest::newRow("in the eye plane") << QVector3D(10, 10, -19950) << QPointF(0, 0) << false << QPoint();
    // 20000 x 1e6 / 0.5 lies far beyond int.
    QTest::newRow("beyond int") << QVector3D(1e6f, 0, -19949.5f) << QPointF(0, 0) << false << QPoint();
}

void TestG3D::projection()
{
    QFETCH(QVector3D, vertex);
    QFETCH(QPointF, offset);
    QFETCH(bool, drawable);
    QFETCH(QPoint, expected);
    const G3D model = point(vertex, float(offset.x()), float(offset.y()));
    int x = 0, y = 0;
    QCOMPARE(model.project(0, x, y), drawable);
    if (drawable)
        QCOMPARE(QPoint(x, y), expected);
    QVERIFY(!model.project(1, x, y));
    QVERIFY(!model.project(-1, x, y));
}

void TestG3D::rotation_data()
{
    QTest::addColumn<char>("axis");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QVector3D>("vertex");
    QTest::addColumn<QVector3D>("expected");

    const QVector3D v(3, -4, 5);
    QTest::newRow("x by 0") << 'x' << 0 << v << v;
    QTest::newRow("y by 0") << 'y' << 0 << v << v;
    QTest::newRow("z by 0") << 'z' << 0 << v << v;
    QTest::newRow("x by 360") << 'x' << 360 << v << v;
    // y' = y cos + z sin, z' = -y sin + z cos.
    QTest::newRow("x by 90, y axis") << 'x' << 90 << QVector3D(0, 1, 0) << QVector3D(0, 0, -1);
    QTest::newRow("x by 90, z axis") << 'x' << 90 << QVector3D(0, 0, 1) << QVector3D(0, 1, 0);
    QTest::newRow("x by 90") << 'x' << 90 << v << QVector3D(3, 5, 4);
    // x' = x cos - z sin, z' = x sin + z cos.
    QTest::newRow("y by 90, x axis") << 'y' << 90 << QVector3D(1, 0, 0) << QVector3D(0, 0, 1);
    QTest::newRow("y by 90") << 'y' << 90 << v << QVector3D(-5, -4, 3);
    // x' = x cos - y sin, y' = x sin + y cos.
    QTest::newRow("z by 90, x axis") << 'z' << 90 << QVector3D(1, 0, 0) << QVector3D(0, 1, 0);
    QTest::newRow("z by 90") << 'z' << 90 << v << QVector3D(4, 3, 5);
    // Whole turns are taken away, also below 0.
    QTest::newRow("z by 450") << 'z' << 450 << v << QVector3D(4, 3, 5);
    QTest::newRow("z by -270") << 'z' << -270 << v << QVector3D(4, 3, 5);
    QTest::newRow("x by -90") << 'x' << -90 << v << QVector3D(3, -5, -4);
    QTest::newRow("y by 180") << 'y' << 180 << v << QVector3D(-3, -4, -5);
}

void TestG3D::rotation()
{
    QFETCH(char, axis);
    QFETCH(int, degrees);
    QFETCH(QVector3D, vertex);
    QFETCH(QVector3D, expected);
    G3D model = point(vertex);
    if (axis == 'x')
        model.xDrehen(degrees);
    else if (axis == 'y')
        model.yDrehen(degrees);
    else
        model.zDrehen(degrees);
    QVERIFY2(
        near(vertexOf(model, 0), expected),
        qPrintable(QStringLiteral("%1 %2 %3").arg(model.vertex(0, 0)).arg(model.vertex(0, 1)).arg(model.vertex(0, 2))));
}

void TestG3D::rotationsAccumulateAndZoomScales()
{
    G3D model = point(QVector3D(2, 0, 1));
    model.zDrehen(30);
    model.zDrehen(60);
    QVERIFY(near(vertexOf(model, 0), QVector3D(0, 2, 1)));
    model.zoom(2.5f);
    QVERIFY(near(vertexOf(model, 0), QVector3D(0, 5, 2.5f)));
    model.xVerschieben(3);
    model.yVerschieben(-2);
    model.zVerschieben(4);
    model.xVerschieben(1);
    QCOMPARE(model.xOffset(), 4.0f);
    QCOMPARE(model.yOffset(), -2.0f);
    QCOMPARE(model.zOffset(), 4.0f);
}

void TestG3D::delUndoesDraw()
{
    G3D model(4, kSquare, 6, kSquareEdges, 7, 0, 40, 30, 0);
    model.yDrehen(30);
    model.xDrehen(20);
    RecordingSurface surface(80, 60);
    model.draw(&surface);
    const QSet<QPoint> drawn = surface.touched();
    QVERIFY(surface.count(7) > 100);
    // The outline passes through the projected corners.
    int x = 0, y = 0;
    QVERIFY(model.project(2, x, y));
    QVERIFY(drawn.contains(QPoint(x, y)));
    surface.clearRecord();
    model.del(&surface);
    QCOMPARE(text(surface.touched()), text(drawn));
    QCOMPARE(surface.count(7), 0);
}

void TestG3D::edgesThatCannotBeDrawnAreLeftOut()
{
    // The square's edges, and edges to vertices 4 (in the eye plane), 5 and -1
    // (none).
    float vertices[] = {-20, -20, 0, 20, -20, 0, 20, 20, 0, -20, 20, 0, 5, 5, -19950};
    int edges[] = {0, 1, 1, 2, 2, 3, 3, 0, 0, 2, 1, 3, 0, 4, 4, 2, 1, 5, -1, 3, 5, 5};
    const G3D odd(5, vertices, 11, edges, 7, 0, 40, 30, 0);
    const G3D square(4, kSquare, 6, kSquareEdges, 7, 0, 40, 30, 0);
    RecordingSurface oddSurface(80, 60), squareSurface(80, 60);
    odd.draw(&oddSurface);
    square.draw(&squareSurface);
    QCOMPARE(text(oddSurface.touched()), text(squareSurface.touched()));
    odd.verbinden(&oddSurface, 0, 9, 3);
    odd.verbinden(nullptr, 0, 1, 3);
    QCOMPARE(oddSurface.count(3), 0);
    // Null arrays and negative counts make an empty model.
    const G3D empty(-3, nullptr, 2, nullptr, 1, 0, 0, 0, 0);
    QCOMPARE(empty.vertexCount(), 0);
    QCOMPARE(empty.edgeCount(), 0);
    empty.draw(&oddSurface);
}

void TestG3D::edgesNearTheEyePlaneDrawOnlyTheSurface()
{
    // Vertices just in front of the eye plane project some hundred million
    // pixels away, on the diagonal through the offset (8, 8), as x = y for all.
    const float nearEye = -19949.99f;
    float vertices[] = {0, 0, 0, 100, 100, nearEye, -100, -100, nearEye};
    int edges[] = {0, 1, 2, 1};
    const G3D model(3, vertices, 2, edges, 7, 0, 8, 8, 0);
    int x = 0, y = 0;
    QVERIFY(model.project(1, x, y));
    QVERIFY(x > 100000000 && x == y);
    ClippedSurface surface(16, 16);
    model.drawAllgemein(&surface, 7);
    QSet<QPoint> diagonal;
    for (int i = 0; i < 16; ++i)
        diagonal.insert(QPoint(i, i));
    QCOMPARE(text(surface.touched()), text(diagonal));
    model.del(&surface);
    QCOMPARE(surface.count(7), 0);
}

void TestG3D::vertexMarks()
{
    float vertices[] = {0, 0, 0, 100, 0, 50};
    const G3D model(2, vertices, 0, nullptr, 4, 0, 10, 20, 0);
    RecordingSurface surface(200, 50);
    model.drawVertex(&surface);
    const QString ring = text(points("-1,-1 0,-1 1,-1 -1,0 1,0 -1,1 0,1 1,1"));
    QSet<QPoint> first, second;
    for (const QPoint& p : surface.touched()) {
        if (p.x() < 50)
            first.insert(p - QPoint(10, 20));
        else
            second.insert(p - QPoint(110, 20));
    }
    QCOMPARE(text(first), ring);
    QCOMPARE(text(second), ring);
    model.delVertex(&surface);
    QCOMPARE(surface.count(4), 0);
}

void TestG3D::objectCounterAndCopies()
{
    const int before = G3D::sm_nObjectCounter;
    auto* a = new G3D(point(QVector3D(1, 0, 0)));
    auto* b = new G3D(4, kSquare, 6, kSquareEdges, 1, 0, 0, 0, 0);
    QCOMPARE(a->objectCounter(), before + 2);
    delete a;
    QCOMPARE(b->objectCounter(), before + 1);
    {
        G3D copy(*b);
        QCOMPARE(b->objectCounter(), before + 2);
        copy.zDrehen(90);
        QVERIFY(near(vertexOf(*b, 1), QVector3D(20, -20, 0)));
        G3D other = point(QVector3D(0, 0, 0));
        QCOMPARE(b->objectCounter(), before + 3);
        other = copy; // a model changes, none is added
        QCOMPARE(b->objectCounter(), before + 3);
        QCOMPARE(other.edgeCount(), 6);
        QVERIFY(near(vertexOf(other, 1), QVector3D(20, 20, 0)));
        other = other;
        QCOMPARE(other.vertexCount(), 4);
    }
    QCOMPARE(b->objectCounter(), before + 1);
    delete b;
    QCOMPARE(G3D::sm_nObjectCounter, before);
}

void TestG3D::perspectiveIsShared()
{
    PerspectiveGuard guard;
    G3D a = point(QVector3D(100, 0, 0));
    const G3D b = point(QVector3D(0, 60, 0));
    a.setPerspective(1000, 1000);
    int x = 0, y = 0;
    QVERIFY(b.project(0, x, y));
    QCOMPARE(QPoint(x, y), QPoint(0, 60));
    QVERIFY(a.project(0, x, y));
    QCOMPARE(x, 100);
    a.setPerspective(2000, 1000);
    QVERIFY(b.project(0, x, y));
    QCOMPARE(y, 120);
    // An eye distance of 0 puts z = 0 in the eye plane.
    a.setPerspective(2000, 0);
    QVERIFY(!b.project(0, x, y));
}

QTEST_APPLESS_MAIN(TestG3D)
#include "tst_g3d.moc"
