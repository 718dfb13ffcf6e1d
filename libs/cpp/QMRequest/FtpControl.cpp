// The control connection of the FTP client: waiting for the server, reading its
// replies line by line within their caps, sending commands.
#include "QMRequest/FtpClient.h"

#include "QMRequest/NetworkLogging_p.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QPointer>
#include <QStringList>
#include <QTcpSocket>

#include <cctype>
#include <limits>

namespace QMRequest {

namespace {

// A reply line longer than this is no FTP server talking.
constexpr qint64 kMaxReplyLineBytes = 64 * 1024;

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

// ---- waiting ---------------------------------------------------------------

void FtpClient::wake()
{
    if (m_pLoop)
        m_pLoop->exit(0);
}

void FtpClient::slotActivity()
{
    // Anything arriving counts as life: the time-out runs from the last sign of
    // it. The deadline does not move.
    if (m_timer.isActive())
        m_timer.start();
    wake();
}

void FtpClient::slotTimeout()
{
    m_bTimedOut = true;
    wake();
}

void FtpClient::slotDeadline()
{
    m_bDeadlinePassed = true;
    wake();
}

void FtpClient::slotReplyLate()
{
    m_bReplyLate = true;
    wake();
}

int FtpClient::replyDeadline() const
{
    if (m_nReplyDeadlineMs >= 0)
        return m_nReplyDeadlineMs;
    if (m_nTimeoutMs <= 0)
        return 0;
    return int(qMin<qint64>(qint64(m_nTimeoutMs) * kReplyDeadlineTimeouts, std::numeric_limits<int>::max()));
}

void FtpClient::reportProgress(qint64 nDone, qint64 nTotal)
{
    QPointer<FtpClient> const alive(this);
    slotReadProgress(nDone, nTotal);
    if (alive.isNull())
        throw Deleted();
}

bool FtpClient::waitFor(std::function<bool()> const& ready, std::function<bool()> const& failed)
{
    // Whatever the loop runs may delete this client: its parent, a
    // deleteLater() the loop carries out, a slot. The destructor ends the loop;
    // past that, only what lives on this stack may be touched.
    QEventLoop loop;
    QPointer<FtpClient> const alive(this);
    m_pLoop = &loop;
    m_bTimedOut = false;
    if (m_nTimeoutMs > 0)
        m_timer.start(m_nTimeoutMs);
    bool ok = false;
    for (;;) {
        if (m_bAborted) {
            fail(Aborted);
            break;
        }
        if (m_bDeadlinePassed) {
            m_sErrorDetail = tr("the command took longer than %1 ms").arg(m_nDeadlineMs);
            fail(TimedOut);
            break;
        }
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
        if (m_bReplyLate) {
            m_sErrorDetail = tr("no complete reply within %1 ms").arg(replyDeadline());
            fail(TimedOut);
            break;
        }
        loop.exec();
        if (alive.isNull())
            throw Deleted();
    }
    m_pLoop = nullptr;
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
    if (m_bReplyTooLarge) {
        m_sErrorDetail = tr("a reply of more than %1 bytes").arg(m_nMaxReplyBytes);
        fail(TooLarge);
        return true;
    }
    if (m_pControl->state() != QAbstractSocket::UnconnectedState)
        return false;
    m_sErrorDetail = m_pControl->errorString();
    fail(ConnectionLost);
    return true;
}

// ---- replies ---------------------------------------------------------------

void FtpClient::resetReplies()
{
    m_replyLines.clear();
    m_nReplyBytes = 0;
    m_bReplyTooLarge = false;
}

bool FtpClient::takeReply()
{
    auto tooLarge = [this] {
        // Whatever follows is no use: the connection goes, and the waiting
        // command learns why from controlFailed().
        m_bReplyTooLarge = true;
        m_replyLines.clear();
        m_pControl->abort();
        return false;
    };
    while (m_pControl->canReadLine()) {
        QByteArray line = m_pControl->readLine(kMaxReplyLineBytes);
        m_nReplyBytes += line.size();
        if (m_nReplyBytes > m_nMaxReplyBytes)
            return tooLarge();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (m_replyLines.isEmpty() && !startsWithCode(line))
            continue; // noise before a reply
        m_replyLines.append(line);
        QByteArray const code = m_replyLines.first().left(3);
        bool const multiLine = m_replyLines.first().size() > 3 && m_replyLines.first().at(3) == '-';
        bool const last =
            !multiLine || (m_replyLines.size() > 1 && line.startsWith(code) && (line.size() == 3 || line.at(3) == ' '));
        if (!last)
            continue;
        m_nReplyCode = code.toInt();
        QStringList text;
        for (QByteArray const& replyLine : qAsConst(m_replyLines)) {
            bool const coded = startsWithCode(replyLine) && replyLine.startsWith(code);
            text.append(QString::fromUtf8(coded ? replyLine.mid(4) : replyLine).trimmed());
        }
        m_sReplyText = text.join(QLatin1Char('\n'));
        m_replyLines.clear();
        m_nReplyBytes = 0;
        return true;
    }
    // A line without its end that is already past either cap will not fit.
    if (m_pControl->bytesAvailable() > qMin(kMaxReplyLineBytes, m_nMaxReplyBytes - m_nReplyBytes))
        return tooLarge();
    return false;
}

bool FtpClient::readReply()
{
    // Each line of a reply is a sign of life that restarts the time-out; a
    // server that drips lines and never ends its reply is bounded here.
    int const bound = replyDeadline();
    m_bReplyLate = false;
    if (bound > 0)
        m_replyTimer.start(bound);
    bool const ok = waitFor([this] { return takeReply(); }, [this] { return controlFailed(); });
    m_replyTimer.stop();
    m_bReplyLate = false;
    return ok;
}

void FtpClient::slotUnasked()
{
    // While a command runs, its own waits read the replies.
    if (!m_bBusy)
        dropUnasked();
}

void FtpClient::dropUnasked()
{
    qint64 const bytes = m_pControl->bytesAvailable();
    if (bytes <= 0)
        return;
    m_pControl->skip(bytes);
    m_nUnaskedBytes += bytes;
    qCDebug(lcNetwork) << "FTP: dropped" << bytes << "bytes sent while no command waited";
    if (m_nUnaskedBytes > m_nMaxReplyBytes) {
        // No server in step with its client talks that much unasked.
        qCDebug(lcNetwork) << "FTP: closing, the server sent more than" << m_nMaxReplyBytes << "bytes unasked";
        m_pControl->abort();
        resetReplies();
    }
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

} // namespace QMRequest
