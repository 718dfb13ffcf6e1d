#include "VAruzoD/DrawTools.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <vector>

namespace VAruzoD {

namespace {

// ---- Recolouring ---------------------------------------------------------

constexpr int kHueWindow = 9;
constexpr int kHueCircle = 360;

struct Hsv
{
    int h;
    int s;
    int v;
};

// The toolkit's integer HSV of an RGB colour, as QColor::getHsv gives it (the
// same for all 2^24 colours), worked out here because a QColor per pixel costs
// several times more: 16-bit channels scaled to 0..1 in double precision, the
// hue in hundredths of a degree, saturation and value in 16 bits rounded to 8.
int div257(int x)
{
    return (x + 128) / 257;
}

int roundHalfUp(double d)
{
    return int(d + 0.5);
}

Hsv toolkitHsv(QRgb rgb)
{
    const double r = (qRed(rgb) * 0x101) / 65535.0;
    const double g = (qGreen(rgb) * 0x101) / 65535.0;
    const double b = (qBlue(rgb) * 0x101) / 65535.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double delta = max - min;
    const int value = div257(roundHalfUp(max * 65535));
    if (delta == 0)
        return {-1, 0, value};
    double hue = 0;
    if (r == max)
        hue = (g - b) / delta;
    else if (g == max)
        hue = 2.0 + (b - r) / delta;
    else
        hue = 4.0 + (r - g) / delta;
    hue *= 60.0;
    if (hue < 0.0)
        hue += 360.0;
    return {roundHalfUp(hue * 100) / 100, div257(roundHalfUp((delta / max) * 65535)), value};
}

// Whether the hue of an 8-bit colour may lie within hf ± 9 after the
// toolkit's rounding: a test of the exact hue in whole numbers, widened by one
// degree, that needs no division, so that most pixels are passed over without
// working out their HSV.
bool mayMatchHue(QRgb rgb, int hf)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    const int max = std::max({r, g, b});
    const int d = max - std::min({r, g, b});
    if (d == 0)
        return std::abs(-1 - hf) <= kHueWindow;
    // The hue times d, in degrees: 60 (g - b), 60 (2d + b - r) or 60 (4d + r - g).
    int hueTimesD = 0;
    if (r == max) {
        hueTimesD = 60 * (g - b);
        if (hueTimesD < 0)
            hueTimesD += kHueCircle * d;
    } else if (g == max) {
        hueTimesD = 60 * (2 * d + b - r);
    } else {
        hueTimesD = 60 * (4 * d + r - g);
    }
    return hueTimesD >= (hf - kHueWindow - 1) * d && hueTimesD <= (hf + kHueWindow + 1) * d;
}

// A saturation or value scaled by to / from in single precision, truncated and
// held within 0..255; 0 when from's component is 0, which has no scale.
int scaledComponent(int component, int to, int from)
{
    if (from == 0)
        return 0;
    const float scaled = float(component) * (float(to) / float(from));
    return std::min(std::max(int(scaled), 0), 255);
}

} // namespace

QImage DrawTools::colorizeImage(const QImage& image, const QColor& from, const QColor& to)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int hf = 0, sf = 0, vf = 0, ht = 0, st = 0, vt = 0;
    from.getHsv(&hf, &sf, &vf);
    to.getHsv(&ht, &st, &vt);

    // Pictures repeat colours in runs; the last recoloured pixel is kept.
    QRgb lastIn = 0, lastOut = 0;
    bool haveLast = false;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = row[x];
            if (haveLast && pixel == lastIn) {
                row[x] = lastOut;
                continue;
            }
            if (!mayMatchHue(pixel, hf))
                continue;
            const Hsv c = toolkitHsv(pixel);
            if (std::abs(c.h - hf) > kHueWindow)
                continue;
            const int hue = ((c.h - hf + ht) % kHueCircle + kHueCircle) % kHueCircle;
            const QRgb out =
                QColor::fromHsv(hue, scaledComponent(c.s, st, sf), scaledComponent(c.v, vt, vf), qAlpha(pixel)).rgba();
            lastIn = pixel;
            lastOut = out;
            haveLast = true;
            row[x] = out;
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

// ---- Blur ----------------------------------------------------------------

constexpr int kBlurAlphas[] = {14, 10, 8, 6, 5, 5, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2};
constexpr int kBlurRadii = int(sizeof(kBlurAlphas) / sizeof(kBlurAlphas[0]));
constexpr int kNoBlur = 16;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr int kAlphaByte = 3;
#else
constexpr int kAlphaByte = 0;
#endif

int blurAlpha(int radius)
{
    if (radius < 1)
        return kNoBlur;
    if (radius > kBlurRadii)
        return 1;
    return kBlurAlphas[radius - 1];
}

