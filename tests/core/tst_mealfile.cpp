#include "mealfile.h"

#include <QTest>

namespace {

MealEntry Entry(const QString &dbCode, const QString &id, const QString &amount)
{
    MealEntry entry;
    entry.name = QStringLiteral(" Essen ") + id;
    entry.dbCode = dbCode;
    entry.id = id;
    entry.amount = amount;
    entry.values = QStringList(NutrientCount, QStringLiteral("1,0"));
    return entry;
}

} // namespace

class TestMealFile : public QObject
{
    Q_OBJECT

private slots:
    void writesOneLinePerEntry();
    void nameTest_data();
    void nameTest();
    void headerTest_data();
    void headerTest();
    void parsesLines_data();
    void parsesLines();
    void normalisesIds_data();
    void normalisesIds();
};

void TestMealFile::writesOneLinePerEntry()
{
    MealPlan plan;
    QCOMPARE(MealFileLines(plan), QStringList{QStringLiteral("VNR=Mz251026")});

    plan.append(3, Entry(QStringLiteral("2"), QStringLiteral("30512"), QStringLiteral("2,0")));
    plan.append(1, Entry(QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("150,0")));
    plan.append(1, Entry(QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("12,3")));

    const QStringList lines = MealFileLines(plan);
    const QStringList expected{QStringLiteral("VNR=Mz251026"), QStringLiteral("Mahlzeit1=1;1234;150,0;"),
                               QStringLiteral("Mahlzeit1=1;42;12,3;"),
                               QStringLiteral("Mahlzeit3=2;30512;2,0;")};
    QCOMPARE(lines, expected);
    QVERIFY(IsValidMealFileHeader(lines));

    // Reading the lines back gives each entry's meal, id and amount.
    const MealFileLine last = ParseMealFileLine(lines.at(3));
    QCOMPARE(last.meal, 3);
    QCOMPARE(last.id, QStringLiteral("30512"));
    QCOMPARE(last.amount, QStringLiteral("2,0"));
}

void TestMealFile::nameTest_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("passes");

    QTest::newRow("plain .txt") << "/home/anna/essen.txt" << true;
    QTest::newRow("capital TXT") << "/home/anna/essen.TXT" << false;
    QTest::newRow("no dot") << "essentxt" << true;
    QTest::newRow("just txt") << "txt" << true;
    QTest::newRow("other ending") << "essen.txt.bak" << false;
    QTest::newRow("empty") << "" << false;
}

void TestMealFile::nameTest()
{
    QFETCH(QString, path);
    QFETCH(bool, passes);
    QCOMPARE(PassesMealFileNameTest(path), passes);
}

void TestMealFile::headerTest_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("valid");

    const QString entry = QStringLiteral("Mahlzeit1=1;42;100,0;");
    QTest::newRow("current header") << QStringList{QStringLiteral("VNR=Mz251026"), entry} << true;
    QTest::newRow("header alone") << QStringList{QStringLiteral("VNR=Mz251026")} << true;
    QTest::newRow("older version") << QStringList{QStringLiteral("VNR=Mz251025"), entry} << false;
    QTest::newRow("empty file") << QStringList{} << false;
    QTest::newRow("no VNR line") << QStringList{QStringLiteral("NR=Mz251026"), entry} << false;
    QTest::newRow("lower-case vnr") << QStringList{QStringLiteral("vnr=Mz251026"), entry} << true;
    QTest::newRow("VNR on a later line")
        << QStringList{QStringLiteral("X=Mz251026"), QStringLiteral("Vnr=1")} << true;
    QTest::newRow("trailing blank in value") << QStringList{QStringLiteral("VNR=Mz251026 ")} << false;
    QTest::newRow("no equals sign") << QStringList{QStringLiteral("VNR"), QStringLiteral("VNR")} << false;
    QTest::newRow("value case differs") << QStringList{QStringLiteral("VNR=mz251026")} << false;
}

void TestMealFile::headerTest()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, valid);
    QCOMPARE(IsValidMealFileHeader(lines), valid);
}

void TestMealFile::parsesLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("meal");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("amount");

    QTest::newRow("ordinary") << "Mahlzeit2=1;1234;150,0;" << 2 << "1234"
                              << "150,0";
    QTest::newRow("leading zeros") << "Mahlzeit6=1;0042;12,5;" << 6 << "42"
                                   << "12,5";
    QTest::newRow("database code ignored") << "Mahlzeit1=x;7;1,0;" << 1 << "7"
                                           << "1,0";
    QTest::newRow("meal 7 keeps the previous meal") << "Mahlzeit7=1;5;1,0;" << 0 << "5"
                                                    << "1,0";
    QTest::newRow("meal 0") << "Mahlzeit0=1;5;1,0;" << 0 << "5"
                            << "1,0";
    QTest::newRow("name of eight characters") << "Mahlzeit=1;5;1,0;" << 0 << "5"
                                              << "1,0";
    QTest::newRow("short name") << "M3=1;5;1,0;" << 0 << "5"
                                << "1,0";
    QTest::newRow("any name, ninth character counts") << "Abendessen4=1;5;1,0;" << 0 << "5"
                                                      << "1,0";
    QTest::newRow("ninth character is a digit") << "XXXXXXXX4=1;5;1,0;" << 4 << "5"
                                                << "1,0";
    QTest::newRow("missing amount") << "Mahlzeit3=1;8" << 3 << "8"
                                    << "";
    QTest::newRow("missing id") << "Mahlzeit3=1" << 3 << "0"
                                << "";
    QTest::newRow("no equals sign") << "Mahlzeit3;1;9;1,0;" << 0 << "0"
                                    << "";
    QTest::newRow("equals sign in the value") << "Mahlzeit5=1;9;2=3;" << 5 << "9"
                                              << "2=3";
}

void TestMealFile::parsesLines()
{
    QFETCH(QString, line);
    QFETCH(int, meal);
    QFETCH(QString, id);
    QFETCH(QString, amount);

    const MealFileLine parsed = ParseMealFileLine(line);
    QCOMPARE(parsed.meal, meal);
    QCOMPARE(parsed.id, id);
    QCOMPARE(parsed.amount, amount);
}

void TestMealFile::normalisesIds_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("id");

    QTest::newRow("leading zeros") << "0042"
                                   << "42";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("only zeros") << "000"
                                << "0";
    QTest::newRow("blanks, sign, trailing text") << "  -7x"
                                                 << "-7";
    QTest::newRow("tab and plus") << "\t+15"
                                  << "15";
    QTest::newRow("minus zero") << "-00"
                                << "0";
    QTest::newRow("letters first") << "abc12"
                                   << "0";
    QTest::newRow("digits stop at a letter") << "12a3"
                                             << "12";
    QTest::newRow("blank inside") << "1 2"
                                  << "1";
    QTest::newRow("non-ASCII digits are not digits") << QStringLiteral("\u0664\u0662") << "0";
    const QString huge = QLatin1Char('7') + QString(9999, QLatin1Char('0'));
    QTest::newRow("10,000 digits kept") << huge << huge;
    QTest::newRow("10,000 zeros, then 5") << QString(10000, QLatin1Char('0')) + QLatin1Char('5') << "5";
}

void TestMealFile::normalisesIds()
{
    QFETCH(QString, field);
    QFETCH(QString, id);
    QCOMPARE(NormaliseMealId(field), id);
}

QTEST_GUILESS_MAIN(TestMealFile)
#include "tst_mealfile.moc"
