#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class FoodIndex;
class MealPlan;

// The foods eaten lately, for the food selection window: shown first under "Zuletzt gegessen"
// when the search field is empty, and first among equally ranked matches of a search.

// How far back "lately" reaches: today and the days before it, this many in all.
constexpr int RecentFoodDays = 30;
// The most foods the window lists as eaten lately.
constexpr int MostRecentFoods = 20;

// The foods of one diary day: the ids of its entries, in file order, an id as often as it was
// entered.
struct DiaryDayFoods
{
    QDate date;
    QStringList ids;
};

// The diary days of the RecentFoodDays up to today (today and the 29 before) that have a file
// in diaryFolder. Only those dates' files are opened, never the folder listed, so a diary of
// years costs what a month does. A file that cannot be read or is no meal file counts as no day.
QList<DiaryDayFoods> ReadRecentDiaryDays(const QString &diaryFolder, const QDate &today);

// The foods of days eaten from the RecentFoodDays up to today (earlier and later days do not
// count), as positions in index's sorted list: most often eaten first (every entry counts), then
// the one eaten on the later day, then list order; at most MostRecentFoods. An id the index
// does not know (an own food deleted since) is left out; ids compare without regard to case.
QList<int> RankRecentFoods(const QList<DiaryDayFoods> &days, const QDate &today, const FoodIndex &index);

// ReadRecentDiaryDays then RankRecentFoods: the one call when the window opens.
QList<int> RecentFoodsOfDiary(const QString &diaryFolder, const QDate &today, const FoodIndex &index);

// The same with the diary day on show (shownDate; invalid while a meal file is shown) counted
// as shownDay's meals stand, in place of its file, which may not be written yet.
QList<int> RecentFoodsOfDiary(const QString &diaryFolder, const QDate &today, const FoodIndex &index,
                              const QDate &shownDate, const MealPlan &shownDay);
