#pragma once

#include "foodstore.h"
#include "reference.h"

#include <QLocale>
#include <QString>

#include <functional>

// What a day is computed with, loaded from the data folder as start-up loads it: the foods
// (their files, the word table and the index) and the requirement rows with the row in force.
// The main window's session, the several-days window and the command line all use one.
class DayData
{
public:
    // locale: the collation of the sorted food list.
    DayData(const QString &dataDirectory, const QLocale &locale);

    enum class Stop
    {
        Never,             // the windows: they start with whatever could be read
        WithoutSwissFoods, // the command line: nothing to compute without the Swiss foods
    };

    // Reads NwChDb.dat, NwAnDb.dat and the word table, then the settings, builds the index and
    // reads the requirement rows, in this order; tell gets every message before the next file is
    // looked at. With Stop::WithoutSwissFoods and no Swiss food read, tells "Die Schweizer
    // Nährwertliste ist leer!" after the food files' messages and returns false.
    bool load(const std::function<void(const QString &)> &tell, Stop stop = Stop::Never);

    FoodStore &store() { return m_store; }
    const FoodStore &store() const { return m_store; }
    RequirementState &requirements() { return m_requirements; }
    const RequirementState &requirements() const { return m_requirements; }

private:
    QString m_dataDirectory;
    FoodStore m_store;
    RequirementState m_requirements;
};
