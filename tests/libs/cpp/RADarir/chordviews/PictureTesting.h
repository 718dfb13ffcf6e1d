#pragma once
// Rendering a chord picture into an image at one pixel per unit, and telling
// ink from paper in it.

#include "RADarir/chordviews/ChordBaseView.h"

#include <QImage>
#include <QPainter>

namespace PictureTesting {

// The view at the given size with a chord of an instrument, rendered.
template <class View>
QImage render(QString const& instrument, QVector<int> const& tab, QSize const& size = QSize(300, 300),
              QString const& name = QStringLiteral("C"))
{
    View view;
    view.resize(size);
    view.setInstrumentName(instrument);
    view.setChordTabAndName(0, tab, name);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    view.render(&image);
    return image;
}

inline bool isInk(QImage const& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 80;
}

inline bool isPaper(QImage const& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// The number of ink pixels in a rectangle.
inline int inkIn(QImage const& image, QRect const& r)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += isInk(image, x, y);
    return ink;
}

// Amber and orange: the pressed keys of the keyboard pictures.
inline int warmIn(QImage const& image, QRect const& r)
{
    int warm = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            QColor const c = image.pixelColor(x, y);
            warm += c.red() > 200 && c.green() > 60 && c.green() < 200 && c.blue() < 100;
        }
    }
    return warm;
}

} // namespace PictureTesting
