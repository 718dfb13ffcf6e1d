// The reminder schedule: which reminder a set of kinds gives, when the start
// counter makes it due, and what each answer leaves in the settings.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/PromotionTesting.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotionbar/ReminderActions.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using ZEDireroz::App;
using ZEDireroz::ReminderDialog;

namespace {

App* app()
{
    return App::theApp();
}

QString const kTellDialog = QStringLiteral("ZEDireroz::TellReminderDialog");
QString const kJoinDialog = QStringLiteral("ZEDireroz::JoinReminderDialog");
QString const kRateDialog = QStringLiteral("ZEDireroz::RateReminderDialog");

enum Answer { Now, MaybeLater, Never, Closed };

void answer(QDialog* d, int how)
{
    auto* dialog = static_cast<ReminderDialog*>(d);
    switch (how) {
    case Now:
        dialog->nowButton()->click();
        break;
    case MaybeLater:
        // Whichever Maybe Later the dialog shows.
        (dialog->secondMaybeLaterButton()->isHidden() ? dialog->maybeLaterButton() : dialog->secondMaybeLaterButton())
            ->click();
        break;
    case Never:
        dialog->neverButton()->click();
        break;
    default:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    }
}

// A draw that hands out the given values in turn and counts how often it was asked.
struct Draws
{
    QList<quint32> values;
    int asked = 0;
    std::function<quint32()> function()
    {
        return [this]() { return values.value(asked++ % qMax(1, values.size())); };
    }
};

} // namespace

class TestReminders : public QObject
{
    Q_OBJECT
private:
    UrlCatcher* m_pCatcher = nullptr;

    // Sets the kind and the period; the check itself is run by the test.
    void schedule(int kind, int count)
    {
        if (kind == 1)
            app()->callRateReminder(count);
        else if (kind == 2)
            app()->callTellReminder(count);
        else
            app()->callJoinReminder(count);
    }

private slots:
    void initTestCase()
    {
        ZEDireroz::installPromotionActions();
        ZEDireroz::installReminderActions();
        m_pCatcher = new UrlCatcher;
        app()->setAppId(QStringLiteral("id123456789"));
        app()->currentLanguage();
    }
    void cleanupTestCase() { delete m_pCatcher; }
    void init()
    {
        m_pCatcher->urls.clear();
        app()->settings()->clear();
        app()->setReminderDraw({});
        // The timers of the scheduling calls stay out of the way; the tests run the
        // check themselves unless they look at the timer.
        app()->setRemiderDelay(24 * 3600 * 1000);
        PromotionTesting::setIndependent(false);
    }

    void kindFromKinds_data()
    {
        QTest::addColumn<int>("kinds");
        QTest::addColumn<bool>("appStore");
        QTest::addColumn<quint32>("draw");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("draws");
        QTest::newRow("rate") << 1 << true << 0u << 1 << 0;
        QTest::newRow("tell") << 2 << true << 0u << 2 << 0;
        QTest::newRow("join") << 4 << true << 0u << 4 << 0;
        QTest::newRow("none: join dialog") << 0 << true << 0u << 0 << 0;
        QTest::newRow("rate or tell, even") << 3 << true << 10u << 1 << 1;
        QTest::newRow("rate or tell, odd") << 3 << true << 11u << 2 << 1;
        QTest::newRow("rate or join, even") << 5 << true << 0u << 1 << 1;
        QTest::newRow("rate or join, odd") << 5 << true << 7u << 4 << 1;
        QTest::newRow("tell or join, even") << 6 << true << 4u << 4 << 1;
        QTest::newRow("tell or join, odd") << 6 << true << 3u << 2 << 1;
        QTest::newRow("any, remainder 0") << 7 << true << 9u << 1 << 1;
        QTest::newRow("any, remainder 1") << 7 << true << 10u << 2 << 1;
        QTest::newRow("any, remainder 2") << 7 << true << 11u << 4 << 1;
        QTest::newRow("largest draw") << 7 << true << 0xFFFFFFFFu << 1 << 1;
        QTest::newRow("store-dependent, store build") << 8 << true << 1u << 1 << 0;
        QTest::newRow("store-dependent, independent build") << 8 << false << 1u << 2 << 0;
        QTest::newRow("8 with rate: taken as it is") << 9 << true << 1u << 9 << 0;
    }
    void kindFromKinds()
    {
        QFETCH(int, kinds);
        QFETCH(bool, appStore);
        QFETCH(quint32, draw);
        QFETCH(int, kind);
        QFETCH(int, draws);
        Draws d{{draw}};
        QCOMPARE(App::reminderKindFor(kinds, appStore, d.function()), kind);
        QCOMPARE(d.asked, draws);
    }

