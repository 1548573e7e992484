#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Lines of cells for a terminal: the first column left-aligned, the others right-aligned, each
// as wide as its widest cell (nothing is ever cut), two blanks apart; without line ends.
QStringList FormatTextColumns(const QList<QStringList> &cells);
