#pragma once

#include "allnutrients.h"
#include "foodindex.h"
#include "mealplan.h"

#include <array>

// The day's sums of the nutrients beyond the thirteen and, per nutrient, how many entries had
// no value for it.
struct ExtraNutrientSums
{
    std::array<double, ExtraNutrientCount> amounts{};
    std::array<int, ExtraNutrientCount> withoutValue{};

    void add(const ExtraNutrientSums &other);
};

// Per entry value × amount / 100, unrounded, with the Swiss food's value per 100 g and the
// entry's amount as stored (the one-decimal text the meal list shows); summed per meal, the
// meals then added. An entry of an own food or a recipe (DbCode "2"), whose food has only the
// thirteen, and a value the table does not give count as without value.
ExtraNutrientSums SumExtraNutrients(const MealPlan &plan, const FoodIndex &index);
