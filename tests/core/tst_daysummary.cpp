#include "daysummary.h"

#include "foodlines.h"
#include "mealfile.h"
#include "numbertext.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Split(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

// Bread per 100 g from the Swiss table, and an own bar per piece with three values unknown.
FoodIndex TestIndex()
{
    const QStringList swiss{QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(),
                            SwissFoodLine(QStringLiteral("1001"), QStringLiteral("Brot"),
                                          Split("250|50|2|1|0.5|8|1.2|2|50|30|0|0|35"))};
    const QStringList own{QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                          QStringLiteral("30000;Riegel;1;100;k.A.;10;5;k.A.;2;0,1;k.A.;10;10;0;0;1;")};
    return BuildFoodIndex(swiss, own);
}

// Vit.D has no requirement; Zucker is a tight limit so that a day can reach red.
ReferenceSet TestRequirement()
{
    ReferenceSet set;
    set.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    set.values = {2000, 250, 15, 60, 20, 50, 6, 15, 300, 1000, 4, 0, 2000};
    return set;
}

const QByteArray Header = "VNR=Mz251026\r\n";

// The day files, by name. "missing.txt" is never written.
QList<QPair<QString, QByteArray>> DayFiles()
{
    // Exactly at the size limit (still read) and one byte over it: a session line, which
    // holds no food, filled up to the size.
    QByteArray atLimit = Header + "Sitzung=";
    atLimit += QByteArray(MaxMealFileBytes - atLimit.size() - 2, 'x') + "\r\n";
    QByteArray overLimit = atLimit;
    overLimit.insert(Header.size() + 8, 'x');
    return {
        // 200 g bread and two bars.
        {QStringLiteral("a.txt"), Header + "Mahlzeit1=1;1001;200,0;\r\nMahlzeit2=2;30000;2,0;\r\n"},
        {QStringLiteral("empty.txt"), Header},
        // 100 g bread, then a food that no longer exists and an amount that is no number.
        {QStringLiteral("refused.txt"),
         Header + "Mahlzeit1=1;1001;100,0;\r\nMahlzeit1=1;9999;50,0;\r\nMahlzeit3=1;1001;viel;\r\n"},
        // A file of the same name in another folder: 100 g bread and the same unknown food.
        {QStringLiteral("woche2/refused.txt"), Header + "Mahlzeit1=1;1001;100,0;\r\nMahlzeit1=1;9999;50,0;\r\n"},
        {QStringLiteral("notes.txt"), "Einkaufsliste\r\nBrot\r\n"},
        {QStringLiteral("atlimit.txt"), atLimit},
        {QStringLiteral("overlimit.txt"), overLimit},
    };
}

// The thirteen values of a row as one text, FormatOneDecimal each.
QString Joined(const std::array<double, NutrientCount> &values)
{
    QStringList texts;
    for (const double value : values)
        texts.append(FormatOneDecimal(value));
    return texts.join(QLatin1Char('|'));
}

QString ClassLetters(const std::array<PercentClass, NutrientCount> &classes)
{
    QString letters;
    for (const PercentClass percentClass : classes)
        letters += QLatin1Char("UNWA"[int(percentClass)]);
    return letters;
}

struct SummaryCase
{
    QStringList files;
    QStringList days;      // labels of the days read, "@" the folder
    QString average;       // amount, then the thirteen averages
    QString percent;
    QString classes;       // U, N, W, A per nutrient
    QString nonNumeric;
    QStringList skipped;   // "name: reason"
    QStringList refused;   // "name line: message"
};

} // namespace

Q_DECLARE_METATYPE(SummaryCase)

class TestDaySummary : public QObject
{
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
};

