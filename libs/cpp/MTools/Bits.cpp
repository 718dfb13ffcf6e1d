#include "MTools/Bits.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace MTools {

namespace {

const unsigned int kCodeBits = 32;

int bytesFor(unsigned int n)
{
    return int(n / 8 + (n % 8 != 0 ? 1 : 0));
}

void reportError(const char* line)
{
    std::cerr << line << std::endl;
}

} // namespace

Bits::Bits(const int& n)
{
    if (n < 0)
        reportError("Bits::Bits(int) Negative length");
    resize(n < 0 ? 0u : unsigned(n));
}

Bits::Bits(const Bits& other)
{
    resize(other.m_nBits);
    std::memcpy(m_pBytes, other.m_pBytes, size_t(m_nBytes));
}

Bits& Bits::operator=(const Bits& other)
{
    if (this != &other) {
        resize(other.m_nBits);
        std::memcpy(m_pBytes, other.m_pBytes, size_t(m_nBytes));
    }
    return *this;
}

Bits::~Bits()
{
    delete[] m_pBytes;
}

// Replaces the storage by n zero bits.
void Bits::resize(unsigned int n)
{
    const int bytes = bytesFor(n);
    // At least one byte, so that the pointer is never null.
    auto* fresh = new unsigned char[size_t(std::max(bytes, 1))]();
    delete[] m_pBytes;
    m_pBytes = fresh;
    m_nBits = n;
    m_nBytes = bytes;
}

void Bits::clearSpareBits()
{
    if (m_nBits % 8 != 0)
        m_pBytes[m_nBytes - 1] &= static_cast<unsigned char>((1u << (m_nBits % 8)) - 1);
}

void Bits::setCode(const char* bytes)
{
    setCode(bytes, m_nBytes);
}

void Bits::setCode(const char* bytes, int length)
{
    if (length < 0) {
        reportError("Bits::setCode(const char*,int) Negative length");
        return;
    }
    if (!bytes)
        return;
    std::memcpy(m_pBytes, bytes, size_t(std::min(length, m_nBytes)));
    clearSpareBits();
}

void Bits::setCode(const unsigned int& code)
{
    for (unsigned int i = 0; i < kCodeBits; ++i)
        setBit(i, int((code >> i) & 1u));
}

void Bits::setBit(const unsigned int& pos, const int& value)
{
    if (pos >= m_nBits) {
        reportError("Bits::setBit(int,int) Position is out of range");
        return;
    }
    const auto mask = static_cast<unsigned char>(1u << (pos % 8));
    if (value)
        m_pBytes[pos / 8] |= mask;
    else
        m_pBytes[pos / 8] &= static_cast<unsigned char>(~mask);
}

int Bits::getBit(const unsigned int& pos) const
{
    if (pos >= m_nBits)
        return -1;
    return (m_pBytes[pos / 8] >> (pos % 8)) & 1;
}

unsigned int Bits::getCode(const unsigned int& count) const
{
    // Past 32 bits the result would need a shift wider than the type.
    if (count == 0 || count > m_nBits || count > kCodeBits) {
        reportError("Bits::getCode(int) Out Of Range");
        return 0;
    }
    unsigned int code = 0;
    for (unsigned int i = 0; i < count; ++i)
        code |= unsigned(getBit(i)) << i;
    return code;
}

Bits::operator int() const
{
    unsigned int value = 0;
    for (int j = 0; j < 4 && j < m_nBytes; ++j)
        value |= unsigned(m_pBytes[j]) << (8 * j);
    return int(value);
}

// Rotating by k rounds is rotating by k mod n; the bit that went round in the
// last round (k - 1) is the one that started at (k - 1) mod n (ror) or at
// (n - k) mod n (rol).
int Bits::ror(const unsigned int& k)
{
    if (k == 0 || m_nBits == 0)
        return 0;
    const unsigned int n = m_nBits;
    const int last = getBit((k - 1) % n);
    const Bits old(*this);
    for (unsigned int i = 0; i < n; ++i)
        setBit(i, old.getBit(unsigned((i + k % n) % n)));
    return last;
}

int Bits::rol(const unsigned int& k)
{
    if (k == 0 || m_nBits == 0)
        return 0;
    const unsigned int n = m_nBits;
    const int last = getBit((n - k % n) % n);
    const Bits old(*this);
    for (unsigned int i = 0; i < n; ++i)
        setBit(i, old.getBit(unsigned((i + n - k % n) % n)));
    return last;
}

// Each round shifts one bit out; once k passes the length only zeros go out.
int Bits::shr(const unsigned int& k)
{
    if (k == 0)
        return 0;
    if (k > m_nBits) {
        resize(m_nBits);
        return 0;
    }
    const int last = getBit(k - 1);
    for (unsigned int i = 0; i < m_nBits; ++i)
        setBit(i, i + k < m_nBits ? getBit(i + k) : 0);
    return last;
}

int Bits::shl(const unsigned int& k)
{
    if (k == 0)
        return 0;
    if (k > m_nBits) {
        resize(m_nBits);
        return 0;
    }
    const int last = getBit(m_nBits - k);
    for (unsigned int i = m_nBits; i-- > 0;)
        setBit(i, i >= k ? getBit(i - k) : 0);
    return last;
}

Bits& Bits::del(const int& k)
{
    if (k <= 0)
        return *this;
    const unsigned int removed = std::min(unsigned(k), m_nBits);
    const Bits old(*this);
    resize(m_nBits - removed);
    for (unsigned int i = 0; i < m_nBits; ++i)
        setBit(i, old.getBit(i + removed));
    return *this;
}

Bits& Bits::cat(const Bits& other)
{
    const Bits low(*this);
    const Bits high(other);
    resize(low.m_nBits + high.m_nBits);
    for (unsigned int i = 0; i < low.m_nBits; ++i)
        setBit(i, low.getBit(i));
    for (unsigned int j = 0; j < high.m_nBits; ++j)
        setBit(low.m_nBits + j, high.getBit(j));
    return *this;
}

Bits& Bits::andOp(const Bits& other)
{
    for (unsigned int i = 0; i < m_nBits; ++i)
        setBit(i, i < other.m_nBits && getBit(i) && other.getBit(i));
    return *this;
}

Bits& Bits::orOp(const Bits& other)
{
    const unsigned int common = std::min(m_nBits, other.m_nBits);
    for (unsigned int i = 0; i < common; ++i)
        setBit(i, getBit(i) | other.getBit(i));
    return *this;
}

Bits& Bits::xorOp(const Bits& other)
{
    const unsigned int common = std::min(m_nBits, other.m_nBits);
    for (unsigned int i = 0; i < common; ++i)
        setBit(i, getBit(i) ^ other.getBit(i));
    return *this;
}

Bits& Bits::negOp()
{
    for (int j = 0; j < m_nBytes; ++j)
        m_pBytes[j] = static_cast<unsigned char>(~m_pBytes[j]);
    clearSpareBits();
    return *this;
}

void Bits::printOn(std::ostream& os) const
{
    for (unsigned int i = m_nBits; i-- > 0;)
        os << getBit(i);
}

void Bits::print() const
{
    for (unsigned int i = 0; i < m_nBits; ++i)
        std::cout << getBit(i);
    std::cout << std::endl;
}

unsigned int Bits::count() const
{
    return m_nBits;
}

int Bits::byteCount() const
{
    return m_nBytes;
}

} // namespace MTools
