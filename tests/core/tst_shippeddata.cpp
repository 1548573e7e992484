#include "extendedreference.h"
#include "foodmeasures.h"
#include "foodsearch.h"
#include "foodsearchtexts.h"
#include "foodstore.h"
#include "numbertext.h"
#include "nutrients.h"
#include "reference.h"
#include "searchfold.h"
#include "testfiles.h"

#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

QString ShippedDir()
{
    return QStringLiteral(KB_SHIPPED_DATA_DIR);
}

// A value cell of the Swiss table as NwChDb.dat must carry it: decimal comma, "k.A." for
// "n.d.", 0 for a trace ("tr.") and for a value below the limit of quantification ("<x").
QString ShippedValue(const QString &cell)
{
    if (cell == u"n.d.")
        return u"k.A."_s;
    if (cell == u"tr." || cell.startsWith(u'<'))
        return u"0"_s;
    return QString(cell).replace(u'.', u',');
}

} // namespace

// What a user sees from the data files that come with the program.
class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filesAreWindows1252WithCrLf_data();
    void filesAreWindows1252WithCrLf();
    void swissCount();
    void knownFoods_data();
    void knownFoods();
    void everyValueIsANumberOrMissing();
    void matchesTheSwissTable();
    void everySwissWordIsInTheTable();
    void searchesAsPeopleType_data();
    void searchesAsPeopleType();
    void pluralsFindWhatSingularsFind_data();
    void pluralsFindWhatSingularsFind();
    void householdMeasures();
    void dgeRows();
    void extendedReferenceRows();

private:
    FoodStore m_store{ShippedDir(), German};
};

void TestShippedData::initTestCase()
{
    QCOMPARE(m_store.loadFiles(), QStringList());
    m_store.buildIndex();
}

void TestShippedData::filesAreWindows1252WithCrLf_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("Swiss foods") << u"NwChDb.dat"_s;
    QTest::newRow("DGE rows") << u"NwRefWerteDge.dat"_s;
    QTest::newRow("extended reference rows") << u"NwRefWerteErweitert.dat"_s;
    QTest::newRow("word table") << u"NwWortliste.dat"_s;
    QTest::newRow("household measures") << u"NwPortionen.dat"_s;
}

void TestShippedData::filesAreWindows1252WithCrLf()
{
    QFETCH(QString, fileName);
    const QByteArray bytes = ReadBytes(ShippedDir() + u'/' + fileName);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(DecodeTextLines(bytes).encoding, TextEncoding::Windows1252); // no byte-order mark
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
}

void TestShippedData::swissCount()
{
    QCOMPARE(m_store.index().swissCountText(), u"  1190"_s);
    QCOMPARE(m_store.index().additionalCountText(), u"  0"_s); // no own foods are shipped
    QCOMPARE(m_store.index().count(), 1190);
    QCOMPARE(m_store.index().sortedCount(), 1190); // every id is unique
    QVERIFY(m_store.swissLines().first().startsWith(u"Schweizer Nährwertdatenbank Version 7.0;"_s));
}

