#include "mealfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

// A Swiss food line: 50 fields of "0" but the id, the name and the energy (field 3).
QString SwissFood(const QString &id, const QString &name, const QString &energy)
{
    QStringList fields(50, QStringLiteral("0"));
    fields[0] = id;
    fields[1] = name;
    fields[3] = energy;
    return fields.join(u';');
}

// Apfel (52 kcal per 100 g) and Vollmilch (65) from the Swiss table; Müsli by the piece with
// its energy unknown, and a hand-edited own food whose reference amount is 0.
FoodIndex TestIndex()
{
    const QStringList swiss{
        QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(),
        SwissFood(QStringLiteral("1001"), QStringLiteral("Apfel, roh"), QStringLiteral("52")),
        SwissFood(QStringLiteral("1002"), QStringLiteral("Vollmilch"), QStringLiteral("65"))};
    const QStringList own{QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                          QStringLiteral("30512;Müsli;1;k.A.;1;2;3;4;5;6;7;8;9;10;11;12;"),
                          QStringLiteral("30513;Kaputt;0;5;1;2;3;4;5;6;7;8;9;10;11;12;")};
    return BuildFoodIndex(swiss, own);
}

// One row of the loading table: the food lines after the header, the meal reading starts in,
// and per meal its entries as "dbCode;id;amount;energy"; refusals as "line: message", with
// " [MengEdit]" where the refusal wants the focus in the amount field.
struct LoadCase
{
    QStringList lines;
    int startMeal = 1;
    std::array<QStringList, MealCount> meals;
    QStringList refusals;
    QString unitCaption;
};

QStringList EntryTexts(const QList<MealEntry> &entries)
{
    QStringList texts;
    for (const MealEntry &entry : entries)
        texts.append(QStringList{entry.dbCode, entry.id, entry.amount, entry.values.value(0)}.join(u';'));
    return texts;
}

QStringList RefusalTexts(const QList<MealFileRefusal> &refusals)
{
    QStringList texts;
    for (const MealFileRefusal &refusal : refusals) {
        texts.append(QString::number(refusal.line) + QStringLiteral(": ") + refusal.message +
                     (refusal.focusAmount ? QStringLiteral(" [MengEdit]") : QString()));
    }
    return texts;
}

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

Q_DECLARE_METATYPE(LoadCase)

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
    void loadsLines_data();
    void loadsLines();
    void readsFileAsOneTask_data();
    void readsFileAsOneTask();
    void capsRefusalsShown_data();
    void capsRefusalsShown();
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
    QTest::newRow("another format number") << QStringList{QStringLiteral("VNR=Mz251025"), entry} << false;
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

