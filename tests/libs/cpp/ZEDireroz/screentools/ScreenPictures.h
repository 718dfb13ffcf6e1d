#pragma once
// Screen pictures for the screen-tool tests: every pixel encodes its own
// coordinates, so a cut picture tells where it was cut from.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace ScreenPictures {

// Red and green hold the low bytes of x and y, blue their high nibbles.
inline QRgb encode(int x, int y)
{
    return qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8));
}

inline QPoint decode(QRgb pixel)
{
    return QPoint(qRed(pixel) | ((qBlue(pixel) >> 4) << 8), qGreen(pixel) | ((qBlue(pixel) & 0xf) << 8));
}

// A picture of width x height device pixels at the given device pixel ratio.
inline QPixmap coordinates(int width, int height, qreal scale)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, encode(x, y));
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(scale);
    return picture;
}

inline QPixmap filled(int width, int height, QColor const& colour, qreal scale = 1.0)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(scale);
    return picture;
}

// A move with the left button held, delivered straight to the widget (a test
// cannot move the pointer of every platform).
inline void dragTo(QWidget* widget, QPoint const& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace ScreenPictures
