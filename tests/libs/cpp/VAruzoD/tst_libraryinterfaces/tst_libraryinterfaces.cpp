// A program written against the documented interfaces of the drawing, picture,
// bit-array and single-instance classes alone: the names and signatures their
// users are given, no helper of the library or of the other tests. That it
// compiles is half of the test.
#include <QtTest>

#include <QUuid>

#include <sstream>
#include <vector>

#include "MTools/Bits.h"
#include "MTools/SingleAppCheck.h"
#include "VAruzoD/G3D.h"
#include "VAruzoD/GraphX.h"
#include "VAruzoD/ImageProcess.h"

namespace {

// A surface as its users write one: putPixel and getPixel, nothing else; 0
// outside its 10 x 6 grid.
class Canvas : public VAruzoD::GraphX
{
public:
    void putPixel(int x, int y, int color) const override
    {
        if (x >= 0 && y >= 0 && x < kWidth && y < kHeight)
            m_pixels[y][x] = color;
    }
    int getPixel(int x, int y) const override
    {
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight ? m_pixels[y][x] : 0;
    }
    int count(int color) const
    {
        int n = 0;
        for (const auto& row : m_pixels)
            for (int v : row)
                n += v == color ? 1 : 0;
        return n;
    }

    static constexpr int kWidth = 10;
    static constexpr int kHeight = 6;

private:
    mutable int m_pixels[kHeight][kWidth] = {};
};

} // namespace

class TestLibraryInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void surfaceOfTwoOperations();
    void pictureDataCountsPixels();
    void bitArrayFromBytes();
    void singleInstanceWithALongKey();
};

void TestLibraryInterfaces::surfaceOfTwoOperations()
{
    Canvas canvas;
    QCOMPARE(canvas.maxWidth(), 0);
    QCOMPARE(canvas.maxHigh(), 0);
    QCOMPARE(canvas.getMode(), 0);
    canvas.line(0, 0, 4, 2, 1);
    QCOMPARE(canvas.count(1), 5);
    QCOMPARE(canvas.getPixel(0, 0), 1);
    QCOMPARE(canvas.getPixel(4, 2), 1);
    canvas.lineH(3, 3, 5, 2);
    QCOMPARE(canvas.count(2), 0);
    canvas.lineH(3, 5, 5, 2);
    QCOMPARE(canvas.count(2), 2);
    canvas.rect(9, 0, 1, 1, 3);
    QCOMPARE(canvas.getPixel(9, 0), 3);
    canvas.circle(7, 3, 0, 4);
    QCOMPARE(canvas.count(4), 1);
    canvas.fillCircle(7, 3, 0, 5);
    QCOMPARE(canvas.count(5), 0);
    // The background reaches past the grid, where getPixel answers 0 as well;
    // the fill ends at the grid, every pixel but the nine drawn filled.
    canvas.fill(0, 5, 7);
    QCOMPARE(canvas.count(7), Canvas::kWidth * Canvas::kHeight - 9);
    // Beyond the grid on every side: only the grid changes.
    canvas.fillRect(-3, -2, 20, 20, 6);
    QCOMPARE(canvas.count(6), Canvas::kWidth * Canvas::kHeight);

    float vertices[] = {0, 0, 0, 100, 0, 50};
    int edges[] = {0, 1};
    const VAruzoD::G3D model(2, vertices, 1, edges, 8, 7, 0, 2, 0);
    VAruzoD::GraphX* surface = &canvas;
    model.verbinden(surface, 0, 1, 8);
    QCOMPARE(canvas.count(8), Canvas::kWidth);
}

void TestLibraryInterfaces::pictureDataCountsPixels()
{
    // Four pixels of blue, green, red, alpha for a 2 x 2 picture: count 4.
    std::vector<unsigned char> data{1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255};
    VAruzoD::ImageProcess picture(24, 2, 2, 0, nullptr);
    QVERIFY(picture.loadFromData(data.data(), 4, "ARGB"));
    QCOMPARE(picture.getPixel(0, 0), 0x030201);
    QCOMPARE(picture.getPixel(1, 1), 0x0C0B0A);
    VAruzoD::ImageProcessFloat floats(24, 2, 2, 0, nullptr);
    QVERIFY(floats.loadFromData(data.data(), 4, nullptr));
    QCOMPARE(floats.getPixel(1, 1), 0x0C0B0A);
    const VAruzoD::ImageProcess copy(picture);
    QCOMPARE(copy.getPixel(1, 0), 0x060504);
    picture.deInit();
    QCOMPARE(picture.getPixel(0, 0), 0);
}

void TestLibraryInterfaces::bitArrayFromBytes()
{
    MTools::Bits bits(12);
    const char bytes[] = {char(0x0b), char(0xf5)};
    bits.setCode(bytes);
    QCOMPARE(bits.getCode(4), 11u);
    QCOMPARE(bits.getBit(3), 1);
    QCOMPARE(bits.getBit(12), -1);
    QCOMPARE(int(bits), 0x50b);
    std::ostringstream out;
    bits.printOn(out);
    QCOMPARE(QString::fromStdString(out.str()), QString("010100001011"));
}

void TestLibraryInterfaces::singleInstanceWithALongKey()
{
    const QString key = QUuid::createUuid().toString(QUuid::Id128) + QString(83, 'k') + "/x";
    MTools::SingleAppCheck first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy spy(&first, &MTools::SingleAppCheck::messageAvailable);
    MTools::SingleAppCheck second(key);
    QVERIFY(second.isRunning());
    QVERIFY(second.sendMessage(QStringLiteral("from the second copy")));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("from the second copy"));
}

QTEST_GUILESS_MAIN(TestLibraryInterfaces)
#include "tst_libraryinterfaces.moc"