void TestMealFile::loadsLines_data()
{
    QTest::addColumn<LoadCase>("row");
    const QString apple150 = QStringLiteral("1;1001;150,0;78,0");

    LoadCase plain;
    plain.lines = {QStringLiteral("Mahlzeit1=1;1001;150,0;"), QStringLiteral("Mahlzeit1=1;1002;50;"),
                   QStringLiteral("Mahlzeit3=2;30512;2,0;")};
    plain.meals[0] = QStringList{apple150, QStringLiteral("1;1002;50,0;32,5")};
    plain.meals[2] = QStringList{QStringLiteral("2;30512;2,0;k.A.")};
    plain.unitCaption = QStringLiteral("St");
    QTest::newRow("entries in file order, values afresh from the index") << plain;

    QTest::newRow("header alone") << LoadCase();

    LoadCase meals;
    meals.startMeal = 4;
    meals.lines = {QStringLiteral("Vorspann=1;1001;150;"), QStringLiteral("Mahlzeit2=1;1001;150;"),
                   QStringLiteral("Mahlzeit7=1;0042;1;"), QStringLiteral("Mahlzeit=1;1001;150;")};
    meals.meals[3] = QStringList{apple150};
    meals.meals[1] = QStringList{apple150, apple150};
    meals.refusals = QStringList{QStringLiteral("4: Lebensmittel-ID 42 nicht in Liste vorhanden !")};
    meals.unitCaption = QStringLiteral("g");
    QTest::newRow("start meal until a line names one, then the meal before") << meals;

    LoadCase outside;
    outside.startMeal = 0;
    outside.lines = {QStringLiteral("x=1;1001;150;")};
    outside.meals[0] = QStringList{apple150};
    outside.unitCaption = QStringLiteral("g");
    QTest::newRow("start meal outside 1..6 is meal 1") << outside;

    LoadCase checks;
    checks.lines = {QStringLiteral("Mahlzeit1=1;1001;;"),
                    QStringLiteral("Mahlzeit1=1;1001;abc;"),
                    QStringLiteral("Mahlzeit1=1;1001;0,05;"),
                    QStringLiteral("Mahlzeit1=1;30513;1;"),
                    QStringLiteral("Mahlzeit1=1;;1;"),
                    QStringLiteral("Mahlzeit1=1;1001;12,34;"),
                    QStringLiteral("Mahlzeit1=1;1002;1") + QString(400, u'0') + QLatin1Char(';')};
    checks.meals[0] = QStringList{QStringLiteral("1;1001;12,3;6,4")};
    checks.refusals = QStringList{QStringLiteral("2: Es ist keine Menge angegeben! [MengEdit]"),
                                  QStringLiteral("3: Die Menge ist kein nummerischer Wert! [MengEdit]"),
                                  QStringLiteral("4: Die Menge muss größer 0,1 sein! [MengEdit]"),
                                  QStringLiteral("5: Die Bezugsmenge ist kein nummerischer Wert!"),
                                  QStringLiteral("6: Lebensmittel-ID 0 nicht in Liste vorhanden !"),
                                  QStringLiteral("8: Die Menge ist kein nummerischer Wert! [MengEdit]")};
    checks.unitCaption = QStringLiteral("g");
    QTest::newRow("every line through the checks of a food entered by hand") << checks;

    LoadCase full;
    for (int i = 0; i < MaxEntriesPerMeal + 1; ++i)
        full.lines.append(QStringLiteral("Mahlzeit2=1;1001;150;"));
    full.lines.append(QStringLiteral("Mahlzeit3=1;1001;150;"));
    full.meals[1] = QStringList(MaxEntriesPerMeal, apple150);
    full.meals[2] = QStringList{apple150};
    full.refusals =
        QStringList{QStringLiteral("14: Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!")};
    full.unitCaption = QStringLiteral("g");
    QTest::newRow("thirteenth food of a meal refused, the next meal takes more") << full;

    LoadCase session;
    session.lines = {QStringLiteral("Sitzung=26.10.25 14:30:05;"), QStringLiteral("Mahlzeit5=1;1001;150;"),
                     QStringLiteral("SITZUNG=Mahlzeit2;4711;1;"), QStringLiteral("Sitzungen=1;1001;150;"),
                     QStringLiteral("Mahlzeit5=1;999;1;")};
    session.meals[4] = QStringList{apple150, apple150};
    session.refusals = QStringList{QStringLiteral("6: Lebensmittel-ID 999 nicht in Liste vorhanden !")};
    session.unitCaption = QStringLiteral("g");
    QTest::newRow("Sitzung lines skipped in any case, still counted") << session;
}

void TestMealFile::loadsLines()
{
    QFETCH(LoadCase, row);
    const FoodIndex index = TestIndex();

    const MealFileLoad load =
        LoadMealFileLines(QStringList{QStringLiteral("VNR=Mz251026")} + row.lines, index, row.startMeal);

    for (int meal = 1; meal <= MealCount; ++meal)
        QCOMPARE(EntryTexts(load.plan.meal(meal)), row.meals[meal - 1]);
    QCOMPARE(RefusalTexts(load.refusals), row.refusals);
    QCOMPARE(load.unitCaption, row.unitCaption);
    QCOMPARE(load.plan.activeMeal(), 1);
    QVERIFY(!load.plan.changed());
}

