#include "QMRequest/DownloadManager.h"

#include "QMRequest/HttpGet_p.h"

namespace QMRequest {

DownloadManager::DownloadManager(QObject* parent)
    : QObject(parent)
{
    // So that replyEnded can also be queued or recorded by name.
    qRegisterMetaType<Failure>("QMRequest::DownloadManager::Failure");
}

DownloadManager::~DownloadManager() = default;

void DownloadManager::setTimeout(int milliseconds)
{
    m_nTimeoutMs = qMax(0, milliseconds);
}

void DownloadManager::setMaxBodySize(qint64 bytes)
{
    m_nMaxBodySize = qMax<qint64>(0, bytes);
}

void DownloadManager::download(QUrl const& url)
{
    auto* get = new HttpGet(url, m_nTimeoutMs, m_nMaxBodySize, this);
    connect(get, &HttpGet::progress, this, &DownloadManager::downloadProgress);
    connect(get, &HttpGet::finished, this, [this, get] { slotFinished(get); });
    get->start();
}

void DownloadManager::slotFinished(HttpGet* get)
{
    Failure const failure = get->failure();
    QUrl const url = get->url();
    emit replyEnded(url, failure, get->httpStatus(), get->errorString());
    if (failure == NoFailure)
        emit done(url, get->body());
    else
        emit error();
    get->deleteLater();
}

} // namespace QMRequest
