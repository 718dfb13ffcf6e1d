// Pictures of the chord pages: the keyboard pictures of the piano's chords
// ("a_" + code for the diagram, "b_" + code for the tablature), the chord
// view's instrument labels, the instrument chooser's items in their three
// states, the promotion button and the play button in its four states. A keyboard code names the pitch
// classes of a chord from C to B, "0" for one that sounds and "X" for one that
// does not; every voicing of the piano page gets its pictures.
#include "AssetGenerator.h"
#include "InstrumentArt.h"
#include "RADarir/chordpages/tables/ChordTables.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVector>

using AssetGen::canvas;

namespace {

constexpr int kPitchClasses = 12;

// The codes that get a keyboard picture: those of the piano page's own
// voicings (both octaves folded into the pitch classes, as the views fold
// them), in chord-index order.
QStringList keyboardCodes()
{
    QStringList codes;
    for (QVector<int> const& tab : RADarir::ChordTables::tabs(RADarir::ChordTables::Instrument::Piano)) {
        QString code(kPitchClasses, QLatin1Char('X'));
        for (int pc = 0; pc < kPitchClasses; ++pc) {
            if (tab.value(pc, -1) == 0 || tab.value(pc + kPitchClasses, -1) == 0)
                code[pc] = QLatin1Char('0');
        }
        if (!codes.contains(code))
            codes << code;
    }
    return codes;
}

// The white key of each pitch class (C = 0 ... B = 6), -1 for a black key,
// and the white key a black key stands right of.
constexpr int kWhiteIndex[] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
constexpr int kBlackAfter[] = {-1, 0, -1, 1, -1, -1, 3, -1, 4, -1, 5, -1};

QColor const kPressedWhite(255, 150, 40);
QColor const kPressedBlack(230, 90, 20);

QLinearGradient keyGradient(QRectF const& r, QColor const& top, QColor const& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A keyboard of `octaves` octaves from C in r, the keys of the code pressed
// in every octave: pressed white keys glow amber, pressed black keys orange,
// and each pressed key carries a dot near its front.
void paintKeyboard(QPainter& p, QRectF const& r, QString const& code, int octaves)
{
    p.setRenderHint(QPainter::Antialiasing);
    int const whites = 7 * octaves;
    qreal const ww = r.width() / whites;
    qreal const blackHeight = r.height() * 0.62;
    qreal const bw = ww * 0.62;
    qreal const dot = ww * 0.34;
    auto pressed = [&code](int pc) { return code.at(pc) == QLatin1Char('0'); };

    // The case behind the keys.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 30, 28));
    p.drawRoundedRect(r.adjusted(-ww * 0.25, -ww * 0.45, ww * 0.25, ww * 0.25), ww * 0.2, ww * 0.2);
    p.setBrush(QColor(150, 20, 20));
    p.drawRect(QRectF(r.left(), r.top() - ww * 0.12, r.width(), ww * 0.12));

    for (int o = 0; o < octaves; ++o) {
        for (int pc = 0; pc < kPitchClasses; ++pc) {
            if (kWhiteIndex[pc] < 0)
                continue;
            QRectF const key(r.left() + (o * 7 + kWhiteIndex[pc]) * ww, r.top(), ww, r.height());
            bool const on = pressed(pc);
            p.setPen(QPen(QColor(60, 60, 64), qMax<qreal>(1.0, ww / 30)));
            p.setBrush(on ? keyGradient(key, kPressedWhite.lighter(125), kPressedWhite)
                          : keyGradient(key, QColor(236, 236, 232), QColor(255, 255, 252)));
            p.drawRoundedRect(key.adjusted(0, 0, 0, -0.5), ww * 0.08, ww * 0.08);
            if (on) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 40, 0));
                p.drawEllipse(QPointF(key.center().x(), key.bottom() - ww * 0.55), dot / 2, dot / 2);
            }
        }
        for (int pc = 0; pc < kPitchClasses; ++pc) {
            if (kBlackAfter[pc] < 0)
                continue;
            qreal const x = r.left() + (o * 7 + kBlackAfter[pc] + 1) * ww - bw / 2;
            QRectF const key(x, r.top(), bw, blackHeight);
            bool const on = pressed(pc);
            p.setPen(QPen(QColor(10, 10, 10), qMax<qreal>(1.0, ww / 40)));
            p.setBrush(on ? keyGradient(key, kPressedBlack, kPressedBlack.darker(140))
                          : keyGradient(key, QColor(70, 70, 74), QColor(12, 12, 14)));
            p.drawRoundedRect(key, bw * 0.12, bw * 0.12);
            if (on) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 230, 190));
                p.drawEllipse(QPointF(key.center().x(), key.bottom() - bw * 0.55), dot / 2.4, dot / 2.4);
            }
        }
    }
}

