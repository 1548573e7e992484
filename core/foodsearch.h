#pragma once

#include <QList>
#include <QString>

class FoodIndex;

// The search of the food selection window: a search text is looked for in a line made of a
// food's id and name, "%-14.14s   %.100s" (the id cut and blank-filled to 14 characters,
// three blanks, the name cut to 100 characters). It is found where it occurs as one piece,
// 'A'..'Z' compared as 'a'..'z' and every other character (umlauts included) exactly; the
// empty search is found in every line.

// Positions in the index's sorted 'id=name' list, in order, whose search line holds the
// first 14 characters of searchFieldText.
QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText);
