#include "RADarir/music/MusicShops.h"

namespace RADarir {

UkuleleShop::UkuleleShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Ukulele);
}

GuitarShop::GuitarShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Guitar);
}

BanjoShop::BanjoShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Banjo);
}

BassShop::BassShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Bass);
}

BalalaikaShop::BalalaikaShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Balalaika);
}

PianoShop::PianoShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Piano);
}

MandolinShop::MandolinShop(QObject* parent)
    : MusicShopBase(parent)
{
    setLinksForSystemCountry(MusicShopTable::Mandolin);
}

} // namespace RADarir
