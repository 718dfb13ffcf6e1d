#include "RADarir/chordpages/tables/ChordTables.h"

#include <QStringList>

#include <algorithm>

namespace RADarir {
namespace ChordTables {

namespace {

// MIDI numbers of the notes the layouts are tuned to.
constexpr int kE1 = 28, kA1 = 33, kD2 = 38, kG2 = 43, kE2 = 40, kA2 = 45, kC3 = 48, kD3 = 50, kG3 = 55, kB3 = 59,
              kC4 = 60, kD4 = 62, kE4 = 64, kG4 = 67, kA4 = 69, kE5 = 76;
constexpr int kPianoKeys = 24;

QVector<int> pianoKeys()
{
    QVector<int> keys;
    for (int k = 0; k < kPianoKeys; ++k)
        keys << kC3 + k;
    return keys;
}

// Stores the values of each call at its index.
template <std::size_t N>
QVector<QVector<int>> collect(void (*chords)(Sink<N> const&))
{
    QVector<QVector<int>> result(kChordCount);
    chords([&result](int index, auto... values) {
        if (index >= 0 && index < kChordCount)
            result[index] = {values...};
    });
    return result;
}

} // namespace

QVector<Layout> const& layouts()
{
    static QVector<Layout> const s_layouts = {
        {Instrument::Ukulele, QStringLiteral("ukulele"), QStringLiteral("ukulele"), {kG4, kC4, kE4, kA4}, 8},
        {Instrument::Piano, QStringLiteral("piano"), QStringLiteral("piano"), pianoKeys(), 0},
        {Instrument::Mandolin, QStringLiteral("mandolin"), QStringLiteral("mandolin"), {kG3, kD4, kA4, kE5}, 8},
        {Instrument::Guitar, QStringLiteral("guitar"), QStringLiteral("guitar"), {kE2, kA2, kD3, kG3, kB3, kE4}, 8},
        {Instrument::Banjo, QStringLiteral("banjo"), QStringLiteral("banjo"), {kG4, kD3, kG3, kB3, kD4}, 11},
        {Instrument::Bass, QStringLiteral("bass"), QStringLiteral("bass"), {kE1, kA1, kD2, kG2}, 8},
        {Instrument::Bass2, QStringLiteral("bass2"), QStringLiteral("bass"), {kE1, kA1, kD2, kG2}, 13},
        {Instrument::Balalaika, QStringLiteral("balalaika"), QStringLiteral("balalaika"), {kE4, kE4, kA4}, 9},
    };
    return s_layouts;
}

Layout const& layout(Instrument instrument)
{
    return layouts().at(int(instrument));
}

QString noteName(int midi)
{
    static char const* const kNames[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};
    return QString::fromLatin1(kNames[midi % 12]) + QString::number(midi / 12 - 1);
}

QString sampleFileName(QString const& prefix, int midi)
{
    return prefix + QStringLiteral("_440_") + noteName(midi) + QStringLiteral(".mp3");
}

int soundingNote(Layout const& layout, int string, int value)
{
    // One unsigned comparison keeps negative values out as well.
    if (string < 0 || string >= layout.openNotes.size() || unsigned(value) > unsigned(layout.highestValue))
        return -1;
    return layout.openNotes.at(string) + value;
}

QString sampleFileFor(Layout const& layout, int string, int value)
{
    int const midi = soundingNote(layout, string, value);
    return midi < 0 ? QString() : sampleFileName(layout.samplePrefix, midi);
}

QStringList sampleFiles(Layout const& layout)
{
    auto const range = std::minmax_element(layout.openNotes.begin(), layout.openNotes.end());
    QStringList files;
    for (int midi = *range.first; midi <= *range.second + layout.highestValue; ++midi)
        files << sampleFileName(layout.samplePrefix, midi);
    return files;
}

QVector<QVector<int>> tabs(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Ukulele:
        return collect<4>(&ukuleleChords);
    case Instrument::Piano:
        return collect<24>(&pianoChords);
    case Instrument::Mandolin:
        return collect<4>(&mandolinChords);
    case Instrument::Guitar:
        return collect<6>(&guitarChords);
    case Instrument::Banjo:
        return collect<5>(&banjoChords);
    case Instrument::Bass:
        return collect<4>(&bassChords);
    case Instrument::Bass2:
        return collect<4>(&bass2Chords);
    case Instrument::Balalaika:
        return collect<3>(&balalaikaChords);
    }
    return QVector<QVector<int>>(kChordCount);
}

} // namespace ChordTables
} // namespace RADarir
