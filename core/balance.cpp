#include "balance.h"

#include "numbertext.h"

Rgb PercentClassColour(PercentClass percentClass)
{
    switch (percentClass) {
    case PercentClass::Normal:
        return {134, 236, 72};
    case PercentClass::Warn:
        return {255, 153, 0};
    case PercentClass::Alarm:
        return {255, 74, 74};
    case PercentClass::Unrated:
        break;
    }
    return {235, 235, 235};
}

void SumRow::add(const SumRow &other)
{
    amount += other.amount;
    for (int k = 0; k < NutrientCount; ++k)
        nutrients[k] += other.nutrients[k];
}

namespace {

// The number a stored text stands for; texts that are no number (such as "k.A.") count 0.
double EntryNumber(const QString &text)
{
    double value = 0;
    return ReadDecimalText(text, &value) ? value : 0;
}

} // namespace

DayBalance ComputeBalance(const MealPlan &plan, const ReferenceSet &requirement)
{
    DayBalance balance;
    for (int meal = 1; meal <= MealCount; ++meal) {
        SumRow &mealSums = balance.mealSums[meal - 1];
        for (const MealEntry &entry : plan.meal(meal)) {
            const double amount = EntryNumber(entry.amount);
            mealSums.amount += amount;
            for (int k = 0; k < NutrientCount; ++k)
                mealSums.nutrients[k] += EntryNumber(entry.values.value(k));

            // Drinks are nearly all water. The ratio is taken against the amount in the
            // entry's own unit, so one egg (1 piece, 37 g water) counts as free water too.
            // The water is read exactly as the sums read it, so a text that is not a
            // number adds to neither and the food water share cannot turn negative.
            const double water = EntryNumber(entry.values.value(WaterNutrient));
            if (amount > 0 && water / amount > FreeWaterRatio)
                balance.freeWaterShare += water;
        }
        balance.daySums.add(mealSums);
    }
    balance.foodWaterShare = balance.daySums.nutrients[WaterNutrient] - balance.freeWaterShare;

    const auto &catalogue = NutrientCatalogue();
    for (int k = 0; k < NutrientCount; ++k) {
        const double need = requirement.values[k];
        balance.percent[k] = need > 0 ? balance.daySums.nutrients[k] * 100 / need : 0;
        balance.classes[k] = ClassifyPercent(balance.percent[k], catalogue[k].kind);
    }
    return balance;
}

PercentClass ClassifyPercent(double percent, NutrientKind kind)
{
    if (percent == 0)
        return PercentClass::Unrated;
    if (kind == NutrientKind::Limit) {
        if (percent <= 110)
            return PercentClass::Normal;
        return percent <= 140 ? PercentClass::Warn : PercentClass::Alarm;
    }
    return percent > 60 && percent < 140 ? PercentClass::Normal : PercentClass::Warn;
}

QString PercentText(double percent)
{
    // QString::asprintf formats like the C locale: a point whatever the user's settings.
    return QString::asprintf("%6.1f%%", percent);
}

QString WaterSharesText(const DayBalance &balance)
{
    return QString::asprintf("Anteil freies Wasser = %8.2f l", balance.freeWaterShare / 1000) +
           QLatin1Char('\n') +
           QString::asprintf("Anteil Wasser in Lebensmittel = %8.2f l", balance.foodWaterShare / 1000);
}

SumRowTexts SumTexts(const SumRow &sums, const QLocale &locale)
{
    SumRowTexts texts;
    texts.amount = FormatGeneral(sums.amount, locale);
    texts.nutrients.reserve(NutrientCount);
    for (const double sum : sums.nutrients)
        texts.nutrients.append(FormatGeneral(sum, locale));
    return texts;
}
