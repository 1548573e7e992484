#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct sb_stemmer;

// The form in which the food search compares German words, so that plural and case endings
// meet: "Linsen" and "Linse" both give "lins", "Kartoffeln" and "Kartoffel" "kartoffel",
// "Eier" and "Ei" "ei". It is the German Snowball stemmer's stem, after two rules the stemmer
// lacks: a final "n" after "el" or "er" goes (Kartoffeln, Zwiebeln, Eiern), and an "-er"
// plural of a two-letter word loses its ending (Eier). Umlaut plurals (Äpfel, Nüsse) meet
// their singular because the search fold has taken the umlaut away before.
//
// One object keeps one stemmer; it is not to be shared between threads. Made once per food
// list for the foods' words and once per key for the search words.
class GermanWordForms
{
public:
    GermanWordForms();
    ~GermanWordForms();
    GermanWordForms(const GermanWordForms &) = delete;
    GermanWordForms &operator=(const GermanWordForms &) = delete;

    // The form of one word as FoldForSearch gives it (small letters, no umlauts, no blanks).
    // Without a stemmer (the library could not make one) only the two rules apply.
    QString formOf(QStringView foldedWord);

private:
    sb_stemmer *m_stemmer = nullptr;
    QByteArray m_utf8; // kept between calls, so a word costs no allocation
};