void TestMealFile::readsFileAsOneTask_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<folder>": a folder in the file's place
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("entries");

    const QByteArray header("VNR=Mz251026\r\n");
    const QByteArray apple("Mahlzeit2=1;1001;150;\r\n");
    const auto padded = [&](qint64 size) -> QByteArray {
        const QByteArray bytes = header + apple;
        return bytes + QByteArray(size - bytes.size() - 2, ' ') + "\r\n"; // a blank line, id 0
    };
    const QString tooLarge = QStringLiteral("Die Datei „tag.txt“ ist zu groß für eine Mahlzeiten-Datei.");
    const QString invalid = QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !");

    QTest::newRow("meal file") << QByteArray(header + apple) << int(MealFileReadStatus::Ok) << QString() << 1;
    QTest::newRow("no file") << QByteArray() << int(MealFileReadStatus::Missing) << QString() << 0;
    QTest::newRow("exactly the limit")
        << padded(MaxMealFileBytes) << int(MealFileReadStatus::Ok) << QString() << 1;
    QTest::newRow("a byte over the limit")
        << padded(MaxMealFileBytes + 1) << int(MealFileReadStatus::TooLarge) << tooLarge << 0;
    QTest::newRow("empty file") << QByteArray("") << int(MealFileReadStatus::InvalidHeader) << invalid << 0;
    QTest::newRow("binary") << QByteArray("\x7F"
                                          "ELF\x02\x01\x01\x00\x00\x00",
                                          10)
                            << int(MealFileReadStatus::InvalidHeader) << invalid << 0;
    QTest::newRow("folder") << QByteArray("<folder>") << int(MealFileReadStatus::Unreadable)
                            << QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n") << 0;
}

void TestMealFile::readsFileAsOneTask()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(int, entries);

    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tag.txt"));
    if (bytes == "<folder>") {
        QVERIFY(QDir().mkpath(path));
        message = message.arg(QDir::toNativeSeparators(path));
    } else if (!bytes.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    const MealFileRead read = ReadMealFileAt(path, TestIndex(), 2);

    QCOMPARE(int(read.status), status);
    QVERIFY2(read.message.startsWith(message) && (message.isEmpty() == read.message.isEmpty()),
             qPrintable(read.message));
    QCOMPARE(read.load.plan.entryCount(2), entries);
}

void TestMealFile::capsRefusalsShown_data()
{
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("last"); // the last message shown

    QTest::newRow("none") << 0 << QString();
    QTest::newRow("five, all shown") << 5 << QStringLiteral("Zeile 6");
    QTest::newRow("six: five and one for the rest")
        << 6 << QStringLiteral("Weitere 1 Zeilen wurden nicht übernommen.");
    QTest::newRow("two million") << 2000000
                                 << QStringLiteral("Weitere 1999995 Zeilen wurden nicht übernommen.");
}

void TestMealFile::capsRefusalsShown()
{
    QFETCH(int, refused);
    QFETCH(QString, last);

    QList<MealFileRefusal> refusals;
    for (int line = 2; line < refused + 2; ++line)
        refusals.append({line, QStringLiteral("Zeile %1").arg(line), line == 3});

    const QList<MealFileRefusal> shown = RefusalsToShow(refusals);

    QCOMPARE(shown.size(), refused == 0 ? 0 : refused <= 5 ? refused : 6);
    QCOMPARE(shown.isEmpty() ? QString() : shown.last().message, last);
    // The shown ones are the first, as they were, the focus wish included.
    for (int i = 0; i < shown.size() && i < 5; ++i) {
        QCOMPARE(shown.at(i).line, i + 2);
        QCOMPARE(shown.at(i).focusAmount, i == 1);
    }
    if (refused > 5)
        QVERIFY(!shown.last().focusAmount);
}

QTEST_GUILESS_MAIN(TestMealFile)
#include "tst_mealfile.moc"
