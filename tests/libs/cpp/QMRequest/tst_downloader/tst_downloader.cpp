// The blocking downloader against canned answers of a server on 127.0.0.1.
#include "QMRequest/Downloader.h"
#include "TestSupport/CannedHttpServer.h"
#include "TestSupport/DeletionDuringWait.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using QMRequest::Downloader;

Q_DECLARE_METATYPE(CannedHttpServer::Ending)

namespace {

// Short enough to keep the suite fast, long enough for a loaded machine.
constexpr int kTestTimeoutMs = 400;

// Content-Length promises more than the server sends before it hangs up.
QByteArray const kDroppedMidBody = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n0123456789";
// No length: the body ends when the connection closes.
QByteArray const kUnknownLength = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nsome body ";
// The body in chunks, with a chunk extension and a trailer.
QByteArray const kChunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                            "4\r\nWiki\r\n5;note=x\r\npedia\r\nC\r\n in\r\nchunks.\r\n0\r\nTrailer: t\r\n\r\n";

QByteArray chunked(QByteArray const& body, int chunkSize)
{
    QByteArray reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    for (int i = 0; i < body.size(); i += chunkSize) {
        QByteArray const chunk = body.mid(i, chunkSize);
        reply += QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n";
    }
    return reply + "0\r\n\r\n";
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    quint16 const port = probe.serverPort();
    probe.close();
    return port;
}
} // namespace

class TestDownloader : public QObject
{
    Q_OBJECT

private slots:
    void fullRequest_data();
    void fullRequest();
    void addressWithoutSchemeReachesServer();

    void cannedReplies_data();
    void cannedReplies();
    void refusedConnectionIsConnectionFailure();
    void defaultTimeoutIsFifteenSeconds();
    void slowServer_data();
    void slowServer();
    void encodedBodyIsNotInflated();
    void bodyLimit_data();
    void bodyLimit();
    void defaultLimitStopsAHugeBody();

    void eachRequestReturnsOnlyItsOwnBody();
    void busyCallIsTurnedAwayAndFirstRequestGoesOn();
    void deletedWhileWaiting_data();
    void deletedWhileWaiting();

    void getToFile_data();
    void getToFile();
    void getToFileReportsUnwritableTarget();

    void progressPercent_data();
    void progressPercent();
    void progressOverNetwork();

    void managerRunsDownloadsSideBySide();
};

void TestDownloader::fullRequest_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("requested");
    QTest::newRow("host and path") << "example.org/a/b.htm"
                                   << "http://example.org/a/b.htm";
    QTest::newRow("http unchanged") << "http://example.org/x"
                                    << "http://example.org/x";
    QTest::newRow("https unchanged") << "https://example.org/x"
                                     << "https://example.org/x";
    QTest::newRow("upper-case scheme") << "HTTP://example.org/x"
                                       << "HTTP://example.org/x";
    QTest::newRow("mixed-case https") << "Https://example.org/x"
                                      << "Https://example.org/x";
    QTest::newRow("other scheme gets http") << "ftp://example.org/x"
                                            << "http://ftp://example.org/x";
    QTest::newRow("http without slashes") << "http:example.org"
                                          << "http://http:example.org";
}

void TestDownloader::fullRequest()
{
    QFETCH(QString, given);
    QFETCH(QString, requested);
    QCOMPARE(Downloader().fullRequest(given), requested);
}

void TestDownloader::addressWithoutSchemeReachesServer()
{
    CannedHttpServer server;
    QVERIFY(server.isListening());
    server.setReply(CannedHttpServer::answer(200, "plain"));
    Downloader downloader;
    Downloader::Status status = Downloader::NotStarted;
    QCOMPARE(downloader.get(server.hostAndPort() + "/dir/page.htm", QEventLoop::AllEvents, &status),
             QByteArray("plain"));
    QCOMPARE(status, Downloader::Succeeded);
    QCOMPARE(server.requests(), QList<QByteArray>{"GET /dir/page.htm HTTP/1.1"});
}

