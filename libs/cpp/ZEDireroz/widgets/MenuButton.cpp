#include "ZEDireroz/widgets/MenuButton.h"

#include <QPainter>

namespace ZEDireroz {

MenuButton::MenuButton(QWidget* parent)
    : QPushButton(parent)
{
}

MenuButton::MenuButton(QString const& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void MenuButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Normal));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, height() / 2, width(), height() / 2), Qt::AlignCenter, tr("Menu"));
}

} // namespace ZEDireroz
