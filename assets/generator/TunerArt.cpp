// Pictures of the tuners: the eleven instruments shown behind the string
// buttons, the chooser's instrument buttons in their four states, the sibling
// application's button, the chooser's background, the menu arrow and the
// icons of the applications the More menus link to. Every instrument is drawn
// from one description (body outline, neck, head, strings), so the page
// picture, the chooser button and the icon show the same instrument.
#include "AssetGenerator.h"
#include "InstrumentArt.h"
#include "TunerPegs.h"

#include "RADarir/tuners/TunerTables.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

using AssetGen::canvas;

namespace {

enum class Head { Scroll, Guitar, Inline, Banjo, Flat };
enum class Hole { FHoles, Round, Oval, Drum, None, Pickups };

struct Instrument
{
    char const* name;         // resource stem: name + ".jpg", name + "Button.png"
    QVector<QPointF> profile; // (y, half width) of the body, y from 0 (top) to 1 (bottom)
    qreal bodyWidth;          // body width / body length
    qreal neckLength;         // neck length / body length
    qreal neckWidth;          // neck width / body length
    int strings;
    Head head;
    Hole hole;
    QColor wood;
    QColor top; // the sound board
};

QVector<QPointF> violinProfile()
{
    return {{0.0, 0.10},  {0.04, 0.30}, {0.13, 0.41}, {0.25, 0.38}, {0.35, 0.27}, {0.45, 0.22},
            {0.55, 0.25}, {0.65, 0.38}, {0.78, 0.47}, {0.90, 0.43}, {0.97, 0.30}, {1.0, 0.10}};
}

QVector<QPointF> bassProfile()
{
    // Sloped shoulders of the double bass.
    return {{0.0, 0.08},  {0.06, 0.20}, {0.18, 0.36}, {0.30, 0.38}, {0.40, 0.29}, {0.48, 0.26},
            {0.57, 0.30}, {0.68, 0.42}, {0.80, 0.48}, {0.91, 0.44}, {0.97, 0.31}, {1.0, 0.10}};
}

QVector<QPointF> guitarProfile()
{
    return {{0.0, 0.12},  {0.04, 0.27}, {0.14, 0.35}, {0.28, 0.32}, {0.40, 0.26}, {0.48, 0.27},
            {0.60, 0.38}, {0.74, 0.46}, {0.88, 0.45}, {0.97, 0.32}, {1.0, 0.12}};
}

QVector<QPointF> teardropProfile(qreal tip)
{
    return {{0.0, tip},   {0.15, 0.22}, {0.35, 0.33}, {0.55, 0.42},
            {0.75, 0.47}, {0.90, 0.42}, {0.98, 0.25}, {1.0, 0.08}};
}

QVector<QPointF> triangleProfile()
{
    return {{0.0, 0.06}, {0.2, 0.12}, {0.4, 0.20}, {0.6, 0.29}, {0.8, 0.38}, {0.93, 0.47}, {0.98, 0.46}, {1.0, 0.30}};
}

QVector<QPointF> roundProfile()
{
    QVector<QPointF> p;
    for (int i = 0; i <= 12; ++i) {
        qreal const a = M_PI * i / 12;
        p << QPointF(0.5 - 0.5 * qCos(a), 0.5 * qSin(a) + 0.02);
    }
    return p;
}

QVector<QPointF> bassGuitarProfile()
{
    return {{0.0, 0.16},  {0.08, 0.30}, {0.22, 0.33}, {0.38, 0.28}, {0.50, 0.30},
            {0.66, 0.42}, {0.82, 0.45}, {0.95, 0.36}, {1.0, 0.18}};
}

QVector<Instrument> const& instruments()
{
    static QVector<Instrument> const list = {
        {"Violin", violinProfile(), 0.58, 0.55, 0.075, 4, Head::Scroll, Hole::FHoles, QColor(150, 62, 18),
         QColor(190, 92, 30)},
        {"Viola", violinProfile(), 0.60, 0.52, 0.08, 4, Head::Scroll, Hole::FHoles, QColor(120, 50, 20),
         QColor(170, 78, 28)},
        {"Cello", violinProfile(), 0.60, 0.45, 0.07, 4, Head::Scroll, Hole::FHoles, QColor(110, 40, 14),
         QColor(160, 66, 22)},
        {"DoubleBass", bassProfile(), 0.62, 0.45, 0.065, 4, Head::Scroll, Hole::FHoles, QColor(90, 38, 16),
         QColor(140, 70, 30)},
        {"Guitar", guitarProfile(), 0.75, 0.85, 0.10, 6, Head::Guitar, Hole::Round, QColor(120, 60, 25),
         QColor(232, 190, 125)},
        {"BassGuitar", bassGuitarProfile(), 0.72, 1.30, 0.085, 4, Head::Inline, Hole::Pickups, QColor(30, 30, 34),
         QColor(190, 40, 30)},
        {"Ukulele", guitarProfile(), 0.72, 0.75, 0.11, 4, Head::Guitar, Hole::Round, QColor(110, 55, 22),
         QColor(176, 110, 50)},
        {"Banjo", roundProfile(), 1.0, 1.55, 0.09, 5, Head::Banjo, Hole::Drum, QColor(120, 70, 30),
         QColor(236, 228, 205)},
        {"Balalaika", triangleProfile(), 1.05, 1.00, 0.09, 3, Head::Flat, Hole::Round, QColor(130, 70, 25),
         QColor(222, 176, 110)},
        {"Mandolin", teardropProfile(0.12), 0.78, 0.75, 0.09, 8, Head::Guitar, Hole::Oval, QColor(110, 45, 15),
         QColor(200, 120, 45)},
        {"Dombra", teardropProfile(0.10), 0.62, 1.70, 0.075, 2, Head::Flat, Hole::None, QColor(140, 80, 35),
         QColor(205, 150, 90)},
    };
    return list;
}

// A smooth closed outline through the profile on both sides (Catmull-Rom).
QPainterPath bodyPath(Instrument const& ins, QRectF const& box)
{
    QVector<QPointF> pts;
    for (QPointF const& p : ins.profile)
        pts << QPointF(box.center().x() + p.y() * box.width(), box.top() + p.x() * box.height());
    for (int i = ins.profile.size() - 1; i >= 0; --i) {
        QPointF const& p = ins.profile.at(i);
        pts << QPointF(box.center().x() - p.y() * box.width(), box.top() + p.x() * box.height());
    }
    QPainterPath path(pts.first());
    int const n = pts.size();
    for (int i = 0; i < n; ++i) {
        QPointF const p0 = pts.at((i - 1 + n) % n), p1 = pts.at(i), p2 = pts.at((i + 1) % n), p3 = pts.at((i + 2) % n);
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

QLinearGradient varnish(QRectF const& box, QColor const& colour)
{
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0, colour.darker(150));
    g.setColorAt(0.35, colour.lighter(125));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(170));
    return g;
}

void drawPeg(QPainter& p, QPointF const& at, qreal r, QColor const& colour)
{
    p.setBrush(colour);
    p.drawEllipse(at, r, r * 0.7);
}

// Draws the instrument upright and centred in `area`.
void paintInstrument(QPainter& p, Instrument const& ins, QRectF const& area)
{
    // Total length in body lengths: head + neck + body.
    qreal const headLen = ins.head == Head::Scroll ? 0.22 : 0.28;
    qreal const total = headLen + ins.neckLength + 1.0 + (ins.head == Head::Scroll ? 0.04 : 0.0);
    qreal const unit = qMin(area.height() / total, area.width() / (ins.bodyWidth * 1.05));
    qreal const cx = area.center().x();
    qreal const top = area.center().y() - total * unit / 2;
    QRectF const body(cx - ins.bodyWidth * unit / 2, top + (headLen + ins.neckLength) * unit, ins.bodyWidth * unit,
                      unit);
    qreal const lw = qMax<qreal>(1.0, unit / 180);
    QPen const edge(QColor(25, 12, 4), lw * 1.5);
    p.setRenderHint(QPainter::Antialiasing);

    // Body with a lighter sound board inset.
    QPainterPath const outline = bodyPath(ins, body);
    p.setPen(edge);
    p.setBrush(varnish(body, ins.wood));
    p.drawPath(outline);
    QRectF const inner = body.adjusted(body.width() * 0.03, unit * 0.02, -body.width() * 0.03, -unit * 0.02);
    p.setPen(Qt::NoPen);
    p.setBrush(varnish(inner, ins.top));
    p.drawPath(bodyPath(ins, inner));
    if (ins.hole == Hole::Drum) {
        // Metal rim and brackets around the drum head.
        p.setPen(QPen(QColor(170, 170, 178), lw * 6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(body.center(), body.width() / 2 * 0.96, body.height() / 2 * 0.96);
        p.setPen(QPen(QColor(210, 210, 218), lw * 2));
        for (int i = 0; i < 24; ++i) {
            qreal const a = 2 * M_PI * i / 24;
            QPointF const dir(qCos(a), qSin(a));
            p.drawLine(body.center() + dir * body.width() * 0.47, body.center() + dir * body.width() * 0.53);
        }
    }
    // Highlight: light falling from the upper left.
    QRadialGradient shine(body.center() - QPointF(body.width() * 0.2, unit * 0.25), body.width() * 0.6);
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawPath(outline);

    // Sound holes and pickups.
    QPointF const holeAt(cx, body.top() + unit * (ins.hole == Hole::Round && ins.head == Head::Flat ? 0.55 : 0.38));
    p.setPen(QPen(QColor(25, 12, 4), lw));
    switch (ins.hole) {
    case Hole::FHoles:
        for (int side : {-1, 1}) {
            QPainterPath f;
            qreal const x = cx + side * body.width() * 0.2;
            f.moveTo(x - side * unit * 0.03, body.top() + unit * 0.40);
            f.cubicTo(x + side * unit * 0.05, body.top() + unit * 0.48, x - side * unit * 0.05,
                      body.top() + unit * 0.58, x + side * unit * 0.03, body.top() + unit * 0.66);
            p.setPen(QPen(QColor(20, 8, 2), lw * 3.5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(f);
            p.setBrush(QColor(20, 8, 2));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(x - side * unit * 0.03, body.top() + unit * 0.40), lw * 4, lw * 4);
            p.drawEllipse(QPointF(x + side * unit * 0.03, body.top() + unit * 0.66), lw * 4, lw * 4);
        }
        break;
    case Hole::Round:
    case Hole::Oval: {
        qreal const r = body.width() * (ins.head == Head::Flat ? 0.10 : 0.17);
        QSizeF const size(2 * r, ins.hole == Hole::Oval ? 2.6 * r : 2 * r);
        QRectF const hole(holeAt - QPointF(size.width() / 2, size.height() / 2), size);
        p.setPen(QPen(QColor(60, 30, 10), lw * 5));
        p.setBrush(QColor(12, 6, 2));
        p.drawEllipse(hole);
        p.setPen(QPen(QColor(240, 220, 170), lw * 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hole.adjusted(-lw * 6, -lw * 6, lw * 6, lw * 6));
        break;
    }
    case Hole::Pickups:
        p.setPen(QPen(QColor(10, 10, 10), lw));
        p.setBrush(QColor(25, 25, 28));
        for (qreal y : {0.45, 0.62})
            p.drawRoundedRect(QRectF(cx - unit * 0.09, body.top() + unit * y, unit * 0.18, unit * 0.07), lw * 4,
                              lw * 4);
        p.setBrush(QColor(235, 235, 230));
        p.drawPath(
            bodyPath(ins, QRectF(cx - body.width() * 0.22, body.top() + unit * 0.2, body.width() * 0.32, unit * 0.55)));
        break;
    case Hole::Drum:
    case Hole::None:
        break;
    }

    // Neck and fingerboard.
    qreal const neckTop = top + headLen * unit;
    qreal const boardBottom = body.top() + unit * (ins.head == Head::Scroll ? 0.45 : 0.3);
    QRectF const neck(cx - ins.neckWidth * unit / 2, neckTop, ins.neckWidth * unit, boardBottom - neckTop);
    p.setPen(edge);
    QLinearGradient board(neck.topLeft(), neck.topRight());
    QColor const boardColour = ins.head == Head::Scroll ? QColor(22, 18, 16) : QColor(70, 38, 20);
    board.setColorAt(0, boardColour.darker(130));
    board.setColorAt(0.5, boardColour.lighter(140));
    board.setColorAt(1, boardColour.darker(130));
    p.setBrush(board);
    p.drawRoundedRect(neck, lw * 3, lw * 3);
    if (ins.head != Head::Scroll) {
        // Frets, closer together up the neck.
        p.setPen(QPen(QColor(215, 215, 210), lw * 1.6));
        qreal const scale = (boardBottom - neckTop) * 1.6;
        for (int fret = 1; fret < 22; ++fret) {
            qreal const y = neckTop + scale * (1 - qPow(2, -fret / 12.0));
            if (y > boardBottom)
                break;
            p.drawLine(QPointF(neck.left(), y), QPointF(neck.right(), y));
        }
    }

    // Head.
    QRectF const head(cx - ins.neckWidth * unit * 1.1, top, ins.neckWidth * unit * 2.2, headLen * unit);
    p.setPen(edge);
    p.setBrush(varnish(head, ins.wood));
    // The banjo's short string is tuned by the peg on the side of its neck.
    AssetGen::PegSides const pegs = AssetGen::pegSides(ins.head == Head::Banjo ? ins.strings - 1 : ins.strings);
    switch (ins.head) {
    case Head::Scroll: {
        QRectF const box(cx - ins.neckWidth * unit * 0.8, top, ins.neckWidth * unit * 1.6, headLen * unit);
        p.drawRoundedRect(box.adjusted(box.width() * 0.15, box.height() * 0.3, -box.width() * 0.15, 0), lw * 4, lw * 4);
        p.drawEllipse(QRectF(box.left(), box.top(), box.width(), box.width()));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(box.left() + box.width() * 0.25, box.top() + box.width() * 0.25, box.width() * 0.5,
                             box.width() * 0.5));
        p.setPen(edge);
        for (int i = 0; i < 2; ++i) {
            qreal const y = box.top() + box.height() * (0.55 + 0.2 * i);
            drawPeg(p, QPointF(box.left() - unit * 0.03, y), unit * 0.035, QColor(20, 14, 10));
            drawPeg(p, QPointF(box.right() + unit * 0.03, y + box.height() * 0.1), unit * 0.035, QColor(20, 14, 10));
        }
        break;
    }
    case Head::Guitar:
    case Head::Flat:
    case Head::Banjo: {
        QPainterPath shape;
        shape.moveTo(neck.left(), neckTop);
        shape.lineTo(head.left(), top + head.height() * 0.1);
        shape.quadTo(cx, top - head.height() * 0.1, head.right(), top + head.height() * 0.1);
        shape.lineTo(neck.right(), neckTop);
        shape.closeSubpath();
        p.drawPath(shape);
        for (int i = 0; i < pegs.left; ++i) {
            qreal const y = top + head.height() * (0.25 + 0.6 * i / qMax(1, pegs.left));
            drawPeg(p, QPointF(head.left() - unit * 0.03, y), unit * 0.03, QColor(225, 225, 220));
            if (i < pegs.right)
                drawPeg(p, QPointF(head.right() + unit * 0.03, y), unit * 0.03, QColor(225, 225, 220));
        }
        if (ins.head == Head::Banjo)
            drawPeg(p, QPointF(neck.right() + unit * 0.03, neckTop + neck.height() * 0.3), unit * 0.03,
                    QColor(225, 225, 220));
        break;
    }
    case Head::Inline: {
        QPainterPath shape;
        shape.moveTo(neck.left(), neckTop);
        shape.lineTo(neck.left(), top + head.height() * 0.1);
        shape.quadTo(neck.left(), top, neck.center().x(), top);
        shape.lineTo(head.right() + unit * 0.04, top + head.height() * 0.1);
        shape.quadTo(head.right() + unit * 0.06, top + head.height() * 0.6, neck.right(), neckTop);
        shape.closeSubpath();
        p.drawPath(shape);
        for (int i = 0; i < ins.strings; ++i)
            drawPeg(p, QPointF(head.right() + unit * 0.07, top + head.height() * (0.15 + 0.2 * i)), unit * 0.035,
                    QColor(200, 200, 205));
        break;
    }
    }

    // Bridge, tailpiece and strings.
    qreal const bridgeY = body.top() + unit * (ins.hole == Hole::FHoles ? 0.53 : ins.hole == Hole::Drum ? 0.7 : 0.78);
    qreal const spread = ins.neckWidth * unit * 0.8;
    p.setPen(edge);
    p.setBrush(ins.head == Head::Scroll ? QColor(220, 190, 140) : QColor(40, 22, 12));
    p.drawRoundedRect(QRectF(cx - spread * 0.85, bridgeY - lw * 4, spread * 1.7, lw * 8), lw * 2, lw * 2);
    qreal tailY = bridgeY;
    if (ins.head == Head::Scroll) {
        QPainterPath tail;
        tail.moveTo(cx - spread * 0.45, bridgeY + unit * 0.06);
        tail.lineTo(cx + spread * 0.45, bridgeY + unit * 0.06);
        tail.lineTo(cx + spread * 0.25, body.bottom() - unit * 0.03);
        tail.lineTo(cx - spread * 0.25, body.bottom() - unit * 0.03);
        tail.closeSubpath();
        p.setBrush(QColor(18, 14, 12));
        p.drawPath(tail);
        tailY = bridgeY + unit * 0.06;
        if (ins.neckLength < 0.5) {
            // End pin of the cello and the double bass.
            p.setPen(QPen(QColor(190, 190, 195), lw * 3));
            p.drawLine(QPointF(cx, body.bottom()), QPointF(cx, body.bottom() + unit * 0.04));
        }
    }
    p.setPen(QPen(QColor(230, 225, 210), lw * 1.1));
    for (int i = 0; i < ins.strings; ++i) {
        qreal const t = ins.strings == 1 ? 0 : (qreal(i) / (ins.strings - 1) - 0.5);
        qreal const startY = ins.head == Head::Banjo && i == ins.strings - 1 ? neckTop + neck.height() * 0.3 : neckTop;
        p.drawLine(QPointF(cx + t * spread * 0.8, startY), QPointF(cx + t * spread * 1.4, tailY));
    }
}

Instrument const& instrument(char const* name)
{
    for (Instrument const& ins : instruments()) {
        if (qstrcmp(ins.name, name) == 0)
            return ins;
    }
    return instruments().first();
}

QImage pagePicture(Instrument const& ins)
{
    QImage image(900, 1200, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    QRadialGradient spot(QPointF(450, 560), 620);
    spot.setColorAt(0, QColor(70, 60, 52));
    spot.setColorAt(0.6, QColor(24, 20, 18));
    spot.setColorAt(1, Qt::black);
    p.fillRect(image.rect(), spot);
    paintInstrument(p, ins, QRectF(120, 60, 660, 1080));
    return image;
}

enum class ButtonState { Normal, Hover, Pressed, PressedHover };

void paintTile(QPainter& p, QRectF const& r, ButtonState state)
{
    bool const pressed = state == ButtonState::Pressed || state == ButtonState::PressedHover;
    bool const hover = state == ButtonState::Hover || state == ButtonState::PressedHover;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pressed ? QColor(40, 70, 150) : QColor(70, 70, 78));
    g.setColorAt(1, pressed ? QColor(10, 20, 70) : QColor(18, 18, 22));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(hover ? QColor(250, 210, 110) : QColor(120, 120, 130), r.width() / 40));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), r.width() / 9, r.width() / 9);
}

QImage instrumentButton(Instrument const& ins, ButtonState state)
{
    constexpr int kSide = 184;
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    paintTile(p, QRectF(0, 0, kSide, kSide), state);
    paintInstrument(p, ins, QRectF(14, 12, kSide - 28, kSide - 24));
    return image;
}

// The sibling chords application: three stacked notes of a chord on a staff.
void paintChordMark(QPainter& p, QRectF const& r)
{
    p.setRenderHint(QPainter::Antialiasing);
    qreal const gap = r.height() / 9;
    p.setPen(QPen(QColor(235, 235, 240), qMax<qreal>(1, gap / 8)));
    for (int i = 0; i < 5; ++i) {
        qreal const y = r.top() + r.height() * 0.25 + i * gap;
        p.drawLine(QPointF(r.left() + r.width() * 0.1, y), QPointF(r.right() - r.width() * 0.1, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 80));
    for (int i = 0; i < 3; ++i) {
        QPointF const c(r.center().x(), r.top() + r.height() * 0.25 + (3.5 - i) * gap);
        p.save();
        p.translate(c);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), gap * 0.72, gap * 0.5);
        p.restore();
    }
    p.setPen(QPen(QColor(255, 200, 80), qMax<qreal>(1.5, gap / 5)));
    p.drawLine(QPointF(r.center().x() + gap * 0.66, r.top() + r.height() * 0.25 + 3.3 * gap),
               QPointF(r.center().x() + gap * 0.66, r.top() + r.height() * 0.05));
}

