#include "QMRequest/DownloadManager.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace QMRequest {

namespace {
char const* const kTimedOutProperty = "qmrequestTimedOut";

bool isServerError(QNetworkReply::NetworkError code)
{
    // Qt groups the errors that come from an HTTP status the server sent into
    // the content (201-299) and server (401-499) ranges.
    return (code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError)
           || (code >= QNetworkReply::InternalServerError && code <= QNetworkReply::UnknownServerError);
}
} // namespace

DownloadManager::DownloadManager(QObject* parent)
    : QObject(parent)
    , m_pNetworkManager(new QNetworkAccessManager(this))
{
    // So that replyEnded can also be queued or recorded by name.
    qRegisterMetaType<Failure>("QMRequest::DownloadManager::Failure");
    connect(m_pNetworkManager, &QNetworkAccessManager::finished, this, &DownloadManager::slotFinished);
}

DownloadManager::~DownloadManager() = default;

void DownloadManager::setTimeout(int milliseconds)
{
    m_nTimeoutMs = qMax(0, milliseconds);
}

void DownloadManager::download(QUrl const& url)
{
    QNetworkReply* reply = m_pNetworkManager->get(QNetworkRequest(url));
    connect(reply, &QNetworkReply::downloadProgress, this, &DownloadManager::downloadProgress);

    if (m_nTimeoutMs > 0) {
        // The time-out counts silence, not the whole transfer: a large download
        // that keeps arriving is never cut off, a server that says nothing is.
        auto* watchdog = new QTimer(reply);
        watchdog->setSingleShot(true);
        watchdog->setInterval(m_nTimeoutMs);
        connect(watchdog, &QTimer::timeout, reply, [reply] {
            reply->setProperty(kTimedOutProperty, true);
            reply->abort();
        });
        connect(reply, &QNetworkReply::metaDataChanged, watchdog, qOverload<>(&QTimer::start));
        connect(reply, &QNetworkReply::readyRead, watchdog, qOverload<>(&QTimer::start));
        watchdog->start();
    }
}

void DownloadManager::slotFinished(QNetworkReply* reply)
{
    QUrl const url = reply->url();
    int const httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QNetworkReply::NetworkError const code = reply->error();

    Failure failure = NoFailure;
    if (reply->property(kTimedOutProperty).toBool())
        failure = TimeOutFailure;
    else if (code == QNetworkReply::NoError)
        failure = NoFailure;
    else if (isServerError(code))
        failure = ServerFailure;
    else
        failure = ConnectionFailure;

    emit replyEnded(url, failure, httpStatus, failure == NoFailure ? QString() : reply->errorString());
    if (failure == NoFailure)
        emit done(url, reply->readAll());
    else
        emit error();
    reply->deleteLater();
}

} // namespace QMRequest
