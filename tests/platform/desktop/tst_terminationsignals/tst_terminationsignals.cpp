// SIGTERM, SIGHUP and SIGINT as a Qt signal: a signal that comes while a settings file
// is being saved is taken up after the save, which leaves no lock file behind,
// a signal that was ignored at start stays ignored, and a second signal ends
// the program at once.
#include "platform/desktop/TerminationSignals.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <pthread.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class TestTerminationSignals : public QObject
{
    Q_OBJECT
private slots:
    void signalDuringSaves_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalDuringSaves()
    {
        QFETCH(int, number);
        QTemporaryDir dir;
        QString const file = dir.filePath("settings.plist");
        TerminationSignals handler;
        QVERIFY(handler.isActive());
        QSignalSpy received(&handler, &TerminationSignals::received);

        // The signal is sent to this (the saving) thread while it saves again
        // and again; without the handler it would end the test program.
        pthread_t const saver = pthread_self();
        constexpr int kSaves = 100;
        std::atomic<int> saves{0};
        int sentAfter = -1;
        std::thread sender([&] {
            while (saves.load() < 5)
                std::this_thread::yield();
            pthread_kill(saver, number);
            sentAfter = saves.load();
        });
        QSettings settings(file, QSettings::IniFormat);
        for (int i = 0; i < kSaves; ++i) {
            settings.setValue("Round", i);
            settings.setValue("Payload", QByteArray(10000, char('a' + i % 26)));
            settings.sync();
            QCOMPARE(settings.status(), QSettings::NoError);
            ++saves;
        }
        sender.join();
        QVERIFY2(sentAfter < kSaves, "the signal came only after the saves");

        // Nothing was reported in the middle of the saves; the event loop reports it.
        QCOMPARE(received.size(), 0);
        QVERIFY(!QFile::exists(file + ".lock"));
        QVERIFY(received.wait(5000));
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toInt(), number);
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("Round").toInt(), kSaves - 1);
    }

    void ignoredSignalStaysIgnored()
    {
        // As under nohup.
        std::signal(SIGHUP, SIG_IGN);
        {
            TerminationSignals handler;
            QSignalSpy received(&handler, &TerminationSignals::received);
            ::raise(SIGHUP);
            ::raise(SIGTERM);
            QVERIFY(received.wait(5000));
            QCOMPARE(received.size(), 1);
            QCOMPARE(received.at(0).at(0).toInt(), int(SIGTERM));
        }
        QVERIFY(std::signal(SIGHUP, SIG_DFL) == SIG_IGN);
    }

    // A program that does not get round to closing can still be stopped: the
    // second signal ends it at once, as it would without the handler.
    void secondSignalEndsAtOnce_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void secondSignalEndsAtOnce()
    {
        QFETCH(int, number);
        pid_t const child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // No event loop runs here, so the first signal is never handled.
            TerminationSignals handler;
            ::raise(number);
            int const code = handler.isActive() ? 0 : 3;
            ::raise(number);
            ::_exit(code);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString("the child exited with %1").arg(WEXITSTATUS(status))));
        QCOMPARE(WTERMSIG(status), number);
    }

    // Ctrl-\ is the user's way to stop at once with a core dump: not taken over.
    void quitSignalKeepsItsDefault()
    {
        // The test runner has its own handler there; it must stay in place.
        struct sigaction before = {};
        QCOMPARE(sigaction(SIGQUIT, nullptr, &before), 0);
        TerminationSignals handler;
        QVERIFY(handler.isActive());
        struct sigaction current = {};
        QCOMPARE(sigaction(SIGQUIT, nullptr, &current), 0);
        QVERIFY(current.sa_handler == before.sa_handler);
    }

    void oneHandlerAtATime()
    {
        TerminationSignals first;
        TerminationSignals second;
        QVERIFY(first.isActive());
        QVERIFY(!second.isActive());
        QSignalSpy received(&first, &TerminationSignals::received);
        ::raise(SIGTERM);
        QVERIFY(received.wait(5000));
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
