#include "daysummarytable.h"

#include "numbertext.h"
#include "reference.h"

#include <QDir>

#include <algorithm>

namespace {

DaySummaryRow SumRowCells(SummaryRowKind kind, const QString &label, const SumRow &sums,
                          const QLocale &locale)
{
    const SumRowTexts texts = SumTexts(sums, locale);
    DaySummaryRow row;
    row.kind = kind;
    row.label = label;
    row.amount = texts.amount;
    row.cells = texts.nutrients;
    return row;
}

// The title as the day panel shows it, without the blank it ends in there.
QString RequirementLabel(const QString &title)
{
    qsizetype end = title.size();
    while (end > 0 && title.at(end - 1).isSpace())
        --end;
    return title.left(end);
}

} // namespace

DaySummaryTable BuildDaySummaryTable(const DaySummary &summary, const QLocale &locale)
{
    DaySummaryTable table;
    table.heads << QStringLiteral("Datei") << QStringLiteral("Menge");
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        table.heads << nutrient.shortName;

    for (const SummaryDay &day : summary.days) {
        table.rows.append(SumRowCells(SummaryRowKind::Day, day.label, day.sums, locale));
        table.rows.last().date = day.date;
        table.rows.last().path = day.path;
    }
    if (!summary.missingDates.isEmpty()) {
        for (const QDate &date : summary.missingDates) {
            DaySummaryRow row;
            row.kind = SummaryRowKind::NoEntry;
            row.label = WeekdayDateText(date);
            row.date = date;
            row.amount = QStringLiteral("kein Eintrag");
            for (int k = 0; k < NutrientCount; ++k)
                row.cells.append(QString());
            table.rows.append(row);
        }
        // Only diary days have dates here, so the whole range reads in date order.
        std::stable_sort(table.rows.begin(), table.rows.end(),
                         [](const DaySummaryRow &a, const DaySummaryRow &b) { return a.date < b.date; });
    }
    if (summary.days.isEmpty())
        return table;

    DaySummaryRow average;
    average.kind = SummaryRowKind::Average;
    average.label = QStringLiteral("Durchschnitt");
    average.amount = FormatOneDecimal(summary.average.amount);
    for (const double value : summary.average.nutrients)
        average.cells.append(FormatOneDecimal(value));
    table.rows.append(average);

    DaySummaryRow requirement;
    requirement.kind = SummaryRowKind::Requirement;
    requirement.label = RequirementLabel(summary.requirement.title);
    requirement.cells = ReferenceValueTexts(summary.requirement, locale);
    table.rows.append(requirement);

    DaySummaryRow percent;
    percent.kind = SummaryRowKind::Percent;
    percent.label = QStringLiteral("Prozent");
    for (int k = 0; k < NutrientCount; ++k) {
        // No requirement, no percentage: an empty cell, not a 0 that reads as "nothing eaten".
        percent.cells.append(summary.requirement.values[k] > 0 ? FormatOneDecimal(summary.rating.percent[k])
                                                               : QString());
    }
    percent.classes = summary.rating.classes;
    table.rows.append(percent);

    DaySummaryRow nonNumeric;
    nonNumeric.kind = SummaryRowKind::NonNumeric;
    nonNumeric.label = QStringLiteral("Unvollständig");
    for (const int count : summary.nonNumeric)
        nonNumeric.cells.append(QString::number(count));
    table.rows.append(nonNumeric);
    return table;
}

QStringList DaySummaryMessages(const DaySummary &summary)
{
    QStringList messages;
    for (const SummarySkippedFile &file : summary.skipped)
        messages.append(QDir::toNativeSeparators(file.path) + QStringLiteral(": ") + file.reason);
    for (const SummaryRefusedLine &line : summary.refused) {
        messages.append(line.label + QStringLiteral(", Zeile ") + QString::number(line.line) +
                        QStringLiteral(": ") + line.message);
    }
    return messages;
}
