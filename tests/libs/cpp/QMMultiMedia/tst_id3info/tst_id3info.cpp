// The cover of an audio file: the first picture in its folder that loads, else
// the default cover compiled into the program.
#include "QMMultiMedia/ID3Info.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using QMMultiMedia::ID3Info;

namespace {

bool writeBytes(QString const& path, QByteArray const& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A picture of one colour and size, easy to tell from the default cover.
bool writePicture(QString const& path, char const* format, QSize const& size = QSize(7, 5))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    return image.save(path, format);
}

QImage defaultCover()
{
    return QImage(ID3Info::kDefaultCover).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestID3Info : public QObject
{
    Q_OBJECT
private slots:
    void theDefaultCoverIsCompiledIn()
    {
        QImage const cover = defaultCover();
        QVERIFY(!cover.isNull());
        QVERIFY(cover.width() >= 256 && cover.width() == cover.height());
    }

    void cover_data()
    {
        // Files in the song's folder, each "name" or "name=damaged", and whether
        // the cover comes from the folder's picture (else the default one).
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("fromFolder");
        QTest::newRow("upper-case suffix") << QStringList{"Song.mp3", "notes.txt", "Front.JPG"} << true;
        QTest::newRow("png") << QStringList{"Song.mp3", "cover.png"} << true;
        QTest::newRow("damaged picture") << QStringList{"Song.mp3", "Front.jpg=damaged"} << false;
        QTest::newRow("damaged beside a good one")
            << QStringList{"Song.mp3", "a.png=damaged", "b.png", "c.bmp=damaged"} << true;
        QTest::newRow("hidden picture") << QStringList{"Song.mp3", ".cover.png"} << false;
        QTest::newRow("picture in a subfolder") << QStringList{"Song.mp3", "art/cover.png"} << false;
        QTest::newRow("not a picture by name") << QStringList{"Song.mp3", "cover.webp"} << false;
        QTest::newRow("no pictures") << QStringList{"Song.mp3"} << false;
    }
    void cover()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, fromFolder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (QString const& entry : files) {
            QString const name = entry.section(QLatin1Char('='), 0, 0);
            QString const path = dir.filePath(name);
            QDir().mkpath(QFileInfo(path).absolutePath());
            bool const isPicture = !name.endsWith(QLatin1String(".mp3")) && !name.endsWith(QLatin1String(".txt"));
            if (entry.endsWith(QLatin1String("=damaged")) || !isPicture)
                QVERIFY(writeBytes(path, "not a picture, whatever the name says"));
            else
                QVERIFY(writePicture(path, name.endsWith(QLatin1String("JPG")) ? "JPG" : "PNG"));
        }
        // The song itself need not exist: only its folder is looked at.
        QDir(dir.path()).remove(QStringLiteral("Song.mp3"));
        ID3Info const info(dir.filePath(QStringLiteral("Song.mp3")));
        QVERIFY(!info.cover().isNull());
        if (fromFolder) {
            QCOMPARE(info.cover().size(), QSize(7, 5));
            QColor const c = info.cover().toImage().pixelColor(3, 2);
            QVERIFY2(qAbs(c.green() - 200) < 12 && c.red() < 40, qPrintable(c.name()));
        } else {
            QCOMPARE(info.cover().toImage().convertToFormat(QImage::Format_ARGB32), defaultCover());
        }
        // A copy carries the cover along.
        ID3Info const copy = info;
        QCOMPARE(copy.cover().cacheKey(), info.cover().cacheKey());
    }

    void picturesAreReadAtCoverSize_data()
    {
        // A picture's size, and the cover's size (empty: the default cover).
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("cover");
        QTest::newRow("small, as it is") << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("large, scaled to fit") << QSize(2000, 1000) << QSize(512, 256);
        QTest::newRow("tall, scaled to fit") << QSize(600, 1200) << QSize(256, 512);
        // Refused from the header: whole, these would take hundreds of megabytes.
        QTest::newRow("side too long") << QSize(40000, 100) << QSize();
        QTest::newRow("too many pixels") << QSize(8000, 8000) << QSize();
    }
    void picturesAreReadAtCoverSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, cover);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // One bit a pixel keeps the big ones small on disk and in the test.
        QImage image(picture, QImage::Format_Mono);
        image.fill(1);
        QVERIFY(image.save(dir.filePath(QStringLiteral("front.png")), "PNG"));
        ID3Info const info(dir.filePath(QStringLiteral("Song.mp3")));
        if (cover.isEmpty())
            QCOMPARE(info.cover().toImage().convertToFormat(QImage::Format_ARGB32), defaultCover());
        else
            QCOMPARE(info.cover().size(), cover);
    }

    void aFolderThatDoesNotExist()
    {
        ID3Info const info(QStringLiteral("/no/such/folder/Song.mp3"));
        QCOMPARE(info.cover().toImage().convertToFormat(QImage::Format_ARGB32), defaultCover());
    }
};

QTEST_MAIN(TestID3Info)

#include "tst_id3info.moc"
