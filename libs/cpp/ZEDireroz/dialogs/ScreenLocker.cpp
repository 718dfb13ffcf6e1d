#include "ZEDireroz/dialogs/ScreenLocker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace ZEDireroz {

ScreenLocker::ScreenLocker(QWidget* parent)
    : QLabel(parent)
    , m_pUnlockButton(new QPushButton("Unlock"))
    , m_pCheckTimer(new QTimer(this))
{
    // Set once: changing window flags re-creates the native window, which
    // flickers and drops the grabs.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);

    m_pUnlockButton->hide();
    m_pUnlockButton->installEventFilter(this);
    installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pUnlockButton);

    connect(m_pCheckTimer, &QTimer::timeout, this, &ScreenLocker::slotCheck);
    connect(m_pUnlockButton, &QPushButton::clicked, this, &ScreenLocker::slotReleaseInputDevices);
    m_pCheckTimer->start(10);
}

void ScreenLocker::showUnlockButton()
{
    m_pUnlockButton->show();
}

void ScreenLocker::setUnlockShortcut(QKeySequence const& shortcut)
{
    m_unlockShortcut = shortcut;
}

void ScreenLocker::slotLock()
{
    m_bLocked = true;
    if (!m_pCheckTimer->isActive())
        m_pCheckTimer->start(10);
    lockStep();
}

void ScreenLocker::slotTest()
{
    slotLock();
}

void ScreenLocker::slotCheck()
{
    if (m_bLocked)
        lockStep();
}

void ScreenLocker::lockStep()
{
    // Each step does only what has been lost since the last one.
    if (!isVisible() || !(windowState() & Qt::WindowFullScreen)) {
        showFullScreen();
        m_bKeyboardHeld = m_bMouseHeld = false;
    }
    QWindow* window = windowHandle();
    if (!isActiveWindow()) {
        raise();
        // After a hide and show the system may still give this window the
        // focus without the widget side hearing of it; then only that is set.
        if (window && QGuiApplication::focusWindow() == window)
            QApplication::setActiveWindow(this);
        else
            activateWindow();
    }
    if (!m_bKeyboardHeld || QWidget::keyboardGrabber() != m_pUnlockButton) {
        m_pUnlockButton->grabKeyboard();
        // grabKeyboard() does not tell whether the system granted the grab;
        // asking the window again does, so that a refused grab is retried.
        m_bKeyboardHeld = window && window->setKeyboardGrabEnabled(true);
    }
    if (!m_bMouseHeld || QWidget::mouseGrabber() != m_pUnlockButton) {
        m_pUnlockButton->grabMouse();
        m_bMouseHeld = window && window->setMouseGrabEnabled(true);
    }
}

void ScreenLocker::slotReleaseInputDevices()
{
    m_bLocked = false;
    m_pCheckTimer->stop();
    m_pUnlockButton->releaseKeyboard();
    m_pUnlockButton->releaseMouse();
    m_bKeyboardHeld = m_bMouseHeld = false;
    hide();
    emit unlocked();
}

bool ScreenLocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_bLocked)
        return QLabel::eventFilter(watched, event);
    if (!m_unlockShortcut.isEmpty() && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int const combination = keyEvent->key() | int(keyEvent->modifiers() & ~Qt::KeypadModifier);
        if (QKeySequence(combination) == QKeySequence(m_unlockShortcut[0])) {
            slotReleaseInputDevices();
            return true;
        }
    }
    // The button holds the grabs even while hidden; hidden, it must not be
    // pressed by a key or a click, or the lock would have a way out its owner
    // did not give it.
    if (watched == m_pUnlockButton && m_pUnlockButton->isHidden()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace ZEDireroz
