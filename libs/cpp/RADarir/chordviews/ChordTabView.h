#pragma once
// The tablature: one staff line per string, the top line the last string of
// the tab, with the fret of every played string written on its line, the TAB
// mark and a double bar on the left; for the piano the keyboard picture of
// the chord. The name stands on top.

#include "RADarir/chordviews/ChordBaseView.h"

namespace RADarir {

class ChordTabView : public ChordBaseView
{
    Q_OBJECT
public:
    explicit ChordTabView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void drawStrings(QPainter* painter);
    virtual void drawKeys(QPainter* painter);
};

} // namespace RADarir
