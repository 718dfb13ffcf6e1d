// The display check made before the program's window system connection.
#include "platform/desktop/DisplayProbe.h"

#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>

using Result = DisplayProbe::Result;
Q_DECLARE_METATYPE(DisplayProbe::Result)

class TestDisplayProbe : public QObject
{
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("waylandPlugin");
        QTest::addColumn<bool>("serverUp");
        QTest::addColumn<Result>("expected");
        QTest::addColumn<QString>("tried"); // display the X11 connection was tried on

        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << true << true << Result::NoDisplaySet << "";
        QTest::newRow("xcb, nothing set") << "xcb"
                                          << ""
                                          << "" << true << true << Result::NoDisplaySet << "";
        QTest::newRow("X11 up") << ""
                                << ":0"
                                << "" << true << true << Result::Available << ":0";
        QTest::newRow("X11 down") << ""
                                  << ":7"
                                  << "" << true << false << Result::ConnectionFailed << ":7";
        QTest::newRow("xcb with options, down") << "xcb:foo=1"
                                                << "host:3"
                                                << "" << true << false << Result::ConnectionFailed << "host:3";
        QTest::newRow("Wayland session") << ""
                                         << ""
                                         << "wayland-0" << true << true << Result::Available << "";
        QTest::newRow("Wayland session, toolkit without Wayland")
            << ""
            << ""
            << "wayland-0" << false << true << Result::NoWaylandPlugin << "";
        QTest::newRow("Wayland session, compositor gone")
            << ""
            << ""
            << "wayland-0" << true << false << Result::WaylandConnectionFailed << "";
        QTest::newRow("wayland asked, toolkit without Wayland")
            << "wayland"
            << ""
            << "wayland-1" << false << true << Result::NoWaylandPlugin << "";
        QTest::newRow("xcb asked, only Wayland") << "xcb"
                                                 << ""
                                                 << "wayland-0" << true << true << Result::NoDisplaySet << "";
        QTest::newRow("wayland asked, none") << "wayland"
                                             << ""
                                             << "" << true << true << Result::NoWaylandDisplay << "";
        QTest::newRow("wayland asked, set") << "wayland"
                                            << ""
                                            << "wayland-1" << true << true << Result::Available << "";
        QTest::newRow("fallback list") << "wayland;xcb"
                                       << ":0"
                                       << "" << true << true << Result::Available << ":0";
        QTest::newRow("offscreen") << "offscreen"
                                   << ""
                                   << "" << true << true << Result::Available << "";
        QTest::newRow("minimal") << "minimal"
                                 << ""
                                 << "" << true << true << Result::Available << "";
    }
    void check()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, waylandPlugin);
        QFETCH(bool, serverUp);
        QFETCH(Result, expected);
        QFETCH(QString, tried);
        QTemporaryDir runtime; // holds no Wayland socket
        DisplayProbe::Environment env{platform, display, wayland, runtime.path(), waylandPlugin};
        QString triedDisplay;
        auto connector = [&](QString const& name) {
            triedDisplay = name;
            return serverUp;
        };
        auto waylandConnector = [&](QString const&) { return serverUp; };
        QCOMPARE(DisplayProbe::check(env, connector, waylandConnector), expected);
        QCOMPARE(triedDisplay, tried);
    }

    void waylandSocketCounts()
    {
        QTemporaryDir runtime;
        QLocalServer compositor;
        QVERIFY(compositor.listen(runtime.filePath("wayland-0")));
        DisplayProbe::Environment env{"wayland", "", "", runtime.path(), true};
        QCOMPARE(DisplayProbe::check(env), Result::Available);
        // A socket file that nobody listens on is no display.
        compositor.close();
        QFile stale(runtime.filePath("wayland-0"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QCOMPARE(DisplayProbe::check(env), Result::WaylandConnectionFailed);
    }

    void platformToUse_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Wayland session without X") << ""
                                                   << ""
                                                   << "wayland-0"
                                                   << "wayland";
        QTest::newRow("Wayland session with X") << ""
                                                << ":0"
                                                << "wayland-0"
                                                << "";
        QTest::newRow("platform chosen") << "xcb"
                                         << ""
                                         << "wayland-0"
                                         << "";
        QTest::newRow("X only") << ""
                                << ":0"
                                << ""
                                << "";
    }
    void platformToUse()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, expected);
        DisplayProbe::Environment env{platform, display, wayland, "/run/user/1", true};
        QCOMPARE(DisplayProbe::platformToUse(env), expected);
    }

    void waylandSocketPath()
    {
        QCOMPARE(DisplayProbe::waylandSocketPath({"", "", "wayland-1", "/run/user/7", true}),
                 QStringLiteral("/run/user/7/wayland-1"));
        QCOMPARE(DisplayProbe::waylandSocketPath({"", "", "/tmp/w", "", true}), QStringLiteral("/tmp/w"));
        QCOMPARE(DisplayProbe::waylandSocketPath({"", "", "", "/run/user/7", true}),
                 QStringLiteral("/run/user/7/wayland-0"));
        QCOMPARE(DisplayProbe::waylandSocketPath({"", "", "wayland-1", "", true}), QString());
    }

    void realConnectionToAMissingServerFails() { QVERIFY(!DisplayProbe::connectX11(":59999")); }

    void arguments()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QByteArray a0("tickwren"), a1("-platform"), a2("xcb"), a3("--other");
        char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
        QCOMPARE(DisplayProbe::fromProcess(4, argv).platform, QStringLiteral("xcb"));
        QCOMPARE(DisplayProbe::fromProcess(1, argv).platform, QStringLiteral("offscreen"));
    }

    void reasons()
    {
        QCOMPARE(QByteArray(DisplayProbe::reasonText(Result::Available)), QByteArray());
        QVERIFY(QByteArray(DisplayProbe::reasonText(Result::ConnectionFailed)).contains("%1"));
        QVERIFY(QByteArray(DisplayProbe::reasonText(Result::NoDisplaySet)).contains("DISPLAY"));
        QVERIFY(QByteArray(DisplayProbe::reasonText(Result::NoWaylandDisplay)).contains("WAYLAND_DISPLAY"));
        QVERIFY(QByteArray(DisplayProbe::reasonText(Result::NoWaylandPlugin)).contains("Wayland"));
        QVERIFY(QByteArray(DisplayProbe::reasonText(Result::WaylandConnectionFailed)).contains("%1"));
    }
};

QTEST_GUILESS_MAIN(TestDisplayProbe)
#include "tst_displayprobe.moc"
