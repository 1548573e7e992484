#include "extranutrients.h"

#include "numbertext.h"

void ExtraNutrientSums::add(const ExtraNutrientSums &other)
{
    for (int e = 0; e < ExtraNutrientCount; ++e) {
        amounts[size_t(e)] += other.amounts[size_t(e)];
        withoutValue[size_t(e)] += other.withoutValue[size_t(e)];
    }
}

namespace {

// The Swiss table gives every value per 100 g.
constexpr double SwissReferenceAmount = 100;

const QString SwissDbCode = QStringLiteral("1");

// The values of the Swiss food an entry was made from; nullptr for an own food or a recipe.
const ExtraNutrientValues *EntryValues(const MealEntry &entry, const FoodIndex &index)
{
    // A Swiss food wins the look-up over an own food of the same id, so an entry marked as
    // Swiss finds the food it was made from.
    if (entry.dbCode != SwissDbCode)
        return nullptr;
    return index.extraValues(index.findById(entry.id));
}

} // namespace

ExtraNutrientSums SumExtraNutrients(const MealPlan &plan, const FoodIndex &index)
{
    ExtraNutrientSums day;
    for (int meal = 1; meal <= MealCount; ++meal) {
        ExtraNutrientSums mealSums;
        for (const MealEntry &entry : plan.meal(meal)) {
            // The amount as the meal list shows it, read as the sums read it: the thirteen were
            // scaled with the amount as typed, but only the stored amount is known afterwards.
            double amount = 0;
            if (!ReadDecimalText(entry.amount, &amount))
                amount = 0;
            const ExtraNutrientValues *values = EntryValues(entry, index);
            for (int e = 0; e < ExtraNutrientCount; ++e) {
                const double value = values != nullptr ? (*values)[size_t(e)] : NoNutrientValue;
                if (HasNutrientValue(value))
                    mealSums.amounts[size_t(e)] += value * amount / SwissReferenceAmount;
                else
                    ++mealSums.withoutValue[size_t(e)];
            }
        }
        day.add(mealSums);
    }
    return day;
}
