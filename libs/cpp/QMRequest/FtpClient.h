#pragma once
// A blocking FTP client: every command returns only after a private event loop
// has run until the server's answer came, the connection failed, nothing
// arrived for timeout() milliseconds or the command ran past deadline(). Data
// goes over passive connections (EPSV, else PASV) in binary mode. What a server
// may send is bounded: a reply by maxReplyBytes(), a listing by
// maxListingBytes().
//
//     QMRequest::FtpClient ftp;
//     if (ftp.connectToHost(host, port) == 0 && ftp.login(user, password) == 0)
//         ftp.put(bytes, "notes.txt");
//
// FTP sends the user name and password, and every file, in clear text.
//
// The commands return 0 (NoError) on success and an Error otherwise;
// fetchData returns true on success. done(bool) follows every command. While a
// command waits, timers and user input go on; a command called from there is
// turned away with Busy, and abort() ends the waiting one. A client deleted
// while a command waits (with its parent, by deleteLater() or from a slot) ends
// that command, which returns Aborted without done().

#include "QMRequest/FtpReplies.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QBuffer;
class QEventLoop;
class QFile;
class QIODevice;
class QTcpSocket;

namespace QMRequest {

class FtpClient : public QObject
{
    Q_OBJECT
public:
    enum Error {
        NoError = 0,
        NotConnected,      // no connection: connectToHost first
        Busy,              // another command of this client is waiting
        HostNotFound,      // the host name did not resolve
        ConnectionRefused, // nothing listens on that port
        ConnectionLost,    // the server closed the connection or it broke
        TimedOut,          // nothing arrived within timeout()
        LoginFailed,       // the server refused the user name or password
        CommandFailed,     // the server refused the command (see replyCode())
        TransferFailed,    // the data connection failed or the server ended the transfer badly
        LocalIoFailed,     // the local device could not be read or written
        InvalidArgument,   // no device, or a name that cannot be sent
        Aborted,           // abort() ended the command
        TooLarge           // a reply or listing went past its cap (maxReplyBytes(), maxListingBytes())
    };
    Q_ENUM(Error)

    static constexpr quint16 kDefaultPort = 21;
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kDefaultDeadlineMs = 10 * 60 * 1000;
    static constexpr qint64 kDefaultMaxReplyBytes = 256 * 1024;
    static constexpr qint64 kDefaultMaxListingBytes = 64 * 1024 * 1024;
    // Without a reply deadline of its own, a reply must be complete within
    // this many time-outs.
    static constexpr int kReplyDeadlineTimeouts = 4;

    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;

    // Connects and waits for the server's greeting; an open connection is closed first.
    int connectToHost(QString const& host, quint16 port = kDefaultPort);
    // An empty user logs in as "anonymous".
    int login(QString const& user = QString(), QString const& password = QString());
    int cd(QString const& dir);
    // Writes the remote file into dev. A closed QFile is written through a
    // temporary file beside it, which takes its place only when the whole file
    // came, and is left closed; any other closed device is opened write-only.
    // Fewer bytes than the server announced (SIZE) is a TransferFailed.
    int get(QString const& file, QIODevice* dev);
    // Stores what is left to read of dev (opened read-only when it is closed).
    int put(QIODevice* dev, QString const& file);
    int put(QByteArray const& data, QString const& file);
    // The entries of a remote folder (the current one when dir is empty),
    // without the folder itself and its parent.
    int list(QString const& dir, QList<FtpEntry>* entries);
    // Says goodbye and closes the connection; closing a closed client succeeds.
    int close();

    // get into a buffer or a file; true on success.
    bool fetchData(QString const& file, QBuffer& buffer);
    bool fetchData(QString const& file, QFile* target);

    bool isConnected() const;
    // True while a command waits.
    bool isBusy() const { return m_bBusy; }
    // How the last command ended, a text for the user, and the server's last reply code.
    Error error() const { return m_eError; }
    QString errorString() const;
    int replyCode() const { return m_nReplyCode; }

