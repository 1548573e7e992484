#include "daysummarytable.h"

QStringList FormatDaySummaryCsv(const DaySummary &summary, const QLocale &locale)
{
    const DaySummaryTable table = BuildDaySummaryTable(summary, locale);
    const QLatin1Char separator(';');
    // No cell is quoted: file names with ';' are rare enough, and the day report does the same.
    QStringList lines;
    lines.append(table.heads.join(separator));
    for (const DaySummaryRow &row : table.rows)
        lines.append(row.label + separator + row.amount + separator + row.cells.join(separator));
    return lines;
}
