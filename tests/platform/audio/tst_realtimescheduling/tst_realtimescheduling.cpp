// Real-time scheduling for the sound thread, against a private D-Bus daemon that
// stands in for the system bus, with a real-time service of the test's own: the
// engine's thread asks it for itself at a priority the service allows, and where
// neither the service nor the system grants it, the thread carries on at normal
// priority with one line in the log.
#include "TestSupport/PrivateBus.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/RealtimeScheduling.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QMutex>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

using TickwrenAudio::RealtimeScheduling;

namespace {

QString const kService = QStringLiteral("org.freedesktop.RealtimeKit1");
QString const kPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
// Below the priority the engine would like, so that a request within the
// service's limit shows.
constexpr int kServiceMaxPriority = 3;
constexpr qlonglong kServiceRtTimeUs = 150000;

QString threadName(quint64 tid)
{
    QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(tid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(comm.readAll()).trimmed();
}

// Lines of the real-time category, at info level and above.
QStringList g_logged;
QtMessageHandler g_previousHandler = nullptr;

void catchLog(QtMsgType type, QMessageLogContext const& context, QString const& message)
{
    if (type != QtDebugMsg && qstrcmp(context.category, "tickwren.audio.realtime") == 0)
        g_logged << message;
    else
        g_previousHandler(type, context, message);
}

} // namespace

// Answers as the desktop's real-time service does: its limits as properties,
// and MakeThreadRealtime granted or refused. Lives in a thread of its own, as
// the thread that asks waits for the answer.
class FakeRealtimeService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
    Q_PROPERTY(int MaxRealtimePriority READ maxRealtimePriority)
    Q_PROPERTY(qlonglong RTTimeUSecMax READ rtTimeUSecMax)
public:
    int maxRealtimePriority() const { return kServiceMaxPriority; }
    qlonglong rtTimeUSecMax() const { return kServiceRtTimeUs; }

    std::atomic<bool> refuse{false};
    QMutex mutex;
    QList<QPair<quint64, quint32>> requests;

public slots:
    void MakeThreadRealtime(quint64 thread, quint32 priority)
    {
        {
            QMutexLocker lock(&mutex);
            requests << qMakePair(thread, priority);
        }
        if (refuse)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Operation not permitted"));
    }
};

class TestRealtimeScheduling : public QObject
{
    Q_OBJECT
private:
    PrivateBus m_bus;
    QThread m_serviceThread;
    FakeRealtimeService m_service;
    QDBusConnection m_serviceBus{QString()};

    QList<QPair<quint64, quint32>> requests()
    {
        QMutexLocker lock(&m_service.mutex);
        return m_service.requests;
    }

private slots:
    void initTestCase()
    {
        QString const address = m_bus.start();
        QVERIFY2(!address.isEmpty(), "dbus-daemon did not start");
        // The engine finds the system bus through the usual variable.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
        m_service.moveToThread(&m_serviceThread);
        m_serviceThread.start();
        m_serviceBus = QDBusConnection::connectToBus(address, QStringLiteral("service"));
        QVERIFY(m_serviceBus.isConnected());
        QVERIFY(m_serviceBus.registerObject(kPath, &m_service,
                                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        QVERIFY(m_serviceBus.registerService(kService));
    }

    void cleanupTestCase()
    {
        TickwrenAudio::AudioEngine::shutdown();
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        m_serviceThread.quit();
        m_serviceThread.wait();
    }

    void init()
    {
        m_service.refuse = false;
        QMutexLocker lock(&m_service.mutex);
        m_service.requests.clear();
    }

    // The engine's thread, as it starts, asks the service on the system bus for
    // itself (its own kernel thread id), at a priority the service allows, with
    // the time limit the service requires in place.
    void engineThreadAsksTheService()
    {
        TickwrenAudio::AudioEngine::instance().prepare();
        QTRY_COMPARE(requests().size(), 1);
        auto const request = requests().constFirst();
        QVERIFY(request.first != quint64(gettid()));
        QTRY_COMPARE(threadName(request.first), QStringLiteral("TickwrenAudio"));
        QCOMPARE(request.second, quint32(kServiceMaxPriority));
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_RTTIME, &limit), 0);
        QVERIFY(limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= rlim_t(kServiceRtTimeUs));
        QVERIFY(limit.rlim_cur <= limit.rlim_max);
    }

