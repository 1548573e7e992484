#include "ownvalues.h"

#include "numbertext.h"

OwnValuesSave SaveOwnValues(RequirementState &state, const std::array<QStringList, 2> &texts,
                            const QString &dataDirectory, const QDate &date)
{
    OwnValuesSave result;
    // Every field is tested before any is taken in, so that a refused save leaves rows 8 and 9
    // as they were.
    for (int ownRow = 0; ownRow < 2; ++ownRow) {
        for (int k = 0; k < NutrientCount; ++k) {
            if (!IsNumericText(texts[ownRow].value(k))) {
                result.outcome = OwnValuesSave::Outcome::NotNumeric;
                result.ownRow = ownRow;
                result.nutrient = k;
                return result;
            }
        }
    }

    // A failed write must not leave values in the table that the file does not hold.
    const ReferenceRow previousMale = state.table[OwnMaleRow];
    const ReferenceRow previousFemale = state.table[OwnFemaleRow];
    for (int ownRow = 0; ownRow < 2; ++ownRow) {
        for (int k = 0; k < NutrientCount; ++k) {
            QString value = texts[ownRow].value(k);
            if (value.isEmpty())
                value = QStringLiteral("0");
            state.table[OwnMaleRow + ownRow][k] = ParseReferenceValue(value);
            result.texts[ownRow].append(value);
        }
    }
    const WriteResult written =
        WriteOwnValuesFile(dataDirectory, result.texts[0], result.texts[1], date, state);
    if (!written.ok) {
        state.table[OwnMaleRow] = previousMale;
        state.table[OwnFemaleRow] = previousFemale;
        result.outcome = OwnValuesSave::Outcome::WriteFailed;
        result.message = written.message();
    }
    return result;
}
