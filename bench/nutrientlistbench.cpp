#include "nutrientlistbench.h"

#include "extendedreference.h"
#include "foodstore.h"
#include "mealfile.h"
#include "nutrientlisttable.h"
#include "settings.h"
#include "silentprompts.h"
#include "summarybench.h"
#include "tallenaehrwerteform.h"

#include <QTemporaryDir>

namespace {

RequirementState Requirements(const QString &dataDirectory)
{
    return LoadReferenceValues(dataDirectory, LoadSettings(dataDirectory)).state;
}

NutrientReference Reference(const QString &dataDirectory)
{
    return NutrientReferenceFor(Requirements(dataDirectory), LoadExtendedReferenceValues(dataDirectory));
}

// One day of 72 entries, read from a meal file as the program reads one; empty with failure
// set when it could not be made.
MealPlan FullDay(const FoodIndex &index, QString &failure)
{
    QTemporaryDir folder;
    if (!folder.isValid() || index.count() == 0) {
        failure = QStringLiteral("no folder for the meal file, or no foods");
        return MealPlan();
    }
    const QStringList paths = WriteBenchMealFiles(folder.path(), index, 1, failure);
    if (paths.isEmpty())
        return MealPlan();
    const MealFileRead read = ReadMealFileAt(paths.first(), index, 1);
    int entries = 0;
    for (int meal = 1; meal <= MealCount; ++meal)
        entries += read.load.plan.entryCount(meal);
    if (entries != MealCount * MaxEntriesPerMeal)
        failure = QStringLiteral("%1 entries read").arg(entries);
    return read.load.plan;
}

} // namespace

BenchResult MeasureDayNutrientList(const QString &dataDirectory, const FoodIndex &index, int runs)
{
    BenchResult result;
    const MealPlan plan = FullDay(index, result.failure);
    if (!result.failure.isEmpty())
        return result;
    const NutrientReference reference = Reference(dataDirectory);
    NutrientList list = DayNutrientList(plan, index, reference);
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { list = DayNutrientList(plan, index, reference); }));
    result.note =
        QStringLiteral("%1 entries, %2 nutrients").arg(MealCount * MaxEntriesPerMeal).arg(AllNutrientCount);
    return result;
}

BenchResult MeasureAllNutrientsWindow(const QString &dataDirectory, const FoodIndex &index, int runs)
{
    BenchResult result;
    const MealPlan plan = FullDay(index, result.failure);
    if (!result.failure.isEmpty())
        return result;
    const RequirementState requirements = Requirements(dataDirectory);
    SilentPrompts prompts;
    TAlleNaehrwerteForm window(&prompts, dataDirectory, SystemClock(),
                               QLocale(QLocale::German, QLocale::Germany));
    window.prepareDay(plan, index, requirements);
    window.show();
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { window.prepareDay(plan, index, requirements); }));
    result.note =
        QStringLiteral("the list computed and its %1 rows filled").arg(AllNutrientCount + NutrientGroupCount);
    return result;
}

BenchResult MeasureExtraValuesFirstUse(const QString &dataDirectory, int runs)
{
    BenchResult result;
    QString foods;
    for (int run = 0; run < runs; ++run) {
        FoodStore store(dataDirectory, QLocale());
        store.loadFiles();
        store.buildIndex();
        if (store.index().count() == 0) {
            result.failure = QStringLiteral("no foods");
            return result;
        }
        result.samples.add(TimeMs([&] { (void)store.index().extraValues(0); }));
        foods = store.index().swissCountText().trimmed();
    }
    result.note = foods + QStringLiteral(" Swiss foods");
    return result;
}

BenchResult MeasureNutrientListOfFiles(const QString &dataDirectory, const FoodIndex &index, int fileCount,
                                       int runs)
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
    const NutrientReference reference = Reference(dataDirectory);
    const QLocale german(QLocale::German, QLocale::Germany);
    // One uncounted run brings the files into the cache and reads the values beyond the thirteen.
    NutrientListForFiles list = NutrientListOfFiles(paths, index, reference, german);
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { list = NutrientListOfFiles(paths, index, reference, german); }));
    if (list.summary.days.size() != fileCount || list.csv.size() != 1 + AllNutrientCount) {
        result.failure =
            QStringLiteral("%1 days read, %2 CSV lines").arg(list.summary.days.size()).arg(list.csv.size());
        return result;
    }
    result.note = QStringLiteral("%1 files of %2 entries").arg(fileCount).arg(MealCount * MaxEntriesPerMeal);
    return result;
}
