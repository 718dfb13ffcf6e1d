// The advanced label rendered into pictures: where the background lies within
// its margin, how the hover look brightens it, the caption, and clicks.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/AdvancedLabel.h"

#include <QSignalSpy>

using ZEDireroz::AdvancedLabel;

namespace {

QPixmap filled(QColor const& colour)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(colour);
    return pixmap;
}

// The label painted over a known ground.
QImage render(AdvancedLabel& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void hover(AdvancedLabel& label, bool on)
{
    QEvent event(on ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(&label, &event);
}

} // namespace

class TestAdvancedLabel : public QObject
{
    Q_OBJECT
private slots:
    void pictureWithinTheMargin_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QRect>("picture");
        QTest::newRow("no margin") << QSize(100, 50) << 0 << QRect(0, 0, 100, 50);
        QTest::newRow("margin 10") << QSize(100, 50) << 10 << QRect(10, 10, 80, 30);
        QTest::newRow("margin leaves one row") << QSize(100, 50) << 24 << QRect(24, 24, 52, 2);
        QTest::newRow("margin over half the height") << QSize(100, 50) << 30 << QRect();
        QTest::newRow("margin over half the width") << QSize(40, 100) << 25 << QRect();
    }
    void pictureWithinTheMargin()
    {
        QFETCH(QSize, size);
        QFETCH(int, margin);
        QFETCH(QRect, picture);
        AdvancedLabel label;
        label.resize(size);
        label.setBackgroundPixmap(filled(Qt::red));
        label.setMargin(margin);
        QImage const image = render(label);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                QColor const expected = picture.contains(x, y) ? QColor(Qt::red) : QColor(0, 0, 255);
                if (QColor(image.pixel(x, y)) != expected)
                    QFAIL(qPrintable(QString("(%1, %2) is %3").arg(x).arg(y).arg(QColor(image.pixel(x, y)).name())));
            }
        }
    }

    void hoverBrightensThePicture_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("hovered");
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(30, 30, 30);
        QTest::newRow("white stays white") << QColor(255, 255, 255) << QColor(255, 255, 255);
        QTest::newRow("clamped per channel") << QColor(240, 100, 0) << QColor(255, 130, 30);
    }
    void hoverBrightensThePicture()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, hovered);
        AdvancedLabel label;
        label.resize(100, 50);
        label.setMargin(10);
        label.setBackgroundPixmap(filled(colour));
        QCOMPARE(QColor(render(label).pixel(50, 25)), colour);
        hover(label, true);
        QVERIFY(label.isHovered());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QImage const image = render(label);
        QCOMPARE(QColor(image.pixel(50, 25)), hovered);
        QCOMPARE(QColor(image.pixel(10, 10)), hovered);
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(0, 0, 255));
        hover(label, false);
        QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(QColor(render(label).pixel(50, 25)), colour);
    }

    void captionAlone()
    {
        AdvancedLabel label;
        label.resize(100, 50);
        label.setText("Caption");
        QImage const image = render(label);
        int ink = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 100; ++x)
                ink += QColor(image.pixel(x, y)) != QColor(0, 0, 255);
        }
        QVERIFY(ink > 20);
        // Written at the top, not centred vertically.
        for (int x = 0; x < 100; ++x)
            QCOMPARE(QColor(image.pixel(x, 45)), QColor(0, 0, 255));
    }

    void pressEmitsClicked()
    {
        AdvancedLabel label;
        label.resize(40, 40);
        QSignalSpy clicked(&label, &AdvancedLabel::clicked);
        QTest::mousePress(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

TW_APP_TEST_MAIN(TestAdvancedLabel)
#include "tst_advancedlabel.moc"
