#include "MetronomeArt.h"

#include <QLinearGradient>
#include <QtMath>

namespace MetronomeArt {

QPainterPath starPath(QPointF const& centre, qreal outer, qreal inner)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        qreal const r = (i % 2) ? inner : outer;
        qreal const a = qDegreesToRadians(-90 + i * 36.0);
        QPointF const pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

QPainterPath panelPath(QRectF const& rect, qreal radius, int corners)
{
    qreal const l = rect.left(), r = rect.right(), t = rect.top(), b = rect.bottom();
    qreal const rl = (corners & LeftCorners) ? radius : 0;
    qreal const rr = (corners & RightCorners) ? radius : 0;
    QPainterPath path;
    path.moveTo(l + rl, t);
    path.lineTo(r - rr, t);
    if (rr > 0)
        path.arcTo(QRectF(r - 2 * rr, t, 2 * rr, 2 * rr), 90, -90);
    path.lineTo(r, b - rr);
    if (rr > 0)
        path.arcTo(QRectF(r - 2 * rr, b - 2 * rr, 2 * rr, 2 * rr), 0, -90);
    path.lineTo(l + rl, b);
    if (rl > 0)
        path.arcTo(QRectF(l, b - 2 * rl, 2 * rl, 2 * rl), 270, -90);
    path.lineTo(l, t + rl);
    if (rl > 0)
        path.arcTo(QRectF(l, t, 2 * rl, 2 * rl), 180, -90);
    path.closeSubpath();
    return path;
}

void drawGlassPanel(QPainter& p, QRectF const& rect, qreal radius, int corners, bool hover)
{
    QPainterPath const path = panelPath(rect, radius, corners);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    QColor top = glassTop(), bottom = glassBottom();
    if (hover) {
        top = top.lighter(135);
        bottom = bottom.lighter(150);
    }
    top.setAlpha(235);
    bottom.setAlpha(235);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);

    // A soft sheen over the upper half.
    QRectF const sheen(rect.left(), rect.top(), rect.width(), rect.height() * 0.5);
    QLinearGradient shine(sheen.topLeft(), sheen.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, hover ? 60 : 38));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(path);
    p.fillRect(sheen, shine);
    p.restore();

    qreal const w = qMax<qreal>(2.0, rect.height() / 32.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hover ? rimHover() : rim(), w));
    qreal const h = w / 2;
    p.drawPath(panelPath(rect.adjusted(h, h, -h, -h), qMax<qreal>(0, radius - h), corners));
}

} // namespace MetronomeArt
