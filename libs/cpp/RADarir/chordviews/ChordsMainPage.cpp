#include "RADarir/chordviews/ChordsMainPage.h"

#include "RADarir/chordviews/ChordView.h"
#include "RADarir/chordviews/ChordsStyle.h"
#include "RADarir/music/ChordsButtonsPanel.h"
#include "RADarir/music/Transposer.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QApplication>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 600;

} // namespace

ChordsMainPage::ChordsMainPage(QWidget* parent)
    : BaseMainPage(parent)
    , m_vecSounds(kChordCount)
    , m_vecTabs(kChordCount)
{
    setObjectName(QStringLiteral("MainPage"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    if (ZEDireroz::App const* app = ZEDireroz::App::theApp())
        m_strResourcesPath = app->bundleResourcePath();
    createWidgets();
    createConnections();
    createLayout();
}

ChordsMainPage::~ChordsMainPage() = default;

void ChordsMainPage::createWidgets()
{
    m_pChordsButtonsPanel = new ChordsButtonsPanel;
    m_pChordView = new ChordView;
    m_pTransposer = new Transposer;
    m_pTransposer->setChordsButtonsPanel(m_pChordsButtonsPanel);
    if (ZEDireroz::Common::isPocketDevice()) {
        m_pChordsButtonsPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        m_pChordView->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
}

void ChordsMainPage::createConnections()
{
    connect(m_pChordsButtonsPanel, &ChordsButtonsPanel::chordChanged, this, &ChordsMainPage::slotSetChordAndName);
    connect(m_pChordView, &ChordView::play, this, &ChordsMainPage::slotPlay);
    connect(m_pTransposer, &Transposer::play, this, &ChordsMainPage::slotPlay);
}

void ChordsMainPage::createLayout()
{
    auto* layout = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addWidget(promoMenuBar());
    layout->addWidget(m_pChordsButtonsPanel);
    layout->addWidget(m_pChordView);
    layout->addWidget(m_pTransposer);
    setLayout(layout);
}

void ChordsMainPage::setInstrumentName(QString const& id)
{
    m_pChordView->setInstrumentName(id);
}

void ChordsMainPage::setDelay(int delay)
{
    m_nDelay = delay;
}

void ChordsMainPage::createSound(QString const&)
{
}

void ChordsMainPage::applyStyle()
{
    qApp->setStyleSheet(chordsStyleSheet(ZEDireroz::Common::isPocketDevice()));
}

int ChordsMainPage::currentTransposerChordIndex() const
{
    return m_pTransposer->currentChordIndex();
}

void ChordsMainPage::setCurrentTransposerChordIndex(int index)
{
    m_pTransposer->setCurrentChordIndex(index);
}

QStringList ChordsMainPage::currentTransposerChords() const
{
    return m_pTransposer->currentChords();
}

void ChordsMainPage::updateTransposerState()
{
    m_pTransposer->updateState();
}

void ChordsMainPage::setCurrentTransposerChords(QStringList const& chords)
{
    m_pTransposer->setCurrentChords(chords);
}

void ChordsMainPage::recreateFavoritesMenu()
{
    m_pTransposer->recreateFavoritesMenu();
}

void ChordsMainPage::setCurrentChord(QString const& name)
{
    m_pChordsButtonsPanel->setChord(name);
}

QString ChordsMainPage::currentChord() const
{
    return m_pChordsButtonsPanel->currentChord();
}

void ChordsMainPage::slotSetChordAndName(int n, QString const& str)
{
    m_nCurrentChord = n;
    m_pChordView->setChordTabAndName(n, m_vecTabs.value(n), str);
}

void ChordsMainPage::slotPlay()
{
    slotPlayChord(m_vecSounds.value(m_nCurrentChord));
}

void ChordsMainPage::slotPlayChord(QStringList const& sounds)
{
    // A copy: a player's start must not change the list being walked.
    QStringList const paths = sounds;
    for (QString const& path : paths) {
        if (!path.isEmpty())
            playSample(path);
    }
}

QMMultiMedia::NativeAudioPlayer* ChordsMainPage::playSample(QString const& path)
{
    auto* player = new QMMultiMedia::NativeAudioPlayer;
    connect(player, &QMMultiMedia::NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(path);
    return player;
}

} // namespace RADarir
