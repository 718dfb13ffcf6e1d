// The ukulele's voicings, every string sounding.
// Values in the order of the G4, C4, E4 and A4 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void ukuleleChords(UkuleleSink const& setChord)
{
    setChord(0, 2, 1, 0, 0);  // A
    setChord(1, 2, 0, 0, 0);  // Am
    setChord(2, 2, 1, 1, 4);  // Aaug
    setChord(3, 2, 3, 2, 3);  // Adim
    setChord(4, 2, 4, 2, 4);  // A6
    setChord(5, 2, 4, 2, 3);  // Am6
    setChord(6, 0, 1, 0, 0);  // A7
    setChord(7, 2, 4, 4, 4);  // Amaj7
    setChord(8, 2, 4, 3, 3);  // Am7
    setChord(9, 0, 1, 0, 2);  // A9
    setChord(10, 2, 2, 0, 0); // Asus4

    setChord(11, 1, 3, 4, 3); // A♭
    setChord(12, 1, 3, 4, 2); // A♭m
    setChord(13, 1, 0, 0, 3); // A♭aug
    setChord(14, 1, 2, 1, 2); // A♭dim
    setChord(15, 1, 3, 1, 3); // A♭6
    setChord(16, 1, 3, 1, 2); // A♭m6
    setChord(17, 1, 3, 2, 3); // A♭7
    setChord(18, 1, 3, 3, 3); // A♭maj7
    setChord(19, 1, 3, 2, 2); // A♭m7
    setChord(20, 3, 3, 2, 3); // A♭9
    setChord(21, 1, 3, 4, 4); // A♭sus4

    setChord(22, 4, 3, 2, 2); // B
    setChord(23, 4, 2, 2, 2); // Bm
    setChord(24, 4, 3, 3, 2); // Baug
    setChord(25, 1, 2, 1, 2); // Bdim
    setChord(26, 1, 3, 2, 2); // B6
    setChord(27, 1, 2, 2, 2); // Bm6
    setChord(28, 2, 3, 2, 2); // B7
    setChord(29, 4, 3, 2, 1); // Bmaj7
    setChord(30, 2, 2, 2, 2); // Bm7
    setChord(31, 2, 3, 2, 4); // B9
    setChord(32, 4, 4, 2, 2); // Bsus4

    setChord(33, 3, 2, 1, 1); // B♭
    setChord(34, 3, 1, 1, 1); // B♭m
    setChord(35, 3, 2, 2, 5); // B♭aug
    setChord(36, 0, 1, 0, 1); // B♭dim
    setChord(37, 0, 2, 1, 1); // B♭6
    setChord(38, 0, 1, 1, 1); // B♭m6
    setChord(39, 1, 2, 1, 1); // B♭7
    setChord(40, 3, 2, 1, 0); // B♭maj7
    setChord(41, 1, 1, 1, 1); // B♭m7
    setChord(42, 1, 2, 1, 3); // B♭9
    setChord(43, 3, 3, 1, 1); // B♭sus4

    setChord(44, 0, 0, 0, 3); // C
    setChord(45, 0, 3, 3, 3); // Cm
    setChord(46, 1, 0, 0, 3); // Caug
    setChord(47, 2, 3, 2, 3); // Cdim
    setChord(48, 0, 4, 5, 3); // C6
    setChord(49, 2, 3, 3, 3); // Cm6
    setChord(50, 0, 0, 0, 1); // C7
    setChord(51, 0, 0, 0, 2); // Cmaj7
    setChord(52, 3, 3, 3, 3); // Cm7
    setChord(53, 0, 2, 0, 1); // C9
    setChord(54, 0, 0, 1, 3); // Csus4

    setChord(55, 2, 2, 2, 0); // D
    setChord(56, 2, 2, 1, 0); // Dm
    setChord(57, 3, 2, 2, 5); // Daug
    setChord(58, 1, 2, 1, 2); // Ddim
    setChord(59, 2, 2, 2, 2); // D6
    setChord(60, 2, 2, 1, 2); // Dm6
    setChord(61, 2, 2, 2, 3); // D7
    setChord(62, 2, 2, 2, 4); // Dmaj7
    setChord(63, 2, 2, 1, 3); // Dm7
    setChord(64, 2, 4, 2, 3); // D9
    setChord(65, 2, 2, 3, 0); // Dsus4

    setChord(66, 1, 1, 1, 4); // D♭
    setChord(67, 1, 1, 0, 4); // D♭m
    setChord(68, 2, 1, 1, 4); // D♭aug
    setChord(69, 0, 1, 0, 1); // D♭dim
    setChord(70, 1, 1, 1, 1); // D♭6
    setChord(71, 1, 1, 0, 1); // D♭m6
    setChord(72, 1, 1, 1, 2); // D♭7
    setChord(73, 1, 1, 1, 3); // D♭maj7
    setChord(74, 1, 1, 0, 2); // D♭m7
    setChord(75, 1, 3, 1, 2); // D♭9
    setChord(76, 1, 1, 2, 4); // D♭sus4

    setChord(77, 4, 4, 4, 2); // E
    setChord(78, 4, 4, 3, 2); // Em
    setChord(79, 1, 0, 0, 3); // Eaug
    setChord(80, 0, 1, 0, 1); // Edim
    setChord(81, 4, 4, 4, 4); // E6
    setChord(82, 0, 1, 0, 2); // Em6
    setChord(83, 1, 2, 0, 2); // E7
    setChord(84, 1, 3, 0, 2); // Emaj7
    setChord(85, 0, 2, 0, 2); // Em7
    setChord(86, 1, 2, 2, 2); // E9
    // E sus4 without the third: A, E, E, B.
    setChord(87, 2, 4, 0, 2); // Esus4

    setChord(88, 0, 3, 3, 1); // E♭
    setChord(89, 3, 3, 2, 1); // E♭m
    setChord(90, 4, 3, 3, 2); // E♭aug
    setChord(91, 2, 3, 2, 3); // E♭dim
    setChord(92, 3, 3, 3, 3); // E♭6
    setChord(93, 3, 3, 2, 3); // E♭m6
    setChord(94, 3, 3, 3, 4); // E♭7
    setChord(95, 3, 3, 3, 5); // E♭maj7
    setChord(96, 3, 3, 2, 4); // E♭m7
    setChord(97, 0, 1, 1, 1); // E♭9
    // E♭ sus4 without the third: A♭, E♭, A♭, B♭.
    setChord(98, 1, 3, 4, 1); // E♭sus4

    setChord(99, 2, 0, 1, 0);  // F
    setChord(100, 1, 0, 1, 3); // Fm
    setChord(101, 2, 1, 1, 4); // Faug
    setChord(102, 1, 2, 1, 2); // Fdim
    setChord(103, 2, 2, 1, 3); // F6
    setChord(104, 1, 2, 1, 3); // Fm6
    setChord(105, 2, 3, 1, 3); // F7
    setChord(106, 2, 4, 1, 3); // Fmaj7
    setChord(107, 1, 3, 1, 3); // Fm7
    setChord(108, 2, 3, 3, 3); // F9
    setChord(109, 3, 0, 1, 3); // Fsus4

    setChord(110, 0, 2, 3, 2); // G
    setChord(111, 0, 2, 3, 1); // Gm
    setChord(112, 4, 3, 3, 2); // Gaug
    setChord(113, 0, 1, 0, 1); // Gdim
    setChord(114, 0, 2, 0, 2); // G6
    setChord(115, 0, 2, 0, 1); // Gm6
    setChord(116, 0, 2, 1, 2); // G7
    setChord(117, 0, 2, 2, 2); // Gmaj7
    setChord(118, 0, 2, 1, 1); // Gm7
    setChord(119, 2, 2, 1, 2); // G9
    setChord(120, 0, 2, 3, 3); // Gsus4

    setChord(121, 3, 1, 2, 1); // G♭
    setChord(122, 2, 1, 2, 4); // G♭m
    setChord(123, 3, 2, 2, 5); // G♭aug
    setChord(124, 2, 3, 2, 3); // G♭dim
    setChord(125, 3, 3, 2, 4); // G♭6
    setChord(126, 2, 3, 2, 4); // G♭m6
    setChord(127, 3, 4, 2, 4); // G♭7
    setChord(128, 3, 5, 2, 4); // G♭maj7
    setChord(129, 2, 4, 2, 4); // G♭m7
    setChord(130, 1, 1, 0, 1); // G♭9
    setChord(131, 4, 1, 2, 4); // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
