// Prints the performance figures of Kostbilanz: each a median over repeated runs, with the
// quartiles to show the noise, and the goal beside it. Nothing here asserts a time; the
// figures are for reading (docs/performance.md).
//
//   kostbilanz_bench [--runs N] [--quick] [--only startup,filtering,sorting,balance,loading,summary]
//
// --runs sets the number of timed start-ups of each program (default 40); --quick cuts every
// repetition count down for a first look; --only measures some figures (for profiling one).

#include "datafiles.h"
#include "foodlistcolumns.h"
#include "foodstore.h"
#include "largefoodtable.h"
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
    Print(QStringLiteral("        ratio            %1").arg(wholeRatio, 0, 'f', 2));
}

// withGoal: the goal (10 MB above the floor) holds for the shipped size; larger sizes are reported.
void PrintPeakMemory(const QString &title, const StartupFigures &figures, bool withGoal)
{
    if (!figures.failure.isEmpty())
        return;
    const double extra = figures.programRssKb.median() - figures.baselineRssKb.median();
    Print(title);
    Print(QStringLiteral("    kostbilanz       %1").arg(Spread(figures.programRssKb, Mb)));
    Print(QStringLiteral("    floor window     %1").arg(Spread(figures.baselineRssKb, Mb)));
    if (withGoal)
        Print(QStringLiteral("    difference       %1   goal <= 10.0 MB: %2")
                  .arg(Mb(extra), extra <= 10.0 * 1024 ? QStringLiteral("met") : QStringLiteral("MISSED")));
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
    return {QStringLiteral("startup"), QStringLiteral("filtering"), QStringLiteral("sorting"),
            QStringLiteral("balance"), QStringLiteral("loading"), QStringLiteral("summary")};
}

bool CopyShippedData(const QString &folder)
{
    const QDir data(QStringLiteral(KB_SHIPPED_DATA_DIR));
    for (const QString name : {SwissFoodFileName, DgeReferenceFileName, WordListFileName}) {
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
    StartupFigures startup, startupLarge;
    if (wanted("startup")) {
        Progress("start-up: program and floor window, in turns");
        startup = MeasureStartup(QStringLiteral(KB_PROGRAM_PATH), QStringLiteral(KB_BASELINE_PATH),
                                 QStringLiteral(KB_SHIPPED_DATA_DIR), runs, 3);
        Progress("start-up at 15 times the foods");
        QTemporaryDir largeFolder;
        const QString failure =
            largeFolder.isValid()
                ? WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), largeFolder.path())
                : QStringLiteral("cannot make a temporary folder");
        if (failure.isEmpty())
            startupLarge = MeasureStartup(QStringLiteral(KB_PROGRAM_PATH), QStringLiteral(KB_BASELINE_PATH),
                                          largeFolder.path(), runs, 3);
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
    FoodStore store(dataDirectory);
    store.loadFiles();
    store.buildIndex();

    BenchResult loading, sortNumber, sortName, balance, searchTexts, searchTextsLarge, summaryMonth, summaryYear;
    FilteringResult filtering, filteringLarge;
    if (wanted("loading")) {
        Progress("loading");
        loading = MeasureLoading(dataDirectory, 200 / scale);
    }
    if (wanted("filtering")) {
        Progress("filtering");
        searchTexts = MeasureSearchTexts(dataDirectory, 100 / scale);
        filtering = MeasureFiltering(store.index(), 60 / scale);
        // Fifteen times the shipped foods and 1,001 own ones, made for this run only.
        Progress("filtering at 15 times the foods");
        QTemporaryDir largeFolder;
        const QString failure =
            largeFolder.isValid()
                ? WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), largeFolder.path())
                : QStringLiteral("cannot make a temporary folder");
        if (failure.isEmpty()) {
            FoodStore large(largeFolder.path() + QLatin1Char('/'));
            large.loadFiles();
            large.buildIndex();
            searchTextsLarge = MeasureSearchTexts(largeFolder.path(), 20 / scale);
            filteringLarge = MeasureFiltering(large.index(), 30 / scale);
        } else {
            filteringLarge.withRepaint.failure = failure;
        }
    }
    if (wanted("sorting")) {
        Progress("sorting");
        sortNumber = MeasureSorting(store.index(), FoodColumn::FirstValue, 100 / scale);
        sortName = MeasureSorting(store.index(), FoodColumn::Name, 100 / scale);
    }
    if (wanted("balance")) {
        Progress("balance");
        balance = MeasureBalance(dataFolder.path(), 1000 / scale);
    }
    if (wanted("summary")) {
        Progress("several days");
        summaryMonth = MeasureSummary(dataDirectory, store.index(), 31, 100 / scale);
        summaryYear = MeasureSummary(dataDirectory, store.index(), 365, 30 / std::min(scale, 3));
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
    }
    if (wanted("filtering")) {
        PrintFiltering(QStringLiteral("2 Filtering, one key release, shipped foods"), filtering, 1.0);
        PrintFiltering(QStringLiteral("2 Filtering, one key release, 15 times the foods"), filteringLarge,
                       2.0);
        PrintTimed(QStringLiteral("2 Search texts, made once per index at the first opening, shipped foods"),
                   searchTexts, 0);
        PrintTimed(QStringLiteral("2 Search texts, made once per index at the first opening, 15 times"),
                   searchTextsLarge, 0);
    }
    if (wanted("sorting")) {
        PrintTimed(QStringLiteral("3 Sorting, one click on a number column"), sortNumber, 10.0);
        PrintTimed(QStringLiteral("3 Sorting, one click on the name column"), sortName, 10.0);
    }
    if (wanted("balance"))
        PrintTimed(QStringLiteral("4 RecomputeBalance, six full meals"), balance, 0.5);
    if (wanted("loading"))
        PrintTimed(QStringLiteral("5 Loading the shipped files and building the index"), loading, 5.0);
    if (wanted("startup")) {
        PrintPeakMemory(QStringLiteral("6 Peak memory (max RSS) of the start-ups, shipped foods"), startup, true);
        PrintPeakMemory(QStringLiteral("6 Peak memory (max RSS) of the start-ups, 15 times the foods"), startupLarge,
                        false);
    }
    if (wanted("summary")) {
        // The goal is for a year; a month is shown for scale and has none of its own.
        PrintTimed(QStringLiteral("7 Several days, a month (31 meal files)"), summaryMonth, 0);
        PrintTimed(QStringLiteral("7 Several days, a year (365 meal files)"), summaryYear, 300.0);
    }
    return 0;
}
