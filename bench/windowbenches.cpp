#include "windowbenches.h"

#include "diary.h"
#include "fooddata.h"
#include "foodlistcolumns.h"
#include "foodrowsmodel.h"
#include "foodsearchtexts.h"
#include "foodstore.h"
#include "mainwindowcontext.h"
#include "reference.h"
#include "settings.h"
#include "silentprompts.h"
#include "summarybench.h"
#include "tauswprojekteform.h"
#include "tmainform.h"
#include "tmaxwerteform.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

namespace {

// Handles everything that is due: posted events, the views' zero-time layout timers and the
// repaints they ask for.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Counts the paint events of a widget, to show that a timed step included its repaint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
    {
        if (widget != nullptr)
            widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

BenchResult MeasureLoading(const QString &dataDirectory, int runs)
{
    BenchResult result;
    for (int run = 0; run < runs; ++run) {
        FoodStore store(dataDirectory, QLocale());
        QStringList messages;
        ReferenceLoad reference;
        result.samples.add(TimeMs([&] {
            messages = store.loadFiles();
            const SettingsList settings = LoadSettings(dataDirectory);
            store.buildIndex();
            reference = LoadReferenceValues(dataDirectory, settings);
            // The main window shows the counts at start-up.
            store.index().swissCountText();
        }));
        if (!messages.isEmpty() || !reference.message.isEmpty() || store.index().count() == 0) {
            result.failure = QStringLiteral("loading %1 failed: %2 %3")
                                 .arg(dataDirectory, messages.join(QLatin1Char(' ')), reference.message);
            return result;
        }
        result.note = QStringLiteral("%1 foods").arg(store.index().count());
    }
    return result;
}

BenchResult MeasureSortedList(const QString &dataDirectory, bool afterOwnSave, int runs)
{
    BenchResult result;
    for (int run = 0; run < runs; ++run) {
        FoodStore store(dataDirectory, QLocale());
        store.loadFiles();
        store.buildIndex();
        if (afterOwnSave) {
            store.index().sortedCount();
            // The same own foods written back: the file and the list stay as they were.
            const WriteResult written =
                store.saveAdditionalFoods(AdditionalFoodRows(store.additionalLines()), QDate(2025, 12, 1));
            if (!written.ok) {
                result.failure = written.message();
                return result;
            }
        }
        store.index().text(0); // the index texts, made on first use, are measured apart
        int count = 0;
        result.samples.add(TimeMs([&] { count = store.index().sortedCount(); }));
        result.note = QStringLiteral("%1 of %2 foods listed%3")
                          .arg(count)
                          .arg(store.index().count())
                          .arg(afterOwnSave ? QStringLiteral(", after a save of the own foods") : QString());
    }
    return result;
}

BenchResult MeasureIndexTexts(const QString &dataDirectory, int runs)
{
    BenchResult result;
    for (int run = 0; run < runs; ++run) {
        FoodStore store(dataDirectory, QLocale());
        store.loadFiles();
        store.buildIndex();
        result.samples.add(TimeMs([&] { store.index().text(0); }));
        result.note = QStringLiteral("%1 foods").arg(store.index().count());
    }
    return result;
}

BenchResult MeasureSearchTexts(const QString &dataDirectory, int runs)
{
    BenchResult result;
    for (int run = 0; run < runs; ++run) {
        FoodStore store(dataDirectory, QLocale());
        store.loadFiles();
        store.buildIndex();
        store.index().sortedCount(); // made before, and counted in the loading figure
        result.samples.add(TimeMs([&] { store.index().searchTexts(); }));
        result.note = QStringLiteral("%1 foods, %2 pairs in the word table")
                          .arg(store.index().sortedCount())
                          .arg(store.words().size());
    }
    return result;
}

FilteringResult MeasureFiltering(const FoodIndex &index, int rounds, const QString &words)
{
    FilteringResult figures;
    BenchResult &result = figures.withRepaint;
    SilentPrompts prompts;
    TAuswProjekteForm form(&prompts);
    // The measuring runs inside the window's own modal loop, as the user's keys would.
    QTimer::singleShot(0, &form, [&] {
        auto finish = [&](const QString &failure) {
            result.failure = failure;
            form.reject();
        };
        if (!QTest::qWaitForWindowExposed(&form))
            return finish(QStringLiteral("the food selection window was not shown"));
        auto *edit = form.findChild<QLineEdit *>(QStringLiteral("SuchEdit"));
        auto *list = form.findChild<QTableView *>(QStringLiteral("FilterListView"));
        if (edit == nullptr || list == nullptr)
            return finish(QStringLiteral("SuchEdit or FilterListView missing"));
        PaintCounter paints(list->viewport());
        const int all = list->model()->rowCount();
        int narrowed = all;

        // Per key of a round: its label and its samples. The search texts were made when the
        // window opened (measured apart, MeasureSearchTexts); every key here is timed.
        QStringList keyLabels;
        std::vector<Samples> refillByKey(size_t(2 * words.size()));
        std::vector<Samples> fullByKey(size_t(2 * words.size()));
        auto timeRelease = [&](int keyIndex, auto key) {
            QTest::keyPress(edit, key);
            Settle();
            double refillMs = 0;
            const double ms = TimeMs([&] {
                refillMs = TimeMs([&] { QTest::keyRelease(edit, key); });
                Settle();
            });
            result.samples.add(ms);
            figures.refill.add(refillMs);
            refillByKey[size_t(keyIndex)].add(refillMs);
            fullByKey[size_t(keyIndex)].add(ms);
        };
        for (int i = 1; i <= words.size(); ++i)
            keyLabels.append(QStringLiteral("typed \"%1\"").arg(words.left(i)));
        for (int i = words.size() - 1; i >= 0; --i)
            keyLabels.append(QStringLiteral("erased to \"%1\"").arg(words.left(i)));

        Settle();
        paints.count = 0;
        for (int round = 0; round < rounds; ++round) {
            int keyIndex = 0;
            for (const QChar c : words)
                timeRelease(keyIndex++, char(c.unicode()));
            narrowed = list->model()->rowCount();
            for (int i = 0; i < words.size(); ++i)
                timeRelease(keyIndex++, Qt::Key_Backspace);
        }
        if (narrowed >= all || list->model()->rowCount() != all || edit->text() != QString())
            return finish(
                QStringLiteral("the keys did not filter the list (%1 of %2 rows)").arg(narrowed).arg(all));
        if (paints.count < result.samples.count())
            return finish(QStringLiteral("only %1 repaints in %2 key releases")
                              .arg(paints.count)
                              .arg(result.samples.count()));
        for (size_t k = 0; k < refillByKey.size(); ++k) {
            if (refillByKey[k].median() > figures.worstRefillMs) {
                figures.worstRefillMs = refillByKey[k].median();
                figures.worstRefillKey = keyLabels.at(int(k));
            }
            if (fullByKey[k].median() > figures.worstWithRepaintMs) {
                figures.worstWithRepaintMs = fullByKey[k].median();
                figures.worstWithRepaintKey = keyLabels.at(int(k));
            }
        }
        result.note = QStringLiteral("%1 foods, typing and erasing \"%2\" (%3 rows left), %4 rounds")
                          .arg(all)
                          .arg(words)
                          .arg(narrowed)
                          .arg(rounds);
        form.reject();
    });
    form.selectFood(index, QPoint(0, 0));
    return figures;
}

BenchResult MeasureSorting(const FoodIndex &index, int column, int clicks)
{
    BenchResult result;
    TMaxWerteForm form;
    form.fill(index);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        result.failure = QStringLiteral("the maximum-values window was not shown");
        return result;
    }
    auto *list = form.findChild<QTableView *>(QStringLiteral("MaxWerteListView"));
    QHeaderView *header = list->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    PaintCounter paints(list->viewport());
    Settle();
    paints.count = 0;
    for (int click = 0; click < clicks; ++click) {
        result.samples.add(TimeMs([&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
            Settle();
        }));
        // The first click sorts descending, each further one reverses.
        if (form.sortState().column != column || form.sortState().descending != (click % 2 == 0)) {
            result.failure =
                QStringLiteral("click %1 on column %2 did not sort as expected").arg(click).arg(column);
            return result;
        }
    }
    if (paints.count < clicks)
        result.failure = QStringLiteral("only %1 repaints in %2 clicks").arg(paints.count).arg(clicks);
    result.note = QStringLiteral("%1 rows, column \"%2\"")
                      .arg(form.model()->rowCount())
                      .arg(form.model()->caption(column));
    form.close();
    return result;
}

QList<BenchResult> MeasureSortingAllColumns(const FoodIndex &index, int clicks)
{
    QList<BenchResult> results;
    for (int column = 0; column < FoodColumn::Count; ++column) {
        if (column != FoodColumn::Id)
            results.append(MeasureSorting(index, column, clicks));
    }
    return results;
}

BalanceResult MeasureBalance(const QString &dataDirectory, int runs)
{
    BalanceResult figures;
    BenchResult &result = figures.alone;
    SilentPrompts prompts;
    MainWindowContext context;
    context.dataDirectory = dataDirectory + QLatin1Char('/');
    context.prompts = &prompts;
    context.locale = QLocale();
    context.buildStamp = QStringLiteral("bench ");
    context.programFilePath = QCoreApplication::applicationFilePath();
    TMainForm form(context);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        result.failure = QStringLiteral("the main window was not shown");
        return figures;
    }
    auto *amount = form.findChild<QLineEdit *>(QStringLiteral("MengEdit"));

