#pragma once

#include "mealplan.h"

#include <QDate>
#include <QList>
#include <QString>

class FoodIndex;

// Copying a meal of another day (or another meal of the shown day) into a meal of the shown
// plan: "Mahlzeit übernehmen ..." and "Gestern". Plan in, plan out, so that the caller can
// keep the plan before as its undo step.

struct MealCopyResult
{
    MealPlan plan;   // the plan with the entries appended and its changed flag set; as it was when none was copied
    int copied = 0;  // entries appended
    int leftOut = 0; // entries that did not fit into the twelve of the meal
    QString message; // the notice to show; empty when every entry was copied
};

// Appends entries, in their order, to meal targetMeal (1..6) of plan, as many as the twelve of
// a meal leave room for. Nothing to copy: "Die gewählte Mahlzeit enthält keine Lebensmittel.";
// a full meal: TooManyEntriesRefusal(); some left out: that refusal and "2 von 5 Lebensmitteln
// wurden nicht übernommen.". A targetMeal outside 1..6 copies nothing and says nothing.
MealCopyResult AppendMealEntries(const MealPlan &plan, int targetMeal, const QList<MealEntry> &entries);

// Meal sourceMeal of the diary day date (its file in diaryFolder, read like any meal file with
// its values taken afresh from index) appended to meal targetMeal of plan. A date without a
// file or without foods in that meal: "Am 10.12.2026 ist in Mahlzeit 2 nichts eingetragen.";
// a file that cannot be read or is no meal file: the reader's message. The day's file must hold
// what the diary shows of it: a caller copying from the shown day passes its meal to
// AppendMealEntries instead.
MealCopyResult CopyDiaryMeal(const MealPlan &plan, int targetMeal, const QString &diaryFolder, const QDate &date,
                             int sourceMeal, const FoodIndex &index);

// "Am 10.12.2026 ist in Mahlzeit 2 nichts eingetragen.": the notice for a source meal without foods.
QString NothingToCopyText(const QDate &date, int sourceMeal);

// "Gestern": the active meal of the day before shownDate, appended to the active meal of plan.
MealCopyResult CopyYesterdaysMeal(const MealPlan &plan, const QString &diaryFolder, const QDate &shownDate,
                                  const FoodIndex &index);
