// The application icon: a small wooden metronome with its pendulum swung to the right.
#include "AppIcon.h"
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage drawAppIcon(int size)
{
    QImage image = AssetGen::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // Rounded tile.
    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(0x2b, 0x3a, 0x55));
    tile.setColorAt(1, QColor(0x12, 0x18, 0x26));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

    // Metronome body: a truncated pyramid.
    QPainterPath body;
    body.moveTo(96, 44);
    body.lineTo(160, 44);
    body.lineTo(196, 214);
    body.lineTo(60, 214);
    body.closeSubpath();
    QLinearGradient wood(60, 0, 196, 0);
    wood.setColorAt(0, QColor(0xc9, 0x7b, 0x3a));
    wood.setColorAt(0.5, QColor(0xe3, 0x9d, 0x56));
    wood.setColorAt(1, QColor(0xa8, 0x5f, 0x27));
    p.setBrush(wood);
    p.drawPath(body);

    // Face plate.
    QPainterPath plate;
    plate.moveTo(108, 64);
    plate.lineTo(148, 64);
    plate.lineTo(172, 184);
    plate.lineTo(84, 184);
    plate.closeSubpath();
    p.setBrush(QColor(0xf6, 0xe8, 0xd0));
    p.drawPath(plate);

    // Scale marks.
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        qreal y = 80 + i * 18;
        p.drawLine(QPointF(122, y), QPointF(134, y));
    }

    // Base.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x3a, 0x17));
    p.drawRoundedRect(QRectF(50, 206, 156, 22), 8, 8);

    // Pendulum: pivot near the base, swung 18 degrees right.
    QPointF const pivot(128, 196);
    qreal const angle = qDegreesToRadians(18.0);
    QPointF const tip(pivot.x() + 150 * qSin(angle), pivot.y() - 150 * qCos(angle));
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot, tip);
    QPointF const weight(pivot.x() + 95 * qSin(angle), pivot.y() - 95 * qCos(angle));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x3d));
    p.drawEllipse(weight, 15, 15);
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawEllipse(pivot, 8, 8);
    return image;
}

namespace {

void generateAppIcon(AssetGen::Context& context)
{
    context.savePicture("images/tickwren.png", drawAppIcon(256));
    context.savePicture("images/tickwren_64.png", drawAppIcon(64));
}

} // namespace

TW_ASSET_GENERATOR(generateAppIcon)
