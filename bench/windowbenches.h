#pragma once

#include "benchresult.h"

#include <QString>

class FoodIndex;

// The figures measured inside one process, on real windows under the running QApplication.
// Each timed step ends only when the events it caused (the view's layout, the repaint) have
// been handled; what is left over from one step is handled, untimed, before the next.

// Loading NwChDb.dat, NwAnDb.dat (absent), the settings and the reference files of
// dataDirectory, and building the whole food index, its sorted list included.
BenchResult MeasureLoading(const QString &dataDirectory, int runs);

// One key release in the food selection window's search field over every food of index:
// the filter, the refilled list and its repaint. The keys type a word and erase it again.
BenchResult MeasureFiltering(const FoodIndex &index, int rounds);

// One mouse click on the head of column in the maximum-values window over every food of
// index: the sort and the repaint of the list. Each click reverses the direction.
BenchResult MeasureSorting(const FoodIndex &index, int column, int clicks);

// TMainForm::RecomputeBalance with all six meals holding twelve entries each. Before each run
// the sum, day and percent labels are emptied (untimed), so every run really sets their texts.
BenchResult MeasureBalance(const QString &dataDirectory, int runs);
