#include "amounttext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Bread: a slice and the three piece sizes, and the measures of a spoon and a cup.
const QList<FoodMeasure> Bread{{u"Scheibe"_s, 50},    {u"Stück klein"_s, 30}, {u"Stück mittel"_s, 60},
                               {u"Stück groß"_s, 90}, {u"EL"_s, 10},          {u"TL"_s, 3},
                               {u"Tasse"_s, 150},     {u"Glas"_s, 200},       {u"Becher"_s, 180},
                               {u"Portion"_s, 120}};
// An apple: only one piece size.
const QList<FoodMeasure> Apple{{u"Stück groß"_s, 200}};

const QString Unknown = u"Das Maß „%1“ ist für dieses Lebensmittel nicht bekannt."_s;

} // namespace

Q_DECLARE_METATYPE(FoodMeasure)

class TestAmountText : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void fromTheSourceOfAFood();
};

void TestAmountText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<FoodMeasure>>("measures");
    QTest::addColumn<QString>("referenceAmount");
    QTest::addColumn<QString>("amount");  // for EnterFood; empty when refused
    QTest::addColumn<QString>("measure"); // the measure text, or the refusal

    // Plain amounts stay as typed, so EnterFood checks them as before.
    QTest::newRow("grams") << u"150"_s << Bread << u"100"_s << u"150"_s << QString();
    QTest::newRow("decimal comma") << u"12,5"_s << Bread << u"100"_s << u"12,5"_s << QString();
    QTest::newRow("no number: for EnterFood to refuse")
        << u"5-"_s << Bread << u"100"_s << u"5-"_s << QString();
    QTest::newRow("empty") << QString() << Bread << u"100"_s << QString() << QString();
    QTest::newRow("the food's unit, grams") << u"150 g"_s << Bread << u"100"_s << u"150"_s << QString();
    QTest::newRow("the food's unit, pieces")
        << u"2 Stück"_s << QList<FoodMeasure>() << u"1"_s << u"2"_s << QString();

    // Measures, singular and plural, any case.
    QTest::newRow("2 Scheiben") << u"2 Scheiben"_s << Bread << u"100"_s << u"100"_s
                                << u"2 Scheiben (100 g)"_s;
    QTest::newRow("1 Scheibe") << u"1 Scheibe"_s << Bread << u"100"_s << u"50"_s << u"1 Scheibe (50 g)"_s;
    QTest::newRow("the measure alone is one")
        << u"scheibe"_s << Bread << u"100"_s << u"50"_s << u"1 Scheibe (50 g)"_s;
    QTest::newRow("1,5 EL") << u"1,5 EL"_s << Bread << u"100"_s << u"15"_s << u"1,5 EL (15 g)"_s;
    QTest::newRow("decimal point") << u"1.5 el"_s << Bread << u"100"_s << u"15"_s << u"1.5 EL (15 g)"_s;
    QTest::newRow("½ Tasse") << u"½ Tasse"_s << Bread << u"100"_s << u"75"_s << u"½ Tasse (75 g)"_s;
    QTest::newRow("1½ Tassen") << u"1½ Tassen"_s << Bread << u"100"_s << u"225"_s << u"1½ Tassen (225 g)"_s;
    QTest::newRow("1 1/2 Gläser") << u"1 1/2 Gläser"_s << Bread << u"100"_s << u"300"_s
                                  << u"1 1/2 Gläser (300 g)"_s;
    QTest::newRow("a third, three decimals")
        << u"1/3 Tasse"_s << Bread << u"100"_s << u"50"_s << u"1/3 Tasse (50 g)"_s;
    QTest::newRow("⅓ of a cup") << u"⅓ Becher"_s << Bread << u"100"_s << u"60"_s << u"⅓ Becher (60 g)"_s;
    QTest::newRow("no blank") << u"3TL"_s << Bread << u"100"_s << u"9"_s << u"3 TL (9 g)"_s;
    QTest::newRow("spoons spelt out") << u"2 Esslöffel"_s << Bread << u"100"_s << u"20"_s << u"2 EL (20 g)"_s;
    QTest::newRow("teaspoons, ß and umlaut spelt out")
        << u"2 Teeloeffel"_s << Bread << u"100"_s << u"6"_s << u"2 TL (6 g)"_s;
    QTest::newRow("portions") << u"2 Portionen"_s << Bread << u"100"_s << u"240"_s
                              << u"2 Portionen (240 g)"_s;
    QTest::newRow("a cup of yoghurt")
        << u"1 Becher"_s << Bread << u"100"_s << u"180"_s << u"1 Becher (180 g)"_s;
    QTest::newRow("a fraction of an amount")
        << u"0,25 Scheiben"_s << Bread << u"100"_s << u"12,5"_s << u"0,25 Scheibe (12,5 g)"_s;
    QTest::newRow("no amount: for EnterFood to refuse")
        << u"0 EL"_s << Bread << u"100"_s << u"0"_s << u"0 EL (0 g)"_s;

    // Pieces of three sizes; "Stück" alone is a middle one.
    QTest::newRow("Stück alone") << u"Stück"_s << Bread << u"100"_s << u"60"_s << u"1 Stück mittel (60 g)"_s;
    QTest::newRow("2 Stück") << u"2 Stück"_s << Bread << u"100"_s << u"120"_s << u"2 Stück mittel (120 g)"_s;
    QTest::newRow("Stück groß") << u"1 Stück groß"_s << Bread << u"100"_s << u"90"_s
                                << u"1 Stück groß (90 g)"_s;
    QTest::newRow("großes Stück") << u"1 großes Stück"_s << Bread << u"100"_s << u"90"_s
                                  << u"1 Stück groß (90 g)"_s;
    QTest::newRow("kleine Stücke") << u"3 kleine Stücke"_s << Bread << u"100"_s << u"90"_s
                                   << u"3 Stück klein (90 g)"_s;
    QTest::newRow("Stück alone, the only size")
        << u"2 Stück"_s << Apple << u"100"_s << u"400"_s << u"2 Stück groß (400 g)"_s;

    // A recipe saved per portion.
    QTest::newRow("portions of a recipe")
        << u"2 Portionen"_s << QList<FoodMeasure>{{u"Portion"_s, 1}} << u"1"_s << u"2"_s << u"2 Portionen"_s;

    // Refused: a measure the food does not have, a word that is no measure.
    QTest::newRow("unknown for this food")
        << u"2 Scheiben"_s << Apple << u"100"_s << QString() << Unknown.arg(u"Scheibe"_s);
    QTest::newRow("Stück mittel unknown")
        << u"1 Stück mittel"_s << Apple << u"100"_s << QString() << Unknown.arg(u"Stück mittel"_s);
    QTest::newRow("no measures at all")
        << u"1 EL"_s << QList<FoodMeasure>() << u"100"_s << QString() << Unknown.arg(u"EL"_s);
    QTest::newRow("no measure word") << u"2 Handvoll"_s << Bread << u"100"_s << QString()
                                     << Unknown.arg(u"Handvoll"_s);
    QTest::newRow("grams of a food counted in pieces")
        << u"100 g"_s << QList<FoodMeasure>{{u"Portion"_s, 1}} << u"1"_s << QString() << Unknown.arg(u"g"_s);
    QTest::newRow("a size without a piece")
        << u"1 groß"_s << Bread << u"100"_s << QString() << Unknown.arg(u"groß"_s);
}

