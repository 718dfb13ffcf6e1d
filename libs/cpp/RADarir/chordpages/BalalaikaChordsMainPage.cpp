#include "RADarir/chordpages/BalalaikaChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Balalaika);
}
} // namespace

BalalaikaChordsMainPage::BalalaikaChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(40);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

BalalaikaChordsMainPage::~BalalaikaChordsMainPage() = default;

void BalalaikaChordsMainPage::setChord(int index, int e4First, int e4Second, int a4)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {e4First, e4Second, a4});
}

void BalalaikaChordsMainPage::initChords()
{
    ChordTables::balalaikaChords([this](int index, auto... values) { setChord(index, values...); });
}

void BalalaikaChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<BalalaikaShop>(this, m_pShop);
}

} // namespace RADarir
