// The program itself: it refuses to start without a display in one clear line,
// a start with a fresh home folder creates its settings file, and a SIGTERM,
// SIGHUP or SIGINT closes it the way Quit does, also while it tells that its folder
// cannot be written.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

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

QString settingsFile(QString const& home)
{
    return home + "/.local/share/Olvenar/TickwrenTrial/settings.plist";
}

// The program has written its settings once the language is in the file.
bool languageWritten(QString const& file)
{
    return !QSettings(file, QSettings::IniFormat).value("TickwrenTrial/Language").toString().isEmpty();
}

// Starts the program with a fresh home, on the test's own X display when it
// has one, else headless.
void startProgram(QProcess* program, QString const& home)
{
    QProcessEnvironment env = baseEnvironment(home);
    bool const x11 = !qEnvironmentVariable("DISPLAY").isEmpty();
    env.insert("QT_QPA_PLATFORM", x11 ? "xcb" : "offscreen");
    // The X keyboard library reads its keymap names with strndup beyond the
    // string's end, which strict string checking reports; that code is not ours.
    if (x11)
        env.insert("ASAN_OPTIONS",
                   env.value("ASAN_OPTIONS").replace("strict_string_checks=1", "strict_string_checks=0"));
    program->setProcessEnvironment(env);
    program->start(TICKWREN_PROGRAM, QStringList());
}

// Starts the program and waits until it has written its settings file (or
// ended); the caller checks QTest::currentTestFailed().
void startAndWaitForSettings(QProcess* program, QString const& home)
{
    startProgram(program, home);
    QVERIFY(program->waitForStarted());
    QString const file = settingsFile(home);
    QTRY_VERIFY_WITH_TIMEOUT(languageWritten(file) || program->state() != QProcess::Running, 60000);
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
        QProcess program;
        startAndWaitForSettings(&program, home.path());
        if (QTest::currentTestFailed())
            return;
        QString const file = settingsFile(home.path());
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

    // Nothing in the program draws with OpenGL: on an X display the GL driver
    // (a software renderer with its compiler, over 40 MB) stays out of it.
    void noOpenGLDriverLoaded()
    {
        if (qEnvironmentVariable("DISPLAY").isEmpty())
            QSKIP("needs an X display (tst_startup_x11)");
        QTemporaryDir home;
        QProcess program;
        startAndWaitForSettings(&program, home.path());
        if (QTest::currentTestFailed())
            return;
        QVERIFY(program.state() == QProcess::Running);
        QFile maps(QString("/proc/%1/maps").arg(program.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QByteArray const mapped = maps.readAll();
        program.kill();
        program.waitForFinished();
        // The window is up by now: the settings are written after it is shown.
        QVERIFY(mapped.contains("libQt5XcbQpa"));
        for (char const* driver : {"libGLX_mesa", "_dri.so", "libLLVM"})
            QVERIFY2(!mapped.contains(driver), driver);
    }

    // A session that ends (SIGHUP), a `kill` (SIGTERM) or Ctrl-C (SIGINT) closes the program as
    // Quit does: a normal exit with status 0, the settings kept, no lock left.
    void signalClosesLikeQuit_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalClosesLikeQuit()
    {
        QFETCH(int, number);
        QTemporaryDir home;
        QProcess program;
        startAndWaitForSettings(&program, home.path());
        if (QTest::currentTestFailed())
            return;
        QString const file = settingsFile(home.path());
        QCOMPARE(program.state(), QProcess::Running);

        QCOMPARE(::kill(pid_t(program.processId()), number), 0);
        QVERIFY(program.waitForFinished(60000));
        QByteArray const err = program.readAllStandardError();
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, err.right(2000).constData());
        QVERIFY2(program.exitCode() == 0, err.right(2000).constData());
        QVERIFY(!QFile::exists(file + ".lock"));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("TickwrenTrial/Language").toString(),
                 QStringLiteral("en"));
    }

    // A signal that arrives while the program tells that its folder cannot be
    // written ends the program, rather than only closing the message.
    void signalDuringTheFolderWarningEndsTheProgram()
    {
        QTemporaryDir home;
        // A file in the support folder's place: not writable for anyone.
        QString const folder = home.path() + "/.local/share/Olvenar/TickwrenTrial";
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcess program;
        startProgram(&program, home.path());
        QVERIFY(program.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += program.readAllStandardError()).contains("cannot write to")
                                     || program.state() != QProcess::Running,
                                 60000);
        QVERIFY2(program.state() == QProcess::Running, err.right(2000).constData());

        QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
        bool const ended = program.waitForFinished(30000);
        err += program.readAllStandardError();
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "the program went on after the signal");
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, err.right(2000).constData());
        QVERIFY2(program.exitCode() == 0, err.right(2000).constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
