#pragma once

#include <QTime>

namespace MTools {

// Durations as a time of day for display, to the whole second. A duration of 24
// hours or more, or a negative one, gives an invalid QTime.
class TimeInfo
{
public:
    static QTime msecsToTime(qint64 ms);
    static QTime usecsToTime(qint64 us);
};

} // namespace MTools
