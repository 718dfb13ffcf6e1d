// The reminder schedule across starts: one settings file carried from start to
// start in a temporary home folder, the program's tell-or-join reminder every
// fourth start, "Maybe Later" keeps it coming and "Never Ask Me Again" ends it;
// copies started together each count their start.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

void launch(QProcess* program, QString const& home, QString const& answer)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    program->setProcessEnvironment(env);
    program->start(REMINDER_START, {answer});
}

// Waits for a start; returns the dialog it showed ("none" when none).
QString outcome(QProcess* program)
{
    if (!program->waitForFinished(120000) || program->exitStatus() != QProcess::NormalExit || program->exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(program->readAllStandardError());
    return QString::fromLocal8Bit(program->readAllStandardOutput()).trimmed();
}

QString start(QString const& home, QString const& answer)
{
    QProcess program;
    launch(&program, home, answer);
    return outcome(&program);
}

QString settingsFile(QString const& home)
{
    return home + "/.local/share/Olvenar/TickwrenTrial/settings.plist";
}

bool isTellOrJoin(QString const& dialog)
{
    return dialog == QLatin1String("ZEDireroz::TellReminderDialog")
           || dialog == QLatin1String("ZEDireroz::JoinReminderDialog");
}

} // namespace

class TestReminderRuns : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("comesAgain");
        QTest::newRow("Maybe Later") << "later" << true;
        QTest::newRow("closed") << "close" << true;
        QTest::newRow("Never Ask Me Again") << "never" << false;
    }
    void answers()
    {
        QFETCH(QString, answer);
        QFETCH(bool, comesAgain);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        for (int run = 1; run <= 8; ++run) {
            QString const dialog = start(home.path(), answer);
            QVERIFY2(!dialog.startsWith("failed"), qPrintable(dialog));
            bool const due = run == 4 || (run == 8 && comesAgain);
            QVERIFY2(due ? isTellOrJoin(dialog) : dialog == QLatin1String("none"),
                     qPrintable(QString("start %1: %2").arg(run).arg(dialog)));
            QSettings const settings(settingsFile(home.path()), QSettings::IniFormat);
            // The counter stops moving once the reminders are off for good.
            int const counter = !comesAgain && run > 4 ? 5 : run + 1;
            QCOMPARE(settings.value("TickwrenTrial/AutoReminderCount").toInt(), counter);
            QCOMPARE(settings.value("TickwrenTrial/AutoReminder", true).toBool(), comesAgain || run < 4);
        }
    }

    // Copies started together with one home folder: each start is counted.
    void copiesStartedTogether_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("2 copies") << 2;
        QTest::newRow("8 copies") << 8;
    }
    void copiesStartedTogether()
    {
        QFETCH(int, copies);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        std::vector<std::unique_ptr<QProcess>> programs;
        for (int i = 0; i < copies; ++i) {
            programs.push_back(std::make_unique<QProcess>());
            launch(programs.back().get(), home.path(), "later");
        }
        for (auto const& program : programs) {
            QString const dialog = outcome(program.get());
            QVERIFY2(!dialog.startsWith("failed"), qPrintable(dialog));
        }
        QSettings const settings(settingsFile(home.path()), QSettings::IniFormat);
        QCOMPARE(settings.value("TickwrenTrial/AutoReminderCount").toInt(), copies + 1);
        QVERIFY(!QFile::exists(settingsFile(home.path()) + ".update.lock"));
    }
};

QTEST_GUILESS_MAIN(TestReminderRuns)
#include "tst_reminderruns.moc"
