// Pictures of the metronome's controls: the beat lamps, the tempo display with
// its minus and plus ends, the eye and ear switches, the beats button and the
// tempo list's panel. Every picture is drawn at twice the size the style sheet
// gives its widget, so that it stays sharp on high-density screens.
#include "AssetGenerator.h"
#include "MetronomeArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using AssetGen::canvas;
using namespace MetronomeArt;

namespace {

QImage drawLamp(bool lit)
{
    int const side = 100;
    QImage image = canvas(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF const c(50, 50);
    if (lit) {
        QRadialGradient halo(c, 50);
        halo.setColorAt(0.55, QColor(255, 200, 80, 150));
        halo.setColorAt(1, QColor(255, 160, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 50, 50);
    }
    // Metal ring.
    QLinearGradient ring(0, 14, 0, 86);
    ring.setColorAt(0, QColor(190, 200, 186));
    ring.setColorAt(1, QColor(60, 70, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, 34, 34);
    // Glass.
    QRadialGradient glass(c + QPointF(-6, -8), 34);
    if (lit) {
        glass.setColorAt(0, QColor(255, 250, 214));
        glass.setColorAt(0.35, QColor(255, 214, 96));
        glass.setColorAt(1, QColor(226, 128, 20));
    } else {
        glass.setColorAt(0, QColor(96, 84, 64));
        glass.setColorAt(0.5, QColor(54, 46, 36));
        glass.setColorAt(1, QColor(24, 20, 16));
    }
    p.setBrush(glass);
    p.drawEllipse(c, 29, 29);
    // Reflection.
    QLinearGradient shine(0, 22, 0, 50);
    shine.setColorAt(0, QColor(255, 255, 255, lit ? 200 : 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QRectF(34, 24, 32, 20));
    return image;
}

enum class Glyph { Minus, Plus, None };

QImage drawHeaderPiece(int width, int corners, Glyph g, bool hover)
{
    QImage image = canvas(width, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const r(1, 1, width - 2, 94);
    drawGlassPanel(p, r, 22, corners, hover);
    if (g == Glyph::None)
        return image;
    // The glyph sits towards the open side, next to the tempo.
    qreal const cx = (corners == LeftCorners) ? width * 0.56 : width * 0.44;
    QPointF const c(cx, 48);
    p.setPen(QPen(hover ? glyphHover() : glyph(), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(15, 0), c + QPointF(15, 0));
    if (g == Glyph::Plus)
        p.drawLine(c - QPointF(0, 15), c + QPointF(0, 15));
    return image;
}

// The face of a switch (110 x 88) with room for an icon.
void drawSwitchFace(QPainter& p, bool hover, bool checked)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawGlassPanel(p, QRectF(2, 2, 106, 84), 20, AllCorners, hover);
    if (checked) {
        // Switched off: a dimmer, sunken face.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawPath(panelPath(QRectF(6, 6, 98, 76), 16, AllCorners));
    }
}

void drawStrike(QPainter& p, bool hover)
{
    p.setPen(QPen(QColor(20, 28, 22), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 70), QPointF(80, 18));
    p.setPen(QPen(hover ? muted().lighter(120) : muted(), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 70), QPointF(80, 18));
}

QImage drawEyeSwitch(bool hover, bool checked)
{
    QImage image = canvas(110, 88);
    QPainter p(&image);
    drawSwitchFace(p, hover, checked);
    QColor const ink = checked ? glyph().darker(150) : (hover ? glyphHover() : glyph());
    QPointF const c(55, 44);
    QPainterPath eye;
    eye.moveTo(c.x() - 32, c.y());
    eye.quadTo(c.x(), c.y() - 30, c.x() + 32, c.y());
    eye.quadTo(c.x(), c.y() + 30, c.x() - 32, c.y());
    p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c, 10, 10);
    p.setBrush(checked ? QColor(20, 28, 22) : glassBottom());
    p.drawEllipse(c + QPointF(-3, -3), 3.5, 3.5);
    if (checked)
        drawStrike(p, hover);
    return image;
}

QImage drawEarSwitch(bool hover, bool checked)
{
    QImage image = canvas(110, 88);
    QPainter p(&image);
    drawSwitchFace(p, hover, checked);
    QColor const ink = checked ? glyph().darker(150) : (hover ? glyphHover() : glyph());
    // An ear seen from the side: the outer rim and the inner curl.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath outer;
    outer.moveTo(36, 40);
    outer.cubicTo(34, 18, 70, 12, 74, 34);
    outer.cubicTo(76, 46, 64, 50, 60, 58);
    outer.cubicTo(56, 68, 52, 74, 44, 72);
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(46, 40);
    inner.cubicTo(46, 28, 64, 28, 62, 38);
    inner.cubicTo(61, 44, 54, 44, 54, 50);
    p.drawPath(inner);
    if (!checked) {
        // Sound coming in.
        p.setPen(QPen(hover ? glyphHover() : amber(), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(70, 28, 24, 28), -50 * 16, 100 * 16);
        p.drawArc(QRectF(70, 20, 34, 44), -50 * 16, 100 * 16);
    } else {
        drawStrike(p, hover);
    }
    return image;
}

// The left end of the beats button: a small metronome.
QImage drawBeatIcon()
{
    QImage image = canvas(70, 98);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlassPanel(p, QRectF(1, 1, 69, 96), 22, LeftCorners, false);
    QPainterPath body;
    body.moveTo(30, 26);
    body.lineTo(44, 26);
    body.lineTo(54, 74);
    body.lineTo(20, 74);
    body.closeSubpath();
    p.setPen(QPen(glyph(), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(238, 232, 214, 40));
    p.drawPath(body);
    p.setPen(QPen(amber(), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 68), QPointF(50, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(amber());
    p.drawEllipse(QPointF(46, 43), 5, 5);
    return image;
}

// The beats button itself; the number is its text, drawn by the widget.
QImage drawBeatCount()
{
    QImage image = canvas(194, 98);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlassPanel(p, QRectF(0, 1, 193, 96), 22, RightCorners, false);
    // A thin divider towards the icon and a drop-down mark on the right.
    p.setPen(QPen(rim().darker(140), 2));
    p.drawLine(QPointF(2, 16), QPointF(2, 82));
    QPainterPath chevron;
    chevron.moveTo(158, 44);
    chevron.lineTo(168, 56);
    chevron.lineTo(178, 44);
    p.setPen(QPen(glyph(), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    return image;
}

// The panel behind the tempo list.
QImage drawListPanel()
{
    QImage image = canvas(340, 400);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const r(2, 2, 336, 396);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(30, 48, 36, 225));
    fill.setColorAt(1, QColor(10, 18, 13, 225));
    p.setPen(QPen(rim(), 3));
    p.setBrush(fill);
    p.drawRoundedRect(r, 18, 18);
    p.setPen(QPen(QColor(255, 255, 255, 30), 2));
    p.drawLine(QPointF(20, 6), QPointF(320, 6));
    return image;
}

// The small mark under menu buttons.
QImage drawMenuMark()
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(2, 4);
    tri.lineTo(14, 4);
    tri.lineTo(8, 12);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(glyph());
    p.drawPath(tri);
    return image;
}

void generateMetronomeControls(AssetGen::Context& context)
{
    context.savePicture("Biene_1.png", drawLamp(true));
    context.savePicture("Biene.png", drawLamp(false));

    context.savePicture("I-header-1.png", drawHeaderPiece(80, LeftCorners, Glyph::Minus, false));
    context.savePicture("I-header-1_hvr.png", drawHeaderPiece(80, LeftCorners, Glyph::Minus, true));
    context.savePicture("I-header-2.png", drawHeaderPiece(280, 0, Glyph::None, false));
    context.savePicture("I-header-3.png", drawHeaderPiece(80, RightCorners, Glyph::Plus, false));
    context.savePicture("I-header-3_hvr.png", drawHeaderPiece(80, RightCorners, Glyph::Plus, true));

    context.savePicture("I-eye.png", drawEyeSwitch(false, false));
    context.savePicture("I-eye_hvr.png", drawEyeSwitch(true, false));
    context.savePicture("I-eye_chk.png", drawEyeSwitch(false, true));
    context.savePicture("I-eye_chk_hvr.png", drawEyeSwitch(true, true));
    context.savePicture("I-hear.png", drawEarSwitch(false, false));
    context.savePicture("I-hear_hvr.png", drawEarSwitch(true, false));
    context.savePicture("I-hear_chk.png", drawEarSwitch(false, true));
    context.savePicture("I-hear_chk_hvr.png", drawEarSwitch(true, true));

    context.savePicture("I-biene.png", drawBeatIcon());
    context.savePicture("I-biene_2.png", drawBeatCount());
    context.savePicture("I-kvadrat.png", drawListPanel());
    context.savePicture("spinbox_button2.png", drawMenuMark());
}

} // namespace

TW_ASSET_GENERATOR(generateMetronomeControls)
