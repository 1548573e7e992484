#pragma once

#include "balance.h"
#include "chartdata.h"
#include "daysummary.h"
#include "mealplan.h"
#include "nutrients.h"
#include "reference.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// A day, or several days, as a document to print: every text of every cell decided here,
// without a window, so the page painter only places and paints them.

enum class PrintRowKind
{
    Heading,     // a meal's heading: the label alone
    Entry,       // a food or a day: label (wraps when long), amount, the values, the database code
    Sum,         // a meal's or the day's sums, the average of several days
    Requirement, // the requirement in force
    Percent,     // the percentages, each cell in its class's colour with its mark under it
    Count,       // of several days: per nutrient the entries that had no number
    Note,        // a line of its own: an empty meal
};

// One cell; only a percentage has a class other than Unrated and a mark.
struct PrintCell
{
    QString text;
    PercentClass percentClass = PercentClass::Unrated;
    QString mark; // PercentClassMark of the class: "----!--", "---!!!-" or empty

    friend bool operator==(const PrintCell &a, const PrintCell &b)
    {
        return a.text == b.text && a.percentClass == b.percentClass && a.mark == b.mark;
    }
};

struct PrintRow
{
    PrintRowKind kind = PrintRowKind::Entry;
    QString label;
    QString amount;
    QList<PrintCell> cells; // NutrientCount cells, none for Heading and Note
    QString dbCode;         // entries of a day only
};

struct PrintTable
{
    QStringList heads; // the label column's, "Menge", the thirteen short names, then "DB" when hasDbColumn
    QStringList units; // as many as heads
    bool hasDbColumn = false;
    QList<PrintRow> rows;
};

struct PrintDocument
{
    QString title;
    QStringList infoLines; // under the title: the meal file, the creation time, the days read
    PrintTable table;
    QStringList waterLines;   // under the table; the day only
    QStringList messageLines; // what was left out when several days were read
    ChartData chart;
    QString sourceLine; // the food data's source, on every page
};

// "Mahlzeiten-Datei: Montag.txt (in /home/anna/Woche)" for the meal file of path; empty for
// an empty path.
QString MealFileLine(const QString &path);

// "Datenquelle: Schweizer Nährwertdatenbank, BLV" followed by ", Version x" when the first line
// of the Swiss food file names one ("... Version 7.0;...").
QString DataSourceLine(const QString &swissHeaderLine);

// The day as the window shows it (the same inputs and texts as DayReportFromPlan), under the
// meal file last saved or read (MealFileLine of the plan's mealFilePath): each meal with its
// heading, entries and sums or its "kein Eintrag" line, the day sums, the requirement,
// the percentages as the day panel writes them with class and mark, the water shares and the
// chart of the day's percentages.
PrintDocument DayPrintDocument(const MealPlan &plan, const DayBalance &balance, const ReferenceSet &requirement,
                               const QLocale &locale, const QDateTime &created, const QString &swissHeaderLine);

// Several days as the window "Mehrere Tage" shows them: one row of sums per day, the average,
// the requirement, the percentages with class and mark and the counts of missing values, the
// messages of the reading and the chart of the average's percentages.
PrintDocument SeveralDaysPrintDocument(const DaySummary &summary, const QLocale &locale, const QDateTime &created,
                                       const QString &swissHeaderLine);
