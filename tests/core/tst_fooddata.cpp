#include "fooddata.h"
#include "nutrients.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FoodFileOutcome)

namespace {

const QString SwissMissing = u"Schweizer Nährwertdatenbank nicht gefunden!"_s;
const QString SwissWrong = u"Die Datei enthält nicht die Schweizer Nährwertdatenbank"_s;
const QString OwnWrong = u"Die Datei enthält nicht die eigene Nährwertdatenbank"_s;
const QString OwnColumns =
    u"ID;Lebensmittel;Energie;KoHydr;Zucker;Fett;Fet.gesä;Protein;Salz;Eisen;Magn.;Calcium;Vit.B12;Vit.D;Wasser;"_s;

AdditionalFoodRow Row(const QString &id, const QString &name, const QString &reference,
                      const QStringList &values)
{
    return AdditionalFoodRow{id, name, reference, values};
}

} // namespace

class TestFoodData : public QObject
{
    Q_OBJECT

private slots:
    void swissHeader_data();
    void swissHeader();
    void swissFileWithoutFile();
    void additionalHeader_data();
    void additionalHeader();
    void splitFoodLine_data();
    void splitFoodLine();
    void splitFoodLineCostsOnePass();
    void additionalFileLines();
    void additionalFileRoundTrip();
    void separatorsInFieldsKeepTheRowShape();
    void rowsFromShortAndLongLines();
    void dataFilePath();
};

void TestFoodData::swissHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FoodFileOutcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("Windows-1252 header with year")
        << QByteArray("Schweizer N\xE4hrwertdatenbank 2024\r\nh1\r\nh2\r\n") << FoodFileOutcome::Loaded
        << QString() << 3;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBFSchweizer N\xC3\xA4hrwert\r\n")
                                     << FoodFileOutcome::Loaded << QString() << 1;
    QTest::newRow("UTF-8 without mark") << QByteArray("Schweizer N\xC3\xA4hrwertdatenbank\r\n")
                                        << FoodFileOutcome::Loaded << QString() << 1;
    QTest::newRow("lower-case s") << QByteArray("schweizer N\xE4hrwert\r\n") << FoodFileOutcome::WrongFile
                                  << SwissWrong << 0;
    QTest::newRow("ae for the umlaut")
        << QByteArray("Schweizer Naehrwertdatenbank\r\n") << FoodFileOutcome::WrongFile << SwissWrong << 0;
    QTest::newRow("header cut short")
        << QByteArray("Schweizer N\xE4hr") << FoodFileOutcome::WrongFile << SwissWrong << 0;
    QTest::newRow("empty file") << QByteArray() << FoodFileOutcome::Loaded << QString() << 0;
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF\xFE\x00", 5) << FoodFileOutcome::WrongFile
                            << SwissWrong << 0;
}

void TestFoodData::swissHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FoodFileOutcome, outcome);
    QFETCH(QString, message);
    QFETCH(int, lineCount);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwChDb.dat"_s), bytes));
    const SwissFoodLoad load = LoadSwissDatabase(dir.path());
    QCOMPARE(load.outcome, outcome);
    QCOMPARE(load.message, message);
    QCOMPARE(load.lines.size(), lineCount);
}

void TestFoodData::swissFileWithoutFile()
{
    QTemporaryDir dir;
    SwissFoodLoad load = LoadSwissDatabase(dir.path());
    QCOMPARE(load.outcome, FoodFileOutcome::NotFound);
    QCOMPARE(load.message, SwissMissing);
    QVERIFY(load.lines.isEmpty());

    // A folder of that name cannot be read and counts as missing.
    QVERIFY(QDir(dir.path()).mkdir(u"NwChDb.dat"_s));
    load = LoadSwissDatabase(dir.path());
    QCOMPARE(load.outcome, FoodFileOutcome::NotFound);
    QCOMPARE(load.message, SwissMissing);
}

