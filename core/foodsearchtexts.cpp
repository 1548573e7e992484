#include "foodsearchtexts.h"

#include "searchfold.h"
#include "wordforms.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int IdWidth = 14;
constexpr int GapWidth = 3;
constexpr int NameWidth = 100;

void AppendAsciiLowered(QString &out, QStringView text)
{
    const qsizetype start = out.size();
    out += text;
    for (QChar *c = out.data() + start, *end = out.data() + out.size(); c != end; ++c) {
        if (c->unicode() >= u'A' && c->unicode() <= u'Z')
            *c = QChar(c->unicode() - u'A' + u'a');
    }
}

// One pair of the word table, folded.
struct FoldedPair
{
    QString swissF1;        // looked for at word beginnings of names and synonyms
    QString germanF1;       // what an entry holding it gains in its texts
    QList<int> germanWords; // ... and in its words
};

// The pairs whose Swiss word begins with each two characters: a place of a text is compared
// only with the pairs its two characters may begin.
class PairsByFirstCharacters
{
public:
    explicit PairsByFirstCharacters(const std::vector<FoldedPair> &pairs)
    {
        for (size_t i = 0; i < pairs.size(); ++i) {
            const QString &swiss = pairs[i].swissF1;
            if (swiss.size() >= 2)
                m_byTwo[Key(swiss[0], swiss[1])].push_back(int(i));
            else
                m_short.push_back(int(i));
        }
    }
    // The pairs whose Swiss word may begin at text[at].
    template <typename Visit> void forEachAt(QStringView text, qsizetype at, Visit visit) const
    {
        if (at + 1 < text.size()) {
            const auto found = m_byTwo.find(Key(text[at], text[at + 1]));
            if (found != m_byTwo.end()) {
                for (const int p : found->second)
                    visit(p);
            }
        }
        for (const int p : m_short)
            visit(p);
    }

private:
    static quint32 Key(QChar first, QChar second)
    {
        return quint32(first.unicode()) << 16 | second.unicode();
    }

    std::unordered_map<quint32, std::vector<int>> m_byTwo;
    std::vector<int> m_short; // Swiss words of one character
};

} // namespace

