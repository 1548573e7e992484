#include "foodindex.h"

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

// The first fields of a food line as SplitFoodLine cuts them (missing ones empty), as views
// into the line: the index is built from a thousand lines at every start, and a copy of
// each of their fifty fields would cost more than all the rest of the building.
using FieldViews = QVarLengthArray<QStringView, 50>;

void SplitFoodLineViews(QStringView line, int limit, FieldViews &fields)
{
    fields.clear();
    const QChar *p = line.data();
    const QChar *const end = p + line.size();
    while (p != end && fields.size() < limit) {
        const QChar *fieldEnd = p;
        while (fieldEnd != end && *fieldEnd != u';')
            ++fieldEnd;
        fields.append(QStringView(p, fieldEnd - p));
        // The last field needs no closing ';'.
        p = fieldEnd == end ? end : fieldEnd + 1;
    }
    while (fields.size() < limit)
        fields.append(QStringView());
}

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
    QStringList ids; // case-folded, for findById
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

const QStringList &FoodIndex::foldedIds() const
{
    std::call_once(m_derived->idsMade, [this] {
        QStringList &ids = m_derived->ids;
        ids.reserve(m_texts.size());
        for (int position = 0; position < m_texts.size(); ++position)
            ids.append(id(position).toCaseFolded());
    });
    return m_derived->ids;
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

QString FoodIndex::id(int position) const
{
    const QString &text = m_texts.at(position);
    return text.left(text.indexOf(QLatin1Char('=')));
}

QString FoodIndex::valueText(int position) const
{
    const QString &text = m_texts.at(position);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    return equals < 0 ? text : text.mid(equals + 1);
}

FoodRecord FoodIndex::record(int position) const
{
    FoodRecord record;
    record.id = id(position);
    const QStringList fields = SplitFoodLine(valueText(position), IndexFieldCount);
    record.name = fields.at(0);
    record.referenceAmount = fields.at(1);
    record.values = fields.mid(2, NutrientCount);
    record.dbType = fields.at(15);
    return record;
}

int FoodIndex::findById(const QString &id) const
{
    const QString wanted = id.toCaseFolded();
    const qsizetype position = foldedIds().indexOf(wanted);
    return static_cast<int>(position);
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
    index.m_texts.reserve(qMax<qsizetype>(0, swissLines.size() - 3) +
                          qMax<qsizetype>(0, additionalLines.size() - 2));
    index.m_synonyms.reserve(index.m_texts.capacity());
    const QStringView semicolon(u";");
    FieldViews fields;
    Pieces pieces;

    // Only the fields up to the last one the index takes are cut out (the synonyms, field 2,
    // included).
    int swissFieldsUsed = 3;
    for (const NutrientEntry &entry : NutrientCatalogue())
        swissFieldsUsed = qMax(swissFieldsUsed, entry.swissColumn + 1);
    index.m_swissCount = CountText(swissLines.size(), 3);
    for (qsizetype i = 3; i < swissLines.size(); ++i) {
        SplitFoodLineViews(swissLines.at(i), swissFieldsUsed, fields);
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

    index.m_additionalCount = CountText(additionalLines.size(), 2);
    for (qsizetype i = 2; i < additionalLines.size(); ++i) {
        SplitFoodLineViews(additionalLines.at(i), IndexFieldCount, fields);
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
