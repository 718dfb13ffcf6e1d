// The title-row buttons of the frameless window frame: close, maximise and
// minimise glyphs on a round, softly shaded face. Drawn at 48 x 48 so that they
// stay sharp on high-density screens when shown at 24 x 24.
#include "AssetGenerator.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

enum class Glyph { Close, Maximize, Minimize };

QImage drawTitleButton(Glyph glyph, QColor const& face)
{
    int const side = 48;
    QImage image = AssetGen::canvas(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Round face, lighter towards the upper left, with a thin darker rim.
    QRadialGradient shade(QPointF(18, 16), 30);
    shade.setColorAt(0, face.lighter(135));
    shade.setColorAt(1, face);
    p.setPen(QPen(face.darker(150), 2));
    p.setBrush(shade);
    p.drawEllipse(QRectF(3, 3, side - 6, side - 6));

    QPen mark(QColor(0x2a, 0x2a, 0x2a, 220), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mark);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(16, 16), QPointF(32, 32));
        p.drawLine(QPointF(32, 16), QPointF(16, 32));
        break;
    case Glyph::Maximize: {
        // Two corner arrows pointing outwards.
        QPainterPath arrows;
        arrows.moveTo(15, 24);
        arrows.lineTo(15, 15);
        arrows.lineTo(24, 15);
        arrows.moveTo(33, 24);
        arrows.lineTo(33, 33);
        arrows.lineTo(24, 33);
        p.drawPath(arrows);
        p.drawLine(QPointF(16, 16), QPointF(21, 21));
        p.drawLine(QPointF(32, 32), QPointF(27, 27));
        break;
    }
    case Glyph::Minimize:
        p.drawLine(QPointF(15, 24), QPointF(33, 24));
        break;
    }
    return image;
}

void generateDialogPictures(AssetGen::Context& context)
{
    context.savePicture("images/topwidget_close.png", drawTitleButton(Glyph::Close, QColor(0xe0, 0x5a, 0x4e)));
    context.savePicture("images/topwidget_maximize.png", drawTitleButton(Glyph::Maximize, QColor(0x5c, 0xb8, 0x5c)));
    context.savePicture("images/topwidget_minimize.png", drawTitleButton(Glyph::Minimize, QColor(0xe8, 0xb9, 0x3c)));
}

} // namespace

TW_ASSET_GENERATOR(generateDialogPictures)
