#pragma once

namespace MTools::detail {

// The transform behind Math::fft and Math::ifft: n complex values in place, n a
// power of two. Returns false, and leaves the arrays as they are, for any other
// n or when one array is given for both parts.
bool fftTransform(int n, float* re, float* im, bool forward);

} // namespace MTools::detail
