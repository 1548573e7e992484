#include "searchfold.h"

#include <array>

namespace {

// The simple case fold of c followed by its canonical decomposition down to the base letter,
// folded again (a capital's decomposition starts with a capital: İ gives I).
char16_t BaseLetter(char16_t c)
{
    QChar folded = QChar(c).toCaseFolded();
    while (folded.decompositionTag() == QChar::Canonical) {
        const QString parts = folded.decomposition();
        if (parts.isEmpty())
            break;
        folded = parts.front().toCaseFolded();
    }
    return folded.unicode();
}

// BaseLetter, or 0 for a combining mark, which belongs to the letter before it when it is
// typed or stored on its own.
char16_t FoldedBase(char16_t c)
{
    const char16_t base = BaseLetter(c);
    const QChar::Category category = QChar(base).category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ? 0 : base;
}

// FoldedBase of U+0080 to U+00FF, the characters of most food texts beyond ASCII, worked out
// once.
const std::array<char16_t, 128> &Latin1Bases()
{
    static const std::array<char16_t, 128> bases = [] {
        std::array<char16_t, 128> table{};
        for (char16_t c = 0x80; c <= 0xFF; ++c)
            table[c - 0x80] = FoldedBase(c);
        return table;
    }();
    return bases;
}

// Writes the fold of the non-ASCII character c at to (at most three characters) and returns
// the end of what it wrote.
QChar *WriteFoldedNonAscii(QChar *to, char16_t c)
{
    auto write = [&to](const char16_t *text) {
        while (*text != 0)
            *to++ = QChar(*text++);
        return to;
    };
    switch (c) {
    case u'ß':
    case u'ẞ':
        return write(u"ss");
    case u'Œ':
    case u'œ':
        return write(u"oe");
    case u'Æ':
    case u'æ':
        return write(u"ae");
    case u'Ø':
    case u'ø':
        return write(u"o");
    default:
        break;
    }
    // The Latin ligatures ﬀ ﬁ ﬂ ﬃ ﬄ ﬅ ﬆ fold to their letters (at most three).
    if (c >= 0xFB00 && c <= 0xFB06) {
        for (const QChar letter : QChar(c).decomposition())
            *to++ = letter;
        return to;
    }
    const char16_t base = c < 0x100 ? Latin1Bases()[c - 0x80] : FoldedBase(c);
    if (base != 0)
        *to++ = QChar(base);
    return to;
}

bool IsDigraphStart(QChar c)
{
    return c == u'a' || c == u'o' || c == u'u';
}

} // namespace

QString FoldForSearch(QStringView text)
{
    QString folded;
    AppendFoldedForSearch(folded, text);
    return folded;
}

void AppendFoldedKeepingDigraphs(QString &out, QStringView text)
{
    // Written in place: room for the longest fold of every character, cut back afterwards.
    const qsizetype start = out.size();
    out.resize(start + 3 * text.size());
    QChar *to = out.data() + start;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            *to++ = (u >= u'A' && u <= u'Z') ? QChar(u - u'A' + u'a') : c;
        else
            to = WriteFoldedNonAscii(to, u);
    }
    out.truncate(to - out.constData());
}

void RemoveDigraphs(QString &out, qsizetype start)
{
    QChar *const begin = out.data() + start;
    QChar *write = begin;
    const QChar *read = begin;
    const QChar *const end = out.constData() + out.size();
    while (read != end) {
        const QChar c = *read++;
        *write++ = c;
        if (read != end && *read == u'e' && IsDigraphStart(c))
            ++read;
    }
    out.truncate(write - out.constData());
}

void AppendFoldedForSearch(QString &out, QStringView text)
{
    if (text.isEmpty())
        return;
    const qsizetype start = out.size();
    AppendFoldedKeepingDigraphs(out, text);
    RemoveDigraphs(out, start);
}

QString FoldKeepingDigraphs(QStringView text)
{
    QString folded;
    AppendFoldedKeepingDigraphs(folded, text);
    return folded;
}

QString WithoutDigraphs(QStringView text)
{
    QString result = text.toString();
    RemoveDigraphs(result, 0);
    return result;
}

bool IsNonAsciiSearchWordCharacter(char16_t c)
{
    if (c >= 0xC0 && c <= 0xFF)
        return c != 0xD7 && c != 0xF7; // Latin-1 letters, but not the signs of times and division
    return QChar(c).isLetterOrNumber() || QChar(c).isMark();
}

QList<QStringView> SearchWords(QStringView text)
{
    QList<QStringView> words;
    ForEachSearchWord(text, [&words](QStringView word, qsizetype) { words.append(word); });
    return words;
}

bool OccursAtWordBeginning(QStringView text, QStringView word)
{
    if (word.isEmpty())
        return false;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        if (at == 0 || !IsSearchWordCharacter(text[at - 1]))
            return true;
    }
    return false;
}
