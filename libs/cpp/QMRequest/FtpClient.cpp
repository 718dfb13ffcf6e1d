#include "QMRequest/FtpClient.h"

#include "QMRequest/NetworkLogging_p.h"

#include <QBuffer>
#include <QFile>
#include <QNetworkProxy>
#include <QStringList>
#include <QTcpSocket>

#include <cctype>
#include <limits>

namespace QMRequest {

namespace {

// A reply line longer than this, or a reply of more lines, is no FTP server talking.
constexpr qint64 kMaxReplyLineBytes = 64 * 1024;
constexpr int kMaxReplyLines = 10000;
// Bytes read from the source at once, and held queued on the data connection at most.
constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qint64 kMaxQueuedBytes = 4 * kChunkBytes;

bool isPositive(int code)
{
    return code >= 100 && code < 400;
}

bool startsWithCode(QByteArray const& line)
{
    return line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line.at(0)))
           && std::isdigit(static_cast<unsigned char>(line.at(1)))
           && std::isdigit(static_cast<unsigned char>(line.at(2)));
}

} // namespace

QTcpSocket* FtpClient::newSocket(FtpClient* owner)
{
    auto* socket = new QTcpSocket(owner);
    // FTP cannot go through the HTTP proxies a desktop may have set up.
    socket->setProxy(QNetworkProxy::NoProxy);
    // Whatever happens on a connection wakes the waiting command.
    connect(socket, &QTcpSocket::readyRead, owner, &FtpClient::slotActivity);
    connect(socket, &QTcpSocket::bytesWritten, owner, &FtpClient::slotActivity);
    connect(socket, &QTcpSocket::connected, owner, &FtpClient::slotActivity);
    connect(socket, &QTcpSocket::disconnected, owner, &FtpClient::slotActivity);
    connect(socket, &QTcpSocket::errorOccurred, owner, &FtpClient::slotActivity);
    return socket;
}

// One public command: turns a call away while another waits, and ends with done().
class FtpClient::Command
{
public:
    explicit Command(FtpClient* client)
        : m_pClient(client)
        , m_bAccepted(!client->m_bBusy)
    {
        if (m_bAccepted) {
            client->m_bBusy = true;
            client->m_eError = NoError;
            client->m_sErrorDetail.clear();
        }
    }
    bool accepted() const { return m_bAccepted; }
    int finish(bool ok)
    {
        m_pClient->m_bBusy = false;
        if (ok) {
            m_pClient->m_eError = NoError;
            m_pClient->m_sErrorDetail.clear();
        } else {
            qCDebug(lcNetwork) << "FTP command failed:" << m_pClient->m_eError << m_pClient->m_sErrorDetail;
        }
        m_pClient->slotDone(ok);
        return ok ? NoError : m_pClient->m_eError;
    }

private:
    FtpClient* m_pClient;
    bool m_bAccepted;
};

FtpClient::FtpClient(QObject* parent)
    : QObject(parent)
    , m_pControl(newSocket(this))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FtpClient::slotTimeout);
}

FtpClient::~FtpClient()
{
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
    }
    return QString();
}

// ---- waiting ---------------------------------------------------------------

void FtpClient::slotActivity()
{
    // Anything arriving counts as life: the time-out runs from the last sign of it.
    if (m_timer.isActive())
        m_timer.start();
    m_loop.exit(0);
}

void FtpClient::slotTimeout()
{
    m_bTimedOut = true;
    m_loop.exit(0);
}

bool FtpClient::waitFor(std::function<bool()> const& ready, std::function<bool()> const& failed)
{
    m_bTimedOut = false;
    if (m_nTimeoutMs > 0)
        m_timer.start(m_nTimeoutMs);
    bool ok = false;
    for (;;) {
        if (ready()) {
            ok = true;
            break;
        }
        if (failed())
            break;
        if (m_bTimedOut) {
            fail(TimedOut);
            break;
        }
        m_loop.exec();
    }
    m_timer.stop();
    return ok;
}

bool FtpClient::fail(Error error)
{
    m_eError = error;
    return false;
}

