// The piano's chord photos: one octave of the keyboard seen from the bench,
// C to B with a part of the neighbouring keys at both sides, the keys of the
// chord's pitch classes pressed and marked.
#include "ChordPhotoArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace ChordPhotoArt {

// One octave, C to B, with a part of the neighbouring keys at both sides.
QImage keyboardPhoto(QString const& code)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    qreal const keyTop = 132, keyBottom = 420, whiteWidth = 40, blackWidth = 24;
    qreal const blackBottom = keyTop + (keyBottom - keyTop) * 0.63;
    qreal const firstWhite = (kWidth - 7 * whiteWidth) / 2; // x of C

    // The case: a glossy black fallboard with a reflection, then the felt strip.
    QLinearGradient lacquer(0, 0, 0, keyTop);
    lacquer.setColorAt(0, QColor(6, 6, 8));
    lacquer.setColorAt(0.55, QColor(40, 40, 46));
    lacquer.setColorAt(0.7, QColor(14, 14, 16));
    lacquer.setColorAt(1, QColor(4, 4, 6));
    p.fillRect(QRectF(0, 0, kWidth, keyTop), lacquer);
    p.fillRect(QRectF(0, keyTop - 7, kWidth, 7), QColor(128, 22, 30));
    // The key slip in front of the keys.
    QLinearGradient slip(0, keyBottom, 0, kHeight);
    slip.setColorAt(0, QColor(30, 30, 34));
    slip.setColorAt(1, QColor(6, 6, 8));
    p.fillRect(QRectF(0, keyBottom, kWidth, kHeight - keyBottom), slip);

    auto pressed = [&code](int pitchClass) {
        int const k = ((pitchClass % 12) + 12) % 12;
        return k < code.size() && code.at(k) == QLatin1Char('0');
    };
    static int const kWhitePitch[7] = {0, 2, 4, 5, 7, 9, 11};

    // White keys from the B below to the C above, so that the octave's edges show.
    for (int k = -1; k <= 7; ++k) {
        int const pitch = kWhitePitch[((k % 7) + 7) % 7];
        bool const down = k >= 0 && k < 7 && pressed(pitch);
        QRectF const key(firstWhite + k * whiteWidth + 1, keyTop, whiteWidth - 2, keyBottom - keyTop - (down ? 2 : 6));
        QLinearGradient ivory(0, key.top(), 0, key.bottom());
        ivory.setColorAt(0, down ? QColor(196, 190, 176) : QColor(236, 232, 220));
        ivory.setColorAt(0.85, down ? QColor(214, 208, 194) : QColor(252, 250, 244));
        ivory.setColorAt(1, down ? QColor(184, 178, 164) : QColor(226, 222, 210));
        p.setPen(QPen(QColor(90, 86, 80), 1));
        p.setBrush(ivory);
        p.drawRoundedRect(key, 2, 2);
        // The key's front edge, seen from the bench.
        p.fillRect(QRectF(key.left(), key.bottom(), key.width(), down ? 2 : 6), QColor(170, 166, 156));
        if (down) {
            p.fillRect(QRectF(key.left(), key.top(), key.width(), 10), QColor(0, 0, 0, 50));
            drawFingertip(p, QPointF(key.center().x(), keyBottom - 44), 13);
        }
    }
    // Black keys above the whites: after C, D, F, G and A (and the A♯ below C).
    static int const kBlackAfter[] = {-2, 0, 1, 3, 4, 5, 7};
    for (int after : kBlackAfter) {
        int const whiteIndex = ((after % 7) + 7) % 7;
        int const pitch = kWhitePitch[whiteIndex] + 1;
        bool const down = after >= 0 && pressed(pitch);
        qreal const x = firstWhite + (after + 1) * whiteWidth - blackWidth / 2;
        QRectF const key(x, keyTop - 2, blackWidth, blackBottom - keyTop + (down ? -3 : 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(key.translated(3, 4));
        QLinearGradient ebony(key.left(), 0, key.right(), 0);
        ebony.setColorAt(0, QColor(10, 10, 12));
        ebony.setColorAt(0.5, down ? QColor(46, 46, 52) : QColor(62, 62, 70));
        ebony.setColorAt(1, QColor(8, 8, 10));
        p.setBrush(ebony);
        p.drawRoundedRect(key, 2, 2);
        // The sloped front of a black key catches the light.
        p.fillRect(QRectF(key.left() + 3, key.bottom() - 12, key.width() - 6, 9), QColor(90, 90, 100, 160));
        if (down)
            drawFingertip(p, QPointF(key.center().x(), key.bottom() - 30), 10);
    }
    p.end();

    // The glossy fallboard mirrors the keys faintly.
    QImage const keys = image.copy(0, int(keyTop), kWidth, 70).mirrored(false, true);
    QPainter gloss(&image);
    gloss.setOpacity(0.16);
    gloss.drawImage(QPointF(0, keyTop - 7 - keys.height()), keys);
    gloss.setOpacity(1);
    QLinearGradient fade(0, keyTop - 7 - keys.height(), 0, keyTop - 7);
    fade.setColorAt(0, QColor(6, 6, 8));
    fade.setColorAt(1, QColor(6, 6, 8, 0));
    gloss.fillRect(QRectF(0, keyTop - 7 - keys.height(), kWidth, keys.height()), fade);
    return image;
}

} // namespace ChordPhotoArt
