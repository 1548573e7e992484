#include "reference.h"
#include "numbertext.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TitleVariant)

namespace {

const QString DgeMissing = u"DGE*-Referenzwerteliste nicht gefunden!"_s;
const QString BuiltInTitle = u"Tagesbedarf '25 bis unter 51' (w)*"_s;

// A data line whose value in column k is base + k, so every cell tells where it came from.
QString DataLine(int base)
{
    QString line;
    for (int k = 0; k < NutrientCount; ++k)
        line += QString::number(base + k) + u';';
    return line;
}

ReferenceRow RowOf(int base)
{
    ReferenceRow row{};
    for (int k = 0; k < NutrientCount; ++k)
        row[k] = base + k;
    return row;
}

// Two header lines and data lines with bases first, first + 100, ...
QStringList ReferenceFile(int dataLines, int first)
{
    QStringList lines{u"Referenzwerte;;Stand;01.01.25;"_s, u"Energie;KoHydr;"_s};
    for (int i = 0; i < dataLines; ++i)
        lines.append(DataLine(first + 100 * i));
    return lines;
}

bool WriteLines(const QString &path, const QStringList &lines,
                TextEncoding encoding = TextEncoding::Windows1252)
{
    return WriteTextFile(path, lines, encoding).ok;
}

SettingsList Settings(const QStringList &lines)
{
    SettingsList settings;
    settings.lines = lines;
    return settings;
}

QStringList Names()
{
    return QStringList{u"Energie"_s, u"KoHydr"_s, u"Zucker"_s, u"Fett"_s,  u"Fet.gesä"_s,
                       u"Protein"_s, u"Salz"_s,   u"Eisen"_s,  u"Magn."_s, u"Calcium"_s,
                       u"Vit.B12"_s, u"Vit.D"_s,  u"Wasser"_s};
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void parseReferenceLine_data();
    void parseReferenceLine();
    void builtInReference();
    void rowsFromFiles_data();
    void rowsFromFiles();
    void ageGroupFromSettings_data();
    void ageGroupFromSettings();
    void ownValuesFileLines();
    void ownValuesWrittenAndReadBack();
    void ownValuesKeepTheirEncoding();
    void unreadableOwnValuesAreNeverWritten();
    void takeOverRow_data();
    void takeOverRow();
    void hostileFiles_data();
    void hostileFiles();
};

void TestReference::titles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<TitleVariant>("variant");
    QTest::addColumn<QString>("title");
    QTest::newRow("row 0") << 0 << TitleVariant::Start << u"Tagesbedarf '19 bis unter 25' (m) "_s;
    QTest::newRow("row 1") << 1 << TitleVariant::Start << u"Tagesbedarf '19 bis unter 25' (w) "_s;
    QTest::newRow("row 2") << 2 << TitleVariant::Start << u"Tagesbedarf '25 bis unter 51' (m) "_s;
    QTest::newRow("row 3") << 3 << TitleVariant::TakeOver << u"Tagesbedarf '25 bis unter 51' (w) "_s;
    QTest::newRow("row 4") << 4 << TitleVariant::Start << u"Tagesbedarf '51 bis unter 65' (m) "_s;
    QTest::newRow("row 5") << 5 << TitleVariant::Start << u"Tagesbedarf '51 bis unter 65' (w) "_s;
    QTest::newRow("row 6") << 6 << TitleVariant::Start << u"Tagesbedarf '65 und älter' (m) "_s;
    QTest::newRow("row 7") << 7 << TitleVariant::TakeOver << u"Tagesbedarf '65 und älter' (w) "_s;
    QTest::newRow("own m at start, two blanks")
        << 8 << TitleVariant::Start << u"Tagesbedarf eigene Werte  (m) "_s;
    QTest::newRow("own w at start, two blanks")
        << 9 << TitleVariant::Start << u"Tagesbedarf eigene Werte  (w) "_s;
    QTest::newRow("own m after take-over")
        << 8 << TitleVariant::TakeOver << u"Tagesbedarf eigene Werte (m) "_s;
    QTest::newRow("own w after take-over")
        << 9 << TitleVariant::TakeOver << u"Tagesbedarf eigene Werte (w) "_s;
    QTest::newRow("row 10") << 10 << TitleVariant::Start << u" ???"_s;
    QTest::newRow("negative row") << -1 << TitleVariant::Start << u" ???"_s;
    QTest::newRow("int minimum") << INT_MIN << TitleVariant::TakeOver << u" ???"_s;
}

