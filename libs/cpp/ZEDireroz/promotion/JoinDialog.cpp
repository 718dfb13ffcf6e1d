#include "ZEDireroz/promotion/JoinDialog.h"

#include "ZEDireroz/promotion/JoinWidget.h"
#include "ZEDireroz/promotion/SharePanel.h"

namespace ZEDireroz {

JoinDialog::JoinDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Join us"));
    m_pJoinWidget = new JoinWidget;
    SharePanel::buildDialog(this, nullptr, m_pJoinWidget);
}

} // namespace ZEDireroz
