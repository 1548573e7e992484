#include "appinfo.h"
#include "diary.h"
#include "printdocument.h"

#include <QTest>

namespace {

QStringList Texts(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

QStringList CellTexts(const PrintRow &row)
{
    QStringList texts;
    for (const PrintCell &cell : row.cells)
        texts.append(cell.text);
    return texts;
}

const QLocale German(QLocale::German, QLocale::Germany);
const QDateTime Created(QDate(2025, 10, 26), QTime(14, 30, 5));
const QString SwissHeader = QStringLiteral(
    "Schweizer Nährwertdatenbank Version 7.0;Quelle: Schweizer Nährwertdatenbank, BLV, Version 7.0 (Juli 2025);");

// Meal 2 holds one food whose values against the requirement give every class: Normal,
// Warn below and above the band, Alarm for a limit, Unrated where nothing was eaten or no
// requirement is set. Meal 5 holds a drink, for the water shares. The rest is empty.
struct Day
{
    MealPlan plan;
    ReferenceSet requirement;
    DayBalance balance;
};

Day SmallDay()
{
    Day day;
    day.plan.append(2, {QStringLiteral(" Müsli nach Hausart"), QStringLiteral("2"), QStringLiteral("7"),
                        QStringLiteral("100,0"), Texts("1200,0|100,0|80,0|84,0|10,0|47,0|k.A.|15,0|300,0|1000,0|4,0|30,0|70,0")});
    day.plan.append(5, {QStringLiteral(" Mineralwasser"), QStringLiteral("1"), QStringLiteral("99"),
                        QStringLiteral("500,0"), Texts("0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|50,0|0,0|0,0|0,0|500,0")});
    day.plan.setLoadedMealFilePath(QStringLiteral("/home/anna/Montag.txt"));
    day.plan.setMealFilePath(QStringLiteral("/home/anna/Woche 2/Dienstag.txt")); // read Montag, saved as this
    day.requirement.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    day.requirement.values = {1800, 250, 50, 70, 20, 47, 6, 15, 350, 1000, 0, 20, 570};
    day.balance = ComputeBalance(day.plan, day.requirement);
    return day;
}

PrintDocument SmallDayDocument()
{
    const Day day = SmallDay();
    return DayPrintDocument(day.plan, day.balance, day.requirement, German, Created, SwissHeader);
}

} // namespace

class TestPrintDocument : public QObject
{
    Q_OBJECT

private slots:
    void dayRowsAndTexts();
    void dayPercentCells_data();
    void dayPercentCells();
    void dataSourceLine_data();
    void dataSourceLine();
    void severalDays();
    void severalDaysNoneRead();
    void severalDiaryDaysWithAGap();
};

void TestPrintDocument::dayRowsAndTexts()
{
    const PrintDocument document = SmallDayDocument();
    QCOMPARE(document.title, AppTitle() + QStringLiteral(" - Tagesübersicht der Mahlzeit(en)"));
    // The meal file the window names, the last one saved or read, by name and folder.
    QCOMPARE(document.infoLines,
             QStringList({QStringLiteral("Mahlzeiten-Datei: Dienstag.txt (in /home/anna/Woche 2)"),
                          QStringLiteral("Erstellt am 26.10.25 14:30:05")}));
    Day unsaved = SmallDay();
    unsaved.plan.setMealFilePath(QString());
    QCOMPARE(DayPrintDocument(unsaved.plan, unsaved.balance, unsaved.requirement, German, Created, SwissHeader)
                 .infoLines,
             QStringList{QStringLiteral("Erstellt am 26.10.25 14:30:05")});
    QCOMPARE(document.table.heads, Texts("Lebensmittel|Menge|Energie|KoHydr|Zucker|Fett|Fet.gesä|Protein|Salz|Eisen|"
                                         "Magn.|Calcium|Vit.B12|Vit.D|Wasser|DB"));
    QCOMPARE(document.table.units, Texts("|g, St|kcal|g|< g|< g|< g|g|< g|mg|mg|mg|µg|µg|g|"));
    QVERIFY(document.table.hasDbColumn);

    // Every row in order: an empty meal is one line, a meal with foods its heading, its
    // foods and its sums; then the day.
    QStringList labels;
    QList<PrintRowKind> kinds;
    for (const PrintRow &row : document.table.rows) {
        labels.append(row.label);
        kinds.append(row.kind);
    }
    QCOMPARE(labels, Texts("Mahlzeit 1 - kein Eintrag|Mahlzeit 2| Müsli nach Hausart|Mahlzeit 2 Summen|"
                           "Mahlzeit 3 - kein Eintrag|Mahlzeit 4 - kein Eintrag|Mahlzeit 5| Mineralwasser|"
                           "Mahlzeit 5 Summen|Mahlzeit 6 - kein Eintrag|Tagessummen|"
                           "Tagesbedarf '25 bis unter 51' (w)|Tagesmengen in Prozent"));
    using K = PrintRowKind;
    QCOMPARE(kinds, QList<K>({K::Note, K::Heading, K::Entry, K::Sum, K::Note, K::Note, K::Heading, K::Entry, K::Sum,
                              K::Note, K::Sum, K::Requirement, K::Percent}));

    // The texts of the window: entries as stored ("k.A." kept), sums and requirement with
    // the locale's decimal comma, and no amount where the window has none.
    const QList<PrintRow> &rows = document.table.rows;
    QCOMPARE(rows.at(2).amount, QStringLiteral("100,0"));
    QCOMPARE(rows.at(2).dbCode, QStringLiteral("2"));
    QCOMPARE(CellTexts(rows.at(2)), Texts("1200,0|100,0|80,0|84,0|10,0|47,0|k.A.|15,0|300,0|1000,0|4,0|30,0|70,0"));
    QCOMPARE(rows.at(3).amount, QStringLiteral("100"));
    QCOMPARE(CellTexts(rows.at(3)), Texts("1200|100|80|84|10|47|0|15|300|1000|4|30|70"));
    QCOMPARE(rows.at(10).amount, QStringLiteral("600"));
    QCOMPARE(CellTexts(rows.at(10)), Texts("1200|100|80|84|10|47|0|15|350|1000|4|30|570"));
    QCOMPARE(rows.at(11).amount, QString());
    QCOMPARE(CellTexts(rows.at(11)), Texts("1800|250|50|70|20|47|6|15|350|1000|0|20|570"));
    QCOMPARE(CellTexts(rows.at(12)), Texts("66.7%|40.0%|160.0%|120.0%|50.0%|100.0%|0.0%|100.0%|100.0%|100.0%|"
                                           "0.0%|150.0%|100.0%"));

    QCOMPARE(document.waterLines, Texts("Anteil freies Wasser = 0.50 l|Anteil Wasser in Lebensmittel = 0.07 l"));
    QCOMPARE(document.sourceLine, QStringLiteral("Datenquelle: Schweizer Nährwertdatenbank, BLV, Version 7.0"));

    // The chart has one bar per nutrient, written and classed as the percentage above it.
    QCOMPARE(document.chart.bars.size(), NutrientCount);
    for (int k = 0; k < NutrientCount; ++k) {
        const ChartBar &bar = document.chart.bars.at(k);
        QCOMPARE(bar.percentClass, rows.at(12).cells.at(k).percentClass);
        QCOMPARE(bar.valueText, k == 10 ? QString() : rows.at(12).cells.at(k).text); // no requirement, no text
    }
    QCOMPARE(document.chart.bars.at(2).marks, QList<double>({110, 140})); // a limit
    QVERIFY(document.chart.bars.at(0).marks.isEmpty());
}

void TestPrintDocument::dayPercentCells_data()
{
    QTest::addColumn<int>("nutrient");
    QTest::addColumn<PrintCell>("cell");
    const QString warn = QStringLiteral("----!--");
    QTest::newRow("target in the band") << 0 << PrintCell{QStringLiteral("66.7%"), PercentClass::Normal, QString()};
    QTest::newRow("target below the band") << 1 << PrintCell{QStringLiteral("40.0%"), PercentClass::Warn, warn};
    QTest::newRow("limit over 140") << 2 << PrintCell{QStringLiteral("160.0%"), PercentClass::Alarm, QStringLiteral("---!!!-")};
    QTest::newRow("limit between 110 and 140") << 3 << PrintCell{QStringLiteral("120.0%"), PercentClass::Warn, warn};
    QTest::newRow("limit below") << 4 << PrintCell{QStringLiteral("50.0%"), PercentClass::Normal, QString()};
    QTest::newRow("no number eaten") << 6 << PrintCell{QStringLiteral("0.0%"), PercentClass::Unrated, QString()};
    QTest::newRow("no requirement") << 10 << PrintCell{QStringLiteral("0.0%"), PercentClass::Unrated, QString()};
    QTest::newRow("target above the band") << 11 << PrintCell{QStringLiteral("150.0%"), PercentClass::Warn, warn};
}

void TestPrintDocument::dayPercentCells()
{
    QFETCH(int, nutrient);
    QFETCH(PrintCell, cell);
    const PrintDocument document = SmallDayDocument();
    const PrintRow &percent = document.table.rows.last();
    QCOMPARE(percent.kind, PrintRowKind::Percent);
    const PrintCell &actual = percent.cells.at(nutrient);
    QCOMPARE(actual.text, cell.text);
    QCOMPARE(actual.percentClass, cell.percentClass);
    QCOMPARE(actual.mark, cell.mark);
}

void TestPrintDocument::dataSourceLine_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("line");
    const QString base = QStringLiteral("Datenquelle: Schweizer Nährwertdatenbank, BLV");
    QTest::newRow("shipped file") << SwissHeader << base + QStringLiteral(", Version 7.0");
    QTest::newRow("no version") << QStringLiteral("Schweizer Nährwertdatenbank (Testauszug);") << base;
    QTest::newRow("version only in a later field") << QStringLiteral("Nährwerte;Version 6.3;") << base;
    QTest::newRow("no file") << QString() << base;
}

