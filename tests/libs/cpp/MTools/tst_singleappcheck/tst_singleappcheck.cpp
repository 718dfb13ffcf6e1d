#include <QtTest>

#include <QLocalServer>
#include <QLocalSocket>

#include <cstring>
#include <memory>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "MTools/SingleAppCheck.h"

using MTools::SingleAppCheck;

namespace {

const QString kAccented = QString::fromUtf8("Grüße aus Köln, café, Ελλάδα, 日本");

// Every test uses a key of its own: segments and sockets are shared system-wide.
QString uniqueKey()
{
    return QStringLiteral("tw-test-") + QUuid::createUuid().toString(QUuid::Id128).left(16);
}

QString socketPath(const QString& key)
{
    return QDir::tempPath() + '/' + SingleAppCheck::serverName(key);
}

// The texts of the messageAvailable signals caught so far.
QStringList texts(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& signal : spy)
        result << signal.at(0).toString();
    return result;
}

int openSockets(const QObject& owner)
{
    return owner.findChildren<QLocalSocket*>().size();
}

// The other copy, a process of its own.
class Peer
{
public:
    // A copy that listens.
    explicit Peer(const QString& key) { start(key, QStringLiteral("listen")); }
    // A copy that sends the message.
    Peer(const QString& key, const QString& message)
    {
        start(key, QStringLiteral("send"));
        m_process.write(message.toUtf8());
        m_process.closeWriteChannel();
    }
    ~Peer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    // The next line the peer prints, or an empty text when it prints none in time.
    QByteArray nextLine()
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 20000)
            if (!m_process.waitForReadyRead(20000))
                break;
        return m_process.readLine().trimmed();
    }
    // Whether the peer has ended (within 20 s). The event loop of a QTRY may already have seen it
    // end, and waitForFinished() answers false for a process that has finished before it is asked.
    bool finished() { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(20000); }
    QProcess& process() { return m_process; }

private:
    void start(const QString& key, const QString& mode)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(SINGLEAPP_PEER, {key, mode});
    }

    QProcess m_process;
};

} // namespace

class TestSingleAppCheck : public QObject
{
    Q_OBJECT

private slots:
    void firstCopyDoesNotSend();
    void messageReachesTheFirstCopy_data();
    void messageReachesTheFirstCopy();
    void oneSignalPerMessage();
    void messageInChunks();
    void silentConnectionsDoNotBlock();
    void oversizedMessageIsDropped();
    void oversizedMessageIsRefusedBeforeSending();
    void anyKeyListens_data();
    void anyKeyListens();
    void liveCopyThatCannotListenIsRunning();
    void staleSocketFileIsReplaced();
    void otherUsersAreRefused();
    void secondProcessReachesTheFirst();
    void killedFirstCopyDoesNotBlock();
};

void TestSingleAppCheck::firstCopyDoesNotSend()
{
    SingleAppCheck first(uniqueKey());
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleAppCheck::messageAvailable);
    QVERIFY(!first.sendMessage("hello"));
    QVERIFY(!first.sendMessage(QString()));
    QCoreApplication::processEvents();
    QCOMPARE(received.count(), 0);
}

void TestSingleAppCheck::messageReachesTheFirstCopy_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("received");
    QTest::newRow("plain") << QString("hello") << QStringList{"hello"};
    QTest::newRow("accented") << kAccented << QStringList{kAccented};
    QTest::newRow("embedded zero") << QString("ab") + QChar(0) + "cd" << QStringList{"ab"};
    // A connection that delivered nothing announces nothing.
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("long") << QString(200000, QChar(0xe9)) << QStringList{QString(200000, QChar(0xe9))};
}

void TestSingleAppCheck::messageReachesTheFirstCopy()
{
    QFETCH(QString, message);
    QFETCH(QStringList, received);
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    SingleAppCheck second(key);
    QVERIFY(!first.isRunning());
    QVERIFY(second.isRunning());

    if (message.size() > 100000) {
        // More than the socket buffer holds: the first copy, in this same thread,
        // reads only once the event loop runs, so a peer process sends it.
        Peer peer(key, message);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 20000);
        QVERIFY(peer.finished());
        QCOMPARE(peer.process().exitCode(), 0);
    } else {
        QVERIFY(second.sendMessage(message));
    }
    // A last message marks the end: everything before it has been handled.
    QVERIFY(second.sendMessage("end"));
    QTRY_COMPARE(texts(spy), received + QStringList{"end"});
    QTRY_COMPARE(openSockets(first), 0);
}

