#pragma once

#include "foodindex.h"

#include <QList>
#include <QStringList>

// "Lebensmittel", "Db", "ID", "Menge" and the thirteen short names.
QStringList MaxValuesCaptions();

// One row per food of the index, in index order: name, Db ("1" Swiss, "2" own), id, reference
// amount and the thirteen value texts, all as the index holds them; one cell per FoodColumn.
QList<QStringList> BuildMaxValuesRows(const FoodIndex &index);
