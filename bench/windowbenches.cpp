#include "windowbenches.h"

#include "foodrowsmodel.h"
#include "foodstore.h"
#include "mainwindowcontext.h"
#include "reference.h"
#include "settings.h"
#include "silentprompts.h"
#include "tauswprojekteform.h"
#include "tmainform.h"
#include "tmaxwerteform.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

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
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
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
            // The sorted list is made when first needed, not at start-up; counted here, so
            // that the figure keeps covering the whole index.
            store.index().sortedCount();
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

BenchResult MeasureFiltering(const FoodIndex &index, int rounds)
{
    BenchResult result;
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
        const char word[] = "apfel";
        const int letters = int(sizeof(word)) - 1;
        int narrowed = all;

        // The repaint costs by the rows it draws, so keys that leave a full list and keys that
        // leave a few rows are also counted apart; the handler alone is the time until the list
        // has its new rows, before it is drawn.
        const int rowsInView = list->viewport()->height() / list->verticalHeader()->defaultSectionSize();
        Samples handlerOnly;
        Samples fullList;
        Samples fewRows;
        auto timeRelease = [&](auto key) {
            QTest::keyPress(edit, key);
            Settle();
            double handlerMs = 0;
            const double ms = TimeMs([&] {
                handlerMs = TimeMs([&] { QTest::keyRelease(edit, key); });
                Settle();
            });
            result.samples.add(ms);
            handlerOnly.add(handlerMs);
            (list->model()->rowCount() >= rowsInView ? fullList : fewRows).add(ms);
        };
        Settle();
        paints.count = 0;
        for (int round = 0; round < rounds; ++round) {
            for (int i = 0; i < letters; ++i)
                timeRelease(word[i]);
            narrowed = list->model()->rowCount();
            for (int i = 0; i < letters; ++i)
                timeRelease(Qt::Key_Backspace);
        }
        if (narrowed >= all || list->model()->rowCount() != all)
            return finish(
                QStringLiteral("the keys did not filter the list (%1 of %2 rows)").arg(narrowed).arg(all));
        if (paints.count < result.samples.count())
            return finish(QStringLiteral("only %1 repaints in %2 key releases")
                              .arg(paints.count)
                              .arg(result.samples.count()));
        result.note =
            QStringLiteral("%1 foods, typing and erasing \"%2\" (%3 rows left); handler alone %4 ms; "
                           "with a full list %5 ms, with fewer rows than the view holds %6 ms")
                .arg(all)
                .arg(QLatin1String(word))
                .arg(narrowed)
                .arg(handlerOnly.median(), 0, 'f', 3)
                .arg(fullList.median(), 0, 'f', 3)
                .arg(fewRows.median(), 0, 'f', 3);
        form.reject();
    });
    form.selectFood(index, QPoint(0, 0));
    return result;
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

BenchResult MeasureBalance(const QString &dataDirectory, int runs)
{
    BenchResult result;
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
        return result;
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
        return result;
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
    for (int run = 0; run < runs; ++run) {
        for (QLabel *label : std::as_const(labels))
            label->setText(QString());
        Settle();
        result.samples.add(TimeMs([&] { form.RecomputeBalance(); }));
    }
    Settle();
    result.note = QStringLiteral("%1 entries, %2 labels set per run").arg(entries).arg(labels.size());
    form.hide();
    return result;
}
