// The operating-system facade against a private D-Bus daemon that stands in for
// both the session bus and the system bus, with fake login manager, file manager
// and dock listeners of the test's own.
#include "TestSupport/PrivateBus.h"
#include "TestSupport/UrlCatcher.h"
#include "platform/desktop/Os.h"
#include "platform/desktop/Os_Mac.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

QString const loginService = QStringLiteral("org.freedesktop.login1");
QString const loginPath = QStringLiteral("/org/freedesktop/login1");
QString const ownSession = QStringLiteral("/org/freedesktop/login1/session/_37");
QString const otherSession = QStringLiteral("/org/freedesktop/login1/session/_38");

qreal g_scaleWithoutApplication = -1;

} // namespace

// Answers the session look-up the way the login manager does.
class FakeLoginManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public slots:
    QDBusObjectPath GetSessionByPID(uint pid)
    {
        askedPid = pid;
        return QDBusObjectPath(ownSession);
    }

public:
    uint askedPid = 0;
};

// Lives in a thread of its own, because the facade waits for its answer.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public slots:
    void ShowItems(QStringList const& uris, QString const& startupId)
    {
        QMutexLocker lock(&mutex);
        shown << uris;
        startupIds << startupId;
    }

public:
    QMutex mutex;
    QStringList shown;
    QStringList startupIds;
};

class LauncherSpy : public QObject
{
    Q_OBJECT
public slots:
    void onUpdate(QString const& uri, QVariantMap const& properties)
    {
        uris << uri;
        updates << properties;
    }

public:
    QStringList uris;
    QList<QVariantMap> updates;
};

class TestOs : public QObject
{
    Q_OBJECT
private:
    PrivateBus m_bus;
    QDBusConnection m_fake{QString()};
    FakeLoginManager m_login;

    void sendLoginSignal(QString const& path, QString const& interface, QString const& name, QVariantList const& args)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
        signal.setArguments(args);
        QVERIFY(m_fake.send(signal));
    }