void TestFoodData::additionalHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FoodFileOutcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("title without date") << QByteArray("Zus\xE4tzliche Lebensmittel\r\n")
                                        << FoodFileOutcome::Loaded << QString() << TextEncoding::Windows1252;
    QTest::newRow("ae for the umlaut") << QByteArray("Zusaetzliche Lebensmittel;;Stand;01.01.25;\r\n")
                                       << FoodFileOutcome::WrongFile << OwnWrong << TextEncoding::Windows1252;
    QTest::newRow("UTF-16 LE remembered")
        << QByteArray("\xFF\xFEZ\0u\0s\0\xE4\0t\0z\0l\0i\0c\0h\0e\0 \0L\0e\0b\0e\0n\0s\0m\0i\0t\0t\0e\0l\0",
                      50)
        << FoodFileOutcome::Loaded << QString() << TextEncoding::Utf16LeBom;
    // As most editors on Linux save it.
    QTest::newRow("UTF-8 without mark")
        << QByteArray("Zus\xC3\xA4tzliche Lebensmittel;;Stand;09.12.25;\r\n") << FoodFileOutcome::Loaded
        << QString() << TextEncoding::Utf8;
    QTest::newRow("wrong file: its encoding is still told")
        << QByteArray("\xEF\xBB\xBFVNR=Mz251026\r\n") << FoodFileOutcome::WrongFile << OwnWrong
        << TextEncoding::Utf8Bom;
}

void TestFoodData::additionalHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FoodFileOutcome, outcome);
    QFETCH(QString, message);
    QFETCH(TextEncoding, encoding);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwAnDb.dat"_s), bytes));
    const FoodFileLoad load = LoadAdditionalFoods(dir.path());
    QCOMPARE(load.outcome, outcome);
    QCOMPARE(load.message, message);
    QCOMPARE(load.encoding, encoding);
    QCOMPARE(load.lines.isEmpty(), outcome != FoodFileOutcome::Loaded);

    // Without the file there is nothing to say.
    QTemporaryDir empty;
    const FoodFileLoad missing = LoadAdditionalFoods(empty.path());
    QCOMPARE(missing.outcome, FoodFileOutcome::NotFound);
    QVERIFY(missing.message.isEmpty());
    QCOMPARE(missing.encoding, TextEncoding::Windows1252);
}

void TestFoodData::splitFoodLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("leading"); // the fields before the trailing empty ones

    QTest::newRow("two fields, no final separator") << u"a;b"_s << 50 << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty field inside") << u"a;;c;"_s << 50 << QStringList{u"a"_s, QString(), u"c"_s};
    QTest::newRow("empty line") << QString() << 50 << QStringList();
    QTest::newRow("lone separator") << u";"_s << 50 << QStringList();
    QTest::newRow("id and name only") << u"123;Apfel roh"_s << 50 << QStringList{u"123"_s, u"Apfel roh"_s};
    QTest::newRow("text beyond the limit ignored") << u"a;b;c;d"_s << 2 << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blanks are kept") << u" a ; b "_s << 50 << QStringList{u" a "_s, u" b "_s};
    QTest::newRow("no quoting") << u"\"a;b\";c"_s << 50 << QStringList{u"\"a"_s, u"b\""_s, u"c"_s};
    QTest::newRow("zero limit") << u"a;b"_s << 0 << QStringList();
}

void TestFoodData::splitFoodLine()
{
    QFETCH(QString, line);
    QFETCH(int, limit);
    QFETCH(QStringList, leading);
    const QStringList fields = SplitFoodLine(line, limit);
    QCOMPARE(fields.size(), qMax(limit, 0));
    QCOMPARE(fields.mid(0, leading.size()), leading);
    for (qsizetype i = leading.size(); i < fields.size(); ++i)
        QVERIFY2(fields.at(i).isEmpty(), qPrintable(u"field %1"_s.arg(i)));
}

void TestFoodData::splitFoodLineCostsOnePass()
{
    // Field 50 and beyond never matter, however much follows.
    QStringList parts;
    for (int i = 0; i < 60; ++i)
        parts.append(u"f%1"_s.arg(i));
    const QStringList fields = SplitFoodLine(parts.join(u';'), 50);
    QCOMPARE(fields.size(), 50);
    QCOMPARE(fields.last(), u"f49"_s);

    const QStringList separators = SplitFoodLine(QString(100000, u';'), 50);
    QCOMPARE(separators, QStringList(50, QString()));
    const QStringList longField = SplitFoodLine(QString(10000, u'x'), 3);
    QCOMPARE(longField.first().size(), 10000);
}

