#pragma once
// Reads an HTTP/1.1 answer as its bytes arrive: the status line, the headers and
// the body, framed by its length, by chunks or by the end of the connection.
// Pure: no sockets, so it can be fed anything. Private to QMRequest.

#include <QByteArray>
#include <QHash>

namespace QMRequest {

class HttpResponseParser
{
public:
    enum State { ReadingHead, ReadingBody, Complete, Failed };
    enum Error {
        NoError,
        Malformed,    // not an HTTP answer, or a head or chunk line past its size limit
        BodyTooLarge, // the body is longer than the limit given
        Truncated,    // the connection ended before the answer did
        EncodedBody   // a compressed (or otherwise encoded) body, which was not asked for
    };

    // A head (status line and headers) larger than this is refused.
    static constexpr int kMaxHeadSize = 64 * 1024;

    // maxBodySize <= 0 sets no limit on the body.
    explicit HttpResponseParser(qint64 maxBodySize = 0);

    // Takes the next bytes of the connection. Bytes after the end of the answer
    // are ignored.
    State feed(QByteArray const& bytes);
    // The connection has ended: this completes a body that runs to the end of
    // the connection; any other unfinished answer was cut short.
    State closed();

    State state() const { return m_state; }
    Error error() const { return m_error; }
    // The status of the final answer (interim 1xx answers are skipped); 0 until
    // its head has been read.
    int statusCode() const { return m_nStatus; }
    QByteArray reasonPhrase() const { return m_reason; }
    // A header of the final answer (the last one of that name), name in any case.
    QByteArray header(QByteArray const& name) const { return m_headers.value(name.toLower()); }
    // The length the server announced, -1 when it gave none.
    qint64 contentLength() const { return m_nLength; }
    QByteArray const& body() const { return m_body; }

private:
    enum Framing { ByLength, ByChunks, ByClose };
    enum ChunkStep { ChunkSize, ChunkData, ChunkDataEnd, ChunkTrailer };

    bool takeLine(QByteArray* line);
    void readHead();
    bool readStatusLine(QByteArray const& line);
    void endOfHead();
    void readBody();
    void readChunks();
    bool appendBody(char const* data, qint64 size);
    void fail(Error error);

    qint64 m_nMaxBody;
    State m_state = ReadingHead;
    Error m_error = NoError;
    QByteArray m_buffer; // received bytes not yet taken, from m_nPos on
    int m_nPos = 0;
    int m_nHeadBytes = 0;
    bool m_bStatusLine = true;
    int m_nCode = 0;
    int m_nStatus = 0;
    QByteArray m_reason;
    QHash<QByteArray, QByteArray> m_headers;
    qint64 m_nLength = -1;
    Framing m_eFraming = ByClose;
    ChunkStep m_eChunkStep = ChunkSize;
    qint64 m_nChunkLeft = 0;
    QByteArray m_body;
};

} // namespace QMRequest
