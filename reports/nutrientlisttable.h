#pragma once

#include "daysummary.h"
#include "extendedreference.h"
#include "foodindex.h"
#include "nutrientlist.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The list of every nutrient as texts, the same for the window, the CSV and the terminal: one
// row per nutrient, the thirteen first in their order, then the others in the table's order.

struct NutrientListRow
{
    int nutrient = 0;     // position in AllNutrients()
    QString name;         // "Vitamin C"
    QString unit;         // "mg"
    QString amount;       // one decimal, decimal comma
    QString reference;    // the thirteen as the day panel shows them, the others as written in
                          // the reference file; empty where there is none
    QString percent;      // one decimal, decimal comma; empty where there is no reference
    QString withoutValue; // the count of entries without a value
    bool rated = false;   // there is a percentage, coloured by percentClass
    PercentClass percentClass = PercentClass::Unrated;
};

// The heads: "Nährwert", "Einheit", "Durchschnitt", "Bedarf", "Prozent", "Ohne Wert".
QStringList NutrientListHeads();

// The rows of list; the thirteen's reference values in FormatGeneral of locale.
QList<NutrientListRow> BuildNutrientListRows(const NutrientList &list, const QLocale &locale);

// Row positions of rows, the lowest percentage first and the rows without a reference last,
// sorted by the sortable lists' one comparison; equal ones keep their order.
std::vector<int> NutrientRowsByPercent(const QList<NutrientListRow> &rows);

// The heads, then one line per row, cells separated by ';' and none after the last; no line
// ends. Exactly 44 lines.
QStringList FormatNutrientListCsv(const NutrientList &list, const QLocale &locale);

// The same lines for a terminal: the name column left-aligned, the others right-aligned, each
// as wide as its widest cell, two blanks apart.
QStringList FormatNutrientListText(const NutrientList &list, const QLocale &locale);

// The average of the meal files of paths as a list of every nutrient: what the command line
// prints and writes.
struct NutrientListForFiles
{
    DaySummary summary;   // the days read, and the files and lines left out
    NutrientList list;    // their average
    QStringList csv;      // FormatNutrientListCsv of the list
    QStringList text;     // FormatNutrientListText of the list
    QStringList messages; // DaySummaryMessages of the summary, for people
};

NutrientListForFiles NutrientListOfFiles(const QStringList &paths, const FoodIndex &index,
                                         const NutrientReference &reference, const QLocale &locale);
