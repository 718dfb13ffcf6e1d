#include <QtTest>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <random>

#include "VAruzoD/DrawTools.h"

using VAruzoD::DrawTools;

namespace {

// Recolouring written out with QColor, one pixel at a time.
QImage referenceColorize(const QImage& image, const QColor& from, const QColor& to)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    int hf, sf, vf, ht, st, vt;
    from.getHsv(&hf, &sf, &vf);
    to.getHsv(&ht, &st, &vt);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QColor c = QColor::fromRgba(result.pixel(x, y));
            int h, s, v, a;
            c.getHsv(&h, &s, &v, &a);
            if (std::abs(h - hf) > 9)
                continue;
            const int hue = ((h - hf + ht) % 360 + 360) % 360;
            const int sat = sf == 0 ? 0 : qBound(0, int(float(s) * (float(st) / float(sf))), 255);
            const int val = vf == 0 ? 0 : qBound(0, int(float(v) * (float(vt) / float(vf))), 255);
            result.setPixel(x, y, QColor::fromHsv(hue, sat, val, a).rgba());
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The blur written out plainly: four runs over the clipped rectangle, one
// pixel and one channel at a time.
QImage referenceBlur(const QImage& image, const QRect& rect, int radius, bool onlyAlpha)
{
    static const int alphas[] = {14, 10, 8, 6, 5, 5, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2};
    const int alpha = radius < 1 ? 16 : radius > 17 ? 1 : alphas[radius - 1];
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect r = rect.normalized();
    const int l = std::max(r.left(), 0), t = std::max(r.top(), 0);
    const int rt = std::min(r.right(), result.width() - 1), b = std::min(r.bottom(), result.height() - 1);
    auto byte = [&](int x, int y, int c) -> uchar& { return result.scanLine(y)[x * 4 + c]; };
    auto run = [&](int c, QVector<QPoint> pixels) {
        int acc = byte(pixels[0].x(), pixels[0].y(), c) * 16;
        for (int i = 1; i < pixels.size(); ++i) {
            uchar& v = byte(pixels[i].x(), pixels[i].y(), c);
            acc += ((v * 16 - acc) * alpha) / 16;
            v = uchar(acc >> 4);
        }
    };
    for (int c = 0; c < 4; ++c) {
        if (onlyAlpha && c != 3)
            continue;
        QVector<QVector<QPoint>> down, right, up, left;
        for (int x = l; x <= rt; ++x) {
            QVector<QPoint> column;
            for (int y = t; y <= b; ++y)
                column << QPoint(x, y);
            down << column;
            std::reverse(column.begin(), column.end());
            up << column;
        }
        for (int y = t; y <= b; ++y) {
            QVector<QPoint> row;
            for (int x = l; x <= rt; ++x)
                row << QPoint(x, y);
            right << row;
            std::reverse(row.begin(), row.end());
            left << row;
        }
        for (const auto& pass : {down, right, up, left})
            for (const auto& pixels : pass)
                run(c, pixels);
    }
    return result;
}

// Random colours with random transparency, of an odd size.
QImage noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random());
    return image;
}

// Every colour of a coarse RGB grid, each at three levels of alpha.
QImage colourGrid()
{
    QImage image(64, 3 * 64, QImage::Format_ARGB32);
    int i = 0;
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17, ++i)
                for (int a : {0, 1, 2})
                    image.setPixel(i % 64, (i / 64) * 3 + a, qRgba(r, g, b, 255 - a * 100));
    return image;
}

QColor hsv(int h, int s, int v)
{
    return QColor::fromHsv(h, s, v);
}

} // namespace

class TestDrawTools : public QObject
{
    Q_OBJECT

private slots:
    void colorizeMatchesPixelByPixel_data();
    void colorizeMatchesPixelByPixel();
    void colorizeHueWindowAndClamping_data();
    void colorizeHueWindowAndClamping();
    void colorizeAnyFormat();
    void blurMatchesPlainPasses_data();
    void blurMatchesPlainPasses();
    void blurStaysInsideItsRectangle_data();
    void blurStaysInsideItsRectangle();
    void infoBubble();
};

void TestDrawTools::colorizeMatchesPixelByPixel_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::newRow("blue to red") << QColor(0, 0, 255) << QColor(255, 0, 0);
    QTest::newRow("red to dark green") << QColor(255, 0, 0) << QColor(0, 100, 0);
    QTest::newRow("orange to itself") << hsv(30, 200, 220) << hsv(30, 200, 220);
    QTest::newRow("near-red to paler") << hsv(355, 255, 255) << hsv(200, 60, 120);
    QTest::newRow("grey to blue") << QColor(128, 128, 128) << QColor(0, 0, 255);
    QTest::newRow("black to white") << QColor(0, 0, 0) << QColor(255, 255, 255);
    QTest::newRow("yellow to grey") << hsv(60, 255, 255) << QColor(100, 100, 100);
}

