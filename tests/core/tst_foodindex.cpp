#include "fooddata.h"
#include "foodindex.h"
#include "foodsearchtexts.h"
#include "largefoodtable.h"

#include <QCollator>
#include <QtTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QLocale German(QLocale::German, QLocale::Germany);
const QStringList SwissHeader{u"Schweizer Nährwertdatenbank"_s, u"heads"_s, u"units"_s};
const QStringList OwnHeader{u"Zusätzliche Lebensmittel;;Stand;09.12.25;"_s, u"ID;Lebensmittel;"_s};

QStringList WithSwissHeader(const QStringList &foods)
{
    return SwissHeader + foods;
}

QStringList WithOwnHeader(const QStringList &foods)
{
    return OwnHeader + foods;
}

// A Swiss line whose every field names its own column, so a wrong column shows in the text.
QString MarkedSwissLine(int fieldCount)
{
    QStringList fields;
    for (int c = 0; c < fieldCount; ++c)
        fields.append(u"v%1"_s.arg(c));
    return fields.join(u';');
}

// What the sorted list is defined as, worked out the plain way: of the 'id=name' texts of all
// foods in index order, each whose case-folded form came before dropped, then a stable sort
// by the locale's case-insensitive collation.
QStringList CollatedIdNames(const FoodIndex &index, const QLocale &locale)
{
    QStringList idNames;
    QSet<QString> seen;
    for (int i = 0; i < index.count(); ++i) {
        const QString idName = index.text(i).section(u';', 0, 0);
        if (!seen.contains(idName.toCaseFolded())) {
            seen.insert(idName.toCaseFolded());
            idNames.append(idName);
        }
    }
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(idNames.begin(), idNames.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return idNames;
}

// Own foods that sort among, before and after the Swiss ones and collide with them: a
// case-only duplicate of a Swiss food and of an earlier own food (both dropped), a text equal
// to a Swiss one in collation only (a soft hyphen, which collation ignores; kept, after it).
QStringList MixedOwnLines(const QStringList &swissLines)
{
    QStringList own = OwnHeader;
    const QStringList first = swissLines.value(SwissHeader.size()).split(u';');
    const QStringList last = swissLines.value(swissLines.size() - 1).split(u';');
    own << u"%1;%2;1"_s.arg(first.value(0), first.value(1).toUpper()) << u"0;Aal;100"_s
        << u"%1;%2;1"_s.arg(last.value(0), last.value(1) + u"\u00ADx"_s) << u"zz;Zwieback;1"_s
        << u"ZZ;ZWIEBACK;1"_s
        << u"%1;%2;1"_s.arg(first.value(0), first.value(1)).replace(u"a"_s, u"\u00AD"_s + u'a');
    return own;
}

} // namespace

class TestFoodIndex : public QObject
{
    Q_OBJECT

private slots:
    void indexTexts_data();
    void indexTexts();
    void recordFields();
    void caseFoldOfEveryLatin1Letter();
    void findById_data();
    void findById();
    void sortedList_data();
    void sortedList();
    void sortedListOfRealTables_data();
    void sortedListOfRealTables();
    void ownFoodsMergedIntoKeptSwissOrder_data();
    void ownFoodsMergedIntoKeptSwissOrder();
    void searchTextsFollowTheSortedList();
    void countCaptions_data();
    void countCaptions();
    void emptyIndex();
    void hostileLines();
    void manyFoods();
};

void TestFoodIndex::indexTexts_data()
{
    QTest::addColumn<QStringList>("swiss");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("Swiss columns in nutrient order, field 50 ignored")
        << WithSwissHeader({MarkedSwissLine(55)}) << QStringList()
        << QStringList{u"v0=v1;100;v3;v13;v14;v4;v5;v17;v18;v42;v40;v39;v29;v34;v20;NwChDb;"_s};
    QTest::newRow("Swiss line with id and name only")
        << WithSwissHeader({u"123;Apfel roh"_s}) << QStringList()
        << QStringList{u"123=Apfel roh;100;;;;;;;;;;;;;;NwChDb;"_s};
    QTest::newRow("blank Swiss line")
        << WithSwissHeader({QString()}) << QStringList() << QStringList{u"=;100;;;;;;;;;;;;;;NwChDb;"_s};
    QTest::newRow("own line keeps piece reference and missing values")
        << QStringList() << WithOwnHeader({u"30512;Müsli;1;k.A.;2;3;4;5;6;7;8;9;10;11;12;13;extra;more"_s})
        << QStringList{u"30512=Müsli;1;k.A.;2;3;4;5;6;7;8;9;10;11;12;13;NwAnDb;"_s};
    QTest::newRow("blank own line") << QStringList() << WithOwnHeader({QString()})
                                    << QStringList{u"=" + QString(15, u';') + u"NwAnDb;"};
    QTest::newRow("Swiss first, then own, each in file order")
        << WithSwissHeader({u"2;B"_s, u"1;A"_s}) << WithOwnHeader({u"9;Z;100"_s, u"1;a;1"_s})
        << QStringList{u"2=B;100;;;;;;;;;;;;;;NwChDb;"_s, u"1=A;100;;;;;;;;;;;;;;NwChDb;"_s,
                       u"9=Z;100;;;;;;;;;;;;;;NwAnDb;"_s, u"1=a;1;;;;;;;;;;;;;;NwAnDb;"_s};
    QTest::newRow("headers only") << SwissHeader << OwnHeader << QStringList();
}

