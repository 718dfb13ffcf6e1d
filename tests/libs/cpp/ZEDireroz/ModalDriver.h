#pragma once
// Helpers for tests of modal windows: answer a window once it runs modally,
// without ever letting a test wait forever for an answer that never comes.

#include "App.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace ModalDriver {

// Set when the watchdog had to close a modal window that its action left open.
inline bool& watchdogFired()
{
    static bool fired = false;
    return fired;
}

// Runs action on the modal window as soon as one is shown. If the window's loop
// still runs limitMs after the action, the watchdog closes and rejects the
// window (and records that) so that the test fails instead of hanging.
inline void whenModal(std::function<void(QWidget*)> action, int limitMs = 5000)
{
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, action, limitMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            QPointer<QWidget> answered(modal);
            // The modal window runs its own loop; while that loop still runs
            // when the time is up, the answer did not end it.
            int const level = QThread::currentThread()->loopLevel();
            action(modal);
            QTimer::singleShot(limitMs, [answered, level]() {
                if (answered && QThread::currentThread()->loopLevel() >= level) {
                    watchdogFired() = true;
                    answered->close();
                    // Dialogs and frames end their loops with reject().
                    if (answered && answered->metaObject()->indexOfSlot("reject()") >= 0)
                        QMetaObject::invokeMethod(answered, "reject");
                }
            });
        } else if (clock->elapsed() > limitMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

// The push button of window with the given text, or null.
inline QPushButton* buttonWithText(QWidget* window, QString const& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Runs the tests with the application object the widgets expect.
inline int run(QObject* test, int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, "Olvenar", "TickwrenTrial");
    return QTest::qExec(test, argc, argv);
}

} // namespace ModalDriver

#define TW_APP_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv)                                                                                  \
    {                                                                                                                \
        TestClass test;                                                                                              \
        return ModalDriver::run(&test, argc, argv);                                                                  \
    }
