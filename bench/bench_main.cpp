// Prints the performance figures of Kostbilanz: each a median over repeated runs, with the
// quartiles to show the noise, and the goal beside it. Nothing here asserts a time; the
// figures are for reading (docs/performance.md).
//
//   kostbilanz_bench [--runs N] [--quick]
//                    [--only startup,filtering,sorting,balance,loading,summary,nutrients,recent,diary]
//
// --runs sets the number of timed start-ups of each program (default 40); --quick cuts every
// repetition count down for a first look; --only measures some figures (for profiling one).

#include "datafiles.h"
#include "diary.h"
#include "foodlistcolumns.h"
#include "foodstore.h"
#include "largefoodtable.h"
#include "nutrientlistbench.h"
#include "recentbench.h"
#include "searchbench.h"
#include "settings.h"
#include "startupbench.h"
#include "summarybench.h"
#include "windowbenches.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

void Print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Progress(const char *what)
{
    std::fprintf(stderr, "... %s\n", what);
}

QString Ms(double value)
{
    return QStringLiteral("%1 ms").arg(value, 0, 'f', value < 10 ? 3 : 1);
}

QString Mb(double kilobytes)
{
    return QStringLiteral("%1 MB").arg(kilobytes / 1024.0, 0, 'f', 1);
}

// "median  [q1 .. q3]  (n)", in the unit format gives.
template <typename Format> QString Spread(const Samples &samples, Format format)
{
    return QStringLiteral("%1  [quartiles %2 .. %3, n=%4]")
        .arg(format(samples.median()), format(samples.quantile(0.25)), format(samples.quantile(0.75)))
        .arg(samples.count());
}

// goalMs 0: a figure without a goal.
void PrintTimed(const QString &title, const BenchResult &result, double goalMs)
{
    if (!result.failure.isEmpty()) {
        Print(QStringLiteral("%1: NOT MEASURED: %2").arg(title, result.failure));
        return;
    }
    if (goalMs <= 0) {
        Print(QStringLiteral("%1: %2").arg(title, Spread(result.samples, Ms)));
    } else {
        const bool met = result.samples.median() <= goalMs;
        Print(QStringLiteral("%1: %2   goal <= %3: %4")
                  .arg(title, Spread(result.samples, Ms), Ms(goalMs),
                       met ? QStringLiteral("met") : QStringLiteral("MISSED")));
    }
    Print(QStringLiteral("    (%1)").arg(result.note));
}

// The filter's figures against goalMs: the median over every key and the worst key, until the
// list has its new rows, and the same with the repaint.
void PrintFiltering(const QString &title, const FilteringResult &result, double goalMs)
{
    if (!result.withRepaint.failure.isEmpty()) {
        Print(QStringLiteral("%1: NOT MEASURED: %2").arg(title, result.withRepaint.failure));
        return;
    }
    const bool met = result.refill.median() <= goalMs && result.worstRefillMs <= goalMs;
    Print(QStringLiteral("%1   goal <= %2 at every key: %3")
              .arg(title, Ms(goalMs), met ? QStringLiteral("met") : QStringLiteral("MISSED")));
    Print(QStringLiteral("    filter and list refill   %1").arg(Spread(result.refill, Ms)));
    Print(QStringLiteral("        worst key            %1 (%2)")
              .arg(Ms(result.worstRefillMs), result.worstRefillKey));
    Print(QStringLiteral("    with the repaint         %1").arg(Spread(result.withRepaint.samples, Ms)));
    Print(QStringLiteral("        worst key            %1 (%2)")
              .arg(Ms(result.worstWithRepaintMs), result.worstWithRepaintKey));
    Print(QStringLiteral("    (%1)").arg(result.withRepaint.note));
}

// The search alone at every key of the long texts against goalMs: the median key and the worst.
void PrintSearchKeys(const QString &title, const SearchKeysResult &result, double goalMs)
{
    if (!result.failure.isEmpty()) {
        Print(QStringLiteral("%1: NOT MEASURED: %2").arg(title, result.failure));
        return;
    }
    const bool met = result.worstMs <= goalMs;
    Print(QStringLiteral("%1   goal <= %2 at every key: %3")
              .arg(title, Ms(goalMs), met ? QStringLiteral("met") : QStringLiteral("MISSED")));
    Print(QStringLiteral("    every key                %1").arg(Spread(result.keys, Ms)));
    Print(
        QStringLiteral("        worst key            %1 (\"%2\")").arg(Ms(result.worstMs), result.worstKey));
    Print(QStringLiteral("    (%1)").arg(result.note));
}

