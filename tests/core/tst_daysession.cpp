// The day session without any window: every command's effect on the day, undo and redo of
// every kind of change, the changed flag after them, and when the recovery file is written,
// all under a scheduler whose time the test moves on.

#include "daysession.h"

#include "datafiles.h"
#include "diary.h"
#include "fakescheduler.h"
#include "foodlines.h"
#include "mealfile.h"
#include "recentfoods.h"
#include "scriptedprompts.h"
#include "sessionfile.h"
#include "testfiles.h"
#include "textformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Header = QStringLiteral("VNR=Mz251026");
const QString NoRow = QStringLiteral("Es ist keine Zeile ausgewählt!");
constexpr int Delay = 2000;

// A data folder with four Swiss foods and no reference file (the built-in requirement holds),
// and a session on it with scripted prompts and a scheduler the test moves on.
class Day
{
public:
    Day()
    {
        const QStringList values{"52",  "11,4", "10,3", "0,2", "0", "0,3", "0",
                                 "0,2", "5",    "5",    "0",   "0", "85,6"};
        WriteBytes(
            path(SwissFoodFileName),
            CrLfLines({QStringLiteral("Schweizer Nährwertdatenbank (Testauszug)"), QStringLiteral("ID;Name;"),
                       QStringLiteral("Einheit;"), SwissFoodLine("1001", "Apfel, roh", values),
                       SwissFoodLine("1002", "Vollmilch", values), SwissFoodLine("1003", "Butter", values),
                       SwissFoodLine("1004", "Brot", values)}));
        WriteBytes(path(MeasuresFileName),
                   CrLfLines({QStringLiteral("ID;Maß;Gramm;"), QStringLiteral("1001;Stück klein;100;"),
                              QStringLiteral("1001;Stück mittel;150;"), QStringLiteral("1002;Tasse;200;"),
                              QStringLiteral("1003;EL;10;"), QStringLiteral("1004;Scheibe;50;")}));
        start();
    }

    // A new session on the same folder, as a new start of the program.
    void start()
    {
        session.reset();
        DaySessionContext context;
        context.dataDirectory = dir.path() + QLatin1Char('/');
        context.prompts = &prompts;
        context.clock = [] { return QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)); };
        context.locale = QLocale(QLocale::German, QLocale::Germany);
        context.scheduler = &scheduler;
        context.recoveryDelayMs = Delay;
        context.documentsFolder = documentsFolder;
        session = std::make_unique<DaySession>(context);
        session->loadData();
        prompts.clear();
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    void enter(const QString &id, const QString &amount)
    {
        session->showFood(session->foodStore().index().findById(id));
        session->setAmountText(amount);
        session->enterFood();
    }

    // One step by name: "pick:<id>:<amount>" (a food and its amount into the input line),
    // "enter:<id>:<amount>" (picked and entered), "enter" (what the line holds), "remove:<row>",
    // "change:<row>", "up:<row>", "down:<row>", "clear:<meal>", "meal:<n>", "reset:<answer>",
    // "save:<name>:<answer>", "read:<name>:<answer>", "line" (empty the input line), "undo", "redo",
    // "yesterday" ("Gestern"), "copy:<yyyy-MM-dd>:<meal>" ("Mahlzeit übernehmen ..."); an
    // answer is the one given to the step's question ("Änderungen speichern?", for a save the overwrite
    // question), none for none.
    void run(const QString &step)
    {
        const QStringList parts = step.split(u':');
        prompts.answers.clear();
        const QString &name = parts.first();
        const int number = parts.value(1).toInt();
        if (name == QLatin1String("pick")) {
            session->showFood(session->foodStore().index().findById(parts.at(1)));
            session->setAmountText(parts.at(2));
        } else if (name == QLatin1String("enter") && parts.size() == 1) {
            session->enterFood();
        } else if (name == QLatin1String("enter")) {
            enter(parts.at(1), parts.at(2));
        } else if (name == QLatin1String("remove")) {
            session->removeEntry(number);
        } else if (name == QLatin1String("change")) {
            session->changeEntry(number);
        } else if (name == QLatin1String("up")) {
            session->moveEntryUp(session->plan().activeMeal(), number);
        } else if (name == QLatin1String("down")) {
            session->moveEntryDown(session->plan().activeMeal(), number);
        } else if (name == QLatin1String("clear")) {
            session->clearMeal(number);
        } else if (name == QLatin1String("meal")) {
            session->setActiveMeal(number);
        } else if (name == QLatin1String("reset")) {
            prompts.answers.append(number);
            session->resetAll();
        } else if (name == QLatin1String("save")) {
            prompts.answers.append(parts.value(2).toInt());
            prompts.savePaths.append(path(parts.at(1)));
            session->saveMealFile();
        } else if (name == QLatin1String("read")) {
            prompts.answers.append(parts.value(2).toInt());
            prompts.openPaths.append(path(parts.at(1)));
            session->readMealFile();
        } else if (name == QLatin1String("line")) {
            session->clearInputLine();
        } else if (name == QLatin1String("yesterday")) {
            session->copyYesterdaysMeal();
        } else if (name == QLatin1String("copy")) {
            session->copyDiaryMeal(QDate::fromString(parts.at(1), Qt::ISODate), parts.value(2).toInt());
        } else if (name == QLatin1String("undo")) {
            session->undo();
        } else if (name == QLatin1String("redo")) {
            session->redo();
        } else {
            QFAIL(qPrintable(step));
        }
        // An answer the step did not need is no answer to the next one.
        prompts.answers.clear();
    }

    void runAll(const QStringList &steps)
    {
        for (const QString &step : steps)
            run(step);
    }

    // The meals as "1: Apfel, roh 150,0 | Brot 2,0; 3: ..." (empty meals left out).
    QString meals() const
    {
        QStringList parts;
        for (int n = 1; n <= MealCount; ++n) {
            QStringList entries;
            for (const MealEntry &entry : session->plan().meal(n))
                entries.append(entry.name.trimmed() + QLatin1Char(' ') + entry.amount);
            if (!entries.isEmpty())
                parts.append(QStringLiteral("%1: ").arg(n) + entries.join(QStringLiteral(" | ")));
        }
        return parts.join(QStringLiteral("; "));
    }

    // The household measures the entries of meal 1 were typed in, "2 Scheiben (100 g) | ".
    QString measures() const
    {
        QStringList texts;
        for (const MealEntry &entry : session->plan().meal(1))
            texts.append(entry.measure);
        return texts.join(QStringLiteral(" | "));
    }

    // Everything undo puts back, as one text to compare.
    QString whole() const
    {
        const MealPlan &plan = session->plan();
        const InputLine &line = session->inputLine();
        return meals() +
               QStringLiteral(" / active %1 / changed %2 / label '%3' / loaded '%4' / line '%5' '%6' '%7'")
                   .arg(plan.activeMeal())
                   .arg(int(plan.changed()))
                   .arg(session->fileLabel(), FileNamePart(plan.loadedMealFilePath()), line.id, line.amount,
                        line.unitCaption);
    }

    QTemporaryDir dir;
    QString documentsFolder; // none: no diary, the dialogs open in the data folder at first
    ScriptedPrompts prompts;
    FakeScheduler scheduler;
    std::unique_ptr<DaySession> session;
};