void TestShippedData::knownFoods_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    // Energie, KoHydr, Zucker, Fett, Fet.gesä, Protein, Salz, Eisen, Magn., Calcium, Vit.B12, Vit.D, Wasser
    QTest::addColumn<QStringList>("values");
    QTest::newRow("apple") << u"378"_s << u"Apfel, roh"_s
                           << QStringList{u"52"_s,  u"11,6"_s, u"11,5"_s, u"0,3"_s, u"0,1"_s,
                                          u"0,3"_s, u"0,0"_s,  u"0,1"_s,  u"6,5"_s, u"5,3"_s,
                                          u"0"_s,   u"0"_s,    u"85,4"_s};
    QTest::newRow("smoked salmon") << u"193"_s << u"Lachs, geräuchert"_s
                                   << QStringList{u"173"_s,  u"0"_s,   u"0"_s,   u"8,9"_s, u"1,1"_s,
                                                  u"23,2"_s, u"4,1"_s, u"0"_s,   u"27"_s,  u"10"_s,
                                                  u"4,3"_s,  u"6,3"_s, u"62,5"_s};
    QTest::newRow("whole milk") << u"62"_s << u"Vollmilch, pasteurisiert"_s
                                << QStringList{u"68"_s,   u"4,7"_s, u"4,7"_s, u"4"_s,  u"2,4"_s,
                                               u"3,2"_s,  u"0,1"_s, u"0"_s,   u"10"_s, u"120"_s,
                                               u"0,33"_s, u"0,1"_s, u"87,3"_s};
    QTest::newRow("agave syrup, values not known")
        << u"10536"_s << u"Agavensirup"_s
        << QStringList{u"293"_s,  u"73,1"_s, u"k.A."_s, u"0"_s,    u"0"_s,    u"0,2"_s, u"0,0"_s,
                       u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s, u"k.A."_s};
    // Traces ("tr.") and values below the limit of quantification ("<0.3") count as 0.
    QTest::newRow("olives, traces and below the limit")
        << u"492"_s << u"Olive, grün, in Salzlake, abgetropft"_s
        << QStringList{u"154"_s, u"0"_s,  u"0"_s,  u"15,7"_s, u"2,3"_s, u"1,3"_s, u"3,2"_s,
                       u"0,2"_s, u"24"_s, u"58"_s, u"0"_s,    u"0"_s,   u"75,8"_s};
    QTest::newRow("quotes of the name kept")
        << u"1075"_s
        << u"Rind, Schulter, Braten \"medium\", im Ofen gebraten (ohne Zugabe von Fett und Salz)"_s
        << QStringList{u"146"_s, u"0"_s,  u"0"_s, u"3,6"_s,  u"1,3"_s, u"28,5"_s, u"0,1"_s,
                       u"2,4"_s, u"22"_s, u"5"_s, u"5,21"_s, u"0"_s,   u"67,9"_s};
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

// Cell by cell against the table NwChDb.dat is made from, when that table is at hand (it lies
// beside the repository, not in it): the foods in the table's order with id, name, synonyms
// and the thirteen values the program reads.
void TestShippedData::matchesTheSwissTable()
{
    QFile table(QStringLiteral(KB_SWISS_TABLE));
    if (!table.exists())
        QSKIP("the Swiss table is not beside the repository");
    QVERIFY(table.open(QIODevice::ReadOnly));
    QStringList rows = QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList headings = rows.takeFirst().split(u'\t');

    // The food line's fields are the table's columns, only name and synonyms are the German ones.
    const QStringList nutrientHeadings = {u"Energy, kilocalories (kcal)"_s,
                                          u"Carbohydrates, available (g)"_s,
                                          u"Sugars (g)"_s,
                                          u"Fat, total (g)"_s,
                                          u"Fatty acids, saturated (g)"_s,
                                          u"Protein (g)"_s,
                                          u"Salt (NaCl) (g)"_s,
                                          u"Iron (Fe) (mg)"_s,
                                          u"Magnesium (Mg) (mg)"_s,
                                          u"Calcium (Ca) (mg)"_s,
                                          u"Vitamin B12 (cobalamin) (µg)"_s,
                                          u"Vitamin D (calciferol) (µg)"_s,
                                          u"Water (g)"_s};
    const auto &catalogue = NutrientCatalogue();
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(headings.value(catalogue[k].swissColumn), nutrientHeadings.at(k));
    constexpr int NameColumn = 46;
    constexpr int SynonymsColumn = 47;
    QCOMPARE(headings.value(NameColumn), u"Name_DE"_s);
    QCOMPARE(headings.value(SynonymsColumn), u"Synonyms_DE"_s);

    const QStringList &lines = m_store.swissLines();
    QCOMPARE(lines.size(), rows.size() + 3);
    const FoodIndex &index = m_store.index();
    QStringList differences;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows.at(i).split(u'\t');
        QCOMPARE(cells.size(), headings.size());
        QStringList synonyms;
        for (const QString &synonym : cells.at(SynonymsColumn).split(u';')) {
            if (!synonym.trimmed().isEmpty())
                synonyms.append(synonym.trimmed());
        }
        QStringList expected = {cells.at(0), cells.at(NameColumn).trimmed(), synonyms.join(u", "_s)};
        QStringList shipped = SplitFoodLine(lines.at(i + 3), 3);
        const int position = index.findById(cells.at(0));
        const FoodRecord food = position >= 0 ? index.record(position) : FoodRecord();
        for (int k = 0; k < NutrientCount; ++k) {
            expected.append(ShippedValue(cells.at(catalogue[k].swissColumn)));
            shipped.append(food.values.value(k));
        }
        // The other nutrients as the lists read them: numbers, or no value for "n.d.".
        const ExtraNutrientValues *extras = index.extraValues(position);
        for (int e = 0; e < ExtraNutrientCount; ++e) {
            const QString cell = ShippedValue(cells.at(AllNutrients()[NutrientCount + e].swissColumn));
            double value = 0;
            expected.append(ReadDecimalText(cell, &value) ? QString::number(value, 'g', 17) : cell);
            const double read = extras != nullptr ? (*extras)[e] : 0;
            shipped.append(HasNutrientValue(read) ? QString::number(read, 'g', 17) : u"k.A."_s);
        }
        if (shipped != expected) {
            differences.append(
                u"line %1: %2 | table: %3"_s.arg(i + 3).arg(shipped.join(u'|'), expected.join(u'|')));
        }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 10).join(u'\n')));
}

