#pragma once
// The steps of the line and circle algorithms answered for any step directly,
// without walking the steps before it, so that the primitives can start and
// stop where the surface does.

#include <vector>

namespace VAruzoD {

// The first i in [lo, hi] where pred(i) is true, for a pred that stays true once
// it is; hi + 1 when there is none.
template <typename Pred>
long long firstWhere(long long lo, long long hi, Pred pred)
{
    while (lo <= hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (pred(mid))
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return lo;
}

// The Bresenham line with major length M and minor length m (0 <= m <= M):
// the number of minor steps taken before pixel i, 0 <= i <= M. The error
// starts at M, loses 2m a pixel and gains 2M with each minor step, staying in
// (0, 2M]; so the count is floor((2 m i + M) / (2 M)).
long long bresenhamMinorSteps(long long major, long long minor, long long i);

// The midpoint circle of radius r >= 0: step u (from 0) sets the offsets u and
// v(u) in the eight octants; v starts at r and falls by at most one a step.
class CircleWalk
{
public:
    explicit CircleWalk(long long r);

    // The last step that draws.
    long long last() const { return m_last; }
    // v at step u, 0 <= u <= last().
    long long v(long long u) const;

private:
    // The largest w with w (w - 1) <= r^2 - u^2.
    long long bulk(long long u) const;

    long long m_r;
    // Up to this step v(u) is bulk(u); the few steps after it are kept.
    long long m_bulkEnd = 0;
    std::vector<long long> m_tail;
    long long m_last = 0;
};

} // namespace VAruzoD
