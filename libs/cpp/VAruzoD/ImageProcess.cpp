#include "VAruzoD/ImageProcess.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "VAruzoD/Log_p.h"

Q_LOGGING_CATEGORY(lcGraphics, "tickwren.graphics", QtWarningMsg)

namespace VAruzoD {

namespace {

constexpr int kPaletteSize = 256;

// A colour value stored in a sample: the low byte for 8-bit samples, the exact
// value for floating-point ones.
template <typename T>
T toSample(int v)
{
    if constexpr (std::is_same<T, unsigned char>::value)
        return static_cast<unsigned char>(v & 0xFF);
    else
        return static_cast<T>(v);
}

// A sample read back: truncated toward zero, held within int.
template <typename T>
int fromSample(T s)
{
    if constexpr (std::is_same<T, unsigned char>::value) {
        return s;
    } else {
        if (!(s == s))
            return 0;
        if (s >= static_cast<T>(INT_MAX))
            return INT_MAX;
        if (s <= static_cast<T>(INT_MIN))
            return INT_MIN;
        return static_cast<int>(s);
    }
}

// A 1-bit value stored as 0 or 255 (any other value times 255).
template <typename T>
T oneBitSample(int v)
{
    if constexpr (std::is_same<T, unsigned char>::value)
        return static_cast<unsigned char>((static_cast<unsigned>(v) * 255u) & 0xFFu);
    else
        return static_cast<T>(v) * static_cast<T>(255);
}

template <typename P>
P* copyOf(const P* source, long long count)
{
    if (!source)
        return nullptr;
    P* copy = new (std::nothrow) P[size_t(count)];
    if (copy)
        std::copy(source, source + count, copy);
    return copy;
}

unsigned char* identityPalette()
{
    auto* palette = new (std::nothrow) unsigned char[kPaletteSize];
    if (palette) {
        for (int i = 0; i < kPaletteSize; ++i)
            palette[i] = static_cast<unsigned char>(i);
    }
    return palette;
}

} // namespace

template <typename T>
ImageProcessT<T>::ImageProcessT(const char* fileName, ProgressLine*)
{
    const QImage image = fileName ? QImage(QString::fromLocal8Bit(fileName)) : QImage();
    if (image.isNull())
        qCWarning(lcGraphics) << "cannot read the picture" << (fileName ? fileName : "(no name)");
    readImage(image);
}

template <typename T>
ImageProcessT<T>::ImageProcessT(const QImage& image, ProgressLine*)
{
    readImage(image);
}

template <typename T>
ImageProcessT<T>::ImageProcessT(const int& depth, const int& width, const int& height, const int& fill, ProgressLine*)
{
    m_cBpp = depth == 8 || depth == 1 ? static_cast<unsigned char>(depth) : 24;
    const long long bytes = static_cast<long long>(width) * height * m_cBpp / 8;
    if (width < 0 || height < 0 || bytes > INT_MAX) {
        qCWarning(lcGraphics) << "no picture of" << width << "x" << height << "pixels at depth" << depth;
        return;
    }
    m_nWidth = width;
    m_nHeight = height;
    m_nSize = int(bytes);
    const long long n = pixelCount();
    if (m_cBpp == 8) {
        if (!allocPlanes(1))
            return;
        std::fill(m_pR, m_pR + n, toSample<T>(fill));
        m_pPalR = identityPalette();
        m_pPalG = identityPalette();
        m_pPalB = identityPalette();
        if (!m_pPalR || !m_pPalG || !m_pPalB)
            makeEmpty();
    } else if (m_cBpp == 1) {
        if (allocPlanes(1))
            std::fill(m_pR, m_pR + n, oneBitSample<T>(fill));
    } else if (allocPlanes(3)) {
        std::fill(m_pR, m_pR + n, toSample<T>((fill >> 16) & 0xFF));
        std::fill(m_pG, m_pG + n, toSample<T>((fill >> 8) & 0xFF));
        std::fill(m_pB, m_pB + n, toSample<T>(fill & 0xFF));
    }
}

template <typename T>
ImageProcessT<T>::ImageProcessT(const ImageProcessT& other)
    : GraphX(other)
    , m_nPosX(other.m_nPosX)
    , m_nPosY(other.m_nPosY)
    , m_fMax(other.m_fMax)
    , m_fMin(other.m_fMin)
    , m_nMax(other.m_nMax)
    , m_nMin(other.m_nMin)
{
    initData(other);
    initPal(other);
    m_cFlags = static_cast<unsigned char>(UnchangedCopy | (other.m_cFlags & Grey));
}

template <typename T>
ImageProcessT<T>& ImageProcessT<T>::operator=(const ImageProcessT& other)
{
    if (this != &other) {
        ImageProcessT copy(other);
        swap(copy);
    }
    return *this;
}

template <typename T>
ImageProcessT<T>::~ImageProcessT()
{
    deInit();
}

template <typename T>
void ImageProcessT<T>::swap(ImageProcessT& other) noexcept
{
    std::swap(m_pR, other.m_pR);
    std::swap(m_pG, other.m_pG);
    std::swap(m_pB, other.m_pB);
    std::swap(m_pA, other.m_pA);
    std::swap(m_pPalR, other.m_pPalR);
    std::swap(m_pPalG, other.m_pPalG);
    std::swap(m_pPalB, other.m_pPalB);
    std::swap(m_pPalA, other.m_pPalA);
    std::swap(m_nWidth, other.m_nWidth);
    std::swap(m_nHeight, other.m_nHeight);
    std::swap(m_nSize, other.m_nSize);
    std::swap(m_nPosX, other.m_nPosX);
    std::swap(m_nPosY, other.m_nPosY);
    std::swap(m_cBpp, other.m_cBpp);
    std::swap(m_fMax, other.m_fMax);
    std::swap(m_fMin, other.m_fMin);
    std::swap(m_cFlags, other.m_cFlags);
    std::swap(m_nMax, other.m_nMax);
    std::swap(m_nMin, other.m_nMin);
}

namespace {

// A colour table too short for the indexes in the picture (a damaged file) is
// filled up with 0: QImage::pixel answers 0 for an index past the table, where
// a conversion would make it some colour of its own.
QImage withFullColorTable(const QImage& image)
{
    const QImage::Format format = image.format();
    const int needed = format == QImage::Format_Mono || format == QImage::Format_MonoLSB ? 2
                       : format == QImage::Format_Indexed8                               ? 256
                                                                                         : 0;
    if (image.colorCount() >= needed)
        return image;
    QVector<QRgb> table = image.colorTable();
    table.resize(needed);
    std::fill(table.begin() + image.colorCount(), table.end(), 0);
    QImage full = image;
    full.setColorTable(table);
    return full;
}

} // namespace

template <typename T>
void ImageProcessT<T>::readImage(const QImage& source)
{
    const QImage image = withFullColorTable(source);
    // Premultiplied pictures keep their premultiplied colours, as QImage::pixel
    // gives them; both 32-bit forms lie in memory as blue, green, red, alpha.
    const bool premultiplied = image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied;
    QImage argb = image.convertToFormat(premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    // Rows are read as one run of bytes, so they must follow without padding.
    if (!argb.isNull() && argb.bytesPerLine() != qsizetype(argb.width()) * 4)
        argb = argb.copy();
    if (argb.isNull() || argb.sizeInBytes() > INT_MAX) {
        if (!image.isNull())
            qCWarning(lcGraphics) << "cannot read a picture of" << image.size();
        makeEmpty();
        return;
    }
    m_nWidth = argb.width();
    m_nHeight = argb.height();
    if (!loadFromData(const_cast<unsigned char*>(argb.constBits()), int(pixelCount()), nullptr))
        makeEmpty();
    m_nSize = 0;
}

template <typename T>
bool ImageProcessT<T>::allocPlanes(int planes)
{
    T** all[] = {&m_pR, &m_pG, &m_pB, &m_pA};
    for (T** plane : all) {
        delete[] * plane;
        *plane = nullptr;
    }
    const long long n = pixelCount();
    if (n < 0 || n > INT_MAX) {
        qCWarning(lcGraphics) << "no picture of" << m_nWidth << "x" << m_nHeight << "pixels";
        makeEmpty();
        return false;
    }
    for (int i = 0; i < planes; ++i) {
        *all[i] = new (std::nothrow) T[size_t(n)]();
        if (!*all[i]) {
            qCWarning(lcGraphics) << "out of memory for a picture of" << m_nWidth << "x" << m_nHeight << "pixels";
            makeEmpty();
            return false;
        }
    }
    return true;
}

template <typename T>
void ImageProcessT<T>::makeEmpty()
{
    deInit();
    m_nSize = 0;
}

template <typename T>
bool ImageProcessT<T>::loadFromData(unsigned char* data, int count, const char*)
{
    m_cBpp = 24;
    if (!allocPlanes(4))
        return false;
    const long long available = data && count > 0 ? count : 0;
    const long long n = std::min(pixelCount(), available);
    for (long long i = 0; i < n; ++i) {
        const unsigned char* p = data + 4 * i;
        m_pB[i] = static_cast<T>(p[0]);
        m_pG[i] = static_cast<T>(p[1]);
        m_pR[i] = static_cast<T>(p[2]);
        m_pA[i] = static_cast<T>(p[3]);
    }
    m_cFlags &= static_cast<unsigned char>(~UnchangedCopy);
    return true;
}

template <typename T>
void ImageProcessT<T>::initData(const ImageProcessT& other)
{
    T** mine[] = {&m_pR, &m_pG, &m_pB, &m_pA};
    T* const theirs[] = {other.m_pR, other.m_pG, other.m_pB, other.m_pA};
    for (T** plane : mine) {
        delete[] * plane;
        *plane = nullptr;
    }
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_nSize = other.m_nSize;
    m_cBpp = other.m_cBpp;
    // Each plane holds exactly width x height samples.
    const long long n = pixelCount();
    for (int i = 0; i < 4; ++i) {
        *mine[i] = copyOf(theirs[i], n);
        if (theirs[i] && !*mine[i]) {
            qCWarning(lcGraphics) << "out of memory copying a picture of" << m_nWidth << "x" << m_nHeight << "pixels";
            makeEmpty();
            return;
        }
    }
}

template <typename T>
void ImageProcessT<T>::initPal(const ImageProcessT& other)
{
    unsigned char** mine[] = {&m_pPalR, &m_pPalG, &m_pPalB, &m_pPalA};
    unsigned char* const theirs[] = {other.m_pPalR, other.m_pPalG, other.m_pPalB, other.m_pPalA};
    for (int i = 0; i < 4; ++i) {
        delete[] * mine[i];
        *mine[i] = copyOf(theirs[i], kPaletteSize);
    }
}

template <typename T>
void ImageProcessT<T>::deInit()
{
    for (T** plane : {&m_pR, &m_pG, &m_pB, &m_pA}) {
        delete[] * plane;
        *plane = nullptr;
    }
    for (unsigned char** palette : {&m_pPalR, &m_pPalG, &m_pPalB, &m_pPalA}) {
        delete[] * palette;
        *palette = nullptr;
    }
    m_nWidth = 0;
    m_nHeight = 0;
}

template <typename T>
GraphX::Bounds ImageProcessT<T>::bounds() const
{
    if (!m_pR)
        return {0, 0, -1, -1};
    return {0, 0, m_nWidth - 1, m_nHeight - 1};
}

template <typename T>
void ImageProcessT<T>::putPixel(int x, int y, int color) const
{
    if (!contains(x, y))
        return;
    const size_t i = size_t(y) * size_t(m_nWidth) + size_t(x);
    switch (m_cBpp) {
    case 8:
        m_pR[i] = toSample<T>(color & 0xFF);
        break;
    case 1:
        m_pR[i] = oneBitSample<T>(color);
        break;
    default:
        if (!m_pG || !m_pB)
            return;
        m_pR[i] = toSample<T>((color >> 16) & 0xFF);
        m_pG[i] = toSample<T>((color >> 8) & 0xFF);
        m_pB[i] = toSample<T>(color & 0xFF);
        break;
    }
    m_cFlags &= static_cast<unsigned char>(~UnchangedCopy);
}

template <typename T>
int ImageProcessT<T>::getPixel(int x, int y) const
{
    if (!contains(x, y))
        return 0;
    const size_t i = size_t(y) * size_t(m_nWidth) + size_t(x);
    switch (m_cBpp) {
    case 8:
        return fromSample(m_pR[i]);
    case 1:
        return m_pR[i] >= static_cast<T>(128) ? 1 : 0;
    default:
        if (!m_pG || !m_pB)
            return 0;
        return ((fromSample(m_pR[i]) & 0xFF) << 16) | ((fromSample(m_pG[i]) & 0xFF) << 8)
               | (fromSample(m_pB[i]) & 0xFF);
    }
}

template <typename T>
void ImageProcessT<T>::draw()
{
    draw(m_nPosX, m_nPosY);
}

// Showing a picture is a subclass's business (a window that owns a screen
// surface); the plain picture has nowhere to draw to.
template <typename T>
void ImageProcessT<T>::draw(const int&, const int&)
{
}

template <typename T>
void ImageProcessT<T>::draw(const int&, const int&, const int&, const int&)
{
}

template <typename T>
void ImageProcessT<T>::drawHScrolled(const int&)
{
}

template <typename T>
void ImageProcessT<T>::drawVScrolled(const int&)
{
}

template <typename T>
void ImageProcessT<T>::drawArea(const int&, const int&, const int&, const int&, const int&, const int&)
{
}

template class ImageProcessT<unsigned char>;
template class ImageProcessT<float>;
template class ImageProcessT<double>;

} // namespace VAruzoD
