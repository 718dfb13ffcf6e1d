#include "ZEDireroz/promotion/PromotionActions.h"

#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/PromotionLinks.h"
#include "ZEDireroz/promotion/TellDialog.h"

#include <QSysInfo>

namespace ZEDireroz {

namespace {

// What the recommendation mail points to: the support page when there is one,
// else the store page in the user's language, or the maker's page of a build from
// outside the store.
QString tellFriendTarget(PromotionContext const& context)
{
    if (!context.supportPage.isEmpty())
        return context.supportPage;
    if (context.appStore)
        return PromotionLinks::localisedStoreLink(context.languageSegment, context.appName, context.appId).toString();
    return PromotionLinks::makerAppPage(context.appName).toString();
}

QDialog* createHelpDialog(QWidget* parent, QStringList const& slides)
{
    auto* dialog = new HelpDialog(parent);
    for (QString const& slide : slides)
        dialog->addSlide(slide);
    return dialog;
}

} // namespace

QUrl promotionLink(PromotionLink link, PromotionContext const& context)
{
    switch (link) {
    case PromotionLink::Rate:
        return PromotionLinks::storeLink(context.appName, context.appId);
    case PromotionLink::MoreApps:
        return PromotionLinks::artistPage();
    case PromotionLink::Contact:
        // The running system's own name and version, so that an answer can refer to it.
        return PromotionLinks::contactMail(
            context.appName, context.appVersion,
            PromotionLinks::contactSystemPart(QSysInfo::prettyProductName(), context.language, context.appStore));
    case PromotionLink::SupportPage:
        return context.supportPage.isEmpty() ? PromotionLinks::makerHomePage()
                                             : QUrl(context.supportPage, QUrl::TolerantMode);
    case PromotionLink::TellFriend:
        return PromotionLinks::tellFriendMail(context.appName, tellFriendTarget(context));
    case PromotionLink::PromotedApp:
        return context.promotedLink.isEmpty()
                   ? PromotionLinks::storeLink(context.promotedAppName, context.promotedAppId)
                   : QUrl(context.promotedLink, QUrl::TolerantMode);
    }
    return QUrl();
}

void installPromotionActions()
{
    AppActions& actions = AppActions::installed();
    actions.promotionLink = promotionLink;
    actions.share = [](QWidget* parent) {
        TellDialog dialog(parent);
        dialog.exec();
    };
    actions.join = [](QWidget* parent) {
        JoinDialog dialog(parent);
        dialog.exec();
    };
    actions.createHelp = createHelpDialog;
    actions.helpOnStart = HelpDialog::isShowOnStartAvailable;
}

} // namespace ZEDireroz
