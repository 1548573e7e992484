#pragma once

#include "balance.h"
#include "mealplan.h"
#include "nutrients.h"
#include "reference.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// A snapshot of the texts the main window shows; the writers never recompute a number.
struct DayReportRow
{
    QString name;
    QString dbCode;
    QString amount;
    QStringList values; // NutrientCount texts
};

struct DayReportMeal
{
    QList<DayReportRow> rows;
    QString amountSum;
    QStringList sums; // NutrientCount texts
};

struct DayReport
{
    QDateTime created;
    QString loadedMealFilePath;
    QStringList nutrientNames; // the short names
    QStringList unitTexts;     // the unit labels
    std::array<DayReportMeal, MealCount> meals;
    QString dayAmountSum;
    QStringList daySums;
    QString requirementTitle;
    QStringList requirements;
    QStringList percentages;
    std::array<PercentClass, NutrientCount> percentClasses{};
};

// A report with the catalogue's names and units and empty texts elsewhere.
DayReport EmptyDayReport();

// The snapshot of what the main window shows after balance was computed for plan against
// requirement: the entries as stored, sums in FormatGeneral of locale, the requirement as
// ReferenceValueTexts of locale, percentages as PercentText, and the plan's loaded meal file path.
DayReport DayReportFromPlan(const MealPlan &plan, const DayBalance &balance, const ReferenceSet &requirement,
                            const QLocale &locale, const QDateTime &created);

// "----!--" for Warn, "---!!!-" for Alarm, empty otherwise.
QString PercentClassMark(PercentClass percentClass);

// The marks of the report's thirteen percentage classes, in nutrient order.
QStringList PercentClassMarks(const DayReport &report);

// The thirteen cells of a nutrient row, each right-aligned in 7 characters and followed by
// after (missing cells count as empty). Both report layouts use this cell width.
QString NutrientCells(const QStringList &cells, QChar after);

// "Erstellt am dd.mm.yy hh:mm:ss" for the report's creation time.
QString ReportCreatedLine(const QDateTime &created);

// The fixed-width text report, one entry per line, without line ends.
QStringList FormatDayReportText(const DayReport &report);

// The semicolon-separated report, one entry per line, without line ends.
QStringList FormatDayReportCsv(const DayReport &report);
