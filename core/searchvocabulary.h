#pragma once

#include "textscan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class GermanWordForms;

// One search word in the three forms the search compares: the fold with and without its
// "ae, oe, ue" step (FoldKeepingDigraphs, FoldForSearch) and the word form of the latter
// (GermanWordForms). "Möhren" gives "mohren", "mohren", "mohr"; "Sojaeiweiss" gives
// "sojaeiweiss", "sojaiweiss", "sojaiweiss".
struct SearchWordForms
{
    QString f0;   // folded, "ae", "oe", "ue" kept
    QString f1;   // folded as FoldForSearch
    QString form; // GermanWordForms of f1
};

SearchWordForms FormsOfFoldedWord(QStringView f0, GermanWordForms &forms);

// The answer of the vocabulary for the search words of one key: one bit per search word and
// vocabulary word, in three kinds.
struct WordMasks
{
    std::vector<quint32> contains; // the search word matches the word (see SearchVocabulary::mark)
    std::vector<quint32> whole;    // ... as a whole word
    std::vector<quint32> begins;   // ... at the word's beginning

    void reset(int size);
};

// A word form shorter than this matches only a whole word of the same form: "ei", the form of
// "Eier", would otherwise be found in every "Weizen" and "Reis".
constexpr int FormLengthFoundAnywhere = 4;

// The shortest part a compound is cut into.
constexpr int ShortestCompoundPart = 3;

// Every distinct word of the foods' names, synonyms and the word table's words, with its three
// forms, made once per food list. A key of the search asks it which words each search word
// matches, so that the cost of a key grows with the vocabulary, not with the number of foods.
class SearchVocabulary
{
public:
    // Building: adds a word (folded, "ae, oe, ue" kept) once and returns its index. inFood:
    // the word is one of a food's words, not only one the word table knows.
    int add(QStringView f0Word, bool inFood = true);
    // Building: the word is one of a food's words after all.
    void setInFood(int index) { m_inFood[size_t(index)] = true; }
    // Works out the folds, forms and look-ups; nothing is added afterwards.
    void finish(GermanWordForms &forms);

    int size() const { return int(m_words.size()); }
    QStringView f0(int index) const { return m_words[size_t(index)].f0; }
    QStringView f1(int index) const { return m_words[size_t(index)].f1; }
    QStringView form(int index) const { return m_words[size_t(index)].form; }
    // The index of the word whose f0 is f0Word; -1 when there is none.
    int indexOf(QStringView f0Word) const;

    // Sets bit for every word that word matches and returns whether one of them is a food's. A word
    // matches where its f1 occurs in the word's f1, its f0 in the word's f0, its form in the
    // word's f1 (only a form of FormLengthFoundAnywhere characters or more), or where both
    // forms are equal. "whole" where the word is equal to one of these, "begins" where one of
    // them stands at the word's beginning.
    bool mark(const SearchWordForms &word, quint32 bit, WordMasks &masks) const;

    // The parts a word that finds nothing is made of, longest first: f0 cut into known words
    // of at least ShortestCompoundPart letters, where a part may be followed by a joining
    // "s" and the last part (the compound's head) may also be the beginning or an inflected
    // form of a known word. "hahnchenbrust" gives "hahnchen", "brust". Empty when the word
    // cannot be cut into at least two parts.
    QStringList compoundParts(QStringView f0Word, GermanWordForms &forms) const;

private:
    struct Word
    {
        QString f0;
        QString f1;
        QString form;
    };

    bool isKnownPart(QStringView f0Part) const;
    bool isKnownHead(QStringView f0Part, GermanWordForms &forms) const;
    bool cut(QStringView f0Word, qsizetype from, GermanWordForms &forms, quint64 &failed,
             QList<qsizetype> &cuts) const;

    void growSlots();

    std::vector<Word> m_words;
    std::vector<bool> m_inFood;
    std::vector<int> m_slots;        // open addressing by the hash of f0, -1 for free; only while building
    ScanBuffer m_f1Text;             // every word's f1
    ScanBuffer m_f0Text;             // the f0 of the words whose f0 and f1 differ
    std::vector<int> m_f0TextWords;  // the word of each text of m_f0Text
    std::vector<bool> m_hasDigraphs; // the word's f0 and f1 differ
    std::vector<int> m_byF0;         // word indices sorted by f0
    std::vector<int> m_byF1;         // ... by f1
    std::vector<int> m_byForm;       // ... by form
};
