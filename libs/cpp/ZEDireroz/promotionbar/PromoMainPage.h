#pragma once
// A bare main page with the promotion bar across its top; its owner adds the
// content below the bar.

#include <QFrame>

namespace ZEDireroz {

class PromoMenuBar;

class PromoMainPage : public QFrame
{
    Q_OBJECT
public:
    explicit PromoMainPage(QWidget* parent = nullptr);

    PromoMenuBar* promoMenuBar() const { return m_pPromoMenuBar; }

private:
    PromoMenuBar* m_pPromoMenuBar;
};

} // namespace ZEDireroz
