#pragma once

#include <QList>
#include <QString>

class FoodIndex;

// The search of the food selection window. An entry of the sorted 'id=name' list is found
// when either
// - the first 14 characters of the search field occur as one piece in its line "%-14.14s
//   %.100s" of id and name, only A to Z compared without case, or
// - every word of the search field (FoldForSearch, SearchWords) occurs in its folded id, name
//   or synonyms, the words of the word table included.
// The empty field finds every entry.

constexpr int FoodSearchFieldLength = 40;

// Positions in the index's sorted 'id=name' list of the entries searchFieldText finds (the
// first call on an index works out its search texts). With no search words they come in list
// order. Otherwise, compared folded: first the entries whose id equals the search text, then
// those whose name begins with the first search word, then those with a word of the name
// beginning with a search word, then the rest; each group in list order.
QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText);
