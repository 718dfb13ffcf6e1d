// The blocking FTP client against a real server on 127.0.0.1 (pyftpdlib over a
// temporary folder) and against a hostile one of our own, and the parsing of
// the server's answers on their own.
#include "QMRequest/FtpClient.h"
#include "TestSupport/DeletionDuringWait.h"
#include "TestSupport/HostileFtpServer.h"
#include "TestSupport/LocalFtpServer.h"
#include "TestSupport/ProcessMemory.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

using QMRequest::FtpClient;
using QMRequest::FtpEntry;
namespace FtpReplies = QMRequest::FtpReplies;

Q_DECLARE_METATYPE(FtpClient::Error)
Q_DECLARE_METATYPE(HostileFtpServer::Mode)

namespace {

QString const kUser = QStringLiteral("tester");
QString const kPassword = QStringLiteral("s3cret pass");
constexpr int kBigFileBytes = 5 * 1024 * 1024;

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator generator(20261210);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

bool writeFile(QString const& path, QByteArray const& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList names(QList<FtpEntry> const& entries)
{
    QStringList result;
    for (FtpEntry const& entry : entries)
        result.append(entry.name + (entry.isDir ? QStringLiteral("/") : QString()));
    result.sort();
    return result;
}

} // namespace

class TestFtpClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    LocalFtpServer m_server;

    QString rootPath(QString const& name) const { return m_root.filePath(name); }
    // A client logged in to the test's server.
    bool logIn(FtpClient& client)
    {
        return client.connectToHost(QStringLiteral("127.0.0.1"), m_server.port()) == FtpClient::NoError
               && client.login(kUser, kPassword) == FtpClient::NoError;
    }

private slots:
    void initTestCase();

    void login_data();
    void login();
    void refusedConnection();
    void commandsWithoutConnection();

    void listingAndChangingFolder();
    void missingFolderAndFileLeaveClientUsable();
    void bigFileBothWaysByteIdentical();
    void fetchDataIntoBufferAndFile();
    void namesThatWouldInjectCommandsAreRefused_data();
    void namesThatWouldInjectCommandsAreRefused();
    void commandFromNestedLoopIsTurnedAway();

    void serverThatStopsAnswering_data();
    void serverThatStopsAnswering();
    void hostileServer_data();
    void hostileServer();
    void timedOutCommandClosesTheConnection_data();
    void timedOutCommandClosesTheConnection();
    void unaskedTalkIsBounded();
    void replyThatNeverCompletes_data();
    void replyThatNeverCompletes();
    void slowTransferIsNotCutByTheReplyBound();
    void abortEndsTheWaitingCommand();
    void deletedWhileWaiting_data();
    void deletedWhileWaiting();
    void cutOffDownloadLeavesTheTargetAsItWas();

    void progressPercent_data();
    void progressPercent();

    void mlsdLine_data();
    void mlsdLine();
    void passivePorts_data();
    void passivePorts();
};

void TestFtpClient::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("sub/deeper")));
    QVERIFY(writeFile(rootPath(QStringLiteral("sub/inner.txt")), "inside"));
    QVERIFY(writeFile(rootPath(QStringLiteral("a file.txt")), "twelve bytes"));
    QVERIFY2(m_server.start(m_root.path(), kUser, kPassword), qPrintable(m_server.error()));
}

void TestFtpClient::login_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<FtpClient::Error>("error");
    QTest::newRow("right password") << kUser << kPassword << FtpClient::NoError;
    QTest::newRow("wrong password") << kUser << "wrong" << FtpClient::LoginFailed;
    QTest::newRow("empty password") << kUser << "" << FtpClient::LoginFailed;
    QTest::newRow("unknown user") << "nobody" << kPassword << FtpClient::LoginFailed;
}

void TestFtpClient::login()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(FtpClient::Error, error);
    FtpClient client;
    QSignalSpy done(&client, &FtpClient::done);
    QCOMPARE(client.connectToHost(QStringLiteral("127.0.0.1"), m_server.port()), int(FtpClient::NoError));
    QVERIFY(client.isConnected());
    QCOMPARE(client.login(user, password), int(error));
    QCOMPARE(client.error(), error);
    QCOMPARE(done.count(), 2);
    QCOMPARE(done.at(1).at(0).toBool(), error == FtpClient::NoError);
    if (error == FtpClient::NoError) {
        QVERIFY(client.errorString().isEmpty());
    } else {
        QCOMPARE(client.replyCode(), 530);
        QVERIFY(!client.errorString().isEmpty());
        // Not logged in: the server refuses everything else.
        QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::CommandFailed));
    }
    QCOMPARE(client.close(), int(FtpClient::NoError));
    QVERIFY(!client.isConnected());
}

