#include "VAruzoD/GraphX.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

#include "VAruzoD/RasterSteps_p.h"

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

long long scaled(long long offset, long long k)
{
    return (offset * k) >> 16;
}

bool isEmpty(const GraphX::Bounds& b)
{
    return b.right < b.left || b.bottom < b.top;
}

// The pixels x1 .. x2 of row y (both included) that lie within b.
void clippedRow(const GraphX& surface, const GraphX::Bounds& b, long long x1, long long x2, long long y, int color)
{
    if (y < b.top || y > b.bottom)
        return;
    const long long from = std::max<long long>(x1, b.left);
    const long long to = std::min<long long>(x2, b.right);
    for (long long x = from; x <= to; ++x)
        surface.putPixel(int(x), int(y), color);
}

void clippedColumn(const GraphX& surface, const GraphX::Bounds& b, long long y1, long long y2, long long x, int color)
{
    if (x < b.left || x > b.right)
        return;
    const long long from = std::max<long long>(y1, b.top);
    const long long to = std::min<long long>(y2, b.bottom);
    for (long long y = from; y <= to; ++y)
        surface.putPixel(int(x), int(y), color);
}

// The steps first .. last of 0 .. n where the monotone offset(step) equals
// target; first > last when there are none.
template <typename Offset>
std::pair<long long, long long> stepsAt(long long n, Offset offset, long long target)
{
    if (offset(0) <= offset(n)) {
        return {firstWhere(0, n, [&](long long u) { return offset(u) >= target; }),
                firstWhere(0, n, [&](long long u) { return offset(u) > target; }) - 1};
    }
    return {firstWhere(0, n, [&](long long u) { return offset(u) <= target; }),
            firstWhere(0, n, [&](long long u) { return offset(u) < target; }) - 1};
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

GraphX::Bounds GraphX::bounds() const
{
    return {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
}

bool GraphX::contains(int x, int y) const
{
    const Bounds b = bounds();
    return x >= b.left && x <= b.right && y >= b.top && y <= b.bottom;
}

void GraphX::line(int x1, int y1, int x2, int y2, int color) const
{
    const Bounds b = bounds();
    if (isEmpty(b))
        return;
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

    // Pixel i (0 .. major) lies at major coordinate a0 + i and minor coordinate
    // b0 + step * n(i), n rising with i: both bounds cut a range of i.
    const long long majorLo = xMajor ? b.left : b.top, majorHi = xMajor ? b.right : b.bottom;
    const long long minorLo = xMajor ? b.top : b.left, minorHi = xMajor ? b.bottom : b.right;
    const long long nLo = step > 0 ? minorLo - b0 : b0 - minorHi;
    const long long nHi = step > 0 ? minorHi - b0 : b0 - minorLo;
    auto n = [&](long long i) { return bresenhamMinorSteps(major, minor, i); };
    long long first = std::max<long long>(0, majorLo - a0);
    long long last = std::min<long long>(major, majorHi - a0);
    if (first > last)
        return;
    first = firstWhere(first, last, [&](long long i) { return n(i) >= nLo; });
    last = firstWhere(first, last, [&](long long i) { return n(i) > nHi; }) - 1;
    for (long long i = first; i <= last; ++i) {
        const long long a = a0 + i;
        const long long m = b0 + step * n(i);
        if (xMajor)
            putPixel(int(a), int(m), color);
        else
            putPixel(int(m), int(a), color);
    }
}

void GraphX::lineH(int x1, int x2, int y, int color) const
{
    clippedRow(*this, bounds(), x1, static_cast<long long>(x2) - 1, y, color);
}

void GraphX::lineV(int y1, int y2, int x, int color) const
{
    clippedColumn(*this, bounds(), y1, static_cast<long long>(y2) - 1, x, color);
}

void GraphX::rect(int x, int y, int w, int h, int color) const
{
    if (w < 1 || h < 1)
        return;
    const Bounds b = bounds();
    const long long right = static_cast<long long>(x) + w - 1;
    const long long bottom = static_cast<long long>(y) + h - 1;
    clippedRow(*this, b, x, right, y, color);
    clippedRow(*this, b, x, right, bottom, color);
    clippedColumn(*this, b, static_cast<long long>(y) + 1, bottom, x, color);
    clippedColumn(*this, b, static_cast<long long>(y) + 1, bottom - 1, right, color);
}

void GraphX::fillRect(int x, int y, int w, int h, int color) const
{
    if (w < 1 || h < 1)
        return;
    const Bounds b = bounds();
    const long long bottom = std::min<long long>(static_cast<long long>(y) + h - 1, b.bottom);
    for (long long row = bottom; row >= std::max<long long>(y, b.top); --row)
        clippedRow(*this, b, x, static_cast<long long>(x) + w - 1, row, color);
}

namespace {

// The pixels the circle steps set in one row, dy = row - yc away from the
// centre. Step u sets the rows yc +- ty(v(u)) with the x offsets sx(u) and the
// rows yc +- ty(u) with the x offsets sx(v(u)) (sx, ty: the scaled offsets).
// The steps that reach a row form a range, over which the x offsets move
// monotonously: the outline sets them, the filled form the widest span.
void circleRow(const GraphX& surface, const GraphX::Bounds& b, long long row, long long xc, long long dy,
               const CircleWalk& walk, long long kx, long long ky, bool filled, int color)
{
    const long long last = walk.last();
    auto sxOfU = [&](long long u) { return scaled(u, kx); };
    auto sxOfV = [&](long long u) { return scaled(walk.v(u), kx); };
    auto tyOfV = [&](long long u) { return scaled(walk.v(u), ky); };
    auto tyOfU = [&](long long u) { return scaled(u, ky); };
    // Offsets move by one pixel a step at most unless the x factor exceeds 1
    // (a negative shorter radius beyond the longer one); then each step counts.
    const bool contiguous = std::llabs(kx) <= kUnitScale;

    auto draw = [&](std::pair<long long, long long> steps, auto sx) {
        if (steps.first > steps.second)
            return;
        const long long a = sx(steps.first), z = sx(steps.second);
        if (filled) {
            const long long w = std::max(a, z);
            clippedRow(surface, b, xc - w, xc + w - 1, row, color);
        } else if (contiguous) {
            const long long lo = std::min(a, z), hi = std::max(a, z);
            clippedRow(surface, b, xc + lo, xc + hi, row, color);
            clippedRow(surface, b, xc - hi, xc - lo, row, color);
        } else {
            for (long long u = steps.first; u <= steps.second; ++u) {
                clippedRow(surface, b, xc + sx(u), xc + sx(u), row, color);
                clippedRow(surface, b, xc - sx(u), xc - sx(u), row, color);
            }
        }
    };
    draw(stepsAt(last, tyOfV, dy), sxOfU);
    draw(stepsAt(last, tyOfU, dy), sxOfV);
}

} // namespace

void GraphX::circleSteps(int xc, int yc, int r, long long kx, long long ky, Octants form, int color) const
{
    const Bounds b = bounds();
    if (isEmpty(b))
        return;
    const bool filled = form == Octants::Spans;
    if (r < 0) {
        // A negative radius makes one step, with v = r - 1 and u = 0.
        const long long v = static_cast<long long>(r) - 1;
        const long long sv = scaled(v, kx), tv = scaled(v, ky);
        if (filled) {
            clippedRow(*this, b, xc - sv, xc + sv - 1, yc, color);
            return;
        }
        for (long long sign : {-1, 1}) {
            clippedRow(*this, b, xc, xc, yc + sign * tv, color);
            clippedRow(*this, b, xc + sign * sv, xc + sign * sv, yc, color);
        }
        return;
    }
    const CircleWalk walk(r);
    // Rows reached: yc +- the scaled offsets, at most |ty(r)| (+1 for the
    // rounding of a negative factor) away.
    const long long reach = std::llabs(scaled(r, ky)) + 1;
    const long long top = std::max<long long>(static_cast<long long>(yc) - reach, b.top);
    const long long bottom = std::min<long long>(static_cast<long long>(yc) + reach, b.bottom);
    for (long long row = top; row <= bottom; ++row) {
        circleRow(*this, b, row, xc, row - yc, walk, kx, ky, filled, color);
        if (row != yc)
            circleRow(*this, b, row, xc, yc - row, walk, kx, ky, filled, color);
    }
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
    // Sets an old pixel; false when it is not old or does not take the colour.
    auto take = [&](long long px, long long py) {
        if (!isOld(px, py))
            return false;
        putPixel(int(px), int(py), color);
        return getPixel(int(px), int(py)) != old;
    };
    // Fills the run of old pixels through (px, py), which is set already, and
    // returns its ends.
    auto fillSpan = [&](int px, int py, int& left, int& right) {
        left = px;
        right = px;
        while (take(static_cast<long long>(left) - 1, py))
            --left;
        while (take(static_cast<long long>(right) + 1, py))
            ++right;
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
        if (!take(s.x, s.y))
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
