#pragma once

#include "daysession.h"
#include "mainwindowcontext.h"

#include <QHash>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QCalendarWidget;
class MealCopyDialog;
class OwnMeasureDialog;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
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
// the requirement in force, and the commands on them. The day itself and every command on it
// live in its DaySession; the window shows the session's state whenever it names a change,
// forwards each command with what only the window knows (the selected row), puts the focus
// where a command asks for it, and creates the other windows.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and loads the data files of context.dataDirectory; every start-up
    // message has been shown through context.prompts when this returns. Not shown yet.
    explicit TMainForm(const MainWindowContext &context, QWidget *parent = nullptr);
    ~TMainForm() override;

    DaySession &session() { return *m_session; }
    const DaySession &session() const { return *m_session; }
    const MealPlan &mealPlan() const { return m_session->plan(); }
    const InputLine &inputLine() const { return m_session->inputLine(); }
    const FoodStore &foodStore() const { return m_session->foodStore(); }
    const RequirementState &requirementState() const { return m_session->requirements(); }
    const DayBalance &dayBalance() const { return m_session->balance(); }
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

    // "Eigenes Maß ...", the last entry of MassListe for a food per 100 g: the measure's name and
    // grams through OwnMeasureDialog, kept among the own measures; then "1 <Maß>" in the amount.
    void AddOwnMeasure();
    static QString OwnMeasureText();

    // Editing.
    void RemoveEntry();
    void ChangeEntry();
    void MoveEntryUp(int meal);
    void MoveEntryDown(int meal);
    void ClearMeal(int meal);
    void ClearInputLine();
    void ResetAll();

    // Strg+Z and Strg+Y (Strg+Umschalt+Z): the day before the last change and back again,
    // wherever the focus is in the window.
    void Undo();
    void Redo();

    // Meal file. SaveMealFile returns true when the file was written.
    bool SaveMealFile();
    void ReadMealFile();

    // The date bar: the diary day before or after the one shown (Alt+Links, Alt+Rechts), today's
    // (Alt+Pos1), and the calendar, which marks the days with entries in bold.
    void ShowPreviousDay();
    void ShowNextDay();
    void ShowToday();
    void ShowDiaryDay(const QDate &date);
    void OpenCalendar();
    // "Gestern" (Strg+G): the active meal of the diary day before the shown one appended to it;
    // "Mahlzeit übernehmen ...": a meal of a date chosen in MealCopyDialog.
    void CopyYesterdaysMeal();
    void CopyDiaryMeal();
    // The calendar while it is open (made on first use); nullptr before.
    QCalendarWidget *calendar() const { return m_calendar; }

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
    void buildDateBar();
    void showDiaryDate();     // the date bar's text: the diary date shown, or none
    // The keys of the window's commands, and their names in the tooltips.
    void buildKeys();
    void showMealPage(int step); // the next (1) or the previous (-1) meal page, round the end

    // A label on a grey field of its own, and a label filled with the colour of the head it
    // sits on. Both are known to labelNamed from the start.
    QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    QLabel *addHeadLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void onClick(QWidget *widget, std::function<void()> handler);

    // Shows what the session names as changed.
    void showDayChange(DayParts parts);
    void showInputLine();
    void showMeasures(); // MassListe for the picked food
    void makeMeasureList();
    void chooseMeasure(int index);
    void showMeal(int meal);
    void showBalance();
    void showMealSums(int meal); // the texts last computed, on a page made already
    int selectedEntry(int meal) const;
    void selectEntry(int meal, int row);
    void showFoodCounts();
    void setLabelText(const QString &name, const QString &text);
    void focusAmount(FocusRequest request);
    QPoint dialogOrigin() const;
    // Made when first asked for; the day's and the several days' list share it.
    TAlleNaehrwerteForm *allNutrientsWindow();

    MainWindowContext m_context;
    std::unique_ptr<DaySession> m_session;
    StatusStrip *m_status = nullptr;
    QPushButton *m_dateButton = nullptr;  // DatumBtn: "Do 11.12.2026", opens the calendar
    QCalendarWidget *m_calendar = nullptr; // a popup, made when first opened
    MealCopyDialog *m_mealCopyDialog = nullptr; // made when first opened
    OwnMeasureDialog *m_ownMeasureDialog = nullptr; // made when first opened

    QTabWidget *m_pages = nullptr;
    QFrame *m_foodPanel = nullptr; // LupeLebePanel
    QLineEdit *m_amountEdit = nullptr;
    // MassListe, the picked food's household measures: made at the first food that has one, so
    // that a start-up pays nothing for it.
    QComboBox *m_measureList = nullptr;
    QWidget *m_enterButton = nullptr; // LebMitEintragenBtn, after the measure list in the tab order
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
