#pragma once

#include <QString>

// The one comparison of the sortable lists (own foods, maximum values).

// Character codes compared with 'a'..'z' folded to capitals and nothing else folded; a
// text that is the beginning of the other comes first. Negative, 0 or positive.
int CompareText(const QString &a, const QString &b);

// Cells of column `column`: column 0 holds names, compared as text in the sort direction.
// Other columns: when both cells (commas as points) are numeric, compared by value in the
// sort direction; otherwise as text, ascending whatever the direction.
// Mixing the two rules is not a strict weak order ("5 g" is text, "10" and "9" are numbers:
// 9 < 10 < "5 g" < 9), so sort with a merge sort such as std::stable_sort (as QTreeWidget
// and QSortFilterProxyModel do), never with std::sort, which may run out of bounds then.
int CompareListCells(const QString &a, const QString &b, int column, bool descending);
