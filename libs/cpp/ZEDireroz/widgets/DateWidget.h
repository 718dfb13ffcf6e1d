#pragma once
// A day / month / year selector of three combo boxes, with a day-only mode. The
// day list follows the chosen month's length (29 February only in a leap year,
// or when no year is chosen). The day chosen last is kept while a shorter month
// shows its last day instead, and comes back once the month has it, so a date
// set through the three setters comes out the same in any order.

#include <QWidget>

class QComboBox;

namespace ZEDireroz {

class DateWidget : public QWidget
{
    Q_OBJECT
public:
    // Offers 131 years, newest first, from the current year plus yearsAhead down.
    explicit DateWidget(int yearsAhead = 0, QWidget* parent = nullptr);

    int day() const;
    int month() const;
    // -1 while no year is chosen.
    int year() const;
    // Values outside the lists select the nearest day or month; a day the month
    // shown lacks is kept for a month that has it.
    void setDay(int const& d);
    void setMonth(int const& m);
    // Selects the year shown as y (no item when it is not offered); y <= 0 changes nothing.
    void setYear(int const& y);
    // Hides the month and year boxes; the day list then offers 31 days.
    void setDayMode(bool dayOnly);
    // Back to day 1, January and no year, without dataChanged.
    void clear();

    // The number of days of a month (1 ... 12); a year <= 0 stands for "any year",
    // which allows 29 February.
    static int daysInMonth(int month, int year);

signals:
    // Once per changed box.
    void dataChanged();

public slots:
    void slotMonthChanged(int index);

private:
    void createWidgets(int yearsAhead);
    void createLayout();
    void createConnections();
    // Makes the day list as long as the chosen month and shows the chosen day,
    // or the month's last day when it is shorter.
    void fitDays();
    void slotDayChosen(int index);

    QComboBox* m_pDayBox;
    QComboBox* m_pMonthBox;
    QComboBox* m_pYearBox;
    bool m_bDayOnly = false;
    // The day asked for last, 1 ... 31, whether the month shown has it or not.
    int m_nChosenDay = 1;
};

} // namespace ZEDireroz
