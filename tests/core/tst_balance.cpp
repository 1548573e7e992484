#include "balance.h"

#include <QTest>

Q_DECLARE_METATYPE(PercentClass)
Q_DECLARE_METATYPE(NutrientKind)

namespace {

constexpr int Energy = 0;
constexpr int Sugar = 2;
constexpr int Protein = 5;

MealEntry Entry(const QString &amount, const QStringList &values)
{
    MealEntry entry;
    entry.name = QStringLiteral(" Testessen");
    entry.dbCode = QStringLiteral("1");
    entry.id = QStringLiteral("1");
    entry.amount = amount;
    entry.values = values;
    entry.values.resize(NutrientCount, QStringLiteral("0,0"));
    return entry;
}

// An entry with one nutrient set and zeros elsewhere.
MealEntry EntryWith(const QString &amount, int nutrient, const QString &value)
{
    QStringList values(NutrientCount, QStringLiteral("0,0"));
    values[nutrient] = value;
    return Entry(amount, values);
}

ReferenceSet Requirement(double each)
{
    ReferenceSet set;
    set.title = QStringLiteral("Tagesbedarf Test");
    set.values.fill(each);
    return set;
}

} // namespace

class TestBalance : public QObject
{
    Q_OBJECT

private slots:
    void sumsWithoutNoise();
    void classifiesAtTheEdges_data();
    void classifiesAtTheEdges();
    void percentFromSumsAndRequirement();
    void greyWhenNothingEatenOrNoRequirement();
    void classColours();
    void percentText_data();
    void percentText();
    void freeWater_data();
    void freeWater();
    void waterMessage();
};

void TestBalance::sumsWithoutNoise()
{
    MealPlan plan;
    plan.append(1, Entry(QStringLiteral("150,0"), {QStringLiteral("0,1"), QStringLiteral("k.A.")}));
    plan.append(1, Entry(QStringLiteral("2,0"), {QStringLiteral("0,2"), QStringLiteral("12,5")}));
    plan.append(4, Entry(QStringLiteral("0,1"), {QStringLiteral("0,4"), QStringLiteral("<0,1")}));

    const DayBalance balance = ComputeBalance(plan, Requirement(100));
    const QLocale german(QLocale::German, QLocale::Germany);

    // Grams and pieces add up alike; texts that are no number add nothing.
    const SumRowTexts meal1 = SumTexts(balance.mealSums[0], german);
    QCOMPARE(meal1.nutrients.size(), NutrientCount);
    QCOMPARE(meal1.amount, QStringLiteral("152"));
    QCOMPARE(meal1.nutrients.at(0), QStringLiteral("0,3"));
    QCOMPARE(meal1.nutrients.at(1), QStringLiteral("12,5"));
    QCOMPARE(meal1.nutrients.at(2), QStringLiteral("0"));

    const SumRowTexts meal2 = SumTexts(balance.mealSums[1], german);
    QCOMPARE(meal2.amount, QStringLiteral("0"));
    QCOMPARE(meal2.nutrients, QStringList(NutrientCount, QStringLiteral("0")));

    const SumRowTexts day = SumTexts(balance.daySums, german);
    QCOMPARE(day.amount, QStringLiteral("152,1"));
    QCOMPARE(day.nutrients.at(0), QStringLiteral("0,7"));
    QCOMPARE(day.nutrients.at(1), QStringLiteral("12,5"));

    // The decimal separator follows the locale.
    QCOMPARE(SumTexts(balance.daySums, QLocale::c()).nutrients.at(0), QStringLiteral("0.7"));
}

void TestBalance::classifiesAtTheEdges_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<NutrientKind>("kind");
    QTest::addColumn<PercentClass>("expected");

    const NutrientKind limit = NutrientKind::Limit;
    const NutrientKind target = NutrientKind::Target;
    QTest::newRow("limit, nothing") << 0.0 << limit << PercentClass::Unrated;
    QTest::newRow("limit, a little") << 0.1 << limit << PercentClass::Normal;
    QTest::newRow("limit, exactly 110") << 110.0 << limit << PercentClass::Normal;
    QTest::newRow("limit, 110.01") << 110.01 << limit << PercentClass::Warn;
    QTest::newRow("limit, exactly 140") << 140.0 << limit << PercentClass::Warn;
    QTest::newRow("limit, 140.01") << 140.01 << limit << PercentClass::Alarm;
    QTest::newRow("target, nothing") << 0.0 << target << PercentClass::Unrated;
    QTest::newRow("target, exactly 60") << 60.0 << target << PercentClass::Warn;
    QTest::newRow("target, 60.01") << 60.01 << target << PercentClass::Normal;
    QTest::newRow("target, 139.99") << 139.99 << target << PercentClass::Normal;
    QTest::newRow("target, exactly 140") << 140.0 << target << PercentClass::Warn;
    QTest::newRow("target, far over is never alarm") << 500.0 << target << PercentClass::Warn;
}

void TestBalance::classifiesAtTheEdges()
{
    QFETCH(double, percent);
    QFETCH(NutrientKind, kind);
    QFETCH(PercentClass, expected);
    QCOMPARE(ClassifyPercent(percent, kind), expected);
}

