// The five introduction slides, in English, German and Russian: a short tour of
// the metronome page for a new user. The slide show draws each picture at half
// its pixel size into a display of at least 400 x 300, so the slides are drawn
// at 1200 x 900 with large type that stays legible at the dialog's size.
#include "AssetGenerator.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

using AssetGen::font;

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

QColor const kText(236, 240, 236);
QColor const kAccent(255, 200, 61);
QColor const kDim(150, 165, 150);

enum class Marks { Bullets, Numbers };

void drawBadge(QPainter& p, QPointF const& c, int number, qreal r = 24);

// Draws word-wrapped paragraphs into a rectangle, shrinking the type until
// everything fits, so that no translation is ever cut off. The smallest size
// is drawn even if it still does not fit: whatever size the caller starts
// from, the text is never left out.
void drawParagraphs(QPainter& p, QRectF const& rect, QStringList const& paragraphs, qreal pixelSize,
                    Marks marks = Marks::Bullets)
{
    qreal const gapFactor = 0.55;
    qreal const smallest = 18;
    for (qreal size = pixelSize;; size -= 2) {
        QFont const f = font(size);
        QFontMetricsF const fm(f);
        qreal const indent = size * (marks == Marks::Numbers ? 1.5 : 1.1);
        qreal height = 0;
        QList<QRectF> boxes;
        for (QString const& para : paragraphs) {
            QRectF const box = fm.boundingRect(QRectF(0, 0, rect.width() - indent, 10000), Qt::TextWordWrap, para);
            boxes << box;
            height += box.height() + size * gapFactor;
        }
        if (height - size * gapFactor > rect.height() && size - 2 >= smallest)
            continue;
        p.setFont(f);
        qreal y = rect.top();
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (marks == Marks::Numbers) {
                drawBadge(p, QPointF(rect.left() + size * 0.55, y + fm.ascent() * 0.62), i + 1, size * 0.55);
                p.setFont(f);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(kAccent);
                p.drawEllipse(QPointF(rect.left() + size * 0.35, y + fm.ascent() * 0.62), size * 0.17, size * 0.17);
            }
            p.setPen(kText);
            p.drawText(QRectF(rect.left() + indent, y, rect.width() - indent, boxes[i].height() + 2), Qt::TextWordWrap,
                       paragraphs[i]);
            y += boxes[i].height() + size * gapFactor;
        }
        return;
    }
}

void drawCentredText(QPainter& p, QRectF const& rect, QString const& text, qreal pixelSize, QColor const& color,
                     bool bold = false)
{
    qreal size = pixelSize;
    while (size > 12 && QFontMetricsF(font(size, bold)).horizontalAdvance(text) > rect.width())
        size -= 1;
    p.setFont(font(size, bold));
    p.setPen(color);
    p.drawText(rect, Qt::AlignCenter, text);
}

void drawBackground(QPainter& p, QString const& title, int index)
{
    QLinearGradient bg(0, 0, 0, kHeight);
    bg.setColorAt(0, QColor(48, 74, 50));
    bg.setColorAt(1, QColor(18, 28, 20));
    p.fillRect(QRect(0, 0, kWidth, kHeight), bg);

    // Title band.
    QLinearGradient band(0, 0, 0, 130);
    band.setColorAt(0, QColor(24, 40, 26));
    band.setColorAt(1, QColor(10, 18, 12));
    p.fillRect(QRect(0, 0, kWidth, 130), band);
    p.fillRect(QRect(0, 128, kWidth, 4), kAccent);

    // Step dots: where this slide stands in the tour.
    for (int i = 0; i < 5; ++i) {
        QPointF const c(kWidth - 200 + i * 36, 65);
        p.setPen(Qt::NoPen);
        p.setBrush(i == index ? kAccent : QColor(90, 110, 92));
        p.drawEllipse(c, i == index ? 11 : 8, i == index ? 11 : 8);
    }
    QRectF const titleRect(50, 10, kWidth - 300, 110);
    qreal size = 62;
    while (size > 30 && QFontMetricsF(font(size, true)).horizontalAdvance(title) > titleRect.width())
        size -= 2;
    p.setFont(font(size, true));
    p.setPen(kText);
    p.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft, title);
}

