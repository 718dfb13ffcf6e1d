// The bass guitar's voicings between the fifth and the twelfth fret.
// Values in the order of the E1, A1, D2 and G2 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void bass2Chords(BassSink const& setChord)
{
    setChord(0, 9, 7, 7, 6);   // A
    setChord(1, 8, 7, 7, 9);   // Am
    setChord(2, 9, 8, 7, 6);   // Aaug
    setChord(3, 8, 9, 7, 8);   // Adim
    setChord(4, 9, 9, 7, 9);   // A6
    setChord(5, 8, 9, 7, 9);   // Am6
    setChord(6, 9, 10, 7, 9);  // A7
    setChord(7, 5, 7, 6, 6);   // Amaj7
    setChord(8, 8, 10, 7, 9);  // Am7
    setChord(9, 5, 7, 5, 6);   // A9
    setChord(10, 10, 7, 7, 7); // Asus4

    setChord(11, 8, 6, 6, 8);     // A♭
    setChord(12, 7, 6, 6, 8);     // A♭m
    setChord(13, 8, 7, 6, 9);     // A♭aug
    setChord(14, 7, 8, 6, 7);     // A♭dim
    setChord(15, 8, 8, 6, 8);     // A♭6
    setChord(16, 7, 8, 6, 8);     // A♭m6
    setChord(17, 11, 11, 10, 11); // A♭7
    setChord(18, 8, 6, 6, 0);     // A♭maj7
    setChord(19, -1, 9, 6, 8);    // A♭m7
    setChord(20, -1, 11, 10, 11); // A♭9
    setChord(21, 9, 6, 6, 6);     // A♭sus4

    setChord(22, 7, 9, 9, 8);  // B
    setChord(23, 7, 9, 9, 7);  // Bm
    setChord(24, 7, 10, 9, 8); // Baug
    setChord(25, 7, 8, 6, 7);  // Bdim
    setChord(26, 7, 9, 6, 8);  // B6
    setChord(27, -1, 9, 6, 7); // Bm6
    setChord(28, 7, 9, 7, 8);  // B7
    setChord(29, 7, 9, 8, 8);  // Bmaj7
    setChord(30, 7, 9, 7, 7);  // Bm7
    setChord(31, 7, 9, 7, 8);  // B9
    setChord(32, 7, 9, 9, 9);  // Bsus4

    setChord(33, 6, 8, 0, 7);    // B♭
    setChord(34, 6, 8, 8, 6);    // B♭m
    setChord(35, 10, 9, 8, 7);   // B♭aug
    setChord(36, 9, 10, 8, 9);   // B♭dim
    setChord(37, 10, 10, 8, 10); // B♭6
    setChord(38, 9, 10, 8, 10);  // B♭m6
    setChord(39, 6, 8, 6, 7);    // B♭7
    setChord(40, 6, 8, 7, 7);    // B♭maj7
    setChord(41, 6, 8, 6, 6);    // B♭m7
    setChord(42, 6, 8, 6, 7);    // B♭9
    setChord(43, 6, 8, 8, 8);    // B♭sus4

    setChord(44, 8, 7, 10, 0);   // C
    setChord(45, 8, 10, 10, 8);  // Cm
    setChord(46, 8, 7, 6, 9);    // Caug
    setChord(47, 8, 9, 7, 8);    // Cdim
    setChord(48, 8, 10, 7, 9);   // C6
    setChord(49, -1, 10, 7, 8);  // Cm6
    setChord(50, 8, 7, 8, 0);    // C7
    setChord(51, 8, 10, 9, 9);   // Cmaj7
    setChord(52, 8, 10, 8, 8);   // Cm7
    setChord(53, 8, 10, 8, 9);   // C9
    setChord(54, 8, 10, 10, 10); // Csus4

    setChord(55, 10, 9, 7, 7);    // D
    setChord(56, 10, 8, 7, 7);    // Dm
    setChord(57, 6, 9, 8, 7);     // Daug
    setChord(58, 7, 8, 6, 7);     // Ddim
    setChord(59, 7, 9, 7, 7);     // D6
    setChord(60, 7, 8, 7, 7);     // Dm6
    setChord(61, 8, 9, 7, 7);     // D7
    setChord(62, 9, 9, 7, 7);     // Dmaj7
    setChord(63, 8, 8, 7, 7);     // Dm7
    setChord(64, 10, 12, 10, 11); // D9
    setChord(65, 10, 10, 7, 7);   // Dsus4

    setChord(66, 9, 8, 6, 6);   // D♭
    setChord(67, 9, 7, 6, 6);   // D♭m
    setChord(68, 9, 8, 7, 6);   // D♭aug
    setChord(69, 9, 10, 8, 9);  // D♭dim
    setChord(70, 6, 8, 6, 6);   // D♭6
    setChord(71, 6, 7, 6, 6);   // D♭m6
    setChord(72, 7, 8, 6, 6);   // D♭7
    setChord(73, 8, 8, 6, 6);   // D♭maj7
    setChord(74, 7, 7, 6, 6);   // D♭m7
    setChord(75, 9, 11, 9, 10); // D♭9
    setChord(76, 9, 9, 6, 6);   // D♭sus4

    setChord(77, 7, 7, 6, 9);   // E
    setChord(78, 7, 7, 9, 0);   // Em
    setChord(79, 8, 7, 6, 9);   // Eaug
    setChord(80, 9, 10, 8, 9);  // Edim
    setChord(81, 7, 7, 6, 6);   // E6
    setChord(82, 9, 10, 9, 9);  // Em6
    setChord(83, 7, 7, 6, 7);   // E7
    setChord(84, 7, 7, 6, 8);   // Emaj7
    setChord(85, 10, 10, 9, 9); // Em7
    setChord(86, -1, 9, 9, 7);  // E9
    setChord(87, 7, 7, 7, 9);   // Esus4

    setChord(88, 6, 6, 8, 0);   // E♭
    setChord(89, 6, 9, 8, 8);   // E♭m
    setChord(90, 7, 10, 9, 8);  // E♭aug
    setChord(91, 8, 9, 7, 8);   // E♭dim
    setChord(92, 8, 10, 8, 8);  // E♭6
    setChord(93, 8, 9, 8, 8);   // E♭m6
    setChord(94, 9, 10, 8, 8);  // E♭7
    setChord(95, 10, 10, 8, 8); // E♭maj7
    setChord(96, 9, 9, 8, 8);   // E♭m7
    setChord(97, -1, 8, 8, 8);  // E♭9
    setChord(98, 6, 6, 6, 8);   // E♭sus4

    setChord(99, 8, 8, 7, 10);     // F
    setChord(100, 8, 8, 6, -1);    // Fm
    setChord(101, 9, 8, 7, 6);     // Faug
    setChord(102, 7, 8, 6, 7);     // Fdim
    setChord(103, 8, 8, 7, 7);     // F6
    setChord(104, 8, 8, 6, 7);     // Fm6
    setChord(105, 8, 8, 7, 8);     // F7
    setChord(106, 8, 8, 7, 9);     // Fmaj7
    setChord(107, 11, 11, 10, 10); // Fm7
    setChord(108, -1, 8, 7, 8);    // F9
    setChord(109, 8, 8, 8, 10);    // Fsus4

    setChord(110, 7, 10, 9, 7);   // G
    setChord(111, 10, 10, 8, 7);  // Gm
    setChord(112, 7, 10, 9, 8);   // Gaug
    setChord(113, 9, 10, 8, 9);   // Gdim
    setChord(114, 10, 10, 9, 9);  // G6
    setChord(115, 6, 7, 0, 0);    // Gm6
    setChord(116, 10, 8, 9, 0);   // G7
    setChord(117, 10, 10, 9, 11); // Gmaj7
    setChord(118, 10, 10, 8, 10); // Gm7
    setChord(119, -1, 10, 9, 10); // G9
    setChord(120, 8, 10, 0, 0);   // Gsus4

    setChord(121, 9, 9, 8, 6);  // G♭
    setChord(122, 9, 9, 7, 6);  // G♭m
    setChord(123, 10, 9, 8, 7); // G♭aug
    setChord(124, 8, 9, 7, 8);  // G♭dim
    setChord(125, 9, 9, 8, 8);  // G♭6
    setChord(126, 9, 9, 7, 8);  // G♭m6
    setChord(127, 9, 9, 8, 9);  // G♭7
    setChord(128, 9, 9, 8, 10); // G♭maj7
    setChord(129, 9, 9, 7, 9);  // G♭m7
    setChord(130, -1, 9, 8, 9); // G♭9
    setChord(131, 9, 9, 9, 6);  // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