// A pair whose Swiss word no food holds at the beginning of a word would be dead weight in the
// word table, and most likely a misspelling. Every food that holds it is found by the German
// word.
void TestShippedData::everySwissWordIsInTheTable()
{
    const QList<FoodWordPair> &words = m_store.words();
    QVERIFY(words.size() >= 150);
    const FoodIndex &index = m_store.index();
    QStringList nameAndSynonyms; // every id is unique: the sorted list has every food once
    for (int entry = 0; entry < index.sortedCount(); ++entry) {
        nameAndSynonyms.append(FoldForSearch(
            QString(index.sortedName(entry) + u' ' + index.synonyms(index.findById(index.sortedId(entry))))));
    }
    for (const FoodWordPair &pair : words) {
        const QString what = pair.word + u';' + pair.swissWord;
        const QString swissWord = FoldForSearch(pair.swissWord);
        const QList<int> found = FilterFoodPositions(index, pair.word);
        int holding = 0;
        for (int entry = 0; entry < index.sortedCount(); ++entry) {
            if (OccursAtWordBeginning(nameAndSynonyms.at(entry), swissWord)) {
                ++holding;
                QVERIFY2(found.contains(entry), qPrintable(what + u": "_s + index.sortedName(entry)));
            }
        }
        QVERIFY2(holding > 0, qPrintable(what));
    }
}

