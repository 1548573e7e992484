#pragma once

#include <QDate>

// A run of whole days, first to last, both included.
struct DateRange
{
    QDate first;
    QDate last;

    bool isValid() const { return first.isValid() && last.isValid() && first <= last; }
    bool operator==(const DateRange &other) const { return first == other.first && last == other.last; }
};

// The Monday-to-Sunday week that holds date (German weeks begin on Monday, whatever the
// system's locale says); an invalid range for an invalid date.
DateRange WeekContaining(const QDate &date);

// The calendar month that holds date, from its 1st to its last day (29 February in a leap
// year); an invalid range for an invalid date.
DateRange MonthContaining(const QDate &date);