// A push button of the controls, simplified: rounded, with a pressed state.
void drawButton(QPainter& p, QRectF const& r, bool pressed)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (pressed) {
        g.setColorAt(0, QColor(20, 40, 22));
        g.setColorAt(1, QColor(60, 90, 62));
    } else {
        g.setColorAt(0, QColor(120, 150, 122));
        g.setColorAt(1, QColor(45, 70, 47));
    }
    p.setPen(QPen(pressed ? kAccent : QColor(200, 210, 200), pressed ? 4 : 2));
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() * 0.18, r.height() * 0.18);
}

void drawLamp(QPainter& p, QPointF const& c, qreal r, bool lit)
{
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    if (lit) {
        g.setColorAt(0, QColor(255, 250, 200));
        g.setColorAt(0.5, QColor(255, 196, 40));
        g.setColorAt(1, QColor(200, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 60, 70));
        p.drawEllipse(c, r * 1.45, r * 1.45);
    } else {
        g.setColorAt(0, QColor(110, 110, 100));
        g.setColorAt(1, QColor(40, 40, 36));
    }
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void drawEye(QPainter& p, QPointF const& c, qreal w, bool closed, qreal look = 0)
{
    QPainterPath almond;
    almond.moveTo(c.x() - w / 2, c.y());
    almond.quadTo(c.x(), c.y() - w * 0.55, c.x() + w / 2, c.y());
    if (closed) {
        p.setPen(QPen(QColor(30, 30, 30), w * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath lid;
        lid.moveTo(c.x() - w / 2, c.y());
        lid.quadTo(c.x(), c.y() + w * 0.35, c.x() + w / 2, c.y());
        p.drawPath(lid);
        return;
    }
    almond.quadTo(c.x(), c.y() + w * 0.55, c.x() - w / 2, c.y());
    p.setPen(QPen(QColor(30, 30, 30), w * 0.06));
    p.setBrush(Qt::white);
    p.drawPath(almond);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 130, 70));
    QPointF const iris(c.x() + look * w * 0.18, c.y());
    p.drawEllipse(iris, w * 0.17, w * 0.17);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(iris, w * 0.08, w * 0.08);
}

void drawEar(QPainter& p, QPointF const& c, qreal h)
{
    QPainterPath outer;
    outer.moveTo(c.x() - h * 0.18, c.y() + h * 0.38);
    outer.cubicTo(c.x() - h * 0.05, c.y() + h * 0.55, c.x() + h * 0.35, c.y() + h * 0.25, c.x() + h * 0.22,
                  c.y() - h * 0.05);
    outer.cubicTo(c.x() + h * 0.40, c.y() - h * 0.55, c.x() - h * 0.35, c.y() - h * 0.60, c.x() - h * 0.28,
                  c.y() - h * 0.12);
    p.setPen(QPen(QColor(40, 25, 15), h * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(240, 190, 150));
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(c.x() - h * 0.10, c.y() - h * 0.12);
    inner.cubicTo(c.x() - h * 0.08, c.y() - h * 0.35, c.x() + h * 0.20, c.y() - h * 0.30, c.x() + h * 0.08,
                  c.y() + h * 0.05);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 70, 45), h * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(inner);
}

void drawBell(QPainter& p, QPointF const& c, qreal h)
{
    QPainterPath bell;
    bell.moveTo(c.x() - h * 0.42, c.y() + h * 0.28);
    bell.cubicTo(c.x() - h * 0.30, c.y() + h * 0.10, c.x() - h * 0.32, c.y() - h * 0.38, c.x(), c.y() - h * 0.40);
    bell.cubicTo(c.x() + h * 0.32, c.y() - h * 0.38, c.x() + h * 0.30, c.y() + h * 0.10, c.x() + h * 0.42,
                 c.y() + h * 0.28);
    bell.closeSubpath();
    QLinearGradient g(c.x() - h / 2, 0, c.x() + h / 2, 0);
    g.setColorAt(0, QColor(200, 140, 20));
    g.setColorAt(0.45, QColor(255, 225, 110));
    g.setColorAt(1, QColor(170, 110, 10));
    p.setPen(QPen(QColor(90, 60, 0), h * 0.04));
    p.setBrush(g);
    p.drawPath(bell);
    p.drawEllipse(QPointF(c.x(), c.y() + h * 0.34), h * 0.08, h * 0.08);
    p.drawEllipse(QPointF(c.x(), c.y() - h * 0.44), h * 0.06, h * 0.06);
    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kAccent, h * 0.045, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 2; ++i) {
        qreal const r = h * (0.5 + i * 0.16);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -30 * 16, 60 * 16);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 150 * 16, 60 * 16);
    }
}

