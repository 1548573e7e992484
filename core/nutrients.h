#pragma once

#include <QString>

#include <array>

constexpr int NutrientCount = 13;

// Limits should not be exceeded (stored as "1"), targets should be reached ("2").
enum class NutrientKind
{
    Limit,
    Target,
};

struct NutrientEntry
{
    QString shortName;  // column heads, reports, file header lines (at most 8 characters)
    QString unitLabel;  // "kcal", "g", "< g", "mg", "µg"
    NutrientKind kind;
    int swissColumn;    // 0-based field of a NwChDb.dat food line
};

// The thirteen nutrients in NutrientIndex order: Energie, KoHydr, Zucker, Fett, Fet.gesä,
// Protein, Salz, Eisen, Magn., Calcium, Vit.B12, Vit.D, Wasser.
const std::array<NutrientEntry, NutrientCount> &NutrientCatalogue();

// Index of the water nutrient, used for the free-water share.
constexpr int WaterNutrient = 12;
