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
};

void TestSearchFold::fold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");

    QTest::newRow("umlaut, capital and small") << u"ÄPFEL äpfel"_s << u"apfel apfel"_s;
    QTest::newRow("umlaut and its spelling meet") << u"Möhre moehre"_s << u"mohre mohre"_s;
    QTest::newRow("ue after the umlaut is gone") << u"Müesli"_s << u"musli"_s;
    QTest::newRow("digraphs inside plain words too") << u"Bauernbrot Kaffee"_s << u"baurnbrot kaffee"_s;
    QTest::newRow("one pass from the left") << u"aee ueue"_s << u"ae uu"_s;
    QTest::newRow("sharp s, small and capital") << u"Weißwurst WEIẞWURST"_s << u"weisswurst weisswurst"_s;
    QTest::newRow("accents of French and Italian")
        << u"Crème fraîche, Entrecôte, Café, Ñ"_s << u"creme fraiche, entrecote, cafe, n"_s;
    QTest::newRow("ligatures") << u"Bœuf Æ Øl ﬁlet"_s << u"bouf a ol filet"_s;
    QTest::newRow("letter and combining mark apart") << u"A\u0308pfel e\u0301"_s << u"apfel e"_s;
    QTest::newRow("capital I with dot") << u"İnci"_s << u"inci"_s;
    QTest::newRow("separators and digits stay") << u"Essig-Öl, 13.5 vol%"_s << u"essig-ol, 13.5 vol%"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestSearchFold::fold()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(FoldForSearch(text), folded);
}

void TestSearchFold::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("blanks, commas and hyphens")
        << u"  apfel,roh-saft \tgross"_s << QStringList{u"apfel"_s, u"roh"_s, u"saft"_s, u"gross"_s};
    QTest::newRow("runs of separators give no empty words") << u"a ,- b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("a dash as pasted") << u"essig–öl"_s << QStringList{u"essig"_s, u"öl"_s};
    QTest::newRow("other marks belong to the word")
        << u"(roh) 13.5%"_s << QStringList{u"(roh)"_s, u"13.5%"_s};
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

QTEST_GUILESS_MAIN(TestSearchFold)
#include "tst_searchfold.moc"
