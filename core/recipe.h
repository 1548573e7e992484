#pragma once

#include "fooddata.h"
#include "foodindex.h"
#include "mealplan.h"
#include "nutrients.h"
#include "textfile.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

class FoodStore;

// A meal saved as one own food: its ingredients' values added up and stated per 100 g of the
// prepared dish or per portion, as a row of NwAnDb.dat.

// What the ingredients of a meal add up to, before anything is divided.
struct RecipeIngredients
{
    int count = 0;                              // the meal's entries
    std::array<double, NutrientCount> totals{}; // the known values, each scaled to its amount
    std::array<int, NutrientCount> missing{};   // ingredients without a value, per nutrient
    double gramWeight = 0;                      // the amounts of the foods counted in grams
    int unweighed = 0; // ingredients counted in pieces, or whose food is gone so its unit is unknown
};

// Each entry's values are taken afresh from index and scaled by its amount, unrounded; only a
// food no longer in index (or one whose reference amount is no longer a number above 0)
// falls back on the entry's own value texts. A value is missing when its text is empty or
// no number ("k.A.").
RecipeIngredients SumRecipeIngredients(const QList<MealEntry> &entries, const FoodIndex &index);

// The longest weight text the recipe dialog takes.
constexpr int RecipeWeightMaxLength = 12;

// The weight to propose for "je 100 g": the gram amounts added up, one decimal at most; empty
// when an ingredient has no weight, so the user must weigh the dish.
QString ProposedRecipeWeight(const RecipeIngredients &ingredients);

enum class RecipeBasis
{
    PerHundredGrams, // reference amount "100", values per 100 g of the prepared dish
    PerPortion,      // reference amount "1", values per portion (shown as "St")
};

struct RecipeRequest
{
    QString name;
    RecipeBasis basis = RecipeBasis::PerHundredGrams;
    QString weightText;   // grams after preparation, as typed; read only per 100 g
    QString portionsText; // whole number from 1, as typed; read only per portion
};

// The input field a refusal is about, for the keyboard focus.
enum class RecipeField
{
    None,
    Name,
    Weight,
    Portions,
};

struct Recipe
{
    bool ok = false;
    QString message; // the refusal to show; empty when ok
    RecipeField field = RecipeField::None;
    AdditionalFoodRow row; // id empty; when ok: name, "100" or "1", 13 value texts
    // The water follows the weight after preparation: per 100 g with every ingredient weighed
    // in grams. Otherwise (a piece among them, or per portion) it is the ingredients' sum.
    bool waterFromWeights = false;
    int ingredientCount = 0;
    std::array<int, NutrientCount> missing{}; // ingredients without a value, per nutrient
};

// The own-food row for the meal's entries. Each value is the ingredients' known values added
// up, divided by the weight and multiplied by 100 (per 100 g) or divided by the portions,
// written in at most 6 characters with up to 3 decimals (FormatFittedDecimal); "k.A." when no
// ingredient has a value. Cooking changes only the water: per 100 g, when every ingredient is
// weighed in grams, the water is the ingredients' known water plus (weight after preparation
// minus weight of the ingredients), never below 0 (waterFromWeights). Refused: an empty meal, a weight or portion count that is not a
// number above 0 (a whole one for portions), a value beyond 6 characters (naming the nutrient).
// The name is checked only by SaveRecipeAsOwnFood, so a preview needs none.
Recipe RecipeFromMeal(const QList<MealEntry> &entries, const FoodIndex &index, const RecipeRequest &request);

// "unvollständig: Vit.B12 (1 von 3 Zutaten ohne Wert), Vit.D (2 von 3 Zutaten ohne Wert)" for
// the nutrients only some ingredients have a value for; empty when there are none.
QString IncompleteNutrientsText(const Recipe &recipe);

// The position among AdditionalFoodRows(lines) of the own food named exactly name (letter
// case counts, as in the own-foods window); -1 when there is none.
int FindOwnFoodByName(const QStringList &additionalLines, const QString &name);

struct RecipeSave
{
    bool saved = false;
    QString id;           // the saved own food's id
    QString notice;       // to show with ShowNotice: the confirmation, or a refusal
    QString plainMessage; // a file that could not be written, for the plain message box
};

// Puts recipe (an ok RecipeFromMeal row) among the own foods and saves them through store,
// which writes NwAnDb.dat and rebuilds the index. An own food of the same name is replaced in
// place, keeping its id, only when replaceExisting (the user said yes); otherwise that name is
// refused. A new name is appended with an id drawn at now. Refused also: a name the own-foods
// window would refuse, and no free id left.
RecipeSave SaveRecipeAsOwnFood(FoodStore &store, const AdditionalFoodRow &recipe, bool replaceExisting,
                               const QDateTime &now);
