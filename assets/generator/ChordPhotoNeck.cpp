// The chord photos of the string instruments: the neck as its player sees it
// looking down it, headstock at the top and the lowest string (the banjo's
// short string) on the right; frets spaced as on a real neck, wood grain,
// binding, pearl inlays, nut and tuning posts, wound, plain and nylon strings.
// A stopped string gets a fingertip behind its fret, an open one a ring and a
// silent one a cross above the nut (above the shown part of the neck on the
// second bass layout, which starts at the fourth fret).
#include "AssetGenerator.h"
#include "ChordPhotoArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

using namespace RADarir::ChordTables;

namespace ChordPhotoArt {

namespace {

enum class StringKind { Plain, Wound, Nylon };

struct StringLook
{
    StringKind kind;
    qreal width;
};

// How one instrument's neck looks.
struct NeckLook
{
    qreal nutWidth;              // the fretboard's width at the top of the picture
    int firstFret;               // 0: the nut and headstock are in the picture
    int lastFret;                // the lowest fret line drawn
    QColor board;                // the fretboard's wood
    QColor headstock;            // the headstock's face
    bool binding;                // a cream edge along the fretboard
    bool pairs;                  // doubled courses (the mandolin)
    int shortStringFret;         // the banjo's fifth string starts at this fret, else 0
    QVector<int> inlays;         // frets with a pearl dot, 12 with two
    QVector<StringLook> strings; // in argument order
};

NeckLook lookOf(Instrument instrument)
{
    QColor const rosewood(74, 44, 30), ebony(34, 28, 26), maple(168, 120, 72);
    auto s = [](StringKind kind, qreal width) { return StringLook{kind, width}; };
    switch (instrument) {
    case Instrument::Ukulele:
        return {120,
                0,
                7,
                maple.darker(150),
                QColor(110, 62, 34),
                false,
                false,
                0,
                {5, 7},
                {s(StringKind::Nylon, 2.6), s(StringKind::Nylon, 3.4), s(StringKind::Nylon, 3.0),
                 s(StringKind::Nylon, 2.4)}};
    case Instrument::Mandolin:
        return {118,
                0,
                7,
                rosewood,
                QColor(30, 22, 18),
                true,
                true,
                0,
                {5, 7},
                {s(StringKind::Wound, 1.6), s(StringKind::Wound, 1.3), s(StringKind::Plain, 1.0),
                 s(StringKind::Plain, 0.8)}};
    case Instrument::Guitar:
        return {150,
                0,
                7,
                rosewood,
                QColor(24, 20, 18),
                true,
                false,
                0,
                {3, 5, 7},
                {s(StringKind::Wound, 3.4), s(StringKind::Wound, 2.9), s(StringKind::Wound, 2.4),
                 s(StringKind::Wound, 1.9), s(StringKind::Plain, 1.4), s(StringKind::Plain, 1.1)}};
    case Instrument::Banjo:
        return {132,
                0,
                7,
                ebony,
                QColor(48, 30, 22),
                true,
                false,
                5,
                {3, 5, 7},
                {s(StringKind::Plain, 1.1), s(StringKind::Wound, 2.0), s(StringKind::Plain, 1.5),
                 s(StringKind::Plain, 1.3), s(StringKind::Plain, 1.1)}};
    case Instrument::Bass:
        return {150,
                0,
                7,
                rosewood,
                QColor(24, 20, 18),
                false,
                false,
                0,
                {3, 5, 7},
                {s(StringKind::Wound, 5.2), s(StringKind::Wound, 4.5), s(StringKind::Wound, 3.8),
                 s(StringKind::Wound, 3.2)}};
    case Instrument::Bass2:
        return {168,
                4,
                13,
                rosewood,
                QColor(24, 20, 18),
                false,
                false,
                0,
                {5, 7, 9, 12},
                {s(StringKind::Wound, 5.2), s(StringKind::Wound, 4.5), s(StringKind::Wound, 3.8),
                 s(StringKind::Wound, 3.2)}};
    case Instrument::Balalaika:
        return {96,
                0,
                7,
                maple.darker(130),
                QColor(96, 50, 28),
                false,
                false,
                0,
                {5, 7},
                {s(StringKind::Nylon, 2.2), s(StringKind::Nylon, 2.2), s(StringKind::Plain, 1.3)}};
    case Instrument::Piano:
        break;
    }
    return {};
}

// Where things are on a neck picture: fret lines spaced as on a real neck
// (each fret 2^(-1/12) of the one before), the strings fanning out slightly
// towards the body.
class NeckGeometry
{
public:
    explicit NeckGeometry(NeckLook const& look)
        : m_look(look)
    {
        qreal const span = position(look.lastFret) - position(look.firstFret);
        m_scale = (kBottom - kTop) / span;
    }

