#pragma once
// The metronome's control block: tempo with minus and plus, the six classical
// tempo ranges, the eye (visible tick) and ear (audible tick) switches and the
// beats-per-bar menu. It keeps the tempo in its label's text and announces
// every change through signals. The widgets' pictures and sizes come from the
// application style sheet, by object name.

#include <QFrame>

class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace RADarir {

class MetronomeControls : public QFrame
{
    Q_OBJECT
public:
    static int const kMinTempo = 38;
    static int const kMaxTempo = 208;

    explicit MetronomeControls(QWidget* parent = nullptr);
    ~MetronomeControls() override;

    // The tempo in beats per minute (1000 when the label holds no number).
    int interval() const;
    int beatsCount() const { return m_nBeatsCount; }
    // Shows the tempo, kept within 38..208, and announces it even when unchanged.
    void setInterval(int bpm);
    // Makes the tempo range that holds bpm the list's current item.
    void setSelectListItem(int bpm);

signals:
    void beatsCountChanged(int beats);
    void visibleTickChanged(bool checked);
    void audibleTickChanged(bool checked);
    void intervalChanged(int bpm);

public slots:
    void slotBeatsCountChanged();
    void slotTempoInc();
    void slotTempoDec();
    void slotCurrentItemChanged();

private:
    struct TempoRange
    {
        char const* name;
        int lower;
        int upper;
    };
    // Largo to Presto.
    static constexpr int kTempoRangeCount = 6;
    static TempoRange const sm_aRanges[kTempoRangeCount];

    // The tempo range that holds bpm, or null.
    QTreeWidgetItem* rangeItem(int bpm) const;
    // The lower bound of a range item's tempos (0 for anything else).
    int rangeLowerBound(QTreeWidgetItem const* item) const;

    QPushButton* m_pVisibleTickButton;
    QPushButton* m_pAudibleTickButton;
    QTreeWidget* m_pTempoList;
    QPushButton* m_pBeatsButton;
    QPushButton* m_pBeatButton;
    QLabel* m_pTempoLabel;
    QPushButton* m_pTempoIncButton;
    QPushButton* m_pTempoDecButton;
    int m_nBeatsCount;
    QTreeWidgetItem* m_aRangeItems[kTempoRangeCount];
};

} // namespace RADarir
