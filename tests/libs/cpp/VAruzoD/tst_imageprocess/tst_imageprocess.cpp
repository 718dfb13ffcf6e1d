#include <QtTest>

#include <QImage>
#include <QTemporaryDir>

#include <cstring>
#include <functional>
#include <vector>

#include "VAruzoD/ImageProcess.h"

using VAruzoD::ImageProcess;
using VAruzoD::ImageProcessDouble;
using VAruzoD::ImageProcessFloat;
using VAruzoD::ImageProcessT;

namespace {

enum class Element { UChar, Float, Double };

// Runs check with a picture of each element type made by make(T-typed class).
template <typename Check>
void forElement(Element element, Check check)
{
    switch (element) {
    case Element::UChar:
        check(static_cast<ImageProcess*>(nullptr));
        break;
    case Element::Float:
        check(static_cast<ImageProcessFloat*>(nullptr));
        break;
    case Element::Double:
        check(static_cast<ImageProcessDouble*>(nullptr));
        break;
    }
}

void addElementRows(const char* name, const std::function<void(QTestData&)>& rest)
{
    const std::pair<const char*, Element> elements[] = {
        {"uchar", Element::UChar}, {"float", Element::Float}, {"double", Element::Double}};
    for (const auto& e : elements)
        rest(QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name), QLatin1String(e.first))))
             << e.second);
}

// A picture with every pixel a different colour and alpha, of an odd width so
// that rows of 1-, 8-, 16- and 24-bit formats end in padding.
QImage pattern()
{
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 37 + y * 11, 255 - x * 29, y * 53 + 3, x == 0 ? 255 : 60 + x * 20 + y));
    return image;
}

template <typename P>
void compareWithImage(const P& picture, const QImage& image)
{
    QCOMPARE(picture.width(), image.width());
    QCOMPARE(picture.height(), image.height());
    QCOMPARE(picture.depth(), 24);
    QVERIFY(picture.alpha());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = image.pixel(x, y);
            QCOMPARE(picture.getPixel(x, y), int(expected & 0xFFFFFF));
            QCOMPARE(int(picture.alpha()[y * image.width() + x]), qAlpha(expected));
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Element)
Q_DECLARE_METATYPE(QImage::Format)

class TestImageProcess : public QObject
{
    Q_OBJECT

private slots:
    void blankPicture_data();
    void blankPicture();
    void pixelsOutsideChangeNothing_data();
    void pixelsOutsideChangeNothing();
    void oneBitPixels();
    void copiesAreDeepAndFlagged_data();
    void copiesAreDeepAndFlagged();
    void everyImageFormatReadsBack_data();
    void everyImageFormatReadsBack();
    void paddedRowsReadBack();
    void shortColourTableReadsBack_data();
    void shortColourTableReadsBack();
    void pictureFile();
    void imageDataCountsPixels_data();
    void imageDataCountsPixels();
    void impossibleSizesGiveAnEmptyPicture_data();
    void impossibleSizesGiveAnEmptyPicture();
    void deInitEmpties();
};

void TestImageProcess::blankPicture_data()
{
    QTest::addColumn<Element>("element");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("storedDepth");
    QTest::addColumn<int>("size"); // of 8 x 3 pixels

    addElementRows("24-bit", [](QTestData& row) { row << 24 << 0x12A4F6 << 0x12A4F6 << 24 << 72; });
    addElementRows("24-bit high byte ignored",
                   [](QTestData& row) { row << 24 << int(0xFF010203) << 0x010203 << 24 << 72; });
    addElementRows("1-bit set", [](QTestData& row) { row << 1 << 1 << 1 << 1 << 3; });
    addElementRows("1-bit clear", [](QTestData& row) { row << 1 << 0 << 0 << 1 << 3; });
    addElementRows("8-bit", [](QTestData& row) { row << 8 << 200 << 200 << 8 << 24; });
    // An unknown depth would keep three planes but answer only red.
    addElementRows("depth 32 made 24-bit", [](QTestData& row) { row << 32 << 0x102030 << 0x102030 << 24 << 72; });
    // Only 8-bit samples keep the low byte; the others the whole value.
    QTest::newRow("8-bit 300 uchar") << Element::UChar << 8 << 300 << 44 << 8 << 24;
    QTest::newRow("8-bit 300 float") << Element::Float << 8 << 300 << 300 << 8 << 24;
    QTest::newRow("8-bit 300 double") << Element::Double << 8 << 300 << 300 << 8 << 24;
}

