#pragma once
// The ukulele's chord page: four strings tuned G4, C4, E4, A4 (the first above
// the next two), frets 0 to 8 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class UkuleleChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit UkuleleChordsMainPage(QWidget* parent = nullptr);
    ~UkuleleChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int g4, int c4, int e4, int a4);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
