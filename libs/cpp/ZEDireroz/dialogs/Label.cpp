#include "ZEDireroz/dialogs/Label.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QPainter>

namespace ZEDireroz {

Label::Label(QWidget* parent)
    : QLabel(parent)
{
}

void Label::setRetinaPixmap(QPixmap const& pixmap)
{
    m_retinaPixmap = pixmap;
    update();
}

QRect Label::pictureRect(QSize const& labelSize, QSize const& pictureSize, qreal ratio, Mode mode)
{
    if (pictureSize.isEmpty() || ratio <= 0)
        return QRect();
    QSize const scaled = pictureSize.scaled(Common::deviceSize(labelSize, ratio, ratio),
                                            mode == Fit ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    int const width = int(scaled.width() / ratio);
    int const height = int(scaled.height() / ratio);
    if (mode != Fit)
        return QRect(0, 0, width, height);
    return QRect(int((labelSize.width() - scaled.width() / ratio) / 2),
                 int((labelSize.height() - scaled.height() / ratio) / 2), width, height);
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_retinaPixmap.isNull())
        return;
    qreal const ratio = App::theApp()->devicePixelRatio();
    QRect const target = pictureRect(size(), m_retinaPixmap.size(), ratio, m_eMode);
    if (target.isEmpty())
        return;
    QPixmap const scaled = m_retinaPixmap.scaled(Common::deviceSize(size(), ratio, ratio),
                                                 m_eMode == Fit ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding,
                                                 Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawPixmap(target, scaled);
}

} // namespace ZEDireroz
