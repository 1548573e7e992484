#include "foodindex.h"

#include "datafiles.h"
#include "fooddata.h"
#include "foodsearchtexts.h"
#include "numbertext.h"

#include <QCollator>
#include <QSet>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>
#include <mutex>
#include <vector>

namespace {

constexpr int IndexFieldCount = 16; // name, reference amount, 13 values, DbType
const QString SwissDbType = QStringLiteral("NwChDb");
const QString AdditionalDbType = QStringLiteral("NwAnDb");

// Pieces of an index text; a Swiss food has about thirty.
using Pieces = QVarLengthArray<QStringView, 2 * IndexFieldCount + 4>;

// pieces joined into one string, allocated once and filled by copying.
QString Joined(const Pieces &pieces)
{
    qsizetype size = 0;
    for (const QStringView piece : pieces)
        size += piece.size();
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QStringView piece : pieces)
        out = std::copy_n(piece.data(), piece.size(), out);
    return text;
}

QString CountText(qsizetype lineCount, qsizetype headerLines)
{
    const qsizetype foods = lineCount < headerLines ? 0 : lineCount - headerLines;
    return QStringLiteral("  ") + QString::number(foods);
}

// text.toCaseFolded(), made without Qt's general case conversion where every character is
// Latin-1 (the food files are Windows-1252): that conversion looks up each character in
// Unicode's tables and took most of the time of sorting the list. U+00B5 (micro) folds to
// Greek mu and leaves Latin-1, and so goes the general way, like any other character.
QString CaseFolded(const QString &text)
{
    QString folded(text.size(), Qt::Uninitialized);
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i];
        if (c >= 0x100 || c == 0xB5)
            return text.toCaseFolded();
        const bool capital = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        out[i] = capital ? char16_t(c + 0x20) : c;
    }
    return folded;
}

// One 'id=name' text to be sorted: its case-folded form and the position of its index text.
struct SortEntry
{
    QString idName;
    QString folded;
    int position = 0;
};

// The order of the sorted list: the locale's collation, case-insensitive. Qt's collator for
// the C locale compares the case-folded UTF-16 units of the texts; there the folded texts,
// made for the duplicate check anyway, are the sort keys and are compared without the
// collator, and a sort by them is checked against the collator afterwards. Other locales
// compare with the collator, whose own keys (QCollatorSortKey) cost more to make than a
// whole sort by comparisons.
class IdNameOrder
{
public:
    explicit IdNameOrder(const QLocale &locale)
        : m_collator(locale), m_byFolded(locale.language() == QLocale::C)
    {
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
        m_collator.setNumericMode(false); // ids sort as text: '100' before '20'
    }

    bool less(const SortEntry &a, const SortEntry &b) const
    {
        if (m_byFolded)
            return QStringView(a.folded).compare(QStringView(b.folded)) < 0;
        return m_collator.compare(a.idName, b.idName) < 0;
    }

    // Whether entries, in their order, are what a stable sort by the collator gives: each
    // neighbour pair in order, and equal ones in index order.
    bool isCollatorOrder(const std::vector<SortEntry> &entries) const
    {
        if (!m_byFolded)
            return true; // sorted by the collator itself
        for (size_t i = 1; i < entries.size(); ++i) {
            const int order = m_collator.compare(entries[i - 1].idName, entries[i].idName);
            if (order > 0 || (order == 0 && entries[i - 1].position > entries[i].position))
                return false;
        }
        return true;
    }

    // The collator's stable order of entries, the one the list is defined by.
    void sortByCollator(std::vector<SortEntry> &entries) const
    {
        std::sort(entries.begin(), entries.end(),
                  [](const SortEntry &a, const SortEntry &b) { return a.position < b.position; });
        std::stable_sort(entries.begin(), entries.end(), [this](const SortEntry &a, const SortEntry &b) {
            return m_collator.compare(a.idName, b.idName) < 0;
        });
    }

private:
    QCollator m_collator;
    bool m_byFolded;
};

