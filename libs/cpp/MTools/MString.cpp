#include "MTools/MString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kClassId[] = "41c69b52-961b-4eee-b5aa-36a830fc3d81";
const char kClassName[] = "MString";

const char kCanNotCreate[] = "can not create the file";
const char kCanNotWrite[] = "can not write the file";
const char kCanNotOpen[] = "can not open the file";
const char kInvalidRange[] = "invalid offset or count";
const char kOutOfRange[] = "index out of range";

// Files are read in chunks of this size, so that a count larger than the file
// never allocates more than the file holds.
const size_t kReadChunk = 64 * 1024;

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

char* newBytes(unsigned long n)
{
    char* bytes = new char[n + 1];
    bytes[n] = '\0';
    return bytes;
}

} // namespace

MString::MString()
    : m_nID(counter()++)
    , m_pData(newBytes(0))
    , m_nLength(0)
{
}

MString::MString(const char* s)
    : MString()
{
    copy(s);
}

MString::MString(const MString& other)
    : MString()
{
    assign(other.m_pData, other.m_nLength);
}

MString& MString::operator=(const MString& other)
{
    return copy(other);
}

int& MString::counter() const
{
    static int count = 0;
    return count;
}

MString::~MString()
{
    --counter();
    delete[] m_pData;
}

void MString::assign(const char* bytes, unsigned long n)
{
    char* fresh = newBytes(n);
    if (bytes)
        std::memcpy(fresh, bytes, n);
    else
        std::memset(fresh, 0, n);
    delete[] m_pData;
    m_pData = fresh;
    m_nLength = n;
}

MString& MString::operator+=(const MString& s)
{
    return cat(s);
}

MString MString::operator+(const MString& s) const
{
    MString sum(*this);
    sum.cat(s);
    return sum;
}

void MString::checkIndex(long i) const
{
    if (i < 0 || static_cast<unsigned long>(i) >= m_nLength)
        throw kOutOfRange;
}

char& MString::operator[](const long& i)
{
    checkIndex(i);
    return m_pData[i];
}

const char& MString::operator[](const long& i) const
{
    checkIndex(i);
    return m_pData[i];
}

bool MString::operator==(const MString& s) const
{
    return compare(s) == 1;
}

bool MString::operator!=(const MString& s) const
{
    return !(*this == s);
}

