#pragma once

#include "VAruzoD/GraphX.h"
#include "VAruzoD/ProgressLine.h"

class QImage;

namespace VAruzoD {

// An in-memory picture: a drawing surface whose pixels live in separate planes
// of element type T, row after row without gaps. 24-bit pictures have a red, a
// green and a blue plane (and an alpha plane when read from an image); 8-bit and
// 1-bit pictures only the first. 8-bit pictures carry 256-entry palettes.
//
// Pixel colours at putPixel/getPixel are 0xRRGGBB for 24-bit pictures, the
// sample for 8-bit pictures and 0 or 1 for 1-bit pictures (stored as 0 or 255).
// A picture that cannot be made (an unreadable file, a negative size, a size
// whose planes do not fit in memory) is empty: 0 x 0 with no planes.
template <typename T>
class ImageProcessT : public GraphX
{
public:
    enum Flag : unsigned char {
        UnchangedCopy = 0x01, // set by the copy constructor, cleared by any pixel change
        Grey = 0x02,          // the picture holds grey values
    };

    // From a picture file, read by the toolkit's image reader, or from an image:
    // a 24-bit picture with an alpha plane whose pixels are those QImage::pixel
    // gives (premultiplied for the premultiplied formats).
    ImageProcessT(const char* fileName, ProgressLine* progress);
    ImageProcessT(const QImage& image, ProgressLine* progress);
    // A blank picture. Depth 8 fills the plane with the fill value and gets the
    // identity palettes, depth 1 with fill x 255; any other depth is made a
    // 24-bit picture filled with the colour 0xRRGGBB.
    ImageProcessT(const int& depth, const int& width, const int& height, const int& fill, ProgressLine* progress);
    ImageProcessT(const ImageProcessT& other);
    ImageProcessT& operator=(const ImageProcessT& other);
    ~ImageProcessT() override;

    void putPixel(int x, int y, int color) const override;
    int getPixel(int x, int y) const override;
    // The picture's pixels; none once its planes are gone.
    Bounds bounds() const override;

    virtual void draw();
    virtual void draw(const int& x, const int& y);
    virtual void draw(const int& x, const int& y, const int& w, const int& h);
    virtual void drawHScrolled(const int& dx);
    virtual void drawVScrolled(const int& dy);
    virtual void drawArea(const int& x, const int& y, const int& w, const int& h, const int& dx, const int& dy);

    // Reads width x height pixels of 32-bit ARGB image data in the toolkit's
    // memory order (blue, green, red, alpha), at most count of them: count is
    // the number of pixels (four bytes each) at data. Pixels beyond the data are
    // 0. The picture becomes 24-bit with an alpha plane. The format is not used.
    bool loadFromData(unsigned char* data, int count, const char* format);
    // Copy the other picture's size and planes, or its palettes.
    void initData(const ImageProcessT& other);
    void initPal(const ImageProcessT& other);
    // Releases every plane and palette; the picture is then 0 x 0.
    void deInit();

    // Point operations, only for 8-bit samples (ImageProcess). Each clamps to
    // minValue() .. maxValue() and clears the UnchangedCopy flag.
    // Adds amount to every sample; an 8-bit colour picture has its palettes
    // shifted instead; a 1-bit picture is made two-valued again.
    ImageProcessT& brightness(const int& amount, ProgressLine* progress);
    // Adds amount to every palette entry of an 8-bit picture.
    void palBrightness(const int& amount, ProgressLine* progress);
    // Samples up to the threshold become the minimum, the others the maximum;
    // a picture not yet grey is made grey first.
    ImageProcessT& binarize(const int& threshold, ProgressLine* progress);
    // Every pixel becomes the mean of its three colour values.
    ImageProcessT& colorToGray(ProgressLine* progress);

    int width() const { return m_nWidth; }
    int height() const { return m_nHeight; }
    int depth() const { return m_cBpp; }
    int size() const { return m_nSize; }
    int posX() const { return m_nPosX; }
    int posY() const { return m_nPosY; }
    void setPos(int x, int y)
    {
        m_nPosX = x;
        m_nPosY = y;
    }
    unsigned char flags() const { return m_cFlags; }
    int maxValue() const { return m_nMax; }
    int minValue() const { return m_nMin; }
    // The planes (null when absent), width x height samples each.
    const T* red() const { return m_pR; }
    const T* green() const { return m_pG; }
    const T* blue() const { return m_pB; }
    const T* alpha() const { return m_pA; }
    // The palettes (null when absent), 256 entries each.
    const unsigned char* paletteRed() const { return m_pPalR; }
    const unsigned char* paletteGreen() const { return m_pPalG; }
    const unsigned char* paletteBlue() const { return m_pPalB; }
    const unsigned char* paletteAlpha() const { return m_pPalA; }

protected:
    T* m_pR = nullptr;
    T* m_pG = nullptr;
    T* m_pB = nullptr;
    T* m_pA = nullptr;
    unsigned char* m_pPalR = nullptr;
    unsigned char* m_pPalG = nullptr;
    unsigned char* m_pPalB = nullptr;
    unsigned char* m_pPalA = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nSize = 0;
    int m_nPosX = 0;
    int m_nPosY = 0;
    unsigned char m_cBpp = 24;
    float m_fMax = 255.0f;
    float m_fMin = 0.0f;
    mutable unsigned char m_cFlags = 0;
    int m_nMax = 255;
    int m_nMin = 0;

private:
    void readImage(const QImage& image);
    void makeEmpty();
    void swap(ImageProcessT& other) noexcept;
    long long pixelCount() const { return static_cast<long long>(m_nWidth) * m_nHeight; }
    bool allocPlanes(int planes);
};

// The point operations exist for 8-bit samples only.
template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::brightness(const int& amount, ProgressLine* progress);
template <>
void ImageProcessT<unsigned char>::palBrightness(const int& amount, ProgressLine* progress);
template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::binarize(const int& threshold, ProgressLine* progress);
template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::colorToGray(ProgressLine* progress);

// The three element types the library uses.
class ImageProcess : public ImageProcessT<unsigned char>
{
public:
    using ImageProcessT<unsigned char>::ImageProcessT;
};

class ImageProcessFloat : public ImageProcessT<float>
{
public:
    using ImageProcessT<float>::ImageProcessT;
};

class ImageProcessDouble : public ImageProcessT<double>
{
public:
    using ImageProcessT<double>::ImageProcessT;
};

extern template class ImageProcessT<unsigned char>;
extern template class ImageProcessT<float>;
extern template class ImageProcessT<double>;

} // namespace VAruzoD
