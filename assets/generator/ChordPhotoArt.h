#pragma once
// Drawing of the chord photos: a string instrument's neck with a voicing on
// it, and an octave of the piano's keyboard with pitch classes pressed.

#include "RADarir/chordpages/tables/ChordTables.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <QVector>

class QPainter;

namespace ChordPhotoArt {

constexpr int kWidth = 320;
constexpr int kHeight = 440;

// The neck of the layout's instrument with the voicing's marks.
QImage neckPhoto(RADarir::ChordTables::Layout const& layout, QVector<int> const& tab);
// The keyboard with the pitch classes of the code pressed ("0" at 0 = C ... 11 = B).
QImage keyboardPhoto(QString const& code);

// A fingertip mark: a warm disc with a soft shadow and a rim of light.
void drawFingertip(QPainter& p, QPointF const& at, qreal r);

} // namespace ChordPhotoArt
