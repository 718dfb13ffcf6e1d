// The bass guitar's voicings near the nut: the mandolin's shapes with the
// strings reversed, since E, A, D, G carry the note names of G, D, A, E.
// Values in the order of the E1, A1, D2 and G2 strings; -1 leaves a string silent.

#include "RADarir/chordpages/tables/ChordTables.h"

namespace RADarir {
namespace ChordTables {

void bassChords(BassSink const& setChord)
{
    setChord(0, 0, 4, 2, 2);  // A
    setChord(1, 0, 3, 2, 2);  // Am
    setChord(2, 1, 4, 3, 2);  // Aaug
    setChord(3, 2, 3, 1, 2);  // Adim
    setChord(4, 0, 4, 4, 2);  // A6
    setChord(5, 0, 3, 4, 2);  // Am6
    setChord(6, 3, 4, 2, 2);  // A7
    setChord(7, 4, 4, 2, 2);  // Amaj7
    setChord(8, 3, 3, 2, 2);  // Am7
    setChord(9, 3, 2, 2, 2);  // A9
    setChord(10, 0, 0, 0, 2); // Asus4

    setChord(11, 4, 3, 1, 1); // A♭
    setChord(12, 4, 2, 1, 1); // A♭m
    setChord(13, 0, 3, 2, 1); // A♭aug
    setChord(14, 1, 2, 0, 1); // A♭dim
    setChord(15, 1, 3, 1, 1); // A♭6
    setChord(16, 1, 2, 1, 1); // A♭m6
    setChord(17, 2, 3, 1, 1); // A♭7
    setChord(18, 4, 3, 1, 0); // A♭maj7
    setChord(19, 2, 2, 1, 1); // A♭m7
    setChord(20, 2, 1, 1, 1); // A♭9
    setChord(21, 4, 4, 1, 1); // A♭sus4

    setChord(22, 2, 2, 1, -1); // B
    setChord(23, 2, 2, 0, 4);  // Bm
    setChord(24, 3, 2, 1, 0);  // Baug
    setChord(25, 1, 2, 0, 1);  // Bdim
    setChord(26, 2, 2, 1, 1);  // B6
    setChord(27, 2, 2, 0, 1);  // Bm6
    setChord(28, 2, 2, 1, 2);  // B7
    setChord(29, 2, 2, 1, 3);  // Bmaj7
    setChord(30, 2, 2, 0, 2);  // Bm7
    setChord(31, 5, 4, 4, 4);  // B9
    setChord(32, 0, 2, 4, 4);  // Bsus4

    setChord(33, 1, 1, 0, 3);  // B♭
    setChord(34, -1, 4, 3, 3); // B♭m
    setChord(35, 2, 1, 0, 3);  // B♭aug
    setChord(36, 3, 4, 2, 3);  // B♭dim
    setChord(37, 1, 1, 0, 0);  // B♭6
    setChord(38, 3, 4, 3, 3);  // B♭m6
    setChord(39, 1, 1, 0, 1);  // B♭7
    setChord(40, 1, 1, 0, 2);  // B♭maj7
    setChord(41, 4, 4, 3, 3);  // B♭m7
    setChord(42, 4, 3, 3, 3);  // B♭9
    setChord(43, 1, 1, 1, 3);  // B♭sus4

    setChord(44, 3, 3, 2, 0); // C
    setChord(45, 3, 3, 1, 0); // Cm
    setChord(46, 0, 3, 2, 1); // Caug
    setChord(47, 2, 3, 1, 2); // Cdim
    setChord(48, 3, 3, 2, 2); // C6
    setChord(49, 3, 3, 1, 2); // Cm6
    setChord(50, 3, 3, 2, 3); // C7
    setChord(51, 3, 3, 2, 4); // Cmaj7
    setChord(52, 3, 3, 1, 3); // Cm7
    setChord(53, 0, 1, 0, 0); // C9
    setChord(54, 3, 3, 3, 0); // Csus4

    setChord(55, 2, 0, 0, 2); // D
    setChord(56, 1, 0, 0, 2); // Dm
    setChord(57, 2, 1, 0, 3); // Daug
    setChord(58, 1, 2, 0, 1); // Ddim
    setChord(59, 2, 2, 0, 2); // D6
    setChord(60, 1, 2, 0, 2); // Dm6
    setChord(61, 2, 3, 0, 2); // D7
    setChord(62, 2, 4, 0, 2); // Dmaj7
    setChord(63, 1, 3, 0, 2); // Dm7
    setChord(64, 2, 3, 2, 2); // D9
    setChord(65, 3, 0, 0, 0); // Dsus4

    setChord(66, 4, 4, 3, 1);  // D♭
    setChord(67, 0, 4, 2, 1);  // D♭m
    setChord(68, -1, 4, 3, 2); // D♭aug
    setChord(69, 3, 4, 2, 3);  // D♭dim
    setChord(70, 4, 4, 3, 3);  // D♭6
    setChord(71, 4, 4, 2, 3);  // D♭m6
    setChord(72, 4, 4, 3, 4);  // D♭7
    // The mandolin's D♭maj7 with its strings reversed: G♯, C♯, F, C.
    setChord(73, 4, 4, 3, 5); // D♭maj7
    setChord(74, 4, 4, 2, 4); // D♭m7
    setChord(75, 1, 2, 1, 1); // D♭9
    setChord(76, 4, 4, 4, 1); // D♭sus4

    setChord(77, 0, 2, 2, 1); // E
    setChord(78, 0, 2, 2, 0); // Em
    setChord(79, 0, 3, 2, 1); // Eaug
    setChord(80, 3, 4, 2, 3); // Edim
    setChord(81, 4, 4, 2, 4); // E6
    setChord(82, 3, 4, 2, 4); // Em6
    setChord(83, 0, 2, 0, 1); // E7
    setChord(84, 0, 2, 1, 1); // Emaj7
    setChord(85, 0, 2, 0, 0); // Em7
    setChord(86, 4, 5, 4, 4); // E9
    setChord(87, 0, 0, 2, 4); // Esus4

    setChord(88, 3, 1, 1, 0);  // E♭
    setChord(89, 2, 1, 1, 3);  // E♭m
    setChord(90, 3, 2, 1, 0);  // E♭aug
    setChord(91, 2, 3, 1, 2);  // E♭dim
    setChord(92, 3, 3, 1, 3);  // E♭6
    setChord(93, 2, 3, 1, 3);  // E♭m6
    setChord(94, 3, 4, 1, 3);  // E♭7
    setChord(95, 3, 6, 0, -1); // E♭maj7
    setChord(96, 2, 4, 1, -1); // E♭m7
    setChord(97, 1, 1, 1, 0);  // E♭9
    setChord(98, 4, 1, 1, 1);  // E♭sus4

    setChord(99, 1, 3, 3, 2);   // F
    setChord(100, 1, 3, 3, 1);  // Fm
    setChord(101, -1, 4, 3, 2); // Faug
    setChord(102, 1, 2, 0, 1);  // Fdim
    setChord(103, 1, 3, 0, 2);  // F6
    setChord(104, 1, 3, 0, 1);  // Fm6
    setChord(105, 1, 3, 1, 2);  // F7
    setChord(106, 0, 3, 3, 2);  // Fmaj7
    setChord(107, 1, 3, 1, 1);  // Fm7
    setChord(108, 1, 0, 1, 0);  // F9
    setChord(109, 1, 3, 3, 3);  // Fsus4

    setChord(110, 3, 2, 0, 0); // G
    setChord(111, 3, 1, 0, 0); // Gm
    setChord(112, 3, 2, 1, 0); // Gaug
    setChord(113, 3, 4, 2, 3); // Gdim
    setChord(114, 0, 2, 0, 0); // G6
    setChord(115, 0, 1, 0, 0); // Gm6
    setChord(116, 1, 2, 0, 0); // G7
    setChord(117, 2, 2, 0, 0); // Gmaj7
    setChord(118, 1, 1, 0, 0); // Gm7
    setChord(119, 1, 0, 0, 0); // G9
    setChord(120, 3, 3, 0, 0); // Gsus4

    setChord(121, 2, 4, 4, 3); // G♭
    setChord(122, 2, 4, 4, 2); // G♭m
    setChord(123, 2, 1, 0, 3); // G♭aug
    setChord(124, 2, 3, 1, 2); // G♭dim
    setChord(125, 6, 6, 4, 6); // G♭6
    setChord(126, 5, 6, 4, 6); // G♭m6
    setChord(127, 0, 4, 4, 3); // G♭7
    setChord(128, 2, 4, 3, 3); // G♭maj7
    setChord(129, 0, 4, 4, 2); // G♭m7
    setChord(130, 2, 1, 2, 1); // G♭9
    setChord(131, 2, 4, 4, 4); // G♭sus4
}

} // namespace ChordTables
} // namespace RADarir
