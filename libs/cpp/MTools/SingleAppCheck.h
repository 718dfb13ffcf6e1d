#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace MTools {

// Tells whether another copy of the application already runs and hands that copy
// a text message. The first copy owns a one-byte shared-memory segment named by
// the key and a local-socket server named by a hash of it (serverName), so that
// any key can listen, however long and whatever characters it holds; a later
// copy finds the segment and sends its messages to the server, one connection
// per message (the UTF-8 bytes, the end of the connection ending the message).
//
// A segment left behind by a copy that crashed is recognised by nobody answering
// on the socket and nobody else holding it: the new copy removes it and becomes
// the first copy. A segment that a live copy still holds means "running", even
// when that copy cannot listen. Only connections from the same user are listened
// to.
class SingleAppCheck : public QObject
{
    Q_OBJECT

public:
    explicit SingleAppCheck(const QString& key);
    ~SingleAppCheck() override;

    bool isRunning() const;
    // Sends the message to the first copy; true when all its bytes were written.
    // Always false in the first copy itself. A message longer than
    // kMaxMessageBytes in UTF-8 is refused before anything is sent, with a
    // warning. Blocks up to a second each for connecting and for writing.
    bool sendMessage(const QString& message);

    // The local server name the first copy listens on for a key.
    static QString serverName(const QString& key);
    // Messages are short texts (arguments, paths); the first copy takes no more
    // than this from one connection.
    static constexpr int kMaxMessageBytes = 1 << 20;

signals:
    // One per received connection that delivered data, cut at the first zero
    // character.
    void messageAvailable(const QString& message);

public slots:
    void slotReceiveMessage();

private:
    bool firstCopyAnswers() const;
    bool becomeFirstCopy();
    void receive(QLocalSocket* socket);

    bool m_bIsRunning = false;
    QString m_sKey;
    QSharedMemory m_sharedMemory;
    QLocalServer* m_pLocalServer = nullptr;
};

} // namespace MTools
