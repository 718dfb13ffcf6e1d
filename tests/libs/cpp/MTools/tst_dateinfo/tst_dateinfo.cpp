#include <QtTest>

#include <QTranslator>

#include "MTools/DateInfo.h"

using MTools::DateInfo;

namespace {

// Answers only in the general QObject context, as a loaded translation file would.
class GermanWords : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        static const QHash<QString, QString> words{{"Monday", "Montag"},
                                                   {"Sunday", "Sonntag"},
                                                   {"January", "Januar"},
                                                   {"December", "Dezember"},
                                                   {"The Sea-Goat", "Der Steinbock"},
                                                   {"Unknown", "Unbekannt"},
                                                   {"Aries", "Widder"}};
        return words.value(QString::fromLatin1(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestDateInfo : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void namesAreTranslated();
    void zodiac_data();
    void zodiac();
    void everyDayHasASign();
    void translatedZodiacName_data();
    void translatedZodiacName();
    void ageInYears();
    void moon_data();
    void moon();
};

void TestDateInfo::names_data()
{
    QTest::addColumn<bool>("week");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("weekday 0") << true << 0 << "Monday";
    QTest::newRow("weekday 3") << true << 3 << "Thursday";
    QTest::newRow("weekday 6") << true << 6 << "Sunday";
    QTest::newRow("weekday 7") << true << 7 << "Unknown";
    QTest::newRow("weekday -1") << true << -1 << "Unknown";
    QTest::newRow("month 1") << false << 1 << "January";
    QTest::newRow("month 5") << false << 5 << "May";
    QTest::newRow("month 12") << false << 12 << "December";
    QTest::newRow("month 0") << false << 0 << "Unknown";
    QTest::newRow("month 13") << false << 13 << "Unknown";
    QTest::newRow("month -2") << false << -2 << "Unknown";
}

void TestDateInfo::names()
{
    QFETCH(bool, week);
    QFETCH(int, number);
    QFETCH(QString, name);
    QCOMPARE(week ? DateInfo::weekName(number) : DateInfo::monthName(number), name);
}

void TestDateInfo::namesAreTranslated()
{
    GermanWords german;
    QCoreApplication::installTranslator(&german);
    QCOMPARE(DateInfo::weekName(0), QStringLiteral("Montag"));
    QCOMPARE(DateInfo::weekName(6), QStringLiteral("Sonntag"));
    QCOMPARE(DateInfo::monthName(1), QStringLiteral("Januar"));
    QCOMPARE(DateInfo::monthName(12), QStringLiteral("Dezember"));
    QCOMPARE(DateInfo::translatedZodiacName("Capricorn"), QStringLiteral("Der Steinbock"));
    // Never translated: the fallback word and the sign names themselves.
    QCOMPARE(DateInfo::weekName(9), QStringLiteral("Unknown"));
    QCOMPARE(DateInfo::zodiacName(QDate(2001, 4, 1)), QStringLiteral("Aries"));
    QCoreApplication::removeTranslator(&german);
}

void TestDateInfo::zodiac_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::newRow("21 March") << QDate(2023, 3, 21) << "Aries";
    QTest::newRow("21 March, another century") << QDate(1877, 3, 21) << "Aries";
    QTest::newRow("20 March") << QDate(2023, 3, 20) << "Pisces";
    QTest::newRow("21 May") << QDate(1990, 5, 21) << "Taurus";
    QTest::newRow("22 May") << QDate(1990, 5, 22) << "Gemini";
    QTest::newRow("22 July") << QDate(1990, 7, 22) << "Cancer";
    QTest::newRow("23 August") << QDate(1990, 8, 23) << "Leo";
    QTest::newRow("24 August") << QDate(1990, 8, 24) << "Virgo";
    QTest::newRow("23 October") << QDate(1990, 10, 23) << "Libra";
    QTest::newRow("22 November") << QDate(1990, 11, 22) << "Scorpio";
    QTest::newRow("21 December") << QDate(1990, 12, 21) << "Sagittarius";
    QTest::newRow("22 December") << QDate(1990, 12, 22) << "Capricorn";
    QTest::newRow("31 December") << QDate(1990, 12, 31) << "Capricorn";
    QTest::newRow("1 January") << QDate(1991, 1, 1) << "Capricorn";
    QTest::newRow("23 January") << QDate(2024, 1, 23) << "Capricorn";
    QTest::newRow("24 January") << QDate(2024, 1, 24) << "Aquarius";
    QTest::newRow("19 February") << QDate(2024, 2, 19) << "Aquarius";
    QTest::newRow("20 February") << QDate(2024, 2, 20) << "Pisces";
    QTest::newRow("29 February") << QDate(2024, 2, 29) << "Pisces";
    QTest::newRow("29 February 1896") << QDate(1896, 2, 29) << "Pisces";
    QTest::newRow("invalid date") << QDate() << "";
}

void TestDateInfo::zodiac()
{
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QCOMPARE(DateInfo::zodiacName(date), sign);
}

void TestDateInfo::everyDayHasASign()
{
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const QString sign = DateInfo::zodiacName(d);
        QVERIFY2(!DateInfo::translatedZodiacName(sign).isEmpty(), qPrintable(d.toString(Qt::ISODate)));
    }
}

