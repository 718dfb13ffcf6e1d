#pragma once

#include <iomanip>
#include <iostream>

namespace MMatrixCheck {

// Writes "<file>:<line>: <function>: Assertion `<expression>' failed." to standard
// error and aborts. Size and index checks of MMatrix stay active in every build:
// an unchecked index writes outside the rows and corrupts the heap silently.
[[noreturn]] void fail(const char* expression, const char* function, const char* file, int line);

} // namespace MMatrixCheck

#define MMATRIX_REQUIRE(condition)                                                                                     \
    ((condition) ? static_cast<void>(0)                                                                                \
                 : MMatrixCheck::fail(#condition, __PRETTY_FUNCTION__, "libs/cpp/MTools/MMatrix.h", __LINE__))

// A small dense matrix of n rows of m elements of T. Element (i, j) is row i, column
// j; arrays passed in are row-major. Instantiated for int and float.
template <typename T>
class MMatrix
{
public:
    MMatrix(int n, int m, T value);
    // n x m, filled row by row from the n * m values at data.
    MMatrix(T* data, const int& n, const int& m);
    MMatrix(const MMatrix& other);
    MMatrix& operator=(const MMatrix& other);
    virtual ~MMatrix();

    // Copies n * m values row by row into the top-left n x m block; returns 0.
    virtual int init(T* data, const int& n, const int& m);
    // Stores the value at (i, j) and returns it.
    virtual T setElement(const int& i, const int& j, T value);
    virtual T getElement(const int& i, const int& j);
    virtual const int& maxI() const;
    virtual const int& maxJ() const;
    // A line end, then each row: every element right-aligned in `width` characters
    // and followed by one blank, and a line end.
    virtual void print(const char& width) const;
    virtual int nrows() const;
    virtual int ncols() const;
    virtual MMatrix& operator+=(const MMatrix& a);
    virtual MMatrix operator+(const MMatrix& a) const;
    virtual MMatrix& operator-=(const MMatrix& a);
    virtual MMatrix operator-(const MMatrix& a) const;
    // The product: this matrix's column count must equal b's row count.
    virtual MMatrix operator*(const MMatrix& b) const;
    virtual MMatrix operator*(const T& s) const;
    virtual T& operator()(const int& i, const int& j) const;

private:
    void allocate(int n, int m);
    void release();

    int m_nN = 0;
    int m_nM = 0;
    T** m_ppData = nullptr;
};

// r = a x b; r must already have a's row count and b's column count.
void mult(const MMatrix<float>& a, const MMatrix<float>& b, MMatrix<float>& r);
// m = m x s, in place.
void scale(MMatrix<float>& m, const float& s);

template <typename T>
void MMatrix<T>::allocate(int n, int m)
{
    MMATRIX_REQUIRE(!((n < 0) || (m < 0)));
    m_nN = n;
    m_nM = m;
    m_ppData = new T*[n];
    for (int i = 0; i < n; ++i)
        m_ppData[i] = new T[m];
}

template <typename T>
void MMatrix<T>::release()
{
    for (int i = 0; i < m_nN; ++i)
        delete[] m_ppData[i];
    delete[] m_ppData;
    m_ppData = nullptr;
    m_nN = 0;
    m_nM = 0;
}

template <typename T>
MMatrix<T>::MMatrix(int n, int m, T value)
{
    allocate(n, m);
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            m_ppData[i][j] = value;
}

template <typename T>
MMatrix<T>::MMatrix(T* data, const int& n, const int& m)
{
    MMATRIX_REQUIRE(!((data == nullptr) && (n > 0) && (m > 0)));
    allocate(n, m);
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            m_ppData[i][j] = data[i * m_nM + j];
}

template <typename T>
MMatrix<T>::MMatrix(const MMatrix& other)
{
    allocate(other.m_nN, other.m_nM);
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            m_ppData[i][j] = other.m_ppData[i][j];
}

template <typename T>
MMatrix<T>& MMatrix<T>::operator=(const MMatrix& other)
{
    if (this == &other)
        return *this;
    MMatrix copy(other);
    std::swap(m_nN, copy.m_nN);
    std::swap(m_nM, copy.m_nM);
    std::swap(m_ppData, copy.m_ppData);
    return *this;
}

template <typename T>
MMatrix<T>::~MMatrix()
{
    release();
}

template <typename T>
int MMatrix<T>::init(T* data, const int& n, const int& m)
{
    MMATRIX_REQUIRE(!((n < 0) || (n > m_nN) || (m < 0) || (m > m_nM)));
    MMATRIX_REQUIRE(!((data == nullptr) && (n > 0) && (m > 0)));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
            m_ppData[i][j] = data[i * m + j];
    return 0;
}

template <typename T>
T MMatrix<T>::setElement(const int& i, const int& j, T value)
{
    MMATRIX_REQUIRE(!((i < 0) || (i >= m_nN) || (j < 0) || (j >= m_nM)));
    m_ppData[i][j] = value;
    return value;
}

template <typename T>
T MMatrix<T>::getElement(const int& i, const int& j)
{
    MMATRIX_REQUIRE(!((i < 0) || (i >= m_nN) || (j < 0) || (j >= m_nM)));
    return m_ppData[i][j];
}

template <typename T>
const int& MMatrix<T>::maxI() const
{
    return m_nN;
}

template <typename T>
const int& MMatrix<T>::maxJ() const
{
    return m_nM;
}

template <typename T>
void MMatrix<T>::print(const char& width) const
{
    std::cout << '\n';
    for (int i = 0; i < m_nN; ++i) {
        for (int j = 0; j < m_nM; ++j)
            std::cout << std::setw(width) << m_ppData[i][j] << ' ';
        std::cout << '\n';
    }
}

template <typename T>
int MMatrix<T>::nrows() const
{
    return maxI();
}

template <typename T>
int MMatrix<T>::ncols() const
{
    return maxJ();
}

template <typename T>
MMatrix<T>& MMatrix<T>::operator+=(const MMatrix& matrM)
{
    MMATRIX_REQUIRE(!((matrM.m_nN != m_nN) || (matrM.m_nM != m_nM)));
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            m_ppData[i][j] += matrM.m_ppData[i][j];
    return *this;
}

template <typename T>
MMatrix<T> MMatrix<T>::operator+(const MMatrix& matrM) const
{
    MMATRIX_REQUIRE(!((matrM.m_nN != m_nN) || (matrM.m_nM != m_nM)));
    MMatrix sum(*this);
    sum += matrM;
    return sum;
}

template <typename T>
MMatrix<T>& MMatrix<T>::operator-=(const MMatrix& matrM)
{
    MMATRIX_REQUIRE(!((matrM.m_nN != m_nN) || (matrM.m_nM != m_nM)));
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            m_ppData[i][j] -= matrM.m_ppData[i][j];
    return *this;
}

template <typename T>
MMatrix<T> MMatrix<T>::operator-(const MMatrix& matrM) const
{
    MMATRIX_REQUIRE(!((matrM.m_nN != m_nN) || (matrM.m_nM != m_nM)));
    MMatrix difference(*this);
    difference -= matrM;
    return difference;
}

template <typename T>
MMatrix<T> MMatrix<T>::operator*(const MMatrix& b) const
{
    MMATRIX_REQUIRE(!(m_nM != b.m_nN));
    MMatrix product(m_nN, b.m_nM, T(0));
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < b.m_nM; ++j)
            for (int k = 0; k < b.m_nN; ++k)
                product.m_ppData[i][j] += m_ppData[i][k] * b.m_ppData[k][j];
    return product;
}

template <typename T>
MMatrix<T> MMatrix<T>::operator*(const T& s) const
{
    MMatrix product(*this);
    for (int i = 0; i < m_nN; ++i)
        for (int j = 0; j < m_nM; ++j)
            product.m_ppData[i][j] *= s;
    return product;
}

template <typename T>
T& MMatrix<T>::operator()(const int& i, const int& j) const
{
    MMATRIX_REQUIRE(!((i < 0) || (i >= m_nN) || (j < 0) || (j >= m_nM)));
    return m_ppData[i][j];
}

extern template class MMatrix<int>;
extern template class MMatrix<float>;

#undef MMATRIX_REQUIRE
