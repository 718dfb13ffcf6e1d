#pragma once
// One HTTP/1.1 GET on a socket of its own. Every byte that arrives, those of
// the head included, restarts the time-out, so a slow but living server is
// never given up; the body is read as sent (identity encoding is asked for)
// and refused past a size limit. Private to QMRequest.

#include "QMRequest/DownloadManager.h"
#include "QMRequest/HttpResponse_p.h"

#include <QAbstractSocket>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QTcpSocket;

namespace QMRequest {

class HttpGet : public QObject
{
    Q_OBJECT
public:
    // timeoutMs <= 0 waits forever; maxBodySize <= 0 sets no limit.
    HttpGet(QUrl const& url, int timeoutMs, qint64 maxBodySize, QObject* parent = nullptr);
    ~HttpGet() override;

    // Connects and sends the request; finished() follows, never from inside this call.
    void start();

    QUrl url() const { return m_url; }
    DownloadManager::Failure failure() const { return m_eFailure; }
    int httpStatus() const { return m_parser.statusCode(); }
    QString errorString() const { return m_sError; }
    QByteArray body() const { return m_parser.body(); }

signals:
    // received body bytes, and the announced length or -1.
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void sendRequest();
    void readAvailable();
    void connectionEnded();
    void socketFailed(QAbstractSocket::SocketError error);
    void check();
    void end(DownloadManager::Failure failure, QString const& error);
    void endLater(DownloadManager::Failure failure, QString const& error);

    QUrl m_url;
    HttpResponseParser m_parser;
    QTcpSocket* m_pSocket = nullptr;
    QTimer m_watchdog;
    qint64 m_nReported = -1;
    bool m_bEnded = false;
    DownloadManager::Failure m_eFailure = DownloadManager::NoFailure;
    QString m_sError;
};

} // namespace QMRequest
