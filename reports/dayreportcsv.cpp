#include "dayreport.h"

#include "textformat.h"

namespace {

const QLatin1Char Semicolon(';');

// The column heads and units lines: a 34-wide label, fourteen 7-wide cells and a 3-wide
// cell, each field followed by ';'.
QString HeadLine(const QString &label, const QString &amount, const QStringList &cells, const QString &last)
{
    return FitLeft(label, 34) + Semicolon + FitRight(amount, 7) + Semicolon +
           NutrientCells(cells, Semicolon) + FitRight(last, 3) + Semicolon;
}

void AppendMealBlock(QStringList &lines, int number, const DayReportMeal &meal)
{
    const QString separator(Semicolon);
    const QString heading = QStringLiteral(" Mahlzeit ") + QString::number(number);
    if (meal.rows.isEmpty()) {
        lines << heading + QStringLiteral(" - kein Eintrag;") << separator;
        return;
    }
    lines << heading + Semicolon << separator;
    for (const DayReportRow &row : meal.rows) {
        lines << FitLeft(row.name, 34) + Semicolon + FitRight(row.amount, 7) + Semicolon +
                     NutrientCells(row.values, Semicolon) + QStringLiteral("  ") + FitLeft(row.dbCode, 1) +
                     QStringLiteral(";;");
    }
    lines << separator;
    lines << FitLeft(heading + QStringLiteral(" Summen"), 34) + Semicolon + FitRight(meal.amountSum, 7) +
                 Semicolon + NutrientCells(meal.sums, Semicolon) + Semicolon;
    lines << separator;
}

} // namespace

QStringList FormatDayReportCsv(const DayReport &report)
{
    const QString separator(Semicolon);
    const QString heads = HeadLine(QStringLiteral(" Lebensmittel"), QStringLiteral("Menge"),
                                   report.nutrientNames, QStringLiteral("DB"));
    const QString units = HeadLine(QString(), QStringLiteral("g, St"), report.unitTexts, QString());

    QStringList lines;
    lines << separator << QStringLiteral("Programm Kostbilanz - Tagesübersicht der Mahlzeit(en);")
          << separator;
    if (!report.loadedMealFilePath.isEmpty())
        lines << report.loadedMealFilePath + Semicolon << separator;
    lines << ReportCreatedLine(report.created) + Semicolon;
    lines << QString() << heads << units << QString();

    for (int meal = 1; meal <= MealCount; ++meal)
        AppendMealBlock(lines, meal, report.meals[meal - 1]);

    lines << heads << units << QString();
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral("Tagessummen"), 34) + Semicolon +
                 FitRight(report.dayAmountSum, 7) + Semicolon + NutrientCells(report.daySums, Semicolon) +
                 Semicolon;
    lines << separator;
    lines << QLatin1Char(' ') + FitLeft(report.requirementTitle, 34) + Semicolon +
                 FitRight(QStringLiteral("     "), 5) + Semicolon +
                 NutrientCells(report.requirements, Semicolon) + Semicolon;
    lines << separator;
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral("Tagesmengen in Prozent"), 33) + Semicolon +
                 FitRight(QStringLiteral(" "), 7) + Semicolon + NutrientCells(report.percentages, Semicolon) +
                 Semicolon;
    lines << separator;
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral(" "), 33) + Semicolon +
                 FitRight(QStringLiteral(" "), 7) + Semicolon +
                 NutrientCells(PercentClassMarks(report), Semicolon) + Semicolon;
    lines << separator;
    return lines;
}
