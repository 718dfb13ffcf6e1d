#pragma once
// Answers the next modal dialog as soon as it is up: the test says beforehand
// what to do with it, runs the code that opens it, and then looks at what was seen.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class ModalAnswer
{
public:
    // `answer` is called once with the modal dialog; it must end the dialog.
    explicit ModalAnswer(std::function<void(QDialog*)> answer)
        : m_state(std::make_shared<State>())
    {
        m_state->answer = std::move(answer);
        poll(m_state);
    }
    ~ModalAnswer() { m_state->alive = false; }
    ModalAnswer(ModalAnswer const&) = delete;
    ModalAnswer& operator=(ModalAnswer const&) = delete;

    // The class name of the dialog answered, empty while none was seen.
    QString seenClass() const { return m_state->className; }
    QWidget* seenParent() const { return m_state->parent; }
    bool seen() const { return !m_state->className.isEmpty(); }

private:
    struct State
    {
        std::function<void(QDialog*)> answer;
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
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) {
                poll(state);
                return;
            }
            state->done = true;
            state->className = QString::fromLatin1(dialog->metaObject()->className());
            state->parent = dialog->parentWidget();
            state->answer(dialog);
        });
    }

    std::shared_ptr<State> m_state;
};
