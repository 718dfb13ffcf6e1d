// The application object's reminders: a while after start, and every so many
// starts, a dialog asks to rate the application, to share it or to join the
// maker's channels, until the user says never or does it.
#include "ZEDireroz/frame/App.h"

#include "ZEDireroz/frame/AppActions.h"

#include <QRandomGenerator>
#include <QTimer>

#include <limits>

namespace ZEDireroz {

namespace {

quint32 systemDraw()
{
    return QRandomGenerator::global()->generate();
}

// A stored value that is not a number, or one beyond the range of the
// counter, counts as 0, which is always due.
int reminderCounter(QVariant const& stored)
{
    bool ok = false;
    qlonglong const value = stored.toLongLong(&ok);
    bool const inRange = ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    return inRange ? int(value) : 0;
}

// The counter never turns negative: past the largest number it starts again at 1.
int nextReminderCounter(int counter)
{
    qint64 const next = qint64(counter) + 1;
    return next > std::numeric_limits<int>::max() || next < 0 ? 1 : int(next);
}

} // namespace

void App::setRemiderCount(int count)
{
    m_nReminderCount = count;
}

void App::setRemiderDelay(int delay)
{
    m_nReminderDelay = delay;
}

int App::reminderKindFor(int kinds, bool appStore, std::function<quint32()> const& draw)
{
    if (kinds == StoreDependentKind)
        return appStore ? RateKind : TellKind;
    bool const rate = kinds & RateKind;
    bool const tell = kinds & TellKind;
    bool const join = kinds & JoinKind;
    if (!rate) {
        if (tell && join)
            return draw() % 2 == 0 ? JoinKind : TellKind;
        return kinds;
    }
    if (tell) {
        quint32 const r = draw();
        if (join) {
            static int const byRemainder[] = {RateKind, TellKind, JoinKind};
            return byRemainder[r % 3];
        }
        return r % 2 == 0 ? RateKind : TellKind;
    }
    if (join)
        return draw() % 2 == 0 ? RateKind : JoinKind;
    return kinds;
}

void App::setReminderDraw(std::function<quint32()> draw)
{
    m_reminderDraw = std::move(draw);
}

int App::reminderKind() const
{
    return m_nReminderKind;
}

int App::reminderCount() const
{
    return m_nReminderCount;
}

void App::callReminder(int count, int kinds)
{
    bool const appStore = kinds == StoreDependentKind && isAppStore();
    m_nReminderKind = reminderKindFor(kinds, appStore, m_reminderDraw ? m_reminderDraw : systemDraw);
    m_nReminderCount = count;
    startReminderCheck();
}

void App::callRateReminder(int count)
{
    m_nReminderCount = count;
    slotCallRateReminder();
}

void App::callTellReminder(int count)
{
    m_nReminderCount = count;
    slotCallTellReminder();
}

void App::callJoinReminder(int count)
{
    m_nReminderCount = count;
    slotCallJoinReminder();
}

void App::slotCallRateReminder()
{
    m_nReminderKind = RateKind;
    startReminderCheck();
}

void App::slotCallTellReminder()
{
    m_nReminderKind = TellKind;
    startReminderCheck();
}

void App::slotCallJoinReminder()
{
    m_nReminderKind = JoinKind;
    startReminderCheck();
}

void App::startReminderCheck()
{
    QTimer::singleShot(m_nReminderDelay, this, &App::slotCallRateReminderInternal);
}

void App::slotCallRateReminderInternal()
{
    if (!settingsValue(QStringLiteral("AutoReminder"), true).toBool())
        return;
    int const counter = reminderCounter(settingsValue(QStringLiteral("AutoReminderCount"), 1));
    // A period of 0 or below would divide by zero: it means every start.
    int const period = qMax(1, m_nReminderCount);
    if (counter % period == 0) {
        auto const& remind = AppActions::installed().remind;
        ReminderAnswer const answer =
            remind ? remind(m_nReminderKind, QApplication::activeWindow()) : ReminderAnswer::Closed;
        if (answer == ReminderAnswer::NeverAskMeAgain) {
            setSettingsValue(QStringLiteral("AutoReminder"), false);
        } else if (answer == ReminderAnswer::Now) {
            slotRateApp();
            setSettingsValue(QStringLiteral("AutoReminder"), false);
        }
    }
    // The start is counted from the value in the file at this moment, in one
    // locked read and write, so that copies started together (or one started
    // while another shows its reminder) each count their start.
    updateSettingsValue(QStringLiteral("AutoReminderCount"), 1,
                        [](QVariant const& value) { return QVariant(nextReminderCounter(reminderCounter(value))); });
}

} // namespace ZEDireroz
