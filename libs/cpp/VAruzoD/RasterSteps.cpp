#include "VAruzoD/RasterSteps_p.h"

#include <cmath>

namespace VAruzoD {

long long bresenhamMinorSteps(long long major, long long minor, long long i)
{
    if (major <= 0)
        return 0;
    // m i stays below 2^64 for lengths within the int range; 2 m i would not.
    const unsigned long long product = static_cast<unsigned long long>(minor) * static_cast<unsigned long long>(i);
    const unsigned long long m = static_cast<unsigned long long>(major);
    const unsigned long long whole = product / m;
    const unsigned long long rest = product % m;
    return static_cast<long long>(whole + (2 * rest >= m ? 1 : 0));
}

// The error of the midpoint steps is a function of the offsets: after the
// check of step u, e = r^2 - u^2 - v^2 + v. While v stays two or more above u,
// each step keeps v the largest value with v (v - 1) <= r^2 - u^2; near the
// diagonal, where that no longer holds, the last few steps are walked.
CircleWalk::CircleWalk(long long r)
    : m_r(r)
{
    if (r <= 0) {
        // Radius 0 sets the centre only (step 0 with v = 0).
        m_tail.push_back(0);
        return;
    }
    // bulk(u) - u falls with u, so the steps that keep the rule are a prefix.
    m_bulkEnd = firstWhere(1, r, [this](long long u) { return bulk(u - 1) < u + 1; }) - 1;
    long long u = m_bulkEnd;
    long long v = bulk(u);
    long long e = r * r - u * u - v * v + v;
    m_tail.push_back(v);
    for (;;) {
        e -= 2 * u + 1;
        ++u;
        if (v < u)
            break;
        if (e < 0) {
            e += 2 * v - 2;
            --v;
        }
        m_tail.push_back(v);
    }
    m_last = u - 1;
}

long long CircleWalk::bulk(long long u) const
{
    const long long room = m_r * m_r - u * u;
    auto fits = [room](long long w) { return w * (w - 1) <= room; };
    long long w = static_cast<long long>(std::sqrt(static_cast<long double>(room))) + 1;
    while (w > 0 && !fits(w))
        --w;
    while (fits(w + 1))
        ++w;
    return w;
}

long long CircleWalk::v(long long u) const
{
    return u < m_bulkEnd ? bulk(u) : m_tail[size_t(u - m_bulkEnd)];
}

} // namespace VAruzoD
