#pragma once
// Helpers for tests of modal windows (answered with ModalAnswer): a button by
// its text, and a test program with the application object the widgets expect.

#include "TestSupport/ModalAnswer.h"
#include "ZEDireroz/frame/App.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

namespace ModalDriver {

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

#define TW_APP_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TestClass test;                                                                                                \
        return ModalDriver::run(&test, argc, argv);                                                                    \
    }
