#include "foodmeasures.h"
#include "foodstore.h"
#include "numbertext.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Header = u"ID;Maß;Gramm;"_s;

QStringList Texts(const QList<FoodMeasure> &measures)
{
    QStringList texts;
    for (const FoodMeasure &measure : measures)
        texts.append(measure.name + u'=' + QString::number(measure.amount));
    return texts;
}

} // namespace

class TestFoodMeasures : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void ownMeasuresWinOverShippedOnes();
    void piecesHaveOnePortion();
    void listTexts();
    void readsTheFileWhenFirstAsked();
    void missingFileGivesNoMeasures();
};

void TestFoodMeasures::lines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("measures");

    QTest::newRow("in the list's order, not the file's")
        << QStringList{Header, u"10446;Portion;100;"_s, u"10446;Scheibe;50;"_s, u"378;Stück mittel;150;"_s}
        << u"10446"_s << QStringList{u"Scheibe=50"_s, u"Portion=100"_s};
    QTest::newRow("the header line is no measure")
        << QStringList{u"10446;Scheibe;50;"_s, u"10446;Tasse;90;"_s} << u"10446"_s
        << QStringList{u"Tasse=90"_s};
    QTest::newRow("an id in other letter case")
        << QStringList{Header, u"Abc;EL;12;"_s} << u"ABC"_s << QStringList{u"EL=12"_s};
    QTest::newRow("blanks around the fields, no closing ';'")
        << QStringList{Header, u" 62 ; Glas ; 200"_s} << u"62"_s << QStringList{u"Glas=200"_s};
    QTest::newRow("unknown names, no whole grams above 0, no id: left out")
        << QStringList{Header,           u"62;Schluck;20;"_s, u"62;glas;200;"_s,
                       u"62;Tasse;0;"_s, u"62;Tasse;-5;"_s,   u"62;Tasse;1,5;"_s,
                       u"62;Tasse;;"_s,  u";Tasse;150;"_s,    u"62;Becher;180;"_s}
        << u"62"_s << QStringList{u"Becher=180"_s};
    QTest::newRow("a second line of the same food and name is left out")
        << QStringList{Header, u"62;Glas;200;"_s, u"62;Glas;250;"_s} << u"62"_s << QStringList{u"Glas=200"_s};
    QTest::newRow("an unknown food") << QStringList{Header, u"62;Glas;200;"_s} << u"63"_s << QStringList();
}

void TestFoodMeasures::lines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, id);
    QFETCH(QStringList, measures);
    QCOMPARE(Texts(FoodMeasures::fromLines(lines).measuresOf(id)), measures);
}

void TestFoodMeasures::ownMeasuresWinOverShippedOnes()
{
    const FoodMeasures shipped = FoodMeasures::fromLines(
        {Header, u"10446;Scheibe;50;"_s, u"10446;Portion;100;"_s, u"378;Stück mittel;150;"_s});
    const FoodMeasures own =
        FoodMeasures::fromLines({Header, u"10446;Scheibe;35;"_s, u"10446;TL;3;"_s, u"30512;Becher;180;"_s});
    const FoodMeasures merged = shipped.mergedWith(own);
    QCOMPARE(Texts(merged.measuresOf(u"10446"_s)),
             (QStringList{u"Scheibe=35"_s, u"TL=3"_s, u"Portion=100"_s}));
    QCOMPARE(Texts(merged.measuresOf(u"378"_s)), QStringList{u"Stück mittel=150"_s});
    QCOMPARE(Texts(merged.measuresOf(u"30512"_s)), QStringList{u"Becher=180"_s});
    QCOMPARE(merged.foodCount(), 3);
    // Merging leaves both sources as they were.
    QCOMPARE(Texts(shipped.measuresOf(u"10446"_s)), (QStringList{u"Scheibe=50"_s, u"Portion=100"_s}));
}

// A recipe saved per portion is counted in pieces: its one measure is the portion itself,
// whatever the file says about its id.
void TestFoodMeasures::piecesHaveOnePortion()
{
    const FoodMeasures source = FoodMeasures::fromLines({Header, u"30512;Scheibe;50;"_s});
    QCOMPARE(Texts(MeasuresForFood(source, u"30512"_s, u"1"_s)), QStringList{u"Portion=1"_s});
    QCOMPARE(Texts(MeasuresForFood(source, u"30512"_s, u"100"_s)), QStringList{u"Scheibe=50"_s});
    QCOMPARE(Texts(MeasuresForFood(FoodMeasures(), u"30512"_s, u"100"_s)), QStringList());
}

void TestFoodMeasures::listTexts()
{
    const QList<FoodMeasure> measures{{u"Scheibe"_s, 50}, {u"Stück mittel"_s, 120}, {u"TL"_s, 5}};
    QCOMPARE(MeasureListTexts(measures, u"100"_s),
             (QStringList{u"1 Scheibe (50 g)"_s, u"1 Stück mittel (120 g)"_s, u"1 TL (5 g)"_s}));
    QCOMPARE(MeasureListTexts({{u"Portion"_s, 1}}, u"1"_s), QStringList{u"1 Portion"_s});
}

// Start-up reads none of it: the file is read when the measures are first asked for, then kept.
void TestFoodMeasures::readsTheFileWhenFirstAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwPortionen.dat"_s);
    const QByteArray bytes = "ID;Ma\xDF;Gramm;\r\n10446;Scheibe;50;\r\n378;St\xFC"
                             "ck gro\xDF;200;\r\n";
    QVERIFY(WriteBytes(path, bytes));
    FoodStore loadedBefore(dir.path(), GermanNumberLocale());
    loadedBefore.loadFiles();
    loadedBefore.buildIndex();
    QVERIFY(QFile::remove(path));
    QCOMPARE(loadedBefore.measures().foodCount(), 0);

    QVERIFY(WriteBytes(path, bytes));
    FoodStore askedFirst(dir.path(), GermanNumberLocale());
    askedFirst.loadFiles();
    QCOMPARE(askedFirst.measures().foodCount(), 2);
    QVERIFY(QFile::remove(path));
    QCOMPARE(Texts(askedFirst.measures().measuresOf(u"378"_s)), QStringList{u"Stück groß=200"_s});
}

void TestFoodMeasures::missingFileGivesNoMeasures()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwPortionen.dat"_s), "ID;Ma\xDF;Gramm;\r\n10446;Scheibe;50;\r\n"
                                                           "378;St\xFC"
                                                           "ck gro\xDF;200;\r\n"));
    QCOMPARE(Texts(LoadFoodMeasures(dir.path()).measuresOf(u"378"_s)), QStringList{u"Stück groß=200"_s});
    QTemporaryDir empty;
    QCOMPARE(LoadFoodMeasures(empty.path()).foodCount(), 0);
    // A folder of that name cannot be read either.
    QVERIFY(QDir(empty.path()).mkdir(u"NwPortionen.dat"_s));
    QCOMPARE(LoadFoodMeasures(empty.path()).foodCount(), 0);
}

QTEST_GUILESS_MAIN(TestFoodMeasures)
#include "tst_foodmeasures.moc"
