// Pictures of the image-note editor:
//   imagenotes/cursor-<tool>.png        the ten tool cursors, 32 x 32 with the hot
//                                       spot in the middle; the parts in pure blue
//                                       (0, 0, 255) take the drawing colour at run time,
//   imagenotes/thickness-<n>.png        the thickness menu's icons (1, 2, 3, 4, 5, 10, 15),
//   imagenotes/thickness-dash.png       and its dash entry,
//   imagenotes/preview-glass.png        the glass sheen over the drag preview.
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using AssetGen::canvas;

namespace {

QColor const kTint(0, 0, 255);
QColor const kInk(0x26, 0x30, 0x3c);
QColor const kPaper(0xfb, 0xfc, 0xfd);

// A cursor canvas: a small crosshair at the hot spot with a white halo, and a
// painter for the tool's glyph in the upper right.
struct Cursor
{
    QImage image = canvas(32, 32);
    QPainter p{&image};
    Cursor()
    {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath cross;
        cross.moveTo(16, 9);
        cross.lineTo(16, 13);
        cross.moveTo(16, 19);
        cross.lineTo(16, 23);
        cross.moveTo(9, 16);
        cross.lineTo(13, 16);
        cross.moveTo(19, 16);
        cross.lineTo(23, 16);
        p.setPen(QPen(QColor(255, 255, 255, 230), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(16, 16), 1.0, 1.0);
    }
    // An outlined glyph: a white halo and a dark edge around the given fill.
    void glyph(QPainterPath const& path, QBrush const& fill)
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 235), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setBrush(fill);
        p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    void stroke(QPainterPath const& path, QColor const& colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 235), width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(path);
    }
    QImage done()
    {
        p.end();
        return image;
    }
};

QImage penCursor()
{
    Cursor c;
    QPainterPath body;
    body.moveTo(20, 12);
    body.lineTo(27, 5);
    body.lineTo(30, 8);
    body.lineTo(23, 15);
    body.closeSubpath();
    c.glyph(body, kTint);
    QPainterPath tip;
    tip.moveTo(20, 12);
    tip.lineTo(23, 15);
    tip.lineTo(18.5, 16.5);
    tip.closeSubpath();
    c.glyph(tip, QColor(0xe9, 0xd8, 0xb4));
    return c.done();
}

QImage highlighterCursor()
{
    Cursor c;
    QPainterPath body;
    body.addRoundedRect(QRectF(21, 3, 6, 12), 1.5, 1.5);
    QTransform turn;
    turn.translate(24, 9);
    turn.rotate(40);
    turn.translate(-24, -9);
    c.glyph(turn.map(body), QColor(0xee, 0xf1, 0xf4));
    QPainterPath nib;
    nib.addRect(QRectF(21, 15, 6, 4));
    c.glyph(turn.map(nib), kTint);
    return c.done();
}

QImage eraserCursor()
{
    Cursor c;
    QPainterPath block;
    block.addRoundedRect(QRectF(19, 4, 11, 8), 2, 2);
    QTransform turn;
    turn.translate(24.5, 8);
    turn.rotate(-35);
    turn.translate(-24.5, -8);
    QLinearGradient pink(19, 4, 30, 12);
    pink.setColorAt(0, QColor(0xf7, 0xa8, 0xb8));
    pink.setColorAt(1, QColor(0xe0, 0x6e, 0x86));
    c.glyph(turn.map(block), pink);
    QPainterPath band;
    band.addRect(QRectF(19, 4, 4, 8));
    c.glyph(turn.map(band), QColor(0x5b, 0x8f, 0xd9));
    return c.done();
}

QImage shapeCursor(bool oval, bool filled)
{
    Cursor c;
    QRectF const r(20, 3, 10, 9);
    QPainterPath path;
    if (oval)
        path.addEllipse(r);
    else
        path.addRect(r);
    if (filled) {
        QColor fill = kTint;
        fill.setAlpha(200);
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(fill);
        c.p.drawPath(path);
    }
    c.stroke(path, kTint, 1.8);
    return c.done();
}

