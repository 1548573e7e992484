#include "dayreport.h"

#include "textformat.h"

namespace {

const QString Ruler = QString(150, QLatin1Char('-'));

const QLatin1Char Blank(' ');

// The column heads and units lines: a 34-wide label, fourteen 7-wide cells, a 3-wide cell.
QString HeadLine(const QString &label, const QString &amount, const QStringList &cells, const QString &last)
{
    return FitLeft(label, 34) + Blank + FitRight(amount, 7) + Blank + NutrientCells(cells, Blank) +
           FitRight(last, 3);
}

void AppendMealBlock(QStringList &lines, int number, const DayReportMeal &meal)
{
    const QString heading = QStringLiteral(" Mahlzeit ") + QString::number(number);
    if (meal.rows.isEmpty()) {
        lines << heading + QStringLiteral(" - kein Eintrag") << QString();
        return;
    }
    lines << heading << QString();
    for (const DayReportRow &row : meal.rows) {
        lines << FitLeft(row.name, 34) + Blank + FitRight(row.amount, 7) + Blank +
                     NutrientCells(row.values, Blank) + QStringLiteral("  ") + FitLeft(row.dbCode, 1);
    }
    lines << QString();
    lines << FitLeft(heading + QStringLiteral(" Summen"), 34) + Blank + FitRight(meal.amountSum, 7) + Blank +
                 NutrientCells(meal.sums, Blank);
    lines << QString();
}

} // namespace

QStringList FormatDayReportText(const DayReport &report)
{
    const QString heads = HeadLine(QStringLiteral(" Lebensmittel"), QStringLiteral("Menge"),
                                   report.nutrientNames, QStringLiteral("DB"));
    const QString units = HeadLine(QString(), QStringLiteral("g, St"), report.unitTexts, QString());

    QStringList lines;
    lines << QString() << QStringLiteral("Programm Kostbilanz - Tagesübersicht der Mahlzeit(en)")
          << QString();
    if (!report.loadedMealFilePath.isEmpty())
        lines << report.loadedMealFilePath << QString();
    lines << ReportCreatedLine(report.created);
    lines << QString() << Ruler << heads << units << Ruler << QString();

    for (int meal = 1; meal <= MealCount; ++meal) {
        AppendMealBlock(lines, meal, report.meals[meal - 1]);
        lines << Ruler;
    }

    lines << heads << units << Ruler << QString();
    lines << Blank + FitLeft(QStringLiteral("Tagessummen"), 34) + FitRight(report.dayAmountSum, 7) + Blank +
                 NutrientCells(report.daySums, Blank);
    lines << QString();
    // The requirement, percentage and mark columns stand two positions left of and one right
    // of the sums; that offset is part of the layout users know and is kept as it is.
    lines << Blank + FitLeft(report.requirementTitle, 34) + FitRight(QStringLiteral("     "), 5) + Blank +
                 NutrientCells(report.requirements, Blank);
    lines << QString();
    lines << Blank + FitLeft(QStringLiteral("Tagesmengen in Prozent"), 33) + QStringLiteral("  ") +
                 FitRight(QStringLiteral(" "), 7) + Blank + NutrientCells(report.percentages, Blank);
    lines << QString();
    lines << Blank + FitLeft(QStringLiteral(" "), 33) + QStringLiteral("  ") +
                 FitRight(QStringLiteral(" "), 7) + Blank + NutrientCells(PercentClassMarks(report), Blank);
    lines << QString() << Ruler;
    return lines;
}
