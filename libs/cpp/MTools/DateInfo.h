#pragma once

#include <QDate>
#include <QString>

namespace MTools {

// Names of weekdays and months for display, a person's age, the zodiac sign of a
// birthday and the age and phase of the moon on a date. Display names are
// translated in the general QObject context.
class DateInfo
{
public:
    // 0 is Monday; "Unknown" outside 0 ... 6.
    static QString weekName(int d);
    // 1 is January; "Unknown" outside 1 ... 12.
    static QString monthName(int m);
    static int ageInYears(const QDate& birth);
    // The English sign name, or an empty string for an invalid date.
    static QString zodiacName(const QDate& date);
    // The translated description of a sign name of zodiacName, else empty.
    static QString translatedZodiacName(const QString& sign);
    // Whole days since the last new moon, 0 ... 29.
    static int moonDay(const QDate& date);
    // 0 new moon ... 4 full moon ... 7.
    static int moonPhase(const QDate& date);
};

} // namespace MTools