void TestDaySummary::summary_data()
{
    QTest::addColumn<SummaryCase>("expected");

    const QString oneDay = QStringLiteral("700,0|100,0|24,0|12,0|1,0|20,0|2,6|4,0|120,0|80,0|0,0|0,0|72,0");
    // 700 kcal of 2000 is 35 %: a target that low is orange; 24 g sugar against 15 is 160 %,
    // red; Vit.D has no requirement and stays 0 % and grey.
    const QString oneDayPercent =
        QStringLiteral("35,0|40,0|160,0|20,0|5,0|40,0|43,3|26,7|40,0|8,0|0,0|0,0|3,6");
    QTest::newRow("a day with unknown values") << SummaryCase{
        {QStringLiteral("a.txt")},
        {QStringLiteral("a.txt")},
        QStringLiteral("202,0|") + oneDay,
        oneDayPercent,
        QStringLiteral("WWANNWNWWWUUW"),
        QStringLiteral("0|1|0|0|1|0|0|1|0|0|0|0|0"),
        {},
        {}};
    QTest::newRow("an empty file is a day of zeros") << SummaryCase{
        {QStringLiteral("a.txt"), QStringLiteral("empty.txt")},
        {QStringLiteral("a.txt"), QStringLiteral("empty.txt")},
        QStringLiteral("101,0|350,0|50,0|12,0|6,0|0,5|10,0|1,3|2,0|60,0|40,0|0,0|0,0|36,0"),
        QStringLiteral("17,5|20,0|80,0|10,0|2,5|20,0|21,7|13,3|20,0|4,0|0,0|0,0|1,8"),
        QStringLiteral("WWNNNWNWWWUUW"),
        QStringLiteral("0|1|0|0|1|0|0|1|0|0|0|0|0"),
        {},
        {}};
    QTest::newRow("refused lines are reported, the rest counts") << SummaryCase{
        {QStringLiteral("refused.txt")},
        {QStringLiteral("refused.txt")},
        QStringLiteral("100,0|250,0|50,0|2,0|1,0|0,5|8,0|1,2|2,0|50,0|30,0|0,0|0,0|35,0"),
        QStringLiteral("12,5|20,0|13,3|1,7|2,5|16,0|20,0|13,3|16,7|3,0|0,0|0,0|1,8"),
        QStringLiteral("WWNNNWNWWWUUW"),
        QStringLiteral("0|0|0|0|0|0|0|0|0|0|0|0|0"),
        {},
        {QStringLiteral("refused.txt 3: Lebensmittel-ID 9999 nicht in Liste vorhanden !"),
         QStringLiteral("refused.txt 4: Die Menge ist kein nummerischer Wert!")}};
    QTest::newRow("the same name in two folders: told apart by their paths") << SummaryCase{
        {QStringLiteral("refused.txt"), QStringLiteral("woche2/refused.txt"), QStringLiteral("a.txt")},
        {QStringLiteral("@/refused.txt"), QStringLiteral("@/woche2/refused.txt"), QStringLiteral("a.txt")},
        QStringLiteral("134,0|400,0|66,7|9,3|4,7|0,7|12,0|1,7|2,7|73,3|46,7|0,0|0,0|47,3"),
        QStringLiteral("20,0|26,7|62,2|7,8|3,3|24,0|27,8|17,8|24,4|4,7|0,0|0,0|2,4"),
        QStringLiteral("WWNNNWNWWWUUW"),
        QStringLiteral("0|1|0|0|1|0|0|1|0|0|0|0|0"),
        {},
        {QStringLiteral("@/refused.txt 3: Lebensmittel-ID 9999 nicht in Liste vorhanden !"),
         QStringLiteral("@/refused.txt 4: Die Menge ist kein nummerischer Wert!"),
         QStringLiteral("@/woche2/refused.txt 3: Lebensmittel-ID 9999 nicht in Liste vorhanden !")}};
    QTest::newRow("no meal file and a missing file are left out") << SummaryCase{
        {QStringLiteral("notes.txt"), QStringLiteral("a.txt"), QStringLiteral("missing.txt")},
        {QStringLiteral("a.txt")},
        QStringLiteral("202,0|") + oneDay,
        oneDayPercent,
        QStringLiteral("WWANNWNWWWUUW"),
        QStringLiteral("0|1|0|0|1|0|0|1|0|0|0|0|0"),
        {QStringLiteral("notes.txt: Es ist keine gültige Mahlzeiten-Datei !"),
         QStringLiteral("missing.txt: Datei oder Ordner nicht gefunden")},
        {}};
    const QString zeros = QStringLiteral("0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0|0,0");
    QTest::newRow("a file over 1,048,576 bytes is left out unread") << SummaryCase{
        {QStringLiteral("atlimit.txt"), QStringLiteral("overlimit.txt")},
        {QStringLiteral("atlimit.txt")},
        QStringLiteral("0,0|") + zeros,
        zeros,
        QStringLiteral("UUUUUUUUUUUUU"),
        QStringLiteral("0|0|0|0|0|0|0|0|0|0|0|0|0"),
        {QStringLiteral("overlimit.txt: Die Datei ist größer als 1.048.576 Bytes.")},
        {}};
    QTest::newRow("nothing read") << SummaryCase{
        {QStringLiteral("notes.txt")},
        {},
        QStringLiteral("0,0|") + zeros,
        zeros,
        QStringLiteral("UUUUUUUUUUUUU"),
        QStringLiteral("0|0|0|0|0|0|0|0|0|0|0|0|0"),
        {QStringLiteral("notes.txt: Es ist keine gültige Mahlzeiten-Datei !")},
        {}};
}

void TestDaySummary::summary()
{
    QFETCH(SummaryCase, expected);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("woche2")));
    for (const auto &[name, bytes] : DayFiles())
        QVERIFY(WriteBytes(dir.filePath(name), bytes));
    const auto withFolder = [&dir](QStringList texts) {
        for (QString &text : texts)
            text.replace(QLatin1Char('@'), dir.path());
        return texts;
    };
    QStringList paths;
    for (const QString &name : std::as_const(expected.files))
        paths.append(dir.filePath(name));

    const DaySummary summary = SummariseMealFiles(paths, TestIndex(), TestRequirement());

    QStringList days;
    std::array<int, NutrientCount> dayCounts{};
    for (const SummaryDay &day : summary.days) {
        days.append(day.label);
        QVERIFY(day.path.startsWith(dir.path()));
        for (int k = 0; k < NutrientCount; ++k)
            dayCounts[k] += day.nonNumeric[k];
    }
    QCOMPARE(days, withFolder(expected.days));
    QCOMPARE(dayCounts, summary.nonNumeric);
    QCOMPARE(FormatOneDecimal(summary.average.amount) + QLatin1Char('|') + Joined(summary.average.nutrients),
             expected.average);
    QCOMPARE(Joined(summary.rating.percent), expected.percent);
    QCOMPARE(ClassLetters(summary.rating.classes), expected.classes);
    QStringList counts;
    for (const int count : summary.nonNumeric)
        counts.append(QString::number(count));
    QCOMPARE(counts.join(QLatin1Char('|')), expected.nonNumeric);

    QStringList skipped;
    for (const SummarySkippedFile &file : summary.skipped)
        skipped.append(file.fileName + QStringLiteral(": ") + file.reason);
    QCOMPARE(skipped, expected.skipped);
    QStringList refused;
    for (const SummaryRefusedLine &line : summary.refused)
        refused.append(line.label + QLatin1Char(' ') + QString::number(line.line) + QStringLiteral(": ") +
                       line.message);
    QCOMPARE(refused, withFolder(expected.refused));
}

QTEST_GUILESS_MAIN(TestDaySummary)
#include "tst_daysummary.moc"
