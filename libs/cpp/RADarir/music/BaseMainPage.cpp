#include "RADarir/music/BaseMainPage.h"

#include "RADarir/music/MusicShopBase.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QPixmap>
#include <QUrl>

namespace RADarir {

BaseMainPage::BaseMainPage(QWidget* parent)
    : QFrame(parent)
    , m_pPromoMenuBar(new ZEDireroz::PromoMenuBar(nullptr))
{
}

BaseMainPage::~BaseMainPage()
{
    if (m_pPromoMenuBar && !m_pPromoMenuBar->parent())
        delete m_pPromoMenuBar;
}

void BaseMainPage::doShopConnections()
{
    m_pPromoMenuBar->addMenuSeparator();
    addShopAction(MusicShopPictures::kMustHave, tr("Must Have"), SLOT(slotMustHave()));
    addShopAction(MusicShopPictures::kNiceToHave, tr("Nice to Have"), SLOT(slotNiceToHave()));
    addShopAction(MusicShopPictures::kRead, tr("Read"), SLOT(slotRead()));
    addShopAction(MusicShopPictures::kHear, tr("Hear"), SLOT(slotHear()));
    addShopAction(MusicShopPictures::kSee, tr("See"), SLOT(slotSee()));
    m_pPromoMenuBar->addMenuSeparator();
    addShopAction(MusicShopPictures::kWikipedia, tr("Wikipedia"), SLOT(slotWikipedia()));
}

void BaseMainPage::addShopAction(char const* picture, QString const& text, char const* slot)
{
    auto* action = new QAction(QIcon(QPixmap(QString::fromLatin1(picture))), text, this);
    connect(action, SIGNAL(triggered(bool)), this, slot);
    m_pPromoMenuBar->addMenuAction(action);
}

void BaseMainPage::openLink(QString (MusicShopBase::*link)() const)
{
    if (!m_pShop)
        return;
    QDesktopServices::openUrl(QUrl((m_pShop->*link)(), QUrl::TolerantMode));
}

void BaseMainPage::slotMustHave()
{
    openLink(&MusicShopBase::mustHave);
}

void BaseMainPage::slotNiceToHave()
{
    openLink(&MusicShopBase::niceToHave);
}

void BaseMainPage::slotRead()
{
    openLink(&MusicShopBase::read);
}

void BaseMainPage::slotHear()
{
    openLink(&MusicShopBase::hear);
}

void BaseMainPage::slotSee()
{
    openLink(&MusicShopBase::see);
}

void BaseMainPage::slotWikipedia()
{
    openLink(&MusicShopBase::wikipedia);
}

} // namespace RADarir
