#include "RADarir/music/Transposer.h"

#include "RADarir/music/ChordNames.h"
#include "RADarir/music/ChordsButtonsPanel.h"
#include "RADarir/music/ChordsTabBar.h"
#include "RADarir/music/FavoritesDeleteDlg.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace RADarir {

namespace {

QString const kSoundKey = QStringLiteral("TransposerSoundOn");
QChar const kEntryBreak = QLatin1Char('\n');
constexpr int kLargestShift = 11;
constexpr int kSemitones = 12;
constexpr int kButtonSide = 40;
constexpr int kButtonGap = 4;

QPushButton* makeButton(QString const& text, char const* objectName)
{
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

} // namespace

Transposer::Transposer(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Transposer"));
    m_pDeleteDialog = new FavoritesDeleteDlg(this);

    m_pTabBar = new ChordsTabBar;
    m_pTabBar->setMovable(true);
    m_pTabBar->setUsesScrollButtons(true);
    // Tabs keep the width the style gives them and stand side by side: a
    // tab stretched wider than it is painted leaves gaps, and the bar's base
    // line would show broken between them.
    m_pTabBar->setExpanding(false);
    m_pTabBar->setDrawBase(false);

    QPushButton* addButton = makeButton(QStringLiteral("+"), "PushButtonAdd");
    addButton->setToolTip(tr("Add chord"));
    addButton->setFixedSize(kButtonSide, kButtonSide);
    QPushButton* favoritesButton = makeButton(tr("Favorites"), "TransposerButton");
    favoritesButton->setFixedHeight(kButtonSide);
    createWidgets();
    createConnections(addButton);
    createTransposeMenu();
    createFavoritesMenu(favoritesButton);
    createLayout(addButton, favoritesButton);
    // The sequence starts empty.
    slotChordsCountChanged(0);
}

Transposer::~Transposer() = default;

void Transposer::createWidgets()
{
    m_pSoundButton = makeButton(tr("Sound On"), "TransposerButton");
    m_pSoundButton->setCheckable(true);
    m_pSoundButton->setFixedHeight(kButtonSide);
    updateState();
    m_pTransposeButton = makeButton(tr("Transpose"), "TransposerButton");
    m_pTransposeButton->setFixedHeight(kButtonSide);
    m_pRemoveButton = makeButton(QStringLiteral("-"), "PushButtonRemove");
    m_pRemoveButton->setToolTip(tr("Remove selected chord"));
    m_pRemoveButton->setFixedSize(kButtonSide, kButtonSide);
}

void Transposer::createConnections(QPushButton* addButton)
{
    connect(m_pTabBar, SIGNAL(tabClicked()), this, SLOT(slotTabClicked()));
    connect(m_pTabBar, SIGNAL(countChanged(int)), this, SLOT(slotChordsCountChanged(int)));
    connect(addButton, SIGNAL(clicked()), this, SLOT(slotAddChord()));
    connect(m_pRemoveButton, SIGNAL(clicked()), this, SLOT(slotRemoveChord()));
    connect(m_pSoundButton, SIGNAL(clicked()), this, SLOT(slotSoundClicked()));
}

void Transposer::createTransposeMenu()
{
    auto* menu = new QMenu(m_pTransposeButton);
    menu->setObjectName(QStringLiteral("TransposerMenu"));
    for (int n = kLargestShift; n >= 1; --n)
        menu->addAction(QString::number(n) + ChordNames::sharpMark(), this, SLOT(slotTransposeD()));
    for (int n = 1; n <= kLargestShift; ++n)
        menu->addAction(QString::number(n) + ChordNames::kFlatSign, this, SLOT(slotTransposeB()));
    m_pTransposeButton->setMenu(menu);
}

void Transposer::createFavoritesMenu(QPushButton* favoritesButton)
{
    m_pFavoritesMenu = new QMenu(favoritesButton);
    m_pFavoritesMenu->setObjectName(QStringLiteral("FavoritesMenu"));
    recreateFavoritesMenu();
    favoritesButton->setMenu(m_pFavoritesMenu);
}

void Transposer::createLayout(QPushButton* addButton, QPushButton* favoritesButton)
{
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    buttons->setContentsMargins(1, 1, 1, 1);
    buttons->addWidget(addButton);
    buttons->addSpacing(kButtonGap);
    buttons->addWidget(m_pRemoveButton);
    buttons->addSpacing(kButtonGap);
    buttons->addWidget(m_pSoundButton);
    buttons->addStretch(1);
    buttons->addWidget(m_pTransposeButton);
    buttons->addStretch(1);
    buttons->addWidget(favoritesButton);

    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(0);
    ZEDireroz::Common::zeroMargins(tabs);
    tabs->addWidget(m_pTabBar);

    int const inner = ZEDireroz::Common::isPocketDevice() ? 1 : 3;
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("TransposerFrame"));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(inner);
    column->setContentsMargins(inner, inner, inner, inner);
    column->addLayout(buttons);
    column->addLayout(tabs);

