#include "TestSupport/HostileFtpServer.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

namespace {

// Bytes a flooding mode keeps queued at most, so that the server itself stays small.
constexpr qint64 kMaxQueued = 256 * 1024;
constexpr int kLongLineBytes = 60 * 1024;
constexpr int kNoiseLineBytes = 1000;
constexpr int kBlockBytes = 64 * 1024;

} // namespace

// One control connection with its passive data connection.
class HostileFtpServer::Session : public QObject
{
public:
    Session(HostileFtpServer* server, QTcpSocket* control)
        : QObject(server)
        , m_pServer(server)
        , m_pControl(control)
    {
        control->setParent(this);
        m_data.setProxy(QNetworkProxy::NoProxy);
        connect(control, &QTcpSocket::readyRead, this, [this] { readCommands(); });
        connect(control, &QTcpSocket::disconnected, this, [this] { end(); });
        connect(control, &QTcpSocket::bytesWritten, this, [this] { flood(); });
        connect(&m_drip, &QTimer::timeout, this, [this] { drip(); });
        connect(&m_data, &QTcpServer::newConnection, this, [this] {
            m_pDataSocket = m_data.nextPendingConnection();
            connect(m_pDataSocket, &QTcpSocket::bytesWritten, this, [this] { flood(); });
            startTransfer();
        });
        greet();
    }

private:
    void greet()
    {
        switch (m_pServer->m_eMode) {
        case DrippingGreeting:
        case UncodedGreeting:
            m_drip.start(m_pServer->m_nIntervalMs);
            drip();
            break;
        case EndlessGreeting:
            m_bFloodControl = true;
            flood();
            break;
        default:
            say("220 Welcome");
        }
    }

    void drip()
    {
        if (++m_nDripped > kMaxDripLines) {
            m_drip.stop();
            m_pControl->disconnectFromHost();
            return;
        }
        say(m_pServer->m_eMode == DrippingGreeting ? QByteArray("220-still greeting you") : QByteArray("no code here"));
    }

    // Keeps the queue of a flooding connection topped up.
    void flood()
    {
        if (m_bFloodControl && m_pControl->state() == QAbstractSocket::ConnectedState) {
            // A greeting that never ends, or talk nobody asked for.
            QByteArray const line = m_pServer->m_eMode == IdleFlood
                                        ? "no code, nobody asked " + QByteArray(kNoiseLineBytes, 'n') + "\r\n"
                                        : "220-" + QByteArray(kLongLineBytes, 'x') + "\r\n";
            while (m_bFloodControl && m_pControl->bytesToWrite() < kMaxQueued)
                m_bFloodControl = send(m_pControl, line);
        }
        if (m_bFloodData && m_pDataSocket && m_pDataSocket->state() == QAbstractSocket::ConnectedState) {
            while (m_bFloodData && m_pDataSocket->bytesToWrite() < kMaxQueued)
                m_bFloodData = send(m_pDataSocket, listingBlock());
        }
    }

    // Listing lines by the 64 kB, each naming a file of its own.
    QByteArray listingBlock()
    {
        // Written in place: the server's own churn would show in the
        // client's memory figures, both being in one process.
        QByteArray block;
        block.reserve(kBlockBytes + 64);
        char line[64];
        while (block.size() < kBlockBytes) {
            int const length = std::snprintf(line, sizeof line, "type=file;size=1; endless-%012lld\r\n", m_nListed++);
            block.append(line, length);
        }
        return block;
    }

    // Writes flooding bytes; false, with the connection closing, past the limit.
    bool send(QTcpSocket* socket, QByteArray const& bytes)
    {
        if (m_nFlooded + bytes.size() > kMaxFloodBytes) {
            socket->disconnectFromHost();
            if (socket == m_pDataSocket)
                say("226 Listing complete");
            return false;
        }
        qint64 const written = socket->write(bytes);
        m_nFlooded += written;
        m_pServer->m_nFlooded += written;
        return true;
    }

    void say(QByteArray const& line) { m_pControl->write(line + "\r\n"); }

    // Says line after delayMs (the interval by default), if the client is still there.
    void sayLate(QByteArray const& line, int delayMs = -1)
    {
        QTimer::singleShot(delayMs < 0 ? m_pServer->m_nIntervalMs : delayMs, this, [this, line] {
            if (m_pControl->state() != QAbstractSocket::ConnectedState)
                return;
            say(line);
            m_pControl->flush();
            ++m_pServer->m_nLateReplies;
        });
    }

    // The file in kSlowPieces pieces, one every interval, then the final reply.
    void sendSlowly(QTcpSocket* socket, QByteArray const& bytes)
    {
        QPointer<QTcpSocket> data = socket;
        auto* timer = new QTimer(this);
        int const piece = int(bytes.size() + kSlowPieces - 1) / kSlowPieces;
        connect(timer, &QTimer::timeout, this, [this, data, timer, bytes, piece] {
            int const sent = timer->property("sent").toInt();
            if (!data) {
                timer->deleteLater();
                return;
            }
            data->write(bytes.mid(sent, piece));
            timer->setProperty("sent", sent + piece);
            if (sent + piece < bytes.size())
                return;
            timer->stop();
            timer->deleteLater();
            data->disconnectFromHost();
            say("226 Transfer complete");
        });
        timer->start(m_pServer->m_nIntervalMs);
    }

