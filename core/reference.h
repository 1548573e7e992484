#pragma once

#include "nutrients.h"
#include "settings.h"
#include "textfile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

constexpr int ReferenceRowCount = 10;
constexpr int DefaultAgeGroup = 3;

using ReferenceRow = std::array<int, NutrientCount>;
using ReferenceTable = std::array<ReferenceRow, ReferenceRowCount>;

// The requirement row in force: its title (KohorteLabel) and thirteen whole numbers.
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

// Up to thirteen ';'-separated whole numbers; missing fields 0, further fields ignored.
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
};

struct ReferenceLoad
{
    RequirementState state;
    QString message; // "DGE*-Referenzwerteliste nicht gefunden!" or empty
};

// Reads NwRefWerteDge.dat and NwRefWerteAnw.dat, fills the table and puts the row named by
// "agroup" in settings (default 3) in force, or the built-in row when no file has data.
ReferenceLoad LoadReferenceValues(const QString &dataDirectory, const SettingsList &settings);

// The requirement labels' texts: each value as a whole number ("%.0f").
QStringList ReferenceValueTexts(const ReferenceSet &set);

// The four lines of NwRefWerteAnw.dat, dated with date.
QStringList OwnValuesFileLines(const QStringList &row8Texts, const QStringList &row9Texts, const QDate &date);

WriteResult WriteOwnValuesFile(const QString &dataDirectory, const QStringList &row8Texts,
                               const QStringList &row9Texts, const QDate &date, TextEncoding encoding);
