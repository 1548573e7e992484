#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>

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
// A word table read when it is first asked for: the search needs it when its texts are made,
// which a start-up does not do. Shared by every index built from it.
class LazyFoodWords
{
public:
    // Reads DataDirectory/NwWortliste.dat (as LoadFoodWords, without a refusal: one was said at start) on the first pairs() call.
    explicit LazyFoodWords(QString dataDirectory);
    // Pairs given already.
    explicit LazyFoodWords(QList<FoodWordPair> pairs);

    const QList<FoodWordPair> &pairs() const;

private:
    QString m_dataDirectory;
    mutable std::once_flag m_read;
    mutable QList<FoodWordPair> m_pairs;
};
