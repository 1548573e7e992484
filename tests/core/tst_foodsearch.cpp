#include "foodindex.h"
#include "foodsearch.h"
#include "searchfold.h"
#include "searchvocabulary.h"
#include "wordforms.h"

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
    {u"Sahne"_s, u"Rahm"_s}, {u"Saure Sahne"_s, u"Sauerrahm"_s}, {u"Hähnchen"_s, u"Poulet"_s},
    {u"Zahl"_s, u"1199"_s},  {u"Schlagobers"_s, u"Sahne"_s},
};

const FoodIndex &Fixture()
{
    static const FoodIndex index =
        BuildFoodIndex(QStringList{u"Schweizer Nährwertdatenbank"_s, u"ID;Name"_s, u"Einheit"_s} + SwissFoods,
                       QStringList{u"Zusätzliche Lebensmittel"_s, u"ID;Lebensmittel;"_s} + OwnFoods,
                       QLocale(QLocale::German, QLocale::Germany), Words);
    return index;
}

// Foods for the order of the rows, the word forms and compounds: one or more for every class.
const QStringList RankedFoods{
    u"Quark;Topfen;"_s, // an id of letters
    u"71;Quark;"_s,
    u"72;Speisequark;Quark"_s,
    u"70;Quark, nature, Rahm;"_s,
    u"13501;Quark mit Früchten;"_s,
    u"1000;Kuchen mit Quark;"_s,
    u"1181;Quarkblätterteig, ungebacken;"_s,
    u"1300;Magerquark;"_s,
    u"52;Joghurt, nature;"_s,
    u"53;Joghurt, Erdbeer;"_s,
    u"58;Joghurt Bifidus, nature;"_s,
    u"1192;Joghurt gezuckert (Durchschnitt);"_s,
    u"1612;Joghurt-Salatsauce (ohne Öl);"_s,
    u"13451;Joghurtalternative, aus Soja;"_s,
    u"370;Linse, ganz, getrocknet;"_s,
    u"1060;Linse, gekocht;"_s,
    u"813;Kartoffel, geschält, roh;"_s,
    u"497;Kartoffelstärke;"_s,
    u"13406;Süsskartoffel, roh;"_s,
    u"290;Hühnerei, ganz, roh;"_s,
    u"799;Teigwaren mit Ei, trocken;"_s,
    u"285;Reis, weiss, roh;"_s,
    u"14149;Wurst, vegan, aus Tofu oder Sojaeiweiss;"_s,
    u"13437;Tofu, fest, nature;"_s,
    u"355;Karotte, roh;Möhre"_s,
    u"20;Poulet, Brust, roh;"_s,
    u"13460;Burger mit Poulet;"_s,
    u"378;Apfel, roh;"_s,
    u"1131;Fruchtsaft-Schorle, ungezuckert;"_s,
    u"59;Teilentrahmte Milch;"_s,
    u"65;Vollrahm;Rahm"_s,
    u"694;Rahmglace, Frucht;"_s,
};

