#pragma once
// The chord diagram: for a string instrument the strings as horizontal lines,
// the frets as vertical lines with the nut on the left, a dot on every stopped
// string, a ring on every open one and a cross on every string not played;
// for the piano the keyboard picture of the chord. The name stands on top.

#include "RADarir/chordviews/ChordBaseView.h"

namespace RADarir {

class ChordStandardView : public ChordBaseView
{
    Q_OBJECT
public:
    explicit ChordStandardView(QWidget* parent = nullptr);

    // The side of a dot, ring or cross in a view of that size: a tenth of
    // its height, but always clear of the neighbouring strings and frets.
    static int markSize(QSize const& size, int strings, QString const& instrument);
    // The fret numbers' font: a seventh of the height less two pixels, made
    // smaller where the widest number would run into its neighbour.
    static QFont fretNumberFont(QSize const& size, QString const& instrument, QFont font);

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void drawStrings(QPainter* painter);
    virtual void drawKeys(QPainter* painter);
};

} // namespace RADarir
