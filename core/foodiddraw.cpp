#include "foodiddraw.h"

#include "shortrandom.h"

QString DrawOwnFoodId(const QSet<QString> &takenIds, const QDateTime &now)
{
    bool anyFree = false;
    for (int id = FirstOwnFoodId; id < FirstOwnFoodId + OwnFoodIdCount && !anyFree; ++id)
        anyFree = !takenIds.contains(QString::number(id));
    if (!anyFree)
        return QString();

    // The generator passes through every value 0..32767 within its period, so a free id
    // is always reached.
    ShortRandom random(quint32(now.toSecsSinceEpoch()));
    QString id;
    do {
        id = QString::number(FirstOwnFoodId + random.next() % OwnFoodIdCount);
    } while (takenIds.contains(id));
    return id;
}

QString NoFreeOwnFoodIdRefusal()
{
    return QStringLiteral("Es sind keine freien Lebensmittel-IDs mehr vorhanden!");
}
