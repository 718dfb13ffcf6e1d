// Times VAruzoD::DrawTools::blurred (radius 8) and colorizeImage on a 3840 x 2160
// picture against the nearest Qt equivalents measured in the same run: a
// QGraphicsBlurEffect of radius 8 rendered into a QImage, and the recolouring
// written as a plain per-pixel loop over QImage and QColor. Prints the ratios.
// Build it optimised (see README.md); a sanitizer build measures nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "VAruzoD/DrawTools.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kRadius = 8;

// Best time in milliseconds over several rounds.
double bestMilliseconds(int rounds, const std::function<void()>& work)
{
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

// A photograph-like picture: hues sweeping across, brightness down, a ripple
// of detail and a soft transparent corner, so that every pixel differs.
QImage testPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double ripple = 0.5 + 0.5 * std::sin(x * 0.05) * std::cos(y * 0.07);
            const int hue = (x * 360 / kWidth + int(ripple * 40)) % 360;
            const int sat = 90 + int(ripple * 160);
            const int val = 255 - y * 150 / kHeight;
            const int alpha = x + y < 600 ? 128 + (x + y) / 5 : 255;
            QColor c = QColor::fromHsv(hue, sat, val, alpha);
            row[x] = qPremultiply(c.rgba());
        }
    }
    return image;
}

// The recolouring as a plain loop: one QColor per pixel.
QImage plainColorize(const QImage& image, const QColor& from, const QColor& to)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    int hf, sf, vf, ht, st, vt;
    from.getHsv(&hf, &sf, &vf);
    to.getHsv(&ht, &st, &vt);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            int h, s, v, a;
            QColor::fromRgba(result.pixel(x, y)).getHsv(&h, &s, &v, &a);
            if (std::abs(h - hf) > 9)
                continue;
            const int hue = ((h - hf + ht) % 360 + 360) % 360;
            const int sat = sf == 0 ? 0 : std::clamp(int(float(s) * (float(st) / float(sf))), 0, 255);
            const int val = vf == 0 ? 0 : std::clamp(int(float(v) * (float(vt) / float(vf))), 0, 255);
            result.setPixel(x, y, QColor::fromHsv(hue, sat, val, a).rgba());
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Mean absolute difference per byte of two pictures of the same size.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 4; ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return sum / (double(x.width()) * x.height() * 4);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QImage picture = testPicture();

    // Blur of the whole picture.
    QImage ours;
    const double blurOurs =
        bestMilliseconds(5, [&] { ours = VAruzoD::DrawTools::blurred(picture, picture.rect(), kRadius, false); });

    QGraphicsScene scene;
    auto* item = scene.addPixmap(QPixmap::fromImage(picture));
    auto* effect = new QGraphicsBlurEffect;
    effect->setBlurRadius(kRadius);
    item->setGraphicsEffect(effect);
    scene.setSceneRect(picture.rect());
    QImage theirs(picture.size(), QImage::Format_ARGB32_Premultiplied);
    const double blurQt = bestMilliseconds(5, [&] {
        effect->update(); // no cached result between rounds
        theirs.fill(Qt::transparent);
        QPainter painter(&theirs);
        scene.render(&painter, QRectF(picture.rect()), QRectF(picture.rect()));
    });
    std::printf("Blur radius %d, %dx%d: DrawTools %.1f ms, QGraphicsBlurEffect %.1f ms, time ratio DrawTools/Qt %.2f "
                "(target <= 1); mean difference to the original %.1f and %.1f per byte\n",
                kRadius, kWidth, kHeight, blurOurs, blurQt, blurOurs / blurQt, meanDifference(ours, picture),
                meanDifference(theirs, picture));

    // Recolouring of the blue hues to orange.
    const QColor from = QColor::fromHsv(240, 200, 200);
    const QColor to = QColor::fromHsv(30, 230, 240);
    QImage colorOurs, colorPlain;
    const double colorizeOurs =
        bestMilliseconds(5, [&] { colorOurs = VAruzoD::DrawTools::colorizeImage(picture, from, to); });
    const double colorizePlain = bestMilliseconds(3, [&] { colorPlain = plainColorize(picture, from, to); });
    const bool same = colorOurs == colorPlain;
    std::printf(
        "colorizeImage %dx%d: DrawTools %.1f ms, per-pixel QImage loop %.1f ms, time ratio DrawTools/loop %.2f; "
        "results %s\n",
        kWidth, kHeight, colorizeOurs, colorizePlain, colorizeOurs / colorizePlain, same ? "agree" : "DIFFER");
    return same ? 0 : 1;
}
