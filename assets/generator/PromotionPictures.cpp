// Pictures of the share and join panels, the bar's share and join buttons, the
// maker's logo in the About box and the backdrop of the tutorial question.
//
// The panels' three social networks get neutral names of ours; the style sheet
// gives each panel button its picture by these file names:
//   network 1 "Circles":  social1share.png, social1join.png
//   network 2 "Chatter":  social2share.png, social2join.png
//   network 3 "Kinfolk":  social3share.png, social3join.png
//   e-mail:               emailshare.png,   emailjoin.png
// each with a "_hover" twin, and share.png, join.png (+ "_hover") for the bar.
#include "AssetGenerator.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using AssetGen::canvas;
using AssetGen::font;

namespace {

enum class Glyph { Circles, Chatter, Kinfolk, Mail };

void drawGlyph(QPainter& p, Glyph glyph, QPointF const& c, qreal s, QColor const& ink)
{
    p.save();
    p.setPen(QPen(ink, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Circles:
        // Three linked rings: friends in circles.
        p.drawEllipse(c + QPointF(-s * 0.2, -s * 0.12), s * 0.2, s * 0.2);
        p.drawEllipse(c + QPointF(s * 0.2, -s * 0.12), s * 0.2, s * 0.2);
        p.drawEllipse(c + QPointF(0, s * 0.2), s * 0.2, s * 0.2);
        break;
    case Glyph::Chatter: {
        // A speech bubble with three dots.
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(c.x() - s * 0.42, c.y() - s * 0.34, s * 0.84, s * 0.56), s * 0.16, s * 0.16);
        QPainterPath tail;
        tail.moveTo(c.x() - s * 0.18, c.y() + s * 0.2);
        tail.lineTo(c.x() - s * 0.3, c.y() + s * 0.42);
        tail.lineTo(c.x() - s * 0.02, c.y() + s * 0.2);
        p.drawPath(bubble.united(tail));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(QPointF(c.x() + i * s * 0.2, c.y() - s * 0.06), s * 0.06, s * 0.06);
        break;
    }
    case Glyph::Kinfolk:
        // Two people side by side.
        for (int i = 0; i < 2; ++i) {
            QPointF const h(c.x() + (i ? s * 0.18 : -s * 0.18), c.y() - s * 0.18);
            p.drawEllipse(h, s * 0.13, s * 0.13);
            p.drawArc(QRectF(h.x() - s * 0.22, h.y() + s * 0.2, s * 0.44, s * 0.5), 0, 180 * 16);
        }
        break;
    case Glyph::Mail: {
        QRectF const env(c.x() - s * 0.42, c.y() - s * 0.28, s * 0.84, s * 0.56);
        p.drawRoundedRect(env, s * 0.05, s * 0.05);
        QPainterPath flap;
        flap.moveTo(env.topLeft());
        flap.lineTo(env.center().x(), env.center().y() + s * 0.04);
        flap.lineTo(env.topRight());
        p.drawPath(flap);
        break;
    }
    }
    p.restore();
}

// Share: an arrow leaving a box. Join: a plus.
void drawActionMark(QPainter& p, bool join, QPointF const& c, qreal s, QColor const& ink)
{
    p.save();
    p.setPen(QPen(ink, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (join) {
        p.drawLine(c + QPointF(-s * 0.3, 0), c + QPointF(s * 0.3, 0));
        p.drawLine(c + QPointF(0, -s * 0.3), c + QPointF(0, s * 0.3));
    } else {
        p.drawLine(c + QPointF(-s * 0.25, s * 0.25), c + QPointF(s * 0.28, -s * 0.28));
        p.drawLine(c + QPointF(s * 0.28, -s * 0.28), c + QPointF(0, -s * 0.28));
        p.drawLine(c + QPointF(s * 0.28, -s * 0.28), c + QPointF(s * 0.28, 0));
    }
    p.restore();
}

QImage drawPanelButton(Glyph glyph, QString const& name, QColor const& colour, bool join, bool hover)
{
    // Twice the button's 190 x 35, so that it stays sharp on high-density screens.
    QImage image = canvas(380, 70);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const r(2, 2, 376, 66);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor const top = hover ? colour.lighter(135) : colour.lighter(110);
    g.setColorAt(0, top);
    g.setColorAt(1, colour.darker(hover ? 120 : 150));
    p.setPen(QPen(hover ? QColor(255, 255, 255) : QColor(220, 220, 220), 3));
    p.setBrush(g);
    p.drawRoundedRect(r, 14, 14);
    // Round well for the network's glyph.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(40, 35), 26, 26);
    drawGlyph(p, glyph, QPointF(40, 35), 44, Qt::white);
    p.setFont(font(30, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(80, 0, 240, 70), Qt::AlignVCenter | Qt::AlignLeft, name);
    drawActionMark(p, join, QPointF(345, 35), 40, Qt::white);
    return image;
}

QImage drawBarButton(bool join, bool hover)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(24, 20), 50);
    QColor const base = join ? QColor(60, 150, 90) : QColor(50, 120, 170);
    g.setColorAt(0, hover ? base.lighter(150) : base.lighter(120));
    g.setColorAt(1, hover ? base : base.darker(140));
    p.setPen(QPen(QColor(230, 230, 230), 2.5));
    p.setBrush(g);
    p.drawEllipse(QPointF(32, 32), 29, 29);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    if (join) {
        // A person with a plus: join us.
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(26, 24), 6, 6);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(14, 33, 24, 22), 0, 180 * 16);
        p.drawLine(QPointF(40, 30), QPointF(52, 30));
        p.drawLine(QPointF(46, 24), QPointF(46, 36));
    } else {
        // Three linked dots: pass it on.
        QPointF const a(20, 32), b(43, 19), c(43, 45);
        p.drawLine(a, b);
        p.drawLine(a, c);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (QPointF const& pt : {a, b, c})
            p.drawEllipse(pt, 7, 7);
    }
    return image;
}

