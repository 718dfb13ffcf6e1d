#pragma once
// The playing time of an audio file from its header (frames and sample rate, as
// the decoder library reports them after opening the file), without decoding
// the sound. ID3 tags before and after the sound are left out, so that a
// decoder that estimates a length from the file's size does not count them,
// and an MP3 file's VBRI header frame gives its frame count.
// Safe to call from any thread.

#include <QString>

namespace QMMultiMedia {

// Milliseconds, truncated; -1 when the file cannot be opened as sound.
qint64 readAudioFileDurationMs(QString const& path);

} // namespace QMMultiMedia
