#include "foodstore.h"
#include "numbertext.h"
#include "ownmeasures.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString Fixture(const QString &name)
{
    return QStringLiteral(KB_TEST_DIR "/fixtures/ownmeasures/") + name;
}

QStringList Texts(const QList<FoodMeasure> &measures)
{
    QStringList texts;
    for (const FoodMeasure &measure : measures)
        texts.append(measure.name + u'=' + QString::number(measure.amount));
    return texts;
}

QStringList Texts(const QList<OwnMeasure> &measures)
{
    QStringList texts;
    for (const OwnMeasure &own : measures)
        texts.append(own.id + u':' + own.measure.name + u'=' + QString::number(own.measure.amount));
    return texts;
}

} // namespace

class TestOwnMeasures : public QObject
{
    Q_OBJECT

private slots:
    void loadKeepsEveryLine();
    void missingOrUnreadableFile();
    void addAndDeleteRoundTrip();
    void firstMeasureMakesTheFile();
    void refusals_data();
    void refusals();
    void protectedFileIsNeverWritten();
    void ownMeasuresWinInTheStore();
};

void TestOwnMeasures::loadKeepsEveryLine()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(Fixture(u"before.dat"_s), dir.filePath(u"NwMasse.dat"_s)));
    const OwnMeasuresFile file = LoadOwnMeasures(dir.path());
    QCOMPARE(file.lines.size(), 6);
    QVERIFY(!file.protection.isProtected());
    // The damaged line is no measure, but stays among the lines.
    QCOMPARE(Texts(file.list()), (QStringList{u"10446:Scheibe=40"_s, u"62:Glas=200"_s, u"30001:Becher=300"_s,
                                              u"62:Tasse=250"_s}));
    QCOMPARE(Texts(file.measures().measuresOf(u"62"_s)), (QStringList{u"Tasse=250"_s, u"Glas=200"_s}));
}

void TestOwnMeasures::missingOrUnreadableFile()
{
    QTemporaryDir dir;
    const OwnMeasuresFile none = LoadOwnMeasures(dir.path());
    QVERIFY(none.lines.isEmpty());
    QVERIFY(!none.protection.isProtected());
    QVERIFY(none.protection.startMessage.isEmpty());
    QCOMPARE(none.measures().foodCount(), 0);

    QVERIFY(QDir(dir.path()).mkdir(u"NwMasse.dat"_s));
    const OwnMeasuresFile unreadable = LoadOwnMeasures(dir.path());
    QVERIFY(unreadable.protection.isProtected());
    QCOMPARE(unreadable.protection.startMessage,
             u"Die Datei „NwMasse.dat“ konnte nicht gelesen werden:\nDas ist ein Ordner, keine Datei\n"
             "Sie wird bis zum Programmende nicht überschrieben."_s);
}

// Replacing keeps the line's place, deleting removes a later duplicate too (it would come back
// otherwise), a new measure is appended, and the damaged line is written back as it was.
void TestOwnMeasures::addAndDeleteRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwMasse.dat"_s);
    QVERIFY(QFile::copy(Fixture(u"before.dat"_s), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    OwnMeasuresFile file = LoadOwnMeasures(dir.path());
    file.lines.append(u"62;Glas;300;"_s); // a later duplicate, left out while the first is there

    WriteResult result = AddOwnMeasure(file, u"10446"_s, u"Scheibe"_s, u" 45 "_s, dir.path());
    QVERIFY2(result.ok, qPrintable(result.message()));
    result = DeleteOwnMeasure(file, u"62"_s, u"Glas"_s, dir.path());
    QVERIFY2(result.ok, qPrintable(result.message()));
    result = AddOwnMeasure(file, u"30001"_s, u"Stück groß"_s, u"180"_s, dir.path());
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.encoding, TextEncoding::Windows1252);
    QCOMPARE(ReadBytes(path), ReadBytes(Fixture(u"after.dat"_s)));
    QCOMPARE(LoadOwnMeasures(dir.path()).lines, file.lines);

    // Deleting what is not there writes nothing.
    QVERIFY(QFile::remove(path));
    result = DeleteOwnMeasure(file, u"62"_s, u"Glas"_s, dir.path());
    QVERIFY(result.ok);
    QVERIFY(!QFile::exists(path));
}

void TestOwnMeasures::firstMeasureMakesTheFile()
{
    QTemporaryDir dir;
    OwnMeasuresFile file = LoadOwnMeasures(dir.path());
    QVERIFY(AddOwnMeasure(file, u"378"_s, u"Tasse"_s, u"300"_s, dir.path()).ok);
    QCOMPARE(ReadBytes(dir.filePath(u"NwMasse.dat"_s)), QByteArray("ID;Ma\xDF;Gramm;\r\n378;Tasse;300;\r\n"));
    // The last measure deleted leaves the header, so the file stays the user's file.
    QVERIFY(DeleteOwnMeasure(file, u"378"_s, u"Tasse"_s, dir.path()).ok);
    QCOMPARE(ReadBytes(dir.filePath(u"NwMasse.dat"_s)), QByteArray("ID;Ma\xDF;Gramm;\r\n"));
}

