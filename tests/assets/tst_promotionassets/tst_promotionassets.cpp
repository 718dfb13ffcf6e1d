// The introduction slides lie in the bundle folder for every slide language, and
// the pictures of the share, join, About and tutorial dialogs are compiled in.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

QString resourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TICKWREN_RESOURCE_DIR"));
}

// Share of bright, opaque pixels in a coarse grid: text and drawings stand out
// light on the dark backgrounds, so an empty canvas or a bare gradient has none.
double brightShare(QImage const& image)
{
    int bright = 0;
    int total = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            ++total;
            QRgb const pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 200 && qGray(pixel) > 140)
                ++bright;
        }
    }
    return double(bright) / total;
}

} // namespace

class TestPromotionAssets : public QObject
{
    Q_OBJECT
private slots:
    void slides_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("index");
        for (char const* language : {"en", "de", "ru"})
            for (int i = 0; i < 5; ++i)
                QTest::addRow("%s-%d", language, i) << QString::fromLatin1(language) << i;
    }
    void slides()
    {
        QFETCH(QString, language);
        QFETCH(int, index);
        QString const path = resourceDir() + QStringLiteral("TWSlide%1_%2.jpg").arg(index).arg(language);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QImage const image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path));
        // Twice the slide display's smallest size in both directions, 4:3 like the display.
        QVERIFY(image.width() >= 800 && image.height() >= 600);
        QCOMPARE(image.width() * 3, image.height() * 4);
        QVERIFY2(brightShare(image) > 0.03, qPrintable(QString::number(brightShare(image))));
    }
    void slidesDifferBetweenLanguages_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("%d", i) << i;
    }
    // Each slide carries text in its own language, so the pictures of one slide
    // must differ between the languages (a fallback copy of English would not).
    void slidesDifferBetweenLanguages()
    {
        QFETCH(int, index);
        QImage const en(resourceDir() + QStringLiteral("TWSlide%1_en.jpg").arg(index));
        QImage const de(resourceDir() + QStringLiteral("TWSlide%1_de.jpg").arg(index));
        QImage const ru(resourceDir() + QStringLiteral("TWSlide%1_ru.jpg").arg(index));
        QVERIFY(!en.isNull() && !de.isNull() && !ru.isNull());
        QVERIFY(en != de);
        QVERIFY(en != ru);
        QVERIFY(de != ru);
    }
    void compiledInPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QSize const panel(380, 70);
        for (char const* stem : {"social1", "social2", "social3", "email"}) {
            for (char const* action : {"share", "join"}) {
                for (char const* hover : {"", "_hover"}) {
                    QString const path = QStringLiteral(":/%1%2%3.png")
                                             .arg(QLatin1String(stem), QLatin1String(action), QLatin1String(hover));
                    QTest::newRow(qPrintable(path)) << path << panel;
                }
            }
        }
        for (char const* path : {":/share.png", ":/share_hover.png", ":/join.png", ":/join_hover.png"})
            QTest::newRow(path) << QString::fromLatin1(path) << QSize(64, 64);
        QTest::newRow("maker logo") << ":/pix/olvenarlogo.png" << QSize(200, 40);
        QTest::newRow("tutorial backdrop") << ":/pix/nemo2.jpg" << QSize(360, 177);
    }
    void compiledInPictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImage const image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        // Drawn, anti-aliased shapes give many colours; an empty or solid canvas few.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
    }
    // A button and its hover twin must look different, or hovering shows nothing.
    void hoverDiffers()
    {
        QVERIFY(QImage(":/social1share.png") != QImage(":/social1share_hover.png"));
        QVERIFY(QImage(":/emailjoin.png") != QImage(":/emailjoin_hover.png"));
        QVERIFY(QImage(":/share.png") != QImage(":/share_hover.png"));
    }
};

QTEST_GUILESS_MAIN(TestPromotionAssets)
#include "tst_promotionassets.moc"
