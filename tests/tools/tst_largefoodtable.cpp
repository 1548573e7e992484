#include "foodstore.h"
#include "largefoodtable.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The data folder the benchmark measures at fifteen times the shipped size.
class TestLargeFoodTable : public QObject
{
    Q_OBJECT

private slots:
    void fifteenCopiesAndOwnFoods();
};

void TestLargeFoodTable::fifteenCopiesAndOwnFoods()
{
    QTemporaryDir dir;
    QCOMPARE(WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), dir.path()), QString());

    FoodStore shipped(QStringLiteral(KB_SHIPPED_DATA_DIR), QLocale::c());
    QCOMPARE(shipped.loadFiles(), QStringList());
    shipped.buildIndex();
    FoodStore large(dir.path(), QLocale::c());
    QCOMPARE(large.loadFiles(), QStringList());
    large.buildIndex();

    const int swissFoods = shipped.index().count();
    const FoodIndex &index = large.index();
    QCOMPARE(index.swissCountText(), u"  %1"_s.arg(15 * swissFoods));
    QCOMPARE(index.additionalCountText(), u"  1001"_s);
    QCOMPARE(index.sortedCount(), 15 * swissFoods + 1001); // every id unique
    QCOMPARE(large.words().size(), shipped.words().size());

    const FoodRecord apple = shipped.index().record(shipped.index().findById(u"378"_s));
    for (int k = 0; k < 15; ++k) {
        const QString id = QString::number(378 + 100000 * k);
        const int position = index.findById(id);
        QVERIFY2(position >= 0, qPrintable(id));
        const FoodRecord copy = index.record(position);
        QCOMPARE(copy.name, k == 0 ? apple.name : apple.name + u" #%1"_s.arg(k));
        QCOMPARE(copy.values, apple.values);
        QCOMPARE(index.synonyms(position), shipped.index().synonyms(shipped.index().findById(u"378"_s)));
    }
    QVERIFY(index.findById(u"30000"_s) >= 0);
    QVERIFY(index.findById(u"31000"_s) >= 0);
    QCOMPARE(index.findById(u"31001"_s), -1);
    QCOMPARE(index.record(index.findById(u"31000"_s)).dbType, u"NwAnDb"_s);
}

QTEST_GUILESS_MAIN(TestLargeFoodTable)
#include "tst_largefoodtable.moc"
