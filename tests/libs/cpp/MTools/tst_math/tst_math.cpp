#include <QtTest>

#include <climits>
#include <cmath>
#include <complex>
#include <cstring>
#include <limits>
#include <random>

#include "MTools/Math.h"

using MTools::Math;

namespace {

// The series and the transform written out the long way, each power and
// factorial formed afresh from 1 at every step, to check that the library's
// faster loops give the very same floats.
float refPow(float x, int n)
{
    float r = 1;
    for (int i = 0; i < n; ++i)
        r = r * x;
    return r;
}

float refFactorial(float x)
{
    return x == 0 ? 1.0f : x * refFactorial(x - 1);
}

float refSign(int n)
{
    float r = 1;
    for (int i = 0; i < n; ++i)
        r = -r;
    return r;
}

enum class Series { Sin, Cos, Exp, Atan, Ln };

float refSeries(Series kind, float x)
{
    float s = 0, p = 0;
    int n = 1;
    switch (kind) {
    case Series::Sin:
        s = x;
        break;
    case Series::Cos:
    case Series::Exp:
        s = 1;
        break;
    case Series::Atan:
    case Series::Ln:
        p = 1;
        n = 0;
        break;
    }
    while (std::fabs(std::fabs(s) - std::fabs(p)) > Math::sm_fPrecision) {
        p = s;
        float term = 0;
        switch (kind) {
        case Series::Sin:
            term = (refPow(x, 2 * n + 1) * refSign(n)) / refFactorial(float(2 * n + 1));
            break;
        case Series::Cos:
            term = (refPow(x, 2 * n) * refSign(n)) / refFactorial(float(2 * n));
            break;
        case Series::Exp:
            term = refPow(x, n) / refFactorial(float(n));
            break;
        case Series::Atan:
            term = (refPow(x, 2 * n + 1) * refSign(n)) / float(2 * n + 1);
            break;
        case Series::Ln:
            term = (refPow(x - 1, n + 1) * refSign(n)) / float(n + 1);
            break;
        }
        s = term + p;
        ++n;
    }
    return s;
}

void refTransform(int n, float* re, float* im, bool forward)
{
    int j = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
        int k = n / 2;
        while (k <= j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
    int m = 0;
    while ((1 << m) != n)
        ++m;
    for (int l = 1; l <= m; ++l) {
        const int le = 1 << l, le2 = le / 2;
        const float angle = Math::PI / float(le2);
        const float c = refSeries(Series::Cos, angle);
        float s = refSeries(Series::Sin, angle);
        if (forward)
            s = -s;
        float ur = 1, ui = 0;
        for (int jj = 0; jj < le2; ++jj) {
            for (int i = jj; i < n; i += le) {
                const int ip = i + le2;
                const float tr = ur * re[ip] - ui * im[ip];
                const float ti = ui * re[ip] + ur * im[ip];
                re[ip] = re[i] - tr;
                im[ip] = im[i] - ti;
                re[i] = re[i] + tr;
                im[i] = im[i] + ti;
            }
            const float nr = c * ur - s * ui;
            ui = c * ui + s * ur;
            ur = nr;
        }
    }
    if (forward)
        for (int i = n - 1; i >= 0; --i) {
            re[i] = re[i] / float(n);
            im[i] = im[i] / float(n);
        }
}

bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

int g_calls = 0;
float countedOne(float)
{
    ++g_calls;
    return 1.0f;
}
float identity(float x)
{
    return x;
}

} // namespace

class TestMath : public QObject
{
    Q_OBJECT

private slots:
    void tablesAreFilledBeforeMain();
    void tablesMatchTheSeries();
    void laterConstructionChangesNothing();
    void lookups_data();
    void lookups();
    void series_data();
    void series();
    void seriesOutsideTheirRangeEnd();
    void sqrtNewton();
    void factorials();
    void smallHelpers();
    void integral();
    void fftOfImpulse();
    void fftMatchesTheDefinition_data();
    void fftMatchesTheDefinition();
    void fftFollowsThePrecision();
    void fftRejectsOtherLengths_data();
    void fftRejectsOtherLengths();
};

void TestMath::tablesAreFilledBeforeMain()
{
    // Only g_math has been constructed so far.
    QCOMPARE(Math::sm_nCounter, 1);
    QCOMPARE(Math::sm_fPrecision, 1e-10f);
    QCOMPARE(Math::sm_fSin[30], 0.5f);
    QCOMPARE(Math::sm_fSin[0], 0.0f);
    QCOMPARE(Math::sm_fCos[0], 1.0f);
    // Not 0: the series of a rounded pi/2 leaves a tiny negative number.
    QVERIFY(Math::sm_fCos[90] < 0.0f);
    QVERIFY(Math::sm_fCos[90] > -1e-7f);
    QVERIFY(Math::tan(90) < -1e6f);
}

void TestMath::tablesMatchTheSeries()
{
    for (int i = 0; i < 360; ++i) {
        const float x = float(i) * Math::PI / 180.0f;
        QVERIFY2(sameFloat(Math::sm_fSin[i], refSeries(Series::Sin, x)), qPrintable(QString::number(i)));
        QVERIFY2(sameFloat(Math::sm_fCos[i], refSeries(Series::Cos, x)), qPrintable(QString::number(i)));
        QVERIFY(std::fabs(Math::sm_fSin[i] - std::sin(double(i) * M_PI / 180.0)) < 3e-5);
        QVERIFY(std::fabs(Math::sm_fCos[i] - std::cos(double(i) * M_PI / 180.0)) < 3e-5);
    }
}

void TestMath::laterConstructionChangesNothing()
{
    const float sin45 = Math::sm_fSin[45];
    {
        Math second(0.5f);
        Q_UNUSED(second)
    }
    QCOMPARE(Math::sm_nCounter, 2);
    QCOMPARE(Math::sm_fPrecision, 1e-10f);
    QCOMPARE(Math::sm_fSin[45], sin45);
}

void TestMath::lookups_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("entry");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("359") << 359 << 359;
    QTest::newRow("360") << 360 << 0;
    QTest::newRow("725") << 725 << 5;
    QTest::newRow("-30") << -30 << 330;
    QTest::newRow("-360") << -360 << 0;
    QTest::newRow("-725") << -725 << 355;
    QTest::newRow("INT_MAX") << INT_MAX << INT_MAX % 360;
    QTest::newRow("INT_MIN") << INT_MIN << 360 - int(-(qint64(INT_MIN) % 360));
}

