#pragma once
// A tiny HTTP server for tests: listens on 127.0.0.1 (a free port), reads one
// request per connection and answers it with canned bytes, or stays silent.
// It lives in the test's own thread, so it serves a blocking call's nested loop.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

class CannedHttpServer : public QObject
{
public:
    enum Ending {
        CloseAfterReply, // write the bytes, then close the connection
        Silent,          // read the request and never answer
        KeepOpen         // write the bytes and wait (answerWaiting sends the rest)
    };

    CannedHttpServer()
    {
        // Nothing in a test may go through a proxy of the environment.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        m_server.setProxy(QNetworkProxy::NoProxy);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    // "127.0.0.1:<port>", an address without a scheme.
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    QString url(QString const& path = QStringLiteral("/")) const
    {
        return QStringLiteral("http://") + hostAndPort() + path;
    }

    void setReply(QByteArray const& bytes, Ending ending = CloseAfterReply)
    {
        m_reply = bytes;
        m_ending = ending;
    }
    void setSilent() { setReply(QByteArray(), Silent); }

    // Sends each reply a few bytes at a time with a pause between (a slow
    // server or line); 0 bytes sends it whole, as by default.
    void setTrickle(int bytesPerStep, int intervalMs)
    {
        m_nTrickleBytes = bytesPerStep;
        m_nTrickleMs = intervalMs;
    }

    // Answers every request that is still waiting (Silent or KeepOpen), then closes.
    void answerWaiting(QByteArray const& bytes)
    {
        for (QTcpSocket* socket : qAsConst(m_waiting)) {
            socket->write(bytes);
            socket->flush();
            socket->disconnectFromHost();
        }
        m_waiting.clear();
    }

    // The request lines ("GET /path HTTP/1.1") received so far, in order.
    QList<QByteArray> const& requests() const { return m_requests; }
    // The whole heads of those requests (request line and headers).
    QList<QByteArray> const& requestHeads() const { return m_requestHeads; }

    // Milliseconds since the last bytes went out to any client; -1 before the first.
    qint64 msSinceLastWrite() const { return m_lastWrite.isValid() ? m_lastWrite.elapsed() : -1; }

    // A complete HTTP/1.1 answer with a Content-Length.
    static QByteArray answer(int status, QByteArray const& body, QByteArray const& extraHeaders = QByteArray())
    {
        QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : status == 302 ? "Found" : "Status";
        return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n" + extraHeaders
               + "Content-Type: text/plain; charset=utf-8\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\nConnection: close\r\n\r\n" + body;
    }

private:
    void serve(QTcpSocket* socket)
    {
        socket->setParent(this);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            int const end = buffer->indexOf("\r\n\r\n");
            if (end < 0 || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            m_requests.append(buffer->left(buffer->indexOf("\r\n")));
            m_requestHeads.append(buffer->left(end + 4));
            if (m_nTrickleBytes > 0)
                trickle(socket, m_reply, m_ending);
            else
                reply(socket, m_reply, m_ending);
        });
    }

    void reply(QTcpSocket* socket, QByteArray const& bytes, Ending ending)
    {
        socket->write(bytes);
        socket->flush();
        m_lastWrite.start();
        if (ending == CloseAfterReply)
            socket->disconnectFromHost();
        else
            m_waiting.append(socket);
    }

    void trickle(QTcpSocket* socket, QByteArray const& bytes, Ending ending)
    {
        auto* timer = new QTimer(socket);
        // Coarse timers may fire a little early; a trickle's pace is what the tests time.
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(m_nTrickleMs);
        auto sent = std::make_shared<int>(0);
        int const step = m_nTrickleBytes;
        connect(timer, &QTimer::timeout, socket, [this, socket, timer, bytes, ending, sent, step] {
            if (*sent + step >= bytes.size()) {
                timer->stop();
                reply(socket, bytes.mid(*sent), ending);
                return;
            }
            socket->write(bytes.mid(*sent, step));
            socket->flush();
            m_lastWrite.start();
            *sent += step;
        });
        timer->start();
    }

    QTcpServer m_server;
    QElapsedTimer m_lastWrite;
    QByteArray m_reply;
    Ending m_ending = CloseAfterReply;
    QList<QByteArray> m_requests;
    QList<QByteArray> m_requestHeads;
    QList<QTcpSocket*> m_waiting;
    int m_nTrickleBytes = 0;
    int m_nTrickleMs = 0;
};