private slots:
    void initTestCase()
    {
        QString const address = m_bus.start();
        QVERIFY2(!address.isEmpty(), "dbus-daemon did not start");
        // The facade finds both buses through the usual variables.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());

        m_fake = QDBusConnection::connectToBus(address, QStringLiteral("fake-services"));
        QVERIFY(m_fake.isConnected());
        QVERIFY(m_fake.registerService(loginService));
        QVERIFY(m_fake.registerObject(loginPath, &m_login, QDBusConnection::ExportAllSlots));

        Os* os = Os::instance();
        QVERIFY(os);
        QCOMPARE(Os::instance(), os);
        // The lock notice is wired once the session look-up has been answered:
        // lock until a logout comes through, so the cases below start wired.
        QTRY_COMPARE(m_login.askedPid, uint(QCoreApplication::applicationPid()));
        QSignalSpy logouts(os, &Os::atUserLogout);
        for (int i = 0; i < 100 && logouts.isEmpty(); ++i) {
            sendLoginSignal(ownSession, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), {});
            logouts.wait(100);
        }
        QVERIFY(!logouts.isEmpty());
        // Every lock sent has arrived once a wake-up sent behind them has.
        QSignalSpy wakes(os, &Os::atWakeUpFromStandBy);
        sendLoginSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                        {false});
        QTRY_COMPARE(wakes.count(), 1);
    }

    void cleanupTestCase() { QDBusConnection::disconnectFromBus(QStringLiteral("fake-services")); }

    void loginManagerNoticesReachSignals_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<int>("sleeps");
        QTest::addColumn<int>("wakes");
        QTest::addColumn<int>("logouts");

        QString const manager = QStringLiteral("org.freedesktop.login1.Manager");
        QString const session = QStringLiteral("org.freedesktop.login1.Session");
        QTest::newRow("going to sleep") << loginPath << manager << "PrepareForSleep" << QVariantList{true} << 1 << 0
                                        << 0;
        QTest::newRow("woken up") << loginPath << manager << "PrepareForSleep" << QVariantList{false} << 0 << 1 << 0;
        QTest::newRow("powering off") << loginPath << manager << "PrepareForShutdown" << QVariantList{true} << 0 << 0
                                      << 1;
        QTest::newRow("power-off called off")
            << loginPath << manager << "PrepareForShutdown" << QVariantList{false} << 0 << 0 << 0;
        QTest::newRow("own session locked") << ownSession << session << "Lock" << QVariantList{} << 0 << 0 << 1;
        QTest::newRow("another session locked") << otherSession << session << "Lock" << QVariantList{} << 0 << 0 << 0;
    }
    void loginManagerNoticesReachSignals()
    {
        QFETCH(QString, path);
        QFETCH(QString, interface);
        QFETCH(QString, name);
        QFETCH(QVariantList, args);
        QFETCH(int, sleeps);
        QFETCH(int, wakes);
        QFETCH(int, logouts);

        QSignalSpy sleepSpy(Os::instance(), &Os::atSwitchToStandBy);
        QSignalSpy wakeSpy(Os::instance(), &Os::atWakeUpFromStandBy);
        QSignalSpy logoutSpy(Os::instance(), &Os::atUserLogout);
        sendLoginSignal(path, interface, name, args);
        // A wake-up sent behind the notice: once it has arrived, so has the notice.
        sendLoginSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                        {false});
        QTRY_COMPARE(wakeSpy.count(), wakes + 1);
        QCOMPARE(sleepSpy.count(), sleeps);
        QCOMPARE(logoutSpy.count(), logouts);
    }

    void powerOffThenLockLogsOutTwice()
    {
        QSignalSpy logoutSpy(Os::instance(), &Os::atUserLogout);
        sendLoginSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"),
                        QStringLiteral("PrepareForShutdown"), {true});
        sendLoginSignal(ownSession, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), {});
        QTRY_COMPARE(logoutSpy.count(), 2);
    }

    void noticeFromAnImpostorIsIgnored()
    {
        // Only the owner of the login manager's name speaks for it.
        QDBusConnection impostor = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("impostor"));
        QVERIFY(impostor.isConnected());
        QSignalSpy sleepSpy(Os::instance(), &Os::atSwitchToStandBy);
        QDBusMessage signal = QDBusMessage::createSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << true;
        QVERIFY(impostor.send(signal));
        // Sent once the bus has answered the impostor, so after its notice: the
        // bus handles a connection's messages in order.
        QDBusMessage const ping = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
        QCOMPARE(impostor.call(ping).type(), QDBusMessage::ReplyMessage);
        QSignalSpy marker(Os::instance(), &Os::atWakeUpFromStandBy);
        sendLoginSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                        {false});
        QTRY_COMPARE(marker.count(), 1);
        QCOMPARE(sleepSpy.count(), 0);
        QDBusConnection::disconnectFromBus(QStringLiteral("impostor"));
    }

    void badgeLeavesTheProcess()
    {
        LauncherSpy spy;
        QVERIFY(m_fake.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                               QStringLiteral("Update"), &spy, SLOT(onUpdate(QString, QVariantMap))));
        Os::setAppIconNumber(0);
        QTRY_COMPARE(spy.updates.size(), 1);
        QCOMPARE(spy.uris.at(0), QStringLiteral("application://tickwren.desktop"));
        // Zero is a badge of its own, not the absence of one.
        QCOMPARE(spy.updates.at(0).value(QStringLiteral("count")).toLongLong(), 0LL);
        QCOMPARE(spy.updates.at(0).value(QStringLiteral("count-visible")).toBool(), true);

        Os::setAppIconNumber(42);
        QTRY_COMPARE(spy.updates.size(), 2);
        QCOMPARE(spy.updates.at(1).value(QStringLiteral("count")).toLongLong(), 42LL);

        Os::unsetAppIconNumber();
        QTRY_COMPARE(spy.updates.size(), 3);
        QCOMPARE(spy.updates.at(2).value(QStringLiteral("count-visible")).toBool(), false);
        m_fake.disconnect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                          QStringLiteral("Update"), &spy, SLOT(onUpdate(QString, QVariantMap)));
    }

    void revealWithoutFileManagerOpensTheFolder()
    {
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("take one.wav"));
        UrlCatcher catcher;
        bool const accepted = Os::openFolderAndSelectFile(file);
        QVERIFY(accepted);
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    }

    void revealAsksTheFileManager()
    {
        QThread thread;
        FakeFileManager manager;
        manager.moveToThread(&thread);
        thread.start();
        QVERIFY(m_fake.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        QVERIFY(m_fake.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                      QDBusConnection::ExportAllSlots));
        UrlCatcher catcher;

        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("take one.wav"));
        bool const accepted = Os::openFolderAndSelectFile(file);

        m_fake.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
        m_fake.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        thread.quit();
        thread.wait();

        QVERIFY(accepted);
        QCOMPARE(manager.shown, QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
        QVERIFY(manager.shown.at(0).contains(QLatin1String("take%20one.wav")));
        QCOMPARE(manager.startupIds, QStringList{QString()});
        QVERIFY(catcher.urls.isEmpty()); // no second window on top
    }

    void autostartEntry()
    {
        QTemporaryDir home;
        // A configuration folder that does not exist yet: switching on creates it.
        QString const config = home.filePath(QStringLiteral("fresh/config"));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QString const autostart = config + QStringLiteral("/autostart");
        QCOMPARE(Os_Mac::autostartFilePath(), autostart + QStringLiteral("/tickwren.desktop"));
        QVERIFY(!Os::isAutorunAtLogon());

        Os::changeAutorunAtLogon(true);
        QVERIFY(QDir(autostart).exists());
        QVERIFY(Os::isAutorunAtLogon());
        QFile other(autostart + QStringLiteral("/other.desktop"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("[Desktop Entry]\nType=Application\nName=Other\nExec=/usr/bin/other\n");
        other.close();

        Os::changeAutorunAtLogon(true);
        QCOMPARE(QDir(autostart).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("other.desktop"), QStringLiteral("tickwren.desktop")}));
        QFile entry(Os_Mac::autostartFilePath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QString const text = QString::fromUtf8(entry.readAll());
        entry.close();
        QVERIFY(text.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(text.contains(QLatin1String("\nType=Application\n")));
        QCOMPARE(text.count(QLatin1String("\nExec=")), 1);
        if (!QCoreApplication::applicationFilePath().contains(QLatin1Char(' ')))
            QVERIFY(
                text.contains(QLatin1String("\nExec=") + QCoreApplication::applicationFilePath() + QLatin1Char('\n')));

        Os::changeAutorunAtLogon(false);
        QVERIFY(!Os::isAutorunAtLogon());
        QCOMPARE(QDir(autostart).entryList(QDir::Files), QStringList{QStringLiteral("other.desktop")});

        // An entry of our name that starts some other program is not ours to remove.
        QFile foreign(Os_Mac::autostartFilePath());
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("[Desktop Entry]\nType=Application\nName=Tickwren\nExec=/opt/elsewhere/tickwren\n");
        foreign.close();
        QVERIFY(!Os::isAutorunAtLogon());
        Os::changeAutorunAtLogon(false);
        QVERIFY(QFile::exists(Os_Mac::autostartFilePath()));

        // An entry the user switched off (Hidden) does not count as on.
        Os::changeAutorunAtLogon(true);
        QVERIFY(Os::isAutorunAtLogon());
        QVERIFY(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(!Os::isAutorunAtLogon());
    }

    void nativeLibraryName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "foo"
                               << "libfoo.so";
        QTest::newRow("empty") << ""
                               << "lib.so";
    }
    void nativeLibraryName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(Os::nativeLibraryName(name), expected);
    }

    void scaleFactorIsTheScreensPixelRatio()
    {
        // Without a GUI application no screen can tell: 1.0.
        QCOMPARE(g_scaleWithoutApplication, 1.0);
        // main() asked Qt for twice the pixels per point.
        QCOMPARE(Os::scaleFactor(), 2.0);
    }
};

int main(int argc, char** argv)
{
    g_scaleWithoutApplication = Os::scaleFactor();
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestOs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_os.moc"
