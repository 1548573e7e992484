#include "textcolumns.h"

#include "textformat.h"

QStringList FormatTextColumns(const QList<QStringList> &cells)
{
    int columns = 0;
    for (const QStringList &line : cells)
        columns = qMax(columns, int(line.size()));
    QList<int> widths(columns, 0);
    for (const QStringList &line : cells) {
        for (int column = 0; column < columns; ++column)
            widths[column] = qMax(widths[column], int(line.value(column).size()));
    }

    QStringList lines;
    lines.reserve(cells.size());
    for (const QStringList &line : cells) {
        QString text = FitLeft(line.value(0), widths.value(0));
        for (int column = 1; column < columns; ++column)
            text += QStringLiteral("  ") + FitRight(line.value(column), widths[column]);
        lines.append(text);
    }
    return lines;
}