bool FtpClient::failByReply(Error error)
{
    m_sErrorDetail = QString::number(m_nReplyCode) + QLatin1Char(' ') + m_sReplyText;
    return fail(error);
}

bool FtpClient::controlFailed()
{
    if (m_pControl->state() != QAbstractSocket::UnconnectedState)
        return false;
    m_sErrorDetail = m_pControl->errorString();
    return fail(ConnectionLost);
}

// ---- the control connection ------------------------------------------------

bool FtpClient::takeReply()
{
    while (m_pControl->canReadLine()) {
        QByteArray line = m_pControl->readLine(kMaxReplyLineBytes);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (m_replyLines.isEmpty() && !startsWithCode(line))
            continue; // noise before a reply
        m_replyLines.append(line);
        QByteArray const code = m_replyLines.first().left(3);
        bool const multiLine = m_replyLines.first().size() > 3 && m_replyLines.first().at(3) == '-';
        bool const last =
            !multiLine || (m_replyLines.size() > 1 && line.startsWith(code) && (line.size() == 3 || line.at(3) == ' '));
        if (!last) {
            if (m_replyLines.size() > kMaxReplyLines)
                m_pControl->abort();
            continue;
        }
        m_nReplyCode = code.toInt();
        QStringList text;
        for (QByteArray const& replyLine : qAsConst(m_replyLines)) {
            bool const coded = startsWithCode(replyLine) && replyLine.startsWith(code);
            text.append(QString::fromUtf8(coded ? replyLine.mid(4) : replyLine).trimmed());
        }
        m_sReplyText = text.join(QLatin1Char('\n'));
        m_replyLines.clear();
        return true;
    }
    if (m_pControl->bytesAvailable() > kMaxReplyLineBytes)
        m_pControl->abort();
    return false;
}

bool FtpClient::readReply()
{
    return waitFor([this] { return takeReply(); }, [this] { return controlFailed(); });
}

bool FtpClient::sendCommand(QByteArray const& verb, QString const& argument)
{
    if (!FtpReplies::isSafeArgument(argument))
        return fail(InvalidArgument);
    if (!isConnected())
        return fail(NotConnected);
    QByteArray line = verb;
    if (!argument.isEmpty())
        line += ' ' + argument.toUtf8();
    // Never the password in a log.
    qCDebug(lcNetwork) << "FTP >" << (verb == "PASS" ? QByteArray("PASS ****") : line);
    m_pControl->write(line + "\r\n");
    bool const ok = readReply();
    if (ok)
        qCDebug(lcNetwork) << "FTP <" << m_nReplyCode << m_sReplyText;
    return ok;
}

// ---- the data connection ---------------------------------------------------

bool FtpClient::openDataConnection()
{
    closeDataConnection();
    quint16 port = 0;
    if (!sendCommand("EPSV"))
        return false;
    if (m_nReplyCode == 229)
        port = FtpReplies::parseEpsvPort(m_sReplyText.toLatin1());
    if (port == 0) {
        if (!sendCommand("PASV"))
            return false;
        if (m_nReplyCode == 227)
            port = FtpReplies::parsePasvPort(m_sReplyText.toLatin1());
    }
    if (port == 0)
        return failByReply(TransferFailed);

    m_pData = newSocket(this);
    m_pData->connectToHost(m_pControl->peerAddress(), port);
    return waitFor([this] { return m_pData->state() == QAbstractSocket::ConnectedState; },
                   [this] {
                       if (controlFailed())
                           return true;
                       if (m_pData->state() != QAbstractSocket::UnconnectedState)
                           return false;
                       m_sErrorDetail = m_pData->errorString();
                       return !fail(TransferFailed);
                   });
}

void FtpClient::closeDataConnection()
{
    if (!m_pData)
        return;
    m_pData->abort();
    delete m_pData;
    m_pData = nullptr;
}