    // The service first, then the system directly; where neither grants it the
    // thread runs at normal priority with one line in the log.
    void serviceThenDirect_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<int>("directError");
        QTest::addColumn<int>("grant");
        QTest::addColumn<int>("priority");
        QTest::addColumn<bool>("directAsked");

        int const none = int(RealtimeScheduling::Grant::None);
        int const byService = int(RealtimeScheduling::Grant::Service);
        int const direct = int(RealtimeScheduling::Grant::Direct);
        int const modest = TickwrenAudio::kRealtimePriority;
        QTest::newRow("service grants") << "grants" << 0 << byService << kServiceMaxPriority << false;
        QTest::newRow("service refuses, system grants") << "refuses" << 0 << direct << modest << true;
        QTest::newRow("no service, system grants") << "none" << 0 << direct << modest << true;
        QTest::newRow("service refuses, system refuses") << "refuses" << EPERM << none << 0 << true;
        QTest::newRow("no service, system refuses") << "none" << EPERM << none << 0 << true;
        QTest::newRow("no bus, system refuses") << "no bus" << EPERM << none << 0 << true;
    }
    void serviceThenDirect()
    {
        QFETCH(QString, service);
        QFETCH(int, directError);
        QFETCH(int, grant);
        QFETCH(int, priority);
        QFETCH(bool, directAsked);

        m_service.refuse = service == QLatin1String("refuses");
        QDBusConnection bus{QString()};
        if (service == QLatin1String("none")) {
            QVERIFY(m_serviceBus.unregisterService(kService));
        }
        if (service != QLatin1String("no bus")) {
            bus = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("asking"));
            QVERIFY(bus.isConnected());
        }
        QList<QPair<pid_t, int>> directCalls;
        auto const directly = [&](pid_t tid, int asked) {
            directCalls << qMakePair(tid, asked);
            return directError;
        };
        g_logged.clear();
        g_previousHandler = qInstallMessageHandler(catchLog);
        RealtimeScheduling const result = TickwrenAudio::makeCurrentThreadRealtime(bus, directly);
        qInstallMessageHandler(g_previousHandler);
        QDBusConnection::disconnectFromBus(QStringLiteral("asking"));
        if (service == QLatin1String("none"))
            QVERIFY(m_serviceBus.registerService(kService));

        QCOMPARE(int(result.grant), grant);
        QCOMPARE(result.priority, priority);
        // The service is asked for this thread, within its limit.
        if (service == QLatin1String("grants") || service == QLatin1String("refuses")) {
            QCOMPARE(requests().size(), 1);
            QCOMPARE(requests().constFirst().first, quint64(gettid()));
            QCOMPARE(requests().constFirst().second, quint32(kServiceMaxPriority));
        } else {
            QVERIFY(requests().isEmpty());
        }
        QCOMPARE(directCalls.size(), directAsked ? 1 : 0);
        if (directAsked) {
            QCOMPARE(directCalls.constFirst().first, gettid());
            QCOMPARE(directCalls.constFirst().second, TickwrenAudio::kRealtimePriority);
        }
        // Quiet where it is granted; one line where it is not.
        if (grant == int(RealtimeScheduling::Grant::None)) {
            QCOMPARE(g_logged.size(), 1);
            QVERIFY2(g_logged.constFirst().contains(QStringLiteral("normal priority")),
                     qPrintable(g_logged.constFirst()));
            QVERIFY(!result.refusal.isEmpty());
        } else {
            QVERIFY2(g_logged.isEmpty(), qPrintable(g_logged.join('\n')));
            QVERIFY(result.refusal.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestRealtimeScheduling)
#include "tst_realtimescheduling.moc"