void TestFoodData::additionalFileLines()
{
    const QList<AdditionalFoodRow> rows{
        Row(u"30512"_s, u"Haferbrei"_s, u"100"_s,
            {u"68"_s, u"12"_s, u"0,5"_s, u"1,4"_s, u"0,3"_s, u"2,4"_s, u"0,1"_s, u"k.A."_s, u"k.A."_s,
             u"20"_s, u"0"_s, u"0"_s, u"84"_s}),
        Row(u"30001"_s, u"Ei"_s, u"1"_s, QStringList(NutrientCount, u"k.A."_s)),
    };
    const QStringList lines = AdditionalFoodFileLines(rows, QDate(2026, 3, 5));
    QCOMPARE(lines, (QStringList{
                        u"Zusätzliche Lebensmittel;;Stand;05.03.26;"_s, OwnColumns,
                        u"30512;Haferbrei;100;68;12;0,5;1,4;0,3;2,4;0,1;k.A.;k.A.;20;0;0;84;"_s,
                        u"30001;Ei;1;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;"_s}));

    const QStringList empty = AdditionalFoodFileLines({}, QDate(2025, 12, 9));
    QCOMPARE(empty, (QStringList{u"Zusätzliche Lebensmittel;;Stand;09.12.25;"_s, OwnColumns}));
}

void TestFoodData::additionalFileRoundTrip()
{
    const QList<AdditionalFoodRow> rows{
        Row(u"30700"_s, u"Müsli „Früh“"_s, u"100"_s,
            {u"370"_s, u"60"_s, u"k.A."_s, u"7"_s, u"1.2"_s, u"10"_s, u"0"_s, u"4"_s, u"k.A."_s, u"50"_s,
             u"0"_s, u"0"_s, u"9"_s}),
        Row(u"30512"_s, u"Haferbrei"_s, u"1"_s, QStringList(NutrientCount, u"k.A."_s)),
    };
    QTemporaryDir dir;
    const QString path = DataFilePath(dir.path(), u"NwAnDb.dat"_s);
    QVERIFY(
        WriteTextFile(path, AdditionalFoodFileLines(rows, QDate(2025, 12, 9)), TextEncoding::Windows1252).ok);
    QVERIFY(ReadBytes(path).startsWith("Zus\xE4tzliche Lebensmittel;;Stand;09.12.25;\r\nID;"));

    const FoodFileLoad load = LoadAdditionalFoods(dir.path());
    QCOMPARE(load.outcome, FoodFileOutcome::Loaded);
    const QList<AdditionalFoodRow> back = AdditionalFoodRows(load.lines);
    QCOMPARE(back.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(back.at(i).id, rows.at(i).id);
        QCOMPARE(back.at(i).name, rows.at(i).name);
        QCOMPARE(back.at(i).referenceAmount, rows.at(i).referenceAmount);
        QCOMPARE(back.at(i).values, rows.at(i).values);
    }
}

void TestFoodData::separatorsInFieldsKeepTheRowShape()
{
    // Without quoting, a ';' or a line break in a name would move every later value.
    QStringList values(NutrientCount, u"1"_s);
    values[0] = u"5;6"_s;
    const QStringList lines = AdditionalFoodFileLines(
        {Row(u"30001"_s, u"Brot; dunkel\r\nneu"_s, u"100"_s, values)}, QDate(2025, 1, 1));
    QCOMPARE(lines.size(), 3);
    const QList<AdditionalFoodRow> back = AdditionalFoodRows(SplitTextLines(lines.join(u"\r\n"_s)));
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.first().name, u"Brot, dunkel  neu"_s);
    QCOMPARE(back.first().referenceAmount, u"100"_s);
    QCOMPARE(back.first().values.first(), u"5,6"_s);
    QCOMPARE(back.first().values.last(), u"1"_s);
}

void TestFoodData::rowsFromShortAndLongLines()
{
    const QStringList lines{u"Zusätzliche Lebensmittel"_s, OwnColumns, u"30001;Kurz"_s, QString(),
                            u"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22"_s};
    const QList<AdditionalFoodRow> rows = AdditionalFoodRows(lines);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).id, u"30001"_s);
    QCOMPARE(rows.at(0).name, u"Kurz"_s);
    QCOMPARE(rows.at(0).values, QStringList(NutrientCount, QString()));
    QCOMPARE(rows.at(1).id, QString());
    QCOMPARE(rows.at(2).referenceAmount, u"3"_s);
    QCOMPARE(rows.at(2).values.size(), NutrientCount);
    QCOMPARE(rows.at(2).values.last(), u"16"_s);

    QVERIFY(AdditionalFoodRows({u"only a header"_s}).isEmpty());
}

void TestFoodData::dataFilePath()
{
    QCOMPARE(DataFilePath(u"/opt/kb"_s, u"NwChDb.dat"_s), u"/opt/kb/NwChDb.dat"_s);
    QCOMPARE(DataFilePath(u"/opt/kb/"_s, u"NwChDb.dat"_s), u"/opt/kb/NwChDb.dat"_s);
}

QTEST_GUILESS_MAIN(TestFoodData)
#include "tst_fooddata.moc"
