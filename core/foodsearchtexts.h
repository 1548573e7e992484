#pragma once

#include "foodwords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

// What the food search looks in, worked out once per food list so that a key costs only the
// looking: for every entry of the sorted 'id=name' list its id, name and synonyms folded for
// the word search (FoldForSearch), and its line for the search by characters ("%-14.14s
// %.100s" of id and name with only A to Z lowered). The texts of all entries lie in one
// buffer each, so one pass over a buffer answers for every entry.
class FoodSearchTexts
{
public:
    FoodSearchTexts() = default;

    // idNames: the sorted 'id=name' texts; synonyms: the synonyms text of each of them (empty
    // for none); words: the word table, whose German word joins the synonyms of every entry
    // whose folded name or synonyms contain the folded Swiss word.
    FoodSearchTexts(const QStringList &idNames, const QStringList &synonyms,
                    const QList<FoodWordPair> &words);

    int count() const { return int(m_entries.size()); }

    // The entry's folded id and name.
    QStringView foldedId(int entry) const;
    QStringView foldedName(int entry) const;

    // Sets found[entry] for every entry whose folded id, name or synonyms contain word (a
    // folded text without line breaks).
    void markTextsContaining(QStringView word, std::vector<quint8> &found) const;

    // True when a word of the entry's folded name (split as search words are) begins with one
    // of words (folded, not empty).
    bool nameWordStartsWithAny(int entry, const QList<QStringView> &words) const;

    // Sets found[entry] for every entry whose line contains text (already lowered A to Z).
    void markLinesContaining(QStringView text, std::vector<quint8> &found) const;

    // The entry's folded texts as markTextsContaining searches them, word table included,
    // separated by blanks.
    QStringView foldedTexts(int entry) const;

private:
    void countCharacters();
    void addTableWords(const QList<FoodWordPair> &words);

    struct Entry
    {
        qsizetype start; // in m_texts
        int idSize;
        int nameSize;
        quint32 nameInitials; // InitialBit of the first letter of every word of the name
    };

    std::vector<Entry> m_entries;
    QString m_texts;                            // per entry: id, ' ', name, ' ', synonyms, '\n'
    std::vector<qsizetype> m_textStarts;        // where each entry's texts start, and the end
    QString m_lines;                            // per entry: the line, '\n'
    std::vector<qsizetype> m_lineStarts;        // where each line starts, and the end
    std::array<qsizetype, 128> m_asciiCounts{}; // how often each ASCII character occurs in m_texts
};
