#include "sessionfile.h"

#include "datafiles.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Header = QStringLiteral("VNR=Mz251026");

QString SwissFood(const QString &id, const QString &name)
{
    QStringList fields(50, QStringLiteral("0"));
    fields[0] = id;
    fields[1] = name;
    fields[3] = QStringLiteral("52");
    return fields.join(u';');
}

FoodIndex TestIndex()
{
    return BuildFoodIndex({QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(),
                           SwissFood(QStringLiteral("1001"), QStringLiteral("Apfel, roh")),
                           SwissFood(QStringLiteral("1002"), QStringLiteral("Vollmilch"))},
                          {});
}

MealEntry Entry(const QString &id, const QString &amount)
{
    MealEntry entry;
    entry.name = QStringLiteral(" Essen ") + id;
    entry.dbCode = QStringLiteral("1");
    entry.id = id;
    entry.amount = amount;
    entry.values = QStringList(NutrientCount, QStringLiteral("1,0"));
    return entry;
}

} // namespace

class TestSessionFile : public QObject
{
    Q_OBJECT

private slots:
    void writesMealLinesAndSessionLine();
    void keepsAnyPathAndLabel_data();
    void keepsAnyPathAndLabel();
    void parses_data();
    void parses();
    void filesOnDisk();
    void restoresThroughTheLoader();
};

void TestSessionFile::writesMealLinesAndSessionLine()
{
    MealPlan plan;
    plan.append(1, Entry(QStringLiteral("1001"), QStringLiteral("150,0")));
    plan.append(4, Entry(QStringLiteral("1002"), QStringLiteral("0,5")));
    plan.setLoadedMealFilePath(QStringLiteral("/home/anna/Montag.txt"));
    plan.setMealFilePath(QStringLiteral("/home/anna/Dienstag.txt")); // read Montag, saved as Dienstag

    QCOMPARE(SessionFileLines(plan, QStringLiteral("Datei Dienstag.txt")),
             (QStringList{Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                          QStringLiteral("Mahlzeit4=1;1002;0,5;"),
                          QStringLiteral("Sitzung=2;/home/anna/Montag.txt;Datei Dienstag.txt;/home/anna/Dienstag.txt;")}));
    QCOMPARE(SessionFileLines(MealPlan(), QString()), (QStringList{Header, QStringLiteral("Sitzung=2;;;;")}));
}

void TestSessionFile::keepsAnyPathAndLabel_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("sessionLine");

    QTest::newRow("ordinary") << "/home/anna/tag.txt"
                              << "Datei tag.txt"
                              << "Sitzung=2;/home/anna/tag.txt;Datei tag.txt;/home/anna/tag.txt;";
    QTest::newRow("none") << ""
                          << ""
                          << "Sitzung=2;;;;";
    QTest::newRow("semicolons and percent signs")
        << "/home/a;b/50%;x.txt"
        << "Datei 50%;x.txt"
        << "Sitzung=2;/home/a%3Bb/50%25%3Bx.txt;Datei 50%25%3Bx.txt;/home/a%3Bb/50%25%3Bx.txt;";
    QTest::newRow("escapes written by hand stay text")
        << "/tmp/%3B%41.txt"
        << "Datei %3B%41.txt"
        << "Sitzung=2;/tmp/%253B%2541.txt;Datei %253B%2541.txt;/tmp/%253B%2541.txt;";
    QTest::newRow("line breaks in a name") << "/tmp/a\r\nb.txt"
                                           << "Datei a\nb.txt"
                                           << "Sitzung=2;/tmp/a%0D%0Ab.txt;Datei a%0Ab.txt;/tmp/a%0D%0Ab.txt;";
    QTest::newRow("beyond any code page")
        << QStringLiteral("/home/анна/Łosoś 🍎.txt") << QStringLiteral("Datei Łosoś 🍎.txt")
        << QStringLiteral("Sitzung=2;/home/анна/Łosoś 🍎.txt;Datei Łosoś 🍎.txt;/home/анна/Łosoś 🍎.txt;");
}

void TestSessionFile::keepsAnyPathAndLabel()
{
    QFETCH(QString, path);
    QFETCH(QString, label);
    QFETCH(QString, sessionLine);

    MealPlan plan;
    plan.append(2, Entry(QStringLiteral("1001"), QStringLiteral("1,0")));
    plan.setLoadedMealFilePath(path);
    plan.setMealFilePath(path);
    const QStringList lines = SessionFileLines(plan, label);
    QCOMPARE(lines.last(), sessionLine);

    // Through the file, as the next start reads it.
    const QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QVERIFY(WriteSessionFile(folder, plan, label).ok);
    const SessionFile read = ReadSessionFile(folder);
    QCOMPARE(int(read.status), int(SessionFileStatus::Ok));
    QCOMPARE(read.loadedMealFilePath, path);
    QCOMPARE(read.fileLabel, label);
    QCOMPARE(read.mealFilePath, path);
    QCOMPARE(read.mealLines, lines.mid(0, lines.size() - 1));
}