FoodSearchTexts::FoodSearchTexts(const QStringList &idNames, const QStringList &synonyms,
                                 const QList<FoodWordPair> &words)
{
    // The word table's words are known words (for cutting compounds) whether or not a food
    // gains them.
    std::vector<FoldedPair> pairs;
    for (const FoodWordPair &pair : words) {
        FoldedPair folded{FoldForSearch(pair.swissWord), FoldForSearch(pair.word), {}};
        const QString germanF0 = FoldKeepingDigraphs(pair.word);
        ForEachSearchWord(germanF0, [&](QStringView word, qsizetype) {
            folded.germanWords.append(m_vocabulary.add(word, false));
        });
        const QString swissF0 = FoldKeepingDigraphs(pair.swissWord);
        QList<int> swissWords;
        ForEachSearchWord(
            swissF0, [&](QStringView word, qsizetype) { swissWords.append(m_vocabulary.add(word, false)); });
        // Found only where a word begins, so a Swiss word must begin with a letter or digit.
        if (folded.swissF1.isEmpty() || !IsSearchWordCharacter(folded.swissF1.front()) ||
            folded.germanWords.isEmpty())
            continue;
        if (folded.germanWords.size() == 1 && !swissWords.isEmpty())
            m_substitutes.push_back({folded.germanWords.front(), QString(), QString(), swissWords});
        pairs.push_back(std::move(folded));
    }
    const PairsByFirstCharacters pairsByFirst(pairs);

    const qsizetype n = idNames.size();
    qsizetype expected = 0;
    for (qsizetype i = 0; i < n; ++i)
        expected += idNames.at(i).size() + 3;
    m_lines.text.reserve(n * (IdWidth + GapWidth) + expected);
    m_lines.starts.reserve(size_t(n) + 1);
    m_ids.text.reserve(n * 8);
    m_ids.starts.reserve(size_t(n) + 1);
    m_entries.reserve(size_t(n));
    m_words.reserve(size_t(n) * 10);

    QString f0;              // the fold of the text at hand, digraphs kept
    QString own;             // the entry's name and synonyms folded, where Swiss words are looked for
    std::vector<int> gained; // pairs gained by the entry at hand
    // Folds text into f0 and appends its fold to own: one fold serves both.
    auto fold = [&](QStringView text) {
        f0.truncate(0); // keeps its room for the next text
        AppendFoldedKeepingDigraphs(f0, text);
        const qsizetype start = own.size();
        own += f0;
        RemoveDigraphs(own, start);
    };
    auto addWords = [&](bool groupEachComma) {
        quint32 group = WordGroupStart;
        qsizetype wordEnd = 0;
        ForEachSearchWord(f0, [&](QStringView word, qsizetype start) {
            // Synonyms are separated by commas; each is a group of its own.
            if (groupEachComma && QStringView(f0).sliced(wordEnd, start - wordEnd).contains(u','))
                group = WordGroupStart;
            m_words.push_back(quint32(m_vocabulary.add(word)) | group);
            group = 0;
            wordEnd = start + word.size();
        });
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QStringView idName(idNames.at(i));
        const qsizetype equals = idName.indexOf(QChar(u'='));
        const QStringView id = equals < 0 ? idName : idName.first(equals);
        const QStringView name = equals < 0 ? QStringView() : idName.sliced(equals + 1);
        const QStringView synonymText = i < synonyms.size() ? QStringView(synonyms.at(i)) : QStringView();

        m_ids.beginText();
        AppendFoldedForSearch(m_ids.text, id);
        m_ids.text += u'\n';

        Entry entry{quint32(m_words.size()), 0, 0, 0};
        own.truncate(0);
        fold(name);
        addWords(false);
        entry.nameWords = int(m_words.size() - entry.wordsBegin);
        own += u' ';
        fold(synonymText);
        addWords(true);
        entry.ownWords = int(m_words.size() - entry.wordsBegin);

        // The German words of the pairs whose Swiss word begins a word of name or synonyms.
        gained.clear();
        const QStringView ownText(own);
        ForEachSearchWord(ownText, [&](QStringView, qsizetype at) {
            pairsByFirst.forEachAt(ownText, at, [&](int p) {
                const QString &swissWord = pairs[size_t(p)].swissF1;
                if (swissWord.size() <= ownText.size() - at &&
                    std::equal(swissWord.begin(), swissWord.end(), ownText.begin() + at) &&
                    std::none_of(gained.begin(), gained.end(), [&](int g) {
                        return pairs[size_t(g)].germanF1 == pairs[size_t(p)].germanF1;
                    }))
                    gained.push_back(p);
            });
        });
        for (const int p : gained) {
            quint32 group = WordGroupStart;
            for (const int word : pairs[size_t(p)].germanWords) {
                m_vocabulary.setInFood(word);
                m_words.push_back(quint32(word) | group);
                group = 0;
            }
        }
        entry.allWords = int(m_words.size() - entry.wordsBegin);
        m_entries.push_back(entry);

        m_lines.beginText();
        const qsizetype lineStart = m_lines.text.size();
        AppendAsciiLowered(m_lines.text, id.left(IdWidth));
        m_lines.text.resize(lineStart + IdWidth + GapWidth, u' ');
        AppendAsciiLowered(m_lines.text, name.left(NameWidth));
        m_lines.text += u'\n';
    }
    m_ids.finish();
    // The anchor of a search needs only how often characters occur, not the exact count.
    m_lines.finish(8);

    GermanWordForms forms;
    m_vocabulary.finish(forms);
    for (TableSubstitute &substitute : m_substitutes) {
        substitute.f1 = m_vocabulary.f1(substitute.germanWord).toString();
        substitute.form = m_vocabulary.form(substitute.germanWord).toString();
    }
}

QString FoodSearchTexts::wordsText(int entry) const
{
    const EntryWords words = this->words(entry);
    QString text;
    for (int i = 0; i < words.count; ++i) {
        if (i > 0)
            text += (words.begin[i] & WordGroupStart) ? QStringLiteral(" / ") : QStringLiteral(" ");
        if ((words.begin[i] & WordGroupStart) && i >= words.ownCount)
            text += u'+';
        text += m_vocabulary.f1(int(words.begin[i] & WordIndexMask));
    }
    return text;
}

bool FoodSearchTexts::markIdsContaining(QStringView word, quint32 bit, std::vector<quint32> &ids) const
{
    // Most ids are digits: a word with a character no id holds is in none of them.
    for (const QChar c : word) {
        if (c.unicode() < 128 && m_ids.asciiCounts[c.unicode()] == 0)
            return false;
    }
    bool any = false;
    ForEachOccurrence(m_ids, word, [&](int entry, qsizetype) {
        ids[size_t(entry)] |= bit;
        any = true;
        return true;
    });
    return any;
}

void FoodSearchTexts::markLinesContaining(QStringView text, std::vector<quint8> &found) const
{
    ForEachOccurrence(m_lines, text, [&found](int entry, qsizetype) {
        found[size_t(entry)] = 1;
        return true;
    });
}
