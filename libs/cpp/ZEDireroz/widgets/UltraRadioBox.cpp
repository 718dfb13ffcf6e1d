#include "ZEDireroz/widgets/UltraRadioBox.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/widgets/DropDownMark_p.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

UltraRadioBoxPopup::UltraRadioBoxPopup(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

void UltraRadioBoxPopup::enterEvent(QEvent*)
{
    m_bInAction = true;
}

void UltraRadioBoxPopup::leaveEvent(QEvent*)
{
    m_bInAction = false;
    hide();
}

UltraRadioBox::UltraRadioBox(QWidget* parent)
    : QWidget(parent)
    , m_pRowsLayout(new QVBoxLayout)
    , m_pPopup(new UltraRadioBoxPopup(this, Qt::ToolTip))
{
    Common::zeroMargins(m_pRowsLayout);
    m_pRowsLayout->setSpacing(0);
    m_pPopup->setLayout(m_pRowsLayout);
    m_pPopup->hide();
    m_pPopup->setWindowOpacity(0.6);
    setAttribute(Qt::WA_MouseTracking);
    connect(qApp, &QApplication::focusChanged, this, &UltraRadioBox::slotFocusChanged);
}

void UltraRadioBox::addButton(QAbstractButton* button, QString const& text)
{
    auto* textButton = new QPushButton(text);
    m_textButtons.insert(button, textButton);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    row->addWidget(button);
    row->addWidget(textButton);
    button->setCheckable(true);
    button->setChecked(false);
    Common::applyPushButtonDetails(textButton);
    // A click on the text acts as a click on the choice.
    connect(textButton, &QPushButton::clicked, button, &QAbstractButton::click);
    m_pRowsLayout->addLayout(row);
    setFixedSize(button->size());
    connect(button, &QAbstractButton::clicked, this, &UltraRadioBox::slotButtonClicked);
    m_shownPixmap = button->grab();
    update();
}

void UltraRadioBox::setCurrentButton(QAbstractButton* button)
{
    if (!button || !m_textButtons.contains(button))
        return;
    m_pCurrentButton = button;
    for (QAbstractButton* each : findChildren<QAbstractButton*>()) {
        each->setChecked(false);
        each->show();
        if (QPushButton* textButton = m_textButtons.value(each))
            textButton->show();
    }
    m_hoverPixmap = button->grab();
    // The popup lists only the other choices.
    button->setChecked(true);
    button->hide();
    m_textButtons.value(button)->hide();
    m_pPopup->hide();
    m_shownPixmap = button->grab();
    m_normalPixmap = m_shownPixmap;
    setToolTip(m_textButtons.value(button)->text());
    update();
}

void UltraRadioBox::setVisibleButton(QAbstractButton* button, bool visible)
{
    QPushButton* textButton = m_textButtons.value(button);
    if (!textButton)
        return;
    button->setVisible(visible);
    textButton->setVisible(visible);
}

void UltraRadioBox::setOpacity(float const& opacity)
{
    m_pPopup->setWindowOpacity(opacity);
}

void UltraRadioBox::hidePopup()
{
    m_pPopup->hide();
}

qreal UltraRadioBox::storedOpacity()
{
    int value = 35;
    if (App* app = App::theApp())
        value = app->settingsValue(QStringLiteral("TransparencyParameters/UltraRadioPopups"), 35).toInt();
    return Common::opacityFromSetting(value);
}

void UltraRadioBox::slotButtonClicked()
{
    auto* button = qobject_cast<QAbstractButton*>(sender());
    if (!button)
        return;
    setCurrentButton(button);
    emit buttonClicked();
}

void UltraRadioBox::slotFocusChanged(QWidget*, QWidget* pwgtNow)
{
    if (pwgtNow && (pwgtNow == m_pPopup || pwgtNow == m_pCurrentButton || pwgtNow == this))
        return;
    m_pPopup->hide();
}

void UltraRadioBox::mousePressEvent(QMouseEvent* event)
{
    m_pPopup->move(popupPosition(this));
    m_pPopup->setVisible(m_pPopup->isHidden());
    m_pPopup->setWindowOpacity(storedOpacity());
    QWidget::mousePressEvent(event);
    emit actionPerformed();
}

void UltraRadioBox::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

void UltraRadioBox::enterEvent(QEvent* event)
{
    if (m_pCurrentButton) {
        m_shownPixmap = m_hoverPixmap;
        repaint();
    }
    QWidget::enterEvent(event);
}

void UltraRadioBox::leaveEvent(QEvent* event)
{
    if (m_pCurrentButton) {
        m_shownPixmap = m_normalPixmap;
        repaint();
    }
    QWidget::leaveEvent(event);
}

void UltraRadioBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_shownPixmap);
    drawDropDownMark(painter, this);
}

} // namespace ZEDireroz