    static constexpr qreal kTop = 92;     // the nut, or the first fret line shown
    static constexpr qreal kBottom = 412; // the last fret line shown
    static constexpr qreal kCentre = kWidth / 2.0 + 10;

    qreal fretY(int fret) const { return kTop + (position(fret) - position(m_look.firstFret)) * m_scale; }
    qreal halfWidth(qreal y) const { return m_look.nutWidth / 2 * (1 + 0.16 * (y - kTop) / (kHeight - kTop)); }
    qreal left(qreal y) const { return kCentre - halfWidth(y); }
    qreal right(qreal y) const { return kCentre + halfWidth(y); }

    // String i of n at height y: the first string on the right.
    qreal stringX(int i, qreal y) const
    {
        int const n = m_look.strings.size();
        qreal const inset = halfWidth(y) * (n > 3 ? 0.16 : 0.24);
        qreal const t = n > 1 ? 1.0 - qreal(i) / (n - 1) : 0.5;
        return left(y) + inset + t * (2 * halfWidth(y) - 2 * inset);
    }
    // The width between two neighbouring strings.
    qreal spacing(qreal y) const
    {
        int const n = qMax(2, m_look.strings.size());
        return (2 * halfWidth(y) * (1 - 2 * (n > 3 ? 0.16 : 0.24))) / (n - 1);
    }

private:
    static qreal position(int fret) { return 1.0 - qPow(2.0, -fret / 12.0); }

    NeckLook m_look;
    qreal m_scale = 1;
};

void drawBackground(QPainter& p)
{
    QLinearGradient g(0, 0, 0, kHeight);
    g.setColorAt(0, QColor(52, 46, 42));
    g.setColorAt(1, QColor(22, 19, 17));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), g);
}

QPolygonF boardOutline(NeckGeometry const& geo, qreal top)
{
    return QPolygonF({QPointF(geo.left(top), top), QPointF(geo.right(top), top), QPointF(geo.right(kHeight), kHeight),
                      QPointF(geo.left(kHeight), kHeight)});
}

