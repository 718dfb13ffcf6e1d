#pragma once
// The asynchronous layer of the HTTP download: one GET per call, the whole body
// (or a failure) reported by signal when the reply ends. Bodies come as the
// server sent them (identity encoding is asked for; an encoded one is refused)
// and are limited in size.

#include <QObject>
#include <QString>
#include <QUrl>

namespace QMRequest {

class HttpGet;

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
        TimeOutFailure,    // nothing arrived for longer than the time-out
        TooLargeFailure    // the body is longer than maxBodySize()
    };
    Q_ENUM(Failure)

    // A reply that stays silent this long is given up.
    static constexpr int DefaultTimeoutMs = 15000;
    // Larger answers are refused: far above any page or file this program
    // fetches, far below what would strain memory.
    static constexpr qint64 DefaultMaxBodySize = 16 * 1024 * 1024;

    explicit DownloadManager(QObject* parent = nullptr);
    ~DownloadManager() override;

    void download(QUrl const& url);

    // Milliseconds without any byte arriving (the answer's head counts as
    // much as its body) after which a reply is aborted; 0 waits forever.
    void setTimeout(int milliseconds);
    int timeout() const { return m_nTimeoutMs; }

    // Bytes of body after which a reply is aborted (TooLargeFailure); 0 sets no limit.
    void setMaxBodySize(qint64 bytes);
    qint64 maxBodySize() const { return m_nMaxBodySize; }

signals:
    void downloadProgress(qint64 received, qint64 total);
    void done(QUrl const& url, QByteArray const& body);
    void error();
    // Sent for every reply just before done() or error().
    void replyEnded(QUrl const& url, QMRequest::DownloadManager::Failure failure, int httpStatus,
                    QString const& errorString);

private:
    void slotFinished(HttpGet* get);

    int m_nTimeoutMs = DefaultTimeoutMs;
    qint64 m_nMaxBodySize = DefaultMaxBodySize;
};

} // namespace QMRequest
