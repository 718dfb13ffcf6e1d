#pragma once
// The strip at the bottom of a chord page in which the user collects a chord
// sequence, one tab per chord entry (root name, line feed, type suffix), taken
// from the chord buttons panel. The user reorders the tabs by dragging, clicks
// a tab to show the chord (and, with Sound on, to hear it: play()), removes
// tabs, shifts the whole sequence by 1 to 11 semitones, and keeps sequences as
// named favorites in the settings ("FavoritesCount", "Favorite0", ...).

#include <QFrame>
#include <QMap>
#include <QStringList>

class QAction;
class QMenu;
class QPushButton;

namespace RADarir {

class ChordsButtonsPanel;
class ChordsTabBar;
class FavoritesDeleteDlg;

class Transposer : public QFrame
{
    Q_OBJECT
public:
    explicit Transposer(QWidget* parent = nullptr);
    ~Transposer() override;

    // The panel the sequence takes its chords from and shows clicked chords
    // on; not owned. Without one, adding, clicking and transposing do nothing.
    void setChordsButtonsPanel(ChordsButtonsPanel* panel);

    // A position in the sequence (the current tab), not a chord index.
    int currentChordIndex() const;
    void setCurrentChordIndex(int index);
    QStringList currentChords() const;
    void setCurrentChords(QStringList const& chords);

    // Sets the Sound button from the setting "TransposerSoundOn".
    void updateState();
    // Shifts every tab by the number in the action's text: up for "n #",
    // down for "n♭". Numbers beyond 1 to 11 are taken modulo 12.
    void transpose(QAction* action, bool up);
    // One chord entry shifted by a number of semitones (any sign). Entries
    // holding "#" come out as naturals or sharps, the others as naturals or
    // flats; an entry whose root is no root name comes back unchanged.
    static QString transposeEntry(QString const& entry, int semitones);

    void recreateFavoritesMenu();
    void readFavorites();
    void saveFavorites();
    QMap<QString, QStringList> favorites() const { return m_favorites; }

signals:
    void play();

public slots:
    void slotSoundClicked();
    void slotTransposeD();
    void slotTransposeB();
    void slotNewFavorite();
    void slotSaveFavorite();
    void slotLoadFavorite();
    void slotDeleteFavorite();
    void slotTabClicked();
    void slotAddChord();
    void slotRemoveChord();
    void slotChordsCountChanged(int count);

private:
    void createWidgets();
    void createTransposeMenu();
    void createFavoritesMenu(QPushButton* favoritesButton);
    void createLayout(QPushButton* addButton, QPushButton* favoritesButton);
    void createConnections(QPushButton* addButton);
    void updateSoundText();

    ChordsTabBar* m_pTabBar = nullptr;
    ChordsButtonsPanel* m_pPanel = nullptr;
    QMenu* m_pFavoritesMenu = nullptr;
    QMap<QString, QStringList> m_favorites;
    QPushButton* m_pTransposeButton = nullptr;
    QAction* m_pSaveAction = nullptr;
    QPushButton* m_pRemoveButton = nullptr;
    QPushButton* m_pSoundButton = nullptr;
    FavoritesDeleteDlg* m_pDeleteDialog = nullptr;
};

} // namespace RADarir
