#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The word table NwWortliste.dat: German words for the Swiss names of the food table, one
// pair a line, "Sahne;Rahm". Every food whose name or synonyms contain the Swiss word (as the
// search folds both) is also found by the German word.
struct FoodWordPair
{
    QString word;      // the German word, e.g. "Sahne"
    QString swissWord; // the word of the table, e.g. "Rahm"
};

// The pairs of the file's lines: the text before the first ';' and the text after it (up to a
// further ';'), each trimmed. Lines where either side is empty are skipped.
QList<FoodWordPair> FoodWordPairs(const QStringList &lines);

// Reads DataDirectory/NwWortliste.dat. A missing or unreadable file gives no pairs and no
// message: the search then works without them. A file refused before reading (not a regular
// file, over MaxDataFileBytes) gives no pairs either, and refusal (when given) says why.
QList<FoodWordPair> LoadFoodWords(const QString &dataDirectory, QString *refusal = nullptr);
