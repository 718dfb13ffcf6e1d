#include "RADarir/chordpages/UkuleleChordsMainPage.h"
#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/music/MusicShops.h"

namespace RADarir {

namespace {
ChordTables::Layout const& pageLayout()
{
    return ChordTables::layout(ChordTables::Instrument::Ukulele);
}
} // namespace

UkuleleChordsMainPage::UkuleleChordsMainPage(QWidget* parent)
    : ChordsMainPage(parent)
    , m_lSamplePaths(ChordPagesPrivate::samplePaths(m_strResourcesPath, pageLayout()))
{
    setInstrumentName(pageLayout().id);
    setDelay(30);
    initChords();
    ChordPagesPrivate::registerPhotos(m_strResourcesPath);
    ChordPagesPrivate::showFirstChord(m_pChordView, m_vecTabs);
}

UkuleleChordsMainPage::~UkuleleChordsMainPage() = default;

void UkuleleChordsMainPage::setChord(int index, int g4, int c4, int e4, int a4)
{
    ChordPagesPrivate::storeChord(m_vecSounds, m_vecTabs, m_lSamplePaths, pageLayout(), index, {g4, c4, e4, a4});
}

void UkuleleChordsMainPage::initChords()
{
    ChordTables::ukuleleChords([this](int index, auto... values) { setChord(index, values...); });
}

void UkuleleChordsMainPage::addShopMenu()
{
    ChordPagesPrivate::addShopOnce<UkuleleShop>(this, m_pShop);
}

} // namespace RADarir