// A meal file in the folder of day.
void WriteMealFile(Day &day, const QString &name, const QStringList &entries)
{
    QVERIFY(WriteBytes(day.path(name), CrLfLines(QStringList{Header} + entries)));
}

} // namespace

class TestDaySession : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void amountsInMeasures_data();
    void amountsInMeasures();
    void measureUsedStaysWithTheEntry_data();
    void measureUsedStaysWithTheEntry();
    void measuresOfThePickedFood_data();
    void measuresOfThePickedFood();
    void signalNamesWhatChanged_data();
    void signalNamesWhatChanged();
    void undoAndRedoEveryKindOfChange_data();
    void undoAndRedoEveryKindOfChange();
    void undoWithNothingToUndo();
    void changedFlagFollowsTheFileAfterUndo_data();
    void changedFlagFollowsTheFileAfterUndo();
    void historyKeepsTheLastHundredSteps();
    void recoveryFileTiming();
    void recoveryFileFollowsUndo();
    void dialogsOpenInTheFolderLastUsed_data();
    void dialogsOpenInTheFolderLastUsed();
    void recentFoodsCountTheDayOnShow();
    void copyMealsOfTheDiary_data();
    void copyMealsOfTheDiary();
};

void TestDaySession::commands_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("meals");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("undoSteps");
    QTest::addColumn<QStringList>("notices");

    const QStringList two{"enter:1001:150", "enter:1004:2"};
    const QStringList none;
    QTest::newRow("enter") << QStringList{"enter:1001:150"} << "1: Apfel, roh 150,0" << true << 1 << none;
    QTest::newRow("enter into meal 3")
        << QStringList{"meal:3", "enter:1002:200"} << "3: Vollmilch 200,0" << true << 1 << none;
    QTest::newRow("enter refused: no amount")
        << QStringList{"enter:1001:"} << "" << false << 0 << QStringList{"Es ist keine Menge angegeben!"};
    QTest::newRow("enter refused: below 0,1") << QStringList{"enter:1001:0,09"} << "" << false << 0
                                              << QStringList{"Die Menge muss größer 0,1 sein!"};
    QTest::newRow("remove") << two + QStringList{"remove:0"} << "1: Brot 2,0" << true << 3 << none;
    QTest::newRow("remove without a row: changed, no step")
        << QStringList{"remove:-1"} << "" << true << 0 << QStringList{NoRow};
    QTest::newRow("change") << two + QStringList{"change:0"} << "1: Brot 2,0" << true << 3 << none;
    QTest::newRow("change without a row")
        << two + QStringList{"change:-1"} << "1: Apfel, roh 150,0 | Brot 2,0" << true << 2
        << QStringList{NoRow};
    QTest::newRow("up") << two + QStringList{"up:1"} << "1: Brot 2,0 | Apfel, roh 150,0" << true << 3 << none;
    QTest::newRow("up from the first: nothing")
        << two + QStringList{"up:0"} << "1: Apfel, roh 150,0 | Brot 2,0" << true << 2 << none;
    QTest::newRow("down") << two + QStringList{"down:0"} << "1: Brot 2,0 | Apfel, roh 150,0" << true << 3
                          << none;
    QTest::newRow("down from the last: nothing")
        << two + QStringList{"down:1"} << "1: Apfel, roh 150,0 | Brot 2,0" << true << 2 << none;
    QTest::newRow("clear a meal") << two + QStringList{"clear:1"} << "" << true << 3 << none;
    QTest::newRow("clear an empty meal: no change, no step")
        << QStringList{"clear:2"} << "" << false << 0 << none;
    QTest::newRow("reset, Nein: still changed") << two + QStringList{"reset:0"} << "" << true << 3 << none;
    QTest::newRow("reset question cancelled")
        << two + QStringList{"reset:2"} << "1: Apfel, roh 150,0 | Brot 2,0" << true << 2 << none;
    QTest::newRow("save") << two + QStringList{"save:tag.txt"} << "1: Apfel, roh 150,0 | Brot 2,0" << false
                          << 2 << QStringList{" Mahlzeit(en) wurden gespeichert. "};
    QTest::newRow("save, then read the file back")
        << two + QStringList{"save:tag.txt", "reset:0", "read:tag.txt"} << "1: Apfel, roh 150,0 | Brot 2,0"
        << false << 4 << QStringList{" Mahlzeit(en) wurden gespeichert. "};
}