bool FtpClient::receiveData(QByteArray const& verb, QString const& argument, QIODevice* sink, qint64 total)
{
    if (!openDataConnection())
        return false;
    if (!sendCommand(verb, argument)) {
        closeDataConnection();
        return false;
    }
    if (m_nReplyCode != 125 && m_nReplyCode != 150) {
        closeDataConnection();
        return failByReply(CommandFailed);
    }
    qint64 received = 0;
    bool localFailed = false;
    bool finalTaken = false;
    bool const drained = waitFor(
        [&] {
            QByteArray const chunk = m_pData->readAll();
            if (!chunk.isEmpty()) {
                if (sink->write(chunk) != chunk.size()) {
                    localFailed = true;
                    return true;
                }
                received += chunk.size();
                slotReadProgress(received, total);
            }
            // A refusal may come while the data connection is still open.
            if (!finalTaken && takeReply()) {
                finalTaken = true;
                if (!isPositive(m_nReplyCode))
                    return true;
            }
            return m_pData->state() == QAbstractSocket::UnconnectedState && m_pData->bytesAvailable() == 0;
        },
        [this] { return controlFailed(); });
    closeDataConnection();
    if (localFailed) {
        m_sErrorDetail = sink->errorString();
        // The server ends the transfer with a reply of its own; it must not be
        // left for the next command to read.
        if (!finalTaken)
            readReply();
        return fail(LocalIoFailed);
    }
    if (!drained)
        return false;
    if (!finalTaken && !readReply())
        return false;
    if (m_nReplyCode < 200 || m_nReplyCode >= 300)
        return failByReply(TransferFailed);
    return true;
}

bool FtpClient::sendData(QString const& file, QIODevice* source)
{
    if (!openDataConnection())
        return false;
    if (!sendCommand("STOR", file)) {
        closeDataConnection();
        return false;
    }
    if (m_nReplyCode != 125 && m_nReplyCode != 150) {
        closeDataConnection();
        return failByReply(CommandFailed);
    }
    qint64 const total = source->isSequential() ? -1 : source->size() - source->pos();
    qint64 queued = 0;
    qint64 reported = -1;
    bool atEnd = false;
    bool localFailed = false;
    bool finalTaken = false;
    auto refused = [&] {
        if (finalTaken || !takeReply())
            return false;
        finalTaken = true;
        return !isPositive(m_nReplyCode);
    };
    bool const sent = waitFor(
        [&] {
            if (refused() || m_pData->state() != QAbstractSocket::ConnectedState)
                return true;
            while (!atEnd && m_pData->bytesToWrite() < kMaxQueuedBytes) {
                QByteArray const chunk = source->read(kChunkBytes);
                if (chunk.isEmpty()) {
                    localFailed = !source->atEnd() && !source->isSequential();
                    atEnd = true;
                    break;
                }
                queued += m_pData->write(chunk);
            }
            qint64 const done = queued - m_pData->bytesToWrite();
            if (done != reported) {
                reported = done;
                slotReadProgress(done, total);
            }
            return localFailed || (atEnd && m_pData->bytesToWrite() == 0);
        },
        [this] { return controlFailed(); });
    bool const dataLost = sent && m_pData->state() != QAbstractSocket::ConnectedState;
    if (sent && !localFailed && !dataLost && !finalTaken) {
        // The end of the data is the end of the file: close and wait until it is gone.
        m_pData->disconnectFromHost();
        waitFor([this] { return m_pData->state() == QAbstractSocket::UnconnectedState; },
                [this] { return controlFailed(); });
    }
    closeDataConnection();
    if (localFailed) {
        m_sErrorDetail = source->errorString();
        if (!finalTaken)
            readReply();
        return fail(LocalIoFailed);
    }
    if (!sent || (!finalTaken && !readReply()))
        return false;
    // A data connection the server closed before the end is a cut-off file,
    // whatever the reply says.
    if (m_nReplyCode < 200 || m_nReplyCode >= 300 || (dataLost && !atEnd))
        return failByReply(TransferFailed);
    return true;
}

bool FtpClient::runList(QByteArray const& verb, QString const& dir, QByteArray* data)
{
    data->clear();
    QBuffer buffer(data);
    buffer.open(QIODevice::WriteOnly);
    return receiveData(verb, dir, &buffer, -1);
}

// ---- commands --------------------------------------------------------------

