#include "daysummarytable.h"

#include "csvcell.h"

QStringList FormatDaySummaryCsv(const DaySummary &summary, const QLocale &locale)
{
    const DaySummaryTable table = BuildDaySummaryTable(summary, locale);
    QStringList lines;
    QStringList heads;
    for (const QString &head : table.heads)
        heads.append(CsvCell(head, CsvCellKind::Text));
    lines.append(CsvLine(heads));
    for (const DaySummaryRow &row : table.rows) {
        // The label may be any file name: "=SUM(1+1).txt" or "a;b.txt" must stay one text cell.
        const QString first = row.date.isValid() ? row.date.toString(Qt::ISODate) : row.label;
        const CsvCellKind amountKind = row.kind == SummaryRowKind::NoEntry ? CsvCellKind::Text : CsvCellKind::Number;
        QStringList cells{CsvCell(first, CsvCellKind::Text), CsvCell(row.amount, amountKind)};
        for (const QString &value : row.cells)
            cells.append(CsvCell(value, CsvCellKind::Number));
        lines.append(CsvLine(cells));
    }
    return lines;
}
