#include "RADarir/chordviews/ChordStandardView.h"

#include <QFontMetrics>
#include <QPainter>

namespace RADarir {

namespace {

// The second bass layout shows frets 5 to 12 in eight cells and has no nut.
QString const kBass2 = QStringLiteral("bass2");
// The banjo's short fifth string has no frets drawn over it.
QString const kBanjo = QStringLiteral("banjo");
constexpr int kMargin = 30;
// Paper kept between a mark and the next string or fret line, and between two fret numbers.
constexpr int kGap = 2;
constexpr int kSmallestNumber = 6;

int cellCount(QString const& instrument)
{
    return instrument == kBass2 ? 8 : 6;
}

int cellWidth(QSize const& size, QString const& instrument)
{
    return (size.width() - 2 * kMargin) / cellCount(instrument);
}

} // namespace

ChordStandardView::ChordStandardView(QWidget* parent)
    : ChordBaseView(parent)
{
}

int ChordStandardView::markSize(QSize const& size, int strings, QString const& instrument)
{
    int const tenth = int(size.height() / 10.0);
    int const spacing = (size.height() - 10) / (strings + 1);
    // The outline is drawn with the ink pen, which reaches beyond the mark's box.
    int const pen = size.height() / 50;
    return qMax(1, qMin(tenth, qMin(spacing, cellWidth(size, instrument)) - kGap - pen));
}

QFont ChordStandardView::fretNumberFont(QSize const& size, QString const& instrument, QFont font)
{
    int const cells = cellCount(instrument);
    QString const widest = QString::number(instrument == kBass2 ? cells + 4 : cells);
    int const room = cellWidth(size, instrument) - kGap;
    int pixels = size.height() / 7 - 2;
    for (; pixels > kSmallestNumber; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(widest) <= room)
            return font;
    }
    font.setPixelSize(qMax(1, pixels));
    return font;
}

void ChordStandardView::paintEvent(QPaintEvent* event)
{
    ChordBaseView::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (isPiano())
        drawKeys(&painter);
    else
        drawStrings(&painter);
}

void ChordStandardView::drawStrings(QPainter* painter)
{
    int const w = width();
    int const h = height();
    drawName(painter);

    int const n = m_vecTab.size();
    int const d = (h - 10) / (n + 1);
    painter->setFont(fretNumberFont(size(), m_strInstrumentName, painter->font()));

    for (int k = 1; k <= n; ++k)
        painter->drawLine(kMargin, 10 + k * d, w - kMargin, 10 + k * d);

    bool const bass2 = m_strInstrumentName == kBass2;
    int const cells = cellCount(m_strInstrumentName);
    int const fw = cellWidth(size(), m_strInstrumentName);
    int const m = m_strInstrumentName == kBanjo ? n - 1 : n;
    int const yTop = 10 + d;
    int const yBottom = 10 + m * d;
    int const yNumbers = 10 + (m + 1) * d;
    for (int f = 0; f <= cells; ++f) {
        int const x = int(float(f) * float(fw) + 30.0f);
        painter->drawLine(x, yTop, x, yBottom);
        if (f >= 1)
            painter->drawText(x - fw / 2 - 3, yNumbers, QString::number(bass2 ? f + 4 : f));
    }

    int const s = markSize(size(), n, m_strInstrumentName);
    for (int i = 0; i < n; ++i) {
        painter->save();
        painter->setPen(inkPen());
        int const v = m_vecTab.at(i);
        int const top = 10 + (n - i) * d - s / 2;
        QRect const nutBox(kMargin - h / 40 - s, top, s, s);
        if (v >= 1) {
            painter->setBrush(Qt::black);
            int const cell = bass2 ? v - 4 : v;
            painter->drawEllipse(QRect(cell * fw - fw / 2 - s / 2 + kMargin, top, s, s));
        } else if (v == 0) {
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(nutBox);
        } else {
            painter->drawLine(nutBox.topLeft(), QPoint(nutBox.left() + s, top + s));
            painter->drawLine(QPoint(nutBox.left() + s, top), QPoint(nutBox.left(), top + s));
        }
        painter->restore();
    }

    if (!bass2) {
        QPen pen = painter->pen();
        pen.setWidth(h / 20);
        painter->setPen(pen);
        painter->drawLine(kMargin, yTop, kMargin, yBottom);
    }
}

void ChordStandardView::drawKeys(QPainter* painter)
{
    drawKeyboard(painter, QStringLiteral("a_"));
}

} // namespace RADarir
