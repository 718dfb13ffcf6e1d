#include "MTools/MMatrix.h"

#include <cstdio>
#include <cstdlib>

namespace MMatrixCheck {

void fail(const char* expression, const char* function, const char* file, int line)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s:%d: %s: Assertion `%s' failed.\n", file, line, function, expression);
    std::fflush(stderr);
    std::abort();
}

} // namespace MMatrixCheck

template class MMatrix<int>;
template class MMatrix<float>;

void mult(const MMatrix<float>& a, const MMatrix<float>& b, MMatrix<float>& r)
{
    if (a.ncols() != b.nrows() || r.nrows() != a.nrows() || r.ncols() != b.ncols())
        MMatrixCheck::fail("!((a.ncols() != b.nrows()) || (r.nrows() != a.nrows()) || (r.ncols() != b.ncols()))",
                           __PRETTY_FUNCTION__, "libs/cpp/MTools/MMatrix.cpp", __LINE__);
    r = a * b;
}

void scale(MMatrix<float>& m, const float& s)
{
    m = m * s;
}
