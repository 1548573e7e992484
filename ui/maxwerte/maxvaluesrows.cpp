#include "maxvaluesrows.h"

#include "foodlistcolumns.h"
#include "nutrients.h"

QStringList MaxValuesCaptions()
{
    QStringList captions = {QStringLiteral("Lebensmittel"), QStringLiteral("Db"), QStringLiteral("ID"),
                            QStringLiteral("Menge")};
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        captions.append(nutrient.shortName);
    return captions;
}

QList<QStringList> BuildMaxValuesRows(const FoodIndex &index)
{
    QList<QStringList> rows;
    rows.reserve(index.count());
    for (int position = 0; position < index.count(); ++position) {
        const FoodRecord record = index.record(position);
        QStringList row = {record.name, DbCodeFor(record.dbType), record.id, record.referenceAmount};
        row.reserve(FoodColumn::Count);
        for (int k = 0; k < NutrientCount; ++k)
            row.append(record.values.value(k));
        rows.append(row);
    }
    return rows;
}
