#include "foodstore.h"
#include "recipe.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Own foods in file form: id;name;reference amount;Energie..Wasser;
const QStringList FoodLines = {
    u"30001;Reis;100;350;78;0,1;0,6;0,2;7;0;0,8;30;10;0;k.A.;12;"_s,
    u"30002;Milch;100;65;4,8;4,8;3,5;2,2;3,3;0,1;0;12;120;0,4;0,05;87,5;"_s,
    u"30003;Ei;1;80;0,4;0,4;5,5;1,6;7;0,2;1;6;30;0,5;1;40;"_s,
    u"30004;Apfel;100;52;11,4;10,3;0,2;0;0,3;0;0,1;5;5;0;k.A.;85,6;"_s,
    u"30005;Joghurt;100;60;4;4;3;2;4;0,1;0;10;120;0,21;0,02;88;"_s,
    u"30006;Honig;100;300;80;80;0;0;0,4;0;;2;5;0;0;18;"_s, // Eisen left empty
    u"30007;Zucker;100;400;100;100;0;0;0;0;0;0;0;0;0;k.A.;"_s, // no water value
};

QStringList OwnFileLines(const QStringList &foods)
{
    return QStringList{u"Zusätzliche Lebensmittel;;Stand;01.12.25;"_s,
                       u"ID;Lebensmittel;Energie;KoHydr;Zucker;Fett;Fet.gesä;Protein;Salz;Eisen;Magn.;"
                       u"Calcium;Vit.B12;Vit.D;Wasser;"_s} +
           foods;
}

// The index of the foods above, leaving out those whose ids are gone.
FoodIndex IndexWithout(const QStringList &gone = {})
{
    QStringList foods;
    for (const QString &line : FoodLines) {
        if (!gone.contains(line.section(QLatin1Char(';'), 0, 0)))
            foods.append(line);
    }
    return BuildFoodIndex({}, OwnFileLines(foods));
}

struct Ingredient
{
    QString id;
    QString amount;
};

// The entries as the main window makes them: picked from the full index, entered with amount.
QList<MealEntry> Meal(const QList<Ingredient> &ingredients)
{
    const FoodIndex index = IndexWithout();
    MealPlan plan;
    for (const Ingredient &ingredient : ingredients) {
        InputLine line;
        ShowFoodInInputLine(index, index.findById(ingredient.id), line);
        line.amount = ingredient.amount;
        const EnterResult entered = EnterFood(plan, line);
        if (!entered.entered)
            qFatal("fixture entry refused: %s", qPrintable(entered.message));
    }
    return plan.meal(1);
}

QStringList Texts(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char(' '));
}

struct RecipeCase
{
    QList<Ingredient> ingredients;
    QStringList gone; // ids no longer in the index when the recipe is made
    RecipeBasis basis = RecipeBasis::PerHundredGrams;
    QString weight;
    QString portions;
    QString proposal;   // the weight proposed for the meal
    QStringList values; // the thirteen texts; empty when refused
    QString incomplete; // IncompleteNutrientsText
    QString message;    // the refusal; empty when made
    RecipeField field = RecipeField::None;
    bool waterFromWeights = false;
};

} // namespace

Q_DECLARE_METATYPE(RecipeCase)

class TestRecipe : public QObject
{
    Q_OBJECT

private slots:
    void recipeFromMeal_data();
    void recipeFromMeal();
    void savedAsNewOwnFood();
    void sameNameReplacedInPlaceOnlyWhenAllowed();
    void refusedNamesAndFailedWrite();

private:
    // A store on a temporary folder whose NwAnDb.dat holds foods; the index is built.
    std::unique_ptr<FoodStore> storeWith(const QTemporaryDir &dir, const QStringList &foods)
    {
        WriteBytes(QDir(dir.path()).filePath(u"NwAnDb.dat"_s), CrLfLines(OwnFileLines(foods)));
        auto store = std::make_unique<FoodStore>(dir.path(), QLocale(QLocale::German, QLocale::Germany));
        store->loadFiles();
        store->buildIndex();
        return store;
    }
};

