#include "QMRequest/FtpClient.h"

#include "QMRequest/NetworkLogging_p.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QTcpSocket>

#include <limits>

namespace QMRequest {

// One public command: turns a call away while another waits, runs the clock of
// its deadline, and ends with done(), or at once with Aborted when the client
// was deleted while it waited.
class FtpClient::Command
{
public:
    explicit Command(FtpClient* client)
        : m_pClient(client)
        , m_bAccepted(!client->m_bBusy)
    {
        if (!m_bAccepted)
            return;
        client->m_bBusy = true;
        client->m_bAborted = false;
        client->m_bDeadlinePassed = false;
        client->m_eError = NoError;
        client->m_sErrorDetail.clear();
        // What came while no command waited answers none: it must not be read
        // as this command's reply.
        client->dropUnasked();
        client->m_nUnaskedBytes = 0;
        if (client->m_nDeadlineMs > 0)
            client->m_deadlineTimer.start(client->m_nDeadlineMs);
    }
    // Runs the command's work, true on success, and gives its result.
    int run(std::function<bool()> const& work)
    {
        if (!m_bAccepted)
            return Busy;
        bool ok = false;
        try {
            ok = work();
        } catch (Deleted const&) {
            // The client is gone, and with it everything finish() would touch.
            return Aborted;
        }
        return finish(ok);
    }

private:
    int finish(bool ok)
    {
        m_pClient->m_deadlineTimer.stop();
        m_pClient->m_bBusy = false;
        if (!ok && (m_pClient->m_bAborted || m_pClient->m_eError == TimedOut)) {
            // Cut off in the middle of an exchange (by abort(), the deadline, a
            // time-out or a reply that never completed): what the server sends
            // next belongs to the command that was cut off.
            m_pClient->closeDataConnection();
            m_pClient->m_pControl->abort();
            m_pClient->resetReplies();
        }
        if (ok) {
            m_pClient->m_eError = NoError;
            m_pClient->m_sErrorDetail.clear();
        } else {
            qCDebug(lcNetwork) << "FTP command failed:" << m_pClient->m_eError << m_pClient->m_sErrorDetail;
        }
        int const result = ok ? NoError : m_pClient->m_eError;
        // Last: a slot on done() may delete the client.
        m_pClient->slotDone(ok);
        return result;
    }

    FtpClient* m_pClient;
    bool m_bAccepted;
};

FtpClient::FtpClient(QObject* parent)
    : QObject(parent)
    , m_pControl(newSocket(this))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FtpClient::slotTimeout);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &FtpClient::slotDeadline);
    m_replyTimer.setSingleShot(true);
    connect(&m_replyTimer, &QTimer::timeout, this, &FtpClient::slotReplyLate);
    connect(m_pControl, &QTcpSocket::readyRead, this, &FtpClient::slotUnasked);
}

FtpClient::~FtpClient()
{
    // Deleted while a command waits: its loop ends, and the command finds the
    // client gone.
    wake();
    closeDataConnection();
    m_pControl->abort();
}

bool FtpClient::isConnected() const
{
    return m_pControl->state() == QAbstractSocket::ConnectedState;
}

QString FtpClient::errorString() const
{
    switch (m_eError) {
    case NoError:
        return QString();
    case NotConnected:
        return tr("Not connected to a server.");
    case Busy:
        return tr("Another FTP command is still running.");
    case HostNotFound:
        return tr("The host %1 was not found.").arg(m_sHost);
    case ConnectionRefused:
        return tr("The connection to %1 was refused.").arg(m_sHost);
    case ConnectionLost:
        return tr("The connection to the server was lost.");
    case TimedOut:
        return tr("The server did not answer in time.");
    case LoginFailed:
        return tr("The server refused the login: %1").arg(m_sErrorDetail);
    case CommandFailed:
        return tr("The server refused the command: %1").arg(m_sErrorDetail);
    case TransferFailed:
        return tr("The transfer failed: %1").arg(m_sErrorDetail);
    case LocalIoFailed:
        return tr("The local file could not be read or written: %1").arg(m_sErrorDetail);
    case InvalidArgument:
        return tr("The name or device cannot be used for FTP.");
    case Aborted:
        return tr("The FTP command was cancelled.");
    case TooLarge:
        return tr("The server sent more than the client takes: %1").arg(m_sErrorDetail);
    }
    return QString();
}

// ---- commands --------------------------------------------------------------

int FtpClient::connectToHost(QString const& host, quint16 port)
{
    return Command(this).run([&] {
        closeDataConnection();
        m_pControl->abort();
        resetReplies();
        m_sHost = host;
        m_pControl->connectToHost(host, port);
        bool ok = waitFor([this] { return isConnected(); },
                          [this] {
                              if (m_pControl->state() != QAbstractSocket::UnconnectedState)
                                  return false;
                              m_sErrorDetail = m_pControl->errorString();
                              switch (m_pControl->error()) {
                              case QAbstractSocket::HostNotFoundError:
                                  return !fail(HostNotFound);
                              case QAbstractSocket::ConnectionRefusedError:
                                  return !fail(ConnectionRefused);
                              default:
                                  return !fail(ConnectionLost);
                              }
                          });
        // "120 ready in a while" comes before the real greeting.
        ok = ok && readReply() && (m_nReplyCode != 120 || readReply());
        if (ok && m_nReplyCode != 220)
            ok = failByReply(CommandFailed);
        if (!ok)
            m_pControl->abort();
        return ok;
    });
}

