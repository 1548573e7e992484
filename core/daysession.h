#pragma once

#include "appinfo.h"
#include "balance.h"
#include "daydata.h"
#include "dayhistory.h"
#include "diary.h"
#include "foodmeasures.h"
#include "fooddata.h"
#include "mealfile.h"
#include "mealplan.h"
#include "reference.h"
#include "scheduler.h"

#include <QFlags>
#include <QLocale>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <memory>

class UserPrompts;

// What the session is given from outside, so that tests can fix every part of it.
struct DaySessionContext
{
    QString dataDirectory;          // the data files and the recovery file, with a trailing '/'
    UserPrompts *prompts = nullptr; // notices, questions, plain messages, file dialogs; not owned
    Clock clock = SystemClock();    // ids and dates of own foods made from recipes
    QLocale locale;                 // the collation of the food list; the sums' decimal separator
    Scheduler *scheduler = nullptr; // runs the recovery write; not owned; empty: Qt's timers
    int recoveryDelayMs = 2000;     // longest wait from a change of the meals to the recovery file
                                    // and, for a diary day, to its diary file
    // The user's documents folder: the diary lies in DiaryFolderIn(it), and the meal-file and
    // report dialogs open in UserFilesFolder(it) the first time. Empty: no diary, and the
    // dialogs open in the data folder.
    QString documentsFolder;
    // Another diary folder than the one under documentsFolder (the command line's --diary).
    QString diaryFolder;
};

