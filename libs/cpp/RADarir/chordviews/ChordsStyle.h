#pragma once
// The chord pages' style sheet. It is kept as a template whose sizes differ
// between the desktop and a pocket screen: placeholders, a name between "<!"
// and "!>", stand for them until the sheet is filled for a device.

#include <QString>

namespace RADarir {

// The template, with its placeholders. Never changed: every filling works on a copy.
extern QString const strChordsStyle;

// The template filled with the sizes of a pocket screen or of the desktop.
QString chordsStyleSheet(bool pocketDevice);

} // namespace RADarir
