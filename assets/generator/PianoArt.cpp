// Pictures of the staff note picker and the piano keyboard: the note head, the
// treble and bass clefs, the natural, sharp and flat buttons, the keyboard with
// no key and with each of its 88 keys pressed, and the two pictures beside the
// staff. The keys are drawn from the same ranges the keyboard widget's hit test
// reads, so the key that lights is the key under the pointer.
#include "AssetGenerator.h"
#include "RADarir/piano/PianoKeys.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVector>
#include <QtMath>

using AssetGen::canvas;
namespace Keys = RADarir::PianoKeys;

namespace {

QColor const kInk(24, 24, 30);

// A pen stroke of changing width along a smooth curve through the points: the
// curve is sampled finely and a disc of the interpolated half-width is set at
// every sample, as an engraver's nib would leave it.
void brushStroke(QPainter& p, QVector<QPointF> const& pts, QVector<qreal> const& widths, qreal scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    int const n = pts.size();
    for (int i = 0; i + 1 < n; ++i) {
        QPointF const p0 = pts[qMax(0, i - 1)], p1 = pts[i], p2 = pts[i + 1], p3 = pts[qMin(n - 1, i + 2)];
        int const steps = 60;
        for (int s = 0; s < steps; ++s) {
            qreal const t = qreal(s) / steps, t2 = t * t, t3 = t2 * t;
            QPointF const pt = 0.5
                               * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2
                                  + (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
            qreal const w = widths[i] + (widths[i + 1] - widths[i]) * t;
            p.drawEllipse(pt * scale, w * scale, w * scale);
        }
    }
}

// The note head of a whole note: a slanted ring, thick at its sides.
QImage notePicture()
{
    // The head's box is 2.2 note widths by one line: 110 x 60.
    QImage image = canvas(110, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(57, 30);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 40, 27);
    QPainterPath hole;
    QTransform tilt;
    tilt.rotate(-55);
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), 22, 13);
    hole = tilt.map(inner);
    p.fillPath(head.subtracted(hole), kInk);
    return image;
}

// The treble clef in a square of eight line spacings whose staff lines lie at
// spacings 2 to 6; the spiral winds round the G line (5).
QImage trebleClefPicture()
{
    qreal const unit = 40;
    QImage image = canvas(320, 320);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QVector<QPointF> const pts = {{2.62, 5.02}, {2.25, 4.72}, {2.55, 4.3}, {3.2, 4.55}, {3.35, 5.3},  {2.75, 5.9},
                                  {1.85, 5.85}, {1.25, 5.2},  {1.35, 4.3}, {2.0, 3.45}, {2.75, 2.65}, {3.15, 1.7},
                                  {3.05, 0.75}, {2.7, 0.35},  {2.35, 0.8}, {2.2, 1.8},  {2.4, 3.3},   {2.7, 5.2},
                                  {2.95, 6.6},  {2.85, 7.35}, {2.35, 7.6}, {1.9, 7.4}};
    QVector<qreal> const widths = {0.06, 0.08, 0.1,  0.13, 0.17, 0.2,  0.22, 0.21, 0.17, 0.12, 0.1,
                                   0.09, 0.07, 0.06, 0.06, 0.07, 0.08, 0.08, 0.08, 0.08, 0.07, 0.06};
    brushStroke(p, pts, widths, unit);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(2.02, 7.15) * unit, 0.3 * unit, 0.3 * unit);
    return image;
}

// The bass clef in a square of four line spacings, its top line at the top:
// the head sits on the F line (1) and the two dots lie either side of it.
QImage bassClefPicture()
{
    qreal const unit = 40;
    QImage image = canvas(160, 160);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QVector<QPointF> const pts = {{0.75, 1.0},  {0.75, 0.55}, {1.25, 0.12}, {1.95, 0.1}, {2.55, 0.55},
                                  {2.65, 1.35}, {2.3, 2.25},  {1.55, 3.05}, {0.5, 3.7}};
    QVector<qreal> const widths = {0.1, 0.08, 0.08, 0.12, 0.2, 0.22, 0.18, 0.11, 0.04};
    brushStroke(p, pts, widths, unit);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(0.95, 1.0) * unit, 0.33 * unit, 0.33 * unit);
    p.drawEllipse(QPointF(3.25, 0.5) * unit, 0.17 * unit, 0.17 * unit);
    p.drawEllipse(QPointF(3.25, 1.5) * unit, 0.17 * unit, 0.17 * unit);
    return image;
}

