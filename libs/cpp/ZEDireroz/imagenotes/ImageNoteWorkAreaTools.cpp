// The drawing tools: what each draws, and where a gesture may paint.
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include "VAruzoD/DrawTools.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

namespace ZEDireroz {

QRect ImageNoteWorkArea::toDevice(QRect const& points) const
{
    qreal const ratio = m_layer.devicePixelRatio();
    QRect const device(QPoint(qFloor(points.left() * ratio), qFloor(points.top() * ratio)),
                       QPoint(qCeil((points.right() + 1) * ratio) - 1, qCeil((points.bottom() + 1) * ratio) - 1));
    return device.intersected(m_layer.rect());
}

QRect ImageNoteWorkArea::toPoints(QRect const& device) const
{
    qreal const ratio = m_layer.devicePixelRatio();
    return QRect(QPoint(qFloor(device.left() / ratio), qFloor(device.top() / ratio)),
                 QPoint(qCeil((device.right() + 1) / ratio) - 1, qCeil((device.bottom() + 1) / ratio) - 1));
}

// Everything a gesture paints lies within its points' bounding rectangle
// widened by the pen: square caps reach out up to width / sqrt(2) at a slant,
// and antialiasing one pixel more. The arrow's head reaches about 33 points
// back from its tip.
int ImageNoteWorkArea::reach() const
{
    int width = m_thickness;
    switch (m_mode) {
    case Blur:
        return 1;
    case Eraser:
        width = m_thickness * 10;
        break;
    case Highlighter:
        width = m_thickness * 8;
        break;
    default:
        break;
    }
    return qAbs(width) + 2;
}

QRect ImageNoteWorkArea::segmentBounds(QLine const& segment) const
{
    int const margin = reach();
    return QRect(segment.p1(), segment.p2()).normalized().adjusted(-margin, -margin, margin, margin);
}

QRect ImageNoteWorkArea::gestureBounds() const
{
    QRect span = QRect(m_press, m_current).normalized();
    if (m_mode == Arrow)
        span |= QRect(m_current - QPoint(33, 33), QSize(67, 67));
    if (isFreehand()) {
        span = QRect(m_press, m_press);
        for (QLine const& segment : m_segments)
            span |= QRect(segment.p1(), segment.p2()).normalized();
    }
    int const margin = reach();
    return span.adjusted(-margin, -margin, margin, margin);
}

namespace {

// A line cut into pieces about half a tile long, so that their bounds follow it
// closely also at a slant.
void addPieces(QVector<QLine>& pieces, QLine const& line)
{
    int const count = 1 + qMax(qAbs(line.dx()), qAbs(line.dy())) / (ImageNoteWorkArea::kTileSize / 2);
    for (int i = 0; i < count; ++i) {
        QPoint const from = line.p1() + (line.p2() - line.p1()) * i / count;
        QPoint const to = line.p1() + (line.p2() - line.p1()) * (i + 1) / count;
        pieces.append(QLine(from, to));
    }
}

// An oval's outline in arcs about half a tile long. Each arc lies within one
// quarter, so it runs one way in x and in y and the line between its ends
// bounds it; the ends are rounded to whole points.
void addOvalPieces(QVector<QLine>& pieces, QRect const& bounds)
{
    QRectF const oval(bounds);
    qreal const a = oval.width() / 2;
    qreal const b = oval.height() / 2;
    int const perQuarter = 1 + int((a + b) * M_PI / 4) / (ImageNoteWorkArea::kTileSize / 2);
    auto const at = [&](qreal angle) {
        return QPointF(oval.center().x() + a * std::cos(angle), oval.center().y() + b * std::sin(angle)).toPoint();
    };
    for (int quarter = 0; quarter < 4; ++quarter)
        for (int i = 0; i < perQuarter; ++i) {
            qreal const from = M_PI / 2 * (quarter + qreal(i) / perQuarter);
            qreal const to = M_PI / 2 * (quarter + qreal(i + 1) / perQuarter);
            pieces.append(QLine(at(from), at(to)));
        }
}

} // namespace

// Lines, strokes and outlines are followed piece by piece; filled shapes and
// the blur take their whole rectangle.
QVector<QRect> ImageNoteWorkArea::gestureAreas() const
{
    QVector<QLine> pieces;
    if (isFreehand()) {
        for (QLine const& segment : m_segments)
            addPieces(pieces, segment);
    } else if (m_mode == Line || m_mode == Arrow) {
        addPieces(pieces, QLine(m_press, m_current));
    } else if (m_mode == Rectangle) {
        QRect const r = QRect(m_press, m_current).normalized();
        for (QLine const& side : {QLine(r.topLeft(), r.topRight()), QLine(r.topRight(), r.bottomRight()),
                                  QLine(r.bottomRight(), r.bottomLeft()), QLine(r.bottomLeft(), r.topLeft())})
            addPieces(pieces, side);
    } else if (m_mode == Oval) {
        addOvalPieces(pieces, QRect(m_press, m_current).normalized());
    } else {
        return {gestureBounds()};
    }
    // Curves are drawn as an approximation a little off the true oval; one
    // point covers that and the rounding of the arcs' ends.
    int const slack =
        m_mode == Oval ? 1 + qMax(qAbs(m_current.x() - m_press.x()), qAbs(m_current.y() - m_press.y())) / 1000 : 0;
    QVector<QRect> areas;
    for (QLine const& piece : pieces)
        areas.append(segmentBounds(piece).adjusted(-slack, -slack, slack, slack));
    if (m_mode == Arrow)
        areas.append(segmentBounds(QLine(m_current - QPoint(33, 33), m_current + QPoint(33, 33))));
    return areas;
}

QRegion ImageNoteWorkArea::gestureRegion() const
{
    QRegion region;
    for (QRect const& area : gestureAreas())
        region += area;
    return region;
}

void ImageNoteWorkArea::drawSegments(QPainter& painter) const
{
    // A segment that lies wholly outside a clipped painter cannot show.
    QRectF const clip = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    // One call per segment: overlapping highlighter segments grow denser, as ink does.
    for (QLine const& segment : m_segments)
        if (clip.isNull() || clip.intersects(segmentBounds(segment)))
            painter.drawLines(&segment, 1);
}

void ImageNoteWorkArea::drawGesture(QPainter& painter, bool onLayer)
{
    Qt::PenStyle const style = m_bDash ? Qt::DashLine : Qt::SolidLine;
    QPen const toolPen(QBrush(m_color, Qt::SolidPattern), m_thickness, style, Qt::SquareCap, Qt::BevelJoin);

    switch (m_mode) {
    case Eraser:
        drawEraser(painter);
        break;
    case Highlighter:
        drawHighlighter(painter);
        break;
    case Rectangle:
    case FilledRectangle:
        drawRectangle(painter, toolPen);
        break;
    case Oval:
    case FilledOval:
        drawOval(painter, toolPen);
        break;
    case Line: {
        painter.setPen(toolPen);
        QLine const line(m_press, m_current);
        painter.drawLines(&line, 1);
        break;
    }
    case Arrow:
        painter.setPen(toolPen);
        drawArrow(&painter);
        break;
    case Blur:
        drawBlur(painter, onLayer);
        break;
    case Text:
    case TextCancelled:
    case TextAccepted:
        break;
    default:
        painter.setPen(QPen(QBrush(m_color, Qt::SolidPattern), m_thickness, style, Qt::RoundCap, Qt::BevelJoin));
        drawSegments(painter);
        break;
    }
}

// Erasing replaces the layer's pixels under the stroke with transparent ones.
void ImageNoteWorkArea::drawEraser(QPainter& painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(QBrush(QColor(0, 0, 0, 0), Qt::SolidPattern), m_thickness * 10, Qt::SolidLine, Qt::RoundCap,
                        Qt::BevelJoin));
    drawSegments(painter);
}

