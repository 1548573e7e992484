#include "chartdata.h"

#include "numbertext.h"
#include "nutrients.h"

namespace {

constexpr double LimitMarks[] = {110, 140}; // where a limit turns orange, then red

} // namespace

ChartData AveragePercentChart(const DaySummary &summary, const QLocale &locale)
{
    ChartData data;
    data.locale = locale;
    data.title =
        summary.days.size() == 1
            ? QStringLiteral("1 Tag: Prozent des Tagesbedarfs")
            : QStringLiteral("Durchschnitt von %1 Tagen: Prozent des Tagesbedarfs").arg(summary.days.size());
    data.referenceLine = 100;
    data.referenceText = QStringLiteral("100 %");
    const auto &catalogue = NutrientCatalogue();
    for (int k = 0; k < NutrientCount; ++k) {
        ChartBar bar;
        bar.caption = catalogue[k].shortName;
        bar.value = summary.rating.percent[k];
        bar.percentClass = summary.rating.classes[k];
        if (summary.requirement.values[k] > 0)
            bar.valueText = FormatOneDecimal(bar.value) + QStringLiteral(" %");
        if (catalogue[k].kind == NutrientKind::Limit)
            bar.marks = {LimitMarks[0], LimitMarks[1]};
        data.bars.append(bar);
    }
    return data;
}

ChartData NutrientPerDayChart(const DaySummary &summary, int nutrient, const QLocale &locale)
{
    ChartData data;
    data.locale = locale;
    if (nutrient < 0 || nutrient >= NutrientCount)
        return data;
    const NutrientEntry &entry = NutrientCatalogue()[nutrient];
    QString unit = entry.unitLabel;
    unit.remove(QStringLiteral("< "));
    data.title = entry.shortName + QStringLiteral(" je Tag in ") + unit;
    const double need = summary.requirement.values[nutrient];
    if (need > 0) {
        data.referenceLine = need;
        data.referenceText =
            QStringLiteral("Tagesbedarf ") + FormatGeneral(need, locale) + QLatin1Char(' ') + unit;
    }
    for (const SummaryDay &day : summary.days) {
        ChartBar bar;
        bar.caption = day.label;
        bar.value = day.sums.nutrients[nutrient];
        bar.valueText = FormatGeneral(bar.value, locale);
        // Each day is rated like the day panel rates it.
        bar.percentClass = RateAgainstRequirement(day.sums, summary.requirement).classes[nutrient];
        if (entry.kind == NutrientKind::Limit && need > 0)
            bar.marks = {need * LimitMarks[0] / 100, need * LimitMarks[1] / 100};
        data.bars.append(bar);
    }
    return data;
}

ChartData DayPercentChart(const DayBalance &balance, const ReferenceSet &requirement, const QLocale &locale)
{
    ChartData data;
    data.locale = locale;
    data.title = QStringLiteral("Tagesmengen in Prozent des Tagesbedarfs");
    data.referenceLine = 100;
    data.referenceText = QStringLiteral("100 %");
    const auto &catalogue = NutrientCatalogue();
    for (int k = 0; k < NutrientCount; ++k) {
        ChartBar bar;
        bar.caption = catalogue[k].shortName;
        bar.value = balance.percent[k];
        bar.percentClass = balance.classes[k];
        if (requirement.values[k] > 0)
            bar.valueText = PercentText(bar.value).trimmed();
        if (catalogue[k].kind == NutrientKind::Limit)
            bar.marks = {LimitMarks[0], LimitMarks[1]};
        data.bars.append(bar);
    }
    return data;
}
