#pragma once

namespace VAruzoD {

// The progress counter that long operations are handed: a percentage from 0 to
// 100 that never falls. draw and hide are hooks for a visible subclass; here
// they do nothing, and progress changes never call them.
class ProgressLine
{
public:
    // Five values kept for a subclass (its geometry, say); this class does not
    // read them.
    ProgressLine(const int& a, const int& b, const int& c, const int& d, const int& e);
    virtual ~ProgressLine();

    virtual void draw() const;
    virtual void hide() const;

    // Absolute progress: a negative value is ignored, a smaller one changes
    // nothing, the result is capped at 100.
    void progress(const int& value);
    // Relative progress: a negative delta is ignored, the result is capped at 100.
    void progressRel(const int& delta);

    int current() const { return m_nCurrent; }
    int value(int index) const { return index >= 0 && index < 5 ? m_nValues[index] : 0; }

private:
    int m_nCurrent = 0;
    int m_nValues[5];
};

} // namespace VAruzoD