void ImageNoteWorkArea::drawHighlighter(QPainter& painter)
{
    QPen pen;
    pen.setColor(m_color);
    pen.setWidth(m_thickness * 8);
    painter.setOpacity(0.1);
    painter.setPen(pen);
    drawSegments(painter);
    painter.setOpacity(1.0);
}

namespace {

// Filled shapes take the colour at a fixed alpha.
QColor fillOf(QColor colour)
{
    colour.setAlpha(200);
    return colour;
}

} // namespace

void ImageNoteWorkArea::drawRectangle(QPainter& painter, QPen const& pen)
{
    QRect const span = QRect(m_press, m_current).normalized();
    painter.setPen(pen);
    painter.setBrush(m_mode == FilledRectangle ? QBrush(fillOf(m_color), Qt::SolidPattern) : QBrush());
    painter.drawRects(&span, 1);
}

void ImageNoteWorkArea::drawOval(QPainter& painter, QPen const& toolPen)
{
    QRect const span = QRect(m_press, m_current).normalized();
    QPen pen = toolPen;
    if (span.width() < 6 || span.height() < 6)
        pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(m_mode == FilledOval ? QBrush(fillOf(m_color), Qt::SolidPattern) : QBrush());
    painter.drawEllipse(span);
}

// The blur softens the picture itself (never the layer) inside the dragged
// rectangle and covers whatever the layer held there. Only the rectangle is
// taken from the picture: the blur reads nothing outside it.
void ImageNoteWorkArea::drawBlur(QPainter& painter, bool onLayer)
{
    QRect const area = QRect(m_press, m_current).normalized().intersected(rect());
    if (area.isEmpty() || m_base.isNull())
        return;
    // The picture may carry more device pixels than the widget has points.
    qreal const ratio = m_base.devicePixelRatio();
    QRect const device(QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
                       QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
    QImage const part = m_base.toImage().copy(device);
    QImage const image = VAruzoD::DrawTools::blurred(part, part.rect(), kBlurRadius, false);
    if (onLayer)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(area), image, QRectF(image.rect()));
}