void TestFoodIndex::indexTexts()
{
    QFETCH(QStringList, swiss);
    QFETCH(QStringList, own);
    QFETCH(QStringList, texts);
    const FoodIndex index = BuildFoodIndex(swiss, own, German);
    QCOMPARE(index.count(), texts.size());
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(index.text(i), texts.at(i));
}

void TestFoodIndex::recordFields()
{
    const FoodIndex index = BuildFoodIndex(
        WithSwissHeader({u"1234;Apfel, roh;x;52;0,2;0;y;y;y;y;y;y;y;11,4;10,3"_s}),
        WithOwnHeader({u"30512;Haferbrei;1;68;12;0,5;1,4;0,3;2,4;0,1;k.A.;k.A.;20;0;0;84;"_s}), German);
    QCOMPARE(index.count(), 2);

    const FoodRecord swiss = index.record(0);
    QCOMPARE(swiss.id, u"1234"_s);
    QCOMPARE(swiss.name, u"Apfel, roh"_s);
    QCOMPARE(swiss.referenceAmount, u"100"_s);
    QCOMPARE(swiss.values.size(), NutrientCount);
    QCOMPARE(swiss.values.mid(0, 5), (QStringList{u"52"_s, u"11,4"_s, u"10,3"_s, u"0,2"_s, u"0"_s}));
    QCOMPARE(swiss.dbType, u"NwChDb"_s);
    QCOMPARE(DbCodeFor(swiss.dbType), u"1"_s);
    QCOMPARE(index.id(0), u"1234"_s);
    QCOMPARE(index.synonyms(0), u"x"_s);

    const FoodRecord own = index.record(1);
    QCOMPARE(own.id, u"30512"_s);
    QCOMPARE(own.referenceAmount, u"1"_s);
    QCOMPARE(own.values, (QStringList{u"68"_s, u"12"_s, u"0,5"_s, u"1,4"_s, u"0,3"_s, u"2,4"_s, u"0,1"_s,
                                      u"k.A."_s, u"k.A."_s, u"20"_s, u"0"_s, u"0"_s, u"84"_s}));
    QCOMPARE(own.dbType, u"NwAnDb"_s);
    QCOMPARE(DbCodeFor(own.dbType), u"2"_s);
    QCOMPARE(DbCodeFor(u"nwchdb"_s), u"2"_s);
    QCOMPARE(index.synonyms(1), QString()); // field 2 of an own food is its reference amount
}

void TestFoodIndex::caseFoldOfEveryLatin1Letter()
{
    // Ids that differ only in case are the same food; every character of the files' range
    // against its capital and small form, and against the micro sign's Greek capital.
    QStringList swiss = SwissHeader;
    for (char16_t c = 1; c < 0x100; ++c)
        swiss.append(u"x%1;n"_s.arg(QChar(c)));
    const FoodIndex index = BuildFoodIndex(swiss, {}, German);
    for (char16_t c = 1; c < 0x100; ++c) {
        for (const QString &probe :
             {QString(QChar(c)).toUpper(), QString(QChar(c)).toLower(), QString(QChar(c)).toCaseFolded()}) {
            const QString id = u"x"_s + probe;
            int expected = -1;
            for (int i = 0; i < index.count() && expected < 0; ++i) {
                if (index.id(i).toCaseFolded() == id.toCaseFolded())
                    expected = i;
            }
            QCOMPARE(index.findById(id), expected);
        }
    }
    QCOMPARE(index.findById(u"x\u039C"_s), index.findById(u"x\u00B5"_s));
}

