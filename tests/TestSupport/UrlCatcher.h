#pragma once
// Takes the place of the browser and the mail program in tests: every link the
// code opens with QDesktopServices is recorded here instead of leaving the process.

#include <QList>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> urls;

    // The one link opened since the last call, or an invalid URL when there was
    // not exactly one.
    QUrl takeOne()
    {
        QList<QUrl> const taken = urls;
        urls.clear();
        return taken.size() == 1 ? taken.first() : QUrl();
    }

    static QString queryValue(QUrl const& url, QString const& key)
    {
        return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
    }

public slots:
    void openUrl(QUrl const& url);
};
