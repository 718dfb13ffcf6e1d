#include "MTools/SysInfo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <cxxabi.h>
#include <execinfo.h>

namespace MTools {

namespace {

const int kMaxDepth = 100;
// Room for the frames above the caller's.
const int kOwnFrames = 8;
const unsigned long kTextSize = 12800;

// backtrace_symbols gives "file(mangled+0x1a) [0x...]"; the mangled name is
// replaced by its demangled form, the rest stays as the C library wrote it.
std::string readableSymbol(const char* symbol)
{
    std::string text(symbol);
    const size_t open = text.find('(');
    const size_t plus = text.find('+', open);
    if (open == std::string::npos || plus == std::string::npos || plus == open + 1)
        return text;
    const std::string mangled = text.substr(open + 1, plus - open - 1);
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status),
                                                std::free);
    if (status != 0 || !name)
        return text;
    return text.substr(0, open + 1) + name.get() + text.substr(plus);
}

// Frames are numbered from the caller's side: the frame whose return address is
// callerAddress gets the number callerNumber, and frames above it (this function,
// the public entry point, and whatever a sanitizer's interceptor of backtrace
// adds) are never listed. Frames depth and on are left out.
void writeTrace(char* buffer, unsigned long size, int depth, int skip, int callerNumber, void* callerAddress)
{
    if (!buffer || size == 0)
        return;
    buffer[0] = '\0';
    if (depth <= 0 || depth > kMaxDepth)
        depth = kMaxDepth;
    if (skip < callerNumber)
        skip = callerNumber;

    void* addresses[kMaxDepth + kOwnFrames];
    const int taken = backtrace(addresses, kMaxDepth + kOwnFrames);
    int caller = 0;
    while (caller < taken && addresses[caller] != callerAddress)
        ++caller;
    if (caller == taken)
        return;
    // Entry of frame f.
    const int offset = caller - callerNumber;
    const int frames = std::min(depth, taken - offset);
    if (frames <= skip)
        return;
    std::unique_ptr<char*, void (*)(void*)> symbols(backtrace_symbols(addresses, taken), std::free);
    if (!symbols)
        return;

    unsigned long used = 0;
    for (int i = skip; i < frames; ++i) {
        const char* symbol = symbols.get()[i + offset];
        std::string line;
        if (symbol && *symbol) {
            line = std::to_string(i) + ' ' + readableSymbol(symbol) + '\n';
        } else {
            char address[32];
            std::snprintf(address, sizeof address, "%p", addresses[i + offset]);
            line = std::to_string(i) + " <no symbol> [" + address + "]\n";
        }
        if (used + line.size() + 1 > size)
            break;
        std::memcpy(buffer + used, line.c_str(), line.size() + 1);
        used += line.size();
    }
}

} // namespace

__attribute__((noinline)) void SysInfo::stackTrace(char* buffer, unsigned long size, int depth, int skip)
{
    // Frame 0 is the caller.
    writeTrace(buffer, size, depth, skip, 0, __builtin_return_address(0));
}

__attribute__((noinline)) QString SysInfo::stackTrace(int depth, int skip)
{
    std::unique_ptr<char[]> buffer(new char[kTextSize]);
    // Frame 0 is this function and is left out; the caller is frame 1.
    writeTrace(buffer.get(), kTextSize - 1, depth, skip + 1, 1, __builtin_return_address(0));
    return QString::fromLocal8Bit(buffer.get());
}

} // namespace MTools
