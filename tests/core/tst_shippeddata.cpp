#include "foodstore.h"
#include "numbertext.h"
#include "reference.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

QString ShippedDir()
{
    return QStringLiteral(KB_SHIPPED_DATA_DIR);
}

} // namespace

// What a user sees from the data files that come with the program.
class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void swissCount();
    void knownFoods_data();
    void knownFoods();
    void everyValueIsANumberOrMissing();
    void dgeRows();

private:
    FoodStore m_store{ShippedDir(), German};
};

void TestShippedData::initTestCase()
{
    QCOMPARE(m_store.loadFiles(), QStringList());
    m_store.buildIndex();
}

void TestShippedData::swissCount()
{
    QCOMPARE(m_store.index().swissCountText(), u"  999"_s);
    QCOMPARE(m_store.index().additionalCountText(), u"  0"_s); // no own foods are shipped
    QCOMPARE(m_store.index().count(), 999);
    QCOMPARE(m_store.index().sortedCount(), 999); // every id is unique
    QVERIFY(m_store.swissLines().first().startsWith(u"Schweizer Nährwertdatenbank"_s));
}

void TestShippedData::knownFoods_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    // Energie, KoHydr, Zucker, Fett, Fet.gesä, Protein, Salz, Eisen, Magn., Calcium, Vit.B12, Vit.D, Wasser
    QTest::addColumn<QStringList>("values");
    QTest::newRow("apple") << u"378"_s << u"Apfel, roh"_s
                           << QStringList{u"55"_s,  u"11,7"_s, u"11,6"_s, u"0,3"_s, u"0,1"_s,
                                          u"0,3"_s, u"0,01"_s, u"0,2"_s,  u"4"_s,   u"5"_s,
                                          u"0"_s,   u"0"_s,    u"85"_s};
    QTest::newRow("smoked salmon, salt from sodium")
        << u"193"_s << u"Lachs, geräuchert"_s
        << QStringList{u"167"_s, u"0"_s,  u"0"_s,  u"8,2"_s, u"1,8"_s, u"23,2"_s, u"4,15"_s,
                       u"0"_s,   u"27"_s, u"10"_s, u"4,3"_s, u"6,3"_s, u"62,5"_s};
    QTest::newRow("whole milk") << u"62"_s << u"Vollmilch, pasteurisiert"_s
                                << QStringList{u"68"_s,   u"4,7"_s,    u"4,7"_s, u"4"_s,  u"2,4"_s,
                                               u"3,3"_s,  u"0,0975"_s, u"0"_s,   u"10"_s, u"120"_s,
                                               u"0,12"_s, u"0,1"_s,    u"87,3"_s};
    QTest::newRow("agave syrup, missing values")
        << u"10536"_s << u"Agavensirup"_s
        << QStringList{u"293"_s,  u"73,1"_s, u"k.A."_s, u"0"_s,    u"k.A."_s, u"0,2"_s, u"k.A."_s,
                       u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s};
}

void TestShippedData::knownFoods()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QStringList, values);
    const FoodIndex &index = m_store.index();
    const int position = index.findById(id);
    QVERIFY(position >= 0);
    const FoodRecord food = index.record(position);
    QCOMPARE(food.name, name);
    QCOMPARE(food.referenceAmount, u"100"_s);
    QCOMPARE(food.values, values);
    QCOMPARE(food.dbType, u"NwChDb"_s);
    QVERIFY(index.sortedTexts().contains(id + u'=' + name));
}

void TestShippedData::everyValueIsANumberOrMissing()
{
    const FoodIndex &index = m_store.index();
    for (int i = 0; i < index.count(); ++i) {
        const FoodRecord food = index.record(i);
        QVERIFY2(!food.id.isEmpty() && !food.name.isEmpty(), qPrintable(index.text(i)));
        for (const QString &value : food.values) {
            double number = 0;
            const bool readable = !value.isEmpty() && ReadDecimalText(value, &number) && number >= 0;
            QVERIFY2(readable || value == u"k.A."_s, qPrintable(index.text(i)));
        }
    }
}

void TestShippedData::dgeRows()
{
    const ReferenceLoad load = LoadReferenceValues(ShippedDir(), SettingsList());
    QCOMPARE(load.message, QString());
    QCOMPARE(load.state.ageGroup, 3);
    QCOMPARE(load.state.active.title, u"Tagesbedarf '25 bis unter 51' (w) "_s);
    QCOMPARE(ReferenceValueTexts(load.state.active),
             (QStringList{u"1800"_s, u"225"_s, u"45"_s, u"60"_s, u"20"_s, u"48"_s, u"6"_s, u"16"_s, u"300"_s,
                          u"1000"_s, u"4"_s, u"20"_s, u"2270"_s}));
    for (int row = 0; row < 8; ++row) {
        for (int k = 0; k < NutrientCount; ++k)
            QVERIFY2(load.state.table[row][k] > 0, qPrintable(u"row %1, column %2"_s.arg(row).arg(k)));
    }
    // Protein as the DGE publishes it, men and women of each age group.
    const QList<int> protein = {57, 48, 57, 48, 55, 47, 67, 57};
    for (int row = 0; row < 8; ++row)
        QCOMPARE(load.state.table[row][5], protein.at(row));
    // Men need more energy than women of the same age group.
    for (int row = 0; row < 8; row += 2)
        QVERIFY(load.state.table[row][0] > load.state.table[row + 1][0]);
    // No own values are shipped: rows 8 and 9 stay empty.
    QVERIFY(load.state.table[8] == ReferenceRow{});
    QVERIFY(load.state.table[9] == ReferenceRow{});
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
