// Arbitrary bytes decoded by QImage::fromData, read into image planes of bytes
// and floats, checked pixel by pixel against QImage::pixel, then put through the
// point operations, the recolouring and the blur.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "VAruzoD/DrawTools.h"
#include "VAruzoD/ImageProcess.h"

namespace {

// Pictures larger than this are not decoded: the fuzzer looks for faults in our
// code, not for the memory a huge picture takes.
constexpr long long kMaxPixels = 1 << 16;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool smallEnough(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    return size.isValid() && static_cast<long long>(size.width()) * size.height() <= kMaxPixels;
}

template <typename Picture>
void checkPixels(const Picture& picture, const QImage& image)
{
    check(picture.width() == image.width() && picture.height() == image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = image.pixel(x, y);
            check(picture.getPixel(x, y) == int(expected & 0xFFFFFF));
            check(int(picture.alpha()[size_t(y) * size_t(image.width()) + size_t(x)]) == qAlpha(expected));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the amounts; the rest is the picture.
    const int amount = int(int8_t(data[0])) * 3;
    const int threshold = data[1];
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 2), int(size - 2));
    if (!smallEnough(bytes))
        return 0;
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return 0;

    VAruzoD::ImageProcess picture(image, nullptr);
    checkPixels(picture, image);
    const VAruzoD::ImageProcessFloat floats(image, nullptr);
    checkPixels(floats, image);

    // Brightness raises every sample by the amount, held within 0..255.
    VAruzoD::ImageProcess brighter(picture);
    brighter.brightness(amount, nullptr);
    for (long long i = 0; i < static_cast<long long>(image.width()) * image.height(); ++i)
        check(brighter.red()[i] == std::min(std::max(picture.red()[i] + amount, 0), 255));

    // Thresholding leaves two values, the same in all three planes.
    picture.palBrightness(amount, nullptr);
    picture.binarize(threshold, nullptr);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            check(picture.getPixel(x, y) == 0 || picture.getPixel(x, y) == 0xFFFFFF);
    picture = brighter;
    picture.colorToGray(nullptr);
    check(picture.flags() == VAruzoD::ImageProcess::Grey);

    const QRect rect(threshold - 128, amount, image.width() / 2 + threshold, image.height() + amount);
    const QImage blurred = VAruzoD::DrawTools::blurred(image, rect, threshold % 20, (threshold & 1) != 0);
    check(blurred.size() == image.size());
    const QImage recoloured = VAruzoD::DrawTools::colorizeImage(image, QColor::fromRgba(image.pixel(0, 0)),
                                                                QColor::fromHsv(threshold, 255 - threshold, 200));
    check(recoloured.size() == image.size());
    return 0;
}
