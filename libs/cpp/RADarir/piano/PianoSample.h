#pragma once
// Playing a piano note: the sample files lie in the bundle's resource folder as
// "piano_440_" + note + ".mp3", the note written as PianoKeys::sampleNote gives it.

#include <QString>

namespace QMMultiMedia {
class NativeAudioPlayer;
}

namespace RADarir {

// The sample file of a note such as "Cd4"; an empty or unknown note gives a
// path with no file behind it, which plays nothing.
QString pianoSamplePath(QString const& note);

// Starts the file on a new player that deletes itself when the sound has ended.
// The player's finished() comes for a file that cannot be played as well, so
// no player outlives its click. Returns the player, for whoever wants to watch it.
QMMultiMedia::NativeAudioPlayer* playPianoSample(QString const& path);

} // namespace RADarir
