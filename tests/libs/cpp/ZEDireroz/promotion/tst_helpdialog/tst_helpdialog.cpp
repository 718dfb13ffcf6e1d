// The introduction slide show: numbered buttons, the four-second advance, the
// "Never show on start" setting, and the one dialog the application keeps.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/HelpDisplay.h"
#include "ZEDireroz/promotion/HelpViewArea.h"
#include "ZEDireroz/promotion/PromotionActions.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::HelpDialog;
using ZEDireroz::HelpDisplay;
using ZEDireroz::HelpViewArea;

namespace {

QString slidePath(int index, QString const& language = QStringLiteral("en"))
{
    return App::theApp()->bundleResourcePath() + QStringLiteral("TWSlide%1_%2.jpg").arg(index).arg(language);
}

int checkedIndex(HelpViewArea const& area)
{
    QList<QPushButton*> const buttons = area.slideButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            return i;
    }
    return -1;
}

void fill(HelpViewArea& area, int count)
{
    for (int i = 0; i < count; ++i)
        area.addSlide(slidePath(i));
}

QList<HelpDialog*> helpDialogs()
{
    QList<HelpDialog*> result;
    for (QWidget* w : QApplication::allWidgets()) {
        if (HelpDialog* dialog = qobject_cast<HelpDialog*>(w))
            result << dialog;
    }
    return result;
}

// Starts a case without the dialog a former case left behind.
void dropHelpDialogs()
{
    for (HelpDialog* dialog : helpDialogs())
        delete dialog;
}

// Closes the next introduction dialog that opens modally, and counts it.
struct AutoClose
{
    int shown = 0;
    void arm()
    {
        QTimer::singleShot(0, [this]() {
            if (HelpDialog* dialog = qobject_cast<HelpDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->closeButton()->click();
            }
        });
    }
};

} // namespace

class TestHelpDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { App::theApp()->setSettingsValue(QStringLiteral("NeverShowItAgain"), false); }

    // Every slide show numbers its own buttons from 1, however many came before.
    void buttonsAreNumberedPerShow()
    {
        HelpViewArea first(nullptr);
        HelpViewArea second(nullptr);
        fill(first, 5);
        fill(second, 5);
        for (HelpViewArea* area : {&first, &second}) {
            QStringList texts;
            for (QPushButton* button : area->slideButtons()) {
                texts << button->text();
                QCOMPARE(button->objectName(), QStringLiteral("HelpSlideButton"));
                QCOMPARE(button->size(), QSize(18, 18));
                QVERIFY(button->isCheckable());
            }
            QCOMPARE(texts, QStringList({"1", "2", "3", "4", "5"}));
        }
    }

    void advancing_data()
    {
        QTest::addColumn<int>("slides");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("expected");
        QTest::newRow("no slides") << 0 << 3 << -1;
        QTest::newRow("one slide stays") << 1 << 4 << 0;
        QTest::newRow("five slides, start") << 5 << 0 << 0;
        QTest::newRow("five slides, fourth") << 5 << 3 << 3;
        QTest::newRow("five slides, last") << 5 << 4 << 4;
        QTest::newRow("five slides wrap to the first") << 5 << 5 << 0;
        QTest::newRow("five slides, twice round") << 5 << 12 << 2;
    }
    void advancing()
    {
        QFETCH(int, slides);
        QFETCH(int, ticks);
        QFETCH(int, expected);
        HelpViewArea area(nullptr);
        fill(area, slides);
        area.slotStartSlideShow();
        QVERIFY(area.timer()->isActive());
        QCOMPARE(area.timer()->interval(), 4000);
        QVERIFY(!area.timer()->isSingleShot());
        for (int i = 0; i < ticks; ++i)
            area.slotShowNextSlide();
        QCOMPARE(checkedIndex(area), expected);
        QCOMPARE(area.display()->slide(), expected < 0 ? QString() : slidePath(expected));
    }

    // The show really moves on by itself, four seconds after it starts.
    void advancesAfterFourSeconds()
    {
        HelpDialog dialog(nullptr);
        dialog.addSlide(slidePath(0));
        dialog.addSlide(slidePath(1));
        QElapsedTimer clock;
        clock.start();
        dialog.show();
        QCOMPARE(checkedIndex(*dialog.viewArea()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(checkedIndex(*dialog.viewArea()), 1, 6000);
        // Qt's ordinary timers may fire up to 5 % early.
        QVERIFY2(clock.elapsed() >= 3800, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(dialog.viewArea()->display()->slide(), slidePath(1));
        dialog.hide();
        QVERIFY(!dialog.viewArea()->timer()->isActive());
    }

    // A click shows its slide and stops the show; the next showing resumes there.
    void clickStopsAndShowResumes()
    {
        HelpDialog dialog(nullptr);
        for (int i = 0; i < 5; ++i)
            dialog.addSlide(slidePath(i));
        dialog.show();
        QPushButton* third = dialog.viewArea()->slideButtons().at(2);
        QTest::mouseClick(third, Qt::LeftButton);
        QVERIFY(third->isChecked());
        QCOMPARE(dialog.viewArea()->display()->slide(), slidePath(2));
        QVERIFY(!dialog.viewArea()->timer()->isActive());
        dialog.hide();
        dialog.show();
        QCOMPARE(checkedIndex(*dialog.viewArea()), 2);
        QVERIFY(dialog.viewArea()->timer()->isActive());
        dialog.hide();
    }

    void neverShowOnStart()
    {
        HelpDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("TickwrenTrial Introduction"));
        QCOMPARE(dialog.objectName(), QStringLiteral("Dialog"));
        QVERIFY(HelpDialog::isShowOnStartAvailable());
        dialog.show();
        QVERIFY(dialog.neverButton()->isVisible());
        dialog.neverButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(App::theApp()->settingsValue(QStringLiteral("NeverShowItAgain"), false).toBool(), true);
        QVERIFY(!HelpDialog::isShowOnStartAvailable());
        dialog.show();
        QVERIFY(!dialog.neverButton()->isVisible());
        dialog.closeButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void showOnStart_data()
    {
        QTest::addColumn<bool>("never");
        QTest::newRow("slides on start") << false;
        QTest::newRow("turned off") << true;
    }
    void showOnStart()
    {
        QFETCH(bool, never);
        App::theApp()->setSettingsValue(QStringLiteral("NeverShowItAgain"), never);
        App::theApp()->setIntroductionSlides({slidePath(0)});
        int shown = 0;
        qint64 shownAt = -1;
        QElapsedTimer clock;
        // Whatever opens modally is counted, timed and closed at once.
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&]() {
            if (HelpDialog* dialog = qobject_cast<HelpDialog*>(QApplication::activeModalWidget())) {
                if (++shown == 1)
                    shownAt = clock.elapsed();
                dialog->closeButton()->click();
            }
        });
        watcher.start(20);
        clock.start();
        App::theApp()->showHelpOnStart();
        if (never) {
            QTest::qWait(1200);
            QCOMPARE(shown, 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 5000);
            // Half a second after the call, not at once.
            QVERIFY2(shownAt >= 500, qPrintable(QString::number(shownAt)));
            QTest::qWait(600);
            QCOMPARE(shown, 1);
        }
    }

    // The application keeps one dialog: a second show reuses it and adds no slides.
    void helpTwiceGivesOneDialog()
    {
        dropHelpDialogs();
        App::theApp()->setIntroductionSlides({slidePath(0), slidePath(1), slidePath(2), slidePath(3), slidePath(4)});
        AutoClose closer;
        closer.arm();
        App::theApp()->slotHelp();
        closer.arm();
        App::theApp()->slotHelp();
        QCOMPARE(closer.shown, 2);
        QList<HelpDialog*> const dialogs = helpDialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.first()->viewArea()->slideButtons().size(), 5);
    }

    // The kept dialog goes with the window it was opened over; the next show
    // must build a new one instead of using the dead one.
    void dialogOutlivesNoParent()
    {
        App::theApp()->setIntroductionSlides({slidePath(0), slidePath(1)});
        dropHelpDialogs();
        QWidget* window = new QWidget;
        window->show();
        QApplication::setActiveWindow(window);
        QTRY_COMPARE(QApplication::activeWindow(), window);
        AutoClose closer;
        closer.arm();
        App::theApp()->slotHelp();
        QCOMPARE(closer.shown, 1);
        QCOMPARE(helpDialogs().size(), 1);
        QCOMPARE(helpDialogs().first()->parentWidget(), window);
        delete window;
        QCOMPARE(helpDialogs().size(), 0);
        closer.arm();
        App::theApp()->slotHelp();
        QCOMPARE(closer.shown, 2);
        QCOMPARE(helpDialogs().size(), 1);
        QCOMPARE(helpDialogs().first()->viewArea()->slideButtons().size(), 2);
    }

    void targetRect_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("slide at twice the size") << QSize(400, 300) << QSize(800, 600) << QRect(0, 0, 400, 300);
        QTest::newRow("large slide") << QSize(400, 300) << QSize(1200, 900) << QRect(0, 0, 400, 300);
        QTest::newRow("wide picture: bands above and below")
            << QSize(400, 300) << QSize(1600, 600) << QRect(0, 75, 400, 150);
        QTest::newRow("tall picture: bands left and right")
            << QSize(400, 300) << QSize(300, 900) << QRect(150, 0, 100, 300);
        QTest::newRow("odd sizes halve downwards") << QSize(401, 301) << QSize(1000, 1000) << QRect(50, 0, 301, 301);
    }
    void targetRect()
    {
        QFETCH(QSize, widget);
        QFETCH(QSize, picture);
        QFETCH(QRect, expected);
        QCOMPARE(HelpDisplay::targetRect(widget, picture), expected);
    }

    void painting_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("picture");
        QTest::newRow("slide") << slidePath(1, QStringLiteral("de")) << true;
        QTest::newRow("missing file paints black") << QStringLiteral("/nonexistent/slide.jpg") << false;
    }
    void painting()
    {
        QFETCH(QString, file);
        QFETCH(bool, picture);
        HelpDisplay display(nullptr);
        display.resize(400, 300);
        display.setSlide(file);
        QImage const shot = display.grab().toImage();
        QImage const expected = QImage(file).scaled(400, 300, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        int black = 0;
        int close = 0;
        for (int y = 10; y < 290; y += 10) {
            for (int x = 10; x < 390; x += 10) {
                QRgb const pixel = shot.pixel(x, y);
                if (qGray(pixel) < 8)
                    ++black;
                if (picture && qAbs(qGray(pixel) - qGray(expected.pixel(x, y))) < 24)
                    ++close;
            }
        }
        int const samples = 28 * 38;
        if (picture)
            QVERIFY2(close > samples * 9 / 10, qPrintable(QString::number(close)));
        else
            QCOMPARE(black, samples);
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    ZEDireroz::installPromotionActions();
    TestHelpDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpdialog.moc"