// A red stroke across a switch: the thing it stands for is off.
void drawOffStroke(QPainter& p, QRectF const& r)
{
    p.setPen(QPen(QColor(230, 60, 50), r.height() * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(r.width() * 0.18, r.height() * 0.18),
               r.bottomRight() - QPointF(r.width() * 0.18, r.height() * 0.18));
}

void drawEyeButton(QPainter& p, QRectF const& r, bool pressed)
{
    drawButton(p, r, pressed);
    drawEye(p, r.center(), r.width() * 0.55, pressed);
    if (pressed)
        drawOffStroke(p, r);
}

void drawEarButton(QPainter& p, QRectF const& r, bool pressed)
{
    drawButton(p, r, pressed);
    drawEar(p, r.center(), r.height() * 0.7);
    if (pressed)
        drawOffStroke(p, r);
}

// The picture of the page, simplified: the round wren whose eyes follow the tick.
void drawFace(QPainter& p, QRectF const& r, qreal look, bool closed)
{
    QPointF const c = r.center();
    qreal const rad = qMin(r.width(), r.height()) * 0.45;
    // Green ring behind the bird.
    p.setPen(QPen(QColor(126, 178, 138), rad * 0.05));
    p.setBrush(QColor(22, 60, 40));
    p.drawEllipse(c, rad, rad);
    qreal const head = rad * 0.78;
    QRadialGradient g(c - QPointF(head * 0.3, head * 0.4), head * 1.4);
    g.setColorAt(0, QColor(176, 120, 72));
    g.setColorAt(1, QColor(96, 58, 30));
    p.setPen(QPen(QColor(60, 34, 16), rad * 0.03));
    p.setBrush(g);
    p.drawEllipse(c + QPointF(0, rad * 0.06), head, head * 0.92);
    for (int side : {-1, 1}) {
        QPointF const eye = c + QPointF(side * head * 0.36, -head * 0.12);
        qreal const er = head * 0.3;
        if (closed) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(30, 20, 10), er * 0.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(eye.x() - er, eye.y() - er, 2 * er, 2 * er), 200 * 16, 140 * 16);
            continue;
        }
        p.setPen(QPen(QColor(40, 25, 12), er * 0.08));
        p.setBrush(Qt::white);
        p.drawEllipse(eye, er, er);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        QPointF const pupil = eye + QPointF(look * er * 0.4, er * 0.1);
        p.drawEllipse(pupil, er * 0.45, er * 0.45);
        p.setBrush(Qt::white);
        p.drawEllipse(pupil + QPointF(-er * 0.15, -er * 0.15), er * 0.12, er * 0.12);
    }
    QPainterPath beak;
    beak.moveTo(c.x() - head * 0.13, c.y() + head * 0.2);
    beak.lineTo(c.x() + head * 0.13, c.y() + head * 0.2);
    beak.lineTo(c.x(), c.y() + head * 0.42);
    beak.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 160, 40));
    p.drawPath(beak);
}