// The texts [from, to) in index order as entries, stably sorted by order, without the case-only
// duplicates of earlier texts and of those in earlier; the folded texts kept go into seen.
// Dropping in index order keeps the spelling of the food that comes first (a Swiss one before
// an own one).
std::vector<SortEntry> SortedEntries(const QStringList &texts, int from, int to, const IdNameOrder &order,
                                     const QSet<QString> *earlier, QSet<QString> &seen)
{
    std::vector<SortEntry> entries;
    entries.reserve(size_t(qMax(0, to - from)));
    seen.reserve(seen.size() + (to - from));
    for (int position = from; position < to; ++position) {
        const QString &text = texts.at(position);
        SortEntry entry;
        entry.idName = text.left(text.indexOf(QLatin1Char(';')));
        entry.folded = CaseFolded(entry.idName);
        if ((earlier != nullptr && earlier->contains(entry.folded)) || seen.contains(entry.folded))
            continue;
        seen.insert(entry.folded);
        entry.position = position;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [&order](const SortEntry &a, const SortEntry &b) { return order.less(a, b); });
    return entries;
}

} // namespace

// The Swiss foods' part of the index. The Swiss lines do not change while the program runs,
// so an index rebuilt after a save of the own foods keeps this part, and what was made of it.
struct FoodIndex::SwissPart
{
    DeferredTextLines lines; // the Swiss food file, until the texts are made
    DeferredTextLines valueLines; // the same, until the other nutrients' values are read
    std::once_flag extrasMade;
    std::vector<ExtraNutrientValues> extras; // one row per Swiss food
    std::once_flag textsMade;
    QStringList texts;
    QStringList synonyms;
    std::once_flag orderMade;
    std::vector<SortEntry> entries; // in collation order, case-only duplicates dropped
    QSet<QString> folded;           // the folded texts of all Swiss foods
};

struct FoodIndex::Derived
{
    QStringList additionalLines; // the own-foods file, until the texts are made
    std::once_flag textsMade;
    QStringList texts; // the Swiss texts, then the own ones
    QStringList synonyms;
    std::once_flag idsMade;
    QHash<QString, int> positions; // case-folded id to its first position
    std::once_flag sortedMade;
    QStringList sorted;
    QList<int> sortedPositions; // the index position each sorted text was taken from
    std::once_flag searchMade;
    FoodSearchTexts search;
};

FoodIndex::FoodIndex() : m_derived(std::make_shared<Derived>()), m_swiss(std::make_shared<SwissPart>()) {}

// Both lists are made on first use: sorting is the dearest part of building the index, and a
// start-up that only shows the main window needs neither. The texts never change after
// building, so every copy of the index shares what one of them has worked out.

const QHash<QString, int> &FoodIndex::positionsByFoldedId() const
{
    // A hash rather than a search through the list: a meal file looks up every line's food.
    std::call_once(m_derived->idsMade, [this] {
        QHash<QString, int> &positions = m_derived->positions;
        positions.reserve(m_count);
        // Backwards, so that of equal ids the first position is the one left standing.
        for (int position = m_count - 1; position >= 0; --position)
            positions.insert(CaseFolded(id(position)), position);
    });
    return m_derived->positions;
}

const FoodIndex::SwissPart &FoodIndex::swissOrder() const
{
    const SwissPart &swiss = swissTexts();
    std::call_once(m_swiss->orderMade, [this, &swiss] {
        m_swiss->entries =
            SortedEntries(swiss.texts, 0, m_swissTextCount, IdNameOrder(m_locale), nullptr, m_swiss->folded);
    });
    return *m_swiss;
}

const QStringList &FoodIndex::sortedTexts() const
{
    std::call_once(m_derived->sortedMade, [this] {
        // The Swiss part and the own part are each sorted stably; merging them with the Swiss
        // text first where they are equal gives the stable sort of the whole, since every
        // Swiss food stands before every own one in the index.
        const IdNameOrder order(m_locale);
        const SwissPart &swiss = swissOrder();
        QSet<QString> ownFolded;
        const std::vector<SortEntry> own =
            SortedEntries(texts(), m_swissTextCount, m_count, order, &swiss.folded, ownFolded);
        std::vector<SortEntry> merged;
        merged.reserve(swiss.entries.size() + own.size());
        std::merge(swiss.entries.begin(), swiss.entries.end(), own.begin(), own.end(),
                   std::back_inserter(merged),
                   [&order](const SortEntry &a, const SortEntry &b) { return order.less(a, b); });
        if (!order.isCollatorOrder(merged))
            order.sortByCollator(merged);

        QStringList &sorted = m_derived->sorted;
        QList<int> &positions = m_derived->sortedPositions;
        sorted.reserve(qsizetype(merged.size()));
        positions.reserve(qsizetype(merged.size()));
        for (const SortEntry &entry : merged) {
            sorted.append(entry.idName);
            positions.append(entry.position);
        }
    });
    return m_derived->sorted;
}

