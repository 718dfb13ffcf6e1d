#include "QMMultiMedia/MAudioFormat.h"

#include "platform/audio/AudioRecorder.h"

namespace QMMultiMedia {

namespace Keys = TickwrenAudio::RecorderSettings;

int MAudioFormat::codecIDFromString(QString const& name)
{
    if (name == QLatin1String("AIFF"))
        return CodecAiff;
    if (name == QLatin1String("MPEG4ACC"))
        return CodecMpeg4Aac;
    if (name == QLatin1String("CAF"))
        return CodecCaf;
    return CodecWav;
}

bool operator==(MAudioFormat const& a, MAudioFormat const& b)
{
    return a.codec == b.codec && a.sampleRate == b.sampleRate && a.channelCount == b.channelCount
           && a.sampleSize == b.sampleSize && a.bitRate == b.bitRate && a.quality == b.quality;
}

QVariantMap recorderSettings(MAudioFormat const& format)
{
    int const codec = MAudioFormat::codecIDFromString(format.codec);
    bool const aac = codec == MAudioFormat::CodecMpeg4Aac || codec == MAudioFormat::CodecCaf;
    QVariantMap settings;
    settings.insert(QLatin1String(Keys::kSampleRate), double(format.sampleRate));
    settings.insert(QLatin1String(Keys::kChannelCount), format.channelCount);
    settings.insert(QLatin1String(Keys::kFormatId), aac ? Keys::kMpeg4Aac : Keys::kLinearPcm);
    if (aac)
        settings.insert(QLatin1String(Keys::kBitRate), format.bitRate);
    int quality = Keys::QualityHigh;
    switch (format.quality) {
    case 0:
        quality = Keys::QualityMin;
        break;
    case 1:
        quality = Keys::QualityLow;
        break;
    case 2:
        quality = Keys::QualityMedium;
        break;
    case 4:
        quality = Keys::QualityMax;
        break;
    default:
        break;
    }
    settings.insert(QLatin1String(Keys::kQuality), quality);
    return settings;
}

} // namespace QMMultiMedia