void TestRecipe::recipeFromMeal_data()
{
    QTest::addColumn<RecipeCase>("recipe");
    const QList<Ingredient> riceAndMilk = {{u"30001"_s, u"100"_s}, {u"30002"_s, u"200"_s}};
    const QString riceAndMilkVitD = u"unvollständig: Vit.D (1 von 2 Zutaten ohne Wert)"_s;

    RecipeCase grams;
    grams.ingredients = riceAndMilk;
    grams.weight = u"300"_s;
    grams.proposal = u"300"_s;
    grams.values = Texts("160 29,2 3,233 2,533 1,533 4,533 0,067 0,267 18 83,333 0,267 0,033 62,333");
    grams.incomplete = riceAndMilkVitD;
    grams.waterFromWeights = true;
    QTest::newRow("grams, weight as proposed, up to three decimals in six characters") << grams;

    // Only the water changes in the pot: 12 g + 175 g of it in the 300 g of rice and milk.
    RecipeCase cookedDown = grams;
    cookedDown.weight = u"250"_s; // 50 g boiled off: 137 g water in 250 g
    cookedDown.values = Texts("192 35,04 3,88 3,04 1,84 5,44 0,08 0,32 21,6 100 0,32 0,04 54,8");
    QTest::newRow("cooked down: the water boiled off is gone") << cookedDown;
    RecipeCase soaked = grams;
    soaked.weight = u"400"_s; // 100 g taken up: 287 g water in 400 g
    soaked.values = Texts("120 21,9 2,425 1,9 1,15 3,4 0,05 0,2 13,5 62,5 0,2 0,025 71,75");
    QTest::newRow("soaked: the water taken up counts") << soaked;
    RecipeCase boiledDry = grams;
    boiledDry.weight = u"100"_s; // 200 g lost, more than its 187 g of water
    boiledDry.values = Texts("480 87,6 9,7 7,6 4,6 13,6 0,2 0,8 54 250 0,8 0,1 0");
    QTest::newRow("boiled dry: the water never below 0") << boiledDry;

    RecipeCase noWater;
    noWater.ingredients = {{u"30007"_s, u"100"_s}};
    noWater.weight = u"80"_s;
    noWater.proposal = u"100"_s;
    noWater.values = Texts("500 125 125 0 0 0 0 0 0 0 0 0 k.A.");
    noWater.waterFromWeights = true;
    QTest::newRow("no ingredient with a water value: k.A.") << noWater;

    RecipeCase onePortion = grams;
    onePortion.basis = RecipeBasis::PerPortion;
    onePortion.weight = u"0"_s; // not read per portion
    onePortion.portions = u"1"_s;
    onePortion.waterFromWeights = false; // a portion has no weight to compare
    onePortion.values = Texts("480 87,6 9,7 7,6 4,6 13,6 0,2 0,8 54 250 0,8 0,1 187");
    QTest::newRow("one portion holds the whole meal") << onePortion;

    RecipeCase fourPortions = onePortion;
    fourPortions.portions = u"4"_s;
    fourPortions.values = Texts("120 21,9 2,425 1,9 1,15 3,4 0,05 0,2 13,5 62,5 0,2 0,025 46,75");
    QTest::newRow("four portions") << fourPortions;

    RecipeCase pieces;
    pieces.ingredients = {{u"30003"_s, u"2"_s}, {u"30002"_s, u"100"_s}};
    pieces.weight = u"200"_s;
    // The eggs' weight is unknown, so is what the pot changed: the water stays their sum.
    pieces.values = Texts("112,5 2,8 2,8 7,25 2,7 8,65 0,25 1 12 90 0,7 1,025 83,75");
    QTest::newRow("eggs in pieces: no weight proposed, the typed one used, the water as added up") << pieces;

    RecipeCase piecesUnweighed = pieces;
    piecesUnweighed.weight.clear();
    piecesUnweighed.values.clear();
    piecesUnweighed.message = u"Es ist kein Gewicht nach dem Zubereiten angegeben!"_s;
    piecesUnweighed.field = RecipeField::Weight;
    QTest::newRow("eggs in pieces, no weight typed") << piecesUnweighed;

    RecipeCase small;
    small.ingredients = {{u"30005"_s, u"20"_s}};
    small.basis = RecipeBasis::PerPortion;
    small.portions = u"1"_s;
    small.proposal = u"20"_s;
    // The meal shows 0,0 µg of vitamin B12 for 20 g; the recipe takes the food's 0,21 per 100 g.
    small.values = Texts("12 0,8 0,8 0,6 0,4 0,8 0,02 0 2 24 0,042 0,004 17,6");
    QTest::newRow("small values keep their decimals") << small;

    RecipeCase gone;
    gone.ingredients = {{u"30001"_s, u"100"_s}, {u"30004"_s, u"200"_s}};
    gone.gone = {u"30004"_s};
    gone.basis = RecipeBasis::PerPortion;
    gone.portions = u"2"_s;
    // The apple's entry texts stand in, its unit unknown; vitamin D is known for neither food.
    gone.values = Texts("227 50,4 10,35 0,5 0,1 3,8 0 0,5 20 10 0 k.A. 91,6");
    QTest::newRow("a food no longer in the index counts with its entry") << gone;

    RecipeCase emptyValue;
    emptyValue.ingredients = {{u"30006"_s, u"50"_s}, {u"30001"_s, u"100"_s}};
    emptyValue.weight = u"150"_s;
    emptyValue.proposal = u"150"_s;
    emptyValue.values = Texts("333,33 78,667 26,733 0,4 0,133 4,8 0 0,533 20,667 8,333 0 0 14");
    emptyValue.incomplete =
        u"unvollständig: Eisen (1 von 2 Zutaten ohne Wert), Vit.D (1 von 2 Zutaten ohne Wert)"_s;
    emptyValue.waterFromWeights = true;
    QTest::newRow("an empty value counts as missing") << emptyValue;

    RecipeCase refused = grams;
    refused.values.clear();
    refused.incomplete = riceAndMilkVitD;
    refused.field = RecipeField::Weight;
    refused.weight = u"0"_s;
    refused.waterFromWeights = false;
    refused.message = u"Das Gewicht muss größer 0 sein!"_s;
    QTest::newRow("zero weight") << refused;
    refused.weight = u"-300"_s;
    QTest::newRow("negative weight") << refused;
    refused.weight = u"300 g"_s;
    refused.message = u"Das Gewicht ist kein nummerischer Wert!"_s;
    QTest::newRow("weight with unit") << refused;

    refused.basis = RecipeBasis::PerPortion;
    refused.weight = u"300"_s;
    refused.field = RecipeField::Portions;
    refused.message = u"Die Anzahl Portionen muss eine ganze Zahl ab 1 sein!"_s;
    for (const QString &portions : {u"0"_s, u""_s, u"1,5"_s, u"-2"_s, u"99999999999"_s}) {
        refused.portions = portions;
        QTest::addRow("portions '%s'", qPrintable(portions)) << refused;
    }

    // A tonne of milk in one portion: its 649999 kcal still fit, its 1199999 mg of calcium do not.
    RecipeCase tooBig;
    tooBig.ingredients = {{u"30002"_s, u"999999"_s}};
    tooBig.basis = RecipeBasis::PerPortion;
    tooBig.portions = u"1"_s;
    tooBig.proposal = u"999999"_s;
    tooBig.message = u"Der Wert für Calcium ist größer als 999999 und kann nicht gespeichert werden!"_s;
    QTest::newRow("beyond 999999, naming the nutrient") << tooBig;

    RecipeCase empty;
    empty.basis = RecipeBasis::PerPortion;
    empty.portions = u"1"_s;
    empty.message = u"Die Mahlzeit ist leer !"_s;
    QTest::newRow("empty meal") << empty;
}

