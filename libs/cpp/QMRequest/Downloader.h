#pragma once
// A blocking HTTP GET: the call returns only after a nested event loop has run
// until the transfer ended, failed or timed out. A downloader deleted while a
// call waits (with its parent, by deleteLater() or from a slot on progress)
// ends that call, which returns an empty body with the status Aborted; the
// caller must not use the downloader after such a return.

#include "QMRequest/DownloadManager.h"

#include <QByteArray>
#include <QEventLoop>
#include <QMutex>
#include <QObject>
#include <QString>

namespace QMRequest {

class Downloader : public QObject
{
    Q_OBJECT
public:
    // How a request ended. A failed transfer and a successful empty answer both
    // give an empty body; this tells them apart.
    enum Status {
        NotStarted,       // no request has been made yet
        Running,          // a request is waiting for its reply
        Succeeded,        // the server answered; the body is the answer
        ConnectionFailed, // no connection, refused, dropped in the middle
        ServerError,      // the server answered with an HTTP error status (see httpStatus())
        TimedOut,         // nothing arrived within timeout()
        TooLarge,         // the body is longer than maxBodySize()
        Busy,             // turned away: another request of this object was running
        FileNotWritten,   // getToFile: the transfer worked but the file could not be written
        Aborted           // the downloader was deleted while the request waited
    };
    Q_ENUM(Status)

    explicit Downloader(QObject* parent = nullptr);
    ~Downloader() override;

    // The body, or an empty byte array on failure or when busy; *status (when
    // given) says which.
    QByteArray get(QString const& url, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents,
                   Status* status = nullptr);
    // Stores the body in fileName. The file is replaced only when the transfer
    // succeeded and the whole body was written; otherwise it stays as it was.
    // Returns true when the file was written.
    bool getToFile(QString const& url, QString const& fileName,
                   QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents, Status* status = nullptr);

    bool isFinished() const { return m_bFinished; }
    // How the last request of this object ended (a call turned away as busy is no request).
    Status status() const { return m_eStatus; }
    // The HTTP status of the last answer, 0 when none arrived.
    int httpStatus() const { return m_nHttpStatus; }
    // A description of the last failure for logs (not translated), empty after a success.
    QString errorString() const { return m_sError; }

    // Milliseconds without any byte arriving, of the head or the body, after
    // which a request is given up (TimedOut); 0 waits forever.
    void setTimeout(int milliseconds);
    int timeout() const;

    // Bytes of body after which a request is given up (TooLarge); 0 sets no limit.
    void setMaxBodySize(qint64 bytes);
    qint64 maxBodySize() const;

    // The address actually requested for the given text.
    QString fullRequest(QString const& url) const;

signals:
    void progress(int received);
    void progressPercent(int percent);

public slots:
    void slotFinished(QUrl const& url, QByteArray const& body);
    void slotProgress(qint64 received, qint64 total);
    void slotError();

private slots:
    void slotReplyEnded(QUrl const& url, QMRequest::DownloadManager::Failure failure, int httpStatus,
                        QString const& errorString);

private:
    enum Outcome {
        TurnedAway, // another request of this object was running
        Ran,        // the request ended; the object is still there
        Deleted     // the object was deleted while the request waited
    };
    // Starts the request and waits for it. After Deleted nothing of this
    // object may be touched.
    Outcome request(QString const& url, QEventLoop::ProcessEventsFlags flags);
    void endRequest();

    QMutex m_mutex;
    DownloadManager* m_pManager;
    bool m_bFinished = false;
    bool m_bBusy = false;
    // The loop of the waiting request, which lives on that request's stack so
    // that deleting the downloader does not pull it from under its own exec().
    QEventLoop* m_pLoop = nullptr;
    QByteArray m_data;
    Status m_eStatus = NotStarted;
    int m_nHttpStatus = 0;
    QString m_sError;
};

} // namespace QMRequest
