#include "foodsearchtexts.h"

#include "searchfold.h"

#include <algorithm>
#include <utility>

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
        // The first character decides most places without a call.
        if (haystack[at] != needle[0] || haystack.sliced(at, needle.size()) != needle) {
            from = at + 1;
            continue;
        }
        while (starts[entry + 1] <= at)
            ++entry;
        from = accept(int(entry), at) ? starts[entry + 1] : at + 1;
    }
}

// One bit for each small letter, one for digits and one for every other character: most
// names have no word beginning with the letter a search word begins with.
quint32 InitialBit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return 1u << (u - u'a');
    return (u >= u'0' && u <= u'9') ? 1u << 26 : 1u << 27;
}

quint32 WordInitials(QStringView text)
{
    quint32 initials = 0;
    bool atWordStart = true;
    for (const QChar c : text) {
        if (IsSearchWordSeparator(c)) {
            atWordStart = true;
        } else if (atWordStart) {
            initials |= InitialBit(c);
            atWordStart = false;
        }
    }
    return initials;
}

void AppendAsciiLowered(QString &out, QStringView text)
{
    const qsizetype start = out.size();
    out += text;
    for (QChar *c = out.data() + start, *end = out.data() + out.size(); c != end; ++c) {
        if (c->unicode() >= u'A' && c->unicode() <= u'Z')
            *c = QChar(c->unicode() - u'A' + u'a');
    }
}

} // namespace

FoodSearchTexts::FoodSearchTexts(const QStringList &idNames, const QStringList &synonyms,
                                 const QList<FoodWordPair> &words)
{
    const qsizetype n = idNames.size();
    qsizetype expected = 0;
    for (qsizetype i = 0; i < n; ++i)
        expected += idNames.at(i).size() + synonyms.value(i).size() + 3;
    m_texts.reserve(expected + expected / 16);
    m_textStarts.reserve(n + 1);
    m_entries.reserve(n);
    m_lines.reserve(n * (IdWidth + GapWidth) + expected);
    m_lineStarts.reserve(n + 1);

    for (qsizetype i = 0; i < n; ++i) {
        const QStringView idName(idNames.at(i));
        const qsizetype equals = idName.indexOf(QChar(u'='));
        const QStringView id = equals < 0 ? idName : idName.first(equals);
        const QStringView name = equals < 0 ? QStringView() : idName.sliced(equals + 1);

        const qsizetype start = m_texts.size();
        AppendFoldedForSearch(m_texts, id);
        const qsizetype idSize = m_texts.size() - start;
        m_texts += u' ';
        AppendFoldedForSearch(m_texts, name);
        const qsizetype nameSize = m_texts.size() - start - idSize - 1;
        m_texts += u' ';
        AppendFoldedForSearch(m_texts, synonyms.value(i));
        m_texts += u'\n';
        m_textStarts.push_back(start);
        m_entries.push_back({start, int(idSize), int(nameSize),
                             WordInitials(QStringView(m_texts).sliced(start + idSize + 1, nameSize))});

        const qsizetype lineStart = m_lines.size();
        m_lineStarts.push_back(lineStart);
        AppendAsciiLowered(m_lines, id.left(IdWidth));
        m_lines.resize(lineStart + IdWidth + GapWidth, u' ');
        AppendAsciiLowered(m_lines, name.left(NameWidth));
        m_lines += u'\n';
    }
    m_textStarts.push_back(m_texts.size());
    m_lineStarts.push_back(m_lines.size());
    countCharacters();
    addTableWords(words);
}

void FoodSearchTexts::countCharacters()
{
    m_asciiCounts.fill(0);
    for (const QChar c : std::as_const(m_texts)) {
        if (c.unicode() < 128)
            ++m_asciiCounts[c.unicode()];
    }
}

