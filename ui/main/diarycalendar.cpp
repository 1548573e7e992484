#include "diarycalendar.h"

#include "diary.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QTextCharFormat>

void SetUpDiaryCalendar(QCalendarWidget *calendar)
{
    calendar->setGridVisible(true);
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
}

void MarkDiaryDays(QCalendarWidget *calendar, const Diary &diary)
{
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate &date : diary.datesWithEntries())
        calendar->setDateTextFormat(date, bold);
}
