#include "MTools/TimeInfo.h"

namespace MTools {

namespace {

QTime timeOf(qint64 h, qint64 m, qint64 s)
{
    // A huge hour count must not wrap into a valid int hour.
    if (h >= 24)
        return QTime();
    return QTime(int(h), int(m), int(s), 0);
}

} // namespace

QTime TimeInfo::msecsToTime(qint64 ms)
{
    // Truncating division would turn the first negative second into 00:00:00.
    if (ms < 0)
        return QTime();
    const qint64 h = ms / 3600000;
    const qint64 m = (ms - h * 3600000) / 60000;
    const qint64 s = (ms % 60000) / 1000;
    return timeOf(h, m, s);
}

QTime TimeInfo::usecsToTime(qint64 us)
{
    if (us < 0)
        return QTime();
    const qint64 hour = qint64(3600) * 1000000;
    const qint64 h = us / hour;
    const qint64 m = (us % hour) / 60000000;
    const qint64 s = (us % 60000000) / 1000000;
    return timeOf(h, m, s);
}

} // namespace MTools
