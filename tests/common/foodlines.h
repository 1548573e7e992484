#pragma once

#include "nutrients.h"

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
