#include "recentfoods.h"

#include "diary.h"
#include "foodindex.h"
#include "mealfile.h"
#include "mealplan.h"
#include "textfile.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

QDate FirstRecentDay(const QDate &today)
{
    return today.addDays(1 - RecentFoodDays);
}

struct Tally
{
    int times = 0;
    QDate lastEaten;
    int position = -1; // in the sorted list
};

} // namespace

QList<DiaryDayFoods> ReadRecentDiaryDays(const QString &diaryFolder, const QDate &today)
{
    QList<DiaryDayFoods> days;
    if (!today.isValid())
        return days;
    for (QDate date = today; date >= FirstRecentDay(today); date = date.addDays(-1)) {
        const TextReadResult read = ReadTextFile(DiaryFilePath(diaryFolder, date), MaxMealFileBytes);
        if (read.status != ReadStatus::Ok || !IsValidMealFileHeader(read.file.lines))
            continue;
        DiaryDayFoods day{date, {}};
        for (qsizetype i = MealFileHeaderLines; i < read.file.lines.size(); ++i) {
            const MealFileLine line = ParseMealFileLine(read.file.lines.at(i));
            if (!line.sessionLine)
                day.ids.append(line.id);
        }
        days.append(day);
    }
    return days;
}

QList<int> RankRecentFoods(const QList<DiaryDayFoods> &days, const QDate &today, const FoodIndex &index)
{
    QHash<QString, Tally> tallies; // by the id folded
    for (const DiaryDayFoods &day : days) {
        if (!day.date.isValid() || day.date > today || day.date < FirstRecentDay(today))
            continue;
        for (const QString &id : day.ids) {
            Tally &tally = tallies[id.toCaseFolded()];
            ++tally.times;
            tally.lastEaten = qMax(tally.lastEaten, day.date);
        }
    }
    if (tallies.isEmpty())
        return {};

    // One pass over the sorted list finds every eaten food's place; a food's first entry there
    // stands for it, as the id look-up takes the first food of an id. The list may hold tens of
    // thousands of foods, so an id is looked at in place and only one whose hash is an eaten
    // food's is copied.
    QSet<size_t> hashes;
    for (auto tally = tallies.cbegin(); tally != tallies.cend(); ++tally)
        hashes.insert(qHash(QStringView(tally.key())));
    const QStringList &sorted = index.sortedTexts();
    qsizetype unplaced = tallies.size();
    for (int p = 0; p < sorted.size() && unplaced > 0; ++p) {
        const QString &text = sorted.at(p);
        QStringView id = QStringView(text).left(text.indexOf(QLatin1Char('=')));
        QString folded;
        if (std::any_of(id.begin(), id.end(), [](QChar c) { return c.unicode() >= 0x80 || c.isUpper(); })) {
            folded = id.toString().toCaseFolded();
            id = folded;
        }
        if (!hashes.contains(qHash(id)))
            continue;
        const auto tally = tallies.find(id.toString());
        if (tally != tallies.end() && tally->position < 0) {
            tally->position = p;
            --unplaced;
        }
    }
    std::vector<Tally> ranked;
    ranked.reserve(size_t(tallies.size()));
    for (const Tally &tally : std::as_const(tallies)) {
        if (tally.position >= 0)
            ranked.push_back(tally);
    }
    std::sort(ranked.begin(), ranked.end(), [](const Tally &a, const Tally &b) {
        if (a.times != b.times)
            return a.times > b.times;
        if (a.lastEaten != b.lastEaten)
            return a.lastEaten > b.lastEaten;
        return a.position < b.position;
    });
    QList<int> positions;
    for (size_t i = 0; i < ranked.size() && i < size_t(MostRecentFoods); ++i)
        positions.append(ranked[i].position);
    return positions;
}

QList<int> RecentFoodsOfDiary(const QString &diaryFolder, const QDate &today, const FoodIndex &index)
{
    return RankRecentFoods(ReadRecentDiaryDays(diaryFolder, today), today, index);
}

QList<int> RecentFoodsOfDiary(const QString &diaryFolder, const QDate &today, const FoodIndex &index,
                              const QDate &shownDate, const MealPlan &shownDay)
{
    QList<DiaryDayFoods> days = ReadRecentDiaryDays(diaryFolder, today);
    if (shownDate.isValid()) {
        days.erase(std::remove_if(days.begin(), days.end(),
                                  [&](const DiaryDayFoods &day) { return day.date == shownDate; }),
                   days.end());
        DiaryDayFoods shown{shownDate, {}};
        for (int meal = 1; meal <= MealCount; ++meal) {
            for (const MealEntry &entry : shownDay.meal(meal))
                shown.ids.append(entry.id);
        }
        days.append(shown);
    }
    return RankRecentFoods(days, today, index);
}
