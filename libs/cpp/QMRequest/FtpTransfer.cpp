// The data connections of the FTP client: passive connections, downloads and
// listings into a device, uploads from one.
#include "QMRequest/FtpClient.h"

#include <QBuffer>
#include <QFile>
#include <QHostAddress>
#include <QSaveFile>
#include <QTcpSocket>

namespace QMRequest {

namespace {

// Bytes read from the source at once, and held queued on the data connection at most.
constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qint64 kMaxQueuedBytes = 4 * kChunkBytes;

bool isPositive(int code)
{
    return code >= 100 && code < 400;
}

} // namespace

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

bool FtpClient::receiveData(QByteArray const& verb, QString const& argument, QIODevice* sink, qint64 total,
                            qint64 maxBytes)
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
    bool tooLarge = false;
    bool finalTaken = false;
    bool const drained = waitFor(
        [&] {
            QByteArray const chunk = m_pData->readAll();
            if (!chunk.isEmpty()) {
                if (maxBytes >= 0 && received + chunk.size() > maxBytes) {
                    tooLarge = true;
                    return true;
                }
                if (sink->write(chunk) != chunk.size()) {
                    localFailed = true;
                    return true;
                }
                received += chunk.size();
                reportProgress(received, total);
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
    if (localFailed || tooLarge) {
        // The server ends the cut transfer with a reply of its own; it must not
        // be left for the next command to read.
        if (!finalTaken)
            readReply();
        if (tooLarge) {
            m_sErrorDetail = tr("a listing of more than %1 bytes").arg(maxBytes);
            return fail(TooLarge);
        }
        m_sErrorDetail = sink->errorString();
        return fail(LocalIoFailed);
    }
    if (!drained)
        return false;
    if (!finalTaken && !readReply())
        return false;
    if (m_nReplyCode < 200 || m_nReplyCode >= 300)
        return failByReply(TransferFailed);
    // The server announced the size: less is a cut-off file, whatever the reply says.
    if (total >= 0 && received < total) {
        m_sErrorDetail = tr("%1 of %2 bytes arrived").arg(received).arg(total);
        return fail(TransferFailed);
    }
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
                reportProgress(done, total);
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
    return receiveData(verb, dir, &buffer, -1, m_nMaxListingBytes);
}

bool FtpClient::receiveFile(QString const& file, QIODevice* dev)
{
    // The size gives progress a percentage and tells a whole file from a cut-off
    // one; a server that cannot tell it still sends the file.
    if (!sendCommand("SIZE", file))
        return false;
    qint64 const total = m_nReplyCode == 213 ? FtpReplies::parseSize(m_sReplyText.toLatin1()) : -1;
    return receiveData("RETR", file, dev, total);
}

bool FtpClient::getIntoFile(QString const& file, QFile* target)
{
    // A failed download leaves whatever was in the target's place.
    QSaveFile save(target->fileName());
    if (!save.open(QIODevice::WriteOnly)) {
        m_sErrorDetail = save.errorString();
        return fail(LocalIoFailed);
    }
    if (!receiveFile(file, &save))
        return false;
    if (!save.commit()) {
        m_sErrorDetail = save.errorString();
        return fail(LocalIoFailed);
    }
    return true;
}

} // namespace QMRequest
