// Measures MTools::Math::fft (n = 256, 4096 and 65536) against FFTW in single
// precision, and the Base64 functions of MTools against QByteArray's own, on
// 16 MiB, and prints the ratios beside their aims. Build it optimised (see README.md); a sanitizer build measures
// nothing.
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

    // FFT at three lengths, split real and imaginary arrays transformed in place;
    // both sides copy the same input in before every transform. Aim: at most 1.5
    // times FFTW's time.
    constexpr double kFftAim = 1.5;
    bool fftMet = true;
    for (const int n : {256, 4096, 65536}) {
        std::uniform_real_distribution<float> value(-1.0f, 1.0f);
        const auto count = size_t(n);
        std::vector<float> re0(count), im0(count);
        for (int i = 0; i < n; ++i) {
            re0[size_t(i)] = value(random);
            im0[size_t(i)] = value(random);
        }
        std::vector<float> re(count), im(count);
        float* fre = fftwf_alloc_real(count);
        float* fim = fftwf_alloc_real(count);
        fftwf_iodim dim{n, 1, 1};
        // The split-array plan computes the forward transform, the sign convention
        // of fft (without its 1/n scaling).
        fftwf_plan plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, fre, fim, fre, fim, FFTW_MEASURE);
        const int calls = std::max(20, (1 << 23) / n);
        const size_t bytes = count * sizeof(float);
        const double ours = bestNanoseconds(7, calls, [&] {
            std::memcpy(re.data(), re0.data(), bytes);
            std::memcpy(im.data(), im0.data(), bytes);
            MTools::Math::fft(n, re.data(), im.data());
            g_sink = re[1];
        });
        const double theirs = bestNanoseconds(7, calls, [&] {
            std::memcpy(fre, re0.data(), bytes);
            std::memcpy(fim, im0.data(), bytes);
            fftwf_execute_split_dft(plan, fre, fim, fre, fim);
            g_sink = fre[1];
        });
        // The two agree up to fft's 1/n.
        double maxError = 0;
        for (size_t i = 0; i < count; ++i)
            maxError =
                std::max(maxError, double(std::fabs(re[i] * float(n) - fre[i]) + std::fabs(im[i] * float(n) - fim[i])));
        fftwf_destroy_plan(plan);
        fftwf_free(fre);
        fftwf_free(fim);
        const double ratio = ours / theirs;
        fftMet = fftMet && ratio <= kFftAim;
        std::printf("FFT n=%d: MTools %.2f us, FFTW %.2f us, time ratio MTools/FFTW %.2f (aim <= %.1f: %s), max "
                    "difference %.2g\n",
                    n, ours / 1000, theirs / 1000, ratio, kFftAim, ratio <= kFftAim ? "met" : "NOT met", maxError);
    }

    // Base64 of 16 MiB.
    QByteArray data(16 * 1024 * 1024, Qt::Uninitialized);
    for (char& c : data)
        c = char(random());
    QString code;
    QByteArray qtCode;
    const double encodeOurs = bestNanoseconds(5, 1, [&] { code = MTools::Base64::codeQByteArray(data); });
    const double encodeQt = bestNanoseconds(5, 1, [&] { qtCode = data.toBase64(); });
    // Qt's way to the same result, a UTF-16 text; the text, twice the size of the
    // byte array, is fresh memory in both (above the allocator's mapping
    // threshold), where the byte array is not.
    QString qtText;
    const double encodeQtText = bestNanoseconds(5, 1, [&] { qtText = QString::fromLatin1(data.toBase64()); });
    QByteArray decoded;
    QByteArray qtDecoded;
    const double decodeOurs = bestNanoseconds(5, 1, [&] { decoded = MTools::Base64::decodeQByteArray(code); });
    const double decodeQt = bestNanoseconds(5, 1, [&] { qtDecoded = QByteArray::fromBase64(qtCode); });
    const bool same = code == QString::fromLatin1(qtCode) && code == qtText && decoded == data && qtDecoded == data;
    const double mib = double(data.size()) / (1024.0 * 1024.0);
    // Aims: encoding at least 1.5 times, decoding at least 5 times Qt's speed.
    constexpr double kEncodeAim = 1.5;
    constexpr double kDecodeAim = 5.0;
    const double encodeRatio = encodeQt / encodeOurs;
    const double decodeRatio = decodeQt / decodeOurs;
    std::printf(
        "Base64 encode 16 MiB: MTools %.0f MiB/s, Qt %.0f MiB/s, speed ratio MTools/Qt %.2f (aim >= %.1f: %s)\n",
        mib / (encodeOurs * 1e-9), mib / (encodeQt * 1e-9), encodeRatio, kEncodeAim,
        encodeRatio >= kEncodeAim ? "met" : "NOT met");
    std::printf("Base64 encode 16 MiB to a text: MTools %.0f MiB/s, Qt's toBase64 and fromLatin1 %.0f MiB/s, speed "
                "ratio %.2f\n",
                mib / (encodeOurs * 1e-9), mib / (encodeQtText * 1e-9), encodeQtText / encodeOurs);
    std::printf(
        "Base64 decode 16 MiB: MTools %.0f MiB/s, Qt %.0f MiB/s, speed ratio MTools/Qt %.2f (aim >= %.1f: %s)\n",
        mib / (decodeOurs * 1e-9), mib / (decodeQt * 1e-9), decodeRatio, kDecodeAim,
        decodeRatio >= kDecodeAim ? "met" : "NOT met");
    std::printf("Base64 results %s\n", same ? "agree" : "DIFFER");
    std::printf("FFT aims %s\n", fftMet ? "met" : "NOT met");
    return same ? 0 : 1;
}
