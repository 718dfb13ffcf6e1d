#pragma once

// Note numbers of the tunings the chord tests write out by name.

#include "assets/generator/InstrumentSamples.h"

#include <QString>
#include <QVector>

namespace NoteNumbers {

// MIDI numbers of note names such as "G4 C4 E4 A4" (sharps written "d").
inline QVector<int> fromNames(QString const& names)
{
    QVector<int> result;
    for (QString const& name : names.split(QLatin1Char(' ')))
        result << InstrumentSamples::midiOf(name);
    return result;
}

// The 24 keys of the piano chord page, C3 to B4.
inline QVector<int> pianoChordKeys()
{
    QVector<int> keys;
    for (int midi = InstrumentSamples::midiOf(QStringLiteral("C3"));
         midi <= InstrumentSamples::midiOf(QStringLiteral("B4")); ++midi)
        keys << midi;
    return keys;
}

} // namespace NoteNumbers