// The diagram's picture: one octave, large, under room for the chord name.
QImage diagramKeyboard(QString const& code)
{
    QImage image = canvas(600, 400);
    QPainter p(&image);
    paintKeyboard(p, QRectF(40, 120, 520, 250), code, 1);
    return image;
}

// The tablature's picture: the two octaves C3 to B4 the piano's tabs span,
// the chord's keys pressed in both.
QImage tablatureKeyboard(QString const& code)
{
    QImage image = canvas(600, 400);
    QPainter p(&image);
    paintKeyboard(p, QRectF(24, 150, 552, 200), code, 2);
    return image;
}

// The piano as the chord view's narrow label shows it: a keyboard standing on end.
void paintUprightKeyboard(QPainter& p, QRectF const& r)
{
    p.save();
    p.translate(r.center());
    p.rotate(-90);
    QRectF const lying(-r.height() / 2, -r.width() / 2, r.height(), r.width());
    paintKeyboard(p, lying.adjusted(lying.width() * 0.04, lying.height() * 0.12, -lying.width() * 0.04, 0),
                  QStringLiteral("0XXX0XX0XXXX"), 2);
    p.restore();
}

// The chord view's label: the instrument standing in a 40 x 105 frame, drawn twice as large.
QImage instrumentLabel(char const* tunerName)
{
    QImage image = canvas(80, 210);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const area(6, 6, 68, 198);
    if (tunerName)
        AssetGen::paintInstrumentNamed(p, tunerName, area);
    else
        paintUprightKeyboard(p, area.adjusted(14, 0, -14, 0));
    return image;
}

enum class ItemState { Normal, Hover, Checked };

// A chooser item: the instrument leaning across a dark rounded tile; the hover
// state lights the rim, the checked state glows warm.
QImage chooserItem(char const* tunerName, ItemState state)
{
    constexpr int kSide = 128;
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const tile(3, 3, kSide - 6, kSide - 6);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    if (state == ItemState::Checked) {
        g.setColorAt(0, QColor(120, 70, 20));
        g.setColorAt(1, QColor(50, 22, 6));
    } else {
        g.setColorAt(0, state == ItemState::Hover ? QColor(96, 96, 104) : QColor(72, 72, 78));
        g.setColorAt(1, QColor(20, 20, 24));
    }
    QColor const rim = state == ItemState::Checked ? QColor(255, 190, 90)
                       : state == ItemState::Hover ? QColor(230, 230, 235)
                                                   : QColor(120, 120, 128);
    p.setPen(QPen(rim, state == ItemState::Normal ? 2.0 : 3.0));
    p.setBrush(g);
    p.drawRoundedRect(tile, 16, 16);
    if (state == ItemState::Checked) {
        QRadialGradient glow(tile.center(), kSide * 0.5);
        glow.setColorAt(0, QColor(255, 200, 110, 110));
        glow.setColorAt(1, QColor(255, 200, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(tile, 16, 16);
    }
    p.save();
    p.translate(tile.center());
    p.rotate(35);
    QRectF const area(-28, -58, 56, 116);
    if (tunerName)
        AssetGen::paintInstrumentNamed(p, tunerName, area);
    else
        paintUprightKeyboard(p, area.adjusted(6, 0, -6, 0));
    p.restore();
    return image;
}

enum class PlayState { Normal, Hover, Pressed, PressedHover };

// The play button: a round glass button with a triangle; pressing sinks it
// and turns it green, hovering lights its rim.
QImage playButton(PlayState state)
{
    constexpr int kSide = 96;
    bool const pressed = state == PlayState::Pressed || state == PlayState::PressedHover;
    bool const hover = state == PlayState::Hover || state == PlayState::PressedHover;
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF const c(kSide / 2.0, kSide / 2.0);
    qreal const r = kSide / 2.0 - 4;

    QRadialGradient shadow(c + QPointF(0, 3), r + 4);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 140));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, 3), r + 4, r + 4);

    QLinearGradient body(c.x(), c.y() - r, c.x(), c.y() + r);
    QColor const light = pressed ? QColor(70, 190, 90) : QColor(120, 124, 132);
    QColor const dark = pressed ? QColor(10, 80, 30) : QColor(24, 24, 28);
    body.setColorAt(0, pressed ? dark : light);
    body.setColorAt(1, pressed ? light : dark);
    p.setPen(QPen(hover ? QColor(255, 255, 255) : QColor(150, 150, 158), hover ? 3.5 : 2.5));
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    // The gloss on the upper half.
    QLinearGradient gloss(c.x(), c.y() - r, c.x(), c.y());
    gloss.setColorAt(0, QColor(255, 255, 255, pressed ? 60 : 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.78, c.y() - r * 0.92, r * 1.56, r * 0.95));

    qreal const t = r * 0.5;
    QPolygonF const triangle({c + QPointF(-t * 0.7, -t), c + QPointF(t * 1.1, 0), c + QPointF(-t * 0.7, t)});
    p.setBrush(hover ? QColor(255, 255, 255) : QColor(232, 232, 236));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    p.drawPolygon(pressed ? QTransform().translate(0, 1.5).map(triangle) : triangle);
    return image;
}

