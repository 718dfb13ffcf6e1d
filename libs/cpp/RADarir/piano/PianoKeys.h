#pragma once
// The 88 keys of the piano: where each lies on the keyboard picture, what it is
// called and which sample sounds it. The keyboard widget's hit test and the
// asset generator that draws the keyboard pictures both read the tables below,
// so a key is lit exactly where it is clicked.
//
// Key numbers follow the piano: 1 = A0, 2 = A sharp 0, 40 = C4, 49 = A4, 88 = C8.
// Positions are in a frame 800 units wide and 194 high, stretched over the picture.

#include <QString>

namespace RADarir {
namespace PianoKeys {

constexpr int kKeyCount = 88;
constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 194;

// The rows of the hit test: the black keys (and the white keys between them)
// from kBlackTop to kWhiteFrontTop, the fronts of the white keys below that.
constexpr int kBlackTop = 69;
constexpr int kWhiteFrontTop = 112;
constexpr int kWhiteBottom = 135;

// One key's half-open range lo <= X < hi; name is "C4" for a white key and the
// white key below followed by "#" ("C4#") for a black key.
struct Range
{
    char const* name;
    int lo;
    int hi;
};

// The white keys, side by side without gaps.
constexpr Range kWhiteKeys[] = {
    {"A0", 20, 37},   {"B0", 37, 51},   {"C1", 51, 65},   {"D1", 65, 79},   {"E1", 79, 94},   {"F1", 94, 109},
    {"G1", 109, 123}, {"A1", 123, 138}, {"B1", 138, 153}, {"C2", 153, 167}, {"D2", 167, 182}, {"E2", 182, 197},
    {"F2", 197, 212}, {"G2", 212, 226}, {"A2", 226, 241}, {"B2", 241, 256}, {"C3", 256, 271}, {"D3", 271, 285},
    {"E3", 285, 299}, {"F3", 299, 315}, {"G3", 315, 330}, {"A3", 330, 344}, {"B3", 344, 358}, {"C4", 358, 373},
    {"D4", 373, 388}, {"E4", 388, 403}, {"F4", 403, 418}, {"G4", 418, 432}, {"A4", 432, 447}, {"B4", 447, 462},
    {"C5", 462, 477}, {"D5", 477, 491}, {"E5", 491, 505}, {"F5", 505, 520}, {"G5", 520, 535}, {"A5", 535, 550},
    {"B5", 550, 564}, {"C6", 564, 579}, {"D6", 579, 594}, {"E6", 594, 609}, {"F6", 609, 623}, {"G6", 623, 638},
    {"A6", 638, 653}, {"B6", 653, 667}, {"C7", 667, 682}, {"D7", 682, 697}, {"E7", 697, 711}, {"F7", 711, 726},
    {"G7", 726, 741}, {"A7", 741, 756}, {"B7", 756, 776}, {"C8", 776, 790},
};

// The black keys; the gaps between their ranges are the key borders.
constexpr Range kBlackKeys[] = {
    {"A0#", 32, 42},   {"C1#", 60, 71},   {"D1#", 75, 85},   {"F1#", 105, 115}, {"G1#", 119, 129}, {"A1#", 134, 144},
    {"C2#", 162, 172}, {"D2#", 178, 188}, {"F2#", 207, 217}, {"G2#", 222, 232}, {"A2#", 237, 247}, {"C3#", 266, 276},
    {"D3#", 280, 290}, {"F3#", 311, 321}, {"G3#", 326, 336}, {"A3#", 340, 350}, {"C4#", 369, 379}, {"D4#", 382, 392},
    {"F4#", 414, 424}, {"G4#", 428, 438}, {"A4#", 443, 453}, {"C5#", 472, 482}, {"D5#", 487, 497}, {"F5#", 516, 526},
    {"G5#", 530, 540}, {"A5#", 545, 555}, {"C6#", 574, 584}, {"D6#", 589, 599}, {"F6#", 619, 629}, {"G6#", 634, 644},
    {"A6#", 648, 658}, {"C7#", 678, 688}, {"D7#", 693, 703}, {"F7#", 722, 732}, {"G7#", 737, 747}, {"A7#", 752, 762},
};

// The parts of the white keys that show between the black keys, searched after
// the black keys, so where they overlap a black key the black key wins.
constexpr Range kWhiteSlivers[] = {
    {"A0", 22, 32},   {"B0", 43, 50},   {"C1", 51, 61},   {"D1", 71, 74},   {"E1", 86, 93},   {"F1", 94, 104},
    {"G1", 115, 119}, {"A1", 130, 133}, {"B1", 144, 152}, {"C2", 153, 162}, {"D2", 173, 177}, {"E2", 188, 196},
    {"F2", 197, 206}, {"G2", 217, 221}, {"A2", 232, 236}, {"B2", 247, 255}, {"C3", 256, 266}, {"D3", 276, 280},
    {"E3", 290, 298}, {"F3", 299, 310}, {"G3", 320, 325}, {"A3", 335, 339}, {"B3", 350, 357}, {"C4", 358, 368},
    {"D4", 379, 383}, {"E4", 393, 402}, {"F4", 403, 413}, {"G4", 422, 428}, {"A4", 438, 442}, {"B4", 452, 461},
    {"C5", 460, 472}, {"D5", 483, 487}, {"E5", 497, 504}, {"F5", 505, 515}, {"G5", 525, 530}, {"A5", 540, 544},
    {"B5", 555, 563}, {"C6", 563, 573}, {"D6", 585, 589}, {"E6", 599, 608}, {"F6", 609, 618}, {"G6", 627, 634},
    {"A6", 644, 647}, {"B6", 658, 666}, {"C7", 667, 678}, {"D7", 684, 692}, {"E7", 704, 710}, {"F7", 711, 721},
    {"G7", 730, 736}, {"A7", 747, 757}, {"B7", 760, 770}, {"C8", 770, 784},
};

// The key of a natural note name ("C4", letter and one octave digit) raised by a
// sharp (accidental 1) or lowered by a flat (-1): D flat 4 is the key of C sharp 4.
// A note raised past C8 or lowered below A0 stays on the last key. 0 for a name
// that is no natural note of the piano ("H4", "D8", "C", "").
inline int keyNumber(QString const& name, int accidental)
{
    if (name.size() != 2 || !name.at(1).isDigit())
        return 0;
    static char const kLetters[] = "CDEFGAB";
    static int const kOffsets[] = {4, 6, 8, 9, 11, 13, 15};
    int letter = -1;
    for (int i = 0; i < 7; ++i)
        if (name.at(0) == QLatin1Char(kLetters[i]))
            letter = i;
    if (letter < 0)
        return 0;
    int const natural = name.at(1).digitValue() * 12 + kOffsets[letter] - 12;
    if (natural < 1 || natural > kKeyCount)
        return 0;
    int const key = natural + accidental;
    return key < 1 ? 1 : (key > kKeyCount ? kKeyCount : key);
}

// The key's note as the sample files write it: letter, "d" for a sharp, octave
// digit ("A0", "Cd4", "C8"); empty for a number that is no key.
inline QString sampleNote(int key)
{
    if (key < 1 || key > kKeyCount)
        return QString();
    static char const* const kNames[] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};
    int const midi = key + 20;
    return QLatin1String(kNames[midi % 12]) + QString::number(midi / 12 - 1);
}

// The key of a name of the tables above ("C4", "C4#"); 0 for any other text.
inline int keyOfRangeName(QString const& name)
{
    bool const sharp = name.endsWith(QLatin1Char('#'));
    if (name.size() != (sharp ? 3 : 2))
        return 0;
    return keyNumber(name.left(2), sharp ? 1 : 0);
}

} // namespace PianoKeys
} // namespace RADarir