void drawTempoRow(QPainter& p, QPointF const& topLeft, qreal scale, int tempo, bool highlightPlus, bool highlightMinus)
{
    QRectF const minus(topLeft.x(), topLeft.y(), 80 * scale, 96 * scale);
    QRectF const label(minus.right(), topLeft.y(), 220 * scale, 96 * scale);
    QRectF const plus(label.right(), topLeft.y(), 80 * scale, 96 * scale);
    drawButton(p, minus, highlightMinus);
    drawButton(p, plus, highlightPlus);
    QLinearGradient lg(label.topLeft(), label.bottomLeft());
    lg.setColorAt(0, QColor(25, 35, 25));
    lg.setColorAt(1, QColor(55, 75, 55));
    p.setPen(QPen(QColor(200, 210, 200), 2));
    p.setBrush(lg);
    p.drawRect(label);
    drawCentredText(p, label, QString::number(tempo), 64 * scale, Qt::white, true);
    drawCentredText(p, minus, QStringLiteral("\u2212"), 64 * scale, Qt::white, true);
    drawCentredText(p, plus, QStringLiteral("+"), 64 * scale, Qt::white, true);
}

struct Range
{
    char const* name;
    int low;
    int high;
};

std::array<Range, 6> const kRanges = {{{"Largo", 38, 56},
                                       {"Adagio", 57, 70},
                                       {"Andante", 71, 96},
                                       {"Moderato", 97, 108},
                                       {"Allegro", 109, 168},
                                       {"Presto", 169, 208}}};

void drawRangeList(QPainter& p, QRectF const& r, int current)
{
    p.setPen(QPen(QColor(180, 190, 180), 2));
    p.setBrush(QColor(22, 32, 24));
    p.drawRoundedRect(r, 10, 10);
    qreal const rowH = (r.height() - 20) / 6;
    for (int i = 0; i < 6; ++i) {
        QRectF const row(r.left() + 10, r.top() + 10 + i * rowH, r.width() - 20, rowH);
        if (i == current) {
            QLinearGradient g(row.topLeft(), row.bottomLeft());
            g.setColorAt(0, QColor(50, 170, 110));
            g.setColorAt(1, QColor(41, 100, 80));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(row, 6, 6);
        }
        p.setFont(font(rowH * 0.42, i == current));
        p.setPen(Qt::white);
        p.drawText(row.adjusted(16, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(kRanges[i].name));
        p.setPen(i == current ? Qt::white : kDim);
        p.drawText(row.adjusted(0, 0, -16, 0), Qt::AlignVCenter | Qt::AlignRight,
                   QStringLiteral("%1\u2013%2").arg(kRanges[i].low).arg(kRanges[i].high));
    }
}

void drawBeatsButton(QPainter& p, QRectF const& r, QString const& text)
{
    drawButton(p, r, false);
    drawCentredText(p, r.adjusted(0, 0, 0, -r.height() * 0.1), text, r.height() * 0.55, Qt::white, true);
    // The drop-down mark: a menu opens from this button.
    QPainterPath tri;
    tri.moveTo(r.center().x() - 9, r.bottom() - 14);
    tri.lineTo(r.center().x() + 9, r.bottom() - 14);
    tri.lineTo(r.center().x(), r.bottom() - 5);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(tri);
}

void drawPointer(QPainter& p, QPointF const& tip, qreal size)
{
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(size * 0.0, size * 1.0));
    arrow.lineTo(tip + QPointF(size * 0.28, size * 0.74));
    arrow.lineTo(tip + QPointF(size * 0.5, size * 1.15));
    arrow.lineTo(tip + QPointF(size * 0.64, size * 1.08));
    arrow.lineTo(tip + QPointF(size * 0.43, size * 0.68));
    arrow.lineTo(tip + QPointF(size * 0.78, size * 0.68));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, size * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawBadge(QPainter& p, QPointF const& c, int number, qreal r)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kAccent);
    p.drawEllipse(c, r, r);
    drawCentredText(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QString::number(number), r * 1.2, QColor(20, 20, 20),
                    true);
}

