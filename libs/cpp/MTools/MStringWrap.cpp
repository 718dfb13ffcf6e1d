#include "MTools/MStringWrap.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace MTools {

namespace {

// printf into a buffer of the size the text needs: "%f" of 1e308 has over 300
// digits before the point.
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string formatted(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::vector<char> text(size_t(size < 0 ? 0 : size) + 1, '\0');
    if (size > 0)
        std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    return std::string(text.data(), text.size() - 1);
}

} // namespace

MStringWrap::MStringWrap(const char* s)
    : MString(s)
{
}

MStringWrap::MStringWrap(const char* s, unsigned long n)
{
    if (s)
        assign(s, n);
}

MStringWrap::MStringWrap(unsigned long n)
{
    assign(nullptr, n);
}

MStringWrap::MStringWrap(const char& c)
{
    assign(&c, 1);
}

MStringWrap::MStringWrap(const int& v)
{
    const std::string text = formatted("%d", v);
    assign(text.data(), text.size());
}

MStringWrap::MStringWrap(const long& v)
{
    const std::string text = formatted("%ld", v);
    assign(text.data(), text.size());
}

MStringWrap::MStringWrap(const unsigned int& v)
{
    const std::string text = formatted("%u", v);
    assign(text.data(), text.size());
}

MStringWrap::MStringWrap(const float& v)
{
    const std::string text = formatted("%f", double(v));
    assign(text.data(), text.size());
}

MStringWrap::MStringWrap(const double& v)
{
    const std::string text = formatted("%f", v);
    assign(text.data(), text.size());
}

MStringWrap::MStringWrap(const long double& v)
{
    const std::string text = formatted("%f", double(v));
    assign(text.data(), text.size());
}

void MStringWrap::test()
{
    std::cout << c_str() << std::endl;
}

} // namespace MTools
