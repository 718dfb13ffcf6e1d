#pragma once
// A real FTP server for tests: Debian's pyftpdlib, started on 127.0.0.1 (a free
// port) over a folder of the test's own, with one user. It can be frozen
// (stopped, not killed), so that it keeps its connections and answers nothing,
// as a hung server does.
//
//     LocalFtpServer server;
//     QVERIFY2(server.start(dir.path(), "user", "secret"), qPrintable(server.error()));
//     client.connectToHost("127.0.0.1", server.port());

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <signal.h>

class LocalFtpServer
{
public:
    ~LocalFtpServer() { stop(); }

    bool start(QString const& root, QString const& user, QString const& password)
    {
        // Debian's interpreter, where the Debian module lives.
        QString program = QStringLiteral("/usr/bin/python3");
        if (!QFileInfo::exists(program))
            program = QStandardPaths::findExecutable(QStringLiteral("python3"));
        static char const script[] = "import logging, sys\n"
                                     "logging.basicConfig(level=logging.ERROR)\n"
                                     "from pyftpdlib.authorizers import DummyAuthorizer\n"
                                     "from pyftpdlib.handlers import FTPHandler\n"
                                     "from pyftpdlib.servers import FTPServer\n"
                                     "authorizer = DummyAuthorizer()\n"
                                     "authorizer.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm='elradfmwMT')\n"
                                     "FTPHandler.authorizer = authorizer\n"
                                     "server = FTPServer(('127.0.0.1', 0), FTPHandler)\n"
                                     "print(server.address[1], flush=True)\n"
                                     "server.serve_forever()\n";
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setReadChannel(QProcess::StandardOutput);
        m_process.start(program, {QStringLiteral("-c"), QString::fromLatin1(script), root, user, password});
        if (!m_process.waitForStarted(10000)) {
            m_sError = QStringLiteral("cannot start %1: %2").arg(program, m_process.errorString());
            return false;
        }
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(20000)) {
                m_sError = QStringLiteral("the FTP server did not come up (python3-pyftpdlib installed?): %1")
                               .arg(QString::fromLocal8Bit(m_process.readAllStandardError()));
                stop();
                return false;
            }
        }
        m_nPort = quint16(m_process.readLine().trimmed().toUInt());
        return m_nPort != 0;
    }

    quint16 port() const { return m_nPort; }
    QString const& error() const { return m_sError; }

    // Stops answering anything, keeping every connection open.
    void freeze() { signal(SIGSTOP); }
    void thaw() { signal(SIGCONT); }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    void signal(int number)
    {
        if (m_process.processId() > 0)
            ::kill(pid_t(m_process.processId()), number);
    }

    QProcess m_process;
    quint16 m_nPort = 0;
    QString m_sError;
};
