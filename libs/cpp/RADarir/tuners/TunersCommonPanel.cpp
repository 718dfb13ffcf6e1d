#include "RADarir/tuners/TunersCommonPanel.h"

#include "RADarir/tuners/TunerSettings.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/AboutDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kDefaultPitch = 440;
constexpr int kButtonMinimumHeight = 32;
constexpr int kSpacing = 2;

QString const kPitchKey = QStringLiteral("Pitch");
QString const kRepeatKey = QStringLiteral("Repeat");

} // namespace

TunersCommonPanel::TunersCommonPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("TunersCommonPanel"));
    createWidgets();
    createPitchMenu();
    createAppMenu();
    createLayout();
    // Whichever panel changes the pitch or the repeat mode, every panel shows it.
    TunerSettings* settings = TunerSettings::instance();
    connect(settings, &TunerSettings::pitchChanged, this, &TunersCommonPanel::showPitch);
    connect(settings, &TunerSettings::repeatChanged, m_pRepeatCheckBox, &QCheckBox::setChecked);
    setPitch(storedPitch());
    m_pRepeatCheckBox->setChecked(ZEDireroz::App::theApp()->settingsValue(kRepeatKey, false).toBool());
}

TunersCommonPanel::~TunersCommonPanel() = default;

QVector<int> TunersCommonPanel::pitches()
{
    return {415, 430, 435, 439, 440, 442, 443, 445, 452, 460};
}

int TunersCommonPanel::validPitch(QVariant const& stored)
{
    bool ok = false;
    int const hz = stored.toString().trimmed().toInt(&ok);
    return ok && pitches().contains(hz) ? hz : kDefaultPitch;
}

int TunersCommonPanel::storedPitch()
{
    return validPitch(ZEDireroz::App::theApp()->settingsValue(kPitchKey, kDefaultPitch));
}

void TunersCommonPanel::setPitch(int hz)
{
    int const pitch = pitches().contains(hz) ? hz : kDefaultPitch;
    showPitch(pitch);
    TunerSettings::instance()->setPitch(pitch);
}

void TunersCommonPanel::showPitch(int hz)
{
    m_pPitchButton->setText(QStringLiteral("A4:%1Hz").arg(hz));
}

QPushButton* TunersCommonPanel::makePanelButton(QString const& text)
{
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setObjectName(QStringLiteral("PanelButton"));
    button->setMinimumHeight(kButtonMinimumHeight);
    return button;
}

void TunersCommonPanel::slotAbout()
{
    ZEDireroz::AboutDialog dialog(this);
    dialog.exec();
}

void TunersCommonPanel::slotRepeatModeChanged(bool on)
{
    emit repeatModeChangedTo(on);
    TunerSettings::instance()->setRepeat(on);
}

void TunersCommonPanel::createWidgets()
{
    m_pPitchButton = makePanelButton(tr("Pitch"));
    m_pRepeatCheckBox = new QCheckBox(tr("Repeat the Sounds"));
    m_pAppButton = makePanelButton(tr("App"));
    connect(m_pRepeatCheckBox, &QCheckBox::clicked, this, &TunersCommonPanel::slotRepeatModeChanged);
}

void TunersCommonPanel::createPitchMenu()
{
    struct Entry
    {
        char const* text;
        void (TunersCommonPanel::*slot)();
    };
    static Entry const entries[] = {
        {QT_TR_NOOP("A4:415Hz (Baroque Pitch)"), &TunersCommonPanel::slotSetPitch415},
        {QT_TR_NOOP("A4:430Hz (Scintific Pitch)"), &TunersCommonPanel::slotSetPitch430},
        {QT_TR_NOOP("A4:435Hz (France1859 Pitch)"), &TunersCommonPanel::slotSetPitch435},
        {QT_TR_NOOP("A4:439Hz (New Philarmonic Pitch)"), &TunersCommonPanel::slotSetPitch439},
        {QT_TR_NOOP("A4:440Hz (Concert Pitch)"), &TunersCommonPanel::slotSetPitch440},
        {QT_TR_NOOP("A4:442Hz (Boston Symphony Orchestra Pitch)"), &TunersCommonPanel::slotSetPitch442},
        {QT_TR_NOOP("A4:443Hz (New Berliner Philharmonic Pitch)"), &TunersCommonPanel::slotSetPitch443},
        {QT_TR_NOOP("A4:445Hz (Old Berliner Philharmonic Pitch)"), &TunersCommonPanel::slotSetPitch445},
        {QT_TR_NOOP("A4:452Hz (Old Philarmonic Pitch)"), &TunersCommonPanel::slotSetPitch452},
        {QT_TR_NOOP("A4:460Hz (Renaissance Pitch)"), &TunersCommonPanel::slotSetPitch460},
    };
    auto* menu = new QMenu(m_pPitchButton);
    for (Entry const& entry : entries)
        connect(menu->addAction(tr(entry.text)), &QAction::triggered, this, entry.slot);
    m_pPitchButton->setMenu(menu);
}

