#pragma once
// Answers the next modal window as soon as it is up: the test says beforehand
// what to do with it, runs the code that opens it, and then looks at what was
// seen.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class ModalAnswer
{
public:
    // How long answerNextWindow() looks for a window, and how long the window's
    // loop may still run after the answer before the watchdog ends it. Generous:
    // it only bounds a test that already failed, and on a loaded machine with
    // the sanitizers a virtual display can take seconds to deliver a key.
    static constexpr int kLimitMs = 20000;

    // `answer` is called once with the next modal dialog, looked for as long as
    // this object lives; it must end the dialog.
    explicit ModalAnswer(std::function<void(QDialog*)> answer)
        : m_state(std::make_shared<State>())
    {
        m_state->answer = [answer = std::move(answer)](QWidget* window) { answer(static_cast<QDialog*>(window)); };
        m_state->dialogsOnly = true;
        poll(m_state);
    }
    ~ModalAnswer() { m_state->alive = false; }
    ModalAnswer(ModalAnswer const&) = delete;
    ModalAnswer& operator=(ModalAnswer const&) = delete;

    // The class name of the dialog answered, empty while none was seen.
    QString seenClass() const { return m_state->className; }
    QWidget* seenParent() const { return m_state->parent; }
    bool seen() const { return !m_state->className.isEmpty(); }

    // Calls `answer` once with the next modal window of any kind (dialog or
    // frame), without an object to keep: it stops looking after limitMs. If the
    // window's loop still runs limitMs after the answer, a watchdog closes and
    // rejects the window (and records that) so that the test fails instead of
    // hanging.
    static void answerNextWindow(std::function<void(QWidget*)> answer, int limitMs = kLimitMs)
    {
        auto state = std::make_shared<State>();
        state->answer = std::move(answer);
        state->limitMs = limitMs;
        state->giveUp = true;
        state->watchdog = true;
        state->clock.start();
        poll(state);
    }

    // Set when the watchdog had to end a modal window that its answer left open.
    static bool& watchdogFired()
    {
        static bool fired = false;
        return fired;
    }

private:
    struct State
    {
        std::function<void(QWidget*)> answer;
        int limitMs = kLimitMs;
        bool dialogsOnly = false;
        bool giveUp = false;
        bool watchdog = false;
        QElapsedTimer clock;
        QString className;
        QPointer<QWidget> parent;
        bool alive = true;
        bool done = false;
    };

    static void poll(std::shared_ptr<State> const& state)
    {
        QTimer::singleShot(5, [state]() {
            if (!state->alive || state->done)
                return;
            QWidget* window = QApplication::activeModalWidget();
            if (window && state->dialogsOnly && !qobject_cast<QDialog*>(window))
                window = nullptr;
            if (!window || !window->isVisible()) {
                if (!state->giveUp || state->clock.elapsed() <= state->limitMs)
                    poll(state);
                return;
            }
            state->done = true;
            state->className = QString::fromLatin1(window->metaObject()->className());
            state->parent = window->parentWidget();
            // The modal window runs its own loop; while that loop still runs
            // when the time is up, the answer did not end it.
            QPointer<QWidget> answered(window);
            int const level = QThread::currentThread()->loopLevel();
            state->answer(window);
            if (!state->watchdog)
                return;
            QTimer::singleShot(state->limitMs, [answered, level]() {
                if (answered && QThread::currentThread()->loopLevel() >= level) {
                    watchdogFired() = true;
                    answered->close();
                    // Dialogs and frames end their loops with reject().
                    if (answered && answered->metaObject()->indexOfSlot("reject()") >= 0)
                        QMetaObject::invokeMethod(answered, "reject");
                }
            });
        });
    }

    std::shared_ptr<State> m_state;
};
