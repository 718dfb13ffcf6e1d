// The guitar's voicings in standard tuning.
// Values in the order of the E2, A2, D3, G3, B3 and E4 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void guitarChords(GuitarSink const& setChord)
{
    setChord(0, 0, 0, 2, 2, 2, 0);  // A
    setChord(1, 0, 0, 2, 2, 1, 0);  // Am
    setChord(2, -1, 0, 3, 2, 2, 1); // Aaug
    setChord(3, -1, 0, 1, 2, 1, 2); // Adim
    setChord(4, 0, 0, 2, 2, 2, 2);  // A6
    setChord(5, 0, 0, 2, 2, 1, 2);  // Am6
    setChord(6, 0, 0, 2, 0, 2, 0);  // A7
    setChord(7, 0, 0, 2, 1, 2, 0);  // Amaj7
    setChord(8, 0, 0, 2, 0, 1, 0);  // Am7
    setChord(9, 0, 0, 2, 4, 2, 3);  // A9
    setChord(10, 0, 0, 2, 2, 3, 0); // Asus4

    setChord(11, 4, 6, 6, 5, 4, 4);   // A♭
    setChord(12, 4, 6, 6, 4, 4, 4);   // A♭m
    setChord(13, -1, -1, 2, 1, 1, 0); // A♭aug
    setChord(14, 4, 5, 6, 4, 6, 4);   // A♭dim
    setChord(15, 4, 3, 1, 1, 1, 1);   // A♭6
    setChord(16, 4, 6, 6, 4, 6, 4);   // A♭m6
    setChord(17, 4, 6, 4, 5, 4, 4);   // A♭7
    setChord(18, 4, 6, 5, 5, 4, 4);   // A♭maj7
    setChord(19, 4, 6, 4, 4, 4, 4);   // A♭m7
    setChord(20, 4, 6, 4, 5, 4, 6);   // A♭9
    setChord(21, 4, 6, 6, 6, 4, 4);   // A♭sus4

    setChord(22, 2, 2, 4, 4, 4, 2);   // B
    setChord(23, 2, 2, 4, 4, 3, 2);   // Bm
    setChord(24, -1, 2, 1, 0, 0, 3);  // Baug
    setChord(25, 1, 2, 3, 1, 3, 1);   // Bdim
    setChord(26, -1, -1, 4, 4, 4, 4); // B6
    setChord(27, -1, 2, 0, 1, 3, 2);  // Bm6
    setChord(28, -1, 2, 1, 2, 0, 2);  // B7
    setChord(29, 2, 2, 4, 3, 4, 2);   // Bmaj7
    setChord(30, 2, 2, 4, 2, 3, 2);   // Bm7
    setChord(31, -1, -1, 1, 2, 2, 2); // B9
    setChord(32, 2, 2, 4, 4, 5, 2);   // Bsus4

    setChord(33, 1, 1, 3, 3, 3, 1);   // B♭
    setChord(34, 1, 1, 3, 3, 2, 1);   // B♭m
    setChord(35, -1, -1, 0, 3, 3, 2); // B♭aug
    setChord(36, 0, 1, 2, 0, 2, 0);   // B♭dim
    setChord(37, -1, -1, 3, 3, 3, 3); // B♭6
    setChord(38, -1, -1, 3, 3, 2, 3); // B♭m6
    setChord(39, 1, 1, 3, 1, 3, 1);   // B♭7
    setChord(40, 1, 1, 3, 2, 3, 1);   // B♭maj7
    setChord(41, 1, 1, 3, 1, 2, 1);   // B♭m7
    setChord(42, 1, 1, 3, 1, 1, 1);   // B♭9
    setChord(43, 1, 1, 3, 3, 4, 1);   // B♭sus4

    setChord(44, 3, 3, 2, 0, 1, 0);   // C
    setChord(45, 3, 3, 5, 5, 4, 3);   // Cm
    setChord(46, -1, 3, 2, 1, 1, 0);  // Caug
    setChord(47, 2, 3, 4, 2, 4, 2);   // Cdim
    setChord(48, 0, 3, 2, 2, 1, 0);   // C6
    setChord(49, -1, 3, 1, 2, 1, 3);  // Cm6
    setChord(50, 0, 3, 2, 3, 1, 0);   // C7
    setChord(51, 0, 3, 2, 0, 0, 0);   // Cmaj7
    setChord(52, 3, 3, 5, 3, 4, 3);   // Cm7
    setChord(53, -1, -1, 2, 3, 3, 3); // C9
    setChord(54, -1, 3, 3, 0, 1, 1);  // Csus4

    setChord(55, -1, 0, 0, 2, 3, 2);  // D
    setChord(56, -1, 0, 0, 2, 3, 1);  // Dm
    setChord(57, -1, -1, 0, 3, 3, 2); // Daug
    setChord(58, 4, 5, 6, 4, 6, 4);   // Ddim
    setChord(59, -1, 0, 0, 2, 0, 2);  // D6
    setChord(60, -1, 0, 0, 2, 0, 1);  // Dm6
    setChord(61, -1, 0, 0, 2, 1, 2);  // D7
    setChord(62, -1, 0, 0, 2, 2, 2);  // Dmaj7
    setChord(63, -1, 0, 0, 2, 1, 1);  // Dm7
    setChord(64, 2, 0, 0, 2, 1, 0);   // D9
    setChord(65, -1, 0, 0, 2, 3, 3);  // Dsus4

    setChord(66, 4, 4, 6, 6, 6, 4);   // D♭
    setChord(67, 4, 4, 6, 6, 5, 4);   // D♭m
    setChord(68, -1, -1, 3, 2, 2, 1); // D♭aug
    setChord(69, 3, 4, 5, 3, 5, 3);   // D♭dim
    setChord(70, -1, -1, 3, 3, 2, 4); // D♭6
    setChord(71, -1, -1, 2, 3, 2, 4); // D♭m6
    setChord(72, 4, 4, 6, 4, 6, 4);   // D♭7
    setChord(73, 1, 4, 3, 1, 1, 1);   // D♭maj7
    setChord(74, -1, -1, 2, 4, 2, 4); // D♭m7
    setChord(75, -1, -1, 3, 4, 4, 4); // D♭9
    // Kept within the six frets the diagram shows: C♯, F♯, G♯, C♯, F♯.
    setChord(76, -1, 4, 4, 1, 2, 2); // D♭sus4

    setChord(77, 0, 2, 2, 1, 0, 0);   // E
    setChord(78, 0, 2, 2, 0, 0, 0);   // Em
    setChord(79, -1, -1, 2, 1, 1, 0); // Eaug
    setChord(80, -1, 1, 2, 0, 2, 0);  // Edim
    setChord(81, 0, 2, 2, 1, 2, 0);   // E6
    setChord(82, 0, 2, 2, 0, 2, 0);   // Em6
    setChord(83, 0, 2, 0, 1, 0, 0);   // E7
    setChord(84, 0, 2, 2, 4, 4, 4);   // Emaj7
    setChord(85, 0, 2, 2, 0, 3, 0);   // Em7
    setChord(86, 0, 2, 0, 1, 0, 2);   // E9
    setChord(87, 0, 2, 2, 2, 0, 0);   // Esus4

    setChord(88, -1, 1, 1, 3, 4, 3);  // E♭
    setChord(89, -1, 1, 1, 3, 4, 2);  // E♭m
    setChord(90, -1, -1, 1, 0, 0, 3); // E♭aug
    setChord(91, -1, -1, 1, 2, 1, 2); // E♭dim
    setChord(92, -1, -1, 1, 3, 1, 3); // E♭6
    setChord(93, -1, 1, 1, 3, 1, 2);  // E♭m6
    setChord(94, -1, 1, 1, 3, 2, 3);  // E♭7
    setChord(95, -1, 1, 1, 3, 3, 3);  // E♭maj7
    setChord(96, -1, 1, 1, 3, 2, 2);  // E♭m7
    setChord(97, 1, 1, 1, 3, 2, 1);   // E♭9
    setChord(98, -1, -1, 1, 3, 4, 4); // E♭sus4

    setChord(99, 1, 3, 3, 2, 1, 1);    // F
    setChord(100, 1, 3, 3, 1, 1, 1);   // Fm
    setChord(101, -1, -1, 3, 2, 2, 1); // Faug
    setChord(102, 1, 2, 3, 1, 3, 1);   // Fdim
    setChord(103, -1, 0, 3, 2, 3, 1);  // F6
    setChord(104, 1, 3, 3, 1, 3, 1);   // Fm6
    setChord(105, 1, 3, 1, 2, 1, 1);   // F7
    setChord(106, -1, 0, 3, 2, 1, 0);  // Fmaj7
    setChord(107, 1, 3, 1, 1, 1, 1);   // Fm7
    setChord(108, 1, 3, 1, 2, 1, 3);   // F9
    setChord(109, 1, 3, 3, 3, 1, 1);   // Fsus4

    setChord(110, 3, 2, 0, 0, 0, 3);   // G
    setChord(111, 3, 5, 5, 3, 3, 3);   // Gm
    setChord(112, 3, 2, 1, 0, 0, 3);   // Gaug
    setChord(113, 3, 4, 5, 3, 5, 3);   // Gdim
    setChord(114, 3, 2, 0, 0, 0, 0);   // G6
    setChord(115, -1, -1, 2, 3, 3, 3); // Gm6
    setChord(116, 3, 2, 0, 0, 0, 1);   // G7
    setChord(117, 3, 2, 0, 0, 0, 2);   // Gmaj7
    setChord(118, 3, 5, 3, 3, 3, 3);   // Gm7
    setChord(119, 3, 0, 0, 2, 0, 1);   // G9
    setChord(120, 3, 5, 5, 5, 3, 3);   // Gsus4

    setChord(121, 2, 4, 4, 3, 2, 2);   // G♭
    setChord(122, 2, 4, 4, 2, 2, 2);   // G♭m
    setChord(123, -1, -1, 4, 3, 3, 2); // G♭aug
    setChord(124, 2, 3, 4, 2, 4, 2);   // G♭dim
    setChord(125, -1, 4, 4, 6, 4, 6);  // G♭6
    setChord(126, 2, 4, 4, 2, 4, 2);   // G♭m6
    setChord(127, 2, 4, 2, 3, 2, 2);   // G♭7
    setChord(128, -1, -1, 4, 3, 2, 1); // G♭maj7
    setChord(129, 2, 4, 2, 2, 2, 2);   // G♭m7
    setChord(130, 2, 4, 2, 3, 2, 4);   // G♭9
    setChord(131, 2, 4, 4, 4, 2, 2);   // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