void TestAmountText::read()
{
    QFETCH(QString, text);
    QFETCH(QList<FoodMeasure>, measures);
    QFETCH(QString, referenceAmount);
    QFETCH(QString, amount);
    QFETCH(QString, measure);
    const AmountReading reading = ReadAmountText(text, measures, referenceAmount);
    QCOMPARE(reading.amountText, amount);
    QCOMPARE(reading.refused ? reading.message : reading.measureText, measure);
    QCOMPARE(reading.refused, amount.isEmpty() && !text.isEmpty());
    QVERIFY(text.size() <= AmountFieldLength);
}

void TestAmountText::fromTheSourceOfAFood()
{
    const FoodMeasures source = FoodMeasures::fromLines({u"ID;Maß;Gramm;"_s, u"10446;Scheibe;50;"_s});
    QCOMPARE(ReadAmountForFood(u"2 Scheiben"_s, source, u"10446"_s, u"100"_s).amountText, u"100"_s);
    QCOMPARE(ReadAmountForFood(u"2 Scheiben"_s, source, u"378"_s, u"100"_s).message,
             u"Das Maß „Scheibe“ ist für dieses Lebensmittel nicht bekannt."_s);
    QCOMPARE(ReadAmountForFood(u"2 Portionen"_s, source, u"10446"_s, u"1"_s).amountText, u"2"_s);
}

QTEST_GUILESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"