void TestDateInfo::translatedZodiacName_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("description");
    QTest::newRow("Aries") << "Aries"
                           << "The Ram";
    QTest::newRow("Capricorn") << "Capricorn"
                               << "The Sea-Goat";
    QTest::newRow("Aquarius") << "Aquarius"
                              << "The Water-Bearer";
    QTest::newRow("Pisces") << "Pisces"
                            << "The Fishes";
    QTest::newRow("lower case") << "aries"
                                << "";
    QTest::newRow("misspelt") << "Capricom"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDateInfo::translatedZodiacName()
{
    QFETCH(QString, sign);
    QFETCH(QString, description);
    QCOMPARE(DateInfo::translatedZodiacName(sign), description);
}

void TestDateInfo::ageInYears()
{
    const QDate today = QDate::currentDate();
    QCOMPARE(DateInfo::ageInYears(today.addYears(-10)), 10);
    QCOMPARE(DateInfo::ageInYears(today.addDays(1).addYears(-10)), 9);
    QCOMPARE(DateInfo::ageInYears(today.addDays(-1).addYears(-10)), 10);
    QCOMPARE(DateInfo::ageInYears(today), 0);
}

void TestDateInfo::moon_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("phase");
    QTest::newRow("new moon 6 Jan 2000") << QDate(2000, 1, 6) << 0 << 0;
    QTest::newRow("7 Jan 2000") << QDate(2000, 1, 7) << 1 << 1;
    QTest::newRow("13 Jan 2000") << QDate(2000, 1, 13) << 7 << 2;
    QTest::newRow("20 Jan 2000") << QDate(2000, 1, 20) << 14 << 4;
    QTest::newRow("full moon 21 Jan 2000") << QDate(2000, 1, 21) << 15 << 5;
    QTest::newRow("27 Jan 2000") << QDate(2000, 1, 27) << 21 << 7;
    QTest::newRow("28 Jan 2000") << QDate(2000, 1, 28) << 22 << 6;
    QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << 24 << 6;
    QTest::newRow("3 Jan 2000") << QDate(2000, 1, 3) << 26 << 6;
    QTest::newRow("4 Jan 2000") << QDate(2000, 1, 4) << 27 << 6;
    QTest::newRow("5 Jan 2000") << QDate(2000, 1, 5) << 28 << 0;
    QTest::newRow("new moon 8 Apr 2024") << QDate(2024, 4, 8) << 0 << 0;
}

void TestDateInfo::moon()
{
    QFETCH(QDate, date);
    QTEST(DateInfo::moonDay(date), "day");
    QTEST(DateInfo::moonPhase(date), "phase");
}

QTEST_GUILESS_MAIN(TestDateInfo)
#include "tst_dateinfo.moc"