    // The scheduling call uses the replaceable draw and the build kind.
    void callReminderUsesTheDraw()
    {
        Draws d{{3, 4}};
        app()->setReminderDraw(d.function());
        app()->callReminder(4, 6);
        QCOMPARE(app()->reminderKind(), 2);
        QCOMPARE(app()->reminderCount(), 4);
        app()->callReminder(7, 6);
        QCOMPARE(app()->reminderKind(), 4);
        QCOMPARE(app()->reminderCount(), 7);
        QCOMPARE(d.asked, 2);

        PromotionTesting::setIndependent(true);
        app()->callReminder(4, 8);
        QCOMPARE(app()->reminderKind(), 2);
        PromotionTesting::setIndependent(false);
        app()->callReminder(4, 8);
        QCOMPARE(app()->reminderKind(), 1);
        QCOMPARE(d.asked, 2);
    }

    // Without a fixed draw the choice really is random: both kinds come up.
    void systemDrawGivesBothKinds()
    {
        QSet<int> kinds;
        for (int i = 0; i < 200 && kinds.size() < 2; ++i) {
            app()->callReminder(4, 6);
            kinds << app()->reminderKind();
        }
        QCOMPARE(kinds, (QSet<int>{2, 4}));
    }

    void dialogOfTheKind_data()
    {
        QTest::addColumn<int>("kinds");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("rate") << 1 << kRateDialog;
        QTest::newRow("tell") << 2 << kTellDialog;
        QTest::newRow("join") << 4 << kJoinDialog;
        QTest::newRow("none") << 0 << kJoinDialog;
        QTest::newRow("8 with rate") << 9 << kJoinDialog;
    }
    void dialogOfTheKind()
    {
        QFETCH(int, kinds);
        QFETCH(QString, dialog);
        app()->callReminder(1, kinds);
        ModalAnswer a([](QDialog* d) { answer(d, MaybeLater); });
        app()->slotCallRateReminderInternal();
        QCOMPARE(a.seenClass(), dialog);
    }

    void counter_data()
    {
        QTest::addColumn<QVariant>("autoReminder");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QVariant>("after");
        QVariant const none;
        QTest::newRow("fresh") << none << none << 4 << false << QVariant(2);
        QTest::newRow("due") << none << QVariant(4) << 4 << true << QVariant(5);
        QTest::newRow("not due") << none << QVariant(6) << 4 << false << QVariant(7);
        QTest::newRow("every eighth") << QVariant(true) << QVariant(8) << 4 << true << QVariant(9);
        QTest::newRow("off") << QVariant(false) << QVariant(4) << 4 << false << QVariant(4);
        QTest::newRow("off, fresh") << QVariant(false) << none << 4 << false << none;
        QTest::newRow("minus one") << none << QVariant(-1) << 4 << false << QVariant(0);
        QTest::newRow("zero") << none << QVariant(0) << 4 << true << QVariant(1);
        QTest::newRow("negative multiple") << none << QVariant(-8) << 4 << true << QVariant(1);
        QTest::newRow("negative, not due") << none << QVariant(-5) << 4 << false << QVariant(1);
        QTest::newRow("largest int") << none << QVariant(INT_MAX) << 4 << false << QVariant(1);
        QTest::newRow("largest int, every start") << none << QVariant(INT_MAX) << 1 << true << QVariant(1);
        QTest::newRow("beyond int") << none << QVariant("99999999999") << 4 << true << QVariant(1);
        QTest::newRow("not a number") << none << QVariant("often") << 4 << true << QVariant(1);
        QTest::newRow("count 1") << none << QVariant(7) << 1 << true << QVariant(8);
        // A period of 0 or below would divide by zero; it means every start.
        QTest::newRow("count 0") << none << QVariant(3) << 0 << true << QVariant(4);
        QTest::newRow("negative count") << none << QVariant(3) << -2 << true << QVariant(4);
        QTest::newRow("smallest count, smallest counter")
            << none << QVariant(INT_MIN) << INT_MIN << true << QVariant(1);
    }
    void counter()
    {
        QFETCH(QVariant, autoReminder);
        QFETCH(QVariant, stored);
        QFETCH(int, count);
        QFETCH(bool, shown);
        QFETCH(QVariant, after);
        if (autoReminder.isValid())
            app()->setSettingsValue(QStringLiteral("AutoReminder"), autoReminder);
        if (stored.isValid())
            app()->setSettingsValue(QStringLiteral("AutoReminderCount"), stored);
        schedule(2, count);
        ModalAnswer a([](QDialog* d) { answer(d, MaybeLater); });
        app()->slotCallRateReminderInternal();
        QCOMPARE(a.seen(), shown);
        QVariant const written = app()->settingsValue(QStringLiteral("AutoReminderCount"));
        QCOMPARE(written.isValid(), after.isValid());
        if (after.isValid())
            QCOMPARE(written.toString(), after.toString());
    }

