// Pictures of the shared small widgets:
//   pix/search.png           the search filter's glass,
//   pix/vrlogo.png           the virtual-resolution dialog's banner: a large
//                            layout shrunk onto a small screen,
//   pix/community_*.png      the community button's five network entries, each
//                            a neutral glyph of ours on a coloured tile:
//                            circles (linked rings), screen (a play mark),
//                            chirp (a bird's song), career (a briefcase),
//                            world (a globe).
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using AssetGen::canvas;

namespace {

QImage drawSearchGlass()
{
    int const size = 64;
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF const centre(26, 26);
    qreal const radius = 16;

    // The handle, below the rim, with a soft shadow.
    p.setPen(QPen(QColor(0, 0, 0, 60), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 41), QPointF(55, 56));
    QLinearGradient grip(QPointF(38, 44), QPointF(44, 38));
    grip.setColorAt(0, QColor(0x3a, 0x40, 0x4a));
    grip.setColorAt(1, QColor(0x7c, 0x86, 0x94));
    p.setPen(QPen(QBrush(grip), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 38), QPointF(53, 53));

    // The lens: pale blue glass with a highlight.
    QRadialGradient glass(centre + QPointF(-5, -6), radius * 1.3);
    glass.setColorAt(0, QColor(255, 255, 255, 230));
    glass.setColorAt(0.5, QColor(0xd8, 0xe8, 0xf6, 170));
    glass.setColorAt(1, QColor(0x9c, 0xbc, 0xdc, 150));
    p.setBrush(glass);
    QLinearGradient rim(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    rim.setColorAt(0, QColor(0xb8, 0xc2, 0xce));
    rim.setColorAt(1, QColor(0x4a, 0x54, 0x62));
    p.setPen(QPen(QBrush(rim), 5));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), 100 * 16, 70 * 16);
    return image;
}

QImage drawResolutionLogo()
{
    int const width = 360;
    int const height = 96;
    QImage image = canvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Backdrop: a deep blue band with rounded ends.
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, QColor(0x2c, 0x4e, 0x7e));
    band.setColorAt(1, QColor(0x14, 0x26, 0x44));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 14, 14);

    // A large display on the left ...
    auto drawScreen = [&p](QRectF const& screen, qreal stand) {
        p.setPen(QPen(QColor(0xe6, 0xee, 0xf8), 3));
        p.setBrush(QColor(0x0c, 0x18, 0x2c));
        p.drawRoundedRect(screen, 4, 4);
        p.setPen(QPen(QColor(0xe6, 0xee, 0xf8), 3, Qt::SolidLine, Qt::RoundCap));
        QPointF const foot(screen.center().x(), screen.bottom() + stand);
        p.drawLine(QPointF(foot.x(), screen.bottom()), foot);
        p.drawLine(foot - QPointF(stand * 1.4, 0), foot + QPointF(stand * 1.4, 0));
    };
    // ... with a layout of windows on it,
    auto drawLayout = [&p](QRectF const& area) {
        qreal const u = area.width() / 12;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5d, 0xa9, 0xe9));
        p.drawRect(QRectF(area.left(), area.top(), area.width(), u));
        p.setBrush(QColor(0x8f, 0xd1, 0x7a));
        p.drawRect(QRectF(area.left(), area.top() + 1.5 * u, 4 * u, area.height() - 1.5 * u));
        p.setBrush(QColor(0xf2, 0xc1, 0x4e));
        p.drawRect(
            QRectF(area.left() + 4.8 * u, area.top() + 1.5 * u, 7.2 * u, (area.height() - 1.5 * u) / 2 - 0.4 * u));
        p.setBrush(QColor(0xe8, 0x7a, 0x6a));
        p.drawRect(QRectF(area.left() + 4.8 * u, area.top() + 1.5 * u + (area.height() - 1.5 * u) / 2 + 0.4 * u,
                          7.2 * u, (area.height() - 1.5 * u) / 2 - 0.4 * u));
    };
    QRectF const large(40, 12, 104, 62);
    drawScreen(large, 8);
    drawLayout(large.adjusted(8, 8, -8, -8));

    // ... shrunk by the arrow onto a small one, the same layout at a smaller scale.
    p.setPen(QPen(QColor(0xff, 0xd8, 0x6a), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(166, 44), QPointF(216, 44));
    QPainterPath head;
    head.moveTo(208, 34);
    head.lineTo(220, 44);
    head.lineTo(208, 54);
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    QRectF const small(244, 26, 60, 36);
    drawScreen(small, 6);
    drawLayout(small.adjusted(5, 5, -5, -5));

    return image;
}

