#pragma once

#include "benchresult.h"

#include <QString>

class FoodIndex;

// The list of every nutrient for one day of six full meals (72 entries) of index, against the
// requirement and extended reference values of dataDirectory: the core's list alone, and the
// window's list filled (TAlleNaehrwerteForm::prepareDay). The values beyond the thirteen are
// read before the first, uncounted run.
BenchResult MeasureDayNutrientList(const QString &dataDirectory, const FoodIndex &index, int runs);
BenchResult MeasureAllNutrientsWindow(const QString &dataDirectory, const FoodIndex &index, int runs);

// Reading the values beyond the thirteen from the Swiss lines, once per index: the price of
// the first list of a run. Each run loads dataDirectory anew, untimed.
BenchResult MeasureExtraValuesFirstUse(const QString &dataDirectory, int runs);

// NutrientListOfFiles over fileCount meal files of 72 entries: reading them, the average of
// every nutrient and its CSV and terminal lines, as the command line will do it.
BenchResult MeasureNutrientListOfFiles(const QString &dataDirectory, const FoodIndex &index, int fileCount,
                                       int runs);