void TestShippedData::searchesAsPeopleType_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("ids");      // found, among others
    QTest::addColumn<QString>("firstId");      // the first row shown, where the order decides
    QTest::addColumn<QStringList>("notFound"); // not found

    // The words a new user tried first, each for a food the table names otherwise.
    QTest::newRow("walnuss") << u"walnuss"_s << QStringList{u"271"_s, u"831"_s, u"13402"_s} << QString()
                             << QStringList();
    QTest::newRow("feldsalat") << u"feldsalat"_s << QStringList{u"372"_s} << QString() << QStringList();
    QTest::newRow("sahne, not the skimmed milk") << u"sahne"_s << QStringList{u"65"_s, u"69"_s, u"574"_s}
                                                 << QString() << QStringList{u"59"_s, u"61"_s, u"1507"_s};
    QTest::newRow("möhre") << u"möhre"_s << QStringList{u"355"_s, u"566"_s, u"1002"_s} << QString()
                           << QStringList();
    QTest::newRow("moehre") << u"moehre"_s << QStringList{u"355"_s} << QString() << QStringList();
    QTest::newRow("hähnchen") << u"hähnchen"_s << QStringList{u"20"_s, u"22"_s, u"1675"_s} << QString()
                              << QStringList();
    QTest::newRow("brötchen") << u"brötchen"_s << QStringList{u"822"_s, u"844"_s, u"1463"_s} << QString()
                              << QStringList();
    QTest::newRow("apfel roh") << u"apfel roh"_s << QStringList{u"378"_s, u"13882"_s} << u"378"_s
                               << QStringList();
    QTest::newRow("älpler") << u"älpler"_s << QStringList{u"1478"_s} << u"1478"_s << QStringList();
    QTest::newRow("essig-öl") << u"essig-öl"_s << QStringList{u"1199"_s, u"1517"_s, u"1613"_s} << u"1199"_s
                              << QStringList();
    QTest::newRow("an id") << u"378"_s << QStringList{u"378"_s} << u"378"_s << QStringList();

    // Everyday words, plurals and compounds.
    QTest::newRow("hähnchenbrust") << u"Hähnchenbrust"_s << QStringList{u"20"_s, u"22"_s} << QString()
                                   << QStringList();
    QTest::newRow("apfelschorle") << u"Apfelschorle"_s << QStringList{u"1131"_s} << u"1131"_s
                                  << QStringList();
    QTest::newRow("bratkartoffeln") << u"Bratkartoffeln"_s << QStringList{u"858"_s} << QString()
                                    << QStringList();
    QTest::newRow("frikadelle") << u"Frikadelle"_s << QStringList{u"1583"_s, u"14250"_s} << QString()
                                << QStringList();
    QTest::newRow("linsen, the cooked ones too")
        << u"Linsen"_s << QStringList{u"370"_s, u"1060"_s, u"13385"_s, u"13386"_s} << QString()
        << QStringList();
    QTest::newRow("eier") << u"Eier"_s << QStringList{u"290"_s, u"1070"_s} << QString()
                          << QStringList{u"427"_s};
    QTest::newRow("tofu eiweiss") << u"tofu eiweiss"_s << QStringList{u"14149"_s} << QString()
                                  << QStringList();
    QTest::newRow("nudeln") << u"Nudeln"_s << QStringList{u"800"_s, u"1063"_s} << QString() << QStringList();
    QTest::newRow("paprika") << u"Paprika"_s << QStringList{u"359"_s, u"360"_s} << QString() << QStringList();
    QTest::newRow("pfifferling") << u"Pfifferling"_s << QStringList{u"376"_s, u"1038"_s} << QString()
                                 << QStringList();
    QTest::newRow("tomatenmark") << u"Tomatenmark"_s << QStringList{u"636"_s} << u"636"_s << QStringList();
    QTest::newRow("porree, not Knoblauch")
        << u"Porree"_s << QStringList{u"358"_s} << QString() << QStringList{u"356"_s, u"374"_s};

    // Best match first.
    QTest::newRow("joghurt: the plain one") << u"Joghurt"_s << QStringList() << u"52"_s << QStringList();
    QTest::newRow("quark: a plain one") << u"Quark"_s << QStringList() << u"571"_s << QStringList();
    QTest::newRow("brot: bread") << u"Brot"_s << QStringList() << u"10446"_s << QStringList();
}

void TestShippedData::searchesAsPeopleType()
{
    QFETCH(QString, search);
    QFETCH(QStringList, ids);
    QFETCH(QString, firstId);
    QFETCH(QStringList, notFound);
    const FoodIndex &index = m_store.index();
    QStringList found;
    for (const int position : FilterFoodPositions(index, search))
        found.append(index.sortedId(position));
    for (const QString &id : ids)
        QVERIFY2(found.contains(id), qPrintable(id));
    for (const QString &id : notFound)
        QVERIFY2(!found.contains(id), qPrintable(id));
    if (!firstId.isEmpty())
        QCOMPARE(found.value(0), firstId);
}

