// The five-string banjo's voicings in open G tuning; the short string comes
// first and is only ever open or silent.
// Values in the order of the short G4 string, then D3, G3, B3 and D4; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void banjoChords(BanjoSink const& setChord)
{
    setChord(0, -1, 2, 2, 2, 2);  // A
    setChord(1, -1, 2, 2, 1, 2);  // Am
    setChord(2, -1, 3, 2, 2, 3);  // Aaug
    setChord(3, -1, 4, 2, 1, 1);  // Adim
    setChord(4, -1, 2, 2, 2, 4);  // A6
    setChord(5, -1, 2, 2, 1, 4);  // Am6
    setChord(6, 0, 5, 2, 2, 2);   // A7
    setChord(7, -1, 2, 1, 2, 2);  // Amaj7
    setChord(8, 0, 2, 2, 1, 2);   // Am7
    setChord(9, -1, 5, 4, 2, 2);  // A9
    setChord(10, -1, 2, 2, 3, 2); // Asus4

    setChord(11, -1, 1, 1, 1, 1); // A♭
    setChord(12, -1, 1, 1, 0, 1); // A♭m
    setChord(13, -1, 2, 1, 1, 2); // A♭aug
    setChord(14, -1, 0, 1, 0, 3); // A♭dim
    setChord(15, -1, 3, 1, 1, 1); // A♭6
    setChord(16, -1, 1, 1, 0, 3); // A♭m6
    setChord(17, -1, 1, 1, 1, 4); // A♭7
    setChord(18, 0, 6, 5, 4, 5);  // A♭maj7
    setChord(19, -1, 6, 4, 4, 4); // A♭m7
    setChord(20, -1, 4, 3, 1, 1); // A♭9
    setChord(21, -1, 1, 1, 2, 1); // A♭sus4

    setChord(22, -1, 4, 4, 4, 4); // B
    setChord(23, -1, 4, 4, 0, 0); // Bm
    setChord(24, 0, 1, 0, 0, 1);  // Baug
    setChord(25, -1, 3, 1, 0, 0); // Bdim
    // The B major barre with the sixth on top: F♯, B, D♯, G♯.
    setChord(26, -1, 4, 4, 4, 6); // B6
    setChord(27, -1, 0, 1, 0, 4); // Bm6
    setChord(28, -1, 4, 2, 0, 1); // B7
    setChord(29, -1, 4, 3, 0, 1); // Bmaj7
    setChord(30, -1, 0, 2, 0, 4); // Bm7
    setChord(31, -1, 1, 2, 2, 4); // B9
    setChord(32, -1, 4, 4, 5, 4); // Bsus4

    setChord(33, -1, 3, 3, 3, 3); // B♭
    setChord(34, -1, 3, 3, 2, 3); // B♭m
    setChord(35, -1, 4, 3, 3, 4); // B♭aug
    setChord(36, 0, 2, 3, 2, 5);  // B♭dim
    setChord(37, 0, 3, 3, 3, 5);  // B♭6
    setChord(38, 0, 3, 3, 2, 5);  // B♭m6
    setChord(39, -1, 3, 3, 3, 6); // B♭7
    setChord(40, -1, 3, 2, 3, 3); // B♭maj7
    setChord(41, -1, 3, 3, 2, 3); // B♭m7
    setChord(42, -1, 0, 1, 1, 3); // B♭9
    setChord(43, -1, 3, 3, 4, 3); // B♭sus4

    setChord(44, 0, 2, 0, 1, 2);  // C
    setChord(45, 0, 1, 0, 1, 1);  // Cm
    setChord(46, -1, 2, 1, 1, 2); // Caug
    setChord(47, -1, 1, 2, 1, 4); // Cdim
    setChord(48, 0, 0, 2, 5, 5);  // C6
    setChord(49, 0, 1, 2, 1, 1);  // Cm6
    setChord(50, -1, 2, 3, 1, 2); // C7
    setChord(51, 0, 2, 5, 0, 5);  // Cmaj7
    setChord(52, -1, 1, 3, 1, 1); // Cm7
    setChord(53, -1, 2, 3, 1, 0); // C9
    setChord(54, -1, 5, 5, 6, 5); // Csus4

    setChord(55, -1, 0, 2, 3, 4); // D
    setChord(56, -1, 0, 2, 3, 3); // Dm
    setChord(57, -1, 4, 3, 3, 4); // Daug
    setChord(58, -1, 0, 4, 6, 6); // Ddim
    setChord(59, -1, 0, 2, 0, 4); // D6
    setChord(60, -1, 0, 2, 0, 3); // Dm6
    setChord(61, -1, 0, 2, 1, 4); // D7
    setChord(62, -1, 0, 2, 2, 4); // Dmaj7
    setChord(63, -1, 3, 2, 1, 0); // Dm7
    setChord(64, -1, 0, 5, 5, 4); // D9
    setChord(65, 0, 5, 2, 3, 0);  // Dsus4

    setChord(66, -1, 3, 1, 2, 3);  // D♭
    setChord(67, -1, 2, 1, 2, 2);  // D♭m
    setChord(68, -1, 3, 2, 2, 3);  // D♭aug
    setChord(69, 0, 2, 3, 2, 5);   // D♭dim
    setChord(70, -1, 1, 3, 2, 3);  // D♭6
    setChord(71, -1, 2, 3, 2, 2);  // D♭m6
    setChord(72, -1, 3, 6, 0, 6);  // D♭7
    setChord(73, -1, -1, 1, 1, 3); // D♭maj7
    setChord(74, -1, 2, 4, 2, 2);  // D♭m7
    setChord(75, -1, 3, 4, 2, 1);  // D♭9
    // The D♭ major shape with the fourth for the third: F♯, G♯, C♯, F♯.
    setChord(76, -1, 4, 1, 2, 4); // D♭sus4

    setChord(77, -1, 2, 1, 0, 2); // E
    setChord(78, 0, 2, 0, 0, 2);  // Em
    setChord(79, -1, 2, 1, 1, 2); // Eaug
    setChord(80, 0, 2, 3, 2, 5);  // Edim
    setChord(81, -1, 2, 1, 2, 2); // E6
    setChord(82, 0, 5, 4, 2, 2);  // Em6
    setChord(83, -1, 2, 1, 0, 0); // E7
    setChord(84, -1, 2, 1, 0, 1); // Emaj7
    setChord(85, 0, 2, 0, 0, 0);  // Em7
    setChord(86, -1, 2, 1, 3, 4); // E9
    setChord(87, -1, 2, 2, 0, 2); // Esus4

    setChord(88, 0, 5, 3, 4, 5);  // E♭
    setChord(89, -1, 1, 3, 4, 4); // E♭m
    setChord(90, -1, 1, 0, 0, 1); // E♭aug
    setChord(91, -1, 1, 2, 1, 4); // E♭dim
    setChord(92, -1, 1, 0, 1, 1); // E♭6
    setChord(93, -1, 1, 3, 1, 4); // E♭m6
    setChord(94, -1, 3, 3, 2, 5); // E♭7
    setChord(95, 0, 0, 3, 4, 5);  // E♭maj7
    // The E♭ minor shape with the seventh: D♯, A♯, C♯, F♯.
    setChord(96, -1, 1, 3, 2, 4); // E♭m7
    setChord(97, -1, 1, 0, 2, 3); // E♭9
    setChord(98, -1, 6, 3, 4, 6); // E♭sus4

    setChord(99, -1, 3, 2, 1, 3);  // F
    setChord(100, -1, 3, 1, 1, 3); // Fm
    setChord(101, -1, 3, 2, 2, 3); // Faug
    setChord(102, -1, 3, 1, 0, 0); // Fdim
    setChord(103, -1, 3, 2, 1, 0); // F6
    setChord(104, -1, 3, 1, 1, 0); // Fm6
    setChord(105, -1, 3, 2, 1, 1); // F7
    setChord(106, -1, 3, 2, 1, 2); // Fmaj7
    setChord(107, -1, 3, 1, 1, 1); // Fm7
    setChord(108, -1, 3, 2, 4, 5); // F9
    setChord(109, -1, 3, 3, 1, 3); // Fsus4

    setChord(110, 0, 0, 0, 0, 0);  // G
    setChord(111, 0, 5, 3, 3, 5);  // Gm
    setChord(112, 0, 1, 0, 0, 1);  // Gaug
    setChord(113, 0, 5, 3, 2, 2);  // Gdim
    setChord(114, 0, 2, 0, 0, 0);  // G6
    setChord(115, 0, 2, 3, 3, 5);  // Gm6
    setChord(116, -1, 3, 0, 0, 3); // G7
    setChord(117, 0, 4, 0, 0, 0);  // Gmaj7
    setChord(118, 0, 5, 3, 6, 0);  // Gm7
    setChord(119, 0, 3, 2, 0, 0);  // G9
    setChord(120, -1, 0, 0, 1, 0); // Gsus4

    setChord(121, -1, 4, 3, 2, 4); // G♭
    setChord(122, -1, 4, 2, 2, 4); // G♭m
    setChord(123, -1, 0, 3, 3, 4); // G♭aug
    setChord(124, -1, 4, 2, 1, 1); // G♭dim
    setChord(125, -1, 4, 3, 2, 1); // G♭6
    setChord(126, -1, 1, 2, 2, 4); // G♭m6
    setChord(127, -1, 4, 3, 2, 2); // G♭7
    setChord(128, -1, 4, 3, 2, 3); // G♭maj7
    setChord(129, -1, 4, 2, 2, 2); // G♭m7
    setChord(130, -1, 4, 3, 5, 6); // G♭9
    setChord(131, -1, 4, 4, 2, 4); // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