    // Twelve different foods in each meal, spread over the whole table, entered as a user does.
    const int foods = form.foodStore().index().count();
    int position = 0;
    for (int meal = 1; meal <= MealCount; ++meal) {
        form.setActiveMeal(meal);
        for (int tries = 0; form.mealPlan().entryCount(meal) < MaxEntriesPerMeal && tries < foods; ++tries) {
            form.ShowFoodInInputLine(position);
            amount->selectAll();
            QTest::keyClicks(amount, QStringLiteral("125"));
            form.EnterFood();
            position = (position + 13) % foods;
        }
    }
    int entries = 0;
    for (int meal = 1; meal <= MealCount; ++meal)
        entries += form.mealPlan().entryCount(meal);
    if (entries != MealCount * MaxEntriesPerMeal) {
        result.failure =
            QStringLiteral("only %1 entries: %2").arg(entries).arg(prompts.shown.join(QLatin1Char(' ')));
        return figures;
    }

    QList<QLabel *> labels;
    const QList<QLabel *> allLabels = form.findChildren<QLabel *>();
    for (QLabel *label : allLabels) {
        const QString name = label->objectName();
        if (name.startsWith(QLatin1String("MengLabelSu")) || name.startsWith(QLatin1String("LabelMa")) ||
            name.startsWith(QLatin1String("MengLabelTaSu")) || name.startsWith(QLatin1String("LabelTaSu")) ||
            name.startsWith(QLatin1String("ProzLabel")))
            labels.append(label);
    }
    // Every other run is timed until the window has painted (the labels' repaints are
    // posted and handled by Settle), so both figures see the same load.
    // The labels are painted as themselves, not through the window's own paint event; the
    // day's labels are always on view.
    QLabel *dayLabel = nullptr;
    for (QLabel *label : std::as_const(labels)) {
        if (dayLabel == nullptr && label->isVisible() &&
            label->objectName().startsWith(QLatin1String("LabelTaSu")))
            dayLabel = label;
    }
    PaintCounter paints(dayLabel);
    int paintedRuns = 0;
    for (int run = 0; run < 2 * runs; ++run) {
        for (QLabel *label : std::as_const(labels))
            label->setText(QString());
        Settle();
        if (run % 2 == 0) {
            result.samples.add(TimeMs([&] { form.RecomputeBalance(); }));
            continue;
        }
        const int before = paints.count;
        figures.withRepaint.add(TimeMs([&] {
            form.RecomputeBalance();
            Settle();
        }));
        paintedRuns += paints.count > before ? 1 : 0;
    }
    Settle();
    result.note = QStringLiteral("%1 foods, %2 entries, %3 labels set per run; repainted in %4 of %5 runs")
                      .arg(foods)
                      .arg(entries)
                      .arg(labels.size())
                      .arg(paintedRuns)
                      .arg(runs);
    form.hide();
    return figures;
}

