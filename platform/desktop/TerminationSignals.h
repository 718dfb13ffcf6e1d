#pragma once
// SIGTERM (`kill`, a service manager), SIGHUP (the session or terminal
// ending) and SIGINT (Ctrl-C in the terminal) as a Qt signal: the handler only writes the signal's number to a
// socket pair, and received() is sent from the event loop, so whatever the
// program was doing when the signal came (a settings file half written) is
// finished first, and the program can then close the way Quit closes it.

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers. Only one object may handle the signals at a time;
    // while one exists, a further one does nothing (isActive() is false).
    explicit TerminationSignals(QObject* parent = nullptr);
    // Gives the signals back their default action.
    ~TerminationSignals() override;

    bool isActive() const { return m_pNotifier != nullptr; }

signals:
    // Sent once per signal, from the event loop. A second signal that comes
    // before the first was handled ends the program at once, as if nothing had
    // been installed, so a program that no longer answers can still be stopped.
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_pNotifier = nullptr;
};
