#include "MetronomeMainPage.h"

#include "Metronome.h"

#include <QVBoxLayout>

namespace RADarir {

MetronomeMainPage::MetronomeMainPage(QWidget* parent)
    : QFrame(parent)
    , m_pMetronome(nullptr)
{
    setObjectName("MetronomeMainPage");
    setMinimumSize(200, 200);

    // The promotion bar goes here, above the metronome.

    m_pMetronome = new Metronome(nullptr);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pMetronome);
    setLayout(layout);
}

MetronomeMainPage::~MetronomeMainPage() = default;

} // namespace RADarir
