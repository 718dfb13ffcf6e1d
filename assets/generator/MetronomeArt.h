#pragma once
// Shared colours and drawing helpers of the metronome's artwork, so that the
// scene, the controls and the frame pictures keep one look: dark green glass
// panels with a soft green rim, warm amber light, cream glyphs.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace MetronomeArt {

// Palette.
inline QColor rim() { return QColor(126, 178, 138); }
inline QColor rimHover() { return QColor(196, 232, 170); }
inline QColor glyph() { return QColor(238, 232, 214); }
inline QColor glyphHover() { return QColor(255, 214, 120); }
inline QColor glassTop() { return QColor(46, 70, 52); }
inline QColor glassBottom() { return QColor(14, 24, 17); }
inline QColor amber() { return QColor(255, 190, 70); }
inline QColor muted() { return QColor(226, 96, 80); }

// A transparent ARGB canvas with antialiasing switched on by the caller's painter.
QImage canvas(int width, int height);

// Which corners of a panel are rounded.
enum Corners { LeftCorners = 1, RightCorners = 2, AllCorners = 3 };

// The outline of a panel with some of its corners rounded.
QPainterPath panelPath(QRectF const& rect, qreal radius, int corners);

// A five-pointed star standing upright, its points on the outer radius.
QPainterPath starPath(QPointF const& centre, qreal outer, qreal inner);

// A dark glass panel with a rim and a highlight along its top edge.
void drawGlassPanel(QPainter& p, QRectF const& rect, qreal radius, int corners, bool hover);

// A simple deterministic pseudo-random sequence, so that the generated files
// stay byte-identical from build to build.
class Random
{
public:
    explicit Random(quint32 seed) : m_nState(seed) {}
    // A value in [0, 1).
    qreal next()
    {
        m_nState = m_nState * 1664525u + 1013904223u;
        return (m_nState >> 8) / qreal(1 << 24);
    }

private:
    quint32 m_nState;
};

} // namespace MetronomeArt
