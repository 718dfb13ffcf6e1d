#pragma once
// Finds a cover picture for an audio file: the first picture file in the audio
// file's folder that loads, in the order the file system lists the folder, or
// else the default cover among the compiled-in pictures (kDefaultCover; the
// program links the pictures). The audio file itself is never read and need not
// exist.
//
// Pictures are read at the size a cover is shown at: one larger than
// kCoverSize is read scaled down to fit it, keeping its shape. Pictures whose
// header tells of more than kMaxPictureSide pixels on a side or kMaxPicturePixels
// in all are passed over unread, as damaged ones are.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace QMMultiMedia {

class ID3Info
{
public:
    explicit ID3Info(QString const& fileName);
    virtual ~ID3Info();
    ID3Info(ID3Info const&) = default;
    ID3Info& operator=(ID3Info const&) = default;

    // Null when neither a folder picture nor the default cover loaded.
    QPixmap const& cover() const { return m_cover; }

    static QString const kDefaultCover;
    static constexpr QSize kCoverSize{512, 512};
    static constexpr int kMaxPictureSide = 16384;
    static constexpr qint64 kMaxPicturePixels = 50 * 1000 * 1000;

private:
    QString m_sFileName;
    QPixmap m_cover;
};

} // namespace QMMultiMedia
