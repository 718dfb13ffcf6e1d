#include "VAruzoD/GraphX.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace VAruzoD {

int GraphX::sm_nWidth = 0;
int GraphX::sm_nHeight = 0;
signed char GraphX::sm_nMode = 0;

namespace {

constexpr long long kUnitScale = 65536; // 1.0 in 16.16 fixed point

bool fitsInt(long long v)
{
    return v >= INT_MIN && v <= INT_MAX;
}

// Sets a pixel whose coordinates were formed wide; one beyond int is skipped.
void putChecked(const GraphX& surface, long long x, long long y, int color)
{
    if (fitsInt(x) && fitsInt(y))
        surface.putPixel(int(x), int(y), color);
}

long long scaled(long long offset, long long k)
{
    return (offset * k) >> 16;
}

} // namespace

GraphX::~GraphX() = default;

int GraphX::maxWidth() const
{
    return sm_nWidth;
}

int GraphX::maxHigh() const
{
    return sm_nHeight;
}

int GraphX::getMode() const
{
    return sm_nMode;
}

void GraphX::line(int x1, int y1, int x2, int y2, int color) const
{
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const bool xMajor = dx > dy;
    // (major, minor) of the start and the end, the start being the end point
    // with the smaller major coordinate ((x1, y1) when they are equal).
    long long a0 = xMajor ? x1 : y1, b0 = xMajor ? y1 : x1;
    long long a1 = xMajor ? x2 : y2, b1 = xMajor ? y2 : x2;
    if (a1 < a0) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const long long major = xMajor ? dx : dy;
    const long long minor = xMajor ? dy : dx;
    const int step = b1 >= b0 ? 1 : -1;
    long long e = major;
    long long b = b0;
    for (long long a = a0; a <= a1; ++a) {
        if (xMajor)
            putPixel(int(a), int(b), color);
        else
            putPixel(int(b), int(a), color);
        e -= 2 * minor;
        if (e <= 0) {
            b += step;
            e += 2 * major;
        }
    }
}

void GraphX::lineH(int x1, int x2, int y, int color) const
{
    for (long long x = x1; x < x2; ++x)
        putPixel(int(x), y, color);
}

void GraphX::lineV(int y1, int y2, int x, int color) const
{
    for (long long y = y1; y < y2; ++y)
        putPixel(x, int(y), color);
}

void GraphX::rect(int x, int y, int w, int h, int color) const
{
    if (w < 1 || h < 1)
        return;
    const long long right = static_cast<long long>(x) + w - 1;
    const long long bottom = static_cast<long long>(y) + h - 1;
    for (long long col = x; col <= right; ++col) {
        putChecked(*this, col, y, color);
        putChecked(*this, col, bottom, color);
    }
    for (long long row = static_cast<long long>(y) + 1; row <= bottom; ++row)
        putChecked(*this, x, row, color);
    for (long long row = static_cast<long long>(y) + 1; row <= bottom - 1; ++row)
        putChecked(*this, right, row, color);
}

void GraphX::fillRect(int x, int y, int w, int h, int color) const
{
    if (w < 1 || h < 1)
        return;
    const long long right = static_cast<long long>(x) + w - 1;
    for (long long row = static_cast<long long>(y) + h - 1; row >= y; --row) {
        for (long long col = x; col <= right; ++col)
            putChecked(*this, col, row, color);
    }
}

void GraphX::circleSteps(int xc, int yc, int r, long long kx, long long ky, Octants form, int color) const
{
    auto put = [&](long long px, long long py) { putChecked(*this, px, py, color); };
    // The 2w pixels from xc - w to xc + w - 1 of row py.
    auto span = [&](long long py, long long w) {
        for (long long px = xc - w; px < xc + w; ++px)
            put(px, py);
    };
    long long u = 0, v = r, e = r;
    do {
        if (e < 0) {
            e += 2 * v - 2;
            --v;
        }
        const long long su = scaled(u, kx), sv = scaled(v, kx); // x offsets
        const long long tu = scaled(u, ky), tv = scaled(v, ky); // y offsets
        if (form == Octants::Eight) {
            put(xc + su, yc + tv);
            put(xc - su, yc + tv);
            put(xc + su, yc - tv);
            put(xc - su, yc - tv);
            put(xc + sv, yc + tu);
            put(xc - sv, yc + tu);
            put(xc + sv, yc - tu);
            put(xc - sv, yc - tu);
        } else {
            span(yc - tu, sv);
            span(yc + tu, sv);
            span(yc - tv, su);
            span(yc + tv, su);
        }
        e -= 2 * u + 1;
        ++u;
    } while (v >= u);
}

