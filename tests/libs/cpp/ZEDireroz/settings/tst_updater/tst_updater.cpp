// The update check against canned pages of a server on 127.0.0.1: which answer
// the user sees, with which picture, and which web page "Yes" opens.
#include "TestSupport/CannedHttpServer.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/settings/UpdateIndicationDialog.h"
#include "ZEDireroz/settings/Updater.h"
#include "ZEDireroz/settings/UpdaterDialog.h"
#include "ZEDireroz/settings/WaitLabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::Updater;
using ZEDireroz::UpdaterDialog;

Q_DECLARE_METATYPE(CannedHttpServer::Ending)

namespace {
constexpr int kTestTimeoutMs = 400;

QString const kNewer = QStringLiteral("The newer version of TickwrenTrial is available.\nGo to the updates web page?");
QString const kLatest =
    QStringLiteral("<CENTER>You are using the latest version available.<BR>Go to the updates web page?</CENTER>");
QString const kUnreadable =
    QStringLiteral("The update information could not be read.\nTry to go to the update web page?");
QString const kNoConnection = QStringLiteral("No internet connection is available.\nTry to go to the update web page?");
QString const kNotFound =
    QStringLiteral("The update server answered with an error (404).\nTry to go to the update web page?");
QString const kTimedOut =
    QStringLiteral("The update server did not answer in time.\nTry to go to the update web page?");

QByteArray dateText(int daysAfterBuild)
{
    return App::theApp()->buildDate().addDays(daysAfterBuild).toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
}

QByteArray page(QByteArray const& body)
{
    return CannedHttpServer::answer(200, body);
}

// Waits for the answer dialog, notes what it shows and presses one of its buttons.
struct AnswerDriver
{
    int shown = 0;
    QString message;
    QImage picture;
    bool waitLabelVisible = false;
    QPointer<QWidget> waitLabel;
    QString button = QStringLiteral("No");
    QTimer timer;

    AnswerDriver()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<UpdaterDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++shown;
            QLayout* layout = dialog->layout();
            picture = qobject_cast<QLabel*>(layout->itemAt(0)->widget())->pixmap(Qt::ReturnByValue).toImage();
            message = qobject_cast<QLabel*>(layout->itemAt(1)->widget())->text();
            waitLabelVisible = waitLabel && waitLabel->isVisible();
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->text() == button)
                    b->click();
        });
        timer.start();
    }
};
} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void cannedPages_data();
    void cannedPages();
    void anotherProductCode();
    void slotUpdateShowsWaitWindowUntilAnswer();

    void dialogButtons_data();
    void dialogButtons();
    void checkBoxFollowsSetting();
    void indicationClosesItself();
    void busyAnimation();
};

void TestUpdater::init()
{
    App::theApp()->setSettingsValue(QStringLiteral("checkupdates"), true);
}

