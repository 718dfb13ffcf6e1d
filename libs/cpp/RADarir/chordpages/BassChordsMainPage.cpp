#include "RADarir/chordpages/BassChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Bass);
}
} // namespace

BassChordsMainPage::BassChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(80);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

BassChordsMainPage::~BassChordsMainPage() = default;

void BassChordsMainPage::setChord(int index, int e1, int a1, int d2, int g2)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {e1, a1, d2, g2});
}

void BassChordsMainPage::initChords()
{
    ChordTables::bassChords([this](int index, auto... values) { setChord(index, values...); });
}

void BassChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<BassShop>(this, m_pShop);
}

} // namespace RADarir
