#include "summarybench.h"

#include "daysummary.h"
#include "foodindex.h"
#include "mealfile.h"
#include "mealplan.h"
#include "reference.h"
#include "settings.h"
#include "textfile.h"

#include <QDir>
#include <QTemporaryDir>

QStringList WriteBenchMealFiles(const QString &folder, const FoodIndex &index, int fileCount,
                                QString &failure)
{
    QStringList paths;
    int position = 0;
    for (int day = 0; day < fileCount; ++day) {
        QStringList lines = {QStringLiteral("VNR=Mz251026")};
        for (int meal = 1; meal <= MealCount; ++meal) {
            for (int entry = 0; entry < MaxEntriesPerMeal; ++entry) {
                const FoodRecord food = index.record(position);
                lines.append(
                    QStringLiteral("Mahlzeit%1=%2;%3;125,0;").arg(meal).arg(DbCodeFor(food.dbType), food.id));
                position = (position + 13) % index.count();
            }
        }
        const QString path =
            QDir(folder).filePath(QStringLiteral("Tag%1.txt").arg(day + 1, 3, 10, QLatin1Char('0')));
        if (!WriteTextFile(path, lines, TextEncoding::Windows1252).ok) {
            failure = QStringLiteral("cannot write ") + path;
            return QStringList();
        }
        paths.append(path);
    }
    return paths;
}

BenchResult MeasureSummary(const QString &dataDirectory, const FoodIndex &index, int fileCount, int runs)
{
    BenchResult result;
    QTemporaryDir folder;
    if (!folder.isValid() || index.count() == 0) {
        result.failure = QStringLiteral("no folder for the meal files, or no foods");
        return result;
    }
    const QStringList paths = WriteBenchMealFiles(folder.path(), index, fileCount, result.failure);
    if (paths.isEmpty())
        return result;

    const ReferenceSet requirement =
        LoadReferenceValues(dataDirectory, LoadSettings(dataDirectory)).state.active;
    // One uncounted run brings the files into the cache, as for a user who runs it twice.
    DaySummary summary = SummariseMealFiles(paths, index, requirement);
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { summary = SummariseMealFiles(paths, index, requirement); }));

    int entries = 0;
    for (const SummaryDay &day : summary.days)
        entries += int(day.sums.amount / 125 + 0.5);
    if (summary.days.size() != fileCount || !summary.skipped.isEmpty() || !summary.refused.isEmpty() ||
        entries != fileCount * MealCount * MaxEntriesPerMeal) {
        result.failure = QStringLiteral("%1 days read, %2 left out, %3 lines refused")
                             .arg(summary.days.size())
                             .arg(summary.skipped.size())
                             .arg(summary.refused.size());
        return result;
    }
    result.note = QStringLiteral("%1 files of %2 entries").arg(fileCount).arg(MealCount * MaxEntriesPerMeal);
    return result;
}