// The signs of the three accidental buttons, ink on a clear ground.
enum class Sign { Natural, Sharp, Flat };

QImage signPicture(Sign sign)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen stem(kInk, 3.2, Qt::SolidLine, Qt::FlatCap);
    auto bar = [&p](qreal x0, qreal x1, qreal y) {
        // Thick bars rising to the right, as they are engraved.
        QPolygonF band({QPointF(x0, y + 4), QPointF(x1, y - 4), QPointF(x1, y - 11), QPointF(x0, y - 3)});
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(band);
    };
    switch (sign) {
    case Sign::Sharp:
        p.setPen(stem);
        p.drawLine(QPointF(25, 8), QPointF(25, 58));
        p.drawLine(QPointF(39, 5), QPointF(39, 55));
        bar(15, 49, 27);
        bar(15, 49, 45);
        break;
    case Sign::Natural:
        p.setPen(stem);
        p.drawLine(QPointF(24, 4), QPointF(24, 46));
        p.drawLine(QPointF(40, 18), QPointF(40, 60));
        bar(24, 40, 27);
        bar(24, 40, 45);
        break;
    case Sign::Flat: {
        p.setPen(stem);
        p.drawLine(QPointF(22, 4), QPointF(22, 58));
        QPainterPath bowl;
        bowl.moveTo(22, 38);
        bowl.cubicTo(30, 28, 46, 28, 44, 39);
        bowl.cubicTo(42, 47, 30, 53, 22, 58);
        bowl.lineTo(22, 52);
        bowl.cubicTo(29, 48, 38, 43, 37, 38);
        bowl.cubicTo(36, 33, 28, 35, 22, 42);
        bowl.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(bowl);
        break;
    }
    }
    return image;
}

// The keyboard. Pictures are drawn at twice the hit frame's size, so that the
// keys stay sharp on a wide window.
constexpr int kScale = 2;
constexpr qreal kKeysTop = 64;     // under the felt strip
constexpr qreal kWhiteFront = 138; // the front edge of the white keys
constexpr qreal kBlackFront = 112;

QColor const kLitWhiteTop(150, 200, 246);
QColor const kLitWhiteBottom(92, 156, 226);
QColor const kLitBlackTop(64, 120, 200);
QColor const kLitBlackBottom(26, 70, 140);

void drawCabinet(QPainter& p)
{
    QRectF const body(0, 0, Keys::kFrameWidth, Keys::kFrameHeight);
    QLinearGradient lacquer(body.topLeft(), body.bottomLeft());
    lacquer.setColorAt(0, QColor(58, 40, 34));
    lacquer.setColorAt(0.3, QColor(30, 20, 18));
    lacquer.setColorAt(1, QColor(14, 10, 10));
    QPainterPath shape;
    shape.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
    p.fillPath(shape, lacquer);
    // The fallboard's reflection and its inlaid line.
    QLinearGradient shine(0, 6, 0, 50);
    shine.setColorAt(0, QColor(255, 255, 255, 46));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(12, 6, Keys::kFrameWidth - 24, 44), shine);
    p.setPen(QPen(QColor(196, 160, 92), 1.2));
    p.drawLine(QPointF(30, 40), QPointF(Keys::kFrameWidth - 30, 40));
    // The felt strip the keys come out from under.
    QLinearGradient felt(0, 55, 0, kKeysTop);
    felt.setColorAt(0, QColor(150, 28, 36));
    felt.setColorAt(1, QColor(96, 14, 22));
    p.fillRect(QRectF(14, 55, Keys::kFrameWidth - 28, kKeysTop - 55), felt);
    // The key slip below the keys, with a soft reflection of them.
    QLinearGradient slip(0, kWhiteFront, 0, 160);
    slip.setColorAt(0, QColor(8, 6, 6));
    slip.setColorAt(0.15, QColor(70, 52, 46));
    slip.setColorAt(1, QColor(24, 16, 14));
    p.fillRect(QRectF(12, kWhiteFront, Keys::kFrameWidth - 24, 160 - kWhiteFront), slip);
    QLinearGradient mirror(0, 152, 0, 185);
    mirror.setColorAt(0, QColor(255, 250, 236, 26));
    mirror.setColorAt(1, QColor(255, 250, 236, 0));
    p.fillRect(QRectF(20, 160, Keys::kFrameWidth - 40, 25), mirror);
}

