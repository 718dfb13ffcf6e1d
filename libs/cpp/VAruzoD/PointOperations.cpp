// Point operations of the 8-bit picture: each pixel changes by a rule that looks
// at that pixel alone.
#include "VAruzoD/ImageProcess.h"

#include <algorithm>

namespace VAruzoD {

namespace {

constexpr int kPaletteSize = 256;

// Sums are formed wide, so that any amount, however large, clamps instead of
// wrapping.
unsigned char clamped(long long v, int minimum, int maximum)
{
    return static_cast<unsigned char>(std::min<long long>(std::max<long long>(v, minimum), maximum));
}

void addClamped(unsigned char* samples, long long count, int amount, int minimum, int maximum)
{
    if (!samples)
        return;
    for (long long i = 0; i < count; ++i)
        samples[i] = clamped(static_cast<long long>(samples[i]) + amount, minimum, maximum);
}

} // namespace

template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::brightness(const int& amount, ProgressLine* progress)
{
    if (m_cBpp == 8 && !(m_cFlags & Grey)) {
        // The colours of an 8-bit colour picture live in its palettes.
        palBrightness(amount, progress);
    } else {
        addClamped(m_pR, pixelCount(), amount, m_nMin, m_nMax);
        m_cFlags &= static_cast<unsigned char>(~UnchangedCopy);
        if (m_pG) {
            addClamped(m_pG, pixelCount(), amount, m_nMin, m_nMax);
            addClamped(m_pB, pixelCount(), amount, m_nMin, m_nMax);
        }
    }
    if (m_cBpp == 1)
        binarize(127, progress);
    return *this;
}

template <>
void ImageProcessT<unsigned char>::palBrightness(const int& amount, ProgressLine*)
{
    if (m_cBpp == 1 || m_cBpp == 24)
        return;
    addClamped(m_pPalR, kPaletteSize, amount, m_nMin, m_nMax);
    addClamped(m_pPalG, kPaletteSize, amount, m_nMin, m_nMax);
    addClamped(m_pPalB, kPaletteSize, amount, m_nMin, m_nMax);
    m_cFlags &= static_cast<unsigned char>(~UnchangedCopy);
}

template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::binarize(const int& threshold, ProgressLine* progress)
{
    if (!(m_cFlags & Grey))
        colorToGray(progress);
    const long long n = pixelCount();
    const unsigned char low = clamped(m_nMin, 0, 255);
    const unsigned char high = clamped(m_nMax, 0, 255);
    if (m_pR) {
        for (long long i = 0; i < n; ++i) {
            const unsigned char v = m_pR[i] <= threshold ? low : high;
            m_pR[i] = v;
            if (m_cBpp == 24 && m_pG && m_pB) {
                m_pG[i] = v;
                m_pB[i] = v;
            }
        }
    }
    m_cFlags &= static_cast<unsigned char>(~UnchangedCopy);
    return *this;
}

template <>
ImageProcessT<unsigned char>& ImageProcessT<unsigned char>::colorToGray(ProgressLine*)
{
    if (m_cBpp == 1 || (m_cFlags & Grey))
        return *this;
    const long long n = pixelCount();
    if (m_cBpp == 8) {
        if (m_pR && m_pPalR && m_pPalG && m_pPalB) {
            for (long long i = 0; i < n; ++i) {
                const int s = m_pR[i];
                m_pR[i] = static_cast<unsigned char>((m_pPalR[s] + m_pPalG[s] + m_pPalB[s]) / 3);
            }
        }
        for (unsigned char* palette : {m_pPalR, m_pPalG, m_pPalB}) {
            if (!palette)
                continue;
            for (int k = 0; k < kPaletteSize; ++k)
                palette[k] = static_cast<unsigned char>(k);
        }
    } else if (m_pR && m_pG && m_pB) {
        for (long long i = 0; i < n; ++i) {
            const auto grey = static_cast<unsigned char>((m_pR[i] + m_pG[i] + m_pB[i]) / 3);
            m_pR[i] = grey;
            m_pG[i] = grey;
            m_pB[i] = grey;
        }
    }
    m_cFlags = static_cast<unsigned char>((m_cFlags | Grey) & ~UnchangedCopy);
    return *this;
}

} // namespace VAruzoD
