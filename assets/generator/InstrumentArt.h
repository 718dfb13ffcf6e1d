#pragma once
// The instruments as the tuners draw them, for the other pictures that show an
// instrument (the chord pages' labels and chooser), so that every picture of
// one instrument shows the same instrument.

#include <QRectF>

class QPainter;

namespace AssetGen {

// Draws the named instrument ("Guitar", "BassGuitar", "Ukulele", "Banjo",
// "Balalaika", "Mandolin", ...) upright and centred in area.
void paintInstrumentNamed(QPainter& painter, char const* name, QRectF const& area);

} // namespace AssetGen
