#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace MTools {

// Tells whether another copy of the application already runs and hands that copy
// a text message. The first copy owns a one-byte shared-memory segment and a
// local-socket server, both named by the key; a later copy finds the segment, sees
// the server answer, and sends its messages there, one connection per message
// (the UTF-8 bytes, the end of the connection ending the message).
//
// A segment left behind by a copy that crashed is recognised by nobody answering
// on the socket: the new copy removes it and becomes the first copy. Only
// connections from the same user are listened to.
class SingleAppCheck : public QObject
{
    Q_OBJECT

public:
    explicit SingleAppCheck(const QString& key);
    ~SingleAppCheck() override;

    bool isRunning() const;
    // Sends the message to the first copy; true when all its bytes were written.
    // Always false in the first copy itself. Blocks up to a second each for
    // connecting and for writing.
    bool sendMessage(const QString& message);

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
