#include "RADarir/metronome/MetronomeMainPage.h"

#include "RADarir/metronome/Metronome.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QVBoxLayout>

namespace RADarir {

MetronomeMainPage::MetronomeMainPage(QWidget* parent)
    : QFrame(parent)
    , m_pPromoMenuBar(nullptr)
    , m_pMetronome(nullptr)
{
    setObjectName("MetronomeMainPage");
    setMinimumSize(200, 200);

    // This application is not rated from its own bar.
    m_pPromoMenuBar = new ZEDireroz::PromoMenuBar(nullptr);
    m_pPromoMenuBar->hideRateButton();

    m_pMetronome = new Metronome(nullptr);

    auto* layout = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(layout, 0);
    layout->addWidget(m_pPromoMenuBar);
    layout->addWidget(m_pMetronome);
    setLayout(layout);
}

MetronomeMainPage::~MetronomeMainPage() = default;

} // namespace RADarir
