#include "RADarir/metronome/MetronomeMainPage.h"

#include "RADarir/metronome/Metronome.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kMinimumSide = 200;

} // namespace

MetronomeMainPage::MetronomeMainPage(QWidget* parent)
    : QFrame(parent)
    , m_pPromoMenuBar(nullptr)
    , m_pMetronome(nullptr)
{
    setObjectName("MetronomeMainPage");

    // This application is not rated from its own bar.
    m_pPromoMenuBar = new ZEDireroz::PromoMenuBar(nullptr);
    m_pPromoMenuBar->hideRateButton();

    m_pMetronome = new Metronome(nullptr);

    auto* layout = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(layout, 0);
    layout->addWidget(m_pPromoMenuBar);
    layout->addWidget(m_pMetronome);
    setLayout(layout);
    // Never narrower than the bar's row of buttons: a smaller window would push
    // the App menu button, and with it Quit, out of sight.
    setMinimumSize(QSize(kMinimumSide, kMinimumSide).expandedTo(layout->minimumSize()));
}

MetronomeMainPage::~MetronomeMainPage() = default;

} // namespace RADarir