// One line per column, then the worst column's median against goalMs.
void PrintSortingColumns(const QString &title, const QList<BenchResult> &results, double goalMs)
{
    double worst = 0;
    QString worstNote;
    Print(title);
    for (const BenchResult &result : results) {
        if (!result.failure.isEmpty()) {
            Print(QStringLiteral("    NOT MEASURED: %1").arg(result.failure));
            return;
        }
        Print(QStringLiteral("    %1  %2").arg(Spread(result.samples, Ms), result.note));
        if (result.samples.median() > worst) {
            worst = result.samples.median();
            worstNote = result.note;
        }
    }
    Print(QStringLiteral("    worst column %1 (%2)   goal <= %3 on any column: %4")
              .arg(Ms(worst), worstNote, Ms(goalMs),
                   worst <= goalMs ? QStringLiteral("met") : QStringLiteral("MISSED")));
}

void PrintBalance(const QString &title, const BalanceResult &result, double goalMs)
{
    PrintTimed(title, result.alone, goalMs);
    if (result.alone.failure.isEmpty())
        Print(QStringLiteral("    with the repaint     %1").arg(Spread(result.withRepaint, Ms)));
}

void PrintMemory(const QString &title, const MemoryFigures &figures)
{
    if (!figures.failure.isEmpty()) {
        Print(QStringLiteral("%1: NOT MEASURED: %2").arg(title, figures.failure));
        return;
    }
    Print(title + QStringLiteral(" (heap in use / resident)"));
    for (int i = 0; i < figures.heapKb.size(); ++i) {
        Print(QStringLiteral("    %1  %2 / %3")
                  .arg(figures.heapKb.at(i).first, -28)
                  .arg(Mb(figures.heapKb.at(i).second), Mb(figures.residentKb.at(i).second)));
    }
}

// The program against the floor window: until the first painted frame (the goal's figure,
// measured by each child from the stamp taken before its fork) and as whole processes.
void PrintStartup(const QString &title, const StartupFigures &figures, double goalRatio)
{
    if (!figures.failure.isEmpty()) {
        Print(QStringLiteral("%1: NOT MEASURED: %2").arg(title, figures.failure));
        return;
    }
    const double paintRatio = figures.programFirstPaintMs.median() / figures.baselineFirstPaintMs.median();
    const double wholeRatio = figures.programMs.median() / figures.baselineMs.median();
    Print(title);
    Print(QStringLiteral("    until the first painted frame (fork to the frame, timed in the process)"));
    Print(QStringLiteral("        kostbilanz       %1").arg(Spread(figures.programFirstPaintMs, Ms)));
    Print(QStringLiteral("        floor window     %1").arg(Spread(figures.baselineFirstPaintMs, Ms)));
    Print(QStringLiteral("        ratio            %1   goal <= %2: %3")
              .arg(paintRatio, 0, 'f', 2)
              .arg(goalRatio, 0, 'f', 2)
              .arg(paintRatio <= goalRatio ? QStringLiteral("met") : QStringLiteral("MISSED")));
    Print(QStringLiteral("    whole process (fork to the reaped exit)"));
    Print(QStringLiteral("        kostbilanz       %1").arg(Spread(figures.programMs, Ms)));
    Print(QStringLiteral("        floor window     %1").arg(Spread(figures.baselineMs, Ms)));
    Print(QStringLiteral("        ratio            %1   goal <= %2: %3")
              .arg(wholeRatio, 0, 'f', 2)
              .arg(goalRatio, 0, 'f', 2)
              .arg(wholeRatio <= goalRatio ? QStringLiteral("met") : QStringLiteral("MISSED")));
}

