#include "ZEDireroz/promotionbar/PromoMainPage.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QVBoxLayout>

namespace ZEDireroz {

PromoMainPage::PromoMainPage(QWidget* parent)
    : QFrame(parent)
    , m_pPromoMenuBar(new PromoMenuBar)
{
    // The bar belongs in the page's layout: a bar without a parent would never be
    // shown and never be freed.
    QVBoxLayout* layout = new QVBoxLayout;
    Common::zeroMargins(layout, 0);
    // Kept at the top at its own height; the owner's content goes below it.
    layout->addWidget(m_pPromoMenuBar, 0, Qt::AlignTop);
    setLayout(layout);
}

} // namespace ZEDireroz
