#include "QMMultiMedia/MediaCommon.h"

#include <initializer_list>

namespace QMMultiMedia {

namespace {

using Suffixes = std::initializer_list<char const*>;

// Tested in this order: video first, then audio, then pictures.
Suffixes const kVideoSuffixes = {".avi", ".mp4", ".mov", ".wmv", ".3gp", ".3g2", ".m4v",
                                 ".mpg", ".flv", ".swf", ".mkv", ".asf", ".vob"};
Suffixes const kAudioSuffixes = {".wav", ".mp3", ".m4a", ".wma", ".ac3", ".aac", ".ogg", ".3ga", ".aiff"};
Suffixes const kImageSuffixes = {".jpg", ".png", ".bmp", ".tif", ".tiff", ".jpeg", ".gif"};

bool endsWithAny(QString const& lowerName, Suffixes suffixes)
{
    for (char const* suffix : suffixes) {
        if (lowerName.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}

} // namespace

MediaCommon::MediaType MediaCommon::mediaType(QString const& fileName)
{
    QString const lower = fileName.toLower();
    if (endsWithAny(lower, kVideoSuffixes))
        return Video;
    if (endsWithAny(lower, kAudioSuffixes))
        return Audio;
    if (endsWithAny(lower, kImageSuffixes))
        return Image;
    return NoMedia;
}

bool MediaCommon::isAudio(QString const& fileName)
{
    return mediaType(fileName) == Audio;
}

bool MediaCommon::isVideo(QString const& fileName)
{
    return mediaType(fileName) == Video;
}

bool MediaCommon::isImage(QString const& fileName)
{
    return mediaType(fileName) == Image;
}

} // namespace QMMultiMedia
