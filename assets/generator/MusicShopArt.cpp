// Pictures of the music pages' menus: the shop entries of the More menu (must
// have, nice to have, read, hear, see, encyclopedia) and the transposer's
// favorites menu (new, save, delete). Filled shapes with a dark outline, so
// that they read on light and on dark menus alike.
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

using AssetGen::canvas;

namespace {

constexpr int kSide = 64;

using Painter = void (*)(QPainter&);

QColor outline()
{
    return QColor(38, 42, 52);
}

QPen outlinePen(qreal width = 2.5)
{
    return QPen(outline(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient fill(QRectF const& box, QColor const& colour)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    return g;
}

QImage drawPicture(Painter painter)
{
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    painter(p);
    return image;
}

// A rosette with two ribbon tails and a check mark: the essentials.
void paintMustHave(QPainter& p)
{
    QColor const ribbon(200, 60, 60);
    p.setPen(outlinePen(2));
    p.setBrush(ribbon);
    p.drawPolygon(QPolygonF({QPointF(20, 36), QPointF(12, 60), QPointF(20, 55), QPointF(25, 61), QPointF(30, 40)}));
    p.drawPolygon(QPolygonF({QPointF(44, 36), QPointF(52, 60), QPointF(44, 55), QPointF(39, 61), QPointF(34, 40)}));
    QPainterPath rosette;
    int const points = 16;
    for (int i = 0; i <= points * 2; ++i) {
        qreal const angle = M_PI * i / points;
        qreal const r = i % 2 ? 22 : 25;
        QPointF const pt(32 + r * qCos(angle), 26 + r * qSin(angle));
        if (i == 0)
            rosette.moveTo(pt);
        else
            rosette.lineTo(pt);
    }
    p.setBrush(fill(QRectF(7, 1, 50, 50), QColor(245, 180, 50)));
    p.drawPath(rosette);
    p.setBrush(QColor(255, 226, 140));
    p.drawEllipse(QPointF(32, 26), 15, 15);
    p.setPen(QPen(QColor(40, 130, 70), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(24, 26), QPointF(30, 33), QPointF(41, 19)}));
}

// A wrapped present with a bow.
void paintNiceToHave(QPainter& p)
{
    QRectF const box(10, 28, 44, 30);
    QRectF const lid(7, 20, 50, 11);
    p.setPen(outlinePen());
    p.setBrush(fill(box, QColor(60, 140, 200)));
    p.drawRoundedRect(box, 3, 3);
    p.setBrush(fill(lid, QColor(80, 160, 220)));
    p.drawRoundedRect(lid, 3, 3);
    QColor const band(250, 200, 70);
    p.setBrush(band);
    p.drawRect(QRectF(28, 20, 8, 38));
    // The bow: two loops above the lid.
    QPainterPath bow;
    bow.moveTo(32, 20);
    bow.cubicTo(14, 2, 10, 20, 32, 20);
    bow.moveTo(32, 20);
    bow.cubicTo(50, 2, 54, 20, 32, 20);
    p.drawPath(bow);
    p.drawEllipse(QPointF(32, 19), 3.5, 3.5);
}

// An open book with lines of text.
void paintRead(QPainter& p)
{
    QColor const cover(120, 70, 160);
    QPainterPath back;
    back.addRoundedRect(QRectF(5, 16, 54, 38), 4, 4);
    p.setPen(outlinePen());
    p.setBrush(fill(QRectF(5, 16, 54, 38), cover));
    p.drawPath(back);
    QPainterPath left;
    left.moveTo(32, 18);
    left.quadTo(21, 10, 9, 14);
    left.lineTo(9, 48);
    left.quadTo(21, 44, 32, 52);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(32, 18);
    right.quadTo(43, 10, 55, 14);
    right.lineTo(55, 48);
    right.quadTo(43, 44, 32, 52);
    right.closeSubpath();
    p.setBrush(QColor(252, 248, 236));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(150, 150, 160), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        qreal const y = 22 + i * 6.5;
        p.drawLine(QPointF(14, y), QPointF(28, y + 2));
        p.drawLine(QPointF(36, y + 2), QPointF(50, y));
    }
}

// Headphones.
void paintHear(QPainter& p)
{
    p.setPen(QPen(outline(), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 8, 44, 44), 10 * 16, 160 * 16);
    p.setPen(QPen(QColor(90, 100, 120), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, 8, 44, 44), 10 * 16, 160 * 16);
    p.setPen(outlinePen());
    for (qreal x : {7.0, 43.0}) {
        QRectF const cup(x, 30, 14, 26);
        p.setBrush(fill(cup, QColor(230, 90, 60)));
        p.drawRoundedRect(cup, 6, 6);
    }
    // Sound marks between the cups.
    p.setPen(QPen(QColor(230, 90, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(24, 34, 16, 16), -50 * 16, 100 * 16);
    p.drawArc(QRectF(24, 34, 16, 16), 130 * 16, 100 * 16);
}

// An eye.
void paintSee(QPainter& p)
{
    QPainterPath eye;
    eye.moveTo(4, 32);
    eye.quadTo(32, 6, 60, 32);
    eye.quadTo(32, 58, 4, 32);
    p.setPen(outlinePen(3));
    p.setBrush(QColor(252, 250, 244));
    p.drawPath(eye);
    QRadialGradient iris(QPointF(30, 29), 13);
    iris.setColorAt(0, QColor(110, 190, 120));
    iris.setColorAt(1, QColor(30, 110, 70));
    p.setClipPath(eye);
    p.setBrush(iris);
    p.drawEllipse(QPointF(32, 32), 13, 13);
    p.setBrush(outline());
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(32, 32), 5.5, 5.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(28, 28), 3, 3);
    p.setClipping(false);
}

// Three volumes of a reference work on a shelf, one leaning.
void paintWikipedia(QPainter& p)
{
    QColor const colours[] = {QColor(180, 60, 50), QColor(50, 110, 170), QColor(60, 140, 80)};
    p.setPen(outlinePen());
    for (int i = 0; i < 2; ++i) {
        QRectF const spine(8 + i * 14, 10, 12, 46);
        p.setBrush(fill(spine, colours[i]));
        p.drawRoundedRect(spine, 2, 2);
        p.setBrush(QColor(245, 200, 80));
        p.drawRect(QRectF(spine.left() + 2, 16, 8, 5));
        p.drawRect(QRectF(spine.left() + 2, 44, 8, 4));
    }
    p.save();
    p.translate(48, 56);
    p.rotate(18);
    QRectF const leaning(-12, -46, 12, 46);
    p.setBrush(fill(leaning, colours[2]));
    p.drawRoundedRect(leaning, 2, 2);
    p.setBrush(QColor(245, 200, 80));
    p.drawRect(QRectF(-10, -40, 8, 5));
    p.restore();
    p.setPen(outlinePen(3));
    p.drawLine(QPointF(4, 57), QPointF(60, 57));
}

// A sheet with a folded corner.
QPainterPath sheet()
{
    QPainterPath page;
    page.moveTo(12, 6);
    page.lineTo(40, 6);
    page.lineTo(52, 18);
    page.lineTo(52, 58);
    page.lineTo(12, 58);
    page.closeSubpath();
    return page;
}

void paintNew(QPainter& p)
{
    p.setPen(outlinePen());
    p.setBrush(QColor(252, 250, 244));
    p.drawPath(sheet());
    p.setBrush(QColor(220, 220, 212));
    p.drawPolygon(QPolygonF({QPointF(40, 6), QPointF(40, 18), QPointF(52, 18)}));
    // A green plus in the lower corner.
    p.setBrush(QColor(60, 160, 80));
    p.drawEllipse(QPointF(44, 46), 13, 13);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 39), QPointF(44, 53));
    p.drawLine(QPointF(37, 46), QPointF(51, 46));
}

