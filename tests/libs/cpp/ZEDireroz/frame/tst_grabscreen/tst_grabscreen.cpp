// The screen picture on a scaled screen: a 1280x1024 X screen that the toolkit
// scales by 2 (a 640x512 screen in its units) is pictured at 1280x1024 device
// pixels, every part of it holding the screen.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QScreen>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::Common;

namespace {
QColor const kFill(200, 30, 40);
} // namespace

class TestGrabScreen : public QObject
{
    Q_OBJECT
private slots:
    void scaledScreenIsGrabbedAtItsNativeSize()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        QCOMPARE(screen->geometry().size(), QSize(640, 512));

        QWidget window(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        window.setStyleSheet("background: rgb(200, 30, 40)");
        window.setGeometry(screen->geometry());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The X server may show the window a little after it is exposed.
        QImage image;
        auto const shown = [&image] {
            image = Common::grabScreen().toImage();
            return !image.isNull() && QColor(image.pixel(10, 10)) == kFill;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 10000);
        QCOMPARE(image.size(), QSize(1280, 1024));
        // Each quarter holds the screen, not only the top-left one.
        for (QPoint const& p :
             {QPoint(10, 10), QPoint(1270, 10), QPoint(10, 1014), QPoint(640, 512), QPoint(1279, 1023)})
            QCOMPARE(QColor(image.pixel(p)), kFill);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestGrabScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_grabscreen.moc"