void TestDrawTools::colorizeMatchesPixelByPixel()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    for (const QImage& image : {colourGrid(), noise(61, 47, 7)}) {
        const QImage ours = DrawTools::colorizeImage(image, from, to);
        const QImage reference = referenceColorize(image, from, to);
        QCOMPARE(ours.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(ours, reference);
    }
}

void TestDrawTools::colorizeHueWindowAndClamping_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<QColor>("pixel");
    QTest::addColumn<QColor>("expected");

    // Pixels of known integer hue: with green largest and red (or blue) least,
    // the hue is 60 x (2 + (blue - red) / (green - least)).
    const QColor hue129(20, 220, 50), hue130(20, 200, 50), hue111(50, 220, 20), hue110(50, 200, 20);
    // Saturation of hue129 and hue111: 200 / 220 of 65535, brought to 8 bits: 232.
    const QColor green(0, 255, 0); // hue 120, full saturation and value
    const QColor to = hsv(200, 255, 255);
    QTest::newRow("hue 9 above") << green << to << hue129 << hsv(209, 232, 220);
    QTest::newRow("hue 9 below") << green << to << hue111 << hsv(191, 232, 220);
    QTest::newRow("hue 10 above") << green << to << hue130 << hue130;
    QTest::newRow("hue 10 below") << green << to << hue110 << hue110;
    QTest::newRow("saturation and value scaled")
        << hsv(120, 100, 100) << hsv(120, 50, 75) << hue129 << hsv(129, 116, 165);
    QTest::newRow("scaled past 255") << hsv(120, 100, 100) << hsv(120, 200, 200) << hue129 << hsv(129, 255, 255);
    // (250, 10, 14) has hue 359, saturation 245; (250, 10, 10) hue 0.
    const QColor hue359(250, 10, 14), hue0(250, 10, 10);
    QTest::newRow("hue 359 kept") << hsv(355, 100, 100) << hsv(355, 100, 100) << hue359 << hsv(359, 245, 250);
    QTest::newRow("hue wraps past 359") << hsv(355, 100, 100) << hsv(5, 100, 100) << hue359 << hsv(9, 245, 250);
    QTest::newRow("hue wraps below 0") << hsv(5, 100, 100) << hsv(355, 100, 100) << hue0 << hsv(350, 245, 250);
    // A grey or black source colour has no saturation (or value) to scale by:
    // the result has none. Grey pixels (hue -1) match a grey source.
    QTest::newRow("grey from") << QColor(100, 100, 100) << hsv(240, 255, 200) << QColor(50, 50, 50) << hsv(240, 0, 100);
    QTest::newRow("black from") << QColor(0, 0, 0) << hsv(240, 255, 200) << QColor(220, 30, 20) << hsv(244, 0, 0);
}

void TestDrawTools::colorizeHueWindowAndClamping()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(QColor, pixel);
    QFETCH(QColor, expected);
    QImage image(2, 1, QImage::Format_ARGB32);
    QColor translucent = pixel;
    translucent.setAlpha(200);
    image.setPixelColor(0, 0, pixel);
    image.setPixelColor(1, 0, translucent);
    const QImage result = DrawTools::colorizeImage(image, from, to).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.pixel(0, 0), expected.rgba());
    QColor expectedTranslucent = expected;
    expectedTranslucent.setAlpha(200);
    // Alpha is kept; the colour survives premultiplication to within rounding.
    const QColor back = result.pixelColor(1, 0);
    QCOMPARE(back.alpha(), 200);
    QVERIFY2(std::abs(back.red() - expectedTranslucent.red()) <= 1
                 && std::abs(back.green() - expectedTranslucent.green()) <= 1
                 && std::abs(back.blue() - expectedTranslucent.blue()) <= 1,
             qPrintable(back.name(QColor::HexArgb)));
}

void TestDrawTools::colorizeAnyFormat()
{
    const QImage source = noise(9, 5, 3);
    for (QImage::Format format : {QImage::Format_RGB16, QImage::Format_Indexed8, QImage::Format_RGBA8888_Premultiplied,
                                  QImage::Format_Grayscale8}) {
        const QImage image = source.convertToFormat(format);
        const QImage result = DrawTools::colorizeImage(image, QColor(0, 0, 255), QColor(0, 255, 0));
        QCOMPARE(result.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(result, referenceColorize(image, QColor(0, 0, 255), QColor(0, 255, 0)));
    }
    QVERIFY(DrawTools::colorizeImage(QImage(), Qt::red, Qt::blue).isNull());
}

void TestDrawTools::blurMatchesPlainPasses_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("radius");
    QTest::addColumn<bool>("onlyAlpha");
    QTest::addColumn<bool>("changes");

    QTest::newRow("whole, radius 8") << QRect(0, 0, 37, 29) << 8 << false << true;
    QTest::newRow("inner, radius 1") << QRect(5, 4, 20, 11) << 1 << false << true;
    QTest::newRow("inner, radius 5, alpha") << QRect(5, 4, 20, 11) << 5 << true << true;
    QTest::newRow("past the edges, radius 17") << QRect(-10, 20, 100, 100) << 17 << false << true;
    QTest::newRow("radius 18 is the slowest filter") << QRect(3, 3, 30, 20) << 18 << false << true;
    QTest::newRow("radius 40, alpha") << QRect(0, 0, 37, 29) << 40 << true << true;
    QTest::newRow("reversed rectangle") << QRect(QPoint(30, 25), QPoint(2, 1)) << 8 << false << true;
    QTest::newRow("one column") << QRect(36, 0, 5, 29) << 3 << false << true;
    QTest::newRow("one pixel") << QRect(4, 4, 1, 1) << 3 << false << false;
}