void TestPrintDocument::dataSourceLine()
{
    QFETCH(QString, header);
    QTEST(DataSourceLine(header), "line");
}

void TestPrintDocument::severalDays()
{
    DaySummary summary;
    summary.requirement.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    summary.requirement.values = {2000, 250, 50, 70, 20, 50, 6, 15, 300, 1000, 4, 20, 2000};
    SummaryDay monday{QStringLiteral("/t/montag.txt"), QStringLiteral("montag.txt"), {}, {}, {}, {}};
    monday.sums.amount = 500;
    monday.sums.nutrients = {1000, 200, 80, 60, 10, 40, 5, 10, 300, 800, 2, 5, 1500};
    SummaryDay tuesday{QStringLiteral("/t/dienstag.txt"), QStringLiteral("dienstag.txt"), {}, {}, {}, {}};
    tuesday.sums.amount = 700;
    tuesday.sums.nutrients = {2000, 300, 20, 100, 30, 60, 7, 20, 300, 1200, 2, 5, 2500};
    tuesday.nonNumeric[11] = 2;
    summary.days = {monday, tuesday};
    summary.nonNumeric[11] = 2;
    summary.skipped.append({QStringLiteral("/t/fehlt.txt"), QStringLiteral("fehlt.txt"), QStringLiteral("weg")});
    summary.average.amount = 600;
    summary.average.nutrients = {1500, 250, 50, 80, 20, 50, 6, 15, 300, 1000, 2, 5, 2000};
    summary.rating = RateAgainstRequirement(summary.average, summary.requirement);

    const PrintDocument document = SeveralDaysPrintDocument(summary, German, Created, QString());
    QCOMPARE(document.title, AppTitle() + QStringLiteral(" - Übersicht über mehrere Tage"));
    QCOMPARE(document.infoLines, QStringList{QStringLiteral("Erstellt am 26.10.25 14:30:05")});
    QVERIFY(!document.table.hasDbColumn);
    QCOMPARE(document.table.heads.size(), 2 + NutrientCount);
    QCOMPARE(document.table.units.size(), 2 + NutrientCount);

    const QList<PrintRow> &rows = document.table.rows;
    QCOMPARE(rows.size(), 6);
    using K = PrintRowKind;
    const QList<K> kinds = {K::Entry, K::Entry, K::Sum, K::Requirement, K::Percent, K::Count};
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(rows.at(r).kind, kinds.at(r));
    QCOMPARE(rows.at(1).label, QStringLiteral("dienstag.txt"));
    QCOMPARE(rows.at(1).amount, QStringLiteral("700"));
    QCOMPARE(CellTexts(rows.at(1)), Texts("2000|300|20|100|30|60|7|20|300|1200|2|5|2500"));
    QCOMPARE(rows.at(2).label, QStringLiteral("Durchschnitt"));
    QCOMPARE(CellTexts(rows.at(2)), Texts("1500,0|250,0|50,0|80,0|20,0|50,0|6,0|15,0|300,0|1000,0|2,0|5,0|2000,0"));
    QCOMPARE(rows.at(3).label, QStringLiteral("Tagesbedarf '25 bis unter 51' (w)"));
    QCOMPARE(CellTexts(rows.at(4)), Texts("75,0|100,0|100,0|114,3|100,0|100,0|100,0|100,0|100,0|100,0|50,0|25,0|100,0"));
    QCOMPARE(rows.at(4).cells.at(3).percentClass, PercentClass::Warn);
    QCOMPARE(rows.at(4).cells.at(3).mark, QStringLiteral("----!--"));
    QCOMPARE(rows.at(4).cells.at(0).percentClass, PercentClass::Normal);
    QCOMPARE(rows.at(4).cells.at(10).mark, QStringLiteral("----!--"));
    QCOMPARE(CellTexts(rows.at(5)), Texts("0|0|0|0|0|0|0|0|0|0|0|2|0"));

    QCOMPARE(document.messageLines.size(), 1);
    QVERIFY(document.messageLines.first().endsWith(QStringLiteral("fehlt.txt: weg")));
    QCOMPARE(document.chart.bars.size(), NutrientCount);
    QCOMPARE(document.chart.bars.at(3).percentClass, PercentClass::Warn);
}

