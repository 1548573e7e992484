#include "foodindex.h"

#include "fooddata.h"

#include <QCollator>
#include <QSet>

#include <algorithm>

namespace {

constexpr int IndexFieldCount = 16; // name, reference amount, 13 values, DbType
const QString SwissDbType = QStringLiteral("NwChDb");
const QString AdditionalDbType = QStringLiteral("NwAnDb");

QString CountText(qsizetype lineCount, qsizetype headerLines)
{
    const qsizetype foods = lineCount < headerLines ? 0 : lineCount - headerLines;
    return QStringLiteral("  ") + QString::number(foods);
}

// The 'id=name' texts in collation order. Case-only duplicates are dropped first, in index
// order, so the food that comes first (a Swiss one before an own one) keeps its spelling; the
// stable sort then keeps texts that collate equal but differ in more than case in index order.
QStringList SortedIdNames(const QStringList &texts, const QLocale &locale)
{
    QStringList idNames;
    idNames.reserve(texts.size());
    QSet<QString> seen;
    seen.reserve(texts.size());
    for (const QString &text : texts) {
        const QString idName = text.left(text.indexOf(QLatin1Char(';')));
        const QString folded = idName.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        idNames.append(idName);
    }
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false); // ids sort as text: '100' before '20'
    std::stable_sort(idNames.begin(), idNames.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return idNames;
}

} // namespace

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
    const qsizetype position = m_ids.indexOf(wanted);
    return static_cast<int>(position);
}

QString FoodIndex::sortedId(int position) const
{
    const QString &text = m_sorted.at(position);
    return text.left(text.indexOf(QLatin1Char('=')));
}

QString FoodIndex::sortedName(int position) const
{
    const QString &text = m_sorted.at(position);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : text.mid(equals + 1);
}

FoodIndex BuildFoodIndex(const QStringList &swissLines, const QStringList &additionalLines,
                         const QLocale &locale)
{
    FoodIndex index;
    const QLatin1Char semicolon(';');

    index.m_swissCount = CountText(swissLines.size(), 3);
    for (qsizetype i = 3; i < swissLines.size(); ++i) {
        const QStringList fields = SplitFoodLine(swissLines.at(i), 50);
        QString text = fields.at(0) + QLatin1Char('=') + fields.at(1) + QStringLiteral(";100;");
        for (const NutrientEntry &entry : NutrientCatalogue())
            text += fields.at(entry.swissColumn) + semicolon;
        text += SwissDbType + semicolon;
        index.m_texts.append(text);
    }

    index.m_additionalCount = CountText(additionalLines.size(), 2);
    for (qsizetype i = 2; i < additionalLines.size(); ++i) {
        const QStringList fields = SplitFoodLine(additionalLines.at(i), 50);
        QString text = fields.at(0) + QLatin1Char('=');
        for (int f = 1; f < IndexFieldCount; ++f)
            text += fields.at(f) + semicolon;
        text += AdditionalDbType + semicolon;
        index.m_texts.append(text);
    }

    index.m_ids.reserve(index.m_texts.size());
    for (int position = 0; position < index.m_texts.size(); ++position)
        index.m_ids.append(index.id(position).toCaseFolded());
    index.m_sorted = SortedIdNames(index.m_texts, locale);
    return index;
}