void TestFoodIndex::findById_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("position");
    QTest::newRow("Swiss food") << u"1001"_s << 0;
    QTest::newRow("Swiss food wins over own food with the same id") << u"20"_s << 1;
    QTest::newRow("own food") << u"30512"_s << 3;
    QTest::newRow("letters ignore case") << u"abc"_s << 2;
    QTest::newRow("umlaut ignores case") << u"ÄX"_s << 5;
    QTest::newRow("unknown id") << u"99"_s << -1;
    QTest::newRow("prefix is not a match") << u"100"_s << -1;
    QTest::newRow("empty id finds the blank line") << QString() << 6;
}

void TestFoodIndex::findById()
{
    QFETCH(QString, id);
    QFETCH(int, position);
    const FoodIndex index = BuildFoodIndex(
        WithSwissHeader({u"1001;Apfel"_s, u"20;Zwieback"_s, u"ABC;Buchstaben"_s}),
        WithOwnHeader({u"30512;Haferbrei;100"_s, u"20;Eigener Zwieback;1"_s, u"äx;Umlaut;1"_s, QString()}),
        German);
    QCOMPARE(index.findById(id), position);
    QCOMPARE(FindFoodById(index, id), position);
}

void TestFoodIndex::sortedList_data()
{
    QTest::addColumn<QStringList>("swiss");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("ids sort as text")
        << WithSwissHeader({u"20;Zwieback"_s, u"100;Birne"_s, u"3;Apfel"_s}) << QStringList()
        << QStringList{u"100=Birne"_s, u"20=Zwieback"_s, u"3=Apfel"_s};
    QTest::newRow("case-only duplicate keeps the first spelling")
        << WithSwissHeader({u"12;Apfel"_s}) << WithOwnHeader({u"12;APFEL;1"_s, u"12;Apfel roh;1"_s})
        << QStringList{u"12=Apfel"_s, u"12=Apfel roh"_s};
    QTest::newRow("same name, other id stays")
        << WithSwissHeader({u"1;Ei"_s, u"2;Ei"_s}) << QStringList() << QStringList{u"1=Ei"_s, u"2=Ei"_s};
    QTest::newRow("case-insensitive German collation")
        << WithSwissHeader({u"1;Zwiebel"_s, u"1;Äpfel"_s, u"1;Birne"_s, u"1;apfel"_s}) << QStringList()
        << QStringList{u"1=apfel"_s, u"1=Äpfel"_s, u"1=Birne"_s, u"1=Zwiebel"_s};
    // × and ÷ are no letters, and ß does not fold to ss: those are different foods.
    QTest::newRow("case-only duplicates in and beyond Latin-1")
        << WithSwissHeader({u"7;ÀÉÎÞ x"_s, u"8;\u00B5g"_s, u"9;Straße"_s})
        << WithOwnHeader({u"7;àéîþ X;1"_s, u"8;\u039CG;1"_s, u"9;STRASSE;1"_s, u"7;À×;1"_s, u"7;à÷;1"_s})
        << QStringList{u"7=à÷"_s, u"7=À×"_s, u"7=ÀÉÎÞ x"_s, u"8=\u00B5g"_s, u"9=STRASSE"_s, u"9=Straße"_s};
    QTest::newRow("blank line sorts as '='")
        << WithSwissHeader({u"5;Quark"_s, QString()}) << QStringList() << QStringList{u"="_s, u"5=Quark"_s};
}

void TestFoodIndex::sortedList()
{
    QFETCH(QStringList, swiss);
    QFETCH(QStringList, own);
    QFETCH(QStringList, sorted);
    const FoodIndex index = BuildFoodIndex(swiss, own, German);
    QCOMPARE(index.sortedTexts(), sorted);
    QCOMPARE(index.sortedCount(), sorted.size());
    for (int i = 0; i < sorted.size(); ++i) {
        const QString &text = sorted.at(i);
        QCOMPARE(index.sortedId(i) + u'=' + index.sortedName(i), text);
    }
}

void TestFoodIndex::sortedListOfRealTables_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<QLocale>("locale");
    for (const int copies : {1, 15}) {
        QTest::addRow("%d times the shipped table, German", copies) << copies << German;
        QTest::addRow("%d times the shipped table, C locale", copies) << copies << QLocale::c();
    }
}