void drawWhiteKey(QPainter& p, Keys::Range const& r, bool lit)
{
    QRectF const key(r.lo, kKeysTop, r.hi - r.lo, kWhiteFront - kKeysTop);
    QLinearGradient fill(key.topLeft(), key.bottomLeft());
    if (lit) {
        fill.setColorAt(0, kLitWhiteBottom);
        fill.setColorAt(0.25, kLitWhiteTop);
        fill.setColorAt(1, kLitWhiteBottom);
    } else {
        fill.setColorAt(0, QColor(214, 208, 196));
        fill.setColorAt(0.12, QColor(252, 250, 244));
        fill.setColorAt(0.9, QColor(244, 240, 230));
        fill.setColorAt(1, QColor(206, 200, 188));
    }
    QPainterPath shape;
    shape.addRoundedRect(key.adjusted(0.5, -3, -0.5, 0), 2.2, 2.2);
    p.setPen(QPen(QColor(120, 112, 102), 0.9));
    p.setBrush(fill);
    p.drawPath(shape);
}

void drawBlackKey(QPainter& p, Keys::Range const& r, bool lit)
{
    QRectF const key(r.lo, kKeysTop - 1, r.hi - r.lo, kBlackFront - kKeysTop + 1);
    QLinearGradient fill(key.topLeft(), key.bottomLeft());
    fill.setColorAt(0, lit ? kLitBlackTop : QColor(52, 50, 54));
    fill.setColorAt(1, lit ? kLitBlackBottom : QColor(10, 10, 12));
    QPainterPath shape;
    shape.addRoundedRect(key, 1.8, 1.8);
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(fill);
    p.drawPath(shape);
    // The sloped front and a gleam along the top face.
    QRectF const front(key.left() + 1.2, key.bottom() - 6, key.width() - 2.4, 5);
    p.fillRect(front, lit ? QColor(110, 160, 230, 120) : QColor(90, 88, 92, 150));
    p.fillRect(QRectF(key.left() + 2.5, key.top() + 3, 1.6, key.height() - 12),
               lit ? QColor(200, 230, 255, 120) : QColor(255, 255, 255, 40));
}

// The keyboard with the given key pressed; 0 presses none.
QImage keyboardPicture(int litKey)
{
    QImage image = canvas(Keys::kFrameWidth * kScale, Keys::kFrameHeight * kScale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    drawCabinet(p);
    for (Keys::Range const& r : Keys::kWhiteKeys)
        drawWhiteKey(p, r, Keys::keyOfRangeName(QLatin1String(r.name)) == litKey);
    // The shadow the felt strip casts on the keys.
    QLinearGradient shadow(0, kKeysTop, 0, kKeysTop + 8);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(Keys::kWhiteKeys[0].lo, kKeysTop, Keys::kWhiteKeys[51].hi - Keys::kWhiteKeys[0].lo, 8), shadow);
    for (Keys::Range const& r : Keys::kBlackKeys)
        drawBlackKey(p, r, Keys::keyOfRangeName(QLatin1String(r.name)) == litKey);
    return image;
}

// The pictures beside the staff, filled into tall labels from their top left:
// a grand piano seen from above on the left, notes rising from a staff on the right.
QImage sideBackground(int width, int height)
{
    QImage image = canvas(width, height);
    QPainter p(&image);
    QLinearGradient wall(0, 0, width, height);
    wall.setColorAt(0, QColor(246, 238, 224));
    wall.setColorAt(1, QColor(222, 206, 182));
    p.fillRect(image.rect(), wall);
    return image;
}

