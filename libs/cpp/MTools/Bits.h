#pragma once

#include <ostream>

namespace MTools {

// A fixed-length array of bits packed into bytes, least significant first: bit i
// lives in byte i / 8 at mask 1 << (i % 8). The bits above the last valid position
// in the last byte are always 0, so whole-byte reads such as operator int see
// only valid bits.
//
// Errors are written as one line to standard error and the operation carries on
// without the change: a position out of range in setBit, a count out of range in
// getCode, a negative length or byte count.
class Bits
{
public:
    // n bits, all 0. A negative n gives an empty array and an error line.
    Bits(const int& n);
    Bits(const Bits& other);
    Bits& operator=(const Bits& other);
    virtual ~Bits();

    // Copies the array's byte count of bytes from bytes (which must hold that
    // many); bits beyond the last position stay 0. A null pointer changes nothing.
    void setCode(const char* bytes);
    // Copies min(length, byte count) bytes into the lowest bytes; higher bytes
    // keep their bits, bits beyond the last position stay 0.
    void setCode(const char* bytes, int length);
    // Calls setBit(i, bit i of code) for i = 0 .. 31.
    void setCode(const unsigned int& code);
    void setBit(const unsigned int& pos, const int& value);
    // The bit (0 or 1), or -1 for a position out of range.
    int getBit(const unsigned int& pos) const;
    // The lowest count bits as a number, for 1 <= count <= min(length, 32); else
    // an error line and 0.
    unsigned int getCode(const unsigned int& count) const;
    // The first four bytes as a little-endian number; missing bytes count as 0.
    operator int() const;

    // Rotations move k places toward position 0 (ror) or toward the top (rol) and
    // return the bit that went round last (0 when k is 0 or the array is empty).
    int ror(const unsigned int& k);
    int rol(const unsigned int& k);
    // Shifts move k places, zeros entering; they return the last bit shifted out
    // (0 when k is 0 or past the length).
    int shr(const unsigned int& k);
    int shl(const unsigned int& k);
    // Removes the lowest k bits (all of them when k is past the length); a
    // negative k changes nothing.
    Bits& del(const int& k);
    // Appends other above the current bits; other may be this array itself.
    Bits& cat(const Bits& other);
    // Bitwise with other over the positions both arrays have; andOp clears the
    // positions other lacks, orOp and xorOp leave them.
    Bits& andOp(const Bits& other);
    Bits& orOp(const Bits& other);
    Bits& xorOp(const Bits& other);
    Bits& negOp();

    // The bits from the top position down to 0, as digits, without a line end.
    void printOn(std::ostream& os) const;
    // The bits from position 0 up to standard output, a line end, and a flush.
    void print() const;

    unsigned int count() const;
    int byteCount() const;

private:
    void resize(unsigned int n);
    void clearSpareBits();

    unsigned char* m_pBytes = nullptr;
    unsigned int m_nBits = 0;
    int m_nBytes = 0;
};

} // namespace MTools
