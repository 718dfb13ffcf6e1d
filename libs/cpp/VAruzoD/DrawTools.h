#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace VAruzoD {

// Stateless picture operations over QImage and QPainter.
class DrawTools
{
public:
    // Recolours the pixels whose hue lies within 9 degrees of from's hue: the
    // hue is moved by to - from (0 to 359, wrapping), saturation and value are
    // scaled by to / from (0 when from's is 0) and clamped, alpha is kept. The
    // result is premultiplied ARGB whatever the input format.
    static QImage colorizeImage(const QImage& image, const QColor& from, const QColor& to);

    // An exponential blur of the part of the image within rect (clipped to the
    // image), run down, right, up and left; pixels outside rect keep their
    // values. radius < 1 changes nothing; larger radii blur more, up to 18.
    // onlyAlpha blurs only the alpha channel. The result is premultiplied ARGB.
    static QImage blurred(const QImage& image, const QRect& rect, int radius, bool onlyAlpha);

    // An information bubble with the text in white: a soft black shadow and a
    // rounded rectangle filled with a radial gradient from white to color, at
    // pos, drawn with the given opacity (and a white outline when outline is
    // set). The painter's state is restored afterwards.
    static void drawInfo(QPainter* painter, const QPoint& pos, const QString& text, const QFont& font,
                         const QColor& color, bool outline, float opacity);
};

} // namespace VAruzoD
