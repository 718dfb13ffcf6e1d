// The introduction slide show opened over the metronome page on a real X
// display, as a user sees it 500 ms after start; the screenshot is kept in the
// test's build folder ("intro_over_page.png").
#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/HelpDisplay.h"
#include "ZEDireroz/promotion/HelpViewArea.h"
#include "app/MainPageStartup.h"
#include "app/Startup.h"
#include "app/TickwrenStyle.h"

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::HelpDialog;

class TestIntroScreenshot : public QObject
{
    Q_OBJECT
private slots:
    void slideShowOverThePage()
    {
        App* app = App::theApp();
        app->setStyleSheet(TickwrenStyle().m_sStyleSheet);
        QStringList slides;
        for (int i = 0; i < 5; ++i)
            slides << app->bundleResourcePath() + QStringLiteral("TWSlide%1_en.jpg").arg(i);
        app->setIntroductionSlides(slides);

        RADarir::MetronomeMainPage page;
        MainPageStartup::sizeAndTitle(&page);
        MainPageStartup::showAndRegister(&page);
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));

        // The slide show runs modally in its own loop: look at the screen from
        // inside that loop, then close it.
        struct Seen
        {
            bool shown = false;
            QWidget* parent = nullptr;
            QRect dialogRect;
            QImage shot;
            QString slide;
            QRect target;
        } seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&seen, &poll]() {
            HelpDialog* dialog = qobject_cast<HelpDialog*>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitForWindowExposed(dialog))
                return;
            poll.stop();
            QTest::qWait(500);
            ZEDireroz::HelpDisplay* display = dialog->viewArea()->display();
            seen.shown = true;
            seen.parent = dialog->parentWidget();
            seen.dialogRect = dialog->frameGeometry();
            seen.shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            seen.slide = display->slide();
            QRect const local = ZEDireroz::HelpDisplay::targetRect(display->size(), QImage(seen.slide).size());
            seen.target = QRect(display->mapToGlobal(local.topLeft()), local.size());
            dialog->closeButton()->click();
        });
        poll.start(50);
        app->showHelpOnStart();
        QTRY_VERIFY_WITH_TIMEOUT(seen.shown, 10000);

        QString const path = QDir::current().absoluteFilePath(QStringLiteral("intro_over_page.png"));
        QVERIFY(seen.shot.save(path));
        qInfo("screenshot: %s", qPrintable(path));

        // The dialog belongs to the page and stands over it.
        QCOMPARE(seen.parent, static_cast<QWidget*>(&page));
        QVERIFY2(page.frameGeometry().intersects(seen.dialogRect), "the slide show is not over the page");

        // What the screen shows in the middle of the display is the first slide.
        QCOMPARE(seen.slide, slides.first());
        QImage const slide =
            QImage(slides.first()).scaled(seen.target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int close = 0;
        int samples = 0;
        for (int y = 8; y < seen.target.height() - 8; y += 16) {
            for (int x = 8; x < seen.target.width() - 8; x += 16) {
                ++samples;
                QRgb const onScreen = seen.shot.pixel(seen.target.topLeft() + QPoint(x, y));
                if (qAbs(qGray(onScreen) - qGray(slide.pixel(x, y))) < 40)
                    ++close;
            }
        }
        QVERIFY(samples > 100);
        QVERIFY2(close > samples * 8 / 10, qPrintable(QStringLiteral("%1 of %2").arg(close).arg(samples)));
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    Startup::installActions();
    TestIntroScreenshot test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_introscreenshot.moc"
