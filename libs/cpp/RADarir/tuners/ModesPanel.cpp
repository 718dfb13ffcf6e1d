#include "RADarir/tuners/ModesPanel.h"

#include "RADarir/music/MusicShopBase.h"
#include "ZEDireroz/promotion/PromotionLinks.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalMapper>
#include <QUrl>

namespace RADarir {

ModesPanel::ModesPanel(QWidget* parent)
    : TunersCommonPanel(parent)
{
    setObjectName(QStringLiteral("ModesPanel"));
    m_pSignalMapper = new QSignalMapper(this);
    connect(m_pSignalMapper, &QSignalMapper::mappedString, this, &ModesPanel::slotCallUrl);
    m_pModesButton = makePanelButton(tr("Modes"));
    m_pMoreButton = makePanelButton(tr("More"));
    m_pModesButton->hide();
    m_pMoreMenu = new QMenu(m_pMoreButton);
    m_pMoreButton->setMenu(m_pMoreMenu);
    m_pLayout->addWidget(m_pModesButton);
    m_pLayout->addWidget(m_pMoreButton);
}

ModesPanel::~ModesPanel() = default;

void ModesPanel::addBaseActions()
{
    using namespace MusicShopPictures;
    m_pMoreMenu->addAction(QIcon(kMustHave), tr("Must Have"), this, &ModesPanel::slotMustHave);
    m_pMoreMenu->addAction(QIcon(kNiceToHave), tr("Nice to Have"), this, &ModesPanel::slotNiceToHave);
    m_pMoreMenu->addAction(QIcon(kRead), tr("Read"), this, &ModesPanel::slotRead);
    m_pMoreMenu->addAction(QIcon(kHear), tr("Hear"), this, &ModesPanel::slotHear);
    m_pMoreMenu->addAction(QIcon(kSee), tr("See"), this, &ModesPanel::slotSee);
    m_pMoreMenu->addSeparator();
    m_pMoreMenu->addAction(QIcon(kWikipedia), tr("Wikipedia"), this, &ModesPanel::slotWikipedia);
}

void ModesPanel::addMenuLink(QPixmap const& icon, QString const& text, QString const& url)
{
    auto* action = new QAction(QIcon(icon), text, this);
    connect(action, &QAction::triggered, m_pSignalMapper, qOverload<>(&QSignalMapper::map));
    m_pSignalMapper->setMapping(action, url);
    m_pMoreMenu->addAction(action);
}

void ModesPanel::addMenuAppLink(QPixmap const& icon, QString const& title, QString const& appName, QString const& appId)
{
    addMenuLink(icon, title, ZEDireroz::PromotionLinks::storeLink(appName, appId).toString());
}

void ModesPanel::addMenuAction(QAction* action)
{
    m_pMoreMenu->addAction(action);
}

void ModesPanel::addMenuSeparator()
{
    m_pMoreMenu->addSeparator();
}

void ModesPanel::hideAppOptions()
{
    m_pPitchButton->hide();
    m_pRepeatCheckBox->hide();
    m_pAppButton->hide();
}

void ModesPanel::slotCallUrl(QString const& url)
{
    // An empty link (never set) gives an empty URL, which the desktop refuses.
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

} // namespace RADarir
