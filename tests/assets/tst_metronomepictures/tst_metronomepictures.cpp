// The metronome's eight pictures are compiled in at their fixed size: the base
// is a complete scene, the others only cover the part that changes.
#include <QImage>
#include <QPainter>
#include <QtTest>

class TestMetronomePictures : public QObject
{
    Q_OBJECT
private slots:
    void picture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("complete");
        QTest::newRow("base eyes left") << ":/BaseEyesLeft.png" << true;
        QTest::newRow("eyes right") << ":/EyesRight.png" << false;
        QTest::newRow("beat") << ":/Beat.png" << false;
        QTest::newRow("mute eyes left") << ":/MuteEyesLeft.png" << false;
        QTest::newRow("mute eyes right") << ":/MuteEyesRight.png" << false;
        QTest::newRow("mute beat") << ":/MuteBeat.png" << false;
        QTest::newRow("eyes closed") << ":/EyesClosed.png" << false;
        QTest::newRow("eyes closed mute") << ":/EyesClosedMute.png" << false;
    }
    void picture()
    {
        QFETCH(QString, path);
        QFETCH(bool, complete);
        QImage const image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(1536, 2048));
        // The base fills the frame; an overlay leaves the corners to the base
        // but covers the bird in the middle.
        QCOMPARE(qAlpha(image.pixel(0, 0)), complete ? 255 : 0);
        QCOMPARE(qAlpha(image.pixel(1535, 2047)), complete ? 255 : 0);
        QCOMPARE(qAlpha(image.pixel(768, 760)), 255);
    }
    void overlaysDifferFromTheBase_data()
    {
        QTest::addColumn<QString>("path");
        for (char const* p : {":/EyesRight.png", ":/Beat.png", ":/MuteEyesLeft.png", ":/MuteEyesRight.png",
                              ":/MuteBeat.png", ":/EyesClosed.png", ":/EyesClosedMute.png"})
            QTest::newRow(p) << QString(p);
    }
    void overlaysDifferFromTheBase()
    {
        // Each state must be visible: drawn over the base, the picture changes.
        QFETCH(QString, path);
        QImage const base = QImage(":/BaseEyesLeft.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage over = base;
        {
            QPainter p(&over);
            p.drawImage(0, 0, QImage(path));
        }
        int changed = 0;
        for (int y = 0; y < base.height(); y += 8)
            for (int x = 0; x < base.width(); x += 8)
                changed += base.pixel(x, y) != over.pixel(x, y);
        QVERIFY2(changed > 200, qPrintable(QString::number(changed)));
    }
};

QTEST_GUILESS_MAIN(TestMetronomePictures)
#include "tst_metronomepictures.moc"