void TestFoodIndex::sortedListOfRealTables()
{
    // The list is made with sort keys or a merge of two sorted parts; on the real table and
    // on one fifteen times its size, with the generated own foods and with mixed ones, it
    // must be the plain collation sort.
    QFETCH(int, copies);
    QFETCH(QLocale, locale);
    QTemporaryDir folder;
    QCOMPARE(WriteLargeFoodTables(QStringLiteral(KB_SHIPPED_DATA_DIR), folder.path(), copies), QString());
    const SwissFoodLoad swiss = LoadSwissDatabase(folder.path());
    const FoodFileLoad own = LoadAdditionalFoods(folder.path());
    const FoodIndex index = BuildDeferredFoodIndex(swiss.lines, own.lines, locale);
    QCOMPARE(index.count(), swiss.lines.size() - SwissHeader.size() + 1001);
    QCOMPARE(index.sortedTexts(), CollatedIdNames(index, locale));

    const FoodIndex saved = index.withOwnFoods(MixedOwnLines(swiss.lines.lines()));
    QCOMPARE(saved.sortedTexts(), CollatedIdNames(saved, locale));
    QCOMPARE(saved.sortedCount(), index.sortedCount() - 1001 + 4);
}

void TestFoodIndex::ownFoodsMergedIntoKeptSwissOrder_data()
{
    QTest::addColumn<QStringList>("swiss");
    QTest::addColumn<QStringList>("ownBefore");
    QTest::addColumn<QStringList>("ownAfter");
    QTest::addColumn<QLocale>("locale");

    const QStringList swiss =
        WithSwissHeader({u"20;Zwieback;Brot"_s, u"3;Äpfel;Obst"_s, u"3;äpfel"_s, u"100;Birne"_s});
    QTest::newRow("own foods replaced, German")
        << swiss << WithOwnHeader({u"5;Quark;100"_s}) << MixedOwnLines(swiss) << German;
    QTest::newRow("own foods replaced, C locale")
        << swiss << WithOwnHeader({u"5;Quark;100"_s}) << MixedOwnLines(swiss) << QLocale::c();
    QTest::newRow("own foods removed") << swiss << MixedOwnLines(swiss) << OwnHeader << German;
    QTest::newRow("no Swiss foods") << QStringList() << OwnHeader << MixedOwnLines(swiss) << German;
}

void TestFoodIndex::ownFoodsMergedIntoKeptSwissOrder()
{
    QFETCH(QStringList, swiss);
    QFETCH(QStringList, ownBefore);
    QFETCH(QStringList, ownAfter);
    QFETCH(QLocale, locale);
    const FoodIndex before = BuildFoodIndex(swiss, ownBefore, locale, {{u"Frucht"_s, u"Obst"_s}});
    before.sortedTexts(); // the Swiss part is sorted now and kept
    const FoodIndex after = before.withOwnFoods(ownAfter);
    const FoodIndex built = BuildFoodIndex(swiss, ownAfter, locale, {{u"Frucht"_s, u"Obst"_s}});

    for (int i = 0; i < built.count(); ++i)
        QCOMPARE(after.text(i), built.text(i));
    QCOMPARE(after.count(), built.count());
    QCOMPARE(after.swissCountText(), built.swissCountText());
    QCOMPARE(after.additionalCountText(), built.additionalCountText());
    QCOMPARE(after.sortedTexts(), built.sortedTexts());
    QCOMPARE(after.sortedTexts(), CollatedIdNames(built, locale));
    for (int i = 0; i < built.sortedCount(); ++i) {
        QCOMPARE(after.searchTexts().foldedId(i), built.searchTexts().foldedId(i));
        QCOMPARE(after.searchTexts().wordsText(i), built.searchTexts().wordsText(i));
        QCOMPARE(after.findById(after.sortedId(i)), built.findById(built.sortedId(i)));
    }
    // The earlier index is left as it was.
    QCOMPARE(before.sortedTexts(), CollatedIdNames(before, locale));
}

void TestFoodIndex::searchTextsFollowTheSortedList()
{
    // The own 'APFEL' is a case-only duplicate: its entry is the Swiss food's, with its synonyms.
    const FoodIndex index = BuildFoodIndex(
        WithSwissHeader({u"20;Zwieback;Brot"_s, u"3;Äpfel;Obst, Kernobst"_s}),
        WithOwnHeader({u"3;ÄPFEL;1"_s, u"4;Mus aus Äpfeln;1"_s}), German, {{u"Frucht"_s, u"Obst"_s}});
    const FoodSearchTexts &texts = index.searchTexts();
    QCOMPARE(index.sortedTexts(), (QStringList{u"20=Zwieback"_s, u"3=Äpfel"_s, u"4=Mus aus Äpfeln"_s}));
    QCOMPARE(texts.count(), 3);
    QCOMPARE(texts.wordsText(0), u"zwieback / brot"_s);
    QCOMPARE(texts.wordsText(1), u"apfel / obst / kernobst / +frucht"_s);
    QCOMPARE(texts.wordsText(2), u"mus aus apfeln"_s);
    QCOMPARE(texts.foldedId(1), u"3"_s);
    // Every copy of the index shares what was worked out once.
    const FoodIndex copy = index;
    QCOMPARE(&copy.searchTexts(), &texts);
}

