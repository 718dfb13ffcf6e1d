#pragma once
// The voicings of the eight instrument chord pages, and the note arithmetic
// that turns a voicing into sample files. Qt Core only, so that the pages and
// the asset generator (which draws a photo of every voicing) read the very same
// data: each instrument's function makes one call per chord index, 0 to 131,
// with literal values, on whatever it is given. A page passes its own setChord;
// the generator passes a collector.

#include <QString>
#include <QVector>

#include <cstddef>
#include <functional>
#include <utility>

namespace RADarir {
namespace ChordTables {

// One voicing per chord index (root x 11 + type).
constexpr int kChordCount = 132;

enum class Instrument { Ukulele, Piano, Mandolin, Guitar, Banjo, Bass, Bass2, Balalaika };

namespace Detail {
template <std::size_t>
using Int = int;
template <typename Seq>
struct SinkOf;
template <std::size_t... I>
struct SinkOf<std::index_sequence<I...>>
{
    using type = std::function<void(int, Int<I>...)>;
};
} // namespace Detail

// Receives a chord index and then one value per string (or key).
template <std::size_t N>
using Sink = typename Detail::SinkOf<std::make_index_sequence<N>>::type;

using UkuleleSink = Sink<4>;
using PianoSink = Sink<24>;
using MandolinSink = Sink<4>;
using GuitarSink = Sink<6>;
using BanjoSink = Sink<5>;
using BassSink = Sink<4>;
using BalalaikaSink = Sink<3>;

void ukuleleChords(UkuleleSink const& setChord);
void pianoChords(PianoSink const& setChord);
void mandolinChords(MandolinSink const& setChord);
void guitarChords(GuitarSink const& setChord);
void banjoChords(BanjoSink const& setChord);
void bassChords(BassSink const& setChord);
void bass2Chords(BassSink const& setChord);
void balalaikaChords(BalalaikaSink const& setChord);

// What a page is made of besides its voicings.
struct Layout
{
    Instrument instrument;
    // The chord views choose their pictures and drawing by it.
    QString id;
    // The first part of the page's sample file names ("bass" on both bass pages).
    QString samplePrefix;
    // MIDI numbers of the open strings in argument order; on the piano its 24 keys.
    QVector<int> openNotes;
    // A value from 0 to this one sounds the string's open note raised by that
    // many semitones; any other value leaves the string silent. The piano's is
    // 0: a key sounds or it does not.
    int highestValue;
};

// The eight layouts, in the order of Instrument.
QVector<Layout> const& layouts();
Layout const& layout(Instrument instrument);

// "C", "Cd", ... "B" and the octave digit: MIDI 60 is "C4", 61 "Cd4".
QString noteName(int midi);
// prefix + "_440_" + noteName + ".mp3".
QString sampleFileName(QString const& prefix, int midi);
// The MIDI note that a value sounds on a string, or -1 for a silent string.
int soundingNote(Layout const& layout, int string, int value);
// The sample file a value selects on a string, or an empty string.
QString sampleFileFor(Layout const& layout, int string, int value);
// Every file the page can ask for, lowest note first: one per semitone from
// the lowest open string to the highest string at the highest value.
QStringList sampleFiles(Layout const& layout);

// The 132 voicings of an instrument, read through its function above.
QVector<QVector<int>> tabs(Instrument instrument);

} // namespace ChordTables
} // namespace RADarir
