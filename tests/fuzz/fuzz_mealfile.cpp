// Meal files of any content: the header test, the parsing of every line and the loading of
// all of them into a plan must not crash; a parsed meal number is always 0 (keep the previous
// meal) or 1 to 6, and no meal ever holds more than twelve entries. The same lines read as a
// recovery file must not crash either, and any two of them kept there as path and label come
// back unchanged.
#include "fuzzinput.h"
#include "mealfile.h"
#include "sessionfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Foods with the ids 1 and 2, so that some lines get through to the entering.
    static const FoodIndex index = BuildFoodIndex(
        {QStringLiteral("Schweizer Nährwert"), QString(), QString(), QStringLiteral("1;Apfel;0;52;1;2;3")},
        {QStringLiteral("Zusätzliche Lebensmittel"), QString(), QStringLiteral("2;Müsli;1;k.A.;1;2;3;")});

    const TextFile file = FuzzTextFile(data, size);
    IsValidMealFileHeader(file.lines);
    PassesMealFileNameTest(file.lines.value(0));
    for (const QString &line : file.lines) {
        const MealFileLine parsed = ParseMealFileLine(line);
        FuzzCheck(parsed.meal >= 0 && parsed.meal <= 6);
        FuzzCheck(!parsed.id.isEmpty());
    }
    const MealFileLoad load = LoadMealFileLines(file.lines, index, 1 + int(size % MealCount));
    for (int meal = 1; meal <= MealCount; ++meal)
        FuzzCheck(load.plan.entryCount(meal) <= MaxEntriesPerMeal);
    for (const MealFileRefusal &refusal : load.refusals)
        FuzzCheck(refusal.line >= 2 && refusal.line <= file.lines.size() && !refusal.message.isEmpty());
    FuzzCheck(RefusalsToShow(load.refusals).size() <= MaxShownRefusals + 1);

    const SessionFile session = ParseSessionFileLines(file.lines);
    FuzzCheck(session.status != SessionFileStatus::Ok || session.entryCount > 0);
    FuzzCheck(session.status == SessionFileStatus::Damaged ||
              session.mealLines.size() == session.entryCount + 1);
    MealPlan plan = load.plan;
    plan.setLoadedMealFilePath(file.lines.value(0));
    const QString label = file.lines.value(1);
    const SessionFile kept = ParseSessionFileLines(SessionFileLines(plan, label));
    FuzzCheck(kept.status != SessionFileStatus::Damaged);
    FuzzCheck(kept.loadedMealFilePath == plan.loadedMealFilePath() && kept.fileLabel == label);
    return 0;
}
