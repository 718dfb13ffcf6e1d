#pragma once
// The application's main window: the metronome filling the page below the
// promotion bar.

#include <QFrame>

namespace ZEDireroz {
class PromoMenuBar;
}

namespace RADarir {

class Metronome;

class MetronomeMainPage : public QFrame
{
    Q_OBJECT
public:
    explicit MetronomeMainPage(QWidget* parent = nullptr);
    ~MetronomeMainPage() override;

    // The bar across the page's top, for the caller to add its menu rows.
    ZEDireroz::PromoMenuBar* promoMenuBar() const { return m_pPromoMenuBar; }
    Metronome* metronome() const { return m_pMetronome; }

private:
    ZEDireroz::PromoMenuBar* m_pPromoMenuBar;
    Metronome* m_pMetronome;
};

} // namespace RADarir
