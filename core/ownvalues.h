#pragma once

#include "reference.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

// Saving the user's two rows of own requirement values as typed.

// The rows of the own values in the requirement table, for men and for women.
constexpr int OwnMaleRow = 8;
constexpr int OwnFemaleRow = 9;

struct OwnValuesSave
{
    enum class Outcome
    {
        Saved,
        NotNumeric,  // a field is no number: nothing taken in, nothing written
        WriteFailed, // NwRefWerteAnw.dat not written (or kept as it is): the rows as they were
    };
    Outcome outcome = Outcome::Saved;
    int ownRow = -1; // the field that is no number: 0 for row 8, 1 for row 9
    int nutrient = -1;
    QString message;                  // after WriteFailed: the write's message, for the plain message box
    std::array<QStringList, 2> texts; // the texts as saved, an empty field as "0"; not after NotNumeric
};

// Tests the 26 texts in order (row 8, then row 9) with IsNumericText; the first one that is no
// number refuses the whole save. Otherwise empty texts become "0", rows 8 and 9 of state take
// the values and NwRefWerteAnw.dat is written, dated date; when the write fails or the file is
// protected for this run, rows 8 and 9 are put back as they were.
OwnValuesSave SaveOwnValues(RequirementState &state, const std::array<QStringList, 2> &texts,
                            const QString &dataDirectory, const QDate &date);