void TestFtpClient::refusedConnection()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    quint16 const closedPort = probe.serverPort();
    probe.close();

    FtpClient client;
    QSignalSpy done(&client, &FtpClient::done);
    QCOMPARE(client.connectToHost(QStringLiteral("127.0.0.1"), closedPort), int(FtpClient::ConnectionRefused));
    QVERIFY(!client.isConnected());
    QVERIFY(client.errorString().contains(QStringLiteral("127.0.0.1")));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), false);
}

void TestFtpClient::commandsWithoutConnection()
{
    FtpClient client;
    QByteArray data;
    QBuffer buffer(&data);
    QList<FtpEntry> entries;
    QCOMPARE(client.login(kUser, kPassword), int(FtpClient::NotConnected));
    QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::NotConnected));
    QCOMPARE(client.get(QStringLiteral("x"), &buffer), int(FtpClient::NotConnected));
    QCOMPARE(client.put(QByteArray("x"), QStringLiteral("x")), int(FtpClient::NotConnected));
    QCOMPARE(client.list(QString(), &entries), int(FtpClient::NotConnected));
    QVERIFY(!client.fetchData(QStringLiteral("x"), buffer));
    QCOMPARE(client.get(QStringLiteral("x"), nullptr), int(FtpClient::InvalidArgument));
    // Nothing to close is no failure.
    QCOMPARE(client.close(), int(FtpClient::NoError));
}

void TestFtpClient::listingAndChangingFolder()
{
    FtpClient client;
    QVERIFY(logIn(client));
    QList<FtpEntry> entries;
    QCOMPARE(client.list(QString(), &entries), int(FtpClient::NoError));
    QCOMPARE(names(entries), QStringList({"a file.txt", "sub/"}));
    for (FtpEntry const& entry : qAsConst(entries)) {
        if (entry.name == QLatin1String("a file.txt")) {
            QCOMPARE(entry.size, qint64(12));
            QDateTime const onDisk = QFileInfo(rootPath(entry.name)).lastModified().toUTC();
            QVERIFY2(qAbs(entry.lastModified.secsTo(onDisk)) <= 1, qPrintable(entry.lastModified.toString()));
        }
    }

    QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::NoError));
    QCOMPARE(client.list(QString(), &entries), int(FtpClient::NoError));
    QCOMPARE(names(entries), QStringList({"deeper/", "inner.txt"}));
    QCOMPARE(client.cd(QStringLiteral("..")), int(FtpClient::NoError));
    QCOMPARE(client.list(QString(), &entries), int(FtpClient::NoError));
    QCOMPARE(names(entries), QStringList({"a file.txt", "sub/"}));
    // A folder named in the call, without going there.
    QCOMPARE(client.list(QStringLiteral("sub/deeper"), &entries), int(FtpClient::NoError));
    QVERIFY(entries.isEmpty());
}

void TestFtpClient::missingFolderAndFileLeaveClientUsable()
{
    FtpClient client;
    QVERIFY(logIn(client));
    QCOMPARE(client.cd(QStringLiteral("no such folder")), int(FtpClient::CommandFailed));
    QCOMPARE(client.replyCode(), 550);

    QByteArray data("old");
    QBuffer buffer(&data);
    QVERIFY(!client.fetchData(QStringLiteral("missing.bin"), buffer));
    QCOMPARE(client.error(), FtpClient::CommandFailed);
    QVERIFY(client.errorString().contains(QStringLiteral("550")));

    // Every reply was read to its end: the next command gets its own answer.
    QVERIFY(client.fetchData(QStringLiteral("a file.txt"), buffer));
    QCOMPARE(data, QByteArray("twelve bytes"));
}