void TestFoodIndex::countCaptions_data()
{
    QTest::addColumn<int>("swissLines");
    QTest::addColumn<int>("ownLines");
    QTest::addColumn<QString>("swissCaption");
    QTest::addColumn<QString>("ownCaption");
    QTest::newRow("both missing") << 0 << 0 << u"  0"_s << u"  0"_s;
    QTest::newRow("fewer lines than headers") << 2 << 1 << u"  0"_s << u"  0"_s;
    QTest::newRow("headers only") << 3 << 2 << u"  0"_s << u"  0"_s;
    QTest::newRow("one food each") << 4 << 3 << u"  1"_s << u"  1"_s;
    QTest::newRow("1193 Swiss lines") << 1193 << 12 << u"  1190"_s << u"  10"_s;
}

void TestFoodIndex::countCaptions()
{
    QFETCH(int, swissLines);
    QFETCH(int, ownLines);
    QFETCH(QString, swissCaption);
    QFETCH(QString, ownCaption);
    const FoodIndex index =
        BuildFoodIndex(QStringList(swissLines, u"1;x"_s), QStringList(ownLines, u"2;y"_s), German);
    QCOMPARE(index.swissCountText(), swissCaption);
    QCOMPARE(index.additionalCountText(), ownCaption);
}

void TestFoodIndex::emptyIndex()
{
    const FoodIndex fresh;
    QCOMPARE(fresh.count(), 0);
    QCOMPARE(fresh.findById(u"1"_s), -1);
    QCOMPARE(fresh.findById(QString()), -1);
    QCOMPARE(fresh.swissCountText(), u"  0"_s);
    QCOMPARE(fresh.additionalCountText(), u"  0"_s);

    const FoodIndex built = BuildFoodIndex({}, {}, German);
    QCOMPARE(built.count(), 0);
    QCOMPARE(built.sortedCount(), 0);
    QCOMPARE(built.swissCountText(), u"  0"_s);
}

void TestFoodIndex::hostileLines()
{
    const QStringList lines{QString(10000, u';'), QString(10000, u'x'),
                            QString(10000, u'='), QString::fromLatin1("\x01\x02\xFF;\xFE", 5),
                            u"=;=;=;"_s,          QString(3000, u'=') + u";a"_s};
    const FoodIndex index = BuildFoodIndex(WithSwissHeader(lines), WithOwnHeader(lines), German);
    QCOMPARE(index.count(), 2 * lines.size());
    QCOMPARE(index.text(0), u"=;100;;;;;;;;;;;;;;NwChDb;"_s);
    QCOMPARE(index.record(1).name, QString());
    QCOMPARE(index.id(1).size(), 10000);
    for (int i = 0; i < index.count(); ++i)
        QCOMPARE(index.record(i).values.size(), NutrientCount);
    QCOMPARE(index.findById(QString(10000, u'X')), 1);
    QVERIFY(index.sortedCount() > 0);
}

void TestFoodIndex::manyFoods()
{
    // About the size of the real table, with an own food repeating every tenth id in capitals.
    QStringList swiss = SwissHeader;
    QStringList own = OwnHeader;
    for (int i = 0; i < 1200; ++i)
        swiss.append(u"%1;Lebensmittel %2;x;%3"_s.arg(i).arg(1199 - i).arg(i));
    for (int i = 0; i < 1200; i += 10)
        own.append(u"%1;LEBENSMITTEL %2;1"_s.arg(i).arg(1199 - i));
    const FoodIndex index = BuildFoodIndex(swiss, own, German);
    QCOMPARE(index.count(), 1320);
    QCOMPARE(index.sortedCount(), 1200);
    QCOMPARE(index.swissCountText(), u"  1200"_s);
    QCOMPARE(index.additionalCountText(), u"  120"_s);
    for (int i = 0; i < 1200; ++i)
        QCOMPARE(index.findById(QString::number(i)), i);
    QCOMPARE(index.sortedTexts().first(), u"0=Lebensmittel 1199"_s);
    QCOMPARE(index.sortedTexts().last(), u"999=Lebensmittel 200"_s);
}

QTEST_GUILESS_MAIN(TestFoodIndex)
#include "tst_foodindex.moc"
