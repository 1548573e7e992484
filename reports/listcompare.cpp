#include "listcompare.h"

#include "foodlistcolumns.h"
#include "numbertext.h"

#include <algorithm>

namespace {

int Sign(double x, double y)
{
    if (x < y)
        return -1;
    return x > y ? 1 : 0;
}

} // namespace

int CompareListCells(const QString &a, const QString &b, int column, bool descending)
{
    if (column == FoodColumn::Name)
        return descending ? CompareText(b, a) : CompareText(a, b);

    const QString x = CommaToPoint(a);
    const QString y = CommaToPoint(b);
    if (IsNumericText(x) && IsNumericText(y)) {
        const int order = Sign(LeadingNumber(x), LeadingNumber(y));
        return descending ? -order : order;
    }
    // Texts such as "k.A." keep ascending order in both directions, so they stay behind
    // the numbers whichever way the column is sorted.
    return CompareText(a, b);
}

ListCellKey ReadListCellKey(const QString &cell, int column)
{
    static_assert(FoodColumn::Name == 0, "CompareListKeys takes column 0 for the names");
    ListCellKey key;
    // ReadDecimalText reads a ',' as the point, as CompareListCells reads its copy with points,
    // without making the copy.
    if (column != FoodColumn::Name)
        key.numeric = ReadDecimalText(cell, &key.value);
    key.text = cell;
    return key;
}

void SortRowOrder(std::vector<int> &order, const QList<QStringList> &rows, int column, bool descending)
{
    // A sort reads each cell about log2(n) times; at fifteen thousand rows reading the numbers
    // at every comparison took most of a click's time.
    std::vector<ListCellKey> keys(size_t(rows.size()));
    for (const int row : order)
        keys[size_t(row)] = ReadListCellKey(rows.at(row).at(column), column);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareListKeys(keys[size_t(a)], keys[size_t(b)], column, descending) < 0;
    });
}
