#pragma once

#include "MTools/MMatrix.h"

namespace VAruzoD {

class GraphX;

// A wire-frame model: 3D vertices and edges between them, rotated by whole
// degrees, scaled, shifted on the screen and drawn with a central projection
// onto any drawing surface: X = P0 x / (P1 + z) + x offset, and Y likewise,
// with the projection distance P0 and the eye distance P1 shared by all models.
//
// A vertex in the eye plane (z = -P1), or one whose projection lies beyond the
// surface's int coordinates, cannot be drawn: its edges and its mark are left
// out. Edges naming a vertex that does not exist are left out too.
class G3D
{
public:
    // vertexCount rows of x, y, z at vertices and edgeCount pairs of vertex
    // indexes at edges; a negative count or a null array is taken as none.
    G3D(const int& vertexCount, float* vertices, const int& edgeCount, int* edges, const int& drawColor,
        const int& eraseColor, const float& xOffset, const float& yOffset, const float& zOffset);
    G3D(const G3D& other);
    G3D& operator=(const G3D& other);

    // Draws the edge from vertex i to vertex j in color.
    virtual void verbinden(GraphX* surface, const int& i, const int& j, const int& color) const;
    virtual ~G3D();
    // Draws every edge in color.
    virtual void drawAllgemein(GraphX* surface, const int& color) const;
    // Every edge in the draw colour, or in the erase colour over the same pixels.
    virtual void draw(GraphX* surface) const;
    virtual void del(GraphX* surface) const;
    // A circle of radius 1 around every vertex, in the draw or the erase colour.
    virtual void drawVertex(GraphX* surface) const;
    virtual void delVertex(GraphX* surface) const;
    // Rotate every vertex about the axis; any whole number of degrees, reduced
    // to 0 .. 359.
    virtual void xDrehen(const int& degrees);
    virtual void yDrehen(const int& degrees);
    virtual void zDrehen(const int& degrees);
    // Shift the picture: add d to the offset.
    virtual void xVerschieben(const float& d);
    virtual void yVerschieben(const float& d);
    virtual void zVerschieben(const float& d);
    // Multiply every vertex coordinate by f.
    virtual void zoom(const float& f);
    // The number of models alive.
    virtual const int& objectCounter() const;
    // Sets P0 and P1 for all models.
    virtual void setPerspective(const int& p0, const int& p1);

    // Where vertex i lands on the surface; false when there is no such vertex
    // or it cannot be drawn.
    bool project(int i, int& x, int& y) const;
    int vertexCount() const { return m_vertices.nrows(); }
    int edgeCount() const { return m_edges.nrows(); }
    // Coordinate axis (0 x, 1 y, 2 z) of vertex i; 0 when there is no such vertex.
    float vertex(int i, int axis) const;
    float xOffset() const { return m_fXOffset; }
    float yOffset() const { return m_fYOffset; }
    float zOffset() const { return m_fZOffset; }

    static int sm_perspective[2];
    static int sm_nObjectCounter;

private:
    enum Axis { X = 0, Y = 1, Z = 2 };
    void rotate(Axis axis, int degrees);

    MMatrix<float> m_vertices;
    MMatrix<int> m_edges;
    MMatrix<float> m_rotX;
    MMatrix<float> m_rotY;
    MMatrix<float> m_rotZ;
    int m_nDrawColor;
    int m_nEraseColor;
    float m_fXOffset;
    float m_fYOffset;
    float m_fZOffset;
};

} // namespace VAruzoD
