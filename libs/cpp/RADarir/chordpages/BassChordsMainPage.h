#pragma once
// The bass guitar's chord page with voicings near the nut: strings E1, A1, D2,
// G2, frets 0 to 8 sounding.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class BassChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit BassChordsMainPage(QWidget* parent = nullptr);
    ~BassChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // the fret of each string in the order above: -1 leaves it silent.
    void setChord(int index, int e1, int a1, int d2, int g2);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
