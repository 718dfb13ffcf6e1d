// The screen measurer: the size label at each scale and drag direction, the
// switch to the small tag, a fresh picture at every grab, its signals, a failed
// grab and the cursor.
#include "TestSupport/ModalAnswer.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/screentools/ScreenMeasurer.h"
#include "tests/libs/cpp/ZEDireroz/screentools/ScreenPictures.h"

#include <QSignalSpy>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::ScreenMeasurer;

namespace {

QSize const kWindow(300, 200);

QStringList s_messages;

void collectMessages(QtMsgType, QMessageLogContext const&, QString const& message)
{
    s_messages << message;
}

// A measurer shown at a known size over a picture of the same size, so that
// widget and picture coordinates agree.
struct Fixture
{
    explicit Fixture(QPixmap const& picture)
        : screen(picture)
    {
        measurer.setScreenSource([this] { return screen; });
        measurer.resize(kWindow);
        measurer.show();
    }

    QPixmap screen;
    ScreenMeasurer measurer;
};

} // namespace

class TestScreenMeasurer : public QObject
{
    Q_OBJECT
private slots:
    void label_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("tag");
        QTest::newRow("scale 1") << QPoint(100, 100) << QPoint(219, 144) << 1.0 << "120x45" << false;
        QTest::newRow("scale 2, half points truncated")
            << QPoint(100, 100) << QPoint(219, 144) << 2.0 << "60x22" << false;
        QTest::newRow("up and left") << QPoint(219, 144) << QPoint(100, 100) << 1.0 << "120x45" << false;
        QTest::newRow("up and right") << QPoint(100, 144) << QPoint(219, 100) << 1.0 << "120x45" << false;
        QTest::newRow("up and left at scale 2") << QPoint(219, 144) << QPoint(100, 100) << 2.0 << "60x22" << false;
        QTest::newRow("a click") << QPoint(10, 10) << QPoint(10, 10) << 1.0 << "1x1" << true;
        QTest::newRow("wide and flat") << QPoint(0, 0) << QPoint(199, 2) << 1.0 << "200x3" << true;
        QTest::newRow("narrow and tall") << QPoint(0, 0) << QPoint(3, 99) << 1.0 << "4x100" << true;
    }
    void label()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(qreal, scale);
        QFETCH(QString, text);
        QFETCH(bool, tag);
        s_messages.clear();
        QtMessageHandler const previous = qInstallMessageHandler(collectMessages);
        ScreenMeasurer::SizeLabel const label = ScreenMeasurer::sizeLabel(from, to, 1.0, scale);
        qInstallMessageHandler(previous);
        QCOMPARE(label.text, text);
        QCOMPARE(label.tag, tag);
        QVERIFY(label.font.bold());
        QVERIFY(label.font.pixelSize() >= 1);
        if (tag)
            QCOMPARE(label.font.pixelSize(), ScreenMeasurer::kTagPixelSize);
        else
            QVERIFY(QFontMetrics(label.font).height() >= ScreenMeasurer::kSmallestLabelHeight);
        // A rectangle too thin for any font size must not reach QFont as size 0.
        QCOMPARE(s_messages, QStringList());
    }

    // The drawn label: inside the rectangle when it fits, else in the tag above
    // the start point, over the picture's own white.
    void tagDrawn_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("tag");
        QTest::newRow("large rectangle") << QPoint(219, 144) << false;
        QTest::newRow("small rectangle") << QPoint(102, 102) << true;
    }
    void tagDrawn()
    {
        QFETCH(QPoint, to);
        QFETCH(bool, tag);
        Fixture f(ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::white));
        f.measurer.grabScreen();
        QPoint const from(100, 100);
        QTest::mousePress(&f.measurer, Qt::LeftButton, Qt::NoModifier, from);
        ScreenPictures::dragTo(&f.measurer, to);
        QImage const image = f.measurer.grab().toImage();
        QColor const aboveStart = image.pixelColor(from + QPoint(1, -5));
        QCOMPARE(aboveStart != QColor(Qt::white), tag);
        QVERIFY(image.pixelColor(from + QPoint(1, 1)) != QColor(Qt::white));
    }

    void freshPictureAtEveryGrab()
    {
        Fixture f(ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::red));
        QSignalSpy done(&f.measurer, SIGNAL(done()));
        f.measurer.grabScreen();
        QCOMPARE(f.measurer.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
        f.screen = ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::blue);
        f.measurer.grabScreen();
        QCOMPARE(done.count(), 2);
        QCOMPARE(f.measurer.size(), kWindow);
        QCOMPARE(f.measurer.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
    }

    // The picture sits in the middle at one widget pixel per device pixel.
    void centredPicture()
    {
        Fixture f(ScreenPictures::coordinates(100, 60, 2.0));
        f.measurer.grabScreen();
        // While a drag runs there is no hint box over the picture.
        QTest::mousePress(&f.measurer, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QImage const image = f.measurer.grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(71, 71, 71));
        QCOMPARE(ScreenPictures::decode(image.pixel(100, 70)), QPoint(0, 0));
        QCOMPARE(ScreenPictures::decode(image.pixel(199, 129)), QPoint(99, 59));
    }

    void hintSavesNothing()
    {
        Fixture f(ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::white));
        QVERIFY(!f.measurer.defaultMessage().contains(QStringLiteral("saved")));
        QVERIFY(f.measurer.defaultMessage().contains(QStringLiteral("measure")));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("escape") << true << QStringList{"doQuit", "escaped"};
        QTest::newRow("window manager") << false << QStringList{"doQuit"};
    }
    void closing()
    {
        QFETCH(bool, escape);
        QFETCH(QStringList, order);
        Fixture f(ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::white));
        QStringList seen;
        connect(&f.measurer, &ScreenMeasurer::doQuit, this, [&] { seen << "doQuit"; });
        connect(&f.measurer, &ScreenMeasurer::escaped, this, [&] { seen << "escaped"; });
        f.measurer.grabScreen();
        f.measurer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.measurer));
        if (escape)
            QTest::keyClick(&f.measurer, Qt::Key_Escape);
        else
            QVERIFY(f.measurer.close());
        QCOMPARE(seen, order);
        QVERIFY(!f.measurer.isVisible());
    }

    void failedGrab()
    {
        Fixture f{QPixmap()};
        QSignalSpy done(&f.measurer, SIGNAL(done()));
        QSignalSpy grabFailed(&f.measurer, &ScreenMeasurer::grabFailed);
        ModalAnswer answer([](QDialog* d) { d->reject(); });
        f.measurer.grabScreen();
        QVERIFY(answer.seen());
        QCOMPARE(grabFailed.count(), 1);
        QCOMPARE(done.count(), 0);
    }

    void cursors()
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        {
            Fixture f(ScreenPictures::filled(kWindow.width(), kWindow.height(), Qt::white));
            f.measurer.grabScreen();
            QCOMPARE(f.measurer.cursor().shape(), Qt::CrossCursor);
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(&f.measurer, &enter);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&f.measurer, &leave);
            f.measurer.slotClose();
        }
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QGuiApplication::restoreOverrideCursor();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestScreenMeasurer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenmeasurer.moc"
