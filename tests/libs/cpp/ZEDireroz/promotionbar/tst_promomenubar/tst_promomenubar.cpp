// The promotion bar, its More menu of links, the application menu, the
// stand-alone more-apps button and the bare promotion page. Links are caught
// before they reach a browser; dialogs are closed as soon as they are up.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/PromotionTesting.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotionbar/AppMenu.h"
#include "ZEDireroz/promotionbar/MoreAppsButton.h"
#include "ZEDireroz/promotionbar/PromoMainPage.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace ZEDireroz;

namespace {

App* app()
{
    return App::theApp();
}

QString const kStoreId = QStringLiteral("id123456789");

QString storeSite()
{
    return QString::fromLatin1(TickwrenLinks::kStoreSite);
}

// The buttons the user sees, left to right, by object name.
QStringList shownLeftToRight(QWidget* bar)
{
    QList<QWidget*> shown;
    for (QWidget* w : bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            shown << w;
    }
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QStringList names;
    for (QWidget* w : shown)
        names << w->objectName();
    return names;
}

QStringList entryTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return texts;
}

} // namespace

class TestPromoMenuBar : public QObject
{
    Q_OBJECT
private:
    UrlCatcher* m_pCatcher = nullptr;

private slots:
    void initTestCase()
    {
        ZEDireroz::installPromotionActions();
        m_pCatcher = new UrlCatcher;
        app()->setAppId(kStoreId);
        app()->setAppSupportPage(QStringLiteral("http://tickwren.example.org/apps/tickwren/"));
        app()->currentLanguage();
    }
    void cleanupTestCase() { delete m_pCatcher; }
    void init()
    {
        m_pCatcher->urls.clear();
        PromotionTesting::setIndependent(false);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("introduction") << "IntroButton"
                                      << "Introduction";
        QTest::newRow("more") << "MoreButton"
                              << "More";
        QTest::newRow("rate") << "RateButton"
                              << "Rate App";
        QTest::newRow("more apps") << "MoreAppsButton"
                                   << "More Apps";
        QTest::newRow("share") << "ShareButton"
                               << "Share";
        QTest::newRow("join") << "JoinButton"
                              << "Join Us";
        QTest::newRow("app menu") << "AppButton"
                                  << "App Menu";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        PromoMenuBar bar;
        QCOMPARE(bar.objectName(), QStringLiteral("MenuBar"));
        QList<QPushButton*> const found = bar.findChildren<QPushButton*>(name);
        QCOMPARE(found.size(), 1);
        QPushButton* button = found.first();
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(button->isFlat());
        QCOMPARE(button->minimumSize(), QSize(32, 32));
        QCOMPARE(button->maximumSize(), QSize(32, 32));
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->icon().isNull());
    }

    void layoutLeftToRight()
    {
        PromoMenuBar bar;
        QLabel right1(QStringLiteral("r1")), right2(QStringLiteral("r2")), centre(QStringLiteral("c"));
        right1.setObjectName(QStringLiteral("right1"));
        right2.setObjectName(QStringLiteral("right2"));
        centre.setObjectName(QStringLiteral("centre"));
        bar.addWidget(&right1);
        bar.addCenterWidget(&centre);
        bar.addWidget(&right2);
        bar.resize(900, 45);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(shownLeftToRight(&bar), (QStringList{"MoreButton", "centre", "right1", "right2", "IntroButton",
                                                      "ShareButton", "JoinButton", "MoreAppsButton", "AppButton"}));
        QVERIFY(bar.rateButton()->isHidden());
        // The centre group stands between the two stretches, away from both ends.
        QVERIFY(centre.x() > bar.moreButton()->geometry().right() + 50);
        QVERIFY(centre.geometry().right() < right1.x() - 50);
        bar.hide();
        right1.setParent(nullptr);
        right2.setParent(nullptr);
        centre.setParent(nullptr);
    }

    void hideOneButton_data()
    {
        QTest::addColumn<QByteArray>("function");
        QTest::addColumn<QString>("name");
        QTest::newRow("introduction") << QByteArray("hideIntroButton") << "IntroButton";
        QTest::newRow("more") << QByteArray("hideMoreButton") << "MoreButton";
        QTest::newRow("more apps") << QByteArray("hideMoreAppsButton") << "MoreAppsButton";
        QTest::newRow("share") << QByteArray("hideShareButton") << "ShareButton";
    }
    void hideOneButton()
    {
        QFETCH(QByteArray, function);
        QFETCH(QString, name);
        PromoMenuBar bar;
        bar.show();
        QStringList before = shownLeftToRight(&bar);
        if (function == "hideIntroButton")
            bar.hideIntroButton();
        else if (function == "hideMoreButton")
            bar.hideMoreButton();
        else if (function == "hideMoreAppsButton")
            bar.hideMoreAppsButton();
        else
            bar.hideShareButton();
        before.removeOne(name);
        QCOMPARE(shownLeftToRight(&bar), before);
        bar.hideRateButton();
        QVERIFY(bar.rateButton()->isHidden());
    }

    // Each button of the bar reaches its action of the application object.
    void buttonsReachTheApplication_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("rate") << "RateButton" << storeSite() + "/app/tickwrentrial/" + kStoreId + "?ls=1&mt=12"
                              << QString();
        QTest::newRow("more apps") << "MoreAppsButton"
                                   << storeSite() + "/artist/" + TickwrenLinks::kArtistSlug + "/"
                                          + TickwrenLinks::kArtistId + "?mt=12"
                                   << QString();
        QTest::newRow("share") << "ShareButton" << QString() << "ZEDireroz::TellDialog";
        QTest::newRow("join") << "JoinButton" << QString() << "ZEDireroz::JoinDialog";
        QTest::newRow("introduction") << "IntroButton" << QString() << "ZEDireroz::HelpDialog";
    }
    void buttonsReachTheApplication()
    {
        QFETCH(QString, name);
        QFETCH(QString, link);
        QFETCH(QString, dialog);
        PromoMenuBar bar;
        ModalAnswer answer([](QDialog* d) { d->reject(); });
        bar.findChild<QPushButton*>(name)->click();
        QCOMPARE(answer.seenClass(), dialog);
        QCOMPARE(m_pCatcher->urls, link.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(link)});
    }

    void moreMenuLinks()
    {
        PromoMenuBar bar;
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        QString const page = QStringLiteral("http://tickwren.example.org/apps/pitchfinch/");
        bar.addMenuLink(icon, QStringLiteral("One"), page);
        bar.addMenuLink(QPixmap(), QStringLiteral("Two"), page);
        bar.addMenuSeparator();
        bar.addMenuAppLink(icon, QStringLiteral("Store"), QStringLiteral("SongPloverSongbook"),
                           QStringLiteral("id910000006"));
        QAction own(QStringLiteral("Own"), nullptr);
        int ownTriggered = 0;
        connect(&own, &QAction::triggered, [&ownTriggered]() { ++ownTriggered; });
        bar.addMenuAction(&own);

        QMenu* menu = bar.shopMenu();
        QCOMPARE(bar.moreButton()->menu(), menu);
        QCOMPARE(entryTexts(menu), (QStringList{"One", "Two", "--", "Store", "Own"}));
        QVERIFY(!menu->actions().at(0)->icon().isNull());
        QVERIFY(menu->actions().at(1)->icon().isNull());

        // Two rows with the same link both open it.
        menu->actions().at(0)->trigger();
        menu->actions().at(1)->trigger();
        QCOMPARE(m_pCatcher->urls, (QList<QUrl>{QUrl(page), QUrl(page)}));
        m_pCatcher->urls.clear();

        // The store name goes in lower case, the identifier unchanged.
        menu->actions().at(3)->trigger();
        QCOMPARE(m_pCatcher->takeOne(),
                 QUrl(storeSite() + QStringLiteral("/app/songploversongbook/id910000006?ls=1&mt=12")));

        // A caller's own action opens nothing through the bar.
        own.trigger();
        QCOMPARE(ownTriggered, 1);
        QVERIFY(m_pCatcher->urls.isEmpty());
        menu->removeAction(&own);
    }

    void appMenuEntries_data()
    {
        QTest::addColumn<bool>("independent");
        QTest::addColumn<QStringList>("texts");
        QStringList const common{"Share", "Join Us", "More Apps", "Contact Us", "Support Page", "About", "--", "Quit"};
        QTest::newRow("store build") << false << QStringList(QStringList{"Rate this App"} + common);
        QTest::newRow("independent build") << true << common;
    }
    void appMenuEntries()
    {
        QFETCH(bool, independent);
        QFETCH(QStringList, texts);
        PromotionTesting::setIndependent(independent);
        PromoMenuBar bar;
        AppMenu* menu = bar.appButton()->appMenu();
        QCOMPARE(bar.appButton()->menu(), menu);
        QCOMPARE(entryTexts(menu), texts);
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->text() != QLatin1String("Quit"))
                QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        }
    }

    void appMenuActions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("rate") << "Rate this App"
                              << "https" << QString();
        QTest::newRow("more apps") << "More Apps"
                                   << "https" << QString();
        QTest::newRow("contact") << "Contact Us"
                                 << "mailto" << QString();
        QTest::newRow("support page") << "Support Page"
                                      << "http" << QString();
        QTest::newRow("share") << "Share" << QString() << "ZEDireroz::TellDialog";
        QTest::newRow("join") << "Join Us" << QString() << "ZEDireroz::JoinDialog";
        QTest::newRow("about") << "About" << QString() << "ZEDireroz::AboutDialog";
    }
    void appMenuActions()
    {
        QFETCH(QString, text);
        QFETCH(QString, scheme);
        QFETCH(QString, dialog);
        AppButton button;
        QAction* action = PromotionTesting::menuEntry(button.appMenu(), text);
        QVERIFY(action);
        ModalAnswer answer([](QDialog* d) { d->reject(); });
        action->trigger();
        QCOMPARE(answer.seenClass(), dialog);
        if (scheme.isEmpty()) {
            QVERIFY(m_pCatcher->urls.isEmpty());
        } else {
            QUrl const url = m_pCatcher->takeOne();
            QCOMPARE(url.scheme(), scheme);
        }
    }

    // Choosing Quit in the bar's application menu ends the event loop.
    void quitEndsTheLoop()
    {
        PromoMenuBar bar;
        QAction* quit = PromotionTesting::menuEntry(bar.appButton()->appMenu(), QStringLiteral("Quit"));
        QVERIFY(quit);
        QSignalSpy pressed(bar.appButton(), &AppButton::quitPressed);
        QTimer::singleShot(0, quit, &QAction::trigger);
        // Should the quit not arrive, the loop ends with another code.
        QTimer::singleShot(10000, []() { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(pressed.count(), 1);
    }

    void moreAppsButton()
    {
        MoreAppsButton button;
        QVERIFY(button.objectName().isEmpty());
        QVERIFY(button.toolTip().isEmpty());
        QMenu* menu = button.menu();
        QVERIFY(menu);
        QCOMPARE(menu->parent(), &button);
        QString const page = QStringLiteral("http://tickwren.example.org/apps/echotern/");
        button.addMenuLink(QPixmap(), QStringLiteral("Page"), page);
        button.addMenuSeparator();
        button.addMenuAppLink(QPixmap(), QStringLiteral("Store"), QStringLiteral("EchoternRecorder"),
                              QStringLiteral("id910000007"));
        QAction own(QStringLiteral("Own"), nullptr);
        button.addMenuAction(&own);
        QCOMPARE(entryTexts(menu), (QStringList{"Page", "--", "Store", "Own"}));
        menu->actions().at(0)->trigger();
        menu->actions().at(2)->trigger();
        own.trigger();
        QCOMPARE(m_pCatcher->urls,
                 (QList<QUrl>{QUrl(page), QUrl(storeSite() + "/app/echoternrecorder/id910000007?ls=1&mt=12")}));
        menu->removeAction(&own);
    }

    // The bare page shows its bar across its top and takes it along when it goes.
    void promoMainPage()
    {
        auto* page = new PromoMainPage;
        QPointer<PromoMenuBar> bar = page->promoMenuBar();
        QVERIFY(bar);
        QCOMPARE(bar->parentWidget(), page);
        QVERIFY(page->layout()->indexOf(bar) >= 0);
        QLabel* content = new QLabel(QStringLiteral("content"));
        page->layout()->addWidget(content);
        page->resize(600, 400);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->geometry().top(), 0);
        QCOMPARE(bar->width(), page->width());
        QVERIFY(content->y() >= bar->geometry().bottom());
        delete page;
        QVERIFY(bar.isNull());
    }
};

TW_PROMOTION_TEST_MAIN(TestPromoMenuBar)

#include "tst_promomenubar.moc"