void TestImageProcess::blankPicture()
{
    QFETCH(Element, element);
    QFETCH(int, depth);
    QFETCH(int, fill);
    QFETCH(int, expected);
    QFETCH(int, storedDepth);
    QFETCH(int, size);
    forElement(element, [&](auto* type) {
        using P = std::remove_pointer_t<decltype(type)>;
        const P picture(depth, 8, 3, fill, nullptr);
        QCOMPARE(picture.depth(), storedDepth);
        QCOMPARE(picture.size(), size);
        QCOMPARE(int(picture.flags()), 0);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(picture.getPixel(x, y), expected);
        if (storedDepth == 8) {
            QVERIFY(picture.paletteRed() && picture.paletteGreen() && picture.paletteBlue());
            QCOMPARE(int(picture.paletteGreen()[77]), 77);
            QVERIFY(!picture.green());
        }
    });
}

void TestImageProcess::pixelsOutsideChangeNothing_data()
{
    QTest::addColumn<Element>("element");
    QTest::addColumn<QPoint>("where");
    const QPoint outside[] = {{4, 0}, {0, 3}, {-1, 1}, {1, -1}, {4, 3}};
    for (const QPoint& p : outside)
        addElementRows(qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())), [p](QTestData& row) { row << p; });
}

void TestImageProcess::pixelsOutsideChangeNothing()
{
    QFETCH(Element, element);
    QFETCH(QPoint, where);
    forElement(element, [&](auto* type) {
        using P = std::remove_pointer_t<decltype(type)>;
        P picture(24, 4, 3, 0x010101, nullptr);
        const P before(picture);
        picture.putPixel(where.x(), where.y(), 0xFFFFFF);
        QCOMPARE(picture.getPixel(where.x(), where.y()), 0);
        QCOMPARE(picture.flags() & P::UnchangedCopy, 0); // never a copy
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(picture.getPixel(x, y), before.getPixel(x, y));
    });
}

void TestImageProcess::oneBitPixels()
{
    ImageProcessFloat picture(1, 3, 2, 1, nullptr);
    picture.putPixel(2, 1, 0);
    QCOMPARE(picture.getPixel(2, 1), 0);
    QCOMPARE(picture.getPixel(1, 1), 1);
    QCOMPARE(picture.red()[5], 0.0f);
    QCOMPARE(picture.red()[4], 255.0f);
    // Any non-zero colour sets the pixel only when its multiple of 255 has a
    // low byte of 128 or more: 2 gives 510, low byte 254.
    ImageProcess bytes(1, 2, 1, 0, nullptr);
    bytes.putPixel(0, 0, 2);
    QCOMPARE(bytes.getPixel(0, 0), 1);
    QCOMPARE(int(bytes.red()[0]), 254);
}

void TestImageProcess::copiesAreDeepAndFlagged_data()
{
    QTest::addColumn<bool>("assign");
    QTest::newRow("copy constructor") << false;
    QTest::newRow("assignment") << true;
}