QImage lineCursor(bool arrow)
{
    Cursor c;
    QPainterPath path;
    path.moveTo(20, 13);
    path.lineTo(30, 3);
    if (arrow) {
        path.moveTo(30, 3);
        path.lineTo(24.5, 4.5);
        path.moveTo(30, 3);
        path.lineTo(28.5, 8.5);
    }
    c.stroke(path, kTint, 2.0);
    return c.done();
}

QImage blurCursor()
{
    Cursor c;
    QRectF const r(19, 2, 12, 12);
    QPainterPath frame;
    frame.addRoundedRect(r, 2, 2);
    QRadialGradient haze(r.center(), 7);
    haze.setColorAt(0, QColor(0x9c, 0xb4, 0xcc));
    haze.setColorAt(1, QColor(0xe6, 0xec, 0xf2));
    c.glyph(frame, haze);
    c.p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            c.p.setBrush(QColor(255, 255, 255, (i + j) % 2 ? 150 : 90));
            c.p.drawEllipse(QPointF(r.left() + 3 + i * 3, r.top() + 3 + j * 3), 1.3, 1.3);
        }
    }
    return c.done();
}

QImage textCursor()
{
    Cursor c;
    QFont font = AssetGen::font(13, true);
    QPainterPath letter;
    letter.addText(QPointF(20, 13), font, QStringLiteral("T"));
    c.stroke(letter, kTint, 0.1);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(kTint);
    c.p.drawPath(letter);
    return c.done();
}

// A thickness icon: a rounded white tile with a dark line of the given width.
QImage thicknessIcon(qreal width, bool dashed)
{
    QImage image = canvas(48, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 24);
    tile.setColorAt(0, kPaper);
    tile.setColorAt(1, QColor(0xe4, 0xe9, 0xef));
    p.setPen(QPen(QColor(0xb5, 0xbf, 0xca), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, 47, 23), 4, 4);
    QPen line(kInk, width, Qt::SolidLine, Qt::RoundCap);
    if (dashed) {
        line = QPen(kInk, 2.5, Qt::CustomDashLine, Qt::FlatCap);
        line.setDashPattern({3, 2});
    }
    p.setPen(line);
    p.drawLine(QPointF(8 + width / 2, 12), QPointF(40 - width / 2, 12));
    p.end();
    return image;
}

// A glass sheen: a soft highlight over the upper half and a faint rim, light
// enough that the thumbnail under it stays clear.
QImage previewGlass()
{
    QImage image = canvas(120, 100);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheen;
    sheen.moveTo(0, 0);
    sheen.lineTo(120, 0);
    sheen.lineTo(120, 34);
    sheen.cubicTo(80, 50, 40, 56, 0, 58);
    sheen.closeSubpath();
    QLinearGradient light(0, 0, 0, 58);
    light.setColorAt(0, QColor(255, 255, 255, 110));
    light.setColorAt(1, QColor(255, 255, 255, 10));
    p.fillPath(sheen, light);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 118, 98), 5, 5);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 119, 99), 5.5, 5.5);
    p.end();
    return image;
}

} // namespace

void generateImageNoteArt(AssetGen::Context& context)
{
    auto save = [&context](QString const& name, QImage const& image) {
        context.savePicture(QStringLiteral("imagenotes/") + name, image);
    };
    save(QStringLiteral("cursor-pen.png"), penCursor());
    save(QStringLiteral("cursor-eraser.png"), eraserCursor());
    save(QStringLiteral("cursor-highlighter.png"), highlighterCursor());
    save(QStringLiteral("cursor-rectangle.png"), shapeCursor(false, false));
    save(QStringLiteral("cursor-filled-rectangle.png"), shapeCursor(false, true));
    save(QStringLiteral("cursor-blur.png"), blurCursor());
    save(QStringLiteral("cursor-oval.png"), shapeCursor(true, false));
    save(QStringLiteral("cursor-line.png"), lineCursor(false));
    save(QStringLiteral("cursor-arrow.png"), lineCursor(true));
    save(QStringLiteral("cursor-text.png"), textCursor());
    for (int const px : {1, 2, 3, 4, 5, 10, 15})
        save(QStringLiteral("thickness-%1.png").arg(px), thicknessIcon(px, false));
    save(QStringLiteral("thickness-dash.png"), thicknessIcon(2.5, true));
    save(QStringLiteral("preview-glass.png"), previewGlass());
}

TW_ASSET_GENERATOR(generateImageNoteArt)
