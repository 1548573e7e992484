// Reference and settings files of any content: every line parses into thirteen numbers and
// the "agroup" lookup never reaches outside the list.
#include "fuzzinput.h"
#include "numbertext.h"
#include "reference.h"
#include "settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile file = FuzzTextFile(data, size);
    for (const QString &line : file.lines)
        ParseReferenceLine(line);
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