namespace {

double ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

} // namespace

MemoryFigures MeasureMaxValuesMemory(const FoodIndex &index)
{
    MemoryFigures figures;
    auto note = [&figures](const QString &label) {
        Settle();
        figures.heapKb.append({label, double(mallinfo2().uordblks) / 1024.0});
        figures.residentKb.append({label, ResidentKb()});
    };
    // Made once and kept, as the main window keeps it.
    TMaxWerteForm form;
    note(QStringLiteral("window made, never opened"));
    for (int opening = 1; opening <= 2; ++opening) {
        form.fill(index);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            figures.failure = QStringLiteral("the maximum-values window was not shown");
            return figures;
        }
        form.MaxWerteListViewColumnClick(FoodColumn::FirstValue);
        note(QStringLiteral("opening %1, sorted once").arg(opening));
        form.close();
        note(QStringLiteral("opening %1 closed").arg(opening));
    }
    return figures;
}

BenchResult MeasureDateSwitch(const QString &dataDirectory, int runs)
{
    BenchResult result;
    QTemporaryDir documents;
    if (!documents.isValid()) {
        result.failure = QStringLiteral("no documents folder");
        return result;
    }
    SilentPrompts prompts;
    MainWindowContext context;
    context.dataDirectory = dataDirectory + QLatin1Char('/');
    context.prompts = &prompts;
    context.locale = QLocale();
    context.buildStamp = QStringLiteral("bench ");
    context.programFilePath = QCoreApplication::applicationFilePath();
    context.documentsFolder = documents.path();
    const QDate today(2026, 12, 11);
    context.clock = [today] { return QDateTime(today, QTime(12, 0)); };

    // A week of full days before today, the diary as a user who logs everything has it: each
    // switch reads 72 entries and shows six full meals.
    {
        FoodStore store(context.dataDirectory, QLocale());
        store.loadFiles();
        store.buildIndex();
        if (!WriteBenchDiaryDays(DiaryFolderIn(documents.path()), store.index(), today, 8,
                                 MealCount * MaxEntriesPerMeal, result.failure))
            return result;
    }
    TMainForm form(context);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        result.failure = QStringLiteral("the main window was not shown");
        return result;
    }
    auto *dateButton = form.findChild<QWidget *>(QStringLiteral("DatumBtn"));
    QLabel *dayLabel = form.labelNamed(QStringLiteral("LabelTaSu1"));
    PaintCounter paints(dayLabel);
    Settle();

    // Back through the week and forward again, each switch timed until the window has painted
    // the other day.
    int repainted = 0;
    for (int run = 0; run < runs; ++run) {
        const bool back = (run / 7) % 2 == 0;
        const int before = paints.count;
        result.samples.add(TimeMs([&] {
            if (back)
                form.ShowPreviousDay();
            else
                form.ShowNextDay();
            Settle();
        }));
        repainted += paints.count > before ? 1 : 0;
    }
    int entries = 0;
    for (int meal = 1; meal <= MealCount; ++meal)
        entries += form.mealPlan().entryCount(meal);
    if (entries != MealCount * MaxEntriesPerMeal || !prompts.shown.isEmpty()) {
        result.failure = QStringLiteral("the day shown holds %1 entries: %2")
                             .arg(entries)
                             .arg(prompts.shown.join(QLatin1Char(' ')));
        return result;
    }
    result.note = QStringLiteral("days of %1 entries, previous and next day in turns; day total repainted in "
                                 "%2 of %3 switches; the date reads \"%4\"")
                      .arg(entries)
                      .arg(repainted)
                      .arg(runs)
                      .arg(dateButton != nullptr ? dateButton->property("text").toString() : QString());
    form.hide();
    return result;
}