void TestDownloader::cannedReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<CannedHttpServer::Ending>("ending");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Downloader::Status>("status");
    QTest::addColumn<int>("httpStatus");

    auto const close = CannedHttpServer::CloseAfterReply;
    QTest::newRow("body") << CannedHttpServer::answer(200, "LF:1.1.13.03.2014\n") << close
                          << QByteArray("LF:1.1.13.03.2014\n") << Downloader::Succeeded << 200;
    QTest::newRow("non-ASCII body") << CannedHttpServer::answer(200, "Gr\xc3\xbc\xc3\x9f\x65") << close
                                    << QByteArray("Gr\xc3\xbc\xc3\x9f\x65") << Downloader::Succeeded << 200;
    QTest::newRow("empty body is a success")
        << CannedHttpServer::answer(200, "") << close << QByteArray() << Downloader::Succeeded << 200;
    QTest::newRow("404 is a server error") << CannedHttpServer::answer(404, "<html>not here</html>") << close
                                           << QByteArray() << Downloader::ServerError << 404;
    QTest::newRow("500 is a server error")
        << CannedHttpServer::answer(500, "oops") << close << QByteArray() << Downloader::ServerError << 500;
    QTest::newRow("redirect is not followed")
        << CannedHttpServer::answer(302, "<html>moved</html>", "Location: http://127.0.0.1:1/else\r\n") << close
        << QByteArray("<html>moved</html>") << Downloader::Succeeded << 302;
    QTest::newRow("dropped mid-body") << kDroppedMidBody << close << QByteArray() << Downloader::ConnectionFailed
                                      << 200;
    QTest::newRow("no answer until the time-out")
        << QByteArray() << CannedHttpServer::Silent << QByteArray() << Downloader::TimedOut << 0;
    QTest::newRow("chunked body") << kChunked << close << QByteArray("Wikipedia in\r\nchunks.") << Downloader::Succeeded
                                  << 200;
    QTest::newRow("bad chunk size") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n")
                                    << close << QByteArray() << Downloader::ConnectionFailed << 200;
    QTest::newRow("chunks cut short") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\nWiki")
                                      << close << QByteArray() << Downloader::ConnectionFailed << 200;
    QTest::newRow("interim answer skipped")
        << "HTTP/1.1 100 Continue\r\nX: y\r\n\r\n" + CannedHttpServer::answer(200, "final") << close
        << QByteArray("final") << Downloader::Succeeded << 200;
    QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << close << QByteArray()
                              << Downloader::ConnectionFailed << 0;
    QTest::newRow("head cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-Le") << close << QByteArray()
                                    << Downloader::ConnectionFailed << 0;
    QTest::newRow("bad length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nabc") << close
                                << QByteArray() << Downloader::ConnectionFailed << 200;
    QTest::newRow("400 is a server error")
        << CannedHttpServer::answer(400, "bad") << close << QByteArray() << Downloader::ServerError << 400;
}

void TestDownloader::cannedReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(CannedHttpServer::Ending, ending);
    QFETCH(QByteArray, body);
    QFETCH(Downloader::Status, status);
    QFETCH(int, httpStatus);

    CannedHttpServer server;
    QVERIFY(server.isListening());
    server.setReply(reply, ending);
    Downloader downloader;
    downloader.setTimeout(kTestTimeoutMs);

    Downloader::Status reported = Downloader::NotStarted;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(downloader.get(server.url("/updates.htm"), QEventLoop::AllEvents, &reported), body);
    QCOMPARE(reported, status);
    QCOMPARE(downloader.status(), status);
    QCOMPARE(downloader.httpStatus(), httpStatus);
    QCOMPARE(downloader.errorString().isEmpty(), status == Downloader::Succeeded);
    QVERIFY(downloader.isFinished());
    if (status == Downloader::TimedOut)
        QVERIFY2(clock.elapsed() >= kTestTimeoutMs - 50, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(server.requests().size(), 1);
}

void TestDownloader::refusedConnectionIsConnectionFailure()
{
    Downloader downloader;
    downloader.setTimeout(kTestTimeoutMs);
    Downloader::Status status = Downloader::NotStarted;
    QCOMPARE(downloader.get(QStringLiteral("127.0.0.1:%1/x").arg(closedPort()), QEventLoop::AllEvents, &status),
             QByteArray());
    QCOMPARE(status, Downloader::ConnectionFailed);
    QCOMPARE(downloader.httpStatus(), 0);
}

void TestDownloader::defaultTimeoutIsFifteenSeconds()
{
    Downloader downloader;
    QCOMPARE(downloader.status(), Downloader::NotStarted);
    QVERIFY(!downloader.isFinished());
    QCOMPARE(downloader.timeout(), 15000);
    downloader.setTimeout(-5);
    QCOMPARE(downloader.timeout(), 0);
}

