#pragma once
// A blocking FTP client: every command returns only after a private event loop
// has run until the server's answer came, the connection failed or nothing
// arrived for timeout() milliseconds. Data goes over passive connections
// (EPSV, else PASV) in binary mode.
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
// turned away with Busy.

#include "QMRequest/FtpReplies.h"

#include <QByteArray>
#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QBuffer;
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
        InvalidArgument    // no device, or a name that cannot be sent
    };
    Q_ENUM(Error)

    static constexpr quint16 kDefaultPort = 21;
    static constexpr int kDefaultTimeoutMs = 30000;

    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;

    // Connects and waits for the server's greeting; an open connection is closed first.
    int connectToHost(QString const& host, quint16 port = kDefaultPort);
    // An empty user logs in as "anonymous".
    int login(QString const& user = QString(), QString const& password = QString());
    int cd(QString const& dir);
    // Writes the remote file into dev (opened write-only when it is closed).
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
    // How the last command ended, a text for the user, and the server's last reply code.
    Error error() const { return m_eError; }
    QString errorString() const;
    int replyCode() const { return m_nReplyCode; }

    // Milliseconds without anything arriving after which a command gives up; 0 waits forever.
    void setTimeout(int milliseconds) { m_nTimeoutMs = milliseconds; }
    int timeout() const { return m_nTimeoutMs; }

signals:
    void done(bool ok);
    // Bytes moved so far in the running transfer, and the share of the total
    // when the total is known (never while it is unknown or 0).
    void progress(int bytes);
    void progressPercent(int percent);

public slots:
    void slotReadProgress(qint64 nDone, qint64 nTotal);
    void slotDone(bool ok);

private slots:
    void slotActivity();
    void slotTimeout();

private:
    class Command;

    static QTcpSocket* newSocket(FtpClient* owner);

    // Runs the loop until ready() holds. False (with the error set) when
    // failed() holds first, or on time-out.
    bool waitFor(std::function<bool()> const& ready, std::function<bool()> const& failed);
    // Takes a complete reply from the control connection when one has come.
    bool takeReply();
    // Waits for the next reply; false when it did not come.
    bool readReply();
    // Sends a command line and waits for its reply.
    bool sendCommand(QByteArray const& verb, QString const& argument = QString());
    bool fail(Error error);
    bool failByReply(Error error);
    bool controlFailed();

    bool openDataConnection();
    void closeDataConnection();
    // The data part of a download or listing: the server's preliminary reply,
    // all data into sink, the final reply.
    bool receiveData(QByteArray const& verb, QString const& argument, QIODevice* sink, qint64 total);
    bool sendData(QString const& file, QIODevice* source);
    bool runList(QByteArray const& verb, QString const& dir, QByteArray* data);

    QTcpSocket* m_pControl;
    QTcpSocket* m_pData = nullptr;
    QEventLoop m_loop;
    QTimer m_timer;
    bool m_bTimedOut = false;
    bool m_bBusy = false;
    int m_nTimeoutMs = kDefaultTimeoutMs;
    QString m_sHost;

    QList<QByteArray> m_replyLines;
    int m_nReplyCode = 0;
    QString m_sReplyText;

    Error m_eError = NoError;
    QString m_sErrorDetail;
};

} // namespace QMRequest
