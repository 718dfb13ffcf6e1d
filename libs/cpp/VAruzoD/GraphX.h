#pragma once

namespace VAruzoD {

// An abstract integer drawing surface. Every primitive draws through putPixel
// and reads through getPixel, the two operations each concrete surface must
// supply. Colours are plain ints whose meaning is the surface's (0xRRGGBB, a grey
// level, or 0/1 for the image planes).
//
// A surface that knows its size says so through bounds (and, when it holds
// fewer pixels than that rectangle, through contains). The primitives clip to
// the bounds before they walk their pixels, so that drawing costs what lands on
// the surface, whatever the size of the shape; the pixels set within the bounds
// are those of the whole shape.
class GraphX
{
public:
    GraphX() = default;
    GraphX(const GraphX&) = default;
    GraphX& operator=(const GraphX&) = default;
    virtual ~GraphX();

    // The rectangle of pixels a surface can hold, both corners included; empty
    // when right < left or bottom < top.
    struct Bounds
    {
        int left;
        int top;
        int right;
        int bottom;
    };

    virtual void putPixel(int x, int y, int color) const = 0;
    virtual int getPixel(int x, int y) const = 0;
    // The class-wide sm_nWidth, sm_nHeight and sm_nMode; not the size of a
    // concrete surface, which bounds and contains tell.
    virtual int maxWidth() const;
    virtual int maxHigh() const;
    virtual int getMode() const;
    // The whole int plane unless a surface says otherwise.
    virtual Bounds bounds() const;
    // Whether (x, y) is a pixel of the surface: by default whether it lies within
    // bounds. The seed fill never walks past it, whatever getPixel answers
    // outside.
    virtual bool contains(int x, int y) const;

    // Bresenham line, both end points included; the same pixels either way round.
    void line(int x1, int y1, int x2, int y2, int color) const;
    // The pixels x1 .. x2 - 1 of row y; nothing when x2 <= x1.
    void lineH(int x1, int x2, int y, int color) const;
    // The pixels y1 .. y2 - 1 of column x; nothing when y2 <= y1.
    void lineV(int y1, int y2, int x, int color) const;
    // Outline and filled rectangle of w x h pixels at (x, y); nothing when w or h
    // is below 1.
    void rect(int x, int y, int w, int h, int color) const;
    void fillRect(int x, int y, int w, int h, int color) const;
    // Midpoint circle. Radius 0 sets the centre; the filled form draws spans of
    // 2w pixels from xc - w, so a filled circle of radius 0 sets nothing.
    void circle(int xc, int yc, int r, int color) const;
    void fillCircle(int xc, int yc, int r, int color) const;
    // The circle of the longer radius with the offsets along the shorter axis
    // scaled in 16.16 fixed point. Both radii 0 give the centre (outline) or
    // nothing (filled), as for the circle.
    void ellipse(int xc, int yc, int rx, int ry, int color) const;
    void fillEllipse(int xc, int yc, int rx, int ry, int color) const;

    // Seed fill of the 4-connected run of pixels that have the colour of (x, y),
    // bounded by the surface. dir is the sign of the direction the fill came
    // from (1 or -1); the neighbour row y - dir is not searched within
    // parentLeft .. parentRight - 1 of the seed's own span (a caller's span already
    // filled). Returns the rightmost pixel of the seed's span; nothing is drawn
    // when the seed lies outside the surface or already has the colour. A pixel
    // that does not take the colour (one outside a surface that answers for the
    // whole plane) is a border too. Works with an explicit stack, so any region
    // size is safe.
    int lineFill(int x, int y, int dir, int parentLeft, int parentRight, int color) const;
    void fill(int x, int y, int color) const;

    static int sm_nWidth;
    static int sm_nHeight;
    static signed char sm_nMode;

private:
    enum class Octants { Eight, Spans };
    void circleSteps(int xc, int yc, int r, long long kx, long long ky, Octants form, int color) const;
};

} // namespace VAruzoD
