#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The one fold the food search compares with, applied alike to what the user types and to
// the foods' texts, so that "Möhre", "möhre" and "moehre" meet: case folded (ß and ẞ to
// "ss", the ligatures ﬀ to ﬆ spelt out), every letter with a diacritic to its base letter
// (ä, á, à, â to a; œ, æ, ø to oe, ae, o), then "ae", "oe", "ue" to "a", "o", "u" from left
// to right. Blanks, commas and hyphens stay, so words can be split after folding.
QString FoldForSearch(QStringView text);

// Appends the fold of text to out (the same as out += FoldForSearch(text), without the copy);
// text must not lie in out.
void AppendFoldedForSearch(QString &out, QStringView text);

// The fold without its last step: "ae", "oe", "ue" stay as they are, so that a word such as
// "Sojaeiweiss" keeps its "eiweiss". FoldForSearch(text) == WithoutDigraphs(FoldKeepingDigraphs(text)).
QString FoldKeepingDigraphs(QStringView text);

// The last step of the fold alone: "ae", "oe", "ue" to "a", "o", "u", in one pass from the left.
QString WithoutDigraphs(QStringView text);

// In place, for texts built in one buffer: FoldKeepingDigraphs(text) appended to out, and the
// last step applied to out from start on. text must not lie in out.
void AppendFoldedKeepingDigraphs(QString &out, QStringView text);
void RemoveDigraphs(QString &out, qsizetype start);

bool IsNonAsciiSearchWordCharacter(char16_t c);

// True for the characters words are made of: letters, digits and combining marks. Every other
// character (blank, comma, hyphen, bracket, point, percent sign, ...) separates words.
inline bool IsSearchWordCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z');
    return IsNonAsciiSearchWordCharacter(u);
}

// The non-empty words of text, in order: its runs of IsSearchWordCharacter.
QList<QStringView> SearchWords(QStringView text);

// Calls visit(word, start) for each of SearchWords(text) with its offset in text, without a list.
template <typename Visit> void ForEachSearchWord(QStringView text, Visit visit)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && !IsSearchWordCharacter(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < size && IsSearchWordCharacter(text[i]))
            ++i;
        if (i > start)
            visit(text.sliced(start, i - start), start);
    }
}

// True when word (not empty) occurs in text where a word of text begins: at its start or right
// after a character that is no word character. "rahm" begins a word in "Quark, Rahm" but not
// in "teilentrahmt".
bool OccursAtWordBeginning(QStringView text, QStringView word);