void TestFtpClient::bigFileBothWaysByteIdentical()
{
    QTemporaryDir local;
    QVERIFY(local.isValid());
    QByteArray const content = randomBytes(kBigFileBytes);
    QString const source = local.filePath(QStringLiteral("up.bin"));
    QVERIFY(writeFile(source, content));

    FtpClient client;
    QVERIFY(logIn(client));
    QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::NoError));
    QSignalSpy percents(&client, &FtpClient::progressPercent);
    QSignalSpy bytes(&client, &FtpClient::progress);
    QFile upload(source);
    QCOMPARE(client.put(&upload, QStringLiteral("big.bin")), int(FtpClient::NoError));
    QCOMPARE(readFile(rootPath(QStringLiteral("sub/big.bin"))), content);
    QVERIFY(percents.count() > 1);
    QCOMPARE(percents.last().at(0).toInt(), 100);
    QCOMPARE(bytes.last().at(0).toInt(), kBigFileBytes);

    percents.clear();
    bytes.clear();
    QString const target = local.filePath(QStringLiteral("down.bin"));
    QFile download(target);
    QCOMPARE(client.get(QStringLiteral("big.bin"), &download), int(FtpClient::NoError));
    download.close();
    QCOMPARE(readFile(target), content);
    QVERIFY(percents.count() > 1);
    int previous = -1;
    for (QList<QVariant> const& signal : qAsConst(percents)) {
        QVERIFY(signal.at(0).toInt() >= previous);
        previous = signal.at(0).toInt();
    }
    QCOMPARE(previous, 100);
    QCOMPARE(bytes.last().at(0).toInt(), kBigFileBytes);
}

void TestFtpClient::fetchDataIntoBufferAndFile()
{
    FtpClient client;
    QVERIFY(logIn(client));
    QCOMPARE(client.put(QByteArray("from bytes"), QStringLiteral("fetched.txt")), int(FtpClient::NoError));
    QCOMPARE(readFile(rootPath(QStringLiteral("fetched.txt"))), QByteArray("from bytes"));

    QBuffer buffer;
    QVERIFY(client.fetchData(QStringLiteral("fetched.txt"), buffer));
    QCOMPARE(buffer.data(), QByteArray("from bytes"));

    QTemporaryDir local;
    QFile file(local.filePath(QStringLiteral("fetched.txt")));
    QVERIFY(client.fetchData(QStringLiteral("fetched.txt"), &file));
    file.close();
    QCOMPARE(readFile(file.fileName()), QByteArray("from bytes"));

    // An empty file is a file too.
    QCOMPARE(client.put(QByteArray(), QStringLiteral("empty.txt")), int(FtpClient::NoError));
    QVERIFY(QFileInfo::exists(rootPath(QStringLiteral("empty.txt"))));
    QCOMPARE(QFileInfo(rootPath(QStringLiteral("empty.txt"))).size(), qint64(0));
}

void TestFtpClient::namesThatWouldInjectCommandsAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("line feed") << "x\nDELE a file.txt";
    QTest::newRow("carriage return") << "x\r\nDELE a file.txt";
    QTest::newRow("NUL") << QString("x") + QChar(0) + "y";
}

void TestFtpClient::namesThatWouldInjectCommandsAreRefused()
{
    QFETCH(QString, name);
    FtpClient client;
    QVERIFY(logIn(client));
    QCOMPARE(client.put(QByteArray("bad"), name), int(FtpClient::InvalidArgument));
    QCOMPARE(client.cd(name), int(FtpClient::InvalidArgument));
    QBuffer buffer;
    QCOMPARE(client.get(name, &buffer), int(FtpClient::InvalidArgument));
    QCOMPARE(readFile(rootPath(QStringLiteral("a file.txt"))), QByteArray("twelve bytes"));
    // Still in step with the server.
    QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::NoError));

    // A listing is refused before anything is sent: no passive connection is
    // asked for on behalf of a name that can never go out.
    HostileFtpServer server(HostileFtpServer::LyingSize);
    FtpClient watched;
    QVERIFY(watched.connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
            && watched.login(kUser, kPassword) == FtpClient::NoError);
    QList<FtpEntry> entries;
    QCOMPARE(watched.list(name, &entries), int(FtpClient::InvalidArgument));
    QCOMPARE(server.commands(), (QList<QByteArray>{"USER", "PASS", "TYPE"}));
}

