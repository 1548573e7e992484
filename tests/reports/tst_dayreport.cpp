#include "dayreport.h"
#include "reportfile.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Texts(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

// A small day: meals 2 and 5 hold entries, the others are empty. One name is longer than
// 34 characters, one value longer than 7, and the classes include Warn and Alarm.
DayReport SmallDay(const QString &loadedMealFilePath)
{
    DayReport report = EmptyDayReport();
    report.created = QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5));
    report.loadedMealFilePath = loadedMealFilePath;

    DayReportMeal &meal2 = report.meals[1];
    meal2.rows.append({QStringLiteral(" Apfel, roh"), QStringLiteral("1"), QStringLiteral("150,0"),
                       Texts("78,0|17,1|15,5|0,3|0,0|0,5|0,0|0,2|7,5|9,0|0,0|0,0|128,4")});
    meal2.rows.append({QStringLiteral(" Vollkornbrot mit Sonnenblumenkernen, geschnitten"),
                       QStringLiteral("1"), QStringLiteral("80,0"),
                       Texts("180,0|30,4|2,1|3,6|0,5|6,2|0,9|1,8|60,0|24,0|0,0|0,0|32,0")});
    meal2.amountSum = QStringLiteral("230");
    meal2.sums = Texts("258|47,5|17,6|3,9|0,5|6,7|0,9|2|67,5|33|0|0|160,4");

    DayReportMeal &meal5 = report.meals[4];
    meal5.rows.append({QStringLiteral(" Müsli nach Hausart"), QStringLiteral("2"), QStringLiteral("2,0"),
                       Texts("123456,0|120,0|90,0|80,0|30,0|20,0|k.A.|4,0|160,0|300,0|k.A.|1,0|60,0")});
    meal5.amountSum = QStringLiteral("2");
    meal5.sums = Texts("123456|120|90|80|30|20|0|4|160|300|0|1|60");

    report.dayAmountSum = QStringLiteral("232");
    report.daySums = Texts("123714|167,5|107,6|83,9|30,5|26,7|0,9|6|227,5|333|0|1|220,4");
    report.requirementTitle = QStringLiteral("Tagesbedarf '25 bis unter 51' (w)*");
    report.requirements = Texts("1800|250|50|70|20|47|6|15|300|1000|4|20|2700");
    report.percentages = Texts("6873.0%|  67.0%| 215.2%| 119.9%| 152.5%|  56.8%|  15.0%|  40.0%|  75.8%|  "
                               "33.3%|   0.0%|   5.0%|   8.2%");
    const PercentClass n = PercentClass::Normal;
    const PercentClass w = PercentClass::Warn;
    const PercentClass a = PercentClass::Alarm;
    report.percentClasses = {w, n, a, w, a, w, n, w, n, w, PercentClass::Unrated, w, w};
    return report;
}

const QString LoadedPath = QStringLiteral("/home/anna/Kostbilanz/Montag.txt");

} // namespace

class TestDayReport : public QObject
{
    Q_OBJECT

private slots:
    void matchesGoldenFile_data();
    void matchesGoldenFile();
    void withoutMealFileDropsPathLines_data();
    void withoutMealFileDropsPathLines();
    void proposedFileName_data();
    void proposedFileName();
    void reportFromPlan();
    void unwritablePathReportsFailure();
};

void TestDayReport::matchesGoldenFile_data()
{
    QTest::addColumn<bool>("csv");
    QTest::newRow("text report") << false;
    QTest::newRow("CSV report") << true;
}

void TestDayReport::matchesGoldenFile()
{
    QFETCH(bool, csv);
    const DayReport report = SmallDay(LoadedPath);
    const QStringList lines = csv ? FormatDayReportCsv(report) : FormatDayReportText(report);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(csv ? QStringLiteral("out.csv") : QStringLiteral("out.txt"));
    const WriteResult result = WriteReportFile(path, lines);
    QVERIFY2(result.ok, qPrintable(result.message()));

    const QByteArray written = ReadBytes(path);
    QVERIFY(written.startsWith("\xEF\xBB\xBF"));
    QVERIFY(written.endsWith(csv ? ";\r\n" : "-\r\n"));
    const QByteArray golden = ReadBytes(QStringLiteral(KB_TEST_DIR "/fixtures/dayreport.") +
                                        (csv ? QStringLiteral("csv") : QStringLiteral("txt")));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(written, golden);

    // An existing report is replaced whole, never appended to.
    QVERIFY(WriteReportFile(path, {QStringLiteral("x")}).ok);
    QCOMPARE(ReadBytes(path), QByteArray("\xEF\xBB\xBFx\r\n"));
}

void TestDayReport::withoutMealFileDropsPathLines_data()
{
    matchesGoldenFile_data();
}

