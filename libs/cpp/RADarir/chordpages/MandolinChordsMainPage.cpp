#include "RADarir/chordpages/MandolinChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Mandolin);
}
} // namespace

MandolinChordsMainPage::MandolinChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(30);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

MandolinChordsMainPage::~MandolinChordsMainPage() = default;

void MandolinChordsMainPage::setChord(int index, int g3, int d4, int a4, int e5)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {g3, d4, a4, e5});
}

void MandolinChordsMainPage::initChords()
{
    ChordTables::mandolinChords([this](int index, auto... values) { setChord(index, values...); });
}

void MandolinChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<MandolinShop>(this, m_pShop);
}

} // namespace RADarir
