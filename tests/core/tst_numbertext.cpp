#include "numbertext.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void isNumericText_data();
    void isNumericText();
    void leadingNumber_data();
    void leadingNumber();
    void readDecimalText_data();
    void readDecimalText();
    void formatOneDecimal_data();
    void formatOneDecimal();
    void formatFittedDecimal_data();
    void formatFittedDecimal();
    void formatGeneral_data();
    void formatGeneral();
    void formatGeneralFollowsLocale();
    void parseWholeNumber_data();
    void parseWholeNumber();
};

void TestNumberText::isNumericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("empty text") << QString() << true;
    QTest::newRow("digits") << u"0123456789"_s << true;
    QTest::newRow("comma decimal") << u"12,5"_s << true;
    QTest::newRow("negative with comma") << u"-3,5"_s << true;
    QTest::newRow("mixed separators") << u"1,2.3"_s << true;
    QTest::newRow("lone minus") << u"-"_s << true;
    QTest::newRow("minus inside") << u"3-5"_s << false;
    QTest::newRow("two minus signs") << u"--3"_s << false;
    QTest::newRow("missing value mark") << u"k.A."_s << false;
    QTest::newRow("less than sign") << u"<0,1"_s << false;
    QTest::newRow("plus sign") << u"+3"_s << false;
    QTest::newRow("blank") << u" 3"_s << false;
    QTest::newRow("exponent") << u"1e5"_s << false;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false;
}

void TestNumberText::isNumericText()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(IsNumericText(text), numeric);
}

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty text") << QString() << 0.0;
    QTest::newRow("lone minus") << u"-"_s << 0.0;
    QTest::newRow("lone point") << u"."_s << 0.0;
    QTest::newRow("point decimal") << u"12.5"_s << 12.5;
    QTest::newRow("comma stops the number") << u"11,4"_s << 11.0;
    QTest::newRow("negative comma") << u"-3,5"_s << -3.0;
    QTest::newRow("negative point") << u"-3.5"_s << -3.5;
    QTest::newRow("second point stops") << u"1.2.3"_s << 1.2;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("trailing point") << u"7."_s << 7.0;
    QTest::newRow("trailing text") << u"42abc"_s << 42.0;
    QTest::newRow("missing value mark") << u"k.A."_s << 0.0;
    QTest::newRow("no exponent reading") << u"1e5"_s << 1.0;
    QTest::newRow("many digits") << QString(400, u'9') << std::numeric_limits<double>::infinity();
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestNumberText::readDecimalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("comma decimal") << u"12,5"_s << true << 12.5;
    QTest::newRow("mixed separators") << u"1,2.3"_s << true << 1.2;
    QTest::newRow("empty text reads 0") << QString() << true << 0.0;
    QTest::newRow("missing value mark") << u"k.A."_s << false << -1.0;
}

void TestNumberText::readDecimalText()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    double read = -1.0;
    QCOMPARE(ReadDecimalText(text, &read), numeric);
    QCOMPARE(read, value);
}

void TestNumberText::formatOneDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << u"0,0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0,0"_s;
    QTest::newRow("0.35 held below the half") << 0.35 << u"0,3"_s;
    QTest::newRow("12.25 exact half") << 12.25 << u"12,3"_s;
    QTest::newRow("0.05 just above the half") << 0.05 << u"0,1"_s;
    QTest::newRow("0.04 below the half") << 0.04 << u"0,0"_s;
    QTest::newRow("negative half away from zero") << -12.25 << u"-12,3"_s;
    QTest::newRow("negative rounding to zero") << -0.04 << u"0,0"_s;
    QTest::newRow("tiny negative") << -1e-9 << u"0,0"_s;
    QTest::newRow("carry into integer") << 9.96 << u"10,0"_s;
    QTest::newRow("no grouping") << 1500.0 << u"1500,0"_s;
    QTest::newRow("sum noise") << 0.1 + 0.2 << u"0,3"_s;
    QTest::newRow("large value") << 123456789012345678.0 << u"123456789012345680,0"_s;
    // 1000000000000000.125 exactly: the 18-digit expansion rounds its final 5 up or to even
    // depending on the conversion; the hundredths stay below the half either way.
    QTest::newRow("a final 5 at the 19th digit") << 1000000000000000.125 << u"1000000000000000,1"_s;
    QTest::newRow("scaled 52 kcal per 150 g") << 52.0 * 150.0 / 100.0 << u"78,0"_s;
}

void TestNumberText::formatOneDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatOneDecimal(value), text);
}