void TestFtpClient::commandFromNestedLoopIsTurnedAway()
{
    FtpClient client;
    QVERIFY(logIn(client));
    QCOMPARE(client.put(randomBytes(kBigFileBytes), QStringLiteral("busy.bin")), int(FtpClient::NoError));
    int nested = -1;
    connect(&client, &FtpClient::progress, this, [&] {
        if (nested == -1)
            nested = client.cd(QStringLiteral("sub"));
    });
    QBuffer buffer;
    QCOMPARE(client.get(QStringLiteral("busy.bin"), &buffer), int(FtpClient::NoError));
    QCOMPARE(nested, int(FtpClient::Busy));
    QCOMPARE(buffer.data().size(), kBigFileBytes);
}

void TestFtpClient::serverThatStopsAnswering_data()
{
    QTest::addColumn<bool>("beforeGreeting");
    QTest::newRow("before the greeting") << true;
    QTest::newRow("after the login") << false;
}

void TestFtpClient::serverThatStopsAnswering()
{
    QFETCH(bool, beforeGreeting);
    FtpClient client;
    client.setTimeout(500);
    QSignalSpy done(&client, &FtpClient::done);
    if (!beforeGreeting)
        QVERIFY(logIn(client));
    done.clear();
    m_server.freeze();
    QElapsedTimer clock;
    clock.start();
    int const result = beforeGreeting ? client.connectToHost(QStringLiteral("127.0.0.1"), m_server.port())
                                      : client.cd(QStringLiteral("sub"));
    qint64 const waited = clock.elapsed();
    m_server.thaw();
    QCOMPARE(result, int(FtpClient::TimedOut));
    QVERIFY2(waited >= 450 && waited < 5000, qPrintable(QString::number(waited)));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), false);
    QVERIFY(!client.errorString().isEmpty());
}

void TestFtpClient::hostileServer_data()
{
    QTest::addColumn<HostileFtpServer::Mode>("mode");
    QTest::addColumn<QString>("command");
    QTest::addColumn<FtpClient::Error>("error");
    // Each byte of these restarts the inactivity wait: only the deadline ends them.
    QTest::newRow("greeting that drips") << HostileFtpServer::DrippingGreeting << "connect" << FtpClient::TimedOut;
    QTest::newRow("lines without a code") << HostileFtpServer::UncodedGreeting << "connect" << FtpClient::TimedOut;
    // These would fill the memory before anything else stopped them.
    QTest::newRow("endless greeting") << HostileFtpServer::EndlessGreeting << "connect" << FtpClient::TooLarge;
    QTest::newRow("endless listing") << HostileFtpServer::EndlessListing << "list" << FtpClient::TooLarge;
    // Half a file is no file, whatever the server says after it.
    QTest::newRow("size that lies") << HostileFtpServer::LyingSize << "get" << FtpClient::TransferFailed;
    QTest::newRow("gone mid-transfer") << HostileFtpServer::VanishingTransfer << "get" << FtpClient::ConnectionLost;
}

void TestFtpClient::hostileServer()
{
    QFETCH(HostileFtpServer::Mode, mode);
    QFETCH(QString, command);
    QFETCH(FtpClient::Error, error);
    HostileFtpServer server(mode);
    QVERIFY(server.isListening());
    constexpr int kDeadlineMs = 2500;
    constexpr qint64 kMaxListing = 1024 * 1024;
    FtpClient client;
    // Longer than the deadline: a command that ends early was not timed out.
    client.setTimeout(4 * kDeadlineMs);
    client.setDeadline(kDeadlineMs);
    client.setMaxListingBytes(kMaxListing);
    QSignalSpy done(&client, &FtpClient::done);

    long const residentBefore = ProcessMemory::residentKiB();
    QElapsedTimer clock;
    clock.start();
    int result = client.connectToHost(QStringLiteral("127.0.0.1"), server.port());
    if (command != QLatin1String("connect")) {
        QCOMPARE(result, int(FtpClient::NoError));
        QCOMPARE(client.login(kUser, kPassword), int(FtpClient::NoError));
        clock.restart();
        QList<FtpEntry> entries;
        QBuffer buffer;
        result = command == QLatin1String("list") ? client.list(QString(), &entries) : client.get("f.bin", &buffer);
        QVERIFY(buffer.data().size() < server.fileSize());
        QVERIFY(entries.isEmpty());
    }
    qint64 const waited = clock.elapsed();
    long const grownKiB = ProcessMemory::residentKiB() - residentBefore;

    QCOMPARE(result, int(error));
    QCOMPARE(client.error(), error);
    QVERIFY(!client.errorString().isEmpty());
    QCOMPARE(done.last().at(0).toBool(), false);
    // The deadline holds, with room for a loaded machine; the hostile server
    // itself holds out many times longer.
    QVERIFY2(waited < kDeadlineMs + 10000, qPrintable(QString::number(waited)));
    if (error == FtpClient::TimedOut)
        QVERIFY2(waited >= kDeadlineMs * 9 / 10, qPrintable(QString::number(waited)));
    // What the client held of the flood stays near its caps.
    QVERIFY2(grownKiB < 48 * 1024, qPrintable(QStringLiteral("%1 KiB").arg(grownKiB)));
}

