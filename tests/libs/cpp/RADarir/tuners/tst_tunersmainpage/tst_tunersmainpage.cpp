// The instrument chooser and the tuners main page: the grid, the selection,
// the sibling button, page switching, repeat mode on every page, the page's
// own size keys and style sheet, and what the page looks like on a screen.
#include "RADarir/tuners/InstrumentTuners.h"
#include "RADarir/tuners/ModesPanel.h"
#include "RADarir/tuners/TunersCommonPanel.h"
#include "RADarir/tuners/TunersExplorer.h"
#include "RADarir/tuners/TunersMainPage.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/StrayWindows.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

using namespace RADarir;

namespace {

ZEDireroz::App* app()
{
    return ZEDireroz::App::theApp();
}

QPushButton* explorerButton(TunersExplorer& explorer, QString const& name)
{
    return explorer.findChild<QPushButton*>(name);
}

char const* const kSignals[] = {"showViolin()",   "showViola()",      "showCello()",   "showDoubleBass()",
                                "showGuitar()",   "showBassGuitar()", "showUkulele()", "showBanjo()",
                                "showMandolin()", "showBalalaika()",  "showDombra()",  "showMore()"};

} // namespace

class TestTunersMainPage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (char const* key : {"TunersWidth", "TunersHeight", "Width", "Height", "Repeat", "Pitch"})
            app()->removeSettingsValue(key);
    }

    void explorerGridOrder()
    {
        TunersExplorer explorer(nullptr);
        auto* grid = explorer.findChild<QGridLayout*>();
        QVERIFY(grid);
        QStringList rows;
        for (int row = 0; row < 8; row += 2) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                cells << grid->itemAtPosition(row, column)->widget()->objectName();
            rows << cells.join(' ');
        }
        QCOMPARE(rows, QStringList(
                           {"GuitarButton ViolinButton MandolinButton", "BassGuitarButton ViolaButton BalalaikaButton",
                            "UkuleleButton CelloButton DombraButton", "BanjoButton DoubleBassButton HarmonautButton"}));
        auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(7, 2)->widget());
        QVERIFY(label);
        QCOMPARE(label->text(), QString("<center>Harmonaut</center>"));
        QCOMPARE(explorerButton(explorer, "GuitarButton")->size(), QSize(92, 92));
    }

    void guitarCheckedAtStart()
    {
        auto* explorer = new TunersExplorer(nullptr);
        QVERIFY(explorerButton(*explorer, "GuitarButton")->isChecked());
        QCOMPARE(explorer->buttonGroup()->checkedButton(), explorerButton(*explorer, "GuitarButton"));
        delete explorer;
    }

    void siblingEmitsOnlyShowMore()
    {
        TunersExplorer explorer(nullptr);
        explorerButton(explorer, "ViolaButton")->click();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (char const* sig : kSignals)
            spies.emplace_back(new QSignalSpy(&explorer, QByteArray("2") + sig));
        explorerButton(explorer, "HarmonautButton")->click();
        for (size_t i = 0; i < spies.size(); ++i)
            QCOMPARE(spies[i]->size(), qstrcmp(kSignals[i], "showMore()") == 0 ? 1 : 0);
        QVERIFY(explorerButton(explorer, "ViolaButton")->isChecked());
        QVERIFY(!explorerButton(explorer, "HarmonautButton")->isChecked());
    }

    void checkedInstrumentEmitsAgain()
    {
        TunersExplorer explorer(nullptr);
        QSignalSpy spy(&explorer, &TunersExplorer::showGuitar);
        explorerButton(explorer, "GuitarButton")->click();
        explorerButton(explorer, "GuitarButton")->click();
        QCOMPARE(spy.size(), 2);
        QVERIFY(explorerButton(explorer, "GuitarButton")->isChecked());
    }

    void buttonGroupGoesWithExplorer()
    {
        auto* explorer = new TunersExplorer(nullptr);
        QPointer<QButtonGroup> group = explorer->buttonGroup();
        QCOMPARE(group->buttons().size(), 11);
        delete explorer;
        QVERIFY(group.isNull());
    }

    void showSlotsSwitchPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        for (char const* name : {"Violin", "Viola", "Cello", "DoubleBass", "Guitar", "BassGuitar", "Ukulele", "Banjo",
                                 "Balalaika", "Mandolin", "Dombra"})
            QTest::newRow(name) << QString(name) + "Button" << QString("RADarir::%1Tuner").arg(name);
    }
    void showSlotsSwitchPages()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        TunersMainPage main(nullptr, false);
        QCOMPARE(main.stack()->currentWidget()->metaObject()->className(), "RADarir::GuitarTuner");
        explorerButton(*main.explorer(), button)->click();
        QCOMPARE(main.stack()->currentWidget()->metaObject()->className(), qPrintable(page));
        main.slotShowGuitar();
        QString const slot = "slotShow" + button.chopped(int(strlen("Button")));
        QVERIFY(QMetaObject::invokeMethod(&main, qPrintable(slot)));
        QCOMPARE(main.stack()->currentWidget()->metaObject()->className(), qPrintable(page));
    }

    void stackOrderGuitarFirst()
    {
        TunersMainPage main(nullptr, false);
        QCOMPARE(main.stack()->count(), 11);
        QCOMPARE(main.stack()->widget(0)->metaObject()->className(), "RADarir::GuitarTuner");
        QCOMPARE(main.stack()->widget(4)->metaObject()->className(), "RADarir::ViolinTuner");
        QCOMPARE(main.stack()->widget(10)->metaObject()->className(), "RADarir::DombraTuner");
    }

    void explorerRepeatReachesAllPages()
    {
        TunersMainPage main(nullptr, false);
        main.show();
        main.explorer()->commonPanel()->repeatCheckBox()->click();
        for (TunerBasePage* page : main.pages()) {
            QVERIFY2(page->buttonsPanel()->isRepeatMode(), page->metaObject()->className());
            QVERIFY(page->buttonsPanel()->timer()->isActive());
        }
        QCOMPARE(app()->settingsValue("Repeat").toBool(), true);
        // Only the visible page sounds on a tick.
        for (TunerBasePage* page : main.pages())
            page->button(1)->click();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (TunerBasePage* page : main.pages())
            spies.emplace_back(new QSignalSpy(page, &TunerBasePage::soundStarted));
        QSignalSpy tick(main.pages().first()->buttonsPanel()->timer(), &QTimer::timeout);
        QVERIFY(tick.wait(2500));
        for (int i = 0; i < main.pages().size(); ++i)
            QCOMPARE(spies[size_t(i)]->size(), main.pages().at(i) == main.stack()->currentWidget() ? 1 : 0);
    }

    // Pitch and repeat mode are one state: whichever panel changes them,
    // every panel shows what is in force and every page follows.
    void panelsShowStateInForce()
    {
        TunersMainPage main(nullptr, false);
        main.show();
        QList<TunersCommonPanel*> panels{main.explorer()->commonPanel()};
        for (TunerBasePage* page : main.pages())
            panels << page->modesPanel();
        TunerBasePage* guitar = main.pages().first();
        guitar->modesPanel()->pitchButton()->menu()->actions().at(5)->trigger();
        for (TunersCommonPanel* panel : panels)
            QCOMPARE(panel->pitchButton()->text(), QString("A4:442Hz"));
        main.explorer()->commonPanel()->repeatCheckBox()->click();
        for (TunersCommonPanel* panel : panels)
            QVERIFY(panel->repeatCheckBox()->isChecked());
        main.pages().at(1)->modesPanel()->repeatCheckBox()->click();
        for (TunersCommonPanel* panel : panels)
            QVERIFY(!panel->repeatCheckBox()->isChecked());
        for (TunerBasePage* page : main.pages())
            QVERIFY2(!page->buttonsPanel()->isRepeatMode(), page->metaObject()->className());
        guitar->modesPanel()->repeatCheckBox()->click();
        for (TunerBasePage* page : main.pages())
            QVERIFY2(page->buttonsPanel()->isRepeatMode(), page->metaObject()->className());
        QCOMPARE(app()->settingsValue("Repeat").toBool(), true);
        // A panel made later starts from the same state.
        TunersCommonPanel later(nullptr);
        QCOMPARE(later.pitchButton()->text(), QString("A4:442Hz"));
        QVERIFY(later.repeatCheckBox()->isChecked());
    }

    // Building the page shows nothing; showing it shows one window.
    void noStrayWindows_data()
    {
        QTest::addColumn<bool>("hideExplorer");
        QTest::newRow("with chooser") << false;
        QTest::newRow("without chooser") << true;
    }
    void noStrayWindows()
    {
        QFETCH(bool, hideExplorer);
        StrayWindows windows;
        TunersMainPage main(nullptr, hideExplorer);
        QCOMPARE(windows.shown, QStringList());
        main.show();
        QCOMPARE(windows.shown, QStringList({"RADarir::TunersMainPage \"MainPage\""}));
        QCOMPARE(main.explorer()->isVisible(), !hideExplorer);
    }

    void defaultSizeAndOwnKeys()
    {
        app()->setSettingsValue("Width", 500);
        app()->setSettingsValue("Height", 400);
        auto* main = new TunersMainPage(nullptr, false);
        QCOMPARE(main->size(), QSize(TunersMainPage::kDefaultWidth, TunersMainPage::kDefaultHeight));
        QCOMPARE(main->size(), QSize(736, 636));
        main->show();
        main->resize(900, 700);
        QTRY_COMPARE(main->size(), QSize(900, 700));
        // The metronome's window keeps its size under the shared keys.
        QCOMPARE(app()->settingsValue("Width").toInt(), 500);
        QCOMPARE(app()->settingsValue("Height").toInt(), 400);
        main->close();
        QCOMPARE(app()->settingsValue("TunersWidth").toInt(), 900);
        QCOMPARE(app()->settingsValue("TunersHeight").toInt(), 700);
        main->resize(800, 650);
        delete main;
        QCOMPARE(app()->settingsValue("TunersWidth").toInt(), 800);
        TunersMainPage again(nullptr, false);
        QCOMPARE(again.size(), QSize(800, 650));
    }

    void styleSheetOnPageOnly()
    {
        QString const before = qApp->styleSheet();
        TunersMainPage main(nullptr, false);
        QCOMPARE(qApp->styleSheet(), before);
        QCOMPARE(main.styleSheet(), TunersMainPage::styleSheetText());
        QVERIFY(main.styleSheet().contains("QPushButton#GuitarButton:checked:hover"));
        QVERIFY(main.styleSheet().contains("QPushButton#TuneButton"));
    }

    void hiddenExplorer()
    {
        TunersMainPage main(nullptr, true);
        main.show();
        QVERIFY(!main.explorer()->isVisible());
        QCOMPARE(main.stack()->currentWidget()->metaObject()->className(), "RADarir::GuitarTuner");
        main.hideAppOptionsOnEachPage();
        for (TunerBasePage* page : main.pages())
            QVERIFY(page->modesPanel()->pitchButton()->isHidden());
    }

    void siblingOpensStorePage()
    {
        UrlCatcher catcher;
        TunersMainPage main(nullptr, false);
        main.slotShowCello();
        QWidget* current = main.stack()->currentWidget();
        explorerButton(*main.explorer(), "HarmonautButton")->click();
        QUrl const url = catcher.takeOne();
        QCOMPARE(url.path(), QString("/app/harmonaut/id920000010"));
        QCOMPARE(url.query(), QString("ls=1&mt=12"));
        QCOMPARE(main.stack()->currentWidget(), current);
    }

    // On a real (virtual) screen the style sheet's pictures are painted: the
    // chooser's guitar button shows its picture and the page its guitar.
    void screenshot()
    {
        TunersMainPage main(nullptr, false);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QImage const shot = screen->grabWindow(main.winId()).toImage();
        QVERIFY(!shot.isNull());
        shot.save(QDir::current().filePath("tunerspage.png"));
        QPushButton* guitar = explorerButton(*main.explorer(), "GuitarButton");
        QPoint const centre = guitar->mapTo(&main, guitar->rect().center());
        // The guitar's top is light wood; the style's tiles are dark.
        QColor const wood = shot.pixelColor(centre + QPoint(0, 22));
        QVERIFY2(wood.red() > 120 && wood.red() > wood.blue(), qPrintable(wood.name()));
        QWidget* page = main.stack()->currentWidget();
        QRect const area(page->mapTo(&main, QPoint(0, 0)), page->size());
        int warm = 0;
        for (int y = area.top() + area.height() / 2; y < area.bottom() - 60; y += 4) {
            QColor const c = shot.pixelColor(area.center().x() - area.width() / 8, y);
            warm += c.red() > 150 && c.green() > 100 && c.blue() < c.red();
        }
        QVERIFY2(warm > 5, "the guitar's body is not on the page");
    }
};

TW_APP_TEST_MAIN(TestTunersMainPage)
#include "tst_tunersmainpage.moc"
