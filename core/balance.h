#pragma once

#include "mealplan.h"
#include "nutrients.h"
#include "reference.h"

#include <QLocale>
#include <QString>

#include <array>

enum class PercentClass
{
    Unrated, // nothing eaten or no requirement: grey
    Normal,  // within the band: green
    Warn,    // outside the band: orange
    Alarm,   // a limit more than 40 % over: red
};

struct Rgb
{
    int red;
    int green;
    int blue;
};

Rgb PercentClassColour(PercentClass percentClass);

constexpr double FreeWaterRatio = 0.9;

// Index 0 of a sum array is the amount, 1..13 the nutrients.
using SumRow = std::array<double, NutrientCount + 1>;

struct DayBalance
{
    std::array<SumRow, MealCount> mealSums{};
    SumRow daySums{};
    std::array<double, NutrientCount> percent{};
    std::array<PercentClass, NutrientCount> classes{};
    double freeWaterShare = 0;
    double foodWaterShare = 0;
};

// Sums every meal and the day from the entries' texts and rates the day against the
// requirement; a requirement of 0 or less gives 0 % and Unrated.
DayBalance ComputeBalance(const MealPlan &plan, const ReferenceSet &requirement);

PercentClass ClassifyPercent(double percent, NutrientKind kind);

// "%6.1f%%" with a point: "   0.0%", "  85.3%", "1234.5%".
QString PercentText(double percent);

// The two-line water message: "Anteil freies Wasser = %8.2f l\nAnteil Wasser in Lebensmittel = %8.2f l".
QString WaterSharesText(const DayBalance &balance);

// The label texts of a sum row, FormatGeneral in the given locale.
QStringList SumTexts(const SumRow &sums, const QLocale &locale = QLocale());