void TestDaySession::commands()
{
    QFETCH(QStringList, steps);
    Day day;
    day.runAll(steps);
    QTEST(day.meals(), "meals");
    QTEST(day.session->plan().changed(), "changed");
    QTEST(day.session->history().undoCount(), "undoSteps");
    QTEST(day.prompts.texts(QStringLiteral("notice")), "notices");
}

// Household measures become grams (one decimal, as typed grams are kept) in the one enter
// command; what the food lacks is refused as an amount is, and nothing is entered.
void TestDaySession::amountsInMeasures_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("meals");
    QTest::addColumn<QStringList>("notices");

    const QStringList none;
    QTest::newRow("plural") << "enter:1004:2 Scheiben" << "1: Brot 100,0" << none;
    QTest::newRow("decimal comma") << "enter:1003:1,5 EL" << "1: Butter 15,0" << none;
    QTest::newRow("half as a sign") << "enter:1002:½ Tasse" << "1: Vollmilch 100,0" << none;
    QTest::newRow("a third: one decimal kept") << "enter:1002:1/3 Tasse" << "1: Vollmilch 66,7" << none;
    QTest::newRow("Stück alone is the middle one") << "enter:1001:Stück" << "1: Apfel, roh 150,0" << none;
    QTest::newRow("grams as before") << "enter:1004:120" << "1: Brot 120,0" << none;
    QTest::newRow("measure the food lacks")
        << "enter:1001:2 Scheiben" << ""
        << QStringList{QStringLiteral("Das Maß „Scheibe“ ist für dieses Lebensmittel nicht bekannt.")};
    QTest::newRow("no measure at all")
        << "enter:1004:2 Teller" << ""
        << QStringList{QStringLiteral("Das Maß „Teller“ ist für dieses Lebensmittel nicht bekannt.")};
    QTest::newRow("none of a measure: too small")
        << "enter:1004:0 Scheiben" << "" << QStringList{QStringLiteral("Die Menge muss größer 0,1 sein!")};
}

void TestDaySession::amountsInMeasures()
{
    QFETCH(QString, step);
    Day day;
    day.run(step);
    QTEST(day.meals(), "meals");
    QTEST(day.prompts.texts(QStringLiteral("notice")), "notices");
    const bool entered = !day.meals().isEmpty();
    QCOMPARE(day.session->history().undoCount(), entered ? 1 : 0);
    QCOMPARE(day.session->plan().changed(), entered);
}

// The measure an amount was typed in goes with its entry through moves, undo and redo, and
// stays in memory only: the file holds grams. A refused measure stays typed in the line.
void TestDaySession::measureUsedStaysWithTheEntry_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("measures");
    QTest::addColumn<QString>("lineAmount");

    QTest::newRow("typed in a measure") << QStringList{"enter:1004:2 Scheiben"} << "2 Scheiben (100 g)" << "";
    QTest::newRow("typed in grams: none") << QStringList{"enter:1004:100"} << "" << "";
    QTest::newRow("moved with its entry")
        << QStringList{"enter:1001:Stück", "enter:1004:2 Scheiben", "up:1"}
        << "2 Scheiben (100 g) | 1 Stück mittel (150 g)" << "";
    QTest::newRow("back with undo of a later step")
        << QStringList{"enter:1004:2 Scheiben", "enter:1001:150", "remove:0", "undo"} << "2 Scheiben (100 g) | "
        << "";
    QTest::newRow("back with redo") << QStringList{"enter:1004:½ Scheibe", "undo", "redo"} << "½ Scheibe (25 g)"
                                    << "";
    QTest::newRow("read from its file: grams only")
        << QStringList{"enter:1004:2 Scheiben", "save:tag.txt", "reset:0", "read:tag.txt"} << "" << "";
    QTest::newRow("refused: the typed text stays")
        << QStringList{"pick:1001:2 Scheiben", "enter"} << "" << "2 Scheiben";
}

