#pragma once

#include "foodindex.h"
#include "nutrients.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

constexpr int MealCount = 6;         // meals are numbered 1..6
constexpr int MaxEntriesPerMeal = 12;

// One eaten food; every field is the text shown in the meal list.
struct MealEntry
{
    QString name;   // " " + food name
    QString dbCode; // "1" Swiss, "2" own
    QString id;
    QString amount;     // FormatOneDecimal of the eaten amount
    QStringList values; // NutrientCount texts: scaled values, or non-numeric texts unchanged
    // The household measure the amount was typed in, "2 Scheiben (100 g)"; empty for an amount
    // typed in grams or pieces and for an entry read from a file, which holds grams only.
    QString measure = {};
};

// The picked food before it is entered (the main window's input line).
struct InputLine
{
    QString id;
    QString name;     // BezeLabel: " " + food name
    QString nameHint; // "NwChDb 1234"
    QString dbType;
    QString referenceAmount;
    QStringList values = QStringList(NutrientCount, QString());
    QString amount;      // MengEdit, as typed
    QString unitCaption; // KopfMengLabel and Label12

    // Empties everything but the amount unit caption.
    void clearFood();
};

// Fills line from the index entry at position (not the amount): name, id, hint, reference
// amount, values, DbType and the unit caption "g" (reference "100") or "St".
void ShowFoodInInputLine(const FoodIndex &index, int position, InputLine &line);

class MealPlan
{
public:
    const QList<MealEntry> &meal(int number) const { return m_meals.at(number - 1); }
    int entryCount(int number) const { return m_meals.at(number - 1).size(); }
    bool allEmpty() const;

    int activeMeal() const { return m_activeMeal; }
    void setActiveMeal(int number) { m_activeMeal = number; }

    bool changed() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    QString loadedMealFilePath() const { return m_loadedMealFilePath; }
    void setLoadedMealFilePath(const QString &path) { m_loadedMealFilePath = path; }
    QString chosenMealFileName() const { return m_chosenMealFileName; }
    void setChosenMealFileName(const QString &path) { m_chosenMealFileName = path; }
    // The meal file last saved or read successfully, the one the file-name label names (the
    // loaded path above stays the one last read); empty with the label.
    QString mealFilePath() const { return m_mealFilePath; }
    void setMealFilePath(const QString &path) { m_mealFilePath = path; }

    // Primitives; none checks the limit of twelve.
    void append(int number, const MealEntry &entry) { m_meals[number - 1].append(entry); }
    void remove(int number, int position) { m_meals[number - 1].removeAt(position); }
    void swap(int number, int first, int second) { m_meals[number - 1].swapItemsAt(first, second); }
    void clear(int number) { m_meals[number - 1].clear(); }
    void setMeasure(int number, int position, const QString &measure)
    {
        m_meals[number - 1][position].measure = measure;
    }
    void clearAll();

private:
    std::array<QList<MealEntry>, MealCount> m_meals;
    int m_activeMeal = 1;
    bool m_changed = false;
    QString m_loadedMealFilePath;
    QString m_chosenMealFileName;
    QString m_mealFilePath;
};

struct EnterResult
{
    bool entered = false;
    QString message;         // the refusal to show with ShowNotice; empty when entered
    bool focusAmount = false; // the refusal wants the keyboard focus in MengEdit
};

// "Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!": the refusal of a thirteenth
// food in a meal, whichever way it comes.
QString TooManyEntriesRefusal();

// Checks the input line, scales the values to the amount and appends the entry to the
// active meal; sets the changed flag and empties the food part of the line. A refusal
// changes nothing. The caller then updates markers and recomputes the balance.
EnterResult EnterFood(MealPlan &plan, InputLine &line);
