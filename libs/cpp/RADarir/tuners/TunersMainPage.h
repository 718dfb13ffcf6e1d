#pragma once
// The complete tuners screen: the instrument chooser on the left, a separator
// line and a stack of the eleven instrument pages on the right. The page keeps
// its own size in the settings and carries its own style sheet.

#include <QFrame>
#include <QString>

class QStackedWidget;

namespace RADarir {

class BalalaikaTuner;
class BanjoTuner;
class BassGuitarTuner;
class CelloTuner;
class DombraTuner;
class DoubleBassTuner;
class GuitarTuner;
class MandolinTuner;
class TunerBasePage;
class TunersExplorer;
class UkuleleTuner;
class ViolaTuner;
class ViolinTuner;

class TunersMainPage : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 736;
    static constexpr int kDefaultHeight = 636;

    TunersMainPage(QWidget* parent, bool hideExplorer);
    ~TunersMainPage() override;

    // The tuners' style sheet; it styles this page and what opens over it.
    static QString const& styleSheetText();

    void hideAppOptionsOnEachPage();
    // Stores the page's size under its own keys; called on close and when the page goes.
    void saveSize();

    TunersExplorer* explorer() const { return m_pExplorer; }
    QStackedWidget* stack() const { return m_pStack; }
    QList<TunerBasePage*> pages() const;

public slots:
    void slotShowViolin();
    void slotShowViola();
    void slotShowCello();
    void slotShowDoubleBass();
    void slotShowGuitar();
    void slotShowBassGuitar();
    void slotShowUkulele();
    void slotShowBanjo();
    void slotShowBalalaika();
    void slotShowMandolin();
    void slotShowDombra();
    void slotSetRepeatMode(bool on);
    void slotGotoPromotedApp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void createConnections();
    void createLayout();

    ViolinTuner* m_pViolinTuner = nullptr;
    ViolaTuner* m_pViolaTuner = nullptr;
    CelloTuner* m_pCelloTuner = nullptr;
    DoubleBassTuner* m_pDoubleBassTuner = nullptr;
    GuitarTuner* m_pGuitarTuner = nullptr;
    BassGuitarTuner* m_pBassGuitarTuner = nullptr;
    UkuleleTuner* m_pUkuleleTuner = nullptr;
    BanjoTuner* m_pBanjoTuner = nullptr;
    BalalaikaTuner* m_pBalalaikaTuner = nullptr;
    MandolinTuner* m_pMandolinTuner = nullptr;
    DombraTuner* m_pDombraTuner = nullptr;
    QStackedWidget* m_pStack = nullptr;
    TunersExplorer* m_pExplorer = nullptr;
};

} // namespace RADarir