// An arrow down into a tray.
void paintSave(QPainter& p)
{
    QPainterPath tray;
    tray.moveTo(6, 36);
    tray.lineTo(6, 56);
    tray.lineTo(58, 56);
    tray.lineTo(58, 36);
    tray.lineTo(46, 36);
    tray.lineTo(42, 44);
    tray.lineTo(22, 44);
    tray.lineTo(18, 36);
    tray.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(fill(QRectF(6, 36, 52, 20), QColor(90, 110, 140)));
    p.drawPath(tray);
    QPainterPath arrow;
    arrow.moveTo(26, 4);
    arrow.lineTo(38, 4);
    arrow.lineTo(38, 22);
    arrow.lineTo(47, 22);
    arrow.lineTo(32, 38);
    arrow.lineTo(17, 22);
    arrow.lineTo(26, 22);
    arrow.closeSubpath();
    p.setBrush(fill(QRectF(17, 4, 30, 34), QColor(60, 150, 220)));
    p.drawPath(arrow);
}

// A waste bin.
void paintDelete(QPainter& p)
{
    QColor const red(210, 70, 60);
    QPainterPath bin;
    bin.moveTo(14, 18);
    bin.lineTo(50, 18);
    bin.lineTo(46, 58);
    bin.lineTo(18, 58);
    bin.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(fill(QRectF(14, 18, 36, 40), red));
    p.drawPath(bin);
    p.setBrush(fill(QRectF(9, 11, 46, 7), red.lighter(110)));
    p.drawRoundedRect(QRectF(9, 11, 46, 7), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(25, 5, 14, 7), 2, 2);
    p.setPen(QPen(red.darker(160), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {24.0, 32.0, 40.0})
        p.drawLine(QPointF(x, 25), QPointF(x + (x - 32) * 0.1, 51));
}

void generateMusicShopArt(AssetGen::Context& context)
{
    struct Picture
    {
        char const* name;
        Painter painter;
    };
    Picture const pictures[] = {
        {"musthave.png", paintMustHave}, {"nicetohave.png", paintNiceToHave},
        {"read.png", paintRead},         {"ohr.png", paintHear},
        {"eye.png", paintSee},           {"wikipedia.png", paintWikipedia},
        {"new.png", paintNew},           {"save.png", paintSave},
        {"delete.png", paintDelete},
    };
    for (Picture const& picture : pictures)
        context.savePicture(QString::fromLatin1(picture.name), drawPicture(picture.painter));
}

} // namespace

TW_ASSET_GENERATOR(generateMusicShopArt)