const FoodSearchTexts &FoodIndex::searchTexts() const
{
    std::call_once(m_derived->searchMade, [this] {
        const QStringList &sorted = sortedTexts();
        QStringList synonyms;
        synonyms.reserve(sorted.size());
        for (const int position : std::as_const(m_derived->sortedPositions))
            synonyms.append(allSynonyms().at(position));
        m_derived->search = FoodSearchTexts(sorted, synonyms, m_words ? m_words->pairs() : QList<FoodWordPair>());
    });
    return m_derived->search;
}

QString DbCodeFor(const QString &dbType)
{
    return dbType == SwissDbType ? QStringLiteral("1") : QStringLiteral("2");
}

bool IsPerHundredGrams(const QString &referenceAmount)
{
    return referenceAmount == QLatin1String("100");
}

QString FoodIndex::id(int position) const
{
    const QString &text = texts().at(position);
    return text.left(text.indexOf(QLatin1Char('=')));
}

FoodRecord FoodIndex::record(int position) const
{
    // Cut as views, so that only the fields kept become strings: every food of a meal file
    // passes through here.
    const QStringView text(texts().at(position));
    const qsizetype equals = text.indexOf(u'=');
    LineFieldViews fields;
    SplitFoodLine(equals < 0 ? text : text.mid(equals + 1), IndexFieldCount, fields);

    FoodRecord record;
    record.id = id(position);
    record.name = fields.at(0).toString();
    record.referenceAmount = fields.at(1).toString();
    record.values.reserve(NutrientCount);
    for (int k = 0; k < NutrientCount; ++k)
        record.values.append(fields.at(2 + k).toString());
    record.dbType = fields.at(IndexFieldCount - 1).toString();
    return record;
}

int FoodIndex::findById(const QString &id) const
{
    return positionsByFoldedId().value(CaseFolded(id), -1);
}

QString FoodIndex::sortedId(int position) const
{
    const QString &text = sortedTexts().at(position);
    return text.left(text.indexOf(QLatin1Char('=')));
}

QString FoodIndex::sortedName(int position) const
{
    const QString &text = sortedTexts().at(position);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : text.mid(equals + 1);
}

// The fields are cut as views, and only up to the last one the index takes (the synonyms,
// field 2, included): a copy of each of a line's fifty fields would cost more than all the rest
// of the building.
const FoodIndex::SwissPart &FoodIndex::swissTexts() const
{
    std::call_once(m_swiss->textsMade, [this] {
        SwissPart &swiss = *m_swiss;
        swiss.texts.reserve(m_swissTextCount);
        swiss.synonyms.reserve(m_swissTextCount);
        int swissFieldsUsed = 3;
        for (const NutrientEntry &entry : NutrientCatalogue())
            swissFieldsUsed = qMax(swissFieldsUsed, entry.swissColumn + 1);
        const QStringView semicolon(u";");
        LineFieldViews fields;
        Pieces pieces;
        // Decoded for this once, not kept: the store asks for the lines themselves only in
        // tests.
        const QStringList lines = swiss.lines.decodedLines();
        for (qsizetype i = SwissFoodHeaderLines; i < lines.size(); ++i) {
            SplitFoodLine(lines.at(i), swissFieldsUsed, fields);
            pieces = {fields.at(0), u"=", fields.at(1), u";100;"};
            for (const NutrientEntry &entry : NutrientCatalogue()) {
                pieces.append(fields.at(entry.swissColumn));
                pieces.append(semicolon);
            }
            pieces.append(SwissDbType);
            pieces.append(semicolon);
            swiss.texts.append(Joined(pieces));
            swiss.synonyms.append(fields.at(2).toString());
        }
        swiss.lines = DeferredTextLines(); // the store keeps its own
    });
    return *m_swiss;
}

namespace {

// A value field of the nutrients beyond the thirteen: a number (decimal comma or point), else no
// value. Unlike the thirteen, where an empty field reads as 0, an empty field or one the line
// does not reach is no value: a table without these columns must not read as all zeros.
double ExtraValue(QStringView field)
{
    double value = 0;
    if (field.isEmpty() || !ReadDecimalText(field, &value))
        return NoNutrientValue;
    return value;
}

} // namespace

