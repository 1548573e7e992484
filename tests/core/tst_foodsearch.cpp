#include "foodindex.h"
#include "foodsearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The foods every search case runs on: names and synonyms with umlauts, ß, accents and
// hyphens, ids of every length, and one own food. The sorted list orders them by 'id=name'
// as text, so "1000" comes before "17" and "40" before "7".
const QStringList SwissFoods{
    u"17;Apfel, roh;"_s,
    u"27;Bratapfel;"_s,
    u"31;ÄPFEL getrocknet;Dörrapfel"_s,
    u"355;Karotte, roh;Möhre, Rüebli"_s,
    u"65;Vollrahm, pasteurisiert;Rahm"_s,
    u"574;Sauerrahm;Crème fraîche"_s,
    u"20;Poulet, Brust, roh;"_s,
    u"1199;Essig-Öl-Salatsauce, hausgemacht;"_s,
    u"1478;Älplermagronen, zubereitet;"_s,
    u"842;Bauernbrot;"_s,
    u"707;Rohessspeck;Bauernspeck, roh, geräuchert"_s,
    u"771;Vollrohrzucker;"_s,
    u"823;Brot, hell;"_s,
    u"829;Ruchbrot;"_s,
    u"900;Weißwurst;"_s,
    u"30;Rind, Entrecôte, roh;"_s,
    u"942;Müeslimischung;"_s,
    u"40;Birnen-Gratin;"_s,
    u"1000;Kartoffelgratin;"_s,
    u"170;Haferflocken, Vollkorn;"_s,
    u"7;Kaffee;"_s,
    u"12345678901237;Birne;"_s,
    u"ABCDEFGHIJKLMNOP;Kirsche;"_s,
    // 'sichtbar' ends at character 100 of the name, 'versteckt' starts at 101.
    u"L;"_s + QString(92, u'x') + u"sichtbarversteckt;"_s,
};
const QStringList OwnFoods{u"30512;Haferbrei;100;"_s};

// "Zahl" stands only in an id and "Sahne" only as a word the table gives: neither may bring
// its German word along.
const QList<FoodWordPair> Words{
    {u"Sahne"_s, u"Rahm"_s},
    {u"Hähnchen"_s, u"Poulet"_s},
    {u"Zahl"_s, u"1199"_s},
    {u"Schlagobers"_s, u"Sahne"_s},
};

const FoodIndex &Fixture()
{
    static const FoodIndex index =
        BuildFoodIndex(QStringList{u"Schweizer Nährwertdatenbank"_s, u"ID;Name"_s, u"Einheit"_s} + SwissFoods,
                       QStringList{u"Zusätzliche Lebensmittel"_s, u"ID;Lebensmittel;"_s} + OwnFoods,
                       QLocale(QLocale::German, QLocale::Germany), Words);
    return index;
}

// The ids of the found entries, in the order the list shows them.
QStringList FoundIds(const FoodIndex &index, const QString &search)
{
    QStringList ids;
    for (const int position : FilterFoodPositions(index, search))
        ids.append(index.sortedId(position));
    return ids;
}

} // namespace

class TestFoodSearch : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void emptySearchShowsTheWholeListInOrder();
    void withoutWordTable();
};

