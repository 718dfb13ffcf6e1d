#pragma once
// Stands in for the desktop's browser and file manager: registered with
// QDesktopServices::setUrlHandler, it keeps every address it is asked to open.

#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public slots:
    void open(QUrl const& url) { urls << url; }

public:
    QList<QUrl> urls;
};
