#include "nutrientlisttable.h"

#include "csvcell.h"
#include "daysummarytable.h"
#include "listcompare.h"
#include "numbertext.h"
#include "reference.h"
#include "textcolumns.h"

namespace {

// Sorts behind every percentage in the lists' comparison: a text after numbers, which all begin
// with a digit.
const QString NoPercentKey = QStringLiteral("ohne Bedarf");

QString ReferenceText(const NutrientList &list, int nutrient, const QLocale &locale)
{
    if (!list.lines[size_t(nutrient)].rated)
        return QString();
    if (nutrient < NutrientCount)
        return ReferenceValueText(list.reference.main.values[size_t(nutrient)], locale);
    return list.reference.extra.texts[size_t(nutrient - NutrientCount)];
}

QStringList RowCells(const NutrientListRow &row)
{
    return {row.name, row.unit, row.amount, row.reference, row.percent, row.withoutValue};
}

} // namespace

QStringList NutrientListHeads()
{
    return {QStringLiteral("Nährwert"), QStringLiteral("Einheit"), QStringLiteral("Durchschnitt"),
            QStringLiteral("Bedarf"),   QStringLiteral("Prozent"), QStringLiteral("Ohne Wert")};
}

QList<NutrientListRow> BuildNutrientListRows(const NutrientList &list, const QLocale &locale)
{
    QList<NutrientListRow> rows;
    rows.reserve(AllNutrientCount);
    const auto &nutrients = AllNutrients();
    for (int n = 0; n < AllNutrientCount; ++n) {
        const NutrientListLine &line = list.lines[size_t(n)];
        NutrientListRow row;
        row.nutrient = n;
        row.name = nutrients[size_t(n)].name;
        row.unit = nutrients[size_t(n)].unit;
        // Rounded once, here: the sums and averages behind it are unrounded.
        row.amount = FormatOneDecimal(line.amount);
        row.reference = ReferenceText(list, n, locale);
        row.percent = line.rated ? FormatOneDecimal(line.percent) : QString();
        row.withoutValue = QString::number(line.withoutValue);
        row.rated = line.rated;
        row.percentClass = line.percentClass;
        rows.append(row);
    }
    return rows;
}

std::vector<int> NutrientRowsByPercent(const QList<NutrientListRow> &rows)
{
    // The percentages as shown, compared as the sortable lists compare a value column; the name
    // stands in column 0, where the comparison reads text.
    constexpr int PercentColumn = 1;
    QList<QStringList> cells;
    cells.reserve(rows.size());
    for (const NutrientListRow &row : rows)
        cells.append({row.name, row.rated ? row.percent : NoPercentKey});
    std::vector<int> order(size_t(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        order[size_t(r)] = r;
    SortRowOrder(order, cells, PercentColumn, false);
    return order;
}

QStringList FormatNutrientListCsv(const NutrientList &list, const QLocale &locale)
{
    QStringList heads;
    for (const QString &head : NutrientListHeads())
        heads.append(CsvCell(head, CsvCellKind::Text));
    QStringList lines{CsvLine(heads)};
    const QList<NutrientListRow> rows = BuildNutrientListRows(list, locale);
    for (const NutrientListRow &row : rows) {
        // Name and unit are texts; the figures are the program's own numbers.
        const QStringList cells = RowCells(row);
        QStringList written;
        for (int c = 0; c < cells.size(); ++c)
            written.append(CsvCell(cells.at(c), c < 2 ? CsvCellKind::Text : CsvCellKind::Number));
        lines.append(CsvLine(written));
    }
    return lines;
}

QStringList FormatNutrientListText(const NutrientList &list, const QLocale &locale)
{
    QList<QStringList> cells{NutrientListHeads()};
    const QList<NutrientListRow> rows = BuildNutrientListRows(list, locale);
    for (const NutrientListRow &row : rows)
        cells.append(RowCells(row));
    return FormatTextColumns(cells);
}

NutrientListForFiles NutrientListOfFiles(const QStringList &paths, const FoodIndex &index,
                                         const NutrientReference &reference, const QLocale &locale)
{
    NutrientListForFiles result;
    result.summary = SummariseMealFiles(paths, index, reference.main);
    result.list = SummaryNutrientList(result.summary, reference);
    result.csv = FormatNutrientListCsv(result.list, locale);
    result.text = FormatNutrientListText(result.list, locale);
    result.messages = DaySummaryMessages(result.summary);
    return result;
}