void TestUpdater::cannedPages_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<CannedHttpServer::Ending>("ending");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("message"); // empty: no answer shown
    QTest::addColumn<bool>("newerPicture");
    QTest::addColumn<bool>("result");

    auto const close = CannedHttpServer::CloseAfterReply;
    QByteArray const newer = "LF:1.1." + dateText(1);
    QTest::newRow("newer") << page(newer + "\n") << close << false << kNewer << true << true;
    QTest::newRow("newer, silent") << page(newer + "\n") << close << true << kNewer << true << true;
    QTest::newRow("same date") << page("LF:1.1." + dateText(0) + "\n") << close << false << kLatest << false << true;
    QTest::newRow("same date, silent") << page("LF:1.1." + dateText(0) + "\n") << close << true << QString() << false
                                       << true;
    QTest::newRow("older") << page("LF:1.1." + dateText(-400) + "\n") << close << false << kLatest << false << true;
    QTest::newRow("line among others") << page("Release notes\nXY:1.1.01.01.2001\n" + newer + "\nLF:1.1.01.01.2001\n")
                                       << close << false << kNewer << true << true;
    QTest::newRow("first occurrence counts")
        << page("LF:1.1." + dateText(-1) + "\n" + newer + "\n") << close << false << kLatest << false << true;
    QTest::newRow("CRLF") << page("Header\r\n" + newer + "\r\nFooter\r\n") << close << false << kNewer << true << true;
    QTest::newRow("no final line feed") << page("Header\n" + newer) << close << false << kNewer << true << true;
    QTest::newRow("unparseable date") << page("LF:1.1.31.02.2014\n") << close << false << kUnreadable << false << false;
    QTest::newRow("unparseable date, silent")
        << page("LF:1.1.tomorrow\n") << close << true << QString() << false << false;
    QTest::newRow("another product code")
        << page("XY:1.1." + dateText(1) + "\n") << close << false << kUnreadable << false << false;
    QTest::newRow("lower-case code") << page("lf:1.1." + dateText(1) + "\n") << close << false << kUnreadable << false
                                     << false;
    QTest::newRow("empty body") << page("") << close << false << kUnreadable << false << false;
    QTest::newRow("404") << CannedHttpServer::answer(404, newer + "\n") << close << false << kNotFound << false
                         << false;
    QTest::newRow("redirect with HTML body") << CannedHttpServer::answer(
        302, "<html><body>Sign in to the network</body></html>", "Location: http://127.0.0.1:1/portal\r\n")
                                             << close << false << kUnreadable << false << false;
    QTest::newRow("dropped mid-body") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n" + newer + "\n")
                                      << close << false << kNoConnection << false << false;
    QTest::newRow("no reply until the time-out")
        << QByteArray() << CannedHttpServer::Silent << false << kTimedOut << false << false;
    QTest::newRow("time-out, silent") << QByteArray() << CannedHttpServer::Silent << true << QString() << false
                                      << false;
}

void TestUpdater::cannedPages()
{
    QFETCH(QByteArray, reply);
    QFETCH(CannedHttpServer::Ending, ending);
    QFETCH(bool, silent);
    QFETCH(QString, message);
    QFETCH(bool, newerPicture);
    QFETCH(bool, result);

    CannedHttpServer server;
    QVERIFY(server.isListening());
    server.setReply(reply, ending);
    UrlCatcher links;

    // No parent anywhere: the updater, and every other row without a wait label.
    Updater updater(silent, nullptr);
    updater.setUpdatesCheckLink(server.url(QStringLiteral("/updates.htm")));
    updater.setTimeout(kTestTimeoutMs);
    QLabel waitLabel(QStringLiteral("waiting"));
    waitLabel.show();

    AnswerDriver driver;
    driver.waitLabel = &waitLabel;
    driver.button = QStringLiteral("Yes");
    QCOMPARE(updater.doUpdate(&waitLabel), result);

    QCOMPARE(server.requests(), QList<QByteArray>{"GET /updates.htm HTTP/1.1"});
    if (message.isEmpty()) {
        QCOMPARE(driver.shown, 0);
        QVERIFY(links.urls.isEmpty());
        return;
    }
    QCOMPARE(driver.shown, 1);
    QCOMPARE(driver.message, message);
    QVERIFY(!driver.waitLabelVisible);
    QString const picture =
        newerPicture ? QStringLiteral(":/pix/update_available.png") : QStringLiteral(":/pix/update_not_available.png");
    QVERIFY(!driver.picture.isNull());
    QCOMPARE(driver.picture, QImage(picture).convertToFormat(driver.picture.format()));
    QCOMPARE(links.urls, QList<QUrl>{QUrl(QStringLiteral("https://tickwren.example.org/updates/"))});
}

void TestUpdater::anotherProductCode()
{
    CannedHttpServer server;
    server.setReply(page("LF:1.1." + dateText(1) + "\nXY:1.1." + dateText(0) + "\n"));
    Updater updater(false, nullptr);
    QCOMPARE(updater.magicString(), QStringLiteral("LF"));
    QVERIFY(updater.updatesCheckLink().startsWith(Updater::serverAddress()));
    updater.setMagicString(QStringLiteral("XY"));
    updater.setUpdatesCheckLink(server.url());
    AnswerDriver driver;
    QVERIFY(updater.doUpdate(nullptr));
    QCOMPARE(driver.message, kLatest);
}

