#include "RADarir/chordpages/BassChordsMainPage2.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Bass2);
}
} // namespace

BassChordsMainPage2::BassChordsMainPage2(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(50);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

BassChordsMainPage2::~BassChordsMainPage2() = default;

void BassChordsMainPage2::setChord(int index, int e1, int a1, int d2, int g2)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {e1, a1, d2, g2});
}

void BassChordsMainPage2::initChords()
{
    ChordTables::bass2Chords([this](int index, auto... values) { setChord(index, values...); });
}

void BassChordsMainPage2::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<BassShop>(this, m_pShop);
}

} // namespace RADarir
