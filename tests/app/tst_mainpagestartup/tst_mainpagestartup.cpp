// The main page at start-up: its size from the settings "Width" and "Height",
// within the minimum and the screen, its title, and the metronome filling it.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "app/MainPageStartup.h"

#include <QPushButton>
#include <QtTest>

class TestMainPageStartup : public QObject
{
    Q_OBJECT
private slots:
    void startSize_data()
    {
        QTest::addColumn<QVariant>("width");
        QTest::addColumn<QVariant>("height");
        QTest::addColumn<QSize>("size");
        QSize const min(540, 765);
        QTest::newRow("none") << QVariant() << QVariant() << min;
        QTest::newRow("valid") << QVariant(900) << QVariant(1000) << QSize(900, 1000);
        QTest::newRow("valid, as text") << QVariant("900") << QVariant("1000") << QSize(900, 1000);
        QTest::newRow("too small") << QVariant(300) << QVariant(400) << min;
        QTest::newRow("zero and negative") << QVariant(0) << QVariant(-50) << min;
        QTest::newRow("too big") << QVariant(5000) << QVariant(3000) << QSize(1280, 1024);
        QTest::newRow("not a number") << QVariant("wide") << QVariant("12px") << min;
        QTest::newRow("one of each") << QVariant("wide") << QVariant(4000) << QSize(540, 1024);
    }
    void startSize()
    {
        QFETCH(QVariant, width);
        QFETCH(QVariant, height);
        QFETCH(QSize, size);
        QCOMPARE(MainPageStartup::startSize(width, height, QSize(540, 765), QSize(1280, 1024)), size);
    }

    void minimumWinsOverASmallScreen()
    {
        QCOMPARE(MainPageStartup::startSize(2000, 2000, QSize(540, 765), QSize(480, 700)), QSize(540, 765));
    }

    void fromTheSettings_data()
    {
        QTest::addColumn<QVariant>("width");
        QTest::addColumn<QVariant>("height");
        QTest::addColumn<QSize>("size");
        QTest::newRow("none") << QVariant() << QVariant() << QSize(540, 765);
        QTest::newRow("valid") << QVariant(900) << QVariant(1000) << QSize(900, 1000);
        QTest::newRow("too small") << QVariant(100) << QVariant(100) << QSize(540, 765);
        QTest::newRow("not a number") << QVariant("abc") << QVariant("") << QSize(540, 765);
        QTest::newRow("too big") << QVariant(3000) << QVariant(2000) << QSize(1280, 1024);
    }
    void fromTheSettings()
    {
        QFETCH(QVariant, width);
        QFETCH(QVariant, height);
        QFETCH(QSize, size);
        auto* app = ZEDireroz::App::theApp();
        app->settings()->remove("TickwrenTrial/Width");
        app->settings()->remove("TickwrenTrial/Height");
        if (width.isValid())
            app->setSettingsValue("Width", width);
        if (height.isValid())
            app->setSettingsValue("Height", height);

        RADarir::MetronomeMainPage page;
        MainPageStartup::sizeAndTitle(&page, QSize(1280, 1024));
        QCOMPARE(page.minimumSize(), QSize(540, 765));
        QCOMPARE(page.size(), size);
        QCOMPARE(page.windowTitle(), QString("TickwrenTrial"));
        // Only read: the start-up writes nothing back.
        QCOMPARE(app->settingsValue("Width", "unset"), width.isValid() ? width : QVariant("unset"));
    }

    void shownAndRegistered()
    {
        RADarir::MetronomeMainPage page;
        QCOMPARE(page.objectName(), QString("MetronomeMainPage"));
        MainPageStartup::sizeAndTitle(&page);
        MainPageStartup::showAndRegister(&page);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(ZEDireroz::App::theApp()->mainWidget(), &page);
        // The promotion bar across the top, its Rate button hidden, and the
        // metronome filling the rest, without a gap.
        ZEDireroz::PromoMenuBar* bar = page.promoMenuBar();
        QCOMPARE(bar->parentWidget(), &page);
        QVERIFY(bar->isVisible());
        QVERIFY(bar->rateButton()->isHidden());
        QCOMPARE(bar->geometry(), QRect(0, 0, page.width(), bar->height()));
        QCOMPARE(page.metronome()->geometry(), QRect(0, bar->height(), page.width(), page.height() - bar->height()));
        QVERIFY(page.metronome()->tickTimer().isActive());
        ZEDireroz::App::theApp()->setMainWidget(nullptr);
    }
};

int main(int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestMainPageStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainpagestartup.moc"