const FoodIndex &RankedFixture()
{
    static const FoodIndex index = BuildFoodIndex(
        QStringList{u"Schweizer Nährwertdatenbank"_s, u"ID;Name"_s, u"Einheit"_s} + RankedFoods, {},
        QLocale(QLocale::German, QLocale::Germany),
        {{u"Hähnchen"_s, u"Poulet"_s}, {u"Sahne"_s, u"Rahm"_s}, {u"Ei"_s, u"Hühnerei"_s}});
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
    void ranked_data();
    void ranked();
    void compoundParts_data();
    void compoundParts();
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
    QTest::newRow("a word is one piece") << u"apfroh"_s << QStringList();
    QTest::newRow("hyphen splits, umlaut folds") << u"essig-öl"_s << QStringList{u"1199"_s};
    QTest::newRow("as written in the name") << u"essig-Öl"_s << QStringList{u"1199"_s};
    QTest::newRow("comma without blank") << u"rind,roh"_s << QStringList{u"30"_s};
    QTest::newRow("own food") << u"haferbrei"_s << QStringList{u"30512"_s};
    QTest::newRow("word in an id") << u"mnop"_s << QStringList{u"ABCDEFGHIJKLMNOP"_s};
    QTest::newRow("word beyond the 100th character of a name") << u"versteckt"_s << QStringList{u"L"_s};

    // The word table.
    QTest::newRow("German word for the Swiss one") << u"sahne"_s << QStringList{u"65"_s, u"574"_s};
    QTest::newRow("German word, umlaut spelt out") << u"haehnchen brust"_s << QStringList{u"20"_s};
    QTest::newRow("a Swiss word found only in an id brings nothing") << u"zahl"_s << QStringList();
    QTest::newRow("a word the table gave finds no further word") << u"schlagobers"_s << QStringList();

    // The order (see ranked() for every class): fewer name words first, then list order.
    QTest::newRow("name begins before the rest") << u"brot"_s << QStringList{u"823"_s, u"829"_s, u"842"_s};
    QTest::newRow("a word after a hyphen is a whole word") << u"gratin"_s << QStringList{u"40"_s, u"1000"_s};
    QTest::newRow("whole words, fewer name words first, then the rest")
        << u"roh"_s << QStringList{u"707"_s, u"17"_s, u"355"_s, u"20"_s, u"30"_s, u"771"_s};
    QTest::newRow("a later search word begins a name word") << u"roh apfel"_s << QStringList{u"17"_s};
    QTest::newRow("id equal first, then by name words")
        << u"7"_s << QStringList{u"7"_s,   u"12345678901237"_s, u"27"_s, u"574"_s, u"707"_s,
                                 u"771"_s, u"1478"_s,           u"17"_s, u"170"_s};
    QTest::newRow("id equal, blanks around it") << u" 170 "_s << QStringList{u"170"_s};
    QTest::newRow("name begins, the own food of one word first")
        << u"hafer"_s << QStringList{u"30512"_s, u"170"_s};

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
    QCOMPARE(FoundIds(index, u"rahm"_s), (QStringList{u"65"_s, u"574"_s}));
}

void TestFoodSearch::ranked_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("fallback");

    // Every class in its place: id equal; name, then synonym equal; the name's first word;
    // a whole word anywhere; a word beginning; the rest. Within a class fewer name words,
    // then list order.
    QTest::newRow("every class") << u"quark"_s << QStringList{u"Quark"_s, u"71"_s,   u"72"_s,   u"13501"_s,
                                                              u"70"_s,    u"1000"_s, u"1181"_s, u"1300"_s}
                                 << QString();
    QTest::newRow("the plain food of fewest words first")
        << u"Joghurt"_s << QStringList{u"52"_s, u"53"_s, u"1192"_s, u"58"_s, u"1612"_s, u"13451"_s}
        << QString();

    // Word forms, on both sides.
    QTest::newRow("plural finds singular") << u"linsen"_s << QStringList{u"1060"_s, u"370"_s} << QString();
    QTest::newRow("singular") << u"Linse"_s << QStringList{u"1060"_s, u"370"_s} << QString();
    QTest::newRow("-n after -el, as many as the singular")
        << u"kartoffeln"_s << QStringList{u"813"_s, u"497"_s, u"13406"_s} << QString();
    QTest::newRow("the singular") << u"kartoffel"_s << QStringList{u"813"_s, u"497"_s, u"13406"_s}
                                  << QString();
    QTest::newRow("a short form only as a whole word: Eier is no Reis")
        << u"Eier"_s << QStringList{u"290"_s, u"799"_s} << QString();

    // Both folds.
    QTest::newRow("ö spelt out") << u"moehre"_s << QStringList{u"355"_s} << QString();
    QTest::newRow("the fold keeping ae, oe, ue") << u"eiweiss"_s << QStringList{u"14149"_s} << QString();
    QTest::newRow("two words, one of them in the second fold")
        << u"tofu eiweiss"_s << QStringList{u"14149"_s} << QString();

    // The word table: Swiss words at word beginnings only; a German word stands for its Swiss
    // word in the order.
    QTest::newRow("Rahm as a word, not inside Teilentrahmte")
        << u"sahne"_s << QStringList{u"65"_s, u"694"_s, u"70"_s} << QString();
    QTest::newRow("the Swiss word first in the name")
        << u"Hähnchen"_s << QStringList{u"20"_s, u"13460"_s} << QString();

    // Compounds.
    QTest::newRow("a compound of known words") << u"hähnchenbrust"_s << QStringList{u"20"_s} << QString();
    QTest::newRow("its parts find nothing together: the head alone")
        << u"Apfelschorle"_s << QStringList{u"1131"_s}
        << u"Keine Treffer für „Apfelschorle“; gezeigt: „Schorle“"_s;
    QTest::newRow("the head as typed") << u"apfelschorle"_s << QStringList{u"1131"_s}
                                       << u"Keine Treffer für „apfelschorle“; gezeigt: „schorle“"_s;
    QTest::newRow("no known words") << u"xylofonbrot"_s << QStringList() << QString();
}

