// Pictures of the promotion menus: the icons of the maker's other applications
// in the main page's More menu (":/<internal name>64x64.png") and the entries of
// the application menu (rate, more apps, contact, support page, the program).
// The bar's own buttons and the share and join pictures are drawn elsewhere.
#include "AppIcon.h"
#include "AssetGenerator.h"
#include "MetronomeArt.h"

#include "ZEDireroz/promotion/PromotedApps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using AssetGen::canvas;
using AssetGen::font;
using namespace MetronomeArt;

namespace {

using GlyphPainter = void (*)(QPainter&, QColor const&);

QPen inkPen(QColor const& ink, qreal width)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---------------------------------------------------------------- product glyphs (64 x 64)

void glyphTuningFork(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath fork;
    fork.moveTo(24, 12);
    fork.lineTo(24, 32);
    fork.quadTo(24, 40, 32, 40);
    fork.quadTo(40, 40, 40, 32);
    fork.lineTo(40, 12);
    p.drawPath(fork);
    p.drawLine(QPointF(32, 40), QPointF(32, 54));
    // Sound waves beside the prongs.
    p.setPen(inkPen(ink, 2.5));
    p.drawArc(QRectF(6, 14, 12, 20), 100 * 16, 160 * 16);
    p.drawArc(QRectF(46, 14, 12, 20), -80 * 16, 160 * 16);
}

void glyphChordGrid(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 2.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(20 + i * 8, 14), QPointF(20 + i * 8, 50));
    for (int j = 0; j < 5; ++j)
        p.drawLine(QPointF(20, 14 + j * 9), QPointF(44, 14 + j * 9));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(28, 27.5), 3.5, 3.5);
    p.drawEllipse(QPointF(36, 36.5), 3.5, 3.5);
    p.drawEllipse(QPointF(20, 36.5), 3.5, 3.5);
}

void glyphStaffNote(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 2));
    for (int j = 0; j < 5; ++j)
        p.drawLine(QPointF(10, 18 + j * 7), QPointF(54, 18 + j * 7));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.save();
    p.translate(30, 42);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 6.5, 4.5);
    p.restore();
    p.setPen(inkPen(ink, 3));
    p.drawLine(QPointF(36, 41), QPointF(36, 12));
    p.drawLine(QPointF(36, 12), QPointF(44, 18));
}

void glyphDrum(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(14, 26, 36, 12));
    p.drawLine(QPointF(14, 32), QPointF(14, 48));
    p.drawLine(QPointF(50, 32), QPointF(50, 48));
    p.drawArc(QRectF(14, 42, 36, 12), 180 * 16, 180 * 16);
    // Zigzag cord and the two sticks.
    p.setPen(inkPen(ink, 2));
    p.drawPolyline(QPolygonF(
        {QPointF(18, 40), QPointF(24, 50), QPointF(30, 41), QPointF(36, 51), QPointF(42, 41), QPointF(47, 49)}));
    p.setPen(inkPen(ink, 3.5));
    p.drawLine(QPointF(20, 10), QPointF(30, 28));
    p.drawLine(QPointF(46, 10), QPointF(36, 28));
}

void glyphSteps(QPainter& p, QColor const& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 5; ++i) {
        qreal const h = 8 + i * 8;
        p.drawRoundedRect(QRectF(11 + i * 9, 52 - h, 6, h), 2, 2);
    }
}

void glyphBook(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath left;
    left.moveTo(32, 18);
    left.quadTo(22, 12, 10, 16);
    left.lineTo(10, 48);
    left.quadTo(22, 44, 32, 50);
    QPainterPath right;
    right.moveTo(32, 18);
    right.quadTo(42, 12, 54, 16);
    right.lineTo(54, 48);
    right.quadTo(42, 44, 32, 50);
    p.drawPath(left);
    p.drawPath(right);
    p.drawLine(QPointF(32, 18), QPointF(32, 50));
    // A small note on the right-hand page.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(41, 38), 4, 3);
    p.setPen(inkPen(ink, 2));
    p.drawLine(QPointF(44.5, 37), QPointF(44.5, 24));
}

void glyphMicrophone(QPainter& p, QColor const& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(25, 10, 14, 26), 7, 7);
    p.setPen(inkPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 18, 28, 26), 180 * 16, 180 * 16);
    p.drawLine(QPointF(32, 44), QPointF(32, 52));
    p.drawLine(QPointF(24, 53), QPointF(40, 53));
}