// The whole page in miniature, with numbered badges that the text explains.
void drawMiniPage(QPainter& p, QRectF const& r)
{
    p.setPen(QPen(QColor(160, 160, 160), 3));
    p.setBrush(Qt::black);
    p.drawRoundedRect(r, 8, 8);
    QRectF const bar(r.left() + 3, r.top() + 3, r.width() - 6, 44);
    p.fillRect(bar, QColor(50, 56, 50));
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(bar.left() + 14 + i * 52, bar.top() + 9, 40, 26), QColor(100, 120, 100));

    QRectF const lamps(r.left() + 20, bar.bottom() + 14, r.width() - 40, 50);
    p.fillRect(lamps, QColor(70, 130, 90, 150));
    for (int i = 0; i < 4; ++i)
        drawLamp(p, QPointF(lamps.left() + 40 + i * 58, lamps.center().y()), 18, i == 0);

    drawFace(p, QRectF(r.left() + 40, lamps.bottom() + 10, r.width() - 80, 250), -1, false);

    qreal const scale = 0.5;
    qreal const rowW = 380 * scale;
    QPointF const tempoPos(r.center().x() - rowW / 2, r.bottom() - 230);
    drawTempoRow(p, tempoPos, scale, 120, false, false);
    QRectF const list(r.center().x() - 95, tempoPos.y() + 54, 190, 84);
    p.setPen(QPen(QColor(180, 190, 180), 1));
    p.setBrush(QColor(22, 32, 24));
    p.drawRect(list);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(list.left() + 8, list.top() + 10 + i * 24, list.width() - 16, 14),
                   i == 1 ? QColor(50, 170, 110) : QColor(70, 80, 70));
    QRectF const eye(r.center().x() - 110, list.bottom() + 10, 56, 44);
    drawEyeButton(p, eye, false);
    drawEarButton(p, eye.translated(64, 0), false);
    drawBeatsButton(p, QRectF(eye.left() + 140, eye.top(), 80, 44), QStringLiteral("4"));

    drawBadge(p, QPointF(lamps.right() - 10, lamps.top()), 1);
    drawBadge(p, QPointF(r.right() - 50, lamps.bottom() + 60), 2);
    drawBadge(p, QPointF(tempoPos.x() + rowW + 28, tempoPos.y() + 20), 3);
    drawBadge(p, QPointF(eye.left() - 34, eye.center().y()), 4);
}

struct SlideTexts
{
    QString title;
    QStringList body;
    QString extra; // a caption or footnote, where the slide has one
};

struct LanguageTexts
{
    char const* code;
    std::array<SlideTexts, 5> slides;
    QString bpm;
    QString on;
    QString off;
    QString tick;
};