void TestSingleAppCheck::oneSignalPerMessage()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    SingleAppCheck second(key);
    QVERIFY(second.sendMessage("one"));
    QVERIFY(second.sendMessage("two"));
    QTRY_COMPARE(texts(spy), QStringList({"one", "two"}));
    QTRY_COMPARE(openSockets(first), 0);
}

// The message is everything up to the sender's disconnect, not the first chunk.
void TestSingleAppCheck::messageInChunks()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    QLocalSocket sender;
    sender.connectToServer(SingleAppCheck::serverName(key), QIODevice::WriteOnly);
    QVERIFY(sender.waitForConnected(5000));
    sender.write("Hel");
    QVERIFY(sender.waitForBytesWritten(5000));
    // The first copy has taken the connection and its first bytes.
    QTRY_COMPARE(openSockets(first), 1);
    QTRY_VERIFY(first.findChildren<QLocalSocket*>().at(0)->bytesAvailable() == 0);
    sender.write("lo, w\xc3\xb6rld");
    QVERIFY(sender.waitForBytesWritten(5000));
    QCOMPARE(spy.count(), 0);
    sender.disconnectFromServer();
    QTRY_COMPARE(texts(spy), QStringList{QString::fromUtf8("Hello, w\xc3\xb6rld")});
    QTRY_COMPARE(openSockets(first), 0);
}

// Connections that send nothing neither hold up other messages nor stay open
// once their sender has gone.
void TestSingleAppCheck::silentConnectionsDoNotBlock()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 5; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(SingleAppCheck::serverName(key), QIODevice::WriteOnly);
        QVERIFY(silent.back()->waitForConnected(5000));
    }
    SingleAppCheck second(key);
    QVERIFY(second.sendMessage("through"));
    // A receiver that waited a second for each silent connection would need five.
    QTRY_COMPARE_WITH_TIMEOUT(texts(spy), QStringList{QString("through")}, 3000);

    QCOMPARE(openSockets(first), 5);
    silent.clear();
    QTRY_COMPARE(openSockets(first), 0);
    QCOMPARE(spy.count(), 1);
}

void TestSingleAppCheck::oversizedMessageIsDropped()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    QLocalSocket sender;
    sender.connectToServer(SingleAppCheck::serverName(key), QIODevice::WriteOnly);
    QVERIFY(sender.waitForConnected(5000));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Dropped a message of more than 1048576 bytes"));
    sender.write(QByteArray(SingleAppCheck::kMaxMessageBytes + 1, 'x'));
    sender.disconnectFromServer();
    QTRY_COMPARE_WITH_TIMEOUT(sender.state(), QLocalSocket::UnconnectedState, 20000);
    QTRY_COMPARE(openSockets(first), 0);
    SingleAppCheck second(key);
    QVERIFY(second.sendMessage("after"));
    QTRY_COMPARE(texts(spy), QStringList{QString("after")});
}

// A second copy refuses what the first copy would drop, and says why; a message
// of exactly the limit arrives.
void TestSingleAppCheck::oversizedMessageIsRefusedBeforeSending()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    SingleAppCheck second(key);
    QVERIFY(second.isRunning());

    // Two bytes a character in UTF-8: one character past the limit.
    const QString tooLong(SingleAppCheck::kMaxMessageBytes / 2 + 1, QChar(0xe9));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Message not sent: 1048578 bytes"));
    QVERIFY(!second.sendMessage(tooLong));
    // From another process, whose writes the first copy reads as they come.
    const QString limit(SingleAppCheck::kMaxMessageBytes / 2, QChar(0xe9));
    Peer sender(key, limit);
    QCOMPARE(sender.nextLine(), QByteArray("running 1"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 20000);
    QCOMPARE(spy.at(0).at(0).toString(), limit);
    QVERIFY(sender.finished());
    QCOMPARE(sender.process().exitCode(), 0);
    QCOMPARE(spy.count(), 1);
}

void TestSingleAppCheck::anyKeyListens_data()
{
    QTest::addColumn<QString>("key");
    const QString base = uniqueKey();
    // A socket path holds 107 bytes; the key alone would not fit.
    QTest::newRow("115 characters") << base + QString(115 - base.size(), 'k');
    QTest::newRow("a slash") << base + "/window";
    QTest::newRow("long, with slashes and spaces") << base + QString(" a/b").repeated(60);
}

