#pragma once

#include "foodindex.h"
#include "nutrients.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// One row of the maximum-values list: name, Db ("1" Swiss, "2" own), id, reference amount
// and the thirteen value texts, all as the food index holds them.
using MaxValuesRow = QStringList;

constexpr int MaxValuesNameColumn = 0;
constexpr int MaxValuesDbColumn = 1;
constexpr int MaxValuesIdColumn = 2;
constexpr int MaxValuesAmountColumn = 3;
constexpr int MaxValuesFirstValueColumn = 4;
constexpr int MaxValuesColumnCount = MaxValuesFirstValueColumn + NutrientCount;

// "Lebensmittel", "Db", "ID", "Menge" and the thirteen short names.
QStringList MaxValuesCaptions();

// One row per food of the index, in index order; every row has MaxValuesColumnCount cells.
QList<MaxValuesRow> BuildMaxValuesRows(const FoodIndex &index);

// The list's comparison of two rows by column: negative puts a first.
int CompareMaxValuesRows(const MaxValuesRow &a, const MaxValuesRow &b, int column, bool descending);

// order (positions into rows) sorted stably by column; rows that compare equal keep their
// order in the given sequence.
void SortMaxValuesOrder(std::vector<int> &order, const QList<MaxValuesRow> &rows, int column,
                        bool descending);