void TestDrawTools::blurMatchesPlainPasses()
{
    QFETCH(QRect, rect);
    QFETCH(int, radius);
    QFETCH(bool, onlyAlpha);
    QFETCH(bool, changes);
    const QImage image = noise(37, 29, 11).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage ours = DrawTools::blurred(image, rect, radius, onlyAlpha);
    QCOMPARE(ours.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(ours, referenceBlur(image, rect, radius, onlyAlpha));
    QCOMPARE(ours != image, changes);
}

void TestDrawTools::blurStaysInsideItsRectangle_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("radius");
    QTest::addColumn<bool>("changes");

    QTest::newRow("inside") << QRect(10, 8, 15, 9) << 8 << true;
    QTest::newRow("radius 0 copies through") << QRect(0, 0, 37, 29) << 0 << false;
    QTest::newRow("negative radius") << QRect(0, 0, 37, 29) << -4 << false;
    QTest::newRow("beyond the image") << QRect(40, 0, 10, 10) << 8 << false;
    QTest::newRow("above the image") << QRect(0, -20, 37, 10) << 8 << false;
}

void TestDrawTools::blurStaysInsideItsRectangle()
{
    QFETCH(QRect, rect);
    QFETCH(int, radius);
    QFETCH(bool, changes);
    const QImage image = noise(37, 29, 5);
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage result = DrawTools::blurred(image, rect, radius, false);
    int changed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (result.pixel(x, y) == converted.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(rect.contains(x, y), qPrintable(QStringLiteral("changed outside: %1,%2").arg(x).arg(y)));
        }
    }
    QCOMPARE(changed > 0, changes);
}

void TestDrawTools::infoBubble()
{
    QFont font;
    font.setPixelSize(14);
    const QFontMetrics metrics(font);
    const QString text = QStringLiteral("Tempo 120");
    const int w = metrics.horizontalAdvance(text), h = metrics.height();
    const QPoint pos(10, 8);

    auto paint = [&](const QString& words, bool outline, float opacity) {
        QImage image(w + 60, h + 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setOpacity(0.9);
        painter.setPen(Qt::red);
        DrawTools::drawInfo(&painter, pos, words, font, QColor(0, 0, 200), outline, opacity);
        // The painter is as it was.
        [&] {
            QCOMPARE(painter.opacity(), 0.9);
            QCOMPARE(painter.pen().color(), QColor(Qt::red));
            QVERIFY(!painter.testRenderHint(QPainter::Antialiasing));
        }();
        painter.end();
        return image;
    };

    // Shadow and bubble stay within the shadow's box.
    const QImage bubble = paint(text, false, 1.0f);
    const QRect box(pos, QSize(w + 15, h + 6));
    for (int y = 0; y < bubble.height(); ++y)
        for (int x = 0; x < bubble.width(); ++x)
            if (qAlpha(bubble.pixel(x, y)) != 0)
                QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    // Right of the text the bubble is near the gradient's outer colour, blue.
    const QPoint right(pos.x() + w + 9, pos.y() + h / 2 + 1);
    const QColor edge = bubble.pixelColor(right);
    QVERIFY2(edge.blue() > 120 && edge.red() < 80 && edge.alpha() == 255, qPrintable(edge.name(QColor::HexArgb)));

    // The text is white: on the right quarter of the bubble, where the
    // gradient is nearly blue, only the text has bright red in it.
    auto whiteOnTheRight = [&](const QImage& image) {
        int count = 0;
        for (int y = pos.y(); y <= pos.y() + h + 2; ++y)
            for (int x = pos.x() + (w + 12) * 3 / 4; x <= pos.x() + w + 6; ++x)
                count += qRed(image.pixel(x, y)) > 200;
        return count;
    };
    QVERIFY(whiteOnTheRight(bubble) > 10);
    QCOMPARE(whiteOnTheRight(paint(QString(), false, 1.0f)), 0);

    // Half opacity lets the shadow show through; an outline whitens the edge.
    const QImage faint = paint(text, false, 0.5f);
    QVERIFY(faint.pixelColor(right).blue() < edge.blue());
    const QImage outlined = paint(text, true, 1.0f);
    QVERIFY(outlined.pixelColor(pos.x() + w / 2, pos.y()).red() > bubble.pixelColor(pos.x() + w / 2, pos.y()).red());

    DrawTools::drawInfo(nullptr, pos, text, font, Qt::blue, true, 1.0f);
}

QTEST_MAIN(TestDrawTools)
#include "tst_drawtools.moc"
