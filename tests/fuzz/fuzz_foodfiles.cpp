// Food files of any content: building the index and walking every record must not crash,
// and every food in the index must be found again by its id; every Swiss food, and no own
// food, has values beyond the thirteen. The same lines serve as word
// table and, cut to the search field's length, as search texts: the search must not crash
// and must name every entry at most once. They serve as a measures file too, and, cut to the
// amount field's length, as amounts typed for each food of it.
#include "amounttext.h"
#include "fooddata.h"
#include "foodindex.h"
#include "foodsearch.h"
#include "foodwords.h"
#include "fuzzinput.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile file = FuzzTextFile(data, size);
    const FoodIndex index = BuildFoodIndex(file.lines, file.lines, QLocale::c(), FoodWordPairs(file.lines));
    for (int i = 0; i < index.count(); ++i) {
        const FoodRecord record = index.record(i);
        FuzzCheck(record.values.size() == NutrientCount);
        const int found = index.findById(index.id(i));
        FuzzCheck(found >= 0 && found <= i);
        FuzzCheck((index.extraValues(i) != nullptr) == (i < file.lines.size() - 3));
    }
    for (int i = 0; i < index.sortedCount(); ++i) {
        index.sortedId(i);
        index.sortedName(i);
    }
    for (const QString &line : file.lines.mid(0, 4)) {
        const QList<int> positions = FilterFoodPositions(index, line.left(FoodSearchFieldLength));
        const QSet<int> unique(positions.begin(), positions.end());
        FuzzCheck(unique.size() == positions.size());
        for (const int position : positions)
            FuzzCheck(position >= 0 && position < index.sortedCount());
    }
    FuzzCheck(FilterFoodPositions(index, QString()).size() == index.sortedCount());
    const FoodMeasures measures = FoodMeasures::fromLines(file.lines);
    for (const QString &line : file.lines.mid(0, 4)) {
        const QString id = line.section(u';', 0, 0);
        for (const QString &reference : {QStringLiteral("100"), QStringLiteral("1")}) {
            const AmountReading reading =
                ReadAmountForFood(line.left(AmountFieldLength), measures, id, reference);
            FuzzCheck(reading.refused == !reading.message.isEmpty());
            FuzzCheck(!reading.refused || reading.amountText.isEmpty());
        }
    }
    const QList<AdditionalFoodRow> rows = AdditionalFoodRows(file.lines);
    for (const AdditionalFoodRow &row : rows)
        FuzzCheck(row.values.size() == NutrientCount);
    return 0;
}
