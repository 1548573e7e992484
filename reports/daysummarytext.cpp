#include "daysummarytable.h"

#include "textcolumns.h"

#include <QList>

QStringList FormatDaySummaryText(const DaySummary &summary, const QLocale &locale)
{
    const DaySummaryTable table = BuildDaySummaryTable(summary, locale);
    QList<QStringList> cells;
    cells.append(table.heads);
    for (const DaySummaryRow &row : table.rows)
        cells.append(QStringList{row.label, row.amount} + row.cells);
    // A column as wide as its widest cell: a year's amount sum or a long file name is never cut.
    return FormatTextColumns(cells);
}
