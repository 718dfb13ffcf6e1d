#pragma once
// An on/off switch: a handle that slides over two click areas in 400 ms, with an
// optional check-button icon at its left that holds the state. The owner sizes
// the switch and then calls init once; until then the state operations do nothing.
// The state init asks for is reported at once; a state set after init holds,
// also one set before the event loop has started the switch's state machine.

#include <QWidget>

class QPushButton;
class QState;
class QStateMachine;

namespace ZEDireroz {

class CheckButton;

class AniSwitch : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSlideMs = 400;

    explicit AniSwitch(QWidget* parent = nullptr);

    // Builds the switch at its current size; later calls do nothing.
    void init(bool withIcon, bool on);
    bool isBuilt() const { return m_bBuilt; }
    // False before init.
    bool isChecked() const;

    // The parts, for the owner's styling; null before init.
    CheckButton* icon() const { return m_pIcon; }
    QPushButton* handle() const { return m_pHandle; }
    QWidget* area() const { return m_pArea; }

signals:
    // Once per change, whichever way it was made.
    void toggled(bool on);

public slots:
    void slotSetOn();
    void slotSetOff();
    void setOn(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void startIn(bool on);

    CheckButton* m_pIcon = nullptr;
    QStateMachine* m_pMachine = nullptr;
    QPushButton* m_pHandle = nullptr;
    QWidget* m_pArea = nullptr;
    bool m_bBuilt = false;
    QState* m_pOnState = nullptr;
    QState* m_pOffState = nullptr;
};

} // namespace ZEDireroz
