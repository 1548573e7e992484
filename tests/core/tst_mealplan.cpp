#include "foodindex.h"
#include "mealplan.h"

#include <QTest>

namespace {

const QString NoFood = QStringLiteral("Es ist kein Lebensmittel ausgewählt ( Auswählen mit Lupe)!");
const QString NoDbType = QStringLiteral("Es ist kein Datenbank-Typ vorhanden!");
const QString NoId = QStringLiteral("Es ist keine Datenbank-ID vorhanden");
const QString NoAmount = QStringLiteral("Es ist keine Menge angegeben!");
const QString AmountNotNumeric = QStringLiteral("Die Menge ist kein nummerischer Wert!");
const QString AmountTooSmall = QStringLiteral("Die Menge muss größer 0,1 sein!");
const QString BadReference = QStringLiteral("Die Bezugsmenge ist kein nummerischer Wert!");
const QString MealFull = QStringLiteral("Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!");

// A Swiss apple per 100 g, as the food selection window leaves it in the input line.
InputLine AppleLine(const QString &amount)
{
    InputLine line;
    line.id = QStringLiteral("1234");
    line.name = QStringLiteral(" Apfel, roh");
    line.nameHint = QStringLiteral("NwChDb 1234");
    line.dbType = QStringLiteral("NwChDb");
    line.referenceAmount = QStringLiteral("100");
    line.values = QStringList{QStringLiteral("52"),  QStringLiteral("11,4"), QStringLiteral("10,3"),
                              QStringLiteral("0,2"), QStringLiteral("0"),    QStringLiteral("0,3"),
                              QStringLiteral("0"),   QStringLiteral("0,1"),  QStringLiteral("5"),
                              QStringLiteral("6"),   QStringLiteral("0"),    QStringLiteral("0"),
                              QStringLiteral("85,6")};
    line.amount = amount;
    line.unitCaption = QStringLiteral("g");
    return line;
}

QStringList LineFields(const InputLine &line)
{
    return QStringList{line.id,     line.name,       line.nameHint, line.dbType, line.referenceAmount,
                       line.amount, line.unitCaption} +
           line.values;
}

} // namespace

class TestMealPlan : public QObject
{
    Q_OBJECT

private slots:
    void refusalsInTheirOrder_data();
    void refusalsInTheirOrder();
    void scalesValuesToTheAmount_data();
    void scalesValuesToTheAmount();
    void entryTakesLineAndClearsIt();
    void thirteenthEntryKeepsLineAndFlag();
    void showsFoodFromIndex();
};

void TestMealPlan::refusalsInTheirOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dbType");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusAmount");

    const QString name = QStringLiteral(" Apfel, roh");
    const QString swiss = QStringLiteral("NwChDb");
    const QString id = QStringLiteral("1234");
    const QString ref = QStringLiteral("100");
    // Every row also breaks the later checks, so the first failing check must win.
    QTest::newRow("empty line, empty amount") << ""
                                              << ""
                                              << ""
                                              << ""
                                              << "" << NoFood << false;
    QTest::newRow("no database type, no id") << name << ""
                                             << ""
                                             << ""
                                             << "" << NoDbType << false;
    QTest::newRow("no id, no amount") << name << swiss << ""
                                      << ""
                                      << "k.A." << NoId << false;
    QTest::newRow("no amount, bad reference") << name << swiss << id << ""
                                              << "k.A." << NoAmount << true;
    QTest::newRow("minus not first") << name << swiss << id << "5-"
                                     << "k.A." << AmountNotNumeric << true;
    QTest::newRow("blank and unit") << name << swiss << id << "12 g" << ref << AmountNotNumeric << true;
    QTest::newRow("0,09 too small, bad reference") << name << swiss << id << "0,09"
                                                   << "k.A." << AmountTooSmall << true;
    QTest::newRow("zero") << name << swiss << id << "0" << ref << AmountTooSmall << true;
    QTest::newRow("negative") << name << swiss << id << "-5" << ref << AmountTooSmall << true;
    QTest::newRow("lone point") << name << swiss << id << "." << ref << AmountTooSmall << true;
    QTest::newRow("reference not numeric") << name << swiss << id << "150"
                                           << "k.A." << BadReference << false;
    QTest::newRow("reference zero") << name << swiss << id << "150"
                                    << "0" << BadReference << false;
    QTest::newRow("reference empty") << name << swiss << id << "150"
                                     << "" << BadReference << false;
    QTest::newRow("reference negative") << name << swiss << id << "150"
                                        << "-100" << BadReference << false;
    QTest::newRow("reference 0,5 reads as 0") << name << swiss << id << "150"
                                              << "0,5" << BadReference << false;
    QTest::newRow("amount of 400 digits")
        << name << swiss << id << QString(400, QLatin1Char('9')) << ref << AmountNotNumeric << true;
}

