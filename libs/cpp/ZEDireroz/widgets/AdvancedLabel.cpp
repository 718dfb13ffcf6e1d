#include "ZEDireroz/widgets/AdvancedLabel.h"

#include <QPainter>

namespace ZEDireroz {

namespace {

// The hover look: every colour channel raised by amount and kept within 0 ... 255,
// on an opaque ground (the picture's alpha is not kept).
QImage brightened(QImage const& image, int amount)
{
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    auto lift = [amount](int channel) { return qBound(0, channel + amount, 255); };
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = qRgb(lift(qRed(line[x])), lift(qGreen(line[x])), lift(qBlue(line[x])));
    }
    return result;
}

} // namespace

AdvancedLabel::AdvancedLabel(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(16, 16);
}

void AdvancedLabel::setText(QString const& text)
{
    m_sText = text;
    repaint();
}

void AdvancedLabel::setBackgroundPixmap(QPixmap const& pixmap)
{
    m_background = pixmap;
    repaint();
}

void AdvancedLabel::setMargin(int margin)
{
    m_nMargin = margin;
    repaint();
}

void AdvancedLabel::mousePressEvent(QMouseEvent* event)
{
    emit clicked();
    QWidget::mousePressEvent(event);
}

void AdvancedLabel::enterEvent(QEvent* event)
{
    m_bHover = true;
    setCursor(Qt::PointingHandCursor);
    QWidget::enterEvent(event);
    repaint();
}

void AdvancedLabel::leaveEvent(QEvent* event)
{
    m_bHover = false;
    setCursor(Qt::ArrowCursor);
    QWidget::leaveEvent(event);
    repaint();
}

void AdvancedLabel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSize const pictureSize(width() - 2 * m_nMargin, height() - 2 * m_nMargin);
    if (!m_background.isNull() && !pictureSize.isEmpty()) {
        QImage image = m_background.toImage().scaled(pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (m_bHover)
            image = brightened(image, kHoverBrightness);
        painter.drawImage(QPoint(m_nMargin, m_nMargin), image);
    }
    if (!m_sText.isEmpty()) {
        QFont font(QStringLiteral("Courier"), 9);
        font.setWeight(QFont::Bold);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignHCenter | Qt::TextWordWrap, m_sText);
    }
    painter.end();
    QWidget::paintEvent(event);
}

} // namespace ZEDireroz
