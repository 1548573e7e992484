#include "recipe.h"

#include "foodstore.h"
#include "numbertext.h"
#include "ownfood.h"

#include <algorithm>
#include <cmath>

namespace {

// Own foods' values take at most six characters, written with up to three decimals.
constexpr int ValueMaxLength = 6;
constexpr int ValueMaxDecimals = 3;

// The number of a value text, or false for a value the food does not have: "k.A.", any other
// text that is no number, and the empty text (which a meal would count as 0).
bool KnownValue(const QString &text, double *value)
{
    return !text.isEmpty() && ReadDecimalText(text, value);
}

// The food of entry in index with a reference amount usable for scaling; -1 when there is none.
int UsablePosition(const MealEntry &entry, const FoodIndex &index, FoodRecord *food, double *reference)
{
    const int position = index.findById(entry.id);
    if (position < 0)
        return -1;
    *food = index.record(position);
    // Read as EnterFood reads it, so a food the meal could not take is not used either.
    if (!IsNumericText(food->referenceAmount))
        return -1;
    *reference = LeadingNumber(food->referenceAmount);
    return *reference > 0 && std::isfinite(*reference) ? position : -1;
}

Recipe Refuse(Recipe recipe, const QString &message, RecipeField field)
{
    recipe.ok = false;
    recipe.message = message;
    recipe.field = field;
    recipe.row.values.clear();
    return recipe;
}

// The whole number of a text of digits only; false for anything else or beyond the int range.
bool ReadWholeNumber(const QString &text, int *value)
{
    if (text.isEmpty())
        return false;
    for (const QChar ch : text) {
        if (!IsAsciiDigit(ch))
            return false;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

} // namespace

RecipeIngredients SumRecipeIngredients(const QList<MealEntry> &entries, const FoodIndex &index)
{
    RecipeIngredients sums;
    sums.count = int(entries.size());
    for (const MealEntry &entry : entries) {
        double amount = 0;
        const bool amountKnown = KnownValue(entry.amount, &amount);
        FoodRecord food;
        double reference = 0;
        const bool inIndex = amountKnown && UsablePosition(entry, index, &food, &reference) >= 0;
        if (inIndex && IsPerHundredGrams(food.referenceAmount))
            sums.gramWeight += amount;
        else
            ++sums.unweighed;

        for (int k = 0; k < NutrientCount; ++k) {
            double value = 0;
            // The food's own value scaled without rounding; the entry holds it rounded to one
            // decimal, which would turn 0,04 µg of vitamin B12 into 0.
            const bool known = inIndex ? KnownValue(food.values.value(k), &value)
                                       : KnownValue(entry.values.value(k), &value);
            if (!known) {
                ++sums.missing[k];
                continue;
            }
            sums.totals[k] += inIndex ? value * amount / reference : value;
        }
    }
    return sums;
}

QString ProposedRecipeWeight(const RecipeIngredients &ingredients)
{
    if (ingredients.unweighed > 0 || ingredients.count == 0)
        return QString();
    return FormatFittedDecimal(ingredients.gramWeight, RecipeWeightMaxLength, 1);
}

Recipe RecipeFromMeal(const QList<MealEntry> &entries, const FoodIndex &index, const RecipeRequest &request)
{
    const RecipeIngredients sums = SumRecipeIngredients(entries, index);
    Recipe recipe;
    recipe.ingredientCount = sums.count;
    recipe.missing = sums.missing;
    recipe.row.name = request.name;
    if (sums.count == 0)
        return Refuse(recipe, QStringLiteral("Die Mahlzeit ist leer !"), RecipeField::None);

    double divisor = 1;
    double waterChange = 0;
    if (request.basis == RecipeBasis::PerHundredGrams) {
        recipe.row.referenceAmount = QStringLiteral("100");
        if (request.weightText.isEmpty())
            return Refuse(recipe, QStringLiteral("Es ist kein Gewicht nach dem Zubereiten angegeben!"),
                          RecipeField::Weight);
        double weight = 0;
        if (!ReadDecimalText(request.weightText, &weight) || !std::isfinite(weight))
            return Refuse(recipe, QStringLiteral("Das Gewicht ist kein nummerischer Wert!"),
                          RecipeField::Weight);
        if (!(weight > 0))
            return Refuse(recipe, QStringLiteral("Das Gewicht muss größer 0 sein!"), RecipeField::Weight);
        divisor = weight / 100;
        // What the dish lost or gained in the pot is water boiled off or taken up; with a
        // piece among the ingredients their weight is unknown, and so is that difference.
        recipe.waterFromWeights = sums.unweighed == 0;
        if (recipe.waterFromWeights)
            waterChange = weight - sums.gramWeight;
    } else {
        recipe.row.referenceAmount = QStringLiteral("1");
        int portions = 0;
        if (!ReadWholeNumber(request.portionsText, &portions) || portions < 1)
            return Refuse(recipe, QStringLiteral("Die Anzahl Portionen muss eine ganze Zahl ab 1 sein!"),
                          RecipeField::Portions);
        divisor = portions;
    }

    recipe.row.values.reserve(NutrientCount);
    for (int k = 0; k < NutrientCount; ++k) {
        if (sums.missing[k] == sums.count) {
            recipe.row.values.append(QStringLiteral("k.A."));
            continue;
        }
        const double total = k == WaterNutrient ? std::max(0.0, sums.totals[k] + waterChange) : sums.totals[k];
        const double value = total / divisor;
        const QString text = FormatFittedDecimal(value, ValueMaxLength, ValueMaxDecimals);
        if (text.isEmpty()) {
            const QString nutrient = NutrientCatalogue().at(k).shortName;
            const QString message =
                value < 0 ? QStringLiteral(
                                "Der Wert für %1 ist kleiner als -99999 und kann nicht gespeichert werden!")
                          : QStringLiteral(
                                "Der Wert für %1 ist größer als 999999 und kann nicht gespeichert werden!");
            return Refuse(recipe, message.arg(nutrient), RecipeField::None);
        }
        recipe.row.values.append(text);
    }
    recipe.ok = true;
    return recipe;
}

QString IncompleteNutrientsText(const Recipe &recipe)
{
    QStringList parts;
    for (int k = 0; k < NutrientCount; ++k) {
        const int missing = recipe.missing[k];
        if (missing > 0 && missing < recipe.ingredientCount) {
            parts.append(QStringLiteral("%1 (%2 von %3 Zutaten ohne Wert)")
                             .arg(NutrientCatalogue().at(k).shortName)
                             .arg(missing)
                             .arg(recipe.ingredientCount));
        }
    }
    return parts.isEmpty() ? QString() : QStringLiteral("unvollständig: ") + parts.join(QStringLiteral(", "));
}

int FindOwnFoodByName(const QStringList &additionalLines, const QString &name)
{
    const QList<AdditionalFoodRow> rows = AdditionalFoodRows(additionalLines);
    for (int position = 0; position < rows.size(); ++position) {
        if (rows.at(position).name == name)
            return position;
    }
    return -1;
}

RecipeSave SaveRecipeAsOwnFood(FoodStore &store, const AdditionalFoodRow &recipe, bool replaceExisting,
                               const QDateTime &now)
{
    RecipeSave result;
    QList<AdditionalFoodRow> rows = AdditionalFoodRows(store.additionalLines());
    AdditionalFoodRow food = recipe;
    food.id.clear();
    const OwnFoodAdd added = AddOwnFood(rows, food, replaceExisting, now);
    if (!added.ok) {
        result.notice = added.notice;
        return result;
    }
    const WriteResult written = store.saveAdditionalFoods(rows, now.date());
    if (!written.ok) {
        result.plainMessage = written.message();
        return result;
    }
    result.saved = true;
    result.id = added.row.id;
    result.notice = QStringLiteral("Das Rezept wurde als eigenes Lebensmittel gespeichert.");
    return result;
}