void TestImageProcess::copiesAreDeepAndFlagged()
{
    QFETCH(bool, assign);
    // A picture read from an image keeps no byte size: the copy must size its
    // planes by width x height.
    ImageProcess original(pattern(), nullptr);
    const int before = original.getPixel(6, 4);
    auto check = [&](ImageProcess& copy) {
        QCOMPARE(copy.width(), 7);
        QCOMPARE(copy.height(), 5);
        QCOMPARE(int(copy.flags()), int(ImageProcess::UnchangedCopy));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(copy.getPixel(x, y), original.getPixel(x, y));
        QCOMPARE(int(copy.alpha()[34]), int(original.alpha()[34]));
        QVERIFY(copy.red() != original.red());
        copy.putPixel(6, 4, 0xABCDEF);
        QCOMPARE(int(copy.flags()), 0);
        QCOMPARE(copy.getPixel(6, 4), 0xABCDEF);
        QCOMPARE(original.getPixel(6, 4), before);
    };
    if (assign) {
        ImageProcess copy(8, 2, 2, 5, nullptr); // other size, depth and palettes
        copy = original;
        QVERIFY(!copy.paletteRed());
        check(copy);
        copy = copy; // assigning to itself keeps the picture
        QCOMPARE(copy.getPixel(6, 4), 0xABCDEF);
        // An 8-bit picture assigned over a 24-bit one brings its palettes.
        const ImageProcess grey(8, 2, 2, 5, nullptr);
        copy = grey;
        QCOMPARE(copy.depth(), 8);
        QVERIFY(copy.paletteRed() && copy.paletteRed() != grey.paletteRed());
        QVERIFY(!copy.green());
        QCOMPARE(copy.getPixel(1, 1), 5);
    } else {
        ImageProcess copy(original);
        check(copy);
    }
}

void TestImageProcess::everyImageFormatReadsBack_data()
{
    QTest::addColumn<Element>("element");
    QTest::addColumn<QImage::Format>("format");
    for (int f = QImage::Format_Mono; f < QImage::NImageFormats; ++f) {
        const auto format = QImage::Format(f);
        addElementRows(qPrintable(QStringLiteral("format %1").arg(f)), [format](QTestData& row) { row << format; });
    }
}

void TestImageProcess::everyImageFormatReadsBack()
{
    QFETCH(Element, element);
    QFETCH(QImage::Format, format);
    const QImage image = pattern().convertToFormat(format);
    QVERIFY(!image.isNull());
    forElement(element, [&](auto* type) {
        using P = std::remove_pointer_t<decltype(type)>;
        const P picture(image, nullptr);
        compareWithImage(picture, image);
        QCOMPARE(picture.size(), 0);
    });
}

void TestImageProcess::paddedRowsReadBack()
{
    // 32-bit rows with 12 bytes of padding, in memory the picture does not own.
    const int width = 3, height = 4, stride = width * 4 + 12;
    QByteArray memory(stride * height, char(0x5A));
    QImage image(reinterpret_cast<const uchar*>(memory.constData()), width, height, stride, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            reinterpret_cast<QRgb*>(memory.data() + y * stride)[x] = qRgba(x * 80, y * 60, 7, 200);
    const ImageProcess picture(image, nullptr);
    compareWithImage(picture, image);
}

void TestImageProcess::shortColourTableReadsBack_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow("1-bit") << QImage::Format_Mono;
    QTest::newRow("1-bit, low bit first") << QImage::Format_MonoLSB;
    QTest::newRow("8-bit") << QImage::Format_Indexed8;
}

void TestImageProcess::shortColourTableReadsBack()
{
    // A damaged file may use indexes its colour table does not have; they read
    // back as QImage::pixel gives them, not as a colour of the conversion's own.
    QFETCH(QImage::Format, format);
    QImage image(5, 2, format);
    image.setColorTable({qRgba(10, 20, 30, 255)});
    image.fill(0);
    for (const QPoint& p : {QPoint(1, 0), QPoint(4, 1)}) {
        if (format == QImage::Format_Indexed8)
            image.scanLine(p.y())[p.x()] = 1; // setPixel refuses the index
        else
            image.setPixel(p, 1);
    }
    QCOMPARE(image.pixel(1, 0), 0u);
    const ImageProcess picture(image, nullptr);
    QCOMPARE(picture.getPixel(0, 0), 0x0A141E);
    QCOMPARE(int(picture.alpha()[0]), 255);
    QCOMPARE(picture.getPixel(1, 0), 0);
    QCOMPARE(int(picture.alpha()[1]), 0);
    QCOMPARE(picture.getPixel(4, 1), 0);
    QCOMPARE(int(picture.alpha()[9]), 0);
}

