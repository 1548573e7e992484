// What the bar charts show, as data: titles, bars with their texts, classes and marks, and the
// reference line, for the average of several days, one nutrient per day and one day.

#include "chartdata.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(PercentClass)

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// Energy and sugar of each day.
using Days = QList<QPair<double, double>>;
constexpr int Energy = 0; // a target
constexpr int Sugar = 2;  // a limit, "< g"

// Days whose sums hold energy and sugar as given, against a requirement of 2000 kcal and 50 g
// sugar (every other requirement 0), averaged as the several-days summary averages them.
DaySummary Summary(const Days &energyAndSugar)
{
    DaySummary summary;
    summary.requirement.values[Energy] = 2000;
    summary.requirement.values[Sugar] = 50;
    for (int i = 0; i < energyAndSugar.size(); ++i) {
        SummaryDay day;
        day.label = QStringLiteral("Tag%1.txt").arg(i + 1);
        day.sums.nutrients[Energy] = energyAndSugar.at(i).first;
        day.sums.nutrients[Sugar] = energyAndSugar.at(i).second;
        summary.days.append(day);
        summary.average.add(day.sums);
    }
    for (double &value : summary.average.nutrients)
        value /= std::max<qsizetype>(summary.days.size(), 1);
    summary.rating = RateAgainstRequirement(summary.average, summary.requirement);
    return summary;
}

} // namespace

class TestChartData : public QObject
{
    Q_OBJECT

private slots:
    void averagePercentChart_data();
    void averagePercentChart();
    void nutrientPerDayChart_data();
    void nutrientPerDayChart();
    void dayPercentChart();
};

void TestChartData::averagePercentChart_data()
{
    QTest::addColumn<Days>("days");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("energyText");
    QTest::addColumn<QString>("sugarText");
    QTest::addColumn<PercentClass>("sugarClass");

    QTest::newRow("one day") << Days{{1700, 60}} << "1 Tag: Prozent des Tagesbedarfs"
                             << "85,0 %"
                             << "120,0 %" << PercentClass::Warn;
    QTest::newRow("three days averaged")
        << Days{{1000, 20}, {2000, 40}, {3000, 90}} << "Durchschnitt von 3 Tagen: Prozent des Tagesbedarfs"
        << "100,0 %"
        << "100,0 %" << PercentClass::Normal;
}

void TestChartData::averagePercentChart()
{
    QFETCH(Days, days);
    const ChartData chart = AveragePercentChart(Summary(days), German);
    QTEST(chart.title, "title");
    QCOMPARE(chart.bars.size(), NutrientCount);
    QCOMPARE(chart.bars.at(Energy).caption, QStringLiteral("Energie"));
    QTEST(chart.bars.at(Energy).valueText, "energyText");
    QTEST(chart.bars.at(Sugar).valueText, "sugarText");
    QTEST(chart.bars.at(Sugar).percentClass, "sugarClass");
    // The limits carry marks where they turn orange and red; targets none. A nutrient without
    // a requirement has no value text.
    QCOMPARE(chart.bars.at(Sugar).marks, (QList<double>{110, 140}));
    QVERIFY(chart.bars.at(Energy).marks.isEmpty());
    QCOMPARE(chart.bars.at(5).valueText, QString());
    QCOMPARE(chart.referenceLine, 100.0);
    QCOMPARE(chart.referenceText, QStringLiteral("100 %"));
}

void TestChartData::nutrientPerDayChart_data()
{
    QTest::addColumn<int>("nutrient");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("line");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QStringList>("valueTexts");
    QTest::addColumn<QList<PercentClass>>("classes");
    QTest::addColumn<QList<double>>("marks");

    QTest::newRow("energy, a target")
        << Energy << "Energie je Tag in kcal" << 2000.0 << "Tagesbedarf 2000 kcal"
        << QStringList{"1000", "2150,5"} << QList<PercentClass>{PercentClass::Warn, PercentClass::Normal}
        << QList<double>();
    QTest::newRow("sugar, a limit: its unit without '<'")
        << Sugar << "Zucker je Tag in g" << 50.0 << "Tagesbedarf 50 g" << QStringList{"20", "80"}
        << QList<PercentClass>{PercentClass::Normal, PercentClass::Alarm} << QList<double>{55, 70};
    QTest::newRow("protein, no requirement: no line")
        << 5 << "Protein je Tag in g" << 0.0 << "" << QStringList{"0", "0"}
        << QList<PercentClass>{PercentClass::Unrated, PercentClass::Unrated} << QList<double>();
}

void TestChartData::nutrientPerDayChart()
{
    QFETCH(int, nutrient);
    QFETCH(QStringList, valueTexts);
    QFETCH(QList<PercentClass>, classes);

    const ChartData chart = NutrientPerDayChart(Summary({{1000, 20}, {2150.5, 80}}), nutrient, German);
    QTEST(chart.title, "title");
    QTEST(chart.referenceLine, "line");
    QTEST(chart.referenceText, "lineText");
    QCOMPARE(chart.bars.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(chart.bars.at(i).caption, QStringLiteral("Tag%1.txt").arg(i + 1));
        QCOMPARE(chart.bars.at(i).valueText, valueTexts.at(i));
        QCOMPARE(chart.bars.at(i).percentClass, classes.at(i));
    }
    QTEST(chart.bars.first().marks, "marks");

    // A nutrient beyond the thirteen gives an empty chart.
    QVERIFY(NutrientPerDayChart(Summary({{1000, 20}}), NutrientCount, German).bars.isEmpty());
}

void TestChartData::dayPercentChart()
{
    ReferenceSet requirement;
    requirement.values[Energy] = 2000;
    requirement.values[Sugar] = 50;
    SumRow sums;
    sums.nutrients[Energy] = 1706;
    sums.nutrients[Sugar] = 75;
    DayBalance balance;
    const PercentRating rating = RateAgainstRequirement(sums, requirement);
    balance.percent = rating.percent;
    balance.classes = rating.classes;

    const ChartData chart = DayPercentChart(balance, requirement, German);
    QCOMPARE(chart.title, QStringLiteral("Tagesmengen in Prozent des Tagesbedarfs"));
    // Written as the day panel writes its percentages, with a point.
    QCOMPARE(chart.bars.at(Energy).valueText, QStringLiteral("85.3%"));
    QCOMPARE(chart.bars.at(Sugar).valueText, QStringLiteral("150.0%"));
    QCOMPARE(chart.bars.at(Sugar).percentClass, PercentClass::Alarm);
    QCOMPARE(chart.bars.at(Sugar).marks, (QList<double>{110, 140}));
    QCOMPARE(chart.bars.at(5).valueText, QString());
    QCOMPARE(chart.bars.at(5).percentClass, PercentClass::Unrated);
}

QTEST_GUILESS_MAIN(TestChartData)
#include "tst_chartdata.moc"
