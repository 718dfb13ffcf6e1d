#pragma once
// Tells from a file name alone whether a file is a video, an audio file or a
// picture. Only the end of the name counts, in any case; the file's content is
// never looked at.

#include <QString>

namespace QMMultiMedia {

class MediaCommon
{
public:
    // 3 is not used: 4 means "none of these".
    enum MediaType { Audio = 0, Video = 1, Image = 2, NoMedia = 4 };

    // The argument may be a bare file name or a whole path.
    static MediaType mediaType(QString const& fileName);
    static bool isAudio(QString const& fileName);
    static bool isVideo(QString const& fileName);
    static bool isImage(QString const& fileName);
};

} // namespace QMMultiMedia
