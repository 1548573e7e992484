#pragma once

#include "deferredtextlines.h"
#include "fileprotection.h"
#include "textfile.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

// The two food files: NwChDb.dat (the Swiss table, read only) and NwAnDb.dat (the user's
// own foods). Both are read whole at start, the Swiss table's lines decoded only when first
// needed; the core never shows anything, it returns the message the program must show.

enum class FoodFileOutcome
{
    Loaded,
    NotFound,
    WrongFile,
    Unreadable, // there, but it could not be read (the own-foods file; the Swiss one is NotFound)
};

struct FoodFileLoad
{
    QStringList lines;                                 // empty unless Loaded
    TextEncoding encoding = TextEncoding::Windows1252; // how to write the file back
    FoodFileOutcome outcome = FoodFileOutcome::NotFound;
    QString message; // plain message box text to show at start-up; empty for none
    // Set when the file is there but was not taken in: it must not be written in this run.
    FileProtection protection;
};

struct SwissFoodLoad
{
    DeferredTextLines lines; // no lines unless Loaded
    FoodFileOutcome outcome = FoodFileOutcome::NotFound;
    QString message; // plain message box text to show at start-up; empty for none
};

// Reads DataDirectory/NwChDb.dat. Missing: "Schweizer Nährwertdatenbank nicht gefunden!";
// line 0 not starting with "Schweizer Nährwert": "Die Datei enthält nicht die Schweizer
// Nährwertdatenbank". A file that exists but cannot be read counts as missing; one refused
// before reading (not a regular file, over MaxDataFileBytes) is named with the reason.
SwissFoodLoad LoadSwissDatabase(const QString &dataDirectory);

// The fields of one line of a ';'-separated data file (food, reference and meal files) as
// views into line: exactly limit of them, text beyond field limit-1 ignored, missing fields
// empty. fields is emptied first; reused from line to line, splitting allocates nothing.
using LineFieldViews = QVarLengthArray<QStringView, 50>;
void SplitFoodLine(QStringView line, int limit, LineFieldViews &fields);

// The same fields as strings.
QStringList SplitFoodLine(const QString &line, int limit);

// One food of NwAnDb.dat: id, name, reference amount ("100" or "1") and 13 value texts.
struct AdditionalFoodRow
{
    QString id;
    QString name;
    QString referenceAmount;
    QStringList values; // NutrientCount texts, "k.A." where the user typed nothing
};

// The input fields for an own food's name take at most this many typed characters; a longer
// name read from the file (written by hand, say) is kept whole.
constexpr int OwnFoodNameMaxLength = 40;

// The notice for a ';' in an own food's name or values: it separates the fields of the file.
QString OwnFoodSemicolonRefusal();

// The notice refusing a second own food of a name already taken (letter case counts).
QString OwnFoodDuplicateRefusal();

// The notice refusing name for an own food: empty ("Keine Lebensmittel-Bezeichnung
// eingegeben!") or holding ';'. Empty when name may be used.
QString OwnFoodNameRefusal(const QString &name);

// Reads DataDirectory/NwAnDb.dat. Missing: no lines, no message; line 0 not starting with
// "Zusätzliche Lebensmittel": "Die Datei enthält nicht die eigene Nährwertdatenbank"; a file
// that cannot be read: Unreadable, with a message naming the file and the reason. Both of the
// latter protect the file.
FoodFileLoad LoadAdditionalFoods(const QString &dataDirectory);

// The full file text for rows in display order, header dated with date.
QStringList AdditionalFoodFileLines(const QList<AdditionalFoodRow> &rows, const QDate &date);

// Parses the rows of the window back from the file's lines (lines 2 and following).
QList<AdditionalFoodRow> AdditionalFoodRows(const QStringList &lines);

// The path of a data file in the data directory (which may or may not end in '/').
QString DataFilePath(const QString &dataDirectory, const QString &fileName);
