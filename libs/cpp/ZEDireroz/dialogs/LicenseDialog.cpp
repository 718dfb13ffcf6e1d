#include "ZEDireroz/dialogs/LicenseDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace ZEDireroz {

LicenseDialog::LicenseDialog(QWidget* parent)
    : TopWidget(true, parent)
    , m_pTextView(new QTextEdit)
{
    // No way out but the two answers.
    hideMaximize();
    hideMinimize();
    hideClose();
    setTitleLabel(QCoreApplication::applicationName() + " " + tr("License Agreement"));

    auto* agree = new QPushButton(tr("&Agree"));
    auto* disagree = new QPushButton(tr("&Disagree"));
    Common::applyPushButtonDetails(agree);
    Common::applyPushButtonDetails(disagree);

    m_pTextView->setStyleSheet("background:white; color:black");
    m_pTextView->setReadOnly(true);

    connect(agree, &QPushButton::clicked, this, &LicenseDialog::slotAccept);
    connect(disagree, &QPushButton::clicked, this, &TopWidget::reject);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(2, 2, 2, 2);
    buttonRow->setSpacing(2);
    buttonRow->addStretch(1);
    buttonRow->addWidget(agree);
    buttonRow->addWidget(disagree);

    auto* column = new QVBoxLayout;
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);
    column->addWidget(m_pTextView);
    column->addLayout(buttonRow);
    topLayout()->addLayout(column);
}

void LicenseDialog::setHtml(QString const& html)
{
    m_pTextView->setHtml(html);
}

QString LicenseDialog::settingsKey()
{
    // Stored under the application name once more inside the application's
    // own section; kept so, as existing settings files hold it there.
    return QCoreApplication::applicationName() + "/License";
}

bool LicenseDialog::isLicenseAccepted()
{
    return App::theApp()->settingsValue(settingsKey(), false).toBool();
}

void LicenseDialog::slotAccept()
{
    App::theApp()->setSettingsValue(settingsKey(), true);
    accept();
}

void LicenseDialog::slotDisagree()
{
}

} // namespace ZEDireroz
