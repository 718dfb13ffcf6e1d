#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotionbar/AppMenu.h"
#include "ZEDireroz/promotionbar/LinkMenu.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace ZEDireroz {

PromoMenuBar::PromoMenuBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("MenuBar"));

    m_pIntro = new QPushButton;
    m_pRate = new QPushButton;
    m_pMoreApps = new QPushButton;
    m_pMore = new QPushButton;
    m_pShare = new QPushButton;
    m_pJoin = new QPushButton;
    Common::extend(m_pIntro, QStringLiteral("IntroButton"), tr("Introduction"));
    Common::extend(m_pRate, QStringLiteral("RateButton"), tr("Rate App"));
    Common::extend(m_pMoreApps, QStringLiteral("MoreAppsButton"), tr("More Apps"));
    Common::extend(m_pMore, QStringLiteral("MoreButton"), tr("More"));
    Common::extend(m_pShare, QStringLiteral("ShareButton"), tr("Share"));
    Common::extend(m_pJoin, QStringLiteral("JoinButton"), tr("Join Us"));

    m_pMenu = new QMenu(m_pMore);
    m_pMore->setMenu(m_pMenu);
    m_pLinks = new LinkMenu(m_pMenu, this);
    m_pRate->hide();

    m_pAppButton = new AppButton;
    Common::extend(m_pAppButton, QStringLiteral("AppButton"), tr("App Menu"));

    for (QPushButton* button :
         {m_pIntro, m_pRate, m_pMoreApps, m_pMore, m_pShare, m_pJoin, static_cast<QPushButton*>(m_pAppButton)}) {
        button->setFlat(true);
        button->setFixedSize(32, 32);
    }

    connect(m_pAppButton, &AppButton::quitPressed, QCoreApplication::instance(), &QCoreApplication::quit);
    if (App* app = App::theApp()) {
        connect(m_pRate, &QPushButton::clicked, app, &App::slotRateApp);
        connect(m_pIntro, &QPushButton::clicked, app, &App::slotHelp);
        connect(m_pMoreApps, &QPushButton::clicked, app, &App::slotShowMoreApps);
        connect(m_pShare, &QPushButton::clicked, app, &App::slotShareApp);
        connect(m_pJoin, &QPushButton::clicked, app, &App::slotJoin);
    }

    m_pRightLayout = new QHBoxLayout;
    m_pCenterLayout = new QHBoxLayout;
    QHBoxLayout* row = new QHBoxLayout;
    row->setContentsMargins(5, 5, 5, 5);
    row->setSpacing(10);
    row->addWidget(m_pMore);
    row->addStretch(1);
    row->addLayout(m_pCenterLayout);
    row->addStretch(1);
    row->addLayout(m_pRightLayout);
    for (QPushButton* button :
         {m_pIntro, m_pShare, m_pJoin, m_pMoreApps, m_pRate, static_cast<QPushButton*>(m_pAppButton)})
        row->addWidget(button);
    setLayout(row);
}

PromoMenuBar::~PromoMenuBar()
{
    delete m_pLinks;
}

void PromoMenuBar::hideIntroButton()
{
    m_pIntro->hide();
}

void PromoMenuBar::hideMoreButton()
{
    m_pMore->hide();
}

void PromoMenuBar::hideRateButton()
{
    m_pRate->hide();
}

void PromoMenuBar::hideMoreAppsButton()
{
    m_pMoreApps->hide();
}

void PromoMenuBar::hideShareButton()
{
    m_pShare->hide();
}

QMenu* PromoMenuBar::shopMenu() const
{
    return m_pMenu;
}

void PromoMenuBar::addMenuLink(QPixmap const& icon, QString const& title, QString const& url)
{
    m_pLinks->addLink(icon, title, url);
}

void PromoMenuBar::addMenuAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id)
{
    m_pLinks->addAppLink(icon, title, name, id);
}

void PromoMenuBar::addMenuAction(QAction* action)
{
    m_pLinks->addAction(action);
}

void PromoMenuBar::addMenuSeparator()
{
    m_pLinks->addSeparator();
}

void PromoMenuBar::addWidget(QWidget* widget)
{
    m_pRightLayout->addWidget(widget);
}

void PromoMenuBar::addCenterWidget(QWidget* widget)
{
    m_pCenterLayout->addWidget(widget);
}

void PromoMenuBar::slotCallUrl(QString const& strUrl)
{
    LinkMenu::openUrl(strUrl);
}

} // namespace ZEDireroz
