#pragma once

#include "nutrients.h"
#include "settings.h"
#include "textfile.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

constexpr int ReferenceRowCount = 10;
constexpr int DefaultAgeGroup = 3;

// Requirement values are decimal numbers: an own value such as 2,4 µg vitamin B12 is used as
// it was typed, not cut to 2.
using ReferenceRow = std::array<double, NutrientCount>;
using ReferenceTable = std::array<ReferenceRow, ReferenceRowCount>;

// The requirement row in force: its title (KohorteLabel) and thirteen values.
struct ReferenceSet
{
    QString title;
    std::array<double, NutrientCount> values{};
};

enum class TitleVariant
{
    Start,    // own rows with two blanks: "Tagesbedarf eigene Werte  (m) "
    TakeOver, // own rows with one blank
};

// Title of row 0..9; " ???" for any other row.
QString ReferenceTitle(int row, TitleVariant variant);

// One requirement value from its text: every ',' becomes '.', then the leading number
// ("2,4" gives 2.4, "12;" 12, "abc" 0).
double ParseReferenceValue(const QString &text);

// Up to thirteen ';'-separated values read by ParseReferenceValue; missing fields 0, further
// fields ignored.
ReferenceRow ParseReferenceLine(const QString &line);

// Title "Tagesbedarf '25 bis unter 51' (w)*" and the built-in values.
ReferenceSet BuiltInReference();

// The set for a table row, with the given title variant; thirteen zeros and " ???" for a
// row outside 0..9.
ReferenceSet ReferenceSetForRow(const ReferenceTable &table, int row, TitleVariant variant);

// Everything about the requirement rows that lives for the whole run.
struct RequirementState
{
    ReferenceTable table{};
    int ageGroup = 0;
    ReferenceSet active;
    SettingsList settings;
    TextEncoding ownValuesEncoding = TextEncoding::Windows1252;
    FileProtection ownValuesProtection; // NwRefWerteAnw.dat was there but could not be read
};

struct ReferenceLoad
{
    RequirementState state;
    QString message; // "DGE*-Referenzwerteliste nicht gefunden!", why the file was refused, or empty
};

// Reads NwRefWerteDge.dat and NwRefWerteAnw.dat, fills the table and puts the row named by
// "agroup" in settings (default 3) in force, or the built-in row when no file has data. An own
// file that exists but cannot be read gets its protection, with its start message.
ReferenceLoad LoadReferenceValues(const QString &dataDirectory, const SettingsList &settings);

// A requirement value as the program shows it, in FormatGeneral of locale like the sums: whole
// numbers as before ("1800"), own values with their decimals ("2,4").
QString ReferenceValueText(double value, const QLocale &locale);

// The requirement labels' texts: ReferenceValueText of each value.
QStringList ReferenceValueTexts(const ReferenceSet &set, const QLocale &locale);

// The four lines of NwRefWerteAnw.dat, dated with date.
QStringList OwnValuesFileLines(const QStringList &row8Texts, const QStringList &row9Texts, const QDate &date);

// Writes NwRefWerteAnw.dat in the encoding state read it in, or refuses to when state
// protects it.
WriteResult WriteOwnValuesFile(const QString &dataDirectory, const QStringList &row8Texts,
                               const QStringList &row9Texts, const QDate &date, const RequirementState &state);

// What the take-over of a requirement row came to.
struct TakeOverOutcome
{
    bool inForce = false; // the row is in force now: show it and recompute the balance
    QString notice;       // for the user although the row is in force; empty for none
    QString failure;      // NwConfig.dat could not be written: nothing changed; empty for none
};

// Puts row of the table in force under its take-over title and stores it as the age group in
// NwConfig.dat. A failed write changes nothing. When the file is protected the row is still
// in force, for this run only, and the notice says so.
TakeOverOutcome TakeOverRow(RequirementState &state, int row, const QString &dataDirectory);
