// The reminder schedule across starts: one settings file carried from start to
// start in a temporary home folder, the program's tell-or-join reminder every
// fourth start, "Maybe Later" keeps it coming and "Never Ask Me Again" ends it.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One start; returns the dialog it showed ("none" when none).
QString start(QString const& home, QString const& answer)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(REMINDER_START, {answer});
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(program.readAllStandardError());
    return QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed();
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
};

QTEST_GUILESS_MAIN(TestReminderRuns)
#include "tst_reminderruns.moc"