void TestUpdater::slotUpdateShowsWaitWindowUntilAnswer()
{
    CannedHttpServer server;
    server.setSilent();
    Updater updater(false, nullptr);
    updater.setUpdatesCheckLink(server.url());
    updater.setTimeout(kTestTimeoutMs);

    QString waitText;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, this, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<ZEDireroz::WaitLabel*>(w) && w->isVisible())
                waitText = qobject_cast<QLabel*>(w)->text();
    });
    watch.start();
    AnswerDriver driver;
    updater.slotUpdate();

    QCOMPARE(waitText, QStringLiteral("<H1><CENTER>Searching for the updates<BR>Please, wait ...</CENTER></H1>"));
    QCOMPARE(driver.message, kTimedOut);
    QVERIFY(!driver.waitLabelVisible);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<ZEDireroz::WaitLabel*>(w));
}

void TestUpdater::dialogButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("Yes") << "Yes" << QList<QUrl>{QUrl(QStringLiteral("https://tickwren.example.org/updates/"))};
    QTest::newRow("No") << "No" << QList<QUrl>{};
}

void TestUpdater::dialogButtons()
{
    QFETCH(QString, button);
    QFETCH(QList<QUrl>, opened);
    UrlCatcher links;
    UpdaterDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("TickwrenTrial Updates Notification"));
    AnswerDriver driver;
    driver.button = button;
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(links.urls, opened);
}

void TestUpdater::checkBoxFollowsSetting()
{
    App* app = App::theApp();
    app->setSettingsValue(QStringLiteral("checkupdates"), false);
    {
        UpdaterDialog dialog;
        auto* box = dialog.findChild<QCheckBox*>();
        QVERIFY(box);
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        QCOMPARE(app->settingsValue(QStringLiteral("checkupdates"), false).toBool(), true);
        // Unticking is stored at once, before the dialog closes.
        box->setChecked(false);
        QCOMPARE(app->settingsValue(QStringLiteral("checkupdates"), true).toBool(), false);
    }
    app->settings()->remove(QStringLiteral("TickwrenTrial/checkupdates"));
    UpdaterDialog dialog;
    QVERIFY(dialog.findChild<QCheckBox*>()->isChecked());
    QCOMPARE(app->settingsValue(QStringLiteral("checkupdates"), false).toBool(), true);
}

void TestUpdater::indicationClosesItself()
{
    ZEDireroz::UpdateIndicationDialog dialog;
    dialog.setText(QStringLiteral("Checking"));
    QCOMPARE(dialog.findChildren<QLabel*>().size(), 2);
    auto* timer = dialog.findChild<QTimer*>();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 10000);
    dialog.show();
    QVERIFY(timer->isActive());
    // Ten seconds are not waited for: the timer's slot is what the timer would call.
    timer->setInterval(20);
    timer->start();
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!timer->isActive());
}

void TestUpdater::busyAnimation()
{
    QMovie movie(QStringLiteral(":/pix/loading.gif"));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 12);
    QVERIFY(movie.jumpToFrame(0));
    QImage const first = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(first.size(), QSize(32, 32));
    QCOMPARE(qAlpha(first.pixel(16, 16)), 0);  // the middle of the ring is clear
    QCOMPARE(qAlpha(first.pixel(16, 4)), 255); // the bright dot starts at the top
    for (int i = 0; i < 3; ++i)
        QVERIFY(movie.jumpToNextFrame());
    QImage const fourth = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(qBlue(fourth.pixel(16, 4)) > qBlue(first.pixel(16, 4))); // and moves on, leaving a paler dot

    ZEDireroz::WaitLabel label(QStringLiteral("text"));
    auto* animation = label.findChild<QLabel*>();
    QVERIFY(animation && animation->movie());
    QCOMPARE(animation->movie()->state(), QMovie::Running);
    QCOMPARE(animation->size(), QSize(37, 37));
}

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestUpdater test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updater.moc"
