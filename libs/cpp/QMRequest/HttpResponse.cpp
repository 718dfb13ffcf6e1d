#include "QMRequest/HttpResponse_p.h"

#include <limits>

namespace QMRequest {

namespace {

// A chunk-size line or a trailer line longer than this is refused.
constexpr int kMaxLineSize = 8 * 1024;

bool parseDecimal(QByteArray const& text, qint64* value)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    qint64 result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    *value = result;
    return true;
}

bool parseHex(QByteArray const& text, qint64* value)
{
    // Fifteen hex digits stay below the largest qint64.
    if (text.isEmpty() || text.size() > 15)
        return false;
    bool ok = false;
    *value = text.toLongLong(&ok, 16);
    return ok && *value >= 0;
}

} // namespace

HttpResponseParser::HttpResponseParser(qint64 maxBodySize)
    : m_nMaxBody(maxBodySize)
{
}

HttpResponseParser::State HttpResponseParser::feed(QByteArray const& bytes)
{
    if (m_state != ReadingHead && m_state != ReadingBody)
        return m_state;
    m_buffer.append(bytes);
    if (m_state == ReadingHead)
        readHead();
    if (m_state == ReadingBody)
        readBody();
    m_buffer.remove(0, m_nPos);
    m_nPos = 0;
    return m_state;
}

HttpResponseParser::State HttpResponseParser::closed()
{
    if (m_state == ReadingBody && m_eFraming == ByClose)
        m_state = Complete;
    else if (m_state == ReadingHead || m_state == ReadingBody)
        fail(Truncated);
    return m_state;
}

bool HttpResponseParser::takeLine(QByteArray* line)
{
    int const end = m_buffer.indexOf('\n', m_nPos);
    if (end < 0)
        return false;
    *line = m_buffer.mid(m_nPos, end - m_nPos);
    if (line->endsWith('\r'))
        line->chop(1);
    m_nPos = end + 1;
    return true;
}