void TestRecipe::recipeFromMeal()
{
    QFETCH(RecipeCase, recipe);
    const QList<MealEntry> entries = Meal(recipe.ingredients);
    const FoodIndex index = IndexWithout(recipe.gone);

    QCOMPARE(ProposedRecipeWeight(SumRecipeIngredients(entries, index)), recipe.proposal);

    const Recipe made =
        RecipeFromMeal(entries, index, {u"Suppe"_s, recipe.basis, recipe.weight, recipe.portions});
    QCOMPARE(made.message, recipe.message);
    QCOMPARE(made.ok, recipe.message.isEmpty());
    QCOMPARE(made.field, recipe.field);
    QCOMPARE(made.waterFromWeights, recipe.waterFromWeights);
    QCOMPARE(made.row.values, recipe.values);
    QCOMPARE(IncompleteNutrientsText(made), recipe.incomplete);
    if (made.ok) {
        QCOMPARE(made.row.name, u"Suppe"_s);
        QCOMPARE(made.row.id, QString());
        QCOMPARE(made.row.referenceAmount, recipe.basis == RecipeBasis::PerHundredGrams ? u"100"_s : u"1"_s);
    }
}

void TestRecipe::savedAsNewOwnFood()
{
    QTemporaryDir dir;
    const auto store = storeWith(dir, FoodLines.mid(0, 2));
    const QDateTime now(QDate(2026, 3, 5), QTime(12, 0));
    const Recipe recipe =
        RecipeFromMeal(Meal({{u"30001"_s, u"100"_s}, {u"30002"_s, u"200"_s}}), store->index(),
                       {u"Milchreis"_s, RecipeBasis::PerPortion, {}, u"3"_s});
    QVERIFY(recipe.ok);

    const RecipeSave saved = SaveRecipeAsOwnFood(*store, recipe.row, false, now);
    QVERIFY(saved.saved);
    QCOMPARE(saved.notice, u"Das Rezept wurde als eigenes Lebensmittel gespeichert."_s);
    QCOMPARE(saved.plainMessage, QString());
    QVERIFY2(saved.id.toInt() >= 30000 && saved.id.toInt() <= 31000, qPrintable(saved.id));
    QVERIFY(saved.id != u"30001"_s && saved.id != u"30002"_s);

    // Written as the own-foods window writes, and found in the rebuilt index at once.
    const QString line = saved.id + u";Milchreis;1;160;29,2;3,233;2,533;1,533;4,533;0,067;0,267;18;83,333;"
                                    u"0,267;0,033;62,333;"_s;
    QCOMPARE(store->additionalLines().mid(2), (FoodLines.mid(0, 2) << line));
    QCOMPARE(store->additionalLines().first(), u"Zusätzliche Lebensmittel;;Stand;05.03.26;"_s);
    QCOMPARE(ReadBytes(QDir(dir.path()).filePath(u"NwAnDb.dat"_s)).split('\n').at(4), line.toLatin1() + '\r');
    QCOMPARE(store->index().additionalCountText(), u"  3"_s);
    const FoodRecord food = store->index().record(store->index().findById(saved.id));
    QCOMPARE(food.name, u"Milchreis"_s);
    QCOMPARE(food.referenceAmount, u"1"_s);
}

