#include "foodsearchtexts.h"
#include "foodstore.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

QString FixtureDir()
{
    return QStringLiteral(KB_TEST_DIR "/fixtures/food");
}

QList<AdditionalFoodRow> OneRow()
{
    return {AdditionalFoodRow{u"30900"_s, u"Grießbrei"_s, u"100"_s, QStringList(NutrientCount, u"k.A."_s)}};
}

} // namespace

class TestFoodStore : public QObject
{
    Q_OBJECT

private slots:
    void loadsBothFilesIntoOneIndex();
    void wordTableReadWhenTheSearchFirstNeedsIt();
    void messagesInStartOrder_data();
    void messagesInStartOrder();
    void saveRebuildsIndexInReadEncoding();
    void saveWithoutFileCreatesWindows1252();
    void namesBeyondWindows1252SurviveARestart();
    void failedSaveKeepsIndexAndFile();
    void fileNotTakenInIsNeverWritten_data();
    void fileNotTakenInIsNeverWritten();
    void hostileFiles_data();
    void hostileFiles();
};

void TestFoodStore::loadsBothFilesIntoOneIndex()
{
    FoodStore store(FixtureDir(), German);
    QCOMPARE(store.loadFiles(), QStringList());
    QCOMPARE(store.index().count(), 0); // built only on request
    // Known before the Swiss lines are decoded, and the same as theirs.
    const qsizetype swissLineCount = store.swissLineCount();
    const QString swissHeaderLine = store.swissHeaderLine();
    QCOMPARE(swissLineCount, store.swissLines().size());
    QCOMPARE(swissHeaderLine, store.swissLines().first());
    store.buildIndex();

    const FoodIndex &index = store.index();
    QCOMPARE(index.swissCountText(), u"  3"_s);
    QCOMPARE(index.additionalCountText(), u"  2"_s);
    QCOMPARE(index.count(), 5);

    const FoodRecord apple = index.record(index.findById(u"1001"_s));
    QCOMPARE(apple.name, u"Apfel, roh"_s);
    QCOMPARE(apple.values, (QStringList{u"52"_s, u"11,4"_s, u"10,3"_s, u"0,2"_s, u"0"_s, u"0,3"_s, u"0"_s,
                                        u"0,1"_s, u"5"_s, u"6"_s, u"0"_s, u"0"_s, u"85,6"_s}));
    const FoodRecord dried = index.record(index.findById(u"1002"_s));
    QCOMPARE(dried.name, u"Äpfel, getrocknet"_s); // Windows-1252 without mark
    QCOMPARE(dried.values.at(10), u"k.A."_s);

    // The own file carries a case-only twin of a Swiss food: the Swiss one is found and listed.
    const int twin = index.findById(u"20"_s);
    QCOMPARE(index.record(twin).name, u"Zwieback"_s);
    QCOMPARE(index.record(twin).dbType, u"NwChDb"_s);
    QVERIFY(index.sortedTexts().contains(u"20=Zwieback"_s));
    QVERIFY(!index.sortedTexts().contains(u"20=ZWIEBACK"_s));
    QCOMPARE(index.sortedCount(), 4);
    QCOMPARE(index.record(index.findById(u"30512"_s)).dbType, u"NwAnDb"_s);
}