QList<LanguageTexts> languages()
{
    QList<LanguageTexts> list;
    LanguageTexts en;
    en.code = "en";
    en.bpm = QStringLiteral("beats per minute");
    en.on = QStringLiteral("on");
    en.off = QStringLiteral("off");
    en.tick = QStringLiteral("tick");
    en.slides[0] = {QStringLiteral("Welcome to Tickwren"),
                    {QStringLiteral("Lamps: one for each beat of the bar; the current beat lights up."),
                     QStringLiteral("The picture moves its eyes with every tick."),
                     QStringLiteral("Tempo: the minus and plus buttons and the list of tempo ranges."),
                     QStringLiteral("Switches: eye, ear and the beats per bar.")},
                    QStringLiteral("The metronome starts ticking at once.")};
    en.slides[1] = {QStringLiteral("Set the tempo"),
                    {QStringLiteral("Press + or \u2212 to change the tempo by one beat per minute, from 38 to 208."),
                     QStringLiteral("Choose a range in the list to jump to its first tempo: Allegro starts at 109.")},
                    QString()};
    en.slides[2] = {QStringLiteral("Beats per bar"),
                    {QStringLiteral("Press the number button and choose 2 to 12 beats per bar."),
                     QStringLiteral("Choose 0 for an even tick without bars."),
                     QStringLiteral("The lamps show one light for each beat.")},
                    QStringLiteral("3 beats per bar")};
    en.slides[3] = {QStringLiteral("Eye and ear: pressed means off"),
                    {QStringLiteral("Eye pressed: the eyes close and the lamps hide."),
                     QStringLiteral("Ear pressed: the metronome is silent."),
                     QStringLiteral("Press a switch again to turn it back on.")},
                    QString()};
    en.slides[4] = {QStringLiteral("Lamps and bell"),
                    {QStringLiteral("The lit lamp shows the beat within the bar."),
                     QStringLiteral("The first beat of every bar rings a bell; the other beats tick."),
                     QStringLiteral("Open these slides again at any time with the Introduction button.")},
                    QString()};
    list << en;

    LanguageTexts de;
    de.code = "de";
    de.bpm = QStringLiteral("Schläge pro Minute");
    de.on = QStringLiteral("an");
    de.off = QStringLiteral("aus");
    de.tick = QStringLiteral("Tick");
    de.slides[0] = {QStringLiteral("Willkommen bei Tickwren"),
                    {QStringLiteral("Lampen: eine für jeden Schlag des Takts; der aktuelle Schlag leuchtet."),
                     QStringLiteral("Das Bild bewegt bei jedem Schlag die Augen."),
                     QStringLiteral("Tempo: die Minus- und Plustaste und die Liste der Tempobereiche."),
                     QStringLiteral("Schalter: Auge, Ohr und die Schläge pro Takt.")},
                    QStringLiteral("Das Metronom schlägt sofort los.")};
    de.slides[1] = {QStringLiteral("Das Tempo einstellen"),
                    {QStringLiteral("Mit + und \u2212 ändern Sie das Tempo um einen Schlag pro Minute, "
                                    "von 38 bis 208."),
                     QStringLiteral("Wählen Sie einen Bereich in der Liste, um zu seinem ersten Tempo zu "
                                    "springen: Allegro beginnt bei 109.")},
                    QString()};
    de.slides[2] = {QStringLiteral("Schläge pro Takt"),
                    {QStringLiteral("Drücken Sie die Zahlentaste und wählen Sie 2 bis 12 Schläge pro Takt."),
                     QStringLiteral("Wählen Sie 0 für einen gleichmäßigen Schlag ohne Takt."),
                     QStringLiteral("Die Lampen zeigen ein Licht für jeden Schlag.")},
                    QStringLiteral("3 Schläge pro Takt")};
    de.slides[3] = {QStringLiteral("Auge und Ohr: gedrückt heißt aus"),
                    {QStringLiteral("Auge gedrückt: Die Augen schließen sich, die Lampen verschwinden."),
                     QStringLiteral("Ohr gedrückt: Das Metronom schweigt."),
                     QStringLiteral("Drücken Sie den Schalter erneut, um ihn wieder einzuschalten.")},
                    QString()};
    de.slides[4] = {QStringLiteral("Lampen und Glocke"),
                    {QStringLiteral("Die leuchtende Lampe zeigt den Schlag im Takt."),
                     QStringLiteral("Der erste Schlag jedes Takts läutet eine Glocke, die anderen Schläge "
                                    "ticken."),
                     QStringLiteral("Diese Einführung öffnen Sie jederzeit wieder mit der Einführungstaste.")},
                    QString()};
    list << de;

    LanguageTexts ru;
    ru.code = "ru";
    ru.bpm = QStringLiteral("ударов в минуту");
    ru.on = QStringLiteral("вкл.");
    ru.off = QStringLiteral("выкл.");
    ru.tick = QStringLiteral("тик");
    ru.slides[0] = {QStringLiteral("Добро пожаловать в Tickwren"),
                    {QStringLiteral("Лампы: по одной на каждую долю такта; текущая доля горит."),
                     QStringLiteral("Картинка двигает глазами с каждым ударом."),
                     QStringLiteral("Темп: кнопки минус и плюс и список диапазонов темпа."),
                     QStringLiteral("Переключатели: глаз, ухо и число долей в такте.")},
                    QStringLiteral("Метроном начинает отсчёт сразу.")};
    ru.slides[1] = {QStringLiteral("Настройка темпа"),
                    {QStringLiteral("Кнопки + и \u2212 меняют темп на один удар в минуту, от 38 до 208."),
                     QStringLiteral("Выберите диапазон в списке, чтобы перейти к его начальному темпу: "
                                    "Allegro начинается со 109.")},
                    QString()};
    ru.slides[2] = {QStringLiteral("Доли в такте"),
                    {QStringLiteral("Нажмите кнопку с числом и выберите от 2 до 12 долей в такте."),
                     QStringLiteral("Выберите 0 для ровного счёта без тактов."),
                     QStringLiteral("Лампы показывают по одному огоньку на каждую долю.")},
                    QStringLiteral("3 доли в такте")};
    ru.slides[3] = {QStringLiteral("Глаз и ухо: нажато — выключено"),
                    {QStringLiteral("Глаз нажат: глаза закрываются, лампы скрываются."),
                     QStringLiteral("Ухо нажато: метроном молчит."),
                     QStringLiteral("Нажмите переключатель ещё раз, чтобы снова включить его.")},
                    QString()};
    ru.slides[4] = {QStringLiteral("Лампы и колокольчик"),
                    {QStringLiteral("Горящая лампа показывает долю в такте."),
                     QStringLiteral("На первую долю каждого такта звенит колокольчик, остальные доли тикают."),
                     QStringLiteral("Эти слайды можно открыть снова в любой момент кнопкой «Введение».")},
                    QString()};
    list << ru;
    return list;
}

