// Reference and settings files of any content: every line parses into thirteen numbers, the
// extended reference rows hold a text exactly where they hold a value above 0, and the
// "agroup" lookup never reaches outside the list.
#include "extendedreference.h"
#include "fuzzinput.h"
#include "numbertext.h"
#include "reference.h"
#include "settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile file = FuzzTextFile(data, size);
    for (const QString &line : file.lines)
        ParseReferenceLine(line);
    const ExtendedReferenceTable extended = ParseExtendedReferenceLines(file.lines);
    for (const ExtendedReferenceRow &row : extended.rows) {
        for (int e = 0; e < ExtraNutrientCount; ++e)
            FuzzCheck(row.texts[size_t(e)].isEmpty() == !(row.values[size_t(e)] > 0));
    }
    SettingsList settings;
    settings.lines = file.lines;
    const int line = FindSetting(settings, QStringLiteral("agroup"));
    FuzzCheck(line >= -1 && line < settings.lines.size());
    if (line >= 0) {
        const int row = ParseWholeNumber(SettingValue(settings, line));
        ReferenceSetForRow(ReferenceTable{}, row, TitleVariant::Start);
    }
    return 0;
}
