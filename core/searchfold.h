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

bool IsNonAsciiSearchWordSeparator(char16_t c);

// True for the characters that separate search words: blanks (any white space), commas and
// hyphens (the ASCII one and the Unicode hyphens and dashes).
inline bool IsSearchWordSeparator(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u == u' ' || u == u',' || u == u'-' || (u >= u'\t' && u <= u'\r');
    return IsNonAsciiSearchWordSeparator(u);
}

// The non-empty words of text, in order, split at every separator.
QList<QStringView> SearchWords(QStringView text);
