#pragma once
// The frame of an instrument tuner page: the instrument's picture on black,
// the control panel along the top and a row of note buttons along the bottom,
// one per string. A press plays the string's sample at the chosen concert
// pitch; in repeat mode one selected button sounds again every second.

#include <QFrame>
#include <QMap>
#include <QPixmap>
#include <QPushButton>
#include <QSet>

class QLabel;
class QSignalMapper;
class QTimer;

namespace RADarir {

class ModesPanel;

class TuneButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TuneButton(QWidget* parent);
    void sendPlay() { emit play(); }

signals:
    void play();
};

class ButtonsPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kButtonCount = 10;
    static constexpr int kRepeatIntervalMs = 1000;

    explicit ButtonsPanel(QWidget* parent);
    ~ButtonsPanel() override;

    // The button under index 0 to 9, null otherwise.
    TuneButton* button(int index) const { return m_mapButtons.value(index); }
    bool isRepeatMode() const { return m_bRepeatMode; }
    QTimer* timer() const { return m_pTimer; }

    // The side of a button in a panel of that width.
    static int buttonSide(int panelWidth);

public slots:
    void slotClicked(bool checked);
    void slotTimeOut();
    void slotSetRepeatMode(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QMap<int, TuneButton*> m_mapButtons;
    bool m_bRepeatMode = false;
    QTimer* m_pTimer = nullptr;
};

class TunerBasePage : public QFrame
{
    Q_OBJECT
public:
    explicit TunerBasePage(QWidget* parent);
    ~TunerBasePage() override;

    void setPicture(QPixmap const& picture);
    TuneButton* button(int index) const;
    ModesPanel* modesPanel() const { return m_pModesPanel; }
    ButtonsPanel* buttonsPanel() const { return m_pButtonsPanel; }
    void hideAppOptions();
    // The line that tells the user a sound is missing; hidden while all is well.
    QLabel* missingSoundLabel() const { return m_pMissingSoundLabel; }
    // The file a pattern plays at the stored concert pitch.
    static QString fileAtCurrentPitch(QString const& pattern);

signals:
    // A sound of the page started playing this file.
    void soundStarted(QString const& file);

public slots:
    void slotPlay(QString const& file);
    void slotSetRepeatMode(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Binds the shown buttons to their sample patterns (resource folder +
    // stem + "_%1_" + note + ".mp3") through the page's signal mapper.
    void mapButton(int index, QString const& pattern);

    ButtonsPanel* m_pButtonsPanel = nullptr;
    ModesPanel* m_pModesPanel = nullptr;
    QPixmap m_pixPicture;
    QSignalMapper* m_pSignalMapper = nullptr;
    QString m_strResourcesPath;

private:
    void reportMissing(QString const& file);

    QLabel* m_pMissingSoundLabel = nullptr;
    QSet<QString> m_setMissing;
};

} // namespace RADarir
