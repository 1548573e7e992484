#include "nutrientlist.h"

#include "foodlines.h"
#include "numbertext.h"

#include <QTest>

namespace {

// Bread and an orange from the Swiss table, and an own bar per piece.
FoodIndex TestIndex()
{
    const QStringList swiss{
        QStringLiteral("Schweizer Nährwertdatenbank"),
        QString(),
        QString(),
        SwissFoodLineWith(QStringLiteral("1001"), QStringLiteral("Brot"),
                          "250|50|2|1|0.5|8|1.2|2|50|30|0|0|35",
                          {{QStringLiteral("Ballast."), QStringLiteral("6,5")},
                           {QStringLiteral("Vit.C"), QStringLiteral("k.A.")},
                           {QStringLiteral("Zink"), QStringLiteral("1.25")},
                           {QStringLiteral("Folat"), QStringLiteral("30")}}),
        SwissFoodLineWith(QStringLiteral("1002"), QStringLiteral("Orange"),
                          "47|9|9|0.1|0|1|0|0.1|10|40|0|0|87",
                          {{QStringLiteral("Ballast."), QStringLiteral("2,2")},
                           {QStringLiteral("Vit.C"), QStringLiteral("53")},
                           {QStringLiteral("Zink"), QStringLiteral("0,07")},
                           {QStringLiteral("Folat"), QStringLiteral("k.A.")}}),
    };
    const QStringList own{QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                          QStringLiteral("30000;Riegel;1;100;k.A.;10;5;k.A.;2;0,1;k.A.;10;10;0;0;1;")};
    return BuildFoodIndex(swiss, own);
}

// "meal:id:amount" entries entered as typed by hand, each into its meal.
MealPlan Day(const FoodIndex &index, const QStringList &entries)
{
    MealPlan plan;
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(u':');
        plan.setActiveMeal(parts.at(0).toInt());
        InputLine line;
        ShowFoodInInputLine(index, index.findById(parts.at(1)), line);
        line.amount = parts.at(2);
        if (!EnterFood(plan, line).entered)
            qWarning("not entered: %s", qPrintable(entry));
    }
    return plan;
}

ReferenceSet Requirement()
{
    ReferenceSet set;
    set.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    set.values = {1800, 225, 45, 60, 20, 48, 6, 16, 300, 1000, 4, 0, 2270};
    return set;
}

// Fibre 30 g, vitamin C 95 mg, zinc 8 mg; folate has no reference.
NutrientReference Reference()
{
    NutrientReference reference;
    reference.main = Requirement();
    const QList<QPair<QString, double>> values = {
        {QStringLiteral("Ballast."), 30}, {QStringLiteral("Vit.C"), 95}, {QStringLiteral("Zink"), 8}};
    for (const auto &[shortName, value] : values) {
        const int e = NutrientNamed(shortName) - NutrientCount;
        reference.extra.values[e] = value;
        reference.extra.texts[e] = FormatGeneral(value, QLocale::c());
    }
    return reference;
}

} // namespace

class TestNutrientList : public QObject
{
    Q_OBJECT

private slots:
    void everyColumnOfTheTableOnce();
    void extraNutrientsPerEntry_data();
    void extraNutrientsPerEntry();
    void dayListKeepsTheDayPanelsThirteen();
    void extendedReferenceCells_data();
    void extendedReferenceCells();
    void referenceRowForTheRequirement_data();
    void referenceRowForTheRequirement();
};

void TestNutrientList::everyColumnOfTheTableOnce()
{
    // Columns 3 to 45 of a Swiss food line, each once; the thirteen as the catalogue has them.
    QList<int> columns;
    QStringList shortNames;
    for (int n = 0; n < AllNutrientCount; ++n) {
        const TableNutrient &nutrient = AllNutrients()[n];
        columns.append(nutrient.swissColumn);
        QVERIFY2(nutrient.shortName.size() <= 8 && !shortNames.contains(nutrient.shortName),
                 qPrintable(nutrient.shortName));
        shortNames.append(nutrient.shortName);
        if (n < NutrientCount) {
            QCOMPARE(nutrient.swissColumn, NutrientCatalogue()[n].swissColumn);
            QCOMPARE(nutrient.kind, NutrientCatalogue()[n].kind);
        } else {
            QCOMPARE(nutrient.kind, NutrientKind::Target);
            QVERIFY(n == NutrientCount || nutrient.swissColumn > AllNutrients()[n - 1].swissColumn);
        }
    }
    std::sort(columns.begin(), columns.end());
    for (int i = 0; i < AllNutrientCount; ++i)
        QCOMPARE(columns.at(i), 3 + i);
}

