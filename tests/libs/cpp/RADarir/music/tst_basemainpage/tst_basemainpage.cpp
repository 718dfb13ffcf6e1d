// The music page frame: the shop entries of the More menu, opened links caught
// before they reach a browser, and what the page owns.
#include "RADarir/music/BaseMainPage.h"
#include "RADarir/music/MusicShops.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

using namespace RADarir;

namespace {

// Fixed links, so that a test can tell which shop answered.
class FixedShop : public MusicShopBase
{
public:
    FixedShop(QObject* parent, QString const& stem)
        : MusicShopBase(parent)
    {
        setLinks({"http://" + stem + ".example/must", "http://" + stem + ".example/nice",
                  "http://" + stem + ".example/read", "http://" + stem + ".example/hear",
                  "http://" + stem + ".example/see", "http://" + stem + ".example/wiki"});
    }
};

// A concrete page as the chord pages build one: the bar on top of its layout,
// and a shop made in addShopMenu.
class Page : public BaseMainPage
{
public:
    explicit Page(bool layBarOut = true)
    {
        if (layBarOut) {
            auto* layout = new QVBoxLayout(this);
            layout->addWidget(promoMenuBar());
        }
    }
    void addShopMenu() override
    {
        m_pShop = new GuitarShop(this);
        doShopConnections();
    }
    void setShop(MusicShopBase* shop) { m_pShop = shop; }
};

QStringList const kShopTexts = {"--", "Must Have", "Nice to Have", "Read", "Hear", "See", "--", "Wikipedia"};

QStringList entryTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return texts;
}

QList<QAction*> shopActions(QMenu* menu)
{
    QList<QAction*> actions;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator())
            actions << a;
    }
    return actions;
}

} // namespace

class TestBaseMainPage : public QObject
{
    Q_OBJECT
private slots:
    void menuBeforeAndAfterAddShopMenu()
    {
        Page page;
        QMenu* menu = page.promoMenuBar()->shopMenu();
        QStringList const before = entryTexts(menu);
        for (QString const& text : kShopTexts.mid(1, 5))
            QVERIFY(!before.contains(text));
        QVERIFY(!page.shop());

        page.addShopMenu();
        QStringList const after = entryTexts(menu);
        QCOMPARE(after.size(), before.size() + 8);
        QCOMPARE(after.mid(before.size()), kShopTexts);
        QVERIFY(qobject_cast<GuitarShop*>(page.shop()));
        QCOMPARE(page.shop()->parent(), &page);
        // Each entry shows its picture under the name the pages' pictures use.
        QStringList const pictures{":/musthave.png", ":/nicetohave.png", ":/read.png",
                                   ":/ohr.png",      ":/eye.png",        ":/wikipedia.png"};
        QList<QAction*> const actions = shopActions(menu).mid(shopActions(menu).size() - 6);
        for (int i = 0; i < actions.size(); ++i) {
            QVERIFY2(QFile::exists(pictures.at(i)), qPrintable(pictures.at(i)));
            QCOMPARE(actions.at(i)->icon().pixmap(16).toImage(), QIcon(pictures.at(i)).pixmap(16).toImage());
        }
    }

    void entriesOpenTheShopsLinks()
    {
        UrlCatcher catcher;
        Page page;
        page.addShopMenu();
        QList<QAction*> const actions = shopActions(page.promoMenuBar()->shopMenu()).mid(0, 6);
        MusicShopBase* shop = page.shop();
        QStringList const expected = {shop->mustHave(), shop->niceToHave(), shop->read(),
                                      shop->hear(),     shop->see(),        shop->wikipedia()};
        for (int i = 0; i < actions.size(); ++i) {
            actions.at(i)->trigger();
            QCOMPARE(catcher.takeOne(), QUrl(expected.at(i), QUrl::TolerantMode));
        }
    }

    // The entries read the shop when chosen: none yet does nothing; a shop set
    // later, or replaced, answers from then on.
    void slotsReadTheShopAtClickTime()
    {
        UrlCatcher catcher;
        Page page;
        page.doShopConnections();
        QList<QAction*> const actions = shopActions(page.promoMenuBar()->shopMenu());
        QCOMPARE(actions.size(), 6);
        for (QAction* action : actions)
            action->trigger();
        QVERIFY(catcher.urls.isEmpty());

        page.setShop(new FixedShop(&page, "first"));
        actions.at(0)->trigger();
        QCOMPARE(catcher.takeOne(), QUrl("http://first.example/must"));
        page.setShop(new FixedShop(&page, "second"));
        actions.at(5)->trigger();
        QCOMPARE(catcher.takeOne(), QUrl("http://second.example/wiki"));
    }

    void twoSetsOpenTheSameLinks()
    {
        UrlCatcher catcher;
        Page page;
        page.setShop(new FixedShop(&page, "twice"));
        page.doShopConnections();
        page.doShopConnections();
        QList<QAction*> const actions = shopActions(page.promoMenuBar()->shopMenu());
        QCOMPARE(actions.size(), 12);
        for (int i = 0; i < 6; ++i) {
            actions.at(i)->trigger();
            QUrl const first = catcher.takeOne();
            actions.at(i + 6)->trigger();
            QCOMPARE(catcher.takeOne(), first);
            QVERIFY(first.isValid());
        }
    }

    // The accented French titles leave percent-encoded as UTF-8.
    void accentedArticleIsEncoded()
    {
        UrlCatcher catcher;
        Page page;
        MusicShopLinks const links = musicShopLinks(MusicShopTable::Ukulele, QLocale::France);
        struct FrenchUkulele : MusicShopBase
        {
            FrenchUkulele(QObject* parent, MusicShopLinks const& links)
                : MusicShopBase(parent)
            {
                setLinks(links);
            }
        };
        page.setShop(new FrenchUkulele(&page, links));
        page.slotWikipedia();
        QCOMPARE(catcher.takeOne().toEncoded(), QByteArray("http://fr.encyclopedia.example/wiki/Ukul%C3%A9l%C3%A9"));
    }

    // The entries follow the interface language through their own context.
    void menuTextsAreTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/Translations/libs_fr.qm"));
        QCoreApplication::installTranslator(&translator);
        Page page;
        page.addShopMenu();
        QCoreApplication::removeTranslator(&translator);
        QStringList const texts = entryTexts(page.promoMenuBar()->shopMenu());
        QCOMPARE(texts.mid(texts.size() - 8),
                 QStringList({"--", "Indispensable", QString::fromUtf8("Bon à avoir"), "Lire",
                              QString::fromUtf8("Écouter"), "Voir", "--", QString::fromUtf8("Wikipédia")}));
    }

    void pageOwnsBarShopAndActions()
    {
        auto* page = new Page;
        page->addShopMenu();
        QPointer<ZEDireroz::PromoMenuBar> bar = page->promoMenuBar();
        QPointer<MusicShopBase> shop = page->shop();
        QPointer<QAction> action = shopActions(bar->shopMenu()).last();
        QCOMPARE(bar->parent(), page);
        delete page;
        QVERIFY(bar.isNull());
        QVERIFY(shop.isNull());
        QVERIFY(action.isNull());
    }

    // A page that never lays its bar out still does not leave it behind.
    void barNotLaidOutGoesWithThePage()
    {
        auto* page = new Page(false);
        QPointer<ZEDireroz::PromoMenuBar> bar = page->promoMenuBar();
        QVERIFY(!bar->parent());
        delete page;
        QVERIFY(bar.isNull());
    }
};

TW_APP_TEST_MAIN(TestBaseMainPage)
#include "tst_basemainpage.moc"
