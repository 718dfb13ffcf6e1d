#include "VAruzoD/G3D.h"

#include <climits>
#include <cmath>

#include "MTools/Math.h"
#include "VAruzoD/GraphX.h"

namespace VAruzoD {

int G3D::sm_perspective[2] = {20000, 19950};
int G3D::sm_nObjectCounter = 0;

namespace {

constexpr int kDegrees = 360;
constexpr int kVertexMarkRadius = 1;

MMatrix<float> identity3()
{
    MMatrix<float> m(3, 3, 0.0f);
    for (int i = 0; i < 3; ++i)
        m(i, i) = 1.0f;
    return m;
}

int rowsOf(const int& count, const void* data)
{
    return data && count > 0 ? count : 0;
}

// A projected coordinate as an int: truncated toward zero, and only when it
// is a finite number within int.
bool toPixel(float v, int& pixel)
{
    if (!std::isfinite(v) || v <= float(INT_MIN) || v >= float(INT_MAX))
        return false;
    pixel = int(v);
    return true;
}

} // namespace

G3D::G3D(const int& vertexCount, float* vertices, const int& edgeCount, int* edges, const int& drawColor,
         const int& eraseColor, const float& xOffset, const float& yOffset, const float& zOffset)
    : m_vertices(vertices, rowsOf(vertexCount, vertices), 3)
    , m_edges(edges, rowsOf(edgeCount, edges), 2)
    , m_rotX(identity3())
    , m_rotY(identity3())
    , m_rotZ(identity3())
    , m_nDrawColor(drawColor)
    , m_nEraseColor(eraseColor)
    , m_fXOffset(xOffset)
    , m_fYOffset(yOffset)
    , m_fZOffset(zOffset)
{
    ++sm_nObjectCounter;
}

// A copy is one more model alive.
G3D::G3D(const G3D& other)
    : m_vertices(other.m_vertices)
    , m_edges(other.m_edges)
    , m_rotX(other.m_rotX)
    , m_rotY(other.m_rotY)
    , m_rotZ(other.m_rotZ)
    , m_nDrawColor(other.m_nDrawColor)
    , m_nEraseColor(other.m_nEraseColor)
    , m_fXOffset(other.m_fXOffset)
    , m_fYOffset(other.m_fYOffset)
    , m_fZOffset(other.m_fZOffset)
{
    ++sm_nObjectCounter;
}

// Assignment changes a model, not the number of models.
G3D& G3D::operator=(const G3D& other)
{
    if (this == &other)
        return *this;
    m_vertices = other.m_vertices;
    m_edges = other.m_edges;
    m_rotX = other.m_rotX;
    m_rotY = other.m_rotY;
    m_rotZ = other.m_rotZ;
    m_nDrawColor = other.m_nDrawColor;
    m_nEraseColor = other.m_nEraseColor;
    m_fXOffset = other.m_fXOffset;
    m_fYOffset = other.m_fYOffset;
    m_fZOffset = other.m_fZOffset;
    return *this;
}

G3D::~G3D()
{
    --sm_nObjectCounter;
}

float G3D::vertex(int i, int axis) const
{
    if (i < 0 || i >= m_vertices.nrows() || axis < 0 || axis > 2)
        return 0.0f;
    return m_vertices(i, axis);
}

bool G3D::project(int i, int& x, int& y) const
{
    if (i < 0 || i >= m_vertices.nrows())
        return false;
    const float p0 = float(sm_perspective[0]);
    const float depth = float(sm_perspective[1]) + m_vertices(i, Z);
    if (depth == 0.0f)
        return false;
    return toPixel(p0 * m_vertices(i, X) / depth + m_fXOffset, x)
           && toPixel(p0 * m_vertices(i, Y) / depth + m_fYOffset, y);
}

void G3D::verbinden(GraphX* surface, const int& i, const int& j, const int& color) const
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (surface && project(i, x1, y1) && project(j, x2, y2))
        surface->line(x1, y1, x2, y2, color);
}

void G3D::drawAllgemein(GraphX* surface, const int& color) const
{
    for (int e = 0; e < m_edges.nrows(); ++e)
        verbinden(surface, m_edges(e, 0), m_edges(e, 1), color);
}

void G3D::draw(GraphX* surface) const
{
    drawAllgemein(surface, m_nDrawColor);
}

void G3D::del(GraphX* surface) const
{
    drawAllgemein(surface, m_nEraseColor);
}

void G3D::drawVertex(GraphX* surface) const
{
    int x = 0, y = 0;
    for (int i = 0; surface && i < m_vertices.nrows(); ++i)
        if (project(i, x, y))
            surface->circle(x, y, kVertexMarkRadius, m_nDrawColor);
}

void G3D::delVertex(GraphX* surface) const
{
    int x = 0, y = 0;
    for (int i = 0; surface && i < m_vertices.nrows(); ++i)
        if (project(i, x, y))
            surface->circle(x, y, kVertexMarkRadius, m_nEraseColor);
}

void G3D::rotate(Axis axis, int degrees)
{
    const int d = (degrees % kDegrees + kDegrees) % kDegrees;
    const float c = MTools::Math::sm_fCos[d];
    const float s = MTools::Math::sm_fSin[d];
    // The two axes the rotation turns into each other.
    const int a = axis == X ? Y : X;
    const int b = axis == Z ? Y : Z;
    MMatrix<float>& r = axis == X ? m_rotX : axis == Y ? m_rotY : m_rotZ;
    r(a, a) = c;
    r(b, b) = c;
    if (axis == X) {
        r(b, a) = s;
        r(a, b) = -s;
    } else {
        r(a, b) = s;
        r(b, a) = -s;
    }
    MMatrix<float> turned(m_vertices.nrows(), 3, 0.0f);
    mult(m_vertices, r, turned);
    m_vertices = turned;
}

void G3D::xDrehen(const int& degrees)
{
    rotate(X, degrees);
}

void G3D::yDrehen(const int& degrees)
{
    rotate(Y, degrees);
}

void G3D::zDrehen(const int& degrees)
{
    rotate(Z, degrees);
}

void G3D::xVerschieben(const float& d)
{
    m_fXOffset += d;
}

void G3D::yVerschieben(const float& d)
{
    m_fYOffset += d;
}

void G3D::zVerschieben(const float& d)
{
    m_fZOffset += d;
}

void G3D::zoom(const float& f)
{
    scale(m_vertices, f);
}

const int& G3D::objectCounter() const
{
    return sm_nObjectCounter;
}

void G3D::setPerspective(const int& p0, const int& p1)
{
    sm_perspective[0] = p0;
    sm_perspective[1] = p1;
}

} // namespace VAruzoD
