#include "ZEDireroz/promotionbar/ReminderActions.h"

#include "ZEDireroz/frame/AppActions.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include <QPointer>

namespace ZEDireroz {

namespace {

ReminderAnswer answerFor(int state)
{
    switch (state) {
    case ReminderDialog::Now:
        return ReminderAnswer::Now;
    case ReminderDialog::MaybeLater:
        return ReminderAnswer::MaybeLater;
    case ReminderDialog::NeverAskMeAgain:
        return ReminderAnswer::NeverAskMeAgain;
    default:
        return ReminderAnswer::Closed;
    }
}

ReminderAnswer remind(int kind, QWidget* parent)
{
    // Guarded: a window closing while the dialog is open takes its child along.
    QPointer<ReminderDialog> dialog;
    if (kind == RateKind)
        dialog = new RateReminderDialog(parent);
    else if (kind == TellKind)
        dialog = new TellReminderDialog(parent);
    else
        dialog = new JoinReminderDialog(parent);
    dialog->exec();
    int const state = dialog ? dialog->state() : int(ReminderDialog::Closed);
    delete dialog;
    return answerFor(state);
}

} // namespace

void installReminderActions()
{
    AppActions::installed().remind = remind;
}

} // namespace ZEDireroz
