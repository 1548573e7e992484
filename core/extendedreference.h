#pragma once

#include "allnutrients.h"
#include "reference.h"

#include <QString>
#include <QStringList>

#include <array>

// Daily reference values for the nutrients beyond the thirteen (NwRefWerteErweitert.dat): a
// title line, a line of the other nutrients' short names, then one row for each of the eight
// DGE rows in their order, a cell per other nutrient in list order, each closed by ';', plain
// numbers with a decimal comma, empty where there is no reference value.

constexpr int ExtendedReferenceRowCount = 8;

// One row: each cell as written in the file and its value; a cell that is empty, no number or
// not above 0 is no reference value (empty text, value 0).
struct ExtendedReferenceRow
{
    std::array<QString, ExtraNutrientCount> texts;
    std::array<double, ExtraNutrientCount> values{};
};

struct ExtendedReferenceTable
{
    bool found = false; // the file was read; without it no other nutrient has a reference
    std::array<ExtendedReferenceRow, ExtendedReferenceRowCount> rows;
};

// The rows of lines (the whole file): after the two header lines, up to eight data lines;
// fields beyond the others' count are ignored, missing ones are empty.
ExtendedReferenceTable ParseExtendedReferenceLines(const QStringList &lines);

// Reads DataDirectory/NwRefWerteErweitert.dat; a missing or unreadable file is a table not found,
// without a message: the thirteen keep their values, the others are shown without a reference.
ExtendedReferenceTable LoadExtendedReferenceValues(const QString &dataDirectory);

// The row of the extended table that goes with the requirement in force: the same row for a
// DGE row, the row of the same sex from 25 to under 51 for an own row and for the built-in row
// (which stands for women of that age); -1 for a row outside 0..9.
int ExtendedReferenceRowFor(const RequirementState &state);

// What a list of every nutrient is rated against: the thirteen values in force and the others'
// cells of the matching extended row.
struct NutrientReference
{
    ReferenceSet main;
    ExtendedReferenceRow extra; // all empty when there is no matching row
};

NutrientReference NutrientReferenceFor(const RequirementState &state, const ExtendedReferenceTable &table);