// withGoal: the goal (8 MB above the floor) holds for this size; others are reported.
void PrintPeakMemory(const QString &title, const StartupFigures &figures, bool withGoal)
{
    if (!figures.failure.isEmpty())
        return;
    const double extra = figures.programRssKb.median() - figures.baselineRssKb.median();
    Print(title);
    Print(QStringLiteral("    kostbilanz       %1").arg(Spread(figures.programRssKb, Mb)));
    Print(QStringLiteral("    floor window     %1").arg(Spread(figures.baselineRssKb, Mb)));
    if (withGoal)
        Print(QStringLiteral("    difference       %1   goal <= 8.0 MB: %2")
                  .arg(Mb(extra), extra <= 8.0 * 1024 ? QStringLiteral("met") : QStringLiteral("MISSED")));
    else
        Print(QStringLiteral("    difference       %1").arg(Mb(extra)));
}

QString CpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (!info.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown CPU");
    // Files under /proc report no size; read them whole.
    const QList<QByteArray> lines = info.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("model name"))
            return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    }
    return QStringLiteral("unknown CPU");
}

QStringList AllParts()
{
    return {QStringLiteral("startup"),  QStringLiteral("filtering"), QStringLiteral("sorting"),
            QStringLiteral("balance"),  QStringLiteral("loading"),   QStringLiteral("summary"),
            QStringLiteral("nutrients"), QStringLiteral("recent"), QStringLiteral("diary")};
}

