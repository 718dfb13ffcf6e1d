#pragma once
// The guitar's chord page: six strings in standard tuning, E2 to E4, frets 0 to 8 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class GuitarChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit GuitarChordsMainPage(QWidget* parent = nullptr);
    ~GuitarChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int e2, int a2, int d3, int g3, int b3, int e4);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
