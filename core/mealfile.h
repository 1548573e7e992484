#pragma once

#include "foodindex.h"
#include "mealplan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The meal file: "VNR=Mz251026", then 'MahlzeitN=dbCode;id;amount;' per entry. A line named
// "Sitzung" (any case) holds no food: it records the session a file was written in, and
// readers skip it.

constexpr int MealFileHeaderLines = 1; // the VNR line
inline constexpr QLatin1String MealFileHeaderLine("VNR=Mz251026");

// The lines to write for the plan, meals in order, entries in list order.
QStringList MealFileLines(const MealPlan &plan);

// True when the path's last three characters are "txt" (lower case).
bool PassesMealFileNameTest(const QString &path);

// A line named VNR (any case) exists and line 0's value is exactly "Mz251026".
bool IsValidMealFileHeader(const QStringList &lines);

struct MealFileLine
{
    int meal = 0;   // 1..6 from the ninth character of the name, 0 to keep the previous meal
    QString id;     // normalised: leading whole number in decimal, "0" when none
    QString amount; // third field, as written
    bool sessionLine = false; // named "Sitzung": holds no food, whatever its fields say
};

MealFileLine ParseMealFileLine(QStringView line);

// "0042" gives "42", "" gives "0", " -7x" gives "-7".
QString NormaliseMealId(QStringView field);

// A line of a meal file that gave no entry.
struct MealFileRefusal
{
    int line = 0;             // counted from 1, the VNR line being line 1
    QString message;          // the notice to show, as for a food entered by hand
    bool focusAmount = false; // the refusal wants the keyboard focus in MengEdit
};

struct MealFileLoad
{
    MealPlan plan;                   // the entries read; active meal 1, not changed
    QList<MealFileRefusal> refusals; // in file order
    QString unitCaption;             // of the last food found ("g" or "St"), empty when none was found
};

// Enters the food of every line after the header (not checked here; see
// IsValidMealFileHeader) into a new plan, each through ShowFoodInInputLine and EnterFood
// like a food entered by hand, its values taken afresh from index. Lines before the first
// one naming a meal 1..6 go to startMeal (1..6; 1 for any other number). A line whose id is
// not in index is refused with "Lebensmittel-ID <id> nicht in Liste vorhanden !".
MealFileLoad LoadMealFileLines(const QStringList &lines, const FoodIndex &index, int startMeal);

// A meal file is a few hundred bytes a day; anything over this is refused before it is read,
// so a wrong file chosen by mistake cannot stall the program.
constexpr qint64 MaxMealFileBytes = 1048576;

// At most this many refusals of one reading are shown, then one line for the rest.
constexpr int MaxShownRefusals = 5;

enum class MealFileReadStatus
{
    Ok,
    Missing,       // no file at the path: nothing to say
    TooLarge,      // over MaxMealFileBytes; not read
    NotRegular,    // a pipe, device or socket: not opened; message names it
    Unreadable,    // could not be opened or read
    InvalidHeader, // read, but not a meal file
};

struct MealFileRead
{
    MealFileReadStatus status = MealFileReadStatus::Missing;
    QString message;   // what to tell the user when the file was refused; empty otherwise
    QString reason;    // the system's reason alone when Unreadable (see SystemErrorReason)
    MealFileLoad load; // the meals read; only when status is Ok
};

// Reading a meal file as one task: the size check, reading, the header test, then
// LoadMealFileLines. Only an Ok result holds meals; nothing else is to be replaced otherwise.
MealFileRead ReadMealFileAt(const QString &path, const FoodIndex &index, int startMeal);

// The refusals one reading shows: the first MaxShownRefusals as they are, then one
// "Weitere %i Zeilen wurden nicht übernommen." (line 0) counting the rest.
QList<MealFileRefusal> RefusalsToShow(const QList<MealFileRefusal> &refusals);
