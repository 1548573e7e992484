#pragma once

#include "samples.h"

#include <QString>
#include <QStringList>

class FoodIndex;

// The food search alone, without the window: every key of each text typed, one character more
// at each key, rounds times. A key is one FilterFoodPositions call; its figure is its median
// over the rounds, and the worst key is the highest of those.
struct SearchKeysResult
{
    QString failure;
    Samples keys; // the median of each key
    double worstMs = 0;
    QString worstKey; // the text the worst key searched for
    QString note;
};
SearchKeysResult MeasureSearchKeys(const FoodIndex &index, const QStringList &texts, int rounds);

// Search texts of 40 characters, the longest the field takes: everyday words with plurals,
// umlauts spelt out and compounds that are cut into parts, and one of single letters, which
// each match most words.
QStringList LongSearchTexts();
