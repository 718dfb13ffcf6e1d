// The play-list player's default cover, shown for a song whose folder holds no
// picture: a record half out of its sleeve on a dusk-coloured ground. The
// sleeve carries a pair of beamed notes; the record's label repeats the sleeve's
// colours, so that the two read as one album.
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int kCoverSize = 512;

// Two eighth notes joined by a beam, in a box of the given height.
void drawNotes(QPainter& p, QPointF const& origin, qreal h, QColor const& ink)
{
    p.save();
    p.translate(origin);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    qreal const headW = h * 0.30;
    qreal const headH = h * 0.21;
    qreal const stem = h * 0.055;
    QPointF const heads[2] = {QPointF(headW * 0.5, h - headH * 0.5), QPointF(h * 0.78, h * 0.86 - headH * 0.5)};
    for (QPointF const& c : heads) {
        p.save();
        p.translate(c);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), headW * 0.5, headH * 0.5);
        p.restore();
    }
    // Stems on the right of the heads, up to a slanted beam.
    qreal const x1 = heads[0].x() + headW * 0.42;
    qreal const x2 = heads[1].x() + headW * 0.42;
    p.drawRect(QRectF(x1 - stem, h * 0.12, stem, heads[0].y() - h * 0.12));
    p.drawRect(QRectF(x2 - stem, h * 0.02, stem, heads[1].y() - h * 0.02));
    QPainterPath beam;
    beam.moveTo(x1 - stem, h * 0.12);
    beam.lineTo(x2, h * 0.02);
    beam.lineTo(x2, h * 0.02 + h * 0.13);
    beam.lineTo(x1 - stem, h * 0.12 + h * 0.13);
    beam.closeSubpath();
    p.drawPath(beam);
    p.restore();
}

void drawRecord(QPainter& p, QPointF const& c, qreal r)
{
    // The disc, black with a faint sheen.
    QRadialGradient disc(c, r);
    disc.setColorAt(0, QColor(0x2a, 0x2a, 0x30));
    disc.setColorAt(0.97, QColor(0x12, 0x12, 0x16));
    disc.setColorAt(1, QColor(0x06, 0x06, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, r, r);

    // Grooves.
    p.setBrush(Qt::NoBrush);
    for (qreal g = r * 0.40; g < r * 0.96; g += r * 0.018) {
        int const shade = 0x22 + int(10 * qSin(g * 0.9));
        p.setPen(QPen(QColor(shade, shade, shade + 6, 150), 1.0));
        p.drawEllipse(c, g, g);
    }
    // Light catching the grooves along two opposite sectors.
    for (int side = 0; side < 2; ++side) {
        QPainterPath sector;
        sector.moveTo(c);
        sector.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 30 + side * 180, 28);
        sector.closeSubpath();
        QRadialGradient sheen(c, r);
        sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
        sheen.setColorAt(0.7, QColor(255, 255, 255, 38));
        sheen.setColorAt(0.98, QColor(255, 255, 255, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawPath(sector);
    }

    // The label: the sleeve's warm colours, with the spindle hole.
    qreal const lr = r * 0.34;
    QRadialGradient label(c - QPointF(lr * 0.3, lr * 0.3), lr * 1.3);
    label.setColorAt(0, QColor(0xff, 0xc8, 0x6b));
    label.setColorAt(1, QColor(0xe0, 0x6a, 0x3c));
    p.setBrush(label);
    p.drawEllipse(c, lr, lr);
    p.setPen(QPen(QColor(0x8a, 0x3a, 0x22, 120), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, lr * 0.78, lr * 0.78);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x1a, 0x20));
    p.drawEllipse(c, lr * 0.09, lr * 0.09);
}

QImage drawDefaultCover()
{
    QImage image = AssetGen::canvas(kCoverSize, kCoverSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    qreal const s = kCoverSize;

    // Ground: dusk, violet above and deep blue below, with a soft glow.
    QLinearGradient ground(0, 0, s * 0.3, s);
    ground.setColorAt(0, QColor(0x4b, 0x2f, 0x6e));
    ground.setColorAt(1, QColor(0x14, 0x1f, 0x45));
    p.fillRect(QRectF(0, 0, s, s), ground);
    QRadialGradient glow(QPointF(s * 0.72, s * 0.28), s * 0.6);
    glow.setColorAt(0, QColor(0xff, 0xa0, 0x70, 90));
    glow.setColorAt(1, QColor(0xff, 0xa0, 0x70, 0));
    p.fillRect(QRectF(0, 0, s, s), glow);

    // The record, pulled out to the right of the sleeve.
    QRectF const sleeve(s * 0.09, s * 0.16, s * 0.58, s * 0.68);
    drawRecord(p, QPointF(sleeve.right() + s * 0.0, sleeve.center().y()), sleeve.height() * 0.46);

    // The sleeve's shadow, then the sleeve.
    for (int i = 8; i > 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(sleeve.translated(i * 1.2, i * 1.6).adjusted(-i, -i, i, i), 10 + i, 10 + i);
    }
    QLinearGradient paper(sleeve.topLeft(), sleeve.bottomRight());
    paper.setColorAt(0, QColor(0xff, 0xb8, 0x5c));
    paper.setColorAt(0.55, QColor(0xf0, 0x78, 0x48));
    paper.setColorAt(1, QColor(0xc8, 0x45, 0x4a));
    p.setBrush(paper);
    p.drawRoundedRect(sleeve, 10, 10);

    // A ring printed on the sleeve, like the record inside showing through.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), s * 0.012));
    p.drawEllipse(sleeve.center(), sleeve.width() * 0.36, sleeve.width() * 0.36);
    p.setPen(QPen(QColor(255, 255, 255, 25), s * 0.006));
    p.drawEllipse(sleeve.center(), sleeve.width() * 0.43, sleeve.width() * 0.43);

    // The notes, with a soft shadow.
    qreal const nh = sleeve.height() * 0.40;
    QPointF const at(sleeve.center().x() - nh * 0.55, sleeve.center().y() - nh * 0.5);
    drawNotes(p, at + QPointF(3, 4), nh, QColor(0x70, 0x20, 0x20, 90));
    drawNotes(p, at, nh, QColor(0xff, 0xf6, 0xea));

    // A fine edge of light along the sleeve's top and left.
    QPainterPath edge;
    edge.moveTo(sleeve.left() + 1, sleeve.bottom() - 12);
    edge.lineTo(sleeve.left() + 1, sleeve.top() + 10);
    edge.quadTo(sleeve.left() + 1, sleeve.top() + 1, sleeve.left() + 10, sleeve.top() + 1);
    edge.lineTo(sleeve.right() - 12, sleeve.top() + 1);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawPath(edge);
    return image;
}

void drawMediaArt(AssetGen::Context& context)
{
    context.savePicture(QStringLiteral("pix/defaultcover.png"), drawDefaultCover());
}

} // namespace

TW_ASSET_GENERATOR(drawMediaArt)
