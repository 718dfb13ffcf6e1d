#include "RADarir/metronome/MetronomeControls.h"

#include "ZEDireroz/frame/Common.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace RADarir {

MetronomeControls::TempoRange const MetronomeControls::sm_aRanges[kTempoRangeCount] = {
    {QT_TR_NOOP("Largo"), 38, 56},     {QT_TR_NOOP("Adagio"), 57, 70},    {QT_TR_NOOP("Andante"), 71, 96},
    {QT_TR_NOOP("Moderato"), 97, 108}, {QT_TR_NOOP("Allegro"), 109, 168}, {QT_TR_NOOP("Presto"), 169, 208},
};

namespace {

// Pieces whose pictures join into one (the tempo display between its minus and
// plus ends, the beat picture before the beats button) read left to right in
// every language: mirrored, their rounded ends would face inward.
QWidget* joinedGroup(std::initializer_list<QWidget*> pieces)
{
    auto* group = new QWidget;
    group->setLayoutDirection(Qt::LeftToRight);
    auto* row = new QHBoxLayout(group);
    ZEDireroz::Common::zeroMargins(row, 0);
    for (QWidget* piece : pieces)
        row->addWidget(piece);
    return group;
}

} // namespace

MetronomeControls::MetronomeControls(QWidget* parent)
    : QFrame(parent)
    , m_pVisibleTickButton(new QPushButton)
    , m_pAudibleTickButton(new QPushButton)
    , m_pTempoList(new QTreeWidget)
    , m_pBeatsButton(new QPushButton)
    , m_pBeatButton(new QPushButton)
    , m_pTempoLabel(new QLabel)
    , m_pTempoIncButton(new QPushButton)
    , m_pTempoDecButton(new QPushButton)
    , m_nBeatsCount(4)
{
    setObjectName("MetronomeControls");

    m_pVisibleTickButton->setObjectName("VisibleTickButton");
    m_pVisibleTickButton->setCheckable(true);
    m_pVisibleTickButton->setFlat(true);
    m_pVisibleTickButton->setToolTip(tr("Visible Tick"));
    connect(m_pVisibleTickButton, &QPushButton::toggled, this, &MetronomeControls::visibleTickChanged);

    m_pAudibleTickButton->setObjectName("AudiableTickButton");
    m_pAudibleTickButton->setCheckable(true);
    m_pAudibleTickButton->setFlat(true);
    m_pAudibleTickButton->setToolTip(tr("Audible Tick"));
    connect(m_pAudibleTickButton, &QPushButton::toggled, this, &MetronomeControls::audibleTickChanged);

    // The tempo ranges.
    m_pTempoList->setColumnCount(2);
    m_pTempoList->setHeaderLabels({tr("Name"), tr("Range")});
    m_pTempoList->setHeaderHidden(true);
    bool const pocket = ZEDireroz::Common::isPocketDevice();
    m_pTempoList->setColumnWidth(0, pocket ? 65 : 115);
    m_pTempoList->setColumnWidth(1, 30);
    m_pTempoList->setSortingEnabled(false);
    m_pTempoList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTempoList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTempoList->setRootIsDecorated(false);
    m_pTempoList->setAttribute(Qt::WA_MacShowFocusRect, false);
    for (int i = 0; i < kTempoRangeCount; ++i) {
        TempoRange const& r = sm_aRanges[i];
        //: A tempo range in beats per minute, lower and upper bound.
        QString const range = tr("%1-%2").arg(r.lower).arg(r.upper);
        m_aRangeItems[i] = new QTreeWidgetItem(m_pTempoList, {tr(r.name), range});
    }
    m_pTempoList->setCurrentItem(m_aRangeItems[0]);
    connect(m_pTempoList, &QTreeWidget::currentItemChanged, this, &MetronomeControls::slotCurrentItemChanged);

    // Beats per bar. The number travels in each action's data: desktop styles
    // add "&" shortcuts to menu texts, so the text cannot be read back.
    m_pBeatsButton->setObjectName("BeatCombo");
    m_pBeatsButton->setText(QString::number(m_nBeatsCount));
    m_pBeatsButton->setFlat(true);
    auto* menu = new QMenu(m_pBeatsButton);
    for (int n : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) {
        QAction* action = menu->addAction(QString::number(n));
        action->setData(n);
        connect(action, &QAction::triggered, this, &MetronomeControls::slotBeatsCountChanged);
    }
    m_pBeatsButton->setMenu(menu);

    m_pBeatButton->setObjectName("BeatButton");
    m_pBeatButton->setFlat(true);

    m_pTempoLabel->setObjectName("TempoLabel");
    m_pTempoLabel->setText(QString::number(kMinTempo));
    m_pTempoLabel->setAlignment(Qt::AlignCenter);

    m_pTempoIncButton->setObjectName("TempoIncButton");
    m_pTempoIncButton->setFlat(true);
    connect(m_pTempoIncButton, &QPushButton::clicked, this, &MetronomeControls::slotTempoInc);

    m_pTempoDecButton->setObjectName("TempoDecButton");
    m_pTempoDecButton->setFlat(true);
    connect(m_pTempoDecButton, &QPushButton::clicked, this, &MetronomeControls::slotTempoDec);

    auto* tempoRow = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(tempoRow, 0);
    tempoRow->addStretch(1);
    tempoRow->addWidget(joinedGroup({m_pTempoDecButton, m_pTempoLabel, m_pTempoIncButton}));
    tempoRow->addStretch(1);

    auto* listRow = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(listRow, 0);
    listRow->addStretch(1);
    listRow->addWidget(m_pTempoList);
    listRow->addStretch(1);

    auto* switchRow = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(switchRow, 0);
    switchRow->addSpacing(5);
    switchRow->addWidget(m_pVisibleTickButton);
    switchRow->addSpacing(5);
    switchRow->addWidget(m_pAudibleTickButton);
    switchRow->addSpacing(5);
    switchRow->addWidget(joinedGroup({m_pBeatButton, m_pBeatsButton}));

    auto* column = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(column, 4);
    column->addLayout(tempoRow);
    column->addLayout(listRow);
    column->addLayout(switchRow);
    setLayout(column);
}

