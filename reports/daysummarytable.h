#pragma once

#include "balance.h"
#include "daysummary.h"
#include "nutrients.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The several-days table as texts, the same for the window's list, the CSV and the plain text:
// one row per day (diary days and dates without an entry in date order), then the average, the requirement, the percentages and the counts of
// values that were no number.

enum class SummaryRowKind
{
    Day,
    NoEntry, // a diary date without a file: "kein Eintrag", no figures
    Average,
    Requirement,
    Percent,
    NonNumeric,
};

struct DaySummaryRow
{
    SummaryRowKind kind = SummaryRowKind::Day;
    QString label;     // the day's SummaryFileLabel, "Durchschnitt", the requirement's title, "Prozent", "Unvollständig"
    QDate date;        // a diary day's date, for NoEntry rows too; invalid otherwise
    QString path;      // the file of a Day row
    QString amount;    // empty in the last three rows; "kein Eintrag" in a NoEntry row
    QStringList cells; // NutrientCount texts
    std::array<PercentClass, NutrientCount> classes{}; // the percentages' classes; Unrated elsewhere
};

struct DaySummaryTable
{
    QStringList heads; // "Datei", "Menge" and the thirteen short names
    QList<DaySummaryRow> rows;
};

// Day sums and the requirement as the day panel shows them (FormatGeneral in locale, whole
// numbers), averages and percentages (of the unrounded average, empty where the requirement
// is 0 or less) with one decimal and a decimal comma. The four summary rows follow only when
// at least one day was read.
DaySummaryTable BuildDaySummaryTable(const DaySummary &summary, const QLocale &locale);

// The table's lines with ';' between cells and none after the last, without line ends; every
// cell written by CsvCell (file names and titles as text, figures as numbers). A diary day's
// first cell is its date as 2026-12-11.
QStringList FormatDaySummaryCsv(const DaySummary &summary, const QLocale &locale);

// The table's lines for a terminal: the first column left-aligned, the others right-aligned,
// each as wide as its widest cell, two blanks apart; without line ends.
QStringList FormatDaySummaryText(const DaySummary &summary, const QLocale &locale);

// What was left out, for people: "<path>: <reason>" for each file that was not read, then
// "<file's label>, Zeile <n>: <message>" for each refused line.
QStringList DaySummaryMessages(const DaySummary &summary);
