#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The one comparison and sort order of the sortable food lists (own foods, maximum values).

// Character codes compared with 'a'..'z' folded to capitals and nothing else folded; a
// text that is the beginning of the other comes first. Negative, 0 or positive.
int CompareText(const QString &a, const QString &b);

// Cells of column `column`: the name column (FoodColumn::Name) is compared as text in the sort
// direction. Other columns: when both cells (commas as points) are numeric, compared by value
// in the sort direction; otherwise as text, ascending whatever the direction.
// Mixing the two rules is not a strict weak order ("5 g" is text, "10" and "9" are numbers:
// 9 < 10 < "5 g" < 9), so sort with a merge sort such as std::stable_sort (as QTreeWidget
// and QSortFilterProxyModel do), never with std::sort, which may run out of bounds then.
int CompareListCells(const QString &a, const QString &b, int column, bool descending);

// What CompareListCells reads from a cell of a value column, read once so that a sort need
// not read it again at every comparison.
struct ListCellKey
{
    bool numeric = false; // the cell, commas as points, passes IsNumericText
    double value = 0;     // its LeadingNumber when numeric
};
ListCellKey ReadListCellKey(const QString &cell);

// CompareListCells for cells whose keys were read with ReadListCellKey; the same result.
int CompareListCells(const QString &a, const ListCellKey &aKey, const QString &b, const ListCellKey &bKey,
                     int column, bool descending);

// order (positions into rows) sorted stably by the cells of column with CompareListCells;
// rows that compare equal keep their order in the given sequence. Each cell is read once.
void SortRowOrder(std::vector<int> &order, const QList<QStringList> &rows, int column, bool descending);

// How clicks on a list's column heads choose the sort: the first click on a column sorts it
// descending, each further click on the same column reverses. Kept from one opening of a
// window to the next.
struct ListSortState
{
    int column = -1; // the column sorted last; -1 before the first click
    bool descending = false;

    // Takes a click on the head of column clicked.
    void click(int clicked)
    {
        descending = clicked != column || !descending;
        column = clicked;
    }
};
