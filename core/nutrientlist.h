#pragma once

#include "allnutrients.h"
#include "balance.h"
#include "daysummary.h"
#include "extendedreference.h"
#include "extranutrients.h"
#include "foodindex.h"
#include "mealplan.h"

#include <array>

// Every nutrient of the Swiss table for a day or the average of several, against the reference
// values: the thirteen exactly as the day panel sums them, the others computed per entry.

// One line of the list: a nutrient's amount per day and how it compares.
struct NutrientListLine
{
    double amount = 0;    // the day's sum, or the average per day
    int withoutValue = 0; // entries without a value for it, over all days
    bool rated = false;   // there is a reference value above 0
    double percent = 0;   // amount × 100 / reference (the product first); 0 unless rated
    PercentClass percentClass = PercentClass::Unrated; // by the nutrient's kind; Unrated unless rated
};

struct NutrientList
{
    std::array<NutrientListLine, AllNutrientCount> lines; // in the order of AllNutrients()
    NutrientReference reference;
    int dayCount = 0; // 1 for a day; the days read for several
};

// The day of plan: the thirteen from the entries' texts as the day panel sums them, the others
// from index (see SumExtraNutrients).
NutrientList DayNutrientList(const MealPlan &plan, const FoodIndex &index,
                             const NutrientReference &reference);

// The average per day of the days of summary; every line 0 when no day was read.
NutrientList SummaryNutrientList(const DaySummary &summary, const NutrientReference &reference);
