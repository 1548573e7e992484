#pragma once

#include "balance.h"
#include "foodstore.h"
#include "mainwindowcontext.h"
#include "mealfile.h"
#include "mealplan.h"
#include "reference.h"

#include <QHash>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QTimer;
class StatusStrip;
class TAlleNaehrwerteForm;
class TAuswProjekteForm;
class TLebmittPlusForm;
class TLizForm;
class TMaxWerteForm;
class TMehrereTageForm;
class TNaewBedarfForm;
class TRezeptForm;
struct DayReport;
struct PrintDocument;
struct RecipeChoice;

// The main window: the input line, the six meals with their sums, the day balance against
// the requirement in force, and the commands on them. It holds the food data, the
// requirement rows and the meal plan for the whole run, and creates the other windows.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and loads the data files of context.dataDirectory; every start-up
    // message has been shown through context.prompts when this returns. Not shown yet.
    explicit TMainForm(const MainWindowContext &context, QWidget *parent = nullptr);
    ~TMainForm() override;

    const MealPlan &mealPlan() const { return m_plan; }
    const InputLine &inputLine() const { return m_inputLine; }
    const FoodStore &foodStore() const { return m_store; }
    const RequirementState &requirementState() const { return m_requirements; }
    const DayBalance &dayBalance() const { return m_balance; }
    QString dataDirectory() const { return m_context.dataDirectory; }

    // The label of a numbered family or any other control by its name; nullptr when none.
    // Pages not made yet are made first.
    QLabel *labelNamed(const QString &name);
    QTableWidget *mealList(int meal); // the page made first; nullptr outside 1..6
    // The tab page of meal (1..6) with all its controls: meal 1's is made with the window, the
    // others when first shown or reached through this, mealList or labelNamed. nullptr outside 1..6.
    QWidget *ensureMealPage(int meal);

    // Input line and meals.
    void ShowFoodInInputLine(int position); // the food at position of the index, amount untouched
    void EnterFood();                       // "Lebensmittel eintragen", and Enter in the amount
    void RecomputeBalance();
    void UpdateMealMarkers();
    void ShowWaterShares();
    void ShowActiveReference();
    void setActiveMeal(int meal); // the tab page shown, and the meal entries go to

    // Editing.
    void RemoveEntry();
    void ChangeEntry();
    void MoveEntryUp(int meal);
    void MoveEntryDown(int meal);
    void ClearMeal(int meal);
    void ClearInputLine();
    void ResetAll();

    // Meal file. SaveMealFile returns true when the file was written.
    bool SaveMealFile();
    void ReadMealFile();

    // At start, once the window is up: offers the day of the recovery file a run that did not
    // end normally left behind, and removes the file unless the day is taken back.
    void OfferSessionRecovery();

    // "Tagesbilanz in Datei speichern".
    void SaveDayBalance();

    // "Drucken ...": the day in the print preview; "Als PDF speichern ...": the same as a PDF file.
    void PrintDay();
    void SaveDayAsPdf();

    // The other windows.
    void OpenFoodSelection(); // the food magnifier, Ctrl+F and F3; after a pick the amount has the focus
    void OpenAdditionalFoods();
    void OpenRequirementsWindow();
    void OpenInfoWindow();
    void OpenMaxValues();
    void OpenSeveralDays(); // "Mehrere Tage ..."
    void OpenAllNutrients(); // "Alle Nährwerte ...": every nutrient of the day
    // "Als Rezept speichern": the meal as one own food, through the recipe dialog.
    void SaveMealAsRecipe(int meal);

    // The status line under the day panel (StatusLabel): text stays until replaced, or with a
    // durationMs above 0 stands that long over the text that stays. Never a box to click away.
    void showStatus(const QString &text, int durationMs = 0);

    // The day as the window shows it (meals, the balance last computed, the requirement in
    // force), ready for a report written at created.
    DayReport dayReport(const QDateTime &created) const;
    // The same day as a document to print.
    PrintDocument dayPrintDocument(const QDateTime &created) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildCommandBar();
    void buildInputLine();
    void buildMealPages();
    void buildMealPage(int meal);
    void placeInTabOrder(int meal);
    void buildDayPanel();
    void loadDataFiles();

    // A label on a grey field of its own, and a label filled with the colour of the head it
    // sits on. Both are known to labelNamed from the start.
    QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    QLabel *addHeadLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void onClick(QWidget *widget, std::function<void()> handler);

    void showInputLine();
    void showMeal(int meal);
    void showAllMeals();
    void showMealSums(int meal); // the texts last computed, on a page made already
    int selectedEntry(int meal) const;
    void selectEntry(int meal, int row);
    void showFoodCounts();
    void setLabelText(const QString &name, const QString &text);

    // "Änderungen speichern?" before unsaved meals are closed, reset or replaced. True when the
    // caller may go on: nothing to save, "Nein", or "Ja" and the file was written.
    bool offerToSaveChanges();
    // Takes over a day read from a file (the plan's file names set by the caller): meals, input
    // line, sums and meal 1 shown, then the refusals of the reading.
    void showLoadedDay(const MealFileLoad &load);
    void showRefusals(const QList<MealFileRefusal> &refusals);
    // After every change of the meals: a changed day goes to the recovery file within the
    // delay, a saved or read one needs none.
    void keepSession();
    void writeSession();
    QPoint dialogOrigin() const;
    // Saves a recipe chosen in the recipe dialog among the own foods; false when the file could
    // not be written (said in a plain message), so the dialog keeps what the user typed.
    bool saveRecipe(const RecipeChoice &choice);
    // Made when first asked for; the day's and the several days' list share it.
    TAlleNaehrwerteForm *allNutrientsWindow();

    MainWindowContext m_context;
    FoodStore m_store;
    RequirementState m_requirements;
    MealPlan m_plan;
    InputLine m_inputLine;
    DayBalance m_balance;
    QTimer *m_sessionTimer = nullptr;
    // Set when something other than a file has the recovery file's name: no day is kept then,
    // and the status line says so once instead of at every change.
    bool m_sessionBlocked = false;
    StatusStrip *m_status = nullptr;
    QString m_lastReportFolder; // where the last report went; empty until then

    QTabWidget *m_pages = nullptr;
    QFrame *m_foodPanel = nullptr; // LupeLebePanel
    QLineEdit *m_amountEdit = nullptr;
    QWidget *m_mealPages[MealCount] = {};
    QTableWidget *m_mealLists[MealCount] = {}; // null until the page is made
    SumRowTexts m_mealSumTexts[MealCount];     // shown on each page once it is made
    QWidget *m_markers[MealCount] = {};
    QHash<QObject *, std::function<void()>> m_clickHandlers;
    QPalette m_labelPalette; // sets only the labels' grey; the rest follows their parents
    // labelNamed's answers, filled as the labels are made: the balance sets over a hundred
    // labels by name on every change, and a search through all children for each costs more
    // than the balance itself.
    QHash<QString, QPointer<QLabel>> m_labelsByName;

    // Made when first opened; null until then.
    TAuswProjekteForm *m_selectionWindow = nullptr;
    TLebmittPlusForm *m_additionalFoodsWindow = nullptr;
    TNaewBedarfForm *m_requirementsWindow = nullptr;
    TLizForm *m_infoWindow = nullptr;
    TMaxWerteForm *m_maxValuesWindow = nullptr;
    TMehrereTageForm *m_severalDaysWindow = nullptr;
    TRezeptForm *m_recipeWindow = nullptr;
    TAlleNaehrwerteForm *m_allNutrientsWindow = nullptr;
};
