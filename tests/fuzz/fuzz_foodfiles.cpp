// Food files of any content: building the index and walking every record must not crash,
// and every food in the index must be found again by its id.
#include "fooddata.h"
#include "foodindex.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile file = FuzzTextFile(data, size);
    const FoodIndex index = BuildFoodIndex(file.lines, file.lines, QLocale::c());
    for (int i = 0; i < index.count(); ++i) {
        const FoodRecord record = index.record(i);
        FuzzCheck(record.values.size() == NutrientCount);
        const int found = index.findById(index.id(i));
        FuzzCheck(found >= 0 && found <= i);
    }
    for (int i = 0; i < index.sortedCount(); ++i) {
        index.sortedId(i);
        index.sortedName(i);
    }
    const QList<AdditionalFoodRow> rows = AdditionalFoodRows(file.lines);
    for (const AdditionalFoodRow &row : rows)
        FuzzCheck(row.values.size() == NutrientCount);
    return 0;
}
