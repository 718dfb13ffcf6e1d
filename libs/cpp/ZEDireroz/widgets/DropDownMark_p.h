#pragma once
// The small white downward triangle that marks a widget opening a popup below
// itself, drawn in its bottom-right corner.

#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace ZEDireroz {

inline void drawDropDownMark(QPainter& painter, QWidget const* widget)
{
    painter.save();
    painter.translate(widget->width() - 10, widget->height() - 8);
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter.setPen(QPen());
    painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(8, 0), QPoint(4, 4)}));
    painter.restore();
}

// Where a popup opens: at the widget's bottom-left corner, in global coordinates.
inline QPoint popupPosition(QWidget const* owner)
{
    return owner->mapToGlobal(QPoint(0, 0)) + QPoint(0, owner->height());
}

} // namespace ZEDireroz