void TestMealPlan::refusalsInTheirOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, dbType);
    QFETCH(QString, id);
    QFETCH(QString, amount);
    QFETCH(QString, reference);
    QFETCH(QString, message);
    QFETCH(bool, focusAmount);

    MealPlan plan;
    InputLine first = AppleLine(QStringLiteral("100"));
    QVERIFY(EnterFood(plan, first).entered);
    plan.setChanged(false);

    InputLine line = AppleLine(amount);
    line.name = name;
    line.dbType = dbType;
    line.id = id;
    line.referenceAmount = reference;
    const QStringList before = LineFields(line);

    const EnterResult result = EnterFood(plan, line);
    QVERIFY(!result.entered);
    QCOMPARE(result.message, message);
    QCOMPARE(result.focusAmount, focusAmount);
    QCOMPARE(plan.entryCount(1), 1);
    QVERIFY(!plan.changed());
    QCOMPARE(LineFields(line), before);
}

void TestMealPlan::scalesValuesToTheAmount_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<QString>("valueText");

    QTest::newRow("150 g of 250 per 100 g") << "100"
                                            << "150"
                                            << "250"
                                            << "150,0"
                                            << "375,0";
    QTest::newRow("2 pieces double") << "1"
                                     << "2"
                                     << "37"
                                     << "2,0"
                                     << "74,0";
    QTest::newRow("comma decimal amount") << "100"
                                          << "12,5"
                                          << "100"
                                          << "12,5"
                                          << "12,5";
    QTest::newRow("point is a decimal point") << "100"
                                              << "1.500"
                                              << "100"
                                              << "1,5"
                                              << "1,5";
    QTest::newRow("exactly 0,1 accepted") << "100"
                                          << "0,1"
                                          << "100"
                                          << "0,1"
                                          << "0,1";
    QTest::newRow("0,14 shown rounded, scaled exactly") << "100"
                                                        << "0,14"
                                                        << "1000"
                                                        << "0,1"
                                                        << "1,4";
    QTest::newRow("large amount without grouping") << "100"
                                                   << "1500"
                                                   << "10"
                                                   << "1500,0"
                                                   << "150,0";
    QTest::newRow("comma value") << "100"
                                 << "200"
                                 << "0,5"
                                 << "200,0"
                                 << "1,0";
    QTest::newRow("point value") << "100"
                                 << "200"
                                 << "0.5"
                                 << "200,0"
                                 << "1,0";
    QTest::newRow("half rounds away from zero") << "100"
                                                << "100"
                                                << "12,25"
                                                << "100,0"
                                                << "12,3";
    QTest::newRow("k.A. copied") << "100"
                                 << "150"
                                 << "k.A."
                                 << "150,0"
                                 << "k.A.";
    QTest::newRow("less-than text copied") << "100"
                                           << "150"
                                           << "<0,1"
                                           << "150,0"
                                           << "<0,1";
    QTest::newRow("empty value is zero") << "100"
                                         << "150"
                                         << ""
                                         << "150,0"
                                         << "0,0";
}

void TestMealPlan::scalesValuesToTheAmount()
{
    QFETCH(QString, reference);
    QFETCH(QString, amount);
    QFETCH(QString, value);
    QFETCH(QString, amountText);
    QFETCH(QString, valueText);

    MealPlan plan;
    InputLine line = AppleLine(amount);
    line.referenceAmount = reference;
    line.values = QStringList(NutrientCount, value);
    const EnterResult result = EnterFood(plan, line);
    QVERIFY2(result.entered, qPrintable(result.message));
    QCOMPARE(plan.entryCount(1), 1);
    const MealEntry &entry = plan.meal(1).first();
    QCOMPARE(entry.amount, amountText);
    QCOMPARE(entry.values, QStringList(NutrientCount, valueText));
}

void TestMealPlan::entryTakesLineAndClearsIt()
{
    MealPlan plan;
    plan.setActiveMeal(3);
    InputLine line = AppleLine(QStringLiteral("2"));
    line.dbType = QStringLiteral("NwAnDb");
    line.referenceAmount = QStringLiteral("1");
    line.unitCaption = QStringLiteral("St");
    for (int k = 0; k < NutrientCount; ++k)
        line.values[k] = QString::number(k);

    QVERIFY(EnterFood(plan, line).entered);
    QVERIFY(plan.changed());
    QCOMPARE(plan.entryCount(3), 1);
    QCOMPARE(plan.entryCount(1), 0);
    const MealEntry &entry = plan.meal(3).first();
    QCOMPARE(entry.name, QStringLiteral(" Apfel, roh"));
    QCOMPARE(entry.dbCode, QStringLiteral("2"));
    QCOMPARE(entry.id, QStringLiteral("1234"));
    QStringList doubled;
    for (int k = 0; k < NutrientCount; ++k)
        doubled << QString::number(2 * k) + QStringLiteral(",0");
    QCOMPARE(entry.values, doubled);

    // Everything of the food is gone; the unit caption stays for the next food.
    InputLine empty;
    empty.unitCaption = QStringLiteral("St");
    QCOMPARE(LineFields(line), LineFields(empty));

    // Exactly "NwChDb" is the Swiss code; the test is case-sensitive.
    InputLine swiss = AppleLine(QStringLiteral("1"));
    QVERIFY(EnterFood(plan, swiss).entered);
    InputLine lowered = AppleLine(QStringLiteral("1"));
    lowered.dbType = QStringLiteral("nwchdb");
    QVERIFY(EnterFood(plan, lowered).entered);
    QCOMPARE(plan.meal(3).at(1).dbCode, QStringLiteral("1"));
    QCOMPARE(plan.meal(3).at(2).dbCode, QStringLiteral("2"));

    QVERIFY(!plan.allEmpty());
    plan.clearAll();
    QVERIFY(plan.allEmpty());
}

