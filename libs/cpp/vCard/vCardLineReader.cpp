// Physical lines into logical ones: unfolding, quoted-printable soft breaks and
// the byte-order mark.
#include "vCardText_p.h"

#include <QTextCodec>

namespace vCardText {

LineReader::LineReader(const QByteArray& data)
    : m_data(data)
{
}

void LineReader::setKeepFoldBlank(bool keep)
{
    m_keepFoldBlank = keep;
}

bool LineReader::atEnd() const
{
    return m_pos >= m_data.size();
}

QByteArray LineReader::peek(int* nextPos) const
{
    int end = m_data.indexOf('\n', m_pos);
    if (end < 0)
        end = m_data.size();
    *nextPos = end + 1;
    // Any run of CR before the LF belongs to the line end: phones write CR CR LF.
    int length = end - m_pos;
    while (length > 0 && m_data.at(m_pos + length - 1) == '\r')
        --length;
    return m_data.mid(m_pos, length);
}

namespace {

// Whether the parameters of a line ask for quoted-printable values.
bool isQuotedPrintableLine(const QByteArray& line)
{
    const int end = headEnd(line);
    if (end < 0)
        return false;
    const int semicolon = line.indexOf(';');
    if (semicolon < 0 || semicolon > end)
        return false;
    const QList<vCardParam> params = vCardParam::fromByteArray(line.mid(semicolon + 1, end - semicolon - 1));
    for (const vCardParam& param : params) {
        if (isQuotedPrintable(param))
            return true;
    }
    return false;
}

int leadingBlanks(const QByteArray& line)
{
    int count = 0;
    while (count < line.size() && isBlank(line.at(count)))
        ++count;
    return count;
}

} // namespace

bool LineReader::next(QByteArray* line)
{
    if (atEnd())
        return false;
    int nextPos = 0;
    *line = peek(&nextPos);
    m_pos = nextPos;
    if (isFrameLine(*line)) {
        // A frame line takes no continuation, and the card after it may be
        // indented as a whole: its first line sets the indentation.
        m_baseKnown = false;
        return true;
    }
    const int blanks = leadingBlanks(*line);
    if (!m_baseKnown && blanks < line->size()) {
        m_base = blanks;
        m_baseKnown = true;
    }
    // Whether this line is quoted-printable is asked once, at its first soft
    // break, so that a long run of continuation lines costs no more than the text.
    int quotedPrintable = -1;
    while (!atEnd()) {
        const QByteArray following = peek(&nextPos);
        if (isFrameLine(following))
            break;
        const int followingBlanks = leadingBlanks(following);
        if (line->endsWith('=')) {
            if (quotedPrintable < 0)
                quotedPrintable = isQuotedPrintableLine(*line) ? 1 : 0;
            if (quotedPrintable == 1) {
                line->chop(1);
                line->append(following.mid(qMin(m_base, followingBlanks)));
                m_pos = nextPos;
                continue;
            }
        }
        if (followingBlanks <= m_base || followingBlanks == following.size())
            break;
        line->append(following.mid(m_keepFoldBlank ? m_base : m_base + 1));
        m_pos = nextPos;
    }
    return true;
}

QByteArray withoutByteOrderMark(const QByteArray& data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return data.mid(3);
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        // The codec reads the mark and drops it.
        return QTextCodec::codecForName("UTF-16")->toUnicode(data).toUtf8();
    }
    return data;
}

} // namespace vCardText
