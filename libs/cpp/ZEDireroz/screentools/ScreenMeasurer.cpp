#include "ZEDireroz/screentools/ScreenMeasurer.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace ZEDireroz {

namespace {

QColor const kSelectionLine(210, 210, 210);
QColor const kSelectionFill(10, 10, 80, 100);
QColor const kBackground(71, 71, 71);

// Sizes in pixels: the label is sized to the rectangle it is drawn in, which is
// measured in pixels, whatever the screen's dots per inch.
QFont labelFont(int pixelSize)
{
    QFont font(QStringLiteral("Times"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setItalic(false);
    // A very thin rectangle gives 0, which QFont refuses with a warning.
    font.setPixelSize(qMax(1, pixelSize));
    return font;
}

QPen selectionPen()
{
    return QPen(QBrush(kSelectionLine), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

ScreenMeasurer::ScreenMeasurer(QWidget* parent)
    : ScreenCropper(parent)
{
}

QString ScreenMeasurer::defaultMessage() const
{
    return tr("Drag over the area you want to measure.\n") + tr("Its width and height are shown in screen points.\n")
           + tr("Press [ESC] to cancel this operation");
}

void ScreenMeasurer::retranslateUi()
{
}

ScreenMeasurer::SizeLabel ScreenMeasurer::sizeLabel(QPoint const& start, QPoint const& end, qreal ratio, qreal scale)
{
    // Both end pixels belong to the rectangle, whichever way the drag went.
    int const w = std::abs(end.x() - start.x()) + 1;
    int const h = std::abs(end.y() - start.y()) + 1;
    SizeLabel label;
    label.font = labelFont(static_cast<int>(w / 4.5));
    if (QFontMetrics(label.font).height() > h)
        label.font = labelFont(static_cast<int>(h / 1.5));
    qreal const k = ratio / (scale > 0 ? scale : 1.0);
    label.text = QStringLiteral("%1x%2").arg(static_cast<int>(w * k)).arg(static_cast<int>(h * k));
    if (QFontMetrics(label.font).height() < kSmallestLabelHeight) {
        label.tag = true;
        label.font = labelFont(kTagPixelSize);
    }
    return label;
}

void ScreenMeasurer::grabScreen()
{
    m_bPressed = false;
    // takeScreenPicture() also puts the new picture on show: a window that keeps
    // its size gets no resize that would do it.
    if (!takeScreenPicture())
        return;
    emit done();
    repaint();
    setFocus(Qt::OtherFocusReason);
    setCursor(Qt::CrossCursor);
}

void ScreenMeasurer::slotClose()
{
    m_bPressed = false;
    hide();
    emit doQuit();
}

void ScreenMeasurer::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bPressed) {
        m_pEnd = event->pos();
        repaint();
    }
    QWidget::mouseMoveEvent(event);
}

void ScreenMeasurer::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    // The rectangle stays until the next paint brings the hint box back.
    m_bPressed = false;
}

void ScreenMeasurer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
}

void ScreenMeasurer::paintEvent(QPaintEvent*)
{
    int const w = width();
    int const h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackground);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(w, h)));
    // One widget pixel per device pixel; a picture larger than the window loses
    // the same on both sides.
    int const pw = m_pixDisplay.width();
    int const ph = m_pixDisplay.height();
    painter.drawPixmap(QRect((w - pw) / 2, (h - ph) / 2, pw, ph), m_pixDisplay);

    if (!m_bPressed) {
        int const dx = static_cast<int>(w / 3.5);
        int const dy = static_cast<int>(h / 2.5);
        drawHintBox(painter, rect().adjusted(dx, dy, -dx, -dy), 24, defaultMessage());
        return;
    }
    drawLabel(painter);
}

void ScreenMeasurer::drawLabel(QPainter& painter)
{
    painter.setPen(selectionPen());
    painter.setBrush(kSelectionFill);
    painter.drawRect(QRect(m_pStart, m_pEnd));
    painter.setRenderHint(QPainter::Antialiasing, true);

    SizeLabel const label = sizeLabel(m_pStart, m_pEnd, m_dRatio, screenScale());
    painter.setFont(label.font);
    if (!label.tag) {
        QRect const box(QPoint(qMin(m_pStart.x(), m_pEnd.x()), qMin(m_pStart.y(), m_pEnd.y())),
                        QPoint(qMax(m_pStart.x(), m_pEnd.x()), qMax(m_pStart.y(), m_pEnd.y())));
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, label.text);
        return;
    }
    QFontMetrics const metrics(label.font);
    int const tw = metrics.horizontalAdvance(label.text);
    int const th = metrics.height();
    int const x1 = m_pStart.x();
    int const y1 = m_pStart.y();
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRect(QPoint(x1 - 2, y1 - 3 - th), QPoint(x1 + tw + 1, y1)));
    painter.setPen(selectionPen());
    painter.drawText(QPoint(x1, y1 - 3), label.text);
}

} // namespace ZEDireroz
