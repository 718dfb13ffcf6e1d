#pragma once
// Drives the file dialog that a call under test shows: once a QFileDialog is
// visible, the action runs on it (type names, accept, reject).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

// Lives on the test's stack: the action runs at most once, and never after the
// test that set it up has ended.
class FileDialogDriver
{
public:
    explicit FileDialogDriver(std::function<void(QFileDialog*)> action)
        : m_action(std::move(action))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (dialog && dialog->isVisible()) {
                    m_timer.stop();
                    m_done = true;
                    m_action(dialog);
                    return;
                }
            }
        });
        m_timer.start();
    }
    FileDialogDriver(FileDialogDriver const&) = delete;
    FileDialogDriver& operator=(FileDialogDriver const&) = delete;

    // Whether a dialog was shown and handled.
    bool done() const { return m_done; }

private:
    std::function<void(QFileDialog*)> m_action;
    QTimer m_timer;
    bool m_done = false;
};

// Types names into the dialog's file name field, as a user would: one name, or
// several each in double quotes. (selectFile() leaves the field alone while it
// has the focus, so it cannot stand in for the user.)
inline void typeFileNames(QFileDialog* dialog, QString const& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit)
        edit->setText(text);
}

// What the dialog's own Open or Save button does (accept() is not public).
inline void pressAccept(QFileDialog* dialog)
{
    QMetaObject::invokeMethod(dialog, "accept");
}

// A small file to choose; returns its full path.
inline QString makeFile(QDir const& dir, QString const& name)
{
    QString const path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("x");
    return path;
}