void TestDaySession::measureUsedStaysWithTheEntry()
{
    QFETCH(QStringList, steps);
    Day day;
    day.runAll(steps);
    QTEST(day.measures(), "measures");
    QTEST(day.session->inputLine().amount, "lineAmount");
}

// The list beside the amount field: the picked food's measures, none without a pick. The file
// is read at the first pick, not at start, so one removed after the start gives none.
void TestDaySession::measuresOfThePickedFood_data()
{
    QTest::addColumn<QString>("pick"); // a food id; empty: none picked
    QTest::addColumn<bool>("removeFileAfterStart");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("bread") << "1004" << false << QStringList{"1 Scheibe (50 g)"};
    QTest::newRow("apple, two sizes") << "1001" << false
                                      << QStringList{"1 Stück klein (100 g)", "1 Stück mittel (150 g)"};
    QTest::newRow("own food per piece: a portion") << "30001" << false << QStringList{"1 Portion"};
    QTest::newRow("nothing picked") << "" << false << QStringList();
    QTest::newRow("file read at the first pick") << "1004" << true << QStringList();
}

void TestDaySession::measuresOfThePickedFood()
{
    QFETCH(QString, pick);
    QFETCH(bool, removeFileAfterStart);
    Day day;
    // A recipe saved per portion: its amounts are pieces.
    QVERIFY(WriteBytes(day.path(OwnFoodFileName),
                       CrLfLines({QStringLiteral("Zusätzliche Lebensmittel;;Stand;01.12.25;"),
                                  QStringLiteral("ID;Lebensmittel;Energie;"),
                                  QStringLiteral("30001;Gemüsesuppe;1;180;25;12;6;2;3;0,1;k.A.;k.A.;k.A.;"
                                                 "k.A.;k.A.;300;")})));
    day.start();
    if (removeFileAfterStart)
        QVERIFY(QFile::remove(day.path(MeasuresFileName)));
    if (!pick.isEmpty())
        day.run(QStringLiteral("pick:%1:").arg(pick));
    const QList<FoodMeasure> measures = day.session->inputMeasures();
    QTEST(MeasureListTexts(measures, day.session->inputLine().referenceAmount), "texts");
    QStringList choices;
    for (const FoodMeasure &measure : measures)
        choices.append(MeasureAmountText(measure));
    // Each choice reads back as its measure.
    for (const QString &choice : choices) {
        day.session->setAmountText(choice);
        QCOMPARE(day.session->enterFood(), FocusRequest::None);
        day.run(QStringLiteral("pick:%1:").arg(pick));
    }
    QCOMPARE(day.session->plan().entryCount(1), int(choices.size()));
}

void TestDaySession::signalNamesWhatChanged_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<DayParts>("parts"); // all the signals of the step together

    const QStringList two{"meal:2", "enter:1001:150", "enter:1004:2"};
    const DayParts meal2 = MealPart(2);
    QTest::newRow("enter") << QStringList{"meal:2"} << "enter:1001:150"
                           << (meal2 | DayPart::Balance | DayPart::InputLine);
    QTest::newRow("enter refused: only the pick before it")
        << QStringList() << "enter:1001:" << DayParts(DayPart::InputLine);
    QTest::newRow("remove") << two << "remove:0" << (meal2 | DayPart::Balance);
    QTest::newRow("change") << two << "change:1" << (meal2 | DayPart::Balance | DayPart::InputLine);
    QTest::newRow("move: the sums stay") << two << "up:1" << DayParts(meal2);
    QTest::newRow("clear") << two << "clear:2" << (meal2 | DayPart::Balance);
    QTest::newRow("input line") << two << "line" << DayParts(DayPart::InputLine);
    QTest::newRow("another meal") << QStringList() << "meal:4" << DayParts(DayPart::ActiveMeal);
    QTest::newRow("reset") << two << "reset:0"
                           << (DayPart::Meals | DayPart::Balance | DayPart::InputLine | DayPart::FileLabel |
                               DayPart::ActiveMeal);
    QTest::newRow("save") << two << "save:tag.txt" << DayParts(DayPart::FileLabel);
    QTest::newRow("undo of a move") << two + QStringList{"up:1"} << "undo"
                                    << (DayPart::Meals | DayPart::Balance | DayPart::ActiveMeal |
                                        DayPart::PassingStatus);
    QTest::newRow("undo of a reset: the file's label too")
        << two + QStringList{"save:tag.txt", "reset:0"} << "undo"
        << (DayPart::Meals | DayPart::Balance | DayPart::ActiveMeal | DayPart::InputLine |
            DayPart::FileLabel | DayPart::PassingStatus);
}

