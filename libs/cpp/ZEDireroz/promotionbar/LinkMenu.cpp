#include "ZEDireroz/promotionbar/LinkMenu.h"

#include "ZEDireroz/promotion/PromotionLinks.h"

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSignalMapper>
#include <QUrl>

namespace ZEDireroz {

LinkMenu::LinkMenu(QMenu* menu, QObject* owner)
    : m_pMenu(menu)
    , m_pOwner(owner)
    , m_pMapper(new QSignalMapper(owner))
{
    QObject::connect(m_pMapper, SIGNAL(mappedString(QString)), owner, SLOT(slotCallUrl(QString)));
}

void LinkMenu::addLink(QPixmap const& icon, QString const& title, QString const& url)
{
    QAction* action = new QAction(QIcon(icon), title, m_pOwner);
    QObject::connect(action, SIGNAL(triggered()), m_pMapper, SLOT(map()));
    m_pMapper->setMapping(action, url);
    m_pMenu->addAction(action);
}

void LinkMenu::addAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id)
{
    addLink(icon, title, PromotionLinks::storeLink(name, id).toString());
}

void LinkMenu::addAction(QAction* action)
{
    m_pMenu->addAction(action);
}

void LinkMenu::addSeparator()
{
    m_pMenu->addSeparator();
}

void LinkMenu::openUrl(QString const& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

} // namespace ZEDireroz