void TestOwnMeasures::refusals_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("message");
    const QString grams = OwnMeasureGramsRefusal();
    QTest::newRow("no food") << u" "_s << u"Tasse"_s << u"200"_s << OwnMeasureIdRefusal();
    QTest::newRow("id with ';'") << u"62;EL"_s << u"Tasse"_s << u"200"_s << OwnMeasureIdRefusal();
    QTest::newRow("id with a line break") << u"62\n63"_s << u"Tasse"_s << u"200"_s << OwnMeasureIdRefusal();
    QTest::newRow("unknown measure") << u"62"_s << u"Schale"_s << u"200"_s << OwnMeasureNameRefusal();
    QTest::newRow("measure in other case") << u"62"_s << u"tasse"_s << u"200"_s << OwnMeasureNameRefusal();
    QTest::newRow("no grams") << u"62"_s << u"Tasse"_s << QString() << grams;
    QTest::newRow("zero") << u"62"_s << u"Tasse"_s << u"0"_s << grams;
    QTest::newRow("decimal") << u"62"_s << u"Tasse"_s << u"12,5"_s << grams;
    QTest::newRow("with unit") << u"62"_s << u"Tasse"_s << u"200 g"_s << grams;
    QTest::newRow("negative") << u"62"_s << u"Tasse"_s << u"-3"_s << grams;
    QTest::newRow("seven digits") << u"62"_s << u"Tasse"_s << u"1000000"_s << grams;
    QTest::newRow("';' in the grams") << u"62"_s << u"Tasse"_s << u"2;EL;5"_s << grams;
}

void TestOwnMeasures::refusals()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, grams);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwMasse.dat"_s);
    const QByteArray bytes("ID;Ma\xDF;Gramm;\r\n62;Glas;200;\r\n");
    QVERIFY(WriteBytes(path, bytes));
    OwnMeasuresFile file = LoadOwnMeasures(dir.path());
    const QStringList before = file.lines;
    const WriteResult result = AddOwnMeasure(file, id, name, grams, dir.path());
    QVERIFY(result.refused());
    QCOMPARE(result.message(), message);
    QCOMPARE(file.lines, before);
    QCOMPARE(ReadBytes(path), bytes);
}

void TestOwnMeasures::protectedFileIsNeverWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwMasse.dat"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"NwMasse.dat"_s));
    OwnMeasuresFile file = LoadOwnMeasures(dir.path());
    QVERIFY(QDir(dir.path()).rmdir(u"NwMasse.dat"_s));
    const QByteArray bytes("ID;Ma\xDF;Gramm;\r\n62;Glas;200;\r\n");
    QVERIFY(WriteBytes(path, bytes));

    for (const WriteResult &result : {AddOwnMeasure(file, u"62"_s, u"Tasse"_s, u"250"_s, dir.path()),
                                      DeleteOwnMeasure(file, u"62"_s, u"Tasse"_s, dir.path())}) {
        QVERIFY(result.refused());
        QCOMPARE(result.message(),
                 u"Die Datei „NwMasse.dat“ konnte beim Start nicht gelesen werden und wird nicht überschrieben."_s);
    }
    QCOMPARE(ReadBytes(path), bytes);
}

// The store merges the own measures over the shipped ones and follows every change.
void TestOwnMeasures::ownMeasuresWinInTheStore()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwPortionen.dat"_s),
                       "ID;Ma\xDF;Gramm;\r\n10446;Scheibe;50;\r\n10446;Portion;100;\r\n"));
    QVERIFY(WriteBytes(dir.filePath(u"NwMasse.dat"_s), "ID;Ma\xDF;Gramm;\r\n10446;Scheibe;35;\r\n"));
    FoodStore store(dir.path(), GermanNumberLocale());
    store.loadFiles();
    QCOMPARE(Texts(store.measures().measuresOf(u"10446"_s)), (QStringList{u"Scheibe=35"_s, u"Portion=100"_s}));

    QVERIFY(store.addOwnMeasure(u"10446"_s, u"EL"_s, u"8"_s).ok);
    QVERIFY(store.addOwnMeasure(u"30001"_s, u"Becher"_s, u"300"_s).ok);
    QCOMPARE(Texts(store.measures().measuresOf(u"10446"_s)),
             (QStringList{u"Scheibe=35"_s, u"EL=8"_s, u"Portion=100"_s}));
    QCOMPARE(Texts(store.measures().measuresOf(u"30001"_s)), QStringList{u"Becher=300"_s});

    // Deleting the own measure brings the shipped one back.
    QVERIFY(store.deleteOwnMeasure(u"10446"_s, u"Scheibe"_s).ok);
    QCOMPARE(Texts(store.measures().measuresOf(u"10446"_s)),
             (QStringList{u"Scheibe=50"_s, u"EL=8"_s, u"Portion=100"_s}));
    QCOMPARE(ReadBytes(dir.filePath(u"NwMasse.dat"_s)),
             QByteArray("ID;Ma\xDF;Gramm;\r\n10446;EL;8;\r\n30001;Becher;300;\r\n"));
}

QTEST_GUILESS_MAIN(TestOwnMeasures)
#include "tst_ownmeasures.moc"
