#include "RADarir/chordpages/BanjoChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Banjo);
}
} // namespace

BanjoChordsMainPage::BanjoChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(30);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

BanjoChordsMainPage::~BanjoChordsMainPage() = default;

void BanjoChordsMainPage::setChord(int index, int g4, int d3, int g3, int b3, int d4)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {g4, d3, g3, b3, d4});
}

void BanjoChordsMainPage::initChords()
{
    ChordTables::banjoChords([this](int index, auto... values) { setChord(index, values...); });
}

void BanjoChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<BanjoShop>(this, m_pShop);
}

} // namespace RADarir