void TestMath::lookups()
{
    QFETCH(int, degrees);
    QFETCH(int, entry);
    QCOMPARE(&Math::sin(degrees), &Math::sm_fSin[entry]);
    QCOMPARE(&Math::cos(degrees), &Math::sm_fCos[entry]);
    QCOMPARE(Math::tan(degrees), Math::sm_fSin[entry] / Math::sm_fCos[entry]);
}

void TestMath::series_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("sin 1") << int(Series::Sin) << 1.0f << std::sin(1.0) << 1e-6;
    QTest::newRow("sin -2.5") << int(Series::Sin) << -2.5f << std::sin(-2.5) << 1e-6;
    QTest::newRow("cos 0.3") << int(Series::Cos) << 0.3f << std::cos(0.3) << 1e-6;
    QTest::newRow("cos 3") << int(Series::Cos) << 3.0f << std::cos(3.0) << 1e-5;
    QTest::newRow("exp 1") << int(Series::Exp) << 1.0f << std::exp(1.0) << 1e-6;
    QTest::newRow("exp -3") << int(Series::Exp) << -3.0f << std::exp(-3.0) << 1e-5;
    QTest::newRow("atan 0.5") << int(Series::Atan) << 0.5f << std::atan(0.5) << 1e-6;
    QTest::newRow("atan -0.9") << int(Series::Atan) << -0.9f << std::atan(-0.9) << 1e-5;
    QTest::newRow("ln 0.5") << int(Series::Ln) << 0.5f << std::log(0.5) << 1e-6;
    QTest::newRow("ln 1.5") << int(Series::Ln) << 1.5f << std::log(1.5) << 1e-6;
}

