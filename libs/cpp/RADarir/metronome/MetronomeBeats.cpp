#include "RADarir/metronome/MetronomeBeats.h"

#include <QHBoxLayout>
#include <QLabel>

namespace RADarir {

namespace {
int const kLampSide = 50;
int const kSmallestLampSide = 16;
} // namespace

MetronomeBeats::MetronomeBeats(QWidget* parent)
    : QFrame(parent)
    , m_nCount(kMaxBeats) // every lamp is shown until the first slotSetBeats()
    , m_nAvailableWidth(0)
{
    setObjectName("MetronomeBeats");
    setFixedHeight(60);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(7);
    for (int i = 0; i < kMaxBeats; ++i) {
        auto* lamp = new QLabel;
        lamp->setObjectName("Beat");
        lamp->setFixedSize(kLampSide, kLampSide);
        lamp->setEnabled(false);
        lamp->setAlignment(Qt::AlignCenter);
        m_vBeats.append(lamp);
        layout->addWidget(lamp);
    }
    layout->addStretch(1);
    setLayout(layout);
}

void MetronomeBeats::slotSetBeats(int n)
{
    if (n < 0 || n > kMaxBeats)
        return;
    m_nCount = n;
    for (int i = 0; i < kMaxBeats; ++i)
        m_vBeats[i]->setVisible(i < n);
    fitLamps();
}

void MetronomeBeats::setAvailableWidth(int width)
{
    m_nAvailableWidth = width;
    fitLamps();
}

void MetronomeBeats::fitLamps()
{
    int side = kLampSide;
    if (m_nAvailableWidth > 0 && m_nCount > 0) {
        QMargins const margins = layout()->contentsMargins();
        // Each shown lamp is followed by one spacing: to the next lamp, or to the stretch.
        int const room = (m_nAvailableWidth - margins.left() - margins.right()) / m_nCount - layout()->spacing();
        side = qBound(kSmallestLampSide, room, kLampSide);
    }
    for (QLabel* lamp : qAsConst(m_vBeats))
        lamp->setFixedSize(side, side);
}

void MetronomeBeats::setCurrentBeat(int index)
{
    if (index < 0 || index >= kMaxBeats)
        return;
    for (QLabel* lamp : qAsConst(m_vBeats))
        lamp->setEnabled(false);
    m_vBeats[index]->setEnabled(true);
}

} // namespace RADarir
