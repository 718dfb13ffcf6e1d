#include "RADarir/chordviews/ChordTabView.h"

#include <QPainter>

namespace RADarir {

namespace {

constexpr int kMargin = 40;
// The second line of the double bar.
constexpr int kBarGap = 4;

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

void ChordTabView::drawStrings(QPainter* painter)
{
    int const w = width();
    int const h = height();
    drawName(painter);

    int const n = m_vecTab.size();
    int const d = (h - 10) / (n + 1);
    QFont font = painter->font();
    // The mark grows a pixel for every four strings.
    font.setPixelSize((10 * n) / 40 + h / 7);
    painter->setFont(font);
    painter->drawText(QRect(kMargin, d + 15, w - 2 * kMargin, (n - 1) * d), Qt::AlignRight | Qt::AlignVCenter,
                      QStringLiteral("T\nA\nB"));

    font.setPixelSize(h / 7);
    painter->setFont(font);
    for (int k = 1; k <= n; ++k) {
        int const y = 15 + k * d;
        painter->drawLine(kMargin, y, w - kMargin, y);
        int const value = m_vecTab.at(n - k);
        if (value >= 0)
            painter->drawText(w / 2, y + h / 14 - 1, QString::number(value));
    }

    painter->drawLine(kMargin, d + 15, kMargin, n * d + 15);
    painter->drawLine(kMargin + kBarGap, d + 15, kMargin + kBarGap, n * d + 15);
}

void ChordTabView::drawKeys(QPainter* painter)
{
    drawKeyboard(painter, QStringLiteral("b_"));
}

} // namespace RADarir
