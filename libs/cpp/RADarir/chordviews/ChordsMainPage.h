#pragma once
// The chord page every instrument chord page derives from. It stacks the
// promotion bar, the chord buttons panel, the chord view and the transposer in
// one column, keeps the instrument's two chord tables (a tab and a list of
// sample files for each of the 132 chord indexes), shows the chord the panel
// reports, and plays every sample of the current chord at once.
//
// An instrument page, in its constructor: builds its sample paths from
// m_strResourcesPath, calls setInstrumentName and setDelay, calls its own
// initChords (which fills entry i of m_vecTabs and m_vecSounds for every
// chord index i), and shows chord 0 "A" with m_pChordView->setChordTabAndName.
// Its addShopMenu creates its shop with the page as parent, stores it in
// m_pShop and calls doShopConnections(). Whoever constructs an instrument
// page calls addShopMenu() (and, where wanted, applyStyle()) afterwards.

#include "RADarir/music/BaseMainPage.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace QMMultiMedia {
class NativeAudioPlayer;
}

namespace RADarir {

class ChordView;
class ChordsButtonsPanel;
class Transposer;

class ChordsMainPage : public BaseMainPage
{
    Q_OBJECT
public:
    static constexpr int kChordCount = 132;

    explicit ChordsMainPage(QWidget* parent = nullptr);
    ~ChordsMainPage() override;

    // Hands the instrument identifier to the chord view; the page keeps no copy.
    void setInstrumentName(QString const& id);
    // The instrument's delay. Nothing here reads it: a chord's samples all
    // start at the same moment.
    void setDelay(int delay);
    int delay() const { return m_nDelay; }
    int currentChordIndex() const { return m_nCurrentChord; }

    // Does nothing; kept for the pages that call it.
    void createSound(QString const& path);
    // Fills the chord pages' style sheet for this device and sets it on the application.
    static void applyStyle();

    // The transposer's sequence and favorites.
    int currentTransposerChordIndex() const;
    void setCurrentTransposerChordIndex(int index);
    QStringList currentTransposerChords() const;
    void updateTransposerState();
    void setCurrentTransposerChords(QStringList const& chords);
    void recreateFavoritesMenu();
    // The panel's chord by name; setting one shows it through the panel's report.
    void setCurrentChord(QString const& name);
    QString currentChord() const;

    ChordsButtonsPanel* chordsButtonsPanel() const { return m_pChordsButtonsPanel; }
    ChordView* chordView() const { return m_pChordView; }
    Transposer* transposer() const { return m_pTransposer; }
    QVector<QStringList> const& sounds() const { return m_vecSounds; }
    QVector<QVector<int>> const& tabs() const { return m_vecTabs; }
    QString resourcesPath() const { return m_strResourcesPath; }

public slots:
    // Starts one self-deleting player for every non-empty path, all at once.
    void slotPlayChord(QStringList const& sounds);
    void slotPlay();
    void slotSetChordAndName(int n, QString const& str);

protected:
    // Fills m_vecTabs and m_vecSounds; called by the instrument page's constructor.
    virtual void initChords() = 0;
    // Starts one sample; the player deletes itself when the sound has ended,
    // also when the file is missing (its play then ends at once).
    virtual QMMultiMedia::NativeAudioPlayer* playSample(QString const& path);

    int m_nDelay = 30;
    ChordsButtonsPanel* m_pChordsButtonsPanel = nullptr;
    ChordView* m_pChordView = nullptr;
    int m_nCurrentChord = 0;
    QVector<QStringList> m_vecSounds;
    QVector<QVector<int>> m_vecTabs;
    Transposer* m_pTransposer = nullptr;
    // The bundle's resource folder, ending in "/".
    QString m_strResourcesPath;

private:
    void createWidgets();
    void createConnections();
    void createLayout();
};

} // namespace RADarir
