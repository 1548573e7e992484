#include "daysummarytable.h"
#include "reportfile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Two days, the second one empty. Monday's sums show FormatGeneral at work (70,25, and 0,3
// from 0,1 + 0,2 without noise); Vit.D has no requirement, so its percentage stays empty.
DaySummary TwoDays()
{
    DaySummary summary;
    summary.requirement.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    summary.requirement.values = {1800, 225, 21, 60, 19, 62, 5, 14, 300, 1000, 4, 0, 1410};

    SummaryDay monday;
    monday.path = QStringLiteral("/home/anna/Tage/Montag.txt");
    monday.label = QStringLiteral("Montag.txt");
    monday.sums.amount = 530.5;
    monday.sums.nutrients = {1650.3, 200.1, 30, 70.25, 20, 55.5, 6.1, 0.1 + 0.2, 250, 800, 3.5, 0, 1200};
    monday.nonNumeric = {0, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    SummaryDay tuesday;
    tuesday.path = QStringLiteral("/home/anna/Tage/Dienstag.txt");
    tuesday.label = QStringLiteral("Dienstag.txt");
    summary.days = {monday, tuesday};

    summary.average.amount = monday.sums.amount / 2;
    for (int k = 0; k < NutrientCount; ++k)
        summary.average.nutrients[k] = monday.sums.nutrients[k] / 2;
    summary.rating = RateAgainstRequirement(summary.average, summary.requirement);
    summary.nonNumeric = monday.nonNumeric;
    return summary;
}

const QLocale German(QLocale::German, QLocale::Germany);

} // namespace

class TestDaySummaryTable : public QObject
{
    Q_OBJECT

private slots:
    void csvFileByteForByte();
    void csvCellsOfAnyFileName();
    void percentRowCarriesTheClasses();
    void textTableAlignsEveryColumn();
    void noSummaryRowsWithoutADay();
    void messagesNameFileAndLine();
};

void TestDaySummaryTable::csvFileByteForByte()
{
    // The golden file was checked by hand: mark, CR LF after every line, no ';' at the end,
    // averages and percentages with one decimal, the requirement's title without its blank.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tage.csv"));
    QVERIFY(WriteReportFile(path, FormatDaySummaryCsv(TwoDays(), German)).ok);
    QCOMPARE(ReadBytes(path), ReadBytes(QStringLiteral(KB_TEST_DIR "/fixtures/daysummary.csv")));
}

void TestDaySummaryTable::csvCellsOfAnyFileName()
{
    // Whatever a file is called, its row keeps its cells and no spreadsheet runs its name.
    DaySummary days = TwoDays();
    days.days[0].label = QStringLiteral("=SUM(1+1).txt");
    days.days[1].label = QStringLiteral("a;b \"c\".txt");
    const QStringList lines = FormatDaySummaryCsv(days, German);
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("'=SUM(1+1).txt;530,5;1650,3;")), qPrintable(lines.at(1)));
    QCOMPARE(lines.at(2), QStringLiteral("\"a;b \"\"c\"\".txt\";0;0;0;0;0;0;0;0;0;0;0;0;0;0"));
}

void TestDaySummaryTable::percentRowCarriesTheClasses()
{
    const DaySummaryTable table = BuildDaySummaryTable(TwoDays(), German);
    QCOMPARE(table.rows.size(), 6);
    const DaySummaryRow &percent = table.rows.at(4);
    QCOMPARE(percent.kind, SummaryRowKind::Percent);
    QCOMPARE(percent.classes[0], PercentClass::Warn);   // energy 45,8 %: a target that low
    QCOMPARE(percent.classes[2], PercentClass::Normal); // sugar 71,4 %: under its limit
    QCOMPARE(percent.classes[6], PercentClass::Normal); // salt 61,0 %
    QCOMPARE(percent.classes[11], PercentClass::Unrated);
    QCOMPARE(table.rows.at(3).classes[0], PercentClass::Unrated); // only the percentages are rated
}

void TestDaySummaryTable::textTableAlignsEveryColumn()
{
    // A C locale for the sums: the caller's locale is used as given.
    const QStringList lines = FormatDaySummaryText(TwoDays(), QLocale::c());
    QCOMPARE(lines.size(), 7);
    for (const QString &line : lines)
        QCOMPARE(line.size(), lines.first().size());
    QVERIFY(lines.first().startsWith(QStringLiteral("Datei ")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Montag.txt ")));
    QVERIFY2(lines.at(1).contains(QStringLiteral("  70.25  ")), qPrintable(lines.at(1)));
    // The requirement's title is the widest label and sets the first column.
    QVERIFY(lines.at(4).startsWith(QStringLiteral("Tagesbedarf '25 bis unter 51' (w)  ")));
    QVERIFY(lines.at(3).endsWith(QStringLiteral("  600,0")));
}

void TestDaySummaryTable::noSummaryRowsWithoutADay()
{
    DaySummary none;
    none.requirement = TwoDays().requirement;
    QCOMPARE(FormatDaySummaryCsv(none, German),
             QStringList{QStringLiteral("Datei;Menge;Energie;KoHydr;Zucker;Fett;Fet.gesä;Protein;Salz;Eisen;"
                                        "Magn.;Calcium;Vit.B12;Vit.D;Wasser")});
}

void TestDaySummaryTable::messagesNameFileAndLine()
{
    DaySummary summary;
    summary.skipped.append({QStringLiteral("/tmp/notiz.txt"), QStringLiteral("notiz.txt"),
                            QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !")});
    summary.refused.append(
        {QStringLiteral("Montag.txt"), 4, QStringLiteral("Lebensmittel-ID 7 nicht in Liste vorhanden !")});
    QCOMPARE(
        DaySummaryMessages(summary),
        (QStringList{QStringLiteral("/tmp/notiz.txt: Es ist keine gültige Mahlzeiten-Datei !"),
                     QStringLiteral("Montag.txt, Zeile 4: Lebensmittel-ID 7 nicht in Liste vorhanden !")}));
}

QTEST_GUILESS_MAIN(TestDaySummaryTable)
#include "tst_daysummarytable.moc"
