#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

// Ids of the own foods lie from 30000 to 31000, so they never meet the Swiss ids.
constexpr int FirstOwnFoodId = 30000;
constexpr int OwnFoodIdCount = 1001;

// Draws 30000 + (r mod 1001), r from a ShortRandom seeded with now in seconds, again and again
// while the id is in takenIds. Returns an empty text when every id from 30000 to 31000 is taken
// (the draw would never end). Every new own food gets its id here, whichever window makes it.
QString DrawOwnFoodId(const QSet<QString> &takenIds, const QDateTime &now);

// The notice when DrawOwnFoodId finds no free id.
QString NoFreeOwnFoodIdRefusal();
