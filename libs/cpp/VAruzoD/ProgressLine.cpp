#include "VAruzoD/ProgressLine.h"

#include <algorithm>

namespace VAruzoD {

namespace {
constexpr int kComplete = 100;
}

ProgressLine::ProgressLine(const int& a, const int& b, const int& c, const int& d, const int& e)
    : m_nValues{a, b, c, d, e}
{
}

ProgressLine::~ProgressLine() = default;

void ProgressLine::draw() const
{
}

void ProgressLine::hide() const
{
}

void ProgressLine::progress(const int& value)
{
    if (value < 0)
        return;
    m_nCurrent = std::min(std::max(m_nCurrent, value), kComplete);
}

void ProgressLine::progressRel(const int& delta)
{
    if (delta < 0)
        return;
    // Summed wide, so that a huge delta cannot wrap to a negative percentage.
    m_nCurrent = int(std::min<long long>(static_cast<long long>(m_nCurrent) + delta, kComplete));
}

} // namespace VAruzoD
