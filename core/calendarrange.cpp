#include "calendarrange.h"

DateRange WeekContaining(const QDate &date)
{
    if (!date.isValid())
        return {};
    // dayOfWeek counts Monday as 1 and Sunday as 7 in the Gregorian calendar.
    const QDate monday = date.addDays(1 - date.dayOfWeek());
    return {monday, monday.addDays(6)};
}

DateRange MonthContaining(const QDate &date)
{
    if (!date.isValid())
        return {};
    const QDate first(date.year(), date.month(), 1);
    return {first, QDate(date.year(), date.month(), date.daysInMonth())};
}
