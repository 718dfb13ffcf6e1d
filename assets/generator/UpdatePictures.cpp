// Pictures of the update check's answer: a green disc with a downward arrow when
// a newer version is published, a grey disc with a tick mark when not (or when
// the check could not be made); and the busy animation of its wait windows, a
// ring of dots with a bright one running round, as an animated GIF.
#include "AssetGenerator.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVector>
#include <QtMath>

namespace {

QImage disc(QColor const& light, QColor const& dark)
{
    int const size = 64;
    QImage image = AssetGen::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(24, 20), 44);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), 2));
    p.setBrush(shade);
    p.drawEllipse(QRectF(3, 3, 58, 58));
    return image;
}

void drawUpdatePictures(AssetGen::Context& context)
{
    QImage available = disc(QColor(0x7d, 0xd8, 0x6b), QColor(0x2e, 0x8b, 0x3a));
    {
        QPainter p(&available);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        arrow.moveTo(27, 14);
        arrow.lineTo(37, 14);
        arrow.lineTo(37, 32);
        arrow.lineTo(46, 32);
        arrow.lineTo(32, 49);
        arrow.lineTo(18, 32);
        arrow.lineTo(27, 32);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    }
    context.savePicture(QStringLiteral("pix/update_available.png"), available);

    QImage notAvailable = disc(QColor(0xd6, 0xda, 0xe0), QColor(0x7a, 0x82, 0x8e));
    {
        QPainter p(&notAvailable);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(19, 33);
        tick.lineTo(28, 42);
        tick.lineTo(45, 22);
        p.drawPath(tick);
    }
    context.savePicture(QStringLiteral("pix/update_not_available.png"), notAvailable);
}

// A minimal animated-GIF writer: 8-bit palette, index 0 transparent, endless
// loop. Qt reads GIF but cannot write it. The LZW stream uses only literal
// codes and starts the table afresh often enough that the code width stays at
// nine bits, which every decoder accepts; the frames are small, so the lack of
// compression does not matter.
class GifWriter
{
public:
    GifWriter(int width, int height, QVector<QRgb> const& palette)
        : m_nWidth(width)
        , m_nHeight(height)
    {
        m_data += "GIF89a";
        put16(width);
        put16(height);
        m_data += char(0xF7); // global colour table of 256 entries, 8 bits per primary
        m_data += char(0);    // background index
        m_data += char(0);    // no aspect ratio
        for (int i = 0; i < 256; ++i) {
            QRgb const c = palette.value(i);
            m_data += char(qRed(c));
            m_data += char(qGreen(c));
            m_data += char(qBlue(c));
        }
        // Loop for ever.
        m_data += QByteArray("\x21\xFF\x0B"
                             "NETSCAPE2.0"
                             "\x03\x01\x00\x00\x00",
                             19);
    }

    // indices: width x height palette indices, row by row.
    void addFrame(QByteArray const& indices, int delayCentiseconds)
    {
        m_data += QByteArray("\x21\xF9\x04", 3);
        m_data += char((2 << 2) | 1); // restore to background, index 0 transparent
        put16(delayCentiseconds);
        m_data += char(0);
        m_data += char(0);
        m_data += char(0x2C);
        put16(0);
        put16(0);
        put16(m_nWidth);
        put16(m_nHeight);
        m_data += char(0); // no local colour table, not interlaced
        m_data += char(8); // LZW minimum code size

        QByteArray stream;
        quint32 bits = 0;
        int bitCount = 0;
        auto emitCode = [&](int code) {
            bits |= quint32(code) << bitCount;
            bitCount += 9;
            while (bitCount >= 8) {
                stream += char(bits & 0xFF);
                bits >>= 8;
                bitCount -= 8;
            }
        };
        int const clear = 256;
        int const end = 257;
        for (int i = 0; i < indices.size(); ++i) {
            if (i % 128 == 0)
                emitCode(clear);
            emitCode(quint8(indices.at(i)));
        }
        emitCode(end);
        if (bitCount > 0)
            stream += char(bits & 0xFF);
        for (int i = 0; i < stream.size(); i += 255) {
            QByteArray const block = stream.mid(i, 255);
            m_data += char(block.size());
            m_data += block;
        }
        m_data += char(0);
    }

    QByteArray finish() const { return m_data + char(0x3B); }

private:
    void put16(int value)
    {
        m_data += char(value & 0xFF);
        m_data += char((value >> 8) & 0xFF);
    }

    int m_nWidth;
    int m_nHeight;
    QByteArray m_data;
};

void drawLoadingAnimation(AssetGen::Context& context)
{
    int const size = 32;
    int const dots = 12;
    // Index 0 is transparent; 1 to 255 run from a pale to a deep blue.
    QVector<QRgb> palette(256);
    palette[0] = qRgb(255, 255, 255);
    QColor const pale(0xc8, 0xd4, 0xe6);
    QColor const deep(0x1f, 0x4e, 0x8c);
    for (int i = 1; i < 256; ++i) {
        qreal const t = (i - 1) / 254.0;
        palette[i] = qRgb(qRound(pale.red() + t * (deep.red() - pale.red())),
                          qRound(pale.green() + t * (deep.green() - pale.green())),
                          qRound(pale.blue() + t * (deep.blue() - pale.blue())));
    }

    GifWriter gif(size, size, palette);
    for (int frame = 0; frame < dots; ++frame) {
        // Painted without smoothing in grey levels that are the palette indices themselves.
        QImage canvas(size, size, QImage::Format_RGB32);
        canvas.fill(qRgb(0, 0, 0));
        QPainter p(&canvas);
        p.setPen(Qt::NoPen);
        for (int d = 0; d < dots; ++d) {
            int const age = (frame - d + dots) % dots; // 0: the bright dot
            int const index = qMax(1, 255 - age * 22);
            qreal const angle = 2 * M_PI * d / dots - M_PI / 2;
            QPointF const centre(size / 2.0 + 11.5 * qCos(angle), size / 2.0 + 11.5 * qSin(angle));
            qreal const radius = age == 0 ? 3.5 : 2.8;
            p.setBrush(QColor(index, index, index));
            p.drawEllipse(centre, radius, radius);
        }
        p.end();
        QByteArray indices;
        indices.reserve(size * size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                indices += char(qRed(canvas.pixel(x, y)));
        gif.addFrame(indices, 8);
    }
    context.savePictureData(QStringLiteral("pix/loading.gif"), gif.finish());
}

} // namespace

TW_ASSET_GENERATOR(drawUpdatePictures)
TW_ASSET_GENERATOR(drawLoadingAnimation)
