#include "platform/desktop/WebViewInterface.h"

#include <QUrl>

namespace ZEDireroz {

namespace {

QString& host()
{
    static QString value = QStringLiteral("translate.example.com");
    return value;
}

QString encoded(QString const& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

void WebViewInterface::setTranslationHost(QString const& newHost)
{
    host() = newHost;
}

QString WebViewInterface::translationHost()
{
    return host();
}

QString WebViewInterface::translationLink(QString const& url, QString const& fromLanguage, QString const& toLanguage)
{
    return QStringLiteral("http://") + host() + QStringLiteral("/translate") + QStringLiteral("?hl=")
           + encoded(toLanguage) + QStringLiteral("&u=") + encoded(url) + QStringLiteral("&sl=") + encoded(fromLanguage)
           + QStringLiteral("&tl=") + encoded(toLanguage);
}

} // namespace ZEDireroz