void TestFtpClient::timedOutCommandClosesTheConnection_data()
{
    QTest::addColumn<QString>("command");
    // The server answers CWD, and ends a RETR that sent no data, long after the
    // client gave up.
    QTest::newRow("change of folder") << "cd";
    QTest::newRow("download without data") << "get";
}

void TestFtpClient::timedOutCommandClosesTheConnection()
{
    QFETCH(QString, command);
    HostileFtpServer server(HostileFtpServer::LateReplies);
    constexpr int kTimeoutMs = 500;
    server.setInterval(4 * kTimeoutMs);
    FtpClient client;
    QVERIFY(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
            && client.login(kUser, kPassword) == FtpClient::NoError);
    client.setTimeout(kTimeoutMs);
    QBuffer buffer;
    int const result =
        command == QLatin1String("cd") ? client.cd(QStringLiteral("slow")) : client.get(QStringLiteral("f"), &buffer);
    QCOMPARE(result, int(FtpClient::TimedOut));

    // The late answer has come, or there was no connection left to bring it.
    QTRY_VERIFY_WITH_TIMEOUT(server.lateRepliesSent() > 0 || server.connectionsOpen() == 0, 20000);
    // It is not the answer of the next command, which the server refuses.
    QCOMPARE(client.cd(QStringLiteral("missing")), int(FtpClient::NotConnected));
    QVERIFY(!client.isConnected());
    QCOMPARE(server.lateRepliesSent(), 0);
}

void TestFtpClient::unaskedTalkIsBounded()
{
    // After the login the server talks without end, while no command waits.
    HostileFtpServer server(HostileFtpServer::IdleFlood);
    FtpClient client;
    client.setMaxReplyBytes(64 * 1024);
    long const residentBefore = ProcessMemory::residentKiB();
    QVERIFY(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
            && client.login(kUser, kPassword) == FtpClient::NoError);
    QTRY_COMPARE_WITH_TIMEOUT(server.connectionsOpen(), 0, 120000);
    long const grownKiB = ProcessMemory::residentKiB() - residentBefore;
    // The client closed the connection long before the server would have.
    QVERIFY2(server.bytesFlooded() < HostileFtpServer::kMaxFloodBytes / 2,
             qPrintable(QString::number(server.bytesFlooded())));
    QVERIFY2(grownKiB < 24 * 1024, qPrintable(QStringLiteral("%1 KiB").arg(grownKiB)));
    QCOMPARE(client.cd(QStringLiteral("sub")), int(FtpClient::NotConnected));
}

void TestFtpClient::replyThatNeverCompletes_data()
{
    QTest::addColumn<HostileFtpServer::Mode>("mode");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("replyDeadlineMs"); // -1: not set
    QTest::addColumn<int>("expectedBoundMs");
    // A line every 100 ms keeps each time-out from running out.
    QTest::newRow("greeting that drips, four time-outs") << HostileFtpServer::DrippingGreeting << 500 << -1 << 2000;
    QTest::newRow("lines without a code, four time-outs") << HostileFtpServer::UncodedGreeting << 500 << -1 << 2000;
    QTest::newRow("greeting that drips, bound set") << HostileFtpServer::DrippingGreeting << 5000 << 1500 << 1500;
}

