#pragma once
// The balalaika's chord page: three strings tuned E4, E4, A4, frets 0 to 9 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class BalalaikaChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit BalalaikaChordsMainPage(QWidget* parent = nullptr);
    ~BalalaikaChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int e4First, int e4Second, int a4);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