void TestReference::titles()
{
    QFETCH(int, row);
    QFETCH(TitleVariant, variant);
    QFETCH(QString, title);
    QCOMPARE(ReferenceTitle(row, variant), title);
}

void TestReference::parseReferenceLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<double>>("leading"); // the values before the trailing zeros
    QTest::newRow("two fields") << u"1800;62"_s << QList<double>{1800, 62};
    QTest::newRow("final separator changes nothing") << u"1800;62;"_s << QList<double>{1800, 62};
    QTest::newRow("empty line") << QString() << QList<double>();
    QTest::newRow("twenty fields use the first thirteen")
        << u"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20"_s
        << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    // Own values keep their decimals, with a comma or a point.
    QTest::newRow("decimals") << u"2,4;0.8;-1,5;,5;12,;1,2,3"_s << QList<double>{2.4, 0.8, -1.5, 0.5, 12, 1.2};
    QTest::newRow("leading numbers") << u"-5;abc;-;+7;;9x; 3"_s << QList<double>{-5, 0, 0, 7, 0, 9, 0};
    QTest::newRow("only separators") << QString(10000, u';') << QList<double>();
    QTest::newRow("huge number") << u"99999999999999;1"_s << QList<double>{99999999999999.0, 1};
}

void TestReference::parseReferenceLine()
{
    QFETCH(QString, line);
    QFETCH(QList<double>, leading);
    const ReferenceRow row = ParseReferenceLine(line);
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(row[k], leading.value(k, 0));
}

void TestReference::builtInReference()
{
    const ReferenceSet set = BuiltInReference();
    QCOMPARE(set.title, BuiltInTitle);
    // Energie, KoHydr, Zucker, Fett, Fet.gesä, Protein, Salz, Eisen, Magn., Calcium, Vit.B12, Vit.D, Wasser
    QCOMPARE(ReferenceValueTexts(set, GermanNumberLocale()),
             (QStringList{u"1800"_s, u"225"_s, u"21"_s, u"60"_s, u"19"_s, u"62"_s, u"5"_s, u"14"_s, u"300"_s,
                          u"1000"_s, u"4"_s, u"20"_s, u"1410"_s}));

    ReferenceTable table{};
    table[3] = RowOf(10);
    const ReferenceSet row3 = ReferenceSetForRow(table, 3, TitleVariant::TakeOver);
    QCOMPARE(row3.title, u"Tagesbedarf '25 bis unter 51' (w) "_s);
    QCOMPARE(row3.values[0], 10.0);
    QCOMPARE(row3.values[12], 22.0);

    // A row that does not exist puts zeros in force, so every percentage stays unrated.
    const ReferenceSet outside = ReferenceSetForRow(table, 10, TitleVariant::Start);
    QCOMPARE(outside.title, u" ???"_s);
    QCOMPARE(ReferenceValueTexts(outside, GermanNumberLocale()), QStringList(NutrientCount, u"0"_s));
    QCOMPARE(ReferenceSetForRow(table, -7, TitleVariant::Start).title, u" ???"_s);

    ReferenceSet negative;
    negative.values[0] = -5;
    negative.values[1] = 62;
    QCOMPARE(ReferenceValueTexts(negative, GermanNumberLocale()).mid(0, 2), (QStringList{u"-5"_s, u"62"_s}));

    // Decimals are shown like the sums, in the decimal separator of the locale.
    ReferenceSet decimals;
    decimals.values[10] = 2.4;
    decimals.values[11] = 0.1 + 0.2;
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(ReferenceValueTexts(decimals, german).mid(10, 2), (QStringList{u"2,4"_s, u"0,3"_s}));
    QCOMPARE(ReferenceValueTexts(decimals, QLocale::c()).at(10), u"2.4"_s);
}

