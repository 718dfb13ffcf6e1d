#pragma once
// The instrument chooser on the left of the tuners window: the pitch, repeat
// and app strip over a grid of picture buttons, one per instrument, and one
// for the sibling chords application. It only reports which button was pressed.

#include <QFrame>

class QButtonGroup;

namespace RADarir {

class TunersCommonPanel;

class TunersExplorer : public QFrame
{
    Q_OBJECT
public:
    explicit TunersExplorer(QWidget* parent);
    ~TunersExplorer() override;

    TunersCommonPanel* commonPanel() const { return m_pPanel; }
    QButtonGroup* buttonGroup() const { return m_pGroup; }

signals:
    void showViolin();
    void showViola();
    void showCello();
    void showDoubleBass();
    void showGuitar();
    void showBassGuitar();
    void showUkulele();
    void showBanjo();
    void showMandolin();
    void showBalalaika();
    void showDombra();
    void showMore();
    void repeatModeChangedTo(bool on);

private:
    TunersCommonPanel* m_pPanel = nullptr;
    QButtonGroup* m_pGroup = nullptr;
};

} // namespace RADarir
