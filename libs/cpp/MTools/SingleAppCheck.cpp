#include "MTools/SingleAppCheck.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QSystemSemaphore>
#include <QTimer>

#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace MTools {

namespace {

Q_LOGGING_CATEGORY(lcSingleApp, "tickwren.mtools.singleapp")

// How long a sender waits for the connection and for its bytes to be written.
const int kTimeoutMs = 1000;
// A connection that has not ended after this long is dropped unheard, so that a
// stalled sender cannot hold a socket for ever.
const int kStalledMs = 10000;

// The other end of a local socket runs as the same user as this process.
bool peerIsSameUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == geteuid();
}

// What has arrived on one connection so far.
struct Incoming
{
    QByteArray bytes;
    bool dropped = false;
    bool finished = false;
};

} // namespace

SingleAppCheck::SingleAppCheck(const QString& key)
    : QObject(nullptr)
    , m_sKey(key)
    , m_sharedMemory(key)
{
    // Copies started at the same moment check one after the other, so that two of
    // them never both take over a segment left behind, and none probes the first
    // copy between its creating the segment and its listening. The system gives
    // the semaphore back when a copy holding it dies.
    QSystemSemaphore lock(key + QStringLiteral("_singleAppCheck"), 1, QSystemSemaphore::Open);
    const bool locked = lock.acquire();

    if (m_sharedMemory.attach(QSharedMemory::ReadWrite)) {
        if (firstCopyAnswers()) {
            m_bIsRunning = true;
            // A later copy needs only the answer; holding the segment would keep a
            // stale one alive after the first copy died.
            m_sharedMemory.detach();
        } else {
            // Left by a copy that died without releasing it: the last detach
            // removes it.
            m_sharedMemory.detach();
        }
    }
    if (!m_bIsRunning && !becomeFirstCopy()) {
        if (m_sharedMemory.error() == QSharedMemory::AlreadyExists) {
            // Still held after this copy let go: a live copy owns it that does
            // not answer on the socket (it could not listen, or is stopped).
            m_bIsRunning = true;
        } else {
            qCDebug(lcSingleApp, "Unable to create single instance.");
        }
    }

    if (locked)
        lock.release();
}

SingleAppCheck::~SingleAppCheck()
{
    if (m_pLocalServer)
        m_pLocalServer->close();
    if (m_sharedMemory.isAttached())
        m_sharedMemory.detach();
}

bool SingleAppCheck::isRunning() const
{
    return m_bIsRunning;
}

QString SingleAppCheck::serverName(const QString& key)
{
    // A socket path holds some hundred bytes and no '/' in its name; the hash
    // fits any key.
    return QStringLiteral("tickwren-single-")
           + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex());
}

bool SingleAppCheck::firstCopyAnswers() const
{
    // A live first copy's server accepts at once, even while its event loop is
    // busy; nobody listening is refused at once.
    QLocalSocket probe;
    probe.connectToServer(serverName(m_sKey), QIODevice::WriteOnly);
    if (!probe.waitForConnected(kTimeoutMs))
        return false;
    probe.abort();
    return true;
}

bool SingleAppCheck::becomeFirstCopy()
{
    if (!m_sharedMemory.create(1, QSharedMemory::ReadWrite))
        return false;
    m_pLocalServer = new QLocalServer(this);
    m_pLocalServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_pLocalServer, &QLocalServer::newConnection, this, &SingleAppCheck::slotReceiveMessage);
    // This copy owns the segment, so a socket of that name can only be left over
    // from a copy that died; listen would fail on it.
    QLocalServer::removeServer(serverName(m_sKey));
    if (!m_pLocalServer->listen(serverName(m_sKey)))
        qCWarning(lcSingleApp) << "Unable to listen for messages:" << m_pLocalServer->errorString();
    return true;
}

bool SingleAppCheck::sendMessage(const QString& message)
{
    if (!m_bIsRunning)
        return false;
    const QByteArray bytes = message.toUtf8();
    if (bytes.size() > kMaxMessageBytes) {
        qCWarning(lcSingleApp) << "Message not sent:" << bytes.size() << "bytes, more than the" << kMaxMessageBytes
                               << "bytes the running copy takes";
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(serverName(m_sKey), QIODevice::WriteOnly);
    if (!socket.waitForConnected(kTimeoutMs)) {
        qCDebug(lcSingleApp) << socket.errorString();
        return false;
    }
    if (!peerIsSameUser(socket.socketDescriptor())) {
        qCDebug(lcSingleApp) << QStringLiteral("The listening copy belongs to another user");
        return false;
    }
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kTimeoutMs)) {
            qCDebug(lcSingleApp) << socket.errorString();
            return false;
        }
    }
    socket.disconnectFromServer();
    return true;
}

void SingleAppCheck::slotReceiveMessage()
{
    while (QLocalSocket* socket = m_pLocalServer->nextPendingConnection())
        receive(socket);
}

// Collects the bytes of one connection without blocking; the message is complete
// when the sender disconnects.
void SingleAppCheck::receive(QLocalSocket* socket)
{
    if (!peerIsSameUser(socket->socketDescriptor())) {
        qCDebug(lcSingleApp) << QStringLiteral("Refused a message from another user");
        socket->abort();
        socket->deleteLater();
        return;
    }

    auto incoming = std::make_shared<Incoming>();
    auto readAvailable = [socket, incoming] {
        if (incoming->dropped)
            return;
        incoming->bytes += socket->readAll();
        if (incoming->bytes.size() > kMaxMessageBytes) {
            qCWarning(lcSingleApp) << "Dropped a message of more than" << kMaxMessageBytes << "bytes";
            incoming->dropped = true;
            socket->abort();
        }
    };
    auto finish = [this, socket, incoming, readAvailable] {
        if (incoming->finished)
            return;
        incoming->finished = true;
        readAvailable();
        socket->deleteLater();
        if (incoming->dropped || incoming->bytes.isEmpty())
            return;
        // A zero byte ends the text.
        const int end = incoming->bytes.indexOf('\0');
        emit messageAvailable(QString::fromUtf8(end < 0 ? incoming->bytes : incoming->bytes.left(end)));
    };

    connect(socket, &QLocalSocket::readyRead, socket, readAvailable);
    connect(socket, &QLocalSocket::disconnected, this, finish);
    auto* stalled = new QTimer(socket);
    stalled->setSingleShot(true);
    connect(stalled, &QTimer::timeout, socket, [socket, incoming] {
        qCDebug(lcSingleApp) << QStringLiteral("Dropped a message that did not end");
        incoming->dropped = true;
        socket->abort();
    });
    stalled->start(kStalledMs);

    readAvailable();
    if (socket->state() != QLocalSocket::ConnectedState)
        finish();
}

} // namespace MTools