// A start-up shows only the counts; the word table is read when the search texts are made,
// and then kept for every index of the run.
void TestFoodStore::wordTableReadWhenTheSearchFirstNeedsIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwWortliste.dat"_s);
    QVERIFY(WriteBytes(path, "Sahne;Rahm\r\n"));
    QVERIFY(WriteBytes(dir.filePath(u"NwChDb.dat"_s), "Schweizer N\xE4hrwertdatenbank\r\nID;Name\r\nEinheit\r\n"
                                                      "65;Vollrahm;Rahm\r\n"));
    FoodStore store(dir.path(), German);
    store.loadFiles();
    store.buildIndex();
    QVERIFY(QFile::rename(path, path + u".weg"_s));
    QCOMPARE(store.index().searchTexts().count(), 1);
    QCOMPARE(store.words().size(), 0);

    QVERIFY(QFile::rename(path + u".weg"_s, path));
    FoodStore searched(dir.path(), German);
    searched.loadFiles();
    searched.buildIndex();
    QCOMPARE(searched.index().searchTexts().wordsText(0), u"vollrahm / rahm / +sahne"_s);
    QVERIFY(QFile::remove(path));
    QCOMPARE(searched.words().size(), 1);
    QVERIFY(searched.saveAdditionalFoods(OneRow(), QDate(2025, 12, 1)).ok);
    const int cream = int(searched.index().sortedTexts().indexOf(u"65=Vollrahm"_s));
    QCOMPARE(searched.index().searchTexts().wordsText(cream), u"vollrahm / rahm / +sahne"_s);
}

void TestFoodStore::messagesInStartOrder_data()
{
    QTest::addColumn<QByteArray>("swiss");
    QTest::addColumn<QByteArray>("own");
    QTest::addColumn<QStringList>("messages");
    const QString swissMissing = u"Schweizer Nährwertdatenbank nicht gefunden!"_s;
    const QString swissWrong = u"Die Datei enthält nicht die Schweizer Nährwertdatenbank"_s;
    const QString ownWrong = u"Die Datei enthält nicht die eigene Nährwertdatenbank"_s;
    const QByteArray none; // no file
    QTest::newRow("both missing") << none << none << QStringList{swissMissing};
    QTest::newRow("both wrong") << QByteArray("Naehrwerte\r\n") << QByteArray("Eigene\r\n")
                                << QStringList{swissWrong, ownWrong};
    QTest::newRow("Swiss missing, own wrong") << none
                                              << QByteArray("\xEF\xBB\xBF"
                                                            "Falsch\r\n")
                                              << QStringList{swissMissing, ownWrong};
}

void TestFoodStore::messagesInStartOrder()
{
    QFETCH(QByteArray, swiss);
    QFETCH(QByteArray, own);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    if (!swiss.isEmpty())
        QVERIFY(WriteBytes(dir.filePath(u"NwChDb.dat"_s), swiss));
    if (!own.isEmpty())
        QVERIFY(WriteBytes(dir.filePath(u"NwAnDb.dat"_s), own));
    FoodStore store(dir.path(), German);
    QCOMPARE(store.loadFiles(), messages);
    store.buildIndex();
    QCOMPARE(store.index().count(), 0);
    QCOMPARE(store.index().swissCountText(), u"  0"_s);
    QCOMPARE(store.index().additionalCountText(), u"  0"_s);
}

void TestFoodStore::saveRebuildsIndexInReadEncoding()
{
    QTemporaryDir dir;
    QVERIFY(CopyFolderFiles(FixtureDir(), dir.path()));
    FoodStore store(dir.path(), German);
    store.loadFiles();
    store.buildIndex();

    const WriteResult result = store.saveAdditionalFoods(OneRow(), QDate(2026, 3, 5));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(store.additionalLines().size(), 3);
    QCOMPARE(store.index().additionalCountText(), u"  1"_s);
    QCOMPARE(store.index().count(), 4);
    QCOMPARE(store.index().record(3).name, u"Grießbrei"_s);
    QCOMPARE(store.index().findById(u"30512"_s), -1);

    // The fixture was UTF-8 with a mark, so the new file is too.
    const QByteArray bytes = ReadBytes(dir.filePath(u"NwAnDb.dat"_s));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFZus\xC3\xA4tzliche Lebensmittel;;Stand;05.03.26;\r\n"));
    QVERIFY(bytes.endsWith("30900;Grie\xC3\x9F"
                           "brei;100;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;"
                           "k.A.;\r\n"));

    // Saving no rows leaves the two header lines and no own foods.
    QVERIFY(store.saveAdditionalFoods({}, QDate(2026, 3, 5)).ok);
    FoodStore reread(dir.path(), German);
    QCOMPARE(reread.loadFiles(), QStringList());
    reread.buildIndex();
    QCOMPARE(reread.additionalLines().size(), 2);
    QCOMPARE(reread.index().additionalCountText(), u"  0"_s);
}

