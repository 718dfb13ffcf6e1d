#include "RADarir/tuners/TunersExplorer.h"

#include "RADarir/tuners/TunersCommonPanel.h"
#include "ZEDireroz/frame/Common.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kButtonSide = 92;
constexpr int kGridMargin = 15;

struct ButtonEntry
{
    char const* objectName;
    void (TunersExplorer::*signal)();
    int row;
    int column;
    char const* label;
};

ButtonEntry const kButtons[] = {
    {"GuitarButton", &TunersExplorer::showGuitar, 0, 0, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Guitar")},
    {"BassGuitarButton", &TunersExplorer::showBassGuitar, 2, 0,
     QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "BassGuitar")},
    {"UkuleleButton", &TunersExplorer::showUkulele, 4, 0, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Ukulele")},
    {"BanjoButton", &TunersExplorer::showBanjo, 6, 0, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Banjo")},
    {"ViolinButton", &TunersExplorer::showViolin, 0, 1, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Violin")},
    {"ViolaButton", &TunersExplorer::showViola, 2, 1, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Viola")},
    {"CelloButton", &TunersExplorer::showCello, 4, 1, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Cello")},
    {"DoubleBassButton", &TunersExplorer::showDoubleBass, 6, 1,
     QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "DoubleBass")},
    {"MandolinButton", &TunersExplorer::showMandolin, 0, 2, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Mandolin")},
    {"BalalaikaButton", &TunersExplorer::showBalalaika, 2, 2,
     QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Balalaika")},
    {"DombraButton", &TunersExplorer::showDombra, 4, 2, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Dombra")},
    {"HarmonautButton", &TunersExplorer::showMore, 6, 2, QT_TRANSLATE_NOOP("RADarir::TunersExplorer", "Harmonaut")},
};

// The sibling application's button is the one outside the instrument group.
constexpr char kSiblingButton[] = "HarmonautButton";

} // namespace

TunersExplorer::TunersExplorer(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("TunersExplorer"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_pPanel = new TunersCommonPanel(nullptr);
    connect(m_pPanel, &TunersCommonPanel::repeatModeChangedTo, this, &TunersExplorer::repeatModeChangedTo);
    // The explorer owns the group, so that it goes with the explorer.
    m_pGroup = new QButtonGroup(this);
    m_pGroup->setExclusive(true);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(kGridMargin, kGridMargin, kGridMargin, kGridMargin);
    QPushButton* guitar = nullptr;
    for (ButtonEntry const& entry : kButtons) {
        auto* button = new QPushButton;
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setFlat(true);
        button->setObjectName(QLatin1String(entry.objectName));
        bool const instrument = qstrcmp(entry.objectName, kSiblingButton) != 0;
        button->setCheckable(instrument);
        if (instrument)
            m_pGroup->addButton(button);
        connect(button, &QPushButton::clicked, this, entry.signal);
        if (!guitar)
            guitar = button;
        grid->addWidget(button, entry.row, entry.column);
        grid->addWidget(new QLabel(QStringLiteral("<center>%1</center>").arg(tr(entry.label))), entry.row + 1,
                        entry.column);
    }
    guitar->setChecked(true);
    auto* layout = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(layout);
    layout->addWidget(m_pPanel);
    layout->addStretch(1);
    layout->addLayout(grid);
    setLayout(layout);
}

TunersExplorer::~TunersExplorer() = default;

} // namespace RADarir