void TestDownloader::slowServer_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<CannedHttpServer::Ending>("ending");
    QTest::addColumn<Downloader::Status>("status");

    QByteArray const answer =
        CannedHttpServer::answer(200, "slow but alive", "X-Padding: " + QByteArray(30, '-') + "\r\n");
    // The head alone takes several time-outs to arrive, a few bytes at a time.
    QTest::newRow("slow head") << answer << CannedHttpServer::CloseAfterReply << Downloader::Succeeded;
    // Silence after the last byte of half a head: given up one time-out later.
    QTest::newRow("half a head, then silence")
        << answer.left(answer.indexOf("\r\n\r\n") / 2) << CannedHttpServer::KeepOpen << Downloader::TimedOut;
}

void TestDownloader::slowServer()
{
    QFETCH(QByteArray, reply);
    QFETCH(CannedHttpServer::Ending, ending);
    QFETCH(Downloader::Status, status);

    constexpr int kBytesPerStep = 3;
    constexpr int kStepMs = 80;
    CannedHttpServer server;
    server.setReply(reply, ending);
    server.setTrickle(kBytesPerStep, kStepMs);
    int const trickleMs = (reply.size() / kBytesPerStep) * kStepMs;
    QVERIFY(trickleMs > 3 * kTestTimeoutMs);

    Downloader downloader;
    downloader.setTimeout(kTestTimeoutMs);
    Downloader::Status reported = Downloader::NotStarted;
    QElapsedTimer clock;
    clock.start();
    QByteArray const body = downloader.get(server.url(), QEventLoop::AllEvents, &reported);
    qint64 const elapsed = clock.elapsed();
    QCOMPARE(reported, status);
    QCOMPARE(body, status == Downloader::Succeeded ? QByteArray("slow but alive") : QByteArray());
    // Every time-out ran from the last byte received, not from the request: the whole exchange
    // outlasted three time-outs, and a silent server was given up one time-out after its last byte.
    QVERIFY2(elapsed > 3 * kTestTimeoutMs, qPrintable(QString::number(elapsed)));
    if (status == Downloader::TimedOut)
        QVERIFY2(server.msSinceLastWrite() >= kTestTimeoutMs - 50,
                 qPrintable(QString::number(server.msSinceLastWrite())));
}

void TestDownloader::encodedBodyIsNotInflated()
{
    // 100 MB of zeros, deflated to about 100 KB.
    QByteArray const bomb = qCompress(QByteArray(100 * 1024 * 1024, '\0'), 9).mid(4);
    QVERIFY(bomb.size() < 200 * 1024);
    CannedHttpServer server;
    server.setReply(CannedHttpServer::answer(200, bomb, "Content-Encoding: deflate\r\n"));
    Downloader downloader;
    downloader.setMaxBodySize(0);
    Downloader::Status status = Downloader::NotStarted;
    QByteArray const body = downloader.get(server.url(), QEventLoop::AllEvents, &status);
    // The body is asked for as it is stored, and an inflated one never comes back.
    QCOMPARE(server.requestHeads().size(), 1);
    QVERIFY2(server.requestHeads().first().toLower().contains("\r\naccept-encoding: identity\r\n"),
             server.requestHeads().first().constData());
    QCOMPARE(body.size(), 0);
    QCOMPARE(status, Downloader::ConnectionFailed);
    QCOMPARE(downloader.httpStatus(), 200);
    QVERIFY(!downloader.errorString().isEmpty());
}

void TestDownloader::bodyLimit_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Downloader::Status>("status");

    constexpr int kLimit = 1000;
    QByteArray const atLimit(kLimit, 'a');
    QByteArray const overLimit(kLimit + 1, 'o');
    QTest::newRow("length at the limit") << CannedHttpServer::answer(200, atLimit) << Downloader::Succeeded;
    QTest::newRow("length over the limit") << CannedHttpServer::answer(200, overLimit) << Downloader::TooLarge;
    QTest::newRow("announced over, short body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\nabc") << Downloader::TooLarge;
    QTest::newRow("to the close, at the limit")
        << "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + atLimit << Downloader::Succeeded;
    QTest::newRow("to the close, over the limit")
        << "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + overLimit << Downloader::TooLarge;
    QTest::newRow("chunks at the limit") << chunked(atLimit, 300) << Downloader::Succeeded;
    QTest::newRow("chunks over the limit") << chunked(overLimit, 300) << Downloader::TooLarge;
}

