#include "maxvaluesrows.h"

#include "listcompare.h"

#include <algorithm>

QStringList MaxValuesCaptions()
{
    QStringList captions = {QStringLiteral("Lebensmittel"), QStringLiteral("Db"), QStringLiteral("ID"),
                            QStringLiteral("Menge")};
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        captions.append(nutrient.shortName);
    return captions;
}

QList<MaxValuesRow> BuildMaxValuesRows(const FoodIndex &index)
{
    QList<MaxValuesRow> rows;
    rows.reserve(index.count());
    for (int position = 0; position < index.count(); ++position) {
        const FoodRecord record = index.record(position);
        MaxValuesRow row = {record.name, DbCodeFor(record.dbType), record.id, record.referenceAmount};
        for (int k = 0; k < NutrientCount; ++k)
            row.append(record.values.value(k));
        rows.append(row);
    }
    return rows;
}

int CompareMaxValuesRows(const MaxValuesRow &a, const MaxValuesRow &b, int column, bool descending)
{
    return CompareListCells(a.at(column), b.at(column), column, descending);
}

void SortMaxValuesOrder(std::vector<int> &order, const QList<MaxValuesRow> &rows, int column, bool descending)
{
    // Stable, and safe with a comparison that mixes numeric and text order: for some mixes
    // of cells that is not a strict weak order, which an unstable sort may not survive.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareMaxValuesRows(rows.at(a), rows.at(b), column, descending) < 0;
    });
}
