#include <QtTest>

#include <QImage>

#include <climits>

#include "VAruzoD/ImageProcess.h"

using VAruzoD::ImageProcess;

namespace {

// A 24-bit picture of one row holding the given colours.
ImageProcess row24(const QVector<int>& colors)
{
    ImageProcess picture(24, colors.size(), 1, 0, nullptr);
    for (int x = 0; x < colors.size(); ++x)
        picture.putPixel(x, 0, colors[x]);
    return picture;
}

QVector<int> pixels(const ImageProcess& picture)
{
    QVector<int> values;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            values << picture.getPixel(x, y);
    return values;
}

QVector<int> palette(const unsigned char* entries, const QVector<int>& indexes)
{
    QVector<int> values;
    for (int i : indexes)
        values << entries[i];
    return values;
}

constexpr int kCopy = ImageProcess::UnchangedCopy;
constexpr int kGrey = ImageProcess::Grey;

} // namespace

class TestPointOperations : public QObject
{
    Q_OBJECT

private slots:
    void brightnessClamps_data();
    void brightnessClamps();
    void brightnessOfAnImage();
    void brightnessOfEightBitPictures();
    void brightnessKeepsOneBitPicturesTwoValued();
    void palBrightnessOnlyForPalettes_data();
    void palBrightnessOnlyForPalettes();
    void binarize_data();
    void binarize();
    void colorToGray();
    void emptyPictureOnlyLosesItsCopyFlag();
};

void TestPointOperations::brightnessClamps_data()
{
    QTest::addColumn<QVector<int>>("before");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QVector<int>>("after");

    using V = QVector<int>;
    QTest::newRow("+30 held at the maximum") << V{0x64F0FF, 0x000000} << 30 << V{0x82FFFF, 0x1E1E1E};
    QTest::newRow("-30 held at the minimum") << V{0x0A2800, 0xFFFFFF} << -30 << V{0x000A00, 0xE1E1E1};
    QTest::newRow("0 keeps every value") << V{0x123456} << 0 << V{0x123456};
    QTest::newRow("more than 255") << V{0x010203} << 300 << V{0xFFFFFF};
    QTest::newRow("largest int") << V{0xFF8001} << INT_MAX << V{0xFFFFFF};
    QTest::newRow("smallest int") << V{0xFF8001} << INT_MIN << V{0x000000};
}

void TestPointOperations::brightnessClamps()
{
    QFETCH(QVector<int>, before);
    QFETCH(int, amount);
    QFETCH(QVector<int>, after);
    const ImageProcess original = row24(before);
    ImageProcess picture(original); // a copy, flagged unchanged
    QCOMPARE(&picture.brightness(amount, nullptr), &picture);
    QCOMPARE(pixels(picture), after);
    QCOMPARE(picture.flags() & kCopy, 0);
}

void TestPointOperations::brightnessOfAnImage()
{
    // The advanced label's use: a picture from an image, raised by 30, read
    // back pixel by pixel.
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colors[] = {qRgb(100, 240, 255), qRgb(0, 0, 0), qRgb(225, 226, 10),
                           qRgb(255, 255, 255), qRgb(1, 2, 3), qRgb(128, 64, 32)};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colors[i]);
    ImageProcess picture(image, nullptr);
    picture.brightness(30, nullptr);
    const QVector<int> expected{0x82FFFF, 0x1E1E1E, 0xFFFF28, 0xFFFFFF, 0x1F2021, 0x9E5E3E};
    QCOMPARE(pixels(picture), expected);
}

void TestPointOperations::brightnessOfEightBitPictures()
{
    // A colour picture lives in its palettes: indexes stay, palettes move.
    ImageProcess colour(8, 2, 1, 0, nullptr);
    colour.putPixel(0, 0, 10);
    colour.putPixel(1, 0, 250);
    colour.brightness(30, nullptr);
    QCOMPARE(pixels(colour), (QVector<int>{10, 250}));
    QCOMPARE(palette(colour.paletteRed(), {0, 10, 225, 226, 255}), (QVector<int>{30, 40, 255, 255, 255}));
    QCOMPARE(palette(colour.paletteBlue(), {0, 10, 225, 226, 255}), (QVector<int>{30, 40, 255, 255, 255}));
    QCOMPARE(colour.flags() & kGrey, 0);

    // A grey picture holds its values in the plane: the values move.
    ImageProcess grey(8, 2, 1, 0, nullptr);
    grey.putPixel(0, 0, 10);
    grey.putPixel(1, 0, 250);
    grey.colorToGray(nullptr);
    QCOMPARE(grey.flags() & kGrey, kGrey);
    grey.brightness(30, nullptr);
    QCOMPARE(pixels(grey), (QVector<int>{40, 255}));
    QCOMPARE(palette(grey.paletteRed(), {0, 10, 255}), (QVector<int>{0, 10, 255}));
}