void drawFretboard(QPainter& p, NeckGeometry const& geo, NeckLook const& look, quint32 seed)
{
    qreal const top = look.firstFret == 0 ? NeckGeometry::kTop : 0;
    QPolygonF const outline = boardOutline(geo, top);
    // The neck's rounded back catches the light in the middle.
    QLinearGradient wood(geo.left(kHeight), 0, geo.right(kHeight), 0);
    wood.setColorAt(0, look.board.darker(160));
    wood.setColorAt(0.45, look.board.lighter(112));
    wood.setColorAt(1, look.board.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPolygon(outline);

    // Grain: long, faint, slightly wavy streaks along the neck.
    p.save();
    QPainterPath clip;
    clip.addPolygon(outline);
    p.setClipPath(clip);
    AssetGen::Random rnd(seed);
    for (int i = 0; i < 70; ++i) {
        qreal const t = rnd.next();
        qreal const wave = 1 + 3 * rnd.next();
        QColor c = rnd.next() < 0.5 ? look.board.darker(140) : look.board.lighter(125);
        c.setAlphaF(0.12 + 0.18 * rnd.next());
        QPainterPath streak;
        for (int y = int(top); y <= kHeight; y += 20) {
            qreal const x = geo.left(y) + t * 2 * geo.halfWidth(y) + wave * qSin(y / 37.0 + i);
            if (y == int(top))
                streak.moveTo(x, y);
            else
                streak.lineTo(x, y);
        }
        p.setPen(QPen(c, 0.6 + 1.4 * rnd.next()));
        p.setBrush(Qt::NoBrush);
        p.drawPath(streak);
    }
    p.restore();

    if (look.binding) {
        p.setPen(QPen(QColor(232, 220, 192), 2.2));
        p.drawLine(QPointF(geo.left(top) + 1, top), QPointF(geo.left(kHeight) + 1, kHeight));
        p.drawLine(QPointF(geo.right(top) - 1, top), QPointF(geo.right(kHeight) - 1, kHeight));
    }
}

void drawInlays(QPainter& p, NeckGeometry const& geo, NeckLook const& look)
{
    for (int fret : look.inlays) {
        if (fret <= look.firstFret || fret > look.lastFret)
            continue;
        qreal const y = (geo.fretY(fret - 1) + geo.fretY(fret)) / 2;
        qreal const r = qMin(7.0, (geo.fretY(fret) - geo.fretY(fret - 1)) * 0.2);
        QVector<qreal> xs;
        if (fret == 12)
            xs = {NeckGeometry::kCentre - geo.halfWidth(y) * 0.45, NeckGeometry::kCentre + geo.halfWidth(y) * 0.45};
        else
            xs = {NeckGeometry::kCentre};
        for (qreal x : xs) {
            QRadialGradient pearl(QPointF(x - r / 3, y - r / 3), r * 1.4);
            pearl.setColorAt(0, QColor(252, 250, 240));
            pearl.setColorAt(0.6, QColor(214, 222, 220));
            pearl.setColorAt(1, QColor(170, 182, 186));
            p.setPen(Qt::NoPen);
            p.setBrush(pearl);
            p.drawEllipse(QPointF(x, y), r, r);
        }
    }
}

void drawFrets(QPainter& p, NeckGeometry const& geo, NeckLook const& look)
{
    for (int fret = qMax(1, look.firstFret); fret <= look.lastFret; ++fret) {
        qreal const y = geo.fretY(fret);
        QRectF const bar(geo.left(y), y - 2.2, 2 * geo.halfWidth(y), 4.4);
        p.fillRect(bar.translated(0, 3), QColor(0, 0, 0, 70));
        QLinearGradient metal(0, bar.top(), 0, bar.bottom());
        metal.setColorAt(0, QColor(120, 118, 112));
        metal.setColorAt(0.4, QColor(246, 244, 236));
        metal.setColorAt(1, QColor(108, 106, 100));
        p.fillRect(bar, metal);
    }
}

// How far the headstock flares out beyond the nut on each side at the top edge.
constexpr qreal kHeadFlare = 30;

qreal headHalfWidth(NeckGeometry const& geo, qreal y)
{
    qreal const t = qBound(0.0, (NeckGeometry::kTop - y) / NeckGeometry::kTop, 1.0);
    return geo.halfWidth(NeckGeometry::kTop) + kHeadFlare * qSqrt(t);
}

// The headstock above the nut, flaring out towards the top edge, and the nut.
void drawHeadstock(QPainter& p, NeckGeometry const& geo, NeckLook const& look)
{
    qreal const top = NeckGeometry::kTop;
    QPolygonF head;
    for (int y = int(top); y >= -2; y -= 4)
        head << QPointF(NeckGeometry::kCentre - headHalfWidth(geo, y), y);
    for (int y = -2; y <= int(top); y += 4)
        head << QPointF(NeckGeometry::kCentre + headHalfWidth(geo, y), y);
    qreal const half = headHalfWidth(geo, 0);
    QLinearGradient face(NeckGeometry::kCentre - half, 0, NeckGeometry::kCentre + half, 0);
    face.setColorAt(0, look.headstock.darker(180));
    face.setColorAt(0.5, look.headstock.lighter(120));
    face.setColorAt(1, look.headstock.darker(180));
    p.setPen(QPen(QColor(0, 0, 0, 140), 1.5));
    p.setBrush(face);
    p.drawPolygon(head);

    // The nut, in bone.
    QRectF const nut(geo.left(top) - 1, top - 7, 2 * geo.halfWidth(top) + 2, 8);
    QLinearGradient bone(0, nut.top(), 0, nut.bottom());
    bone.setColorAt(0, QColor(246, 241, 226));
    bone.setColorAt(1, QColor(196, 186, 160));
    p.fillRect(nut, bone);
}

// One string as drawn: a string of the instrument, or one of a doubled course.
struct StringLine
{
    int string;
    qreal offset;
    QPointF nut;
    QPointF post;
};

// The strings' lines from the nut to their tuning posts, which stand in a row
// along each side of the headstock: the outermost string on the post nearest
// the nut, so that no two strings cross.
QVector<StringLine> stringLines(NeckGeometry const& geo, NeckLook const& look)
{
    QVector<StringLine> lines;
    for (int i = 0; i < look.strings.size(); ++i) {
        if (i == 0 && look.shortStringFret > 0)
            continue;
        for (qreal dx : look.pairs ? QVector<qreal>{-2.6, 2.6} : QVector<qreal>{0})
            lines.append({i, dx, QPointF(geo.stringX(i, NeckGeometry::kTop) + dx, NeckGeometry::kTop), QPointF()});
    }
    QVector<StringLine*> left, right;
    for (StringLine& line : lines)
        (line.nut.x() < NeckGeometry::kCentre - 0.5 ? left : right).append(&line);
    auto outermostFirst = [](QVector<StringLine*>& side, bool onRight) {
        std::sort(side.begin(), side.end(), [onRight](StringLine* a, StringLine* b) {
            return onRight ? a->nut.x() > b->nut.x() : a->nut.x() < b->nut.x();
        });
    };
    outermostFirst(left, false);
    outermostFirst(right, true);
    for (auto* side : {&left, &right}) {
        qreal const step = qMin(24.0, (NeckGeometry::kTop - 14) / qMax(1, side->size()));
        for (int rank = 0; rank < side->size(); ++rank) {
            qreal const y = NeckGeometry::kTop - 22 - rank * step;
            qreal const inset = 13;
            qreal const x = side == &left ? NeckGeometry::kCentre - headHalfWidth(geo, y) + inset
                                          : NeckGeometry::kCentre + headHalfWidth(geo, y) - inset;
            side->at(rank)->post = QPointF(x, y);
        }
    }
    return lines;
}

void drawString(QPainter& p, QPointF const& from, QPointF const& to, StringLook const& s)
{
    QColor colour;
    switch (s.kind) {
    case StringKind::Plain:
        colour = QColor(222, 224, 228);
        break;
    case StringKind::Wound:
        colour = QColor(206, 168, 106);
        break;
    case StringKind::Nylon:
        colour = QColor(240, 234, 220);
        break;
    }
    p.setPen(QPen(QColor(0, 0, 0, 95), s.width + 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from + QPointF(2.2, 1), to + QPointF(2.2, 1));
    p.setPen(QPen(colour.darker(135), s.width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    // A highlight along the string, and the windings of a wound one.
    p.setPen(QPen(colour.lighter(125), qMax(0.5, s.width * 0.35)));
    p.drawLine(from - QPointF(s.width * 0.2, 0), to - QPointF(s.width * 0.2, 0));
    if (s.kind == StringKind::Wound && s.width > 1.5) {
        QPen windings(colour.darker(170), s.width * 0.8, Qt::CustomDashLine);
        windings.setDashPattern({0.25, 1.2});
        p.setPen(windings);
        p.drawLine(from, to);
    }
}

void drawTuningPeg(QPainter& p, QPointF const& at, qreal radius)
{
    QRadialGradient metal(at - QPointF(radius / 3, radius / 3), radius * 1.5);
    metal.setColorAt(0, QColor(250, 250, 250));
    metal.setColorAt(0.5, QColor(176, 176, 180));
    metal.setColorAt(1, QColor(80, 80, 84));
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(metal);
    p.drawEllipse(at, radius, radius);
}

// Strings, drawn from their tuning posts (or the top edge) to the bottom of the picture.
void drawStrings(QPainter& p, NeckGeometry const& geo, NeckLook const& look)
{
    qreal const tuningPeg = look.strings.value(0).width > 4 ? 8 : 6;
    if (look.firstFret == 0) {
        for (StringLine const& line : stringLines(geo, look)) {
            StringLook const& s = look.strings.at(line.string);
            drawString(p, line.post, line.nut, s);
            drawString(p, line.nut, QPointF(geo.stringX(line.string, kHeight) + line.offset * 1.1, kHeight), s);
            drawTuningPeg(p, line.post, tuningPeg);
        }
    } else {
        for (int i = 0; i < look.strings.size(); ++i)
            drawString(p, QPointF(geo.stringX(i, 0), 0), QPointF(geo.stringX(i, kHeight), kHeight), look.strings.at(i));
    }
    if (look.shortStringFret > 0) {
        // The banjo's short string comes out of its own peg at the side of the neck.
        qreal const y = geo.fretY(look.shortStringFret) - 4;
        drawString(p, QPointF(geo.stringX(0, y), y), QPointF(geo.stringX(0, kHeight), kHeight), look.strings.at(0));
        drawTuningPeg(p, QPointF(geo.right(y) + 10, y), 7);
    }
}

void drawFretNumbers(QPainter& p, NeckGeometry const& geo, NeckLook const& look)
{
    p.setFont(AssetGen::font(look.lastFret > 9 ? 12 : 15, true));
    p.setPen(QColor(226, 214, 190, 210));
    for (int fret = look.firstFret + 1; fret <= look.lastFret; ++fret) {
        qreal const y = (geo.fretY(fret - 1) + geo.fretY(fret)) / 2;
        QRectF const box(0, y - 10, geo.left(y) - 10, 20);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(fret));
    }
}

} // namespace

void drawFingertip(QPainter& p, QPointF const& at, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 100));
    p.drawEllipse(at + QPointF(1.8, 2.6), r, r);
    QRadialGradient g(at - QPointF(r / 3, r / 3), r * 1.5);
    g.setColorAt(0, QColor(255, 148, 112));
    g.setColorAt(0.55, QColor(226, 74, 46));
    g.setColorAt(1, QColor(150, 34, 20));
    p.setPen(QPen(QColor(255, 240, 230, 220), qMax(1.2, r * 0.14)));
    p.setBrush(g);
    p.drawEllipse(at, r, r);
}

