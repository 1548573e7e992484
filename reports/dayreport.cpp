#include "dayreport.h"

#include "reference.h"
#include "textformat.h"

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

QStringList PercentClassMarks(const DayReport &report)
{
    QStringList marks;
    for (PercentClass percentClass : report.percentClasses)
        marks.append(PercentClassMark(percentClass));
    return marks;
}

QString NutrientCells(const QStringList &cells, QChar after)
{
    QString line;
    for (int k = 0; k < NutrientCount; ++k)
        line += FitRight(cells.value(k), 7) + after;
    return line;
}

QString ReportCreatedLine(const QDateTime &created)
{
    const QTime time = created.time();
    return QStringLiteral("Erstellt am ") + ShortDate(created.date()) + QLatin1Char(' ') +
           TwoDigits(time.hour()) + QLatin1Char(':') + TwoDigits(time.minute()) + QLatin1Char(':') +
           TwoDigits(time.second());
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
        const SumRowTexts sums = SumTexts(balance.mealSums[meal - 1], locale);
        target.amountSum = sums.amount;
        target.sums = sums.nutrients;
    }
    const SumRowTexts daySums = SumTexts(balance.daySums, locale);
    report.dayAmountSum = daySums.amount;
    report.daySums = daySums.nutrients;
    report.requirementTitle = requirement.title;
    report.requirements = ReferenceValueTexts(requirement, locale);
    for (int k = 0; k < NutrientCount; ++k) {
        report.percentages[k] = PercentText(balance.percent[k]);
        report.percentClasses[k] = balance.classes[k];
    }
    return report;
}