void TestSessionFile::parses_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("entries");

    const QString meal = QStringLiteral("Mahlzeit1=1;1001;150,0;");
    const QString session = QStringLiteral("Sitzung=2;/tmp/tag.txt;Datei tag.txt;/tmp/tag.txt;");
    const int ok = int(SessionFileStatus::Ok);
    const int none = int(SessionFileStatus::None);
    const int damaged = int(SessionFileStatus::Damaged);

    QTest::newRow("two entries") << QStringList{Header, meal, QStringLiteral("Mahlzeit6=2;30512;2,0;"),
                                                session}
                                 << ok << 2;
    QTest::newRow("no entry: nothing to offer") << QStringList{Header, session} << none << 0;
    QTest::newRow("name of the line in any case")
        << QStringList{Header, meal, QStringLiteral("SITZUNG=2;;;;")} << ok << 1;
    QTest::newRow("version 1, left by an earlier run")
        << QStringList{Header, meal, QStringLiteral("Sitzung=1;/tmp/tag.txt;Datei tag.txt;")} << ok << 1;
    QTest::newRow("empty") << QStringList() << damaged << 0;
    QTest::newRow("header alone") << QStringList{Header} << damaged << 0;
    QTest::newRow("cut off before the session line") << QStringList{Header, meal} << damaged << 0;
    QTest::newRow("other version of the file")
        << QStringList{QStringLiteral("VNR=Mz251025"), meal, session} << damaged << 0;
    QTest::newRow("session line not last") << QStringList{Header, session, meal} << damaged << 0;
    QTest::newRow("session version 3")
        << QStringList{Header, meal, QStringLiteral("Sitzung=3;;;;")} << damaged << 0;
    QTest::newRow("version 2 without the meal file")
        << QStringList{Header, meal, QStringLiteral("Sitzung=2;;;")} << damaged << 0;
    QTest::newRow("session line without its end")
        << QStringList{Header, meal, QStringLiteral("Sitzung=2;/tmp/tag.txt;Datei")} << damaged << 0;
    QTest::newRow("session line with a field too many")
        << QStringList{Header, meal, QStringLiteral("Sitzung=2;a;b;c;d;")} << damaged << 0;
    QTest::newRow("a line that names no meal")
        << QStringList{Header, meal, QStringLiteral("Abendessen=1;1001;1;"), session} << damaged << 0;
    QTest::newRow("meal 7") << QStringList{Header, QStringLiteral("Mahlzeit7=1;1001;1;"), session} << damaged
                            << 0;
    QTest::newRow("blank line") << QStringList{Header, meal, QString(), session} << damaged << 0;
    QTest::newRow("binary") << QStringList{QString::fromLatin1("\x7F"
                                                               "ELF\x02\x01\x01",
                                                               7)}
                            << damaged << 0;
}

void TestSessionFile::parses()
{
    QFETCH(QStringList, lines);
    QFETCH(int, entries);

    const SessionFile session = ParseSessionFileLines(lines);

    QTEST(int(session.status), "status");
    QCOMPARE(session.entryCount, entries);
    if (session.status == SessionFileStatus::Damaged)
        QVERIFY(session.mealLines.isEmpty());
}

void TestSessionFile::filesOnDisk()
{
    const QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString path = folder + SessionFileName;
    QCOMPARE(SessionFilePath(folder), path);

    QCOMPARE(int(ReadSessionFile(folder).status), int(SessionFileStatus::None));
    QVERIFY(RemoveSessionFile(folder)); // nothing there, nothing left

    MealPlan plan;
    plan.append(3, Entry(QStringLiteral("1002"), QStringLiteral("200,0")));
    QVERIFY(WriteSessionFile(folder, plan, QString()).ok);
    // The mark keeps any path; the lines are a meal file's.
    QCOMPARE(ReadBytes(path),
             QByteArray("\xEF\xBB\xBFVNR=Mz251026\r\nMahlzeit3=1;1002;200,0;\r\nSitzung=2;;;;\r\n"));
    QCOMPARE(ReadSessionFile(folder).entryCount, 1);
    QVERIFY(RemoveSessionFile(folder));
    QVERIFY(!QFileInfo::exists(path));

    // Larger than any meal file: damaged, not read.
    QVERIFY(WriteBytes(path, QByteArray("VNR=Mz251026\r\n") + QByteArray(MaxMealFileBytes, ' ')));
    QCOMPARE(int(ReadSessionFile(folder).status), int(SessionFileStatus::Damaged));
    QVERIFY(RemoveSessionFile(folder));

    // A folder in its place is no file to read or to remove.
    QVERIFY(QDir().mkpath(path));
    QCOMPARE(int(ReadSessionFile(folder).status), int(SessionFileStatus::NotAFile));
}

void TestSessionFile::restoresThroughTheLoader()
{
    SessionFile session = ParseSessionFileLines(
        {Header, QStringLiteral("Mahlzeit3=1;1001;150;"), QStringLiteral("Mahlzeit3=1;4711;1,0;"),
         QStringLiteral("Mahlzeit5=1;0042;1,0;"), QStringLiteral("Mahlzeit5=1;1002;abc;"),
         QStringLiteral("Mahlzeit6=1;1002;0,5;"), QStringLiteral("Sitzung=2;/tmp/tag.txt;Datei neu.txt;/tmp/neu.txt;")});
    QCOMPARE(int(session.status), int(SessionFileStatus::Ok));

    const MealFileLoad load = RestoreSession(session, TestIndex());

    QCOMPARE(load.plan.entryCount(3), 1);
    QCOMPARE(load.plan.meal(3).first().amount, QStringLiteral("150,0"));
    QCOMPARE(load.plan.entryCount(5), 0);
    QCOMPARE(load.plan.entryCount(6), 1);
    QCOMPARE(load.refusals.size(), 3); // unknown ids and the amount check, as for a meal file
    QCOMPARE(load.refusals.at(2).message, QStringLiteral("Die Menge ist kein nummerischer Wert!"));
    QCOMPARE(load.plan.loadedMealFilePath(), QStringLiteral("/tmp/tag.txt"));
    QCOMPARE(load.plan.mealFilePath(), QStringLiteral("/tmp/neu.txt"));
    QCOMPARE(load.plan.chosenMealFileName(), QString());
    QVERIFY(load.plan.changed()); // nothing of it is saved
    QCOMPARE(load.plan.activeMeal(), 1);
}

QTEST_GUILESS_MAIN(TestSessionFile)
#include "tst_sessionfile.moc"