QImage siblingButton(ButtonState state)
{
    constexpr int kSide = 184;
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    paintTile(p, QRectF(0, 0, kSide, kSide), state);
    paintChordMark(p, QRectF(20, 16, kSide - 40, kSide - 40));
    p.setPen(QColor(235, 235, 240));
    p.setFont(AssetGen::font(22, true));
    p.drawText(QRectF(0, kSide - 46, kSide, 36), Qt::AlignCenter, QStringLiteral("+"));
    return image;
}

QImage appIcon(Instrument const* ins, QColor const& colour)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(200), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    if (ins)
        paintInstrument(p, *ins, QRectF(8, 4, 48, 56));
    else
        paintChordMark(p, QRectF(8, 6, 48, 52));
    return image;
}

QImage pianoIcon()
{
    QImage image = appIcon(nullptr, QColor(60, 60, 70));
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 36), 1.5));
    p.setBrush(QColor(46, 46, 56));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(250, 250, 245));
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(7 + i * 7.1, 14, 7.1, 38));
    p.setBrush(QColor(20, 20, 24));
    for (int i : {0, 1, 3, 4, 5})
        p.drawRect(QRectF(11.5 + i * 7.1, 14, 5, 23));
    return image;
}

QImage background()
{
    QImage image(400, 800, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 800);
    g.setColorAt(0, QColor(28, 30, 44));
    g.setColorAt(1, QColor(6, 6, 10));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    // Faint strings running down the panel.
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(200, 190, 160, 22 + i * 3), 1 + i * 0.4));
        p.drawLine(QPointF(40 + i * 64, 0), QPointF(30 + i * 68, 800));
    }
    return image;
}

