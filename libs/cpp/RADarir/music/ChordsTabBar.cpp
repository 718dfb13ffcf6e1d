#include "RADarir/music/ChordsTabBar.h"

#include <QMouseEvent>

namespace RADarir {

ChordsTabBar::ChordsTabBar(QWidget* parent)
    : QTabBar(parent)
{
}

void ChordsTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    // The base class ends a drag here and leaves a moved tab where it was
    // dropped; the tab under the pointer is then the one the user released on.
    QTabBar::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    int const index = tabAt(event->pos());
    if (index < 0)
        return;
    setCurrentIndex(index);
    emit tabClicked();
}

void ChordsTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    emit countChanged(count());
}

void ChordsTabBar::tabRemoved(int index)
{
    QTabBar::tabRemoved(index);
    emit countChanged(count());
}

} // namespace RADarir
