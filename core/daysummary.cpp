#include "daysummary.h"

#include "mealfile.h"
#include "textfile.h"
#include "textformat.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

// Why a meal file was left out, said short: the list names the file before it.
QString SkipReason(const MealFileRead &read)
{
    switch (read.status) {
    case MealFileReadStatus::Missing:
        return SystemErrorReason(ENOENT);
    case MealFileReadStatus::TooLarge:
        return QStringLiteral("Die Datei ist größer als 1.048.576 Bytes.");
    case MealFileReadStatus::Unreadable:
        return read.reason;
    case MealFileReadStatus::NotRegular:
    case MealFileReadStatus::InvalidHeader:
    case MealFileReadStatus::Ok:
        break;
    }
    return read.message;
}

// The file as the file system names it, so that "./a/Tag.txt" and "a/Tag.txt" are one file.
QString SameFileKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QString SummaryFileLabel(const QString &path, const QStringList &paths)
{
    const QString name = FileNamePart(path);
    const QString key = SameFileKey(path);
    for (const QString &other : paths) {
        if (FileNamePart(other) == name && SameFileKey(other) != key)
            return QDir::toNativeSeparators(key);
    }
    return name;
}

DaySummary SummariseMealFiles(const QStringList &paths, const FoodIndex &index,
                              const ReferenceSet &requirement)
{
    DaySummary summary;
    summary.requirement = requirement;
    SumRow total;
    for (const QString &path : paths) {
        const QString fileName = FileNamePart(path);
        const QString label = SummaryFileLabel(path, paths);
        // Read exactly as "Mahlzeiten - Datei einlesen" reads it into an empty window, so a
        // day here has the sums that the day panel shows for the same file.
        const MealFileRead read = ReadMealFileAt(path, index, 1);
        if (read.status != MealFileReadStatus::Ok) {
            summary.skipped.append({path, fileName, SkipReason(read)});
            continue;
        }
        for (const MealFileRefusal &refusal : read.load.refusals)
            summary.refused.append({label, refusal.line, refusal.message});

        SummaryDay day;
        day.path = path;
        day.label = label;
        day.sums = ComputeBalance(read.load.plan, requirement).daySums;
        day.nonNumeric = NonNumericCounts(read.load.plan);
        day.extras = SumExtraNutrients(read.load.plan, index);
        summary.extraTotal.add(day.extras);
        total.add(day.sums);
        for (int k = 0; k < NutrientCount; ++k)
            summary.nonNumeric[k] += day.nonNumeric[k];
        summary.days.append(day);
    }

    if (!summary.days.isEmpty()) {
        const double count = double(summary.days.size());
        summary.average.amount = total.amount / count;
        for (int k = 0; k < NutrientCount; ++k)
            summary.average.nutrients[k] = total.nutrients[k] / count;
    }
    summary.rating = RateAgainstRequirement(summary.average, requirement);
    return summary;
}

DaySummary SummariseDiaryDays(const QList<DiaryDay> &days, const FoodIndex &index,
                              const ReferenceSet &requirement)
{
    QStringList paths;
    QList<QDate> missing;
    for (const DiaryDay &day : days) {
        if (day.exists)
            paths.append(day.path);
        else
            missing.append(day.date);
    }
    DaySummary summary = SummariseMealFiles(paths, index, requirement);
    // The paths were given in date order, and every file name is a date.
    for (SummaryDay &day : summary.days) {
        day.date = DiaryFileDate(FileNamePart(day.path));
        day.label = WeekdayDateText(day.date);
    }
    for (SummaryRefusedLine &line : summary.refused) {
        const QDate date = DiaryFileDate(line.label);
        if (date.isValid())
            line.label = WeekdayDateText(date);
    }
    summary.missingDates = missing;
    return summary;
}
