#pragma once

#include <ostream>

// A byte string with an explicit length; it may hold zero bytes. Every string
// carries a number, the count of live strings when it was made, so that objects
// can be told apart in logs.
//
// The stored bytes are always followed by one zero byte, which is not counted in
// the length, so that c_str() and data() can be handed to C functions without
// reallocating.
//
// Failures throw a bare `const char*` text: "can not create the file", "can not
// write the file", "can not open the file", "invalid offset or count" and "index
// out of range". The object is left unchanged when one is thrown.
class MString
{
public:
    MString();
    // The bytes of s up to its zero byte; a null pointer gives the empty string.
    MString(const char* s);
    // A copy of the bytes under a new number.
    MString(const MString& other);
    // Copies the bytes; the object keeps its own number.
    MString& operator=(const MString& other);

    virtual int& counter() const;
    virtual ~MString();
    virtual MString& operator+=(const MString& s);
    virtual MString operator+(const MString& s) const;
    // Throws "index out of range" unless 0 <= i < length().
    virtual char& operator[](const long& i);
    virtual const char& operator[](const long& i) const;
    virtual bool operator==(const MString& s) const;
    virtual bool operator!=(const MString& s) const;
    // Byte by byte as signed chars; a proper prefix is less than the longer string.
    virtual bool operator>(const MString& s) const;
    virtual bool operator<(const MString& s) const;
    virtual bool operator>=(const MString& s) const;
    virtual bool operator<=(const MString& s) const;
    // All bytes, each zero byte written as a blank.
    virtual void printOn(std::ostream& os) const;
    virtual bool isEmpty() const;
    // The bytes from .. to - 1. The range is clipped to the string: a negative
    // start counts as 0, an end past the length as the length, and an empty or
    // inverted range gives the empty string.
    virtual MString getString(const int& from, const int& to) const;
    // Replaces the bytes; s may point into this string's own bytes. A null
    // pointer gives the empty string.
    virtual MString& copy(const char* s);
    virtual MString& copy(const MString& s);
    // Appends the bytes of s; s may be this string itself.
    virtual MString& cat(const MString& s);
    virtual MString& concat(const MString& s);
    virtual MString& reverse();
    // 1 when the lengths and all bytes are equal, else 0.
    virtual int compare(const MString& s) const;
    // The bytes are always zero-terminated; kept for callers that ask for it.
    virtual MString& toCStr();
    // ASCII letters only; other bytes stay.
    virtual MString& toUpper();
    virtual MString& toLower();
    virtual char* getAddress();
    virtual char* data();
    // Writes the bytes to the file, created or truncated.
    virtual MString& exportToFile(const char* path);
    virtual MString& exportToFile(MString& path);
    // The bytes up to the first zero byte.
    virtual void exportToStream(std::ostream& os) const;
    // The whole file.
    virtual MString& importFromFile(const char* path);
    virtual MString& importFromFile(MString path);
    // Up to count bytes from offset on; the length becomes the number of bytes
    // the file really had there (0 when offset lies past its end). A negative
    // offset or count throws "invalid offset or count".
    virtual MString& importFromFile(const char* path, const long& offset, const long& count);
    virtual const char* c_str() const;
    // The index of the first occurrence of s that starts at or after from (a
    // negative from counts as 0), or -1. From at or past the length gives -1; an
    // empty s is found at from.
    virtual int find(const MString& s, const int& from) const;
    virtual unsigned long length() const;
    virtual MString getClassID() const;
    // The class identifier followed directly by the decimal number.
    virtual MString getObjectID() const;
    virtual MString getClassName() const;
    virtual int getCounter() const;

protected:
    // Replaces the bytes by n bytes from bytes (which may lie inside this string's
    // own bytes), or by n zero bytes when bytes is null.
    void assign(const char* bytes, unsigned long n);

private:
    void checkIndex(long i) const;
    int order(const MString& s) const;

    int m_nID;
    char* m_pData;
    unsigned long m_nLength;
};
