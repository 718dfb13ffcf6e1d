#pragma once
// The piano's chord page: the 24 keys C3 to B4, each sounding (0) or silent (-1).
// The page is complete when its constructor returns and shows chord 0, "A";
// its owner calls addShopMenu() for the shop entries of the More menu.

#include "RADarir/chordviews/ChordsMainPage.h"

#include <QStringList>

namespace RADarir {

class PianoChordsMainPage : public ChordsMainPage
{
    Q_OBJECT
public:
    explicit PianoChordsMainPage(QWidget* parent = nullptr);
    ~PianoChordsMainPage() override;

    // Writes chord `index` (0 to 131; any other index is ignored) from
    // one value per key from C3 up: -1 leaves it silent.
    void setChord(int index, int c3, int cs3, int d3, int ds3, int e3, int f3, int fs3, int g3, int gs3, int a3,
                  int as3, int b3, int c4, int cs4, int d4, int ds4, int e4, int f4, int fs4, int g4, int gs4, int a4,
                  int as4, int b4);

    // Creates the shop and its menu entries; later calls do nothing.
    void addShopMenu() override;

protected:
    void initChords() override;

private:
    QStringList const m_lSamplePaths;
};

} // namespace RADarir
