#pragma once
// Every web and mail link that the promotion frame opens, in one place. Mail
// subjects and bodies and the join page's query are percent-encoded, so that an
// "&", "#" or "%" in a name or in a quoted link reaches the other side intact.

#include <QString>
#include <QUrl>

namespace ZEDireroz {

class PromotionLinks
{
public:
    PromotionLinks() = delete;

    // The store page of an application: store site + "/app/" + lower-case name
    // + "/" + store identifier + "?ls=1&mt=12".
    static QUrl storeLink(QString const& appName, QString const& storeId);
    // The same in the store of a language: languageSegment is empty for English,
    // else the language code and "/" (App::currentLanguageOptimized()).
    static QUrl localisedStoreLink(QString const& languageSegment, QString const& appName, QString const& storeId);
    // The application's page on the maker's web server: "/apps/" + lower-case name + ".html".
    static QUrl makerAppPage(QString const& appName);
    static QUrl makerHomePage();
    // The maker's page in the store, listing all of its applications.
    static QUrl artistPage();
    // The maker's join page for one social channel ("facebook", "twitter",
    // "vkontakte" or "email"); the application name goes in unchanged.
    static QUrl joinLink(QString const& appName, QString const& social);
    // The tutorial on the maker's web site, in the language's folder unless the
    // language is English (languageSegment as for localisedStoreLink()).
    static QUrl tutorialLink(QString const& languageSegment);

    // "mailto:" + address + "?subject=...&body=...", both values percent-encoded.
    static QUrl mailLink(QString const& address, QString const& subject, QString const& body);
    // The mail to the maker: subject "Contact (" + name + " " + version + ") " + systemPart.
    static QUrl contactMail(QString const& appName, QString const& version, QString const& systemPart);
    // The running system, the interface language and "I" for a build outside the store.
    static QString contactSystemPart(QString const& systemName, QString const& language, bool appStore);
    // The recommendation mail, without a recipient.
    static QUrl tellFriendMail(QString const& appName, QString const& link);

    static QString contactAddress();
};

} // namespace ZEDireroz
