#include "searchbench.h"

#include "benchresult.h"
#include "foodindex.h"
#include "foodsearch.h"

#include <vector>

SearchKeysResult MeasureSearchKeys(const FoodIndex &index, const QStringList &texts, int rounds)
{
    SearchKeysResult result;
    index.searchTexts(); // made when the window opens, measured apart
    qsizetype found = 0;
    int keyCount = 0;
    for (const QString &text : texts) {
        std::vector<Samples> byKey(size_t(text.size()));
        for (int round = 0; round < rounds; ++round) {
            for (qsizetype length = 1; length <= text.size(); ++length) {
                const QString key = text.left(length);
                byKey[size_t(length - 1)].add(
                    TimeMs([&] { found = FilterFoodPositions(index, key).size(); }));
            }
        }
        for (size_t k = 0; k < byKey.size(); ++k) {
            const double median = byKey[k].median();
            result.keys.add(median);
            if (median > result.worstMs) {
                result.worstMs = median;
                result.worstKey = text.left(qsizetype(k) + 1);
            }
        }
        keyCount += int(text.size());
    }
    result.note = QStringLiteral("%1 foods, %2 texts of up to 40 characters, %3 keys, %4 rounds")
                      .arg(index.sortedCount())
                      .arg(texts.size())
                      .arg(keyCount)
                      .arg(rounds);
    Q_UNUSED(found);
    return result;
}

QStringList LongSearchTexts()
{
    return {
        QStringLiteral("haehnchenbrust mit kartoffeln und gemuese").left(40),
        QStringLiteral("joghurt nature mit erdbeeren und haferfl"),
        QStringLiteral("apfelschorle vollkornbrot kaesespaetzle "),
        QStringLiteral("a e i o u r s t n l m k g b d p f h w z "),
    };
}
