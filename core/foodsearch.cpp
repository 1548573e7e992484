#include "foodsearch.h"

#include "foodindex.h"
#include "foodsearchtexts.h"
#include "searchfold.h"
#include "searchvocabulary.h"
#include "wordforms.h"

#include <QStringView>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The search by characters takes this much of the field.
constexpr int CharacterSearchWidth = 14;

// One bit per search word; words beyond these are left out.
constexpr int MostSearchWords = 32;

QString AsciiLowered(QStringView text)
{
    QString lowered = text.toString();
    for (QChar &c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return lowered;
}

// The ranking classes, best first.
enum RankClass : int
{
    IdEqual,
    NameOrSynonymEqual,
    FirstNameWord,
    WholeWord,
    WordBeginning,
    Rest,
    ClassCount
};

// Within a class, names of up to this many words are told apart by their number.
constexpr int WordCountBuckets = 64;

struct SearchWord
{
    QString typed;
    SearchWordForms forms;
    quint32 bit = 0;
};

// The end of typed whose fold is headF0, so that the notice shows the head as it was typed;
// headF0 itself where no end folds to it.
QString TypedHead(const QString &typed, const QString &headF0)
{
    for (qsizetype from = typed.size() - 1; from >= 0; --from) {
        if (FoldKeepingDigraphs(QStringView(typed).sliced(from)) == headF0) {
            QString head = typed.mid(from);
            // A noun keeps the capital its compound began with: "Apfelschorle" shows "Schorle".
            if (typed.front().isUpper())
                head[0] = head[0].toUpper();
            return head;
        }
    }
    return headF0;
}

class Search
{
public:
    Search(const FoodSearchTexts &texts) : m_texts(texts), m_vocabulary(texts.vocabulary()) {}

    FoodSearchResult run(const QString &searchFieldText);

private:
    void addWord(const QString &typed, QStringView f0);
    bool mark(SearchWord &word);
    bool matches(int entry, quint32 required) const;
    int rankClass(int entry, quint32 required, const std::vector<quint32> &order,
                  QStringView wholeText) const;
    void applySubstitutes();

    const FoodSearchTexts &m_texts;
    const SearchVocabulary &m_vocabulary;
    GermanWordForms m_forms;
    std::vector<SearchWord> m_words;
    WordMasks m_masks;
    std::vector<quint32> m_ids;
};

void Search::addWord(const QString &typed, QStringView f0)
{
    SearchWord word;
    word.typed = typed;
    word.forms = FormsOfFoldedWord(f0, m_forms);
    word.bit = quint32(1) << m_words.size();
    m_words.push_back(std::move(word));
}

bool Search::mark(SearchWord &word)
{
    const bool inWords = m_vocabulary.mark(word.forms, word.bit, m_masks);
    const bool inIds = m_texts.markIdsContaining(word.forms.f1, word.bit, m_ids);
    return inWords || inIds;
}

bool Search::matches(int entry, quint32 required) const
{
    quint32 matched = m_ids[size_t(entry)];
    const FoodSearchTexts::EntryWords words = m_texts.words(entry);
    for (int i = 0; i < words.count && (matched & required) != required; ++i)
        matched |= m_masks.contains[words.begin[i] & FoodSearchTexts::WordIndexMask];
    return (matched & required) == required;
}

int Search::rankClass(int entry, quint32 required, const std::vector<quint32> &order,
                      QStringView wholeText) const
{
    if (m_texts.foldedId(entry) == wholeText)
        return IdEqual;
    const FoodSearchTexts::EntryWords words = m_texts.words(entry);
    auto wordAt = [&](int i) { return size_t(words.begin[i] & FoodSearchTexts::WordIndexMask); };

    // The name or one synonym, word by word equal to the search words in their order.
    const int wanted = int(order.size());
    for (int start = 0; start < words.ownCount; ++start) {
        if (!(words.begin[start] & FoodSearchTexts::WordGroupStart))
            continue;
        int end = start + 1;
        const int groupEnd = start < words.nameCount ? words.nameCount : words.ownCount;
        while (end < groupEnd && !(words.begin[end] & FoodSearchTexts::WordGroupStart))
            ++end;
        if (end - start != wanted)
            continue;
        bool equal = true;
        for (int i = 0; i < wanted && equal; ++i)
            equal = (m_masks.whole[wordAt(start + i)] & order[size_t(i)]) != 0;
        if (equal)
            return NameOrSynonymEqual;
    }
    if (words.nameCount > 0 && (m_masks.whole[wordAt(0)] & required) != 0)
        return FirstNameWord;
    bool begins = false;
    for (int i = 0; i < words.count; ++i) {
        if (m_masks.whole[wordAt(i)] & required)
            return WholeWord;
        begins = begins || (m_masks.begins[wordAt(i)] & required) != 0;
    }
    return begins ? WordBeginning : Rest;
}

void Search::applySubstitutes()
{
    for (const FoodSearchTexts::TableSubstitute &substitute : m_texts.substitutes()) {
        for (const SearchWord &word : m_words) {
            if (word.forms.f1 != substitute.f1 &&
                (substitute.form.isEmpty() || word.forms.form != substitute.form))
                continue;
            for (const int swissWord : substitute.swissWords) {
                m_masks.whole[size_t(swissWord)] |= word.bit;
                m_masks.begins[size_t(swissWord)] |= word.bit;
            }
        }
    }
}

FoodSearchResult Search::run(const QString &searchFieldText)
{
    FoodSearchResult result;
    const int count = m_texts.count();
    std::vector<quint8> found(size_t(count), 0);
    m_texts.markLinesContaining(AsciiLowered(QStringView(searchFieldText).left(CharacterSearchWidth)), found);

    // The search words, each once.
    for (const QStringView typed : SearchWords(searchFieldText)) {
        const QString f0 = FoldKeepingDigraphs(typed);
        if (f0.isEmpty() || int(m_words.size()) == MostSearchWords ||
            std::any_of(m_words.begin(), m_words.end(),
                        [&](const SearchWord &w) { return w.forms.f0 == f0; }))
            continue;
        addWord(typed.toString(), f0);
    }
    if (m_words.empty()) {
        for (int e = 0; e < count; ++e) {
            if (found[size_t(e)])
                result.positions.append(e);
        }
        return result;
    }

    m_masks.reset(m_vocabulary.size());
    m_ids.assign(size_t(count), 0);
    std::vector<quint32> order; // the bits of the words searched for, in the order typed
    struct Compound
    {
        size_t word;
        quint32 parts = 0;
        quint32 head = 0;
    };
    std::vector<Compound> compounds;
    const size_t typedCount = m_words.size();
    for (size_t k = 0; k < typedCount; ++k) {
        if (mark(m_words[k])) {
            order.push_back(m_words[k].bit);
            continue;
        }
        // Found nowhere: perhaps a compound of known words.
        const QStringList parts = m_vocabulary.compoundParts(m_words[k].forms.f0, m_forms);
        if (parts.isEmpty() || m_words.size() + size_t(parts.size()) > MostSearchWords) {
            order.push_back(m_words[k].bit); // finds nothing, and so nothing is found
            continue;
        }
        Compound compound{k};
        for (const QString &part : parts) {
            addWord(QString(), part);
            mark(m_words.back());
            compound.parts |= m_words.back().bit;
            order.push_back(m_words.back().bit);
        }
        compound.head = m_words.back().bit;
        compounds.push_back(compound);
    }
    quint32 required = std::accumulate(order.begin(), order.end(), quint32(0), std::bit_or<quint32>());

    std::vector<int> byWords;
    auto findByWords = [&] {
        byWords.clear();
        for (int e = 0; e < count; ++e) {
            if (matches(e, required))
                byWords.push_back(e);
        }
    };
    findByWords();
    if (byWords.empty() && !compounds.empty()) {
        // The parts together found nothing: each compound's head alone.
        for (const Compound &compound : compounds) {
            required &= ~compound.parts;
            required |= compound.head;
            order.erase(
                std::remove_if(order.begin(), order.end(),
                               [&](quint32 bit) { return (compound.parts & bit) && bit != compound.head; }),
                order.end());
        }
        findByWords();
        if (!byWords.empty()) {
            for (const Compound &compound : compounds) {
                const SearchWord &word = m_words[compound.word];
                const auto head = std::find_if(m_words.begin(), m_words.end(),
                                               [&](const SearchWord &w) { return w.bit == compound.head; });
                result.fallbacks.append({word.typed, TypedHead(word.typed, head->forms.f0)});
            }
        }
    }
    for (const int e : byWords)
        found[size_t(e)] = 1;

    applySubstitutes();
    const QString wholeText = FoldForSearch(searchFieldText).trimmed();
    // Sorted by class and number of name words in one counting pass, list order kept.
    std::vector<int> keys(size_t(count), -1);
    std::vector<int> bucketSizes(ClassCount * WordCountBuckets + 1, 0);
    for (int e = 0; e < count; ++e) {
        if (!found[size_t(e)])
            continue;
        const int nameWords = qMin(m_texts.words(e).nameCount, WordCountBuckets - 1);
        const int key = rankClass(e, required, order, wholeText) * WordCountBuckets + nameWords;
        keys[size_t(e)] = key;
        ++bucketSizes[size_t(key) + 1];
    }
    std::partial_sum(bucketSizes.begin(), bucketSizes.end(), bucketSizes.begin());
    result.positions.resize(bucketSizes.back());
    for (int e = 0; e < count; ++e) {
        if (keys[size_t(e)] >= 0)
            result.positions[bucketSizes[size_t(keys[size_t(e)])]++] = e;
    }
    return result;
}

} // namespace

FoodSearchResult SearchFoods(const FoodIndex &index, const QString &searchFieldText)
{
    const FoodSearchTexts &texts = index.searchTexts();
    if (searchFieldText.isEmpty()) {
        FoodSearchResult result;
        result.positions.resize(texts.count());
        std::iota(result.positions.begin(), result.positions.end(), 0);
        return result;
    }
    return Search(texts).run(searchFieldText);
}

QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText)
{
    return SearchFoods(index, searchFieldText).positions;
}

QString CompoundFallbackText(const FoodSearchResult &result)
{
    QStringList texts;
    for (const CompoundFallback &fallback : result.fallbacks)
        texts.append(
            QStringLiteral("Keine Treffer für „%1“; gezeigt: „%2“").arg(fallback.typed, fallback.shown));
    return texts.join(u' ');
}
