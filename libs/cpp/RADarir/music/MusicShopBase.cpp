#include "RADarir/music/MusicShopBase.h"

namespace RADarir {

namespace {

using namespace MusicShopTable;

struct Region
{
    Store store;
    Edition edition;
};

Region regionOf(QLocale::Country country)
{
    switch (country) {
    case QLocale::Austria:
    case QLocale::Germany:
    case QLocale::Switzerland:
        return {GermanStore, German};
    case QLocale::Canada:
        return {CanadianStore, English};
    case QLocale::France:
        return {FrenchStore, French};
    case QLocale::UnitedKingdom:
        return {UnitedKingdomStore, English};
    default:
        return {UnitedStatesStore, English};
    }
}

QString categoryLink(Store store, unsigned node)
{
    return QStringLiteral("http://%1/%2?_encoding=UTF8&node=%3")
        .arg(QLatin1String(kStores[store].host), QLatin1String(kStores[store].tag))
        .arg(node);
}

} // namespace

MusicShopLinks musicShopLinks(Instrument instrument, QLocale::Country country)
{
    return musicShopLinks(kInstruments[instrument], country);
}

MusicShopLinks musicShopLinks(InstrumentRow const& row, QLocale::Country country)
{
    Region const region = regionOf(country);
    unsigned const* nodes = row.nodes[region.store];
    MusicShopLinks links;
    links.mustHave = categoryLink(region.store, nodes[0]);
    links.niceToHave = categoryLink(region.store, nodes[1]);
    links.read = categoryLink(region.store, nodes[2]);
    links.hear = categoryLink(region.store, nodes[3]);
    links.see = categoryLink(region.store, nodes[4]);
    // The title stays Unicode text here; opening the link percent-encodes it.
    links.encyclopedia =
        QStringLiteral("http://%1/wiki/%2")
            .arg(QLatin1String(kEncyclopediaHosts[region.edition]), QString::fromUtf8(row.titles[region.edition]));
    return links;
}

MusicShopBase::MusicShopBase(QObject* parent)
    : QObject(parent)
{
}

MusicShopBase::~MusicShopBase() = default;

void MusicShopBase::setLinks(MusicShopLinks const& links)
{
    m_strMustHave = links.mustHave;
    m_strNiceToHave = links.niceToHave;
    m_strRead = links.read;
    m_strHear = links.hear;
    m_strSee = links.see;
    m_strWikipedia = links.encyclopedia;
}

void MusicShopBase::setLinksForSystemCountry(Instrument instrument)
{
    setLinks(musicShopLinks(instrument, QLocale::system().country()));
}

} // namespace RADarir
