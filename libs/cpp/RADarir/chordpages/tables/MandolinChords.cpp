// The mandolin's voicings. The bass page holds the same shapes with the
// strings reversed.
// Values in the order of the G3, D4, A4 and E5 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void mandolinChords(MandolinSink const& setChord)
{
    setChord(0, 2, 2, 4, 0);  // A
    setChord(1, 2, 2, 3, 0);  // Am
    setChord(2, 2, 3, 4, 1);  // Aaug
    setChord(3, 2, 1, 3, 2);  // Adim
    setChord(4, 2, 4, 4, 0);  // A6
    setChord(5, 2, 4, 3, 0);  // Am6
    setChord(6, 2, 2, 4, 3);  // A7
    setChord(7, 2, 2, 4, 4);  // Amaj7
    setChord(8, 2, 2, 3, 3);  // Am7
    setChord(9, 2, 2, 2, 3);  // A9
    setChord(10, 2, 0, 0, 0); // Asus4

    setChord(11, 1, 1, 3, 4); // A♭
    setChord(12, 1, 1, 2, 4); // A♭m
    setChord(13, 1, 2, 3, 0); // A♭aug
    setChord(14, 1, 0, 2, 1); // A♭dim
    setChord(15, 1, 1, 3, 1); // A♭6
    setChord(16, 1, 1, 2, 1); // A♭m6
    setChord(17, 1, 1, 3, 2); // A♭7
    setChord(18, 0, 1, 3, 4); // A♭maj7
    setChord(19, 1, 1, 2, 2); // A♭m7
    setChord(20, 1, 1, 1, 2); // A♭9
    setChord(21, 1, 1, 4, 4); // A♭sus4

    setChord(22, -1, 1, 2, 2); // B
    setChord(23, 4, 0, 2, 2);  // Bm
    setChord(24, 0, 1, 2, 3);  // Baug
    setChord(25, 1, 0, 2, 1);  // Bdim
    setChord(26, 1, 1, 2, 2);  // B6
    setChord(27, 1, 0, 2, 2);  // Bm6
    setChord(28, 2, 1, 2, 2);  // B7
    setChord(29, 3, 1, 2, 2);  // Bmaj7
    setChord(30, 2, 0, 2, 2);  // Bm7
    setChord(31, 4, 4, 4, 5);  // B9
    setChord(32, 4, 4, 2, 0);  // Bsus4

    setChord(33, 3, 0, 1, 1);  // B♭
    setChord(34, 3, 3, 4, -1); // B♭m
    setChord(35, 3, 0, 1, 2);  // B♭aug
    setChord(36, 3, 2, 4, 3);  // B♭dim
    setChord(37, 0, 0, 1, 1);  // B♭6
    setChord(38, 3, 3, 4, 3);  // B♭m6
    setChord(39, 1, 0, 1, 1);  // B♭7
    setChord(40, 2, 0, 1, 1);  // B♭maj7
    setChord(41, 3, 3, 4, 4);  // B♭m7
    setChord(42, 3, 3, 3, 4);  // B♭9
    setChord(43, 3, 1, 1, 1);  // B♭sus4

    setChord(44, 0, 2, 3, 3); // C
    setChord(45, 0, 1, 3, 3); // Cm
    setChord(46, 1, 2, 3, 0); // Caug
    setChord(47, 2, 1, 3, 2); // Cdim
    setChord(48, 2, 2, 3, 3); // C6
    setChord(49, 2, 1, 3, 3); // Cm6
    setChord(50, 3, 2, 3, 3); // C7
    setChord(51, 4, 2, 3, 3); // Cmaj7
    setChord(52, 3, 1, 3, 3); // Cm7
    setChord(53, 0, 0, 1, 0); // C9
    setChord(54, 0, 3, 3, 3); // Csus4

    setChord(55, 2, 0, 0, 2); // D
    setChord(56, 2, 0, 0, 1); // Dm
    setChord(57, 3, 0, 1, 2); // Daug
    setChord(58, 1, 0, 2, 1); // Ddim
    setChord(59, 2, 0, 2, 2); // D6
    setChord(60, 2, 0, 2, 1); // Dm6
    setChord(61, 2, 0, 3, 2); // D7
    setChord(62, 2, 0, 4, 2); // Dmaj7
    setChord(63, 2, 0, 3, 1); // Dm7
    setChord(64, 2, 2, 3, 2); // D9
    setChord(65, 0, 0, 0, 3); // Dsus4

    setChord(66, 1, 3, 4, 4);  // D♭
    setChord(67, 1, 2, 4, 0);  // D♭m
    setChord(68, 2, 3, 4, -1); // D♭aug
    setChord(69, 3, 2, 4, 3);  // D♭dim
    setChord(70, 3, 3, 4, 4);  // D♭6
    setChord(71, 3, 2, 4, 4);  // D♭m6
    setChord(72, 4, 3, 4, 4);  // D♭7
    // Root, third, fifth and major seventh: C, F, C♯, G♯.
    setChord(73, 5, 3, 4, 4); // D♭maj7
    setChord(74, 4, 2, 4, 4); // D♭m7
    setChord(75, 1, 1, 2, 1); // D♭9
    setChord(76, 1, 4, 4, 4); // D♭sus4

    setChord(77, 1, 2, 2, 0); // E
    setChord(78, 0, 2, 2, 0); // Em
    setChord(79, 1, 2, 3, 0); // Eaug
    setChord(80, 3, 2, 4, 3); // Edim
    setChord(81, 4, 2, 4, 4); // E6
    setChord(82, 4, 2, 4, 3); // Em6
    setChord(83, 1, 0, 2, 0); // E7
    setChord(84, 1, 1, 2, 0); // Emaj7
    setChord(85, 0, 0, 2, 0); // Em7
    setChord(86, 4, 4, 5, 4); // E9
    setChord(87, 4, 2, 0, 0); // Esus4

    setChord(88, 0, 1, 1, 3);  // E♭
    setChord(89, 3, 1, 1, 2);  // E♭m
    setChord(90, 0, 1, 2, 3);  // E♭aug
    setChord(91, 2, 1, 3, 2);  // E♭dim
    setChord(92, 3, 1, 3, 3);  // E♭6
    setChord(93, 3, 1, 3, 2);  // E♭m6
    setChord(94, 3, 1, 4, 3);  // E♭7
    setChord(95, -1, 0, 6, 3); // E♭maj7
    setChord(96, -1, 1, 4, 2); // E♭m7
    setChord(97, 0, 1, 1, 1);  // E♭9
    setChord(98, 1, 1, 1, 4);  // E♭sus4

    setChord(99, 2, 3, 3, 1);   // F
    setChord(100, 1, 3, 3, 1);  // Fm
    setChord(101, 2, 3, 4, -1); // Faug
    setChord(102, 1, 0, 2, 1);  // Fdim
    setChord(103, 2, 0, 3, 1);  // F6
    setChord(104, 1, 0, 3, 1);  // Fm6
    setChord(105, 2, 1, 3, 1);  // F7
    setChord(106, 2, 3, 3, 0);  // Fmaj7
    setChord(107, 1, 1, 3, 1);  // Fm7
    setChord(108, 0, 1, 0, 1);  // F9
    setChord(109, 3, 3, 3, 1);  // Fsus4

    setChord(110, 0, 0, 2, 3); // G
    setChord(111, 0, 0, 1, 3); // Gm
    setChord(112, 0, 1, 2, 3); // Gaug
    setChord(113, 3, 2, 4, 3); // Gdim
    setChord(114, 0, 0, 2, 0); // G6
    setChord(115, 0, 0, 1, 0); // Gm6
    setChord(116, 0, 0, 2, 1); // G7
    setChord(117, 0, 0, 2, 2); // Gmaj7
    setChord(118, 0, 0, 1, 1); // Gm7
    setChord(119, 0, 0, 0, 1); // G9
    setChord(120, 0, 0, 3, 3); // Gsus4

    setChord(121, 3, 4, 4, 2); // G♭
    setChord(122, 2, 4, 4, 2); // G♭m
    setChord(123, 3, 0, 1, 2); // G♭aug
    setChord(124, 2, 1, 3, 2); // G♭dim
    setChord(125, 6, 4, 6, 6); // G♭6
    setChord(126, 6, 4, 6, 5); // G♭m6
    setChord(127, 3, 4, 4, 0); // G♭7
    setChord(128, 3, 3, 4, 2); // G♭maj7
    setChord(129, 2, 4, 4, 0); // G♭m7
    setChord(130, 1, 2, 1, 2); // G♭9
    setChord(131, 4, 4, 4, 2); // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