void TestMath::series()
{
    QFETCH(int, kind);
    QFETCH(float, x);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    float got = 0;
    switch (Series(kind)) {
    case Series::Sin:
        got = Math::sinRad(x);
        break;
    case Series::Cos:
        got = Math::cosRad(x);
        break;
    case Series::Exp:
        got = Math::exp(x);
        break;
    case Series::Atan:
        got = Math::atanRad(x);
        break;
    case Series::Ln:
        got = Math::ln(x);
        break;
    }
    QVERIFY2(sameFloat(got, refSeries(Series(kind), x)), qPrintable(QString::number(double(got), 'g', 9)));
    QVERIFY2(std::fabs(got - expected) < tolerance, qPrintable(QString::number(double(got), 'g', 9)));

    if (Series(kind) == Series::Cos)
        QCOMPARE(Math::secRad(x), 1.0f / got);
}

void TestMath::seriesOutsideTheirRangeEnd()
{
    QCOMPARE(Math::acosRad(0.5f), Math::PIH - Math::atanRad(0.5f / Math::sqrt(0.75f)));
    QVERIFY(std::fabs(Math::acosRad(0.5f) - std::acos(0.5)) < 1e-5);
    QVERIFY(std::fabs(Math::acotRad(0.5f) - (M_PI / 2 - std::atan(0.5))) < 1e-5);
    QVERIFY(std::fabs(Math::pow(1.5f, 2.5f) - std::pow(1.5, 2.5)) < 1e-5);
    QVERIFY(std::fabs(Math::pow(0.7f, 3.0f) - std::pow(0.7, 3.0)) < 1e-6);

    // Every call returns, whatever it returns.
    QVERIFY(std::fabs(Math::atanRad(1.0f) - M_PI / 4) < 1e-3);
    QVERIFY(!std::isfinite(Math::atanRad(3.0f)));
    QVERIFY(!std::isfinite(Math::ln(0.0f)) || Math::ln(0.0f) < -10.0f);
    QVERIFY(!std::isfinite(Math::ln(4.0f)));
    QVERIFY(std::isnan(Math::acosRad(2.0f)));
    Math::acosRad(0.9f);
    Math::pow(5.0f, 0.5f);
    QVERIFY(std::isnan(Math::sinRad(std::numeric_limits<float>::quiet_NaN())));
    QVERIFY(!std::isfinite(Math::sinRad(std::numeric_limits<float>::infinity())));
    QVERIFY(!std::isfinite(Math::exp(1000.0f)));
    QVERIFY(!std::isfinite(Math::sinRad(1000.0f)));

    // A threshold that can never be met still ends every series.
    Math::setPrecision(-1.0f);
    QVERIFY(std::fabs(Math::sinRad(0.5f) - std::sin(0.5)) < 1e-6);
    Math::setPrecision(1e-10f);
}

void TestMath::sqrtNewton()
{
    // The iterates halve down from 1 until they differ by less than the threshold.
    QCOMPARE(Math::sqrt(0.0f), std::ldexp(1.0f, -34));
    QCOMPARE(Math::sqrt(2.0f), 1.4142135f);
    QCOMPARE(Math::sqrt(1e6f), 1000.0f);
    QVERIFY(std::isnan(Math::sqrt(-4.0f)));
    for (float x : {3.0f, 7.0f, 1e-6f, 123456.78f, 3e38f})
        QVERIFY(std::fabs(Math::sqrt(x) - std::sqrt(x)) <= std::sqrt(x) * 1e-6f);
}

