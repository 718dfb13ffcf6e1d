#include "MetronomeBeats.h"

#include <QHBoxLayout>
#include <QLabel>

namespace RADarir {

MetronomeBeats::MetronomeBeats(QWidget* parent)
    : QFrame(parent)
    , m_nCount(kMaxBeats) // every lamp is shown until the first slotSetBeats()
{
    setObjectName("MetronomeBeats");
    setFixedHeight(60);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(7);
    for (int i = 0; i < kMaxBeats; ++i) {
        auto* lamp = new QLabel;
        lamp->setObjectName("Beat");
        lamp->setFixedSize(50, 50);
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
