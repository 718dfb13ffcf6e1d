#include "ZEDireroz/promotion/HelpDisplay.h"

#include <QImage>
#include <QPainter>

namespace ZEDireroz {

HelpDisplay::HelpDisplay(QWidget* parent)
    : QFrame(parent)
{
}

void HelpDisplay::setSlide(QString const& file)
{
    m_sSlide = file;
    update();
}

QRect HelpDisplay::targetRect(QSize const& widgetSize, QSize const& pictureSize)
{
    QSize const scaled = pictureSize.scaled(widgetSize * 2, Qt::KeepAspectRatio);
    int const width = scaled.width() / 2;
    int const height = scaled.height() / 2;
    return QRect(qAbs(widgetSize.width() - width) / 2, qAbs(widgetSize.height() - height) / 2, width, height);
}

void HelpDisplay::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_sSlide.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect());
    // Read on every paint: the slides are few and shown one at a time.
    QImage const picture(m_sSlide);
    if (picture.isNull())
        return;
    QImage const scaled = picture.scaled(size() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(targetRect(size(), picture.size()), scaled);
}

} // namespace ZEDireroz