void TestNutrientList::extraNutrientsPerEntry_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("nutrient");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("withoutValue");

    const QStringList breadAndOrange = {QStringLiteral("1:1001:150"), QStringLiteral("1:1002:123,45")};
    // The orange's amount is stored as 123,5 and the values go with what is stored: 2.2 × 1.235.
    QTest::newRow("value times the stored amount")
        << breadAndOrange << QStringLiteral("Ballast.") << 12.467 << 0;
    QTest::newRow("a value the table does not give")
        << breadAndOrange << QStringLiteral("Vit.C") << 65.455 << 1;
    QTest::newRow("an own food has only the thirteen")
        << QStringList{QStringLiteral("1:1001:150"), QStringLiteral("2:30000:2")} << QStringLiteral("Zink")
        << 1.875 << 1;
    QTest::newRow("every meal adds") << QStringList{QStringLiteral("1:1001:150"), QStringLiteral("3:1002:50"),
                                                    QStringLiteral("6:1001:10")}
                                     << QStringLiteral("Zink") << 2.035 << 0;
    QTest::newRow("0,14 g is stored and counted as 0,1 g")
        << QStringList{QStringLiteral("1:1001:0,14")} << QStringLiteral("Folat") << 0.03 << 0;
    QTest::newRow("a field of 0 is a value") << breadAndOrange << QStringLiteral("Selen") << 0.0 << 0;
    QTest::newRow("an empty day") << QStringList() << QStringLiteral("Ballast.") << 0.0 << 0;
}

void TestNutrientList::extraNutrientsPerEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, nutrient);
    QFETCH(double, amount);
    QFETCH(int, withoutValue);

    const FoodIndex index = TestIndex();
    const ExtraNutrientSums sums = SumExtraNutrients(Day(index, entries), index);
    const int e = NutrientNamed(nutrient) - NutrientCount;
    QVERIFY(e >= 0);
    // Unrounded: compared to far below the one decimal shown.
    QVERIFY2(qAbs(sums.amounts[e] - amount) < 1e-9, qPrintable(QString::number(sums.amounts[e], 'g', 17)));
    QCOMPARE(sums.withoutValue[e], withoutValue);
}

void TestNutrientList::dayListKeepsTheDayPanelsThirteen()
{
    const FoodIndex index = TestIndex();
    const MealPlan plan = Day(
        index, {QStringLiteral("1:1001:150"), QStringLiteral("1:1002:123,45"), QStringLiteral("2:30000:2")});
    const NutrientList list = DayNutrientList(plan, index, Reference());
    QCOMPARE(list.dayCount, 1);

    const DayBalance balance = ComputeBalance(plan, Requirement());
    const std::array<int, NutrientCount> nonNumeric = NonNumericCounts(plan);
    for (int k = 0; k < NutrientCount; ++k) {
        const NutrientListLine &line = list.lines[k];
        QCOMPARE(line.amount, balance.daySums.nutrients[k]);
        QCOMPARE(line.withoutValue, nonNumeric[k]);
        // Vit.D has no requirement: no percentage and no colour, where the day panel shows grey.
        QCOMPARE(line.rated, k != 11);
        QCOMPARE(line.percent, balance.percent[k]);
        QCOMPARE(line.percentClass, balance.classes[k]);
    }

    // Fibre 12.467 g of 30 is 41.6 %: a target that low is orange. Vitamin C 65.455 of 95 mg is
    // 68.9 %, green. Folate has no reference value.
    const NutrientListLine &fibre = list.lines[NutrientNamed(QStringLiteral("Ballast."))];
    QVERIFY(fibre.rated);
    QVERIFY(qAbs(fibre.percent - 12.467 * 100 / 30) < 1e-9);
    QCOMPARE(fibre.percentClass, PercentClass::Warn);
    QCOMPARE(fibre.withoutValue, 1);
    QCOMPARE(list.lines[NutrientNamed(QStringLiteral("Vit.C"))].percentClass, PercentClass::Normal);
    const NutrientListLine &folate = list.lines[NutrientNamed(QStringLiteral("Folat"))];
    QVERIFY(!folate.rated);
    QCOMPARE(folate.percent, 0.0);
    QCOMPARE(folate.percentClass, PercentClass::Unrated);
}