void TestBalance::percentFromSumsAndRequirement()
{
    MealPlan plan;
    plan.append(2, EntryWith(QStringLiteral("150,0"), Energy, QStringLiteral("375,0")));
    plan.append(3, EntryWith(QStringLiteral("100,0"), Sugar, QStringLiteral("55,0")));
    plan.append(3, EntryWith(QStringLiteral("100,0"), Protein, QStringLiteral("30,0")));

    ReferenceSet requirement = Requirement(0);
    requirement.values[Energy] = 1800;
    requirement.values[Sugar] = 50;
    requirement.values[Protein] = 50;
    const DayBalance balance = ComputeBalance(plan, requirement);

    QCOMPARE(PercentText(balance.percent[Energy]), QStringLiteral("  20.8%"));
    QCOMPARE(balance.classes[Energy], PercentClass::Warn);
    // 55 of 50 is exactly 110 percent: a limit still within its band.
    QCOMPARE(balance.percent[Sugar], 110.0);
    QCOMPARE(balance.classes[Sugar], PercentClass::Normal);
    // 30 of 50 is exactly 60 percent: a target not yet reached.
    QCOMPARE(balance.percent[Protein], 60.0);
    QCOMPARE(balance.classes[Protein], PercentClass::Warn);
}

void TestBalance::greyWhenNothingEatenOrNoRequirement()
{
    MealPlan plan;
    plan.append(1, EntryWith(QStringLiteral("100,0"), Energy, QStringLiteral("500,0")));
    ReferenceSet requirement = Requirement(100);
    requirement.values[Energy] = 0;
    const DayBalance balance = ComputeBalance(plan, requirement);

    QCOMPARE(balance.percent[Energy], 0.0);
    QCOMPARE(balance.classes[Energy], PercentClass::Unrated);
    QCOMPARE(balance.classes[Protein], PercentClass::Unrated); // a target of which nothing was eaten
    QCOMPARE(balance.classes[Sugar], PercentClass::Unrated);

    const DayBalance nothing = ComputeBalance(MealPlan(), Requirement(-5));
    for (int k = 0; k < NutrientCount; ++k) {
        QCOMPARE(nothing.percent[k], 0.0);
        QCOMPARE(nothing.classes[k], PercentClass::Unrated);
        QCOMPARE(PercentText(nothing.percent[k]), QStringLiteral("   0.0%"));
    }
}

void TestBalance::classColours()
{
    const auto rgb = [](PercentClass c) {
        const Rgb colour = PercentClassColour(c);
        return QList<int>{colour.red, colour.green, colour.blue};
    };
    QCOMPARE(rgb(PercentClass::Unrated), (QList<int>{235, 235, 235}));
    QCOMPARE(rgb(PercentClass::Normal), (QList<int>{134, 236, 72}));
    QCOMPARE(rgb(PercentClass::Warn), (QList<int>{255, 153, 0}));
    QCOMPARE(rgb(PercentClass::Alarm), (QList<int>{255, 74, 74}));
}

void TestBalance::percentText_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "   0.0%";
    QTest::newRow("two digits, rounded") << 85.27 << "  85.3%";
    QTest::newRow("three digits") << 100.0 << " 100.0%";
    QTest::newRow("four digits fill the field") << 1234.5 << "1234.5%";
    QTest::newRow("five digits widen it") << 12345.0 << "12345.0%";
}

void TestBalance::percentText()
{
    QFETCH(double, percent);
    QFETCH(QString, text);
    // The point stays a point under German settings.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString made = PercentText(percent);
    QLocale::setDefault(previous);
    QCOMPARE(made, text);
}

void TestBalance::freeWater_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("water");
    QTest::addColumn<double>("free");

    QTest::newRow("drink, ratio 0.99") << "500,0"
                                       << "495,0" << 495.0;
    QTest::newRow("ratio exactly 0.9") << "100,0"
                                       << "90,0" << 0.0;
    QTest::newRow("egg, 1 piece with 37 g water") << "1,0"
                                                  << "37,0" << 37.0;
    QTest::newRow("bread, ratio 0.4") << "80,0"
                                      << "32,0" << 0.0;
    QTest::newRow("water unknown") << "1,0"
                                   << "k.A." << 0.0;
    QTest::newRow("water text with a number in front") << "1,0"
                                                       << "5 g" << 0.0;
}

void TestBalance::freeWater()
{
    QFETCH(QString, amount);
    QFETCH(QString, water);
    QFETCH(double, free);

    MealPlan plan;
    plan.append(5, EntryWith(amount, WaterNutrient, water));
    plan.append(6, EntryWith(QStringLiteral("200,0"), WaterNutrient, QStringLiteral("100,0")));
    const DayBalance balance = ComputeBalance(plan, Requirement(1000));

    QCOMPARE(balance.freeWaterShare, free);
    QCOMPARE(balance.foodWaterShare, balance.daySums.nutrients[WaterNutrient] - free);
    QVERIFY(balance.foodWaterShare >= 100);
}

void TestBalance::waterMessage()
{
    DayBalance balance;
    balance.freeWaterShare = 500;
    balance.foodWaterShare = 1200;
    QCOMPARE(WaterSharesText(balance),
             QStringLiteral("Anteil freies Wasser =     0.50 l\nAnteil Wasser in Lebensmittel =     1.20 l"));
}

QTEST_GUILESS_MAIN(TestBalance)
#include "tst_balance.moc"
