#pragma once
// The raster primitives written the plain way: every pixel of the shape is
// walked, on the surface or not. The library clips before it walks; for shapes
// of ordinary size both must set the same pixels of a surface. Each function
// hands every pixel to put(x, y) with coordinates formed wide.

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace ReferenceRaster {

template <typename Put>
void line(int x1, int y1, int x2, int y2, Put put)
{
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const bool xMajor = dx > dy;
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
            put(a, b);
        else
            put(b, a);
        e -= 2 * minor;
        if (e <= 0) {
            b += step;
            e += 2 * major;
        }
    }
}

template <typename Put>
void rect(int x, int y, int w, int h, Put put)
{
    if (w < 1 || h < 1)
        return;
    const long long right = static_cast<long long>(x) + w - 1;
    const long long bottom = static_cast<long long>(y) + h - 1;
    for (long long col = x; col <= right; ++col) {
        put(col, y);
        put(col, bottom);
    }
    for (long long row = static_cast<long long>(y) + 1; row <= bottom; ++row)
        put(x, row);
    for (long long row = static_cast<long long>(y) + 1; row <= bottom - 1; ++row)
        put(right, row);
}

template <typename Put>
void fillRect(int x, int y, int w, int h, Put put)
{
    if (w < 1 || h < 1)
        return;
    const long long right = static_cast<long long>(x) + w - 1;
    for (long long row = static_cast<long long>(y) + h - 1; row >= y; --row)
        for (long long col = x; col <= right; ++col)
            put(col, row);
}

// The circle steps with the offsets scaled by kx and ky (16.16 fixed point);
// filled draws the four spans of 2w pixels from the centre minus w.
template <typename Put>
void circleSteps(int xc, int yc, int r, long long kx, long long ky, bool filled, Put put)
{
    auto scaled = [](long long offset, long long k) { return (offset * k) >> 16; };
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
        const long long su = scaled(u, kx), sv = scaled(v, kx);
        const long long tu = scaled(u, ky), tv = scaled(v, ky);
        if (!filled) {
            for (long long sx : {-1, 1})
                for (long long sy : {-1, 1}) {
                    put(xc + sx * su, yc + sy * tv);
                    put(xc + sx * sv, yc + sy * tu);
                }
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

template <typename Put>
void ellipse(int xc, int yc, int rx, int ry, bool filled, Put put)
{
    const long long unit = 65536;
    const bool scaleX = rx <= ry;
    const int radius = scaleX ? ry : rx;
    const long long shorter = scaleX ? rx : ry;
    const long long k = radius == 0 ? unit : shorter * unit / radius;
    circleSteps(xc, yc, radius, scaleX ? k : unit, scaleX ? unit : k, filled, put);
}

} // namespace ReferenceRaster
