#include "platform/desktop/Os_Mac_Notifier.h"

#include "platform/desktop/Os_Mac.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

QString const loginService = QStringLiteral("org.freedesktop.login1");
QString const loginPath = QStringLiteral("/org/freedesktop/login1");
QString const managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
QString const sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
int const loginTimeoutMs = 10000;

} // namespace

Os_Mac_Notifier::Os_Mac_Notifier(QObject* parent)
    : QObject(parent)
{
    init();
}

void Os_Mac_Notifier::init()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return; // no system bus (a container, a test): the signals stay silent
    bus.connect(loginService, loginPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                SLOT(slotPrepareForSleep(bool)));
    bus.connect(loginService, loginPath, managerInterface, QStringLiteral("PrepareForShutdown"), this,
                SLOT(slotPrepareForShutdown(bool)));

    // Only this process's own session matters for the lock notice. Asked without
    // blocking, so that a slow login manager cannot stall start-up.
    QDBusMessage call =
        QDBusMessage::createMethodCall(loginService, loginPath, managerInterface, QStringLiteral("GetSessionByPID"));
    call << quint32(QCoreApplication::applicationPid());
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, loginTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &Os_Mac_Notifier::slotSessionFound);
}

void Os_Mac_Notifier::slotSessionFound(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    QDBusPendingReply<QDBusObjectPath> const reply = *watcher;
    // A process outside any session (a service, a remote shell) gets no lock notice.
    if (reply.isError() || reply.value().path().isEmpty())
        return;
    QDBusConnection::systemBus().connect(loginService, reply.value().path(), sessionInterface, QStringLiteral("Lock"),
                                         this, SLOT(onSessionDidResignActiveNotification()));
}

void Os_Mac_Notifier::slotPrepareForSleep(bool start)
{
    // The same signal announces both edges: true before sleeping, false after waking.
    if (start)
        onWillSleepNotification();
    else
        onDidWakeNotification();
}

void Os_Mac_Notifier::slotPrepareForShutdown(bool start)
{
    // false means a shutdown was called off; nothing to tell.
    if (start)
        onWillPowerOffNotification();
}

void Os_Mac_Notifier::onWillSleepNotification()
{
    Os_Mac::emitSignalAtSwitchToStandBy();
}

void Os_Mac_Notifier::onDidWakeNotification()
{
    Os_Mac::emitSignalAtWakeUpFromStandBy();
}

void Os_Mac_Notifier::onWillPowerOffNotification()
{
    Os_Mac::emitSignalAtUserLogout();
}

void Os_Mac_Notifier::onSessionDidResignActiveNotification()
{
    Os_Mac::emitSignalAtUserLogout();
}
