// Measures MTools::Math::fft (n = 4096) against FFTW in single precision, and the
// Base64 functions of MTools against QByteArray's own, on 16 MiB, and prints the
// ratios. Build it optimised (see README.md); a sanitizer build measures nothing.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include <fftw3.h>

#include "MTools/Base64.h"
#include "MTools/Math.h"

namespace {

// Best time in nanoseconds per call over several rounds of `calls` calls.
double bestNanoseconds(int rounds, int calls, const std::function<void()>& work)
{
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        for (int c = 0; c < calls; ++c)
            work();
        best = std::min(best, double(clock.nsecsElapsed()) / calls);
    }
    return best;
}

volatile float g_sink;

} // namespace

int main()
{
    std::mt19937 random(2024);

    // FFT, n = 4096, split real and imaginary arrays transformed in place; both
    // sides copy the same input in before every transform.
    const int n = 4096;
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<float> re0(n), im0(n);
    for (int i = 0; i < n; ++i) {
        re0[i] = value(random);
        im0[i] = value(random);
    }
    std::vector<float> re(n), im(n);
    float* fre = fftwf_alloc_real(n);
    float* fim = fftwf_alloc_real(n);
    fftwf_iodim dim{n, 1, 1};
    // The split-array plan computes the forward transform, the sign convention of
    // fft (without its 1/n scaling).
    fftwf_plan plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, fre, fim, fre, fim, FFTW_MEASURE);
    const double ours = bestNanoseconds(7, 2000, [&] {
        std::memcpy(re.data(), re0.data(), n * sizeof(float));
        std::memcpy(im.data(), im0.data(), n * sizeof(float));
        MTools::Math::fft(n, re.data(), im.data());
        g_sink = re[1];
    });
    const double theirs = bestNanoseconds(7, 2000, [&] {
        std::memcpy(fre, re0.data(), n * sizeof(float));
        std::memcpy(fim, im0.data(), n * sizeof(float));
        fftwf_execute_split_dft(plan, fre, fim, fre, fim);
        g_sink = fre[1];
    });
    // The two agree up to fft's 1/n.
    double maxError = 0;
    for (int i = 0; i < n; ++i)
        maxError = std::max(maxError, double(std::fabs(re[i] * n - fre[i]) + std::fabs(im[i] * n - fim[i])));
    fftwf_destroy_plan(plan);
    fftwf_free(fre);
    fftwf_free(fim);
    std::printf(
        "FFT n=%d: MTools %.1f us, FFTW %.1f us, time ratio MTools/FFTW %.2f (target <= 3), max difference %.2g\n", n,
        ours / 1000, theirs / 1000, ours / theirs, maxError);

    // Base64 of 16 MiB.
    QByteArray data(16 * 1024 * 1024, Qt::Uninitialized);
    for (char& c : data)
        c = char(random());
    QString code;
    QByteArray qtCode;
    const double encodeOurs = bestNanoseconds(5, 1, [&] { code = MTools::Base64::codeQByteArray(data); });
    const double encodeQt = bestNanoseconds(5, 1, [&] { qtCode = data.toBase64(); });
    QByteArray decoded;
    QByteArray qtDecoded;
    const double decodeOurs = bestNanoseconds(5, 1, [&] { decoded = MTools::Base64::decodeQByteArray(code); });
    const double decodeQt = bestNanoseconds(5, 1, [&] { qtDecoded = QByteArray::fromBase64(qtCode); });
    const bool same = code == QString::fromLatin1(qtCode) && decoded == data && qtDecoded == data;
    const double mib = double(data.size()) / (1024.0 * 1024.0);
    std::printf("Base64 encode 16 MiB: MTools %.0f MiB/s, Qt %.0f MiB/s, speed ratio MTools/Qt %.2f (target >= 0.5)\n",
                mib / (encodeOurs * 1e-9), mib / (encodeQt * 1e-9), encodeQt / encodeOurs);
    std::printf("Base64 decode 16 MiB: MTools %.0f MiB/s, Qt %.0f MiB/s, speed ratio MTools/Qt %.2f (target >= 0.5)\n",
                mib / (decodeOurs * 1e-9), mib / (decodeQt * 1e-9), decodeQt / decodeOurs);
    std::printf("Base64 results %s\n", same ? "agree" : "DIFFER");
    return same ? 0 : 1;
}