void HttpResponseParser::readHead()
{
    QByteArray line;
    int start = m_nPos;
    while (m_state == ReadingHead && takeLine(&line)) {
        m_nHeadBytes += m_nPos - start;
        start = m_nPos;
        if (m_nHeadBytes > kMaxHeadSize) {
            fail(Malformed);
        } else if (m_bStatusLine) {
            if (readStatusLine(line))
                m_bStatusLine = false;
        } else if (line.isEmpty()) {
            endOfHead();
        } else {
            int const colon = line.indexOf(':');
            if (colon <= 0)
                fail(Malformed);
            else
                m_headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
    }
    // A head that never ends must not grow without bound either.
    if (m_state == ReadingHead && m_nHeadBytes + (m_buffer.size() - m_nPos) > kMaxHeadSize)
        fail(Malformed);
}

bool HttpResponseParser::readStatusLine(QByteArray const& line)
{
    // "HTTP/1.1 200 OK"; the reason phrase may be empty.
    int const space = line.indexOf(' ');
    QByteArray const code = line.mid(space + 1, 3);
    bool ok = line.startsWith("HTTP/") && space > 0 && code.size() == 3
              && (line.size() == space + 4 || line.at(space + 4) == ' ');
    qint64 value = 0;
    ok = ok && parseDecimal(code, &value) && value >= 100 && value <= 599;
    if (!ok) {
        fail(Malformed);
        return false;
    }
    m_nCode = int(value);
    m_reason = line.mid(space + 5).trimmed();
    m_headers.clear();
    return true;
}

void HttpResponseParser::endOfHead()
{
    // An interim answer ("100 Continue") is followed by the real one.
    if (m_nCode < 200) {
        m_bStatusLine = true;
        return;
    }
    m_nStatus = m_nCode;

    QByteArray const encoding = header("Content-Encoding").toLower();
    if (!encoding.isEmpty() && encoding != "identity") {
        fail(EncodedBody);
        return;
    }
    if (m_nStatus == 204 || m_nStatus == 304) {
        m_state = Complete;
        return;
    }

    QByteArray const transfer = header("Transfer-Encoding").toLower();
    QByteArray const length = header("Content-Length");
    if (transfer == "chunked") {
        m_eFraming = ByChunks;
    } else if (!transfer.isEmpty() && transfer != "identity") {
        fail(EncodedBody);
        return;
    } else if (!length.isNull()) {
        if (!parseDecimal(length, &m_nLength)) {
            fail(Malformed);
            return;
        }
        // Refused before a byte of it is kept.
        if (m_nMaxBody > 0 && m_nLength > m_nMaxBody) {
            fail(BodyTooLarge);
            return;
        }
        m_eFraming = ByLength;
        if (m_nLength == 0) {
            m_state = Complete;
            return;
        }
    } else {
        m_eFraming = ByClose;
    }
    m_state = ReadingBody;
}

void HttpResponseParser::readBody()
{
    if (m_eFraming == ByChunks) {
        readChunks();
        return;
    }
    qint64 available = m_buffer.size() - m_nPos;
    if (m_eFraming == ByLength)
        available = qMin(available, m_nLength - m_body.size());
    if (!appendBody(m_buffer.constData() + m_nPos, available))
        return;
    m_nPos += int(available);
    if (m_eFraming == ByLength && m_body.size() == m_nLength)
        m_state = Complete;
}

void HttpResponseParser::readChunks()
{
    QByteArray line;
    while (m_state == ReadingBody) {
        switch (m_eChunkStep) {
        case ChunkSize: {
            if (!takeLine(&line))
                break;
            // "1a;name=value": the extensions after ';' mean nothing to us.
            int const semicolon = line.indexOf(';');
            if (semicolon >= 0)
                line.truncate(semicolon);
            if (!parseHex(line.trimmed(), &m_nChunkLeft)) {
                fail(Malformed);
                return;
            }
            if (m_nMaxBody > 0 && m_body.size() + m_nChunkLeft > m_nMaxBody) {
                fail(BodyTooLarge);
                return;
            }
            m_eChunkStep = m_nChunkLeft == 0 ? ChunkTrailer : ChunkData;
            continue;
        }
        case ChunkData: {
            qint64 const size = qMin<qint64>(m_buffer.size() - m_nPos, m_nChunkLeft);
            if (size == 0)
                break;
            if (!appendBody(m_buffer.constData() + m_nPos, size))
                return;
            m_nPos += int(size);
            m_nChunkLeft -= size;
            if (m_nChunkLeft == 0)
                m_eChunkStep = ChunkDataEnd;
            continue;
        }
        case ChunkDataEnd:
            if (!takeLine(&line))
                break;
            if (!line.isEmpty()) {
                fail(Malformed);
                return;
            }
            m_eChunkStep = ChunkSize;
            continue;
        case ChunkTrailer:
            if (!takeLine(&line))
                break;
            m_nHeadBytes += line.size();
            if (line.isEmpty())
                m_state = Complete;
            else if (line.size() > kMaxLineSize || m_nHeadBytes > kMaxHeadSize)
                fail(Malformed);
            continue;
        }
        break; // waiting for more bytes
    }
    // A line still without its end (the CR of a CR LF may be there already).
    if (m_state == ReadingBody && m_eChunkStep != ChunkData && m_buffer.size() - m_nPos > kMaxLineSize + 1)
        fail(Malformed);
}

bool HttpResponseParser::appendBody(char const* data, qint64 size)
{
    if (m_nMaxBody > 0 && m_body.size() + size > m_nMaxBody) {
        fail(BodyTooLarge);
        return false;
    }
    if (m_body.size() + size > std::numeric_limits<int>::max() - 1) {
        fail(BodyTooLarge);
        return false;
    }
    m_body.append(data, int(size));
    return true;
}

void HttpResponseParser::fail(Error error)
{
    m_state = Failed;
    m_error = error;
}

} // namespace QMRequest
