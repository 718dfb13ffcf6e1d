#include "QMViewer/Thumbnail.h"

#include <QImageReader>
#include <QPainter>

namespace QMViewer {

namespace {

constexpr int kDefaultSide = 30;

} // namespace

Thumbnail::Thumbnail()
    : QPixmap(kDefaultSide, kDefaultSide)
{
}

Thumbnail::Thumbnail(int width, int height)
    : QPixmap(width, height)
{
}

Thumbnail::Thumbnail(int width, int height, QPixmap const& source)
    : QPixmap(width, height)
{
    init(source.isNull() ? source : source.scaled(width, height, Qt::KeepAspectRatio, Qt::FastTransformation));
}

Thumbnail::Thumbnail(int width, int height, QImage const& source)
    : QPixmap(width, height)
{
    init(source.isNull()
             ? QPixmap()
             : QPixmap::fromImage(source.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void Thumbnail::init(QPixmap const& picture)
{
    if (isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Qt::darkGray));
    painter.drawRect(rect());
    if (picture.isNull())
        return;
    QPixmap const fitted = picture.size() == picture.size().scaled(size(), Qt::KeepAspectRatio)
                               ? picture
                               : picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Centred by the size actually drawn: a picture larger than the thumbnail
    // would otherwise start off its top left corner.
    painter.drawPixmap((width() - fitted.width()) / 2, (height() - fitted.height()) / 2, fitted);
}

QImage Thumbnail::readFitted(QString const& path, QSize const& box)
{
    QImageReader reader(path);
    // Photos carry their orientation in their metadata; a viewer shows them upright.
    reader.setAutoTransform(true);
    QSize const stored = reader.size();
    if (stored.isValid() && !box.isEmpty()) {
        // The scaled size applies before the orientation is, so a quarter turn
        // swaps the box.
        bool const turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        QSize const limit = turned ? box.transposed() : box;
        if (stored.width() > limit.width() || stored.height() > limit.height())
            reader.setScaledSize(stored.scaled(limit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
    return reader.read();
}

} // namespace QMViewer