void TestDaySession::signalNamesWhatChanged()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);
    Day day;
    day.runAll(setup);
    QSignalSpy spy(day.session.get(), &DaySession::dayChanged);
    day.run(step);
    DayParts parts;
    for (const QList<QVariant> &signal : spy)
        parts |= signal.at(0).value<DayParts>();
    QTEST(parts, "parts");
}

void TestDaySession::undoAndRedoEveryKindOfChange_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("what"); // after "Rückgängig: " and "Wiederholen: "

    const QStringList two{"enter:1001:150", "enter:1004:2"};
    QTest::newRow("enter: the food back in the line")
        << QStringList{"enter:1002:250", "pick:1001:150"} << "enter"
        << "Lebensmittel eintragen (Apfel, roh)";
    QTest::newRow("remove") << two << "remove:1"
                            << "Lebensmittel entfernen (Brot)";
    QTest::newRow("change: the entry and the line before it")
        << two + QStringList{"enter:1002:"} << "change:0"
        << "Lebensmittel ändern (Apfel, roh)";
    QTest::newRow("move up") << two << "up:1"
                             << "Lebensmittel verschieben (Brot)";
    QTest::newRow("move down") << two << "down:0"
                               << "Lebensmittel verschieben (Apfel, roh)";
    QTest::newRow("clear a meal on another page")
        << two + QStringList{"meal:3", "enter:1002:100"} << "clear:3"
        << "Tabelle löschen (Mahlzeit 3)";
    QTest::newRow("reset after a save: file label and names back")
        << two + QStringList{"save:tag.txt"} << "reset:0"
        << "Formularfelder zurücksetzen";
    QTest::newRow("read a meal file over a changed day") << two << "read:montag.txt:0"
                                                         << "Mahlzeiten - Datei einlesen (montag.txt)";
    QTest::newRow("read a meal file over a saved day")
        << two + QStringList{"save:tag.txt", "enter:1003:10"} << "read:montag.txt:0"
        << "Mahlzeiten - Datei einlesen (montag.txt)";
}

void TestDaySession::undoAndRedoEveryKindOfChange()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);
    QFETCH(QString, what);

    Day day;
    WriteMealFile(day, QStringLiteral("montag.txt"),
                  {QStringLiteral("Mahlzeit1=1;1003;20,0;"), QStringLiteral("Mahlzeit2=1;1002;300,0;")});
    day.runAll(setup);
    const QString before = day.whole();
    day.run(step);
    const QString after = day.whole();
    QVERIFY(after != before);
    const int steps = day.session->history().undoCount();

    QVERIFY(day.session->undo());
    QCOMPARE(day.whole(), before);
    QCOMPARE(day.session->passingStatus(), QStringLiteral("Rückgängig: ") + what);
    QCOMPARE(day.session->history().undoCount(), steps - 1);

    QVERIFY(day.session->redo());
    QCOMPARE(day.whole(), after);
    QCOMPARE(day.session->passingStatus(), QStringLiteral("Wiederholen: ") + what);
    QVERIFY(!day.session->canRedo());

    // A new change after an undo makes the undone step unreachable.
    day.session->undo();
    day.session->clearMeal(1);
    if (day.whole() != before)
        QVERIFY(!day.session->canRedo());
}

void TestDaySession::undoWithNothingToUndo()
{
    Day day;
    QSignalSpy spy(day.session.get(), &DaySession::dayChanged);
    QVERIFY(!day.session->undo());
    QCOMPARE(day.session->passingStatus(), QStringLiteral("Nichts rückgängig zu machen"));
    QVERIFY(!day.session->redo());
    QCOMPARE(day.session->passingStatus(), QStringLiteral("Nichts zu wiederholen"));
    // Only the notes: the day is as it was, and nothing reached the disk.
    for (const QList<QVariant> &signal : spy)
        QCOMPARE(signal.at(0).value<DayParts>(), DayParts(DayPart::PassingStatus));
    QCOMPARE(day.scheduler.pendingCount(), 0);
    QCOMPARE(day.prompts.calls.size(), 0);
}

