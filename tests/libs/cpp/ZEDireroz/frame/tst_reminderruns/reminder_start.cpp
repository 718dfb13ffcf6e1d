// Starts the application object as the program does, schedules the tell-or-join
// reminder with the program's call, answers a reminder that comes up as the
// argument says ("later", "never" or "close"), prints which dialog it saw
// ("none" when none) and ends once the check has run.
#include "TestSupport/ModalAnswer.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotionbar/ReminderActions.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using ZEDireroz::App;
using ZEDireroz::ReminderDialog;

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    ZEDireroz::installPromotionActions();
    ZEDireroz::installReminderActions();
    QString const how = QCoreApplication::arguments().value(1);
    QVariant const before = app.settingsValue(QStringLiteral("AutoReminderCount"));
    bool const remindersOn = app.settingsValue(QStringLiteral("AutoReminder"), true).toBool();

    ModalAnswer answer([how](QDialog* d) {
        auto* dialog = static_cast<ReminderDialog*>(d);
        if (how == QLatin1String("never"))
            dialog->neverButton()->click();
        else if (how == QLatin1String("later"))
            dialog->secondMaybeLaterButton()->click();
        else
            dialog->reject();
    });

    app.setRemiderDelay(50);
    app.callReminder(4, 6);

    // The check has run once the counter has moved on (or, with reminders off,
    // once its time has long passed) and no dialog is open any more.
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        if (QApplication::activeModalWidget())
            return;
        bool const moved = app.settingsValue(QStringLiteral("AutoReminderCount")) != before;
        if (moved || (!remindersOn && clock.elapsed() > 500))
            app.quit();
    });
    poll.start(20);
    int const result = app.exec();

    QString const seen = answer.seen() ? answer.seenClass() : QStringLiteral("none");
    std::printf("%s\n", qPrintable(seen));
    return result;
}
