// The screen cropper with a screen of the test's own: where a drag cuts at each
// scale and window size, the order of its signals, the reveal request, saving
// (name, folder, counter, failures), a failed grab and the cursor.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/screentools/ScreenCropper.h"
#include "tests/libs/cpp/ZEDireroz/screentools/ScreenPictures.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::ScreenCropper;

namespace {

QSize const kWindow(200, 150);

// A cropper shown at a known size over a picture the test chooses.
struct Fixture
{
    explicit Fixture(QPixmap const& picture)
    {
        cropper.setScreenSource([this] { return screen; });
        screen = picture;
        cropper.setShowMode(ScreenCropper::ShowNormal);
        cropper.resize(kWindow);
    }

    void drag(QPoint const& from, QPoint const& to, Qt::KeyboardModifiers release = Qt::NoModifier)
    {
        QTest::mousePress(&cropper, Qt::LeftButton, Qt::NoModifier, from);
        ScreenPictures::dragTo(&cropper, to);
        QTest::mouseRelease(&cropper, Qt::LeftButton, release, to);
    }

    QPixmap screen;
    ScreenCropper cropper;
};

QString expectedPicturesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/TickwrenTrial");
}

QStringList pictureFiles(QString const& folder)
{
    return QDir(folder).entryList({QStringLiteral("ScreenShot_*.png")}, QDir::Files, QDir::Name);
}

} // namespace

