// Pictures of the frame around the metronome: the promotion bar and its
// buttons (but share and join, which come with the share panels), the settings
// dialog's save and load buttons, tab arrows, backgrounds and the logo. Drawn at twice their widget size, in the
// metronome's colours.
#include "AssetGenerator.h"
#include "MetronomeArt.h"

#include <QLinearGradient>
#include <QRadialGradient>

using AssetGen::canvas;
using AssetGen::font;
using AssetGen::Random;
using namespace MetronomeArt;

namespace {

using IconPainter = void (*)(QPainter&, QColor const&);

// A 64 x 64 round bar button.
QImage drawBarButton(IconPainter const& icon, bool hover)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlassPanel(p, QRectF(2, 2, 60, 60), 14, AllCorners, hover);
    icon(p, hover ? glyphHover() : glyph());
    return image;
}

void iconIntro(QPainter& p, QColor const& ink)
{
    // A question mark.
    p.setFont(font(40, true));
    p.setPen(ink);
    p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, "?");
}

void iconMore(QPainter& p, QColor const& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(32 + i * 13, 32), 5, 5);
}

void iconRate(QPainter& p, QColor const& ink)
{
    QPainterPath const star = starPath(QPointF(32, 33), 21, 9);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 196, 80));
    p.drawPath(star);
}

void iconMoreApps(QPainter& p, QColor const& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            p.drawRoundedRect(QRectF(16 + x * 12, 16 + y * 12, 8, 8), 2, 2);
}

void iconAppMenu(QPainter& p, QColor const& ink)
{
    p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(18, 32 + i * 11), QPointF(46, 32 + i * 11));
}

// A tray with an arrow into it (save) or out of it (load): the settings
// dialog's buttons that write and read the settings file.
void iconStorage(QPainter& p, QColor const& ink, bool save)
{
    QPen pen(ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath tray;
    tray.moveTo(14, 36);
    tray.lineTo(14, 48);
    tray.lineTo(50, 48);
    tray.lineTo(50, 36);
    p.drawPath(tray);
    qreal const tip = save ? 40 : 12;
    qreal const tail = save ? 12 : 40;
    qreal const wing = save ? -9 : 9;
    p.drawLine(QPointF(32, tail), QPointF(32, tip));
    QPainterPath head;
    head.moveTo(23, tip + wing);
    head.lineTo(32, tip);
    head.lineTo(41, tip + wing);
    p.drawPath(head);
}

void iconSaveSettings(QPainter& p, QColor const& ink)
{
    iconStorage(p, ink, true);
}

void iconLoadSettings(QPainter& p, QColor const& ink)
{
    iconStorage(p, ink, false);
}

QImage drawArrow(bool right)
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath chevron;
    qreal const s = right ? 1 : -1;
    chevron.moveTo(16 - s * 5, 7);
    chevron.lineTo(16 + s * 6, 16);
    chevron.lineTo(16 - s * 5, 25);
    p.setPen(QPen(glyph(), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
    return image;
}

QImage drawBarBackground()
{
    QImage image(1080, 90, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, QColor(40, 62, 46));
    g.setColorAt(0.5, QColor(20, 34, 24));
    g.setColorAt(1, QColor(8, 14, 10));
    p.fillRect(image.rect(), g);
    p.fillRect(QRect(0, 0, 1080, 2), QColor(255, 255, 255, 40));
    p.fillRect(QRect(0, 86, 1080, 4), rim().darker(160));
    return image;
}

QImage drawBackground(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(24, 44, 34));
    g.setColorAt(1, QColor(8, 16, 12));
    p.fillRect(image.rect(), g);
    Random rnd(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        QPointF const c(rnd.next() * w, rnd.next() * h);
        qreal const r = 6 + rnd.next() * 26;
        QRadialGradient spot(c, r);
        spot.setColorAt(0, QColor(140, 200, 160, int(10 + rnd.next() * 20)));
        spot.setColorAt(1, QColor(140, 200, 160, 0));
        p.setBrush(spot);
        p.drawEllipse(c, r, r);
    }
    return image;
}

// The logo: the wren's face on a round tile.
QImage drawLogo()
{
    QImage image = canvas(256, 256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient tile(QPointF(110, 90), 180);
    tile.setColorAt(0, QColor(40, 90, 70));
    tile.setColorAt(1, QColor(10, 30, 22));
    p.setPen(QPen(rim(), 6));
    p.setBrush(tile);
    p.drawEllipse(QPointF(128, 128), 120, 120);
    QRadialGradient body(QPointF(110, 100), 120);
    body.setColorAt(0, QColor(196, 134, 80));
    body.setColorAt(1, QColor(100, 60, 30));
    p.setPen(QPen(QColor(58, 34, 16), 3));
    p.setBrush(body);
    p.drawEllipse(QPointF(128, 140), 84, 80);
    for (int side = -1; side <= 1; side += 2) {
        QPointF const eye(128 + side * 30, 124);
        p.setPen(QPen(QColor(48, 26, 12), 3));
        p.setBrush(Qt::white);
        p.drawEllipse(eye, 24, 27);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 18, 8));
        p.drawEllipse(eye + QPointF(-8, 3), 13, 13);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-12, -2), 4, 4);
    }
    QPainterPath beak;
    beak.moveTo(118, 150);
    beak.lineTo(138, 150);
    beak.lineTo(128, 168);
    beak.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 160, 60));
    p.drawPath(beak);
    return image;
}

void generateMetronomeFrame(AssetGen::Context& context)
{
    struct BarButton
    {
        char const* stem;
        IconPainter icon;
    };
    BarButton const barButtons[] = {
        {"Help", iconIntro},
        {"More", iconMore},
        {"RateButton", iconRate},
        {"MoreAppsButton", iconMoreApps},
        {"AppButton", iconAppMenu},
        {"StorageBrowserSS", iconSaveSettings},
        {"StorageBrowserLS", iconLoadSettings},
    };
    for (BarButton const& b : barButtons)
        for (bool hover : {false, true})
            context.savePicture(QString(b.stem) + (hover ? "_hover.png" : ".png"), drawBarButton(b.icon, hover));

    context.savePicture("arrowleft.png", drawArrow(false));
    context.savePicture("arrowright.png", drawArrow(true));
    context.savePicture("backgroundbar.png", drawBarBackground());
    context.savePicture("background.png", drawBackground(512, 512, 11u));
    context.savePicture("panelbackground.png", drawBackground(400, 300, 23u));
    context.savePicture("app.png", drawLogo());
}

} // namespace

TW_ASSET_GENERATOR(generateMetronomeFrame)
