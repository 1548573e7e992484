#include "extendedreference.h"

#include "datafiles.h"
#include "fooddata.h"
#include "numbertext.h"
#include "textfile.h"

namespace {

// Rows 2 and 3 of the DGE table: men and women of 25 to under 51.
constexpr int MiddleAgeMenRow = 2;
constexpr int MiddleAgeWomenRow = 3;
constexpr int OwnMenRow = 8;
constexpr int OwnWomenRow = 9;

} // namespace

ExtendedReferenceTable ParseExtendedReferenceLines(const QStringList &lines)
{
    ExtendedReferenceTable table;
    table.found = true;
    LineFieldViews fields;
    for (int r = 0; r < ExtendedReferenceRowCount && ReferenceHeaderLines + r < lines.size(); ++r) {
        SplitFoodLine(lines.at(ReferenceHeaderLines + r), ExtraNutrientCount, fields);
        ExtendedReferenceRow &row = table.rows[size_t(r)];
        for (int e = 0; e < ExtraNutrientCount; ++e) {
            const QStringView cell = fields.at(e).trimmed();
            double value = 0;
            // Only a number above 0 is a reference value; the cell is kept as written, so a
            // list shows "1,3" and not what a number format would make of it.
            if (!cell.isEmpty() && ReadDecimalText(cell, &value) && value > 0) {
                row.texts[size_t(e)] = cell.toString();
                row.values[size_t(e)] = value;
            }
        }
    }
    return table;
}

ExtendedReferenceTable LoadExtendedReferenceValues(const QString &dataDirectory)
{
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, ExtendedReferenceFileName));
    if (read.status != ReadStatus::Ok)
        return ExtendedReferenceTable();
    return ParseExtendedReferenceLines(read.file.lines);
}

int ExtendedReferenceRowFor(const RequirementState &state)
{
    // The built-in row is in force only when no reference file gave a row; its title says whom
    // its values are meant for.
    if (state.active.title == BuiltInReference().title)
        return MiddleAgeWomenRow;
    if (state.ageGroup == OwnMenRow)
        return MiddleAgeMenRow;
    if (state.ageGroup == OwnWomenRow)
        return MiddleAgeWomenRow;
    if (state.ageGroup >= 0 && state.ageGroup < ExtendedReferenceRowCount)
        return state.ageGroup;
    return -1;
}

NutrientReference NutrientReferenceFor(const RequirementState &state, const ExtendedReferenceTable &table)
{
    NutrientReference reference;
    reference.main = state.active;
    const int row = ExtendedReferenceRowFor(state);
    if (table.found && row >= 0)
        reference.extra = table.rows[size_t(row)];
    return reference;
}