void TestDownloader::bodyLimit()
{
    QFETCH(QByteArray, reply);
    QFETCH(Downloader::Status, status);

    CannedHttpServer server;
    server.setReply(reply);
    Downloader downloader;
    downloader.setMaxBodySize(1000);
    QCOMPARE(downloader.maxBodySize(), qint64(1000));
    downloader.setTimeout(5000);
    Downloader::Status reported = Downloader::NotStarted;
    QByteArray const body = downloader.get(server.url(), QEventLoop::AllEvents, &reported);
    QCOMPARE(reported, status);
    QCOMPARE(body.size(), status == Downloader::Succeeded ? 1000 : 0);
    QCOMPARE(downloader.errorString().isEmpty(), status == Downloader::Succeeded);
}

void TestDownloader::defaultLimitStopsAHugeBody()
{
    // A caller that sets no limit is still protected: 17 MB without a length
    // is given up, and nothing that large is handed back.
    QTemporaryDir dir;
    QString const target = dir.filePath("huge.bin");
    CannedHttpServer server;
    server.setReply("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(17 * 1024 * 1024, 'h'));
    Downloader downloader;
    downloader.setTimeout(10000);
    Downloader::Status status = Downloader::NotStarted;
    QVERIFY(!downloader.getToFile(server.url(), target, QEventLoop::AllEvents, &status));
    QCOMPARE(status, Downloader::TooLarge);
    QVERIFY(!QFile::exists(target));
}

void TestDownloader::eachRequestReturnsOnlyItsOwnBody()
{
    CannedHttpServer server;
    Downloader downloader;
    downloader.setTimeout(kTestTimeoutMs);

    server.setReply(CannedHttpServer::answer(200, "first"));
    QCOMPARE(downloader.get(server.url()), QByteArray("first"));
    server.setReply(CannedHttpServer::answer(404, "gone"));
    QCOMPARE(downloader.get(server.url()), QByteArray());
    QCOMPARE(downloader.status(), Downloader::ServerError);
    server.setSilent();
    QCOMPARE(downloader.get(server.url()), QByteArray());
    QCOMPARE(downloader.status(), Downloader::TimedOut);
    server.setReply(CannedHttpServer::answer(200, "second"));
    QCOMPARE(downloader.get(server.url()), QByteArray("second"));
    QCOMPARE(downloader.status(), Downloader::Succeeded);
    QCOMPARE(downloader.errorString(), QString());
}

void TestDownloader::busyCallIsTurnedAwayAndFirstRequestGoesOn()
{
    CannedHttpServer server;
    server.setSilent();
    Downloader downloader;
    downloader.setTimeout(5000);

    bool checked = false;
    // Runs inside the first get's nested loop once the server holds the request.
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (server.requests().isEmpty())
            return;
        poll.stop();
        QVERIFY(!downloader.isFinished());
        QCOMPARE(downloader.status(), Downloader::Running);
        Downloader::Status status = Downloader::NotStarted;
        QCOMPARE(downloader.get(server.url("/second")), QByteArray());
        QCOMPARE(downloader.getToFile(server.url("/third"), QStringLiteral("/nonexistent/x"), QEventLoop::AllEvents,
                                      &status),
                 false);
        QCOMPARE(status, Downloader::Busy);
        QCOMPARE(downloader.status(), Downloader::Running);
        checked = true;
        server.answerWaiting(CannedHttpServer::answer(200, "own body"));
    });
    poll.start();

    Downloader::Status status = Downloader::NotStarted;
    QCOMPARE(downloader.get(server.url("/first"), QEventLoop::AllEvents, &status), QByteArray("own body"));
    QVERIFY(checked);
    QCOMPARE(status, Downloader::Succeeded);
    QVERIFY(downloader.isFinished());
    // The turned-away calls never reached the server.
    QCOMPARE(server.requests(), QList<QByteArray>{"GET /first HTTP/1.1"});
}

void TestDownloader::deletedWhileWaiting_data()
{
    QTest::addColumn<DeletionDuringWait>("deletion");
    QTest::addColumn<bool>("toFile");
    // The server holds the request (silent), or sends the head and part of the
    // body and holds the rest (for progress): each request is still waiting
    // when its downloader goes.
    QTest::newRow("parent deleted") << DeletionDuringWait::ParentByTimer << false;
    QTest::newRow("parent deleted, to a file") << DeletionDuringWait::ParentByTimer << true;
    QTest::newRow("deleteLater from a timer") << DeletionDuringWait::LaterByTimer << false;
    QTest::newRow("deleteLater beforehand") << DeletionDuringWait::LaterBeforehand << false;
    QTest::newRow("deleted by progress") << DeletionDuringWait::ByProgressSlot << false;
    QTest::newRow("deleteLater from progress") << DeletionDuringWait::LaterByProgress << false;
}

