#include "QMViewer/Viewer.h"

#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace QMViewer {

namespace {

constexpr int kSlideMilliseconds = 5000;

} // namespace

Viewer::Viewer(QWidget* parent)
    : PreviewArea(parent)
    , m_timer(new QTimer(this))
{
    setFocusPolicy(Qt::StrongFocus);
    contextMenu()->clear();
    contextMenu()->addAction(QStringLiteral("&Slide show"), this, &Viewer::slotSlideShow);
    connect(m_timer, &QTimer::timeout, this, &Viewer::slotTimeOut);
}

bool Viewer::isSlideShowRunning() const
{
    return m_timer->isActive();
}

void Viewer::slotSetItems(QList<QString> const& strLst)
{
    m_items = strLst;
    m_iCurrent = m_items.indexOf(itemPath());
}

void Viewer::slotSlideShow()
{
    if (m_timer->isActive())
        m_timer->stop();
    else
        m_timer->start(kSlideMilliseconds);
}

void Viewer::slotShowNext()
{
    step(+1);
}

void Viewer::slotShowPrevious()
{
    step(-1);
}

void Viewer::slotTimeOut()
{
    step(-1);
}

void Viewer::step(int direction)
{
    // An empty ring has nothing to show. With no current picture (the one shown
    // is not in the list) a step forward starts at the first picture and a step
    // back at the last, as if the position sat just before the first.
    int const count = m_items.size();
    if (count == 0)
        return;
    if (m_iCurrent < 0 || m_iCurrent >= count)
        m_iCurrent = direction > 0 ? 0 : count - 1;
    else
        m_iCurrent = (m_iCurrent + direction + count) % count;
    displayItem(m_items.at(m_iCurrent));
}

void Viewer::stopSlideShow()
{
    m_timer->stop();
}

void Viewer::keyPressEvent(QKeyEvent* event)
{
    stopSlideShow();
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_PageDown:
        slotShowPrevious();
        break;
    case Qt::Key_PageUp:
        slotShowNext();
        break;
    case Qt::Key_Escape:
        emit hideMe();
        break;
    default:
        break;
    }
    PreviewArea::keyPressEvent(event);
}

void Viewer::mouseDoubleClickEvent(QMouseEvent* event)
{
    stopSlideShow();
    emit hideMe();
    PreviewArea::mouseDoubleClickEvent(event);
}

void Viewer::mousePressEvent(QMouseEvent* event)
{
    stopSlideShow();
    PreviewArea::mousePressEvent(event);
}

} // namespace QMViewer
