#pragma once

#include <QEventLoop>
#include <QObject>

namespace MTools {

// Blocks for ms milliseconds while the event loop keeps running: timers, signals
// and input are handled during the wait, so callers must tolerate re-entrance.
// A negative time waits no time.
void delay(int ms);

// A reusable blocking wait on an event loop of its own.
class Delay : public QObject
{
    Q_OBJECT

public:
    // The object never takes a parent; whoever creates it deletes it.
    explicit Delay(QObject* parent = nullptr);
    ~Delay() override;

    // Returns the loop's exit code, 0.
    int wait(int ms);

public slots:
    void slotUnblock();

private:
    QEventLoop m_loop;
};

} // namespace MTools
