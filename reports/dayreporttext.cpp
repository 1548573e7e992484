#include "dayreport.h"

#include "textformat.h"

namespace {

const QString Ruler = QString(150, QLatin1Char('-'));

// The column heads and units lines: a 34-wide label, fourteen 7-wide cells, a 3-wide cell.
QString HeadLine(const QString &label, const QString &amount, const QStringList &cells, const QString &last)
{
    QString line = FitLeft(label, 34) + QLatin1Char(' ') + FitRight(amount, 7);
    for (int k = 0; k < NutrientCount; ++k)
        line += QLatin1Char(' ') + FitRight(cells.value(k), 7);
    return line + QLatin1Char(' ') + FitRight(last, 3);
}

// Right-aligned 7-wide cells, each followed by one blank.
QString Cells(const QStringList &cells, int count)
{
    QString line;
    for (int k = 0; k < count; ++k)
        line += FitRight(cells.value(k), 7) + QLatin1Char(' ');
    return line;
}

QStringList Marks(const DayReport &report)
{
    QStringList marks;
    for (PercentClass percentClass : report.percentClasses)
        marks.append(PercentClassMark(percentClass));
    return marks;
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
        lines << FitLeft(row.name, 34) + QLatin1Char(' ') + FitRight(row.amount, 7) + QLatin1Char(' ') +
                     Cells(row.values, NutrientCount) + QStringLiteral("  ") + FitLeft(row.dbCode, 1);
    }
    lines << QString();
    lines << FitLeft(heading + QStringLiteral(" Summen"), 34) + QLatin1Char(' ') +
                 FitRight(meal.amountSum, 7) + QLatin1Char(' ') + Cells(meal.sums, NutrientCount);
    lines << QString();
}

} // namespace

QStringList FormatDayReportText(const DayReport &report)
{
    const QDate date = report.created.date();
    const QTime time = report.created.time();
    const QString heads = HeadLine(QStringLiteral(" Lebensmittel"), QStringLiteral("Menge"),
                                   report.nutrientNames, QStringLiteral("DB"));
    const QString units = HeadLine(QString(), QStringLiteral("g, St"), report.unitTexts, QString());

    QStringList lines;
    lines << QString() << QStringLiteral("Programm Kostbilanz - Tagesübersicht der Mahlzeit(en)")
          << QString();
    if (!report.loadedMealFilePath.isEmpty())
        lines << report.loadedMealFilePath << QString();
    lines << QStringLiteral("Erstellt am ") + TwoDigits(date.day()) + QLatin1Char('.') +
                 TwoDigits(date.month()) + QLatin1Char('.') + TwoDigits(date.year() - 2000) +
                 QLatin1Char(' ') + TwoDigits(time.hour()) + QLatin1Char(':') + TwoDigits(time.minute()) +
                 QLatin1Char(':') + TwoDigits(time.second());
    lines << QString() << Ruler << heads << units << Ruler << QString();

    for (int meal = 1; meal <= MealCount; ++meal) {
        AppendMealBlock(lines, meal, report.meals[meal - 1]);
        lines << Ruler;
    }

    lines << heads << units << Ruler << QString();
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral("Tagessummen"), 34) +
                 FitRight(report.dayAmountSum, 7) + QLatin1Char(' ') + Cells(report.daySums, NutrientCount);
    lines << QString();
    // The requirement, percentage and mark columns stand two positions left of and one right
    // of the sums; that offset is part of the layout users know and is kept as it is.
    lines << QLatin1Char(' ') + FitLeft(report.requirementTitle, 34) + FitRight(QStringLiteral("     "), 5) +
                 QLatin1Char(' ') + Cells(report.requirements, NutrientCount);
    lines << QString();
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral("Tagesmengen in Prozent"), 33) + QStringLiteral("  ") +
                 FitRight(QStringLiteral(" "), 7) + QLatin1Char(' ') +
                 Cells(report.percentages, NutrientCount);
    lines << QString();
    lines << QLatin1Char(' ') + FitLeft(QStringLiteral(" "), 33) + QStringLiteral("  ") +
                 FitRight(QStringLiteral(" "), 7) + QLatin1Char(' ') + Cells(Marks(report), NutrientCount);
    lines << QString() << Ruler;
    return lines;
}
