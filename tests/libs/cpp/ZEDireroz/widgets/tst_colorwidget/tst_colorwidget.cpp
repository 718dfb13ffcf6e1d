// The colour swatch: the 48-colour palette as picked, setColor against a pick,
// and the ways the palette closes without a pick.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/ColorWidget.h"

#include <QGridLayout>
#include <QSignalSpy>

using ZEDireroz::ColorWidget;

namespace {

// The palette as the widget must offer it, row by row.
char const* const kExpected[6] = {
    "255,255,255 255,192,192 255,224,192 255,255,192 192,255,192 192,255,255 192,192,255 255,192,255",
    "224,224,224 255,128,128 255,192,128 255,255,128 128,255,128 128,255,255 128,128,255 255,128,255",
    "192,192,192 255,0,0 255,128,0 255,255,0 0,255,0 0,255,255 0,0,255 255,0,255",
    "128,128,128 192,0,0 192,64,0 192,192,0 0,192,0 0,192,192 0,0,192 192,0,192",
    "64,64,64 128,0,0 128,64,0 128,128,0 0,128,0 0,128,128 0,0,128 128,0,128",
    "0,0,0 64,0,0 128,64,64 64,64,0 0,64,0 0,64,64 0,0,64 64,0,64",
};

QColor expectedColour(int row, int column)
{
    QStringList const rgb = QString(kExpected[row]).split(' ').at(column).split(',');
    return QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
}

QPushButton* paletteButton(ColorWidget& swatch, int row, int column)
{
    auto* grid = qobject_cast<QGridLayout*>(swatch.popup()->layout());
    return grid ? qobject_cast<QPushButton*>(grid->itemAtPosition(row, column)->widget()) : nullptr;
}

} // namespace

class TestColorWidget : public QObject
{
    Q_OBJECT
private slots:
    void pickEmitsTheTableColourOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 8; ++column)
                QTest::addRow("%d,%d", row, column) << row << column;
        }
    }
    void pickEmitsTheTableColourOnce()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        ColorWidget swatch;
        swatch.resize(40, 20);
        swatch.show();
        QTest::mousePress(&swatch, Qt::LeftButton);
        QVERIFY(swatch.popup()->isVisible());
        QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
        QPushButton* button = paletteButton(swatch, row, column);
        QVERIFY(button);
        QCOMPARE(button->size(), QSize(20, 20));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QColor const expected = expectedColour(row, column);
        QCOMPARE(changed.first().first().value<QColor>(), expected);
        QCOMPARE(swatch.color(), expected);
        QVERIFY(swatch.popup()->isHidden());
        // The swatch paints the new colour.
        QImage const painted = swatch.grab().toImage();
        QColor const centre(painted.pixel(30, 15));
        QVERIFY2(qAbs(centre.red() - expected.red()) < 100 && qAbs(centre.blue() - expected.blue()) < 100,
                 qPrintable(centre.name()));
    }

    void setColorIsSilent()
    {
        ColorWidget swatch;
        QCOMPARE(swatch.color(), QColor(Qt::green));
        QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
        swatch.setColor(QColor(10, 20, 30));
        QCOMPARE(swatch.color(), QColor(10, 20, 30));
        QCOMPARE(changed.count(), 0);
    }

    void paletteClosesWithoutAPick_data()
    {
        QTest::addColumn<bool>("byLeaving");
        QTest::newRow("second press") << false;
        QTest::newRow("mouse leaves the palette") << true;
    }
    void paletteClosesWithoutAPick()
    {
        QFETCH(bool, byLeaving);
        ColorWidget swatch;
        swatch.resize(40, 20);
        swatch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&swatch));
        QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
        QTest::mousePress(&swatch, Qt::LeftButton);
        QVERIFY(swatch.popup()->isVisible());
        QCOMPARE(swatch.popup()->pos(), swatch.mapToGlobal(QPoint(0, 20)));
        if (byLeaving) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(swatch.popup(), &enter);
            QVERIFY(swatch.popup()->isInAction());
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(swatch.popup(), &leave);
            QVERIFY(!swatch.popup()->isInAction());
        } else {
            QTest::mousePress(&swatch, Qt::LeftButton);
        }
        QVERIFY(swatch.popup()->isHidden());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(swatch.color(), QColor(Qt::green));
    }
};

TW_APP_TEST_MAIN(TestColorWidget)
#include "tst_colorwidget.moc"