    // Narrow margins: at a chord page's smallest width the buttons' texts
    // need every pixel of the row.
    auto* layout = new QHBoxLayout;
    int const margin = ZEDireroz::Common::isPocketDevice() ? 1 : 2;
    layout->setSpacing(margin);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(frame);
    setLayout(layout);
}

void Transposer::setChordsButtonsPanel(ChordsButtonsPanel* panel)
{
    m_pPanel = panel;
}

int Transposer::currentChordIndex() const
{
    return m_pTabBar->currentIndex();
}

void Transposer::setCurrentChordIndex(int index)
{
    m_pTabBar->setCurrentIndex(index);
}

QStringList Transposer::currentChords() const
{
    QStringList chords;
    for (int i = 0; i < m_pTabBar->count(); ++i)
        chords << m_pTabBar->tabText(i);
    return chords;
}

void Transposer::setCurrentChords(QStringList const& chords)
{
    while (m_pTabBar->count() > 0)
        m_pTabBar->removeTab(m_pTabBar->count() - 1);
    for (QString const& chord : chords)
        m_pTabBar->addTab(chord);
}

// ---------------------------------------------------------------- sound

void Transposer::updateState()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    bool const on = app ? app->settingsValue(kSoundKey, true).toBool() : true;
    m_pSoundButton->setChecked(on);
    updateSoundText();
}

void Transposer::updateSoundText()
{
    m_pSoundButton->setText(m_pSoundButton->isChecked() ? tr("Sound On") : tr("Sound Off"));
}

void Transposer::slotSoundClicked()
{
    updateSoundText();
    if (ZEDireroz::App* app = ZEDireroz::App::theApp())
        app->setSettingsValue(kSoundKey, m_pSoundButton->isChecked());
}

// ---------------------------------------------------------------- editing the sequence

void Transposer::slotAddChord()
{
    if (!m_pPanel)
        return;
    m_pTabBar->addTab(m_pPanel->currentChordPart1() + kEntryBreak + m_pPanel->currentChordPart2());
}

void Transposer::slotRemoveChord()
{
    m_pTabBar->removeTab(m_pTabBar->currentIndex());
}

void Transposer::slotChordsCountChanged(int count)
{
    bool const any = count != 0;
    m_pTransposeButton->setEnabled(any);
    m_pRemoveButton->setEnabled(any);
    m_pSaveAction->setEnabled(any);
    m_pSoundButton->setEnabled(any);
}

void Transposer::slotTabClicked()
{
    int const current = m_pTabBar->currentIndex();
    if (!m_pPanel || current < 0)
        return;
    QString name = m_pTabBar->tabText(current);
    name.remove(kEntryBreak);
    // A tab that names no chord (a hand-edited favorite) is neither shown nor played.
    if (ChordsButtonsPanel::stringToChord(name) == ChordNames::kNoChord)
        return;
    m_pPanel->setChord(name);
    if (m_pSoundButton->isChecked())
        emit play();
}

// ---------------------------------------------------------------- transposition

void Transposer::slotTransposeD()
{
    transpose(qobject_cast<QAction*>(sender()), true);
}

void Transposer::slotTransposeB()
{
    transpose(qobject_cast<QAction*>(sender()), false);
}

void Transposer::transpose(QAction* action, bool up)
{
    if (!m_pPanel || !action)
        return;
    QString text = action->text();
    // Desktop styles may add "&" to menu texts for keyboard access.
    text.remove(QLatin1Char('&'));
    QString const number = up ? text.section(QLatin1Char(' '), 0, 0) : text.section(ChordNames::kFlatSign, 0, 0);
    bool ok = false;
    int const n = number.toInt(&ok);
    if (!ok)
        return;
    int const shift = up ? n % kSemitones : -(n % kSemitones);
    for (int i = 0; i < m_pTabBar->count(); ++i)
        m_pTabBar->setTabText(i, transposeEntry(m_pTabBar->tabText(i), shift));
}

QString Transposer::transposeEntry(QString const& entry, int semitones)
{
    QStringList const parts = entry.split(kEntryBreak);
    int const root = ChordNames::rootOfName(parts.first());
    if (root == ChordNames::kNoChord)
        return entry;
    QString const type = parts.size() >= 2 ? parts.last() : QString();
    bool const sharps = entry.contains(QLatin1Char('#'));
    int const pitch = ChordNames::pitchClassOfRoot(root) + semitones % kSemitones;
    return ChordNames::rootNameOfPitchClass(pitch, sharps) + kEntryBreak + type;
}

} // namespace RADarir
