// The generated pictures are compiled in and the bundle folder exists.
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
    void bundleFolderExists()
    {
        QByteArray const dir = qgetenv("TICKWREN_RESOURCE_DIR");
        QVERIFY(!dir.isEmpty());
        QVERIFY(QDir(QString::fromLocal8Bit(dir)).exists());
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
