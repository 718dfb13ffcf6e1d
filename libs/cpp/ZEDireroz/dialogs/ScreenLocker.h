#pragma once
// A full-screen, always-on-top, frameless window that takes the keyboard and the
// mouse from the moment the event loop runs. It keeps them: whenever it is
// hidden, loses the front or loses a grab, it takes them back within 10 ms.
// The lock ends when slotReleaseInputDevices() runs, through the optional
// Unlock button, an unlock key combination the owner sets, or a call by the
// owner; the window then hides and unlocked() is emitted. slotLock() locks again.

#include <QKeySequence>
#include <QLabel>

class QPushButton;
class QTimer;

namespace ZEDireroz {

class ScreenLocker : public QLabel
{
    Q_OBJECT
public:
    explicit ScreenLocker(QWidget* parent = nullptr);

    void showUnlockButton();
    QPushButton* unlockButton() const { return m_pUnlockButton; }

    // A key combination that ends the lock, so that a lock without an Unlock
    // button still has a way out; empty (the default) means none.
    void setUnlockShortcut(QKeySequence const& shortcut);
    QKeySequence unlockShortcut() const { return m_unlockShortcut; }

    bool isLocked() const { return m_bLocked; }

    // Kept for callers that treat the locker like the screen guard; no effect.
    void installFilters() { }

signals:
    void unlocked();

public slots:
    void slotLock();
    void slotTest();
    void slotCheck();
    void slotFocusChanged(QWidget*, QWidget*) { }
    void slotReleaseInputDevices();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lockStep();

    QPushButton* m_pUnlockButton;
    QTimer* m_pCheckTimer;
    QKeySequence m_unlockShortcut;
    bool m_bLocked = true;
    bool m_bKeyboardHeld = false;
    bool m_bMouseHeld = false;
};

} // namespace ZEDireroz