QImage pianoLeftPicture()
{
    QImage image = sideBackground(240, 640);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The case: straight spine on the left, the bent side sweeping to the tail.
    QPainterPath grand;
    grand.moveTo(40, 60);
    grand.lineTo(200, 60);
    grand.lineTo(200, 250);
    grand.cubicTo(200, 330, 130, 340, 130, 420);
    grand.cubicTo(130, 500, 160, 540, 150, 580);
    grand.cubicTo(140, 610, 60, 610, 40, 580);
    grand.closeSubpath();
    QLinearGradient lacquer(40, 0, 200, 0);
    lacquer.setColorAt(0, QColor(46, 32, 28));
    lacquer.setColorAt(0.5, QColor(20, 14, 12));
    lacquer.setColorAt(1, QColor(40, 28, 24));
    p.setPen(QPen(QColor(10, 6, 6), 2));
    p.setBrush(lacquer);
    p.drawPath(grand);
    // The golden frame and the strings seen through the open lid.
    QPainterPath plate = grand.translated(0, 0);
    QTransform shrink;
    shrink.translate(120, 330);
    shrink.scale(0.86, 0.9);
    shrink.translate(-120, -330);
    p.setBrush(QColor(190, 150, 80));
    p.setPen(Qt::NoPen);
    p.drawPath(shrink.map(grand));
    p.setPen(QPen(QColor(235, 222, 196, 200), 0.8));
    for (int i = 0; i < 22; ++i) {
        qreal const x = 58 + i * 6.2;
        p.drawLine(QPointF(x, 110), QPointF(x - i * 0.5, 570 - i * 9.5));
    }
    // The keys along the front.
    p.setPen(QPen(QColor(120, 112, 102), 0.8));
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(QRectF(44, 62, 152, 26));
    p.setBrush(kInk);
    for (int i = 0; i < 14; ++i)
        if (i % 7 != 2 && i % 7 != 6)
            p.drawRect(QRectF(50 + i * 10.8, 62, 6, 15));
    // The music desk.
    p.setBrush(QColor(30, 20, 18));
    p.setPen(QPen(QColor(10, 6, 6), 1.2));
    p.drawRoundedRect(QRectF(60, 98, 120, 14), 3, 3);
    return image;
}

QImage pianoRightPicture()
{
    QImage image = sideBackground(240, 640);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A staff curving down the picture, and notes rising from it.
    p.setPen(QPen(QColor(90, 70, 50, 150), 1.6));
    for (int line = 0; line < 5; ++line) {
        QPainterPath wave;
        qreal const off = line * 11;
        wave.moveTo(0, 420 + off);
        wave.cubicTo(80, 360 + off, 160, 520 + off, 240, 440 + off);
        p.drawPath(wave);
    }
    struct Note
    {
        QPointF at;
        qreal size;
        bool pair;
    };
    Note const notes[] = {{{40, 400}, 1.0, false},
                          {{110, 330}, 0.9, true},
                          {{60, 230}, 0.8, false},
                          {{150, 170}, 0.75, true},
                          {{90, 90}, 0.65, false}};
    int shade = 0;
    for (Note const& n : notes) {
        QColor const ink(40 + shade, 30 + shade, 30 + shade / 2, 230 - shade * 2);
        shade += 24;
        p.save();
        p.translate(n.at);
        p.scale(n.size, n.size);
        p.rotate(-18);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), 11, 8);
        if (n.pair)
            p.drawEllipse(QPointF(36, -8), 11, 8);
        p.setPen(QPen(ink, 3));
        p.drawLine(QPointF(10, -2), QPointF(10, -60));
        if (n.pair) {
            p.drawLine(QPointF(46, -10), QPointF(46, -68));
            p.setPen(QPen(ink, 8, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(10, -58), QPointF(46, -66));
        } else {
            QPainterPath flag;
            flag.moveTo(11, -60);
            flag.cubicTo(16, -40, 34, -38, 28, -14);
            flag.cubicTo(28, -30, 20, -36, 11, -40);
            p.setPen(Qt::NoPen);
            p.drawPath(flag);
        }
        p.restore();
    }
    return image;
}

void generatePianoPictures(AssetGen::Context& ctx)
{
    ctx.savePicture(QStringLiteral("note.png"), notePicture());
    ctx.savePicture(QStringLiteral("violinkey.png"), trebleClefPicture());
    ctx.savePicture(QStringLiteral("basskey.png"), bassClefPicture());
    ctx.savePicture(QStringLiteral("NaturalSign.png"), signPicture(Sign::Natural));
    ctx.savePicture(QStringLiteral("SharpSign.png"), signPicture(Sign::Sharp));
    ctx.savePicture(QStringLiteral("FlatSign.png"), signPicture(Sign::Flat));
    for (int key = 0; key <= Keys::kKeyCount; ++key)
        ctx.savePicture(QStringLiteral("Piano_%1.png").arg(key), keyboardPicture(key));
    ctx.savePicture(QStringLiteral("pianoleft.png"), pianoLeftPicture());
    ctx.savePicture(QStringLiteral("pianoright.png"), pianoRightPicture());
}

} // namespace

TW_ASSET_GENERATOR(generatePianoPictures)