void glyphTablature(QPainter& p, QColor const& ink)
{
    p.setPen(inkPen(ink, 1.5));
    for (int j = 0; j < 6; ++j)
        p.drawLine(QPointF(8, 14 + j * 7), QPointF(56, 14 + j * 7));
    p.setFont(font(10, true));
    struct Digit
    {
        qreal x;
        int line;
        char const* text;
    };
    for (Digit const& d : {Digit{16, 1, "3"}, Digit{28, 3, "0"}, Digit{40, 2, "2"}, Digit{50, 4, "5"}}) {
        QRectF const box(d.x - 5, 14 + d.line * 7 - 6, 10, 12);
        p.setPen(ink);
        p.drawText(box, Qt::AlignCenter, QLatin1String(d.text));
    }
}

// A rounded tile in the product's colour with its glyph in white.
QImage drawProductIcon(QColor const& colour, GlyphPainter glyph)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, colour.lighter(135));
    tile.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(170), 1.5));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);
    // A soft shine across the upper half.
    QLinearGradient shine(0, 2, 0, 32);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(4, 4, 56, 28), 11, 11);
    glyph(p, QColor(255, 255, 255));
    return image;
}

// ---------------------------------------------------------------- application menu pictures (64 x 64)

QImage drawMenuPicture(GlyphPainter glyph)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    glyph(p, MetronomeArt::glyph());
    return image;
}

void menuStar(QPainter& p, QColor const& ink)
{
    QPainterPath const star = starPath(QPointF(32, 34), 27, 11);
    p.setPen(inkPen(ink, 3));
    p.setBrush(amber());
    p.drawPath(star);
}

void menuMoreApps(QPainter& p, QColor const& ink)
{
    // Four tiles, one of them standing out: more of the same maker.
    p.setPen(Qt::NoPen);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            p.setBrush(x == 1 && y == 0 ? amber() : ink);
            p.drawRoundedRect(QRectF(8 + x * 26, 8 + y * 26, 22, 22), 6, 6);
        }
    }
}

void menuFeedback(QPainter& p, QColor const& ink)
{
    // An envelope with a speech bubble over its corner.
    QRectF const env(6, 20, 44, 32);
    p.setPen(inkPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(env, 3, 3);
    p.drawPolyline(QPolygonF({env.topLeft(), QPointF(28, 38), env.topRight()}));
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(34, 6, 26, 18), 6, 6);
    QPainterPath tail;
    tail.moveTo(40, 22);
    tail.lineTo(38, 30);
    tail.lineTo(47, 22);
    p.setPen(inkPen(amber().darker(150), 1.5));
    p.setBrush(amber());
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(glassBottom());
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(41 + i * 6, 15), 2, 2);
}

void menuWebPage(QPainter& p, QColor const& ink)
{
    // A globe: circle, equator, two meridians and two parallels.
    QPointF const c(32, 32);
    p.setPen(inkPen(ink, 3));
    p.setBrush(QColor(60, 120, 80, 120));
    p.drawEllipse(c, 25, 25);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(ink, 2));
    p.drawEllipse(c, 11, 25);
    p.drawLine(QPointF(7, 32), QPointF(57, 32));
    p.drawLine(QPointF(32, 7), QPointF(32, 57));
    p.drawLine(QPointF(12, 19), QPointF(52, 19));
    p.drawLine(QPointF(12, 45), QPointF(52, 45));
}

void generatePromotionMenuArt(AssetGen::Context& context)
{
    static GlyphPainter const glyphs[] = {glyphTuningFork, glyphChordGrid, glyphStaffNote,  glyphDrum,
                                          glyphSteps,      glyphBook,      glyphMicrophone, glyphTablature};
    static QColor const colours[] = {QColor(214, 92, 60),  QColor(70, 130, 200), QColor(120, 90, 180),
                                     QColor(200, 150, 40), QColor(50, 160, 140), QColor(190, 70, 120),
                                     QColor(90, 150, 60),  QColor(80, 90, 110)};
    static_assert(sizeof glyphs / sizeof glyphs[0] == PromotedApps::kProductCount, "one glyph per product");
    for (int i = 0; i < PromotedApps::kProductCount; ++i) {
        QString const name = QLatin1String(PromotedApps::kProducts[i].internalName) + QStringLiteral("64x64.png");
        context.savePicture(name, drawProductIcon(colours[i], glyphs[i]));
    }

    context.savePicture(QStringLiteral("star.png"), drawMenuPicture(menuStar));
    context.savePicture(QStringLiteral("moreappsicon.png"), drawMenuPicture(menuMoreApps));
    context.savePicture(QStringLiteral("feedback.png"), drawMenuPicture(menuFeedback));
    context.savePicture(QStringLiteral("webpage.png"), drawMenuPicture(menuWebPage));
    context.savePicture(QStringLiteral("appicon.png"), drawAppIcon(64));
}

} // namespace

TW_ASSET_GENERATOR(generatePromotionMenuArt)
