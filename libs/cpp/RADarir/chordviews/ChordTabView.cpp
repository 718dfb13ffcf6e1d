#include "RADarir/chordviews/ChordTabView.h"

#include <QFontMetrics>
#include <QPainter>

namespace RADarir {

namespace {

constexpr int kMargin = 40;
// The second line of the double bar.
constexpr int kBarGap = 4;
constexpr int kTop = 15;
// Paper kept around a fret or a letter of the mark where its line is cleared.
constexpr int kClearance = 2;
constexpr int kSmallestFont = 6;

int lineSpacing(QSize const& size, int strings)
{
    return (size.height() - 10) / (strings + 1);
}

// The box the ten digits take, relative to their baseline.
QRect digitBox(QFontMetrics const& metrics)
{
    return metrics.tightBoundingRect(QStringLiteral("0123456789"));
}

// The font at the largest pixel size up to `pixels` that passes the test.
template <class Fits>
QFont fitted(QFont font, int pixels, Fits fits)
{
    for (; pixels > kSmallestFont; --pixels) {
        font.setPixelSize(pixels);
        if (fits(QFontMetrics(font)))
            return font;
    }
    font.setPixelSize(qMax(1, pixels));
    return font;
}

} // namespace

ChordTabView::ChordTabView(QWidget* parent)
    : ChordBaseView(parent)
{
}

void ChordTabView::paintEvent(QPaintEvent* event)
{
    ChordBaseView::paintEvent(event);
    QPainter painter(this);
    if (isPiano())
        drawKeys(&painter);
    else
        drawStrings(&painter);
}

int ChordTabView::lineY(QSize const& size, int strings, int k)
{
    return kTop + k * lineSpacing(size, strings);
}

QFont ChordTabView::fretFont(QSize const& size, int strings, QFont font)
{
    // Frets on neighbouring lines keep paper between them.
    int const room = lineSpacing(size, strings) - 2 * kClearance - 1;
    return fitted(font, size.height() / 7, [room](QFontMetrics const& m) { return digitBox(m).height() <= room; });
}

QFont ChordTabView::markFont(QSize const& size, int strings, QFont font)
{
    // The three letters stand one above the other within the staff.
    int const room = (strings - 1) * lineSpacing(size, strings);
    return fitted(font, (10 * strings) / 40 + size.height() / 7, [room](QFontMetrics const& m) {
        return 3 * m.tightBoundingRect(QStringLiteral("TAB")).height() + 4 * kClearance <= room;
    });
}

QVector<QRect> ChordTabView::fretRects(QSize const& size, QVector<int> const& tab, QFont const& font)
{
    int const n = tab.size();
    QFontMetrics const metrics(fretFont(size, n, font));
    QRect const digits = digitBox(metrics);
    QVector<QRect> rects;
    for (int k = 1; k <= n; ++k) {
        int const value = tab.at(n - k);
        if (value < 0) {
            rects << QRect();
            continue;
        }
        int const width = metrics.horizontalAdvance(QString::number(value));
        rects << QRect(size.width() / 2, lineY(size, n, k) - digits.height() / 2, width, digits.height());
    }
    return rects;
}

QVector<QRect> ChordTabView::markRects(QSize const& size, int strings, QFont const& font)
{
    QFontMetrics const metrics(markFont(size, strings, font));
    int const height = metrics.tightBoundingRect(QStringLiteral("TAB")).height();
    int widest = 0;
    for (QChar const letter : QStringLiteral("TAB"))
        widest = qMax(widest, metrics.horizontalAdvance(letter));
    int const staffTop = lineY(size, strings, 1);
    int const staff = (strings - 1) * lineSpacing(size, strings);
    int const step = height + 2 * kClearance;
    int const top = staffTop + (staff - 3 * step) / 2 + kClearance;
    int const left = size.width() - kMargin - widest;
    QVector<QRect> rects;
    for (int i = 0; i < 3; ++i)
        rects << QRect(left, top + i * step, widest, height);
    return rects;
}

void ChordTabView::drawStrings(QPainter* painter)
{
    int const w = width();
    drawName(painter);

    int const n = m_vecTab.size();
    int const d = lineSpacing(size(), n);
    QFont const base = painter->font();
    for (int k = 1; k <= n; ++k)
        painter->drawLine(kMargin, lineY(size(), n, k), w - kMargin, lineY(size(), n, k));
    painter->drawLine(kMargin, d + kTop, kMargin, n * d + kTop);
    painter->drawLine(kMargin + kBarGap, d + kTop, kMargin + kBarGap, n * d + kTop);

    QFont const mark = markFont(size(), n, base);
    QVector<QRect> const letters = markRects(size(), n, base);
    for (int i = 0; i < letters.size(); ++i)
        writeOnPaper(painter, mark, letters.at(i), QString(QStringLiteral("TAB").at(i)));

    QFont const fret = fretFont(size(), n, base);
    QVector<QRect> const frets = fretRects(size(), m_vecTab, base);
    for (int k = 1; k <= n; ++k) {
        if (!frets.at(k - 1).isNull())
            writeOnPaper(painter, fret, frets.at(k - 1), QString::number(m_vecTab.at(n - k)));
    }
}

void ChordTabView::writeOnPaper(QPainter* painter, QFont const& font, QRect const& box, QString const& text)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::white);
    painter->drawRect(box.adjusted(-kClearance, -kClearance, kClearance, kClearance));
    painter->restore();
    painter->setFont(font);
    // The glyphs' own box, not the line's, is centred: digits and capitals
    // sit on the baseline and reach up to the cap height.
    QRect const glyphs = QFontMetrics(font).tightBoundingRect(text);
    int const baseline = box.top() + (box.height() - glyphs.height()) / 2 - glyphs.top();
    int const left = box.left() + (box.width() - QFontMetrics(font).horizontalAdvance(text)) / 2;
    painter->drawText(left, baseline, text);
}

void ChordTabView::drawKeys(QPainter* painter)
{
    drawKeyboard(painter, QStringLiteral("b_"));
}

} // namespace RADarir
