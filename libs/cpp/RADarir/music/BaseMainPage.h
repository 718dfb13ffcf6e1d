#pragma once
// The frame of a music page: a promotion bar for the concrete page to put at
// the top of its layout, and the music-shop link set of the page's instrument.
// A concrete page implements addShopMenu in three steps: create its shop with
// itself as parent, store it in m_pShop, call doShopConnections(). Whoever
// builds a concrete page calls addShopMenu() once afterwards; the More menu
// then holds a separator, the five store categories, a separator and the
// encyclopedia entry, which open the shop's links in the web browser.

#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QFrame>
#include <QPointer>

namespace RADarir {

class MusicShopBase;

class BaseMainPage : public QFrame
{
    Q_OBJECT
public:
    explicit BaseMainPage(QWidget* parent = nullptr);
    ~BaseMainPage() override;

    ZEDireroz::PromoMenuBar* promoMenuBar() const { return m_pPromoMenuBar; }
    MusicShopBase* shop() const { return m_pShop; }

    virtual void addShopMenu() = 0;

    // Appends the eight shop items to the More menu. The entries read m_pShop
    // when chosen, so they may be added before the shop is set.
    void doShopConnections();

public slots:
    void slotMustHave();
    void slotNiceToHave();
    void slotRead();
    void slotHear();
    void slotSee();
    void slotWikipedia();

protected:
    // Created without a parent; the concrete page's layout takes it. A bar
    // that no layout took is deleted with the page.
    QPointer<ZEDireroz::PromoMenuBar> m_pPromoMenuBar;
    // Set by the concrete page's addShopMenu; a child of the page.
    MusicShopBase* m_pShop = nullptr;

private:
    void addShopAction(char const* picture, QString const& text, char const* slot);
    void openLink(QString (MusicShopBase::*link)() const);
};

} // namespace RADarir
