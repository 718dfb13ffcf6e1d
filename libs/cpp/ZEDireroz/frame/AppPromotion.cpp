// The application object's identity, its links and the promotion slots: the
// links opened in the browser or the mail program, the share, join and
// introduction windows and the style-sheet editor. What they show belongs to the
// areas above the frame and is reached through the installed AppActions.
#include "ZEDireroz/frame/App.h"

#include "ZEDireroz/frame/AppActions.h"

#include <QDesktopServices>
#include <QDialog>
#include <QTimer>

namespace ZEDireroz {

void App::setAppId(QString const& id)
{
    m_sAppId = id;
}

QString App::appId() const
{
    return m_sAppId;
}

void App::setPromotedAppNameAndID(QString const& name, QString const& id)
{
    m_sPromotedAppName = name;
    m_sPromotedAppId = id;
}

void App::setPromotedLink(QString const& link)
{
    m_sPromotedLink = link;
}

void App::setAppSupportPage(QString const& link)
{
    m_sSupportPage = link;
}

void App::setFaceBookShareLink(QString const& link)
{
    m_sFaceBookShareLink = link;
}

void App::setTwitterShareLink(QString const& link)
{
    m_sTwitterShareLink = link;
}

void App::setVKontakteShareLink(QString const& link)
{
    m_sVKontakteShareLink = link;
}

QString App::faceBookShareLink() const
{
    return m_sFaceBookShareLink;
}

QString App::twitterShareLink() const
{
    return m_sTwitterShareLink;
}

QString App::vkontakteShareLink() const
{
    return m_sVKontakteShareLink;
}

void App::setResourceOffset(QString const& offset)
{
    m_sResourceOffset = offset;
}

QString App::resourceOffset() const
{
    return m_sResourceOffset;
}

void App::setIntroductionSlides(QStringList const& slides)
{
    m_lIntroductionSlides = slides;
}

PromotionContext App::promotionContext(PromotionLink link)
{
    PromotionContext context;
    context.appName = QCoreApplication::applicationName();
    context.appVersion = QCoreApplication::applicationVersion();
    context.appId = m_sAppId;
    context.supportPage = m_sSupportPage;
    context.promotedAppName = m_sPromotedAppName;
    context.promotedAppId = m_sPromotedAppId;
    context.promotedLink = m_sPromotedLink;
    context.appStore = isAppStore();
    // The language only where the link uses it: asking for it the first time
    // loads the translations.
    if (link == PromotionLink::Contact)
        context.language = currentLanguage();
    if (link == PromotionLink::TellFriend && context.supportPage.isEmpty() && context.appStore)
        context.languageSegment = currentLanguageOptimized();
    return context;
}

void App::openPromotionLink(PromotionLink link)
{
    auto const& make = AppActions::installed().promotionLink;
    if (!make)
        return;
    QUrl const url = make(link, promotionContext(link));
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

void App::slotRateApp()
{
    openPromotionLink(PromotionLink::Rate);
}

void App::slotShowMoreApps()
{
    openPromotionLink(PromotionLink::MoreApps);
}

void App::slotContactUs()
{
    openPromotionLink(PromotionLink::Contact);
}

void App::slotSupportPage()
{
    openPromotionLink(PromotionLink::SupportPage);
}

void App::slotTellFriend()
{
    openPromotionLink(PromotionLink::TellFriend);
}

void App::slotGoToPromotedApp()
{
    openPromotionLink(PromotionLink::PromotedApp);
}

void App::slotShareApp()
{
    if (auto const& share = AppActions::installed().share)
        share(QApplication::activeWindow());
}

void App::slotJoin()
{
    if (auto const& join = AppActions::installed().join)
        join(QApplication::activeWindow());
}

void App::slotHelp()
{
    if (!m_pHelpDialog) {
        auto const& create = AppActions::installed().createHelp;
        if (!create)
            return;
        m_pHelpDialog = create(QApplication::activeWindow(), m_lIntroductionSlides);
    }
    m_pHelpDialog->exec();
}

void App::showHelpOnStart()
{
    auto const& helpOnStart = AppActions::installed().helpOnStart;
    if (helpOnStart && helpOnStart())
        QTimer::singleShot(500, this, &App::slotHelp);
}

void App::slotShowCssEditor()
{
    if (auto const& show = AppActions::installed().showCssEditor)
        show();
}

} // namespace ZEDireroz