// The chord pages' promotion button: a wide dark plate with a chord's three
// note heads on a short staff; hovering warms the plate.
QImage chordsPromoButton(bool hover)
{
    QImage image = canvas(240, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF const plate(2, 2, 236, 60);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, hover ? QColor(130, 80, 30) : QColor(84, 84, 92));
    g.setColorAt(1, hover ? QColor(50, 24, 8) : QColor(22, 22, 26));
    p.setPen(QPen(hover ? QColor(255, 200, 120) : QColor(140, 140, 150), 2));
    p.setBrush(g);
    p.drawRoundedRect(plate, 12, 12);
    qreal const gap = 8;
    p.setPen(QPen(QColor(230, 230, 235, 200), 1.2));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(16, 14 + i * gap), QPointF(70, 14 + i * gap));
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? QColor(255, 220, 140) : QColor(255, 200, 80));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(43, 14 + (4 - i) * gap);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), gap * 0.7, gap * 0.48);
        p.restore();
    }
    return image;
}

struct InstrumentPictures
{
    char const* label;     // the label's stem, as the chord view's instrument identifier names it
    char const* item;      // the chooser item's object name
    char const* tunerName; // the tuners' drawing, or null for the piano
};

void generateChordViewArt(AssetGen::Context& ctx)
{
    for (QString const& code : keyboardCodes()) {
        ctx.savePicture(QStringLiteral("_resources/imgs/Chords/a_") + code + QStringLiteral(".png"),
                        diagramKeyboard(code));
        ctx.savePicture(QStringLiteral("_resources/imgs/Chords/b_") + code + QStringLiteral(".png"),
                        tablatureKeyboard(code));
    }

    InstrumentPictures const instruments[] = {
        {"mandolin", "MandolinItem", "Mandolin"}, {"guitar", "GuitarItem", "Guitar"},
        {"piano", "PianoItem", nullptr},          {"ukulele", "UkuleleItem", "Ukulele"},
        {"banjo", "BanjoItem", "Banjo"},          {"balalaika", "BalalaikaItem", "Balalaika"},
        {"bass", "BassItem", "BassGuitar"},
    };
    for (InstrumentPictures const& i : instruments) {
        ctx.savePicture(QLatin1String(i.label) + QStringLiteral(".png"), instrumentLabel(i.tunerName));
        QString const item = QLatin1String(i.item);
        ctx.savePicture(item + QStringLiteral(".png"), chooserItem(i.tunerName, ItemState::Normal));
        ctx.savePicture(item + QStringLiteral("_hover.png"), chooserItem(i.tunerName, ItemState::Hover));
        ctx.savePicture(item + QStringLiteral("_checked.png"), chooserItem(i.tunerName, ItemState::Checked));
    }

    ctx.savePicture(QStringLiteral("ChordsPromoButton.png"), chordsPromoButton(false));
    ctx.savePicture(QStringLiteral("ChordsPromoButton_hvr.png"), chordsPromoButton(true));
    ctx.savePicture(QStringLiteral("Play.png"), playButton(PlayState::Normal));
    ctx.savePicture(QStringLiteral("Play_hvr.png"), playButton(PlayState::Hover));
    ctx.savePicture(QStringLiteral("Play_prs.png"), playButton(PlayState::Pressed));
    ctx.savePicture(QStringLiteral("Play_prs_hvr.png"), playButton(PlayState::PressedHover));
}

} // namespace

TW_ASSET_GENERATOR(generateChordViewArt)
