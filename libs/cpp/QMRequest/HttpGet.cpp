#include "QMRequest/HttpGet_p.h"

#include <QSslSocket>
#include <QTcpSocket>

namespace QMRequest {

namespace {

// The answer's body is read exactly as sent, so nothing can inflate a small
// reply into a huge one; the connection serves this one request.
QByteArray requestFor(QUrl const& url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.1\r\nHost: " + host
           + "\r\nUser-Agent: Mozilla/5.0\r\nAccept: */*\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

QString parserErrorText(HttpResponseParser::Error error)
{
    switch (error) {
    case HttpResponseParser::NoError:
        break;
    case HttpResponseParser::Malformed:
        return QStringLiteral("The server's answer is not valid HTTP");
    case HttpResponseParser::BodyTooLarge:
        return QStringLiteral("The answer is larger than the size limit");
    case HttpResponseParser::Truncated:
        return QStringLiteral("The connection ended before the answer was complete");
    case HttpResponseParser::EncodedBody:
        return QStringLiteral("The server sent an encoded body that was not asked for");
    }
    return QString();
}

} // namespace

HttpGet::HttpGet(QUrl const& url, int timeoutMs, qint64 maxBodySize, QObject* parent)
    : QObject(parent)
    , m_url(url)
    , m_parser(maxBodySize)
{
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(qMax(0, timeoutMs));
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        end(DownloadManager::TimeOutFailure, QStringLiteral("Nothing arrived for %1 ms").arg(m_watchdog.interval()));
    });
}

HttpGet::~HttpGet() = default;

void HttpGet::start()
{
    QString const scheme = m_url.scheme().toLower();
    bool const secure = scheme == QLatin1String("https");
    if (!m_url.isValid() || m_url.host().isEmpty()) {
        endLater(DownloadManager::ConnectionFailure, QStringLiteral("Invalid address: %1").arg(m_url.toString()));
        return;
    }
    if (!secure && scheme != QLatin1String("http")) {
        endLater(DownloadManager::ConnectionFailure, QStringLiteral("Protocol \"%1\" is unknown").arg(scheme));
        return;
    }
    if (secure && !QSslSocket::supportsSsl()) {
        endLater(DownloadManager::ConnectionFailure, QStringLiteral("Secure connections are not available"));
        return;
    }

    QSslSocket* secureSocket = secure ? new QSslSocket(this) : nullptr;
    m_pSocket = secure ? secureSocket : new QTcpSocket(this);
    if (secureSocket)
        connect(secureSocket, &QSslSocket::encrypted, this, &HttpGet::sendRequest);
    else
        connect(m_pSocket, &QTcpSocket::connected, this, &HttpGet::sendRequest);
    connect(m_pSocket, &QTcpSocket::readyRead, this, &HttpGet::readAvailable);
    connect(m_pSocket, &QTcpSocket::disconnected, this, &HttpGet::connectionEnded);
    connect(m_pSocket, &QAbstractSocket::errorOccurred, this, &HttpGet::socketFailed);

    // The time-out counts silence, not the whole transfer: it starts again at
    // every sign of life, so a large or slow answer that keeps coming is never
    // cut off, while a server that says nothing is.
    if (m_watchdog.interval() > 0) {
        connect(m_pSocket, &QTcpSocket::connected, &m_watchdog, qOverload<>(&QTimer::start));
        m_watchdog.start();
    }

    quint16 const port = quint16(m_url.port(secure ? 443 : 80));
    if (secureSocket)
        secureSocket->connectToHostEncrypted(m_url.host(), port);
    else
        m_pSocket->connectToHost(m_url.host(), port);
}

void HttpGet::sendRequest()
{
    m_pSocket->write(requestFor(m_url));
}

void HttpGet::readAvailable()
{
    if (m_bEnded)
        return;
    QByteArray const bytes = m_pSocket->readAll();
    if (bytes.isEmpty())
        return;
    if (m_watchdog.interval() > 0)
        m_watchdog.start();
    m_parser.feed(bytes);
    check();
}

void HttpGet::connectionEnded()
{
    if (m_bEnded)
        return;
    readAvailable();
    if (m_bEnded)
        return;
    m_parser.closed();
    check();
}

void HttpGet::socketFailed(QAbstractSocket::SocketError error)
{
    if (m_bEnded)
        return;
    // A server that closes after its answer is the normal end of an answer
    // without a length.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        connectionEnded();
        return;
    }
    end(DownloadManager::ConnectionFailure, m_pSocket->errorString());
}

void HttpGet::check()
{
    int const status = m_parser.statusCode();
    // An error page is not wanted: the status says all there is to say.
    if (status >= 400) {
        end(DownloadManager::ServerFailure,
            QStringLiteral("The server replied: %1 %2").arg(status).arg(QString::fromLatin1(m_parser.reasonPhrase())));
        return;
    }
    qint64 const received = m_parser.body().size();
    HttpResponseParser::State const state = m_parser.state();
    if (state == HttpResponseParser::Failed) {
        bool const tooLarge = m_parser.error() == HttpResponseParser::BodyTooLarge;
        end(tooLarge ? DownloadManager::TooLargeFailure : DownloadManager::ConnectionFailure,
            parserErrorText(m_parser.error()));
        return;
    }
    if (status != 0 && received != m_nReported) {
        m_nReported = received;
        emit progress(received, m_parser.contentLength());
    }
    if (state == HttpResponseParser::Complete) {
        // Without an announced length the total is known only now.
        if (m_parser.contentLength() < 0)
            emit progress(received, received);
        end(DownloadManager::NoFailure, QString());
    }
}

void HttpGet::end(DownloadManager::Failure failure, QString const& error)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_eFailure = failure;
    m_sError = error;
    m_watchdog.stop();
    if (m_pSocket) {
        m_pSocket->disconnect(this);
        m_pSocket->abort();
    }
    emit finished();
}

void HttpGet::endLater(DownloadManager::Failure failure, QString const& error)
{
    QMetaObject::invokeMethod(
        this, [this, failure, error] { end(failure, error); }, Qt::QueuedConnection);
}

} // namespace QMRequest
