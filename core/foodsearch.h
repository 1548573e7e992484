#pragma once

#include <QList>
#include <QString>

class FoodIndex;

// The search of the food selection window. An entry of the sorted 'id=name' list is found
// when either
// - the first 14 characters of the search field occur as one piece in its line "%-14.14s
//   %.100s" of id and name, only A to Z compared without case, or
// - every word of the search field matches its id, a word of its name or synonyms, or a
//   German word of the word table it gains. Words are the runs of letters and digits; a
//   search word matches where it occurs in such a word folded (FoldForSearch), or folded
//   without the "ae, oe, ue" step (so "eiweiss" finds "Sojaeiweiss"), or where its word form
//   does (GermanWordForms: "Linsen" finds "Linse", "Eier" finds "Ei").
// A search word that matches nothing is taken as a compound of known words ("hähnchenbrust"
// as "hähnchen brust"); when its parts together find nothing, its last part alone is searched
// ("apfelschorle" shows "schorle").
// The empty field finds every entry.

constexpr int FoodSearchFieldLength = 40;

// A compound that found nothing, and the part of it that was searched instead.
struct CompoundFallback
{
    QString typed; // the word as typed, "Apfelschorle"
    QString shown; // its last part in the same spelling, "Schorle"
};

struct FoodSearchResult
{
    QList<int> positions; // in the sorted 'id=name' list, best match first
    QList<CompoundFallback> fallbacks;
};

// The entries searchFieldText finds (the first call on an index works out its search texts).
// With no search words they come in list order. Otherwise best match first, every class
// comparing the folded word forms: the id equal to the search; the name or a synonym equal
// to the search words; a name whose first word is a search word; a whole search word anywhere
// in name, synonyms or gained words; a search word at the beginning of such a word; the rest.
// A single-word German word of the word table also stands for its Swiss word ("Hähnchen" for
// "Poulet"). Within each class fewer words in the name first, then list order.
FoodSearchResult SearchFoods(const FoodIndex &index, const QString &searchFieldText);

// SearchFoods' positions.
QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText);

// "Keine Treffer für „Apfelschorle“; gezeigt: „Schorle“" for the result's fallbacks (several
// joined by blanks); empty without any.
QString CompoundFallbackText(const FoodSearchResult &result);
