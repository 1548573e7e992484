#include "allnutrients.h"

QString NutrientGroupTitle(NutrientGroup group)
{
    switch (group) {
    case NutrientGroup::FattyAcids:
        return QStringLiteral("Fettsäuren");
    case NutrientGroup::Vitamins:
        return QStringLiteral("Vitamine");
    case NutrientGroup::Minerals:
        return QStringLiteral("Mineralstoffe");
    case NutrientGroup::EnergyAndMain:
        break;
    }
    return QStringLiteral("Energie und Hauptnährstoffe");
}

const std::array<TableNutrient, AllNutrientCount> &AllNutrients()
{
    using G = NutrientGroup;
    constexpr NutrientKind Limit = NutrientKind::Limit;
    constexpr NutrientKind Target = NutrientKind::Target;
    // Names as people know them, not the table's ("Nahrungsfasern" are Ballaststoffe); cholesterol
    // stands with fat among the main nutrients, since it is no fatty acid. The thirteen keep the
    // catalogue's kind and column, checked against it by the tests.
    static const std::array<TableNutrient, AllNutrientCount> nutrients = {{
        {QStringLiteral("Energie"), QStringLiteral("Energie"), QStringLiteral("kcal"), G::EnergyAndMain, Target, 3},
        {QStringLiteral("Kohlenhydrate"), QStringLiteral("KoHydr"), QStringLiteral("g"), G::EnergyAndMain, Target, 13},
        {QStringLiteral("Zucker"), QStringLiteral("Zucker"), QStringLiteral("g"), G::EnergyAndMain, Limit, 14},
        {QStringLiteral("Fett"), QStringLiteral("Fett"), QStringLiteral("g"), G::EnergyAndMain, Limit, 4},
        {QStringLiteral("Gesättigte Fettsäuren"), QStringLiteral("Fet.gesä"), QStringLiteral("g"), G::FattyAcids,
         Limit, 5},
        {QStringLiteral("Protein"), QStringLiteral("Protein"), QStringLiteral("g"), G::EnergyAndMain, Target, 17},
        {QStringLiteral("Salz"), QStringLiteral("Salz"), QStringLiteral("g"), G::EnergyAndMain, Limit, 18},
        {QStringLiteral("Eisen"), QStringLiteral("Eisen"), QStringLiteral("mg"), G::Minerals, Target, 42},
        {QStringLiteral("Magnesium"), QStringLiteral("Magn."), QStringLiteral("mg"), G::Minerals, Target, 40},
        {QStringLiteral("Calcium"), QStringLiteral("Calcium"), QStringLiteral("mg"), G::Minerals, Target, 39},
        {QStringLiteral("Vitamin B12"), QStringLiteral("Vit.B12"), QStringLiteral("µg"), G::Vitamins, Target, 29},
        {QStringLiteral("Vitamin D"), QStringLiteral("Vit.D"), QStringLiteral("µg"), G::Vitamins, Target, 34},
        {QStringLiteral("Wasser"), QStringLiteral("Wasser"), QStringLiteral("g"), G::EnergyAndMain, Target, 20},

        {QStringLiteral("Einfach ungesättigte Fettsäuren"), QStringLiteral("EUFS"), QStringLiteral("g"),
         G::FattyAcids, Target, 6},
        {QStringLiteral("Mehrfach ungesättigte Fettsäuren"), QStringLiteral("MUFS"), QStringLiteral("g"),
         G::FattyAcids, Target, 7},
        {QStringLiteral("Linolsäure"), QStringLiteral("Linols."), QStringLiteral("g"), G::FattyAcids, Target, 8},
        {QStringLiteral("Alpha-Linolensäure"), QStringLiteral("a-Linol."), QStringLiteral("g"), G::FattyAcids,
         Target, 9},
        {QStringLiteral("Eicosapentaensäure (EPA)"), QStringLiteral("EPA"), QStringLiteral("g"), G::FattyAcids,
         Target, 10},
        {QStringLiteral("Docosahexaensäure (DHA)"), QStringLiteral("DHA"), QStringLiteral("g"), G::FattyAcids,
         Target, 11},
        {QStringLiteral("Cholesterin"), QStringLiteral("Cholest."), QStringLiteral("mg"), G::EnergyAndMain, Target, 12},
        {QStringLiteral("Stärke"), QStringLiteral("Stärke"), QStringLiteral("g"), G::EnergyAndMain, Target, 15},
        {QStringLiteral("Ballaststoffe"), QStringLiteral("Ballast."), QStringLiteral("g"), G::EnergyAndMain, Target,
         16},
        {QStringLiteral("Alkohol"), QStringLiteral("Alkohol"), QStringLiteral("g"), G::EnergyAndMain, Target, 19},
        {QStringLiteral("Vitamin A (Retinoläquivalente)"), QStringLiteral("Vit.A RE"), QStringLiteral("µg"),
         G::Vitamins, Target, 21},
        {QStringLiteral("Vitamin A (Retinolaktivitätsäquivalente)"), QStringLiteral("Vit.A"), QStringLiteral("µg"),
         G::Vitamins, Target, 22},
        {QStringLiteral("Retinol"), QStringLiteral("Retinol"), QStringLiteral("µg"), G::Vitamins, Target, 23},
        {QStringLiteral("Beta-Carotin-Aktivität"), QStringLiteral("b-Car.Ak"), QStringLiteral("µg"), G::Vitamins,
         Target, 24},
        {QStringLiteral("Beta-Carotin"), QStringLiteral("b-Carot."), QStringLiteral("µg"), G::Vitamins, Target, 25},
        {QStringLiteral("Vitamin B1 (Thiamin)"), QStringLiteral("Vit.B1"), QStringLiteral("mg"), G::Vitamins, Target,
         26},
        {QStringLiteral("Vitamin B2 (Riboflavin)"), QStringLiteral("Vit.B2"), QStringLiteral("mg"), G::Vitamins,
         Target, 27},
        {QStringLiteral("Vitamin B6"), QStringLiteral("Vit.B6"), QStringLiteral("mg"), G::Vitamins, Target, 28},
        {QStringLiteral("Niacin"), QStringLiteral("Niacin"), QStringLiteral("mg"), G::Vitamins, Target, 30},
        {QStringLiteral("Folat"), QStringLiteral("Folat"), QStringLiteral("µg"), G::Vitamins, Target, 31},
        {QStringLiteral("Pantothensäure"), QStringLiteral("Panto."), QStringLiteral("mg"), G::Vitamins, Target, 32},
        {QStringLiteral("Vitamin C"), QStringLiteral("Vit.C"), QStringLiteral("mg"), G::Vitamins, Target, 33},
        {QStringLiteral("Vitamin E (Alpha-Tocopherol)"), QStringLiteral("Vit.E"), QStringLiteral("mg"), G::Vitamins,
         Target, 35},
        {QStringLiteral("Kalium"), QStringLiteral("Kalium"), QStringLiteral("mg"), G::Minerals, Target, 36},
        {QStringLiteral("Natrium"), QStringLiteral("Natrium"), QStringLiteral("mg"), G::Minerals, Target, 37},
        {QStringLiteral("Chlorid"), QStringLiteral("Chlorid"), QStringLiteral("mg"), G::Minerals, Target, 38},
        {QStringLiteral("Phosphor"), QStringLiteral("Phosph."), QStringLiteral("mg"), G::Minerals, Target, 41},
        {QStringLiteral("Jod"), QStringLiteral("Jod"), QStringLiteral("µg"), G::Minerals, Target, 43},
        {QStringLiteral("Zink"), QStringLiteral("Zink"), QStringLiteral("mg"), G::Minerals, Target, 44},
        {QStringLiteral("Selen"), QStringLiteral("Selen"), QStringLiteral("µg"), G::Minerals, Target, 45},
    }};
    return nutrients;
}
