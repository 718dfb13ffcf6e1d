#include "ZEDireroz/widgets/ColorWidget.h"

#include "ZEDireroz/widgets/DropDownMark_p.h"

#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

namespace ZEDireroz {

namespace {

constexpr int kButtonSide = 20;

// Light tints, pale tones, full colours and three darker steps, with a grey
// scale in the first column. The third colour of the last row is (128, 64, 64).
constexpr QRgb kPalette[ColorWidgetPopup::kRows][ColorWidgetPopup::kColumns] = {
    {qRgb(255, 255, 255), qRgb(255, 192, 192), qRgb(255, 224, 192), qRgb(255, 255, 192), qRgb(192, 255, 192),
     qRgb(192, 255, 255), qRgb(192, 192, 255), qRgb(255, 192, 255)},
    {qRgb(224, 224, 224), qRgb(255, 128, 128), qRgb(255, 192, 128), qRgb(255, 255, 128), qRgb(128, 255, 128),
     qRgb(128, 255, 255), qRgb(128, 128, 255), qRgb(255, 128, 255)},
    {qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(255, 128, 0), qRgb(255, 255, 0), qRgb(0, 255, 0), qRgb(0, 255, 255),
     qRgb(0, 0, 255), qRgb(255, 0, 255)},
    {qRgb(128, 128, 128), qRgb(192, 0, 0), qRgb(192, 64, 0), qRgb(192, 192, 0), qRgb(0, 192, 0), qRgb(0, 192, 192),
     qRgb(0, 0, 192), qRgb(192, 0, 192)},
    {qRgb(64, 64, 64), qRgb(128, 0, 0), qRgb(128, 64, 0), qRgb(128, 128, 0), qRgb(0, 128, 0), qRgb(0, 128, 128),
     qRgb(0, 0, 128), qRgb(128, 0, 128)},
    {qRgb(0, 0, 0), qRgb(64, 0, 0), qRgb(128, 64, 64), qRgb(64, 64, 0), qRgb(0, 64, 0), qRgb(0, 64, 64), qRgb(0, 0, 64),
     qRgb(64, 0, 64)},
};

} // namespace

QColor ColorWidgetPopup::paletteColor(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return QColor();
    return QColor(kPalette[row][column]);
}

ColorWidgetPopup::ColorWidgetPopup(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setObjectName(QStringLiteral("ColorWidgetPopup"));
    setMinimumSize(30, 15);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            grid->addWidget(createButton(paletteColor(row, column)), row, column);
    }
    setLayout(grid);
}

QPushButton* ColorWidgetPopup::createButton(QColor const& colour)
{
    auto* button = new QPushButton;
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setFlat(true);
    QPixmap swatch(kButtonSide, kButtonSide);
    swatch.fill(colour);
    button->setIcon(QIcon(swatch));
    connect(button, &QPushButton::clicked, this, &ColorWidgetPopup::slotColorChanged);
    return button;
}

void ColorWidgetPopup::slotColorChanged()
{
    // The colour is read back from the button's own picture, so what was shown is what is picked.
    if (auto* button = qobject_cast<QPushButton*>(sender())) {
        QImage const picture = button->icon().pixmap(kButtonSide, kButtonSide, QIcon::Normal, QIcon::Off).toImage();
        emit colorChanged(QColor(picture.pixel(0, 0)));
    }
    m_bInAction = false;
    hide();
}

void ColorWidgetPopup::enterEvent(QEvent*)
{
    m_bInAction = true;
}

void ColorWidgetPopup::leaveEvent(QEvent*)
{
    m_bInAction = false;
    hide();
}

ColorWidget::ColorWidget(QWidget* parent)
    : QWidget(parent)
    , m_pPopup(new ColorWidgetPopup(this, Qt::ToolTip))
{
    m_pPopup->hide();
    m_pPopup->setWindowOpacity(1.0);
    setMinimumWidth(10);
    setMinimumHeight(10);
    setMouseTracking(true);
    connect(m_pPopup, &ColorWidgetPopup::colorChanged, this, &ColorWidget::slotColorChanged);
}

void ColorWidget::setColor(QColor const& colour)
{
    m_color = colour;
    update();
}

void ColorWidget::setOpacity(float opacity)
{
    m_pPopup->setWindowOpacity(opacity);
}

void ColorWidget::slotColorChanged(const QColor& colour)
{
    setColor(colour);
    emit colorChanged(colour);
}

void ColorWidget::mousePressEvent(QMouseEvent* event)
{
    m_pPopup->move(popupPosition(this));
    m_pPopup->setVisible(m_pPopup->isHidden());
    QWidget::mousePressEvent(event);
}

void ColorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect const whole = rect();
    painter.setBrush(QBrush(m_color, Qt::SolidPattern));
    painter.drawRects(&whole, 1);

    // The gloss: a white spot near the top-left corner fading to grey.
    QRadialGradient gloss(QPointF(5, 5), width() / 2, QPointF(5, 5));
    gloss.setColorAt(0, Qt::white);
    gloss.setColorAt(1, Qt::gray);
    painter.setOpacity(0.5);
    painter.setBrush(gloss);
    painter.drawRects(&whole, 1);
    painter.setOpacity(1.0);

    drawDropDownMark(painter, this);
}

} // namespace ZEDireroz
