#pragma once
// The bass guitar's second chord page, with voicings between the fifth and the
// twelfth fret: the first page's strings and sample files, frets 0 to 13
// sounding. The chord views draw its diagram from fret 5 to fret 12.
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class BassChordsMainPage2 : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit BassChordsMainPage2(QWidget* parent = nullptr);
    ~BassChordsMainPage2() override;

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