MetronomeControls::~MetronomeControls() = default;

int MetronomeControls::interval() const
{
    bool ok = false;
    int const bpm = m_pTempoLabel->text().toInt(&ok);
    return ok ? bpm : 1000;
}

void MetronomeControls::setInterval(int bpm)
{
    bpm = qBound(int(kMinTempo), bpm, int(kMaxTempo));
    m_pTempoLabel->setText(QString::number(bpm));
    emit intervalChanged(bpm);
}

QTreeWidgetItem* MetronomeControls::rangeItem(int bpm) const
{
    for (int i = 0; i < kTempoRangeCount; ++i)
        if (bpm >= sm_aRanges[i].lower && bpm <= sm_aRanges[i].upper)
            return m_aRangeItems[i];
    return nullptr;
}

int MetronomeControls::rangeLowerBound(QTreeWidgetItem const* item) const
{
    for (int i = 0; i < kTempoRangeCount; ++i)
        if (item && m_aRangeItems[i] == item)
            return sm_aRanges[i].lower;
    return 0;
}

void MetronomeControls::setSelectListItem(int bpm)
{
    QTreeWidgetItem* item = rangeItem(bpm);
    if (!item || item == m_pTempoList->currentItem())
        return;
    m_pTempoList->setCurrentItem(item);
}

void MetronomeControls::slotTempoInc()
{
    bool ok = false;
    int const tempo = m_pTempoLabel->text().toInt(&ok);
    if (!ok)
        return;
    int const bpm = qMin(tempo + 1, int(kMaxTempo));
    setInterval(bpm);
    // Crossing into the next range lets the list jump to that range's lower
    // bound, which is this very tempo.
    setSelectListItem(bpm);
}

void MetronomeControls::slotTempoDec()
{
    bool ok = false;
    int const tempo = m_pTempoLabel->text().toInt(&ok);
    if (!ok)
        return;
    int const bpm = qMax(tempo - 1, int(kMinTempo));
    setInterval(bpm);
    // Going down into the previous range must not jump to its lower bound.
    bool const blocked = m_pTempoList->blockSignals(true);
    setSelectListItem(bpm);
    m_pTempoList->blockSignals(blocked);
}

void MetronomeControls::slotCurrentItemChanged()
{
    int const lower = rangeLowerBound(m_pTempoList->currentItem());
    if (lower > 0)
        setInterval(lower);
}

void MetronomeControls::slotBeatsCountChanged()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    bool ok = false;
    int const n = action->data().toInt(&ok);
    if (!ok)
        return;
    m_pBeatsButton->setText(QString::number(n));
    m_nBeatsCount = n;
    emit beatsCountChanged(n);
}

} // namespace RADarir