void TestPrintDocument::severalDiaryDaysWithAGap()
{
    // Friday and Sunday of the diary, Saturday without a file: its line stays in date order.
    DaySummary summary;
    summary.requirement.values = {2000, 250, 50, 70, 20, 50, 6, 15, 300, 1000, 4, 20, 2000};
    for (const QDate date : {QDate(2025, 10, 24), QDate(2025, 10, 26)}) {
        SummaryDay day;
        day.date = date;
        day.label = WeekdayDateText(date);
        day.sums.amount = 100;
        summary.days.append(day);
    }
    summary.missingDates = {QDate(2025, 10, 25)};
    summary.average.amount = 100;
    summary.rating = RateAgainstRequirement(summary.average, summary.requirement);

    const QList<PrintRow> rows = SeveralDaysPrintDocument(summary, German, Created, QString()).table.rows;
    QVERIFY(rows.size() >= 4);
    QCOMPARE(rows.at(0).label, QStringLiteral("Fr 24.10.2025"));
    QCOMPARE(rows.at(1).kind, PrintRowKind::Note);
    QCOMPARE(rows.at(1).label, QStringLiteral("Sa 25.10.2025 - kein Eintrag"));
    QVERIFY(rows.at(1).cells.isEmpty());
    QCOMPARE(rows.at(2).label, QStringLiteral("So 26.10.2025"));
    QCOMPARE(rows.at(3).label, QStringLiteral("Durchschnitt"));
}

void TestPrintDocument::severalDaysNoneRead()
{
    DaySummary summary;
    summary.skipped.append({QStringLiteral("/t/a.txt"), QStringLiteral("a.txt"), QStringLiteral("weg")});
    const PrintDocument document = SeveralDaysPrintDocument(summary, German, Created, QString());
    QVERIFY(document.table.rows.isEmpty());
    QVERIFY(document.chart.bars.isEmpty());
    QVERIFY(document.chart.title.isEmpty());
    QCOMPARE(document.messageLines.size(), 1);
}

QTEST_GUILESS_MAIN(TestPrintDocument)
#include "tst_printdocument.moc"
