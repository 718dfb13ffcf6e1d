#pragma once
// A recording format, and the recorder settings it becomes.

#include <QString>
#include <QVariantMap>

namespace QMMultiMedia {

struct MAudioFormat
{
    // Codec identifiers of codecIDFromString.
    enum CodecId { CodecWav = 0, CodecAiff = 1, CodecMpeg4Aac = 2, CodecCaf = 3 };

    QString codec = QStringLiteral("WAV"); // "WAV", "AIFF", "MPEG4ACC" or "CAF"
    int sampleRate = 44100;                // samples per second
    int channelCount = 2;
    int sampleSize = 16;  // bits per sample; carried, recordings are 16-bit
    int bitRate = 128000; // bits per second, for the compressed codecs
    int quality = 3;      // 0 (lowest) to 4 (highest)

    // 1 for "AIFF", 2 for "MPEG4ACC", 3 for "CAF", 0 for anything else, "WAV"
    // included; the names are compared exactly, case included.
    static int codecIDFromString(QString const& name);
};

bool operator==(MAudioFormat const& a, MAudioFormat const& b);
inline bool operator!=(MAudioFormat const& a, MAudioFormat const& b)
{
    return !(a == b);
}

// The platform recorder's settings for a format (keys in
// TickwrenAudio::RecorderSettings): the sample rate as a double, the channel
// count, the encoding (AAC for "MPEG4ACC" and "CAF", linear PCM otherwise),
// the bit rate for AAC only, and the quality 0, 1, 2, 4 as 0, 32, 64, 127 and
// every other step as 96. The container follows the output file's name.
QVariantMap recorderSettings(MAudioFormat const& format);

} // namespace QMMultiMedia
