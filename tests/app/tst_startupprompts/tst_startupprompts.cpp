// The start-up's prompts: the introduction slides of the slide language, the
// More menu's rows of the maker's other applications, the introduction shortly
// after start and the reminder schedule.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "app/Startup.h"
#include "app/StartupPrompts.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QtTest>

using ZEDireroz::App;

namespace {

App* app()
{
    return App::theApp();
}

QString const kMaker = QStringLiteral("http://tickwren.example.org");

} // namespace

class TestStartupPrompts : public QObject
{
    Q_OBJECT
private slots:
    // A support folder that cannot be written is told once; a writable one is not.
    void supportFolderNotice_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("writable") << false;
        QTest::newRow("a file in the folder's place") << true;
    }
    void supportFolderNotice()
    {
        QFETCH(bool, blocked);
        QString const folder = app()->supportDirectory();
        QString const path = folder.chopped(1);
        QString const aside = path + QStringLiteral(".aside");
        auto const restore = qScopeGuard([&] {
            if (blocked && QFile::remove(path))
                QDir().rename(aside, path);
        });
        if (blocked) {
            // Not writable for anyone, whatever the permissions.
            QVERIFY(QDir().rename(path, aside));
            QFile blocker(path);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        QCOMPARE(app()->canSaveSettings(), !blocked);

        QString shownText;
        ModalAnswer answer([&](QDialog* d) {
            for (QLabel const* label : d->findChildren<QLabel*>())
                shownText += label->text();
            d->reject();
        });
        QCOMPARE(StartupPrompts::warnIfSettingsCannotBeSaved(*app(), nullptr), blocked);
        QCOMPARE(answer.seen(), blocked);
        if (blocked) {
            QCOMPARE(answer.seenClass(), QStringLiteral("ZEDireroz::MessageBox"));
            QVERIFY2(shownText.contains(QDir::toNativeSeparators(folder)), qPrintable(shownText));
        }
    }

    void slides_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
        QTest::newRow("Russian") << "ru";
    }
    void slides()
    {
        QFETCH(QString, language);
        QString const folder = QStringLiteral("/opt/tickwren/share/");
        QStringList expected;
        for (char const* stem : {"TWSlide0_", "TWSlide1_", "TWSlide2_", "TWSlide3_", "TWSlide4_"})
            expected << folder + stem + language + ".jpg";
        QCOMPARE(StartupPrompts::introductionSlides(folder, language), expected);
    }

    void promotionRows()
    {
        UrlCatcher catcher;
        ZEDireroz::PromoMenuBar bar;
        StartupPrompts::fillPromotionMenu(&bar, kMaker);
        QList<QAction*> const rows = bar.shopMenu()->actions();
        QStringList titles;
        for (QAction* row : rows)
            titles << (row->isSeparator() ? QStringLiteral("--") : row->text());
        QCOMPARE(titles, (QStringList{"Pitchfinch Tuner", "Chordlark Chord Book", "Staffowl Note Reader",
                                      "Drumkite Rhythms", "Scalepipit Scales", "--", "Songplover Songbook",
                                      "Echotern Recorder", "Tabrobin Tablature"}));
        for (QAction* row : rows) {
            if (row->isSeparator())
                continue;
            // Every row carries its application's own drawn icon.
            QVERIFY2(!row->icon().isNull(), qPrintable(row->text()));
            QCOMPARE(row->icon().availableSizes().value(0), QSize(64, 64));
            row->trigger();
        }
        QString const store = QString::fromLatin1(TickwrenLinks::kStoreSite);
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(kMaker + "/apps/pitchfinch/"), QUrl(kMaker + "/apps/chordlark/"),
                                            QUrl(kMaker + "/apps/staffowl/"), QUrl(kMaker + "/apps/drumkite/"),
                                            QUrl(kMaker + "/apps/scalepipit/"),
                                            QUrl(store + "/app/songploversongbook/id910000006?ls=1&mt=12"),
                                            QUrl(kMaker + "/apps/echotern/"), QUrl(kMaker + "/apps/tabrobin/")}));
    }

    // The introduction comes 500 ms after start unless the user turned it off;
    // the reminder's check runs either way.
    void introductionAndReminder_data()
    {
        QTest::addColumn<bool>("turnedOff");
        QTest::newRow("introduction on") << false;
        QTest::newRow("introduction turned off") << true;
    }
    void introductionAndReminder()
    {
        QFETCH(bool, turnedOff);
        app()->settings()->clear();
        app()->setSettingsValue(QStringLiteral("NeverShowItAgain"), turnedOff);
        app()->setRemiderDelay(100);
        QElapsedTimer clock;
        clock.start();
        qint64 shownAfter = -1;
        ModalAnswer answer([&](QDialog* d) {
            shownAfter = clock.elapsed();
            d->reject();
        });
        StartupPrompts::schedulePrompts(*app());
        QCOMPARE(app()->reminderCount(), 4);
        QVERIFY(app()->reminderKind() == 2 || app()->reminderKind() == 4);
        // A fresh counter: the first start is not due, and the counter moves on.
        QTRY_COMPARE(app()->settingsValue(QStringLiteral("AutoReminderCount")).toInt(), 2);
        if (turnedOff) {
            QTest::qWait(1000);
            QVERIFY(!answer.seen());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(answer.seen(), 5000);
            QCOMPARE(answer.seenClass(), QStringLiteral("ZEDireroz::HelpDialog"));
            QVERIFY2(shownAfter >= 480, qPrintable(QString::number(shownAfter)));
        }
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    Startup::installActions();
    TestStartupPrompts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupprompts.moc"