void TestPointOperations::brightnessKeepsOneBitPicturesTwoValued()
{
    ImageProcess picture(1, 3, 1, 0, nullptr);
    picture.putPixel(1, 0, 1);
    picture.brightness(100, nullptr); // 100 and 255: 0 and 255 again
    QCOMPARE(pixels(picture), (QVector<int>{0, 1, 0}));
    picture.brightness(200, nullptr); // 200 and 255: all set
    QCOMPARE(pixels(picture), (QVector<int>{1, 1, 1}));
    picture.brightness(-128, nullptr); // 127: all clear
    QCOMPARE(pixels(picture), (QVector<int>{0, 0, 0}));
    for (int x = 0; x < 3; ++x)
        QCOMPARE(int(picture.red()[x]), 0);
    picture.putPixel(2, 0, 1);
    picture.brightness(-127, nullptr); // 128 stays set, as 255
    QCOMPARE(int(picture.red()[2]), 255);
    QCOMPARE(pixels(picture), (QVector<int>{0, 0, 1}));
}

void TestPointOperations::palBrightnessOnlyForPalettes_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("changes");
    QTest::newRow("8-bit") << 8 << true;
    QTest::newRow("24-bit") << 24 << false;
    QTest::newRow("1-bit") << 1 << false;
}

void TestPointOperations::palBrightnessOnlyForPalettes()
{
    QFETCH(int, depth);
    QFETCH(bool, changes);
    const ImageProcess original(depth, 2, 2, 1, nullptr);
    ImageProcess picture(original);
    const QVector<int> before = pixels(picture);
    picture.palBrightness(-20, nullptr);
    QCOMPARE(pixels(picture), before);
    QCOMPARE(picture.flags() & kCopy, changes ? 0 : kCopy);
    if (changes)
        QCOMPARE(palette(picture.paletteGreen(), {0, 19, 20, 21, 255}), (QVector<int>{0, 0, 0, 1, 235}));
}

void TestPointOperations::binarize_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QVector<int>>("before");
    QTest::addColumn<QVector<int>>("after");

    using V = QVector<int>;
    QTest::newRow("grey 8-bit at the threshold") << 8 << V{127, 128, 0, 255} << V{0, 255, 0, 255};
    // (10 + 20 + 31) / 3 = 20; (100 + 200 + 85) / 3 = 128; (127 + 127 + 129) / 3 = 127.
    QTest::newRow("colour 24-bit grey first")
        << 24 << V{0x0A141F, 0x64C855, 0x7F7F81} << V{0x000000, 0xFFFFFF, 0x000000};
}

void TestPointOperations::binarize()
{
    QFETCH(int, depth);
    QFETCH(QVector<int>, before);
    QFETCH(QVector<int>, after);
    ImageProcess picture(depth, before.size(), 1, 0, nullptr);
    for (int x = 0; x < before.size(); ++x)
        picture.putPixel(x, 0, before[x]);
    if (depth == 8)
        picture.colorToGray(nullptr);
    const ImageProcess original(picture);
    picture = original;
    QCOMPARE(&picture.binarize(127, nullptr), &picture);
    QCOMPARE(pixels(picture), after);
    QCOMPARE(int(picture.flags()), kGrey);
}

void TestPointOperations::colorToGray()
{
    ImageProcess colour = row24({0x0A141F, 0xFFFFFE, 0x000001});
    colour.colorToGray(nullptr);
    QCOMPARE(pixels(colour), (QVector<int>{0x141414, 0xFEFEFE, 0x000000}));
    QCOMPARE(int(colour.flags()), kGrey);
    // Grey already: a second call changes nothing.
    colour.putPixel(0, 0, 0x0A141F);
    colour.colorToGray(nullptr);
    QCOMPARE(colour.getPixel(0, 0), 0x0A141F);

    // An 8-bit colour picture takes the mean of its palette entries, and its
    // palettes become the identity.
    ImageProcess indexed(8, 3, 1, 0, nullptr);
    indexed.putPixel(0, 0, 100);
    indexed.putPixel(1, 0, 240);
    indexed.putPixel(2, 0, 3);
    indexed.palBrightness(30, nullptr); // entries 130, 255, 33
    indexed.colorToGray(nullptr);
    QCOMPARE(pixels(indexed), (QVector<int>{130, 255, 33}));
    QCOMPARE(palette(indexed.paletteRed(), {0, 100, 255}), (QVector<int>{0, 100, 255}));
    QCOMPARE(palette(indexed.paletteBlue(), {0, 100, 255}), (QVector<int>{0, 100, 255}));

    // 1-bit pictures are left as they are, grey bit and all.
    ImageProcess bits(1, 2, 1, 1, nullptr);
    bits.colorToGray(nullptr);
    QCOMPARE(int(bits.flags()), 0);
    QCOMPARE(pixels(bits), (QVector<int>{1, 1}));
}

void TestPointOperations::emptyPictureOnlyLosesItsCopyFlag()
{
    const ImageProcess empty(24, 0, 5, 0, nullptr);
    ImageProcess picture(empty);
    QCOMPARE(int(picture.flags()), kCopy);
    picture.brightness(30, nullptr).binarize(100, nullptr).colorToGray(nullptr);
    QCOMPARE(picture.width(), 0);
    QCOMPARE(picture.height(), 5);
    QCOMPARE(int(picture.flags()), kGrey);
}

QTEST_APPLESS_MAIN(TestPointOperations)
#include "tst_pointoperations.moc"
