#include "ZEDireroz/widgets/RadioBox.h"

#include "ZEDireroz/frame/Common.h"

#include <QAbstractButton>
#include <QPalette>

namespace ZEDireroz {

RadioBox::RadioBox(QBoxLayout::Direction direction, QWidget* parent)
    : QWidget(parent)
    , m_pLayout(new QBoxLayout(direction))
{
    Common::zeroMargins(m_pLayout);
    m_pLayout->setSpacing(0);
    setLayout(m_pLayout);
    // Shows through only where a style sheet or the owner turns background filling on.
    QPalette palette;
    palette.setBrush(backgroundRole(), QBrush(Qt::green));
    setPalette(palette);
}

void RadioBox::addButton(QAbstractButton* button)
{
    button->setCheckable(true);
    m_pLayout->addWidget(button);
    connect(button, &QAbstractButton::clicked, this, &RadioBox::slotButtonClicked);
}

void RadioBox::slotButtonClicked()
{
    auto* clicked = qobject_cast<QAbstractButton*>(sender());
    if (!clicked)
        return;
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setChecked(false);
    clicked->setChecked(true);
}

} // namespace ZEDireroz
