#pragma once

#include "fooddata.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Adding one food to the user's own foods, as the own-foods window and a recipe do it.

// The field a refusal is about, for the keyboard focus.
enum class OwnFoodField
{
    None,
    Name,
    ReferenceAmount,
    Value, // the value of OwnFoodAdd::nutrient
};

struct OwnFoodAdd
{
    bool ok = false;
    QString notice; // the refusal to show; empty when ok
    OwnFoodField field = OwnFoodField::None;
    int nutrient = -1;     // the value holding ';' when field is Value
    int sameName = -1;     // the own food of that name, when one is there
    AdditionalFoodRow row; // when ok: the food as it now stands in rows, id included
};

// Puts food among rows (the own foods in display order). Refused, with rows as they were: an
// empty name or one holding ';', a ';' in a value, a name taken already (letter case counts)
// unless replaceExisting, which puts food in that food's place with its id, a reference amount
// other than "100" or "1", and no free id left. A food without an id is appended with one drawn
// at now; empty value texts become "k.A.".
OwnFoodAdd AddOwnFood(QList<AdditionalFoodRow> &rows, AdditionalFoodRow food, bool replaceExisting,
                      const QDateTime &now);