void TestFtpClient::replyThatNeverCompletes()
{
    QFETCH(HostileFtpServer::Mode, mode);
    QFETCH(int, timeoutMs);
    QFETCH(int, replyDeadlineMs);
    QFETCH(int, expectedBoundMs);
    HostileFtpServer server(mode);
    QVERIFY(server.isListening());
    FtpClient client;
    client.setTimeout(timeoutMs);
    if (replyDeadlineMs >= 0)
        client.setReplyDeadline(replyDeadlineMs);
    QCOMPARE(client.replyDeadline(), expectedBoundMs);
    QCOMPARE(client.deadline(), FtpClient::kDefaultDeadlineMs);
    QElapsedTimer clock;
    clock.start();
    // Without a bound of its own the reply would run until the server gives
    // up (kMaxDripLines lines later) and closes: ConnectionLost.
    QCOMPARE(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()), int(FtpClient::TimedOut));
    qint64 const waited = clock.elapsed();
    QVERIFY2(waited >= expectedBoundMs * 9 / 10, qPrintable(QString::number(waited)));
    QVERIFY(!client.isConnected());
    QTRY_COMPARE(server.connectionsOpen(), 0);
}

void TestFtpClient::slowTransferIsNotCutByTheReplyBound()
{
    HostileFtpServer server(HostileFtpServer::SlowTransfer);
    constexpr int kReplyDeadlineMs = 1000;
    // The file takes about twice the reply bound to come, a piece at a time.
    server.setInterval(kReplyDeadlineMs * 2 / HostileFtpServer::kSlowPieces);
    FtpClient client;
    client.setTimeout(5 * kReplyDeadlineMs);
    client.setReplyDeadline(kReplyDeadlineMs);
    QVERIFY(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
            && client.login(kUser, kPassword) == FtpClient::NoError);
    QBuffer buffer;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(client.get(QStringLiteral("f.bin"), &buffer), int(FtpClient::NoError));
    QVERIFY2(clock.elapsed() > kReplyDeadlineMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(buffer.data(), HostileFtpServer::content(server.fileSize()));
}

void TestFtpClient::abortEndsTheWaitingCommand()
{
    HostileFtpServer server(HostileFtpServer::DrippingGreeting);
    QVERIFY(server.isListening());
    FtpClient client;
    QTimer::singleShot(300, &client, &FtpClient::abort);
    QCOMPARE(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()), int(FtpClient::Aborted));
    QVERIFY(!client.isConnected());
    QTRY_COMPARE(server.connectionsOpen(), 0);
    // Nothing waits: nothing to end, and the next command runs as usual.
    client.abort();
    QCOMPARE(client.connectToHost(QStringLiteral("127.0.0.1"), m_server.port()), int(FtpClient::NoError));
}

void TestFtpClient::deletedWhileWaiting_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<DeletionDuringWait>("deletion");
    QTest::addColumn<bool>("byDone"); // the command aborted, and a slot on done() deletes the parent
    // The greeting drips and never ends, the login meets a frozen server and
    // the download a server that sends half of what it announced: each command
    // is still waiting when its client goes.
    QTest::newRow("parent deleted, connecting") << "connect" << DeletionDuringWait::ParentByTimer << false;
    QTest::newRow("deleteLater from a timer, connecting") << "connect" << DeletionDuringWait::LaterByTimer << false;
    QTest::newRow("deleteLater before connecting") << "connect" << DeletionDuringWait::LaterBeforehand << false;
    QTest::newRow("deleted by done after abort, connecting") << "connect" << DeletionDuringWait::None << true;
    QTest::newRow("parent deleted, logging in") << "login" << DeletionDuringWait::ParentByTimer << false;
    QTest::newRow("deleteLater from a timer, logging in") << "login" << DeletionDuringWait::LaterByTimer << false;
    QTest::newRow("deleted by progress, downloading") << "get" << DeletionDuringWait::ByProgressSlot << false;
    QTest::newRow("deleteLater from progress, downloading") << "get" << DeletionDuringWait::LaterByProgress << false;
}

