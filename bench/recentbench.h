#pragma once

#include "benchresult.h"

class FoodIndex;

// The foods eaten lately as the food selection window asks for them when it opens
// (RecentFoodsOfDiary), with dayCount diary days of six full meals each in the diary folder,
// the last of them today; the files are in the system's cache after the first, uncounted run.
BenchResult MeasureRecentFoods(const FoodIndex &index, int dayCount, int runs);