void FoodSearchTexts::addTableWords(const QList<FoodWordPair> &words)
{
    // The folded pairs. Swiss words that begin with two ASCII characters are found all in one
    // pass, each place compared only with those beginning with its two characters; the
    // others are looked for one by one.
    QStringList swissWords;
    QStringList germanWords;
    std::vector<std::vector<int>> byFirstTwo(128 * 128);
    std::vector<int> oneByOne;
    for (const FoodWordPair &pair : words) {
        QString swissWord = FoldForSearch(pair.swissWord);
        QString word = FoldForSearch(pair.word);
        if (swissWord.isEmpty() || word.isEmpty())
            continue;
        const int index = int(swissWords.size());
        if (swissWord.size() >= 2 && swissWord[0].unicode() < 128 && swissWord[1].unicode() < 128)
            byFirstTwo[size_t(swissWord[0].unicode() * 128 + swissWord[1].unicode())].push_back(index);
        else
            oneByOne.push_back(index);
        swissWords.append(std::move(swissWord));
        germanWords.append(std::move(word));
    }
    if (swissWords.isEmpty())
        return;

    // The German words each entry gains. Only its name and synonyms are looked at, not its id,
    // and the words gained find no further words.
    std::vector<std::vector<QString>> gained(m_entries.size());
    bool anyGained = false;
    auto gain = [&](size_t entry, const QString &word) {
        std::vector<QString> &entryWords = gained[entry];
        if (std::find(entryWords.begin(), entryWords.end(), word) == entryWords.end())
            entryWords.push_back(word);
        anyGained = true;
    };
    for (size_t e = 0; e < m_entries.size(); ++e) {
        const qsizetype from = m_entries[e].start + m_entries[e].idSize + 1;
        const QStringView text = QStringView(m_texts).sliced(from, m_textStarts[e + 1] - 1 - from);
        for (qsizetype at = 0; at + 1 < text.size(); ++at) {
            const char16_t first = text[at].unicode();
            const char16_t second = text[at + 1].unicode();
            if (first >= 128 || second >= 128)
                continue;
            for (const int index : byFirstTwo[size_t(first * 128 + second)]) {
                if (text.sliced(at).startsWith(swissWords.at(index)))
                    gain(e, germanWords.at(index));
            }
        }
    }
    for (const int index : oneByOne) {
        ForEachOccurrence(m_texts, m_textStarts, swissWords.at(index), m_asciiCounts,
                          [&](int entry, qsizetype at) {
                              const Entry &e = m_entries[size_t(entry)];
                              if (at <= e.start + e.idSize)
                                  return false; // in the id
                              gain(size_t(entry), germanWords.at(index));
                              return true;
                          });
    }
    if (!anyGained)
        return;

    // The texts again, each entry's with its words behind its synonyms.
    const QString before = std::exchange(m_texts, QString());
    const std::vector<qsizetype> beforeStarts = std::exchange(m_textStarts, {});
    m_texts.reserve(before.size() + before.size() / 8);
    m_textStarts.reserve(beforeStarts.size());
    for (size_t e = 0; e < m_entries.size(); ++e) {
        const qsizetype start = m_texts.size();
        // Without its closing '\n'.
        m_texts += QStringView(before).sliced(beforeStarts[e], beforeStarts[e + 1] - beforeStarts[e] - 1);
        for (const QString &word : gained[e]) {
            m_texts += u' ';
            m_texts += word;
        }
        m_texts += u'\n';
        m_entries[e].start = start;
        m_textStarts.push_back(start);
    }
    m_textStarts.push_back(m_texts.size());
    countCharacters();
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

bool FoodSearchTexts::nameWordStartsWithAny(int entry, const QList<QStringView> &words) const
{
    const quint32 initials = m_entries[size_t(entry)].nameInitials;
    if (std::none_of(words.begin(), words.end(),
                     [initials](QStringView word) { return initials & InitialBit(word.front()); }))
        return false;
    const QStringView name = foldedName(entry);
    bool atWordStart = true;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (IsSearchWordSeparator(c)) {
            atWordStart = true;
            continue;
        }
        if (atWordStart) {
            for (const QStringView word : words) {
                // The first character decides most words without a call.
                if (word.front() == c && name.sliced(i).startsWith(word))
                    return true;
            }
            atWordStart = false;
        }
    }
    return false;
}

void FoodSearchTexts::markLinesContaining(QStringView text, std::vector<quint8> &found) const
{
    ForEachOccurrence(m_lines, m_lineStarts, text, m_asciiCounts, [&found](int entry, qsizetype) {
        found[size_t(entry)] = 1;
        return true;
    });
}
