// The music-shop link sets: the country rule for every shop, the shape of the
// links, and the seven shop classes built from the system locale (set to
// Switzerland for this program before Qt reads it).
#include "RADarir/music/MusicShops.h"

#include <QPointer>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace RADarir;
using MusicShopTable::Instrument;

namespace {

struct Region
{
    QString storeHost;
    QString tag;
    QString encyclopediaHost;
};

Region const kUs{"us.shop-at.example", "tickwren-music-us", "en.encyclopedia.example"};
Region const kDe{"de.shop-at.example", "tickwren-music-de", "de.encyclopedia.example"};
Region const kCa{"ca.shop-at.example", "tickwren-music-ca", "en.encyclopedia.example"};
Region const kFr{"fr.shop-at.example", "tickwren-music-fr", "fr.encyclopedia.example"};
Region const kUk{"uk.shop-at.example", "tickwren-music-uk", "en.encyclopedia.example"};

struct Titles
{
    QString english, german, french;
};

Titles titlesOf(Instrument instrument)
{
    switch (instrument) {
    case MusicShopTable::Ukulele:
        return {"Ukulele", "Ukulele", QString::fromUtf8("Ukul\u00e9l\u00e9")};
    case MusicShopTable::Guitar:
        return {"Guitar", "Gitarre", "Guitare"};
    case MusicShopTable::Banjo:
        return {"Banjo", "Banjo", "Banjo"};
    case MusicShopTable::Bass:
        return {"Bass_guitar", "E-Bass", "Guitare_basse"};
    case MusicShopTable::Balalaika:
        return {"Balalaika", "Balalaika", QString::fromUtf8("Balala\u00efka")};
    case MusicShopTable::Piano:
        return {"Piano", "Klavier", "Piano"};
    case MusicShopTable::Mandolin:
    default:
        return {"Mandolin", "Mandoline", "Mandoline"};
    }
}

QStringList storeLinks(MusicShopLinks const& links)
{
    return {links.mustHave, links.niceToHave, links.read, links.hear, links.see};
}

char const* const kInstrumentNames[] = {"ukulele", "guitar", "banjo", "bass", "balalaika", "piano", "mandolin"};

} // namespace

Q_DECLARE_METATYPE(Instrument)
Q_DECLARE_METATYPE(QLocale::Country)

class TestMusicShops : public QObject
{
    Q_OBJECT
private slots:
    void countryRule_data()
    {
        QTest::addColumn<Instrument>("instrument");
        QTest::addColumn<QLocale::Country>("country");
        QTest::addColumn<QString>("storeHost");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("article");
        struct Country
        {
            char const* name;
            QLocale::Country country;
            Region region;
            int edition; // 0 English, 1 German, 2 French
        };
        Country const countries[] = {
            {"Austria", QLocale::Austria, kDe, 1},
            {"Germany", QLocale::Germany, kDe, 1},
            {"Switzerland", QLocale::Switzerland, kDe, 1},
            {"Canada", QLocale::Canada, kCa, 0},
            {"France", QLocale::France, kFr, 2},
            {"United Kingdom", QLocale::UnitedKingdom, kUk, 0},
            {"United States", QLocale::UnitedStates, kUs, 0},
            {"Spain", QLocale::Spain, kUs, 0},
            {"Italy", QLocale::Italy, kUs, 0},
            {"no country", QLocale::AnyCountry, kUs, 0},
        };
        for (int i = 0; i < MusicShopTable::kInstrumentCount; ++i) {
            auto const instrument = Instrument(i);
            Titles const titles = titlesOf(instrument);
            for (Country const& c : countries) {
                QString const title = c.edition == 1 ? titles.german : c.edition == 2 ? titles.french : titles.english;
                QTest::addRow("%s %s", kInstrumentNames[i], c.name)
                    << instrument << c.country << c.region.storeHost << c.region.tag
                    << "http://" + c.region.encyclopediaHost + "/wiki/" + title;
            }
        }
    }
    void countryRule()
    {
        QFETCH(Instrument, instrument);
        QFETCH(QLocale::Country, country);
        QFETCH(QString, storeHost);
        QFETCH(QString, tag);
        QFETCH(QString, article);
        MusicShopLinks const links = musicShopLinks(instrument, country);
        QCOMPARE(links.encyclopedia, article);
        // Five categories, all in the one regional store, each its own page.
        QStringList nodes;
        for (QString const& link : storeLinks(links)) {
            QString const prefix = "http://" + storeHost + "/" + tag + "?_encoding=UTF8&node=";
            QVERIFY2(link.startsWith(prefix), qPrintable(link));
            QString const node = link.mid(prefix.size());
            bool number = false;
            node.toUInt(&number);
            QVERIFY2(number, qPrintable(link));
            nodes << node;
        }
        nodes.removeDuplicates();
        QCOMPARE(nodes.size(), 5);
    }

