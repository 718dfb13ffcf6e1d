#pragma once
// Shared colours and drawing helpers of the metronome's artwork, so that the
// scene, the controls and the frame pictures keep one look: dark green glass
// panels with a soft green rim, warm amber light, cream glyphs.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace MetronomeArt {

// Palette.
inline QColor rim()
{
    return QColor(126, 178, 138);
}
inline QColor rimHover()
{
    return QColor(196, 232, 170);
}
inline QColor glyph()
{
    return QColor(238, 232, 214);
}
inline QColor glyphHover()
{
    return QColor(255, 214, 120);
}
inline QColor glassTop()
{
    return QColor(46, 70, 52);
}
inline QColor glassBottom()
{
    return QColor(14, 24, 17);
}
inline QColor amber()
{
    return QColor(255, 190, 70);
}
inline QColor muted()
{
    return QColor(226, 96, 80);
}

// Which corners of a panel are rounded.
enum Corners { LeftCorners = 1, RightCorners = 2, AllCorners = 3 };

// The outline of a panel with some of its corners rounded.
QPainterPath panelPath(QRectF const& rect, qreal radius, int corners);

// A five-pointed star standing upright, its points on the outer radius.
QPainterPath starPath(QPointF const& centre, qreal outer, qreal inner);

// A dark glass panel with a rim and a highlight along its top edge.
void drawGlassPanel(QPainter& p, QRectF const& rect, qreal radius, int corners, bool hover);

} // namespace MetronomeArt