namespace {

void drawOpenMark(QPainter& p, QPointF const& at, qreal r)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 160), r * 0.55 + 2));
    p.drawEllipse(at, r, r);
    p.setPen(QPen(QColor(120, 230, 130), r * 0.45));
    p.drawEllipse(at, r, r);
}

void drawSilentMark(QPainter& p, QPointF const& at, qreal r)
{
    for (auto const& pen : {QPen(QColor(0, 0, 0, 160), r * 0.55 + 2, Qt::SolidLine, Qt::RoundCap),
                            QPen(QColor(255, 96, 84), r * 0.45, Qt::SolidLine, Qt::RoundCap)}) {
        p.setPen(pen);
        p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        p.drawLine(at + QPointF(r, -r), at + QPointF(-r, r));
    }
}

void drawMarks(QPainter& p, NeckGeometry const& geo, NeckLook const& look, QVector<int> const& tab)
{
    for (int i = 0; i < tab.size() && i < look.strings.size(); ++i) {
        int const value = tab.at(i);
        // The banjo's short string counts its frets from its own nut.
        int const base = i == 0 ? look.shortStringFret : 0;
        qreal const markY = look.firstFret > 0 ? 40 : (base > 0 ? geo.fretY(base) - 16 : NeckGeometry::kTop - 20);
        if (value <= 0) {
            QPointF const at(geo.stringX(i, markY), markY);
            qreal const r = qMin(8.0, geo.spacing(markY) * 0.3);
            if (value == 0)
                drawOpenMark(p, at, r);
            else
                drawSilentMark(p, at, r * 0.85);
            continue;
        }
        int const fret = base + value;
        if (fret < look.firstFret + 1 || fret > look.lastFret)
            continue;
        qreal const above = geo.fretY(fret - 1), below = geo.fretY(fret);
        qreal const y = below - (below - above) * 0.4; // fingers press just behind the fret
        qreal const r = qMin(qMin(15.0, geo.spacing(y) * 0.42), (below - above) * 0.42);
        drawFingertip(p, QPointF(geo.stringX(i, y), y), r);
    }
}

// The neck of a voicing from a higher fret on: the part above the picture
// fades into shadow, and the open and silent marks stand in that shade.
void drawUpperShade(QPainter& p)
{
    QLinearGradient shade(0, 0, 0, 70);
    shade.setColorAt(0, QColor(16, 14, 12, 235));
    shade.setColorAt(0.75, QColor(16, 14, 12, 150));
    shade.setColorAt(1, QColor(16, 14, 12, 0));
    p.fillRect(QRectF(0, 0, kWidth, 70), shade);
}

} // namespace

QImage neckPhoto(Layout const& layout, QVector<int> const& tab)
{
    NeckLook const look = lookOf(layout.instrument);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    NeckGeometry const geo(look);
    drawBackground(p);
    if (look.firstFret == 0)
        drawHeadstock(p, geo, look);
    drawFretboard(p, geo, look, qHash(layout.id));
    drawInlays(p, geo, look);
    drawFrets(p, geo, look);
    drawStrings(p, geo, look);
    drawFretNumbers(p, geo, look);
    if (look.firstFret > 0)
        drawUpperShade(p);
    drawMarks(p, geo, look, tab);
    return image;
}

} // namespace ChordPhotoArt
