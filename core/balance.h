#pragma once

#include "mealplan.h"
#include "nutrients.h"
#include "reference.h"

#include <QLocale>
#include <QString>
#include <QStringList>

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

// The sums of one meal or of the whole day.
struct SumRow
{
    double amount = 0; // grams and pieces added alike
    std::array<double, NutrientCount> nutrients{};

    void add(const SumRow &other);
};

// A sum row as the labels show it.
struct SumRowTexts
{
    QString amount;
    QStringList nutrients; // NutrientCount texts
};

struct DayBalance
{
    std::array<SumRow, MealCount> mealSums;
    SumRow daySums;
    std::array<double, NutrientCount> percent{};
    std::array<PercentClass, NutrientCount> classes{};
    double freeWaterShare = 0;
    double foodWaterShare = 0;
};

// Sums every meal and the day from the entries' texts and rates the day against the
// requirement; a requirement of 0 or less gives 0 % and Unrated.
DayBalance ComputeBalance(const MealPlan &plan, const ReferenceSet &requirement);

// Each nutrient of sums as a percentage of its requirement (the product first) with its class;
// a requirement of 0 or less gives 0 % and Unrated.
struct PercentRating
{
    std::array<double, NutrientCount> percent{};
    std::array<PercentClass, NutrientCount> classes{};
};
PercentRating RateAgainstRequirement(const SumRow &sums, const ReferenceSet &requirement);

// Per nutrient, the entries of all meals whose value text the sums skip as no number ("k.A.").
std::array<int, NutrientCount> NonNumericCounts(const MealPlan &plan);

PercentClass ClassifyPercent(double percent, NutrientKind kind);

// "%6.1f%%" with a point: "   0.0%", "  85.3%", "1234.5%".
QString PercentText(double percent);

// The two-line water message: "Anteil freies Wasser = %8.2f l\nAnteil Wasser in Lebensmittel = %8.2f l".
QString WaterSharesText(const DayBalance &balance);

// The label texts of a sum row, FormatGeneral in the given locale.
SumRowTexts SumTexts(const SumRow &sums, const QLocale &locale);
