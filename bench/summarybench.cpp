#include "summarybench.h"

#include "daysummary.h"
#include "diary.h"
#include "foodindex.h"
#include "mealfile.h"
#include "mealplan.h"
#include "reference.h"
#include "settings.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The lines of a meal file of entries foods of 125 g, their meals filled in turn, the foods
// stepping through the whole index from position on, so that every day differs.
QStringList BenchDayLines(const FoodIndex &index, int entries, int &position)
{
    QStringList lines = {QStringLiteral("VNR=Mz251026")};
    for (int entry = 0; entry < entries; ++entry) {
        const int meal = 1 + entry / MaxEntriesPerMeal;
        const FoodRecord food = index.record(position);
        lines.append(QStringLiteral("Mahlzeit%1=%2;%3;125,0;").arg(meal).arg(DbCodeFor(food.dbType), food.id));
        position = (position + 13) % index.count();
    }
    return lines;
}

} // namespace

QStringList WriteBenchMealFiles(const QString &folder, const FoodIndex &index, int fileCount,
                                QString &failure)
{
    QStringList paths;
    int position = 0;
    for (int day = 0; day < fileCount; ++day) {
        const QStringList lines = BenchDayLines(index, MealCount * MaxEntriesPerMeal, position);
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

bool WriteBenchDiaryDays(const QString &diaryFolder, const FoodIndex &index, const QDate &last, int count,
                         int entriesPerDay, QString &failure)
{
    if (!QDir().mkpath(diaryFolder) || index.count() == 0) {
        failure = QStringLiteral("cannot make ") + diaryFolder;
        return false;
    }
    int position = 0;
    for (QDate date = last.addDays(1 - count); date <= last; date = date.addDays(1)) {
        const QString path = QDir(diaryFolder).filePath(DiaryFileName(date));
        if (!WriteTextFile(path, BenchDayLines(index, entriesPerDay, position), TextEncoding::Windows1252).ok) {
            failure = QStringLiteral("cannot write ") + path;
            return false;
        }
    }
    return true;
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

BenchResult MeasureDiaryYear(const QString &dataDirectory, const FoodIndex &index, int runs)
{
    BenchResult result;
    QTemporaryDir folder;
    const QDate last(2026, 12, 31);
    const QDate first(2026, 1, 1);
    if (!folder.isValid()) {
        result.failure = QStringLiteral("no folder for the diary");
        return result;
    }
    // Every day but each seventh, which has no entry: the gaps are listed, not read.
    if (!WriteBenchDiaryDays(folder.path(), index, last, 365, MealCount * MaxEntriesPerMeal, result.failure))
        return result;
    int missing = 0;
    for (QDate date = first; date <= last; date = date.addDays(7)) {
        QFile::remove(QDir(folder.path()).filePath(DiaryFileName(date)));
        ++missing;
    }

    const ReferenceSet requirement =
        LoadReferenceValues(dataDirectory, LoadSettings(dataDirectory)).state.active;
    const Diary diary(folder.path());
    DaySummary summary = SummariseDiaryDays(diary.range(first, last), index, requirement);
    for (int run = 0; run < runs; ++run)
        result.samples.add(TimeMs([&] { summary = SummariseDiaryDays(diary.range(first, last), index, requirement); }));

    if (summary.days.size() != 365 - missing || summary.missingDates.size() != missing ||
        !summary.skipped.isEmpty() || !summary.refused.isEmpty()) {
        result.failure = QStringLiteral("%1 days read, %2 without entry, %3 left out, %4 lines refused")
                             .arg(summary.days.size())
                             .arg(summary.missingDates.size())
                             .arg(summary.skipped.size())
                             .arg(summary.refused.size());
        return result;
    }
    result.note = QStringLiteral("365 dates, %1 days of %2 entries, %3 without entry; listed and summarised")
                      .arg(summary.days.size())
                      .arg(MealCount * MaxEntriesPerMeal)
                      .arg(missing);
    return result;
}
