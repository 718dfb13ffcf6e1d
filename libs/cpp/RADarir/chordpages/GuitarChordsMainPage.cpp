#include "RADarir/chordpages/GuitarChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Guitar);
}
} // namespace

GuitarChordsMainPage::GuitarChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(30);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

GuitarChordsMainPage::~GuitarChordsMainPage() = default;

void GuitarChordsMainPage::setChord(int index, int e2, int a2, int d3, int g3, int b3, int e4)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index,
                                  {e2, a2, d3, g3, b3, e4});
}

void GuitarChordsMainPage::initChords()
{
    ChordTables::guitarChords([this](int index, auto... values) { setChord(index, values...); });
}

void GuitarChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<GuitarShop>(this, m_pShop);
}

} // namespace RADarir