void drawWelcome(QPainter& p, LanguageTexts const& t)
{
    drawMiniPage(p, QRectF(60, 165, 420, 700));
    drawParagraphs(p, QRectF(530, 190, 620, 540), t.slides[0].body, 42, Marks::Numbers);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 61, 40));
    p.drawRoundedRect(QRectF(530, 760, 620, 90), 14, 14);
    drawCentredText(p, QRectF(540, 760, 600, 90), t.slides[0].extra, 40, kAccent, true);
}

void drawTempo(QPainter& p, LanguageTexts const& t)
{
    drawTempoRow(p, QPointF(80, 190), 1.0, 109, true, false);
    drawCentredText(p, QRectF(80, 290, 380, 50), t.bpm, 30, kDim);
    drawPointer(p, QPointF(420, 250), 60);
    drawRangeList(p, QRectF(60, 370, 430, 480), 4);
    drawParagraphs(p, QRectF(530, 200, 630, 640), t.slides[1].body, 44);
}

void drawBeats(QPainter& p, LanguageTexts const& t)
{
    QRectF const button(120, 200, 140, 84);
    drawBeatsButton(p, button, QStringLiteral("3"));
    // The open menu: 0 and 2 to 12; there is no 1.
    QRectF const menu(button.right() + 20, 180, 130, 640);
    p.setPen(QPen(QColor(170, 180, 170), 2));
    p.setBrush(QColor(24, 48, 28));
    p.drawRoundedRect(menu, 10, 10);
    int const counts[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    qreal const rowH = (menu.height() - 16) / 12;
    for (int i = 0; i < 12; ++i) {
        QRectF const row(menu.left() + 8, menu.top() + 8 + i * rowH, menu.width() - 16, rowH);
        if (counts[i] == 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 155, 0));
            p.drawRoundedRect(row, 6, 6);
        }
        drawCentredText(p, row, QString::number(counts[i]), rowH * 0.62, Qt::white, counts[i] == 3);
    }
    drawPointer(p, QPointF(menu.center().x() + 20, menu.top() + 8 + 2.6 * rowH), 54);

    QRectF const lamps(560, 620, 560, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 90, 150));
    p.drawRoundedRect(lamps, 12, 12);
    for (int i = 0; i < 3; ++i)
        drawLamp(p, QPointF(lamps.left() + 90 + i * 120, lamps.center().y()), 38, i == 0);
    drawCentredText(p, QRectF(lamps.left(), lamps.bottom() + 8, lamps.width(), 50), t.slides[2].extra, 34, kDim);
    drawParagraphs(p, QRectF(560, 190, 600, 400), t.slides[2].body, 42);
}

