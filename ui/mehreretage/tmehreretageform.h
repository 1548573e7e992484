#pragma once

#include "appinfo.h"
#include "calendarrange.h"
#include "daysummary.h"
#include "foodindex.h"
#include "printpreview.h"
#include "reference.h"

#include <QDate>
#include <QDialog>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QLabel;
class QListWidget;
class QTableWidget;
class SummaryChart;
class UserPrompts;

// Opens the list of every nutrient for the days read; caller is the several-days window, which
// the list opens over.
using AllNutrientsOpener = std::function<void(const DaySummary &summary, QWidget *caller)>;

// The window "Mehrere Tage": several meal files, one day each, with their day sums, the
// average, the requirement, the average's percentages and the count of missing values, a bar
// chart of them, and the table as a CSV file. It reads the main window's food data and
// requirement and changes neither.
class TMehrereTageForm : public QDialog
{
    Q_OBJECT

public:
    // dataDirectory: where the file dialog starts and which files a save must never replace;
    // clock: for the proposed CSV name; locale: the number format of the list, the chart, the
    // CSV and the documents (the program passes GermanNumberLocale).
    TMehrereTageForm(UserPrompts *prompts, QString dataDirectory, Clock clock, QLocale locale,
                     QWidget *parent = nullptr);

    // Everything of an opening but the showing: takes the food data and the requirement in
    // force and reads the files chosen before once more with them.
    void prepare(const FoodIndex &index, bool swissFoodsMissing, const ReferenceSet &requirement);

    // prepare, then places the window at mainTopLeft + (32, 28) and shows it modally.
    void showDays(const FoodIndex &index, bool swissFoodsMissing, const ReferenceSet &requirement,
                  const QPoint &mainTopLeft);

    // What printing needs beyond the days: the first line of the Swiss food file (it names the
    // data's version) and how a preview is shown (empty: ShowPrintPreview).
    void setPrinting(const QString &swissHeaderLine, PrintPreview preview);
    // The diary "Von ... bis ..." reads from (empty: the button says there is none), the folder
    // the file dialog opens in, and the one the CSV and PDF dialogs open in.
    void setFolders(const QString &diaryFolder, const QString &mealFileFolder, const QString &reportFolder = QString());

    // The diary's days from..to as rows in date order, a date without a file as "kein Eintrag";
    // what "Von ... bis ..." does once the two dates are picked.
    void summariseDiary(const QDate &from, const QDate &to);
    // The date the main window shows, whose week and month "Woche" and "Monat" read; an invalid
    // date (a meal file on show) stands for today.
    void setShownDate(const QDate &date) { m_shownDate = date; }

    // What "Alle Nährwerte ..." opens: the list window belongs to another folder, which this
    // window does not reach.
    void setAllNutrients(AllNutrientsOpener opener) { m_allNutrients = std::move(opener); }

    const DaySummary &summary() const { return m_summary; }
    // The days read, as a document to print created at created.
    PrintDocument printDocument(const QDateTime &created) const;
    // The nutrient the chart shows per day, or -1 for the averages.
    int chartNutrient() const { return m_chartNutrient; }

public slots:
    void DateienWaehlenBtnClick();
    // "Von ... bis ...": two dates of the diary, then summariseDiary.
    void VonBisBtnClick();
    // The diary's days of the shown date's week, Monday to Sunday, or of its calendar month, read
    // as "Von ... bis ..." reads a range.
    void WocheBtnClick();
    void MonatBtnClick();
    void CsvSpeichernBtnClick();
    // The summary, the chart and per day its sums in the print preview, or as a PDF file.
    void DruckenBtnClick();
    void PdfSpeichernBtnClick();
    // Every nutrient of the Swiss table, averaged over the days read.
    void AlleNaehrwerteBtnClick();
    // A nutrient's head shows that nutrient per day in the chart; the same head again, or the
    // head of the name or amount column, goes back to the averages.
    void TageListViewColumnClick(int column);
    void CloseBtnClick();

private:
    void createControls();
    void summarise(const QStringList &paths);
    void summariseDiaryRange(const DateRange &range);
    // Tells that the Swiss food list is empty, when it is: no days are read without it.
    bool refusedWithoutSwissFoods();
    void showSummary();
    void showChart();
    // "NW-Mehrere-Tage-yymmdd-hhmmss." followed by extension.
    QString proposedFileName(const QDateTime &created, const QString &extension) const;

    UserPrompts *m_prompts;
    QString m_dataDirectory;
    Clock m_clock;
    QLocale m_locale;

    FoodIndex m_index;
    bool m_swissFoodsMissing = false;
    ReferenceSet m_requirement;
    QStringList m_paths; // sorted by file name
    QString m_diaryFolder;
    QString m_mealFileFolder;
    QString m_reportFolder;
    QDate m_from, m_to; // the diary range shown; invalid while files are shown
    QDate m_shownDate;  // the main window's date; invalid: today
    DaySummary m_summary;
    int m_chartNutrient = -1;
    QString m_swissHeaderLine;
    PrintPreview m_printPreview;
    AllNutrientsOpener m_allNutrients;

    QTableWidget *m_list = nullptr;
    SummaryChart *m_chart = nullptr;
    QListWidget *m_messages = nullptr;
};