// A plural finds at least the foods its singular finds, so that "Kartoffeln" lists as many as
// "Kartoffel".
void TestShippedData::pluralsFindWhatSingularsFind_data()
{
    QTest::addColumn<QString>("plural");
    QTest::addColumn<QString>("singular");
    QTest::newRow("Kartoffeln") << u"Kartoffeln"_s << u"Kartoffel"_s;
    QTest::newRow("Linsen") << u"Linsen"_s << u"Linse"_s;
    QTest::newRow("Tomaten") << u"Tomaten"_s << u"Tomate"_s;
    QTest::newRow("Zwiebeln") << u"Zwiebeln"_s << u"Zwiebel"_s;
    QTest::newRow("Äpfel") << u"Äpfel"_s << u"Apfel"_s;
    QTest::newRow("Nüsse") << u"Nüsse"_s << u"Nuss"_s;
    QTest::newRow("Bohnen") << u"Bohnen"_s << u"Bohne"_s;
}

void TestShippedData::pluralsFindWhatSingularsFind()
{
    QFETCH(QString, plural);
    QFETCH(QString, singular);
    const FoodIndex &index = m_store.index();
    const QList<int> byPlural = FilterFoodPositions(index, plural);
    const QList<int> bySingular = FilterFoodPositions(index, singular);
    QVERIFY(!bySingular.isEmpty());
    for (const int position : bySingular)
        QVERIFY2(byPlural.contains(position), qPrintable(index.sortedName(position)));
}

// Every line names a Swiss food, a measure and a whole number of grams that such a measure can
// weigh; no food has a measure twice, and the sizes of a food's pieces and spoons are in order.
void TestShippedData::householdMeasures()
{
    const TextReadResult read = ReadTextFile(ShippedDir() + u"/NwPortionen.dat"_s);
    QCOMPARE(read.status, ReadStatus::Ok);
    const QStringList &lines = read.file.lines;
    QCOMPARE(lines.value(0), u"ID;Maß;Gramm;"_s);
    // The grams one of each measure may weigh: a slice of salami to one of water melon, a
    // teaspoon of cinnamon to one of honey, a glass of schnapps to one of beer.
    const QHash<QString, std::pair<int, int>> plausible{
        {u"Scheibe"_s, {3, 300}},     {u"Stück klein"_s, {1, 500}}, {u"Stück mittel"_s, {1, 800}},
        {u"Stück groß"_s, {1, 1000}}, {u"EL"_s, {3, 40}},           {u"TL"_s, {1, 15}},
        {u"Tasse"_s, {5, 300}},       {u"Glas"_s, {20, 500}},       {u"Becher"_s, {100, 500}},
        {u"Portion"_s, {10, 500}}};
    const FoodIndex &index = m_store.index();
    QHash<QString, QHash<QString, int>> byFood;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QStringList fields = line.split(u';');
        QVERIFY2(fields.size() == 4 && fields.at(3).isEmpty(), qPrintable(line));
        const int position = index.findById(fields.at(0));
        QVERIFY2(position >= 0 && index.record(position).dbType == u"NwChDb"_s, qPrintable(line));
        QVERIFY2(plausible.contains(fields.at(1)), qPrintable(line));
        bool whole = false;
        const int grams = fields.at(2).toInt(&whole);
        const auto [least, most] = plausible.value(fields.at(1));
        QVERIFY2(whole && QString::number(grams) == fields.at(2) && grams >= least && grams <= most,
                 qPrintable(line));
        QVERIFY2(!byFood[fields.at(0)].contains(fields.at(1)), qPrintable(line));
        byFood[fields.at(0)].insert(fields.at(1), grams);
    }
    QVERIFY(byFood.size() >= 300);
    for (auto food = byFood.cbegin(); food != byFood.cend(); ++food) {
        const QHash<QString, int> &measures = food.value();
        auto below = [&](const QString &smaller, const QString &larger) {
            return !measures.contains(smaller) || !measures.contains(larger) ||
                   measures.value(smaller) < measures.value(larger);
        };
        QVERIFY2(below(u"Stück klein"_s, u"Stück mittel"_s) && below(u"Stück mittel"_s, u"Stück groß"_s) &&
                     below(u"Stück klein"_s, u"Stück groß"_s) && below(u"TL"_s, u"EL"_s),
                 qPrintable(food.key()));
    }
    // The program reads every line.
    QCOMPARE(m_store.measures().foodCount(), byFood.size());
    QCOMPARE(MeasureListTexts(m_store.measures().measuresOf(u"10446"_s), u"100"_s),
             QStringList{u"1 Scheibe (50 g)"_s});
}

