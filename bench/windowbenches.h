#pragma once

#include "benchresult.h"
#include "samples.h"

#include <QList>
#include <QPair>
#include <QString>

class FoodIndex;

// The figures measured inside one process, on real windows under the running QApplication.
// Each timed step ends only when the events it caused (the view's layout, the repaint) have
// been handled; what is left over from one step is handled, untimed, before the next.

// Loading NwChDb.dat, NwAnDb.dat, the settings and the reference files of dataDirectory and
// building the food index, as start-up does (the sorted list is made on first use, apart).
BenchResult MeasureLoading(const QString &dataDirectory, int runs);

// Making the index texts from the lines, on the first use of a freshly built index.
BenchResult MeasureIndexTexts(const QString &dataDirectory, int runs);

// Making the sorted 'id=name' list of the foods of dataDirectory, once per index: on a freshly
// built index, and (afterOwnSave) on the index rebuilt after a save of the own foods, whose
// predecessor had made its list already.
BenchResult MeasureSortedList(const QString &dataDirectory, bool afterOwnSave, int runs);

// Making the folded texts the food search looks in, once per index, for the foods of
// dataDirectory: paid when the food selection window first opens on that index.
BenchResult MeasureSearchTexts(const QString &dataDirectory, int runs);

// One key release in the food selection window's search field over every food of index. The
// keys type words (ASCII) and erase them again, rounds times. Each key is timed twice: until the
// list has its new rows (the filter and the list refill) and until it is repainted. The worst
// key is the one whose median over the rounds is the highest.
struct FilteringResult
{
    BenchResult withRepaint; // every key release, the repaint included; the note says what ran
    Samples refill;          // every key release, until the list has its new rows
    double worstRefillMs = 0;
    QString worstRefillKey; // e.g. typed "apfel r"
    double worstWithRepaintMs = 0;
    QString worstWithRepaintKey;
};
FilteringResult MeasureFiltering(const FoodIndex &index, int rounds,
                                 const QString &words = QStringLiteral("apfel roh"));

// One mouse click on the head of column in the maximum-values window over every food of
// index: the sort and the repaint of the list. Each click reverses the direction.
BenchResult MeasureSorting(const FoodIndex &index, int column, int clicks);

// The sort clicks of MeasureSorting on every shown column, clicks each: one result per column
// (the hidden id column left out).
QList<BenchResult> MeasureSortingAllColumns(const FoodIndex &index, int clicks);

// TMainForm::RecomputeBalance with all six meals holding twelve entries each. Before each run
// the sum, day and percent labels are emptied (untimed), so every run really sets their texts.
// withRepaint: each run also until the window has painted the new texts.
struct BalanceResult
{
    BenchResult alone;
    Samples withRepaint;
};
BalanceResult MeasureBalance(const QString &dataDirectory, int runs);

// One step of the date bar to the day before or after, over a week of diary days of six full
// meals each: the day written if changed, the next one read and shown, until its day total is
// repainted.
BenchResult MeasureDateSwitch(const QString &dataDirectory, int runs);

// What the maximum-values window holds over every food of index: heap in use (malloc's
// count) and the resident size, before the first opening, while open, and after closing, for
// two openings.
struct MemoryFigures
{
    QString failure;
    QList<QPair<QString, double>> heapKb;     // label, heap in use
    QList<QPair<QString, double>> residentKb; // label, VmRSS
};
MemoryFigures MeasureMaxValuesMemory(const FoodIndex &index);
