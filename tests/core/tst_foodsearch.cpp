#include "foodindex.h"
#include "foodsearch.h"

#include <QTest>

namespace {

// An index of Swiss foods given as 'id;name' lines behind the three header lines.
FoodIndex SwissIndex(const QStringList &foods)
{
    QStringList lines{QStringLiteral("Schweizer Nährwertdatenbank"), QStringLiteral("ID;Name"),
                      QStringLiteral("Einheit")};
    lines += foods;
    return BuildFoodIndex(lines, {}, QLocale(QLocale::German, QLocale::Germany));
}

// The ids of the found positions, sorted, so the rows do not depend on the collation.
QStringList FoundIds(const FoodIndex &index, const QString &searchField)
{
    QStringList ids;
    for (const int position : FilterFoodPositions(index, searchField))
        ids.append(index.sortedId(position));
    ids.sort();
    return ids;
}

} // namespace

class TestFoodSearch : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
    void filter_data();
    void filter();
    void filterKeepsListOrder();
};

void TestFoodSearch::matches_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("found");

    QTest::newRow("lower search, capital name")
        << QStringLiteral("Apfel, roh") << QStringLiteral("apfel") << true;
    QTest::newRow("inside a word") << QStringLiteral("Bratapfel") << QStringLiteral("apfel") << true;
    QTest::newRow("capital search, lower name")
        << QStringLiteral("Bratapfel") << QStringLiteral("APFEL") << true;
    QTest::newRow("capital umlaut is not folded")
        << QStringLiteral("ÄPFEL") << QStringLiteral("äpfel") << false;
    QTest::newRow("umlaut never equals its base letter")
        << QStringLiteral("ÄPFEL") << QStringLiteral("apfel") << false;
    QTest::newRow("same umlaut matches") << QStringLiteral("Müsli") << QStringLiteral("müsli") << true;
    QTest::newRow("umlaut of other case") << QStringLiteral("Müsli") << QStringLiteral("MÜSLI") << false;
    QTest::newRow("pieces must be contiguous")
        << QStringLiteral("Apfel, roh") << QStringLiteral("apfelroh") << false;
    QTest::newRow("empty search") << QStringLiteral("Apfel") << QString() << true;
    QTest::newRow("search over the blanks into the name")
        << QStringLiteral("Apfel") << QStringLiteral("   apf") << true;
    // Id "1001" filled to 14 characters and three blanks: 13 blanks stand before the name.
    QTest::newRow("id and name 17 characters apart")
        << QStringLiteral("Apfel") << QStringLiteral("1") + QString(13, u' ') << true;
}

void TestFoodSearch::matches()
{
    QFETCH(QString, name);
    QFETCH(QString, search);
    QFETCH(bool, found);
    const FoodIndex index = SwissIndex({QStringLiteral("1001;") + name});
    QCOMPARE(FilterFoodPositions(index, search).size(), found ? 1 : 0);
}

void TestFoodSearch::filter_data()
{
    QTest::addColumn<QString>("searchField");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("empty field finds all")
        << QString() << QStringList{QStringLiteral("1"),  QStringLiteral("12345678901237"),
                                    QStringLiteral("17"), QStringLiteral("170"),
                                    QStringLiteral("27"), QStringLiteral("ABCDEFGHIJKLMNOP"),
                                    QStringLiteral("L")};
    QTest::newRow("case folding of A to Z only")
        << QStringLiteral("apfel") << QStringList{QStringLiteral("17"), QStringLiteral("27")};
    QTest::newRow("only the first 14 characters search")
        << QStringLiteral("haferflocken, ZZ") << QStringList{QStringLiteral("170")};
    QTest::newRow("padded id: '7   ' finds ids ending in 7")
        << QStringLiteral("7   ")
        << QStringList{QStringLiteral("12345678901237"), QStringLiteral("17"), QStringLiteral("27")};
    QTest::newRow("four blanks need an id shorter than 14")
        << QStringLiteral("7    ") << QStringList{QStringLiteral("17"), QStringLiteral("27")};
    QTest::newRow("id beyond 14 characters is not searched") << QStringLiteral("mnop") << QStringList();
    QTest::newRow("name beyond 100 characters is not searched")
        << QStringLiteral("versteckt") << QStringList();
    QTest::newRow("name up to 100 characters is searched")
        << QStringLiteral("sichtbar") << QStringList{QStringLiteral("L")};
}

void TestFoodSearch::filter()
{
    QFETCH(QString, searchField);
    QFETCH(QStringList, ids);

    // "L": 'sichtbar' ends at character 100, 'versteckt' starts at 101.
    const QString longName = QString(92, QLatin1Char('x')) + QStringLiteral("sichtbarversteckt");
    const FoodIndex index = SwissIndex({
        QStringLiteral("17;Apfel, roh"),
        QStringLiteral("27;Bratapfel"),
        QStringLiteral("1;ÄPFEL getrocknet"),
        QStringLiteral("170;Haferflocken, Vollkorn"),
        QStringLiteral("12345678901237;Birne"),
        QStringLiteral("ABCDEFGHIJKLMNOP;Kirsche"),
        QStringLiteral("L;") + longName,
    });
    QCOMPARE(FoundIds(index, searchField), ids);
}

void TestFoodSearch::filterKeepsListOrder()
{
    const FoodIndex index =
        SwissIndex({QStringLiteral("3;Apfel"), QStringLiteral("1;Birne"), QStringLiteral("2;Apfelmus")});
    const QList<int> positions = FilterFoodPositions(index, QStringLiteral("apfel"));
    QCOMPARE(positions.size(), 2);
    QVERIFY(positions.at(0) < positions.at(1));
    QCOMPARE(FilterFoodPositions(SwissIndex({}), QString()), QList<int>());
}

QTEST_GUILESS_MAIN(TestFoodSearch)
#include "tst_foodsearch.moc"
