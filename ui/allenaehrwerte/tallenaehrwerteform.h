#pragma once

#include "appinfo.h"
#include "daysummary.h"
#include "extendedreference.h"
#include "foodindex.h"
#include "mealplan.h"
#include "nutrientlist.h"
#include "nutrientlisttable.h"
#include "reference.h"

#include <QDialog>
#include <QLocale>
#include <QPoint>
#include <QString>

class QCheckBox;
class QLabel;
class QTableWidget;
class UserPrompts;

// The window "Alle Nährwerte": every nutrient of the Swiss table for the day or the average of
// several days, grouped, with its amount, the reference value and the percentage in the colours
// of the day panel, and how many entries had no value for it; sortable by the percentage and
// savable as CSV. It reads what the caller passes in and changes nothing of it.
class TAlleNaehrwerteForm : public QDialog
{
    Q_OBJECT

public:
    // dataDirectory: where the extended reference values are read from (once, when first needed)
    // and which files a save must never replace; clock: for the proposed CSV name; locale: the
    // day panel's number format for the thirteen's reference values.
    TAlleNaehrwerteForm(UserPrompts *prompts, QString dataDirectory, Clock clock, QLocale locale,
                        QWidget *parent = nullptr);

    // The list of the day of plan, without showing the window.
    void prepareDay(const MealPlan &plan, const FoodIndex &index, const RequirementState &requirements);
    // The average of the days of summary, without showing the window.
    void prepareDays(const DaySummary &summary, const RequirementState &requirements);

    // prepareDay or prepareDays, then the window at origin + (32, 28), shown modally.
    void showDay(const MealPlan &plan, const FoodIndex &index, const RequirementState &requirements,
                 const QPoint &origin);
    void showDays(const DaySummary &summary, const RequirementState &requirements, const QPoint &origin);

    const NutrientList &list() const { return m_list; }
    bool sortedByPercent() const;

public slots:
    void CsvSpeichernBtnClick();
    void CloseBtnClick();
    // A click on the head of the percentages switches between the groups and the sort by them.
    void NaehrwerteListViewColumnClick(int column);

private:
    void createControls();
    NutrientReference referenceFor(const RequirementState &requirements);
    void showList();
    void addRow(int at, const NutrientListRow &row);
    void addGroupRow(int at, NutrientGroup group);

    UserPrompts *m_prompts;
    QString m_dataDirectory;
    Clock m_clock;
    QLocale m_locale;

    bool m_extendedRead = false;
    ExtendedReferenceTable m_extended;
    QString m_extendedRowTitle; // the row the others are rated by, where it is not the row in force
    NutrientList m_list;

    QLabel *m_title = nullptr;
    QLabel *m_requirement = nullptr;
    QCheckBox *m_sortBox = nullptr;
    QTableWidget *m_rows = nullptr;
};
