#include "ZEDireroz/widgets/CheckButton.h"

namespace ZEDireroz {

CheckButton::CheckButton(QWidget* parent)
    : QPushButton(parent)
{
    setCheckable(true);
    setChecked(false);
    connect(this, &QPushButton::toggled, this, &CheckButton::slotClicked);
}

void CheckButton::slotClicked(bool on)
{
    if (on)
        emit onClicked();
    else
        emit offClicked();
}

} // namespace ZEDireroz