void TestMath::factorials()
{
    QCOMPARE(Math::factorialf(0.0f), 1.0f);
    QCOMPARE(Math::factorialf(5.0f), 120.0f);
    QCOMPARE(Math::factorialf(34.0f), refFactorial(34.0f));
    QVERIFY(std::isinf(Math::factorialf(35.0f)));
    QVERIFY(std::isinf(Math::factorialf(1e30f)));
    QVERIFY(std::isnan(Math::factorialf(-1.0f)));
    QVERIFY(std::isnan(Math::factorialf(2.5f)));
    QVERIFY(std::isnan(Math::factorialf(std::numeric_limits<float>::quiet_NaN())));

    QCOMPARE(Math::factorial(0), 1ul);
    QCOMPARE(Math::factorial(20), 2432902008176640000ul);
    // 21! wraps modulo 2^64.
    QCOMPARE(Math::factorial(21), 14197454024290336768ul);
    QCOMPARE(Math::factorial(66), 0ul);
    QCOMPARE(Math::factorial(std::numeric_limits<unsigned long>::max()), 0ul);
}

void TestMath::smallHelpers()
{
    QCOMPARE(Math::powInt(3.0f, 0), 1.0f);
    QCOMPARE(Math::powInt(3.0f, -3), 1.0f);
    QCOMPARE(Math::powInt(2.0f, 10), 1024.0f);
    QCOMPARE(Math::floor(-1.5f), -1.0f);
    QCOMPARE(Math::floor(2.9f), 2.0f);
    QCOMPARE(Math::floor(3e9f), 3e9f);
    QVERIFY(std::isnan(Math::floor(std::numeric_limits<float>::quiet_NaN())));
    QCOMPARE(Math::abs(-2.5f), 2.5f);
    QVERIFY(std::signbit(Math::abs(-0.0f)));
    QCOMPARE(Math::maximum(1.0f, 2.0f), 2.0f);
    QCOMPARE(Math::minimum(1.0f, 2.0f), 1.0f);
    QCOMPARE(Math::rad(180), Math::PI);
    QCOMPARE(Math::PIH, 1.5707964f);
    QCOMPARE(Math::EXP, 2.7182817f);
}

void TestMath::integral()
{
    g_calls = 0;
    QCOMPARE(Math::integral(1.0f, 1.0f, countedOne), 0.0f);
    QCOMPARE(Math::integral(2.0f, 1.0f, countedOne), 0.0f);
    QCOMPARE(g_calls, 0);
    QVERIFY(std::fabs(Math::integral(0.0f, 1.0f, countedOne) - 1.0f) < 1e-5f);
    QCOMPARE(g_calls, 50);
    // Left points: 0.02 * 0.02 * (0 + 1 + ... + 49) = 0.49.
    QVERIFY(std::fabs(Math::integral(0.0f, 1.0f, identity) - 0.49f) < 1e-5f);
}

void TestMath::fftOfImpulse()
{
    float re1[1] = {3.5f}, im1[1] = {-2.0f};
    QVERIFY(Math::fft(1, re1, im1));
    QCOMPARE(re1[0], 3.5f);
    QCOMPARE(im1[0], -2.0f);

    float re[4] = {1, 0, 0, 0}, im[4] = {0, 0, 0, 0};
    QVERIFY(Math::fft(4, re, im));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(re[i], 0.25f);
        QCOMPARE(im[i] + 1.0f, 1.0f);
    }
    QVERIFY(Math::ifft(4, re, im));
    const float expected[4] = {1, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(std::fabs(re[i] - expected[i]) < 1e-6f);
        QVERIFY(std::fabs(im[i]) < 1e-6f);
    }
}

void TestMath::fftMatchesTheDefinition_data()
{
    QTest::addColumn<int>("n");
    // Lengths for each way through the transform: the small one, an even and an
    // odd number of stages, inputs read in lines, passes block by block and over
    // the whole array.
    QTest::newRow("2") << 2;
    QTest::newRow("8") << 8;
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
    QTest::newRow("64") << 64;
    QTest::newRow("256") << 256;
    QTest::newRow("1024") << 1024;
    QTest::newRow("8192") << 8192;
    QTest::newRow("32768") << 32768;
    QTest::newRow("65536") << 65536;
}