void TestFtpClient::deletedWhileWaiting()
{
    QFETCH(QString, command);
    QFETCH(DeletionDuringWait, deletion);
    QFETCH(bool, byDone);
    HostileFtpServer server(command == QLatin1String("get") ? HostileFtpServer::LyingSize
                                                            : HostileFtpServer::DrippingGreeting);
    QVERIFY(server.isListening());
    // The file comes in many pieces, each one a progress() of its own.
    server.setFileSize(8 * 1024 * 1024);
    QPointer<QObject> parent = new QObject;
    QPointer<FtpClient> client = new FtpClient(parent);
    bool const loggingIn = command == QLatin1String("login");
    if (loggingIn)
        QVERIFY(logIn(*client));
    else if (command == QLatin1String("get"))
        QVERIFY(client->connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
                && client->login(kUser, kPassword) == FtpClient::NoError);

    arrangeDeletion(deletion, client.data(), parent, &FtpClient::progress);
    if (byDone) {
        QTimer::singleShot(300, client, &FtpClient::abort);
        connect(client, &FtpClient::done, parent, [parent] { delete parent.data(); });
    }

    QBuffer buffer;
    int result = -1;
    if (command == QLatin1String("get")) {
        result = client->get(QStringLiteral("f.bin"), &buffer);
    } else if (loggingIn) {
        m_server.freeze();
        result = client->login(kUser, kPassword);
        m_server.thaw();
    } else {
        result = client->connectToHost(QStringLiteral("127.0.0.1"), server.port());
    }

    // Back from the command: it ended without touching the deleted client
    // (the sanitizer reports any use after the deletion) and says so.
    QCOMPARE(result, int(FtpClient::Aborted));
    QVERIFY(client.isNull());
    QVERIFY(buffer.data().size() < server.fileSize());
    if (!loggingIn)
        QTRY_COMPARE(server.connectionsOpen(), 0);
    delete parent.data();
}

void TestFtpClient::cutOffDownloadLeavesTheTargetAsItWas()
{
    HostileFtpServer server(HostileFtpServer::LyingSize);
    QTemporaryDir local;
    QString const target = local.filePath(QStringLiteral("kept.bin"));
    QVERIFY(writeFile(target, "what was there before"));
    FtpClient client;
    QVERIFY(client.connectToHost(QStringLiteral("127.0.0.1"), server.port()) == FtpClient::NoError
            && client.login(kUser, kPassword) == FtpClient::NoError);
    QFile file(target);
    QVERIFY(!client.fetchData(QStringLiteral("f.bin"), &file));
    QCOMPARE(client.error(), FtpClient::TransferFailed);
    QVERIFY2(client.errorString().contains(QString::number(server.fileSize())), qPrintable(client.errorString()));
    QCOMPARE(readFile(target), QByteArray("what was there before"));
    QCOMPARE(QDir(local.path()).entryList(QDir::Files), QStringList{"kept.bin"});

    // A whole file takes the target's place.
    QVERIFY(logIn(client));
    QCOMPARE(client.get(QStringLiteral("a file.txt"), &file), int(FtpClient::NoError));
    QVERIFY(!file.isOpen());
    QCOMPARE(readFile(target), QByteArray("twelve bytes"));
}

void TestFtpClient::progressPercent_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent"); // -1: none sent
    QTest::newRow("a quarter") << qint64(50) << qint64(200) << 25;
    QTest::newRow("truncated") << qint64(2) << qint64(3) << 66;
    QTest::newRow("all") << qint64(7) << qint64(7) << 100;
    QTest::newRow("beyond 2 GB") << qint64(3) * 1024 * 1024 * 1024 << qint64(6) * 1024 * 1024 * 1024 << 50;
    QTest::newRow("total unknown") << qint64(10) << qint64(-1) << -1;
    QTest::newRow("total zero") << qint64(10) << qint64(0) << -1;
}

void TestFtpClient::progressPercent()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    FtpClient client;
    QSignalSpy bytes(&client, &FtpClient::progress);
    QSignalSpy percents(&client, &FtpClient::progressPercent);
    client.slotReadProgress(done, total);
    QCOMPARE(bytes.count(), 1);
    QCOMPARE(qint64(bytes.at(0).at(0).toInt()), qMin<qint64>(done, std::numeric_limits<int>::max()));
    QCOMPARE(percents.count(), percent < 0 ? 0 : 1);
    if (percent >= 0)
        QCOMPARE(percents.at(0).at(0).toInt(), percent);
}

