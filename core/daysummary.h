#pragma once

#include "balance.h"
#include "diary.h"
#include "extranutrients.h"
#include "foodindex.h"
#include "nutrients.h"
#include "reference.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Several meal files read as one day each and averaged against the requirement in force.

// One meal file that was read: a day, also when it holds no entries (a day of zeros).
struct SummaryDay
{
    QString path;
    QString label;                               // SummaryFileLabel (a diary day's WeekdayDateText): the name rows and charts show
    QDate date;                                  // the diary date; invalid for a file chosen by name
    SumRow sums;                                 // the day sums as the day panel computes them
    std::array<int, NutrientCount> nonNumeric{}; // entries whose value was no number
    ExtraNutrientSums extras;                    // the nutrients beyond the thirteen
};

// A file that was left out, and why (a German sentence).
struct SummarySkippedFile
{
    QString path;
    QString fileName;
    QString reason;
};

// A line of a file that was read but gave no entry.
struct SummaryRefusedLine
{
    QString label; // SummaryFileLabel of the file
    int line = 0; // counted from 1, the VNR line being line 1
    QString message;
};

struct DaySummary
{
    QList<SummaryDay> days;            // in the order the paths were given
    QList<QDate> missingDates;         // diary dates without a file ("kein Eintrag"), in date order
    QList<SummarySkippedFile> skipped; // in the order the paths were given
    QList<SummaryRefusedLine> refused; // file by file, each in line order
    ReferenceSet requirement;
    SumRow average;                              // of the days' sums; zeros when no day was read
    PercentRating rating;                        // of the average against the requirement
    std::array<int, NutrientCount> nonNumeric{}; // over all days
    ExtraNutrientSums extraTotal;                // the days' extras added, over all days
};

// The name a file is shown by among paths: its file name when no other of the paths (another
// file, not the same one given twice) has that name, else its full path, so that "a/Tag.txt"
// and "b/Tag.txt" can be told apart.
QString SummaryFileLabel(const QString &path, const QStringList &paths);

// Reads every path as a meal file with its foods taken afresh from index (one file, one day),
// sums each day as the day panel does (and the other nutrients as SumExtraNutrients does) and
// averages the days. Files that ReadMealFileAt refuses
// (missing, unreadable, larger than MaxMealFileBytes, no meal-file header) are left out with a
// reason.
DaySummary SummariseMealFiles(const QStringList &paths, const FoodIndex &index,
                              const ReferenceSet &requirement);

// The diary days of a range, each date with a file as one day (an empty file as a day of
// zeros), labelled by WeekdayDateText and in date order; a date without a file is only listed
// in missingDates and counts in neither the average nor the percentages.
DaySummary SummariseDiaryDays(const QList<DiaryDay> &days, const FoodIndex &index,
                              const ReferenceSet &requirement);
