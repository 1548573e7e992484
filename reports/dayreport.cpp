#include "dayreport.h"

#include "reference.h"

DayReport EmptyDayReport()
{
    DayReport report;
    const QStringList empty13(NutrientCount, QString());
    for (const NutrientEntry &nutrient : NutrientCatalogue()) {
        report.nutrientNames.append(nutrient.shortName);
        report.unitTexts.append(nutrient.unitLabel);
    }
    for (DayReportMeal &meal : report.meals)
        meal.sums = empty13;
    report.daySums = empty13;
    report.requirements = empty13;
    report.percentages = empty13;
    report.percentClasses.fill(PercentClass::Unrated);
    return report;
}

QString PercentClassMark(PercentClass percentClass)
{
    switch (percentClass) {
    case PercentClass::Warn:
        return QStringLiteral("----!--");
    case PercentClass::Alarm:
        return QStringLiteral("---!!!-");
    case PercentClass::Normal:
    case PercentClass::Unrated:
        break;
    }
    return QString();
}

DayReport DayReportFromPlan(const MealPlan &plan, const DayBalance &balance, const ReferenceSet &requirement,
                            const QLocale &locale, const QDateTime &created)
{
    DayReport report = EmptyDayReport();
    report.created = created;
    report.loadedMealFilePath = plan.loadedMealFilePath();
    for (int meal = 1; meal <= MealCount; ++meal) {
        DayReportMeal &target = report.meals[meal - 1];
        for (const MealEntry &entry : plan.meal(meal))
            target.rows.append({entry.name, entry.dbCode, entry.amount, entry.values});
        const QStringList sums = SumTexts(balance.mealSums[meal - 1], locale);
        target.amountSum = sums.first();
        target.sums = sums.mid(1);
    }
    const QStringList daySums = SumTexts(balance.daySums, locale);
    report.dayAmountSum = daySums.first();
    report.daySums = daySums.mid(1);
    report.requirementTitle = requirement.title;
    report.requirements = ReferenceValueTexts(requirement);
    for (int k = 0; k < NutrientCount; ++k) {
        report.percentages[k] = PercentText(balance.percent[k]);
        report.percentClasses[k] = balance.classes[k];
    }
    return report;
}
