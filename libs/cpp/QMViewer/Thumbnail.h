#pragma once
// A pixmap of fixed size holding a picture fitted with kept aspect ratio and
// centred on dark grey. The icon view makes its 80 x 80 icons with it.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace QMViewer {

class Thumbnail : public QPixmap
{
public:
    // A 30 x 30 pixmap with undefined content.
    Thumbnail();
    // A width x height pixmap with undefined content.
    Thumbnail(int width, int height);
    // The source fitted into width x height (fast scaling), then composed.
    Thumbnail(int width, int height, QPixmap const& source);
    // The same from an image, with smooth scaling.
    Thumbnail(int width, int height, QImage const& source);

    // Fills the pixmap dark grey and draws the picture fitted and centred on it.
    void init(QPixmap const& picture);

    // Reads a picture file no larger than box (aspect ratio kept), letting the
    // decoder work at the reduced size where the format allows (JPEG decodes
    // straight to a fraction of its size), so a 40-megapixel photo is never held
    // whole only to be shrunk. A picture that already fits is read as it is; an
    // empty box reads it whole. Safe to call from any thread. A file that is not
    // a readable picture gives a null image.
    static QImage readFitted(QString const& path, QSize const& box);
};

} // namespace QMViewer
