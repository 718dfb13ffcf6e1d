#pragma once
// The strip of buttons with which the user picks a chord: 21 root buttons (the
// letters A to G as natural, flat and sharp, one letter per column) and 11
// chord-type buttons. Every pick is reported at once through chordChanged with
// the chord index and the chord name side by side.

#include <QFrame>
#include <QString>
#include <QVector>

class QButtonGroup;
class QPushButton;

namespace RADarir {

class ChordsButtonsPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ChordsButtonsPanel(QWidget* parent = nullptr);
    ~ChordsButtonsPanel() override;

    // Selects the buttons of a chord name and reports it once, with the name as
    // given. A text that names no chord changes nothing and reports nothing.
    void setChord(QString const& name);
    // The chord index of a chord name, or -1 for a text that names no chord.
    static int stringToChord(QString const& name);

    // The selected root button's text ("F #", A♭) and type button's text
    // (empty for the major chord), and the two joined (B♭m7).
    QString currentChordPart1() const;
    QString currentChordPart2() const;
    QString currentChord() const;

    static void applyPanelButtonProperties(QPushButton* button);

    void hideBlank();
    void hideM();
    void hideAug();
    void hideDim();
    void hide6();
    void hideM6();
    void hide7();
    void hideM7();
    void hideMaj7();
    void hide9();
    void hideSus4();

signals:
    void chordChanged(int chordIndex, QString const& name);

public slots:
    void slotButtonClicked();

private:
    enum TypeButton { Blank, Minor, Aug, Dim, Sixth, Minor6, Seventh, Minor7, Major7, Ninth, Sus4, kTypeButtonCount };

    void createButtons();
    void createGroups();
    QFrame* createTypeFrame();
    QFrame* createRootFrame();
    void createLayout();

    QVector<QPushButton*> m_naturalButtons;
    QVector<QPushButton*> m_flatButtons;
    QVector<QPushButton*> m_sharpButtons;
    // In the order of TypeButton.
    QVector<QPushButton*> m_typeButtons;
    QButtonGroup* m_pRootGroup = nullptr;
    QButtonGroup* m_pTypeGroup = nullptr;
    // The seven naturals, the seven flats and the seven sharps.
    QStringList m_rootNames;
};

} // namespace RADarir
