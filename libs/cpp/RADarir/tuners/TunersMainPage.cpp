#include "RADarir/tuners/TunersMainPage.h"

#include "RADarir/tuners/InstrumentTuners.h"
#include "RADarir/tuners/TunerTables.h"
#include "RADarir/tuners/TunersExplorer.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/PromotionLinks.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QStackedWidget>

namespace RADarir {

namespace {

// The tuners keep a size of their own: the metronome's window keeps its own
// under "Width" and "Height".
QString const kWidthKey = QStringLiteral("TunersWidth");
QString const kHeightKey = QStringLiteral("TunersHeight");
constexpr int kSeparatorStyle = QFrame::VLine | QFrame::Raised;

} // namespace

TunersMainPage::TunersMainPage(QWidget* parent, bool hideExplorer)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("MainPage"));
    setStyleSheet(styleSheetText());
    m_pExplorer = new TunersExplorer(nullptr);
    // Not shown while it has no parent: it would appear as a window of its own.
    if (hideExplorer)
        m_pExplorer->hide();
    m_pStack = new QStackedWidget;
    createPages();
    createConnections();
    createLayout();
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    resize(app->settingsValue(kWidthKey, kDefaultWidth).toInt(),
           app->settingsValue(kHeightKey, kDefaultHeight).toInt());
    slotShowGuitar();
}

TunersMainPage::~TunersMainPage()
{
    saveSize();
}

void TunersMainPage::createPages()
{
    m_pViolinTuner = new ViolinTuner(nullptr);
    m_pViolaTuner = new ViolaTuner(nullptr);
    m_pCelloTuner = new CelloTuner(nullptr);
    m_pDoubleBassTuner = new DoubleBassTuner(nullptr);
    m_pGuitarTuner = new GuitarTuner(nullptr);
    m_pBassGuitarTuner = new BassGuitarTuner(nullptr);
    m_pUkuleleTuner = new UkuleleTuner(nullptr);
    m_pBanjoTuner = new BanjoTuner(nullptr);
    m_pBalalaikaTuner = new BalalaikaTuner(nullptr);
    m_pMandolinTuner = new MandolinTuner(nullptr);
    m_pDombraTuner = new DombraTuner(nullptr);
    for (QWidget* page : std::initializer_list<QWidget*>{
             m_pGuitarTuner, m_pBassGuitarTuner, m_pUkuleleTuner, m_pBanjoTuner, m_pViolinTuner, m_pViolaTuner,
             m_pCelloTuner, m_pDoubleBassTuner, m_pBalalaikaTuner, m_pMandolinTuner, m_pDombraTuner})
        m_pStack->addWidget(page);
}

void TunersMainPage::createConnections()
{
    TunersExplorer* e = m_pExplorer;
    connect(e, &TunersExplorer::showViolin, this, &TunersMainPage::slotShowViolin);
    connect(e, &TunersExplorer::showViola, this, &TunersMainPage::slotShowViola);
    connect(e, &TunersExplorer::showCello, this, &TunersMainPage::slotShowCello);
    connect(e, &TunersExplorer::showDoubleBass, this, &TunersMainPage::slotShowDoubleBass);
    connect(e, &TunersExplorer::showGuitar, this, &TunersMainPage::slotShowGuitar);
    connect(e, &TunersExplorer::showBassGuitar, this, &TunersMainPage::slotShowBassGuitar);
    connect(e, &TunersExplorer::showUkulele, this, &TunersMainPage::slotShowUkulele);
    connect(e, &TunersExplorer::showBanjo, this, &TunersMainPage::slotShowBanjo);
    connect(e, &TunersExplorer::showBalalaika, this, &TunersMainPage::slotShowBalalaika);
    connect(e, &TunersExplorer::showMandolin, this, &TunersMainPage::slotShowMandolin);
    connect(e, &TunersExplorer::showDombra, this, &TunersMainPage::slotShowDombra);
    connect(e, &TunersExplorer::showMore, this, &TunersMainPage::slotGotoPromotedApp);
    connect(e, &TunersExplorer::repeatModeChangedTo, this, &TunersMainPage::slotSetRepeatMode);
}

void TunersMainPage::createLayout()
{
    auto* separator = new QFrame;
    separator->setFrameStyle(kSeparatorStyle);
    separator->setLineWidth(2);
    separator->setObjectName(QStringLiteral("MainSeparator"));
    auto* layout = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(layout);
    layout->setSpacing(2);
    layout->addWidget(m_pExplorer);
    layout->addWidget(separator);
    layout->addWidget(m_pStack);
    setLayout(layout);
}

QList<TunerBasePage*> TunersMainPage::pages() const
{
    QList<TunerBasePage*> list;
    for (int i = 0; i < m_pStack->count(); ++i)
        list << static_cast<TunerBasePage*>(m_pStack->widget(i));
    return list;
}

void TunersMainPage::hideAppOptionsOnEachPage()
{
    for (TunerBasePage* page : pages())
        page->hideAppOptions();
}

void TunersMainPage::saveSize()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    app->setSettingsValue(kWidthKey, width());
    app->setSettingsValue(kHeightKey, height());
}

void TunersMainPage::closeEvent(QCloseEvent* event)
{
    saveSize();
    QFrame::closeEvent(event);
}

// clang-format off
void TunersMainPage::slotShowViolin() { m_pStack->setCurrentWidget(m_pViolinTuner); }
void TunersMainPage::slotShowViola() { m_pStack->setCurrentWidget(m_pViolaTuner); }
void TunersMainPage::slotShowCello() { m_pStack->setCurrentWidget(m_pCelloTuner); }
void TunersMainPage::slotShowDoubleBass() { m_pStack->setCurrentWidget(m_pDoubleBassTuner); }
void TunersMainPage::slotShowGuitar() { m_pStack->setCurrentWidget(m_pGuitarTuner); }
void TunersMainPage::slotShowBassGuitar() { m_pStack->setCurrentWidget(m_pBassGuitarTuner); }
void TunersMainPage::slotShowUkulele() { m_pStack->setCurrentWidget(m_pUkuleleTuner); }
void TunersMainPage::slotShowBanjo() { m_pStack->setCurrentWidget(m_pBanjoTuner); }
void TunersMainPage::slotShowBalalaika() { m_pStack->setCurrentWidget(m_pBalalaikaTuner); }
void TunersMainPage::slotShowMandolin() { m_pStack->setCurrentWidget(m_pMandolinTuner); }
void TunersMainPage::slotShowDombra() { m_pStack->setCurrentWidget(m_pDombraTuner); }
// clang-format on

void TunersMainPage::slotSetRepeatMode(bool on)
{
    for (TunerBasePage* page : pages())
        page->slotSetRepeatMode(on);
}

void TunersMainPage::slotGotoPromotedApp()
{
    TunerTables::App const& app = TunerTables::kApps[TunerTables::Harmonaut];
    QDesktopServices::openUrl(
        ZEDireroz::PromotionLinks::storeLink(QString::fromLatin1(app.storeName), QString::fromLatin1(app.storeId)));
}

} // namespace RADarir