// Erasing cannot be shown by drawing over the layer, so the part of the layer
// under area is copied and erased, and the copy is shown in its place.
void ImageNoteWorkArea::drawErasing(QPainter& painter, QRect const& area)
{
    QRect const device = toDevice(area);
    if (device.isEmpty())
        return;
    QRect const points = toPoints(device);
    QImage preview = m_layer.copy(device);
    preview.setDevicePixelRatio(m_layer.devicePixelRatio());
    {
        QPainter erase(&preview);
        erase.setRenderHint(QPainter::Antialiasing);
        erase.translate(-points.topLeft());
        erase.setClipRect(points);
        drawGesture(erase, false);
    }
    painter.drawImage(points.topLeft(), preview);
}

void ImageNoteWorkArea::drawArrow(QPainter* painter)
{
    QLine const shaft(m_press, m_current);
    painter->drawLines(&shaft, 1);
    // A zero-length arrow has no direction, so it gets no head.
    if (m_press == m_current)
        return;
    painter->save();
    QPen pen = painter->pen();
    pen.setStyle(Qt::SolidLine);
    painter->setPen(pen);
    qreal const dx = m_press.x() - m_current.x();
    qreal const dy = m_press.y() - m_current.y();
    painter->translate(m_current);
    painter->rotate(qRadiansToDegrees(std::atan2(dy, dx)));
    // The legs point back along the shaft, each about 21.8 degrees off it.
    QLine const legs[2] = {QLine(0, 0, 30, 12), QLine(0, 0, 30, -12)};
    painter->drawLines(legs, 2);
    painter->restore();
}

} // namespace ZEDireroz
