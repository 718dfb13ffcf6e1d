#include "ZEDireroz/promotionbar/AppMenu.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/AboutDialog.h"

#include <QApplication>
#include <QIcon>

namespace ZEDireroz {

AppMenu::AppMenu(QWidget* parent)
    : QMenu(parent)
{
    App* app = App::theApp();
    if (app) {
        // Rating needs the store's page, which a build from outside the store has not.
        if (app->isAppStore())
            addAction(QIcon(QStringLiteral(":/star.png")), tr("Rate this App"), app, &App::slotRateApp);
        addAction(QIcon(QStringLiteral(":/share_hover.png")), tr("Share"), app, &App::slotShareApp);
        addAction(QIcon(QStringLiteral(":/join_hover.png")), tr("Join Us"), app, &App::slotJoin);
        addAction(QIcon(QStringLiteral(":/moreappsicon.png")), tr("More Apps"), app, &App::slotShowMoreApps);
        addAction(QIcon(QStringLiteral(":/feedback.png")), tr("Contact Us"), app, &App::slotContactUs);
        addAction(QIcon(QStringLiteral(":/webpage.png")), tr("Support Page"), app, &App::slotSupportPage);
    }
    addAction(QIcon(QStringLiteral(":/appicon.png")), tr("About"), this, &AppMenu::slotAbout);
    addSeparator();
    addAction(tr("Quit"), this, &AppMenu::quitPressed);
}

void AppMenu::slotAbout()
{
    AboutDialog dialog(QApplication::activeWindow());
    dialog.exec();
}

AppButton::AppButton(QWidget* parent)
    : QPushButton(parent)
    , m_pMenu(new AppMenu(this))
{
    connect(m_pMenu, &AppMenu::quitPressed, this, &AppButton::quitPressed);
    setMenu(m_pMenu);
}

} // namespace ZEDireroz
