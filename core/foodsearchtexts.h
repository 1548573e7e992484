#pragma once

#include "foodwords.h"
#include "searchvocabulary.h"
#include "textscan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// What the food search looks in, worked out once per food list so that a key costs only the
// looking. For every entry of the sorted 'id=name' list:
// - its line for the search by characters ("%-14.14s   %.100s" of id and name with only A to
//   Z lowered);
// - its folded id (FoldForSearch), looked in by every search word;
// - the words of its name, of each of its synonyms and of the word table's German words it
//   gains, as indices into one vocabulary of every distinct word (SearchVocabulary), so that a
//   search word is compared with each distinct word once, not with each food.
// A German word of the word table is gained by every entry whose folded name or synonyms hold
// its Swiss word at the beginning of a word ("Rahm" in "Quark, nature, Rahm", not in
// "Teilentrahmte Milch").
class FoodSearchTexts
{
public:
    FoodSearchTexts() = default;

    // idNames: the sorted 'id=name' texts; synonyms: the synonyms text of each of them (empty
    // for none; synonyms are separated by ", "); words: the word table.
    FoodSearchTexts(const QStringList &idNames, const QStringList &synonyms,
                    const QList<FoodWordPair> &words);

    int count() const { return int(m_entries.size()); }

    // The entry's folded id.
    QStringView foldedId(int entry) const { return m_ids.at(entry); }
    // The entry's words as the search compares them (FoldForSearch), for reading: the name's,
    // then each synonym's and each gained German word's after " / ", a gained one marked '+'.
    // "apfel roh / obst / +frucht".
    QString wordsText(int entry) const;

    const SearchVocabulary &vocabulary() const { return m_vocabulary; }

    // An entry's words: vocabulary indices, each with WordGroupStart on the first word of the
    // name, of each synonym and of each gained German word.
    static constexpr quint32 WordGroupStart = 0x80000000u;
    static constexpr quint32 WordIndexMask = 0x7fffffffu;
    struct EntryWords
    {
        const quint32 *begin;
        int nameCount; // the name's words come first
        int ownCount;  // name and synonyms; the gained words follow up to count
        int count;
    };
    EntryWords words(int entry) const
    {
        const Entry &e = m_entries[size_t(entry)];
        return {m_words.data() + e.wordsBegin, e.nameWords, e.ownWords, e.allWords};
    }

    // A word table pair whose German word is one word: a search word of that form also stands
    // for the Swiss word's words when the rows are ordered ("Hähnchen" for "Poulet").
    struct TableSubstitute
    {
        int germanWord; // vocabulary index
        QString f1;
        QString form;
        QList<int> swissWords; // vocabulary indices
    };
    const std::vector<TableSubstitute> &substitutes() const { return m_substitutes; }

    // ORs bit into ids[entry] for every entry whose folded id contains word; returns whether
    // there was one.
    bool markIdsContaining(QStringView word, quint32 bit, std::vector<quint32> &ids) const;

    // Sets found[entry] for every entry whose line contains text (already lowered A to Z).
    void markLinesContaining(QStringView text, std::vector<quint8> &found) const;

private:
    struct Entry
    {
        quint32 wordsBegin;
        int nameWords;
        int ownWords;
        int allWords;
    };

    std::vector<Entry> m_entries;
    std::vector<quint32> m_words; // every entry's words, see EntryWords
    ScanBuffer m_ids;             // per entry: the folded id
    ScanBuffer m_lines;           // per entry: the line of the search by characters
    SearchVocabulary m_vocabulary;
    std::vector<TableSubstitute> m_substitutes;
};
