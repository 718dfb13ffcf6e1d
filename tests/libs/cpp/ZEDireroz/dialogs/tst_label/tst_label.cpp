// The picture label's placement on normal and high-density screens, and the
// filter that centres a widget when it is shown.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/Label.h"
#include "ZEDireroz/frame/CenterFilter.h"

#include <QDesktopWidget>

using ZEDireroz::CenterFilter;
using ZEDireroz::Label;

class TestLabel : public QObject
{
    Q_OBJECT
private slots:
    void pictureRect_data()
    {
        QTest::addColumn<QSize>("label");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("fit, ratio 2") << QSize(100, 50) << QSize(400, 400) << 2.0 << 0 << QRect(25, 0, 50, 50);
        QTest::newRow("fill, ratio 2") << QSize(100, 50) << QSize(400, 400) << 2.0 << 1 << QRect(0, 0, 100, 100);
        QTest::newRow("other mode fills") << QSize(100, 50) << QSize(400, 400) << 2.0 << 5 << QRect(0, 0, 100, 100);
        QTest::newRow("fit, ratio 1, tall") << QSize(100, 100) << QSize(20, 40) << 1.0 << 0 << QRect(25, 0, 50, 100);
        QTest::newRow("fill, ratio 1, tall") << QSize(100, 100) << QSize(20, 40) << 1.0 << 1 << QRect(0, 0, 100, 200);
        // 101 x 51 at 1.5: 151 x 76 device pixels; the 76 x 76 square is 50 x 50.
        QTest::newRow("fit, fractional ratio") << QSize(101, 51) << QSize(10, 10) << 1.5 << 0 << QRect(25, 0, 50, 50);
        QTest::newRow("no picture") << QSize(100, 50) << QSize(0, 0) << 1.0 << 0 << QRect();
    }
    void pictureRect()
    {
        QFETCH(QSize, label);
        QFETCH(QSize, picture);
        QFETCH(qreal, ratio);
        QFETCH(int, mode);
        QFETCH(QRect, expected);
        QCOMPARE(Label::pictureRect(label, picture, ratio, Label::Mode(mode)), expected);
    }

    void paintsThePicture_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        // A red square in a 100 x 50 label: fitted it covers x 25..74 only;
        // filled it covers everything.
        QTest::newRow("fit") << 0 << QPoint(50, 25) << QPoint(10, 25);
        QTest::newRow("fill") << 1 << QPoint(10, 25) << QPoint(-1, -1);
    }
    void paintsThePicture()
    {
        QFETCH(int, mode);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        QImage picture(400, 400, QImage::Format_RGB32);
        picture.fill(Qt::red);
        Label label;
        label.setMode(Label::Mode(mode));
        label.setRetinaPixmap(QPixmap::fromImage(picture));
        label.resize(100, 50);
        label.setStyleSheet("background: white");
        label.setAutoFillBackground(true);
        QImage const shown = label.grab().toImage().scaled(100, 50);
        QCOMPARE(QColor(shown.pixel(inside)), QColor(Qt::red));
        if (outside.x() >= 0)
            QCOMPARE(QColor(shown.pixel(outside)), QColor(Qt::white));
    }

    void centresChildInParent()
    {
        QWidget parent;
        parent.resize(400, 300);
        auto* child = new QWidget(&parent);
        child->resize(100, 100);
        child->hide();
        child->installEventFilter(new CenterFilter(child));
        parent.show();
        child->show();
        QCOMPARE(child->pos(), QPoint(150, 100));
    }

    void centresWindowOverItsParent()
    {
        QWidget parent;
        parent.setGeometry(300, 200, 400, 300);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QWidget window(&parent, Qt::Window);
        window.resize(100, 100);
        window.installEventFilter(new CenterFilter(&window));
        window.show();
        QPoint const parentOrigin = parent.mapToGlobal(QPoint(0, 0));
        QVERIFY(parentOrigin.x() >= 300 && parentOrigin.y() >= 200); // not the screen's corner
        QCOMPARE(window.pos(), parentOrigin + QPoint(150, 100));
    }

    void centresWindowWithoutParentOnDesktop()
    {
        QWidget window;
        window.resize(100, 60);
        window.installEventFilter(new CenterFilter(&window));
        window.show();
        QRect const desktop = QApplication::desktop()->geometry();
        QCOMPARE(window.pos(), QPoint(desktop.x() + desktop.width() / 2 - 50, desktop.y() + desktop.height() / 2 - 30));
    }
};

TW_APP_TEST_MAIN(TestLabel)
#include "tst_label.moc"