void TestImageProcess::pictureFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString png = dir.filePath("pattern.png");
    QVERIFY(pattern().save(png));
    const ImageProcessDouble picture(QFile::encodeName(png).constData(), nullptr);
    compareWithImage(picture, QImage(png));

    const QString broken = dir.filePath("broken.png");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\nnot really");
    file.close();
    for (const QString& name : {broken, dir.filePath("missing.png")}) {
        const ImageProcess unreadable(QFile::encodeName(name).constData(), nullptr);
        QCOMPARE(unreadable.width(), 0);
        QCOMPARE(unreadable.height(), 0);
        QCOMPARE(unreadable.getPixel(0, 0), 0);
    }
    const ImageProcess unnamed(static_cast<const char*>(nullptr), nullptr);
    QCOMPARE(unnamed.width(), 0);
}

void TestImageProcess::imageDataCountsPixels_data()
{
    QTest::addColumn<int>("count"); // pixels of four bytes at the data, exactly as many as given
    QTest::addColumn<QVector<int>>("expected");

    // A 2 x 2 picture given all four pixels reads all four.
    QTest::newRow("all pixels") << 4 << QVector<int>{0x030201, 0x070605, 0x0B0A09, 0x0F0E0D};
    // Fewer pixels than the picture has: the rest is 0, nothing past the data is read.
    QTest::newRow("two of four") << 2 << QVector<int>{0x030201, 0x070605, 0, 0};
    QTest::newRow("none") << 0 << QVector<int>{0, 0, 0, 0};
}

void TestImageProcess::imageDataCountsPixels()
{
    QFETCH(int, count);
    QFETCH(QVector<int>, expected);
    // Exactly count pixels in a buffer of its own, so that a read past it shows.
    std::vector<unsigned char> data(size_t(count) * 4);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i + 1);
    ImageProcess picture(8, 2, 2, 0, nullptr);
    QVERIFY(picture.loadFromData(data.data(), count, "ignored"));
    QCOMPARE(picture.depth(), 24);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(picture.getPixel(i % 2, i / 2), expected[i]);
    if (count > 0)
        QCOMPARE(int(picture.alpha()[0]), 4);
    QVERIFY(picture.loadFromData(nullptr, 100, nullptr));
    QCOMPARE(picture.getPixel(0, 0), 0);
}

void TestImageProcess::impossibleSizesGiveAnEmptyPicture_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("negative width") << 24 << -3 << 4;
    QTest::newRow("negative height") << 8 << 3 << -4;
    QTest::newRow("byte size beyond int") << 24 << 40000 << 40000;
    QTest::newRow("pixel count beyond int") << 1 << 50000 << 50000;
    QTest::newRow("both negative") << 24 << -70000 << -70000;
}

void TestImageProcess::impossibleSizesGiveAnEmptyPicture()
{
    QFETCH(int, depth);
    QFETCH(int, width);
    QFETCH(int, height);
    ImageProcess picture(depth, width, height, 1, nullptr);
    QCOMPARE(picture.width(), 0);
    QCOMPARE(picture.height(), 0);
    QCOMPARE(picture.size(), 0);
    QVERIFY(!picture.red());
    picture.putPixel(1, 1, 1);
    QCOMPARE(picture.getPixel(1, 1), 0);
    QCOMPARE(&picture.brightness(10, nullptr), &picture);
}

void TestImageProcess::deInitEmpties()
{
    ImageProcess picture(8, 4, 4, 9, nullptr);
    picture.deInit();
    QVERIFY(!picture.red() && !picture.paletteRed());
    QCOMPARE(picture.getPixel(1, 1), 0);
    picture.putPixel(1, 1, 3);
    picture.deInit();
    const ImageProcess copy(picture);
    QCOMPARE(copy.width(), 0);
    QVERIFY(!copy.red());
}

QTEST_APPLESS_MAIN(TestImageProcess)
#include "tst_imageprocess.moc"
