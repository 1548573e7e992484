#include "foodsearchtexts.h"

#include "searchfold.h"

#include <algorithm>

namespace {

constexpr int IdWidth = 14;
constexpr int GapWidth = 3;
constexpr int NameWidth = 100;

// The character of needle to look for first: the one that occurs least often in the texts,
// so that the vectorised search for it stops at few places. Characters beyond ASCII count
// as rare.
qsizetype AnchorOf(QStringView needle, const std::array<qsizetype, 128> &counts)
{
    qsizetype anchor = 0;
    qsizetype fewest = -1;
    for (qsizetype i = 0; i < needle.size(); ++i) {
        const char16_t c = needle[i].unicode();
        const qsizetype count = c < 128 ? counts[c] : 0;
        if (fewest < 0 || count < fewest) {
            fewest = count;
            anchor = i;
        }
    }
    return anchor;
}

// Calls accept(entry, at) for the places where needle occurs in haystack, whose entries start
// at starts (with the end last), from the left. When accept returns true the rest of that
// entry is skipped. needle must not hold the entries' separator '\n'.
template <typename Accept>
void ForEachOccurrence(QStringView haystack, const std::vector<qsizetype> &starts, QStringView needle,
                       const std::array<qsizetype, 128> &counts, Accept accept)
{
    if (needle.isEmpty() || needle.contains(u'\n'))
        return;
    const qsizetype anchor = AnchorOf(needle, counts);
    const QChar anchorChar = needle[anchor];
    const qsizetype last = haystack.size() - needle.size(); // the last place needle can start
    size_t entry = 0;
    qsizetype from = 0;
    while (from <= last) {
        const qsizetype found = haystack.indexOf(anchorChar, from + anchor);
        if (found < 0)
            return;
        const qsizetype at = found - anchor;
        if (at > last)
            return;
        if (haystack.sliced(at, needle.size()) != needle) {
            from = at + 1;
            continue;
        }
        while (starts[entry + 1] <= at)
            ++entry;
        from = accept(int(entry), at) ? starts[entry + 1] : at + 1;
    }
}

void AppendAsciiLowered(QString &out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        out += (u >= u'A' && u <= u'Z') ? QChar(u - u'A' + u'a') : c;
    }
}

} // namespace

FoodSearchTexts::FoodSearchTexts(const QStringList &idNames, const QStringList &synonyms,
                                 const QList<FoodWordPair> &words)
{
    const qsizetype n = idNames.size();

    // First the folded id, name and synonyms of every entry, without the word table.
    QString base;
    std::vector<qsizetype> baseStarts;
    baseStarts.reserve(n + 1);
    std::vector<Entry> entries;
    entries.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QStringView idName(idNames.at(i));
        const qsizetype equals = idName.indexOf(u'=');
        const QStringView id = equals < 0 ? idName : idName.first(equals);
        const QStringView name = equals < 0 ? QStringView() : idName.sliced(equals + 1);
        const QString foldedId = FoldForSearch(id);
        const QString foldedName = FoldForSearch(name);
        baseStarts.push_back(base.size());
        entries.push_back({base.size(), int(foldedId.size()), int(foldedName.size())});
        base += foldedId;
        base += u' ';
        base += foldedName;
        base += u' ';
        base += FoldForSearch(synonyms.value(i));
        base += u'\n';
    }
    baseStarts.push_back(base.size());
    std::array<qsizetype, 128> baseCounts{};
    for (const QChar c : std::as_const(base)) {
        if (c.unicode() < 128)
            ++baseCounts[c.unicode()];
    }

    // Then the German words of the table for the entries whose name or synonyms hold the
    // Swiss word; the id does not count, and the words found do not find further words.
    std::vector<std::vector<QString>> added(static_cast<size_t>(n));
    bool anyAdded = false;
    for (const FoodWordPair &pair : words) {
        const QString swissWord = FoldForSearch(pair.swissWord);
        const QString word = FoldForSearch(pair.word);
        if (swissWord.isEmpty() || word.isEmpty())
            continue;
        ForEachOccurrence(base, baseStarts, swissWord, baseCounts, [&](int entry, qsizetype at) {
            if (at <= entries[size_t(entry)].start + entries[size_t(entry)].idSize)
                return false; // in the id
            std::vector<QString> &entryWords = added[size_t(entry)];
            if (std::find(entryWords.begin(), entryWords.end(), word) == entryWords.end())
                entryWords.push_back(word);
            anyAdded = true;
            return true;
        });
    }

    if (!anyAdded) {
        m_texts = base;
        m_textStarts = std::move(baseStarts);
    } else {
        m_texts.reserve(base.size() + n);
        m_textStarts.reserve(n + 1);
        for (qsizetype i = 0; i < n; ++i) {
            Entry &entry = entries[size_t(i)];
            const qsizetype start = m_texts.size();
            // Without its closing '\n'.
            m_texts += QStringView(base).sliced(entry.start, baseStarts[size_t(i) + 1] - entry.start - 1);
            for (const QString &word : added[size_t(i)]) {
                m_texts += u' ';
                m_texts += word;
            }
            m_texts += u'\n';
            entry.start = start;
            m_textStarts.push_back(start);
        }
        m_textStarts.push_back(m_texts.size());
    }
    m_entries = std::move(entries);
    for (const QChar c : std::as_const(m_texts)) {
        if (c.unicode() < 128)
            ++m_asciiCounts[c.unicode()];
    }

    // The lines of the search by characters.
    m_lines.reserve(n * (IdWidth + GapWidth + 32));
    m_lineStarts.reserve(n + 1);
    for (qsizetype i = 0; i < n; ++i) {
        const QStringView idName(idNames.at(i));
        const qsizetype equals = idName.indexOf(u'=');
        const QStringView id = equals < 0 ? idName : idName.first(equals);
        const QStringView name = equals < 0 ? QStringView() : idName.sliced(equals + 1);
        const qsizetype start = m_lines.size();
        m_lineStarts.push_back(start);
        AppendAsciiLowered(m_lines, id.left(IdWidth));
        while (m_lines.size() < start + IdWidth + GapWidth)
            m_lines += u' ';
        AppendAsciiLowered(m_lines, name.left(NameWidth));
        m_lines += u'\n';
    }
    m_lineStarts.push_back(m_lines.size());
}

QStringView FoodSearchTexts::foldedId(int entry) const
{
    const Entry &e = m_entries[size_t(entry)];
    return QStringView(m_texts).sliced(e.start, e.idSize);
}

QStringView FoodSearchTexts::foldedName(int entry) const
{
    const Entry &e = m_entries[size_t(entry)];
    return QStringView(m_texts).sliced(e.start + e.idSize + 1, e.nameSize);
}

QStringView FoodSearchTexts::foldedTexts(int entry) const
{
    const qsizetype start = m_textStarts[size_t(entry)];
    return QStringView(m_texts).sliced(start, m_textStarts[size_t(entry) + 1] - start - 1);
}

void FoodSearchTexts::markTextsContaining(QStringView word, std::vector<quint8> &found) const
{
    ForEachOccurrence(m_texts, m_textStarts, word, m_asciiCounts, [&found](int entry, qsizetype) {
        found[size_t(entry)] = 1;
        return true;
    });
}

void FoodSearchTexts::markLinesContaining(QStringView text, std::vector<quint8> &found) const
{
    ForEachOccurrence(m_lines, m_lineStarts, text, m_asciiCounts, [&found](int entry, qsizetype) {
        found[size_t(entry)] = 1;
        return true;
    });
}