// The parts of the day a change signal names.
enum class DayPart : unsigned
{
    Meal1 = 1u << 0,     // the entries of meal 1; Meal2..Meal6 follow bit by bit
    Meals = 0x3Fu,       // all six
    Balance = 1u << 6,   // sums, percentages and classes computed anew
    InputLine = 1u << 7, // the picked food, its amount and unit captions
    FileLabel = 1u << 8, // the text naming the meal file the day came from or went to
    Foods = 1u << 9,     // the food index was built anew: counts, and positions are new
    ActiveMeal = 1u << 10,
    Requirement = 1u << 11,   // the requirement row in force
    LastingStatus = 1u << 12, // a state for the status line, until it is replaced
    PassingStatus = 1u << 13, // a note for the status line, for PassingStatusMs
    DiaryDate = 1u << 14,     // the diary date shown (or none: a file is shown)
};
Q_DECLARE_FLAGS(DayParts, DayPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(DayParts)
Q_DECLARE_METATYPE(DayParts)

// The part of meal 1..6.
inline DayPart MealPart(int meal)
{
    return DayPart(unsigned(DayPart::Meal1) << (meal - 1));
}

// How long a passing note ("Rückgängig: ...") stands in the status line.
constexpr int PassingStatusMs = 3000;

// Where a refusal wants the keyboard: the amount field, to type the amount anew.
enum class FocusRequest
{
    None,
    Amount,
};

// The day the main window shows, with every command on it. It owns the foods and the
// requirement rows (DayData), the meal plan, the input line and the balance, what the shown day
// is and how it is kept (the file-name label, the meal-file names and the changed flag in the
// plan, the recovery file written a delay after a change) and the undo history. Every command
// of the main window is one method: it asks and tells through the prompts, changes the day,
// and names what changed in one signal, dayChanged. Which list row is selected and where the
// focus is stay with the window, which passes the row in and gets the focus request back.
struct MealCopyResult;

class DaySession : public QObject
{
    Q_OBJECT

public:
    explicit DaySession(const DaySessionContext &context, QObject *parent = nullptr);
    ~DaySession() override;

    // ---- state ----
    const FoodStore &foodStore() const { return m_data.store(); }
    // For the own-foods window, which saves through the store; foodsChanged() afterwards.
    FoodStore &foodStore() { return m_data.store(); }
    const RequirementState &requirements() const { return m_data.requirements(); }
    const MealPlan &plan() const { return m_plan; }
    const InputLine &inputLine() const { return m_inputLine; }
    const DayBalance &balance() const { return m_balance; }
    // "Datei <name>" for the meal file the day was last saved to or read from; empty otherwise.
    QString fileLabel() const { return m_fileLabel; }
    QString dataDirectory() const { return m_context.dataDirectory; }
    // The locale of the window's sums, which the day reports copy.
    QLocale locale() const { return m_context.locale; }
    UserPrompts &prompts() const { return *m_context.prompts; }
    // The status line's lasting text (the recovery file cannot be written) and its last note.
    QString lastingStatus() const { return m_lastingStatus; }
    QString passingStatus() const { return m_passingStatus; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    const DayHistory &history() const { return m_history; }
    // Where the report and meal-file dialogs open (with a trailing '/'): the folder last used for
    // that kind of file, kept in NwConfig.dat from run to run; while none is kept (or it is gone)
    // the user's files folder (made when asked for), or the data folder when the session has no
    // documents folder.
    QString reportFolder() const;
    // The foods eaten lately as positions in the index's sorted list (RecentFoodsOfDiary), the
    // day on show counted as it stands; none without a diary. Reads the recent diary days.
    QList<int> recentFoods() const;
    QString mealFileFolder() const;
    // Keeps the folder of a report or meal file just written or read; saving and reading meal
    // files keep theirs themselves.
    void rememberReportFolder(const QString &reportPath);
    void rememberMealFileFolder(const QString &mealFilePath);

    // ---- the diary ----
    bool hasDiary() const { return m_diary != nullptr; }
    const Diary *diary() const { return m_diary.get(); }
    // The diary date shown; invalid while a meal file (or a day without one) is shown.
    QDate diaryDate() const { return m_diaryDate; }
    bool isDiaryDay() const { return m_diaryDate.isValid(); }
    QDate today() const { return m_context.clock().date(); }
    // At start: today's diary day, no step and no question. Nothing without a diary.
    void openDiary();
    // Shows the diary day of date, its file read as a meal file (none: an empty day); the day
    // shown before is written at once if it is a diary day, or the save question asked if it
    // is a changed file. A step for undo. False when the day stays: no diary, the question
    // cancelled, or the date's file cannot be read (said, and the file left alone).
    bool showDiaryDay(const QDate &date);
    // The day days away from the diary date shown (from the last one shown, or today, while a
    // file is shown).
    bool stepDiaryDay(int days);
    // Writes a diary day with unsaved changes now; true when nothing is left unwritten.
    bool writeDiaryNow();

    // ---- start and end ----
    // The data files as start-up reads them; every message is a plain message, each shown
    // before the next file is looked at. The balance is not computed.
    void loadData();
    // Offers the day of a recovery file a run that did not end normally left behind, and
    // removes the file unless the day is taken back (undoable).
    FocusRequest offerRecovery();
    // Before the window closes: "Änderungen speichern?" for unsaved meals. False when the day
    // must stay (cancelled, or the chosen save failed); otherwise the recovery file goes.
    bool close();

    // ---- the input line ----
    void showFood(int position);               // the food at position of the index, amount untouched
    void pickFood(int position);               // a pick in the food selection: amount emptied first
    void setAmountText(const QString &amount); // as typed in MengEdit; no signal
    // The household measures the picked food's amount may be typed in (MeasuresForFood); none
    // while no food is picked. The first call reads the measures file.
    QList<FoodMeasure> inputMeasures() const;
    void clearInputLine();

    // ---- the meals (each a step for undo when it changes them) ----
    FocusRequest enterFood();
    void removeEntry(int row); // row: the selected entry of the active meal, -1 for none
    void changeEntry(int row);
    // The selected row's new place, or -1 when nothing moved.
    int moveEntryUp(int meal, int row);
    int moveEntryDown(int meal, int row);
    void clearMeal(int meal);
    void resetAll();
    void setActiveMeal(int meal);
    void recomputeBalance();

    // ---- copying meals of the diary into the active meal (one step for undo each) ----
    // Up to the twelve of a meal are appended, the rest refused in a notice; a source meal
    // without foods is a notice and no step. The shown diary day is taken as it stands, any
    // other date from its file. Without a diary nothing happens.
    // "Gestern": the meal of the active meal's number of the diary day before the shown one.
    // While a meal file is shown there is no such day: a notice (NoYesterdayText).
    void copyYesterdaysMeal();
    // "Mahlzeit übernehmen ...": meal sourceMeal (1..6) of the diary day date.
    void copyDiaryMeal(const QDate &date, int sourceMeal);
    // The number of entries of each of the six meals of the diary day date, for choosing the
    // meal to copy (the shown day as it stands); zeros for a day without a file or one that
    // cannot be read, and without a diary.
    QList<int> diaryMealSizes(const QDate &date) const;
    // "Gestern" while a meal file is shown.
    static QString NoYesterdayText();

    // ---- the user's own household measures ----
    // Sets the picked food's own measure name (one of MeasureNames()) to gramsText grams
    // (FoodStore::addOwnMeasure) and, when it was taken, puts "1 <name>" into the amount. A
    // refusal or a failed write is a notice; false then. The measure list follows (InputLine).
    bool addOwnMeasure(const QString &name, const QString &gramsText);

    // ---- meal files ----
    // True when the file was written.
    bool saveMealFile();
    FocusRequest readMealFile();

    // ---- undo ----
    // The day before the last step (after the step undone last); "Rückgängig: <what>" or
    // "Wiederholen: <what>" as a passing note. False, with a note, when there is none.
    bool undo();
    bool redo();

    // ---- the rest of the window's commands ----
    void showWaterShares();
    // The requirements window's result: the table as the window left it, and whether a row was
    // taken over (then it is shown and the balance computed anew).
    void takeRequirements(const RequirementState &state, bool takenOver);
    // The own foods were saved and the index rebuilt behind the session's back.
    void foodsChanged();
    // Before the recipe dialog opens for meal: false (with a notice or plain message) when it
    // is empty or the own-foods file is kept as it is for this run.
    bool recipeAllowed(int meal);
    // Saves a recipe among the own foods (replacing the one of its name when the user agreed).
    // False when the file could not be written (said in a plain message): the dialog stays.
    bool saveRecipe(const AdditionalFoodRow &recipe, bool replaceExisting);

signals:
    void dayChanged(DayParts parts);

private:
    DaySnapshot snapshot() const;
    QString userFilesFolder() const;
    QString rememberedFolder(QLatin1String key) const;
    void rememberFolder(QLatin1String key, const QString &filePath);
    void record(const QString &what, const DaySnapshot &before, int parts);
    void restore(const DayHistory::Step &step);
    void changeDay(DayParts parts); // keeps the day on disk as it now stands, then signals
    void setPassingStatus(const QString &text);
    void setLastingStatus(const QString &text);
    // "Änderungen speichern?" before unsaved meals are closed, reset or replaced. True when the
    // caller may go on: nothing to save, "Nein", or "Ja" and the file was written.
    bool offerToSaveChanges();
    // Takes over a day read from a file (the plan's file names set by the caller).
    void takeLoadedDay(const MealFileLoad &load);
    // Takes a copy into the plan as one undo step named command (meal sourceMeal of date), and
    // shows its notice.
    void applyMealCopy(const MealCopyResult &result, const QString &command, const QDate &date, int sourceMeal);
    FocusRequest showRefusals(const QList<MealFileRefusal> &refusals);
    // What the shown day is and how it is kept: after every change a changed day goes to the
    // recovery file within the delay, a saved or read one needs none.
    void keepDay();
    void writeRecovery();
    // The diary day to its file; on failure the status line says so and the recovery file
    // keeps the day. True when nothing is left unwritten.
    bool writeDiary();
    // The recovery file's day was left on purpose: no write pending, no file.
    void dropRecovery();
    bool readDiaryDay(const QDate &date, MealFileLoad *load);

    DaySessionContext m_context;
    std::unique_ptr<TimerScheduler> m_ownScheduler; // when the context brings none
    Scheduler *m_scheduler = nullptr;
    DayData m_data;
    MealPlan m_plan;
    InputLine m_inputLine;
    DayBalance m_balance;
    QString m_fileLabel;
    // The lines of the shown day's meal file as last saved or read (the header alone for a day
    // without a file, none when not known): after undo and redo the day counts as changed
    // unless it would save them again.
    QStringList m_fileLines;
    DayHistory m_history;
    QString m_lastingStatus;
    QString m_passingStatus;
    Scheduler::TaskId m_recoveryWrite = 0; // the pending write of the recovery file, 0 for none
    Scheduler::TaskId m_diaryWrite = 0;    // the pending write of the diary day, 0 for none
    std::unique_ptr<Diary> m_diary;        // null without a documents or diary folder
    QDate m_diaryDate;                     // the diary day shown; invalid for a file
    QDate m_lastDiaryDate;                 // the last diary day shown, for the date bar's steps
    // Set when something other than a file has the recovery file's name: no day is kept then,
    // and the status line says so once instead of at every change.
    bool m_recoveryBlocked = false;
};
