#include "ZEDireroz/settings/SettingsWidget.h"

namespace ZEDireroz {

SettingsWidget::SettingsWidget(QWidget* parent)
    : QWidget(parent)
{
}

void SettingsWidget::slotApply()
{
}

} // namespace ZEDireroz
