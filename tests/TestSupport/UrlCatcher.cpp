#include "TestSupport/UrlCatcher.h"

#include <QDesktopServices>

namespace {
char const* const kSchemes[] = {"http", "https", "mailto", "file"};
}

UrlCatcher::UrlCatcher()
{
    for (char const* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
}

UrlCatcher::~UrlCatcher()
{
    for (char const* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlCatcher::openUrl(QUrl const& url)
{
    urls << url;
}
