#pragma once

#include "allnutrients.h"
#include "deferredtextlines.h"
#include "foodwords.h"
#include "nutrients.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class FoodSearchTexts;

// Both food files joined into one list: the Swiss foods in file order, then the user's own.
// Every food is an index text 'id=name;ref;v0;...;v12;DbType;'. The texts are made from the
// lines when first asked for: a start-up shows only the counts.

struct FoodRecord
{
    QString id;
    QString name;
    QString referenceAmount;
    QStringList values; // NutrientCount texts as read from the file
    QString dbType;     // "NwChDb" or "NwAnDb"
};

// "1" when dbType is exactly "NwChDb", "2" otherwise.
QString DbCodeFor(const QString &dbType);

// True when a food's values are per 100 g (reference amount exactly "100"), so its amounts are
// grams; every other reference amount counts pieces ("St").
bool IsPerHundredGrams(const QString &referenceAmount);

class FoodIndex
{
public:
    FoodIndex(); // no foods
    int count() const { return m_count; }
    QString text(int position) const { return texts().at(position); }
    QString id(int position) const;
    FoodRecord record(int position) const;

    // The first position whose id equals id ignoring case; -1 when none. Swiss foods come
    // first, so they win over own foods with the same id.
    int findById(const QString &id) const;

    // 'id=name' texts, sorted case-insensitively by the locale's collation, case-only
    // duplicates dropped. Worked out on first use (not every start needs them) and then
    // shared by every copy of this index; the Swiss foods' part also by withOwnFoods.
    int sortedCount() const { return sortedTexts().size(); }
    const QStringList &sortedTexts() const;
    QString sortedId(int position) const;
    QString sortedName(int position) const;

    // The synonyms of the food at position: field 2 of a Swiss food line, empty for own foods.
    QString synonyms(int position) const { return allSynonyms().at(position); }

    // The folded texts the food search looks in, one entry per sorted 'id=name' text (the
    // synonyms of the food that text was taken from, and the word table's words). Worked
    // out on first use and shared like the sorted list.
    const FoodSearchTexts &searchTexts() const;

    // The values of the nutrients beyond the thirteen for the food at position, per 100 g, as
    // its line in the Swiss table gives them; nullptr for an own food, which has only the
    // thirteen, and for a position outside the index. Read for every Swiss food at once when
    // first asked for (a start-up never needs them) and shared like the sorted list.
    const ExtraNutrientValues *extraValues(int position) const;

    // Captions beside "in Schweizer Liste" and "in zusätzlicher Liste": "  999", "  0".
    QString swissCountText() const { return m_swissCount; }
    QString additionalCountText() const { return m_additionalCount; }

    // The index BuildFoodIndex gives for this index's Swiss lines and additionalLines, made
    // without cutting the Swiss lines again and keeping the Swiss foods' sorted order, so
    // that its sorted list only sorts the own foods and merges them in.
    FoodIndex withOwnFoods(const QStringList &additionalLines) const;

private:
    friend FoodIndex BuildDeferredFoodIndex(const DeferredTextLines &, const QStringList &, const QLocale &,
                                            std::shared_ptr<const LazyFoodWords>);
    struct Derived;
    struct SwissPart;
    const SwissPart &swissTexts() const;
    const SwissPart &swissOrder() const;
    const QStringList &texts() const;
    const QStringList &allSynonyms() const;
    const QHash<QString, int> &positionsByFoldedId() const;

    std::shared_ptr<const LazyFoodWords> m_words; // read when the search texts are made
    QLocale m_locale;
    // The own foods' lines, and the texts, the id look-up, the sorted list and the search
    // texts made from them and the Swiss part when first asked for.
    std::shared_ptr<Derived> m_derived;
    // The Swiss foods' lines, texts and sorted 'id=name' texts; shared with withOwnFoods.
    std::shared_ptr<SwissPart> m_swiss;
    int m_count = 0;
    int m_swissTextCount = 0; // the texts hold the Swiss foods first
    QString m_swissCount = QStringLiteral("  0");
    QString m_additionalCount = QStringLiteral("  0");
};

// Builds the index from the two files' lines (never from the files) and the word table. The
// Swiss lines are decoded only when the texts are first needed; until then their number is all
// the index takes of them.
FoodIndex BuildDeferredFoodIndex(const DeferredTextLines &swissLines, const QStringList &additionalLines,
                                 const QLocale &locale = QLocale(), const QList<FoodWordPair> &words = {});

// The same with a word table that is read only when the search texts are first made.
FoodIndex BuildDeferredFoodIndex(const DeferredTextLines &swissLines, const QStringList &additionalLines,
                                 const QLocale &locale, std::shared_ptr<const LazyFoodWords> words);

// The same from Swiss lines decoded already.
FoodIndex BuildFoodIndex(const QStringList &swissLines, const QStringList &additionalLines,
                         const QLocale &locale = QLocale(), const QList<FoodWordPair> &words = {});

inline int FindFoodById(const FoodIndex &index, const QString &id) { return index.findById(id); }