    void answers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("remindersOn");
        QTest::addColumn<QString>("link");
        QString const store = QString::fromLatin1(TickwrenLinks::kStoreSite)
                              + QStringLiteral("/app/tickwrentrial/id123456789?ls=1&mt=12");
        QTest::newRow("rate, Now") << 1 << int(Now) << false << store;
        QTest::newRow("rate, Maybe Later") << 1 << int(MaybeLater) << true << QString();
        QTest::newRow("rate, Never") << 1 << int(Never) << false << QString();
        QTest::newRow("rate, closed") << 1 << int(Closed) << true << QString();
        QTest::newRow("tell, Maybe Later") << 2 << int(MaybeLater) << true << QString();
        QTest::newRow("tell, Never") << 2 << int(Never) << false << QString();
        QTest::newRow("tell, closed") << 2 << int(Closed) << true << QString();
        QTest::newRow("join, Maybe Later") << 4 << int(MaybeLater) << true << QString();
        QTest::newRow("join, Never") << 4 << int(Never) << false << QString();
        QTest::newRow("join, closed") << 4 << int(Closed) << true << QString();
    }
    void answers()
    {
        QFETCH(int, kind);
        QFETCH(int, how);
        QFETCH(bool, remindersOn);
        QFETCH(QString, link);
        app()->setSettingsValue(QStringLiteral("AutoReminderCount"), 4);
        schedule(kind, 4);
        // The counter is written only after the dialog has closed.
        QVariant counterWhileOpen;
        ModalAnswer a([how, &counterWhileOpen](QDialog* d) {
            counterWhileOpen = app()->settingsValue(QStringLiteral("AutoReminderCount"));
            answer(d, how);
        });
        app()->slotCallRateReminderInternal();
        QVERIFY(a.seen());
        QCOMPARE(counterWhileOpen.toInt(), 4);
        QCOMPARE(app()->settingsValue(QStringLiteral("AutoReminderCount")).toInt(), 5);
        QCOMPARE(app()->settingsValue(QStringLiteral("AutoReminder"), true).toBool(), remindersOn);
        QCOMPARE(m_pCatcher->urls, link.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(link)});

        // Once off, never again; otherwise at the next multiple.
        for (int i = 0; i < 4; ++i) {
            ModalAnswer later([](QDialog* d) { answer(d, MaybeLater); });
            app()->slotCallRateReminderInternal();
            QCOMPARE(later.seen(), remindersOn && i == 3);
        }
    }

    // The dialog stands over the active window, or alone when there is none.
    void parentIsTheActiveWindow()
    {
        app()->setSettingsValue(QStringLiteral("AutoReminderCount"), 4);
        schedule(2, 4);
        {
            ModalAnswer a([](QDialog* d) { answer(d, MaybeLater); });
            app()->slotCallRateReminderInternal();
            QVERIFY(a.seen());
            QCOMPARE(a.seenParent(), static_cast<QWidget*>(nullptr));
        }
        QWidget window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        app()->setSettingsValue(QStringLiteral("AutoReminderCount"), 4);
        ModalAnswer a([](QDialog* d) { answer(d, MaybeLater); });
        app()->slotCallRateReminderInternal();
        QCOMPARE(a.seenParent(), &window);
    }

    // The window beneath the reminder goes away while the reminder is open: the
    // dialog goes with it, and the check ends as for a reminder closed without a choice.
    void parentClosedWhileOpen()
    {
        auto* window = new QWidget;
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        app()->setSettingsValue(QStringLiteral("AutoReminderCount"), 4);
        schedule(2, 4);
        ModalAnswer a([window](QDialog*) { delete window; });
        app()->slotCallRateReminderInternal();
        QVERIFY(a.seen());
        QCOMPARE(app()->settingsValue(QStringLiteral("AutoReminderCount")).toInt(), 5);
        QVERIFY(app()->settingsValue(QStringLiteral("AutoReminder"), true).toBool());
    }

    // The check runs after the delay, once per scheduling call; the slots keep the period.
    void timer()
    {
        app()->setRemiderDelay(150);
        app()->setSettingsValue(QStringLiteral("AutoReminderCount"), 1);
        app()->callJoinReminder(1);
        app()->slotCallTellReminder();
        QCOMPARE(app()->reminderCount(), 1);
        QCOMPARE(app()->reminderKind(), 2);
        QElapsedTimer clock;
        clock.start();
        // The second check may come while the first dialog is still open, so
        // both answers wait from the start.
        qint64 firstAfter = -1;
        ModalAnswer first([&firstAfter, &clock](QDialog* d) {
            firstAfter = clock.elapsed();
            answer(d, MaybeLater);
        });
        ModalAnswer second([](QDialog* d) { answer(d, MaybeLater); });
        QTRY_VERIFY_WITH_TIMEOUT(first.seen() && second.seen(), 5000);
        QVERIFY(firstAfter >= 140);
        // Both checks show the kind set last.
        QCOMPARE(first.seenClass(), kTellDialog);
        QCOMPARE(second.seenClass(), kTellDialog);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

TW_PROMOTION_TEST_MAIN(TestReminders)

#include "tst_reminders.moc"