void TestFoodSearch::search_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("ids");

    // Case and letters of other languages.
    QTest::newRow("capital umlaut folds: apfel finds ÄPFEL")
        << u"apfel"_s << QStringList{u"17"_s, u"31"_s, u"27"_s};
    QTest::newRow("umlaut typed finds the plain letter")
        << u"äpfel"_s << QStringList{u"17"_s, u"31"_s, u"27"_s};
    QTest::newRow("synonym with umlaut") << u"möhre"_s << QStringList{u"355"_s};
    QTest::newRow("oe spelt out") << u"moehre"_s << QStringList{u"355"_s};
    QTest::newRow("umlaut in capitals") << u"MÖHRE"_s << QStringList{u"355"_s};
    QTest::newRow("name starting with a capital umlaut") << u"älpler"_s << QStringList{u"1478"_s};
    QTest::newRow("umlaut left out") << u"alpler"_s << QStringList{u"1478"_s};
    QTest::newRow("ue in the name meets ü typed") << u"müsli"_s << QStringList{u"942"_s};
    QTest::newRow("ß meets ss") << u"weisswurst"_s << QStringList{u"900"_s};
    QTest::newRow("ß typed") << u"weißwurst"_s << QStringList{u"900"_s};
    QTest::newRow("capital ẞ") << u"WEIẞWURST"_s << QStringList{u"900"_s};
    QTest::newRow("accents left out") << u"creme fraiche"_s << QStringList{u"574"_s};
    QTest::newRow("accent in the name") << u"entrecote"_s << QStringList{u"30"_s};

    // Words in any order, split at blanks, commas and hyphens.
    QTest::newRow("two words, one piece of the name each") << u"apfel roh"_s << QStringList{u"17"_s};
    QTest::newRow("words in the other order") << u"roh apfel"_s << QStringList{u"17"_s};
    QTest::newRow("words may sit inside a word") << u"bauer brot"_s << QStringList{u"842"_s};
    QTest::newRow("every word must occur") << u"apfel birne"_s << QStringList();
    QTest::newRow("a word is one piece") << u"apfelroh"_s << QStringList();
    QTest::newRow("hyphen splits, umlaut folds") << u"essig-öl"_s << QStringList{u"1199"_s};
    QTest::newRow("as written in the name") << u"essig-Öl"_s << QStringList{u"1199"_s};
    QTest::newRow("comma without blank") << u"rind,roh"_s << QStringList{u"30"_s};
    QTest::newRow("own food") << u"haferbrei"_s << QStringList{u"30512"_s};
    QTest::newRow("word in an id") << u"mnop"_s << QStringList{u"ABCDEFGHIJKLMNOP"_s};
    QTest::newRow("word beyond the 100th character of a name") << u"versteckt"_s << QStringList{u"L"_s};

    // The word table.
    QTest::newRow("German word for the Swiss one") << u"sahne"_s << QStringList{u"574"_s, u"65"_s};
    QTest::newRow("German word, umlaut spelt out") << u"haehnchen brust"_s << QStringList{u"20"_s};
    QTest::newRow("a Swiss word found only in an id brings nothing") << u"zahl"_s << QStringList();
    QTest::newRow("a word the table gave finds no further word") << u"schlagobers"_s << QStringList();

    // The order: id equal, name beginning with the first word, a name word beginning with a
    // search word, the rest; list order within each.
    QTest::newRow("name begins before the rest") << u"brot"_s << QStringList{u"823"_s, u"829"_s, u"842"_s};
    QTest::newRow("a word after a hyphen begins a name word")
        << u"gratin"_s << QStringList{u"40"_s, u"1000"_s};
    QTest::newRow("all four groups") << u"roh"_s
                                     << QStringList{u"707"_s, u"17"_s, u"20"_s, u"30"_s, u"355"_s, u"771"_s};
    QTest::newRow("a later search word begins a name word") << u"roh apfel"_s << QStringList{u"17"_s};
    QTest::newRow("id equal first, then the list") << u"7"_s << QStringList{u"7"_s,    u"12345678901237"_s,
                                                                            u"1478"_s, u"17"_s,
                                                                            u"170"_s,  u"27"_s,
                                                                            u"574"_s,  u"707"_s,
                                                                            u"771"_s};
    QTest::newRow("id equal, blanks around it") << u" 170 "_s << QStringList{u"170"_s};
    QTest::newRow("name begins, own and Swiss food in list order")
        << u"hafer"_s << QStringList{u"170"_s, u"30512"_s};

    // Everything the characters of the field found before is still found.
    QTest::newRow("the first 14 characters still find on their own")
        << u"haferflocken, ZZ"_s << QStringList{u"170"_s};
    QTest::newRow("blanks only: ids shorter than 14, in list order")
        << u"    "_s
        << QStringList{u"1000"_s,  u"1199"_s, u"1478"_s, u"17"_s,  u"170"_s, u"20"_s,  u"27"_s, u"30"_s,
                       u"30512"_s, u"31"_s,   u"355"_s,  u"40"_s,  u"574"_s, u"65"_s,  u"7"_s,  u"707"_s,
                       u"771"_s,   u"823"_s,  u"829"_s,  u"842"_s, u"900"_s, u"942"_s, u"L"_s};
    QTest::newRow("a hyphen alone: the names holding one") << u"-"_s << QStringList{u"1199"_s, u"40"_s};
}

void TestFoodSearch::search()
{
    QFETCH(QString, search);
    QFETCH(QStringList, ids);
    QCOMPARE(FoundIds(Fixture(), search), ids);
}

void TestFoodSearch::emptySearchShowsTheWholeListInOrder()
{
    const FoodIndex &index = Fixture();
    QList<int> all(index.sortedCount());
    std::iota(all.begin(), all.end(), 0);
    QCOMPARE(FilterFoodPositions(index, QString()), all);
    QCOMPARE(FilterFoodPositions(BuildFoodIndex({}, {}), QString()), QList<int>());
    QCOMPARE(FilterFoodPositions(BuildFoodIndex({}, {}), u"apfel"_s), QList<int>());
}

void TestFoodSearch::withoutWordTable()
{
    const FoodIndex index = BuildFoodIndex(
        QStringList{u"Schweizer Nährwertdatenbank"_s, u"ID;Name"_s, u"Einheit"_s} + SwissFoods, {});
    QCOMPARE(FoundIds(index, u"sahne"_s), QStringList());
    QCOMPARE(FoundIds(index, u"rahm"_s), (QStringList{u"574"_s, u"65"_s}));
}

QTEST_GUILESS_MAIN(TestFoodSearch)
#include "tst_foodsearch.moc"
