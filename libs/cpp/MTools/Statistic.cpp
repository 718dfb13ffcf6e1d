#include "MTools/Statistic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace MTools {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

QVector<float> sortedCopy(const QVector<float>& v)
{
    QVector<float> s = v;
    std::sort(s.begin(), s.end());
    return s;
}

// (qSum - sum^2 / n) / (n - 1), the sample variance.
float varianceTerm(const QVector<float>& v)
{
    const int n = v.size();
    if (n < 2)
        return kNaN;
    const float s = Statistic::sum(v);
    return (Statistic::qSum(v) - s * s / float(n)) / float(n - 1);
}

} // namespace

float Statistic::sum(const QVector<float>& v)
{
    float s = 0.0f;
    for (float x : v)
        s += x;
    return s;
}

float Statistic::qSum(const QVector<float>& v)
{
    float s = 0.0f;
    for (float x : v)
        s += x * x;
    return s;
}

float Statistic::min(const QVector<float>& v)
{
    if (v.isEmpty())
        return kNaN;
    float m = v.first();
    for (float x : v)
        if (x < m)
            m = x;
    return m;
}

float Statistic::max(const QVector<float>& v)
{
    if (v.isEmpty())
        return kNaN;
    float m = v.first();
    for (float x : v)
        if (x > m)
            m = x;
    return m;
}

float Statistic::ma(const QVector<float>& v)
{
    if (v.isEmpty())
        return kNaN;
    return sum(v) / float(v.size());
}

float Statistic::variance(const QVector<float>& v)
{
    return varianceTerm(v);
}

float Statistic::stdDev(const QVector<float>& v)
{
    return std::sqrt(varianceTerm(v));
}

float Statistic::stdErr(const QVector<float>& v)
{
    if (v.isEmpty())
        return kNaN;
    return float(double(stdDev(v)) / std::sqrt(double(v.size())));
}

float Statistic::median(const QVector<float>& v)
{
    const int n = v.size();
    if (n == 0)
        return 0.0f;
    if (n == 1)
        return v.first();
    const QVector<float> s = sortedCopy(v);
    const int k = int(std::ceil(float(n) * 0.5f));
    if (n % 2 == 0)
        return (s[k] + s[k - 1]) * 0.5f;
    return s[k - 1];
}

QVector<float> Statistic::rang(const QVector<float>& v)
{
    const QVector<float> s = sortedCopy(v);
    const int n = s.size();
    QVector<float> ranks(n);
    // Each group of equal values shares the mean of the ranks it covers; a value
    // standing alone keeps its own rank. Two neighbouring groups (1, 1, 2, 2) are
    // ranked apart: 1.5, 1.5, 3.5, 3.5.
    int i = 0;
    while (i < n) {
        int j = i + 1;
        while (j < n && s[j] == s[i])
            ++j;
        float rankSum = 0.0f;
        for (int r = i + 1; r <= j; ++r)
            rankSum += float(r);
        const float rank = rankSum / float(j - i);
        for (int p = i; p < j; ++p)
            ranks[p] = rank;
        i = j;
    }
    return ranks;
}

BoxWhiskerValues Statistic::boxWhiskerPlot(const QVector<float>& v)
{
    BoxWhiskerValues b;
    const int n = v.size();
    if (n == 0) {
        // An empty sample has no box.
        b.mean = b.median = b.lowerQuartile = b.upperQuartile = kNaN;
        b.lowerWhisker = b.upperWhisker = kNaN;
        return b;
    }
    const QVector<float> s = sortedCopy(v);

    float q1 = s.first();
    float q3 = s.last();
    if (n >= 3) {
        const int k = int(double(std::ceil(float(n) * 0.5f)) - 1.0);
        const int h = int(double(std::ceil(float(k) * 0.5f + 0.1f)) - 1.0);
        q1 = s[h + 1];
        q3 = s[n - h - 1];
        if (2 * h == k) {
            q1 = (s[h + 1] + s[h]) * 0.5f;
            q3 = (s[n - h - 1] + s[n - h]) * 0.5f;
        }
    }
    // With one or two values the quartiles are the extremes themselves.

    const float upperFence = 2.0f * q3 - q1;
    const float lowerFence = 2.0f * q1 - q3;

    float upperWhisker = s.last();
    for (int i = n - 1; i >= 0; --i) {
        if (s[i] <= upperFence) {
            upperWhisker = s[i];
            break;
        }
    }
    float lowerWhisker = s.first();
    for (int i = 0; i < n; ++i) {
        if (s[i] >= lowerFence) {
            lowerWhisker = s[i];
            break;
        }
    }
    for (float x : s)
        if (x < lowerWhisker || x > upperWhisker)
            b.outliers.append(x);

    b.mean = sum(s) / float(n);
    b.median = median(v);
    b.lowerQuartile = q1;
    b.upperQuartile = q3;
    b.lowerWhisker = lowerWhisker;
    b.upperWhisker = upperWhisker;
    return b;
}

void Statistic::test()
{
}

} // namespace MTools
