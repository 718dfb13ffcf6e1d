// Chord identity: every one of the 231 chord names maps to its chord index,
// and every other text maps to no chord at all.
#include "RADarir/music/ChordNames.h"
#include "RADarir/music/ChordsButtonsPanel.h"

#include <QtTest>

using namespace RADarir;

namespace {

QString const kFlat = QString(QChar(0x266D));

struct RootName
{
    QString name;
    int root;
};

// The 21 root names and the root each one means, written out by hand.
QList<RootName> rootNames()
{
    return {{"A", 0},   {"A" + kFlat, 1},  {"B", 2},   {"B" + kFlat, 3}, {"C", 4},   {"C" + kFlat, 2},
            {"D", 5},   {"D" + kFlat, 6},  {"E", 7},   {"E" + kFlat, 8}, {"F", 9},   {"F" + kFlat, 7},
            {"G", 10},  {"G" + kFlat, 11}, {"A #", 3}, {"B #", 4},       {"C #", 6}, {"D #", 8},
            {"E #", 9}, {"F #", 11},       {"G #", 1}};
}

// Type suffixes in index order.
QStringList const kSuffixes = {"", "m", "aug", "dim", "6", "m6", "7", "maj7", "m7", "9", "sus4"};

} // namespace

class TestChordNames : public QObject
{
    Q_OBJECT
private slots:
    void everyChordName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        for (RootName const& root : rootNames()) {
            for (int type = 0; type < kSuffixes.size(); ++type) {
                QString const name = root.name + kSuffixes.at(type);
                QTest::newRow(qPrintable(name)) << name << root.root * 11 + type;
            }
        }
    }
    void everyChordName()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(ChordsButtonsPanel::stringToChord(name), index);
        QCOMPARE(ChordNames::chordIndex(name), index);
    }

    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("A") << "A" << 0;
        QTest::newRow("Am") << "Am" << 1;
        QTest::newRow("Gsus4") << "Gsus4" << 120;
        QTest::newRow("G flat sus4") << "G" + kFlat + "sus4" << 131;
        QTest::newRow("F # sus4") << "F #sus4" << 131;
        QTest::newRow("B flat maj7") << "B" + kFlat + "maj7" << 40;
        QTest::newRow("F # m7") << "F #m7" << 129;
        QTest::newRow("C flat") << "C" + kFlat << 22;
        QTest::newRow("C flat sus4") << "C" + kFlat + "sus4" << 32;
        QTest::newRow("B # m7") << "B #m7" << 52;
        QTest::newRow("F flat 6") << "F" + kFlat + "6" << 81;
        QTest::newRow("E # 9") << "E #9" << 108;
        QTest::newRow("G # m") << "G #m" << 12;
    }
    void examples()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(ChordNames::chordIndex(name), index);
    }

    // The twelve root names of the roots table, each with the eleven suffixes
    // in order, count through every index from 0 to 131.
    void indicesInOrder()
    {
        QStringList const roots = {"A",         "A" + kFlat, "B",         "B" + kFlat, "C", "D",
                                   "D" + kFlat, "E",         "E" + kFlat, "F",         "G", "G" + kFlat};
        int expected = 0;
        for (QString const& root : roots) {
            for (QString const& suffix : kSuffixes)
                QCOMPARE(ChordNames::chordIndex(root + suffix), expected++);
        }
        QCOMPARE(expected, ChordNames::kChordCount);
    }

    // Unreadable names are no chord, not the last index (G♭sus4).
    void notAChord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("lower-case root") << "am";
        QTest::newRow("flat as letter b") << "Ab";
        QTest::newRow("sharp without space") << "F#";
        QTest::newRow("sharp with two spaces") << "F  #";
        QTest::newRow("leading blank") << " A";
        QTest::newRow("trailing blank") << "Am ";
        QTest::newRow("line break inside") << "A\nm";
        QTest::newRow("add9") << "Aadd9";
        QTest::newRow("7sus4") << "A7sus4";
        QTest::newRow("min") << "Amin";
        QTest::newRow("M7") << "AM7";
        QTest::newRow("suffix alone") << "sus4";
        QTest::newRow("letter H") << "H";
        QTest::newRow("flat sign alone") << kFlat;
    }
    void notAChord()
    {
        QFETCH(QString, name);
        QCOMPARE(ChordNames::chordIndex(name), -1);
        QCOMPARE(ChordsButtonsPanel::stringToChord(name), -1);
    }

    void rootNamesOfThePanel()
    {
        // The panel's order: naturals, flats, sharps.
        QStringList const naturals = {"A", "B", "C", "D", "E", "F", "G"};
        QStringList ordered;
        for (QString const& letter : naturals)
            ordered << letter;
        for (QString const& letter : naturals)
            ordered << letter + kFlat;
        for (QString const& letter : naturals)
            ordered << letter + " #";
        QCOMPARE(ChordNames::rootNames(), ordered);
        for (RootName const& root : rootNames())
            QCOMPARE(ChordNames::rootOfName(root.name), root.root);
        QCOMPARE(ChordNames::rootOfName("H"), -1);
    }
};

QTEST_GUILESS_MAIN(TestChordNames)
#include "tst_chordnames.moc"