void TestSingleAppCheck::anyKeyListens()
{
    QFETCH(QString, key);
    SingleAppCheck first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    SingleAppCheck second(key);
    QVERIFY(second.isRunning());
    QVERIFY(second.sendMessage(kAccented));
    QTRY_COMPARE(texts(spy), QStringList{kAccented});
}

// A live first copy whose server is not listening still holds the key: a second
// copy is running (its messages cannot be delivered and say so).
void TestSingleAppCheck::liveCopyThatCannotListenIsRunning()
{
    const QString key = uniqueKey();
    {
        SingleAppCheck first(key);
        auto* server = first.findChild<QLocalServer*>();
        QVERIFY(server);
        server->close();
        SingleAppCheck second(key);
        QVERIFY(second.isRunning());
        QVERIFY(!second.sendMessage("unheard"));
        SingleAppCheck third(key);
        QVERIFY(third.isRunning());
    }
    SingleAppCheck afterwards(key);
    QVERIFY(!afterwards.isRunning());
}

// A socket file left by a copy that died must not keep the next first copy from
// listening.
void TestSingleAppCheck::staleSocketFileIsReplaced()
{
    const QString key = uniqueKey();
    QFile stale(socketPath(key));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleAppCheck first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    SingleAppCheck second(key);
    QVERIFY(second.isRunning());
    QVERIFY(second.sendMessage("heard"));
    QTRY_COMPARE(texts(spy), QStringList{QString("heard")});
}

void TestSingleAppCheck::otherUsersAreRefused()
{
    if (geteuid() != 0)
        QSKIP("Needs root to act as another user");
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);

    // The socket file admits its owner only.
    const QFileInfo info(socketPath(key));
    QVERIFY(info.exists());
    QVERIFY(!(info.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup)));

    // Even where the file would let anyone connect, the first copy listens to
    // its own user only.
    QVERIFY(QFile::setPermissions(socketPath(key), QFile::Permissions(0x7777)));

    const QByteArray path = QFile::encodeName(socketPath(key));
    const pid_t child = fork();
    if (child == 0) {
        // As "nobody": connect and send, as far as the system lets us.
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            _exit(5);
        const char text[] = "intruder";
        if (write(fd, text, sizeof text - 1) < 0)
            _exit(4);
        close(fd);
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    SingleAppCheck second(key);
    QVERIFY(second.sendMessage("owner"));
    QTRY_COMPARE(texts(spy), QStringList{QString("owner")});
    QTRY_COMPARE(openSockets(first), 0);
}

void TestSingleAppCheck::secondProcessReachesTheFirst()
{
    const QString key = uniqueKey();
    SingleAppCheck first(key);
    QSignalSpy spy(&first, &SingleAppCheck::messageAvailable);
    Peer second(key, kAccented);
    QCOMPARE(second.nextLine(), QByteArray("running 1"));
    QTRY_COMPARE_WITH_TIMEOUT(texts(spy), QStringList{kAccented}, 20000);
    QVERIFY(second.finished());
    QCOMPARE(second.process().exitCode(), 0);
}

void TestSingleAppCheck::killedFirstCopyDoesNotBlock()
{
    const QString key = uniqueKey();
    {
        Peer firstProcess(key);
        QCOMPARE(firstProcess.nextLine(), QByteArray("running 0"));
        QCOMPARE(firstProcess.nextLine(), QByteArray("ready"));

        SingleAppCheck second(key);
        QVERIFY(second.isRunning());
        QVERIFY(second.sendMessage(kAccented));
        QCOMPARE(firstProcess.nextLine(), "message " + kAccented.toUtf8().toHex());

        // SIGKILL: the first copy releases nothing.
        firstProcess.process().kill();
        QVERIFY(firstProcess.finished());
        QCOMPARE(firstProcess.process().exitStatus(), QProcess::CrashExit);
    }

    SingleAppCheck next(key);
    QVERIFY(!next.isRunning());
    QSignalSpy spy(&next, &SingleAppCheck::messageAvailable);
    Peer later(key, QStringLiteral("after the crash"));
    QCOMPARE(later.nextLine(), QByteArray("running 1"));
    QTRY_COMPARE_WITH_TIMEOUT(texts(spy), QStringList{QString("after the crash")}, 20000);
    QVERIFY(later.finished());
    QCOMPARE(later.process().exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestSingleAppCheck)
#include "tst_singleappcheck.moc"