void TestDownloader::deletedWhileWaiting()
{
    QFETCH(DeletionDuringWait, deletion);
    QFETCH(bool, toFile);
    bool const byProgress =
        deletion == DeletionDuringWait::ByProgressSlot || deletion == DeletionDuringWait::LaterByProgress;
    CannedHttpServer server;
    if (byProgress)
        server.setReply("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst part", CannedHttpServer::KeepOpen);
    else
        server.setSilent();
    QPointer<QObject> parent = new QObject;
    QPointer<Downloader> downloader = new Downloader(parent);
    // Longer than any test waits: a request that returns did not time out.
    downloader->setTimeout(60000);
    QPointer<QMRequest::DownloadManager> const manager = downloader->findChild<QMRequest::DownloadManager*>();
    QVERIFY(manager);

    arrangeDeletion(deletion, downloader.data(), parent, &Downloader::progress);

    QTemporaryDir dir;
    QString const target = dir.filePath("target.txt");
    Downloader::Status status = Downloader::NotStarted;
    QByteArray body("not touched");
    if (toFile)
        QVERIFY(!downloader->getToFile(server.url(), target, QEventLoop::AllEvents, &status));
    else
        body = downloader->get(server.url(), QEventLoop::AllEvents, &status);

    // Back from the request: it ended without touching the deleted downloader
    // (the sanitizer reports any use after the deletion) and says so.
    QCOMPARE(status, Downloader::Aborted);
    QVERIFY(body.isEmpty() || toFile);
    QVERIFY(downloader.isNull());
    QVERIFY(!QFile::exists(target));
    // The transfer goes too, once the event loop has it.
    QTRY_VERIFY(manager.isNull());
    delete parent.data();
}

void TestDownloader::getToFile_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<CannedHttpServer::Ending>("ending");
    QTest::addColumn<Downloader::Status>("status");

    auto const close = CannedHttpServer::CloseAfterReply;
    QTest::newRow("success") << CannedHttpServer::answer(200, "new contents") << close << Downloader::Succeeded;
    QTest::newRow("empty success") << CannedHttpServer::answer(200, "") << close << Downloader::Succeeded;
    QTest::newRow("404") << CannedHttpServer::answer(404, "not found page") << close << Downloader::ServerError;
    QTest::newRow("dropped mid-body") << kDroppedMidBody << close << Downloader::ConnectionFailed;
    QTest::newRow("time-out") << QByteArray() << CannedHttpServer::Silent << Downloader::TimedOut;
}

void TestDownloader::getToFile()
{
    QFETCH(QByteArray, reply);
    QFETCH(CannedHttpServer::Ending, ending);
    QFETCH(Downloader::Status, status);

    QTemporaryDir dir;
    QString const target = dir.filePath("target.txt");
    QByteArray const old = "old contents that must survive a failure";
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }

    CannedHttpServer server;
    server.setReply(reply, ending);
    Downloader downloader;
    downloader.setTimeout(kTestTimeoutMs);
    Downloader::Status reported = Downloader::NotStarted;
    bool const written = downloader.getToFile(server.url(), target, QEventLoop::AllEvents, &reported);
    QCOMPARE(reported, status);
    QCOMPARE(written, status == Downloader::Succeeded);

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray const expected = status == Downloader::Succeeded ? reply.mid(reply.indexOf("\r\n\r\n") + 4) : old;
    QCOMPARE(file.readAll(), expected);
    // No temporary file is left beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"target.txt"});
}

void TestDownloader::getToFileReportsUnwritableTarget()
{
    QTemporaryDir dir;
    CannedHttpServer server;
    server.setReply(CannedHttpServer::answer(200, "data"));
    Downloader downloader;
    Downloader::Status status = Downloader::NotStarted;
    QVERIFY(
        !downloader.getToFile(server.url(), dir.filePath("missing/folder/file.txt"), QEventLoop::AllEvents, &status));
    QCOMPARE(status, Downloader::FileNotWritten);
    QCOMPARE(downloader.status(), Downloader::FileNotWritten);
    QVERIFY(!downloader.errorString().isEmpty());
}

