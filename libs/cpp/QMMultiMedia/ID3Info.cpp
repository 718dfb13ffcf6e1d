#include "QMMultiMedia/ID3Info.h"

#include "QMMultiMedia/MediaCommon.h"

#include <QDir>
#include <QFileInfo>

namespace QMMultiMedia {

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
        if (m_cover.load(dir.path() + QLatin1Char('/') + name))
            return;
    }
    m_cover.load(kDefaultCover);
}

ID3Info::~ID3Info() = default;

} // namespace QMMultiMedia
