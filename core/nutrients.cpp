#include "nutrients.h"

const std::array<NutrientEntry, NutrientCount> &NutrientCatalogue()
{
    // Built on first use and never changed; the Swiss column is the field of a NwChDb.dat
    // food line that carries the amount per 100 g.
    static const std::array<NutrientEntry, NutrientCount> catalogue = {{
        {QStringLiteral("Energie"), QStringLiteral("kcal"), NutrientKind::Target, 3},
        {QStringLiteral("KoHydr"), QStringLiteral("g"), NutrientKind::Target, 13},
        {QStringLiteral("Zucker"), QStringLiteral("< g"), NutrientKind::Limit, 14},
        {QStringLiteral("Fett"), QStringLiteral("< g"), NutrientKind::Limit, 4},
        {QStringLiteral("Fet.gesä"), QStringLiteral("< g"), NutrientKind::Limit, 5},
        {QStringLiteral("Protein"), QStringLiteral("g"), NutrientKind::Target, 17},
        {QStringLiteral("Salz"), QStringLiteral("< g"), NutrientKind::Limit, 18},
        {QStringLiteral("Eisen"), QStringLiteral("mg"), NutrientKind::Target, 42},
        {QStringLiteral("Magn."), QStringLiteral("mg"), NutrientKind::Target, 40},
        {QStringLiteral("Calcium"), QStringLiteral("mg"), NutrientKind::Target, 39},
        {QStringLiteral("Vit.B12"), QStringLiteral("µg"), NutrientKind::Target, 29},
        {QStringLiteral("Vit.D"), QStringLiteral("µg"), NutrientKind::Target, 34},
        {QStringLiteral("Wasser"), QStringLiteral("g"), NutrientKind::Target, 20},
    }};
    return catalogue;
}
