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

    // Where each fret is written, as printed tablature does: on its line,
    // with the line cleared behind it. One rectangle per line from the top,
    // empty for a string not played.
    static QVector<QRect> fretRects(QSize const& size, QVector<int> const& tab, QFont const& font);
    // The T, A and B of the mark against the right end of the staff, each on
    // paper of its own.
    static QVector<QRect> markRects(QSize const& size, int strings, QFont const& font);
    // The fonts of the frets and of the mark: the larger sizes of old, made
    // smaller where the staff is too close for them.
    static QFont fretFont(QSize const& size, int strings, QFont font);
    static QFont markFont(QSize const& size, int strings, QFont font);

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void drawStrings(QPainter* painter);
    virtual void drawKeys(QPainter* painter);

private:
    static int lineY(QSize const& size, int strings, int k);
    static void writeOnPaper(QPainter* painter, QFont const& font, QRect const& box, QString const& text);
};

} // namespace RADarir
