// The program itself: it refuses to start without a display in one clear line,
// and a start with a fresh home folder creates its settings file.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QProcessEnvironment baseEnvironment(QString const& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    env.remove("TICKWREN_RESOURCE_DIR");
    return env;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void noDisplay_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("mentions");
        QTest::addColumn<QString>("wayland");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "DISPLAY"
                                     << "";
        QTest::newRow("xcb, nothing set") << "xcb"
                                          << ""
                                          << "DISPLAY"
                                          << "";
        QTest::newRow("no server") << ""
                                   << ":59999"
                                   << ":59999"
                                   << "";
        // In a Wayland session with no X display the program asks for the
        // Wayland platform; where that cannot work it says so instead of aborting.
        QTest::newRow("Wayland only, nothing listening") << ""
                                                         << ""
                                                         << "Wayland"
                                                         << "wayland-tw-none";
    }
    void noDisplay()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, mentions);
        QFETCH(QString, wayland);
        QTemporaryDir home;
        QProcessEnvironment env = baseEnvironment(home.path());
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        env.remove("XDG_SESSION_TYPE");
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        if (!wayland.isEmpty())
            env.insert("WAYLAND_DISPLAY", wayland);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(TICKWREN_PROGRAM, QStringList());
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY(program.exitCode() != 0);
        QString const err = QString::fromLocal8Bit(program.readAllStandardError());
        QStringList const lines = err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith("Tickwren cannot start: "), qPrintable(err));
        QVERIFY2(lines.first().contains(mentions), qPrintable(err));
        QVERIFY(program.readAllStandardOutput().isEmpty());
        // It stopped before creating anything.
        QVERIFY(!QDir(home.path() + "/.local/share/Olvenar").exists());
    }

    void freshHomeGetsTheSettingsFile()
    {
        QTemporaryDir home;
        QProcessEnvironment env = baseEnvironment(home.path());
        // On the test's own X display when it has one, else headless.
        bool const x11 = !qEnvironmentVariable("DISPLAY").isEmpty();
        env.insert("QT_QPA_PLATFORM", x11 ? "xcb" : "offscreen");
        // The X keyboard library reads its keymap names with strndup beyond the
        // string's end, which strict string checking reports; that code is not ours.
        if (x11)
            env.insert("ASAN_OPTIONS",
                       env.value("ASAN_OPTIONS").replace("strict_string_checks=1", "strict_string_checks=0"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(TICKWREN_PROGRAM, QStringList());
        QVERIFY(program.waitForStarted());

        QString const file = home.path() + "/.local/share/Olvenar/TickwrenTrial/settings.plist";
        // The program has written its settings once the language is in the file.
        auto const written = [&file]() {
            return !QSettings(file, QSettings::IniFormat).value("TickwrenTrial/Language").toString().isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(written() || program.state() != QProcess::Running, 60000);
        program.kill();
        program.waitForFinished();

        QVERIFY2(QFileInfo::exists(file), program.readAllStandardError().constData());
        QVERIFY2(!program.readAllStandardError().contains("cannot start"), "the display check refused a display");
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(settings.childGroups(), QStringList{"TickwrenTrial"});
        QCOMPARE(settings.value("TickwrenTrial/Language").toString(), QStringLiteral("en"));
        // The work folder lies in the same data folder.
        QVERIFY(QDir(home.path() + "/.local/share/Olvenar/TickwrenTrial/Work").exists());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
