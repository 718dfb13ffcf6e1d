#pragma once
// A PulseAudio server of a test's own: a socket in a folder of its own, no
// configuration read from the machine, and one null sink ("discard", 48 kHz
// stereo 16-bit) that takes whatever is played and plays nothing, with a
// monitor source ("discard.monitor") to record it from. It can be killed and
// started again on the same address, as a crashed or restarted server is, and
// stopped and continued, as a hung one is.
//
//     PrivateSoundServer server;
//     if (!server.start())
//         QSKIP("no sound server program (pulseaudio) to start");
//     qputenv("PULSE_SERVER", server.address().toUtf8());

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/types.h>

class PrivateSoundServer
{
public:
    ~PrivateSoundServer() { kill(); }

    static bool available() { return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty(); }

    // For PULSE_SERVER; valid before the server runs.
    QString address() const { return QStringLiteral("unix:") + socket(); }

    // False when the program is missing or the server did not come up.
    bool start()
    {
        QString const program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || !m_dir.isValid())
            return false;
        kill();
        QFile::remove(socket());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program,
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                        // Should the test die without killing it, the server
                        // leaves once its last client has been gone a while.
                        QStringLiteral("--exit-idle-time=20"), QStringLiteral("--use-pid-file=no"),
                        QStringLiteral("--log-level=error"),
                        // Ahead of the build jobs of a busy machine where it may.
                        QStringLiteral("--high-priority=yes"), QStringLiteral("--realtime=yes"),
                        QStringLiteral("--disable-shm=yes"),
                        QStringLiteral("-Lmodule-null-sink sink_name=discard rate=48000 channels=2 format=s16le"),
                        QStringLiteral("-Lmodule-native-protocol-unix auth-anonymous=1 socket=") + socket()});
        if (!m_server.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(socket())) {
            if (m_server.state() == QProcess::NotRunning || clock.elapsed() > 10000)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    bool running() const { return m_server.state() != QProcess::NotRunning; }
    // The server's process id; 0 when it does not run.
    qint64 processId() const { return m_server.processId(); }

    // Stopped and continued as a hung server is and comes back (SIGSTOP, SIGCONT).
    void pause() { signal(SIGSTOP); }
    void resume() { signal(SIGCONT); }

    // Gone at once, as a crashed server is.
    void kill()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished(5000);
    }

private:
    void signal(int sig)
    {
        if (m_server.state() != QProcess::NotRunning)
            ::kill(pid_t(m_server.processId()), sig);
    }
    QString socket() const { return m_dir.filePath(QStringLiteral("native")); }

    QTemporaryDir m_dir;
    QProcess m_server;
};
