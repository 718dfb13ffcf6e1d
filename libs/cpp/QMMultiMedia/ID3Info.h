#pragma once
// Finds a cover picture for an audio file: the first picture file in the audio
// file's folder that loads, in the order the file system lists the folder, or
// else the default cover among the compiled-in pictures (kDefaultCover; the
// program links the pictures). The audio file itself is never read and need not
// exist.

#include <QPixmap>
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

private:
    QString m_sFileName;
    QPixmap m_cover;
};

} // namespace QMMultiMedia
