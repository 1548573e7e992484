#pragma once

class Diary;
class QCalendarWidget;

// The diary's calendar, as the date bar's popup and the meal-copy dialog show it: German,
// weeks from Monday, and the days with entries in bold.

void SetUpDiaryCalendar(QCalendarWidget *calendar);

// Lists the diary now (never at start-up: three years of days cost nothing until a calendar
// opens) and marks those days; the marks of an earlier opening go.
void MarkDiaryDays(QCalendarWidget *calendar, const Diary &diary);
