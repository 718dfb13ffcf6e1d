// The display check made before the program's window system connection.
#include "platform/desktop/DisplayProbe.h"

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
        QTest::addColumn<bool>("serverUp");
        QTest::addColumn<Result>("expected");
        QTest::addColumn<QString>("tried"); // display the X11 connection was tried on

        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << true << Result::NoDisplaySet << "";
        QTest::newRow("xcb, nothing set") << "xcb"
                                          << ""
                                          << "" << true << Result::NoDisplaySet << "";
        QTest::newRow("X11 up") << ""
                                << ":0"
                                << "" << true << Result::Available << ":0";
        QTest::newRow("X11 down") << ""
                                  << ":7"
                                  << "" << false << Result::ConnectionFailed << ":7";
        QTest::newRow("xcb with options, down") << "xcb:foo=1"
                                                << "host:3"
                                                << "" << false << Result::ConnectionFailed << "host:3";
        QTest::newRow("Wayland session") << ""
                                         << ""
                                         << "wayland-0" << true << Result::Available << "";
        QTest::newRow("xcb asked, only Wayland") << "xcb"
                                                 << ""
                                                 << "wayland-0" << true << Result::NoDisplaySet << "";
        QTest::newRow("wayland asked, none") << "wayland"
                                             << ""
                                             << "" << true << Result::NoWaylandDisplay << "";
        QTest::newRow("wayland asked, set") << "wayland"
                                            << ""
                                            << "wayland-1" << true << Result::Available << "";
        QTest::newRow("fallback list") << "wayland;xcb"
                                       << ":0"
                                       << "" << true << Result::Available << ":0";
        QTest::newRow("offscreen") << "offscreen"
                                   << ""
                                   << "" << true << Result::Available << "";
        QTest::newRow("minimal") << "minimal"
                                 << ""
                                 << "" << true << Result::Available << "";
    }
    void check()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, serverUp);
        QFETCH(Result, expected);
        QFETCH(QString, tried);
        QTemporaryDir runtime; // holds no Wayland socket
        DisplayProbe::Environment env{platform, display, wayland, runtime.path()};
        QString triedDisplay;
        auto connector = [&](QString const& name) {
            triedDisplay = name;
            return serverUp;
        };
        QCOMPARE(DisplayProbe::check(env, connector), expected);
        QCOMPARE(triedDisplay, tried);
    }

    void waylandSocketCounts()
    {
        QTemporaryDir runtime;
        QFile socket(runtime.filePath("wayland-0"));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();
        DisplayProbe::Environment env{"wayland", "", "", runtime.path()};
        QCOMPARE(DisplayProbe::check(env), Result::Available);
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
    }
};

QTEST_GUILESS_MAIN(TestDisplayProbe)
#include "tst_displayprobe.moc"
