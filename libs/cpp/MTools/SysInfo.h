#pragma once

#include <QString>

namespace MTools {

// The current call stack as text, one line per frame: "<number> <symbol>" or,
// where a frame has no symbol, "<number> <no symbol> [<address>]". Symbol names
// are demangled. Programs that link MTools export their symbols (-rdynamic), so
// the names stay readable in an optimised, stripped build; functions with
// internal linkage show as the nearest exported name or as an offset.
class SysInfo
{
public:
    // Takes up to depth frames (100 when depth is 0 or negative; at most 100),
    // frame 0 being the caller of this function, and writes the lines of frames
    // skip and on into buffer as a zero-terminated text of at most size bytes
    // including the terminator; a line that does not fit is left out with all
    // after it. The text is empty when the symbols cannot be obtained or there
    // are no more than skip frames.
    static void stackTrace(char* buffer, unsigned long size, int depth, int skip);
    // The same text as a QString, frame 1 being this function's caller.
    static QString stackTrace(int depth = 0, int skip = 0);
};

} // namespace MTools
