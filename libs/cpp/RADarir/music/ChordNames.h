#pragma once
// Chord identity: the chord index (root x 11 + type, 0 to 131) that selects a
// chord in every chord table, the root names and type suffixes that make up a
// chord name, and the one conversion from a name to its index. Pure functions,
// no widgets: the chord buttons, the transposer and the chord pages call them.
//
// Roots in index order (sorted as text, each flat after its letter; not pitch
// order): A, A♭, B, B♭, C, D, D♭, E, E♭, F, G, G♭. Types in index order: major
// (empty suffix), "m", "aug", "dim", "6", "m6", "7", "maj7", "m7", "9", "sus4".
// A root name is a capital letter, the letter and U+266D, or the letter, one
// space and "#"; a chord name is a root name immediately followed by a suffix.

#include <QChar>
#include <QString>
#include <QStringList>

namespace RADarir {
namespace ChordNames {

constexpr int kRootCount = 12;
constexpr int kTypeCount = 11;
constexpr int kChordCount = kRootCount * kTypeCount;
// The index of a name that names no chord.
constexpr int kNoChord = -1;

constexpr QChar kFlatSign = QChar(0x266D);
// What a sharp root name puts after its letter.
inline QString sharpMark()
{
    return QStringLiteral(" #");
}

// The 21 root names: the naturals A to G, the flats A♭ to G♭, the sharps "A #" to "G #".
QStringList const& rootNames();
// The eleven type suffixes in index order (the major chord's is empty).
QStringList const& suffixes();

// The root (0 to 11) that a root name means ("G #" means A♭, C♭ means B), or kNoChord.
int rootOfName(QString const& rootName);
// The chord index of a chord name, or kNoChord when the text is not one of the
// 231 chord names: the comparison is exact (case, blanks, the flat sign and the
// space before "#" all count).
int chordIndex(QString const& name);

// The pitch class of a root (0 = C, 1 = D♭, ... 11 = B).
int pitchClassOfRoot(int root);
// The name of a pitch class (taken modulo 12): the natural where there is one,
// else the flat (A♭) or, with sharps, the sharp of the letter below ("G #").
QString rootNameOfPitchClass(int pitchClass, bool sharps);

} // namespace ChordNames
} // namespace RADarir