void TestRecipe::sameNameReplacedInPlaceOnlyWhenAllowed()
{
    QTemporaryDir dir;
    const auto store = storeWith(dir, FoodLines.mid(0, 3));
    const QString path = QDir(dir.path()).filePath(u"NwAnDb.dat"_s);
    const QByteArray before = ReadBytes(path);
    AdditionalFoodRow recipe{QString(), u"Milch"_s, u"100"_s, QStringList(NutrientCount, u"1"_s)};

    // The name is the own food 30002's; letter case counts, so "milch" would be a new food.
    QCOMPARE(FindOwnFoodByName(store->additionalLines(), u"Milch"_s), 1);
    QCOMPARE(FindOwnFoodByName(store->additionalLines(), u"milch"_s), -1);

    const RecipeSave refused =
        SaveRecipeAsOwnFood(*store, recipe, false, QDateTime(QDate(2026, 3, 5), QTime()));
    QVERIFY(!refused.saved);
    QCOMPARE(refused.notice, u"Das Lebensmittel ist schon in der Liste vorhanden!"_s);
    QCOMPARE(ReadBytes(path), before);

    const RecipeSave replaced =
        SaveRecipeAsOwnFood(*store, recipe, true, QDateTime(QDate(2026, 3, 5), QTime()));
    QVERIFY(replaced.saved);
    QCOMPARE(replaced.id, u"30002"_s);
    QCOMPARE(
        store->additionalLines().mid(2),
        (QStringList{FoodLines.at(0), u"30002;Milch;100;1;1;1;1;1;1;1;1;1;1;1;1;1;"_s, FoodLines.at(2)}));
    QCOMPARE(store->index().record(store->index().findById(u"30002"_s)).values.first(), u"1"_s);
}

void TestRecipe::refusedNamesAndFailedWrite()
{
    QTemporaryDir dir;
    const auto store = storeWith(dir, FoodLines.mid(0, 1));
    const QString path = QDir(dir.path()).filePath(u"NwAnDb.dat"_s);
    const QByteArray before = ReadBytes(path);
    const QDateTime now(QDate(2026, 3, 5), QTime());
    AdditionalFoodRow recipe{QString(), QString(), u"1"_s, QStringList(NutrientCount, u"1"_s)};

    const QList<QPair<QString, QString>> names = {
        {QString(), u"Keine Lebensmittel-Bezeichnung eingegeben!"_s},
        {u"Suppe; scharf"_s, u"Das Zeichen ';' ist in Bezeichnung und Werten nicht erlaubt!"_s},
    };
    for (const auto &[name, message] : names) {
        recipe.name = name;
        const RecipeSave save = SaveRecipeAsOwnFood(*store, recipe, true, now);
        QVERIFY(!save.saved);
        QCOMPARE(save.notice, message);
    }
    QCOMPARE(ReadBytes(path), before);
    // Only typing stops at 40 characters; a longer name passes the rules and meets the write.
    recipe.name = QString(45, QLatin1Char('x'));

    // Tests run as root, so a folder standing where the file must go makes the write fail.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir.path()).mkdir(u"NwAnDb.dat"_s));
    const RecipeSave failed = SaveRecipeAsOwnFood(*store, recipe, false, now);
    QVERIFY(!failed.saved);
    QCOMPARE(failed.notice, QString());
    QVERIFY(failed.plainMessage.startsWith(u"Die Datei \""_s));
    QCOMPARE(store->index().additionalCountText(), u"  1"_s);
}

QTEST_GUILESS_MAIN(TestRecipe)
#include "tst_recipe.moc"
