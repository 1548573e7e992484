#pragma once

#include "allnutrients.h"
#include "nutrients.h"

#include <QList>
#include <QPair>

#include <QString>
#include <QStringList>

// A NwChDb.dat food line for fixtures: id, name and the thirteen value texts in their Swiss
// columns; every other field is "0", as the shipped table has numbers there.
inline QString SwissFoodLine(const QString &id, const QString &name, const QStringList &values)
{
    QStringList fields(50, QStringLiteral("0"));
    fields[0] = id;
    fields[1] = name;
    for (int k = 0; k < NutrientCount; ++k)
        fields[NutrientCatalogue().at(k).swissColumn] = values.value(k);
    return fields.join(QLatin1Char(';'));
}

// The position in AllNutrients() of the nutrient of shortName; -1 when there is none.
inline int NutrientNamed(const QString &shortName)
{
    for (int n = 0; n < AllNutrientCount; ++n) {
        if (AllNutrients()[n].shortName == shortName)
            return n;
    }
    return -1;
}

// SwissFoodLine with the thirteen values given as one '|'-separated text, and some of the other
// nutrients set by short name.
inline QString SwissFoodLineWith(const QString &id, const QString &name, const char *thirteen,
                                 const QList<QPair<QString, QString>> &others)
{
    QStringList fields = SwissFoodLine(id, name, QString::fromUtf8(thirteen).split(u'|')).split(u';');
    for (const auto &[shortName, value] : others)
        fields[AllNutrients()[NutrientNamed(shortName)].swissColumn] = value;
    return fields.join(u';');
}