void TestDaySession::changedFlagFollowsTheFileAfterUndo_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("label"); // the file the day belongs to afterwards

    const QString montag = QStringLiteral("Datei montag.txt");
    QTest::newRow("read, enter, undo: the file's day")
        << QStringList{"read:montag.txt", "enter:1001:1", "undo"} << false << montag;
    QTest::newRow("... and redo") << QStringList{"read:montag.txt", "enter:1001:1", "undo", "redo"} << true
                                  << montag;
    // Undo keeps the file the day was saved to, as any editor does.
    QTest::newRow("enter, save, undo: the file holds the entry")
        << QStringList{"enter:1001:1", "save:tag.txt", "undo"} << true << "Datei tag.txt";
    QTest::newRow("enter, save, undo, redo: the saved day")
        << QStringList{"enter:1001:1", "save:tag.txt", "undo", "redo"} << false << "Datei tag.txt";
    QTest::newRow("read, enter, read again with Nein, undo twice: the day as first read")
        << QStringList{"read:montag.txt", "enter:1001:1", "read:montag.txt:0", "undo", "undo"} << false
        << montag;
    QTest::newRow("read, enter, save over the file, undo: the file holds the entry now")
        << QStringList{"read:montag.txt", "enter:1001:1", "save:montag.txt:1", "undo"} << true << montag;
    QTest::newRow("read, save as another file, reset, undo: that file's day")
        << QStringList{"read:montag.txt", "save:dienstag.txt", "reset", "undo"} << false
        << "Datei dienstag.txt";
    QTest::newRow("a new day, enter, undo: nothing left to save")
        << QStringList{"enter:1001:1", "undo"} << false << "";
}

void TestDaySession::changedFlagFollowsTheFileAfterUndo()
{
    QFETCH(QStringList, steps);
    Day day;
    WriteMealFile(day, QStringLiteral("montag.txt"), {QStringLiteral("Mahlzeit1=1;1003;20,0;")});
    day.runAll(steps);
    QTEST(day.session->plan().changed(), "changed");
    QTEST(day.session->fileLabel(), "label");
}

void TestDaySession::historyKeepsTheLastHundredSteps()
{
    Day day;
    day.runAll({"enter:1001:1", "enter:1002:2", "enter:1003:3"});
    QStringList days{day.meals()};
    for (int i = 0; i < DayHistory::MaxSteps + 7; ++i) {
        day.run(i % 2 == 0 ? QStringLiteral("up:2") : QStringLiteral("down:0"));
        days.append(day.meals());
    }
    QCOMPARE(day.session->history().undoCount(), DayHistory::MaxSteps);
    for (int i = 0; i < DayHistory::MaxSteps; ++i)
        QVERIFY(day.session->undo());
    QVERIFY(!day.session->undo());
    QCOMPARE(day.meals(), days.at(days.size() - 1 - DayHistory::MaxSteps));
    QCOMPARE(day.session->history().redoCount(), DayHistory::MaxSteps);
}

void TestDaySession::recoveryFileTiming()
{
    Day day;
    const QString recovery = day.path(SessionFileName);
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QCOMPARE(day.scheduler.nextDueInMs(), Delay);
    day.scheduler.advance(Delay - 500);
    // Typing on does not put the write off: at most one delay after the first change.
    day.enter(QStringLiteral("1002"), QStringLiteral("100"));
    QCOMPARE(day.scheduler.pendingCount(), 1);
    day.scheduler.advance(499);
    QVERIFY(!QFileInfo::exists(recovery));
    day.scheduler.advance(1);
    QCOMPARE(ReadBytes(recovery),
             EncodeTextLines(SessionFileLines(day.session->plan(), QString()), TextEncoding::Utf8Bom));

    // A save takes the day off the recovery file at once, and nothing is left waiting.
    day.enter(QStringLiteral("1003"), QStringLiteral("10"));
    QCOMPARE(day.scheduler.pendingCount(), 1);
    day.run(QStringLiteral("save:tag.txt"));
    QVERIFY(!QFileInfo::exists(recovery));
    QCOMPARE(day.scheduler.pendingCount(), 0);

    // A normal end removes it as well.
    day.enter(QStringLiteral("1004"), QStringLiteral("1"));
    day.scheduler.advance(Delay);
    QVERIFY(QFileInfo::exists(recovery));
    day.prompts.answers.append(AnswerRight); // "Nein" to saving
    QVERIFY(day.session->close());
    QVERIFY(!QFileInfo::exists(recovery));
    QCOMPARE(day.scheduler.pendingCount(), 0);
}

void TestDaySession::recoveryFileFollowsUndo()
{
    Day day;
    WriteMealFile(day, QStringLiteral("montag.txt"), {QStringLiteral("Mahlzeit1=1;1003;20,0;")});
    const QString recovery = day.path(SessionFileName);
    day.run(QStringLiteral("read:montag.txt"));
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    day.scheduler.advance(Delay);
    QVERIFY(QFileInfo::exists(recovery));

    // Back to the day of the file: nothing unsaved, so nothing to keep.
    day.session->undo();
    QVERIFY(!QFileInfo::exists(recovery));
    QCOMPARE(day.scheduler.pendingCount(), 0);

    // Forward again: unsaved once more, on disk one delay later, with the file it came from.
    day.session->redo();
    QVERIFY(!QFileInfo::exists(recovery));
    day.scheduler.advance(Delay);
    const SessionFile kept = ReadSessionFile(day.dir.path() + QLatin1Char('/'));
    QCOMPARE(kept.status, SessionFileStatus::Ok);
    QCOMPARE(kept.entryCount, 2);
    QCOMPARE(kept.fileLabel, QStringLiteral("Datei montag.txt"));

    // Started again after a crash, the day comes back, and undoing the take-over empties it.
    day.start();
    day.prompts.answers.append(AnswerLeft);
    day.session->offerRecovery();
    QCOMPARE(day.meals(), QStringLiteral("1: Butter 20,0 | Apfel, roh 100,0"));
    QVERIFY(day.session->plan().changed());
    QVERIFY(day.session->undo());
    QCOMPARE(day.meals(), QString());
    QCOMPARE(day.session->passingStatus(),
             QStringLiteral("Rückgängig: Wiederherstellen der letzten Sitzung"));
    QVERIFY(!QFileInfo::exists(recovery));
}

