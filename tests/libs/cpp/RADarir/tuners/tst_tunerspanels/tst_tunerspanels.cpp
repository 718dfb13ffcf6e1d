// The pitch, repeat and app panel and the modes and link panel: the stored
// pitch and repeat mode, the menus, and the links the More menu opens.
#include "RADarir/tuners/ModesPanel.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/PromotionTesting.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace RADarir;

namespace {

ZEDireroz::App* app()
{
    return ZEDireroz::App::theApp();
}

QStringList entryTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return texts;
}

QAction* entry(QMenu* menu, QString const& text)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace

class TestTunersPanels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app()->removeSettingsValue("Pitch");
        app()->removeSettingsValue("Repeat");
    }

    void firstStartWrites440()
    {
        TunersCommonPanel panel(nullptr);
        QCOMPARE(panel.pitchButton()->text(), QString("A4:440Hz"));
        QCOMPARE(app()->settingsValue("Pitch").toInt(), 440);
        QVERIFY(!panel.repeatCheckBox()->isChecked());
    }

    // Only the menu's pitches have samples; anything else falls back to 440
    // and is written back as such.
    void storedPitch_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("menu pitch") << QVariant("442") << 442;
        QTest::newRow("lowest") << QVariant(415) << 415;
        QTest::newRow("highest") << QVariant(460) << 460;
        QTest::newRow("not a number") << QVariant("abc") << 440;
        QTest::newRow("empty") << QVariant("") << 440;
        QTest::newRow("not in the menu") << QVariant(441) << 440;
        QTest::newRow("zero") << QVariant(0) << 440;
        QTest::newRow("negative") << QVariant(-442) << 440;
    }
    void storedPitch()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, shown);
        app()->setSettingsValue("Pitch", stored);
        TunersCommonPanel panel(nullptr);
        QCOMPARE(panel.pitchButton()->text(), QString("A4:%1Hz").arg(shown));
        QCOMPARE(app()->settingsValue("Pitch").toInt(), shown);
        QCOMPARE(TunersCommonPanel::storedPitch(), shown);
    }

    void pitchMenuSetsPitch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("pitch");
        QTest::newRow("baroque") << 0 << 415;
        QTest::newRow("concert") << 4 << 440;
        QTest::newRow("boston") << 5 << 442;
        QTest::newRow("renaissance") << 9 << 460;
    }
    void pitchMenuSetsPitch()
    {
        QFETCH(int, index);
        QFETCH(int, pitch);
        TunersCommonPanel panel(nullptr);
        QMenu* menu = panel.pitchButton()->menu();
        QCOMPARE(menu->actions().size(), 10);
        QVERIFY(menu->actions().at(index)->text().startsWith(QString("A4:%1Hz (").arg(pitch)));
        menu->actions().at(index)->trigger();
        QCOMPARE(panel.pitchButton()->text(), QString("A4:%1Hz").arg(pitch));
        QCOMPARE(app()->settingsValue("Pitch").toInt(), pitch);
    }

    void setPitchOutsideMenuFallsBack()
    {
        TunersCommonPanel panel(nullptr);
        panel.setPitch(442);
        panel.setPitch(999);
        QCOMPARE(panel.pitchButton()->text(), QString("A4:440Hz"));
        QCOMPARE(app()->settingsValue("Pitch").toInt(), 440);
    }

    void repeatCheckBoxAnnouncesAndStores()
    {
        TunersCommonPanel panel(nullptr);
        QSignalSpy spy(&panel, &TunersCommonPanel::repeatModeChangedTo);
        QTest::mouseClick(panel.repeatCheckBox(), Qt::LeftButton, {}, QPoint(4, panel.repeatCheckBox()->height() / 2));
        QCOMPARE(app()->settingsValue("Repeat").toBool(), true);
        QTest::mouseClick(panel.repeatCheckBox(), Qt::LeftButton, {}, QPoint(4, panel.repeatCheckBox()->height() / 2));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
        QCOMPARE(app()->settingsValue("Repeat").toBool(), false);
    }

    void storedRepeatShownWithoutSignal()
    {
        app()->setSettingsValue("Repeat", true);
        TunersCommonPanel panel(nullptr);
        QVERIFY(panel.repeatCheckBox()->isChecked());
    }

    void appMenu_data()
    {
        QTest::addColumn<bool>("independent");
        QTest::addColumn<QStringList>("texts");
        QStringList const common{"Share", "More Apps", "Contacts Us", "Support Page", "About", "--", "Quit"};
        QTest::newRow("store build") << false << QStringList(QStringList{"Rate this App"} + common);
        QTest::newRow("independent build") << true << common;
    }
    void appMenu()
    {
        QFETCH(bool, independent);
        QFETCH(QStringList, texts);
        PromotionTesting::setIndependent(independent);
        TunersCommonPanel panel(nullptr);
        QCOMPARE(entryTexts(panel.appButton()->menu()), texts);
        PromotionTesting::setIndependent(false);
    }

    void quitEndsEventLoop()
    {
        TunersCommonPanel panel(nullptr);
        QSignalSpy spy(app(), &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, [&panel] { entry(panel.appButton()->menu(), "Quit")->trigger(); });
        QCOMPARE(app()->exec(), 0);
        QCOMPARE(spy.size(), 1);
    }

    void modesPanelRow()
    {
        ModesPanel panel(nullptr);
        panel.show();
        QVERIFY(!panel.modesButton()->isVisible());
        QVERIFY(panel.moreButton()->isVisible());
        QCOMPARE(panel.moreButton()->menu(), panel.moreMenu());
        panel.hideAppOptions();
        QVERIFY(!panel.pitchButton()->isVisible());
        QVERIFY(!panel.repeatCheckBox()->isVisible());
        QVERIFY(!panel.appButton()->isVisible());
        QVERIFY(panel.moreButton()->isVisible());
    }

    void appLinkUsesStoreLink()
    {
        UrlCatcher catcher;
        ModesPanel panel(nullptr);
        panel.addMenuAppLink(QPixmap(), "Harmonaut", "Harmonaut", "id123456789");
        QAction* action = panel.moreMenu()->actions().last();
        QCOMPARE(action->text(), QString("Harmonaut"));
        action->trigger();
        QUrl const url = catcher.takeOne();
        QCOMPARE(url.scheme(), QString("https"));
        QCOMPARE(url.path(), QString("/app/harmonaut/id123456789"));
        QCOMPARE(url.query(), QString("ls=1&mt=12"));
    }

    // The six links are read when the entry is triggered, not when it was added.
    void baseActionsOpenTheirLinks()
    {
        UrlCatcher catcher;
        ModesPanel panel(nullptr);
        panel.addBaseActions();
        QCOMPARE(entryTexts(panel.moreMenu()),
                 QStringList({"Must Have", "Nice to Have", "Read", "Hear", "See", "--", "Wikipedia"}));
        panel.setMustHave("http://shop.example/must");
        panel.setNiceToHave("http://shop.example/nice");
        panel.setRead("http://shop.example/read");
        panel.setHear("http://shop.example/hear");
        panel.setSee("http://shop.example/see");
        panel.setWikipedia("http://wiki.example/wiki/Violin");
        QStringList opened;
        QStringList pictures{":/musthave.png", ":/nicetohave.png", ":/read.png",
                             ":/ohr.png",      ":/eye.png",        ":/wikipedia.png"};
        for (QAction* a : panel.moreMenu()->actions()) {
            if (a->isSeparator())
                continue;
            QString const picture = pictures.takeFirst();
            QVERIFY2(QFile::exists(picture), qPrintable(picture));
            QCOMPARE(a->icon().pixmap(16).toImage(), QIcon(picture).pixmap(16).toImage());
            a->trigger();
            opened << catcher.takeOne().toString();
        }
        QCOMPARE(opened, QStringList({"http://shop.example/must", "http://shop.example/nice",
                                      "http://shop.example/read", "http://shop.example/hear", "http://shop.example/see",
                                      "http://wiki.example/wiki/Violin"}));
    }

    void unsetLinkOpensNothing()
    {
        UrlCatcher catcher;
        ModesPanel panel(nullptr);
        panel.addBaseActions();
        panel.moreMenu()->actions().first()->trigger();
        QVERIFY(catcher.urls.isEmpty());
    }

    void twoLinksSameUrlAndOwnAction()
    {
        UrlCatcher catcher;
        ModesPanel panel(nullptr);
        panel.addMenuLink(QPixmap(), "One", "http://a.example/x");
        panel.addMenuLink(QPixmap(), "Two", "http://a.example/x");
        QAction own("Own", nullptr);
        int ownTriggered = 0;
        connect(&own, &QAction::triggered, this, [&ownTriggered] { ++ownTriggered; });
        panel.addMenuAction(&own);
        panel.moreMenu()->actions().at(0)->trigger();
        panel.moreMenu()->actions().at(1)->trigger();
        own.trigger();
        QCOMPARE(catcher.urls, QList<QUrl>({QUrl("http://a.example/x"), QUrl("http://a.example/x")}));
        QCOMPARE(ownTriggered, 1);
        panel.moreMenu()->removeAction(&own);
    }
};

TW_APP_TEST_MAIN(TestTunersPanels)
#include "tst_tunerspanels.moc"
