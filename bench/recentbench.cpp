#include "recentbench.h"

#include "diary.h"
#include "foodindex.h"
#include "mealplan.h"
#include "recentfoods.h"
#include "textfile.h"

#include <QTemporaryDir>

BenchResult MeasureRecentFoods(const FoodIndex &index, int dayCount, int runs)
{
    BenchResult result;
    QTemporaryDir diary;
    if (!diary.isValid() || index.count() == 0) {
        result.failure = QStringLiteral("no diary folder, or no foods");
        return result;
    }
    const QDate today = QDate::currentDate();
    int position = 0;
    for (int day = 0; day < dayCount; ++day) {
        QStringList lines = {QStringLiteral("VNR=Mz251026")};
        for (int meal = 1; meal <= MealCount; ++meal) {
            for (int entry = 0; entry < MaxEntriesPerMeal; ++entry) {
                // A few foods again and again, as people eat, and others that change every day.
                int at = (entry * 7) % index.count();
                if (entry >= 6) {
                    at = position;
                    position = (position + 13) % index.count();
                }
                const FoodRecord food = index.record(at);
                lines.append(
                    QStringLiteral("Mahlzeit%1=%2;%3;125,0;").arg(meal).arg(DbCodeFor(food.dbType), food.id));
            }
        }
        const QString path = DiaryFilePath(diary.path(), today.addDays(-day));
        if (!WriteTextFile(path, lines, TextEncoding::Windows1252).ok) {
            result.failure = QStringLiteral("cannot write ") + path;
            return result;
        }
    }

    index.sortedTexts(); // made when the window first opens, before it asks for these
    QList<int> recent = RecentFoodsOfDiary(diary.path(), today, index);
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { recent = RecentFoodsOfDiary(diary.path(), today, index); }));
    if (recent.size() != MostRecentFoods) {
        result.failure = QStringLiteral("%1 foods found instead of %2").arg(recent.size()).arg(MostRecentFoods);
        return result;
    }
    result.note = QStringLiteral("%1 diary days of %2 entries, %3 foods")
                      .arg(dayCount)
                      .arg(MealCount * MaxEntriesPerMeal)
                      .arg(index.count());
    return result;
}