void TestReference::rowsFromFiles_data()
{
    QTest::addColumn<int>("dgeLines"); // -1: no file, -2: a file of one data line and no header
    QTest::addColumn<int>("ownLines"); // -1: no file
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("rowBases"); // base of rows 0..9, -1 for a row of zeros
    QTest::addColumn<bool>("builtIn");

    const QList<int> zeros(ReferenceRowCount, -1);
    QTest::newRow("eight plus two fill rows 0 to 9")
        << 8 << 2 << QString() << QList<int>{1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 5000, 5100}
        << false;
    QTest::newRow("own file missing leaves rows 8 and 9 at zero")
        << 8 << -1 << QString() << QList<int>{1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, -1, -1}
        << false;
    QTest::newRow("DGE missing: own lines move up")
        << -1 << 2 << DgeMissing << QList<int>{5000, 5100, -1, -1, -1, -1, -1, -1, -1, -1} << false;
    QTest::newRow("fewer DGE lines move the own lines up")
        << 3 << 2 << QString() << QList<int>{1000, 1100, 1200, 5000, 5100, -1, -1, -1, -1, -1} << false;
    QTest::newRow("more DGE lines push the own lines out")
        << 11 << 2 << QString() << QList<int>{1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900}
        << false;
    QTest::newRow("one-line file keeps its line")
        << -2 << -1 << QString() << QList<int>{1000, -1, -1, -1, -1, -1, -1, -1, -1, -1} << false;
    QTest::newRow("both missing: built-in row") << -1 << -1 << DgeMissing << zeros << true;
    QTest::newRow("headers only: built-in row, no message") << 0 << 0 << QString() << zeros << true;
}

void TestReference::rowsFromFiles()
{
    QFETCH(int, dgeLines);
    QFETCH(int, ownLines);
    QFETCH(QString, message);
    QFETCH(QList<int>, rowBases);
    QFETCH(bool, builtIn);

    QTemporaryDir dir;
    const QString dge = dir.filePath(u"NwRefWerteDge.dat"_s);
    if (dgeLines == -2)
        QVERIFY(WriteLines(dge, {DataLine(1000)}));
    else if (dgeLines >= 0)
        QVERIFY(WriteLines(dge, ReferenceFile(dgeLines, 1000)));
    if (ownLines >= 0)
        QVERIFY(WriteLines(dir.filePath(u"NwRefWerteAnw.dat"_s), ReferenceFile(ownLines, 5000)));

    const ReferenceLoad load = LoadReferenceValues(dir.path(), SettingsList());
    QCOMPARE(load.message, message);
    for (int r = 0; r < ReferenceRowCount; ++r) {
        const int base = rowBases.at(r);
        QVERIFY2(load.state.table[r] == (base < 0 ? ReferenceRow{} : RowOf(base)),
                 qPrintable(u"row %1"_s.arg(r)));
    }
    if (builtIn) {
        QCOMPARE(load.state.ageGroup, 0);
        QCOMPARE(load.state.active.title, BuiltInTitle);
        QCOMPARE(load.state.active.values, BuiltInReference().values);
    } else {
        QCOMPARE(load.state.ageGroup, DefaultAgeGroup);
        QCOMPARE(load.state.active.title, ReferenceTitle(DefaultAgeGroup, TitleVariant::Start));
        for (int k = 0; k < NutrientCount; ++k)
            QCOMPARE(load.state.active.values[k], double(load.state.table[DefaultAgeGroup][k]));
    }
}

