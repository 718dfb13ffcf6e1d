// The voicings of the eight chord pages as music: every sounding string plays
// a note of the chord that the index names (the pitch classes derived here from
// root and type, the tuning taken from the instruments themselves, not from the
// tables' code), every stopped fret has a cell in the chord diagram, and the
// bass page mirrors the mandolin's.
#include "RADarir/chordpages/tables/ChordTables.h"

#include "TestSupport/NoteNumbers.h"
#include "assets/generator/InstrumentSamples.h"

#include <QtTest>

#include <set>

using namespace RADarir::ChordTables;

namespace {

// Roots and types in chord-index order.
QStringList const kRoots = {"A", "A♭", "B", "B♭", "C", "D", "D♭", "E", "E♭", "F", "G", "G♭"};
int const kRootPitchClass[12] = {9, 8, 11, 10, 0, 2, 1, 4, 3, 5, 7, 6};
QStringList const kTypes = {"", "m", "aug", "dim", "6", "m6", "7", "maj7", "m7", "9", "sus4"};
QVector<QVector<int>> const kIntervals = {{0, 4, 7},     {0, 3, 7},        {0, 4, 8},     {0, 3, 6, 9},
                                          {0, 4, 7, 9},  {0, 3, 7, 9},     {0, 4, 7, 10}, {0, 4, 7, 11},
                                          {0, 3, 7, 10}, {0, 4, 7, 10, 2}, {0, 5, 7}};

QString chordName(int index)
{
    return kRoots.at(index / 11) + kTypes.at(index % 11);
}

std::set<int> chordPitchClasses(int index)
{
    std::set<int> classes;
    for (int interval : kIntervals.at(index % 11))
        classes.insert((kRootPitchClass[index / 11] + interval) % 12);
    return classes;
}

// The MIDI notes that a voicing sounds on the given tuning.
QVector<int> sounding(QVector<int> const& tab, QVector<int> const& tuning)
{
    QVector<int> result;
    for (int i = 0; i < tab.size() && i < tuning.size(); ++i) {
        if (tab.at(i) >= 0)
            result << tuning.at(i) + tab.at(i);
    }
    return result;
}

QString spelled(QVector<int> const& midis)
{
    QStringList names;
    for (int midi : midis)
        names << InstrumentSamples::noteName(midi);
    return names.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(Instrument)

class TestChordTables : public QObject
{
    Q_OBJECT
private:
    void instrumentRows()
    {
        QTest::addColumn<Instrument>("instrument");
        QTest::addColumn<QVector<int>>("tuning");
        QTest::addColumn<int>("lowestCell");
        QTest::addColumn<int>("highestCell");
        QTest::addColumn<QStringList>("otherNotes");

        QTest::newRow("ukulele") << Instrument::Ukulele << NoteNumbers::fromNames("G4 C4 E4 A4") << 1 << 6
                                 << QStringList();
        QTest::newRow("piano") << Instrument::Piano << NoteNumbers::pianoChordKeys() << 0 << 0 << QStringList();
        QTest::newRow("mandolin") << Instrument::Mandolin << NoteNumbers::fromNames("G3 D4 A4 E5") << 1 << 6
                                  << QStringList();
        QTest::newRow("guitar") << Instrument::Guitar << NoteNumbers::fromNames("E2 A2 D3 G3 B3 E4") << 1 << 6
                                << QStringList();
        // Three banjo voicings add the ninth.
        QTest::newRow("banjo") << Instrument::Banjo << NoteNumbers::fromNames("G4 D3 G3 B3 D4") << 1 << 6
                               << QStringList{"C6", "D♭6", "E♭7"};
        QTest::newRow("bass") << Instrument::Bass << NoteNumbers::fromNames("E1 A1 D2 G2") << 1 << 6 << QStringList();
        // The second bass layout's diagram shows the cells of frets 5 to 12.
        QTest::newRow("bass2") << Instrument::Bass2 << NoteNumbers::fromNames("E1 A1 D2 G2") << 5 << 12
                               << QStringList();
        QTest::newRow("balalaika") << Instrument::Balalaika << NoteNumbers::fromNames("E4 E4 A4") << 1 << 6
                                   << QStringList();
    }

private slots:
    void soundingNotesBelongToTheChord_data() { instrumentRows(); }
    void soundingNotesBelongToTheChord()
    {
        QFETCH(Instrument, instrument);
        QFETCH(QVector<int>, tuning);
        QFETCH(QStringList, otherNotes);

        QVector<QVector<int>> const all = tabs(instrument);
        QCOMPARE(all.size(), 132);
        QStringList offenders;
        for (int index = 0; index < all.size(); ++index) {
            QVector<int> const& tab = all.at(index);
            QVERIFY2(tab.size() == tuning.size(), qPrintable(chordName(index)));
            QVector<int> const notes = sounding(tab, tuning);
            // A chord needs three notes at least; an unfilled entry has none.
            QVERIFY2(notes.size() >= 3, qPrintable(chordName(index)));
            std::set<int> const classes = chordPitchClasses(index);
            for (int midi : notes) {
                if (!classes.count(midi % 12)) {
                    offenders << chordName(index);
                    break;
                }
            }
        }
        QCOMPARE(offenders, otherNotes);
    }

    // Every voicing sounds its root, but for the cells whose voicing comes
    // without one from the instruments' chord charts, listed by name: a cell
    // we voice ourselves always sounds its root.
    void rootSounds_data()
    {
        QTest::addColumn<Instrument>("instrument");
        QTest::addColumn<QVector<int>>("tuning");
        QTest::addColumn<QStringList>("rootless");
        // The ukulele's ninths leave out the root for the ninth.
        QTest::newRow("ukulele") << Instrument::Ukulele << NoteNumbers::fromNames("G4 C4 E4 A4")
                                 << QStringList{"A9",  "A♭9", "B9",  "B♭9", "C9", "D9",
                                                "D♭9", "E9",  "E♭9", "F9",  "G9", "G♭9"};
        QTest::newRow("piano") << Instrument::Piano << NoteNumbers::pianoChordKeys() << QStringList();
        QTest::newRow("mandolin") << Instrument::Mandolin << NoteNumbers::fromNames("G3 D4 A4 E5")
                                  << QStringList{"C9", "D9", "D♭9", "E9"};
        QTest::newRow("guitar") << Instrument::Guitar << NoteNumbers::fromNames("E2 A2 D3 G3 B3 E4")
                                << QStringList{"B9", "C9", "D♭9"};
        QTest::newRow("banjo") << Instrument::Banjo << NoteNumbers::fromNames("G4 D3 G3 B3 D4")
                               << QStringList{"Amaj7", "A9", "A♭9", "B9", "B♭maj7", "B♭9", "C6", "D♭maj7", "E♭7"};
        QTest::newRow("bass") << Instrument::Bass << NoteNumbers::fromNames("E1 A1 D2 G2")
                              << QStringList{"C9", "D9", "D♭9", "E9"};
        QTest::newRow("bass2") << Instrument::Bass2 << NoteNumbers::fromNames("E1 A1 D2 G2")
                               << QStringList{"Bm6", "Cm6", "E9"};
        // Three strings, two in unison: the balalaika's chart often gives the
        // root up for the notes that make the chord's colour. The cells we
        // voiced ourselves (Bm6, B7, D♭m7, Fsus4) all sound their root.
        QTest::newRow("balalaika") << Instrument::Balalaika << NoteNumbers::fromNames("E4 E4 A4")
                                   << QStringList{"Aaug",  "A6",    "Am6",    "A7",     "Amaj7",  "Am7",   "A9",
                                                  "A♭aug", "A♭6",   "A♭9",    "Bm",     "Bmaj7",  "Bm7",   "B9",
                                                  "B♭m",   "B♭aug", "B♭m6",   "B♭maj7", "B♭m7",   "B♭9",   "Cm",
                                                  "C7",    "Cmaj7", "Cm7",    "C9",     "Dm",     "Ddim",  "D6",
                                                  "Dm6",   "D7",    "Dmaj7",  "Dm7",    "D9",     "D♭dim", "D♭6",
                                                  "D♭m6",  "D♭7",   "D♭maj7", "D♭9",    "E♭",     "E♭m",   "E♭aug",
                                                  "E♭dim", "E♭6",   "E♭m6",   "E♭7",    "E♭maj7", "E♭m7",  "E♭9",
                                                  "G♭9"};
    }
    void rootSounds()
    {
        QFETCH(Instrument, instrument);
        QFETCH(QVector<int>, tuning);
        QFETCH(QStringList, rootless);
        QVector<QVector<int>> const all = tabs(instrument);
        QStringList without;
        for (int index = 0; index < all.size(); ++index) {
            bool root = false;
            for (int midi : sounding(all.at(index), tuning))
                root = root || midi % 12 == kRootPitchClass[index / 11];
            if (!root)
                without << chordName(index);
        }
        QCOMPARE(without, rootless);
    }

    // A stopped string must have a cell to show its dot in; the piano only
    // knows pressed (0) and silent (-1).
    void everyFretHasADiagramCell_data() { instrumentRows(); }
    void everyFretHasADiagramCell()
    {
        QFETCH(Instrument, instrument);
        QFETCH(int, lowestCell);
        QFETCH(int, highestCell);

        QVector<QVector<int>> const all = tabs(instrument);
        for (int index = 0; index < all.size(); ++index) {
            for (int value : all.at(index)) {
                bool const drawable = value == -1 || value == 0 || (value >= lowestCell && value <= highestCell);
                QVERIFY2(drawable, qPrintable(QStringLiteral("%1: %2").arg(chordName(index)).arg(value)));
            }
        }
    }

    // Voicings whose notes are known note for note.
    void voicingNotes_data()
    {
        QTest::addColumn<Instrument>("instrument");
        QTest::addColumn<QVector<int>>("tuning");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");

        QVector<int> const guitar = NoteNumbers::fromNames("E2 A2 D3 G3 B3 E4");
        QTest::newRow("ukulele A9 without its root")
            << Instrument::Ukulele << NoteNumbers::fromNames("G4 C4 E4 A4") << 9 << "G4 Cd4 E4 B4";
        QTest::newRow("ukulele G♭sus4") << Instrument::Ukulele << NoteNumbers::fromNames("G4 C4 E4 A4") << 131
                                        << "B4 Cd4 Fd4 Cd5";
        QTest::newRow("mandolin C9") << Instrument::Mandolin << NoteNumbers::fromNames("G3 D4 A4 E5") << 53
                                     << "G3 D4 Ad4 E5";
        QTest::newRow("bass C9") << Instrument::Bass << NoteNumbers::fromNames("E1 A1 D2 G2") << 53 << "E1 Ad1 D2 G2";
        QTest::newRow("bass2 D9") << Instrument::Bass2 << NoteNumbers::fromNames("E1 A1 D2 G2") << 64 << "D2 A2 C3 Fd3";
        QTest::newRow("guitar A") << Instrument::Guitar << guitar << 0 << "E2 A2 E3 A3 Cd4 E4";
        // Fret 7 has no cell in the diagram: the voicing stays within six frets.
        QTest::newRow("guitar D♭sus4") << Instrument::Guitar << guitar << 76 << "Cd3 Fd3 Gd3 Cd4 Fd4";
        QTest::newRow("piano B9, ninth below the root")
            << Instrument::Piano << NoteNumbers::pianoChordKeys() << 31 << "Cd3 B3 Dd4 Fd4 A4";
        QTest::newRow("piano G♭9") << Instrument::Piano << NoteNumbers::pianoChordKeys() << 130 << "Fd3 Ad3 Cd4 E4 Gd4";
        QTest::newRow("balalaika D") << Instrument::Balalaika << NoteNumbers::fromNames("E4 E4 A4") << 55 << "A4 A4 D5";
    }
    void voicingNotes()
    {
        QFETCH(Instrument, instrument);
        QFETCH(QVector<int>, tuning);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(spelled(sounding(tabs(instrument).at(index), tuning)), expected);
    }

    // The mandolin's strings G, D, A, E and the bass's E, A, D, G carry the
    // same note names in reverse order: the bass holds the mandolin's shapes
    // reversed, so that both play the same chord tones.
    void bassMirrorsTheMandolin()
    {
        QVector<QVector<int>> const mandolin = tabs(Instrument::Mandolin);
        QVector<QVector<int>> const bass = tabs(Instrument::Bass);
        for (int index = 0; index < kChordCount; ++index) {
            QVector<int> reversed(mandolin.at(index).rbegin(), mandolin.at(index).rend());
            QVERIFY2(bass.at(index) == reversed, qPrintable(chordName(index)));
        }
    }
};

QTEST_GUILESS_MAIN(TestChordTables)
#include "tst_chordtables.moc"
