// Random shapes of random sizes, from ordinary to the int limits, drawn on small
// surfaces. Every primitive must hand out only pixels of the surface, return in
// a time that follows the surface (the clipping), and, for shapes small enough to
// walk whole, set exactly the pixels of the whole shape that lie on the surface.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "VAruzoD/GraphX.h"
#include "libs/cpp/VAruzoD/tst_graphx/ReferenceRaster.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Shapes whose every coordinate and size lies within this are also walked whole.
constexpr int kWalkable = 100;
constexpr int kMaxCalls = 64;

class Grid : public VAruzoD::GraphX
{
public:
    Grid(int width, int height)
        : m_width(width)
        , m_height(height)
        , m_pixels(size_t(width * height), 0)
        , m_touched(size_t(width * height), false)
    {
    }
    Bounds bounds() const override { return {0, 0, m_width - 1, m_height - 1}; }
    void putPixel(int x, int y, int color) const override
    {
        check(x >= 0 && y >= 0 && x < m_width && y < m_height);
        m_pixels[index(x, y)] = color;
        m_touched[index(x, y)] = true;
    }
    int getPixel(int x, int y) const override { return contains(x, y) ? m_pixels[index(x, y)] : 0; }

    void forget() { m_touched.assign(m_touched.size(), false); }
    bool touched(int x, int y) const { return m_touched[index(x, y)]; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    size_t index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }

    int m_width;
    int m_height;
    mutable std::vector<int> m_pixels;
    mutable std::vector<bool> m_touched;
};

// Reads ints from the input: small ones, ones of 16 bits, any 32 bits, or the
// values at and around the limits, as the two low bits of the first byte say.
class Reader
{
public:
    Reader(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int value()
    {
        const uint8_t head = byte();
        const uint32_t bits = uint32_t(byte()) | uint32_t(byte()) << 8 | uint32_t(byte()) << 16 | uint32_t(head) << 24;
        static const int kLimits[] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, 1 << 30, -(1 << 30), 0, -1};
        switch (head & 3) {
        case 0:
            return int(bits % 61) - 24;
        case 1:
            return int(int16_t(bits >> 4));
        case 2:
            return int(bits);
        default:
            return kLimits[(bits >> 8) % 8];
        }
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

bool walkable(const int* args, int count)
{
    for (int i = 0; i < count; ++i)
        if (args[i] < -kWalkable || args[i] > kWalkable)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in(data, size);
    Grid grid(1 + in.byte() % 24, 1 + in.byte() % 24);
    for (int call = 0; call < kMaxCalls && !in.atEnd(); ++call) {
        const int op = in.byte() % 10;
        int a[4];
        for (int& v : a)
            v = in.value();
        const int color = 1 + call % 7;
        grid.forget();
        std::vector<bool> expected(size_t(grid.width() * grid.height()), false);
        auto put = [&](long long x, long long y) {
            if (x >= 0 && y >= 0 && x < grid.width() && y < grid.height())
                expected[size_t(y) * size_t(grid.width()) + size_t(x)] = true;
        };
        bool compare = walkable(a, 4);
        switch (op) {
        case 0:
            grid.line(a[0], a[1], a[2], a[3], color);
            if (compare)
                ReferenceRaster::line(a[0], a[1], a[2], a[3], put);
            break;
        case 1:
            grid.lineH(a[0], a[1], a[2], color);
            for (long long x = a[0]; compare && x < a[1]; ++x)
                put(x, a[2]);
            break;
        case 2:
            grid.lineV(a[0], a[1], a[2], color);
            for (long long y = a[0]; compare && y < a[1]; ++y)
                put(a[2], y);
            break;
        case 3:
            grid.rect(a[0], a[1], a[2], a[3], color);
            if (compare)
                ReferenceRaster::rect(a[0], a[1], a[2], a[3], put);
            break;
        case 4:
            grid.fillRect(a[0], a[1], a[2], a[3], color);
            if (compare)
                ReferenceRaster::fillRect(a[0], a[1], a[2], a[3], put);
            break;
        case 5:
        case 6:
            if (op == 5)
                grid.circle(a[0], a[1], a[2], color);
            else
                grid.fillCircle(a[0], a[1], a[2], color);
            if (walkable(a, 3))
                ReferenceRaster::ellipse(a[0], a[1], a[2], a[2], op == 6, put);
            compare = walkable(a, 3);
            break;
        case 7:
        case 8:
            if (op == 7)
                grid.ellipse(a[0], a[1], a[2], a[3], color);
            else
                grid.fillEllipse(a[0], a[1], a[2], a[3], color);
            if (compare)
                ReferenceRaster::ellipse(a[0], a[1], a[2], a[3], op == 8, put);
            break;
        default: {
            // The seed fill ends within the surface and colours its seed.
            const int x = int(unsigned(a[0]) % unsigned(grid.width()));
            const int y = int(unsigned(a[1]) % unsigned(grid.height()));
            const int old = grid.getPixel(x, y);
            grid.fill(x, y, color);
            check(grid.getPixel(x, y) == color);
            check(old == color || grid.touched(x, y));
            compare = false;
            break;
        }
        }
        if (!compare)
            continue;
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                check(grid.touched(x, y) == expected[size_t(y) * size_t(grid.width()) + size_t(x)]);
    }
    return 0;
}