void TestShippedData::dgeRows()
{
    const ReferenceLoad load = LoadReferenceValues(ShippedDir(), SettingsList());
    QCOMPARE(load.message, QString());
    QCOMPARE(load.state.ageGroup, 3);
    QCOMPARE(load.state.active.title, u"Tagesbedarf '25 bis unter 51' (w) "_s);
    QCOMPARE(ReferenceValueTexts(load.state.active, GermanNumberLocale()),
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

// The reference values of the other nutrients, as the program reads them, go with the DGE rows.
void TestShippedData::extendedReferenceRows()
{
    const ExtendedReferenceTable table = LoadExtendedReferenceValues(ShippedDir());
    QVERIFY(table.found);
    QStringList shortNames;
    for (int e = 0; e < ExtraNutrientCount; ++e)
        shortNames.append(AllNutrients()[NutrientCount + e].shortName + u';');
    const QStringList lines = ReadTextFile(ShippedDir() + u"/NwRefWerteErweitert.dat"_s).file.lines;
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.at(1), shortNames.join(QString()));

    const auto column = [](const QString &shortName) {
        for (int e = 0; e < ExtraNutrientCount; ++e) {
            if (AllNutrients()[NutrientCount + e].shortName == shortName)
                return e;
        }
        return -1;
    };
    // No D-A-CH value for adults: shown without a reference in every row.
    const QStringList without = {u"EUFS"_s,    u"EPA"_s,      u"DHA"_s,     u"Cholest."_s, u"Stärke"_s,
                                 u"Alkohol"_s, u"Vit.A RE"_s, u"Retinol"_s, u"b-Car.Ak"_s, u"b-Carot."_s};
    // Shares of the row's energy at 9 kcal a gram, one decimal: women of 25 to under 51, 1800 kcal,
    // have 14, 5 and 1 g.
    const QList<QPair<QString, double>> shares = {{u"MUFS"_s, 7}, {u"Linols."_s, 2.5}, {u"a-Linol."_s, 0.5}};
    const ReferenceLoad dge = LoadReferenceValues(ShippedDir(), SettingsList());
    for (int row = 0; row < ExtendedReferenceRowCount; ++row) {
        const ExtendedReferenceRow &cells = table.rows[row];
        for (int e = 0; e < ExtraNutrientCount; ++e) {
            const bool none = without.contains(AllNutrients()[NutrientCount + e].shortName);
            QCOMPARE(cells.texts[e].isEmpty(), none);
        }
        for (const auto &[shortName, percent] : shares) {
            const double grams = percent / 100 * dge.state.table[row][0] / 9;
            QCOMPARE(cells.texts[column(shortName)], FormatGeneral(std::round(grams * 10) / 10, German));
        }
    }
    QCOMPARE(table.rows[3].texts[column(u"MUFS"_s)], u"14"_s);
    QCOMPARE(table.rows[3].texts[column(u"Linols."_s)], u"5"_s);
    QCOMPARE(table.rows[3].texts[column(u"a-Linol."_s)], u"1"_s);
    // Checked against the DGE: niacin for women from 51 is 11 mg equivalents, fibre 30 g for all.
    QCOMPARE(table.rows[5].texts[column(u"Niacin"_s)], u"11"_s);
    QCOMPARE(table.rows[0].values[column(u"Vit.B1"_s)], 1.3);
    for (int row = 0; row < ExtendedReferenceRowCount; ++row)
        QCOMPARE(table.rows[row].texts[column(u"Ballast."_s)], u"30"_s);
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