void TestDaySession::dialogsOpenInTheFolderLastUsed_data()
{
    QTest::addColumn<QString>("kind"); // how a folder comes to be used
    QTest::newRow("meal file saved") << "save";
    QTest::newRow("meal file read") << "read";
    QTest::newRow("report written") << "report";
}

void TestDaySession::dialogsOpenInTheFolderLastUsed()
{
    QFETCH(QString, kind);
    Day day;
    day.documentsFolder = day.path(QStringLiteral("Dokumente"));
    day.start();
    const QString first = UserFilesFolder(day.documentsFolder);
    const bool meal = kind != QLatin1String("report");
    const auto usedFolder = [&] { return meal ? day.session->mealFileFolder() : day.session->reportFolder(); };
    const auto otherFolder = [&] { return meal ? day.session->reportFolder() : day.session->mealFileFolder(); };
    const auto use = [&](const QString &folder) {
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/tag.txt");
        const QString opensIn = usedFolder();
        day.prompts.clear();
        if (kind == QLatin1String("save")) {
            day.enter(QStringLiteral("1001"), QStringLiteral("100"));
            day.prompts.savePaths.append(file);
            QFile::remove(file);
            QVERIFY(day.session->saveMealFile());
            QCOMPARE(day.prompts.calls.at(0).request.initialFolder, opensIn);
        } else if (kind == QLatin1String("read")) {
            QVERIFY(WriteBytes(file, CrLfLines({Header, QStringLiteral("Mahlzeit1=1;1003;20,0;")})));
            day.prompts.openPaths.append(file);
            day.prompts.answers.append(AnswerRight); // a changed day is not saved
            day.session->readMealFile();
            QCOMPARE(day.meals(), QStringLiteral("1: Butter 20,0"));
            QCOMPARE(day.prompts.calls.last().request.initialFolder, opensIn);
        } else {
            day.session->rememberReportFolder(file);
        }
    };

    // The first time in the user's files folder, each kind.
    QCOMPARE(usedFolder(), first);
    QCOMPARE(otherFolder(), first);
    const QString elsewhere = day.path(QStringLiteral("Ablage"));
    use(elsewhere);
    QCOMPARE(usedFolder(), elsewhere + QLatin1Char('/'));
    QCOMPARE(otherFolder(), first);

    // Kept from run to run, in NwConfig.dat beside the lines it had.
    day.start();
    QCOMPARE(usedFolder(), elsewhere + QLatin1Char('/'));
    QCOMPARE(otherFolder(), first);
    const QByteArray kept = QByteArray(meal ? "mahlzeitordner=" : "berichtordner=") + QFile::encodeName(elsewhere) + "/\r\n";
    QVERIFY(ReadBytes(day.path(SettingsFileName)).contains(kept));

    // A dialog cancelled keeps the folder; a read that finds no file keeps it too.
    day.prompts.clear();
    if (meal)
        day.session->readMealFile();
    QCOMPARE(usedFolder(), elsewhere + QLatin1Char('/'));

    // The folder gone: the first folder again.
    QVERIFY(QDir(elsewhere).removeRecursively());
    QCOMPARE(usedFolder(), first);
    use(day.path(QStringLiteral("Neu")));
    QCOMPARE(usedFolder(), day.path(QStringLiteral("Neu/")));
}

void TestDaySession::recentFoodsCountTheDayOnShow()
{
    Day day;
    day.documentsFolder = day.path(QStringLiteral("Dokumente"));
    const QString diary = DiaryFolderIn(day.documentsFolder);
    QVERIFY(QDir().mkpath(diary));
    // Yesterday from its file; today (the clock's day) as it stands, before its file is written.
    QVERIFY(WriteBytes(diary + DiaryFileName(QDate(2025, 10, 25)),
                       CrLfLines({Header, QStringLiteral("Mahlzeit1=1;1004;50,0;")})));
    day.start();
    day.session->openDiary();
    day.runAll({QStringLiteral("enter:1002:200"), QStringLiteral("enter:1001:100"), QStringLiteral("enter:1002:100")});
    QStringList ids;
    const DaySession &session = *day.session;
    for (int position : RecentFoodsOfDiary(session.diary()->folder(), session.today(), session.foodStore().index(),
                                           session.diaryDate(), session.plan()))
        ids.append(day.session->foodStore().index().sortedId(position));
    // Most often first, then the later day.
    QCOMPARE(ids, (QStringList{QStringLiteral("1002"), QStringLiteral("1001"), QStringLiteral("1004")}));
}

