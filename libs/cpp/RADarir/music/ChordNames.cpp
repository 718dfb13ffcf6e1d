#include "RADarir/music/ChordNames.h"

#include <QHash>

namespace RADarir {
namespace ChordNames {

namespace {

QString const kLetters = QStringLiteral("ABCDEFG");

// The root each letter's natural, flat and sharp form means, by letter A to G.
constexpr int kNaturalRoot[7] = {0, 2, 4, 5, 7, 9, 10};
constexpr int kFlatRoot[7] = {1, 3, 2, 6, 8, 7, 11};
constexpr int kSharpRoot[7] = {3, 4, 6, 8, 9, 11, 1};

// Semitones above C of the roots in index order A, A♭, B, B♭, C, D, D♭, E, E♭, F, G, G♭.
constexpr int kPitchClass[kRootCount] = {9, 8, 11, 10, 0, 2, 1, 4, 3, 5, 7, 6};

struct Tables
{
    QStringList rootNames;
    QList<int> rootOfName; // beside rootNames
    QHash<QString, int> chordIndex;
};

Tables const& tables()
{
    static Tables const t = [] {
        Tables tables;
        for (int i = 0; i < 7; ++i) {
            tables.rootNames << QString(kLetters.at(i));
            tables.rootOfName << kNaturalRoot[i];
        }
        for (int i = 0; i < 7; ++i) {
            tables.rootNames << QString(kLetters.at(i)) + kFlatSign;
            tables.rootOfName << kFlatRoot[i];
        }
        for (int i = 0; i < 7; ++i) {
            tables.rootNames << QString(kLetters.at(i)) + sharpMark();
            tables.rootOfName << kSharpRoot[i];
        }
        QStringList const types = suffixes();
        for (int r = 0; r < tables.rootNames.size(); ++r) {
            for (int type = 0; type < types.size(); ++type)
                tables.chordIndex.insert(tables.rootNames.at(r) + types.at(type),
                                         tables.rootOfName.at(r) * kTypeCount + type);
        }
        return tables;
    }();
    return t;
}

} // namespace

QStringList const& rootNames()
{
    return tables().rootNames;
}

QStringList const& suffixes()
{
    static QStringList const list = {QString(),
                                     QStringLiteral("m"),
                                     QStringLiteral("aug"),
                                     QStringLiteral("dim"),
                                     QStringLiteral("6"),
                                     QStringLiteral("m6"),
                                     QStringLiteral("7"),
                                     QStringLiteral("maj7"),
                                     QStringLiteral("m7"),
                                     QStringLiteral("9"),
                                     QStringLiteral("sus4")};
    return list;
}

int rootOfName(QString const& rootName)
{
    int const at = tables().rootNames.indexOf(rootName);
    return at < 0 ? kNoChord : tables().rootOfName.at(at);
}

int chordIndex(QString const& name)
{
    return tables().chordIndex.value(name, kNoChord);
}

int pitchClassOfRoot(int root)
{
    return root >= 0 && root < kRootCount ? kPitchClass[root] : kNoChord;
}

QString rootNameOfPitchClass(int pitchClass, bool sharps)
{
    // Names by pitch class from C, with flats and with sharps.
    static QStringList const flats = {"C",
                                      QStringLiteral("D") + kFlatSign,
                                      "D",
                                      QStringLiteral("E") + kFlatSign,
                                      "E",
                                      "F",
                                      QStringLiteral("G") + kFlatSign,
                                      "G",
                                      QStringLiteral("A") + kFlatSign,
                                      "A",
                                      QStringLiteral("B") + kFlatSign,
                                      "B"};
    static QStringList const sharpNames = {"C", "C" + sharpMark(), "D", "D" + sharpMark(), "E", "F", "F" + sharpMark(),
                                           "G", "G" + sharpMark(), "A", "A" + sharpMark(), "B"};
    int const pc = ((pitchClass % 12) + 12) % 12;
    return sharps ? sharpNames.at(pc) : flats.at(pc);
}

} // namespace ChordNames
} // namespace RADarir