void TunersCommonPanel::createAppMenu()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    auto* menu = new QMenu(m_pAppButton);
    if (app->isAppStore())
        menu->addAction(QIcon(QStringLiteral(":/star.png")), tr("Rate this App"), app, &ZEDireroz::App::slotRateApp);
    menu->addAction(QIcon(QStringLiteral(":/share.png")), tr("Share"), app, &ZEDireroz::App::slotShareApp);
    menu->addAction(QIcon(QStringLiteral(":/moreappsicon.png")), tr("More Apps"), app,
                    &ZEDireroz::App::slotShowMoreApps);
    menu->addAction(QIcon(QStringLiteral(":/feedback.png")), tr("Contacts Us"), app, &ZEDireroz::App::slotContactUs);
    menu->addAction(QIcon(QStringLiteral(":/webpage.png")), tr("Support Page"), app, &ZEDireroz::App::slotSupportPage);
    menu->addAction(QIcon(QStringLiteral(":/appicon.png")), tr("About"), this, &TunersCommonPanel::slotAbout);
    menu->addSeparator();
    menu->addAction(tr("Quit"), app, &QCoreApplication::quit);
    m_pAppButton->setMenu(menu);
}

void TunersCommonPanel::createLayout()
{
    // The check box never gives up part of its text: where the row is too
    // narrow for it, it moves to a row of its own above the buttons.
    m_pRepeatCheckBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* rows = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(rows);
    rows->setSpacing(kSpacing);
    m_pLayout = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(m_pLayout);
    m_pLayout->setSpacing(kSpacing);
    m_pLayout->addStretch(1);
    m_pLayout->addWidget(m_pRepeatCheckBox);
    m_pLayout->addStretch(1);
    m_pLayout->addWidget(m_pPitchButton);
    m_pLayout->addStretch(1);
    m_pLayout->addWidget(m_pAppButton);
    m_pLayout->addStretch(1);
    rows->addLayout(m_pLayout);
    setLayout(rows);
}

int TunersCommonPanel::buttonsWidth() const
{
    int width = 0;
    int shown = 0;
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!button->isHidden()) {
            width += button->sizeHint().width();
            ++shown;
        }
    }
    return width + qMax(0, shown - 1) * kSpacing;
}

bool TunersCommonPanel::repeatFitsInRow(int width) const
{
    if (m_pRepeatCheckBox->isHidden())
        return true;
    return buttonsWidth() + kSpacing + m_pRepeatCheckBox->sizeHint().width() <= width;
}

void TunersCommonPanel::placeRepeatCheckBox(int width)
{
    bool const inRow = m_pLayout->indexOf(m_pRepeatCheckBox) >= 0;
    bool const fits = repeatFitsInRow(width);
    if (inRow == fits)
        return;
    auto* rows = static_cast<QVBoxLayout*>(layout());
    if (fits) {
        rows->removeWidget(m_pRepeatCheckBox);
        m_pLayout->insertWidget(1, m_pRepeatCheckBox);
    } else {
        m_pLayout->removeWidget(m_pRepeatCheckBox);
        rows->insertWidget(0, m_pRepeatCheckBox, 0, Qt::AlignHCenter);
    }
}

QSize TunersCommonPanel::minimumSizeHint() const
{
    // The narrowest panel has the check box above the buttons.
    QSize const box = m_pRepeatCheckBox->isHidden() ? QSize() : m_pRepeatCheckBox->sizeHint();
    int buttonsHeight = 0;
    // A button is as tall as its text needs, and never below its minimum.
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!button->isHidden())
            buttonsHeight = qMax(buttonsHeight, qMax(button->sizeHint().height(), button->minimumHeight()));
    }
    int const boxRow = box.isValid() ? box.height() + kSpacing : 0;
    return QSize(qMax(buttonsWidth(), box.width()), buttonsHeight + boxRow);
}

void TunersCommonPanel::resizeEvent(QResizeEvent* event)
{
    placeRepeatCheckBox(event->size().width());
    QFrame::resizeEvent(event);
}

} // namespace RADarir
