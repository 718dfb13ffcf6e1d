#include "ZEDireroz/widgets/ComboProgress.h"

#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace ZEDireroz {

namespace {

constexpr int kDone = 100;

} // namespace

ComboProgress::ComboProgress(QWidget* parent)
    : QWidget(parent)
    , m_pProgressBar(new QProgressBar)
    , m_pStopButton(new QPushButton)
    , m_pLabel(new QLabel)
{
    Common::extend(m_pStopButton, QStringLiteral("ComboProgressStop"), tr("Stop"));
    m_pStopButton->setFixedSize(20, 20);
    m_pStopButton->setFlat(true);
    auto* layout = new QHBoxLayout;
    Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addWidget(m_pProgressBar);
    layout->addWidget(m_pStopButton);
    layout->addWidget(m_pLabel);
    setLayout(layout);
    connect(m_pStopButton, &QPushButton::clicked, this, &ComboProgress::slotStopPressed);
    setLabelMode(true);
}

int ComboProgress::progress() const
{
    return m_pProgressBar->value();
}

void ComboProgress::setLabelMode(bool on)
{
    // Decided by the box's own mode, not by what is on screen, so that progress
    // set before the box is first shown is not lost.
    m_bLabelMode = on;
    m_pLabel->setVisible(on);
    m_pProgressBar->setVisible(!on);
    m_pStopButton->setVisible(!on);
}

void ComboProgress::slotSetProgress(int value)
{
    if (value >= kDone) {
        m_bRunEnded = true;
        setLabelMode(true);
        return;
    }
    if (m_bRunEnded || value <= 0 || value < progress()) {
        m_bRunEnded = false;
        m_bStopped = false;
    }
    m_pProgressBar->setValue(qMax(0, value));
    if (!m_bStopped)
        setLabelMode(false);
}

void ComboProgress::slotStopPressed()
{
    m_bStopped = true;
    setLabelMode(true);
}

} // namespace ZEDireroz
