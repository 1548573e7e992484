#include "daysummary.h"

#include "mealfile.h"
#include "textfile.h"
#include "textformat.h"

#include <QFileInfo>

#include <cerrno>

namespace {

// The lines of a meal file, or the reason it is left out.
struct MealFileText
{
    QStringList lines;
    QString reason; // empty when the lines are a meal file's
};

MealFileText ReadMealFileText(const QString &path)
{
    MealFileText text;
    // The size is looked at before anything is read, so a huge file costs nothing.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxMealFileBytes) {
        text.reason = QStringLiteral("Die Datei ist größer als 1.048.576 Bytes.");
        return text;
    }
    const TextReadResult read = ReadTextFile(path);
    if (read.status == ReadStatus::Missing) {
        text.reason = SystemErrorReason(ENOENT);
        return text;
    }
    if (read.status != ReadStatus::Ok) {
        text.reason = read.reason;
        return text;
    }
    if (!IsValidMealFileHeader(read.file.lines)) {
        text.reason = QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !");
        return text;
    }
    text.lines = read.file.lines;
    return text;
}

} // namespace

DaySummary SummariseMealFiles(const QStringList &paths, const FoodIndex &index, const ReferenceSet &requirement)
{
    DaySummary summary;
    summary.requirement = requirement;
    SumRow total;
    for (const QString &path : paths) {
        const QString fileName = FileNamePart(path);
        const MealFileText text = ReadMealFileText(path);
        if (!text.reason.isEmpty()) {
            summary.skipped.append({path, fileName, text.reason});
            continue;
        }

        // Read exactly as "Mahlzeiten - Datei einlesen" reads it into an empty window, so a
        // day here has the sums that the day panel shows for the same file.
        const MealFileLoad load = LoadMealFileLines(text.lines, index, 1);
        for (const MealFileRefusal &refusal : load.refusals)
            summary.refused.append({fileName, refusal.line, refusal.message});

        SummaryDay day;
        day.path = path;
        day.fileName = fileName;
        day.sums = ComputeBalance(load.plan, requirement).daySums;
        day.nonNumeric = NonNumericCounts(load.plan);
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
