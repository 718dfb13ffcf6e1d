#pragma once
// Listens to the login manager on the system bus and turns its notices into the
// Os signals: going to sleep, waking up, powering off, and this session being
// locked (the user leaving it).

#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

class Os_Mac_Notifier : public QObject
{
    Q_OBJECT
public:
    explicit Os_Mac_Notifier(QObject* parent = nullptr);

public slots:
    void onWillSleepNotification();
    void onDidWakeNotification();
    void onWillPowerOffNotification();
    void onSessionDidResignActiveNotification();

private slots:
    void slotPrepareForSleep(bool start);
    void slotPrepareForShutdown(bool start);
    void slotSessionFound(QDBusPendingCallWatcher* watcher);

private:
    void init();
};
