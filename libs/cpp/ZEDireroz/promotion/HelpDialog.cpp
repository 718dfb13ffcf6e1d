#include "ZEDireroz/promotion/HelpDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/HelpViewArea.h"

#include <QBoxLayout>
#include <QPushButton>

namespace ZEDireroz {

namespace {

QString const kNeverShowKey = QStringLiteral("NeverShowItAgain");

bool neverShow()
{
    App* app = App::theApp();
    return app && app->settingsValue(kNeverShowKey, false).toBool();
}

} // namespace

HelpDialog::HelpDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Introduction"));
    setObjectName(QStringLiteral("Dialog"));

    m_pCloseButton = new QPushButton(tr("&Close"));
    m_pNeverButton = new QPushButton(tr("&Never show on start"));
    Common::applyPushButtonDetails(m_pCloseButton);
    Common::applyPushButtonDetails(m_pNeverButton);
    connect(m_pCloseButton, &QPushButton::clicked, this, &HelpDialog::slotReject);
    connect(m_pNeverButton, &QPushButton::clicked, this, &HelpDialog::slotNeverShowItAgain);

    m_pViewArea = new HelpViewArea;

    bool const pocket = Common::isPocketDevice();
    QBoxLayout* buttons = new QBoxLayout(pocket ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    Common::zeroMargins(buttons, 5);
    buttons->addStretch(1);
    buttons->addWidget(m_pNeverButton);
    buttons->addWidget(m_pCloseButton);

    QVBoxLayout* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(m_pViewArea);
    main->addLayout(buttons);

    m_pCloseButton->setFocus();
}

void HelpDialog::addSlide(QString const& file)
{
    m_pViewArea->addSlide(file);
}

bool HelpDialog::isShowOnStartAvailable()
{
    return !neverShow();
}

void HelpDialog::slotReject()
{
    reject();
}

void HelpDialog::slotNeverShowItAgain()
{
    if (App* app = App::theApp())
        app->setSettingsValue(kNeverShowKey, true);
    accept();
}

void HelpDialog::showEvent(QShowEvent* event)
{
    m_pNeverButton->setVisible(!neverShow());
    m_pViewArea->slotStartSlideShow();
    QDialog::showEvent(event);
}

void HelpDialog::hideEvent(QHideEvent* event)
{
    m_pViewArea->slotStopSlideShow();
    QDialog::hideEvent(event);
}

} // namespace ZEDireroz