    // German-speaking countries share one set; Canada and the United Kingdom
    // differ from each other only in the store.
    void germanCountriesAgree()
    {
        for (int i = 0; i < MusicShopTable::kInstrumentCount; ++i) {
            MusicShopLinks const at = musicShopLinks(Instrument(i), QLocale::Austria);
            MusicShopLinks const de = musicShopLinks(Instrument(i), QLocale::Germany);
            MusicShopLinks const ch = musicShopLinks(Instrument(i), QLocale::Switzerland);
            QCOMPARE(storeLinks(at), storeLinks(de));
            QCOMPARE(storeLinks(ch), storeLinks(de));
            QCOMPARE(at.encyclopedia, de.encyclopedia);
            QCOMPARE(ch.encyclopedia, de.encyclopedia);
            MusicShopLinks const ca = musicShopLinks(Instrument(i), QLocale::Canada);
            MusicShopLinks const uk = musicShopLinks(Instrument(i), QLocale::UnitedKingdom);
            MusicShopLinks const us = musicShopLinks(Instrument(i), QLocale::UnitedStates);
            QCOMPARE(ca.encyclopedia, us.encyclopedia);
            QCOMPARE(uk.encyclopedia, us.encyclopedia);
            QVERIFY(ca.mustHave != uk.mustHave);
        }
    }

    // No two instruments or stores share a category page.
    void nodesAreDistinct()
    {
        QSet<QString> all;
        QLocale::Country const countries[] = {QLocale::UnitedStates, QLocale::Germany, QLocale::Canada, QLocale::France,
                                              QLocale::UnitedKingdom};
        for (int i = 0; i < MusicShopTable::kInstrumentCount; ++i) {
            for (QLocale::Country country : countries) {
                for (QString const& link : storeLinks(musicShopLinks(Instrument(i), country)))
                    all.insert(link);
            }
        }
        QCOMPARE(all.size(), MusicShopTable::kInstrumentCount * 5 * 5);
    }

    void accentedTitlesAreEncodedWhenOpened_data()
    {
        QTest::addColumn<Instrument>("instrument");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("ukulele") << MusicShopTable::Ukulele << QByteArray("/wiki/Ukul%C3%A9l%C3%A9");
        QTest::newRow("balalaika") << MusicShopTable::Balalaika << QByteArray("/wiki/Balala%C3%AFka");
    }
    void accentedTitlesAreEncodedWhenOpened()
    {
        QFETCH(Instrument, instrument);
        QFETCH(QByteArray, encoded);
        QUrl const url(musicShopLinks(instrument, QLocale::France).encyclopedia, QUrl::TolerantMode);
        QVERIFY(url.isValid());
        QVERIFY2(url.toEncoded().endsWith(encoded), url.toEncoded().constData());
    }

    // The classes take the country of the system locale: Switzerland here.
    void shopsFollowTheSystemLocale()
    {
        QCOMPARE(QLocale::system().country(), QLocale::Switzerland);
        QObject parent;
        std::unique_ptr<MusicShopBase> const shops[] = {
            std::make_unique<UkuleleShop>(&parent),   std::make_unique<GuitarShop>(&parent),
            std::make_unique<BanjoShop>(&parent),     std::make_unique<BassShop>(&parent),
            std::make_unique<BalalaikaShop>(&parent), std::make_unique<PianoShop>(&parent),
            std::make_unique<MandolinShop>(&parent)};
        for (int i = 0; i < MusicShopTable::kInstrumentCount; ++i) {
            MusicShopLinks const expected = musicShopLinks(Instrument(i), QLocale::Germany);
            MusicShopBase const& shop = *shops[i];
            QCOMPARE(shop.mustHave(), expected.mustHave);
            QCOMPARE(shop.niceToHave(), expected.niceToHave);
            QCOMPARE(shop.read(), expected.read);
            QCOMPARE(shop.hear(), expected.hear);
            QCOMPARE(shop.see(), expected.see);
            QCOMPARE(shop.wikipedia(), "http://de.encyclopedia.example/wiki/" + titlesOf(Instrument(i)).german);
        }
    }

    void shopGoesWithItsParent()
    {
        auto* parent = new QObject;
        QPointer<MusicShopBase> shop = new PianoShop(parent);
        delete parent;
        QVERIFY(shop.isNull());
    }
};

int main(int argc, char** argv)
{
    qputenv("LC_ALL", "de_CH.UTF-8");
    QCoreApplication app(argc, argv);
    TestMusicShops test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_musicshops.moc"
