#include "daysummarytable.h"

#include "textformat.h"

#include <QList>

QStringList FormatDaySummaryText(const DaySummary &summary, const QLocale &locale)
{
    const DaySummaryTable table = BuildDaySummaryTable(summary, locale);
    QList<QStringList> cells;
    cells.append(table.heads);
    for (const DaySummaryRow &row : table.rows)
        cells.append(QStringList{row.label, row.amount} + row.cells);

    // A column as wide as its widest cell: a year's amount sum or a long file name is never cut.
    QList<int> widths(table.heads.size(), 0);
    for (const QStringList &line : std::as_const(cells)) {
        for (int column = 0; column < widths.size(); ++column)
            widths[column] = qMax(widths[column], int(line.value(column).size()));
    }

    QStringList lines;
    for (const QStringList &line : std::as_const(cells)) {
        QString text = FitLeft(line.value(0), widths[0]);
        for (int column = 1; column < widths.size(); ++column)
            text += QStringLiteral("  ") + FitRight(line.value(column), widths[column]);
        lines.append(text);
    }
    return lines;
}
