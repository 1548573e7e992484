#include "foodindex.h"

#include "datafiles.h"
#include "fooddata.h"
#include "foodsearchtexts.h"

#include <QCollator>
#include <QSet>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>
#include <mutex>
#include <numeric>

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

// The 'id=name' texts in collation order, and for each the position of the index text it was
// taken from. Case-only duplicates are dropped first, in index order, so the food that comes
// first (a Swiss one before an own one) keeps its spelling; the stable sort then keeps texts
// that collate equal but differ in more than case in index order.
void SortIdNames(const QStringList &texts, const QLocale &locale, QStringList &sorted, QList<int> &positions)
{
    QStringList idNames;
    QList<int> kept;
    idNames.reserve(texts.size());
    kept.reserve(texts.size());
    QSet<QString> seen;
    seen.reserve(texts.size());
    for (int position = 0; position < texts.size(); ++position) {
        const QString &text = texts.at(position);
        const QString idName = text.left(text.indexOf(QLatin1Char(';')));
        const QString folded = idName.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        idNames.append(idName);
        kept.append(position);
    }
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false); // ids sort as text: '100' before '20'
    QList<int> order(idNames.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&collator, &idNames](int a, int b) {
        return collator.compare(idNames.at(a), idNames.at(b)) < 0;
    });
    sorted.clear();
    positions.clear();
    sorted.reserve(order.size());
    positions.reserve(order.size());
    for (const int i : std::as_const(order)) {
        sorted.append(idNames.at(i));
        positions.append(kept.at(i));
    }
}

} // namespace

struct FoodIndex::Derived
{
    std::once_flag idsMade;
    QHash<QString, int> positions; // case-folded id to its first position
    std::once_flag sortedMade;
    QStringList sorted;
    QList<int> sortedPositions; // the index position each sorted text was taken from
    std::once_flag searchMade;
    FoodSearchTexts search;
};

FoodIndex::FoodIndex() : m_derived(std::make_shared<Derived>()) {}

// Both lists are made on first use: sorting is the dearest part of building the index, and a
// start-up that only shows the main window needs neither. The texts never change after
// building, so every copy of the index shares what one of them has worked out.

const QHash<QString, int> &FoodIndex::positionsByFoldedId() const
{
    // A hash rather than a search through the list: a meal file looks up every line's food.
    std::call_once(m_derived->idsMade, [this] {
        QHash<QString, int> &positions = m_derived->positions;
        positions.reserve(m_texts.size());
        // Backwards, so that of equal ids the first position is the one left standing.
        for (int position = int(m_texts.size()) - 1; position >= 0; --position)
            positions.insert(id(position).toCaseFolded(), position);
    });
    return m_derived->positions;
}

const QStringList &FoodIndex::sortedTexts() const
{
    std::call_once(m_derived->sortedMade,
                   [this] { SortIdNames(m_texts, m_locale, m_derived->sorted, m_derived->sortedPositions); });
    return m_derived->sorted;
}

const FoodSearchTexts &FoodIndex::searchTexts() const
{
    std::call_once(m_derived->searchMade, [this] {
        const QStringList &sorted = sortedTexts();
        QStringList synonyms;
        synonyms.reserve(sorted.size());
        for (const int position : std::as_const(m_derived->sortedPositions))
            synonyms.append(m_synonyms.at(position));
        m_derived->search = FoodSearchTexts(sorted, synonyms, m_words);
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
    const QString &text = m_texts.at(position);
    return text.left(text.indexOf(QLatin1Char('=')));
}

FoodRecord FoodIndex::record(int position) const
{
    // Cut as views, so that only the fields kept become strings: every food of a meal file
    // passes through here.
    const QStringView text(m_texts.at(position));
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
    return positionsByFoldedId().value(id.toCaseFolded(), -1);
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

FoodIndex BuildFoodIndex(const QStringList &swissLines, const QStringList &additionalLines,
                         const QLocale &locale, const QList<FoodWordPair> &words)
{
    FoodIndex index;
    index.m_texts.reserve(qMax<qsizetype>(0, swissLines.size() - SwissFoodHeaderLines) +
                          qMax<qsizetype>(0, additionalLines.size() - OwnFoodHeaderLines));
    index.m_synonyms.reserve(index.m_texts.capacity());
    const QStringView semicolon(u";");
    LineFieldViews fields;
    Pieces pieces;

    // The fields are cut as views, and only up to the last one the index takes (the synonyms,
    // field 2, included): the index is built from a thousand lines at every start, and a copy
    // of each of their fifty fields would cost more than all the rest of the building.
    int swissFieldsUsed = 3;
    for (const NutrientEntry &entry : NutrientCatalogue())
        swissFieldsUsed = qMax(swissFieldsUsed, entry.swissColumn + 1);
    index.m_swissCount = CountText(swissLines.size(), SwissFoodHeaderLines);
    for (qsizetype i = SwissFoodHeaderLines; i < swissLines.size(); ++i) {
        SplitFoodLine(swissLines.at(i), swissFieldsUsed, fields);
        pieces = {fields.at(0), u"=", fields.at(1), u";100;"};
        for (const NutrientEntry &entry : NutrientCatalogue()) {
            pieces.append(fields.at(entry.swissColumn));
            pieces.append(semicolon);
        }
        pieces.append(SwissDbType);
        pieces.append(semicolon);
        index.m_texts.append(Joined(pieces));
        index.m_synonyms.append(fields.at(2).toString());
    }

    index.m_additionalCount = CountText(additionalLines.size(), OwnFoodHeaderLines);
    for (qsizetype i = OwnFoodHeaderLines; i < additionalLines.size(); ++i) {
        SplitFoodLine(additionalLines.at(i), IndexFieldCount, fields);
        pieces = {fields.at(0), u"="};
        for (int f = 1; f < IndexFieldCount; ++f) {
            pieces.append(fields.at(f));
            pieces.append(semicolon);
        }
        pieces.append(AdditionalDbType);
        pieces.append(semicolon);
        index.m_texts.append(Joined(pieces));
        index.m_synonyms.append(QString()); // own foods have none
    }

    index.m_locale = locale;
    index.m_words = words;
    return index;
}
