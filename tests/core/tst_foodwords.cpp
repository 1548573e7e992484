#include "foodwords.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList Pairs(const QList<FoodWordPair> &pairs)
{
    QStringList texts;
    for (const FoodWordPair &pair : pairs)
        texts.append(pair.word + u'|' + pair.swissWord);
    return texts;
}

} // namespace

class TestFoodWords : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void readsWindows1252();
    void missingFileGivesNoPairs();
};

void TestFoodWords::lines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("pairs");

    QTest::newRow("one pair a line, in order") << QStringList{u"Sahne;Rahm"_s, u"Hähnchen;Poulet"_s}
                                               << QStringList{u"Sahne|Rahm"_s, u"Hähnchen|Poulet"_s};
    QTest::newRow("blanks around the words, closing ';' and further columns")
        << QStringList{u"  Saure Sahne ; Sauerrahm ;"_s, u"Möhre;Rüebli;Karotte"_s}
        << QStringList{u"Saure Sahne|Sauerrahm"_s, u"Möhre|Rüebli"_s};
    QTest::newRow("lines without both words are skipped")
        << QStringList{QString(), u"Sahne"_s, u";Rahm"_s, u"Sahne;"_s, u" ; "_s, u"Pute;Truthahn"_s}
        << QStringList{u"Pute|Truthahn"_s};
}

void TestFoodWords::lines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, pairs);
    QCOMPARE(Pairs(FoodWordPairs(lines)), pairs);
}

void TestFoodWords::readsWindows1252()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwWortliste.dat"_s), "H\xE4hnchen;Poulet\r\nM\xF6hre;R\xFC"
                                                           "ebli\r\n"));
    QCOMPARE(Pairs(LoadFoodWords(dir.path())), (QStringList{u"Hähnchen|Poulet"_s, u"Möhre|Rüebli"_s}));
}

void TestFoodWords::missingFileGivesNoPairs()
{
    QTemporaryDir dir;
    QCOMPARE(LoadFoodWords(dir.path()).size(), 0);
    // A folder of that name cannot be read either.
    QVERIFY(QDir(dir.path()).mkdir(u"NwWortliste.dat"_s));
    QCOMPARE(LoadFoodWords(dir.path()).size(), 0);
}

QTEST_GUILESS_MAIN(TestFoodWords)
#include "tst_foodwords.moc"
