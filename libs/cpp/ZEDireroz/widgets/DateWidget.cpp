#include "ZEDireroz/widgets/DateWidget.h"

#include "MTools/DateInfo.h"
#include "ZEDireroz/frame/Common.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace ZEDireroz {

namespace {

constexpr int kYearsOffered = 131;
constexpr int kMonths = 12;
constexpr int kLongestMonth = 31;
// A leap year stands in when no year is chosen, so that 29 February stays possible.
constexpr int kAnyYear = 2008;

} // namespace

DateWidget::DateWidget(int yearsAhead, QWidget* parent)
    : QWidget(parent)
{
    setMinimumWidth(300);
    createWidgets(yearsAhead);
    createLayout();
    createConnections();
}

void DateWidget::createWidgets(int yearsAhead)
{
    m_pDayBox = new QComboBox;
    m_pDayBox->setMinimumWidth(50);
    m_pDayBox->setMaximumWidth(80);
    m_pMonthBox = new QComboBox;
    m_pMonthBox->setMinimumWidth(90);
    m_pMonthBox->setMaximumWidth(110);
    m_pYearBox = new QComboBox;
    m_pYearBox->setMinimumWidth(70);
    m_pYearBox->setMaximumWidth(90);

    for (int m = 1; m <= kMonths; ++m)
        m_pMonthBox->addItem(MTools::DateInfo::monthName(m));
    m_pYearBox->addItem(QString());
    int const newest = QDate::currentDate().year() + yearsAhead;
    for (int y = newest; y > newest - kYearsOffered; --y)
        m_pYearBox->addItem(QString::number(y));
    fitDays();
}

void DateWidget::createLayout()
{
    auto* layout = new QHBoxLayout;
    Common::zeroMargins(layout);
    layout->setSpacing(1);
    layout->addWidget(m_pDayBox);
    layout->addWidget(m_pMonthBox);
    layout->addWidget(m_pYearBox);
    layout->addStretch(1);
    setLayout(layout);
}

void DateWidget::createConnections()
{
    // The day list is fitted before anyone hears of the change, so that a
    // listener never reads 31 February.
    connect(m_pMonthBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateWidget::slotMonthChanged);
    connect(m_pYearBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateWidget::fitDays);
    // fitDays changes the day box with its signals blocked, so this hears only
    // a day chosen in the box or by setDay.
    connect(m_pDayBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateWidget::slotDayChosen);
    for (QComboBox* box : {m_pDayBox, m_pMonthBox, m_pYearBox})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateWidget::dataChanged);
}

int DateWidget::daysInMonth(int month, int year)
{
    return QDate(year > 0 ? year : kAnyYear, qBound(1, month, kMonths), 1).daysInMonth();
}

void DateWidget::fitDays()
{
    int const days = m_bDayOnly ? kLongestMonth : daysInMonth(month(), year());
    QSignalBlocker const blocker(m_pDayBox);
    while (m_pDayBox->count() > days)
        m_pDayBox->removeItem(m_pDayBox->count() - 1);
    while (m_pDayBox->count() < days)
        m_pDayBox->addItem(QString::number(m_pDayBox->count() + 1));
    m_pDayBox->setCurrentIndex(qBound(0, m_nChosenDay - 1, days - 1));
}

void DateWidget::slotDayChosen(int index)
{
    if (index >= 0)
        m_nChosenDay = index + 1;
}

void DateWidget::slotMonthChanged(int)
{
    fitDays();
}

int DateWidget::day() const
{
    return m_pDayBox->currentIndex() + 1;
}

int DateWidget::month() const
{
    return m_pMonthBox->currentIndex() + 1;
}

int DateWidget::year() const
{
    bool ok = false;
    int const y = m_pYearBox->currentText().toInt(&ok, 10);
    return ok ? y : -1;
}

void DateWidget::setDay(int const& d)
{
    int const chosen = qBound(1, d, kLongestMonth);
    m_pDayBox->setCurrentIndex(qMin(chosen, m_pDayBox->count()) - 1);
    // After the box, whose change would record the day shown.
    m_nChosenDay = chosen;
}

void DateWidget::setMonth(int const& m)
{
    m_pMonthBox->setCurrentIndex(qBound(0, m - 1, kMonths - 1));
}

void DateWidget::setYear(int const& y)
{
    if (y <= 0)
        return;
    m_pYearBox->setCurrentIndex(m_pYearBox->findText(QString::number(y), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void DateWidget::setDayMode(bool dayOnly)
{
    m_bDayOnly = dayOnly;
    m_pMonthBox->setHidden(dayOnly);
    m_pYearBox->setHidden(dayOnly);
    fitDays();
}

void DateWidget::clear()
{
    {
        QSignalBlocker const year(m_pYearBox);
        QSignalBlocker const month(m_pMonthBox);
        QSignalBlocker const day(m_pDayBox);
        m_pYearBox->setCurrentIndex(0);
        m_pMonthBox->setCurrentIndex(0);
        m_pDayBox->setCurrentIndex(0);
    }
    m_nChosenDay = 1;
    fitDays();
}

} // namespace ZEDireroz