void TestNumberText::formatFittedDecimal_data()
{
    // Six characters and three decimals at most, as own foods' values are written.
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("three decimals") << 0.042 << u"0,042"_s;
    QTest::newRow("exact half away from zero") << 0.0625 << u"0,063"_s;
    QTest::newRow("1.0005 held below the half") << 1.0005 << u"1"_s;
    QTest::newRow("two decimals fit") << 123.456 << u"123,46"_s;
    QTest::newRow("one decimal fits") << 1234.56 << u"1234,6"_s;
    QTest::newRow("none fits") << 12345.6 << u"12346"_s;
    QTest::newRow("trailing zeros dropped") << 12.5 << u"12,5"_s;
    QTest::newRow("whole number without comma") << 375.0 << u"375"_s;
    QTest::newRow("sum noise") << 0.1 + 0.2 << u"0,3"_s;
    QTest::newRow("below the last place") << 0.0004 << u"0"_s;
    QTest::newRow("tiny negative is no -0") << -0.0004 << u"0"_s;
    QTest::newRow("rounding carries to fewer decimals") << 999.9996 << u"1000"_s;
    QTest::newRow("largest") << 999999.4 << u"999999"_s;
    QTest::newRow("rounds beyond six characters") << 999999.5 << QString();
    QTest::newRow("negative in six characters") << -99999.4 << u"-99999"_s;
    QTest::newRow("negative beyond") << -100000.0 << QString();
    QTest::newRow("infinite") << qInf() << QString();
}

void TestNumberText::formatFittedDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatFittedDecimal(value, 6, 3), text);
}

void TestNumberText::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("whole number") << 375.0 << u"375"_s;
    QTest::newRow("one decimal") << 57.9 << u"57,9"_s;
    QTest::newRow("0.1 plus 0.2") << 0.1 + 0.2 << u"0,3"_s;
    QTest::newRow("long sum noise") << 0.1 + 0.7 + 0.2 + 1.4 << u"2,4"_s;
    QTest::newRow("0.35") << 0.35 << u"0,35"_s;
    QTest::newRow("negative") << -12.25 << u"-12,25"_s;
    QTest::newRow("no grouping") << 1234567.5 << u"1234567,5"_s;
    QTest::newRow("fifteen digits kept") << 1234.56789012345 << u"1234,56789012345"_s;
    QTest::newRow("sixteenth digit rounds up") << 0.1234567890123456 << u"0,123456789012346"_s;
    QTest::newRow("carry to a new digit") << std::nextafter(100.0, 0.0) << u"100"_s;
    QTest::newRow("small fixed") << 0.0001 << u"0,0001"_s;
    QTest::newRow("below 0.0001 as exponent") << 0.000015 << u"1,5E-5"_s;
    QTest::newRow("fifteen integer digits") << 999999999999999.0 << u"999999999999999"_s;
    QTest::newRow("sixteen integer digits") << 1e15 << u"1E15"_s;
}

void TestNumberText::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneral(value, QLocale(QLocale::German, QLocale::Germany)), text);
}

void TestNumberText::formatGeneralFollowsLocale()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(FormatGeneral(0.1 + 0.2, english), u"0.3"_s);
    QCOMPARE(FormatGeneral(1234567.5, english), u"1234567.5"_s);
    QCOMPARE(FormatGeneral(-57.9, english), u"-57.9"_s);
    QCOMPARE(FormatGeneral(375.0, english), u"375"_s);
}

void TestNumberText::parseWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("twelve and semicolon") << u"12;"_s << 12;
    QTest::newRow("blank minus five") << u" -5"_s << -5;
    QTest::newRow("plus sign") << u"+7"_s << 7;
    QTest::newRow("comma decimal cut") << u"2,5"_s << 2;
    QTest::newRow("letters") << u"abc"_s << 0;
    QTest::newRow("empty text") << QString() << 0;
    QTest::newRow("lone minus") << u"-"_s << 0;
    QTest::newRow("two signs") << u"--5"_s << 0;
    QTest::newRow("tab and newline before") << u"\t\n 42x"_s << 42;
    QTest::newRow("leading zeros") << u"007"_s << 7;
    QTest::newRow("int maximum") << u"2147483647"_s << INT_MAX;
    QTest::newRow("int minimum") << u"-2147483648"_s << INT_MIN;
    QTest::newRow("too large saturates") << u"99999999999999999999999"_s << INT_MAX;
    QTest::newRow("too small saturates") << u"-99999999999999999999999"_s << INT_MIN;
}

void TestNumberText::parseWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(ParseWholeNumber(text), value);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
