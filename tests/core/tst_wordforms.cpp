#include "searchfold.h"
#include "wordforms.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordForms : public QObject
{
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
};

void TestWordForms::forms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("form");

    // What the stemmer does itself: plural and case endings, umlauts gone with the fold.
    QTest::newRow("Linsen") << u"Linsen"_s << u"lins"_s;
    QTest::newRow("Linse") << u"Linse"_s << u"lins"_s;
    QTest::newRow("Tomaten") << u"Tomaten"_s << u"tomat"_s;
    QTest::newRow("Tomate") << u"Tomate"_s << u"tomat"_s;
    QTest::newRow("Äpfel") << u"Äpfel"_s << u"apfel"_s;
    QTest::newRow("Apfel") << u"Apfel"_s << u"apfel"_s;
    QTest::newRow("Nüsse") << u"Nüsse"_s << u"nuss"_s;
    QTest::newRow("Hühner") << u"Hühner"_s << u"huhn"_s;
    QTest::newRow("Möhren, ö spelt out") << u"Moehren"_s << u"mohr"_s;
    // The rules it lacks: "-n" after "-el" and "-er", and the "-er" plural of "Ei".
    QTest::newRow("Kartoffeln") << u"Kartoffeln"_s << u"kartoffel"_s;
    QTest::newRow("Kartoffel") << u"Kartoffel"_s << u"kartoffel"_s;
    QTest::newRow("Zwiebeln") << u"Zwiebeln"_s << u"zwiebel"_s;
    QTest::newRow("Nudeln") << u"Nudeln"_s << u"nudel"_s;
    QTest::newRow("Eier") << u"Eier"_s << u"ei"_s;
    QTest::newRow("Eiern") << u"Eiern"_s << u"ei"_s;
    QTest::newRow("Ei") << u"Ei"_s << u"ei"_s;
    // Short words whose end only looks like a plural stay as they are.
    QTest::newRow("Bier") << u"Bier"_s << u"bier"_s;
    QTest::newRow("Tee") << u"Tee"_s << u"tee"_s;
    QTest::newRow("digits") << u"B12"_s << u"b12"_s;
}

void TestWordForms::forms()
{
    QFETCH(QString, word);
    QFETCH(QString, form);
    GermanWordForms forms;
    QCOMPARE(forms.formOf(FoldForSearch(word)), form);
}

QTEST_GUILESS_MAIN(TestWordForms)
#include "tst_wordforms.moc"