    // Milliseconds without anything arriving after which a command gives up; 0 waits forever.
    void setTimeout(int milliseconds) { m_nTimeoutMs = milliseconds; }
    int timeout() const { return m_nTimeoutMs; }
    // Milliseconds a command may take in all, however busily the server talks;
    // past it the command ends with TimedOut. 0 sets no deadline. Set a longer
    // one for big files over slow lines.
    void setDeadline(int milliseconds) { m_nDeadlineMs = milliseconds; }
    int deadline() const { return m_nDeadlineMs; }
    // The most bytes one reply on the control connection may take, lines without
    // a reply code before it included, and the most bytes of one listing; past
    // them the command ends with TooLarge.
    // Milliseconds from a command (or the connection) until its reply on the
    // control connection is complete; past them the command ends with TimedOut
    // however busily the server talks. Transfers are not bound by it: a data
    // connection that keeps moving is waited for. -1 (the default) is
    // kReplyDeadlineTimeouts x timeout(); 0 sets no bound.
    void setReplyDeadline(int milliseconds) { m_nReplyDeadlineMs = milliseconds; }
    int replyDeadline() const;
    // Bytes that arrive while no command waits answer nothing: they are dropped,
    // and more than maxReplyBytes() of them close the connection.
    void setMaxReplyBytes(qint64 bytes) { m_nMaxReplyBytes = bytes; }
    qint64 maxReplyBytes() const { return m_nMaxReplyBytes; }
    void setMaxListingBytes(qint64 bytes) { m_nMaxListingBytes = bytes; }
    qint64 maxListingBytes() const { return m_nMaxListingBytes; }

signals:
    void done(bool ok);
    // Bytes moved so far in the running transfer, and the share of the total
    // when the total is known (never while it is unknown or 0).
    void progress(int bytes);
    void progressPercent(int percent);

public slots:
    // Ends the waiting command at once with Aborted and closes the connection,
    // which is out of step with the server after it. Does nothing while no
    // command waits.
    void abort();
    void slotReadProgress(qint64 nDone, qint64 nTotal);
    void slotDone(bool ok);

private slots:
    void slotActivity();
    void slotTimeout();
    void slotDeadline();
    void slotReplyLate();
    void slotUnasked();

private:
    class Command;
    // Thrown where a wait finds its client deleted: it carries the command out
    // to Command::run past every member of the gone client.
    struct Deleted
    {
    };

    // ---- the control connection and its replies (FtpControl.cpp) ----
    static QTcpSocket* newSocket(FtpClient* owner);
    // Runs a loop until ready() holds. False (with the error set) when
    // failed() holds first, on time-out, past the deadline or on abort().
    // Throws Deleted when the client was deleted meanwhile.
    bool waitFor(std::function<bool()> const& ready, std::function<bool()> const& failed);
    // Ends the running wait's loop for another look.
    void wake();
    // Reports progress from within a wait; throws Deleted when a slot deleted the client.
    void reportProgress(qint64 nDone, qint64 nTotal);
    // Takes a complete reply from the control connection when one has come.
    bool takeReply();
    // Waits for the next reply; false when it did not come.
    bool readReply();
    // Sends a command line and waits for its reply.
    bool sendCommand(QByteArray const& verb, QString const& argument = QString());
    bool fail(Error error);
    bool failByReply(Error error);
    // The control connection broke or carried more than a reply may hold.
    bool controlFailed();
    // Forgets a half-read reply, for a new connection.
    void resetReplies();
    // Drops what the server sent while no command waited; closes the
    // connection past maxReplyBytes() of it.
    void dropUnasked();

    // ---- the data connection and transfers (FtpTransfer.cpp) ----
    bool openDataConnection();
    void closeDataConnection();
    // The data part of a download or listing: the server's preliminary reply,
    // all data into sink, the final reply. A known total that did not all come
    // fails the transfer; more than maxBytes (when not negative) fails it with
    // TooLarge.
    bool receiveData(QByteArray const& verb, QString const& argument, QIODevice* sink, qint64 total,
                     qint64 maxBytes = -1);
    bool sendData(QString const& file, QIODevice* source);
    bool runList(QByteArray const& verb, QString const& dir, QByteArray* data);
    // A download into a closed file, through a temporary file beside it.
    bool getIntoFile(QString const& file, QFile* target);
    // A download into an open device: the size the server announces, then the file.
    bool receiveFile(QString const& file, QIODevice* dev);

    QTcpSocket* m_pControl;
    QTcpSocket* m_pData = nullptr;
    // The loop of the waiting command, which lives on that command's stack so
    // that deleting the client does not pull it from under its own exec().
    QEventLoop* m_pLoop = nullptr;
    QTimer m_timer;
    QTimer m_deadlineTimer;
    QTimer m_replyTimer;
    bool m_bTimedOut = false;
    bool m_bDeadlinePassed = false;
    bool m_bReplyLate = false;
    bool m_bAborted = false;
    bool m_bBusy = false;
    int m_nTimeoutMs = kDefaultTimeoutMs;
    int m_nDeadlineMs = kDefaultDeadlineMs;
    int m_nReplyDeadlineMs = -1;
    qint64 m_nMaxReplyBytes = kDefaultMaxReplyBytes;
    qint64 m_nMaxListingBytes = kDefaultMaxListingBytes;
    QString m_sHost;

    QList<QByteArray> m_replyLines;
    // Bytes of the reply being read, lines without a code before it included.
    qint64 m_nReplyBytes = 0;
    bool m_bReplyTooLarge = false;
    // Bytes that came while no command waited, since the last command.
    qint64 m_nUnaskedBytes = 0;
    int m_nReplyCode = 0;
    QString m_sReplyText;

    Error m_eError = NoError;
    QString m_sErrorDetail;
};

} // namespace QMRequest