void TestDayReport::withoutMealFileDropsPathLines()
{
    QFETCH(bool, csv);
    QStringList withPath =
        csv ? FormatDayReportCsv(SmallDay(LoadedPath)) : FormatDayReportText(SmallDay(LoadedPath));
    QCOMPARE(withPath.at(3), csv ? LoadedPath + QLatin1Char(';') : LoadedPath);
    withPath.remove(3, 2);
    const QStringList withoutPath =
        csv ? FormatDayReportCsv(SmallDay(QString())) : FormatDayReportText(SmallDay(QString()));
    QCOMPARE(withoutPath, withPath);
}

void TestDayReport::proposedFileName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QDateTime>("created");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("name");

    const QDateTime created(QDate(2025, 10, 26), QTime(14, 30, 5));
    QTest::newRow("no meal file") << "" << created << "txt"
                                  << "NW-Tagesbilanz--251026-143005.txt";
    QTest::newRow("name without dot") << "Montag" << created << "txt"
                                      << "NW-Tagesbilanz---251026-143005.txt";
    QTest::newRow("cut at the first dot") << "Woche.1.txt" << created << "csv"
                                          << "NW-Tagesbilanz-Woche--251026-143005.csv";
    QTest::newRow("slash path, dot in a folder") << "/home/anna/v1.2/Montag.txt" << created << "txt"
                                                 << "NW-Tagesbilanz-Montag--251026-143005.txt";
    QTest::newRow("backslash path") << "C:\\Daten\\Dienstag.txt" << created << "csv"
                                    << "NW-Tagesbilanz-Dienstag--251026-143005.csv";
    QTest::newRow("drive only") << "D:Essen.txt" << created << "txt"
                                << "NW-Tagesbilanz-Essen--251026-143005.txt";
    QTest::newRow("single digits padded") << "" << QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)) << "txt"
                                          << "NW-Tagesbilanz--260102-030405.txt";
}

void TestDayReport::proposedFileName()
{
    QFETCH(QString, chosen);
    QFETCH(QDateTime, created);
    QFETCH(QString, extension);
    QFETCH(QString, name);
    QCOMPARE(DefaultReportFileName(chosen, created, extension), name);
}

void TestDayReport::reportFromPlan()
{
    MealPlan plan;
    plan.setLoadedMealFilePath(LoadedPath);
    MealEntry entry;
    entry.name = QStringLiteral(" Apfel, roh");
    entry.dbCode = QStringLiteral("1");
    entry.id = QStringLiteral("1234");
    entry.amount = QStringLiteral("150,0");
    entry.values = QStringList(NutrientCount, QStringLiteral("0,1"));
    entry.values[0] = QStringLiteral("375,0");
    plan.append(3, entry);
    plan.append(3, entry);

    ReferenceSet requirement;
    requirement.title = QStringLiteral("Tagesbedarf Test");
    requirement.values.fill(1500);
    const DayBalance balance = ComputeBalance(plan, requirement);
    const QDateTime created(QDate(2025, 10, 26), QTime(14, 30, 5));
    const DayReport report = DayReportFromPlan(plan, balance, requirement, QLocale(QLocale::German), created);

    QCOMPARE(report.created, created);
    QCOMPARE(report.loadedMealFilePath, LoadedPath);
    QCOMPARE(report.nutrientNames.at(4), QStringLiteral("Fet.gesä"));
    QCOMPARE(report.unitTexts.at(10), QStringLiteral("µg"));
    QCOMPARE(report.meals[2].rows.size(), 2);
    QCOMPARE(report.meals[2].rows.at(1).amount, QStringLiteral("150,0"));
    QCOMPARE(report.meals[2].rows.at(1).values, entry.values);
    QCOMPARE(report.meals[2].amountSum, QStringLiteral("300"));
    QCOMPARE(report.meals[2].sums.at(1), QStringLiteral("0,2"));
    QCOMPARE(report.meals[0].sums, QStringList(NutrientCount, QStringLiteral("0")));
    QCOMPARE(report.dayAmountSum, QStringLiteral("300"));
    QCOMPARE(report.daySums.at(0), QStringLiteral("750"));
    QCOMPARE(report.requirementTitle, requirement.title);
    QCOMPARE(report.requirements.at(0), QStringLiteral("1500"));
    QCOMPARE(report.percentages.at(0), QStringLiteral("  50.0%"));
    QCOMPARE(report.percentClasses[0], PercentClass::Warn);
    QCOMPARE(PercentClassMark(report.percentClasses[0]), QStringLiteral("----!--"));
}

void TestDayReport::unwritablePathReportsFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing-folder/report.txt"));
    const WriteResult result = WriteReportFile(path, {QStringLiteral("x")});
    QVERIFY(!result.ok);
    QVERIFY(!result.message().isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestDayReport)
#include "tst_dayreport.moc"
