// A real screen grab on a virtual X display of 1280 x 800 device pixels: the
// picture is not null and has the display's native size, and the cropper's cut
// over a window of known colours drawn by the test holds those colours. Built
// twice: once at the display's own scale, once with Qt scaling it by 2.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/screentools/ScreenCropper.h"
#include "ZEDireroz/screentools/ScreenGrab.h"
#include "tests/libs/cpp/ZEDireroz/screentools/ScreenPictures.h"

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::ScreenCropper;
namespace ScreenGrab = ZEDireroz::ScreenGrab;

namespace {

QSize const kNativeScreen(1280, 800);
QRect const kPatch(100, 100, 200, 100);

// Red on the left half, blue on the right half.
class Patch : public QWidget
{
public:
    Patch()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(kPatch);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width() / 2, height(), Qt::red);
        painter.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::blue);
    }
};

} // namespace

class TestScreenGrab : public QObject
{
    Q_OBJECT
private slots:
    void cutOfARealScreen()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        qreal const scale = screen->devicePixelRatio();
#ifdef TW_TEST_QT_SCALE_FACTOR
        QCOMPARE(scale, qreal(TW_TEST_QT_SCALE_FACTOR));
#else
        QCOMPARE(scale, 1.0);
#endif
        Patch patch;
        patch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&patch));
        // Device pixels of the patch's middle, left and right.
        QPoint const left(qRound((kPatch.x() + 50) * scale), qRound((kPatch.y() + 50) * scale));
        QPoint const right(qRound((kPatch.x() + 150) * scale), left.y());
        QPixmap picture;
        QTRY_VERIFY_WITH_TIMEOUT(
            (picture = ScreenGrab::grabScreen(screen)).toImage().pixelColor(left) == QColor(Qt::red), 10000);
        QCOMPARE(picture.size(), kNativeScreen);
        QCOMPARE(picture.devicePixelRatio(), scale);
        QCOMPARE(picture.toImage().pixelColor(right), QColor(Qt::blue));

        ScreenCropper cropper;
        QSignalSpy done(&cropper, SIGNAL(done(QPixmap)));
        cropper.grabScreen();
        QVERIFY(cropper.isVisible());
        QTRY_COMPARE(cropper.geometry(), screen->geometry());
        // From the patch's left quarter to its right quarter, in the cropper's
        // (and the screen's) points.
        QPoint const from(kPatch.x() + 50, kPatch.y() + 20);
        QPoint const to(kPatch.x() + 149, kPatch.y() + 59);
        QTest::mousePress(&cropper, Qt::LeftButton, Qt::NoModifier, from);
        ScreenPictures::dragTo(&cropper, to);
        QTest::mouseRelease(&cropper, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(done.count(), 1);

        QImage const cut = cropper.result().toImage();
        int const s = qRound(scale);
        QCOMPARE(cut.size(), QSize(99 * s + 1, 39 * s + 1));
        // The colours change where the patch's halves meet, 50 points in.
        QCOMPARE(cut.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(cut.pixelColor(50 * s - 1, 10), QColor(Qt::red));
        QCOMPARE(cut.pixelColor(50 * s, 10), QColor(Qt::blue));
        QCOMPARE(cut.pixelColor(cut.width() - 1, cut.height() - 1), QColor(Qt::blue));
    }
};

int main(int argc, char** argv)
{
#ifdef TW_TEST_QT_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", QByteArray::number(TW_TEST_QT_SCALE_FACTOR));
#endif
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestScreenGrab test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screengrab.moc"
