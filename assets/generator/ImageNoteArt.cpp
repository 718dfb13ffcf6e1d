// Pictures of the image-note editor:
//   imagenotes/cursor-<tool>.png        the ten tool cursors, 32 x 32 with the hot
//                                       spot in the middle; the parts in pure blue
//                                       (0, 0, 255) take the drawing colour at run time,
//   imagenotes/thickness-<n>.png        the thickness menu's icons (1, 2, 3, 4, 5, 10, 15),
//   imagenotes/thickness-dash.png       and its dash entry,
//   imagenotes/preview-glass.png        the glass sheen over the drag preview,
//   imagenotes/tool-<tool>.png          the tool column's buttons,
//   imagenotes/bar-<action>.png         the bar's buttons, with faded -disabled
//                                       forms for undo and redo,
//   imagenotes/menu-arrow.png           the chevron of the thickness button,
//   imagenotes/note-<action>.png        the text box's accept, cancel, increase
//                                       and decrease buttons.
// The button pictures are one family for the editor's dark frame: drawn on a
// 24-unit grid at twice that size, light outlines with one accent colour each.
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using AssetGen::canvas;

namespace {

QColor const kTint(0, 0, 255);
QColor const kInk(0x26, 0x30, 0x3c);
QColor const kPaper(0xfb, 0xfc, 0xfd);

QPainterPath shapePath(QRectF const& r, bool oval)
{
    QPainterPath path;
    if (oval)
        path.addEllipse(r);
    else
        path.addRect(r);
    return path;
}

// A path through the points, closed when asked.
QPainterPath polyline(std::initializer_list<QPointF> points, bool closed = false)
{
    QPainterPath path;
    for (QPointF const& point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

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
    QPainterPath const path = shapePath(r, oval);
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

// A thickness icon: a rounded light tile with a dark line. Menus show their
// icons at 16 x 16, so the tile is square, drawn at twice that size, and the
// wide lines are drawn narrower than they are so that each stays distinct.
QImage thicknessIcon(qreal width, bool dashed)
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 32);
    tile.setColorAt(0, kPaper);
    tile.setColorAt(1, QColor(0xdc, 0xe2, 0xe9));
    p.setPen(QPen(QColor(0x9e, 0xaa, 0xb7), 1.5));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    qreal const drawn = width <= 5 ? 2 * width : 10 + 0.8 * (width - 5);
    QPen line(kInk, drawn, Qt::SolidLine, Qt::FlatCap);
    if (dashed) {
        line = QPen(kInk, 4, Qt::CustomDashLine, Qt::FlatCap);
        line.setDashPattern({1.5, 1});
    }
    p.setPen(line);
    p.drawLine(QPointF(6, 16), QPointF(26, 16));
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

// Button pictures.

constexpr int kGrid = 24;
constexpr int kGridScale = 2;

QColor const kLight(0xe9, 0xee, 0xf3);
QColor const kEdge(0x14, 0x19, 0x1f);
QColor const kAmber(0xf4, 0xb5, 0x3f);
QColor const kCoral(0xef, 0x6b, 0x5e);
QColor const kSky(0x5c, 0xae, 0xf5);
QColor const kMint(0x4c, 0xc8, 0x8e);
QColor const kRose(0xf2, 0x9a, 0xb0);
QColor const kLime(0xe4, 0xf0, 0x4e);

struct Glyph
{
    QImage image = canvas(kGrid * kGridScale, kGrid* kGridScale);
    QPainter p{&image};
    Glyph()
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kGridScale, kGridScale);
    }
    void outline(QPainterPath const& path, qreal width = 1.8, QColor const& colour = kLight)
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    // A filled shape with a thin dark edge, so that it keeps its form on the
    // light checked background as well as on the dark frame.
    void solid(QPainterPath const& path, QBrush const& fill, qreal edge = 0.9)
    {
        p.setBrush(fill);
        p.setPen(edge > 0 ? QPen(kEdge, edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
        p.drawPath(path);
    }
    // An arrow head, filled and edged in one colour so that its corners are round.
    void head(QPointF const& a, QPointF const& b, QPointF const& c, QColor const& colour, qreal edge = 1.0)
    {
        QPainterPath const path = polyline({a, b, c}, true);
        solid(path, colour, 0);
        outline(path, edge, colour);
    }
    QImage done()
    {
        p.end();
        return image;
    }
};

QPainterPath rectPath(QRectF const& r, qreal radius = 0)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

QPainterPath turned(QPainterPath const& path, QPointF const& centre, qreal degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

QLinearGradient across(QRectF const& r, QColor const& colour)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(118));
    g.setColorAt(1, colour.darker(112));
    return g;
}

// A pencil lying from the lower left to the upper right, over a stroke it drew.
QImage toolPen()
{
    Glyph g;
    QPainterPath trail;
    trail.moveTo(3, 21);
    trail.cubicTo(6, 18.5, 8, 22.5, 11, 20.5);
    g.outline(trail, 1.6, kSky);
    QPointF const c(13.5, 10.5);
    g.solid(turned(rectPath(QRectF(10, 8, 10, 5)), c, -45), across(QRectF(10, 8, 10, 5), kAmber));
    g.solid(turned(rectPath(QRectF(20, 8, 2.5, 5), 0.8), c, -45), kRose);
    QPainterPath const cone = polyline({{10, 8}, {10, 13}, {5, 10.5}}, true);
    g.solid(turned(cone, c, -45), QColor(0xf3, 0xdc, 0xb0));
    QPainterPath const lead = polyline({{6.8, 9.6}, {6.8, 11.4}, {5, 10.5}}, true);
    g.solid(turned(lead, c, -45), kSky, 0.5);
    return g.done();
}

// An eraser block tilted over the clean line it leaves.
QImage toolEraser()
{
    Glyph g;
    QPainterPath const floor = polyline({{4, 20.5}, {20, 20.5}});
    g.outline(floor, 1.4, QColor(0x8a, 0x96, 0xa3));
    QPointF const c(12, 11);
    g.solid(turned(rectPath(QRectF(4.5, 7.5, 15, 7), 1.6), c, -35), QColor(0xf4, 0xf6, 0xf8));
    g.solid(turned(rectPath(QRectF(4.5, 7.5, 6.5, 7), 1.6), c, -35), across(QRectF(4.5, 7.5, 6.5, 7), kRose));
    return g.done();
}

// A marker with a chisel tip over a broad translucent band.
QImage toolHighlighter()
{
    Glyph g;
    QColor band = kLime;
    band.setAlpha(150);
    g.p.setPen(Qt::NoPen);
    g.p.setBrush(band);
    g.p.drawRoundedRect(QRectF(2.5, 17, 19, 4.5), 1, 1);
    QPointF const c(13, 10);
    g.solid(turned(rectPath(QRectF(9.5, 7, 11, 6), 1.2), c, -45), QColor(0xf0, 0xf3, 0xf6));
    g.solid(turned(rectPath(QRectF(17, 7, 3.5, 6), 1.2), c, -45), across(QRectF(17, 7, 3.5, 6), kLime.darker(115)));
    QPainterPath const tip = polyline({{9.5, 7.8}, {9.5, 12.2}, {5.5, 11.5}, {5.5, 9.5}}, true);
    g.solid(turned(tip, c, -45), kLime);
    return g.done();
}

QImage toolShape(bool oval, bool filled)
{
    Glyph g;
    QRectF const r = oval ? QRectF(3.5, 5.5, 17, 13) : QRectF(4, 6, 16, 12);
    QPainterPath const path = shapePath(r, oval);
    if (filled) {
        QColor fill = kSky;
        fill.setAlpha(215);
        g.p.setPen(Qt::NoPen);
        g.p.setBrush(across(r, fill));
        g.p.drawPath(path);
    }
    g.outline(path, 1.9);
    return g.done();
}

// A frame over soft blotches that run into each other.
QImage toolBlur()
{
    Glyph g;
    QRectF const r(3.5, 3.5, 17, 17);
    g.p.setPen(Qt::NoPen);
    struct Blot
    {
        QPointF at;
        qreal radius;
        QColor colour;
    };
    Blot const blots[] = {{{9, 9}, 6.5, kSky}, {{15.5, 10}, 5.5, kCoral}, {{11.5, 15.5}, 6, kMint}};
    for (Blot const& blot : blots) {
        QRadialGradient soft(blot.at, blot.radius);
        QColor inner = blot.colour;
        inner.setAlpha(230);
        QColor outer = blot.colour;
        outer.setAlpha(0);
        soft.setColorAt(0, inner);
        soft.setColorAt(1, outer);
        g.p.setBrush(soft);
        g.p.drawEllipse(blot.at, blot.radius, blot.radius);
    }
    QPainterPath frame;
    frame.addRoundedRect(r, 2.5, 2.5);
    g.p.setBrush(Qt::NoBrush);
    QPen dashed(kLight, 1.5, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    dashed.setDashPattern({2.0, 1.6});
    g.p.setPen(dashed);
    g.p.drawPath(frame);
    return g.done();
}

QImage toolLine(bool arrow)
{
    Glyph g;
    QPainterPath const shaft = polyline({{4.5, 19.5}, {19.5, 4.5}});
    g.outline(shaft, 2.0);
    if (arrow) {
        g.head(QPointF(19.5, 4.5), QPointF(11.5, 6.2), QPointF(17.8, 12.5), kCoral, 1.2);
    } else {
        g.p.setPen(Qt::NoPen);
        g.p.setBrush(kSky);
        g.p.drawEllipse(QPointF(4.5, 19.5), 2.2, 2.2);
        g.p.drawEllipse(QPointF(19.5, 4.5), 2.2, 2.2);
    }
    return g.done();
}

// A serif T, drawn from bars so that it does not depend on a type face.
QImage toolText()
{
    Glyph g;
    QPainterPath letter;
    letter.addRect(QRectF(5, 4, 14, 3));
    letter.addRect(QRectF(10.5, 4, 3, 15));
    letter.addRect(QRectF(8, 17.5, 8, 2.2));
    letter.addRect(QRectF(5, 4, 1.8, 5));
    letter.addRect(QRectF(17.2, 4, 1.8, 5));
    letter.setFillRule(Qt::WindingFill);
    g.solid(letter.simplified(), kLight, 0);
    QPainterPath const caret = polyline({{20.5, 13}, {20.5, 21}});
    g.outline(caret, 1.4, kSky);
    return g.done();
}

// Three lines of growing weight.
QImage barThickness()
{
    Glyph g;
    qreal y = 6;
    for (qreal const width : {1.0, 2.4, 4.4}) {
        QPainterPath const line = polyline({{4 + width / 2, y}, {20 - width / 2, y}});
        g.outline(line, width);
        y += width / 2 + 4.5 + (width < 2 ? 1.2 : 2);
    }
    return g.done();
}

// A hooked arrow back to the left; mirrored it is redo.
QImage barUndo(bool redo)
{
    Glyph g;
    if (redo) {
        g.p.translate(kGrid, 0);
        g.p.scale(-1, 1);
    }
    QPainterPath hook = polyline({{6, 9.5}, {14, 9.5}});
    hook.cubicTo(18, 9.5, 20.5, 12, 20.5, 14.75);
    hook.cubicTo(20.5, 17.5, 18, 20, 14, 20);
    hook.lineTo(9, 20);
    g.outline(hook, 2.1);
    g.head(QPointF(3, 9.5), QPointF(9, 4.5), QPointF(9, 14.5), kSky);
    return g.done();
}

// An arrow down into a tray.
QImage barSave()
{
    Glyph g;
    QPainterPath const tray = polyline({{3.5, 14}, {3.5, 20.5}, {20.5, 20.5}, {20.5, 14}});
    g.outline(tray, 2.0);
    QPainterPath const stem = polyline({{12, 3}, {12, 12}});
    g.outline(stem, 2.4, kSky);
    g.head(QPointF(6.5, 10.5), QPointF(17.5, 10.5), QPointF(12, 16.5), kSky);
    return g.done();
}

// Four tiles of different colours: other programs.
QImage barMoreApps()
{
    Glyph g;
    QColor const colours[] = {kSky, kCoral, kMint, kAmber};
    for (int i = 0; i < 4; ++i) {
        QRectF const tile(4 + (i % 2) * 9, 4 + (i / 2) * 9, 7, 7);
        g.solid(rectPath(tile, 1.8), across(tile, colours[i]), 0);
    }
    return g.done();
}

// Three dots on a rounded tile: the application's own menu.
QImage barApp()
{
    Glyph g;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(3.5, 3.5, 17, 17), 4.5, 4.5);
    g.outline(tile, 1.8);
    g.p.setPen(Qt::NoPen);
    g.p.setBrush(kLight);
    for (int i = 0; i < 3; ++i)
        g.p.drawEllipse(QPointF(7.75 + i * 4.25, 12), 1.6, 1.6);
    return g.done();
}

// A power sign.
QImage barQuit()
{
    Glyph g;
    QPainterPath ring;
    ring.arcMoveTo(QRectF(4.5, 5, 15, 15), 120);
    ring.arcTo(QRectF(4.5, 5, 15, 15), 120, 300);
    g.outline(ring, 2.1, kCoral);
    QPainterPath const stem = polyline({{12, 3}, {12, 11.5}});
    g.outline(stem, 2.1, kCoral);
    return g.done();
}

QImage menuArrow()
{
    QImage image = canvas(16, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath const chevron = polyline({{2.5, 2.5}, {8, 7.5}, {13.5, 2.5}});
    p.setPen(QPen(kLight, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
    p.end();
    return image;
}

// The text box's buttons sit on a light box, so they carry their own round tile.
QImage noteButton(QColor const& colour, QPainterPath const& mark)
{
    Glyph g;
    QRadialGradient tile(QPointF(10, 8), 14);
    tile.setColorAt(0, colour.lighter(125));
    tile.setColorAt(1, colour.darker(110));
    QPainterPath disc;
    disc.addEllipse(QRectF(2, 2, 20, 20));
    g.solid(disc, tile, 0);
    g.outline(mark, 2.4, Qt::white);
    return g.done();
}

QImage noteAccept()
{
    QPainterPath const tick = polyline({{7, 12.5}, {10.5, 16}, {17, 8.5}});
    return noteButton(kMint.darker(108), tick);
}

QImage noteCancel()
{
    QPainterPath cross = polyline({{8, 8}, {16, 16}});
    cross.moveTo(16, 8);
    cross.lineTo(8, 16);
    return noteButton(kCoral, cross);
}

// A letter with a plus or a minus: the text grows or shrinks.
QImage noteSize(bool larger)
{
    QPainterPath letter = polyline({{4.5, 16.5}, {8.5, 6.5}, {12.5, 16.5}});
    letter.moveTo(6, 13);
    letter.lineTo(11, 13);
    letter.moveTo(14.5, 11.5);
    letter.lineTo(19.5, 11.5);
    if (larger) {
        letter.moveTo(17, 9);
        letter.lineTo(17, 14);
    }
    return noteButton(QColor(0x5b, 0x6b, 0x7d), letter);
}

// The form of a button that cannot be used now: the same picture, faint.
QImage faded(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int const grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 35 / 100);
        }
    }
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
    save(QStringLiteral("thickness-dash.png"), thicknessIcon(2, true));
    save(QStringLiteral("preview-glass.png"), previewGlass());
    save(QStringLiteral("tool-pen.png"), toolPen());
    save(QStringLiteral("tool-eraser.png"), toolEraser());
    save(QStringLiteral("tool-highlighter.png"), toolHighlighter());
    save(QStringLiteral("tool-rectangle.png"), toolShape(false, false));
    save(QStringLiteral("tool-filled-rectangle.png"), toolShape(false, true));
    save(QStringLiteral("tool-oval.png"), toolShape(true, false));
    save(QStringLiteral("tool-filled-oval.png"), toolShape(true, true));
    save(QStringLiteral("tool-blur.png"), toolBlur());
    save(QStringLiteral("tool-line.png"), toolLine(false));
    save(QStringLiteral("tool-arrow.png"), toolLine(true));
    save(QStringLiteral("tool-text.png"), toolText());
    save(QStringLiteral("bar-thickness.png"), barThickness());
    save(QStringLiteral("bar-undo.png"), barUndo(false));
    save(QStringLiteral("bar-undo-disabled.png"), faded(barUndo(false)));
    save(QStringLiteral("bar-redo.png"), barUndo(true));
    save(QStringLiteral("bar-redo-disabled.png"), faded(barUndo(true)));
    save(QStringLiteral("bar-save.png"), barSave());
    save(QStringLiteral("bar-more-apps.png"), barMoreApps());
    save(QStringLiteral("bar-app.png"), barApp());
    save(QStringLiteral("bar-quit.png"), barQuit());
    save(QStringLiteral("menu-arrow.png"), menuArrow());
    save(QStringLiteral("note-accept.png"), noteAccept());
    save(QStringLiteral("note-cancel.png"), noteCancel());
    save(QStringLiteral("note-increase.png"), noteSize(true));
    save(QStringLiteral("note-decrease.png"), noteSize(false));
}

TW_ASSET_GENERATOR(generateImageNoteArt)
