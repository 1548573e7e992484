#pragma once

#include "nutrients.h"

#include <QString>

#include <array>
#include <cmath>
#include <limits>

// Every nutrient column of the Swiss table: the thirteen of the day panel and the others a food
// line carries beyond them (fibre, the vitamins, the minerals, the fatty acids).

constexpr int AllNutrientCount = 43;
constexpr int ExtraNutrientCount = AllNutrientCount - NutrientCount;

enum class NutrientGroup
{
    EnergyAndMain,
    FattyAcids,
    Vitamins,
    Minerals,
};
constexpr int NutrientGroupCount = 4;

// "Energie und Hauptnährstoffe", "Fettsäuren", "Vitamine", "Mineralstoffe".
QString NutrientGroupTitle(NutrientGroup group);

struct TableNutrient
{
    QString name;      // for people: "Vitamin C", "Ballaststoffe"
    QString shortName; // at most 8 characters, for file header lines: "Vit.C", "Ballast."
    QString unit;      // "kcal", "g", "mg", "µg"
    NutrientGroup group;
    NutrientKind kind; // the thirteen as in the catalogue; every other one is a target
    int swissColumn;   // the field of a NwChDb.dat food line that holds it per 100 g
};

// The list order: position k < NutrientCount is NutrientIndex k, with the catalogue's kind and
// Swiss column; position NutrientCount + e is the other nutrient e, the others in the order of
// the table's columns.
const std::array<TableNutrient, AllNutrientCount> &AllNutrients();

// A value the table does not give ("k.A."): not a number.
constexpr double NoNutrientValue = std::numeric_limits<double>::quiet_NaN();
inline bool HasNutrientValue(double value)
{
    return !std::isnan(value);
}

// The values of the other nutrients of one food per 100 g, NoNutrientValue where none.
using ExtraNutrientValues = std::array<double, ExtraNutrientCount>;
