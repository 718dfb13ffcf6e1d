#pragma once
// The photograph of the chord played on the instrument, fitted and centred on
// a dark ground. The photo is chosen by the instrument and a code written from
// the tab: "guitar_X32010.jpg"; for the piano the keyboard code. No name.

#include "RADarir/chordviews/ChordBaseView.h"

namespace RADarir {

class ChordPhotoView : public ChordBaseView
{
    Q_OBJECT
public:
    explicit ChordPhotoView(QWidget* parent = nullptr);

    // The photo's file name for an instrument and a tab: each fret in tab
    // order ("X" for a string not played), or the keyboard code for "piano".
    static QString photoName(QString const& instrument, QVector<int> const& tab);
    QString photoName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace RADarir
