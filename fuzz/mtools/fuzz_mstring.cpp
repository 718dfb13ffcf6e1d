// MString::importFromFile on arbitrary file contents, with an offset and a count
// taken from the input (negative and huge ones included): it must read exactly
// what the file holds there, or throw without changing the string.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#include "MTools/MString.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool holds(const MString& s, const uint8_t* bytes, size_t size)
{
    return s.length() == size && std::memcmp(s.c_str(), bytes, size) == 0 && s.c_str()[size] == '\0';
}

// A signed number from eight input bytes; the first byte picks a few edge values.
long numberFrom(const uint8_t* bytes)
{
    switch (bytes[0] % 8) {
    case 0:
        return LONG_MAX;
    case 1:
        return LONG_MIN;
    case 2:
        return -1;
    default: {
        long value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return bytes[0] % 8 == 3 ? value : value % 64;
    }
    }
}

// The input lives in a memory file; its path is what importFromFile opens.
const std::string& filePath()
{
    static const std::string path = "/proc/self/fd/" + std::to_string(memfd_create("fuzz_mstring", 0));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = filePath();
    const int fd = std::atoi(path.c_str() + std::strlen("/proc/self/fd/"));
    check(ftruncate(fd, 0) == 0);
    check(pwrite(fd, data, size, 0) == ssize_t(size));

    MString whole("before");
    whole.importFromFile(path.c_str());
    check(holds(whole, data, size));

    const long offset = size >= 8 ? numberFrom(data) : long(size % 5);
    const long count = size >= 16 ? numberFrom(data + 8) : long(size);
    MString part("unchanged");
    try {
        part.importFromFile(path.c_str(), offset, count);
    } catch (const char* text) {
        check(offset < 0 || count < 0);
        check(std::strcmp(text, "invalid offset or count") == 0);
        check(part == MString("unchanged"));
        return 0;
    }
    check(offset >= 0 && count >= 0);
    const size_t start = std::min<size_t>(size_t(offset), size);
    const size_t length = std::min<size_t>(size_t(count), size - start);
    check(holds(part, data + start, length));

    // What was read behaves as the same bytes in a std::string.
    const std::string expected(reinterpret_cast<const char*>(data + start), length);
    const MString needle = part.getString(int(length / 3), int(length / 2));
    const std::string needleText = expected.substr(length / 3, length / 2 - length / 3);
    const size_t hit = expected.find(needleText);
    check(part.find(needle, 0) == (length == 0 ? -1 : int(hit)));
    MString twice(part);
    twice.cat(twice);
    check(twice.length() == 2 * length && twice.getString(int(length), int(2 * length)) == part);
    return 0;
}
