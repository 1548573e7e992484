#include "foodmeasures.h"

#include "datafiles.h"
#include "fooddata.h"
#include "foodindex.h"
#include "numbertext.h"
#include "textfile.h"

#include <algorithm>

namespace {

// A whole number of grams above 0, in plain digits.
bool ReadGrams(QStringView text, double *grams)
{
    if (text.isEmpty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), IsAsciiDigit))
        return false;
    const int value = text.toInt();
    if (value <= 0)
        return false;
    *grams = value;
    return true;
}

int MeasureRank(const QString &name)
{
    return int(MeasureNames().indexOf(name));
}

} // namespace

const QStringList &MeasureNames()
{
    static const QStringList names{
        QStringLiteral("Scheibe"),    QStringLiteral("Stück klein"), QStringLiteral("Stück mittel"),
        QStringLiteral("Stück groß"), QStringLiteral("EL"),          QStringLiteral("TL"),
        QStringLiteral("Tasse"),      QStringLiteral("Glas"),        QStringLiteral("Becher"),
        QStringLiteral("Portion"),
    };
    return names;
}

void FoodMeasures::set(const QString &id, const FoodMeasure &measure, bool replace)
{
    QList<FoodMeasure> &measures = m_byFoldedId[id.toCaseFolded()];
    const auto same = std::find_if(measures.begin(), measures.end(),
                                   [&](const FoodMeasure &known) { return known.name == measure.name; });
    if (same != measures.end()) {
        if (replace)
            *same = measure;
        return;
    }
    // Kept in list order, so a food's measures need no sorting when asked for.
    const auto after = std::find_if(measures.begin(), measures.end(), [&](const FoodMeasure &known) {
        return MeasureRank(known.name) > MeasureRank(measure.name);
    });
    measures.insert(after, measure);
}

FoodMeasures FoodMeasures::fromLines(const QStringList &lines)
{
    FoodMeasures measures;
    for (qsizetype i = MeasuresHeaderLines; i < lines.size(); ++i) {
        const QStringList fields = SplitFoodLine(lines.at(i), 3);
        const QString id = fields.at(0).trimmed();
        FoodMeasure measure{fields.at(1).trimmed(), 0};
        if (id.isEmpty() || MeasureRank(measure.name) < 0 ||
            !ReadGrams(QStringView(fields.at(2)).trimmed(), &measure.amount))
            continue;
        measures.set(id, measure, false);
    }
    return measures;
}

FoodMeasures FoodMeasures::mergedWith(const FoodMeasures &own) const
{
    FoodMeasures merged = *this;
    for (auto food = own.m_byFoldedId.cbegin(); food != own.m_byFoldedId.cend(); ++food) {
        for (const FoodMeasure &measure : food.value())
            merged.set(food.key(), measure, true);
    }
    return merged;
}

QList<FoodMeasure> FoodMeasures::measuresOf(const QString &id) const
{
    return m_byFoldedId.value(id.toCaseFolded());
}

FoodMeasures LoadFoodMeasures(const QString &dataDirectory)
{
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, MeasuresFileName));
    if (read.status != ReadStatus::Ok)
        return {};
    return FoodMeasures::fromLines(read.file.lines);
}

QList<FoodMeasure> MeasuresForFood(const FoodMeasures &source, const QString &id,
                                   const QString &referenceAmount)
{
    if (!IsPerHundredGrams(referenceAmount))
        return {{QStringLiteral("Portion"), 1}};
    return source.measuresOf(id);
}

QStringList MeasureListTexts(const QList<FoodMeasure> &measures, const QString &referenceAmount)
{
    const bool inGrams = IsPerHundredGrams(referenceAmount);
    QStringList texts;
    for (const FoodMeasure &measure : measures) {
        texts.append(
            inGrams
                ? QStringLiteral("1 %1 (%2 g)").arg(measure.name, FormatFittedDecimal(measure.amount, 8, 1))
                : QStringLiteral("1 %1").arg(measure.name));
    }
    return texts;
}
