// Thumbnails: a picture fitted with kept aspect ratio and centred on dark grey,
// and pictures read no larger than a box.
#include "QMViewer/Thumbnail.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using QMViewer::Thumbnail;

namespace {

QColor const kGround(Qt::darkGray);

QImage solid(int width, int height, QColor const& colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A JPEG of a picture with the orientation a camera writes: an Exif block
// holding only that tag, put right after the start of the file.
QByteArray jpegWithOrientation(QImage const& stored, quint16 orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!stored.save(&buffer, "JPG", 95))
        return {};
    QByteArray exif("\xff\xe1\x00\x22"
                    "Exif\x00\x00"
                    "MM\x00\x2a\x00\x00\x00\x08"       // big-endian, first directory at 8
                    "\x00\x01"                         // one entry:
                    "\x01\x12\x00\x03\x00\x00\x00\x01" // orientation, one short,
                    "\x00\x00\x00\x00"                 // its value (set below)
                    "\x00\x00\x00\x00",                // no further directory
                    36);
    exif[28] = char(orientation >> 8);
    exif[29] = char(orientation & 0xff);
    return jpeg.left(2) + exif + jpeg.mid(2);
}

} // namespace

class TestThumbnail : public QObject
{
    Q_OBJECT
private slots:
    void sizes()
    {
        QCOMPARE(Thumbnail().size(), QSize(30, 30));
        QCOMPARE(Thumbnail(12, 7).size(), QSize(12, 7));
        QCOMPARE(Thumbnail(80, 80, solid(300, 10, Qt::red)).size(), QSize(80, 80));
    }

    // The fitted picture and the dark grey bands around it, by the rows or
    // columns where each starts.
    void fitsAndCentres_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QRect>("picture");
        QTest::newRow("wide image") << "image" << QSize(200, 100) << QRect(0, 25, 100, 50);
        QTest::newRow("wide pixmap") << "pixmap" << QSize(200, 100) << QRect(0, 25, 100, 50);
        QTest::newRow("tall image") << "image" << QSize(100, 200) << QRect(25, 0, 50, 100);
        QTest::newRow("small image grows to fit") << "image" << QSize(20, 10) << QRect(0, 25, 100, 50);
        // init given a picture larger than the thumbnail must still centre what it draws.
        QTest::newRow("init with a large picture") << "init" << QSize(400, 200) << QRect(0, 25, 100, 50);
    }
    void fitsAndCentres()
    {
        QFETCH(QString, how);
        QFETCH(QSize, source);
        QFETCH(QRect, picture);
        QImage const red = solid(source.width(), source.height(), Qt::red);
        QImage result;
        if (how == "image") {
            result = Thumbnail(100, 100, red).toImage();
        } else if (how == "pixmap") {
            result = Thumbnail(100, 100, QPixmap::fromImage(red)).toImage();
        } else {
            Thumbnail thumbnail(100, 100);
            thumbnail.init(QPixmap::fromImage(red));
            result = thumbnail.toImage();
        }
        QCOMPARE(result.size(), QSize(100, 100));
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                QColor const expected = picture.contains(x, y) ? QColor(Qt::red) : kGround;
                if (result.pixelColor(x, y) != expected)
                    QFAIL(qPrintable(QString("pixel %1,%2 is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(result.pixelColor(x, y).name(), expected.name())));
            }
    }

    void transparentPartsShowTheGround()
    {
        QImage const clear = solid(10, 10, Qt::transparent);
        QCOMPARE(Thumbnail(10, 10, clear).toImage().pixelColor(5, 5), kGround);
    }

    void readsNoLargerThanTheBox_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("read");
        QTest::newRow("large jpeg") << "JPG" << QSize(1600, 1200) << QSize(80, 80) << QSize(80, 60);
        QTest::newRow("large png") << "PNG" << QSize(300, 600) << QSize(80, 80) << QSize(40, 80);
        QTest::newRow("fits already: not enlarged") << "PNG" << QSize(40, 20) << QSize(80, 80) << QSize(40, 20);
        QTest::newRow("no box: whole") << "PNG" << QSize(300, 200) << QSize() << QSize(300, 200);
        QTest::newRow("thin line keeps a pixel") << "PNG" << QSize(1000, 2) << QSize(80, 80) << QSize(80, 1);
    }
    void readsNoLargerThanTheBox()
    {
        QFETCH(QString, format);
        QFETCH(QSize, stored);
        QFETCH(QSize, box);
        QFETCH(QSize, read);
        QTemporaryDir dir;
        QString const path = dir.filePath("picture." + format.toLower());
        QVERIFY(solid(stored.width(), stored.height(), Qt::blue).save(path, qPrintable(format)));
        QImage const image = Thumbnail::readFitted(path, box);
        QCOMPARE(image.size(), read);
        QColor const centre = image.pixelColor(image.width() / 2, image.height() / 2);
        QVERIFY2(centre.blue() > 200 && centre.red() < 50, qPrintable(centre.name()));
    }

    // A photo is read upright, as its camera marked it, and fits the box as it
    // is shown: a quarter turn swaps the box for the size read from the file.
    void turnedPhotoIsReadUpright_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("read");
        QTest::addColumn<QPoint>("red");
        QTest::addColumn<QPoint>("blue");
        // Stored 400 x 200, red on the left and blue on the right, read into 100 x 50.
        QTest::newRow("as stored") << 1 << QSize(100, 50) << QPoint(20, 25) << QPoint(80, 25);
        QTest::newRow("turned right to show") << 6 << QSize(25, 50) << QPoint(12, 10) << QPoint(12, 40);
        QTest::newRow("turned left to show") << 8 << QSize(25, 50) << QPoint(12, 40) << QPoint(12, 10);
    }
    void turnedPhotoIsReadUpright()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, read);
        QFETCH(QPoint, red);
        QFETCH(QPoint, blue);
        QImage stored(400, 200, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        for (int y = 0; y < stored.height(); ++y)
            for (int x = 0; x < stored.width() / 2; ++x)
                stored.setPixel(x, y, qRgb(255, 0, 0));
        QTemporaryDir dir;
        QFile file(dir.filePath("photo.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray const bytes = jpegWithOrientation(stored, quint16(orientation));
        QVERIFY(!bytes.isEmpty());
        file.write(bytes);
        file.close();

        QImage const image = Thumbnail::readFitted(file.fileName(), QSize(100, 50));
        QCOMPARE(image.size(), read);
        QColor const atRed = image.pixelColor(red);
        QColor const atBlue = image.pixelColor(blue);
        QVERIFY2(atRed.red() > 200 && atRed.blue() < 60, qPrintable(atRed.name()));
        QVERIFY2(atBlue.blue() > 200 && atBlue.red() < 60, qPrintable(atBlue.name()));
    }

    void unreadableFilesGiveNull_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("just some notes\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("damaged png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x10\0", 20);
    }
    void unreadableFilesGiveNull()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("broken.png"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(Thumbnail::readFitted(file.fileName(), QSize(80, 80)).isNull());
        QVERIFY(Thumbnail::readFitted(dir.filePath("missing.png"), QSize(80, 80)).isNull());
    }
};

QTEST_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"