void TestDownloader::progressPercent_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QList<int>>("percents");
    QTest::newRow("half") << qint64(50) << qint64(100) << 50 << QList<int>{50};
    QTest::newRow("truncated") << qint64(2) << qint64(3) << 2 << QList<int>{66};
    QTest::newRow("complete") << qint64(7) << qint64(7) << 7 << QList<int>{100};
    QTest::newRow("total unknown (0)") << qint64(10) << qint64(0) << 10 << QList<int>{};
    QTest::newRow("total unknown (-1)") << qint64(10) << qint64(-1) << 10 << QList<int>{};
    QTest::newRow("count beyond int") << qint64(5000000000LL) << qint64(10000000000LL) << 2147483647 << QList<int>{50};
}

void TestDownloader::progressPercent()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(int, progress);
    QFETCH(QList<int>, percents);

    Downloader downloader;
    QSignalSpy progressSpy(&downloader, &Downloader::progress);
    QSignalSpy percentSpy(&downloader, &Downloader::progressPercent);
    downloader.slotProgress(received, total);
    QCOMPARE(progressSpy.size(), 1);
    QCOMPARE(progressSpy.at(0).at(0).toInt(), progress);
    QList<int> seen;
    for (auto const& args : qAsConst(percentSpy))
        seen.append(args.at(0).toInt());
    QCOMPARE(seen, percents);
}

void TestDownloader::progressOverNetwork()
{
    CannedHttpServer server;
    Downloader downloader;
    QSignalSpy percentSpy(&downloader, &Downloader::progressPercent);
    QSignalSpy progressSpy(&downloader, &Downloader::progress);

    server.setReply(CannedHttpServer::answer(200, QByteArray(5000, 'x')));
    QCOMPARE(downloader.get(server.url()).size(), 5000);
    QVERIFY(!percentSpy.isEmpty());
    QCOMPARE(percentSpy.last().at(0).toInt(), 100);
    QCOMPARE(progressSpy.last().at(0).toInt(), 5000);

    // While the length is unknown the total is reported as -1; only the closing
    // report (received = total) gives a percentage.
    percentSpy.clear();
    progressSpy.clear();
    auto* manager = downloader.findChild<QMRequest::DownloadManager*>();
    QVERIFY(manager);
    QSignalSpy rawSpy(manager, &QMRequest::DownloadManager::downloadProgress);
    server.setReply(kUnknownLength, CannedHttpServer::KeepOpen);
    // The rest follows a little later, so the first part is reported on its own.
    QTimer::singleShot(200, &server, [&server] { server.answerWaiting("without a length"); });
    QCOMPARE(downloader.get(server.url()), QByteArray("some body without a length"));
    QVERIFY(std::any_of(rawSpy.begin(), rawSpy.end(), [](auto const& a) { return a.at(1).toLongLong() <= 0; }));
    QCOMPARE(progressSpy.size(), rawSpy.size());
    for (auto const& args : qAsConst(percentSpy))
        QCOMPARE(args.at(0).toInt(), 100);
}

void TestDownloader::managerRunsDownloadsSideBySide()
{
    CannedHttpServer good;
    good.setReply(CannedHttpServer::answer(200, "body"));
    CannedHttpServer missing;
    missing.setReply(CannedHttpServer::answer(404, "nothing"));
    QMRequest::DownloadManager manager;
    QSignalSpy done(&manager, &QMRequest::DownloadManager::done);
    QSignalSpy error(&manager, &QMRequest::DownloadManager::error);
    QSignalSpy ended(&manager, &QMRequest::DownloadManager::replyEnded);

    manager.download(QUrl(good.url("/a")));
    manager.download(QUrl(missing.url("/b")));
    manager.download(QUrl(good.url("/c")));
    QTRY_COMPARE(ended.size(), 3);
    QCOMPARE(done.size(), 2);
    QCOMPARE(error.size(), 1);
    QSet<QString> urls;
    for (auto const& args : qAsConst(done)) {
        urls.insert(args.at(0).toUrl().path());
        QCOMPARE(args.at(1).toByteArray(), QByteArray("body"));
    }
    QCOMPARE(urls, (QSet<QString>{"/a", "/c"}));
    for (auto const& args : qAsConst(ended)) {
        bool const failed = args.at(0).toUrl().path() == QLatin1String("/b");
        QCOMPARE(args.at(1).value<QMRequest::DownloadManager::Failure>(),
                 failed ? QMRequest::DownloadManager::ServerFailure : QMRequest::DownloadManager::NoFailure);
        QCOMPARE(args.at(2).toInt(), failed ? 404 : 200);
    }
}

QTEST_GUILESS_MAIN(TestDownloader)
#include "tst_downloader.moc"