void drawSwitches(QPainter& p, LanguageTexts const& t)
{
    QRectF const eyeOn(100, 230, 150, 120);
    QRectF const eyeOff(320, 230, 150, 120);
    drawEyeButton(p, eyeOn, false);
    drawEyeButton(p, eyeOff, true);
    QRectF const earOn(100, 470, 150, 120);
    QRectF const earOff(320, 470, 150, 120);
    drawEarButton(p, earOn, false);
    drawEarButton(p, earOff, true);
    for (QRectF const& r : {eyeOn, earOn})
        drawCentredText(p, QRectF(r.left(), r.bottom() + 8, r.width(), 50), t.on, 38, QColor(120, 230, 120), true);
    for (QRectF const& r : {eyeOff, earOff})
        drawCentredText(p, QRectF(r.left(), r.bottom() + 8, r.width(), 50), t.off, 38, QColor(255, 110, 100), true);
    // The face with closed eyes: what a pressed eye switch shows.
    drawFace(p, QRectF(170, 690, 230, 190), 0, true);
    drawParagraphs(p, QRectF(540, 210, 620, 620), t.slides[3].body, 44);
}

void drawBellSlide(QPainter& p, LanguageTexts const& t)
{
    QRectF const lamps(80, 340, 500, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 90, 150));
    p.drawRoundedRect(lamps, 12, 12);
    for (int i = 0; i < 4; ++i) {
        QPointF const c(lamps.left() + 60 + i * 128, lamps.center().y());
        drawLamp(p, c, 36, i == 0);
        if (i == 0)
            drawBell(p, QPointF(c.x(), lamps.top() - 80), 90);
        else
            drawCentredText(p, QRectF(c.x() - 60, lamps.top() - 80, 120, 50), t.tick, 34, kDim, true);
        drawCentredText(p, QRectF(c.x() - 40, lamps.bottom() + 10, 80, 50), QString::number(i + 1), 36, Qt::white,
                        true);
    }
    drawFace(p, QRectF(150, 540, 340, 320), 1, false);
    drawParagraphs(p, QRectF(620, 200, 540, 640), t.slides[4].body, 42);
}

QImage drawSlide(LanguageTexts const& t, int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(p, t.slides[index].title, index);
    switch (index) {
    case 0:
        drawWelcome(p, t);
        break;
    case 1:
        drawTempo(p, t);
        break;
    case 2:
        drawBeats(p, t);
        break;
    case 3:
        drawSwitches(p, t);
        break;
    default:
        drawBellSlide(p, t);
        break;
    }
    return image;
}

void generateSlides(AssetGen::Context& context)
{
    for (LanguageTexts const& t : languages()) {
        for (int i = 0; i < 5; ++i) {
            QString const name = QStringLiteral("TWSlide%1_%2.jpg").arg(i).arg(QLatin1String(t.code));
            context.saveBundleImage(name, drawSlide(t, i), "JPG", 90);
        }
    }
}

} // namespace

TW_ASSET_GENERATOR(generateSlides)
