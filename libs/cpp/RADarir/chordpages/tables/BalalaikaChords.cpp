// The balalaika's voicings; with two strings in unison most sound two or
// three different notes.
// Values in the order of the E4, E4 and A4 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void balalaikaChords(BalalaikaSink const& setChord)
{
    setChord(0, 5, 0, 4);  // A
    setChord(1, 5, 0, 3);  // Am
    setChord(2, 1, 1, 4);  // Aaug
    setChord(3, 2, 5, 3);  // Adim
    setChord(4, 0, 2, 4);  // A6
    setChord(5, 2, 0, 3);  // Am6
    setChord(6, 3, 0, 4);  // A7
    setChord(7, 0, 4, 4);  // Amaj7
    setChord(8, 0, 0, 3);  // Am7
    setChord(9, 0, 0, 2);  // A9
    setChord(10, 0, 5, 0); // Asus4

    setChord(11, 4, 4, 3); // A♭
    setChord(12, 4, 4, 2); // A♭m
    setChord(13, 0, 0, 3); // A♭aug
    setChord(14, 1, 4, 2); // A♭dim
    setChord(15, 1, 1, 3); // A♭6
    setChord(16, 1, 4, 2); // A♭m6
    setChord(17, 2, 4, 3); // A♭7
    setChord(18, 3, 4, 6); // A♭maj7
    setChord(19, 4, 2, 2); // A♭m7
    setChord(20, 2, 2, 3); // A♭9
    setChord(21, 4, 4, 6); // A♭sus4

    setChord(22, 2, 2, 2); // B
    setChord(23, 2, 2, 5); // Bm
    setChord(24, 3, 3, 2); // Baug
    setChord(25, 1, 4, 2); // Bdim
    setChord(26, 2, 4, 2); // B6
    // Fifth, sixth and the root on the A string: F♯, G♯, B (the B6 shape,
    // which holds no third either).
    setChord(27, 2, 4, 2); // Bm6
    // Fifth, seventh and the root: F♯, A, B.
    setChord(28, 2, 5, 2); // B7
    setChord(29, 2, 2, 1); // Bmaj7
    setChord(30, 2, 2, 5); // Bm7
    setChord(31, 2, 2, 4); // B9
    setChord(32, 0, 2, 2); // Bsus4

    setChord(33, 1, 1, 1); // B♭
    setChord(34, 1, 1, 4); // B♭m
    setChord(35, 2, 2, 5); // B♭aug
    setChord(36, 0, 3, 1); // B♭dim
    setChord(37, 1, 3, 1); // B♭6
    setChord(38, 1, 3, 4); // B♭m6
    setChord(39, 1, 4, 1); // B♭7
    setChord(40, 1, 1, 0); // B♭maj7
    setChord(41, 1, 1, 4); // B♭m7
    setChord(42, 1, 1, 3); // B♭9
    setChord(43, 1, 1, 1); // B♭sus4

    setChord(44, 3, 0, 3); // C
    setChord(45, 3, 3, 6); // Cm
    setChord(46, 0, 4, 3); // Caug
    setChord(47, 2, 5, 3); // Cdim
    setChord(48, 0, 0, 3); // C6
    setChord(49, 3, 5, 3); // Cm6
    setChord(50, 0, 3, 1); // C7
    setChord(51, 0, 3, 2); // Cmaj7
    setChord(52, 3, 3, 6); // Cm7
    setChord(53, 0, 0, 1); // C9
    setChord(54, 1, 3, 3); // Csus4

    setChord(55, 5, 5, 5); // D
    setChord(56, 1, 1, 0); // Dm
    setChord(57, 2, 2, 5); // Daug
    setChord(58, 1, 4, 2); // Ddim
    setChord(59, 5, 2, 2); // D6
    setChord(60, 1, 5, 2); // Dm6
    setChord(61, 2, 5, 3); // D7
    setChord(62, 2, 2, 4); // Dmaj7
    setChord(63, 1, 1, 3); // Dm7
    setChord(64, 0, 2, 3); // D9
    setChord(65, 3, 5, 5); // Dsus4

    setChord(66, 1, 4, 4); // D♭
    setChord(67, 4, 0, 4); // D♭m
    setChord(68, 1, 1, 4); // D♭aug
    setChord(69, 0, 3, 1); // D♭dim
    setChord(70, 1, 4, 1); // D♭6
    setChord(71, 0, 4, 1); // D♭m6
    setChord(72, 1, 4, 2); // D♭7
    setChord(73, 1, 1, 3); // D♭maj7
    // Third, fifth and the root: E, G♯, C♯.
    setChord(74, 0, 4, 4); // D♭m7
    setChord(75, 1, 4, 2); // D♭9
    setChord(76, 2, 4, 4); // D♭sus4

    setChord(77, 4, 0, 2); // E
    setChord(78, 3, 0, 2); // Em
    setChord(79, 0, 4, 3); // Eaug
    setChord(80, 0, 3, 1); // Edim
    setChord(81, 0, 0, 2); // E6
    setChord(82, 3, 0, 4); // Em6
    setChord(83, 0, 0, 2); // E7
    setChord(84, 4, 0, 2); // Emaj7
    setChord(85, 0, 0, 2); // Em7
    setChord(86, 0, 2, 2); // E9
    setChord(87, 0, 5, 2); // Esus4

    setChord(88, 3, 3, 1); // E♭
    setChord(89, 2, 2, 1); // E♭m
    setChord(90, 3, 3, 2); // E♭aug
    setChord(91, 2, 5, 3); // E♭dim
    setChord(92, 3, 6, 3); // E♭6
    setChord(93, 2, 6, 3); // E♭m6
    setChord(94, 3, 6, 4); // E♭7
    setChord(95, 3, 3, 5); // E♭maj7
    setChord(96, 2, 2, 4); // E♭m7
    setChord(97, 1, 3, 1); // E♭9
    setChord(98, 4, 6, 6); // E♭sus4

    setChord(99, 1, 5, 3);  // F
    setChord(100, 1, 4, 3); // Fm
    setChord(101, 1, 1, 4); // Faug
    setChord(102, 1, 4, 2); // Fdim
    setChord(103, 1, 1, 3); // F6
    setChord(104, 1, 4, 5); // Fm6
    setChord(105, 1, 1, 3); // F7
    setChord(106, 0, 1, 3); // Fmaj7
    setChord(107, 1, 1, 3); // Fm7
    setChord(108, 1, 3, 3); // F9
    // Root, fourth and fifth: F, B♭, C.
    setChord(109, 1, 6, 3); // Fsus4

    setChord(110, 3, 3, 5); // G
    setChord(111, 3, 3, 1); // Gm
    setChord(112, 3, 3, 2); // Gaug
    setChord(113, 0, 3, 1); // Gdim
    setChord(114, 0, 3, 2); // G6
    setChord(115, 3, 0, 1); // Gm6
    setChord(116, 1, 3, 2); // G7
    setChord(117, 3, 2, 2); // Gmaj7
    setChord(118, 3, 1, 1); // Gm7
    setChord(119, 3, 1, 2); // G9
    setChord(120, 3, 3, 5); // Gsus4

    setChord(121, 2, 2, 1); // G♭
    setChord(122, 2, 2, 0); // G♭m
    setChord(123, 2, 2, 5); // G♭aug
    setChord(124, 2, 5, 3); // G♭dim
    setChord(125, 2, 2, 4); // G♭6
    setChord(126, 2, 5, 6); // G♭m6
    setChord(127, 2, 0, 1); // G♭7
    setChord(128, 1, 2, 4); // G♭maj7
    setChord(129, 0, 2, 4); // G♭m7
    setChord(130, 0, 4, 1); // G♭9
    setChord(131, 2, 2, 4); // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
