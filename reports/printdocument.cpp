#include "printdocument.h"

#include "appinfo.h"
#include "dayreport.h"
#include "daysummarytable.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QStringList UnitTexts()
{
    QStringList units;
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        units.append(nutrient.unitLabel);
    return units;
}

QList<PrintCell> PlainCells(const QStringList &texts)
{
    QList<PrintCell> cells;
    for (int k = 0; k < NutrientCount; ++k)
        cells.append({texts.value(k), PercentClass::Unrated, QString()});
    return cells;
}

template<typename Classes>
QList<PrintCell> PercentCells(const QStringList &texts, const Classes &classes)
{
    QList<PrintCell> cells;
    for (int k = 0; k < NutrientCount; ++k)
        cells.append({texts.value(k), classes[k], PercentClassMark(classes[k])});
    return cells;
}

PrintRow Row(PrintRowKind kind, const QString &label, const QString &amount, const QList<PrintCell> &cells)
{
    PrintRow row;
    row.kind = kind;
    row.label = label;
    row.amount = amount;
    row.cells = cells;
    return row;
}

QStringList Trimmed(const QStringList &texts)
{
    QStringList trimmed;
    for (const QString &text : texts)
        trimmed.append(text.trimmed());
    return trimmed;
}

} // namespace

QString MealFileLine(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo file(path);
    return QStringLiteral("Mahlzeiten-Datei: ") + file.fileName() + QStringLiteral(" (in ") +
           QDir::toNativeSeparators(file.absolutePath()) + QLatin1Char(')');
}

QString DataSourceLine(const QString &swissHeaderLine)
{
    QString line = QStringLiteral("Datenquelle: Schweizer Nährwertdatenbank, BLV");
    // Only the first field: the later ones repeat the version with more words around it.
    static const QRegularExpression version(QStringLiteral("\\bVersion\\s+([^;\\s]+)"));
    const QRegularExpressionMatch match = version.match(swissHeaderLine.section(QLatin1Char(';'), 0, 0));
    if (match.hasMatch())
        line += QStringLiteral(", Version ") + match.captured(1);
    return line;
}

PrintDocument DayPrintDocument(const MealPlan &plan, const DayBalance &balance, const ReferenceSet &requirement,
                               const QLocale &locale, const QDateTime &created, const QString &swissHeaderLine)
{
    // The texts of the text report, which are those of the window; on paper without the
    // blanks that align them in fixed-width columns.
    const DayReport report = DayReportFromPlan(plan, balance, requirement, locale, created);

    PrintDocument document;
    document.title = AppTitle() + QStringLiteral(" - Tagesübersicht der Mahlzeit(en)");
    if (const QString line = MealFileLine(plan.mealFilePath()); !line.isEmpty())
        document.infoLines.append(line);
    document.infoLines.append(ReportCreatedLine(created));

    PrintTable &table = document.table;
    table.heads << QStringLiteral("Lebensmittel") << QStringLiteral("Menge") << report.nutrientNames
                << QStringLiteral("DB");
    table.units << QString() << QStringLiteral("g, St") << report.unitTexts << QString();
    table.hasDbColumn = true;
    for (int meal = 1; meal <= MealCount; ++meal) {
        const DayReportMeal &source = report.meals[meal - 1];
        const QString name = QStringLiteral("Mahlzeit %1").arg(meal);
        if (source.rows.isEmpty()) {
            table.rows.append(Row(PrintRowKind::Note, name + QStringLiteral(" - kein Eintrag"), QString(), {}));
            continue;
        }
        table.rows.append(Row(PrintRowKind::Heading, name, QString(), {}));
        for (const DayReportRow &entry : source.rows) {
            PrintRow row = Row(PrintRowKind::Entry, entry.name, entry.amount, PlainCells(entry.values));
            row.dbCode = entry.dbCode;
            table.rows.append(row);
        }
        table.rows.append(
            Row(PrintRowKind::Sum, name + QStringLiteral(" Summen"), source.amountSum, PlainCells(source.sums)));
    }
    table.rows.append(
        Row(PrintRowKind::Sum, QStringLiteral("Tagessummen"), report.dayAmountSum, PlainCells(report.daySums)));
    table.rows.append(Row(PrintRowKind::Requirement, report.requirementTitle.trimmed(), QString(),
                          PlainCells(report.requirements)));
    table.rows.append(Row(PrintRowKind::Percent, QStringLiteral("Tagesmengen in Prozent"), QString(),
                          PercentCells(Trimmed(report.percentages), report.percentClasses)));

    for (const QString &line : WaterSharesText(balance).split(QLatin1Char('\n')))
        document.waterLines.append(line.simplified());
    document.chart = DayPercentChart(balance, requirement, locale);
    document.sourceLine = DataSourceLine(swissHeaderLine);
    return document;
}

PrintDocument SeveralDaysPrintDocument(const DaySummary &summary, const QLocale &locale, const QDateTime &created,
                                       const QString &swissHeaderLine)
{
    const DaySummaryTable source = BuildDaySummaryTable(summary, locale);

    PrintDocument document;
    document.title = AppTitle() + QStringLiteral(" - Übersicht über mehrere Tage");
    document.infoLines.append(ReportCreatedLine(created));

    PrintTable &table = document.table;
    table.heads = source.heads;
    table.units << QString() << QStringLiteral("g, St") << UnitTexts();
    for (const DaySummaryRow &row : source.rows) {
        switch (row.kind) {
        case SummaryRowKind::Day:
            table.rows.append(Row(PrintRowKind::Entry, row.label, row.amount, PlainCells(row.cells)));
            break;
        case SummaryRowKind::Average:
            table.rows.append(Row(PrintRowKind::Sum, row.label, row.amount, PlainCells(row.cells)));
            break;
        case SummaryRowKind::Requirement:
            table.rows.append(Row(PrintRowKind::Requirement, row.label, row.amount, PlainCells(row.cells)));
            break;
        case SummaryRowKind::Percent:
            table.rows.append(Row(PrintRowKind::Percent, row.label, row.amount, PercentCells(row.cells, row.classes)));
            break;
        case SummaryRowKind::NonNumeric:
            table.rows.append(Row(PrintRowKind::Count, row.label, row.amount, PlainCells(row.cells)));
            break;
        case SummaryRowKind::NoEntry:
            // A line of its own, as an empty meal in the day's document: no figures to print.
            table.rows.append(Row(PrintRowKind::Note, row.label + QStringLiteral(" - kein Eintrag"), QString(), {}));
            break;
        }
    }
    document.messageLines = DaySummaryMessages(summary);
    if (!summary.days.isEmpty())
        document.chart = AveragePercentChart(summary, locale);
    document.sourceLine = DataSourceLine(swissHeaderLine);
    return document;
}
