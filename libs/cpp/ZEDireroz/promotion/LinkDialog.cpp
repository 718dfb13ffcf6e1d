#include "ZEDireroz/promotion/LinkDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/PromotionLinks.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {
QString const kShowKey = QStringLiteral("ShowTutoralDialog");
}

LinkDialog::LinkDialog(QWidget* parent)
    : QDialog(parent)
{
    QString const name = QCoreApplication::applicationName();
    setWindowTitle(name + QStringLiteral(" Information"));

    App* app = App::theApp();
    m_pRememberBox = new QCheckBox;
    m_pRememberBox->setChecked(app && !app->settingsValue(kShowKey, true).toBool());

    m_pYesButton = new QPushButton(tr("&Yes"));
    m_pNoButton = new QPushButton(tr("&No"));
    Common::applyPushButtonDetails(m_pYesButton);
    Common::applyPushButtonDetails(m_pNoButton);
    connect(m_pYesButton, &QPushButton::clicked, this, &LinkDialog::slotGoToLink);
    connect(m_pNoButton, &QPushButton::clicked, this, &LinkDialog::slotReject);
    connect(m_pRememberBox, &QCheckBox::toggled, this, &LinkDialog::slotRememberToggled);

    m_pPictureLabel = new QLabel;
    m_pPictureLabel->setStyleSheet(QStringLiteral("QLabel{background-image: url(:/pix/nemo2.jpg);}"));
    m_pPictureLabel->setFixedSize(360, 177);
    m_pPictureLabel->setTextFormat(Qt::RichText);
    m_pPictureLabel->setWordWrap(true);
    m_pPictureLabel->setText(QStringLiteral("<CENTER><H3>")
                             + tr("Do you want to know what you can achieve<BR>with %1?").arg(name)
                             + tr("<BR>(Watch the Video Introduction)</H3></CENTER>"));

    QHBoxLayout* checkRow = new QHBoxLayout;
    Common::zeroMargins(checkRow, 1);
    checkRow->addWidget(m_pRememberBox);
    checkRow->addWidget(new QLabel(tr("Do not show this dialog again")));
    checkRow->addStretch(1);

    QHBoxLayout* buttonRow = new QHBoxLayout;
    Common::zeroMargins(buttonRow, 5);
    buttonRow->addWidget(m_pYesButton);
    buttonRow->addWidget(m_pNoButton);

    QVBoxLayout* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(m_pPictureLabel);
    main->addLayout(buttonRow);
    main->addLayout(checkRow);
}

void LinkDialog::slotGoToLink()
{
    App* app = App::theApp();
    QString const languageSegment = app ? app->currentLanguageOptimized() : QString();
    accept();
    QDesktopServices::openUrl(PromotionLinks::tutorialLink(languageSegment));
}

void LinkDialog::slotReject()
{
    reject();
}

void LinkDialog::slotRememberToggled(bool checked)
{
    if (App* app = App::theApp())
        app->setSettingsValue(kShowKey, !checked);
}

} // namespace ZEDireroz