void TestFoodStore::saveWithoutFileCreatesWindows1252()
{
    QTemporaryDir dir;
    FoodStore store(dir.path(), German);
    store.loadFiles();
    store.buildIndex();
    QVERIFY(store.saveAdditionalFoods(OneRow(), QDate(2025, 12, 9)).ok);
    QVERIFY(ReadBytes(dir.filePath(u"NwAnDb.dat"_s))
                .startsWith("Zus\xE4tzliche Lebensmittel;;Stand;09.12.25;\r\n"));
    QCOMPARE(store.index().findById(u"30900"_s), 0);
}

void TestFoodStore::namesBeyondWindows1252SurviveARestart()
{
    QTemporaryDir dir;
    FoodStore store(dir.path(), German);
    store.loadFiles();
    QList<AdditionalFoodRow> rows = OneRow();
    rows.first().name = u"Čevapčići"_s;
    QVERIFY(store.saveAdditionalFoods(rows, QDate(2025, 12, 9)).ok);
    QVERIFY(ReadBytes(dir.filePath(u"NwAnDb.dat"_s)).startsWith("\xEF\xBB\xBF"));

    FoodStore next(dir.path(), German);
    QCOMPARE(next.loadFiles(), QStringList{u"Schweizer Nährwertdatenbank nicht gefunden!"_s});
    next.buildIndex();
    QCOMPARE(next.index().record(next.index().findById(u"30900"_s)).name, u"Čevapčići"_s);

    // Once UTF-8, the file stays so when a later save of the same run would fit Windows-1252.
    QVERIFY(store.saveAdditionalFoods(OneRow(), QDate(2025, 12, 9)).ok);
    QVERIFY(ReadBytes(dir.filePath(u"NwAnDb.dat"_s)).startsWith("\xEF\xBB\xBF"));
}

void TestFoodStore::failedSaveKeepsIndexAndFile()
{
    QTemporaryDir dir;
    QVERIFY(CopyFolderFiles(FixtureDir(), dir.path()));
    FoodStore store(dir.path(), German);
    store.loadFiles();
    store.buildIndex();
    const QString path = dir.filePath(u"NwAnDb.dat"_s);

    // Tests run as root, so a folder standing where the file must go makes the write fail.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir.path()).mkdir(u"NwAnDb.dat"_s));
    const WriteResult result = store.saveAdditionalFoods(OneRow(), QDate(2026, 3, 5));
    QVERIFY(!result.ok);
    QCOMPARE(result.path, path);
    QVERIFY(result.message().startsWith(u"Die Datei \""_s));

    // The lines already hold what the user meant to save; the index still shows the old foods.
    QCOMPARE(store.additionalLines().size(), 3);
    QCOMPARE(store.additionalLines().last().left(6), u"30900;"_s);
    QCOMPARE(store.index().additionalCountText(), u"  2"_s);
    QVERIFY(store.index().findById(u"30512"_s) >= 0);
    QCOMPARE(store.index().findById(u"30900"_s), -1);
}

void TestFoodStore::fileNotTakenInIsNeverWritten_data()
{
    QTest::addColumn<bool>("unreadable"); // else: a file that is not the own-foods file
    QTest::addColumn<QString>("startMessage");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("not the own-foods file")
        << false << u"Die Datei enthält nicht die eigene Nährwertdatenbank"_s
        << u"Die Datei „NwAnDb.dat“ enthält nicht die eigene Nährwertdatenbank und wird nicht überschrieben."_s;
    QTest::newRow("unreadable")
        << true
        << u"Die Datei „NwAnDb.dat“ konnte nicht gelesen werden:\nDas ist ein Ordner, keine Datei\n"
           "Sie wird bis zum Programmende nicht überschrieben."_s
        << u"Die Datei „NwAnDb.dat“ konnte beim Start nicht gelesen werden und wird nicht überschrieben."_s;
}