// One step of the one-pole filter: the accumulator (in 1/16 units) moves
// toward the byte by alpha / 16, truncated toward zero, and the byte takes its
// integer part.
inline void blurStep(int& acc, unsigned char& byte, int alpha)
{
    acc += ((byte * 16 - acc) * alpha) / 16;
    byte = static_cast<unsigned char>(acc >> 4);
}

struct BlurArea
{
    unsigned char* bits;
    qsizetype bytesPerLine;
    int left;
    int top;
    int right;
    int bottom;
    int alpha;

    unsigned char* pixel(int x, int y) const { return bits + y * bytesPerLine + x * 4; }
};

// The columns run top to bottom (step 1) or bottom to top (step -1). They are
// walked a row at a time across all columns, with one accumulator per byte, so
// that memory is read in order.
template <bool OnlyAlpha>
void blurColumns(const BlurArea& a, int step, std::vector<int>& acc)
{
    const int first = step > 0 ? a.top : a.bottom;
    const int last = step > 0 ? a.bottom : a.top;
    const int bytes = (a.right - a.left + 1) * 4;
    acc.resize(size_t(bytes));
    unsigned char* start = a.pixel(a.left, first);
    for (int j = OnlyAlpha ? kAlphaByte : 0; j < bytes; j += OnlyAlpha ? 4 : 1)
        acc[size_t(j)] = start[j] * 16;
    for (int y = first + step; y != last + step; y += step) {
        unsigned char* p = a.pixel(a.left, y);
        int* ac = acc.data();
        if (OnlyAlpha) {
            for (int j = kAlphaByte; j < bytes; j += 4)
                blurStep(ac[j], p[j], a.alpha);
        } else {
            for (int j = 0; j < bytes; ++j)
                blurStep(ac[j], p[j], a.alpha);
        }
    }
}

// The rows run left to right (step 1) or right to left (step -1).
template <bool OnlyAlpha>
void blurRows(const BlurArea& a, int step)
{
    const int first = step > 0 ? a.left : a.right;
    const int last = step > 0 ? a.right : a.left;
    for (int y = a.top; y <= a.bottom; ++y) {
        unsigned char* p = a.pixel(first, y);
        int acc[4];
        for (int c = 0; c < 4; ++c)
            acc[c] = p[c] * 16;
        for (int x = first + step; x != last + step; x += step) {
            p += step * 4;
            if (OnlyAlpha) {
                blurStep(acc[kAlphaByte], p[kAlphaByte], a.alpha);
            } else {
                for (int c = 0; c < 4; ++c)
                    blurStep(acc[c], p[c], a.alpha);
            }
        }
    }
}

template <bool OnlyAlpha>
void blurArea(const BlurArea& a)
{
    std::vector<int> acc;
    blurColumns<OnlyAlpha>(a, 1, acc);
    blurRows<OnlyAlpha>(a, 1);
    blurColumns<OnlyAlpha>(a, -1, acc);
    blurRows<OnlyAlpha>(a, -1);
}

} // namespace

QImage DrawTools::blurred(const QImage& image, const QRect& rect, int radius, bool onlyAlpha)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect r = rect.normalized();
    const int left = std::max(r.left(), 0);
    const int top = std::max(r.top(), 0);
    const int right = std::min(r.right(), result.width() - 1);
    const int bottom = std::min(r.bottom(), result.height() - 1);
    const int alpha = blurAlpha(radius);
    // Alpha 16 copies every byte through unchanged.
    if (result.isNull() || left > right || top > bottom || alpha == kNoBlur)
        return result;
    const BlurArea area{result.bits(), result.bytesPerLine(), left, top, right, bottom, alpha};
    if (onlyAlpha)
        blurArea<true>(area);
    else
        blurArea<false>(area);
    return result;
}

// ---- Information bubble --------------------------------------------------

void DrawTools::drawInfo(QPainter* painter, const QPoint& pos, const QString& text, const QFont& font,
                         const QColor& color, bool outline, float opacity)
{
    if (!painter)
        return;
    constexpr qreal kShadowOpacity = 0.6;
    constexpr qreal kRoundness = 100;
    painter->save();
    painter->setFont(font);
    const QFontMetrics metrics = painter->fontMetrics();
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const QRect textRect(pos, QPoint(pos.x() + w + 11, pos.y() + h + 2));

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setOpacity(kShadowOpacity);
    painter->setBrush(Qt::black);
    painter->drawRoundedRect(QRect(pos, QSize(w + 15, h + 6)), kRoundness, kRoundness, Qt::RelativeSize);

    painter->setOpacity(opacity);
    const QPointF centre = pos + QPoint(2, 2);
    QRadialGradient gradient(centre, w + 12, centre);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, color);
    if (outline)
        painter->setPen(Qt::white);
    painter->setBrush(gradient);
    painter->drawRoundedRect(textRect, kRoundness, kRoundness, Qt::RelativeSize);

    painter->setPen(Qt::white);
    painter->drawText(textRect, Qt::AlignCenter, text);
    painter->restore();
}

} // namespace VAruzoD
