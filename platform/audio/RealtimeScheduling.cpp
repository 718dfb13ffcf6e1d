#include "platform/audio/RealtimeScheduling.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace TickwrenAudio {

namespace {

Q_LOGGING_CATEGORY(lcRealtime, "tickwren.audio.realtime", QtInfoMsg)

QString const kService = QStringLiteral("org.freedesktop.RealtimeKit1");
QString const kPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
// The service answers within milliseconds; a bound keeps a hung bus or
// service from holding the engine's start (three calls) for long.
constexpr int kServiceAnswerMs = 500;
// What the service allows when it does not say: its usual limits.
constexpr int kDefaultMaxPriority = 20;
constexpr qlonglong kDefaultRtTimeUs = 200000;

QString describe(QDBusMessage const& reply)
{
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}

// One of the service's properties; an invalid value (with `error` set) when
// it cannot be read.
QVariant serviceProperty(QDBusConnection const& bus, QString const& name, QString* error)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kService << name;
    QDBusMessage const reply = bus.call(get, QDBus::Block, kServiceAnswerMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        *error = describe(reply);
        return QVariant();
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

// The service grants real-time scheduling only to a process whose threads
// cannot hold the processor for longer than it allows without blocking.
bool limitRealtimeTime(qlonglong maxUs, QString* error)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    rlim_t const most = rlim_t(maxUs);
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= most)
        return true;
    limit.rlim_cur = most;
    limit.rlim_max = most;
    if (setrlimit(RLIMIT_RTTIME, &limit) != 0) {
        *error =
            QStringLiteral("no CPU time limit for real-time threads: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

// Asks the service; the priority granted, or 0 with `error` set.
int askService(QDBusConnection const& bus, pid_t tid, QString* error)
{
    if (!bus.isConnected()) {
        *error = QStringLiteral("no system bus");
        return 0;
    }
    QVariant const maxPriority = serviceProperty(bus, QStringLiteral("MaxRealtimePriority"), error);
    if (!maxPriority.isValid())
        return 0;
    QVariant const rtTimeMax = serviceProperty(bus, QStringLiteral("RTTimeUSecMax"), error);
    if (!rtTimeMax.isValid())
        return 0;
    bool ok = false;
    int most = maxPriority.toInt(&ok);
    if (!ok)
        most = kDefaultMaxPriority;
    qlonglong rtTimeUs = rtTimeMax.toLongLong(&ok);
    if (!ok || rtTimeUs <= 0)
        rtTimeUs = kDefaultRtTimeUs;
    int const priority = std::min(kRealtimePriority, most);
    if (priority < 1) {
        *error = QStringLiteral("the service allows no real-time priority");
        return 0;
    }
    if (!limitRealtimeTime(rtTimeUs, error))
        return 0;
    QDBusMessage make = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("MakeThreadRealtime"));
    make << quint64(tid) << quint32(priority);
    QDBusMessage const reply = bus.call(make, QDBus::Block, kServiceAnswerMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *error = describe(reply);
        return 0;
    }
    return priority;
}

int setSchedulerDirectly(pid_t tid, int priority)
{
    sched_param param{};
    param.sched_priority = priority;
    // Not passed on to a process started from this thread.
    return sched_setscheduler(tid, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0 ? 0 : errno;
}

} // namespace

RealtimeScheduling makeCurrentThreadRealtime(QDBusConnection const& bus, DirectScheduler const& direct)
{
    pid_t const tid = gettid();
    RealtimeScheduling result;
    QString serviceError;
    if (int const priority = askService(bus, tid, &serviceError)) {
        result.grant = RealtimeScheduling::Grant::Service;
        result.priority = priority;
        qCDebug(lcRealtime) << "The sound thread runs in real time at priority" << priority
                            << "(from the desktop's real-time service)";
        return result;
    }
    int const error = direct ? direct(tid, kRealtimePriority) : EPERM;
    if (error == 0) {
        result.grant = RealtimeScheduling::Grant::Direct;
        result.priority = kRealtimePriority;
        qCDebug(lcRealtime) << "The sound thread runs in real time at priority" << kRealtimePriority;
        return result;
    }
    result.refusal = QStringLiteral("real-time service: %1; directly: %2")
                         .arg(serviceError, QString::fromLocal8Bit(std::strerror(error)));
    qCInfo(lcRealtime).noquote() << "The sound thread runs at normal priority (" + result.refusal
                                        + "): on a loaded machine a beat may come late.";
    return result;
}

RealtimeScheduling requestRealtimeScheduling()
{
    // The bus's own thread needs the application object; without one (a tool
    // that only mixes) the service is not asked.
    QDBusConnection const bus =
        QCoreApplication::instance() ? QDBusConnection::systemBus() : QDBusConnection(QString());
    return makeCurrentThreadRealtime(bus, setSchedulerDirectly);
}

} // namespace TickwrenAudio
