#pragma once
// The strip of controls every tuner screen carries: the repeat check box, the
// concert-pitch menu and the App menu. Pitch and repeat mode are settings
// shared by all tuner pages; every sound reads the pitch when it starts.

#include <QFrame>
#include <QVariant>
#include <QVector>

class QCheckBox;
class QHBoxLayout;
class QPushButton;

namespace RADarir {

class TunersCommonPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TunersCommonPanel(QWidget* parent);
    ~TunersCommonPanel() override;

    // Shows and stores the pitch; a pitch outside the menu becomes 440 Hz,
    // since only the menu's pitches have a set of samples.
    void setPitch(int hz);

    // The menu's concert pitches, in menu order.
    static QVector<int> pitches();
    // The stored "Pitch" when it is one of the menu's pitches, else 440.
    static int validPitch(QVariant const& stored);
    static int storedPitch();

    QPushButton* pitchButton() const { return m_pPitchButton; }
    QCheckBox* repeatCheckBox() const { return m_pRepeatCheckBox; }
    QPushButton* appButton() const { return m_pAppButton; }

    QSize minimumSizeHint() const override;

signals:
    void repeatModeChangedTo(bool on);

public slots:
    void slotSetPitch415() { setPitch(415); }
    void slotSetPitch430() { setPitch(430); }
    void slotSetPitch435() { setPitch(435); }
    void slotSetPitch439() { setPitch(439); }
    void slotSetPitch440() { setPitch(440); }
    void slotSetPitch442() { setPitch(442); }
    void slotSetPitch443() { setPitch(443); }
    void slotSetPitch445() { setPitch(445); }
    void slotSetPitch452() { setPitch(452); }
    void slotSetPitch460() { setPitch(460); }
    void slotAbout();
    void slotRepeatModeChanged(bool on);

private slots:
    void showPitch(int hz);

protected:
    void resizeEvent(QResizeEvent* event) override;

    // A flat panel button, named for the style sheet.
    static QPushButton* makePanelButton(QString const& text);

    QHBoxLayout* m_pLayout = nullptr;
    QPushButton* m_pPitchButton = nullptr;
    QCheckBox* m_pRepeatCheckBox = nullptr;
    QPushButton* m_pAppButton = nullptr;

private:
    void createWidgets();
    void createPitchMenu();
    void createAppMenu();
    void createLayout();
    // The width of the panel's shown buttons side by side.
    int buttonsWidth() const;
    bool repeatFitsInRow(int width) const;
    void placeRepeatCheckBox(int width);
};

} // namespace RADarir
