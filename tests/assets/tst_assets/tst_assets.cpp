// The generated pictures are compiled in and the bundle folder exists; the
// instruments' heads carry one tuning peg per string.
#include "assets/generator/TunerPegs.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    void appIconIsCompiledIn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("side");
        QTest::newRow("large") << ":/images/tickwren.png" << 256;
        QTest::newRow("small") << ":/images/tickwren_64.png" << 64;
    }
    void appIconIsCompiledIn()
    {
        QFETCH(QString, path);
        QFETCH(int, side);
        QImage const image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(side, side));
        // Transparent corners, opaque middle: a drawn tile, not an empty canvas.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
    }
    // A three-string balalaika has three pegs, two on one side and one on the other.
    void onePegPerString_data()
    {
        QTest::addColumn<int>("strings");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("dombra") << 2 << 1 << 1;
        QTest::newRow("balalaika") << 3 << 2 << 1;
        QTest::newRow("ukulele") << 4 << 2 << 2;
        QTest::newRow("guitar") << 6 << 3 << 3;
        QTest::newRow("mandolin's courses") << 8 << 4 << 4;
    }
    void onePegPerString()
    {
        QFETCH(int, strings);
        QFETCH(int, left);
        QFETCH(int, right);
        AssetGen::PegSides const pegs = AssetGen::pegSides(strings);
        QCOMPARE(pegs.left, left);
        QCOMPARE(pegs.right, right);
    }

    void bundleFolderExists()
    {
        QByteArray const dir = qgetenv("TICKWREN_RESOURCE_DIR");
        QVERIFY(!dir.isEmpty());
        QVERIFY(QDir(QString::fromLocal8Bit(dir)).exists());
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
