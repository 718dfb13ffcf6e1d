// The date widget: the years offered, the day list following the month's
// length, clamping, and when dataChanged is emitted.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/DateWidget.h"

#include <QComboBox>
#include <QDate>
#include <QSignalSpy>
#include <algorithm>

using ZEDireroz::DateWidget;

namespace {

QList<QComboBox*> boxes(DateWidget& widget)
{
    return widget.findChildren<QComboBox*>();
}

QComboBox* boxWithItem(DateWidget& widget, QString const& item)
{
    for (QComboBox* box : boxes(widget)) {
        if (box->findText(item) >= 0)
            return box;
    }
    return nullptr;
}

} // namespace

class TestDateWidget : public QObject
{
    Q_OBJECT
private slots:
    void yearsOffered_data()
    {
        QTest::addColumn<int>("ahead");
        QTest::newRow("this year first") << 0;
        QTest::newRow("five years ahead") << 5;
    }
    void yearsOffered()
    {
        QFETCH(int, ahead);
        DateWidget widget(ahead);
        int const newest = QDate::currentDate().year() + ahead;
        QComboBox* years = boxWithItem(widget, QString::number(newest));
        QVERIFY(years);
        QCOMPARE(years->count(), 132);
        QCOMPARE(years->itemText(0), QString());
        QCOMPARE(years->itemText(1), QString::number(newest));
        QCOMPARE(years->itemText(131), QString::number(newest - 130));
        QCOMPARE(widget.year(), -1);
        QCOMPARE(widget.day(), 1);
        QCOMPARE(widget.month(), 1);
        QComboBox* months = boxWithItem(widget, "December");
        QVERIFY(months);
        QCOMPARE(months->itemText(0), QString("January"));
    }

    void dayListFollowsTheMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("January") << 2023 << 1 << 31;
        QTest::newRow("February, common year") << 2023 << 2 << 28;
        QTest::newRow("February, leap year") << 2024 << 2 << 29;
        QTest::newRow("February, century not leap") << 1900 << 2 << 28;
        QTest::newRow("February, 400-year leap") << 2000 << 2 << 29;
        QTest::newRow("February, no year chosen") << 0 << 2 << 29;
        QTest::newRow("April") << 2023 << 4 << 30;
        QTest::newRow("December") << 2023 << 12 << 31;
    }
    void dayListFollowsTheMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        DateWidget widget;
        widget.setYear(year);
        widget.setMonth(month);
        QComboBox* dayBox = boxWithItem(widget, "1");
        QVERIFY(dayBox);
        QCOMPARE(dayBox->count(), days);
        QCOMPARE(dayBox->itemText(days - 1), QString::number(days));
        // A day beyond the month's end is its last day.
        widget.setDay(40);
        QCOMPARE(widget.day(), days);
        widget.setDay(days);
        QCOMPARE(widget.day(), days);
    }

    void shorterMonthMovesTheDayOnce()
    {
        DateWidget widget;
        widget.setYear(2024);
        widget.setMonth(2);
        widget.setDay(29);
        QSignalSpy changed(&widget, &DateWidget::dataChanged);
        QList<int> seenDays;
        connect(&widget, &DateWidget::dataChanged, this, [&] { seenDays << widget.day(); });
        widget.setYear(2023);
        QCOMPARE(widget.day(), 28);
        // The 29th chosen comes back with a month that has it.
        widget.setMonth(3);
        QCOMPARE(widget.day(), 29);
        widget.setDay(31);
        widget.setMonth(4);
        QCOMPARE(widget.day(), 30);
        // One signal per changed box, and a listener never reads a day the month lacks.
        QCOMPARE(changed.count(), 4);
        QCOMPARE(seenDays, (QList<int>{28, 29, 31, 30}));
        // A day chosen in the box replaces the one kept.
        boxWithItem(widget, "30")->setCurrentIndex(9);
        widget.setMonth(5);
        QCOMPARE(widget.day(), 10);
    }

    void datesRestoreInAnyOrder_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("stored");
        QTest::newRow("31 January while February shows") << QDate(2023, 2, 1) << QDate(2023, 1, 31);
        QTest::newRow("29 February 2024 while February 2023 shows") << QDate(2023, 2, 10) << QDate(2024, 2, 29);
        QTest::newRow("31 December while April shows") << QDate(2020, 4, 30) << QDate(2021, 12, 31);
        QTest::newRow("28 February 2023 while 31 January 2024 shows") << QDate(2024, 1, 31) << QDate(2023, 2, 28);
        QTest::newRow("30 April while no year shows") << QDate() << QDate(2022, 4, 30);
    }
    void datesRestoreInAnyOrder()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, stored);
        // The three setters in each of the six orders.
        QList<int> order{0, 1, 2};
        do {
            DateWidget widget;
            if (shown.isValid()) {
                widget.setYear(shown.year());
                widget.setMonth(shown.month());
                widget.setDay(shown.day());
            } else {
                widget.setMonth(2);
            }
            for (int setter : order) {
                if (setter == 0)
                    widget.setDay(stored.day());
                else if (setter == 1)
                    widget.setMonth(stored.month());
                else
                    widget.setYear(stored.year());
            }
            QCOMPARE(QDate(widget.year(), widget.month(), widget.day()), stored);
        } while (std::next_permutation(order.begin(), order.end()));
    }

    void clamping_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("expectedDay");
        QTest::addColumn<int>("expectedMonth");
        QTest::newRow("zero") << 0 << 0 << 1 << 1;
        QTest::newRow("negative") << -3 << -3 << 1 << 1;
        QTest::newRow("December") << 5 << 12 << 5 << 12;
        QTest::newRow("beyond the lists") << 40 << 13 << 31 << 12;
    }
    void clamping()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, expectedDay);
        QFETCH(int, expectedMonth);
        DateWidget widget;
        widget.setMonth(month);
        widget.setDay(day);
        QCOMPARE(widget.day(), expectedDay);
        QCOMPARE(widget.month(), expectedMonth);
    }

    void yearAndClear()
    {
        DateWidget widget;
        widget.setYear(1950);
        QCOMPARE(widget.year(), 1950);
        widget.setYear(0);
        widget.setYear(-5);
        QCOMPARE(widget.year(), 1950);
        widget.setMonth(6);
        widget.setDay(15);
        QSignalSpy changed(&widget, &DateWidget::dataChanged);
        widget.clear();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(widget.year(), -1);
        QCOMPARE(widget.month(), 1);
        QCOMPARE(widget.day(), 1);
    }

    void dayModeOffersEveryDay()
    {
        DateWidget widget;
        widget.setYear(2023);
        widget.setMonth(2);
        widget.setDayMode(true);
        widget.show();
        QComboBox* months = boxWithItem(widget, "December");
        QVERIFY(months->isHidden());
        widget.setDay(31);
        QCOMPARE(widget.day(), 31);
        widget.setDayMode(false);
        QVERIFY(!months->isHidden());
        QCOMPARE(widget.day(), 28);
    }
};

TW_APP_TEST_MAIN(TestDateWidget)
#include "tst_datewidget.moc"
