#pragma once
// The mandolin's chord page: four courses tuned G3, D4, A4, E5, frets 0 to 8 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class MandolinChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit MandolinChordsMainPage(QWidget* parent = nullptr);
    ~MandolinChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int g3, int d4, int a4, int e5);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
