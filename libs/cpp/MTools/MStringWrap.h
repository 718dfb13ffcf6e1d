#pragma once

#include "MTools/MString.h"

namespace MTools {

// Builds an MString from C strings, single characters and numbers.
class MStringWrap : public MString
{
public:
    // The bytes of s up to its zero byte; a null pointer gives the empty string.
    MStringWrap(const char* s);
    // The first n bytes of s (which must hold that many); a null pointer gives
    // the empty string.
    MStringWrap(const char* s, unsigned long n);
    // n zero bytes: a buffer to fill through operator[] or data().
    MStringWrap(unsigned long n);
    MStringWrap(const char& c);
    MStringWrap(const int& v);
    MStringWrap(const long& v);
    MStringWrap(const unsigned int& v);
    // Six decimals ("%f") of the value as a double, however many digits come
    // before the point.
    MStringWrap(const float& v);
    MStringWrap(const double& v);
    MStringWrap(const long double& v);

    // Writes c_str() and a line end to standard output.
    virtual void test();
};

} // namespace MTools
