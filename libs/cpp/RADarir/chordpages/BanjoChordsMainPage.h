#pragma once
// The five-string banjo's chord page in open G: the short G4 string first, then
// D3, G3, B3, D4; frets 0 to 11 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class BanjoChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit BanjoChordsMainPage(QWidget* parent = nullptr);
    ~BanjoChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int g4, int d3, int g3, int b3, int d4);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
