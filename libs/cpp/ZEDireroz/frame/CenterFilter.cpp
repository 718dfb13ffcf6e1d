#include "ZEDireroz/frame/CenterFilter.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QEvent>
#include <QWidget>

namespace ZEDireroz {

CenterFilter::CenterFilter(QObject* parent)
    : QObject(parent)
{
}

bool CenterFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* reference = widget->parentWidget();
    // A child is placed in its parent's coordinates; a window in global ones,
    // so it must be centred on where its reference really lies.
    QRect area;
    if (!widget->isWindow())
        area = reference ? reference->rect() : QRect();
    else if (reference)
        area = QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
    else
        area = QApplication::desktop()->geometry();
    if (area.isNull())
        return false;
    QPoint const target(area.x() + area.width() / 2 - widget->width() / 2,
                        area.y() + area.height() / 2 - widget->height() / 2);
    if (widget->pos() != target)
        widget->move(target);
    return false;
}

} // namespace ZEDireroz