void TestReference::ageGroupFromSettings_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("ageGroup");
    QTest::addColumn<QString>("title");
    QTest::newRow("no agroup line") << QStringList{u"other=1"_s} << 3
                                    << u"Tagesbedarf '25 bis unter 51' (w) "_s;
    QTest::newRow("no settings at all") << QStringList() << 3 << u"Tagesbedarf '25 bis unter 51' (w) "_s;
    QTest::newRow("name in capitals")
        << QStringList{u"AGROUP=5"_s} << 5 << u"Tagesbedarf '51 bis unter 65' (w) "_s;
    QTest::newRow("own row at start")
        << QStringList{u"agroup=8"_s} << 8 << u"Tagesbedarf eigene Werte  (m) "_s;
    QTest::newRow("empty value") << QStringList{u"agroup="_s} << 0 << u"Tagesbedarf '19 bis unter 25' (m) "_s;
    QTest::newRow("non-numeric value")
        << QStringList{u"agroup=vier"_s} << 0 << u"Tagesbedarf '19 bis unter 25' (m) "_s;
    QTest::newRow("two lines, the first counts")
        << QStringList{u"agroup=6"_s, u"agroup=2"_s} << 6 << u"Tagesbedarf '65 und älter' (m) "_s;
    QTest::newRow("line without '=' is no name")
        << QStringList{u"agroup"_s, u"agroup=1"_s} << 1 << u"Tagesbedarf '19 bis unter 25' (w) "_s;
    QTest::newRow("blank in the name")
        << QStringList{u"agroup =4"_s} << 3 << u"Tagesbedarf '25 bis unter 51' (w) "_s;
    QTest::newRow("row beyond the table") << QStringList{u"agroup=12"_s} << 12 << u" ???"_s;
    QTest::newRow("negative row") << QStringList{u"agroup=-1"_s} << -1 << u" ???"_s;
}

void TestReference::ageGroupFromSettings()
{
    QFETCH(QStringList, settings);
    QFETCH(int, ageGroup);
    QFETCH(QString, title);
    QTemporaryDir dir;
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteDge.dat"_s), ReferenceFile(8, 1000)));
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteAnw.dat"_s), ReferenceFile(2, 5000)));

    const ReferenceLoad load = LoadReferenceValues(dir.path(), Settings(settings));
    QCOMPARE(load.state.ageGroup, ageGroup);
    QCOMPARE(load.state.active.title, title);
    QCOMPARE(load.state.settings.lines, settings);
    const bool inTable = ageGroup >= 0 && ageGroup < ReferenceRowCount;
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(load.state.active.values[k], inTable ? double(load.state.table[ageGroup][k]) : 0.0);
}

void TestReference::ownValuesFileLines()
{
    const QStringList row8{u"2500"_s, u"2,5"_s, u"-"_s, QString(), u"-12"_s};
    const QStringList row9(NutrientCount, u"7"_s);
    const QStringList lines = OwnValuesFileLines(row8, row9, QDate(2030, 1, 1));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), u"Eigene Referenzwerte;;Stand;01.01.30;"_s);
    QCOMPARE(lines.at(1), Names().join(u';') + u';');
    QCOMPARE(lines.at(2), u"2500;2,5;-;0;-12;0;0;0;0;0;0;0;0;"_s);
    QCOMPARE(lines.at(3), u"7;7;7;7;7;7;7;7;7;7;7;7;7;"_s);
    QCOMPARE(OwnValuesFileLines(row8, row9, QDate(2026, 3, 5)).first(),
             u"Eigene Referenzwerte;;Stand;05.03.26;"_s);
}

