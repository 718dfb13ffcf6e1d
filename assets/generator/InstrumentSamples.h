#pragma once
// Every instrument note the music pages play from the bundle's resource
// folder, in one table: the tuners' strings at each concert pitch of the
// pitch menu, the piano's 88 keys for the staff and the keyboard, and the
// chromatic set of each chord page. The synthesizer makes exactly these
// files, and the tests of the generated set and of the pages check their
// names against it.
//
// Names: prefix + "_" + the A4 pitch in hertz + "_" + note letter, "d" for a
// sharp, octave digit + ".mp3" ("guitar_440_Fd2.mp3", "violine_442_G3.mp3").

#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace InstrumentSamples {

// How a note is made: a plucked string model, a bowed string or the piano.
enum class Family { Plucked, Bowed, Piano };

// A reference tone for tuning must be exact; a note of a chord or of the
// piano only has to sound in tune.
constexpr double kTunerToleranceCents = 0.5;
constexpr double kNoteToleranceCents = 2.0;

// Every note lasts this long: long enough to hear the string ring and decay,
// short enough that the whole set is made in a few minutes.
constexpr int kSampleRate = 44100;
constexpr double kSeconds = 2.0;

// The concert pitches of the tuners' pitch menu.
inline QVector<int> tunerPitches()
{
    return {415, 430, 435, 439, 440, 442, 443, 445, 452, 460};
}

struct TunerStem
{
    char const* stem;
    char const* notes; // open strings, separated by blanks
};

// The tuner pages' stems and the notes of their strings ("violine" serves
// the violin and the viola, so it holds both instruments' strings).
inline QVector<TunerStem> tunerStems()
{
    return {
        {"violine", "C3 G3 D4 A4 E5"},    {"cello", "C2 G2 D3 A3"},
        {"doublebass", "E1 A1 D2 G2"},    {"guitar", "E2 A2 D3 G3 B3 E4"},
        {"bassguitar", "B0 E1 A1 D2 G2"}, {"ukulele", "C4 E4 G4 A4"},
        {"banjo", "D3 G3 B3 D4 G4"},      {"balalaika", "E4 A4"},
        {"mandolin", "G3 D4 A4 E5"},      {"dombra", "D3 G3"},
    };
}

struct ChordRange
{
    char const* prefix;
    char const* lowest;
    char const* highest;
};

// The chord pages' chromatic sets at 440 Hz, from the lowest open string to
// the highest string at its highest mapped fret. Both bass pages play the
// "bass" files; the second reaches five semitones higher, so its range is
// the one made.
inline QVector<ChordRange> chordRanges()
{
    return {
        {"ukulele", "C4", "F5"}, {"piano", "C3", "B4"}, {"mandolin", "G3", "C6"},   {"guitar", "E2", "C5"},
        {"banjo", "D3", "Fd5"},  {"bass", "E1", "Gd3"}, {"balalaika", "E4", "Fd5"},
    };
}

// The staff and the keyboard: the 88 keys A0 to C8.
constexpr int kPianoLowestMidi = 21;
constexpr int kPianoHighestMidi = 108;

inline Family familyOf(QString const& prefix)
{
    if (prefix == QLatin1String("piano"))
        return Family::Piano;
    if (prefix == QLatin1String("violine") || prefix == QLatin1String("cello") || prefix == QLatin1String("doublebass"))
        return Family::Bowed;
    return Family::Plucked;
}

// "C", "Cd", ... "B" and the octave digit; MIDI 60 is "C4".
inline QString noteName(int midi)
{
    static char const* const kNames[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};
    return QString::fromLatin1(kNames[((midi % 12) + 12) % 12]) + QString::number(midi / 12 - 1);
}

// The MIDI number of a name such as "Fd2", or -1 when it is not one.
inline int midiOf(QString const& name)
{
    static QString const kLetters = QStringLiteral("CDEFGAB");
    static int const kSteps[7] = {0, 2, 4, 5, 7, 9, 11};
    if (name.size() < 2 || name.size() > 3)
        return -1;
    int const letter = kLetters.indexOf(name.at(0));
    bool const sharp = name.size() == 3;
    if (letter < 0 || (sharp && name.at(1) != QLatin1Char('d')) || !name.back().isDigit())
        return -1;
    return (name.back().digitValue() + 1) * 12 + kSteps[letter] + (sharp ? 1 : 0);
}

inline double frequency(int midi, double a4)
{
    return a4 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Sample
{
    QString prefix;
    int pitch = 440; // A4 in hertz
    int midi = 69;
    double toleranceCents = kNoteToleranceCents;

    QString fileName() const
    {
        return prefix + QLatin1Char('_') + QString::number(pitch) + QLatin1Char('_') + noteName(midi)
               + QStringLiteral(".mp3");
    }
    double frequency() const { return InstrumentSamples::frequency(midi, pitch); }
    Family family() const { return familyOf(prefix); }
};

// The whole set, each file once, sorted by name. A tuner note at 440 Hz that
// a chord page plays as well is one file, held to the tuner's tolerance.
inline QVector<Sample> all()
{
    QVector<Sample> samples;
    auto add = [&samples](QString const& prefix, int pitch, int midi, double tolerance) {
        for (Sample& s : samples) {
            if (s.prefix == prefix && s.pitch == pitch && s.midi == midi) {
                s.toleranceCents = std::min(s.toleranceCents, tolerance);
                return;
            }
        }
        Sample s;
        s.prefix = prefix;
        s.pitch = pitch;
        s.midi = midi;
        s.toleranceCents = tolerance;
        samples.append(s);
    };
    for (TunerStem const& stem : tunerStems())
        for (QString const& note : QString::fromLatin1(stem.notes).split(QLatin1Char(' ')))
            for (int pitch : tunerPitches())
                add(QString::fromLatin1(stem.stem), pitch, midiOf(note), kTunerToleranceCents);
    for (int midi = kPianoLowestMidi; midi <= kPianoHighestMidi; ++midi)
        add(QStringLiteral("piano"), 440, midi, kNoteToleranceCents);
    for (ChordRange const& range : chordRanges())
        for (int midi = midiOf(QLatin1String(range.lowest)); midi <= midiOf(QLatin1String(range.highest)); ++midi)
            add(QString::fromLatin1(range.prefix), 440, midi, kNoteToleranceCents);
    std::sort(samples.begin(), samples.end(),
              [](Sample const& a, Sample const& b) { return a.fileName() < b.fileName(); });
    return samples;
}

} // namespace InstrumentSamples
