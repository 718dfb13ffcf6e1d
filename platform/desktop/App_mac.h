#pragma once
// Turns "the user asked for the running application again" into a Qt signal.
// On Linux there is no dock icon; a desktop re-activates a running program by
// giving it the focus again (a click on its launcher or task-bar entry). When
// the application becomes active while none of its windows is on screen
// (all hidden or minimised), that is the same request as a click on the dock
// icon, and dockClicked() is emitted.

#include <QObject>

class App_mac : public QObject
{
    Q_OBJECT
public:
    static App_mac* instance();

    explicit App_mac(QObject* parent = nullptr);

    void emitClick();

    // Reacts to a change of the application's state; connected to the
    // application's own state signal by the constructor.
    void handleApplicationStateChanged(Qt::ApplicationState state);

signals:
    void dockClicked();

private:
    static App_mac* sm_pInstance;
};
