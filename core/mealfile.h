#pragma once

#include "mealplan.h"

#include <QString>
#include <QStringList>

// The meal file: "VNR=Mz251026", then 'MahlzeitN=dbCode;id;amount;' per entry.

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
};

MealFileLine ParseMealFileLine(const QString &line);

// "0042" gives "42", "" gives "0", " -7x" gives "-7".
QString NormaliseMealId(const QString &field);