void TestReference::ownValuesWrittenAndReadBack()
{
    QTemporaryDir dir;
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteDge.dat"_s), ReferenceFile(8, 1000)));
    const QStringList row8{u"2500"_s, u"2,5"_s, u"-"_s};
    const QStringList row9{u"1900"_s, u"-3"_s};
    const WriteResult written = WriteOwnValuesFile(dir.path(), row8, row9, QDate(2025, 12, 9), RequirementState());
    QVERIFY2(written.ok, qPrintable(written.message()));

    const ReferenceLoad load = LoadReferenceValues(dir.path(), Settings({u"agroup=9"_s}));
    ReferenceRow expected8{};
    expected8[0] = 2500;
    expected8[1] = 2.5;
    ReferenceRow expected9{};
    expected9[0] = 1900;
    expected9[1] = -3;
    QVERIFY(load.state.table[8] == expected8);
    QVERIFY(load.state.table[9] == expected9);
    QCOMPARE(load.state.active.title, u"Tagesbedarf eigene Werte  (w) "_s);
    QCOMPARE(ReferenceValueTexts(load.state.active, GermanNumberLocale()).mid(0, 3), (QStringList{u"1900"_s, u"-3"_s, u"0"_s}));
}

void TestReference::ownValuesKeepTheirEncoding()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwRefWerteAnw.dat"_s);
    QVERIFY(WriteLines(path, ReferenceFile(2, 5000), TextEncoding::Utf16BeBom));
    const ReferenceLoad load = LoadReferenceValues(dir.path(), SettingsList());
    QCOMPARE(load.state.ownValuesEncoding, TextEncoding::Utf16BeBom);
    QVERIFY(WriteOwnValuesFile(dir.path(), {}, {}, QDate(2025, 12, 9), load.state).ok);

    const TextFile back = DecodeTextLines(ReadBytes(path));
    QCOMPARE(back.encoding, TextEncoding::Utf16BeBom);
    QCOMPARE(back.lines.at(1), Names().join(u';') + u';');
    QCOMPARE(back.lines.at(2), u"0;"_s.repeated(NutrientCount));

}

void TestReference::unreadableOwnValuesAreNeverWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwRefWerteAnw.dat"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"NwRefWerteAnw.dat"_s));
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteDge.dat"_s), ReferenceFile(8, 1000)));
    const ReferenceLoad load = LoadReferenceValues(dir.path(), SettingsList());
    QCOMPARE(load.message, QString());
    QCOMPARE(load.state.ownValuesProtection.startMessage,
             u"Die Datei „NwRefWerteAnw.dat“ konnte nicht gelesen werden:\nDas ist ein Ordner, keine Datei\n"
             "Sie wird bis zum Programmende nicht überschrieben."_s);
    QVERIFY(load.state.table[8] == ReferenceRow{});

    // Whatever the file holds by the time of the save, it is left as it is.
    QVERIFY(QDir(dir.path()).rmdir(u"NwRefWerteAnw.dat"_s));
    const QByteArray bytes("Eigene Referenzwerte\r\nkaputt\xFF");
    QVERIFY(WriteBytes(path, bytes));
    const WriteResult result =
        WriteOwnValuesFile(dir.path(), {u"2500"_s}, {u"2000"_s}, QDate(2025, 12, 9), load.state);
    QVERIFY(result.refused());
    QCOMPARE(result.message(),
             u"Die Datei „NwRefWerteAnw.dat“ konnte beim Start nicht gelesen werden und wird nicht überschrieben."_s);
    QCOMPARE(ReadBytes(path), bytes);
}

void TestReference::takeOverRow_data()
{
    QTest::addColumn<QString>("settingsFile"); // "file", "folder at start" or "folder now"
    QTest::addColumn<bool>("inForce");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("written");

    QTest::newRow("stored") << u"file"_s << true << QString() << true;
    QTest::newRow("unreadable at start: in force for this run")
        << u"folder at start"_s << true
        << u"Die Datei „NwConfig.dat“ konnte beim Start nicht gelesen werden und wird nicht überschrieben; "
           "die Auswahl gilt nur bis zum Programmende."_s
        << false;
    QTest::newRow("write fails: nothing changes") << u"folder now"_s << false << QString() << false;
}

