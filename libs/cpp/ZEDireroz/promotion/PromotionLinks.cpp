#include "ZEDireroz/promotion/PromotionLinks.h"

#include "ZEDireroz/frame/TickwrenLinks.h"

#include <QUrlQuery>

namespace ZEDireroz {

namespace {

QString site(char const* address)
{
    return QString::fromLatin1(address);
}

// A path segment or query value in fully encoded form: QUrlQuery keeps valid
// escapes as they are, so nothing in the value can be taken for a delimiter.
QString encoded(QString const& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString storeQuery()
{
    return QStringLiteral("?ls=1&mt=12");
}

} // namespace

QUrl PromotionLinks::storeLink(QString const& appName, QString const& storeId)
{
    return localisedStoreLink(QString(), appName, storeId);
}

QUrl PromotionLinks::localisedStoreLink(QString const& languageSegment, QString const& appName, QString const& storeId)
{
    return QUrl(site(TickwrenLinks::kStoreSite) + QLatin1Char('/') + languageSegment + QStringLiteral("app/")
                    + encoded(appName.toLower()) + QLatin1Char('/') + encoded(storeId) + storeQuery(),
                QUrl::TolerantMode);
}

QUrl PromotionLinks::makerAppPage(QString const& appName)
{
    return QUrl(site(TickwrenLinks::kMakerSite) + QStringLiteral("/apps/") + encoded(appName.toLower())
                    + QStringLiteral(".html"),
                QUrl::TolerantMode);
}

QUrl PromotionLinks::makerHomePage()
{
    return QUrl(site(TickwrenLinks::kMakerSite), QUrl::TolerantMode);
}

QUrl PromotionLinks::artistPage()
{
    return QUrl(site(TickwrenLinks::kStoreSite) + QStringLiteral("/artist/") + site(TickwrenLinks::kArtistSlug)
                    + QLatin1Char('/') + site(TickwrenLinks::kArtistId) + QStringLiteral("?mt=12"),
                QUrl::TolerantMode);
}

QUrl PromotionLinks::joinLink(QString const& appName, QString const& social)
{
    QUrl url(site(TickwrenLinks::kMakerSite) + QStringLiteral("/apps/appscontrol/index.php"), QUrl::TolerantMode);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app"), encoded(appName));
    query.addQueryItem(QStringLiteral("social"), encoded(social));
    url.setQuery(query);
    return url;
}

QUrl PromotionLinks::tutorialLink(QString const& languageSegment)
{
    return QUrl(site(TickwrenLinks::kMakerSite) + QLatin1Char('/') + languageSegment
                    + QStringLiteral("tutorial/tutorial.htm"),
                QUrl::TolerantMode);
}

QUrl PromotionLinks::mailLink(QString const& address, QString const& subject, QString const& body)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), encoded(subject));
    query.addQueryItem(QStringLiteral("body"), encoded(body));
    url.setQuery(query);
    return url;
}

QUrl PromotionLinks::contactMail(QString const& appName, QString const& version, QString const& systemPart)
{
    return mailLink(contactAddress(),
                    QStringLiteral("Contact (") + appName + QLatin1Char(' ') + version + QStringLiteral(") ")
                        + systemPart,
                    QString());
}

QString PromotionLinks::contactSystemPart(QString const& systemName, QString const& language, bool appStore)
{
    return systemName + QLatin1Char(' ') + language + QLatin1Char(' ') + (appStore ? QString() : QStringLiteral("I"));
}

QUrl PromotionLinks::tellFriendMail(QString const& appName, QString const& link)
{
    return mailLink(QString(), QStringLiteral("Check out the cool ") + appName + QStringLiteral(" app!"),
                    QStringLiteral("Hi, check out this cool ") + appName
                        + QStringLiteral(" app - available in the App Stores: ") + link);
}

QString PromotionLinks::contactAddress()
{
    return site(TickwrenLinks::kContactEmail);
}

} // namespace ZEDireroz
