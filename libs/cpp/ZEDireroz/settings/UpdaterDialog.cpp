#include "ZEDireroz/settings/UpdaterDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/settings/Updater.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ZEDireroz {

UpdaterDialog::UpdaterDialog(QWidget* parent)
    : QDialog(parent)
    , m_pCheckBox(new QCheckBox)
    , m_pMessage(new QLabel)
    , m_pPicture(new QLabel)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Updates Notification"));
    connect(m_pCheckBox, &QCheckBox::toggled, this, &UpdaterDialog::slotSetChecked);

    auto* yes = new QPushButton(tr("Yes"));
    auto* no = new QPushButton(tr("No"));
    Common::applyPushButtonDetails(yes);
    Common::applyPushButtonDetails(no);
    connect(yes, &QPushButton::clicked, this, &UpdaterDialog::slotUpdate);
    connect(no, &QPushButton::clicked, this, &UpdaterDialog::slotCancel);

    auto* buttons = new QHBoxLayout;
    Common::zeroMargins(buttons, 3);
    buttons->addWidget(yes);
    buttons->addWidget(no);

    auto* checkRow = new QHBoxLayout;
    checkRow->setContentsMargins(2, 2, 2, 2);
    checkRow->setSpacing(1);
    checkRow->addWidget(m_pCheckBox);
    checkRow->addWidget(new QLabel(tr("Check for updates on start")));
    checkRow->addStretch(1);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(m_pPicture);
    main->addWidget(m_pMessage);
    main->addLayout(buttons);
    main->addLayout(checkRow);

    m_pCheckBox->setChecked(App::theApp()->settingsValue(QStringLiteral("checkupdates"), true).toBool());
}

void UpdaterDialog::setMessage(QString const& text)
{
    m_pMessage->setText(text);
}

void UpdaterDialog::setPic(QPixmap const& picture)
{
    m_pPicture->setPixmap(picture);
}

void UpdaterDialog::slotUpdate()
{
    QDesktopServices::openUrl(QUrl(Updater::updatesPageLink()));
    reject();
}

void UpdaterDialog::slotCancel()
{
    reject();
}

void UpdaterDialog::slotSetChecked(bool on)
{
    App::theApp()->setSettingsValue(QStringLiteral("checkupdates"), on);
}

} // namespace ZEDireroz
