#pragma once

#include <QList>
#include <QString>

class FoodIndex;

// The search of the food selection window: a search text is looked for in a line made of a
// food's id and name, ignoring the case of the letters A to Z only.

// "%-14.14s   %.100s": the id cut and blank-filled to 14 characters, three blanks, the name
// cut to 100 characters.
QString FoodSearchLine(const QString &id, const QString &name);

// True when search occurs in line as one piece, 'A'..'Z' compared as 'a'..'z' and every other
// character (umlauts included) exactly. The empty search matches every line.
bool FoodSearchMatches(const QString &line, const QString &search);

// Positions in the index's sorted 'id=name' list, in order, whose search line matches the
// first 14 characters of searchFieldText.
QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText);
