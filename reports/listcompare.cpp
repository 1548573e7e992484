#include "listcompare.h"

#include "foodlistcolumns.h"
#include "numbertext.h"

#include <algorithm>

namespace {

char16_t FoldAsciiLower(QChar c)
{
    const char16_t code = c.unicode();
    return code >= u'a' && code <= u'z' ? char16_t(code - (u'a' - u'A')) : code;
}

int Sign(double x, double y)
{
    if (x < y)
        return -1;
    return x > y ? 1 : 0;
}

} // namespace

int CompareText(const QString &a, const QString &b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = FoldAsciiLower(a.at(i));
        const char16_t y = FoldAsciiLower(b.at(i));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

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

void SortRowOrder(std::vector<int> &order, const QList<QStringList> &rows, int column, bool descending)
{
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareListCells(rows.at(a).at(column), rows.at(b).at(column), column, descending) < 0;
    });
}