const ExtraNutrientValues *FoodIndex::extraValues(int position) const
{
    if (position < 0 || position >= m_swissTextCount)
        return nullptr;
    std::call_once(m_swiss->extrasMade, [this] {
        SwissPart &swiss = *m_swiss;
        int fieldsUsed = 0;
        for (int e = 0; e < ExtraNutrientCount; ++e)
            fieldsUsed = qMax(fieldsUsed, AllNutrients()[NutrientCount + e].swissColumn + 1);
        swiss.extras.reserve(size_t(m_swissTextCount));
        LineFieldViews fields;
        // Decoded for this once, not kept, as for the texts.
        const QStringList lines = swiss.valueLines.decodedLines();
        for (qsizetype i = SwissFoodHeaderLines; i < lines.size(); ++i) {
            SplitFoodLine(lines.at(i), fieldsUsed, fields);
            ExtraNutrientValues values;
            for (int e = 0; e < ExtraNutrientCount; ++e)
                values[size_t(e)] = ExtraValue(fields.at(AllNutrients()[NutrientCount + e].swissColumn));
            swiss.extras.push_back(values);
        }
        swiss.valueLines = DeferredTextLines();
    });
    return &m_swiss->extras.at(size_t(position));
}

const QStringList &FoodIndex::texts() const
{
    std::call_once(m_derived->textsMade, [this] {
        Derived &derived = *m_derived;
        const SwissPart &swiss = swissTexts();
        derived.texts.reserve(m_count);
        derived.synonyms.reserve(m_count);
        derived.texts.append(swiss.texts);
        derived.synonyms.append(swiss.synonyms);
        const QStringView semicolon(u";");
        LineFieldViews fields;
        Pieces pieces;
        for (qsizetype i = OwnFoodHeaderLines; i < derived.additionalLines.size(); ++i) {
            SplitFoodLine(derived.additionalLines.at(i), IndexFieldCount, fields);
            pieces = {fields.at(0), u"="};
            for (int f = 1; f < IndexFieldCount; ++f) {
                pieces.append(fields.at(f));
                pieces.append(semicolon);
            }
            pieces.append(AdditionalDbType);
            pieces.append(semicolon);
            derived.texts.append(Joined(pieces));
            derived.synonyms.append(QString()); // own foods have none
        }
        derived.additionalLines = QStringList();
    });
    return m_derived->texts;
}

const QStringList &FoodIndex::allSynonyms() const
{
    texts();
    return m_derived->synonyms;
}

FoodIndex FoodIndex::withOwnFoods(const QStringList &additionalLines) const
{
    FoodIndex index;
    index.m_swiss = m_swiss;
    index.m_swissTextCount = m_swissTextCount;
    index.m_swissCount = m_swissCount;
    index.m_derived->additionalLines = additionalLines;
    index.m_count = m_swissTextCount + int(qMax<qsizetype>(0, additionalLines.size() - OwnFoodHeaderLines));
    index.m_additionalCount = CountText(additionalLines.size(), OwnFoodHeaderLines);
    index.m_locale = m_locale;
    index.m_words = m_words;
    return index;
}

FoodIndex BuildDeferredFoodIndex(const DeferredTextLines &swissLines, const QStringList &additionalLines,
                                 const QLocale &locale, std::shared_ptr<const LazyFoodWords> words)
{
    FoodIndex index;
    // The lines are shared, not copied; the texts are made from them on first use.
    index.m_swiss->lines = swissLines;
    index.m_swiss->valueLines = swissLines;
    index.m_swissTextCount = int(qMax<qsizetype>(0, swissLines.size() - SwissFoodHeaderLines));
    index.m_swissCount = CountText(swissLines.size(), SwissFoodHeaderLines);
    index.m_locale = locale;
    index.m_words = std::move(words);
    return index.withOwnFoods(additionalLines);
}

FoodIndex BuildDeferredFoodIndex(const DeferredTextLines &swissLines, const QStringList &additionalLines,
                                 const QLocale &locale, const QList<FoodWordPair> &words)
{
    return BuildDeferredFoodIndex(swissLines, additionalLines, locale, std::make_shared<const LazyFoodWords>(words));
}

FoodIndex BuildFoodIndex(const QStringList &swissLines, const QStringList &additionalLines,
                         const QLocale &locale, const QList<FoodWordPair> &words)
{
    return BuildDeferredFoodIndex(DeferredTextLines(swissLines), additionalLines, locale, words);
}
