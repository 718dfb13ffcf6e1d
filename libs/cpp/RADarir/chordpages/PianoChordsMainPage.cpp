#include "RADarir/chordpages/PianoChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Piano);
}
} // namespace

PianoChordsMainPage::PianoChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(40);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

PianoChordsMainPage::~PianoChordsMainPage() = default;

void PianoChordsMainPage::setChord(int index, int c3, int cs3, int d3, int ds3, int e3, int f3, int fs3, int g3,
                                   int gs3, int a3, int as3, int b3, int c4, int cs4, int d4, int ds4, int e4, int f4,
                                   int fs4, int g4, int gs4, int a4, int as4, int b4)
{
    ChordPagesPrivate::storeChord(
        m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index,
        {c3, cs3, d3, ds3, e3, f3, fs3, g3, gs3, a3, as3, b3, c4, cs4, d4, ds4, e4, f4, fs4, g4, gs4, a4, as4, b4});
}

void PianoChordsMainPage::initChords()
{
    ChordTables::pianoChords([this](int index, auto... values) { setChord(index, values...); });
}

void PianoChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<PianoShop>(this, m_pShop);
}

} // namespace RADarir
