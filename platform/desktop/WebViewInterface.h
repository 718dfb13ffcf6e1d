#pragma once
// What a caller needs of an embedded web-page view, without naming the class that
// shows it (see WebViewCreator).

#include <QString>

class QWidget;

namespace ZEDireroz {

class WebViewInterface
{
public:
    virtual ~WebViewInterface() = default;

    virtual void load(QString const& url) = 0;
    // Shows the page through the machine-translation service.
    virtual void loadTranslated(QString const& url, QString const& fromLanguage, QString const& toLanguage) = 0;
    // A new view of the same kind, without parent; the caller owns it.
    virtual QWidget* cloneObj() = 0;

    // The address of the page translated by the service: the service's
    // "/translate" with the query keys hl, u, sl and tl in that order; every value
    // is percent-encoded, so a page address with its own query stays one value.
    static QString translationLink(QString const& url, QString const& fromLanguage, QString const& toLanguage);

    // The service's host name. This program has no service of its own: the default
    // is a reserved example name, to be replaced by whoever deploys the view.
    static void setTranslationHost(QString const& host);
    static QString translationHost();
};

} // namespace ZEDireroz
