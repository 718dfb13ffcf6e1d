// The eight metronome pictures: a round little wren perched on a branch at
// night, whose eyes look left and right in turn. The base picture is the whole
// scene; the seven others only carry the part around the bird that changes
// (eyes, beak, wings, sound marks), so that they can be drawn over the base.
#include "AssetGenerator.h"
#include "MetronomeArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using AssetGen::canvas;
using AssetGen::Random;
using namespace MetronomeArt;

namespace {

// The scene is drawn on a 768 x 1024 grid and saved at twice that size.
int const kScale = 2;
int const kWidth = 768;
int const kHeight = 1024;
// Everything that differs between the pictures lies inside this rectangle.
QRect const kChanging(60, 90, 648, 520);
// The bird is drawn on its own grid and placed, smaller, in the upper half of
// the scene: the controls cover the lower part of the picture.
qreal const kBirdScale = 0.85;
QPointF const kBirdFeet(384, 708);
QPointF const kBirdPlace(384, 560);
// The branch moves up with the bird.
qreal const kBranchLift = -148;

enum class Eyes { Left, Right, Front, Closed };

struct Pose
{
    Eyes eyes;
    bool beat;    // first beat of a bar: wings up, beak open
    bool audible; // sound marks, or the muted badge
};

void drawBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(8, 22, 26));
    sky.setColorAt(0.45, QColor(20, 52, 46));
    sky.setColorAt(0.70, QColor(22, 46, 36));
    sky.setColorAt(1.0, QColor(4, 9, 7));
    p.fillRect(QRect(0, 0, kWidth, kHeight), sky);

    QRadialGradient glow(QPointF(384, 470), 430);
    glow.setColorAt(0, QColor(110, 180, 140, 110));
    glow.setColorAt(0.6, QColor(60, 120, 90, 40));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 0, kWidth, kHeight), glow);

    // Out-of-focus lights in the leaves.
    Random rnd(20240611u);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 34; ++i) {
        QPointF const c(rnd.next() * kWidth, 30 + rnd.next() * 620);
        qreal const r = 8 + rnd.next() * 30;
        bool const warm = rnd.next() < 0.45;
        QColor col = warm ? QColor(255, 200, 110) : QColor(150, 220, 180);
        col.setAlpha(int(18 + rnd.next() * 34));
        QRadialGradient g(c, r);
        g.setColorAt(0, col);
        g.setColorAt(0.7, col);
        col.setAlpha(0);
        g.setColorAt(1, col);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    // Fireflies.
    for (int i = 0; i < 18; ++i) {
        QPointF const c(rnd.next() * kWidth, 40 + rnd.next() * 640);
        QRadialGradient g(c, 7);
        g.setColorAt(0, QColor(255, 236, 160, 230));
        g.setColorAt(1, QColor(255, 200, 80, 0));
        p.setBrush(g);
        p.drawEllipse(c, 7, 7);
    }

    // Dark bushes along the bottom, calm behind the controls.
    p.setBrush(QColor(8, 20, 14));
    for (int i = 0; i < 9; ++i) {
        qreal const x = -60 + i * 110 + rnd.next() * 40;
        qreal const r = 110 + rnd.next() * 70;
        p.drawEllipse(QPointF(x, 800 - rnd.next() * 40), r, r * 0.8);
    }
    QLinearGradient floor(0, 680, 0, kHeight);
    floor.setColorAt(0, QColor(0, 0, 0, 0));
    floor.setColorAt(1, QColor(0, 0, 0, 220));
    p.fillRect(QRect(0, 680, kWidth, kHeight - 680), floor);

    // The branch the bird sits on.
    p.save();
    p.translate(0, kBranchLift);
    QPainterPath branch;
    branch.moveTo(-20, 694);
    branch.cubicTo(200, 676, 520, 700, 790, 668);
    branch.lineTo(790, 706);
    branch.cubicTo(520, 740, 200, 716, -20, 734);
    branch.closeSubpath();
    QLinearGradient bark(0, 672, 0, 736);
    bark.setColorAt(0, QColor(120, 84, 52));
    bark.setColorAt(0.5, QColor(86, 56, 32));
    bark.setColorAt(1, QColor(40, 26, 16));
    p.setBrush(bark);
    p.drawPath(branch);
    p.setPen(QPen(QColor(50, 32, 18, 160), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 22; ++i) {
        qreal const x = 10 + i * 35 + rnd.next() * 12;
        qreal const y = 700 + rnd.next() * 16 - x * 0.02;
        p.drawLine(QPointF(x, y), QPointF(x + 18 + rnd.next() * 14, y + rnd.next() * 3));
    }
    // A twig and a few leaves.
    p.setPen(QPen(QColor(86, 56, 32), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(640, 684), QPointF(712, 628));
    p.drawLine(QPointF(110, 706), QPointF(60, 660));
    p.setPen(Qt::NoPen);
    auto leaf = [&p](QPointF c, qreal angle, qreal size, QColor col) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(size * 0.3, -size * 0.35, size * 0.8, -size * 0.3, size, 0);
        path.cubicTo(size * 0.8, size * 0.3, size * 0.3, size * 0.35, 0, 0);
        QLinearGradient g(0, -size * 0.3, 0, size * 0.3);
        g.setColorAt(0, col.lighter(130));
        g.setColorAt(1, col.darker(140));
        p.setBrush(g);
        p.drawPath(path);
        p.setPen(QPen(col.darker(170), 1.5));
        p.drawLine(QPointF(2, 0), QPointF(size * 0.9, 0));
        p.restore();
    };
    leaf(QPointF(712, 628), -40, 60, QColor(70, 130, 70));
    leaf(QPointF(712, 628), 20, 52, QColor(60, 118, 64));
    leaf(QPointF(60, 660), -140, 56, QColor(70, 130, 70));
    leaf(QPointF(60, 660), 160, 48, QColor(58, 110, 60));
    leaf(QPointF(760, 690), 40, 44, QColor(64, 120, 66));
    p.restore();
}

void drawWing(QPainter& p, QPointF shoulder, bool left, bool raised)
{
    p.save();
    p.translate(shoulder);
    qreal const side = left ? -1 : 1;
    p.rotate(-side * (raised ? 128 : 14));
    // The wing hangs down from the shoulder in its own frame.
    QPainterPath wing;
    wing.moveTo(0, 0);
    wing.cubicTo(side * 58, 20, side * 58, 120, side * 14, 178);
    wing.cubicTo(side * -4, 130, side * -18, 60, 0, 0);
    QLinearGradient g(0, 0, 0, 180);
    g.setColorAt(0, QColor(140, 92, 52));
    g.setColorAt(1, QColor(92, 56, 28));
    p.setPen(QPen(QColor(60, 36, 18), 3));
    p.setBrush(g);
    p.drawPath(wing);
    // Bars across the feathers.
    p.setPen(QPen(QColor(62, 38, 20, 200), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        qreal const y = 50 + i * 30;
        p.drawLine(QPointF(side * 6, y), QPointF(side * 40, y + 8));
    }
    p.restore();
}

void drawEye(QPainter& p, QPointF c, Eyes eyes, bool beat)
{
    qreal const rx = 60, ry = 68;
    if (eyes == Eyes::Closed) {
        // Resting eyes: a soft lid line with three lashes.
        p.setPen(QPen(QColor(40, 22, 10), 9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath lid;
        lid.moveTo(c.x() - 44, c.y() + 4);
        lid.quadTo(c.x(), c.y() + 42, c.x() + 44, c.y() + 4);
        p.drawPath(lid);
        p.setPen(QPen(QColor(40, 22, 10), 6, Qt::SolidLine, Qt::RoundCap));
        for (int i = -1; i <= 1; ++i) {
            QPointF const base(c.x() + i * 24, c.y() + 20 + (i == 0 ? 4 : 0));
            p.drawLine(base, base + QPointF(i * 8, 18));
        }
        return;
    }
    // The white of the eye with a dark rim.
    QRadialGradient white(c + QPointF(-12, -16), rx * 1.3);
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(1, QColor(222, 226, 232));
    p.setPen(QPen(QColor(48, 26, 12), 6));
    p.setBrush(white);
    p.drawEllipse(c, rx, ry);

    qreal dx = 0, dy = 6;
    if (eyes == Eyes::Left)
        dx = -24;
    else if (eyes == Eyes::Right)
        dx = 24;
    else
        dy = 0;
    QPointF const iris = c + QPointF(dx, dy);
    qreal const ir = beat ? 38 : 34;
    QRadialGradient irisFill(iris, ir);
    irisFill.setColorAt(0, QColor(18, 10, 4));
    irisFill.setColorAt(0.55, QColor(40, 24, 10));
    irisFill.setColorAt(1, QColor(92, 58, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(irisFill);
    p.drawEllipse(iris, ir, ir);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawEllipse(iris + QPointF(-11, -13), 10, 10);
    p.drawEllipse(iris + QPointF(10, 11), 4.5, 4.5);
    if (beat) {
        // A bright glint for the first beat.
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(iris + QPointF(12, -14), 5, 5);
    }
}

void drawBeak(QPainter& p, bool open)
{
    QLinearGradient g(0, 470, 0, 540);
    g.setColorAt(0, QColor(250, 178, 70));
    g.setColorAt(1, QColor(204, 110, 30));
    p.setPen(QPen(QColor(120, 60, 16), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (!open) {
        QPainterPath beak;
        beak.moveTo(358, 476);
        beak.quadTo(384, 466, 410, 476);
        beak.quadTo(396, 500, 384, 522);
        beak.quadTo(372, 500, 358, 476);
        p.setBrush(g);
        p.drawPath(beak);
        return;
    }
    // Open, singing.
    p.setBrush(QColor(90, 24, 18));
    p.drawEllipse(QPointF(384, 505), 22, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 110, 120));
    p.drawEllipse(QPointF(384, 520), 12, 8);
    p.setPen(QPen(QColor(120, 60, 16), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath upper;
    upper.moveTo(354, 472);
    upper.quadTo(384, 460, 414, 472);
    upper.quadTo(398, 488, 384, 498);
    upper.quadTo(370, 488, 354, 472);
    p.setBrush(g);
    p.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(364, 522);
    lower.quadTo(384, 530, 404, 522);
    lower.quadTo(394, 536, 384, 546);
    lower.quadTo(374, 536, 364, 522);
    p.drawPath(lower);
}

void drawNote(QPainter& p, QPointF head, qreal size, QColor col)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.translate(head);
    p.save();
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), size * 0.42, size * 0.3);
    p.restore();
    p.setPen(QPen(col, size * 0.1, Qt::SolidLine, Qt::FlatCap));
    qreal const stemX = size * 0.36;
    p.drawLine(QPointF(stemX, -size * 0.08), QPointF(stemX, -size * 1.35));
    QPainterPath flag;
    flag.moveTo(stemX, -size * 1.35);
    flag.cubicTo(stemX + size * 0.15, -size * 1.0, stemX + size * 0.6, -size * 0.95, stemX + size * 0.4, -size * 0.55);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
    p.restore();
}

void drawSoundMarks(QPainter& p, bool beat)
{
    // Arcs on both sides of the head; larger and brighter on the first beat.
    QColor col = amber();
    int const rings = beat ? 4 : 3;
    qreal const step = beat ? 26 : 22;
    for (int side = -1; side <= 1; side += 2) {
        QPointF const c(384 + side * 236, 440);
        for (int i = 0; i < rings; ++i) {
            col.setAlpha(230 - i * 45);
            p.setPen(QPen(col, beat ? 9 : 7, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            qreal const r = 18 + i * step;
            QRectF const box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            // Angles in Qt are counter-clockwise from three o'clock, in 1/16 degree.
            int const start = side > 0 ? -38 : 142;
            p.drawArc(box, start * 16, 76 * 16);
        }
    }
    if (beat) {
        drawNote(p, QPointF(150, 300), 70, QColor(255, 206, 96));
        drawNote(p, QPointF(628, 262), 58, QColor(255, 226, 150));
        drawNote(p, QPointF(690, 360), 40, QColor(255, 190, 80, 200));
    }
}

void drawMutedBadge(QPainter& p)
{
    QPointF const c(170, 300);
    qreal const r = 46;
    QRadialGradient g(c + QPointF(-10, -14), r * 1.4);
    g.setColorAt(0, QColor(60, 70, 62, 240));
    g.setColorAt(1, QColor(16, 22, 18, 240));
    p.setBrush(g);
    p.setPen(QPen(muted(), 4));
    p.drawEllipse(c, r, r);
    // A small loudspeaker.
    p.setPen(Qt::NoPen);
    p.setBrush(glyph());
    QPainterPath speaker;
    speaker.moveTo(c.x() - 24, c.y() - 10);
    speaker.lineTo(c.x() - 12, c.y() - 10);
    speaker.lineTo(c.x() + 4, c.y() - 24);
    speaker.lineTo(c.x() + 4, c.y() + 24);
    speaker.lineTo(c.x() - 12, c.y() + 10);
    speaker.lineTo(c.x() - 24, c.y() + 10);
    speaker.closeSubpath();
    p.drawPath(speaker);
    // Crossed out.
    p.setPen(QPen(muted(), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + 12, c.y() - 12), QPointF(c.x() + 30, c.y() + 12));
    p.drawLine(QPointF(c.x() + 30, c.y() - 12), QPointF(c.x() + 12, c.y() + 12));
}

void drawBird(QPainter& p, Pose const& pose)
{
    p.setPen(Qt::NoPen);
    // Shadow on the branch.
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QPointF(384, 700), 150, 14);

    // The tail, cocked up behind the body.
    QPainterPath tail;
    tail.moveTo(480, 420);
    tail.cubicTo(540, 360, 580, 290, 600, 236);
    tail.cubicTo(630, 236, 650, 250, 652, 268);
    tail.cubicTo(620, 340, 580, 420, 540, 500);
    tail.closeSubpath();
    QLinearGradient tailFill(480, 500, 640, 240);
    tailFill.setColorAt(0, QColor(110, 70, 36));
    tailFill.setColorAt(1, QColor(150, 100, 56));
    p.setPen(QPen(QColor(60, 36, 18), 3));
    p.setBrush(tailFill);
    p.drawPath(tail);
    p.setPen(QPen(QColor(62, 38, 20, 200), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        qreal const t = i / 5.0;
        QPointF const a(520 + t * 100, 440 - t * 180);
        p.drawLine(a, a + QPointF(30, 10));
    }

    // Wings lie behind the body when down and stand out when raised.
    QPointF const leftShoulder(218, 470), rightShoulder(550, 470);
    if (!pose.beat) {
        drawWing(p, leftShoulder, true, false);
        drawWing(p, rightShoulder, false, false);
    }

    // Feet gripping the branch.
    p.setPen(QPen(QColor(214, 130, 60), 7, Qt::SolidLine, Qt::RoundCap));
    for (qreal fx : {346.0, 422.0}) {
        p.drawLine(QPointF(fx, 668), QPointF(fx, 694));
        p.drawLine(QPointF(fx, 694), QPointF(fx - 16, 704));
        p.drawLine(QPointF(fx, 694), QPointF(fx + 16, 704));
        p.drawLine(QPointF(fx, 694), QPointF(fx, 708));
    }

    // The round body.
    QRadialGradient body(QPointF(320, 380), 300);
    body.setColorAt(0, QColor(196, 134, 80));
    body.setColorAt(0.55, QColor(148, 94, 50));
    body.setColorAt(1, QColor(84, 50, 24));
    p.setPen(QPen(QColor(58, 34, 16), 4));
    p.setBrush(body);
    p.drawEllipse(QPointF(384, 490), 200, 196);

    // Cream belly.
    QRadialGradient belly(QPointF(384, 580), 150);
    belly.setColorAt(0, QColor(246, 228, 196, 255));
    belly.setColorAt(0.7, QColor(228, 200, 156, 230));
    belly.setColorAt(1, QColor(200, 160, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(belly);
    p.drawEllipse(QPointF(384, 590), 150, 110);

    // Speckles on the crown.
    Random rnd(77u);
    p.setPen(QPen(QColor(96, 58, 28, 170), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        qreal const a = qDegreesToRadians(200 + rnd.next() * 140);
        qreal const d = 150 + rnd.next() * 30;
        QPointF const s(384 + d * qCos(a), 490 + d * qSin(a));
        p.drawLine(s, s + QPointF(10 * qSin(a), -10 * qCos(a)));
    }

    // A pale stripe over each eye, as wrens have.
    p.setPen(QPen(QColor(236, 214, 176, 200), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(236, 338, 150, 80), 30 * 16, 120 * 16);
    p.drawArc(QRectF(382, 338, 150, 80), 30 * 16, 120 * 16);

    if (pose.beat) {
        drawWing(p, leftShoulder, true, true);
        drawWing(p, rightShoulder, false, true);
    }

    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 130, 90));
    p.drawEllipse(QPointF(254, 508), 30, 18);
    p.drawEllipse(QPointF(514, 508), 30, 18);

    drawEye(p, QPointF(312, 428), pose.eyes, pose.beat);
    drawEye(p, QPointF(456, 428), pose.eyes, pose.beat);
    drawBeak(p, pose.beat && pose.audible);

    if (pose.audible)
        drawSoundMarks(p, pose.beat);
    else
        drawMutedBadge(p);
}

QImage renderScene(QImage const& background, Pose const& pose)
{
    QImage image = background;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    p.translate(kBirdPlace);
    p.scale(kBirdScale, kBirdScale);
    p.translate(-kBirdFeet);
    drawBird(p, pose);
    return image;
}

// Only the changing rectangle, transparent everywhere else.
QImage changingPart(QImage const& scene)
{
    QImage out = canvas(scene.width(), scene.height());
    QRect const r(kChanging.topLeft() * kScale, kChanging.size() * kScale);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(r.topLeft(), scene, r);
    return out;
}

void generateMetronomeScene(AssetGen::Context& context)
{
    QImage background(kWidth * kScale, kHeight * kScale, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&background);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        drawBackground(p);
    }
    context.savePicture("BaseEyesLeft.png", renderScene(background, {Eyes::Left, false, true}));

    struct Overlay
    {
        char const* name;
        Pose pose;
    };
    Overlay const overlays[] = {
        {"EyesRight.png", {Eyes::Right, false, true}},        {"Beat.png", {Eyes::Front, true, true}},
        {"MuteEyesLeft.png", {Eyes::Left, false, false}},     {"MuteEyesRight.png", {Eyes::Right, false, false}},
        {"MuteBeat.png", {Eyes::Front, true, false}},         {"EyesClosed.png", {Eyes::Closed, false, true}},
        {"EyesClosedMute.png", {Eyes::Closed, false, false}},
    };
    for (Overlay const& o : overlays)
        context.savePicture(o.name, changingPart(renderScene(background, o.pose)));
}

} // namespace

TW_ASSET_GENERATOR(generateMetronomeScene)
