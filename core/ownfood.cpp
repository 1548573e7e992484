#include "ownfood.h"

#include "foodiddraw.h"
#include "nutrients.h"

#include <QSet>

namespace {

OwnFoodAdd Refuse(const QString &notice, OwnFoodField field, int nutrient = -1)
{
    OwnFoodAdd result;
    result.notice = notice;
    result.field = field;
    result.nutrient = nutrient;
    return result;
}

} // namespace

OwnFoodAdd AddOwnFood(QList<AdditionalFoodRow> &rows, AdditionalFoodRow food, bool replaceExisting,
                      const QDateTime &now)
{
    if (const QString refusal = OwnFoodNameRefusal(food.name); !refusal.isEmpty())
        return Refuse(refusal, OwnFoodField::Name);
    // ';' separates the fields of NwAnDb.dat; inside a value it would shift every later field
    // when the file is read back.
    for (int k = 0; k < food.values.size(); ++k) {
        if (food.values.at(k).contains(QLatin1Char(';')))
            return Refuse(OwnFoodSemicolonRefusal(), OwnFoodField::Value, k);
    }
    int sameName = -1;
    for (int position = 0; position < rows.size() && sameName < 0; ++position) {
        if (rows.at(position).name == food.name)
            sameName = position;
    }
    // Two own foods of one name could not be told apart in the selection list.
    if (sameName >= 0 && !replaceExisting) {
        OwnFoodAdd result = Refuse(OwnFoodDuplicateRefusal(), OwnFoodField::None);
        result.sameName = sameName;
        return result;
    }
    if (food.referenceAmount != QLatin1String("100") && food.referenceAmount != QLatin1String("1"))
        return Refuse(QStringLiteral("Die Bezugsmenge kann nur '100' oder '1' sein"),
                      OwnFoodField::ReferenceAmount);

    food.values.resize(NutrientCount);
    for (QString &value : food.values) {
        if (value.isEmpty())
            value = QStringLiteral("k.A.");
    }
    OwnFoodAdd result;
    if (sameName >= 0) {
        // The id stays, so meal files that name the food keep finding it.
        food.id = rows.at(sameName).id;
        rows[sameName] = food;
        result.sameName = sameName;
    } else {
        if (food.id.isEmpty()) {
            QSet<QString> taken;
            for (const AdditionalFoodRow &own : rows)
                taken.insert(own.id);
            food.id = DrawOwnFoodId(taken, now);
            if (food.id.isEmpty())
                return Refuse(NoFreeOwnFoodIdRefusal(), OwnFoodField::None);
        }
        rows.append(food);
    }
    result.ok = true;
    result.row = food;
    return result;
}