enum class Network { Circles, Screen, Chirp, Career, World };

QImage drawCommunityTile(Network network, QColor const& colour)
{
    int const size = 64;
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const tile(3, 3, 58, 58);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(160), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(tile, 13, 13);
    // A soft sheen over the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(6, 6, 52, 24), 10, 10);

    QPointF const c(32, 33);
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (network) {
    case Network::Circles:
        p.drawEllipse(c + QPointF(-8, -5), 9, 9);
        p.drawEllipse(c + QPointF(8, -5), 9, 9);
        p.drawEllipse(c + QPointF(0, 8), 9, 9);
        break;
    case Network::Screen: {
        p.drawRoundedRect(QRectF(c.x() - 18, c.y() - 13, 36, 26), 7, 7);
        QPainterPath play;
        play.moveTo(c.x() - 5, c.y() - 7);
        play.lineTo(c.x() + 8, c.y());
        play.lineTo(c.x() - 5, c.y() + 7);
        play.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(play);
        break;
    }
    case Network::Chirp: {
        // A small bird and its song.
        QPainterPath bird;
        bird.moveTo(c.x() - 18, c.y() + 2);
        bird.cubicTo(c.x() - 12, c.y() + 14, c.x() + 6, c.y() + 12, c.x() + 8, c.y() - 4);
        bird.lineTo(c.x() + 14, c.y() - 8);
        bird.lineTo(c.x() + 6, c.y() - 9);
        bird.cubicTo(c.x() - 2, c.y() - 14, c.x() - 8, c.y() - 4, c.x() - 4, c.y() + 2);
        bird.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(bird);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() + 8, c.y() - 22, 12, 12), 0, 90 * 16);
        p.drawArc(QRectF(c.x() + 6, c.y() - 28, 20, 20), 0, 90 * 16);
        break;
    }
    case Network::Career:
        p.drawRoundedRect(QRectF(c.x() - 18, c.y() - 8, 36, 24), 4, 4);
        p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 15, 14, 7), 2, 2);
        p.drawLine(QPointF(c.x() - 18, c.y() + 2), QPointF(c.x() + 18, c.y() + 2));
        break;
    case Network::World:
        p.drawEllipse(c, 18, 18);
        p.drawEllipse(c, 8, 18);
        p.drawLine(QPointF(c.x() - 18, c.y()), QPointF(c.x() + 18, c.y()));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(c.x() - 15, c.y() - 9), QPointF(c.x() + 15, c.y() - 9));
        p.drawLine(QPointF(c.x() - 15, c.y() + 9), QPointF(c.x() + 15, c.y() + 9));
        break;
    }
    return image;
}

void generateWidgetArt(AssetGen::Context& context)
{
    context.savePicture(QStringLiteral("pix/search.png"), drawSearchGlass());
    context.savePicture(QStringLiteral("pix/vrlogo.png"), drawResolutionLogo());
    struct Tile
    {
        Network network;
        char const* file;
        QColor colour;
    };
    Tile const tiles[] = {{Network::Circles, "pix/community_circles.png", QColor(0x3b, 0x62, 0xa8)},
                          {Network::Screen, "pix/community_screen.png", QColor(0xc8, 0x3a, 0x34)},
                          {Network::Chirp, "pix/community_chirp.png", QColor(0x2b, 0x9a, 0xd8)},
                          {Network::Career, "pix/community_career.png", QColor(0x1f, 0x7a, 0x6c)},
                          {Network::World, "pix/community_world.png", QColor(0xe0, 0x8a, 0x1e)}};
    for (Tile const& t : tiles)
        context.savePicture(QLatin1String(t.file), drawCommunityTile(t.network, t.colour));
}

} // namespace

TW_ASSET_GENERATOR(generateWidgetArt)
