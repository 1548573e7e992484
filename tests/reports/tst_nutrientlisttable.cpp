#include "nutrientlisttable.h"

#include "foodlines.h"
#include "reportfile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// Bread and an orange from the Swiss table, each with a value the table does not give, and an
// own bar per piece with only the thirteen.
FoodIndex TestIndex()
{
    const QStringList swiss{
        QStringLiteral("Schweizer Nährwertdatenbank"),
        QString(),
        QString(),
        SwissFoodLineWith(QStringLiteral("1001"), QStringLiteral("Brot"),
                          "250|50|2|1|0.4|8|1.2|2|50|30|0|0|36",
                          {{QStringLiteral("Ballast."), QStringLiteral("6")},
                           {QStringLiteral("Vit.C"), QStringLiteral("k.A.")},
                           {QStringLiteral("Zink"), QStringLiteral("1.25")},
                           {QStringLiteral("Folat"), QStringLiteral("30")}}),
        SwissFoodLineWith(QStringLiteral("1002"), QStringLiteral("Orange"),
                          "47|9|9|0.1|0|1|0|0.2|10|40|0|0|86",
                          {{QStringLiteral("Ballast."), QStringLiteral("2,2")},
                           {QStringLiteral("Vit.C"), QStringLiteral("53")},
                           {QStringLiteral("Zink"), QStringLiteral("0,07")},
                           {QStringLiteral("Folat"), QStringLiteral("k.A.")}}),
    };
    const QStringList own{QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                          QStringLiteral("30000;Riegel;1;100;k.A.;10;5;k.A.;2;0,1;k.A.;10;10;0;0;1;")};
    return BuildFoodIndex(swiss, own);
}

// Vit.D without a requirement; of the others fibre, the polyunsaturated fatty acids, vitamin B1
// (written "1,0"), vitamin C and zinc have a reference value.
NutrientReference TestReference()
{
    NutrientReference reference;
    reference.main.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    reference.main.values = {1800, 225, 45, 70, 25, 50, 6, 15, 300, 950, 4, 0, 2270};
    const ExtendedReferenceTable table =
        ParseExtendedReferenceLines({QStringLiteral("Titel"), QStringLiteral("Namen"),
                                     QStringLiteral(";14;;;;;;;30;;;;;;;1,0;;;;;;95;;;;;;;8;;")});
    reference.extra = table.rows[0];
    return reference;
}

} // namespace

class TestNutrientListTable : public QObject
{
    Q_OBJECT

private slots:
    void csvOfTwoDaysByteForByte();
    void sortedByPercentLowestFirst();
};

void TestNutrientListTable::csvOfTwoDaysByteForByte()
{
    QTemporaryDir dir;
    const QByteArray header = "VNR=Mz251026\r\n";
    // Monday: 150 g bread and 120 g orange, two bars for a snack; Tuesday: 100 g bread.
    QVERIFY(WriteBytes(
        dir.filePath(QStringLiteral("Montag.txt")),
        header + "Mahlzeit1=1;1001;150,0;\r\nMahlzeit1=1;1002;120,0;\r\nMahlzeit2=2;30000;2,0;\r\n"));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("Dienstag.txt")), header + "Mahlzeit1=1;1001;100,0;\r\n"));

    const NutrientListForFiles result = NutrientListOfFiles(
        {dir.filePath(QStringLiteral("Montag.txt")), dir.filePath(QStringLiteral("Dienstag.txt"))},
        TestIndex(), TestReference(), German);
    QCOMPARE(result.summary.days.size(), 2);
    QCOMPARE(result.list.dayCount, 2);
    QCOMPARE(result.messages, QStringList());

    // The header and the 43 nutrients, nothing else: fibre (6 × 1.5 + 2.2 × 1.2 and 6) averages
    // 8.82 g, 29.4 % of 30 g; vitamin C 63.6 mg on Monday only, with bread and bar unknown on
    // Monday and bread on Tuesday; Vit.D and folate have no reference: no percentage.
    const QString path = dir.filePath(QStringLiteral("liste.csv"));
    QVERIFY(WriteReportFile(path, result.csv).ok);
    QCOMPARE(ReadBytes(path), ReadBytes(QStringLiteral(KB_TEST_DIR "/fixtures/nutrientlist.csv")));

    // The same lines for a terminal, every column lined up.
    QCOMPARE(result.text.size(), 1 + AllNutrientCount);
    for (const QString &line : result.text)
        QCOMPARE(line.size(), result.text.first().size());
    QVERIFY(result.text.at(1).startsWith(QStringLiteral("Energie ")));
    QVERIFY(result.text.at(1).endsWith(QStringLiteral(" 440,7    1800     24,5          0")));
}

void TestNutrientListTable::sortedByPercentLowestFirst()
{
    NutrientList list;
    list.reference = TestReference();
    // Energy 90 %, protein 5 %, fibre 40 %, vitamin C 5 % (after protein, its equal), zinc 100 %.
    const QList<QPair<QString, double>> amounts = {{QStringLiteral("Energie"), 1620},
                                                   {QStringLiteral("Protein"), 2.5},
                                                   {QStringLiteral("Ballast."), 12},
                                                   {QStringLiteral("Vit.C"), 4.75},
                                                   {QStringLiteral("Zink"), 8}};
    for (int n = 0; n < AllNutrientCount; ++n) {
        const double need = n < NutrientCount ? list.reference.main.values[n]
                                              : list.reference.extra.values[n - NutrientCount];
        list.lines[n].rated = need > 0;
        list.lines[n].percent = 0;
        for (const auto &[shortName, amount] : amounts) {
            if (NutrientNamed(shortName) == n) {
                list.lines[n].amount = amount;
                list.lines[n].percent = amount * 100 / need;
            }
        }
    }
    const QList<NutrientListRow> rows = BuildNutrientListRows(list, German);
    const std::vector<int> order = NutrientRowsByPercent(rows);
    QStringList sorted;
    for (const int row : order)
        sorted.append(rows.at(row).name + QLatin1Char(' ') + rows.at(row).percent);

    // Nothing eaten first, in list order, then by the percentage; the nutrients without a
    // reference last, in list order.
    QCOMPARE(sorted.mid(0, 4),
             (QStringList{QStringLiteral("Kohlenhydrate 0,0"), QStringLiteral("Zucker 0,0"),
                          QStringLiteral("Fett 0,0"), QStringLiteral("Gesättigte Fettsäuren 0,0")}));
    const int rated = 12 + 5; // the thirteen without Vit.D, and five of the others
    QCOMPARE(sorted.mid(rated - 5, 5),
             (QStringList{QStringLiteral("Protein 5,0"), QStringLiteral("Vitamin C 5,0"),
                          QStringLiteral("Ballaststoffe 40,0"), QStringLiteral("Energie 90,0"),
                          QStringLiteral("Zink 100,0")}));
    QCOMPARE(sorted.at(rated), QStringLiteral("Vitamin D "));
    QCOMPARE(sorted.at(rated + 1), QStringLiteral("Einfach ungesättigte Fettsäuren "));
    QCOMPARE(int(sorted.size()), AllNutrientCount);
}

QTEST_GUILESS_MAIN(TestNutrientListTable)
#include "tst_nutrientlisttable.moc"
