#pragma once

#include <QString>

// The one comparison of the sortable lists (own foods, maximum values).

// Character codes compared with 'a'..'z' folded to capitals and nothing else folded; a
// text that is the beginning of the other comes first. Negative, 0 or positive.
int CompareText(const QString &a, const QString &b);

// Cells of column `column`: column 0 holds names, compared as text in the sort direction.
// Other columns: when both cells (commas as points) are numeric, compared by value in the
// sort direction; otherwise as text, ascending whatever the direction.
int CompareListCells(const QString &a, const QString &b, int column, bool descending);
