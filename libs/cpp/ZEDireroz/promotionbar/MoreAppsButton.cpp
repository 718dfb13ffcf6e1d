#include "ZEDireroz/promotionbar/MoreAppsButton.h"

#include "ZEDireroz/promotionbar/LinkMenu.h"

#include <QMenu>

namespace ZEDireroz {

MoreAppsButton::MoreAppsButton(QWidget* parent)
    : QPushButton(parent)
    , m_pLinks(nullptr)
{
    QMenu* menu = new QMenu(this);
    m_pLinks = new LinkMenu(menu, this);
    setMenu(menu);
}

MoreAppsButton::~MoreAppsButton()
{
    delete m_pLinks;
}

void MoreAppsButton::addMenuLink(QPixmap const& icon, QString const& title, QString const& url)
{
    m_pLinks->addLink(icon, title, url);
}

void MoreAppsButton::addMenuAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id)
{
    m_pLinks->addAppLink(icon, title, name, id);
}

void MoreAppsButton::addMenuAction(QAction* action)
{
    m_pLinks->addAction(action);
}

void MoreAppsButton::addMenuSeparator()
{
    m_pLinks->addSeparator();
}

void MoreAppsButton::slotCallUrl(QString const& strUrl)
{
    LinkMenu::openUrl(strUrl);
}

} // namespace ZEDireroz