void TestMealPlan::thirteenthEntryKeepsLineAndFlag()
{
    MealPlan plan;
    plan.setActiveMeal(2);
    for (int i = 0; i < MaxEntriesPerMeal; ++i) {
        InputLine line = AppleLine(QString::number(10 + i));
        QVERIFY(EnterFood(plan, line).entered);
    }
    plan.setChanged(false);

    InputLine line = AppleLine(QStringLiteral("150"));
    const QStringList before = LineFields(line);
    EnterResult result = EnterFood(plan, line);
    QVERIFY(!result.entered);
    QCOMPARE(result.message, MealFull);
    QVERIFY(!result.focusAmount);
    QCOMPARE(plan.entryCount(2), MaxEntriesPerMeal);
    QVERIFY(!plan.changed());
    QCOMPARE(LineFields(line), before);

    // The reference check comes before the limit.
    InputLine broken = AppleLine(QStringLiteral("150"));
    broken.referenceAmount = QStringLiteral("0");
    QCOMPARE(EnterFood(plan, broken).message, BadReference);

    // The kept line goes into another meal after switching the page.
    plan.setActiveMeal(4);
    QVERIFY(EnterFood(plan, line).entered);
    QCOMPARE(plan.entryCount(4), 1);
    QCOMPARE(plan.meal(4).first().amount, QStringLiteral("150,0"));
    QCOMPARE(plan.entryCount(2), MaxEntriesPerMeal);
}

void TestMealPlan::showsFoodFromIndex()
{
    QStringList swissFields(50, QStringLiteral("7"));
    swissFields[0] = QStringLiteral("1234");
    swissFields[1] = QStringLiteral("Apfel, roh");
    swissFields[3] = QStringLiteral("52");
    swissFields[20] = QStringLiteral("85,6");
    const QStringList swissLines{QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(),
                                 swissFields.join(QLatin1Char(';'))};
    const QStringList ownLines{QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                               QStringLiteral("30512;Müsli;1;k.A.;1;2;3;4;5;6;7;8;9;10;11;12;")};
    const FoodIndex index = BuildFoodIndex(swissLines, ownLines);
    QCOMPARE(index.count(), 2);

    InputLine line;
    line.amount = QStringLiteral("80");
    ShowFoodInInputLine(index, FindFoodById(index, QStringLiteral("1234")), line);
    QCOMPARE(line.id, QStringLiteral("1234"));
    QCOMPARE(line.name, QStringLiteral(" Apfel, roh"));
    QCOMPARE(line.nameHint, QStringLiteral("NwChDb 1234"));
    QCOMPARE(line.dbType, QStringLiteral("NwChDb"));
    QCOMPARE(line.referenceAmount, QStringLiteral("100"));
    QCOMPARE(line.values.first(), QStringLiteral("52"));
    QCOMPARE(line.values.last(), QStringLiteral("85,6"));
    QCOMPARE(line.unitCaption, QStringLiteral("g"));
    QCOMPARE(line.amount, QStringLiteral("80"));

    ShowFoodInInputLine(index, FindFoodById(index, QStringLiteral("30512")), line);
    QCOMPARE(line.name, QStringLiteral(" Müsli"));
    QCOMPARE(line.nameHint, QStringLiteral("NwAnDb 30512"));
    QCOMPARE(line.referenceAmount, QStringLiteral("1"));
    QCOMPARE(line.values.first(), QStringLiteral("k.A."));
    QCOMPARE(line.values.last(), QStringLiteral("12"));
    QCOMPARE(line.unitCaption, QStringLiteral("St"));

    // A position that finds nothing leaves the line as it was.
    const QStringList before = LineFields(line);
    ShowFoodInInputLine(index, FindFoodById(index, QStringLiteral("999")), line);
    QCOMPARE(LineFields(line), before);
}

QTEST_GUILESS_MAIN(TestMealPlan)
#include "tst_mealplan.moc"
