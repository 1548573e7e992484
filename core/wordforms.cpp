#include "wordforms.h"

#include <libstemmer.h>

#include <algorithm>

namespace {

bool IsVowel(QChar c)
{
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u' || c == u'y';
}

// The rules the stemmer lacks, applied before it: it leaves "kartoffeln" and "eier" as they
// are, because their endings do not lie in the part of the word it may cut.
QStringView BeforeStemming(QStringView word)
{
    // Plural "-n" after "-el" or "-er": Kartoffeln, Zwiebeln, Nudeln, Eiern.
    if (word.size() >= 5 && word.endsWith(u'n') &&
        (word.sliced(word.size() - 3).startsWith(u"el") || word.sliced(word.size() - 3).startsWith(u"er")))
        word.chop(1);
    // "-er" plural of a word of two vowels: Eier to Ei (Bier keeps its "r").
    if (word.size() == 4 && word.endsWith(u"er") && IsVowel(word[0]) && IsVowel(word[1]))
        word.chop(2);
    return word;
}

} // namespace

GermanWordForms::GermanWordForms() : m_stemmer(sb_stemmer_new("german", "UTF_8")) {}

GermanWordForms::~GermanWordForms()
{
    if (m_stemmer != nullptr)
        sb_stemmer_delete(m_stemmer);
}

QString GermanWordForms::formOf(QStringView foldedWord)
{
    const QStringView word = BeforeStemming(foldedWord);
    if (m_stemmer == nullptr || word.isEmpty())
        return word.toString();
    // Most words are ASCII and are copied byte by byte; the rest goes through Qt's encoder.
    if (std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        m_utf8.resize(word.size());
        char *out = m_utf8.data();
        for (const QChar c : word)
            *out++ = char(c.unicode());
    } else {
        m_utf8 = word.toUtf8();
    }
    const sb_symbol *stem = sb_stemmer_stem(
        m_stemmer, reinterpret_cast<const sb_symbol *>(m_utf8.constData()), int(m_utf8.size()));
    if (stem == nullptr)
        return word.toString(); // out of memory in the stemmer
    return QString::fromUtf8(reinterpret_cast<const char *>(stem), sb_stemmer_length(m_stemmer));
}