QImage downArrow()
{
    QImage image = canvas(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 220, 225));
    p.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(15, 6), QPointF(9, 13)}));
    return image;
}

QByteArray jpeg(QImage const& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return data;
}

void generateTunerArt(AssetGen::Context& ctx)
{
    struct StateName
    {
        ButtonState state;
        char const* suffix;
    };
    StateName const states[] = {{ButtonState::Normal, ""},
                                {ButtonState::Hover, "_hvr"},
                                {ButtonState::Pressed, "_pressed"},
                                {ButtonState::PressedHover, "_pressed_hvr"}};
    for (Instrument const& ins : instruments()) {
        QString const name = QLatin1String(ins.name);
        QByteArray const data = jpeg(pagePicture(ins));
        if (data.isEmpty()) {
            ctx.fail();
            return;
        }
        ctx.savePictureData(name + QStringLiteral(".jpg"), data);
        for (StateName const& s : states)
            ctx.savePicture(name + QStringLiteral("Button") + QLatin1String(s.suffix) + QStringLiteral(".png"),
                            instrumentButton(ins, s.state));
    }
    for (StateName const& s : states) {
        if (s.state != ButtonState::PressedHover)
            ctx.savePicture(QStringLiteral("HarmonautButton") + QLatin1String(s.suffix) + QStringLiteral(".png"),
                            siblingButton(s.state));
    }
    ctx.savePicture(QStringLiteral("tunersbackground.png"), background());
    ctx.savePicture(QStringLiteral("spinbox_button_dw.png"), downArrow());

    using namespace TunerTables;
    struct Icon
    {
        AppId app;
        char const* instrument;
        QColor colour;
    };
    Icon const icons[] = {
        {GuitarChords, "Guitar", QColor(40, 110, 160)},      {BassChords, "BassGuitar", QColor(150, 60, 40)},
        {UkuleleChords, "Ukulele", QColor(40, 140, 100)},    {BanjoChords, "Banjo", QColor(150, 120, 40)},
        {BalalaikaChords, "Balalaika", QColor(160, 40, 60)}, {MandolinChords, "Mandolin", QColor(90, 60, 150)},
    };
    for (Icon const& icon : icons)
        ctx.savePicture(QLatin1String(kApps[icon.app].internalName) + QStringLiteral("64x64.png"),
                        appIcon(&instrument(icon.instrument), icon.colour));
    ctx.savePicture(QLatin1String(kApps[PianoChords].internalName) + QStringLiteral("64x64.png"), pianoIcon());
    ctx.savePicture(QLatin1String(kApps[Harmonaut].internalName) + QStringLiteral("64x64.png"),
                    appIcon(nullptr, QColor(30, 50, 120)));
}

} // namespace

void AssetGen::paintInstrumentNamed(QPainter& painter, char const* name, QRectF const& area)
{
    paintInstrument(painter, instrument(name), area);
}

TW_ASSET_GENERATOR(generateTunerArt)
