#include "ZEDireroz/promotion/TellDialog.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/SharePanel.h"
#include "ZEDireroz/promotion/TellWidget.h"

#include <QCoreApplication>
#include <QLabel>

namespace ZEDireroz {

TellDialog::TellDialog(QWidget* parent)
    : QDialog(parent)
{
    QString const name = QCoreApplication::applicationName();
    setWindowTitle(QStringLiteral("Share ") + name);

    QString const heading = Common::isPocketDevice() ? QStringLiteral("H4") : QStringLiteral("H3");
    m_pText = new QLabel;
    m_pText->setTextFormat(Qt::RichText);
    m_pText->setText(QStringLiteral("<CENTER><%1>").arg(heading) + tr("If you like \"") + name + QStringLiteral("\"")
                     + tr(", <br>please share it with your friends.<br>Thanks!")
                     + QStringLiteral("</%1></CENTER>").arg(heading));

    m_pTellWidget = new TellWidget;
    SharePanel::buildDialog(this, m_pText, m_pTellWidget);
}

} // namespace ZEDireroz
