#pragma once
// A drawing surface for the graphics tests: a grid of ints that also records
// every pixel a primitive sets, inside the grid or not. It leaves its bounds at
// the whole plane, so the primitives walk every pixel of a shape through it.

#include <QPoint>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <vector>

#include "VAruzoD/GraphX.h"

inline uint qHash(const QPoint& p, uint seed = 0)
{
    return qHash(qMakePair(p.x(), p.y()), seed);
}

class RecordingSurface : public VAruzoD::GraphX
{
public:
    RecordingSurface(int width, int height, bool record = true)
        : m_width(width)
        , m_height(height)
        , m_record(record)
        , m_pixels(size_t(width) * size_t(height), 0)
    {
    }

    void putPixel(int x, int y, int color) const override
    {
        ++m_calls;
        if (m_record)
            m_touched.insert(QPoint(x, y));
        if (contains(x, y))
            m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = color;
    }
    // 0 outside, as the image planes answer.
    int getPixel(int x, int y) const override
    {
        return contains(x, y) ? m_pixels[size_t(y) * size_t(m_width) + size_t(x)] : 0;
    }
    bool contains(int x, int y) const override { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // The pixels set, shifted by -origin.
    QSet<QPoint> touched(QPoint origin = QPoint()) const
    {
        QSet<QPoint> shifted;
        for (const QPoint& p : m_touched)
            shifted.insert(p - origin);
        return shifted;
    }
    long long calls() const { return m_calls; }
    int count(int color) const { return int(std::count(m_pixels.begin(), m_pixels.end(), color)); }
    // Rows of the grid as text, one digit (or letter) a pixel.
    QStringList rows() const
    {
        QStringList lines;
        for (int y = 0; y < m_height; ++y) {
            QString line;
            for (int x = 0; x < m_width; ++x)
                line += QString::number(m_pixels[size_t(y) * size_t(m_width) + size_t(x)], 36);
            lines << line;
        }
        return lines;
    }
    // Fills the grid from rows of digits.
    void setRows(const QStringList& lines)
    {
        for (int y = 0; y < m_height && y < lines.size(); ++y)
            for (int x = 0; x < m_width && x < lines[y].size(); ++x)
                m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = QString(lines[y][x]).toInt(nullptr, 36);
    }
    void clearRecord()
    {
        m_touched.clear();
        m_calls = 0;
    }

private:
    int m_width;
    int m_height;
    bool m_record;
    mutable std::vector<int> m_pixels;
    mutable QSet<QPoint> m_touched;
    mutable long long m_calls = 0;
};

// A recording surface that tells the primitives its size, so that they clip to
// it: only pixels of the grid reach putPixel.
class ClippedSurface : public RecordingSurface
{
public:
    ClippedSurface(int width, int height)
        : RecordingSurface(width, height)
        , m_width(width)
        , m_height(height)
    {
    }
    Bounds bounds() const override { return {0, 0, m_width - 1, m_height - 1}; }

private:
    int m_width;
    int m_height;
};

// "x,y x,y ..." as a set of points.
inline QSet<QPoint> points(const QString& text)
{
    QSet<QPoint> set;
    const QStringList pairs = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const QStringList xy = pair.split(QLatin1Char(','));
        set.insert(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
    }
    return set;
}

// A set of points as sorted text, row by row, so that a failed comparison shows
// both sets readably.
inline QString text(const QSet<QPoint>& set)
{
    QVector<QPoint> sorted(set.begin(), set.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const QPoint& a, const QPoint& b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    QStringList parts;
    for (const QPoint& p : sorted)
        parts << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return parts.join(QLatin1Char(' '));
}
