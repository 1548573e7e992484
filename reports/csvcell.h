#pragma once

#include <QString>
#include <QStringList>

// The one way a cell of a CSV file is written (';' between cells), for every CSV the program
// writes except the day report, whose fixed layout is kept byte for byte and holds no
// cell a spreadsheet could take for a formula.

enum class CsvCellKind
{
    Text,   // a name, a title, a heading: whatever a user or a file put there
    Number, // a figure the program wrote: never changed but for quoting
};

// A cell holding ';', '"', CR or LF is put in double quotes, each '"' in it doubled, so the
// row keeps its cells. A text cell beginning with '=', '+', '-', '@', tab or CR gets a leading
// "'" first, so that no spreadsheet runs it as a formula ("=SUM(1+1).txt" stays a file name).
QString CsvCell(const QString &value, CsvCellKind kind);

// The cells (each made by CsvCell) of one line joined with ';', without a line end.
QString CsvLine(const QStringList &cells);