void TestMath::fftMatchesTheDefinition()
{
    QFETCH(int, n);
    std::mt19937 random{uint(n)};
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    QVector<float> re(n), im(n);
    for (int i = 0; i < n; ++i) {
        re[i] = value(random);
        im[i] = value(random);
    }
    const QVector<float> re0 = re, im0 = im;

    QVERIFY(Math::fft(n, re.data(), im.data()));
    // X[k] = 1/n sum x[j] e^(-2 pi i jk / n)
    for (int k = 0; k < n; k += qMax(1, n / 16)) {
        std::complex<double> sum;
        for (int j = 0; j < n; ++j)
            sum += std::complex<double>(re0[j], im0[j]) * std::polar(1.0, -2.0 * M_PI * double(j) * k / n);
        sum /= double(n);
        QVERIFY(std::abs(sum - std::complex<double>(re[k], im[k])) < 1e-4);
    }
    QVector<float> refRe = re0, refIm = im0;
    refTransform(n, refRe.data(), refIm.data(), true);
    for (int i = 0; i < n; ++i)
        QVERIFY(sameFloat(re[i], refRe[i]) && sameFloat(im[i], refIm[i]));

    QVERIFY(Math::ifft(n, re.data(), im.data()));
    refTransform(n, refRe.data(), refIm.data(), false);
    // A stage's factors are formed by repeated rotation, so their rounding grows
    // with the stage's length.
    const float tolerance = 1e-4f * float(qMax(1, n / 4096));
    for (int i = 0; i < n; ++i) {
        QVERIFY(sameFloat(re[i], refRe[i]) && sameFloat(im[i], refIm[i]));
        QVERIFY(std::fabs(re[i] - re0[i]) < tolerance);
        QVERIFY(std::fabs(im[i] - im0[i]) < tolerance);
    }
}

void TestMath::fftFollowsThePrecision()
{
    // The twiddle factors come from the series, so a new threshold gives other
    // factors, also for a length transformed before.
    const int n = 64;
    QVector<float> re(n), im(n);
    for (int i = 0; i < n; ++i) {
        re[i] = float(i % 7) - 3.0f;
        im[i] = float(i % 5) * 0.5f;
    }
    const QVector<float> re0 = re, im0 = im;
    QVERIFY(Math::fft(n, re.data(), im.data()));
    Math::setPrecision(1e-3f);
    QVector<float> coarseRe = re0, coarseIm = im0, refRe = re0, refIm = im0;
    QVERIFY(Math::fft(n, coarseRe.data(), coarseIm.data()));
    refTransform(n, refRe.data(), refIm.data(), true);
    Math::setPrecision(1e-10f);
    QVERIFY(coarseRe != re || coarseIm != im);
    for (int i = 0; i < n; ++i)
        QVERIFY(sameFloat(coarseRe[i], refRe[i]) && sameFloat(coarseIm[i], refIm[i]));
}

void TestMath::fftRejectsOtherLengths_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("0") << 0;
    QTest::newRow("3") << 3;
    QTest::newRow("6") << 6;
    QTest::newRow("-4") << -4;
}

void TestMath::fftRejectsOtherLengths()
{
    QFETCH(int, n);
    float re[6] = {1, 2, 3, 4, 5, 6}, im[6] = {6, 5, 4, 3, 2, 1};
    QVERIFY(!Math::fft(n, re, im));
    QVERIFY(!Math::ifft(n, re, im));
    // One array cannot hold both parts.
    QVERIFY(!Math::fft(4, re, re));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(re[i], float(i + 1));
        QCOMPARE(im[i], float(6 - i));
    }
}

QTEST_APPLESS_MAIN(TestMath)
#include "tst_math.moc"