int FtpClient::connectToHost(QString const& host, quint16 port)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    closeDataConnection();
    m_pControl->abort();
    m_replyLines.clear();
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
    return command.finish(ok);
}

int FtpClient::login(QString const& user, QString const& password)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    bool ok = sendCommand("USER", user.isEmpty() ? QStringLiteral("anonymous") : user);
    if (ok && m_nReplyCode == 331)
        ok = sendCommand("PASS", password);
    if (ok && m_nReplyCode != 230 && m_nReplyCode != 202)
        ok = failByReply(LoginFailed);
    // Files travel as bytes, unchanged.
    if (ok)
        ok = sendCommand("TYPE", QStringLiteral("I")) && (m_nReplyCode == 200 || failByReply(CommandFailed));
    return command.finish(ok);
}

int FtpClient::cd(QString const& dir)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    bool ok = !dir.isEmpty() || fail(InvalidArgument);
    ok = ok && sendCommand("CWD", dir) && (m_nReplyCode / 100 == 2 || failByReply(CommandFailed));
    return command.finish(ok);
}

int FtpClient::get(QString const& file, QIODevice* dev)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    bool ok = dev || fail(InvalidArgument);
    if (ok && !dev->isOpen() && !dev->open(QIODevice::WriteOnly)) {
        m_sErrorDetail = dev->errorString();
        ok = fail(LocalIoFailed);
    }
    ok = ok && (dev->isWritable() || fail(InvalidArgument));
    // The size lets progress give a percentage; a server that cannot tell it
    // still sends the file.
    ok = ok && sendCommand("SIZE", file);
    qint64 const total = ok && m_nReplyCode == 213 ? FtpReplies::parseSize(m_sReplyText.toLatin1()) : -1;
    ok = ok && receiveData("RETR", file, dev, total);
    return command.finish(ok);
}

int FtpClient::put(QIODevice* dev, QString const& file)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    bool ok = dev || fail(InvalidArgument);
    if (ok && !dev->isOpen() && !dev->open(QIODevice::ReadOnly)) {
        m_sErrorDetail = dev->errorString();
        ok = fail(LocalIoFailed);
    }
    ok = ok && (dev->isReadable() || fail(InvalidArgument));
    ok = ok && (FtpReplies::isSafeArgument(file) || fail(InvalidArgument)) && sendData(file, dev);
    return command.finish(ok);
}

int FtpClient::put(QByteArray const& data, QString const& file)
{
    QBuffer buffer;
    buffer.setData(data);
    return put(&buffer, file);
}

int FtpClient::list(QString const& dir, QList<FtpEntry>* entries)
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    QByteArray data;
    bool ok = entries || fail(InvalidArgument);
    bool const machineListing = ok && runList("MLSD", dir, &data);
    ok = ok && machineListing;
    // A server without MLSD still gives the names.
    bool const unknownCommand =
        m_eError == CommandFailed && (m_nReplyCode == 500 || m_nReplyCode == 502 || m_nReplyCode == 504);
    if (entries && !machineListing && unknownCommand)
        ok = runList("NLST", dir, &data);
    if (ok) {
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
    }
    return command.finish(ok);
}

int FtpClient::close()
{
    Command command(this);
    if (!command.accepted())
        return Busy;
    closeDataConnection();
    if (isConnected())
        sendCommand("QUIT");
    m_pControl->abort();
    m_replyLines.clear();
    return command.finish(true);
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

void FtpClient::slotReadProgress(qint64 nDone, qint64 nTotal)
{
    emit progress(int(qMin<qint64>(nDone, std::numeric_limits<int>::max())));
    // Without a known total there is no share of it to give.
    if (nTotal <= 0)
        return;
    int const percent = int(qBound(0.0f, float(nDone) * 100.0f / float(nTotal), 100.0f));
    emit progressPercent(percent);
    qCDebug(lcNetwork) << "ProgressDone=" << nDone << "; ProgressTotal=" << nTotal << "; " << percent << "%";
}

void FtpClient::slotDone(bool ok)
{
    m_loop.exit(0);
    emit done(ok);
}

} // namespace QMRequest