    // A finished MLSD listing: every tenth entry a folder.
    static QByteArray listing(int count)
    {
        QByteArray lines;
        char line[80];
        for (int i = 0; i < count; ++i) {
            int const length = std::snprintf(line, sizeof line, "type=%s;size=%d;modify=20261210183000; entry-%07d\r\n",
                                             i % 10 == 0 ? "dir" : "file", i, i);
            lines.append(line, length);
        }
        return lines;
    }

    void readCommands()
    {
        while (m_pControl->canReadLine()) {
            QByteArray const line = m_pControl->readLine().trimmed();
            QByteArray const verb = line.split(' ').first().toUpper();
            QByteArray const argument = line.mid(verb.size() + 1);
            m_pServer->m_commands.append(verb);
            Mode const mode = m_pServer->m_eMode;
            if (verb == "USER") {
                say("331 Password please");
            } else if (verb == "PASS") {
                say(m_pServer->m_passwordReply);
            } else if (verb == "TYPE") {
                say("200 Binary");
                if (mode == IdleFlood) {
                    m_bFloodControl = true;
                    flood();
                }
            } else if (verb == "CWD" && mode == LateReplies) {
                if (argument == "missing")
                    say("550 No such folder");
                else
                    sayLate("250 Folder changed");
            } else if (verb == "SIZE")
                say("213 " + QByteArray::number(m_pServer->m_nFileSize));
            else if (verb == "EPSV")
                openPassive();
            else if (verb == "RETR" || verb == "MLSD") {
                m_sTransfer = verb;
                say("150 Here it comes");
                startTransfer();
            } else if (verb == "QUIT") {
                say("221 Bye");
                m_pControl->disconnectFromHost();
            } else {
                say("502 Not here");
            }
        }
    }

    void openPassive()
    {
        m_data.close();
        m_pDataSocket = nullptr;
        m_sTransfer.clear();
        if (!m_data.listen(QHostAddress::LocalHost, 0)) {
            say("425 No data connection");
            return;
        }
        say("229 Entering extended passive mode (|||" + QByteArray::number(m_data.serverPort()) + "|)");
    }

    // Runs once both the command and the data connection have come.
    void startTransfer()
    {
        if (!m_pDataSocket || m_sTransfer.isEmpty())
            return;
        if (m_sTransfer == "MLSD" && m_pServer->m_eMode == LongListing) {
            m_pDataSocket->write(listing(m_pServer->m_nEntryCount));
            m_pDataSocket->disconnectFromHost();
            say("226 Listing complete");
            return;
        }
        if (m_sTransfer == "MLSD") {
            m_bFloodData = true;
            flood();
            return;
        }
        if (m_pServer->m_eMode == LateReplies) {
            // Not a byte of the file, and the word that it is all much later.
            QPointer<QTcpSocket> data = m_pDataSocket;
            QTimer::singleShot(m_pServer->m_nIntervalMs, this, [this, data] {
                if (data)
                    data->disconnectFromHost();
                sayLate("226 Transfer complete", 0);
            });
            return;
        }
        if (m_pServer->m_eMode == SlowTransfer) {
            sendSlowly(m_pDataSocket, content(m_pServer->m_nFileSize));
            return;
        }
        m_pDataSocket->write(content(m_pServer->m_nFileSize / 2));
        QPointer<QTcpSocket> data = m_pDataSocket;
        if (m_pServer->m_eMode == VanishingTransfer) {
            // Gone mid-transfer, without a word on either connection.
            m_pDataSocket->flush();
            m_pDataSocket->disconnectFromHost();
            m_pControl->disconnectFromHost();
            return;
        }
        // Half the file, and the word that it is all.
        m_pDataSocket->disconnectFromHost();
        say("226 Transfer complete");
    }

    void end()
    {
        m_drip.stop();
        m_bFloodControl = false;
        m_bFloodData = false;
        --m_pServer->m_nOpen;
        deleteLater();
    }

    HostileFtpServer* m_pServer;
    QTcpSocket* m_pControl;
    QTcpServer m_data;
    QTcpSocket* m_pDataSocket = nullptr;
    QByteArray m_sTransfer;
    QTimer m_drip;
    bool m_bFloodControl = false;
    bool m_bFloodData = false;
    qint64 m_nFlooded = 0;
    int m_nDripped = 0;
    long long m_nListed = 0;
};

HostileFtpServer::HostileFtpServer(Mode mode, QObject* parent)
    : QObject(parent)
    , m_eMode(mode)
{
    m_control.setProxy(QNetworkProxy::NoProxy);
    connect(&m_control, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_control.nextPendingConnection()) {
            ++m_nAccepted;
            ++m_nOpen;
            new Session(this, socket);
        }
    });
    m_control.listen(QHostAddress::LocalHost, 0);
}

HostileFtpServer::~HostileFtpServer() = default;

QByteArray HostileFtpServer::content(qint64 bytes)
{
    QByteArray data(int(bytes), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char('a' + i % 26);
    return data;
}