void TestReference::takeOverRow()
{
    QFETCH(QString, settingsFile);
    QFETCH(bool, inForce);
    QFETCH(QString, notice);
    QFETCH(bool, written);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteDge.dat"_s), ReferenceFile(8, 1000)));
    QVERIFY(WriteLines(dir.filePath(u"NwRefWerteAnw.dat"_s), {u"h1"_s, u"h2"_s, u"2500;2,4"_s, u"2000"_s}));
    if (settingsFile == u"folder at start")
        QVERIFY(QDir(dir.path()).mkdir(u"NwConfig.dat"_s));
    else
        QVERIFY(WriteBytes(path, "farbe=blau\r\nagroup=1\r\n"));
    RequirementState state = LoadReferenceValues(dir.path(), LoadSettings(dir.path())).state;
    const RequirementState before = state;
    // The file the take-over meets: a protected one is kept even when it could be written now.
    if (settingsFile == u"folder at start") {
        QVERIFY(QDir(dir.path()).rmdir(u"NwConfig.dat"_s));
        QVERIFY(WriteBytes(path, "agroup=1\r\n"));
    } else if (settingsFile == u"folder now") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(dir.path()).mkdir(u"NwConfig.dat"_s));
    }
    const QByteArray bytesBefore = ReadBytes(path);

    const TakeOverOutcome outcome = TakeOverRow(state, 8, dir.path());
    QCOMPARE(outcome.inForce, inForce);
    QCOMPARE(outcome.notice, notice);
    QCOMPARE(outcome.failure.isEmpty(), inForce);
    if (inForce) {
        QCOMPARE(state.ageGroup, 8);
        QCOMPARE(state.active.title, u"Tagesbedarf eigene Werte (m) "_s);
        QCOMPARE(state.active.values[1], 2.4);
        QCOMPARE(SettingValue(state.settings, FindSetting(state.settings, u"agroup"_s)), u"8"_s);
    } else {
        QVERIFY(outcome.failure.startsWith(u"Die Datei \""_s));
        QCOMPARE(state.ageGroup, before.ageGroup);
        QCOMPARE(state.active.title, before.active.title);
        QCOMPARE(state.settings.lines, before.settings.lines);
    }
    if (written)
        QCOMPARE(ReadBytes(path), QByteArray("farbe=blau\r\nagroup=8\r\n"));
    else
        QCOMPARE(ReadBytes(path), bytesBefore);
}

void TestReference::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 251));
    QTest::newRow("binary") << binary;
    QTest::newRow("odd-length UTF-16") << QByteArray("\xFE\xFF\0a\0;\0\n\x00");
    QTest::newRow("10,000-character line") << QByteArray("h1\r\nh2\r\n") + QByteArray(10000, '7');
    QTest::newRow("fields full of ';'") << QByteArray("h1\r\nh2\r\n") + QByteArray(10000, ';');
    QTest::newRow("truncated") << QByteArray("h1\r\nh2\r\n1800;2");
}

void TestReference::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    for (const QString &name : {u"NwRefWerteDge.dat"_s, u"NwRefWerteAnw.dat"_s, u"NwConfig.dat"_s})
        QVERIFY(WriteBytes(dir.filePath(name), bytes));
    const SettingsList settings = LoadSettings(dir.path());
    const ReferenceLoad load = LoadReferenceValues(dir.path(), settings);
    QCOMPARE(load.message, QString());
    QCOMPARE(ReferenceValueTexts(load.state.active, GermanNumberLocale()).size(), NutrientCount);
    const int row = load.state.ageGroup;
    if (load.state.active.title == BuiltInTitle)
        QCOMPARE(load.state.active.values, BuiltInReference().values);
    else if (row >= 0 && row < ReferenceRowCount)
        QCOMPARE(load.state.active.values[0], double(load.state.table[row][0]));
    else
        QCOMPARE(load.state.active.title, u" ???"_s);

    SettingsList writable = settings;
    QVERIFY(StoreAgeGroup(writable, 4, dir.path()).ok);
    QCOMPARE(SettingValue(writable, FindSetting(writable, u"agroup"_s)), u"4"_s);
}

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
