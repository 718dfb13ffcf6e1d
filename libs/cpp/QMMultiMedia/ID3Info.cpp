#include "QMMultiMedia/ID3Info.h"

#include "QMMultiMedia/MediaCommon.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace QMMultiMedia {

namespace {

// The picture at `path` read to fit the cover's size; null when it does not
// load or is too large to be a cover.
QPixmap readCover(QString const& path)
{
    QImageReader reader(path);
    QSize const size = reader.size();
    // The header's size, before any pixel is decoded: a picture of hundreds of
    // megapixels would take gigabytes, whatever it is scaled to afterwards.
    if (!size.isValid() || size.width() > ID3Info::kMaxPictureSide || size.height() > ID3Info::kMaxPictureSide
        || qint64(size.width()) * size.height() > ID3Info::kMaxPicturePixels)
        return QPixmap();
    if (size.width() > ID3Info::kCoverSize.width() || size.height() > ID3Info::kCoverSize.height())
        reader.setScaledSize(size.scaled(ID3Info::kCoverSize, Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

} // namespace

QString const ID3Info::kDefaultCover = QStringLiteral(":/pix/defaultcover.png");

ID3Info::ID3Info(QString const& fileName)
    : m_sFileName(fileName)
{
    QDir const dir(QFileInfo(fileName).absolutePath());
    // Plain files only: no folders and no hidden files.
    QStringList const names = dir.entryList({QStringLiteral("*")}, QDir::Files, QDir::NoSort);
    for (QString const& name : names) {
        if (!MediaCommon::isImage(name))
            continue;
        m_cover = readCover(dir.path() + QLatin1Char('/') + name);
        if (!m_cover.isNull())
            return;
    }
    m_cover.load(kDefaultCover);
}

ID3Info::~ID3Info() = default;

} // namespace QMMultiMedia