// "Gestern" and "Mahlzeit übernehmen ..." on a diary whose today is Sunday 26 October 2025 and
// whose Saturday has two foods in meal 1 and one in meal 2.
void TestDaySession::copyMealsOfTheDiary_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("meals");
    QTest::addColumn<int>("undoSteps");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QString>("status"); // the passing note at the end

    const QStringList none;
    const QString copied = QStringLiteral("Rückgängig: Gestern (Mahlzeit 1 vom 25.10.2025)");
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven.append(QStringLiteral("enter:1003:10"));
    const QString butter11 = QStringList(11, QStringLiteral("Butter 10,0")).join(QStringLiteral(" | "));

    QTest::newRow("Gestern appends yesterday's meal of the same number")
        << QStringList{"enter:1003:10", "yesterday"} << "1: Butter 10,0 | Apfel, roh 150,0 | Brot 50,0" << 2
        << none << "";
    QTest::newRow("Gestern in meal 2") << QStringList{"meal:2", "yesterday"} << "2: Vollmilch 200,0" << 1 << none
                                       << "";
    QTest::newRow("Gestern undone") << QStringList{"enter:1003:10", "yesterday", "undo"} << "1: Butter 10,0" << 1
                                    << none << copied;
    QTest::newRow("a full meal: the refusal, no step")
        << eleven + QStringList{"enter:1003:10", "yesterday"}
        << "1: " + butter11 + " | Butter 10,0" << 12 << QStringList{TooManyEntriesRefusal()} << "";
    QTest::newRow("room for one of two")
        << eleven + QStringList{"yesterday"} << "1: " + butter11 + " | Apfel, roh 150,0" << 12
        << QStringList{TooManyEntriesRefusal() + " 1 von 2 Lebensmitteln wurde nicht übernommen."} << "";
    QTest::newRow("an empty meal yesterday: a notice, no step")
        << QStringList{"meal:3", "yesterday"} << "" << 0
        << QStringList{"Am 25.10.2025 ist in Mahlzeit 3 nichts eingetragen."} << "";
    QTest::newRow("a date without a file")
        << QStringList{"copy:2025-10-20:1"} << "" << 0
        << QStringList{"Am 20.10.2025 ist in Mahlzeit 1 nichts eingetragen."} << "";
    QTest::newRow("another date's meal into the active meal")
        << QStringList{"meal:4", "copy:2025-10-25:2", "undo", "redo"} << "4: Vollmilch 200,0" << 1 << none
        << "Wiederholen: Mahlzeit übernehmen (Mahlzeit 2 vom 25.10.2025)";
    QTest::newRow("the shown day as it stands, before its file is written")
        << QStringList{"enter:1002:100", "meal:2", "copy:2025-10-26:1"} << "1: Vollmilch 100,0; 2: Vollmilch 100,0"
        << 2 << none << "";
    QTest::newRow("Gestern while a meal file is shown: a notice")
        << QStringList{"read:montag.txt:0", "yesterday"} << "1: Butter 20,0" << 1
        << QStringList{DaySession::NoYesterdayText()} << "";
}

void TestDaySession::copyMealsOfTheDiary()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, meals);
    Day day;
    day.documentsFolder = day.path(QStringLiteral("Dokumente"));
    const QString diary = DiaryFolderIn(day.documentsFolder);
    QVERIFY(QDir().mkpath(diary));
    QVERIFY(WriteBytes(diary + DiaryFileName(QDate(2025, 10, 25)),
                       CrLfLines({Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                  QStringLiteral("Mahlzeit1=2;1004;50,0;"), QStringLiteral("Mahlzeit2=1;1002;200,0;")})));
    WriteMealFile(day, QStringLiteral("montag.txt"), {QStringLiteral("Mahlzeit1=1;1003;20,0;")});
    day.start();
    day.session->openDiary();
    day.runAll(steps);
    QCOMPARE(day.meals(), meals);
    QTEST(day.session->history().undoCount(), "undoSteps");
    QTEST(day.prompts.texts(QStringLiteral("notice")), "notices");
    QTEST(day.session->passingStatus(), "status");
    // A copy is kept as typing is: the diary day is in its file one delay later.
    if (day.session->isDiaryDay() && day.session->plan().changed()) {
        day.scheduler.advance(Delay);
        const MealFileRead read = ReadMealFileAt(DiaryFilePath(diary, QDate(2025, 10, 26)),
                                                 day.session->foodStore().index(), 1);
        QCOMPARE(read.load.plan.entryCount(day.session->plan().activeMeal()),
                 day.session->plan().entryCount(day.session->plan().activeMeal()));
        QVERIFY(!day.session->plan().changed());
    }
}

QTEST_GUILESS_MAIN(TestDaySession)
#include "tst_daysession.moc"
