#include "QMRequest/Downloader.h"

#include <QDebug>
#include <QPointer>
#include <QSaveFile>
#include <QUrl>

#include <limits>

namespace QMRequest {

Downloader::Downloader(QObject* parent)
    : QObject(parent)
    , m_pManager(new DownloadManager(this))
{
    connect(m_pManager, &DownloadManager::replyEnded, this, &Downloader::slotReplyEnded);
    connect(m_pManager, &DownloadManager::done, this, &Downloader::slotFinished);
    connect(m_pManager, &DownloadManager::downloadProgress, this, &Downloader::slotProgress);
    connect(m_pManager, &DownloadManager::error, this, &Downloader::slotError);
}

Downloader::~Downloader()
{
    if (!m_bBusy)
        return;
    // Deleted while a request waits: its loop ends, and the request finds the
    // downloader gone. The transfer may be in the middle of a signal of its
    // socket (a slot on progress deleted us), so it goes once control is back
    // in an event loop rather than from under that signal.
    if (m_pLoop)
        m_pLoop->exit(0);
    m_pManager->disconnect(this);
    m_pManager->setParent(nullptr);
    m_pManager->deleteLater();
    m_mutex.unlock();
}

void Downloader::setTimeout(int milliseconds)
{
    m_pManager->setTimeout(milliseconds);
}

int Downloader::timeout() const
{
    return m_pManager->timeout();
}

void Downloader::setMaxBodySize(qint64 bytes)
{
    m_pManager->setMaxBodySize(bytes);
}

qint64 Downloader::maxBodySize() const
{
    return m_pManager->maxBodySize();
}

QString Downloader::fullRequest(QString const& url) const
{
    // The scheme of an address is case-insensitive, and an https address must
    // not be turned into "http://https://...". Anything else is taken for a
    // host name (and path) and requested over plain HTTP.
    if (url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return url;
    return QStringLiteral("http://") + url;
}

Downloader::Outcome Downloader::request(QString const& url, QEventLoop::ProcessEventsFlags flags)
{
    // Calls made from the nested loop while a request runs are turned away, so
    // the running request goes on undisturbed.
    if (m_bBusy)
        return TurnedAway;
    m_data.clear();
    m_bBusy = true;
    m_mutex.lock();
    m_eStatus = Running;
    m_nHttpStatus = 0;
    m_sError.clear();
    m_pManager->download(QUrl(fullRequest(url), QUrl::TolerantMode));
    m_bFinished = false;
    // Should the reply already have ended, the loop has nothing to wait for.
    if (m_eStatus != Running)
        return Ran;
    // Whatever the loop runs may delete this object: its parent, a
    // deleteLater() the loop carries out, a slot. The destructor ends the
    // loop; past that, only what lives on this stack may be touched.
    QEventLoop loop;
    QPointer<Downloader> const alive(this);
    m_pLoop = &loop;
    loop.exec(flags);
    if (alive.isNull())
        return Deleted;
    m_pLoop = nullptr;
    return Ran;
}

void Downloader::endRequest()
{
    m_bFinished = true;
    m_bBusy = false;
}

QByteArray Downloader::get(QString const& url, QEventLoop::ProcessEventsFlags flags, Status* status)
{
    Outcome const outcome = request(url, flags);
    if (outcome != Ran) {
        if (status)
            *status = outcome == TurnedAway ? Busy : Aborted;
        return QByteArray();
    }
    endRequest();
    QByteArray const result = m_data;
    if (status)
        *status = m_eStatus;
    m_mutex.unlock();
    return result;
}

bool Downloader::getToFile(QString const& url, QString const& fileName, QEventLoop::ProcessEventsFlags flags,
                           Status* status)
{
    Outcome const outcome = request(url, flags);
    if (outcome != Ran) {
        if (status)
            *status = outcome == TurnedAway ? Busy : Aborted;
        return false;
    }
    endRequest();
    bool written = false;
    if (m_eStatus == Succeeded) {
        // Written beside the target and moved over it only when complete, so a
        // failed write never leaves a half file in place of a good one.
        QSaveFile file(fileName);
        written = file.open(QIODevice::WriteOnly) && file.write(m_data) == m_data.size() && file.commit();
        if (!written) {
            m_eStatus = FileNotWritten;
            m_sError = file.errorString();
        }
    }
    if (status)
        *status = m_eStatus;
    m_mutex.unlock();
    return written;
}

void Downloader::slotReplyEnded(QUrl const&, DownloadManager::Failure failure, int httpStatus,
                                QString const& errorString)
{
    m_nHttpStatus = httpStatus;
    m_sError = errorString;
    switch (failure) {
    case DownloadManager::NoFailure:
        m_eStatus = Succeeded;
        break;
    case DownloadManager::ConnectionFailure:
        m_eStatus = ConnectionFailed;
        break;
    case DownloadManager::ServerFailure:
        m_eStatus = ServerError;
        break;
    case DownloadManager::TimeOutFailure:
        m_eStatus = TimedOut;
        break;
    case DownloadManager::TooLargeFailure:
        m_eStatus = TooLarge;
        break;
    }
}

void Downloader::slotFinished(QUrl const&, QByteArray const& body)
{
    m_data = body;
    qDebug() << "@@@@:" << m_data;
    if (m_pLoop)
        m_pLoop->exit(0);
}

void Downloader::slotProgress(qint64 received, qint64 total)
{
    QPointer<Downloader> const alive(this);
    emit progress(int(qMin<qint64>(received, std::numeric_limits<int>::max())));
    // Without a known length (Qt then reports 0 or -1) there is no percentage
    // to give; a downloader deleted by a slot on progress() has none to send.
    if (total <= 0 || alive.isNull())
        return;
    float const percent = float(received) * 100.0f / float(total);
    emit progressPercent(int(qBound(0.0f, percent, 100.0f)));
}

void Downloader::slotError()
{
    if (m_pLoop)
        m_pLoop->exit(0);
}

} // namespace QMRequest