bool CopyShippedData(const QString &folder)
{
    const QDir data(QStringLiteral(KB_SHIPPED_DATA_DIR));
    for (const QString name :
         {SwissFoodFileName, DgeReferenceFileName, ExtendedReferenceFileName, WordListFileName, MeasuresFileName}) {
        if (!QFile::copy(data.filePath(name), QDir(folder).filePath(name)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 40;
    bool quick = false;
    QStringList parts = AllParts();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            parts = QString::fromLocal8Bit(argv[++i]).split(QLatin1Char(','));
        } else {
            std::fprintf(stderr, "usage: %s [--runs N] [--quick] [--only %s]\n", argv[0],
                         AllParts().join(QLatin1Char(',')).toLocal8Bit().constData());
            return 2;
        }
    }
    if (quick)
        runs = std::min(runs, 8);
    const int scale = quick ? 10 : 1;
    auto wanted = [&parts](const char *part) { return parts.contains(QLatin1String(part)); };

    // The windows are measured on the offscreen platform unless the caller chose another (for
    // example xcb under Xvfb); the start-ups inherit the same choice.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // This process needs a runtime folder of its own too, or Qt warns that there is none.
    QTemporaryDir ownRuntimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && ownRuntimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ownRuntimeFolder.path()));

    // The start-ups come first, while this process has no threads of its own that could compete:
    // on the shipped data and on a folder fifteen times its size.
    // Each start-up runs in a home of its own: an empty one, and one whose diary holds three
    // years of days up to today.
    StartupFigures startup, startupLarge, startupDiary;
    if (wanted("startup")) {
        QTemporaryDir emptyHome, diaryHome;
        QString diaryFailure;
        if (emptyHome.isValid() && diaryHome.isValid()) {
            FoodStore shipped(QStringLiteral(KB_SHIPPED_DATA_DIR "/"), QLocale());
            shipped.loadFiles();
            shipped.buildIndex();
            WriteBenchDiaryDays(DiaryFolderIn(QDir(diaryHome.path()).filePath(QStringLiteral("Documents"))),
                                shipped.index(), QDate::currentDate(), 3 * 365, 15, diaryFailure);
        } else {
            diaryFailure = QStringLiteral("cannot make a temporary folder");
        }
        Progress("start-up: program and floor window, in turns");
        startup = MeasureStartup(QStringLiteral(KB_PROGRAM_PATH), QStringLiteral(KB_BASELINE_PATH),
                                 QStringLiteral(KB_SHIPPED_DATA_DIR), emptyHome.path(), runs, 3);
        Progress("start-up with three years of diary days");
        if (diaryFailure.isEmpty())
            startupDiary = MeasureStartup(QStringLiteral(KB_PROGRAM_PATH), QStringLiteral(KB_BASELINE_PATH),
                                          QStringLiteral(KB_SHIPPED_DATA_DIR), diaryHome.path(), runs, 3);
        else
            startupDiary.failure = diaryFailure;
        Progress("start-up at 15 times the foods");
        QTemporaryDir largeFolder;
        const QString failure =
            largeFolder.isValid()
                ? WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), largeFolder.path())
                : QStringLiteral("cannot make a temporary folder");
        if (failure.isEmpty())
            startupLarge = MeasureStartup(QStringLiteral(KB_PROGRAM_PATH), QStringLiteral(KB_BASELINE_PATH),
                                          largeFolder.path(), emptyHome.path(), runs, 3);
        else
            startupLarge.failure = failure;
    }

    QApplication application(argc, argv);
    QTemporaryDir dataFolder;
    if (!dataFolder.isValid() || !CopyShippedData(dataFolder.path())) {
        Print(QStringLiteral("cannot copy the shipped data into a temporary folder"));
        return 1;
    }
    const QString dataDirectory = dataFolder.path() + QLatin1Char('/');
    FoodStore store(dataDirectory, QLocale());
    store.loadFiles();
    store.buildIndex();

    // Fifteen times the shipped foods and 1,001 own ones, made for this run only.
    QTemporaryDir largeFolder;
    QString largeFailure;
    const bool needLarge = wanted("filtering") || wanted("sorting") || wanted("balance") ||
                           wanted("loading") || wanted("nutrients") || wanted("recent");
    if (needLarge) {
        largeFailure = largeFolder.isValid()
                           ? WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), largeFolder.path())
                           : QStringLiteral("cannot make a temporary folder");
    }
    const QString largeDirectory = largeFolder.path() + QLatin1Char('/');
    FoodStore large(largeDirectory, QLocale());
    if (needLarge && largeFailure.isEmpty()) {
        large.loadFiles();
        large.buildIndex();
    }
    auto failedLarge = [&largeFailure] {
        BenchResult failed;
        failed.failure = largeFailure;
        return failed;
    };

    BenchResult indexTexts, indexTextsLarge;
    BenchResult loading, loadingLarge, sortedList, sortedListLarge, sortedListSavedLarge;
    BenchResult sortNumber, sortName, searchTexts, searchTextsLarge, summaryMonth, summaryYear;
    BenchResult dateSwitch, diaryYear;
    BenchResult nutrientDay, nutrientWindow, extraValues, extraValuesLarge, nutrientYear;
    BenchResult recentFoods, recentFoodsLarge;
    QList<BenchResult> sortLarge;
    BalanceResult balance, balanceLarge;
    MemoryFigures maxValuesMemory;
    FilteringResult filtering, filteringLarge, filteringLong, filteringLongLarge;
    SearchKeysResult searchKeys, searchKeysLarge;
    if (wanted("loading")) {
        Progress("loading");
        loading = MeasureLoading(dataDirectory, 200 / scale);
        indexTexts = MeasureIndexTexts(dataDirectory, 100 / scale);
        sortedList = MeasureSortedList(dataDirectory, false, 100 / scale);
        if (largeFailure.isEmpty()) {
            loadingLarge = MeasureLoading(largeDirectory, 40 / scale);
            indexTextsLarge = MeasureIndexTexts(largeDirectory, 20 / std::min(scale, 4));
            sortedListLarge = MeasureSortedList(largeDirectory, false, 20 / std::min(scale, 4));
            sortedListSavedLarge = MeasureSortedList(largeDirectory, true, 20 / std::min(scale, 4));
        } else {
            loadingLarge = indexTextsLarge = sortedListLarge = sortedListSavedLarge = failedLarge();
        }
    }
    if (wanted("filtering")) {
        Progress("filtering");
        searchTexts = MeasureSearchTexts(dataDirectory, 100 / scale);
        filtering = MeasureFiltering(store.index(), 60 / scale);
        filteringLong = MeasureFiltering(store.index(), 20 / scale, LongSearchTexts().first());
        searchKeys = MeasureSearchKeys(store.index(), LongSearchTexts(), 30 / scale);
        Progress("filtering at 15 times the foods");
        if (largeFailure.isEmpty()) {
            searchTextsLarge = MeasureSearchTexts(largeFolder.path(), 20 / scale);
            filteringLarge = MeasureFiltering(large.index(), 30 / scale);
            filteringLongLarge = MeasureFiltering(large.index(), 10 / scale, LongSearchTexts().first());
            searchKeysLarge = MeasureSearchKeys(large.index(), LongSearchTexts(), 15 / std::min(scale, 5));
        } else {
            filteringLarge.withRepaint.failure = largeFailure;
            filteringLongLarge.withRepaint.failure = largeFailure;
            searchKeysLarge.failure = largeFailure;
        }
    }
    if (wanted("sorting")) {
        Progress("sorting");
        sortNumber = MeasureSorting(store.index(), FoodColumn::FirstValue, 100 / scale);
        sortName = MeasureSorting(store.index(), FoodColumn::Name, 100 / scale);
        Progress("sorting every column at 15 times the foods");
        if (largeFailure.isEmpty()) {
            sortLarge = MeasureSortingAllColumns(large.index(), 20 / std::min(scale, 5));
            maxValuesMemory = MeasureMaxValuesMemory(large.index());
        } else {
            sortLarge = {failedLarge()};
            maxValuesMemory.failure = largeFailure;
        }
    }
    if (wanted("balance")) {
        Progress("balance");
        balance = MeasureBalance(dataFolder.path(), 1000 / scale);
        if (largeFailure.isEmpty())
            balanceLarge = MeasureBalance(largeFolder.path(), 300 / scale);
        else
            balanceLarge.alone = failedLarge();
    }
    if (wanted("diary")) {
        Progress("the diary");
        dateSwitch = MeasureDateSwitch(dataFolder.path(), 280 / scale);
        diaryYear = MeasureDiaryYear(dataDirectory, store.index(), 30 / std::min(scale, 3));
    }
    if (wanted("summary")) {
        Progress("several days");
        summaryMonth = MeasureSummary(dataDirectory, store.index(), 31, 100 / scale);
        summaryYear = MeasureSummary(dataDirectory, store.index(), 365, 30 / std::min(scale, 3));
    }
    if (wanted("nutrients")) {
        Progress("every nutrient");
        extraValues = MeasureExtraValuesFirstUse(dataDirectory, 100 / scale);
        extraValuesLarge = largeFailure.isEmpty()
                               ? MeasureExtraValuesFirstUse(largeDirectory, 20 / std::min(scale, 4))
                               : failedLarge();
        nutrientDay = MeasureDayNutrientList(dataDirectory, store.index(), 1000 / scale);
        nutrientWindow = MeasureAllNutrientsWindow(dataDirectory, store.index(), 200 / scale);
        nutrientYear = MeasureNutrientListOfFiles(dataDirectory, store.index(), 365, 30 / std::min(scale, 3));
    }
    if (wanted("recent")) {
        Progress("foods eaten lately");
        recentFoods = MeasureRecentFoods(store.index(), 365, 200 / scale);
        recentFoodsLarge = largeFailure.isEmpty() ? MeasureRecentFoods(large.index(), 365, 100 / scale) : failedLarge();
    }

    Print(QStringLiteral("Kostbilanz benchmarks: medians over repeated runs, quartiles in brackets"));
    Print(QStringLiteral("Machine: %1, %2 logical CPUs, %3; Qt %4, platform %5, build %6")
              .arg(CpuModel())
              .arg(QThread::idealThreadCount())
              .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()),
                   QGuiApplication::platformName(), QStringLiteral(KB_BUILD_TYPE)));
    Print(QString());

    if (wanted("startup")) {
        PrintStartup(QStringLiteral("1 Start-up, shipped foods"), startup, 1.25);
        PrintStartup(QStringLiteral("1 Start-up, 15 times the foods"), startupLarge, 1.4);
        PrintStartup(QStringLiteral("1 Start-up, shipped foods, three years of diary days (15 entries each)"),
                     startupDiary, 1.25);
    }
    if (wanted("filtering")) {
        PrintFiltering(QStringLiteral("2 Filtering, one key release, shipped foods"), filtering, 1.0);
        PrintFiltering(QStringLiteral("2 Filtering, one key release, 15 times the foods"), filteringLarge,
                       2.0);
        PrintFiltering(QStringLiteral("2 Filtering a 40-character text, one key release, shipped foods"),
                       filteringLong, 1.0);
        PrintFiltering(QStringLiteral("2 Filtering a 40-character text, one key release, 15 times the foods"),
                       filteringLongLarge, 2.0);
        PrintSearchKeys(QStringLiteral("2 Search alone, every key of 40-character texts, shipped foods"),
                        searchKeys, 1.0);
        PrintSearchKeys(QStringLiteral("2 Search alone, every key of 40-character texts, 15 times the foods"),
                        searchKeysLarge, 2.0);
        PrintTimed(QStringLiteral("2 Search texts, made once per index at the first opening, shipped foods"),
                   searchTexts, 0);
        PrintTimed(QStringLiteral("2 Search texts, made once per index at the first opening, 15 times"),
                   searchTextsLarge, 0);
    }
    if (wanted("sorting")) {
        PrintTimed(QStringLiteral("3 Sorting, one click on a number column"), sortNumber, 10.0);
        PrintTimed(QStringLiteral("3 Sorting, one click on the name column"), sortName, 10.0);
        PrintSortingColumns(QStringLiteral("3 Sorting at 15 times the foods, one click on each column"),
                            sortLarge, 10.0);
        PrintMemory(QStringLiteral("6 Maximum-values window at 15 times the foods, opened and closed twice"),
                    maxValuesMemory);
    }
    if (wanted("balance")) {
        PrintBalance(QStringLiteral("4 RecomputeBalance, six full meals, shipped foods"), balance, 0.5);
        PrintBalance(QStringLiteral("4 RecomputeBalance, six full meals, 15 times the foods"), balanceLarge,
                     0.5);
    }
    if (wanted("loading")) {
        PrintTimed(QStringLiteral("5 Loading the shipped files and building the index"), loading, 5.0);
        PrintTimed(QStringLiteral("5 Loading and index at 15 times the foods"), loadingLarge, 10.0);
        PrintTimed(QStringLiteral("5 Index texts, made on first use, shipped foods"), indexTexts, 0);
        PrintTimed(QStringLiteral("5 Index texts, made on first use, 15 times"), indexTextsLarge, 0);
        PrintTimed(QStringLiteral("5 Sorted id=name list, once per index, shipped foods"), sortedList, 0);
        PrintTimed(QStringLiteral("5 Sorted id=name list, once per index, 15 times"), sortedListLarge, 20.0);
        PrintTimed(QStringLiteral("5 Sorted list after an own-foods save, 15 times"), sortedListSavedLarge,
                   20.0);
    }
    if (wanted("startup")) {
        PrintPeakMemory(QStringLiteral("6 Peak memory (max RSS) of the start-ups, shipped foods"), startup,
                        true);
        PrintPeakMemory(QStringLiteral("6 Peak memory (max RSS) of the start-ups, 15 times the foods"),
                        startupLarge, true);
    }
    if (wanted("summary")) {
        // The goal is for a year; a month is shown for scale and has none of its own.
        PrintTimed(QStringLiteral("7 Several days, a month (31 meal files)"), summaryMonth, 0);
        PrintTimed(QStringLiteral("7 Several days, a year (365 meal files)"), summaryYear, 300.0);
    }
    if (wanted("nutrients")) {
        PrintTimed(
            QStringLiteral("8 Every nutrient: values beyond the thirteen read, once per index, shipped"),
            extraValues, 0);
        PrintTimed(
            QStringLiteral("8 Every nutrient: values beyond the thirteen read, once per index, 15 times"),
            extraValuesLarge, 0);
        PrintTimed(QStringLiteral("8 Every nutrient of a day of six full meals"), nutrientDay, 5.0);
        PrintTimed(QStringLiteral("8 Every nutrient of a day, the window's list filled"), nutrientWindow, 0);
        PrintTimed(QStringLiteral("8 Every nutrient, a year (365 meal files) averaged with CSV"),
                   nutrientYear, 300.0);
    }
    if (wanted("recent")) {
        PrintTimed(QStringLiteral("10 Foods eaten lately, as the selection window opens, 365 diary days, shipped"),
                   recentFoods, 5.0);
        PrintTimed(QStringLiteral("10 Foods eaten lately, 365 diary days, 15 times the foods"), recentFoodsLarge, 5.0);
    }
    if (wanted("diary")) {
        PrintTimed(QStringLiteral("9 Diary: one step of the date bar, the repaint included"), dateSwitch, 5.0);
        PrintTimed(QStringLiteral("9 Diary: a year of days (Von ... bis ...) listed and summarised"), diaryYear,
                   300.0);
    }
    return 0;
}