void TestFtpClient::mlsdLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isDir");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("modified"); // ISO UTC, empty for none
    QTest::newRow("file") << QByteArray("type=file;size=12;modify=20261210183000; notes.txt\r\n") << true << "notes.txt"
                          << false << qint64(12) << "2026-12-10T18:30:00Z";
    QTest::newRow("folder, facts in other case") << QByteArray("Type=DIR;Modify=20250101000000.123; My Folder") << true
                                                 << "My Folder" << true << qint64(-1) << "2025-01-01T00:00:00Z";
    QTest::newRow("spaces kept in name") << QByteArray("type=file;size=1;  two  spaces ") << true << " two  spaces "
                                         << false << qint64(1) << "";
    QTest::newRow("utf-8 name") << QByteArray("type=file; \xc3\xa9t\xc3\xa9.txt") << true
                                << QString::fromUtf8("\xc3\xa9t\xc3\xa9.txt") << false << qint64(-1) << "";
    QTest::newRow("bad size and date") << QByteArray("type=file;size=12x;modify=2026; f") << true << "f" << false
                                       << qint64(-1) << "";
    QTest::newRow("impossible date") << QByteArray("type=file;modify=20261340250000; f") << true << "f" << false
                                     << qint64(-1) << "";
    QTest::newRow("current folder") << QByteArray("type=cdir;modify=20261210183000; /home") << false << "" << false
                                    << qint64(-1) << "";
    QTest::newRow("parent folder") << QByteArray("type=pdir; ..") << false << "" << false << qint64(-1) << "";
    QTest::newRow("NUL in name") << QByteArray("type=file; a\0b", 14) << false << "" << false << qint64(-1) << "";
    QTest::newRow("no name") << QByteArray("type=file;size=1;") << false << "" << false << qint64(-1) << "";
    QTest::newRow("empty") << QByteArray("") << false << "" << false << qint64(-1) << "";
}

void TestFtpClient::mlsdLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, entry);
    QFETCH(QString, name);
    QFETCH(bool, isDir);
    QFETCH(qint64, size);
    QFETCH(QString, modified);
    FtpEntry parsed;
    QCOMPARE(FtpReplies::parseMlsdLine(line, &parsed), entry);
    if (!entry)
        return;
    QCOMPARE(parsed.name, name);
    QCOMPARE(parsed.isDir, isDir);
    QCOMPARE(parsed.size, size);
    QCOMPARE(parsed.lastModified.isValid(), !modified.isEmpty());
    if (!modified.isEmpty())
        QCOMPARE(parsed.lastModified, QDateTime::fromString(modified, Qt::ISODate));
}

void TestFtpClient::passivePorts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("port");
    QTest::newRow("EPSV") << QByteArray("Entering extended passive mode (|||6446|).") << true << 6446;
    QTest::newRow("EPSV other delimiter") << QByteArray("ok (!!!21!)") << true << 21;
    QTest::newRow("EPSV port too big") << QByteArray("(|||70000|)") << true << 0;
    QTest::newRow("EPSV with address") << QByteArray("(|1|10.0.0.1|6446|)") << true << 0;
    QTest::newRow("EPSV no parentheses") << QByteArray("|||6446|") << true << 0;
    QTest::newRow("PASV") << QByteArray("Entering Passive Mode (127,0,0,1,195,80).") << false << 195 * 256 + 80;
    QTest::newRow("PASV without parentheses") << QByteArray("=10,1,2,3,4,5") << false << 1029;
    QTest::newRow("PASV number over 255") << QByteArray("(127,0,0,1,256,1)") << false << 0;
    QTest::newRow("PASV five numbers") << QByteArray("(127,0,0,1,4)") << false << 0;
    QTest::newRow("PASV port 0") << QByteArray("(127,0,0,1,0,0)") << false << 0;
}

void TestFtpClient::passivePorts()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, extended);
    QFETCH(int, port);
    QCOMPARE(int(extended ? FtpReplies::parseEpsvPort(text) : FtpReplies::parsePasvPort(text)), port);
}

QTEST_GUILESS_MAIN(TestFtpClient)
#include "tst_ftpclient.moc"
