#include "mealcopy.h"

#include "diary.h"
#include "mealfile.h"

MealCopyResult AppendMealEntries(const MealPlan &plan, int targetMeal, const QList<MealEntry> &entries)
{
    MealCopyResult result;
    result.plan = plan;
    if (targetMeal < 1 || targetMeal > MealCount)
        return result;
    if (entries.isEmpty()) {
        result.message = QStringLiteral("Die gewählte Mahlzeit enthält keine Lebensmittel.");
        return result;
    }
    const int room = qMax(0, MaxEntriesPerMeal - plan.entryCount(targetMeal));
    result.copied = qMin(room, int(entries.size()));
    result.leftOut = int(entries.size()) - result.copied;
    for (int i = 0; i < result.copied; ++i)
        result.plan.append(targetMeal, entries.at(i));
    if (result.copied > 0)
        result.plan.setChanged(true);
    if (result.copied == 0) {
        result.message = TooManyEntriesRefusal();
    } else if (result.leftOut > 0) {
        result.message = TooManyEntriesRefusal() + QLatin1Char(' ') +
                         (result.leftOut == 1 ? QStringLiteral("%1 von %2 Lebensmitteln wurde nicht übernommen.")
                                              : QStringLiteral("%1 von %2 Lebensmitteln wurden nicht übernommen."))
                             .arg(result.leftOut)
                             .arg(entries.size());
    }
    return result;
}

MealCopyResult CopyDiaryMeal(const MealPlan &plan, int targetMeal, const QString &diaryFolder, const QDate &date,
                             int sourceMeal, const FoodIndex &index)
{
    MealCopyResult result;
    result.plan = plan;
    if (targetMeal < 1 || targetMeal > MealCount || sourceMeal < 1 || sourceMeal > MealCount || !date.isValid())
        return result;
    const MealFileRead read = ReadMealFileAt(DiaryFilePath(diaryFolder, date), index, 1);
    if (read.status != MealFileReadStatus::Ok && read.status != MealFileReadStatus::Missing) {
        result.message = read.message;
        return result;
    }
    const QList<MealEntry> entries =
        read.status == MealFileReadStatus::Ok ? read.load.plan.meal(sourceMeal) : QList<MealEntry>();
    if (entries.isEmpty()) {
        result.message = NothingToCopyText(date, sourceMeal);
        return result;
    }
    return AppendMealEntries(plan, targetMeal, entries);
}

QString NothingToCopyText(const QDate &date, int sourceMeal)
{
    return QStringLiteral("Am %1 ist in Mahlzeit %2 nichts eingetragen.")
        .arg(date.toString(QStringLiteral("dd.MM.yyyy")))
        .arg(sourceMeal);
}

MealCopyResult CopyYesterdaysMeal(const MealPlan &plan, const QString &diaryFolder, const QDate &shownDate,
                                  const FoodIndex &index)
{
    return CopyDiaryMeal(plan, plan.activeMeal(), diaryFolder, shownDate.addDays(-1), plan.activeMeal(), index);
}