void TestNutrientList::extendedReferenceCells_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("texts"); // the first four cells of row, '|' between them
    QTest::addColumn<double>("second"); // the value of the second cell

    const QString title = QStringLiteral("D-A-CH-Referenzwerte;;Stand;11.12.25;");
    const QString names = QStringLiteral("EUFS;MUFS;Linols.;a-Linol.;");
    QTest::newRow("as written, decimal comma") << QStringList{title, names, QStringLiteral(";18,7;6,7;1.3;")}
                                               << 0 << QStringLiteral("|18,7|6,7|1.3") << 18.7;
    QTest::newRow("blanks around a cell")
        << QStringList{title, names, QStringLiteral(" ; 14 ;5;1")} << 0 << QStringLiteral("|14|5|1") << 14.0;
    QTest::newRow("0, no number and a short line are no reference")
        << QStringList{title, names, QStringLiteral("0;k.A.;-2")} << 0 << QStringLiteral("|||") << 0.0;
    QTest::newRow("the eighth row") << QStringList{title,
                                                   names,
                                                   QString(),
                                                   QString(),
                                                   QString(),
                                                   QString(),
                                                   QString(),
                                                   QString(),
                                                   QString(),
                                                   QStringLiteral("1;2;3;4;"),
                                                   QStringLiteral("9;9;9;9;")}
                                    << 7 << QStringLiteral("1|2|3|4") << 2.0;
    QTest::newRow("a row the file does not have")
        << QStringList{title, names, QStringLiteral("1;2;3;4;")} << 1 << QStringLiteral("|||") << 0.0;
}

void TestNutrientList::extendedReferenceCells()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(double, second);

    const ExtendedReferenceTable table = ParseExtendedReferenceLines(lines);
    QVERIFY(table.found);
    const ExtendedReferenceRow &cells = table.rows[row];
    QStringList texts;
    for (int e = 0; e < 4; ++e)
        texts.append(cells.texts[e]);
    QTEST(texts.join(u'|'), "texts");
    QCOMPARE(cells.values[1], second);
    for (int e = 4; e < ExtraNutrientCount; ++e)
        QVERIFY(cells.texts[e].isEmpty() && cells.values[e] == 0);
}

void TestNutrientList::referenceRowForTheRequirement_data()
{
    QTest::addColumn<int>("ageGroup");
    QTest::addColumn<bool>("builtIn");
    QTest::addColumn<int>("row");

    QTest::newRow("a DGE row") << 4 << false << 4;
    QTest::newRow("the last DGE row") << 7 << false << 7;
    QTest::newRow("own values, m: men of 25 to under 51") << 8 << false << 2;
    QTest::newRow("own values, w: women of 25 to under 51") << 9 << false << 3;
    QTest::newRow("the built-in row, meant for women of 25 to under 51") << 0 << true << 3;
    QTest::newRow("a row that does not exist") << 10 << false << -1;
}

void TestNutrientList::referenceRowForTheRequirement()
{
    QFETCH(int, ageGroup);
    QFETCH(bool, builtIn);
    QFETCH(int, row);

    RequirementState state;
    state.ageGroup = ageGroup;
    state.active =
        builtIn ? BuiltInReference() : ReferenceSetForRow(state.table, ageGroup, TitleVariant::Start);
    QCOMPARE(ExtendedReferenceRowFor(state), row);

    ExtendedReferenceTable table;
    table.found = true;
    for (int r = 0; r < ExtendedReferenceRowCount; ++r)
        table.rows[r].texts[0] = QString::number(r);
    const NutrientReference reference = NutrientReferenceFor(state, table);
    QCOMPARE(reference.main.title, state.active.title);
    QCOMPARE(reference.extra.texts[0], row < 0 ? QString() : QString::number(row));
    // Without the file, no other nutrient has a reference, whatever the row.
    QCOMPARE(NutrientReferenceFor(state, ExtendedReferenceTable()).extra.texts[0], QString());
}

QTEST_GUILESS_MAIN(TestNutrientList)
#include "tst_nutrientlist.moc"