void TestFoodStore::fileNotTakenInIsNeverWritten()
{
    QFETCH(bool, unreadable);
    QFETCH(QString, startMessage);
    QFETCH(QString, refusal);

    QTemporaryDir dir;
    QVERIFY(CopyFolderFiles(FixtureDir(), dir.path()));
    const QString path = dir.filePath(u"NwAnDb.dat"_s);
    // The title mistyped in an editor, say: the foods below it are still the user's.
    const QByteArray foreign("Zusaetzliche Lebensmittel;;Stand;01.01.25;\r\n30512;Haferbrei;100;\r\n");
    QVERIFY(QFile::remove(path));
    if (unreadable)
        QVERIFY(QDir(dir.path()).mkdir(u"NwAnDb.dat"_s));
    else
        QVERIFY(WriteBytes(path, foreign));
    FoodStore store(dir.path(), German);
    QCOMPARE(store.loadFiles(), QStringList{startMessage});
    store.buildIndex();
    QVERIFY(store.additionalProtection().isProtected());
    if (unreadable) {
        // By the time of the save the file can be read; it stays as it is all the same.
        QVERIFY(QDir(dir.path()).rmdir(u"NwAnDb.dat"_s));
        QVERIFY(WriteBytes(path, foreign));
    }

    const WriteResult result = store.saveAdditionalFoods(OneRow(), QDate(2026, 3, 5));
    QVERIFY(!result.ok);
    QCOMPARE(result.path, path);
    QCOMPARE(result.message(), refusal);
    QCOMPARE(ReadBytes(path), foreign);
    QCOMPARE(store.index().findById(u"30900"_s), -1);
}

void TestFoodStore::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("body"); // follows a valid title line
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 251));
    QTest::newRow("binary") << binary;
    QTest::newRow("10,000-character line") << QByteArray("h1\r\nh2\r\n") + QByteArray(10000, 'x');
    QTest::newRow("fields full of ';'")
        << QByteArray("h1\r\nh2\r\n") + QByteArray(10000, ';') + "\r\n=;=\r\n";
    QTest::newRow("truncated mid-line") << QByteArray("h1\r\nh2\r\n1001;Apfel;x;5");
    QTest::newRow("lone CR everywhere") << QByteArray(5000, '\r');
}

void TestFoodStore::hostileFiles()
{
    QFETCH(QByteArray, body);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwChDb.dat"_s), "Schweizer N\xE4hrwert\r\n" + body));
    QVERIFY(WriteBytes(dir.filePath(u"NwAnDb.dat"_s), "Zus\xE4tzliche Lebensmittel\r\n" + body));
    FoodStore store(dir.path(), German);
    QCOMPARE(store.loadFiles(), QStringList());
    store.buildIndex();
    const FoodIndex &index = store.index();
    QCOMPARE(index.count(),
             qMax(0, int(store.swissLines().size()) - 3) + qMax(0, int(store.additionalLines().size()) - 2));
    for (int i = 0; i < index.count(); ++i) {
        QCOMPARE(index.record(i).values.size(), NutrientCount);
        QVERIFY(index.findById(index.id(i)) <= i);
    }

    // The same body behind a UTF-16 title, cut to an odd length, decodes as well.
    const QString title = u"Zusätzliche Lebensmittel\r\n"_s;
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(title.utf16()), title.size() * 2);
    utf16.append(body.size() % 2 == 0 ? body.left(body.size() - 1) : body);
    QVERIFY(WriteBytes(dir.filePath(u"NwAnDb.dat"_s), utf16));
    FoodStore odd(dir.path(), German);
    QCOMPARE(odd.loadFiles(), QStringList());
    QVERIFY(!odd.additionalLines().isEmpty());
    QVERIFY(odd.additionalLines().last().endsWith(QChar(QChar::ReplacementCharacter)));
    odd.buildIndex();
}

QTEST_GUILESS_MAIN(TestFoodStore)
#include "tst_foodstore.moc"