void GraphX::circle(int xc, int yc, int r, int color) const
{
    circleSteps(xc, yc, r, kUnitScale, kUnitScale, Octants::Eight, color);
}

void GraphX::fillCircle(int xc, int yc, int r, int color) const
{
    circleSteps(xc, yc, r, kUnitScale, kUnitScale, Octants::Spans, color);
}

namespace {

// The radius the circle steps run with and the 16.16 factors of the x and y
// offsets: the shorter axis is scaled by min / max. Both radii 0 leave a
// circle of radius 0 (its factor does not matter then).
void ellipseScale(int rx, int ry, int& radius, long long& kx, long long& ky)
{
    const bool scaleX = rx <= ry;
    radius = scaleX ? ry : rx;
    const long long shorter = scaleX ? rx : ry;
    const long long k = radius == 0 ? kUnitScale : shorter * kUnitScale / radius;
    kx = scaleX ? k : kUnitScale;
    ky = scaleX ? kUnitScale : k;
}

} // namespace

void GraphX::ellipse(int xc, int yc, int rx, int ry, int color) const
{
    int radius = 0;
    long long kx = 0, ky = 0;
    ellipseScale(rx, ry, radius, kx, ky);
    circleSteps(xc, yc, radius, kx, ky, Octants::Eight, color);
}

void GraphX::fillEllipse(int xc, int yc, int rx, int ry, int color) const
{
    int radius = 0;
    long long kx = 0, ky = 0;
    ellipseScale(rx, ry, radius, kx, ky);
    circleSteps(xc, yc, radius, kx, ky, Octants::Spans, color);
}

int GraphX::lineFill(int x, int y, int dir, int parentLeft, int parentRight, int color) const
{
    if (!contains(x, y))
        return x;
    const int old = getPixel(x, y);
    if (old == color)
        return x;
    // A surface that cannot hold the colour (an 8-bit plane given 256, say)
    // would leave the pixel unchanged and the fill would never end.
    putPixel(x, y, color);
    if (getPixel(x, y) == old)
        return x;

    auto isOld = [&](long long px, long long py) {
        return fitsInt(px) && fitsInt(py) && contains(int(px), int(py)) && getPixel(int(px), int(py)) == old;
    };
    // Fills the run of old pixels through (px, py) and returns its ends.
    auto fillSpan = [&](int px, int py, int& left, int& right) {
        left = px;
        right = px;
        while (isOld(static_cast<long long>(left) - 1, py))
            --left;
        while (isOld(static_cast<long long>(right) + 1, py))
            ++right;
        for (long long i = left; i <= right; ++i)
            putPixel(int(i), py, color);
    };

    // A run of old pixels still to fill, found from the span left .. right of
    // the row y - dir (already filled, so not searched again).
    struct Seed
    {
        int x;
        int y;
        int dir;
        int left;
        int right;
    };
    std::vector<Seed> stack;
    // One seed for every run of old pixels of row py between from and to.
    auto pushRuns = [&](long long py, long long from, long long to, int towards, int spanLeft, int spanRight) {
        for (long long i = from; i <= to; ++i) {
            if (!isOld(i, py))
                continue;
            stack.push_back({int(i), int(py), towards, spanLeft, spanRight});
            while (i < to && isOld(i + 1, py))
                ++i;
        }
    };
    // Both neighbour rows of a filled span, the row it was found from only
    // beyond the parent span skipLeft .. skipRight.
    auto pushNeighbours = [&](int py, int towards, int left, int right, long long skipLeft, long long skipRight) {
        pushRuns(static_cast<long long>(py) + towards, left, right, towards, left, right);
        pushRuns(static_cast<long long>(py) - towards, left, std::min<long long>(right, skipLeft - 1), -towards, left,
                 right);
        pushRuns(static_cast<long long>(py) - towards, std::max<long long>(left, skipRight + 1), right, -towards, left,
                 right);
    };

    // The seed pixel is set already; the walks start from its neighbours.
    int left = x, right = x;
    fillSpan(x, y, left, right);
    const int seedRight = right;
    pushNeighbours(y, dir < 0 ? -1 : 1, left, right, parentLeft, static_cast<long long>(parentRight) - 1);

    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        if (!isOld(s.x, s.y))
            continue;
        fillSpan(s.x, s.y, left, right);
        pushNeighbours(s.y, s.dir, left, right, s.left, s.right);
    }
    return seedRight;
}

void GraphX::fill(int x, int y, int color) const
{
    lineFill(x, y, 1, x, x, color);
}

} // namespace VAruzoD
