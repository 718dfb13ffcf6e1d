#pragma once
// An FTP server for tests that breaks the rules on purpose: it listens on
// 127.0.0.1 (a free port), in the test's own thread, so it serves a blocking
// client's nested loop. It speaks just enough FTP for a login, SIZE, RETR and
// MLSD over EPSV, and in each mode misbehaves in one way:
//
//   DrippingGreeting   a "220-" greeting that gets one more line every interval
//                      and never its last one
//   UncodedGreeting    lines without a reply code, one every interval, and never
//                      a reply
//   EndlessGreeting    a "220-" greeting of 60 kB lines, as fast as the client
//                      reads them, that never ends
//   EndlessListing     an MLSD listing whose data never ends
//
// "Never" is long enough for any test: the dripping modes give up after
// kMaxDripLines lines, the endless ones after kMaxFloodBytes bytes, and close
// the connection, so that a client that waits for them is seen to fail.
//   LyingSize          SIZE announces fileSize() bytes, RETR sends half of them
//                      and says "226" all the same
//   VanishingTransfer  RETR sends half of the announced bytes, then closes both
//                      connections
//   LateReplies        CWD is answered "250" and RETR "226" (after a "150" and no
//                      data at all) only after interval; "CWD missing" gets its
//                      "550" at once
//   IdleFlood          after the login, lines without a reply code as fast as the
//                      client reads them, up to kMaxFloodBytes, unasked
//   SlowTransfer       RETR sends the whole file in kSlowPieces pieces, one every
//                      interval, then "226"
//   LongListing        MLSD lists entryCount() entries (every tenth a folder),
//                      then "226"
//
// Every mode answers PASS with passwordReply() ("230 Logged in" by default) and
// records the verbs it was sent (commands()).
//
//     HostileFtpServer server(HostileFtpServer::LyingSize);
//     QVERIFY(server.isListening());
//     client.connectToHost("127.0.0.1", server.port());

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class HostileFtpServer : public QObject
{
public:
    enum Mode {
        DrippingGreeting,
        UncodedGreeting,
        EndlessGreeting,
        EndlessListing,
        LyingSize,
        VanishingTransfer,
        LateReplies,
        IdleFlood,
        SlowTransfer,
        LongListing
    };
    static constexpr int kMaxDripLines = 300;
    static constexpr int kSlowPieces = 10;
    static constexpr qint64 kMaxFloodBytes = 64 * 1024 * 1024;

    explicit HostileFtpServer(Mode mode, QObject* parent = nullptr);
    ~HostileFtpServer() override;

    bool isListening() const { return m_control.isListening(); }
    quint16 port() const { return m_control.serverPort(); }

    // Milliseconds between the lines of the dripping modes (100 by default).
    void setInterval(int milliseconds) { m_nIntervalMs = milliseconds; }
    // The size SIZE announces (100000 by default); half of it is sent.
    void setFileSize(qint64 bytes) { m_nFileSize = bytes; }
    qint64 fileSize() const { return m_nFileSize; }
    // The bytes of the file as far as they are sent.
    static QByteArray content(qint64 bytes);
    // The entries of LongListing (10 by default).
    void setEntryCount(int count) { m_nEntryCount = count; }
    int entryCount() const { return m_nEntryCount; }
    // The whole reply line to PASS.
    void setPasswordReply(QByteArray const& line) { m_passwordReply = line; }
    QByteArray passwordReply() const { return m_passwordReply; }

    // The verbs received so far on every control connection, in order.
    QList<QByteArray> const& commands() const { return m_commands; }
    // Replies sent late in LateReplies; bytes sent unasked in IdleFlood.
    int lateRepliesSent() const { return m_nLateReplies; }
    qint64 bytesFlooded() const { return m_nFlooded; }

    // Control connections accepted so far, and those still open.
    int connectionsAccepted() const { return m_nAccepted; }
    int connectionsOpen() const { return m_nOpen; }

private:
    class Session;
    friend class Session;

    Mode m_eMode;
    QTcpServer m_control;
    int m_nIntervalMs = 100;
    qint64 m_nFileSize = 100000;
    int m_nEntryCount = 10;
    QByteArray m_passwordReply = "230 Logged in";
    QList<QByteArray> m_commands;
    int m_nLateReplies = 0;
    qint64 m_nFlooded = 0;
    int m_nAccepted = 0;
    int m_nOpen = 0;
};
