#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Household measures of foods: "1 Scheibe" of bread is 50 g, "1 EL" of oil 10 g.

// The names of the measures, in the order a food's list shows them.
const QStringList &MeasureNames();

struct FoodMeasure
{
    QString name;      // one of MeasureNames()
    double amount = 0; // in the food's unit: grams, or pieces for a food counted in pieces
};

// The measures of foods by id, read from a measures file: the shipped NwPortionen.dat, and a
// file of the user's own measures merged over it (mergedWith).
class FoodMeasures
{
public:
    FoodMeasures() = default;

    // The lines of a measures file: one header line, then 'id;Maß;Gramm;' lines. A line whose
    // measure is not one of MeasureNames(), whose grams are no whole number above 0, or whose
    // food and measure an earlier line gave already, is left out.
    static FoodMeasures fromLines(const QStringList &lines);

    // These measures with those of own over them: per food, a measure of own replaces the one
    // of the same name, and the others of both stay.
    FoodMeasures mergedWith(const FoodMeasures &own) const;

    // The measures of the food with id (compared without regard to case, as FindFoodById
    // does), in the order of MeasureNames(); none for an unknown id.
    QList<FoodMeasure> measuresOf(const QString &id) const;

    int foodCount() const { return int(m_byFoldedId.size()); }

private:
    void set(const QString &id, const FoodMeasure &measure, bool replace);

    QHash<QString, QList<FoodMeasure>> m_byFoldedId;
};

// Reads DataDirectory/NwPortionen.dat. A missing or unreadable file gives no measures and no
// message: amounts are then typed in grams as before.
FoodMeasures LoadFoodMeasures(const QString &dataDirectory);

// The measures an amount of a food may be typed in. A food counted in pieces (reference amount
// other than "100", such as a recipe saved per portion) has the measure "Portion" of one piece;
// a food per 100 g has its measures from source.
QList<FoodMeasure> MeasuresForFood(const FoodMeasures &source, const QString &id,
                                   const QString &referenceAmount);

// The list beside the amount field: "1 Scheibe (50 g)" for each measure, "1 Portion" for a
// food counted in pieces.
QStringList MeasureListTexts(const QList<FoodMeasure> &measures, const QString &referenceAmount);