class TestScreenCropper : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        QDir(expectedPicturesFolder()).removeRecursively();
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                      + QStringLiteral("/user-dirs.dirs"));
    }

    void cutRegion_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("cut");
        QTest::newRow("click cuts one pixel")
            << QSize(200, 150) << 1.0 << QPoint(10, 10) << QPoint(10, 10) << QRect(10, 10, 1, 1);
        QTest::newRow("drag at scale 1") << QSize(200, 150) << 1.0 << QPoint(5, 7) << QPoint(54, 26)
                                         << QRect(5, 7, 50, 20);
        QTest::newRow("drag at scale 2") << QSize(400, 300) << 2.0 << QPoint(10, 10) << QPoint(20, 30)
                                         << QRect(20, 20, 21, 41);
        QTest::newRow("reversed drag at scale 2")
            << QSize(400, 300) << 2.0 << QPoint(20, 30) << QPoint(10, 10) << QRect(20, 20, 21, 41);
        QTest::newRow("up and right") << QSize(200, 150) << 1.0 << QPoint(10, 30) << QPoint(40, 5)
                                      << QRect(10, 5, 31, 26);
        QTest::newRow("click at scale 2")
            << QSize(400, 300) << 2.0 << QPoint(10, 10) << QPoint(10, 10) << QRect(20, 20, 1, 1);
        // A window smaller than the screen (maximised, normal, or a refused full
        // screen) shows the picture shrunk: 300 x 300 over 200 x 150.
        QTest::newRow("window smaller than the screen")
            << QSize(300, 300) << 1.0 << QPoint(10, 10) << QPoint(20, 30) << QRect(15, 20, 16, 41);
        QTest::newRow("drag beyond the window's edge")
            << QSize(200, 150) << 1.0 << QPoint(190, 140) << QPoint(250, 200) << QRect(190, 140, 10, 10);
    }
    void cutRegion()
    {
        QFETCH(QSize, picture);
        QFETCH(qreal, scale);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, cut);
        Fixture f(ScreenPictures::coordinates(picture.width(), picture.height(), scale));
        QSignalSpy done(&f.cropper, SIGNAL(done(QPixmap)));
        f.cropper.grabScreen();
        QVERIFY(f.cropper.isVisible());
        QCOMPARE(f.cropper.size(), kWindow);
        f.drag(from, to);

        QCOMPARE(done.count(), 1);
        QPixmap const sent = done.first().first().value<QPixmap>();
        QImage const image = f.cropper.result().toImage();
        QCOMPARE(sent.toImage(), image);
        QCOMPARE(image.size(), cut.size());
        QCOMPARE(ScreenPictures::decode(image.pixel(0, 0)), cut.topLeft());
        QCOMPARE(ScreenPictures::decode(image.pixel(image.width() - 1, image.height() - 1)), cut.bottomRight());
        QVERIFY(!f.cropper.isVisible());
    }

    // The release of the click that started the capture arrives without a press.
    void releaseWithoutPress()
    {
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        QSignalSpy done(&f.cropper, SIGNAL(done()));
        f.cropper.grabScreen();
        QTest::mouseRelease(&f.cropper, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        QCOMPARE(done.count(), 0);
        QVERIFY(f.cropper.isVisible());
        QVERIFY(f.cropper.result().isNull());
    }

    void signalOrder_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("a completed cut") << false << QStringList{"closed", "done(picture)", "done"};
        QTest::newRow("escape") << true << QStringList{"closed", "escaped"};
    }
    void signalOrder()
    {
        QFETCH(bool, escape);
        QFETCH(QStringList, order);
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        QStringList seen;
        connect(&f.cropper, &ScreenCropper::closed, this, [&] { seen << "closed"; });
        connect(&f.cropper, &ScreenCropper::escaped, this, [&] { seen << "escaped"; });
        connect(&f.cropper, QOverload<QPixmap const&>::of(&ScreenCropper::done), this,
                [&] { seen << "done(picture)"; });
        connect(&f.cropper, QOverload<>::of(&ScreenCropper::done), this, [&] { seen << "done"; });
        f.cropper.grabScreen();
        QVERIFY(QTest::qWaitForWindowActive(&f.cropper));
        if (escape)
            QTest::keyClick(&f.cropper, Qt::Key_Escape);
        else
            f.drag(QPoint(5, 5), QPoint(20, 20));
        QCOMPARE(seen, order);
        QVERIFY(!f.cropper.isVisible());
    }

    // A close from the window manager ends the capture as Escape does, minus escaped().
    void windowManagerClose()
    {
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        QSignalSpy closed(&f.cropper, &ScreenCropper::closed);
        QSignalSpy escaped(&f.cropper, &ScreenCropper::escaped);
        f.cropper.grabScreen();
        QVERIFY(f.cropper.close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(escaped.count(), 0);
        QVERIFY(!f.cropper.isVisible());
        // Closing a window that is already put away says nothing further.
        f.cropper.close();
        QCOMPARE(closed.count(), 1);
    }

    void reveal_data()
    {
        QTest::addColumn<bool>("returnKey");
        QTest::addColumn<Qt::KeyboardModifiers>("release");
        QTest::addColumn<bool>("revealed");
        QTest::newRow("plain release") << false << Qt::KeyboardModifiers(Qt::NoModifier) << false;
        QTest::newRow("alt at the release") << false << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::newRow("return before the drag") << true << Qt::KeyboardModifiers(Qt::NoModifier) << true;
    }
    void reveal()
    {
        QFETCH(bool, returnKey);
        QFETCH(Qt::KeyboardModifiers, release);
        QFETCH(bool, revealed);
        UrlCatcher catcher;
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        connect(&f.cropper, SIGNAL(done()), &f.cropper, SLOT(slotSave()));
        f.cropper.grabScreen();
        if (returnKey)
            QTest::keyClick(&f.cropper, Qt::Key_Return);
        f.drag(QPoint(5, 5), QPoint(20, 20), release);
        QCOMPARE(!catcher.urls.isEmpty(), revealed);
        if (revealed)
            QCOMPARE(catcher.takeOne(), QUrl::fromLocalFile(f.cropper.saveFolder()));

        // The request was for that capture only.
        catcher.urls.clear();
        f.cropper.grabScreen();
        f.drag(QPoint(5, 5), QPoint(20, 20));
        QCOMPARE(catcher.urls, QList<QUrl>());
    }

    void saveNameAndFolder()
    {
        Fixture f(ScreenPictures::coordinates(200, 150, 1.0));
        // Chosen at construction: no language change has happened.
        QCOMPARE(f.cropper.saveFolder(), expectedPicturesFolder());
        QVERIFY(f.cropper.defaultMessage().contains(QStringLiteral("~/Pictures/TickwrenTrial")));
        QSignalSpy saved(&f.cropper, &ScreenCropper::saved);
        QSignalSpy failed(&f.cropper, &ScreenCropper::saveFailed);
        f.cropper.grabScreen();
        f.drag(QPoint(30, 40), QPoint(69, 59));
        QDateTime const before = QDateTime::currentDateTime().addSecs(-1);
        f.cropper.slotSave();
        QDateTime const after = QDateTime::currentDateTime().addSecs(1);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(failed.count(), 0);

        QStringList const files = pictureFiles(expectedPicturesFolder());
        QCOMPARE(files.size(), 1);
        QRegularExpressionMatch const match =
            QRegularExpression(QStringLiteral("^ScreenShot_(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)\\.png$"))
                .match(files.first());
        QVERIFY2(match.hasMatch(), qPrintable(files.first()));
        QDateTime const stamp = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);

        QImage const written(expectedPicturesFolder() + QLatin1Char('/') + files.first(), "PNG");
        QCOMPARE(written.size(), QSize(40, 20));
        QCOMPARE(ScreenPictures::decode(written.pixel(0, 0)), QPoint(30, 40));
    }

    // Saves within one second keep each other's files.
    void saveWithinOneSecond()
    {
        Fixture f(ScreenPictures::coordinates(200, 150, 1.0));
        QString const folder = f.cropper.saveFolder();
        QDateTime const now = QDateTime::currentDateTime();
        QStringList kept;
        for (int second = 0; second < 3; ++second) {
            QString const path = folder + QLatin1Char('/') + ScreenCropper::fileName(now.addSecs(second), 1);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier picture");
            kept << path;
        }
        f.cropper.grabScreen();
        f.drag(QPoint(1, 2), QPoint(10, 12));
        f.cropper.slotSave();
        f.cropper.grabScreen();
        f.drag(QPoint(3, 4), QPoint(10, 12));
        f.cropper.slotSave();

        for (QString const& path : kept) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier picture"));
        }
        QStringList const files = pictureFiles(folder);
        QCOMPARE(files.size(), 5);
        QStringList numbered = files.filter(QRegularExpression(QStringLiteral("_[23]\\.png$")));
        QCOMPARE(numbered.size(), 2);
        QList<QPoint> corners;
        for (QString const& name : numbered)
            corners << ScreenPictures::decode(QImage(folder + QLatin1Char('/') + name).pixel(0, 0));
        QCOMPARE(corners, (QList<QPoint>{QPoint(1, 2), QPoint(3, 4)}));
    }

    void saveBeforeAnyCut()
    {
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        QSignalSpy saved(&f.cropper, &ScreenCropper::saved);
        QSignalSpy failed(&f.cropper, &ScreenCropper::saveFailed);
        f.cropper.slotSave();
        QCOMPARE(saved.count(), 0);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(pictureFiles(f.cropper.saveFolder()), QStringList());
    }

    void saveFailure_data()
    {
        QTest::addColumn<bool>("underAFile");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("folder below a plain file") << true;
    }
    void saveFailure()
    {
        QFETCH(bool, underAFile);
        QString folder = expectedPicturesFolder();
        if (underAFile) {
            QString const blocker = QDir::homePath() + QStringLiteral("/blocker");
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QString const config = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
            QVERIFY(QDir().mkpath(config));
            QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
            QVERIFY(dirs.open(QIODevice::WriteOnly));
            dirs.write("XDG_PICTURES_DIR=\"$HOME/blocker/Pictures\"\n");
            dirs.close();
            folder = blocker + QStringLiteral("/Pictures/TickwrenTrial");
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFileInfo(folder).isWritable()) {
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("the test runs with rights that write into read-only folders");
            }
        }
        Fixture f(ScreenPictures::filled(200, 150, Qt::green));
        QCOMPARE(f.cropper.saveFolder(), folder);
        QSignalSpy saved(&f.cropper, &ScreenCropper::saved);
        QSignalSpy failed(&f.cropper, &ScreenCropper::saveFailed);
        f.cropper.grabScreen();
        f.drag(QPoint(5, 5), QPoint(20, 20));
        f.cropper.slotSave();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(saved.count(), 0);
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().startsWith(folder + QStringLiteral("/ScreenShot_")));
        QCOMPARE(pictureFiles(folder), QStringList());
    }

    void failedGrab()
    {
        Fixture f{QPixmap()};
        QSignalSpy grabFailed(&f.cropper, &ScreenCropper::grabFailed);
        QSignalSpy done(&f.cropper, SIGNAL(done()));
        ModalAnswer answer([](QDialog* d) { d->reject(); });
        f.cropper.grabScreen();
        QVERIFY(answer.seen());
        QCOMPARE(answer.seenClass(), QStringLiteral("ZEDireroz::MessageBox"));
        QCOMPARE(grabFailed.count(), 1);
        QVERIFY(!f.cropper.isVisible());
        QCOMPARE(done.count(), 0);
    }

    // The cropper's cross is its own; the application's cursor stack is left as found.
    void cursors()
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        {
            Fixture f(ScreenPictures::filled(200, 150, Qt::green));
            f.cropper.grabScreen();
            QCOMPARE(f.cropper.cursor().shape(), Qt::CrossCursor);
            f.drag(QPoint(5, 5), QPoint(20, 20));
            f.cropper.grabScreen();
            QVERIFY(QTest::qWaitForWindowActive(&f.cropper));
            QTest::keyClick(&f.cropper, Qt::Key_Escape);
            f.cropper.grabScreen();
            f.cropper.close();
        }
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QGuiApplication::restoreOverrideCursor();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void paintsPictureAndSelection()
    {
        Fixture f(ScreenPictures::filled(400, 300, Qt::white, 2.0));
        f.cropper.grabScreen();
        QImage idle = f.cropper.grab().toImage();
        // The picture fills the window inside the frame; the hint box sits in the middle.
        QCOMPARE(idle.pixelColor(20, 20), QColor(Qt::white));
        QCOMPARE(idle.pixelColor(100, 75).alpha(), 255);
        QVERIFY(idle.pixelColor(100, 75) != QColor(Qt::white));
        QTest::mousePress(&f.cropper, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
        ScreenPictures::dragTo(&f.cropper, QPoint(60, 60));
        QImage const selecting = f.cropper.grab().toImage();
        QVERIFY(selecting.pixelColor(45, 45) != QColor(Qt::white));
        QCOMPARE(selecting.pixelColor(100, 75), QColor(Qt::white));
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestScreenCropper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screencropper.moc"
