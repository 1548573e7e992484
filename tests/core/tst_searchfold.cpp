#include "searchfold.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSearchFold : public QObject
{
    Q_OBJECT

private slots:
    void fold_data();
    void fold();
    void words_data();
    void words();
    void wordBeginnings_data();
    void wordBeginnings();
};

void TestSearchFold::fold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");       // FoldForSearch
    QTest::addColumn<QString>("keptDigraphs"); // FoldKeepingDigraphs

    QTest::newRow("umlaut, capital and small") << u"ÄPFEL äpfel"_s << u"apfel apfel"_s << u"apfel apfel"_s;
    QTest::newRow("umlaut and its spelling meet in the first form")
        << u"Möhre moehre"_s << u"mohre mohre"_s << u"mohre moehre"_s;
    QTest::newRow("ue after the umlaut is gone") << u"Müesli"_s << u"musli"_s << u"muesli"_s;
    QTest::newRow("digraphs inside plain words too")
        << u"Bauernbrot Kaffee"_s << u"baurnbrot kaffee"_s << u"bauernbrot kaffee"_s;
    QTest::newRow("the second form keeps a word the first one cuts")
        << u"Sojaeiweiss"_s << u"sojaiweiss"_s << u"sojaeiweiss"_s;
    QTest::newRow("one pass from the left") << u"aee ueue"_s << u"ae uu"_s << u"aee ueue"_s;
    QTest::newRow("sharp s, small and capital")
        << u"Weißwurst WEIẞWURST"_s << u"weisswurst weisswurst"_s << u"weisswurst weisswurst"_s;
    QTest::newRow("accents of French and Italian")
        << u"Crème fraîche, Entrecôte, Café, Ñ"_s << u"creme fraiche, entrecote, cafe, n"_s
        << u"creme fraiche, entrecote, cafe, n"_s;
    QTest::newRow("ligatures") << u"Bœuf Æ Øl ﬁlet"_s << u"bouf a ol filet"_s << u"boeuf ae ol filet"_s;
    QTest::newRow("letter and combining mark apart")
        << u"A\u0308pfel e\u0301"_s << u"apfel e"_s << u"apfel e"_s;
    QTest::newRow("capital I with dot") << u"İnci"_s << u"inci"_s << u"inci"_s;
    QTest::newRow("separators and digits stay")
        << u"Essig-Öl, 13.5 vol%"_s << u"essig-ol, 13.5 vol%"_s << u"essig-ol, 13.5 vol%"_s;
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestSearchFold::fold()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QFETCH(QString, keptDigraphs);
    QCOMPARE(FoldForSearch(text), folded);
    QCOMPARE(FoldKeepingDigraphs(text), keptDigraphs);
    QCOMPARE(WithoutDigraphs(keptDigraphs), folded);
}

void TestSearchFold::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("blanks, commas and hyphens")
        << u"  apfel,roh-saft \tgross"_s << QStringList{u"apfel"_s, u"roh"_s, u"saft"_s, u"gross"_s};
    QTest::newRow("runs of separators give no empty words") << u"a ,- b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("a dash as pasted") << u"essig–öl"_s << QStringList{u"essig"_s, u"öl"_s};
    QTest::newRow("every character that is no letter or digit separates")
        << u"(roh) 13.5% Fruchtsaft-Schorle/Saft"_s
        << QStringList{u"roh"_s, u"13"_s, u"5"_s, u"Fruchtsaft"_s, u"Schorle"_s, u"Saft"_s};
    QTest::newRow("umlauts, ß and combining marks are letters")
        << u"Hähnchen Weiß A\u0308pfel"_s << QStringList{u"Hähnchen"_s, u"Weiß"_s, u"A\u0308pfel"_s};
    QTest::newRow("separators only") << u" - "_s << QStringList();
}

void TestSearchFold::words()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    for (const QStringView word : SearchWords(text))
        found.append(word.toString());
    QCOMPARE(found, words);
}

void TestSearchFold::wordBeginnings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("begins");

    QTest::newRow("a synonym after a comma") << u"quark, nature, rahm"_s << u"rahm"_s << true;
    QTest::newRow("the start of the text") << u"rahmglace, frucht"_s << u"rahm"_s << true;
    QTest::newRow("inside a word") << u"teilentrahmte milch"_s << u"rahm"_s << false;
    QTest::newRow("the end of a word") << u"vollrahm"_s << u"rahm"_s << false;
    QTest::newRow("inside first, then at a beginning") << u"sauerrahm (rahm)"_s << u"rahm"_s << true;
    QTest::newRow("after a hyphen") << u"fruchtsaft-schorle"_s << u"schorle"_s << true;
    QTest::newRow("two words") << u"bohne, grun, roh"_s << u"bohne, grun"_s << true;
}

void TestSearchFold::wordBeginnings()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(bool, begins);
    QCOMPARE(OccursAtWordBeginning(text, word), begins);
}

QTEST_GUILESS_MAIN(TestSearchFold)
#include "tst_searchfold.moc"