void TestFoodSearch::ranked()
{
    QFETCH(QString, search);
    QFETCH(QStringList, ids);
    QFETCH(QString, fallback);
    const FoodIndex &index = RankedFixture();
    const FoodSearchResult result = SearchFoods(index, search);
    QStringList found;
    for (const int position : result.positions)
        found.append(index.sortedId(position));
    QCOMPARE(found, ids);
    QCOMPARE(CompoundFallbackText(result), fallback);
    QCOMPARE(FilterFoodPositions(index, search), result.positions);
}

void TestFoodSearch::compoundParts_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("longest first") << QStringList{u"Hahn"_s, u"Hähnchen"_s, u"Brust"_s} << u"Hähnchenbrust"_s
                                   << QStringList{u"hahnchen"_s, u"brust"_s};
    QTest::newRow("two nouns") << QStringList{u"Schlag"_s, u"Sahne"_s} << u"schlagsahne"_s
                               << QStringList{u"schlag"_s, u"sahne"_s};
    QTest::newRow("a word after a hyphen is known")
        << QStringList{u"Apfel"_s, u"Fruchtsaft-Schorle"_s} << u"apfelschorle"_s
        << QStringList{u"apfel"_s, u"schorle"_s};
    QTest::newRow("three parts") << QStringList{u"Vollkorn"_s, u"Weizen"_s, u"Brot"_s}
                                 << u"vollkornweizenbrot"_s
                                 << QStringList{u"vollkorn"_s, u"weizen"_s, u"brot"_s};
    QTest::newRow("joining s") << QStringList{u"Rind"_s, u"Braten"_s} << u"rindsbraten"_s
                               << QStringList{u"rind"_s, u"braten"_s};
    QTest::newRow("joining n") << QStringList{u"Tomate"_s, u"Sauce"_s} << u"tomatensauce"_s
                               << QStringList{u"tomate"_s, u"sauce"_s};
    QTest::newRow("a final e dropped in front of the next part")
        << QStringList{u"Himbeere"_s, u"Joghurt"_s} << u"himbeerjoghurt"_s
        << QStringList{u"himbeer"_s, u"joghurt"_s};
    QTest::newRow("an inflected head") << QStringList{u"Hähnchen"_s, u"Brust"_s} << u"hähnchenbrüste"_s
                                       << QStringList{u"hahnchen"_s, u"bruste"_s};
    QTest::newRow("a head still being typed")
        << QStringList{u"Apfel"_s, u"Schorle"_s} << u"apfelscho"_s << QStringList{u"apfel"_s, u"scho"_s};
    QTest::newRow("ae, oe, ue kept") << QStringList{u"Soja"_s, u"Eiweiss"_s} << u"sojaeiweiss"_s
                                     << QStringList{u"soja"_s, u"eiweiss"_s};
    QTest::newRow("umlaut spelt out")
        << QStringList{u"Möhren"_s, u"Saft"_s} << u"moehrensaft"_s << QStringList{u"moehren"_s, u"saft"_s};
    QTest::newRow("an unknown part") << QStringList{u"Apfel"_s} << u"apfelxyz"_s << QStringList();
    QTest::newRow("parts of fewer than three letters")
        << QStringList{u"Ei"_s, u"Brot"_s} << u"eibrot"_s << QStringList();
    QTest::newRow("one known word is no compound") << QStringList{u"Brot"_s} << u"brot"_s << QStringList();
}

void TestFoodSearch::compoundParts()
{
    QFETCH(QStringList, known);
    QFETCH(QString, word);
    QFETCH(QStringList, parts);
    SearchVocabulary vocabulary;
    for (const QString &text : known) {
        const QString folded = FoldKeepingDigraphs(text);
        for (const QStringView knownWord : SearchWords(folded))
            vocabulary.add(knownWord);
    }
    GermanWordForms forms;
    vocabulary.finish(forms);
    QCOMPARE(vocabulary.compoundParts(FoldKeepingDigraphs(word), forms), parts);
}

QTEST_GUILESS_MAIN(TestFoodSearch)
#include "tst_foodsearch.moc"
