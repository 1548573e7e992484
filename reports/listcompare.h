#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The one comparison and sort order of the sortable food lists (own foods, maximum values).

// Character codes compared with 'a'..'z' folded to capitals and nothing else folded; a
// text that is the beginning of the other comes first. Negative, 0 or positive.
// Inline: a sort of a national table's names calls it a quarter of a million times.
inline int CompareText(QStringView a, QStringView b)
{
    const auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c; };
    const qsizetype common = qMin(a.size(), b.size());
    const char16_t *x = a.utf16();
    const char16_t *y = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        if (x[i] != y[i]) {
            const char16_t fx = fold(x[i]);
            const char16_t fy = fold(y[i]);
            if (fx != fy)
                return fx < fy ? -1 : 1;
        }
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Cells of column `column`: the name column (FoodColumn::Name) is compared as text in the sort
// direction. Other columns: when both cells (commas as points) are numeric, compared by value
// in the sort direction; otherwise as text, ascending whatever the direction.
// Mixing the two rules is not a strict weak order ("5 g" is text, "10" and "9" are numbers:
// 9 < 10 < "5 g" < 9), so sort with a merge sort such as std::stable_sort (as QTreeWidget
// and QSortFilterProxyModel do), never with std::sort, which may run out of bounds then.
int CompareListCells(const QString &a, const QString &b, int column, bool descending);

// A cell read once for sorting, so that a sort does not read the numbers at every comparison.
// It views the cell's text: keep the cell while the key is used.
struct ListCellKey
{
    bool numeric = false; // a value column's cell that, commas as points, passes IsNumericText
    double value = 0;     // its LeadingNumber when numeric
    QStringView text;     // the cell
};
ListCellKey ReadListCellKey(const QString &cell, int column);

// CompareListCells of the cells whose keys these are: the same sign.
inline int CompareListKeys(const ListCellKey &a, const ListCellKey &b, int column, bool descending)
{
    if (a.numeric && b.numeric) {
        const int order = a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
        return descending ? -order : order;
    }
    // Names follow the direction; other texts keep ascending order in both.
    if (descending && column == 0)
        return CompareText(b.text, a.text);
    return CompareText(a.text, b.text);
}

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
