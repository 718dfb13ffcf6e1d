#include "MTools/DateInfo.h"

#include <QCoreApplication>

#include <cmath>

namespace MTools {

namespace {

const char* const kWeekNames[] = {
    QT_TRANSLATE_NOOP("QObject", "Monday"),    QT_TRANSLATE_NOOP("QObject", "Tuesday"),
    QT_TRANSLATE_NOOP("QObject", "Wednesday"), QT_TRANSLATE_NOOP("QObject", "Thursday"),
    QT_TRANSLATE_NOOP("QObject", "Friday"),    QT_TRANSLATE_NOOP("QObject", "Saturday"),
    QT_TRANSLATE_NOOP("QObject", "Sunday"),
};

const char* const kMonthNames[] = {
    QT_TRANSLATE_NOOP("QObject", "January"),   QT_TRANSLATE_NOOP("QObject", "February"),
    QT_TRANSLATE_NOOP("QObject", "March"),     QT_TRANSLATE_NOOP("QObject", "April"),
    QT_TRANSLATE_NOOP("QObject", "May"),       QT_TRANSLATE_NOOP("QObject", "June"),
    QT_TRANSLATE_NOOP("QObject", "July"),      QT_TRANSLATE_NOOP("QObject", "August"),
    QT_TRANSLATE_NOOP("QObject", "September"), QT_TRANSLATE_NOOP("QObject", "October"),
    QT_TRANSLATE_NOOP("QObject", "November"),  QT_TRANSLATE_NOOP("QObject", "December"),
};

struct ZodiacRow
{
    const char* sign;
    int fromMonth, fromDay, toMonth, toDay;
    const char* description;
};

// Both ends inclusive; the first matching row wins.
const ZodiacRow kZodiac[] = {
    {"Aries", 3, 21, 4, 20, QT_TRANSLATE_NOOP("QObject", "The Ram")},
    {"Taurus", 4, 21, 5, 21, QT_TRANSLATE_NOOP("QObject", "The Bull")},
    {"Gemini", 5, 22, 6, 21, QT_TRANSLATE_NOOP("QObject", "The Twins")},
    {"Cancer", 6, 22, 7, 22, QT_TRANSLATE_NOOP("QObject", "The Crab")},
    {"Leo", 7, 23, 8, 23, QT_TRANSLATE_NOOP("QObject", "The Lion")},
    {"Virgo", 8, 24, 9, 23, QT_TRANSLATE_NOOP("QObject", "The Maiden")},
    {"Libra", 9, 24, 10, 23, QT_TRANSLATE_NOOP("QObject", "The Scales")},
    {"Scorpio", 10, 24, 11, 22, QT_TRANSLATE_NOOP("QObject", "The Scorpion")},
    {"Sagittarius", 11, 23, 12, 21, QT_TRANSLATE_NOOP("QObject", "The Archer")},
    {"Capricorn", 12, 22, 12, 31, QT_TRANSLATE_NOOP("QObject", "The Sea-Goat")},
    {"Capricorn", 1, 1, 1, 23, QT_TRANSLATE_NOOP("QObject", "The Sea-Goat")},
    {"Aquarius", 1, 24, 2, 19, QT_TRANSLATE_NOOP("QObject", "The Water-Bearer")},
    {"Pisces", 2, 20, 3, 20, QT_TRANSLATE_NOOP("QObject", "The Fishes")},
};

// Any leap year: the sign depends on the month and day only, and a birthday on
// 29 February must have one in every year.
constexpr int kProbeYear = 2000;

QString translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

} // namespace

QString DateInfo::weekName(int d)
{
    if (d < 0 || d > 6)
        return QStringLiteral("Unknown");
    return translated(kWeekNames[d]);
}

QString DateInfo::monthName(int m)
{
    if (m < 1 || m > 12)
        return QStringLiteral("Unknown");
    return translated(kMonthNames[m - 1]);
}

int DateInfo::ageInYears(const QDate& birth)
{
    const QDate today = QDate::currentDate();
    int age = today.year() - birth.year();
    if (today.month() < birth.month())
        --age;
    else if (today.month() == birth.month() && today.day() < birth.day())
        --age;
    return age;
}

QString DateInfo::zodiacName(const QDate& date)
{
    const QDate probe(kProbeYear, date.month(), date.day());
    if (!probe.isValid())
        return QString();
    for (const ZodiacRow& row : kZodiac) {
        if (QDate(kProbeYear, row.fromMonth, row.fromDay) <= probe
            && probe <= QDate(kProbeYear, row.toMonth, row.toDay))
            return QString::fromLatin1(row.sign);
    }
    return QString();
}

QString DateInfo::translatedZodiacName(const QString& sign)
{
    for (const ZodiacRow& row : kZodiac) {
        if (sign == QLatin1String(row.sign))
            return translated(row.description);
    }
    return QString();
}

int DateInfo::moonDay(const QDate& date)
{
    const float Y = float(date.year());
    const float M = float(date.month());
    const float D = float(date.day());
    constexpr float kSynodicMonth = 29.530588f;

    // A day count of the date (1 on 3 January 1965), in single precision.
    const float a = std::floor((14.0f - M) / 12.0f + 0.001f);
    const float b = std::floor((4900.0f + Y - a) * 3.0f / 400.0f + 0.001f);
    const float c = std::floor((M - 2.0f + 12.0f * a) * 367.0f / 12.0f + 0.001f);
    const float e = std::floor((Y + 4800.0f - a) * 1461.0f * 0.25f + 0.001f);
    const float J = D - 2447095.0f + e + c - b - 23743.0f;
    const float q = std::floor(J / kSynodicMonth);
    return int(double(J) - double(q) * double(kSynodicMonth));
}

int DateInfo::moonPhase(const QDate& date)
{
    const int day = moonDay(date);
    if (day <= 0 || day >= 28)
        return 0;
    if (day <= 6)
        return 1;
    if (day == 7)
        return 2;
    if (day <= 13)
        return 3;
    if (day == 14)
        return 4;
    if (day <= 20)
        return 5;
    if (day == 21)
        return 7;
    return 6;
}

} // namespace MTools
