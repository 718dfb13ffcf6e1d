// Pictures of the update check's answer: a green disc with a downward arrow when
// a newer version is published, a grey disc with a tick mark when not (or when
// the check could not be made).
#include "AssetGenerator.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage disc(QColor const& light, QColor const& dark)
{
    int const size = 64;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(24, 20), 44);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), 2));
    p.setBrush(shade);
    p.drawEllipse(QRectF(3, 3, 58, 58));
    return image;
}

void drawUpdatePictures(AssetGen::Context& context)
{
    QImage available = disc(QColor(0x7d, 0xd8, 0x6b), QColor(0x2e, 0x8b, 0x3a));
    {
        QPainter p(&available);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        arrow.moveTo(27, 14);
        arrow.lineTo(37, 14);
        arrow.lineTo(37, 32);
        arrow.lineTo(46, 32);
        arrow.lineTo(32, 49);
        arrow.lineTo(18, 32);
        arrow.lineTo(27, 32);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    }
    context.savePicture(QStringLiteral("pix/update_available.png"), available);

    QImage notAvailable = disc(QColor(0xd6, 0xda, 0xe0), QColor(0x7a, 0x82, 0x8e));
    {
        QPainter p(&notAvailable);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(19, 33);
        tick.lineTo(28, 42);
        tick.lineTo(45, 22);
        p.drawPath(tick);
    }
    context.savePicture(QStringLiteral("pix/update_not_available.png"), notAvailable);
}

} // namespace

TW_ASSET_GENERATOR(drawUpdatePictures)
