#include "nutrientlist.h"

namespace {

double ReferenceValue(const NutrientReference &reference, int nutrient)
{
    return nutrient < NutrientCount ? reference.main.values[size_t(nutrient)]
                                    : reference.extra.values[size_t(nutrient - NutrientCount)];
}

// The list of amounts per day (the thirteen, then the others) rated against reference.
NutrientList RatedList(const std::array<double, AllNutrientCount> &amounts,
                       const std::array<int, AllNutrientCount> &withoutValue,
                       const NutrientReference &reference, int dayCount)
{
    NutrientList list;
    list.reference = reference;
    list.dayCount = dayCount;
    const auto &nutrients = AllNutrients();
    for (int n = 0; n < AllNutrientCount; ++n) {
        NutrientListLine &line = list.lines[size_t(n)];
        line.amount = amounts[size_t(n)];
        line.withoutValue = withoutValue[size_t(n)];
        const double need = ReferenceValue(reference, n);
        // As the day panel rates the thirteen: the product first, and no reference value, no
        // percentage.
        line.rated = need > 0;
        if (line.rated) {
            line.percent = line.amount * 100 / need;
            line.percentClass = ClassifyPercent(line.percent, nutrients[size_t(n)].kind);
        }
    }
    return list;
}

} // namespace

NutrientList DayNutrientList(const MealPlan &plan, const FoodIndex &index, const NutrientReference &reference)
{
    // The thirteen as the day panel has them, so the list never disagrees with it.
    const SumRow daySums = ComputeBalance(plan, reference.main).daySums;
    const std::array<int, NutrientCount> nonNumeric = NonNumericCounts(plan);
    const ExtraNutrientSums extras = SumExtraNutrients(plan, index);

    std::array<double, AllNutrientCount> amounts{};
    std::array<int, AllNutrientCount> withoutValue{};
    for (int k = 0; k < NutrientCount; ++k) {
        amounts[size_t(k)] = daySums.nutrients[size_t(k)];
        withoutValue[size_t(k)] = nonNumeric[size_t(k)];
    }
    for (int e = 0; e < ExtraNutrientCount; ++e) {
        amounts[size_t(NutrientCount + e)] = extras.amounts[size_t(e)];
        withoutValue[size_t(NutrientCount + e)] = extras.withoutValue[size_t(e)];
    }
    return RatedList(amounts, withoutValue, reference, 1);
}

NutrientList SummaryNutrientList(const DaySummary &summary, const NutrientReference &reference)
{
    // The thirteen averaged as the several-days table has them; the others the same way.
    const int days = int(summary.days.size());
    std::array<double, AllNutrientCount> amounts{};
    std::array<int, AllNutrientCount> withoutValue{};
    for (int k = 0; k < NutrientCount; ++k) {
        amounts[size_t(k)] = summary.average.nutrients[size_t(k)];
        withoutValue[size_t(k)] = summary.nonNumeric[size_t(k)];
    }
    for (int e = 0; e < ExtraNutrientCount; ++e) {
        amounts[size_t(NutrientCount + e)] = days > 0 ? summary.extraTotal.amounts[size_t(e)] / days : 0;
        withoutValue[size_t(NutrientCount + e)] = summary.extraTotal.withoutValue[size_t(e)];
    }
    return RatedList(amounts, withoutValue, reference, days);
}
