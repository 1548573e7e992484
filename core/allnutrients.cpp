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

namespace {

// One nutrient as written in the table below.
struct NutrientText
{
    const char16_t *name;
    const char16_t *shortName;
    const char16_t *unit;
    NutrientGroup group;
    NutrientKind kind;
    int swissColumn;
};

constexpr NutrientKind Limit = NutrientKind::Limit;
constexpr NutrientKind Target = NutrientKind::Target;
constexpr NutrientGroup Main = NutrientGroup::EnergyAndMain;
constexpr NutrientGroup Fatty = NutrientGroup::FattyAcids;
constexpr NutrientGroup Vitamin = NutrientGroup::Vitamins;
constexpr NutrientGroup Mineral = NutrientGroup::Minerals;

// Names as people know them, not the table's ("Nahrungsfasern" are Ballaststoffe); cholesterol
// stands with fat among the main nutrients, since it is no fatty acid. The thirteen keep the
// catalogue's kind and column, checked against it by the tests.
constexpr NutrientText Nutrients[AllNutrientCount] = {
    {u"Energie", u"Energie", u"kcal", Main, Target, 3},
    {u"Kohlenhydrate", u"KoHydr", u"g", Main, Target, 13},
    {u"Zucker", u"Zucker", u"g", Main, Limit, 14},
    {u"Fett", u"Fett", u"g", Main, Limit, 4},
    {u"Gesättigte Fettsäuren", u"Fet.gesä", u"g", Fatty, Limit, 5},
    {u"Protein", u"Protein", u"g", Main, Target, 17},
    {u"Salz", u"Salz", u"g", Main, Limit, 18},
    {u"Eisen", u"Eisen", u"mg", Mineral, Target, 42},
    {u"Magnesium", u"Magn.", u"mg", Mineral, Target, 40},
    {u"Calcium", u"Calcium", u"mg", Mineral, Target, 39},
    {u"Vitamin B12", u"Vit.B12", u"µg", Vitamin, Target, 29},
    {u"Vitamin D", u"Vit.D", u"µg", Vitamin, Target, 34},
    {u"Wasser", u"Wasser", u"g", Main, Target, 20},
    // The others, in the order of the table's columns.
    {u"Einfach ungesättigte Fettsäuren", u"EUFS", u"g", Fatty, Target, 6},
    {u"Mehrfach ungesättigte Fettsäuren", u"MUFS", u"g", Fatty, Target, 7},
    {u"Linolsäure", u"Linols.", u"g", Fatty, Target, 8},
    {u"Alpha-Linolensäure", u"a-Linol.", u"g", Fatty, Target, 9},
    {u"Eicosapentaensäure (EPA)", u"EPA", u"g", Fatty, Target, 10},
    {u"Docosahexaensäure (DHA)", u"DHA", u"g", Fatty, Target, 11},
    {u"Cholesterin", u"Cholest.", u"mg", Main, Target, 12},
    {u"Stärke", u"Stärke", u"g", Main, Target, 15},
    {u"Ballaststoffe", u"Ballast.", u"g", Main, Target, 16},
    {u"Alkohol", u"Alkohol", u"g", Main, Target, 19},
    {u"Vitamin A (Retinoläquivalente)", u"Vit.A RE", u"µg", Vitamin, Target, 21},
    {u"Vitamin A (Retinolaktivitätsäquivalente)", u"Vit.A", u"µg", Vitamin, Target, 22},
    {u"Retinol", u"Retinol", u"µg", Vitamin, Target, 23},
    {u"Beta-Carotin-Aktivität", u"b-Car.Ak", u"µg", Vitamin, Target, 24},
    {u"Beta-Carotin", u"b-Carot.", u"µg", Vitamin, Target, 25},
    {u"Vitamin B1 (Thiamin)", u"Vit.B1", u"mg", Vitamin, Target, 26},
    {u"Vitamin B2 (Riboflavin)", u"Vit.B2", u"mg", Vitamin, Target, 27},
    {u"Vitamin B6", u"Vit.B6", u"mg", Vitamin, Target, 28},
    {u"Niacin", u"Niacin", u"mg", Vitamin, Target, 30},
    {u"Folat", u"Folat", u"µg", Vitamin, Target, 31},
    {u"Pantothensäure", u"Panto.", u"mg", Vitamin, Target, 32},
    {u"Vitamin C", u"Vit.C", u"mg", Vitamin, Target, 33},
    {u"Vitamin E (Alpha-Tocopherol)", u"Vit.E", u"mg", Vitamin, Target, 35},
    {u"Kalium", u"Kalium", u"mg", Mineral, Target, 36},
    {u"Natrium", u"Natrium", u"mg", Mineral, Target, 37},
    {u"Chlorid", u"Chlorid", u"mg", Mineral, Target, 38},
    {u"Phosphor", u"Phosph.", u"mg", Mineral, Target, 41},
    {u"Jod", u"Jod", u"µg", Mineral, Target, 43},
    {u"Zink", u"Zink", u"mg", Mineral, Target, 44},
    {u"Selen", u"Selen", u"µg", Mineral, Target, 45},
};

} // namespace

const std::array<TableNutrient, AllNutrientCount> &AllNutrients()
{
    // Made on first use and never changed.
    static const std::array<TableNutrient, AllNutrientCount> nutrients = [] {
        std::array<TableNutrient, AllNutrientCount> made;
        for (int n = 0; n < AllNutrientCount; ++n) {
            const NutrientText &text = Nutrients[n];
            made[size_t(n)] = {QString::fromUtf16(text.name),
                               QString::fromUtf16(text.shortName),
                               QString::fromUtf16(text.unit),
                               text.group,
                               text.kind,
                               text.swissColumn};
        }
        return made;
    }();
    return nutrients;
}
