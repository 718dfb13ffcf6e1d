// Random wire-frame models, turned, zoomed and shifted, under random
// perspectives, drawn on a small picture: vertices anywhere (near and in the eye
// plane, beyond int, not numbers at all) must cost no more than the pixels on
// the picture, and del must take back exactly what draw set.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "VAruzoD/G3D.h"
#include "VAruzoD/ImageProcess.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

constexpr int kMaxVertices = 16;
constexpr int kMaxEdges = 32;
constexpr int kSide = 16;

class Reader
{
public:
    Reader(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int integer()
    {
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= uint32_t(byte()) << (8 * i);
        return int(bits);
    }
    // Mostly coordinates of a few hundred units, sometimes any float at all.
    float coordinate()
    {
        const uint8_t head = byte();
        const int raw = integer();
        if (head & 1) {
            float any = 0;
            std::memcpy(&any, &raw, sizeof any);
            return any;
        }
        return float(raw % 40000) / 100.0f;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Restores the perspective every model shares.
struct PerspectiveGuard
{
    ~PerspectiveGuard()
    {
        VAruzoD::G3D::sm_perspective[0] = 20000;
        VAruzoD::G3D::sm_perspective[1] = 19950;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in(data, size);
    PerspectiveGuard guard;
    const int vertexCount = in.byte() % (kMaxVertices + 1);
    const int edgeCount = in.byte() % (kMaxEdges + 1);
    std::vector<float> vertices(size_t(vertexCount) * 3);
    for (float& v : vertices)
        v = in.coordinate();
    std::vector<int> edges(size_t(edgeCount) * 2);
    for (int& e : edges)
        e = int(in.byte() % (kMaxVertices + 2)) - 1; // some name no vertex
    const float xOffset = in.coordinate();
    const float yOffset = in.coordinate();
    VAruzoD::G3D model(vertexCount, vertices.data(), edgeCount, edges.data(), 1, 0, xOffset, yOffset, 0);

    const uint8_t steps = in.byte() % 8;
    for (int i = 0; i < steps; ++i) {
        switch (in.byte() % 6) {
        case 0:
            model.xDrehen(in.integer());
            break;
        case 1:
            model.yDrehen(in.integer());
            break;
        case 2:
            model.zDrehen(in.integer());
            break;
        case 3:
            model.zoom(in.coordinate());
            break;
        case 4:
            model.xVerschieben(in.coordinate());
            break;
        default: {
            const int p0 = in.integer();
            model.setPerspective(p0, in.integer());
            break;
        }
        }
    }

    VAruzoD::ImageProcess picture(8, kSide, kSide, 0, nullptr);
    model.draw(&picture);
    model.drawVertex(&picture);
    model.del(&picture);
    model.delVertex(&picture);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            check(picture.getPixel(x, y) == 0);
    return 0;
}
