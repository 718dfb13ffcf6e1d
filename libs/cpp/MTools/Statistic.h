#pragma once

#include <QVector>

namespace MTools {

// The values of a box-and-whisker plot of a sample.
struct BoxWhiskerValues
{
    float mean = 0.0f;
    float median = 0.0f;
    float lowerQuartile = 0.0f;
    float upperQuartile = 0.0f;
    float lowerWhisker = 0.0f;
    float upperWhisker = 0.0f;
    QVector<float> outliers;
};

// Descriptive statistics of a sample, in single precision. The sample is never
// changed; functions that need order work on a sorted copy. Where a sample is too
// small for a value to exist (the mean of nothing, the spread of one value), the
// value is not-a-number.
class Statistic
{
public:
    static float sum(const QVector<float>& v);
    static float qSum(const QVector<float>& v);
    static float min(const QVector<float>& v);
    static float max(const QVector<float>& v);
    static float ma(const QVector<float>& v);
    static float variance(const QVector<float>& v);
    static float stdDev(const QVector<float>& v);
    static float stdErr(const QVector<float>& v);
    static float median(const QVector<float>& v);
    // The ranks of the sorted sample, in sorted order; equal values share the
    // mean of their ranks.
    static QVector<float> rang(const QVector<float>& v);
    static BoxWhiskerValues boxWhiskerPlot(const QVector<float>& v);
    static void test();
};

} // namespace MTools
