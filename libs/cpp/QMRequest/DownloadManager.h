#pragma once
// The asynchronous layer of the HTTP download: one GET per call, the whole body
// (or a failure) reported by signal when the reply ends.

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace QMRequest {

class DownloadManager : public QObject
{
    Q_OBJECT
public:
    // Why a reply failed. A caller needs this to tell "no connection" from
    // "the server said no" and from "the server never answered".
    enum Failure {
        NoFailure,
        ConnectionFailure, // no connection, refused, dropped, protocol trouble
        ServerFailure,     // the server answered with an HTTP error status
        TimeOutFailure     // nothing arrived for longer than the time-out
    };
    Q_ENUM(Failure)

    // A reply that stays silent this long is given up.
    static constexpr int DefaultTimeoutMs = 15000;

    explicit DownloadManager(QObject* parent = nullptr);
    ~DownloadManager() override;

    void download(QUrl const& url);

    // Milliseconds without any data after which a reply is aborted; 0 waits forever.
    void setTimeout(int milliseconds);
    int timeout() const { return m_nTimeoutMs; }

signals:
    void downloadProgress(qint64 received, qint64 total);
    void done(QUrl const& url, QByteArray const& body);
    void error();
    // Sent for every reply just before done() or error().
    void replyEnded(QUrl const& url, QMRequest::DownloadManager::Failure failure, int httpStatus,
                    QString const& errorString);

public slots:
    void slotFinished(QNetworkReply* reply);

private:
    QNetworkAccessManager* m_pNetworkManager;
    int m_nTimeoutMs = DefaultTimeoutMs;
};

} // namespace QMRequest