int MString::order(const MString& s) const
{
    const unsigned long common = std::min(m_nLength, s.m_nLength);
    for (unsigned long i = 0; i < common; ++i) {
        const auto a = static_cast<signed char>(m_pData[i]);
        const auto b = static_cast<signed char>(s.m_pData[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (m_nLength == s.m_nLength)
        return 0;
    return m_nLength < s.m_nLength ? -1 : 1;
}

bool MString::operator>(const MString& s) const
{
    return order(s) > 0;
}

bool MString::operator<(const MString& s) const
{
    return order(s) < 0;
}

bool MString::operator>=(const MString& s) const
{
    return *this > s || *this == s;
}

bool MString::operator<=(const MString& s) const
{
    return *this < s || *this == s;
}

void MString::printOn(std::ostream& os) const
{
    for (unsigned long i = 0; i < m_nLength; ++i)
        os.put(m_pData[i] == '\0' ? ' ' : m_pData[i]);
}

bool MString::isEmpty() const
{
    return m_nLength == 0;
}

MString MString::getString(const int& from, const int& to) const
{
    const unsigned long start = from < 0 ? 0 : std::min<unsigned long>(from, m_nLength);
    const unsigned long end = to < 0 ? 0 : std::min<unsigned long>(to, m_nLength);
    MString part;
    if (start < end)
        part.assign(m_pData + start, end - start);
    return part;
}

MString& MString::copy(const char* s)
{
    if (!s)
        assign(nullptr, 0);
    else
        assign(s, std::strlen(s));
    return *this;
}

MString& MString::copy(const MString& s)
{
    if (&s != this)
        assign(s.m_pData, s.m_nLength);
    return *this;
}

MString& MString::cat(const MString& s)
{
    const unsigned long total = m_nLength + s.m_nLength;
    char* fresh = newBytes(total);
    std::memcpy(fresh, m_pData, m_nLength);
    // s may be this string: its bytes are read before the old ones are freed.
    std::memcpy(fresh + m_nLength, s.m_pData, s.m_nLength);
    delete[] m_pData;
    m_pData = fresh;
    m_nLength = total;
    return *this;
}

MString& MString::concat(const MString& s)
{
    return cat(s);
}

MString& MString::reverse()
{
    std::reverse(m_pData, m_pData + m_nLength);
    return *this;
}

int MString::compare(const MString& s) const
{
    return m_nLength == s.m_nLength && std::memcmp(m_pData, s.m_pData, m_nLength) == 0 ? 1 : 0;
}

MString& MString::toCStr()
{
    return *this;
}

MString& MString::toUpper()
{
    for (unsigned long i = 0; i < m_nLength; ++i)
        if (m_pData[i] >= 'a' && m_pData[i] <= 'z')
            m_pData[i] = char(m_pData[i] - 'a' + 'A');
    return *this;
}

MString& MString::toLower()
{
    for (unsigned long i = 0; i < m_nLength; ++i)
        if (m_pData[i] >= 'A' && m_pData[i] <= 'Z')
            m_pData[i] = char(m_pData[i] - 'A' + 'a');
    return *this;
}

char* MString::getAddress()
{
    return m_pData;
}

char* MString::data()
{
    return m_pData;
}

MString& MString::exportToFile(const char* path)
{
    File file(path ? std::fopen(path, "wb") : nullptr);
    if (!file)
        throw kCanNotCreate;
    const bool written = std::fwrite(m_pData, 1, m_nLength, file.get()) == m_nLength;
    // Buffered bytes reach the disk only at fclose; a full disk shows there.
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed)
        throw kCanNotWrite;
    return *this;
}

MString& MString::exportToFile(MString& path)
{
    path.toCStr();
    return exportToFile(path.data());
}

void MString::exportToStream(std::ostream& os) const
{
    os.write(m_pData, std::streamsize(std::strlen(m_pData)));
}

MString& MString::importFromFile(const char* path)
{
    File file(path ? std::fopen(path, "rb") : nullptr);
    if (!file)
        throw kCanNotOpen;
    long size = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0)
        size = std::ftell(file.get());
    return importFromFile(path, 0, size < 0 ? 0 : size);
}

MString& MString::importFromFile(MString path)
{
    path.toCStr();
    return importFromFile(path.data());
}

MString& MString::importFromFile(const char* path, const long& offset, const long& count)
{
    if (offset < 0 || count < 0)
        throw kInvalidRange;
    File file(path ? std::fopen(path, "rb") : nullptr);
    if (!file)
        throw kCanNotOpen;
    // Past the end of a regular file there is nothing to read; seeking that far
    // may fail where the offset exceeds the largest possible file.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size >= 0 && offset >= size) {
            assign(nullptr, 0);
            return *this;
        }
    }
    if (std::fseek(file.get(), offset, SEEK_SET) != 0)
        throw kCanNotOpen;

    std::vector<char> bytes;
    unsigned long wanted = static_cast<unsigned long>(count);
    while (wanted > 0) {
        const size_t chunk = std::min<unsigned long>(wanted, kReadChunk);
        const size_t old = bytes.size();
        bytes.resize(old + chunk);
        const size_t got = std::fread(bytes.data() + old, 1, chunk, file.get());
        bytes.resize(old + got);
        if (got < chunk)
            break;
        wanted -= got;
    }
    if (std::ferror(file.get()))
        throw kCanNotOpen;
    assign(bytes.data(), bytes.size());
    return *this;
}

const char* MString::c_str() const
{
    return m_pData;
}

int MString::find(const MString& s, const int& from) const
{
    const unsigned long start = from < 0 ? 0 : static_cast<unsigned long>(from);
    if (start >= m_nLength)
        return -1;
    const char* end = m_pData + m_nLength;
    const char* hit = std::search(static_cast<const char*>(m_pData) + start, end, s.m_pData, s.m_pData + s.m_nLength);
    if (hit == end)
        return -1;
    return int(hit - m_pData);
}

unsigned long MString::length() const
{
    return m_nLength;
}

MString MString::getClassID() const
{
    return MString(kClassId);
}

MString MString::getObjectID() const
{
    MString id(kClassId);
    id.cat(MString(std::to_string(m_nID).c_str()));
    return id;
}

MString MString::getClassName() const
{
    return MString(kClassName);
}

int MString::getCounter() const
{
    return counter();
}