int FtpClient::login(QString const& user, QString const& password)
{
    return Command(this).run([&] {
        bool ok = sendCommand("USER", user.isEmpty() ? QStringLiteral("anonymous") : user);
        if (ok && m_nReplyCode == 331)
            ok = sendCommand("PASS", password);
        if (ok && m_nReplyCode != 230 && m_nReplyCode != 202)
            ok = failByReply(LoginFailed);
        // Files travel as bytes, unchanged.
        if (ok)
            ok = sendCommand("TYPE", QStringLiteral("I")) && (m_nReplyCode == 200 || failByReply(CommandFailed));
        return ok;
    });
}

int FtpClient::cd(QString const& dir)
{
    return Command(this).run([&] {
        bool const ok = !dir.isEmpty() || fail(InvalidArgument);
        return ok && sendCommand("CWD", dir) && (m_nReplyCode / 100 == 2 || failByReply(CommandFailed));
    });
}

int FtpClient::get(QString const& file, QIODevice* dev)
{
    return Command(this).run([&] {
        if (!dev)
            return fail(InvalidArgument);
        auto* target = qobject_cast<QFile*>(dev);
        if (target && !target->isOpen())
            return getIntoFile(file, target);
        bool ok = true;
        if (!dev->isOpen() && !dev->open(QIODevice::WriteOnly)) {
            m_sErrorDetail = dev->errorString();
            ok = fail(LocalIoFailed);
        }
        ok = ok && (dev->isWritable() || fail(InvalidArgument));
        return ok && receiveFile(file, dev);
    });
}

int FtpClient::put(QIODevice* dev, QString const& file)
{
    return Command(this).run([&] {
        bool ok = dev || fail(InvalidArgument);
        if (ok && !dev->isOpen() && !dev->open(QIODevice::ReadOnly)) {
            m_sErrorDetail = dev->errorString();
            ok = fail(LocalIoFailed);
        }
        ok = ok && (dev->isReadable() || fail(InvalidArgument));
        return ok && (FtpReplies::isSafeArgument(file) || fail(InvalidArgument)) && sendData(file, dev);
    });
}

int FtpClient::put(QByteArray const& data, QString const& file)
{
    QBuffer buffer;
    buffer.setData(data);
    return put(&buffer, file);
}

int FtpClient::list(QString const& dir, QList<FtpEntry>* entries)
{
    return Command(this).run([&] {
        QByteArray data;
        // Refused before the data connection is asked for.
        bool ok = (entries && FtpReplies::isSafeArgument(dir)) || fail(InvalidArgument);
        bool const attempted = ok;
        bool const machineListing = ok && runList("MLSD", dir, &data);
        ok = ok && machineListing;
        // A server without MLSD still gives the names.
        bool const unknownCommand =
            m_eError == CommandFailed && (m_nReplyCode == 500 || m_nReplyCode == 502 || m_nReplyCode == 504);
        if (attempted && !machineListing && unknownCommand)
            ok = runList("NLST", dir, &data);
        if (!ok)
            return false;
        entries->clear();
        for (QByteArray const& line : data.split('\n')) {
            FtpEntry entry;
            if (machineListing) {
                if (!FtpReplies::parseMlsdLine(line, &entry))
                    continue;
            } else {
                QByteArray name = line.trimmed();
                name = name.mid(name.lastIndexOf('/') + 1);
                if (name.isEmpty() || name == "." || name == "..")
                    continue;
                entry.name = QString::fromUtf8(name);
            }
            entries->append(entry);
        }
        return true;
    });
}

int FtpClient::close()
{
    return Command(this).run([this] {
        closeDataConnection();
        if (isConnected())
            sendCommand("QUIT");
        m_pControl->abort();
        resetReplies();
        return true;
    });
}

bool FtpClient::fetchData(QString const& file, QBuffer& buffer)
{
    return get(file, &buffer) == NoError;
}

bool FtpClient::fetchData(QString const& file, QFile* target)
{
    return get(file, target) == NoError;
}

// ---- slots -----------------------------------------------------------------

void FtpClient::abort()
{
    if (!m_bBusy)
        return;
    m_bAborted = true;
    wake();
}

void FtpClient::slotReadProgress(qint64 nDone, qint64 nTotal)
{
    QPointer<FtpClient> const alive(this);
    emit progress(int(qMin<qint64>(nDone, std::numeric_limits<int>::max())));
    // Without a known total there is no share of it to give; a client deleted
    // by a slot on progress() has nothing left to send.
    if (nTotal <= 0 || alive.isNull())
        return;
    int const percent = int(qBound(0.0f, float(nDone) * 100.0f / float(nTotal), 100.0f));
    emit progressPercent(percent);
    qCDebug(lcNetwork) << "ProgressDone=" << nDone << "; ProgressTotal=" << nTotal << "; " << percent << "%";
}

void FtpClient::slotDone(bool ok)
{
    wake();
    emit done(ok);
}

} // namespace QMRequest