// The maker's logo: a small wren on a branch and the maker's name, light on the
// About box's black panel.
QImage drawMakerLogo()
{
    QImage image = canvas(200, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 34), QPointF(40, 30));
    QPainterPath bird;
    bird.moveTo(10, 24);
    bird.cubicTo(10, 12, 26, 8, 32, 16);
    bird.lineTo(38, 14);
    bird.lineTo(33, 19);
    bird.cubicTo(34, 28, 22, 32, 14, 29);
    bird.lineTo(6, 18);
    bird.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 224));
    p.drawPath(bird);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(29, 16), 1.8, 1.8);
    p.setFont(font(22, true));
    p.setPen(QColor(0, 160, 224));
    p.drawText(QRectF(46, 0, 154, 40), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("OLVENAR"));
    return image;
}

// Behind the tutorial question: a calm gradient with a large play mark and a
// film strip, dark enough for white heading text.
QImage drawTutorialBackdrop()
{
    QImage image(360, 177, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 360, 177);
    g.setColorAt(0, QColor(20, 50, 70));
    g.setColorAt(1, QColor(10, 30, 20));
    p.fillRect(image.rect(), g);
    QPainterPath play;
    play.moveTo(150, 40);
    play.lineTo(220, 88);
    play.lineTo(150, 136);
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(180, 88), 70, 70);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(play);
    p.fillRect(QRectF(0, 155, 360, 22), QColor(0, 0, 0, 150));
    p.setBrush(QColor(200, 200, 200, 90));
    for (int x = 6; x < 360; x += 22)
        p.drawRoundedRect(QRectF(x, 160, 12, 12), 2, 2);
    return image;
}

void generatePromotionPictures(AssetGen::Context& context)
{
    struct Network
    {
        Glyph glyph;
        char const* file;
        char const* name;
        QColor colour;
    };
    Network const networks[] = {{Glyph::Circles, "social1", "Circles", QColor(40, 110, 160)},
                                {Glyph::Chatter, "social2", "Chatter", QColor(30, 140, 150)},
                                {Glyph::Kinfolk, "social3", "Kinfolk", QColor(170, 90, 40)},
                                {Glyph::Mail, "email", "E-mail", QColor(90, 110, 90)}};
    for (Network const& n : networks) {
        for (bool join : {false, true}) {
            for (bool hover : {false, true}) {
                QString const file =
                    QStringLiteral("%1%2%3.png")
                        .arg(QLatin1String(n.file), join ? QStringLiteral("join") : QStringLiteral("share"),
                             hover ? QStringLiteral("_hover") : QString());
                context.savePicture(file, drawPanelButton(n.glyph, QLatin1String(n.name), n.colour, join, hover));
            }
        }
    }
    for (bool join : {false, true}) {
        for (bool hover : {false, true}) {
            QString const file = QStringLiteral("%1%2.png")
                                     .arg(join ? QStringLiteral("join") : QStringLiteral("share"),
                                          hover ? QStringLiteral("_hover") : QString());
            context.savePicture(file, drawBarButton(join, hover));
        }
    }
    context.savePicture(QStringLiteral("pix/olvenarlogo.png"), drawMakerLogo());
    // Named as the dialog's style sheet names it; Qt reads the picture by its content.
    context.savePicture(QStringLiteral("pix/nemo2.jpg"), drawTutorialBackdrop());
}

} // namespace

TW_ASSET_GENERATOR(generatePromotionPictures)
